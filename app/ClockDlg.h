// The clock window: a hidden-framed dialog whose region is the outline of
// the time text, so only the glyphs show, painted in the fore-colour.
#pragma once

#include "app/ClockPace.h"
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
    INT_PTR ShowOptions();
    // Writes the whole settings block; the first failure is told to the user.
    LONG SaveSettings();

    // Each tick, set for the next boundary: the chime decision, then the
    // display, then the timer for the boundary after.
    void OnTimer(UINT_PTR id);
    HBRUSH OnCtlColor(HDC hdc, HWND ctl, UINT ctlType);
    void OnProperties();
    void OnHomePage();
    void OnAbout();
    void OnExit();
    void OnLButtonDown(UINT flags, POINT pt);
    void OnMouseMove(UINT flags, POINT pt);
    void OnLButtonUp(UINT flags, POINT pt);
    void OnRButtonUp(UINT flags, POINT pt);
    void OnCaptureChanged();

private:
    void OnSettingsChanged();
    // The time was set, its zone changed, or the machine woke: rebuild now
    // and start the chime schedule from the new time.
    void OnTimeChanged();
    void ArmTimer(const SYSTEMTIME& now);
    // Makes the clock font from FontInfo and selects it; a failure keeps the
    // font selected before.
    void MakeFont();
    // Shows the window at the stored place, or inside the nearest work area
    // when its glyphs would be on no screen there; the stored place stays.
    void Place(HWND insertAfter, UINT flags);
    // Hands `region` to the window, repainting what changed (all of it when
    // m_bRepaintAll is set).
    void ShowRegion(UniqueRegion region);
    void EndDrag(const POINT* cursor);

    CWnd m_wndText;
    UniqueFont m_font;
    UniqueDC m_memDC;  // destroyed before the font selected into it
    UniqueBrush m_brushFore;
    UniqueRegion m_shown;  // a copy of the window's region, window-relative
    bool m_bRepaintAll = true;
    bool m_bToldSaveFailed = false;
    ClockDrag m_drag;
    ClockPace m_pace;
    int m_nOffsetY = 0;
    int m_nOffsetX = 0;
    RECT m_rcGlyphs = {0, 0, 0, 0};  // the text where it is drawn, window-relative
    SYSTEMTIME m_stLast;
};
