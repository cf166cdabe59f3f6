// The clock window: a hidden-framed dialog whose region is the outline of
// the time text, so only the glyphs show, painted in the fore-colour.
#pragma once

#include "app/ClockPlace.h"
#include "framework/Dialog.h"
#include "framework/Handles.h"

class CClockDlg : public CDialog {
public:
    CClockDlg();

    BOOL OnInitDialog() override;
    // Enter, Esc and the Close command leave the clock running.
    void OnOK() override {}
    void OnCancel() override {}
    void DoDataExchange(CDataExchange* pDX) override;
    bool WindowProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;
    const MessageMap* GetMessageMap() const override;

    // Sizes the window and control 1001 to the text, places it, then
    // updates the display.
    BOOL ResizeToText();
    // A new region when the shown time has moved on.
    BOOL UpdateClockRegion(const SYSTEMTIME& now);
    void CheckChime(const SYSTEMTIME& now);
    INT_PTR ShowOptions();
    LONG SaveSettings();

    // Each tick: the drag follows the cursor, then the chime decision, then
    // the display.
    void OnTimer(UINT_PTR id);
    HBRUSH OnCtlColor(HDC hdc, HWND ctl, UINT ctlType);
    void OnProperties();
    void OnHomePage();
    void OnAbout();
    void OnExit();
    void OnLButtonDown(UINT flags, POINT pt);
    void OnLButtonUp(UINT flags, POINT pt);
    void OnRButtonUp(UINT flags, POINT pt);
    void OnCaptureChanged();

private:
    void OnSettingsChanged();
    // Makes the clock font from FontInfo and selects it; a failure keeps the
    // font selected before.
    void MakeFont();
    // Shows the window at the stored place, or inside the nearest work area
    // when its glyphs would be on no screen there; the stored place stays.
    void Place(HWND insertAfter, UINT flags);
    void EndDrag(const POINT* cursor);

    CWnd m_wndText;
    UINT_PTR m_nTimerId = 0;
    UniqueFont m_font;
    UniqueDC m_memDC;  // destroyed before the font selected into it
    UniqueBrush m_brushFore;
    ClockDrag m_drag;
    int m_nOffsetY = 0;
    int m_nOffsetX = 0;
    RECT m_rcText = {0, 0, 0, 0};  // control 1001, window-relative
    int m_nNextChimeMinute = 0;
    SYSTEMTIME m_stLast;
};
