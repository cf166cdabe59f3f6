#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "options/OptForm.h"
#include "options/OptionsSheet.h"
#include "support/CodePageFixture.h"
#include "support/Screenshot.h"

namespace {

const char kDefaultFormat[] = "yyyy/MM/dd(ddd) HH:mm:ss";

const int kMonthIds[12] = {IDC_MONTH1, IDC_MONTH2, IDC_MONTH3, IDC_MONTH4,  IDC_MONTH5,  IDC_MONTH6,
                           IDC_MONTH7, IDC_MONTH8, IDC_MONTH9, IDC_MONTH10, IDC_MONTH11, IDC_MONTH12};
const int kDayIds[7] = {IDC_DAY1, IDC_DAY2, IDC_DAY3, IDC_DAY4, IDC_DAY5, IDC_DAY6, IDC_DAY7};

// The sheet driven from its Format tab. The Display page posts a change
// message on every OK and Apply too, so each counts two once the Format tab
// was opened.
class FormatPage : public OptionsSheet {
protected:
    INT_PTR RunOnFormat(std::function<void(HWND sheet, HWND page)> script)
    {
        return Run([script](HWND sheet) {
            HWND page = ShowSheetPage(sheet, 1, "Format");
            if (!page) {
                ADD_FAILURE() << "the Format tab did not open";
                return;
            }
            script(sheet, page);
        });
    }

    static std::string Text(HWND page, int id) { return WindowText(GetDlgItem(page, id)); }

    static void SetText(HWND page, int id, const std::string& text) { SetDlgItemTextA(page, id, text.c_str()); }

    // Clicks a button that opens a message box captioned `caption`; returns
    // the box's text after closing it, with its owner in `owner`.
    static std::string ReadBox(HWND page, int button, const char* caption, HWND* owner = nullptr)
    {
        PostClick(page, button);
        return CloseMessageBox(caption, owner);
    }
};

TEST_F(FormatPage, ShowsTheStoredRecordAndOffersApply)
{
    std::strcpy(g_settings.Format.DispFormat, "H:mm t");
    std::strcpy(g_settings.Format.MonthName[11], "Dezember");
    std::strcpy(g_settings.Format.DayOfWeek[6], "Samstag");
    std::strcpy(g_settings.Format.HourMarker[1], "nachm.");
    g_settings.Format.Conv0to12 = 1;
    RunOnFormat([](HWND sheet, HWND page) {
        EXPECT_EQ(Text(page, IDC_DISP_FORMAT), "H:mm t");
        EXPECT_EQ(Text(page, IDC_MONTH1), "Jan");
        EXPECT_EQ(Text(page, IDC_MONTH12), "Dezember");
        EXPECT_EQ(Text(page, IDC_DAY7), "Samstag");
        EXPECT_EQ(Text(page, IDC_PM), "nachm.");
        EXPECT_EQ(SendDlgItemMessageA(page, IDC_CONV0TO12, BM_GETCHECK, 0, 0), BST_CHECKED);
        EXPECT_TRUE(WaitUntil([sheet] { return IsWindowEnabled(GetDlgItem(sheet, kApplyButton)) != FALSE; }, 5000))
            << "opening the tab did not enable Apply";
        if (getenv("ZENTIK_SCREENSHOT_DIR") && GetACP() == 1252) {  // one picture, in English
            Sleep(300);  // let it paint
            EXPECT_TRUE(SaveScreenshot(sheet, "options-format"));
        }
        Press(sheet, PSBTN_CANCEL);
    });
    EXPECT_STREQ(g_settings.Format.DispFormat, "H:mm t");
    EXPECT_EQ(g_settings.ChangeFlags, 0u);
    EXPECT_EQ(s_messages, 0);
}

TEST_F(FormatPage, EditsAreLimitedToTheirFields)
{
    RunOnFormat([](HWND sheet, HWND page) {
        EXPECT_EQ(SendDlgItemMessageA(page, IDC_DISP_FORMAT, EM_GETLIMITTEXT, 0, 0), 63);
        for (int id : kMonthIds)
            EXPECT_EQ(SendDlgItemMessageA(page, id, EM_GETLIMITTEXT, 0, 0), 15) << "month edit " << id;
        for (int id : kDayIds)
            EXPECT_EQ(SendDlgItemMessageA(page, id, EM_GETLIMITTEXT, 0, 0), 15) << "day edit " << id;
        EXPECT_EQ(SendDlgItemMessageA(page, IDC_AM, EM_GETLIMITTEXT, 0, 0), 15);
        EXPECT_EQ(SendDlgItemMessageA(page, IDC_PM, EM_GETLIMITTEXT, 0, 0), 15);

        // Typed, the longest texts fit whole.
        SetText(page, IDC_DISP_FORMAT, "");
        SetText(page, IDC_MONTH1, "");
        for (int i = 0; i < 70; ++i) {
            SendDlgItemMessageA(page, IDC_DISP_FORMAT, WM_CHAR, 'x', 0);
            SendDlgItemMessageA(page, IDC_MONTH1, WM_CHAR, 'a' + i % 26, 0);
        }
        EXPECT_EQ(Text(page, IDC_DISP_FORMAT), std::string(63, 'x'));
        EXPECT_EQ(Text(page, IDC_MONTH1), "abcdefghijklmno");
        Press(sheet, PSBTN_OK);
    });
    EXPECT_STREQ(g_settings.Format.DispFormat, std::string(63, 'x').c_str());
    EXPECT_STREQ(g_settings.Format.MonthName[0], "abcdefghijklmno");
}

TEST_F(FormatPage, ClearedFormatKeepsTheStoredOneAndTakesTheRest)
{
    g_settings.ChangeFlags = CHANGED_FONT;  // left over from before: discarded
    const INT_PTR result = RunOnFormat([](HWND sheet, HWND page) {
        SetText(page, IDC_DISP_FORMAT, "");
        SetText(page, IDC_MONTH3, "Maerz");
        SetText(page, IDC_DAY1, "");
        SetText(page, IDC_AM, "vorm.");
        PostClick(page, IDC_CONV0TO12);
        Press(sheet, PSBTN_OK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_STREQ(g_settings.Format.DispFormat, kDefaultFormat);
    EXPECT_STREQ(g_settings.Format.MonthName[2], "Maerz");
    EXPECT_STREQ(g_settings.Format.DayOfWeek[0], "");
    EXPECT_STREQ(g_settings.Format.HourMarker[0], "vorm.");
    EXPECT_EQ(g_settings.Format.Conv0to12, 1);
    EXPECT_EQ(g_settings.ChangeFlags, static_cast<DWORD>(CHANGED_GENERAL));
    EXPECT_EQ(s_messages, 2);
}

// Whether a format is taken depends on the text it gives at the moment of OK.
TEST_F(FormatPage, FormatGivingNoTextNowIsRefused)
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    const struct {
        const char* format;
        bool clearThisMonth;
        const char* stored;
    } cases[] = {
        {"'", false, kDefaultFormat},
        {"''", false, "''"},
        {"'abc", false, "'abc"},
        {"MMM", true, kDefaultFormat},
        {"MMM", false, "MMM"},
    };
    for (const auto& c : cases) {
        g_settings = ClockSettings();
        s_messages = 0;
        const int thisMonth = kMonthIds[now.wMonth - 1];
        RunOnFormat([&c, thisMonth](HWND sheet, HWND page) {
            SetText(page, IDC_DISP_FORMAT, c.format);
            if (c.clearThisMonth)
                SetText(page, thisMonth, "");
            Press(sheet, PSBTN_OK);
        });
        SCOPED_TRACE(c.format);
        EXPECT_STREQ(g_settings.Format.DispFormat, c.stored);
        EXPECT_STREQ(g_settings.Format.MonthName[now.wMonth - 1],
                     c.clearThisMonth ? "" : DefaultDisplayFormat().MonthName[now.wMonth - 1]);
        EXPECT_EQ(g_settings.ChangeFlags, static_cast<DWORD>(CHANGED_GENERAL));
        EXPECT_EQ(s_messages, 2);
    }
}

TEST_F(FormatPage, SampleTimeIsTheSecondOfJanuaryJustAfterMidnight)
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    const std::string defaultText = std::to_string(now.wYear) + "/01/02(Sun) 00:01:02";
    const struct {
        const char* format;
        bool conv0to12;
        std::string shown;
    } cases[] = {
        {"h:mm:ss t", false, "0:01:02 AM"},
        {"h:mm:ss t", true, "12:01:02 AM"},
        {kDefaultFormat, false, defaultText},
        {"MMM ddd y M/d", false, "Jan Sun " + std::to_string(now.wYear % 100 + 100).substr(1) + " 1/2"},
        {"'", false, ""},
    };
    RunOnFormat([&cases](HWND sheet, HWND page) {
        for (const auto& c : cases) {
            SetText(page, IDC_DISP_FORMAT, c.format);
            const bool checked = SendDlgItemMessageA(page, IDC_CONV0TO12, BM_GETCHECK, 0, 0) == BST_CHECKED;
            if (checked != c.conv0to12) {
                PostClick(page, IDC_CONV0TO12);
                WaitUntil([&] { return (SendDlgItemMessageA(page, IDC_CONV0TO12, BM_GETCHECK, 0, 0) == BST_CHECKED) ==
                                       c.conv0to12; }, 5000);
            }
            HWND owner = nullptr;
            EXPECT_EQ(ReadBox(page, IDC_TEST2, "Zentik Test2", &owner), c.shown) << c.format;
            EXPECT_EQ(owner, sheet) << "the box is not owned by the page";
        }
        Press(sheet, PSBTN_CANCEL);
    });
}

// The tests show what the page holds; the clock keeps its format meanwhile.
TEST_F(FormatPage, TestsShowUnappliedEditsOnly)
{
    RunOnFormat([](HWND sheet, HWND page) {
        SetText(page, IDC_DISP_FORMAT, "'now:' MMM t");
        SetText(page, IDC_MONTH1, "Ichi");
        SetText(page, IDC_AM, "gozen");
        EXPECT_EQ(ReadBox(page, IDC_TEST2, "Zentik Test2"), "now: Ichi gozen");
        SetText(page, IDC_DISP_FORMAT, "'edited'");
        EXPECT_EQ(ReadBox(page, IDC_TEST1, "Zentik Test1"), "edited");
        EXPECT_STREQ(g_settings.Format.DispFormat, kDefaultFormat);
        EXPECT_STREQ(g_settings.Format.MonthName[0], "Jan");
        EXPECT_EQ(s_messages, 0);
        Press(sheet, PSBTN_CANCEL);
    });
    EXPECT_STREQ(g_settings.Format.DispFormat, kDefaultFormat);
    EXPECT_STREQ(g_settings.Format.HourMarker[0], "AM");
    EXPECT_EQ(g_settings.ChangeFlags, 0u);
    EXPECT_EQ(s_messages, 0);
}

TEST_F(FormatPage, EachDefaultButtonRestoresItsOwnGroupOnly)
{
    for (int i = 0; i < 12; ++i)
        std::snprintf(g_settings.Format.MonthName[i], NAME_SIZE, "m%d", i + 1);
    for (int i = 0; i < 7; ++i)
        std::snprintf(g_settings.Format.DayOfWeek[i], NAME_SIZE, "d%d", i + 1);
    std::strcpy(g_settings.Format.HourMarker[0], "a");
    std::strcpy(g_settings.Format.HourMarker[1], "p");
    RunOnFormat([](HWND sheet, HWND page) {
        SetText(page, IDC_DISP_FORMAT, "MMM ddd t");  // not applied yet

        PostClick(page, IDC_DEFAULT_MONTH);
        EXPECT_TRUE(WaitUntil([page] { return Text(page, IDC_MONTH12) == "Dec"; }, 5000));
        EXPECT_EQ(Text(page, IDC_MONTH1), "Jan");
        EXPECT_EQ(Text(page, IDC_DISP_FORMAT), "MMM ddd t");
        EXPECT_EQ(Text(page, IDC_DAY1), "d1");
        EXPECT_EQ(Text(page, IDC_AM), "a");

        PostClick(page, IDC_DEFAULT_DAY);
        EXPECT_TRUE(WaitUntil([page] { return Text(page, IDC_DAY7) == "Sat"; }, 5000));
        EXPECT_EQ(Text(page, IDC_DAY1), "Sun");
        EXPECT_EQ(Text(page, IDC_AM), "a");

        PostClick(page, IDC_DEFAULT_MARKER);
        EXPECT_TRUE(WaitUntil([page] { return Text(page, IDC_PM) == "PM"; }, 5000));
        EXPECT_EQ(Text(page, IDC_AM), "AM");
        EXPECT_EQ(Text(page, IDC_DISP_FORMAT), "MMM ddd t");
        Press(sheet, PSBTN_OK);
    });
    const DisplayFormat& defaults = DefaultDisplayFormat();
    EXPECT_STREQ(g_settings.Format.DispFormat, "MMM ddd t");
    EXPECT_EQ(std::memcmp(g_settings.Format.MonthName, defaults.MonthName, sizeof(defaults.MonthName)), 0);
    EXPECT_EQ(std::memcmp(g_settings.Format.DayOfWeek, defaults.DayOfWeek, sizeof(defaults.DayOfWeek)), 0);
    EXPECT_EQ(std::memcmp(g_settings.Format.HourMarker, defaults.HourMarker, sizeof(defaults.HourMarker)), 0);
}

// Every Apply and OK copies the whole record, the seconds flag of its
// check formatting included, and tells the clock.
TEST_F(FormatPage, ApplyThenOkAppliesTwice)
{
    const INT_PTR result = RunOnFormat([](HWND sheet, HWND page) {
        Press(sheet, PSBTN_APPLYNOW);
        EXPECT_TRUE(WaitUntil([] { return s_messages == 2; }, 5000));
        EXPECT_EQ(g_settings.ChangeFlags, static_cast<DWORD>(CHANGED_GENERAL));
        EXPECT_EQ(g_settings.Format.SecondsUsed, 1);
        EXPECT_EQ(Text(page, IDC_DISP_FORMAT), kDefaultFormat);
        SetText(page, IDC_DISP_FORMAT, "HH:mm");
        Press(sheet, PSBTN_OK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_STREQ(g_settings.Format.DispFormat, "HH:mm");
    EXPECT_EQ(g_settings.Format.SecondsUsed, 0);
    EXPECT_EQ(s_messages, 4);
}

// A text put into an edit past its limit is refused by the exchange; what
// the test then shows is cut to the field, never written beyond it.
TEST_F(FormatPage, OverlongNameIsReportedAndCutForTheTest)
{
    RunOnFormat([](HWND sheet, HWND page) {
        SetText(page, IDC_DISP_FORMAT, "MMM");
        SetText(page, IDC_MONTH1, std::string(40, 'n'));
        PostClick(page, IDC_TEST2);
        EXPECT_EQ(CloseMessageBox(AppName()), "Please enter no more than 15 characters.");
        EXPECT_EQ(CloseMessageBox("Zentik Test2"), std::string(15, 'n'));
        SetText(page, IDC_MONTH1, "Jan");
        Press(sheet, PSBTN_CANCEL);
    });
}

TEST_F(FormatPage, DoubleByteTextIsShownAndAppliedIntact)
{
    REQUIRE_CODE_PAGE(932);
    // "\x83\x64" is a katakana whose trail byte is the letter "d".
    const char format[] = "\x93\xfa\x83\x64 MMM HH";
    const char month[] = "\x88\xea\x8c\x8e";
    std::strcpy(g_settings.Format.DispFormat, format);
    RunOnFormat([&](HWND sheet, HWND page) {
        EXPECT_EQ(Text(page, IDC_DISP_FORMAT), format);
        SetText(page, IDC_MONTH1, month);
        EXPECT_EQ(ReadBox(page, IDC_TEST2, "Zentik Test2"), std::string("\x93\xfa\x83\x64 ") + month + " 00");

        // Cut to whole characters: at 15 bytes a lead byte would be left
        // to pair with the "x" behind the name.
        SetText(page, IDC_MONTH1, "ab\x88\xea\x88\xea\x88\xea\x88\xea\x88\xea\x88\xea\x88\xea");
        SetText(page, IDC_DISP_FORMAT, "MMM'x'");
        PostClick(page, IDC_TEST2);
        EXPECT_EQ(CloseMessageBox(AppName()), "Please enter no more than 15 characters.");
        EXPECT_EQ(CloseMessageBox("Zentik Test2"), "ab\x88\xea\x88\xea\x88\xea\x88\xea\x88\xea\x88\xeax");
        SetText(page, IDC_MONTH1, month);
        SetText(page, IDC_DISP_FORMAT, format);
        Press(sheet, PSBTN_OK);
    });
    EXPECT_STREQ(g_settings.Format.DispFormat, format);
    EXPECT_STREQ(g_settings.Format.MonthName[0], month);
}

}  // namespace
