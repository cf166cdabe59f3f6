#include "options/OptChime.h"

#include <commdlg.h>
#include <mmsystem.h>

#include <cstring>
#include <initializer_list>

#include "chime/Sound.h"
#include "framework/DataExchange.h"
#include "framework/OnDemand.h"
#include "core/FixedField.h"
#include "options/PageRules.h"
#include "options/PathSplit.h"
#include "options/ShowOptions.h"
#include "res/resource.h"
#include "settings/ClockSettings.h"

namespace {

// Both fields hold at most this many bytes of text.
const int kMaxPathBytes = SOUND_PATH_SIZE - 1;

const char kWaveFilter[] = "Wave file(*.wav)\0*.wav\0";

// What the page shows, applied or not, played in the background.
void PlayShown(HWND path)
{
    char text[MAX_PATH];  // the longest path the open dialog gives
    GetWindowTextA(path, text, sizeof(text));
    PlayWave(text, SND_ASYNC);
}

}  // namespace

COptChime::COptChime() : CPropertyPage(IDD_OPT_CHIME) {}

void COptChime::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_HOUR_SOUND, m_strHourSound);
    DDV_MaxChars(pDX, m_strHourSound, kMaxPathBytes);
    // The half-hour field is as small as the hour's: refused the same way.
    DDX_Text(pDX, IDC_HALF_SOUND, m_strHalfSound);
    DDV_MaxChars(pDX, m_strHalfSound, kMaxPathBytes);
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
    const ChimeBoxes boxes = BoxesFromChimes(g_settings.ChimeHour, g_settings.ChimeHalf);
    CheckButton(IDC_HOUR_CHIME, boxes.hourChime);
    CheckButton(IDC_EACH_HOUR, boxes.oncePerHour);
    CheckButton(IDC_HALF_CHIME, boxes.halfChime);
    m_strHourSound = FieldText(g_settings.ChimeHourSound);
    m_strHalfSound = FieldText(g_settings.ChimeHalfSound);
    UpdateData(DDX::ToControls);
    OnHourChime();
    OnHalfChime();
    return TRUE;
}

void COptChime::OnHourChime()
{
    const bool on = IsButtonChecked(IDC_HOUR_CHIME);
    for (int id : {IDC_EACH_HOUR, IDC_HOUR_SOUND, IDC_HOUR_REF, IDC_HOUR_TEST})
        EnableItem(id, on);
    SetModified();
}

void COptChime::OnHalfChime()
{
    const bool on = IsButtonChecked(IDC_HALF_CHIME);
    for (int id : {IDC_HALF_SOUND, IDC_HALF_REF, IDC_HALF_TEST})
        EnableItem(id, on);
    SetModified();
}

void COptChime::OnEachHour() { SetModified(); }

void COptChime::OnHourRef() { ChooseWave(g_settings.ChimeHourSound, m_strHourSound, IDC_HOUR_SOUND); }

void COptChime::OnHalfRef() { ChooseWave(g_settings.ChimeHalfSound, m_strHalfSound, IDC_HALF_SOUND); }

void COptChime::ChooseWave(const char* stored, std::string& working, int shownId)
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
    SetDlgItemTextA(m_hWnd, shownId, file);
    SetModified();
}

void COptChime::OnHourTest() { PlayShown(GetDlgItem(IDC_HOUR_SOUND)); }

void COptChime::OnHalfTest() { PlayShown(GetDlgItem(IDC_HALF_SOUND)); }

void COptChime::OnOK()
{
    const ChimeBoxes boxes = {IsButtonChecked(IDC_HOUR_CHIME), IsButtonChecked(IDC_EACH_HOUR),
                              IsButtonChecked(IDC_HALF_CHIME)};
    ChimesFromBoxes(boxes, &g_settings.ChimeHour, &g_settings.ChimeHalf);
    // Both paths were validated to fit when the page was left or accepted.
    CopyToField(g_settings.ChimeHourSound, m_strHourSound);
    CopyToField(g_settings.ChimeHalfSound, m_strHalfSound);
    g_settings.ChangeFlags |= CHANGED_GENERAL;
    PostMessageA(::GetParent(GetParent()), WM_SETTINGS_CHANGED, 0, 0);
}
