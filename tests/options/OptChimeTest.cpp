// The "Chimes" page in the real sheet, with the system's open dialog; the
// sound output is recorded.
#include <cstdlib>
#include <cstring>
#include <string>

#include "options/OptionsSheet.h"
#include "support/ChimeRecorder.h"
#include "support/CodePageFixture.h"
#include "support/Screenshot.h"

#include <commdlg.h>

namespace {

const char kDefaultWave[] = "C:\\WINDOWS\\MEDIA\\CHIMES.WAV";
enum { kFileName = 0x47c, kFileType = 0x470 };  // the open dialog's fields

class ChimesPage : public OptionsSheet {
protected:
    static HWND Open(HWND sheet) { return ShowSheetPage(sheet, 2, "Chimes"); }

    static bool Checked(HWND page, int id) { return SendDlgItemMessageA(page, id, BM_GETCHECK, 0, 0) == BST_CHECKED; }
    static bool Enabled(HWND page, int id) { return IsWindowEnabled(GetDlgItem(page, id)) != FALSE; }

    // Clicks "Ref.." and returns the open dialog (found by its file-name
    // field: its caption is in the system's language).
    static HWND Browse(HWND page, int refId)
    {
        PostClick(page, refId);
        return WaitForWindowWhere([](HWND hwnd) { return GetDlgItem(hwnd, kFileName) != nullptr; });
    }

    static std::string Folder(HWND openDialog)
    {
        char path[MAX_PATH] = {};
        SendMessageA(openDialog, CDM_GETFOLDERPATH, sizeof(path), reinterpret_cast<LPARAM>(path));
        return path;
    }

    static std::string FileName(HWND openDialog) { return WindowText(GetDlgItem(openDialog, kFileName)); }

    static void Close(HWND openDialog, int button)
    {
        PostMessageA(openDialog, WM_COMMAND, button, 0);
        WaitUntil([openDialog] { return !IsWindow(openDialog); }, 5000);
    }

    // Picks `path` in the open dialog as a typed name.
    static void Choose(HWND openDialog, const std::string& path)
    {
        SetWindowTextA(GetDlgItem(openDialog, kFileName), path.c_str());
        Close(openDialog, IDOK);
    }

    static void MakeFile(const std::string& path)
    {
        const std::string folder = path.substr(0, path.rfind('\\'));
        CreateDirectoryA(folder.c_str(), nullptr);
        HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(f, INVALID_HANDLE_VALUE) << path;
        CloseHandle(f);
    }

    ChimeRecorder m_recorder;
};

TEST_F(ChimesPage, OpensAsStoredAndOkStoresWhatTheBoxesShow)
{
    const struct {
        LONG chimeHour, chimeHalf;
        bool hourChime, oncePerHour, halfChime;
        LONG storedHour, storedHalf;
    } cases[] = {
        {0, 0, false, false, false, 0, 0},
        {1, 1, true, false, true, 1, 1},
        {2, 2, false, false, true, 0, 1},  // "once" alone opens clear; 2 half chimes read as on
        {3, 0, true, true, false, 3, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("ChimeHour " + std::to_string(c.chimeHour) + ", ChimeHalf " + std::to_string(c.chimeHalf));
        g_settings = ClockSettings();
        g_settings.ChimeHour = c.chimeHour;
        g_settings.ChimeHalf = c.chimeHalf;
        std::strcpy(g_settings.ChimeHalfSound, "C:\\half.wav");
        s_messages = 0;
        const INT_PTR result = Run([&c](HWND sheet) {
            HWND page = Open(sheet);
            ASSERT_NE(page, nullptr);
            EXPECT_EQ(Checked(page, IDC_HOUR_CHIME), c.hourChime);
            EXPECT_EQ(Checked(page, IDC_EACH_HOUR), c.oncePerHour);
            EXPECT_EQ(Checked(page, IDC_HALF_CHIME), c.halfChime);
            for (int id : {IDC_EACH_HOUR, IDC_HOUR_SOUND, IDC_HOUR_REF, IDC_HOUR_TEST})
                EXPECT_EQ(Enabled(page, id), c.hourChime) << "control " << id;
            for (int id : {IDC_HALF_SOUND, IDC_HALF_REF, IDC_HALF_TEST})
                EXPECT_EQ(Enabled(page, id), c.halfChime) << "control " << id;
            EXPECT_EQ(WindowText(GetDlgItem(page, IDC_HOUR_SOUND)), kDefaultWave);
            EXPECT_EQ(WindowText(GetDlgItem(page, IDC_HALF_SOUND)), "C:\\half.wav");
            EXPECT_TRUE(IsWindowEnabled(GetDlgItem(sheet, kApplyButton))) << "opening the tab marks it modified";
            if (c.chimeHour == 3 && getenv("ZENTIK_SCREENSHOT_DIR") && GetACP() == 1252) {
                Sleep(300);  // let it paint
                EXPECT_TRUE(SaveScreenshot(sheet, "options-chimes"));
            }
            Press(sheet, PSBTN_OK);
        });
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(g_settings.ChimeHour, c.storedHour);
        EXPECT_EQ(g_settings.ChimeHalf, c.storedHalf);
        EXPECT_STREQ(g_settings.ChimeHourSound, kDefaultWave);
        EXPECT_STREQ(g_settings.ChimeHalfSound, "C:\\half.wav");
        EXPECT_EQ(g_settings.ChangeFlags, static_cast<DWORD>(CHANGED_GENERAL));
        EXPECT_EQ(s_messages, 2) << "one from each page opened";
    }
}

TEST_F(ChimesPage, OnceForEachHourWithoutTheHourChimeStoresTwo)
{
    g_settings.ChimeHour = 1;
    Run([](HWND sheet) {
        HWND page = Open(sheet);
        ASSERT_NE(page, nullptr);
        PostClick(page, IDC_EACH_HOUR);
        PostClick(page, IDC_HOUR_CHIME);
        ASSERT_TRUE(WaitUntil([page] { return !Enabled(page, IDC_EACH_HOUR); }));
        EXPECT_TRUE(Checked(page, IDC_EACH_HOUR)) << "disabling lost the check";
        Press(sheet, PSBTN_OK);
    });
    EXPECT_EQ(g_settings.ChimeHour, 2);
}

TEST_F(ChimesPage, AnUnopenedTabOrCancelWritesNothing)
{
    g_settings.ChimeHour = 5;  // as only the registry could hold it
    g_settings.ChimeHalf = 3;
    Run([](HWND sheet) { Press(sheet, PSBTN_OK); });
    EXPECT_EQ(g_settings.ChimeHour, 5);
    EXPECT_EQ(g_settings.ChimeHalf, 3);
    EXPECT_EQ(g_settings.ChangeFlags, 0u);

    const INT_PTR result = Run([](HWND sheet) {
        HWND page = Open(sheet);
        ASSERT_NE(page, nullptr);
        PostClick(page, IDC_HALF_CHIME);
        WaitUntil([page] { return !Checked(page, IDC_HALF_CHIME); });
        Press(sheet, PSBTN_CANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(g_settings.ChimeHour, 5);
    EXPECT_EQ(g_settings.ChimeHalf, 3);
}

TEST_F(ChimesPage, RefStartsFromTheStoredFolderAndFileName)
{
    CreateDirectoryA("C:\\WINDOWS\\MEDIA", nullptr);
    const struct {
        const char* stored;
        const char* folder;  // as the dialog shows it; nullptr: wherever it starts
        const char* fileName;
    } cases[] = {
        {kDefaultWave, "C:\\WINDOWS\\MEDIA", "CHIMES.WAV"},
        {"ding.wav", nullptr, "ding.wav"},
        {"", nullptr, ""},
        {"C:\\top.wav", nullptr, "top.wav"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        std::strcpy(g_settings.ChimeHourSound, c.stored);
        Run([&c](HWND sheet) {
            HWND page = Open(sheet);
            ASSERT_NE(page, nullptr);
            HWND dialog = Browse(page, IDC_HOUR_REF);
            ASSERT_NE(dialog, nullptr);
            if (c.folder) {
                EXPECT_EQ(_stricmp(Folder(dialog).c_str(), c.folder), 0) << Folder(dialog);
            }
            EXPECT_EQ(FileName(dialog), c.fileName);
            EXPECT_EQ(WindowText(GetDlgItem(dialog, kFileType)), "Wave file(*.wav)");
            Close(dialog, IDCANCEL);
            EXPECT_EQ(WindowText(GetDlgItem(page, IDC_HOUR_SOUND)), c.stored) << "a cancelled choice changed the path";
            Press(sheet, PSBTN_CANCEL);
        });
    }
}

TEST_F(ChimesPage, DoubleBytePathSplitsOnlyAtARealBackslash)
{
    REQUIRE_CODE_PAGE(932);
    // 0x95 0x5C is one character whose second byte is a backslash.
    std::strcpy(g_settings.ChimeHalfSound, "C:\\zentik-chimes\\\x95\x5c.wav");
    CreateDirectoryA("C:\\zentik-chimes", nullptr);
    Run([](HWND sheet) {
        HWND page = Open(sheet);
        ASSERT_NE(page, nullptr);
        HWND dialog = Browse(page, IDC_HALF_REF);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(_stricmp(Folder(dialog).c_str(), "C:\\zentik-chimes"), 0) << Folder(dialog);
        EXPECT_EQ(FileName(dialog), "\x95\x5c.wav");
        Close(dialog, IDCANCEL);
        Press(sheet, PSBTN_CANCEL);
    });
}

TEST_F(ChimesPage, AChosenFileIsShownTestedAndStoredWhileRefStartsAgainFromTheStoredPath)
{
    const std::string bell = "C:\\zentik-chimes\\bell.wav";
    MakeFile(bell);
    Run([&bell](HWND sheet) {
        HWND page = Open(sheet);
        ASSERT_NE(page, nullptr);
        HWND dialog = Browse(page, IDC_HOUR_REF);
        ASSERT_NE(dialog, nullptr);
        Choose(dialog, bell);
        EXPECT_TRUE(WaitUntil([&] { return _stricmp(WindowText(GetDlgItem(page, IDC_HOUR_SOUND)).c_str(), bell.c_str()) == 0; }))
            << WindowText(GetDlgItem(page, IDC_HOUR_SOUND));

        dialog = Browse(page, IDC_HOUR_REF);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(FileName(dialog), "CHIMES.WAV") << "not the stored path";
        Close(dialog, IDCANCEL);

        PostClick(page, IDC_HOUR_TEST);
        ASSERT_TRUE(WaitUntil([] { return !ChimeRecorder::Plays().empty(); }));
        const RecordedPlay play = ChimeRecorder::Plays()[0];
        EXPECT_EQ(_stricmp(play.sound.c_str(), bell.c_str()), 0) << play.sound;
        EXPECT_EQ(play.flags, static_cast<DWORD>(SND_ASYNC));
        EXPECT_TRUE(play.noModule);
        Press(sheet, PSBTN_OK);
    });
    EXPECT_EQ(_stricmp(g_settings.ChimeHourSound, bell.c_str()), 0) << g_settings.ChimeHourSound;
    EXPECT_STREQ(g_settings.ChimeHalfSound, kDefaultWave);
}

TEST_F(ChimesPage, AHalfHourPathTooLongForItsFieldIsRefusedLikeTheHours)
{
    // 259 bytes: the open dialog gives it, the 256-byte field cannot hold it.
    const std::string folder = "C:\\zentik-long";
    const std::string path = folder + "\\" + std::string(259 - folder.size() - 5, 'a') + ".wav";
    ASSERT_EQ(path.size(), 259u);
    MakeFile(path);
    Run([&path](HWND sheet) {
        HWND page = Open(sheet);
        ASSERT_NE(page, nullptr);
        HWND dialog = Browse(page, IDC_HALF_REF);
        ASSERT_NE(dialog, nullptr);
        Choose(dialog, path);
        ASSERT_TRUE(WaitUntil([page] { return WindowText(GetDlgItem(page, IDC_HALF_SOUND)).size() == 259; }));
        Press(sheet, PSBTN_OK);
        EXPECT_EQ(CloseMessageBox(AppName()), "Please enter no more than 255 characters.") << "the long path was taken";
        EXPECT_EQ(Page(sheet), page) << "the sheet left the page";
        Press(sheet, PSBTN_CANCEL);
        EXPECT_TRUE(WaitUntil([sheet] { return !IsWindow(sheet); }, 3000)) << "Cancel did not close the sheet";
    });
    EXPECT_STREQ(g_settings.ChimeHalfSound, kDefaultWave);
    EXPECT_EQ(g_settings.ChangeFlags, 0u);
}

}  // namespace
