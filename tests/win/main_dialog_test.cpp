// The main dialog: its template, its start sequence and the results of its dispatch.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "../../app/main_dialog.h"
#include "test_support.h"

namespace {

TEST(MainDialogTemplate, MatchesTheLayoutOfTheProgram) {
    const std::vector<ExpectedControl> controls = {
        {IDC_BROWSE, "BUTTON", "&Browse", 0x50010000, 164, 4, 44, 14},
        {IDC_ICONLIST, "LISTBOX", "", 0x50B01351, 4, 24, 260, 156},
        {IDC_INFO, "BUTTON", "&Info", 0x50010000, 212, 4, 50, 14},
        {IDC_NOTICETEXT, "STATIC", nullptr, 0x50020000, 36, 192, 228, 20},
        {IDC_NOTICEICON, "STATIC", "MAINICON", 0x50000003, 11, 190, 18, 20},
        {IDC_NOTICEFRAME, "BUTTON", "", 0x50000007, 4, 184, 261, 28},
        {IDC_FOLDER, "COMBOBOX", "", 0x50210042, 4, 4, 152, 136},
    };
    const DialogTemplate t = ExpectTemplate(
        "GLYPHBAY", {0x90CF0040, 6, 15, 269, 227, "GlyphBay", 8, "MS Sans Serif", controls});
    // The notice: two lines.
    ASSERT_EQ(t.items.size(), 7u);
    EXPECT_EQ(std::count(t.items[3].text.begin(), t.items[3].text.end(), '\n'), 1);
}

TEST(MainIcon, IsOne32By32ImageOf256Colours) {
    const HMODULE module = GetModuleHandleA(nullptr);
    const HRSRC group = FindResourceA(module, "MAINICON", MAKEINTRESOURCEA(14)); // RT_GROUP_ICON
    ASSERT_NE(group, nullptr);
    const auto* dir = static_cast<const BYTE*>(LockResource(LoadResource(module, group)));
    const WORD count = static_cast<WORD>(dir[4] | dir[5] << 8);
    ASSERT_EQ(count, 1);
    const BYTE* entry = dir + 6;
    EXPECT_EQ(entry[0], 32);                // width
    EXPECT_EQ(entry[1], 32);                // height
    EXPECT_EQ(entry[2], 0);                 // colour count 0: 256 colours
    EXPECT_EQ(entry[6] | entry[7] << 8, 8); // bits per pixel
}

// The first start: no settings file next to the executable.
class FirstStart : public ::testing::Test {
  protected:
    void SetUp() override {
        settings.Remove();
        hDlg = OpenMainDialog();
    }
    void TearDown() override {
        CloseTestDialog(hDlg);
    }

    TestSettingsFile settings;
    HWND hDlg = nullptr;
};

using MainDialog = MainDialogTest;

TEST_F(FirstStart, ListsTheWindowsDirectoryAndShowsTheStartText) {
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    EXPECT_EQ(ControlText(hDlg, IDC_FOLDER), windows);
    EXPECT_EQ(StatusBarText(hDlg), "GlyphBay  -  Freeware  -  www.glyphbay.example");

    const std::vector<IconItem> items = IconListItems(hDlg);
    ASSERT_FALSE(items.empty());
    for (const IconItem& item : items)
        EXPECT_EQ(item.path.rfind(std::string(windows) + "\\", 0), 0u) << item.path;
    EXPECT_EQ(IconListSelection(hDlg), LB_ERR);

    EXPECT_EQ(SendDlgItemMessageA(hDlg, IDC_ICONLIST, LB_GETITEMHEIGHT, 0, 0), 50);
    RECT cell;
    SendDlgItemMessageA(hDlg, IDC_ICONLIST, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&cell));
    EXPECT_EQ(cell.right - cell.left, 50);
    EXPECT_EQ(cell.bottom - cell.top, 50);

    EXPECT_EQ(GetFocus(), GetDlgItem(hDlg, IDC_BROWSE));
    EXPECT_NE(GetDlgItem(hDlg, IDC_STATUSBAR), nullptr);
    EXPECT_NE(GetClassLongPtrA(hDlg, GCLP_HICON), 0);
    EXPECT_TRUE(HistoryEntries(hDlg).empty());
}

TEST_F(MainDialog, TypedFolderIsCutTo500Characters) {
    const std::string typed(600, 'x');
    SendDlgItemMessageA(hDlg, IDC_FOLDER, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SetDlgItemTextA(hDlg, IDC_FOLDER, typed.c_str());
    char buffer[501];
    GetFolderText(hDlg, buffer, 500);
    EXPECT_EQ(std::string(buffer), typed.substr(0, 500));
}

TEST_F(MainDialog, FolderTextIsTheSelectedEntryWhenThereIsOne) {
    SendDlgItemMessageA(hDlg, IDC_FOLDER, CB_RESETCONTENT, 0, 0);
    SendDlgItemMessageA(hDlg, IDC_FOLDER, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("c:\\one"));
    SendDlgItemMessageA(hDlg, IDC_FOLDER, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("c:\\two"));
    SendDlgItemMessageA(hDlg, IDC_FOLDER, CB_SETCURSEL, 1, 0);
    char buffer[501];
    GetFolderText(hDlg, buffer, 500);
    EXPECT_STREQ(buffer, "c:\\two");
}

struct DispatchCase {
    const char* what;
    UINT message;
    WPARAM wParam;
    INT_PTR result;
};

class MainDialogDispatch : public MainDialog, public ::testing::WithParamInterface<DispatchCase> {};

TEST_P(MainDialogDispatch, ReturnsWhatThePlatformExpects) {
    const DispatchCase c = GetParam();
    EXPECT_EQ(MainDialogProc(hDlg, c.message, c.wParam, 0), c.result) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Messages, MainDialogDispatch,
    ::testing::Values(
        DispatchCase{"size", WM_SIZE, SIZE_RESTORED, FALSE},
        DispatchCase{"drawing of another control", WM_DRAWITEM, IDC_FOLDER, FALSE},
        DispatchCase{"Enter", WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), TRUE},
        DispatchCase{"typing in the folder box", WM_COMMAND, MAKEWPARAM(IDC_FOLDER, CBN_EDITCHANGE),
                     FALSE},
        DispatchCase{"opening the folder list", WM_COMMAND, MAKEWPARAM(IDC_FOLDER, CBN_DROPDOWN),
                     FALSE},
        DispatchCase{"double click on a cell", WM_COMMAND, MAKEWPARAM(IDC_ICONLIST, LBN_DBLCLK),
                     FALSE},
        DispatchCase{"a command of no control", WM_COMMAND, MAKEWPARAM(999, 0), FALSE},
        DispatchCase{"the notice frame", WM_COMMAND, MAKEWPARAM(IDC_NOTICEFRAME, 0), FALSE},
        DispatchCase{"measuring an item", WM_MEASUREITEM, IDC_ICONLIST, FALSE},
        DispatchCase{"a timer", WM_TIMER, 1, FALSE}));

TEST_F(MainDialog, CloseEndsTheDialogWithResultOne) {
    EXPECT_EQ(MainDialogProc(hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0), TRUE);
    PumpMessages();
    EXPECT_FALSE(IsWindowVisible(hDlg));
}

} // namespace
