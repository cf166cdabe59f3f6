// The settings store on the real registry: what the host tests check through
// the in-memory store, here only that it reaches the key as typed values.

#include "settings/Registry.h"
#include "support/Prelude.h"
#include "support/SettingsCompare.h"

namespace {

TEST(Registry, SavesTypedValuesAndLoadsThemBack)
{
    RegDeleteKeyA(HKEY_CURRENT_USER, ZENTIK_REG_KEY);
    ClockSettings loaded = SampleSettings();
    EXPECT_EQ(LoadSettings(loaded), -1);
    EXPECT_EQ(Written(loaded), Written(SampleSettings()));

    ASSERT_EQ(SaveSettings(SampleSettings(), "#32770"), 1);
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, ZENTIK_REG_KEY, 0, KEY_READ, &key), ERROR_SUCCESS);
    char cls[16] = {};
    DWORD clsLen = sizeof(cls);
    RegQueryInfoKeyA(key, cls, &clsLen, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                     nullptr);
    EXPECT_STREQ(cls, "#32770");
    const struct { const char* name; DWORD type, size; } values[] = {  // a string's size counts its terminator
        {"ForeColor", REG_DWORD, 4}, {"FontInfo", REG_BINARY, 60}, {"ColorTable", REG_BINARY, 64},
        {"DispFormat", REG_SZ, 7},   {"MonthName12", REG_SZ, 8},   {"HourMarker2", REG_SZ, 5}};
    for (const auto& v : values) {
        DWORD type = 0, size = 0;
        RegQueryValueExA(key, v.name, nullptr, &type, nullptr, &size);
        EXPECT_EQ(type, v.type) << v.name;
        EXPECT_EQ(size, v.size) << v.name;
    }
    RegCloseKey(key);

    loaded = ClockSettings();
    EXPECT_EQ(LoadSettings(loaded), 1);
    EXPECT_EQ(Written(loaded), Written(SampleSettings()));
    RegDeleteKeyA(HKEY_CURRENT_USER, ZENTIK_REG_KEY);

    // Under a volatile parent no lasting key can be made.
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Pelmo");
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Pelmo", 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr), ERROR_SUCCESS);
    EXPECT_EQ(SaveSettings(SampleSettings(), "#32770"), -1);
    RegCloseKey(key);
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Pelmo");
}

}  // namespace
