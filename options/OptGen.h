// The "Display" page: the clock's font, its colour with the custom colours
// of the colour dialog, and whether it stays on top.
#pragma once

#include "framework/Handles.h"
#include "framework/PropertyPage.h"

class COptGen : public CPropertyPage {
public:
    COptGen();

    BOOL OnInitDialog() override;
    void OnOK() override;
    const MessageMap* GetMessageMap() const override;

    HBRUSH OnCtlColor(HDC hdc, HWND ctl, UINT ctlType);
    void OnFontRef();
    void OnColorRef();
    void OnTopMost();

private:
    void ShowFont();

    LOGFONTA m_lf;
    UniqueBrush m_brColor;
    COLORREF m_clrFore = 0;
};
