// The "Display" page: the clock's font, its colour with the custom colours
// of the colour dialog, and whether it stays on top.
#pragma once

#include "framework/Handles.h"
#include "framework/PropertyPage.h"

class COptGen : public CPropertyPage {
public:
    COptGen();

    // The point size shown for a font height in pixels: at 96 pixels per
    // inch, rounded half up; the sign (cell or character height) is ignored.
    static LONG PointSize(LONG lfHeight);

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    const MessageMap* GetMessageMap() const override;

    HBRUSH OnCtlColor(HDC hdc, HWND ctl, UINT ctlType);
    void OnFontRef();
    void OnColorRef();
    void OnTopMost();

private:
    void ShowFont();

    CWnd m_btnTopMost;
    CWnd m_stcColor;
    LOGFONTA m_lf;
    UniqueBrush m_brColor;
    COLORREF m_clrFore = 0;
};
