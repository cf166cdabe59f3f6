// What the code relies on in the resources and nothing else checks: the
// popup menu's commands in order, and the manifest.

#include "framework/WinApp.h"
#include "res/resource.h"
#include "support/Prelude.h"

namespace {

// DPI-aware, so drawn at the screen's resolution; no Common-Controls 6, so
// the sheet keeps the classic look.
TEST(Resources, ManifestIsDpiAwareWithoutCommonControls6)
{
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_NE(found, nullptr);
    const std::string manifest(static_cast<const char*>(LockResource(LoadResource(nullptr, found))),
                               SizeofResource(nullptr, found));
    EXPECT_NE(manifest.find("WindowsSettings\">true</dpiAware>"), manifest.npos);
    EXPECT_EQ(manifest.find("Microsoft.Windows.Common-Controls"), manifest.npos);
}

TEST(Resources, PopupMenuCommandsInOrder)
{
    {
        const CWinApp app;  // without a main window, dialogs have no owner
        EXPECT_EQ(MainWindow(), nullptr);
    }
    EXPECT_EQ(TheApp(), nullptr) << "the application outlived itself";
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_POPUP)), popup = GetSubMenu(menu, 0);
    std::vector<UINT> ids;
    for (int i = 0; i < GetMenuItemCount(popup); ++i)
        ids.push_back(GetMenuItemID(popup, i));
    EXPECT_EQ(ids, (std::vector<UINT>{ID_POPUP_ABOUT, ID_POPUP_HOMEPAGE, 0, ID_POPUP_PROPERTIES, 0, ID_POPUP_EXIT}));
    DestroyMenu(menu);
}

}  // namespace
