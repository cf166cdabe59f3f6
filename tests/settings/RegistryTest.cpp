#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "settings/Registry.h"
#include "support/SettingsCompare.h"

namespace {

// Each test starts and ends without the program's key.
class Registry : public ::testing::Test {
protected:
    void SetUp() override { DeleteKey(); }
    void TearDown() override { DeleteKey(); }

    static void DeleteKey() { RegDeleteKeyA(HKEY_CURRENT_USER, ZENTIK_REG_KEY); }

    static void Put(const char* name, DWORD type, const std::string& data)
    {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, ZENTIK_REG_KEY, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        EXPECT_EQ(RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(data.data()),
                                 static_cast<DWORD>(data.size())),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }

    struct Value {
        std::string name;
        DWORD type;
        std::string data;
    };

    // Every value of the key, in the registry's own order.
    static std::vector<Value> ReadBack()
    {
        std::vector<Value> values;
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, ZENTIK_REG_KEY, 0, KEY_READ, &key) != ERROR_SUCCESS)
            return values;
        for (DWORD i = 0;; ++i) {
            char name[64];
            BYTE data[512];
            DWORD nameLen = sizeof(name), dataLen = sizeof(data), type = 0;
            if (RegEnumValueA(key, i, name, &nameLen, nullptr, &type, data, &dataLen) != ERROR_SUCCESS)
                break;
            values.push_back({name, type, std::string(reinterpret_cast<char*>(data), dataLen)});
        }
        RegCloseKey(key);
        return values;
    }
};

std::string Bytes(const void* p, size_t n) { return std::string(static_cast<const char*>(p), n); }

TEST_F(Registry, NoKeyLeavesTheDefaults)
{
    ClockSettings s;
    EXPECT_EQ(LoadSettings(s), -1);
    ExpectSamePersisted(s, ClockSettings());
}

// The registry lists values by name, not in the order they were written; the
// order of writing is checked on the store seam (SettingsStoreTest).
TEST_F(Registry, SaveWritesEveryValueWithItsTypeAndData)
{
    const ClockSettings s = SampleSettings();
    ASSERT_EQ(SaveSettings(s, "#32770"), 1);

    const std::vector<Value> values = ReadBack();
    EXPECT_EQ(values.size(), 33u);
    auto find = [&values](const std::string& name) -> const Value& {
        static const Value missing = {"", 0, ""};
        for (const Value& v : values)
            if (v.name == name)
                return v;
        ADD_FAILURE() << name << " missing";
        return missing;
    };
    auto expectData = [&find](const char* name, DWORD type, const std::string& data) {
        const Value& v = find(name);
        EXPECT_EQ(v.type, type) << name;
        EXPECT_EQ(v.data, data) << name;
    };
    expectData("ForeColor", REG_DWORD, Bytes(&s.ForeColor, 4));
    expectData("ZOrder", REG_DWORD, Bytes(&s.ZOrder, 4));
    expectData("WindowLeft", REG_DWORD, Bytes(&s.WindowLeft, 4));
    expectData("WindowTop", REG_DWORD, Bytes(&s.WindowTop, 4));
    expectData("Conv0to12", REG_DWORD, Bytes(&s.Format.Conv0to12, 4));
    expectData("ColorTable", REG_BINARY, Bytes(s.ColorTable, 64));
    expectData("FontInfo", REG_BINARY, Bytes(&s.FontInfo, 60));
    expectData("ChimeHour", REG_DWORD, Bytes(&s.ChimeHour, 4));
    expectData("ChimeHalf", REG_DWORD, Bytes(&s.ChimeHalf, 4));

    // The system appends the terminator a caller leaves out of the length
    // (NT does the same), so the stored data is the text and one zero byte.
    auto expectText = [&find](const std::string& name, const std::string& text) {
        const Value& v = find(name);
        EXPECT_EQ(v.type, static_cast<DWORD>(REG_SZ)) << name;
        EXPECT_TRUE(v.data == text || v.data == text + '\0') << name << ": \"" << v.data << '"';
    };
    expectText("DispFormat", s.Format.DispFormat);
    expectText("ChimeHourSound", s.ChimeHourSound);
    expectText("ChimeHalfSound", s.ChimeHalfSound);
    char name[16];
    for (int i = 0; i < 12; ++i) {
        std::snprintf(name, sizeof(name), "MonthName%02d", i + 1);
        expectText(name, s.Format.MonthName[i]);
    }
    for (int i = 0; i < 7; ++i) {
        std::snprintf(name, sizeof(name), "DayOfWeek%d", i + 1);
        expectText(name, s.Format.DayOfWeek[i]);
    }
    expectText("HourMarker1", s.Format.HourMarker[0]);
    expectText("HourMarker2", s.Format.HourMarker[1]);
}

TEST_F(Registry, SaveAndLoadRoundTrip)
{
    ASSERT_EQ(SaveSettings(SampleSettings(), "#32770"), 1);
    ClockSettings loaded;
    EXPECT_EQ(LoadSettings(loaded), 1);
    ExpectSamePersisted(loaded, SampleSettings());
}

TEST_F(Registry, EmptyMonthNameRoundTrips)
{
    ClockSettings s;
    s.Format.MonthName[0][0] = '\0';
    ASSERT_EQ(SaveSettings(s, "#32770"), 1);
    for (const Value& v : ReadBack()) {
        if (v.name == "MonthName01") {
            EXPECT_EQ(v.type, static_cast<DWORD>(REG_SZ));
            EXPECT_EQ(v.data.size(), 0u);
        }
    }
    ClockSettings loaded;
    LoadSettings(loaded);
    EXPECT_STREQ(loaded.Format.MonthName[0], "");
    EXPECT_STREQ(loaded.Format.MonthName[1], "Feb");
}

TEST_F(Registry, OnlyDispFormatStored)
{
    Put("DispFormat", REG_SZ, "HH:mm");
    ClockSettings s;
    EXPECT_EQ(LoadSettings(s), 1);
    ClockSettings expected;
    std::strcpy(expected.Format.DispFormat, "HH:mm");
    ExpectSamePersisted(s, expected);
    EXPECT_EQ(s.Format.DispFormat[5], '\0');
    EXPECT_EQ(s.Format.DispFormat[6], '\0');  // nothing of the longer default behind it
}

TEST_F(Registry, OddValuesLoadSafely)
{
    Put("Conv0to12", REG_SZ, "1");                                 // a string under a flag's name
    Put("DispFormat", REG_SZ, std::string(80, 'H'));               // longer than the field
    Put("FontInfo", REG_BINARY, std::string(61, 'F'));             // longer than the field
    Put("ChimeHourSound", REG_SZ, std::string("a.wav\0", 6));      // stored with a terminator
    Put("ChimeHalfSound", REG_SZ, "b.wav");
    Put("MonthName03", REG_SZ, std::string(15, 'M'));              // exactly the longest name

    ClockSettings s;
    EXPECT_EQ(LoadSettings(s), 1);
    EXPECT_NE(s.Format.Conv0to12, 0);
    EXPECT_STREQ(s.Format.DispFormat, "yyyy/MM/dd(ddd) HH:mm:ss");
    EXPECT_STREQ(s.FontInfo.lfFaceName, "");
    EXPECT_EQ(s.FontInfo.lfHeight, -16);
    EXPECT_STREQ(s.ChimeHourSound, "a.wav");
    EXPECT_STREQ(s.ChimeHalfSound, "b.wav");
    EXPECT_EQ(std::string(s.Format.MonthName[2]), std::string(15, 'M'));
}

TEST_F(Registry, UnterminatedFaceNameIsCutInItsField)
{
    LOGFONTA lf = SampleSettings().FontInfo;
    std::memset(lf.lfFaceName, 'A', sizeof(lf.lfFaceName));
    Put("FontInfo", REG_BINARY, Bytes(&lf, sizeof(lf)));
    ClockSettings s;
    LoadSettings(s);
    EXPECT_EQ(std::string(s.FontInfo.lfFaceName), std::string(LF_FACESIZE - 1, 'A'));
    EXPECT_EQ(s.FontInfo.lfHeight, -24);
}

TEST_F(Registry, SaveStoresTheClassString)
{
    ASSERT_EQ(SaveSettings(ClockSettings(), "#32770"), 1);
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, ZENTIK_REG_KEY, 0, KEY_READ, &key), ERROR_SUCCESS);
    char cls[64] = {};
    DWORD clsLen = sizeof(cls);
    EXPECT_EQ(RegQueryInfoKeyA(key, cls, &clsLen, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                               nullptr, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_STREQ(cls, "#32770");
}

}  // namespace
