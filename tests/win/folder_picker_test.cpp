// The Browse command through the shell's real folder picker.
#include <windows.h>

#include <gtest/gtest.h>

#include "../../app/exact_ansi.h"
#include "../../app/main_dialog.h"
#include "../../app/platform_seams.h"
#include "../../folders/folder_history.h"
#include "picker_driver.h"
#include "shell_allocator_spy.h"
#include "test_support.h"

namespace {

using Entries = std::vector<std::string>;

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 0x20);
    return text;
}

// The last part of a path: the name the picker's tree shows for the folder.
std::string FolderName(const std::string& path) {
    return path.substr(path.find_last_of('\\') + 1);
}

void Confirm(HWND picker) {
    ClickPickerButton(picker, IDOK);
}

void Cancel(HWND picker) {
    ClickPickerButton(picker, IDCANCEL);
}

// Puts text into the folder box's edit field, as typed and not yet shown.
void TypeFolder(HWND hDlg, const std::string& text) {
    SendDlgItemMessageA(hDlg, IDC_FOLDER, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SetDlgItemTextA(hDlg, IDC_FOLDER, text.c_str());
}

class FolderPicker : public MainDialogTest {
  protected:
    void SetUp() override {
        MainDialogTest::SetUp();
        saved = Platform();
        Platform().shGetMalloc = SpyShGetMalloc;
        ResetAllocatorSpy(false);
    }
    void TearDown() override {
        Platform() = saved;
        MainDialogTest::TearDown();
    }

    // Presses Browse and confirms the picker if it opened on the folder called name. Wine's picker
    // matches the folder it is asked for against its tree byte for byte, file times included, so
    // when a folder on the way is written, or read for the first time since it was, while the
    // picker opens, it selects nothing. Such a picker is cancelled and Browse is pressed again, a
    // few times at most. Gives the result of the last press.
    INT_PTR PressBrowseAndConfirm(const std::string& name) {
        INT_PTR result = TRUE;
        openedOnFolder = false;
        for (int opening = 0; opening < kPickerOpenings && !openedOnFolder; ++opening) {
            visit = PickerVisit{};
            ResetAllocatorSpy(false);
            result = PressBrowse(
                hDlg,
                [&](HWND picker) {
                    openedOnFolder =
                        lstrcmpiA(PickerSelectionName(picker).c_str(), name.c_str()) == 0;
                    openedOnFolder ? Confirm(picker) : Cancel(picker);
                },
                &visit);
        }
        return result;
    }

    static constexpr int kPickerOpenings = 3;
    PlatformSeams saved{};
    PickerVisit visit;
    bool openedOnFolder = false;
};

TEST_F(FolderPicker, CancelChangesNothing) {
    ScratchFolder shown;
    shown.AddFixture("icons1.dll", "one.dll");
    ShowTypedFolder(hDlg, shown.Path());
    const auto items = IconListItems(hDlg);
    ASSERT_EQ(items.size(), 1u);

    EXPECT_EQ(PressBrowse(hDlg, Cancel, &visit), TRUE);
    ASSERT_TRUE(visit.seen);
    EXPECT_FALSE(visit.timedOut);
    EXPECT_EQ(visit.owner, hDlg);
    EXPECT_FALSE(visit.ownerEnabled);
    EXPECT_EQ(HistoryEntries(hDlg), Entries{emptyFolder.Path()});
    EXPECT_EQ(HistorySelection(hDlg), CB_ERR);
    EXPECT_EQ(ControlText(hDlg, IDC_FOLDER), shown.Path());
    EXPECT_EQ(IconListItems(hDlg).size(), items.size());

    // The allocator, the drives folder's list and the result buffer are all given back.
    const AllocatorCounts counts = AllocatorSpyCounts();
    EXPECT_EQ(counts.obtained, 1);
    EXPECT_EQ(counts.allocated, 1);
    EXPECT_EQ(counts.freed, 2);
    EXPECT_EQ(counts.released, 1);
}

TEST_F(FolderPicker, APickedFolderIsLowerCasedPushedAndScanned) {
    ScratchFolder picked;
    picked.AddFixture("icons3.dll", "Three.dll");
    ASSERT_NE(Lower(picked.Path()), picked.Path()) << "the folder's path needs capitals";
    TypeFolder(hDlg, picked.Path());

    EXPECT_EQ(PressBrowseAndConfirm(FolderName(picked.Path())), FALSE);
    ASSERT_TRUE(openedOnFolder) << "the picker never opened on " << picked.Path();
    const std::string folder = Lower(picked.Path());
    EXPECT_EQ(HistoryEntries(hDlg), (Entries{folder, emptyFolder.Path()}));
    EXPECT_EQ(HistorySelection(hDlg), 0);
    EXPECT_EQ(ControlText(hDlg, IDC_FOLDER), folder);
    const auto items = IconListItems(hDlg);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].path, folder + "\\Three.dll");

    // The list the picker gave back is freed as well.
    const AllocatorCounts counts = AllocatorSpyCounts();
    EXPECT_EQ(counts.freed, 3);
    EXPECT_EQ(counts.released, 1);
}

// The name the picker's tree shows for a folder, as the ANSI messages give it back.
std::string AnsiTreeName(const std::wstring& name) {
    char ansi[MAX_PATH] = "";
    WideCharToMultiByte(CP_ACP, 0, name.c_str(), -1, ansi, MAX_PATH, nullptr, nullptr);
    return ansi;
}

TEST_F(FolderPicker, AFolderNamedOutsideTheCodePageIsTakenByItsShortPath) {
    const std::wstring name = L"\u0417\u043D\u0430\u0447\u043A\u0438"; // Cyrillic
    if (ExactAnsi(name)) GTEST_SKIP() << "the code page has the folder's name";
    ScratchFolder root;
    const std::wstring folder = WideFromAnsi(root.Path()) + L"\\" + name;
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    const std::wstring fixture = WideFromAnsi(TestDirectory() + "\\hue101.dll");
    ASSERT_TRUE(CopyFileW(fixture.c_str(), (folder + L"\\one.dll").c_str(), FALSE));
    wchar_t shortPath[MAX_PATH] = L"";
    const DWORD n = GetShortPathNameW(folder.c_str(), shortPath, MAX_PATH);
    ASSERT_TRUE(n > 0 && n < MAX_PATH);
    const std::string shortFolder = ExactAnsi(std::wstring(shortPath, n)).value_or("");
    ASSERT_FALSE(shortFolder.empty()) << "the folder has no short path";
    TypeFolder(hDlg, shortFolder);

    EXPECT_EQ(PressBrowseAndConfirm(AnsiTreeName(name)), FALSE);
    ASSERT_TRUE(openedOnFolder) << "the picker never opened on the folder";
    const std::string shown = Lower(shortFolder);
    EXPECT_EQ(HistoryEntries(hDlg), (Entries{shown, emptyFolder.Path()}));
    const auto items = IconListItems(hDlg);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].path, shown + "\\one.dll");
}

TEST_F(FolderPicker, PickingAFolderListedInOtherCaseReplacesItsEntry) {
    PushFolder(hDlg, "C:\\Windows");
    TypeFolder(hDlg, "C:\\Windows\\");
    EXPECT_EQ(PressBrowseAndConfirm("windows"), FALSE);
    ASSERT_TRUE(openedOnFolder) << "the picker never opened on C:\\Windows";
    ASSERT_EQ(visit.selections.size(), 1u);
    EXPECT_EQ(visit.selections[0].folder, "C:\\Windows");
    EXPECT_EQ(HistoryEntries(hDlg), (Entries{"c:\\windows", emptyFolder.Path()}));
}

struct PreselectionCase {
    const char* typed;
    const char* requested;
};

class PickerPreselection : public FolderPicker,
                           public ::testing::WithParamInterface<PreselectionCase> {};

TEST_P(PickerPreselection, AsksThePickerForTheCurrentFolderText) {
    TypeFolder(hDlg, GetParam().typed);
    PressBrowse(hDlg, Cancel, &visit);
    ASSERT_TRUE(visit.seen);
    ASSERT_EQ(visit.selections.size(), 1u);
    EXPECT_EQ(visit.selections[0].isPath, static_cast<WPARAM>(TRUE));
    EXPECT_EQ(visit.selections[0].folder, GetParam().requested);
}

INSTANTIATE_TEST_SUITE_P(Folders, PickerPreselection,
                         ::testing::Values(PreselectionCase{"c:\\windows\\", "c:\\windows"},
                                           PreselectionCase{"c:\\", "c:\\"},
                                           PreselectionCase{"", ""}));

HRESULT WINAPI NoShellAllocator(IMalloc** allocator) {
    *allocator = nullptr;
    return E_OUTOFMEMORY;
}

TEST_F(FolderPicker, WithoutTheShellAllocatorNoPickerOpens) {
    Platform().shGetMalloc = NoShellAllocator;
    EXPECT_EQ(PressBrowse(hDlg, Cancel, &visit), TRUE);
    EXPECT_FALSE(visit.seen);
    EXPECT_EQ(HistoryEntries(hDlg), Entries{emptyFolder.Path()});
    EXPECT_EQ(HistorySelection(hDlg), 0);
}

} // namespace
