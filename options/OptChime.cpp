#include "options/OptChime.h"

#include <commdlg.h>
#include <mmsystem.h>

#include <cstring>
#include <initializer_list>

#include "chime/Sound.h"
#include "framework/DataExchange.h"
#include "framework/OnDemand.h"
#include "core/FixedField.h"
#include "options/PathSplit.h"
#include "options/ShowOptions.h"
#include "res/resource.h"
#include "settings/ClockSettings.h"

namespace {

// Both fields hold at most this many bytes of text.
const int kMaxPathBytes = SOUND_PATH_SIZE - 1;

const char kWaveFilter[] = "Wave file(*.wav)\0*.wav\0";

void EnableAll(std::initializer_list<const CWnd*> controls, BOOL enable)
{
    for (const CWnd* control : controls)
        EnableWindow(control->m_hWnd, enable);
}

BOOL IsChecked(const CWnd& box) { return box.Send(BM_GETCHECK) != 0; }

// What the page shows, applied or not, played in the background.
void PlayShown(const CWnd& path)
{
    char text[MAX_PATH];  // the longest path the open dialog gives
    GetWindowTextA(path.m_hWnd, text, sizeof(text));
    PlayWave(text, SND_ASYNC);
}

}  // namespace

COptChime::COptChime() : CPropertyPage(IDD_OPT_CHIME) {}

void COptChime::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_HALF_CHIME, m_btnHalfChime);
    DDX_Control(pDX, IDC_HOUR_CHIME, m_btnHourChime);
    DDX_Control(pDX, IDC_HOUR_TEST, m_btnHourTest);
    DDX_Control(pDX, IDC_HALF_TEST, m_btnHalfTest);
    DDX_Control(pDX, IDC_HALF_REF, m_btnHalfRef);
    DDX_Control(pDX, IDC_HALF_SOUND, m_stcHalfSound);
    DDX_Control(pDX, IDC_HOUR_REF, m_btnHourRef);
    DDX_Control(pDX, IDC_HOUR_SOUND, m_stcHourSound);
    DDX_Control(pDX, IDC_EACH_HOUR, m_btnOncePerHour);
    DDX_Check(pDX, IDC_EACH_HOUR, m_bOncePerHour);
    DDX_Check(pDX, IDC_HOUR_CHIME, m_bHourChime);
    DDX_Text(pDX, IDC_HOUR_SOUND, m_strHourSound);
    DDV_MaxChars(pDX, m_strHourSound, kMaxPathBytes);
    // The half-hour field is as small as the hour's: refused the same way.
    DDX_Text(pDX, IDC_HALF_SOUND, m_strHalfSound);
    DDV_MaxChars(pDX, m_strHalfSound, kMaxPathBytes);
    DDX_Check(pDX, IDC_HALF_CHIME, m_bHalfChime);
}

const MessageMap* COptChime::GetMessageMap() const
{
    static const MessageMapEntry entries[] = {
        OnCommand<COptChime, &COptChime::OnHourChime>(IDC_HOUR_CHIME),
        OnCommand<COptChime, &COptChime::OnHalfChime>(IDC_HALF_CHIME),
        OnCommand<COptChime, &COptChime::OnHourRef>(IDC_HOUR_REF),
        OnCommand<COptChime, &COptChime::OnHourTest>(IDC_HOUR_TEST),
        OnCommand<COptChime, &COptChime::OnHalfRef>(IDC_HALF_REF),
        OnCommand<COptChime, &COptChime::OnHalfTest>(IDC_HALF_TEST),
        OnCommand<COptChime, &COptChime::OnEachHour>(IDC_EACH_HOUR),
    };
    static const MessageMap map = MakeMessageMap(CPropertyPage::GetMessageMap(), entries);
    return &map;
}

BOOL COptChime::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    m_bHourChime = g_settings.ChimeHour & 1;
    // "Once for each hour" alone (2) opens clear: without the hour chime it
    // would do nothing.
    if (m_bHourChime == 1)
        m_bOncePerHour = (g_settings.ChimeHour & 2) ? 1 : 0;
    m_bHalfChime = g_settings.ChimeHalf != 0 ? 1 : 0;
    m_strHourSound = FieldText(g_settings.ChimeHourSound);
    m_strHalfSound = FieldText(g_settings.ChimeHalfSound);
    UpdateData(FALSE);
    OnHourChime();
    OnHalfChime();
    return TRUE;
}

void COptChime::OnHourChime()
{
    const BOOL on = IsChecked(m_btnHourChime);
    EnableAll({&m_btnOncePerHour, &m_stcHourSound, &m_btnHourRef, &m_btnHourTest}, on);
    SetModified(TRUE);
}

void COptChime::OnHalfChime()
{
    const BOOL on = IsChecked(m_btnHalfChime);
    EnableAll({&m_stcHalfSound, &m_btnHalfRef, &m_btnHalfTest}, on);
    SetModified(TRUE);
}

void COptChime::OnEachHour() { SetModified(TRUE); }

void COptChime::OnHourRef() { ChooseWave(g_settings.ChimeHourSound, m_strHourSound, m_stcHourSound); }

void COptChime::OnHalfRef() { ChooseWave(g_settings.ChimeHalfSound, m_strHalfSound, m_stcHalfSound); }

void COptChime::ChooseWave(const char* stored, std::string& working, const CWnd& shown)
{
    // Always from the stored path, not from a choice not yet applied.
    char folder[SOUND_PATH_SIZE];
    const int lastBackslash = SplitPathForDialog(folder, sizeof(folder), stored);
    char file[MAX_PATH];
    lstrcpynA(file, stored + lastBackslash + 1, sizeof(file));

    OPENFILENAMEA ofn;
    std::memset(&ofn, 0, sizeof(ofn));
    ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;  // the layout every system knows
    ofn.hwndOwner = GetParent();
    ofn.lpstrFilter = kWaveFilter;  // the literal's own terminator ends the list
    ofn.lpstrFile = file;
    ofn.nMaxFile = sizeof(file);
    ofn.lpstrInitialDir = folder;
    ofn.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_FILEMUSTEXIST | OFN_EXPLORER;
    const auto choose = ON_DEMAND("comdlg32.dll", GetOpenFileNameA);
    if (!choose || !choose(&ofn))
        return;
    working = file;
    SetWindowTextA(shown.m_hWnd, file);
    SetModified(TRUE);
}

void COptChime::OnHourTest() { PlayShown(m_stcHourSound); }

void COptChime::OnHalfTest() { PlayShown(m_stcHalfSound); }

void COptChime::OnOK()
{
    g_settings.ChimeHour = static_cast<LONG>(IsChecked(m_btnHourChime) + 2 * IsChecked(m_btnOncePerHour));
    g_settings.ChimeHalf = static_cast<LONG>(IsChecked(m_btnHalfChime));
    // Both paths were validated to fit when the page was left or accepted.
    CopyToField(g_settings.ChimeHourSound, m_strHourSound);
    CopyToField(g_settings.ChimeHalfSound, m_strHalfSound);
    g_settings.ChangeFlags |= CHANGED_GENERAL;
    PostMessageA(::GetParent(GetParent()), WM_SETTINGS_CHANGED, 0, 0);
    CPropertyPage::OnOK();
}
