#include "support/Prelude.h"
#include "support/SettingsCompare.h"

namespace {

std::string Bytes(const void* p, size_t n) { return std::string(static_cast<const char*>(p), n); }

TEST(SettingsStore, WritesEachValueWithItsTypeAndLength)
{
    ClockSettings s = SampleSettings();
    std::memset(s.Format.HourMarker[1], 'P', NAME_SIZE);  // no terminator: cut to the field
    const StoredValues written = Written(s);
    const auto dword = [](LONG v) { return std::make_pair(DWORD{REG_DWORD}, Bytes(&v, 4)); };
    const auto sz = [](std::string text) { return std::make_pair(DWORD{REG_SZ}, text); };
    const StoredValues expected = {
        {"ForeColor", {REG_DWORD, std::string("\x56\x34\x12\x00", 4)}}, {"ZOrder", dword(0)},
        {"WindowLeft", dword(-120)}, {"WindowTop", dword(4000)}, {"Conv0to12", dword(1)}, {"ChimeHour", dword(2)},
        {"ChimeHalf", dword(0)}, {"ColorTable", {REG_BINARY, Bytes(s.ColorTable, 64)}},
        {"FontInfo", {REG_BINARY, Bytes(&s.FontInfo, 60)}}, {"DispFormat", sz("h:mm t")},
        {"ChimeHourSound", sz("D:\\sounds\\hour.wav")}, {"ChimeHalfSound", sz("half.wav")},
        {"MonthName01", sz("month1")}, {"MonthName09", sz("month9")}, {"MonthName10", sz("month10")},
        {"DayOfWeek7", sz("day7")}, {"HourMarker1", sz("a.m.")}, {"HourMarker2", sz(std::string(NAME_SIZE - 1, 'P'))},
    };
    EXPECT_EQ(written.size(), 12u + 12 + 7 + 2);
    for (const auto& [name, value] : expected)
        EXPECT_EQ(written.count(name) ? written.at(name) : std::make_pair(DWORD{0}, std::string()), value) << name;
}

TEST(SettingsStore, ReadsBackWhatWasWrittenAndLeavesFieldsWithoutAValue)
{
    MemoryStore store;
    WriteSettings(store, SampleSettings());
    ClockSettings loaded;
    ReadSettings(store, loaded);
    EXPECT_EQ(Written(loaded), Written(SampleSettings()));

    for (const char* name : {"ChimeHalfSound", "WindowLeft", "WindowTop", "ColorTable", "ForeColor", "Conv0to12"})
        store.values.erase(name);
    ClockSettings partial;
    ReadSettings(store, partial);
    EXPECT_EQ(partial.ForeColor, 0xFFFFFFu) << "a first clock not in white";
    EXPECT_EQ(partial.Format.Conv0to12, 0) << "a first clock showing 12 for 0";
    EXPECT_EQ(partial.ColorTable[15], 0x0FFFFFFFu) << "not the custom colours of earlier runs";
    EXPECT_STREQ(partial.ChimeHalfSound, ClockSettings().ChimeHalfSound);
    EXPECT_EQ(std::make_pair(partial.WindowLeft, partial.WindowTop), std::make_pair(LONG{0}, LONG{0}))
        << "not the screen's corner";
    EXPECT_STREQ(partial.ChimeHourSound, SampleSettings().ChimeHourSound);
}

// Values an earlier version or a hand edit may have left, each on its own field.
TEST_F(CodePageTest, SettingsStoreTakesOrLeavesOddValuesSafely)
{
    MemoryStore store;
    store.values = {
        {"Conv0to12", {REG_SZ, "1"}},                              // wrong type: bytes taken
        {"ChimeHour", {REG_DWORD, std::string("\x02", 1)}},        // short: only its bytes
        {"DispFormat", {REG_SZ, std::string(64, 'H')}},            // fills the field: cut to 63
        {"FontInfo", {REG_BINARY, std::string(61, 'F')}},          // longer than the field: left
        {"ChimeHourSound", {REG_SZ, std::string("a.wav\0", 6)}},   // stored with a terminator
        {"ChimeHalfSound", {REG_SZ, "b"}},                         // shorter: replaces the whole text
        {"MonthName02", {REG_SZ, std::string(16, 'M')}},           // fills the field: cut to 15
        {"DayOfWeek1", {REG_BINARY, "Sonntag"}},                   // wrong type: still a string
        {"DayOfWeek8", {REG_SZ, "x"}}, {"HourMarker3", {REG_SZ, "x"}},  // no such day or marker: not read
    };
    ClockSettings s;
    ReadSettings(store, s);
    EXPECT_EQ(s.Format.Conv0to12, 0x31);
    EXPECT_EQ(s.ChimeHour, 2);  // 3 with its low byte replaced
    EXPECT_EQ(std::string(s.Format.DispFormat), std::string(63, 'H'));
    EXPECT_EQ(s.FontInfo.lfHeight, -16);
    EXPECT_STREQ(s.ChimeHourSound, "a.wav");
    EXPECT_STREQ(s.ChimeHalfSound, "b");
    EXPECT_EQ(std::string(s.Format.MonthName[1]), std::string(15, 'M'));
    EXPECT_STREQ(s.Format.DayOfWeek[0], "Sonntag");
    EXPECT_STREQ(s.Format.HourMarker[0], ClockSettings().Format.HourMarker[0]);

    LOGFONTA font = SampleSettings().FontInfo;
    std::memset(font.lfFaceName, 'A', LF_FACESIZE);
    store.values["FontInfo"] = {REG_BINARY, Bytes(&font, sizeof(font))};
    ReadSettings(store, s);
    EXPECT_EQ(std::string(s.FontInfo.lfFaceName), std::string(LF_FACESIZE - 1, 'A'));
    EXPECT_EQ(s.FontInfo.lfHeight, -24);

    store.values = {{"MonthName13", {REG_SZ, "x"}}};  // no such month: Sunday's name, stored after, stays
    ReadSettings(store, s);
    EXPECT_STREQ(s.Format.DayOfWeek[0], "Sonntag");

    // A text filling its field whose last byte would be a lead byte keeps
    // only the whole characters before it.
    if (!UseCodePage(932))
        return;
    store.values = {{"MonthName01", {REG_SZ, "abcdefghijklmn\x82\xA0"}},  // 14 + 2 bytes: the field
                    {"MonthName02", {REG_SZ, "abcdefghijklm\x82\xA0z"}}};
    ReadSettings(store, s);
    EXPECT_STREQ(s.Format.MonthName[0], "abcdefghijklmn");
    EXPECT_STREQ(s.Format.MonthName[1], "abcdefghijklm\x82\xA0");
}

}  // namespace
