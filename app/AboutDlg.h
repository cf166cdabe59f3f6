// The about box: icon, version line and credit line; its second button (and
// Esc) opens the home page and leaves the box open.
#pragma once

#include "framework/Dialog.h"

// The home page, opened with the shell's default verb.
extern const char kHomePageUrl[];

// Opens the home page, owned by `owner`; returns at once.
void OpenHomePage(HWND owner);

class CAboutDlg : public CDialog {
public:
    CAboutDlg();
    const MessageMap* GetMessageMap() const override;
    void OnHomePage();
};
