// Data exchange in a real sheet: a page whose edit takes at most 63 bytes.
#include <string>

#include <gtest/gtest.h>

#include "framework/DataExchange.h"
#include "framework/PropertyPage.h"
#include "framework/PropertySheet.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "support/DialogDriver.h"

namespace {

class LimitedPage : public CPropertyPage {
public:
    LimitedPage() : CPropertyPage(IDD_OPT_FORM) {}

    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_DISP_FORMAT, m_text);
        DDV_MaxChars(pDX, m_text, 63);
        DDX_Check(pDX, IDC_CONV0TO12, m_check);
    }

    void OnOK() override { ++m_applied; }

    std::string m_text = "HH:mm";
    BOOL m_check = TRUE;
    int m_applied = 0;
};

INT_PTR RunSheet(LimitedPage& page, std::function<void(HWND sheet, HWND page)> script)
{
    CPropertySheet sheet("Exchange");
    sheet.AddPage(&page);
    DialogScript driver([script] {
        HWND hwnd = WaitForWindow("Exchange");
        if (!hwnd) {
            ADD_FAILURE() << "the sheet did not open";
            return;
        }
        script(hwnd, PropSheet_GetCurrentPageHwnd(hwnd));
    });
    return sheet.DoModal();
}

TEST(DataExchange, LoadsTheControlsAndLimitsTheEdit)
{
    LimitedPage page;
    RunSheet(page, [](HWND sheet, HWND hwnd) {
        EXPECT_EQ(WindowText(GetDlgItem(hwnd, IDC_DISP_FORMAT)), "HH:mm");
        EXPECT_EQ(SendDlgItemMessageA(hwnd, IDC_CONV0TO12, BM_GETCHECK, 0, 0), BST_CHECKED);
        EXPECT_EQ(SendDlgItemMessageA(hwnd, IDC_DISP_FORMAT, EM_GETLIMITTEXT, 0, 0), 63);
        PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    });
    EXPECT_EQ(page.m_applied, 0);
}

TEST(DataExchange, SavesTheControlsOnOk)
{
    LimitedPage page;
    const INT_PTR result = RunSheet(page, [](HWND sheet, HWND hwnd) {
        SetDlgItemTextA(hwnd, IDC_DISP_FORMAT, std::string(63, 'x').c_str());
        SendDlgItemMessageA(hwnd, IDC_CONV0TO12, BM_SETCHECK, BST_UNCHECKED, 0);
        PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(page.m_text, std::string(63, 'x'));
    EXPECT_EQ(page.m_check, FALSE);
    EXPECT_EQ(page.m_applied, 1);
}

// Too long a text (set past the edit's limit) is refused with a message in
// the program's name; the page stays and nothing is applied.
TEST(DataExchange, TooLongTextKeepsThePage)
{
    LimitedPage page;
    const INT_PTR result = RunSheet(page, [](HWND sheet, HWND hwnd) {
        SetDlgItemTextA(hwnd, IDC_DISP_FORMAT, std::string(64, 'x').c_str());
        PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
        EXPECT_EQ(CloseMessageBox(AppName()), "Please enter no more than 63 characters.");
        EXPECT_TRUE(IsWindowVisible(sheet)) << "the sheet closed";
        EXPECT_EQ(PropSheet_GetCurrentPageHwnd(sheet), hwnd);
        SetDlgItemTextA(hwnd, IDC_DISP_FORMAT, "HH");
        PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(page.m_text, "HH");
    EXPECT_EQ(page.m_applied, 1);
}

}  // namespace
