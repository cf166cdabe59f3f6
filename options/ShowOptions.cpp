#include "options/ShowOptions.h"

#include "framework/PropertySheet.h"
#include "framework/WinApp.h"
#include "options/OptChime.h"
#include "options/OptForm.h"
#include "options/OptGen.h"
#include "settings/ClockSettings.h"

namespace {

const char kSheetCaption[] = "Propaties of Zentik";

}  // namespace

INT_PTR ShowOptions(HWND clock)
{
    CPropertySheet sheet(kSheetCaption, nullptr, 0);
    COptGen display;
    COptForm format;
    COptChime chimes;

    // The clock window shares its class, and so its cursor, with the sheet.
    SetClassCursor(clock, IDC_ARROW);

    sheet.m_psh.dwFlags &= ~PSH_HASHELP;
    CPropertyPage* const pages[] = {&display, &format, &chimes};
    for (CPropertyPage* page : pages) {
        page->m_psp.dwFlags &= ~PSP_HASHELP;
        sheet.AddPage(page);
    }

    g_settings.ChangeFlags = 0;
    const INT_PTR result = sheet.DoModal();

    SetClassCursor(clock, IDC_UPARROW);
    return result;
}
