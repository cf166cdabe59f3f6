// Moving the settings block to and from a store of named, typed values.
// The registry is the store the program uses; the value names, types, data
// lengths and the order of reading and writing live here, apart from it.
#pragma once

#include "settings/ClockSettings.h"

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // Reads the data of value `name` into `data`, which holds *size bytes.
    // On success *size is the number of bytes read. A missing value, or one
    // longer than *size, fails; `data` may then hold anything.
    virtual bool Query(const char* name, BYTE* data, DWORD* size) = 0;

    virtual void Set(const char* name, DWORD type, const BYTE* data, DWORD size) = 0;
};

// Overwrites each persisted field whose value can be read; the others keep
// their current contents.
void ReadSettings(SettingsStore& store, ClockSettings& s);

// Writes every persisted field.
void WriteSettings(SettingsStore& store, const ClockSettings& s);
