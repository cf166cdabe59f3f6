#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "settings/SettingsStore.h"
#include "support/MemoryStore.h"
#include "support/SettingsCompare.h"

namespace {

std::vector<std::string> NumberedNames()
{
    std::vector<std::string> names;
    for (const char* m : {"01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "11", "12"})
        names.push_back(std::string("MonthName") + m);
    for (char d = '1'; d <= '7'; ++d)
        names.push_back(std::string("DayOfWeek") + d);
    names.push_back("HourMarker1");
    names.push_back("HourMarker2");
    return names;
}

std::string Bytes(const void* p, size_t n) { return std::string(static_cast<const char*>(p), n); }
std::string Bytes(const std::vector<BYTE>& v) { return std::string(v.begin(), v.end()); }

TEST(WriteSettings, WritesEveryValueInOrderWithItsTypeAndLength)
{
    const ClockSettings s = SampleSettings();
    MemoryStore store;
    WriteSettings(store, s);

    struct Expected {
        std::string name;
        DWORD type;
        std::string data;
    };
    std::vector<Expected> expected = {
        {"ForeColor", REG_DWORD, Bytes(&s.ForeColor, 4)},
        {"ZOrder", REG_DWORD, Bytes(&s.ZOrder, 4)},
        {"WindowLeft", REG_DWORD, Bytes(&s.WindowLeft, 4)},
        {"WindowTop", REG_DWORD, Bytes(&s.WindowTop, 4)},
        {"Conv0to12", REG_DWORD, Bytes(&s.Format.Conv0to12, 4)},
        {"ColorTable", REG_BINARY, Bytes(s.ColorTable, 64)},
        {"FontInfo", REG_BINARY, Bytes(&s.FontInfo, 60)},
        {"DispFormat", REG_SZ, "h:mm t"},
        {"ChimeHour", REG_DWORD, Bytes(&s.ChimeHour, 4)},
        {"ChimeHalf", REG_DWORD, Bytes(&s.ChimeHalf, 4)},
        {"ChimeHourSound", REG_SZ, "D:\\sounds\\hour.wav"},
        {"ChimeHalfSound", REG_SZ, "half.wav"},
    };
    const std::vector<std::string> numbered = NumberedNames();
    for (size_t i = 0; i < numbered.size(); ++i) {
        const char* text = i < 12 ? s.Format.MonthName[i] : i < 19 ? s.Format.DayOfWeek[i - 12] : s.Format.HourMarker[i - 19];
        expected.push_back({numbered[i], REG_SZ, text});
    }

    ASSERT_EQ(store.values.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(store.values[i].name, expected[i].name);
        EXPECT_EQ(store.values[i].type, expected[i].type);
        EXPECT_EQ(Bytes(store.values[i].data), expected[i].data);  // strings without terminator
    }
    // Little-endian numbers.
    EXPECT_EQ(Bytes(store.Find("ForeColor")->data), std::string("\x56\x34\x12\x00", 4));
}

TEST(ReadSettings, AsksForTheValuesInItsOwnOrder)
{
    MemoryStore store;
    ClockSettings s;
    ReadSettings(store, s);
    std::vector<std::string> expected = {"ForeColor", "ZOrder", "Conv0to12", "WindowLeft", "WindowTop", "ChimeHour",
                                         "ChimeHalf", "FontInfo", "ColorTable", "DispFormat", "ChimeHourSound",
                                         "ChimeHalfSound"};
    for (const std::string& n : NumberedNames())
        expected.push_back(n);
    EXPECT_EQ(store.queries, expected);
}

TEST(ReadSettings, RoundTripsEveryField)
{
    MemoryStore store;
    WriteSettings(store, SampleSettings());
    ClockSettings loaded;
    ReadSettings(store, loaded);
    ExpectSamePersisted(loaded, SampleSettings());
}

TEST(ReadSettings, EmptyStoreKeepsTheDefaults)
{
    MemoryStore store;
    ClockSettings s;
    ReadSettings(store, s);
    ExpectSamePersisted(s, ClockSettings());
}

TEST(ReadSettings, ShorterStringReplacesTheWholeField)
{
    MemoryStore store;
    store.Put("DispFormat", REG_SZ, "HH:mm");
    ClockSettings s;
    ReadSettings(store, s);
    ClockSettings expected;
    std::strcpy(expected.Format.DispFormat, "HH:mm");
    ExpectSamePersisted(s, expected);
}

// Odd values met in stored settings, each on its own field.
TEST(ReadSettings, OddValuesAreTakenOrLeftSafely)
{
    MemoryStore store;
    store.Put("Conv0to12", REG_SZ, "1");                           // wrong type: bytes taken
    store.Put("ChimeHour", REG_DWORD, std::string("\x02", 1));      // short: only its bytes
    store.Put("DispFormat", REG_SZ, std::string(65, 'H'));          // longer than the field: left
    store.Put("FontInfo", REG_BINARY, std::string(61, 'F'));        // longer than the field: left
    store.Put("ChimeHourSound", REG_SZ, std::string("a.wav\0", 6)); // stored with a terminator
    store.Put("MonthName01", REG_SZ, "");                           // an empty name stays empty
    store.Put("MonthName02", REG_SZ, std::string(16, 'M'));         // fills the field: cut to 15
    store.Put("DayOfWeek1", REG_BINARY, "Sonntag");                 // wrong type: still a string

    ClockSettings s;
    ReadSettings(store, s);
    EXPECT_EQ(s.Format.Conv0to12, 0x31);
    EXPECT_EQ(s.ChimeHour, 2);  // 3 with its low byte replaced
    EXPECT_STREQ(s.Format.DispFormat, "yyyy/MM/dd(ddd) HH:mm:ss");
    EXPECT_STREQ(s.FontInfo.lfFaceName, "");
    EXPECT_EQ(s.FontInfo.lfHeight, -16);
    EXPECT_STREQ(s.ChimeHourSound, "a.wav");
    EXPECT_STREQ(s.Format.MonthName[0], "");
    EXPECT_EQ(std::string(s.Format.MonthName[1]), std::string(15, 'M'));
    EXPECT_STREQ(s.Format.DayOfWeek[0], "Sonntag");
}

TEST(ReadSettings, FaceNameIsTerminatedWithinItsField)
{
    ClockSettings source = SampleSettings();
    std::memset(source.FontInfo.lfFaceName, 'A', sizeof(source.FontInfo.lfFaceName));
    MemoryStore store;
    store.Set("FontInfo", REG_BINARY, reinterpret_cast<const BYTE*>(&source.FontInfo), sizeof(source.FontInfo));

    ClockSettings s;
    ReadSettings(store, s);
    EXPECT_EQ(std::string(s.FontInfo.lfFaceName), std::string(LF_FACESIZE - 1, 'A'));
    EXPECT_EQ(s.FontInfo.lfHeight, -24);

    // A terminated name keeps every byte, also those after its terminator.
    std::memcpy(source.FontInfo.lfFaceName, "Arial\0zz", 8);
    store.Set("FontInfo", REG_BINARY, reinterpret_cast<const BYTE*>(&source.FontInfo), sizeof(source.FontInfo));
    ReadSettings(store, s);
    EXPECT_EQ(0, std::memcmp(&s.FontInfo, &source.FontInfo, sizeof(LOGFONTA)));
}

}  // namespace
