// The "Format" page: the display format, the month and day names, the hour
// markers and the twelve-hour box, with "Default" and "Test" buttons.
#pragma once

#include <string>

#include "format/DisplayFormat.h"
#include "framework/PropertyPage.h"

class COptForm : public CPropertyPage {
public:
    COptForm();

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    const MessageMap* GetMessageMap() const override;

    // Copies what the page holds (not what is stored) into `tmp`.
    void PageToFormat(DisplayFormat* tmp) const;

    void OnDefaultMarker();
    void OnDefaultMonth();
    void OnDefaultDay();
    void OnTest1();
    void OnTest2();
    void OnChange();

private:
    // Puts the standard names (or markers) back into the edits.
    template <size_t N>
    void ResetNames(std::string (&names)[N], const char (&defaults)[N][NAME_SIZE]);
    // Shows the page's text for `time` in a message box owned by the page.
    void ShowTest(const SYSTEMTIME& time, const char* caption);

    std::string m_strDispFormat;
    BOOL m_bConv0to12 = 0;
    std::string m_strDayOfWeek[7];     // Sunday first
    std::string m_strMonthName[12];    // January first
    std::string m_strHourMarker[2];    // before noon first
};
