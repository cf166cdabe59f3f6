// A settings store in memory that keeps every write in order, with its type
// and exact data length: the stand-in for the registry on the host and in
// the fuzzer.
#pragma once

#include <cstring>
#include <string>
#include <vector>

#include "settings/SettingsStore.h"

struct StoredValue {
    std::string name;
    DWORD type;
    std::vector<BYTE> data;
};

class MemoryStore : public SettingsStore {
public:
    std::vector<StoredValue> values;  // in the order written
    std::vector<std::string> queries; // names in the order asked for

    bool Query(const char* name, BYTE* data, DWORD* size) override
    {
        queries.push_back(name);
        const StoredValue* v = Find(name);
        if (!v || v->data.size() > *size)
            return false;
        if (!v->data.empty())
            std::memcpy(data, v->data.data(), v->data.size());
        *size = static_cast<DWORD>(v->data.size());
        return true;
    }

    void Set(const char* name, DWORD type, const BYTE* data, DWORD size) override
    {
        StoredValue* v = Find(name);
        if (!v) {
            values.push_back({name, type, {}});
            v = &values.back();
        }
        v->type = type;
        v->data.assign(data, data + size);
    }

    void Put(const std::string& name, DWORD type, const std::string& bytes)
    {
        Set(name.c_str(), type, reinterpret_cast<const BYTE*>(bytes.data()), static_cast<DWORD>(bytes.size()));
    }

    const StoredValue* Find(const std::string& name) const
    {
        for (const StoredValue& v : values)
            if (v.name == name)
                return &v;
        return nullptr;
    }

    StoredValue* Find(const std::string& name)
    {
        return const_cast<StoredValue*>(static_cast<const MemoryStore*>(this)->Find(name));
    }
};
