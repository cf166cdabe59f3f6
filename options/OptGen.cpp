#include "options/OptGen.h"

#include <commdlg.h>

#include <cstring>

#include "framework/DataExchange.h"
#include "framework/GdiScope.h"
#include "framework/OnDemand.h"
#include "options/PageRules.h"
#include "options/ShowOptions.h"
#include "res/resource.h"
#include "settings/ClockSettings.h"

namespace {

// TrueType screen fonts of the script's character set, existing ones only,
// 8 to 128 points, starting on the given record; no effects (colour,
// underline, strike-out).
const DWORD kFontDialogFlags =
    CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_SCRIPTSONLY | CF_LIMITSIZE | CF_FORCEFONTEXIST | CF_TTONLY;

}  // namespace

COptGen::COptGen() : CPropertyPage(IDD_OPT_GEN) { std::memset(&m_lf, 0, sizeof(m_lf)); }

BOOL COptGen::OnInitDialog()
{
    m_lf = g_settings.FontInfo;
    ShowFont();
    m_clrFore = g_settings.ForeColor;
    m_brColor.reset(CreateSolidBrush(m_clrFore));
    CheckButton(IDC_TOPMOST, g_settings.ZOrder != 0);
    return TRUE;
}

void COptGen::ShowFont()
{
    SetDlgItemTextA(m_hWnd, IDC_FONT_NAME, m_lf.lfFaceName);
    SetDlgItemInt(m_hWnd, IDC_FONT_SIZE, static_cast<UINT>(PointSize(m_lf.lfHeight, ScreenLogPixelsY())), TRUE);
}

const MessageMap* COptGen::GetMessageMap() const
{
    static const MessageMapEntry entries[] = {
        OnCtlColorMessage<COptGen, &COptGen::OnCtlColor>(),
        OnCommand<COptGen, &COptGen::OnFontRef>(IDC_FONT_REF),
        OnCommand<COptGen, &COptGen::OnColorRef>(IDC_COLOR_REF),
        OnCommand<COptGen, &COptGen::OnTopMost>(IDC_TOPMOST),
    };
    static const MessageMap map = MakeMessageMap(CPropertyPage::GetMessageMap(), entries);
    return &map;
}

HBRUSH COptGen::OnCtlColor(HDC hdc, HWND ctl, UINT ctlType)
{
    HBRUSH brush = CPropertyPage::OnCtlColor(hdc, ctl, ctlType);
    if (ctl == GetDlgItem(IDC_COLOR))
        return m_brColor.get();
    return brush;
}

void COptGen::OnFontRef()
{
    LOGFONTA chosen = m_lf;
    CHOOSEFONTA cf;
    std::memset(&cf, 0, sizeof(cf));
    cf.lStructSize = sizeof(cf);
    cf.hwndOwner = GetParent();
    cf.lpLogFont = &chosen;
    cf.Flags = kFontDialogFlags;
    cf.nSizeMin = 8;
    cf.nSizeMax = 128;
    const auto choose = ON_DEMAND("comdlg32.dll", ChooseFontA);
    if (!choose || !choose(&cf) || std::memcmp(&chosen, &m_lf, sizeof(m_lf)) == 0)
        return;
    m_lf = chosen;
    ShowFont();
    SetModified();
}

void COptGen::OnColorRef()
{
    // The dialog edits the program's custom colours in place; they stay
    // whatever becomes of the dialog or the sheet, and are saved at once
    // when they changed, as no other change may follow.
    COLORREF before[CUSTOM_COLOR_COUNT];
    std::memcpy(before, g_settings.ColorTable, sizeof(before));
    CHOOSECOLORA cc;
    std::memset(&cc, 0, sizeof(cc));
    cc.lStructSize = sizeof(cc);
    cc.hwndOwner = GetParent();
    cc.rgbResult = m_clrFore;
    cc.lpCustColors = g_settings.ColorTable;
    cc.Flags = CC_RGBINIT;
    const auto choose = ON_DEMAND("comdlg32.dll", ChooseColorA);
    const bool chosen = choose && choose(&cc);
    if (std::memcmp(before, g_settings.ColorTable, sizeof(before)) != 0) {
        g_settings.ChangeFlags |= CHANGED_CUSTOM_COLORS;
        PostMessageA(::GetParent(GetParent()), WM_SETTINGS_CHANGED, 0, 0);
    }
    if (!chosen || cc.rgbResult == m_clrFore)
        return;
    m_clrFore = cc.rgbResult;
    m_brColor.reset(CreateSolidBrush(m_clrFore));
    RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
    SetModified();
}

void COptGen::OnTopMost() { SetModified(); }

void COptGen::OnOK()
{
    const DisplayChoice before = {g_settings.FontInfo, g_settings.ForeColor, g_settings.ZOrder};
    const DisplayChoice after = {m_lf, m_clrFore, IsButtonChecked(IDC_TOPMOST) ? 1 : 0};
    g_settings.ChangeFlags |= DisplayChanges(before, after);
    g_settings.FontInfo = after.font;
    g_settings.ForeColor = after.color;
    g_settings.ZOrder = after.zOrder;
    PostMessageA(::GetParent(GetParent()), WM_SETTINGS_CHANGED, 0, 0);
}
