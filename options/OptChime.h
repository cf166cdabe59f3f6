// The "Chimes" page: whether the clock chimes on the hour (and strikes it)
// and on the half hour, and the wave file of each, picked with the open
// dialog and tried with "Test".
#pragma once

#include <string>

#include "framework/PropertyPage.h"

class COptChime : public CPropertyPage {
public:
    COptChime();

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    const MessageMap* GetMessageMap() const override;

    void OnHourChime();
    void OnHalfChime();
    void OnHourRef();
    void OnHourTest();
    void OnHalfRef();
    void OnHalfTest();
    void OnEachHour();

private:
    // Runs the open dialog from the stored path `stored`; a chosen file
    // becomes the page's path `working`, shown in control `shownId`.
    void ChooseWave(const char* stored, std::string& working, int shownId);

    std::string m_strHourSound;
    std::string m_strHalfSound;
};
