#include "options/OptForm.h"

#include <cstring>

#include "framework/DataExchange.h"
#include "core/ClockTime.h"
#include "core/FixedField.h"
#include "options/PageRules.h"
#include "options/ShowOptions.h"
#include "res/resource.h"
#include "settings/ClockSettings.h"

namespace {

const char kTest1Caption[] = "Zentik Test1";
const char kTest2Caption[] = "Zentik Test2";

const int kDayIds[7] = {IDC_DAY1, IDC_DAY2, IDC_DAY3, IDC_DAY4, IDC_DAY5, IDC_DAY6, IDC_DAY7};
const int kMonthIds[12] = {IDC_MONTH1, IDC_MONTH2, IDC_MONTH3, IDC_MONTH4,  IDC_MONTH5,  IDC_MONTH6,
                           IDC_MONTH7, IDC_MONTH8, IDC_MONTH9, IDC_MONTH10, IDC_MONTH11, IDC_MONTH12};
const int kMarkerIds[2] = {IDC_AM, IDC_PM};

// Applies `op` to each field of a row and the page's text for it, paired by
// position: the row's own length bounds both.
template <typename Field, typename Text, size_t N, typename Op>
void ForEachPair(Field (&fields)[N], Text (&texts)[N], Op op)
{
    Text* text = texts;
    for (Field& field : fields)
        op(field, *text++);
}

void TakeField(const char (&field)[NAME_SIZE], std::string& text) { text = FieldText(field); }
void PutField(char (&field)[NAME_SIZE], const std::string& text) { CopyToField(field, text); }

}  // namespace

COptForm::COptForm() : CPropertyPage(IDD_OPT_FORM) {}

void COptForm::DoDataExchange(CDataExchange* pDX)
{
    DDX_Check(pDX, IDC_CONV0TO12, m_bConv0to12);
    DDX_Text(pDX, IDC_DISP_FORMAT, m_strDispFormat);
    DDV_MaxChars(pDX, m_strDispFormat, FORMAT_SIZE - 1);
    const auto name = [pDX](const int& id, std::string& text) {
        DDX_Text(pDX, id, text);
        DDV_MaxChars(pDX, text, NAME_SIZE - 1);
    };
    ForEachPair(kDayIds, m_strDayOfWeek, name);
    ForEachPair(kMonthIds, m_strMonthName, name);
    ForEachPair(kMarkerIds, m_strHourMarker, name);
}

BOOL COptForm::OnInitDialog()
{
    const DisplayFormat& stored = g_settings.Format;
    m_strDispFormat = FieldText(stored.DispFormat);
    ForEachPair(stored.MonthName, m_strMonthName, &TakeField);
    ForEachPair(stored.DayOfWeek, m_strDayOfWeek, &TakeField);
    ForEachPair(stored.HourMarker, m_strHourMarker, &TakeField);
    m_bConv0to12 = stored.Conv0to12;
    // Filling the edits raises EN_CHANGE, so Apply is offered at once.
    UpdateData(DDX::ToControls);
    return TRUE;
}

const MessageMap* COptForm::GetMessageMap() const
{
    static const MessageMapEntry entries[] = {
        OnCommand<COptForm, &COptForm::OnDefaultMarker>(IDC_DEFAULT_MARKER),
        OnCommand<COptForm, &COptForm::OnDefaultMonth>(IDC_DEFAULT_MONTH),
        OnCommand<COptForm, &COptForm::OnDefaultDay>(IDC_DEFAULT_DAY),
        OnCommand<COptForm, &COptForm::OnTest1>(IDC_TEST1),
        OnCommand<COptForm, &COptForm::OnTest2>(IDC_TEST2),
        OnCommand<COptForm, &COptForm::OnChange>(IDC_CONV0TO12),
        OnCommand<COptForm, &COptForm::OnChange>(IDC_DISP_FORMAT, EN_CHANGE),
        OnCommand<COptForm, &COptForm::OnChange>(IDC_DAY1, EN_CHANGE),
        OnCommand<COptForm, &COptForm::OnChange>(IDC_DAY2, EN_CHANGE),
        OnCommand<COptForm, &COptForm::OnChange>(IDC_DAY3, EN_CHANGE),
        OnCommand<COptForm, &COptForm::OnChange>(IDC_DAY4, EN_CHANGE),
        OnCommand<COptForm, &COptForm::OnChange>(IDC_DAY5, EN_CHANGE),
        OnCommand<COptForm, &COptForm::OnChange>(IDC_DAY6, EN_CHANGE),
        OnCommand<COptForm, &COptForm::OnChange>(IDC_DAY7, EN_CHANGE),
        OnCommand<COptForm, &COptForm::OnChange>(IDC_MONTH1, EN_CHANGE),
        OnCommand<COptForm, &COptForm::OnChange>(IDC_MONTH2, EN_CHANGE),
        OnCommand<COptForm, &COptForm::OnChange>(IDC_MONTH3, EN_CHANGE),
        OnCommand<COptForm, &COptForm::OnChange>(IDC_MONTH4, EN_CHANGE),
        OnCommand<COptForm, &COptForm::OnChange>(IDC_MONTH5, EN_CHANGE),
        OnCommand<COptForm, &COptForm::OnChange>(IDC_MONTH6, EN_CHANGE),
        OnCommand<COptForm, &COptForm::OnChange>(IDC_MONTH7, EN_CHANGE),
        OnCommand<COptForm, &COptForm::OnChange>(IDC_MONTH8, EN_CHANGE),
        OnCommand<COptForm, &COptForm::OnChange>(IDC_MONTH9, EN_CHANGE),
        OnCommand<COptForm, &COptForm::OnChange>(IDC_MONTH10, EN_CHANGE),
        OnCommand<COptForm, &COptForm::OnChange>(IDC_MONTH11, EN_CHANGE),
        OnCommand<COptForm, &COptForm::OnChange>(IDC_MONTH12, EN_CHANGE),
        OnCommand<COptForm, &COptForm::OnChange>(IDC_AM, EN_CHANGE),
        OnCommand<COptForm, &COptForm::OnChange>(IDC_PM, EN_CHANGE),
    };
    static const MessageMap map = MakeMessageMap(CPropertyPage::GetMessageMap(), entries);
    return &map;
}

void COptForm::PageToFormat(DisplayFormat* tmp) const
{
    CopyToField(tmp->DispFormat, m_strDispFormat);
    ForEachPair(tmp->MonthName, m_strMonthName, &PutField);
    ForEachPair(tmp->DayOfWeek, m_strDayOfWeek, &PutField);
    ForEachPair(tmp->HourMarker, m_strHourMarker, &PutField);
    tmp->Conv0to12 = m_bConv0to12;
}

void COptForm::OnOK()
{
    // The sheet had the page validate (and so take) its fields before applying.
    SYSTEMTIME now;
    ReadClockTime(&now);
    DisplayFormat edited = {};
    PageToFormat(&edited);
    // Keeps the stored format, and shows it again, but takes the rest of
    // the page.
    if (!FormatGivesText(edited, now)) {
        std::memcpy(edited.DispFormat, g_settings.Format.DispFormat, sizeof(edited.DispFormat));
        m_strDispFormat = FieldText(edited.DispFormat);
        SetDlgItemTextA(m_hWnd, IDC_DISP_FORMAT, m_strDispFormat.c_str());
    }
    g_settings.Format = edited;
    g_settings.ChangeFlags |= CHANGED_GENERAL;
    PostMessageA(::GetParent(GetParent()), WM_SETTINGS_CHANGED, 0, 0);
}

void COptForm::OnChange() { SetModified(); }

// Each "Default" button first saves the page, so unapplied edits elsewhere
// on it survive the reload.
template <size_t N>
void COptForm::ResetNames(std::string (&names)[N], const char (&defaults)[N][NAME_SIZE])
{
    UpdateData(DDX::FromControls);
    ForEachPair(defaults, names, &TakeField);
    UpdateData(DDX::ToControls);
}

void COptForm::OnDefaultMonth() { ResetNames(m_strMonthName, DefaultDisplayFormat().MonthName); }

void COptForm::OnDefaultDay() { ResetNames(m_strDayOfWeek, DefaultDisplayFormat().DayOfWeek); }

void COptForm::OnDefaultMarker() { ResetNames(m_strHourMarker, DefaultDisplayFormat().HourMarker); }

void COptForm::OnTest1()
{
    UpdateData(DDX::FromControls);
    SYSTEMTIME now;
    ReadClockTime(&now);
    ShowTest(now, kTest1Caption);
}

void COptForm::OnTest2()
{
    UpdateData(DDX::FromControls);
    SYSTEMTIME now;
    ReadClockTime(&now);
    ShowTest(SampleTime(now), kTest2Caption);
}

void COptForm::ShowTest(const SYSTEMTIME& time, const char* caption)
{
    DisplayFormat tmp = {};
    PageToFormat(&tmp);
    char text[CLOCK_TEXT_SIZE];
    FormatClockText(text, &tmp, sizeof(text), &time);
    MessageBoxA(m_hWnd, text, caption, MB_OK);
}
