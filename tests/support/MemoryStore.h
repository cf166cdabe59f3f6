// A settings store in memory keeping each value's type and exact data: the
// stand-in for the registry on the host and in the fuzzer.
#pragma once

#include <cstring>
#include <map>
#include <string>

#include "settings/SettingsStore.h"

struct StoredValue {
    DWORD type;
    std::string data;
};

class MemoryStore : public SettingsStore {
public:
    std::map<std::string, StoredValue> values;

    bool Query(const char* name, BYTE* data, DWORD* size) override
    {
        const auto it = values.find(name);
        if (it == values.end() || it->second.data.size() > *size)
            return false;
        std::memcpy(data, it->second.data.data(), it->second.data.size());
        *size = static_cast<DWORD>(it->second.data.size());
        return true;
    }

    void Set(const char* name, DWORD type, const BYTE* data, DWORD size) override
    {
        values[name] = {type, std::string(reinterpret_cast<const char*>(data), size)};
    }

    void Put(const std::string& name, DWORD type, const std::string& bytes) { values[name] = {type, bytes}; }
};
