// The clock window: a hidden-framed dialog whose region is the outline of
// the time text, so only the glyphs show, painted in the fore-colour. The
// window takes the messages and makes the decisions; what it shows is its
// face's, where it is its position's, and its place in the z-order its
// layering's.
#pragma once

#include "app/ClockFace.h"
#include "app/ClockLayering.h"
#include "app/ClockPosition.h"
#include "chime/ChimeSchedule.h"
#include "framework/Dialog.h"

class CClockDlg : public CDialog {
public:
    CClockDlg();

    BOOL OnInitDialog() override;
    // Enter, Esc and the Close command leave the clock running.
    void OnOK() override {}
    void OnCancel() override {}
    void DoDataExchange(CDataExchange* pDX) override;
    const MessageMap* GetMessageMap() const override;

    // Sizes the window and control 1001 to the text, shows it whole, then
    // places the window.
    void ResizeToText();
    // A new shape when the shown time has moved on.
    void UpdateClockRegion(const SYSTEMTIME& now);
    INT_PTR ShowOptions();
    // Writes the whole settings block; the first failure is told to the user.
    void SaveSettings();

    // Each tick, set for the next boundary.
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

private:
    // Every reading of the time, whatever brought it (a tick, a change of
    // the time or its zone, a wake from sleep): the chime due in its
    // minute, the text, the timer for the next boundary, and the layer.
    void OnReading();
    void OpenMenuAtGlyphs();

    // The other messages, each returning whether it took the message.
    bool OnNoPaint(WPARAM, LPARAM, LRESULT* result);
    bool OnPaint(WPARAM, LPARAM, LRESULT* result);
    bool OnWindowPosChanging(WPARAM, LPARAM lp, LRESULT*);
    bool OnActivate(WPARAM wp, LPARAM, LRESULT*);
    bool OnClockStays(WPARAM, LPARAM, LRESULT* result);
    bool OnSettingsChanged(WPARAM, LPARAM, LRESULT* result);
    bool OnContextMenu(WPARAM, LPARAM lp, LRESULT* result);
    bool OnKeyUp(WPARAM wp, LPARAM, LRESULT* result);
    bool OnExitSizeMove(WPARAM, LPARAM, LRESULT* result);
    bool OnCaptureChanged(WPARAM, LPARAM, LRESULT* result);
    bool OnTimeChange(WPARAM, LPARAM, LRESULT* result);
    bool OnPowerBroadcast(WPARAM wp, LPARAM, LRESULT* result);
    bool OnDestroy(WPARAM, LPARAM, LRESULT*);
    bool OnSettingChange(WPARAM wp, LPARAM, LRESULT* result);
    bool OnDisplayChange(WPARAM, LPARAM, LRESULT* result);

    CWnd m_wndText;
    ClockFace m_face;
    ChimeSchedule m_chimes;
    ClockPosition m_position;
    ClockLayering m_layer;
    bool m_bToldSaveFailed = false;
    bool m_bClosing = false;
    SYSTEMTIME m_stLast = {};  // the time last shown
};
