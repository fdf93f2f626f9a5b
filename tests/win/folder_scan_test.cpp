// The folder scan through the real main dialog: which files are listed, in which order.
#include <windows.h>

#include <gtest/gtest.h>

#include <utility>

#include "../../app/main_dialog.h"
#include "test_support.h"

namespace {

using Expected = std::vector<std::pair<std::string, unsigned>>;

std::vector<std::pair<std::string, unsigned>> PathsAndIndices(const std::vector<IconItem>& items) {
    Expected result;
    for (const IconItem& item : items)
        result.emplace_back(item.path, item.index);
    return result;
}

// The items a folder should give, in the order in which the platform enumerates it.
Expected ExpectedItems(const std::string& folder,
                       const std::vector<std::pair<std::string, unsigned>>& counts) {
    Expected result;
    WIN32_FIND_DATAA entry;
    const HANDLE search = FindFirstFileA((folder + "\\*.*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return result;
    do {
        for (const auto& [name, count] : counts)
            if (name == entry.cFileName)
                for (unsigned i = 0; i < count; ++i)
                    result.emplace_back(folder + "\\" + name, i);
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    return result;
}

class FolderScan : public MainDialogTest {
  protected:
    // Shows twoFiles, a folder with a file of three icons and one of one; gives its four items.
    Expected ShowTwoFiles() {
        twoFiles.AddFixture("icons3.dll", "c.dll");
        twoFiles.AddFixture("icons1.dll", "a.dll");
        ShowTypedFolder(hDlg, twoFiles.Path());
        return PathsAndIndices(IconListItems(hDlg));
    }

    ScratchFolder twoFiles;
};

TEST_F(FolderScan, ListsEveryIconOfEveryFileAndNothingElse) {
    ScratchFolder folder;
    folder.AddFixture("icons3.dll", "c.dll");
    folder.AddFixture("icons0.dll", "none.dll");
    folder.AddFixture("icons1.dll", "a one.dll");
    folder.AddTextFile("b.txt", "no icons here");
    folder.AddSubfolder("sub.dll");
    const std::string hidden = folder.AddFixture("icons1.dll", "hidden.dll");
    SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);

    ShowTypedFolder(hDlg, folder.Path());

    const Expected expected =
        ExpectedItems(folder.Path(), {{"c.dll", 3}, {"a one.dll", 1}, {"hidden.dll", 1}});
    ASSERT_EQ(expected.size(), 5u);
    EXPECT_EQ(PathsAndIndices(IconListItems(hDlg)), expected);
}

TEST_F(FolderScan, OneTrailingBackslashMakesNoDifference) {
    const Expected plain = ShowTwoFiles();
    ShowTypedFolder(hDlg, twoFiles.Path() + "\\");
    EXPECT_EQ(PathsAndIndices(IconListItems(hDlg)), plain);
    ASSERT_EQ(plain.size(), 4u);
    EXPECT_EQ(plain[0].first.rfind(twoFiles.Path() + "\\", 0), 0u);
}

TEST_F(FolderScan, FoldersWithoutListableIconsGiveAnEmptyList) {
    ScratchFolder onlyFolders;
    onlyFolders.AddSubfolder("one");
    onlyFolders.AddSubfolder("two.exe");
    ScratchFolder noIcons;
    noIcons.AddTextFile("readme.txt", "text");
    noIcons.AddFixture("icons0.dll", "empty.dll");

    const std::string cases[] = {onlyFolders.Path(),
                                 noIcons.Path(),
                                 onlyFolders.Path() + "\\missing",
                                 noIcons.Path() + "\\readme.txt",
                                 "Q:\\no such drive",
                                 "<>|"};
    for (const std::string& folder : cases) {
        ShowTypedFolder(hDlg, folder);
        EXPECT_EQ(SendDlgItemMessageA(hDlg, IDC_ICONLIST, LB_GETCOUNT, 0, 0), 0) << folder;
    }
}

TEST_F(FolderScan, AScanEmptiesTheListFirst) {
    ScratchFolder folder;
    folder.AddFixture("icons3.dll", "c.dll");
    ShowTypedFolder(hDlg, folder.Path());
    ASSERT_EQ(IconListItems(hDlg).size(), 3u);
    ShowTypedFolder(hDlg, folder.Path() + "\\missing");
    EXPECT_TRUE(IconListItems(hDlg).empty());
}

TEST_F(FolderScan, ASecondScanGivesTheSameItemsWithNoSelectionAndKeepsTheStatusText) {
    const Expected first = ShowTwoFiles();
    SendDlgItemMessageA(hDlg, IDC_ICONLIST, LB_SETCURSEL, 2, 0);
    const std::string status = StatusBarText(hDlg);

    SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_EQ(PathsAndIndices(IconListItems(hDlg)), first);
    EXPECT_EQ(IconListSelection(hDlg), LB_ERR);
    EXPECT_EQ(StatusBarText(hDlg), status);
}

TEST_F(FolderScan, EnterDoesNotTouchTheFolderBox) {
    ScratchFolder folder;
    folder.AddFixture("icons1.dll", "a.dll");
    ShowTypedFolder(hDlg, folder.Path());
    EXPECT_EQ(ControlText(hDlg, IDC_FOLDER), folder.Path());
    EXPECT_EQ(HistoryEntries(hDlg), std::vector<std::string>{emptyFolder.Path()});
}

// The scan holds the list's drawing while it fills it: afterwards the list must draw again,
// be due for a repaint, and scroll over all of its columns.
TEST_F(FolderScan, LeavesTheListDrawingAgainWithItsNewItems) {
    ScratchFolder folder;
    folder.AddFixture("icons520.dll", "many.dll");
    const HWND list = GetDlgItem(hDlg, IDC_ICONLIST);
    PumpMessages();
    ShowTypedFolder(hDlg, folder.Path());
    EXPECT_TRUE(GetUpdateRect(list, nullptr, FALSE)) << "the new items are not repainted";

    RECT client;
    GetClientRect(list, &client);
    const int rows = client.bottom / 50 > 0 ? client.bottom / 50 : 1;
    SCROLLINFO scroll{};
    scroll.cbSize = sizeof scroll;
    scroll.fMask = SIF_RANGE;
    ASSERT_TRUE(GetScrollInfo(list, SB_HORZ, &scroll));
    EXPECT_EQ(scroll.nMax, (520 + rows - 1) / rows - 1) << rows << " rows";

    PumpMessages();
    ASSERT_FALSE(GetUpdateRect(list, nullptr, FALSE));
    SendMessageA(list, LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>("x"));
    EXPECT_TRUE(GetUpdateRect(list, nullptr, FALSE)) << "the list no longer draws";
}

} // namespace
