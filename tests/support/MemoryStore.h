// A settings store in memory keeping each value's type and exact data: the
// stand-in for the registry on the host and in the fuzzer.
#pragma once

#include <map>
#include <string>
#include <utility>

#include "settings/SettingsStore.h"

using StoredValues = std::map<std::string, std::pair<DWORD, std::string>>;  // name: type, bytes

class MemoryStore : public SettingsStore {
public:
    StoredValues values;

    bool Query(const char* name, BYTE* data, DWORD* size) override
    {
        const auto it = values.find(name);
        if (it == values.end() || it->second.second.size() > *size)
            return false;
        *size = static_cast<DWORD>(it->second.second.copy(reinterpret_cast<char*>(data), *size));
        return true;
    }

    void Set(const char* name, DWORD type, const BYTE* data, DWORD size) override
    {
        values[name] = {type, std::string(reinterpret_cast<const char*>(data), size)};
    }
};
