// The report of an error that escapes a message handler, with the message box and the end of the
// process observed through their seams.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <new>

#include "../../app/main_dialog.h"
#include "../../app/platform_seams.h"
#include "../../folders/folder_picker.h"
#include "shell_allocator_spy.h"
#include "test_support.h"

namespace {

struct ShownBox {
    HWND owner;
    std::string text;
    std::string caption;
    UINT type;
};

std::vector<ShownBox> boxes;
std::vector<UINT> exitCodes;
// Run while the box is "open", as the box's own modal loop would run the main dialog.
std::function<void()> whileBoxIsOpen;

int WINAPI RecordMessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    boxes.push_back({owner, text, caption, type});
    if (whileBoxIsOpen) whileBoxIsOpen();
    return IDOK;
}

void WINAPI RecordExit(UINT code) {
    exitCodes.push_back(code);
}

BOOL WINAPI RunOutOfMemory(UINT) {
    throw std::bad_alloc();
}

// An address as the report gives it: upper-case hexadecimal, at least eight digits.
std::string AddressText(std::uintptr_t address) {
    char text[32];
    std::snprintf(text, sizeof text, "%08llX", static_cast<unsigned long long>(address));
    return text;
}

class ErrorReport : public MainDialogTest {
  protected:
    void SetUp() override {
        MainDialogTest::SetUp();
        saved = Platform();
        Platform().messageBox = RecordMessageBox;
        Platform().exitProcess = RecordExit;
        Platform().shGetMalloc = SpyShGetMalloc;
        ResetAllocatorSpy(true);
        boxes.clear();
        exitCodes.clear();
        whileBoxIsOpen = nullptr;
        settingsBefore = settings.Read();
    }
    void TearDown() override {
        Platform() = saved;
        whileBoxIsOpen = nullptr;
        MainDialogTest::TearDown();
    }
    INT_PTR PressBrowse() {
        return MainDialogProc(hDlg, WM_COMMAND, MAKEWPARAM(IDC_BROWSE, BN_CLICKED), 0);
    }

    PlatformSeams saved{};
    std::optional<std::string> settingsBefore;
};

TEST_F(ErrorReport, AFailedAllocationInThePickerIsReportedAndEndsTheProcess) {
    PressBrowse();

    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].owner, nullptr);
    EXPECT_EQ(boxes[0].caption, "Application Error");
    EXPECT_EQ(boxes[0].type, static_cast<UINT>(MB_ICONSTOP | MB_OK | MB_TASKMODAL));
    EXPECT_EQ(boxes[0].text, "Exception Exception in module win_tests.exe at " +
                                 AddressText(reinterpret_cast<std::uintptr_t>(&BrowseFolder)) +
                                 ".\nMemory alloc failed.");
    EXPECT_EQ(exitCodes, std::vector<UINT>{1});

    // The drives folder's list was freed and the allocator given back before the report;
    // nothing was pushed, scanned or saved.
    const AllocatorCounts counts = AllocatorSpyCounts();
    EXPECT_EQ(counts.allocated, 0);
    EXPECT_EQ(counts.freed, 1);
    EXPECT_EQ(counts.released, 1);
    EXPECT_EQ(HistoryEntries(hDlg), std::vector<std::string>{emptyFolder.Path()});
    EXPECT_EQ(settings.Read(), settingsBefore);
}

TEST_F(ErrorReport, ExhaustedMemoryIsReportedAsEOutOfMemory) {
    Platform().messageBeep = RunOutOfMemory; // a cell that cannot be fetched beeps
    const HWND list = GetDlgItem(hDlg, IDC_ICONLIST);
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_LISTBOX;
    item.CtlID = IDC_ICONLIST;
    item.itemID = static_cast<UINT>(-1);
    item.hwndItem = list;
    item.hDC = GetDC(list);
    MainDialogProc(hDlg, WM_DRAWITEM, IDC_ICONLIST, reinterpret_cast<LPARAM>(&item));
    ReleaseDC(list, item.hDC);

    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Exception EOutOfMemory in module win_tests.exe at " +
                                 AddressText(reinterpret_cast<std::uintptr_t>(&MainDialogProc)) +
                                 ".\nOut of memory.");
    EXPECT_EQ(exitCodes, std::vector<UINT>{1});
}

TEST_F(ErrorReport, AnErrorWhileTheReportIsOpenIsNotReportedAgain) {
    whileBoxIsOpen = [this] { PressBrowse(); };
    PressBrowse();
    EXPECT_EQ(boxes.size(), 1u);
    EXPECT_EQ(exitCodes, std::vector<UINT>{1});

    // Once that report is over (only a test lives on after it), the next error is reported.
    whileBoxIsOpen = nullptr;
    PressBrowse();
    EXPECT_EQ(boxes.size(), 2u);
}

} // namespace
