// The main dialog's procedure: the start sequence and the dispatch of every message.
#include "main_dialog.h"

#include <commctrl.h>

#include <cstdint>
#include <exception>
#include <new>
#include <string>

#include "../about/about_box.h"
#include "../catalogue/folder_scan.h"
#include "../catalogue/icon_cells.h"
#include "../folders/folder_history.h"
#include "../folders/folder_picker.h"
#include "../resources/resource_ids.h"
#include "error_report.h"
#include "main_layout.h"

namespace {

constexpr int kIconCellPixels = 50;
constexpr DWORD kStatusBarStyle = WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP | CCS_BOTTOM;

BOOL InitMainDialog(HWND hDlg) {
    InitCommonControls();
    CreateStatusWindowA(kStatusBarStyle, GLYPHBAY_START_TEXT, hDlg, IDC_STATUSBAR);
    // Set on the class that all of the program's dialogs share, so the about box has it too.
    HICON icon = LoadIconA(ProgramInstance(), "MainIcon");
    SetClassLongPtrA(hDlg, GCLP_HICON, reinterpret_cast<LONG_PTR>(icon));
    MakeSettingsFileName();
    LoadFolderHistory(hDlg);
    SendDlgItemMessageA(hDlg, IDC_ICONLIST, LB_SETITEMHEIGHT, 0, kIconCellPixels);
    SendDlgItemMessageA(hDlg, IDC_ICONLIST, LB_SETCOLUMNWIDTH, kIconCellPixels, 0);
    SetForegroundWindow(hDlg);
    ScanFolder(hDlg);
    return TRUE;
}

BOOL CloseMainDialog(HWND hDlg) {
    SaveFolderHistory(hDlg);
    EndDialog(hDlg, 1);
    return TRUE;
}

BOOL OnCommand(HWND hDlg, WORD id, WORD code) {
    switch (id) {
    case IDOK: ScanFolder(hDlg); return TRUE;
    case IDCANCEL: return CloseMainDialog(hDlg);
    case IDC_FOLDER: return code == CBN_SELCHANGE ? RunFolderCommand(hDlg) : FALSE;
    case IDC_BROWSE: return RunBrowseCommand(hDlg);
    case IDC_INFO: ShowAboutBox(hDlg); return FALSE;
    case IDC_ICONLIST: return code == LBN_SELCHANGE ? ShowItemInStatus(hDlg) : FALSE;
    default: return FALSE;
    }
}

// The result tells the dialog manager whether to run its default handling of the message as
// well (FALSE) or not (TRUE); for some messages it means more. By kind of message:
//   WM_INITDIALOG  TRUE: the platform puts the focus on the first tab stop, Browse.
//   WM_SIZE        FALSE: the default handling runs after the layout.
//   WM_DRAWITEM    TRUE: the icon list's cell is drawn. FALSE: another control's item, left to
//                  the default handling.
//   WM_COMMAND     The default handling ignores commands, so TRUE and FALSE act alike here.
//                  Each command's value is fixed all the same and the tests pin it: Enter,
//                  Close, a chosen folder and a selected cell TRUE; Info FALSE; Browse TRUE when
//                  the picker gave no folder and FALSE after it pushed one; any other FALSE.
//                  The differences are deliberate, not a fault to even out.
//   anything else  FALSE: the default handling deals with it (WM_CLOSE becomes IDCANCEL).
INT_PTR HandleMessage(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE: LayoutMainDialog(hDlg, LOWORD(lParam), HIWORD(lParam)); return FALSE;
    case WM_DRAWITEM:
        if (wParam != IDC_ICONLIST) return FALSE;
        return DrawIconCell(hDlg, reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_INITDIALOG: return InitMainDialog(hDlg);
    case WM_COMMAND: return OnCommand(hDlg, LOWORD(wParam), HIWORD(wParam));
    default: return FALSE;
    }
}

// Errors from the runtime carry no address of their own: the report names the procedure that
// was handling the message.
std::uintptr_t ProcedureAddress() {
    return reinterpret_cast<std::uintptr_t>(&MainDialogProc);
}

} // namespace

HINSTANCE ProgramInstance() {
    return GetModuleHandleA(nullptr);
}

INT_PTR CALLBACK MainDialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam) {
    // No error may unwind into the platform's dialog manager: each one is reported here.
    try {
        return HandleMessage(hDlg, message, wParam, lParam);
    } catch (const ProgramError& error) {
        ReportErrorAndExit(error.kind, error.message, error.address);
    } catch (const std::bad_alloc&) {
        ReportErrorAndExit("EOutOfMemory", "Out of memory", ProcedureAddress());
    } catch (const std::exception& error) {
        ReportErrorAndExit("Exception", error.what(), ProcedureAddress());
    } catch (...) {
        ReportErrorAndExit("Exception", "", ProcedureAddress());
    }
    return FALSE;
}

void GetFolderText(HWND hDlg, char* buffer, int limit) {
    buffer[0] = '\0';
    const LRESULT selected = SendDlgItemMessageA(hDlg, IDC_FOLDER, CB_GETCURSEL, 0, 0);
    if (selected < 0) {
        GetDlgItemTextA(hDlg, IDC_FOLDER, buffer, limit + 1);
        return;
    }
    const LRESULT length = SendDlgItemMessageA(hDlg, IDC_FOLDER, CB_GETLBTEXTLEN, selected, 0);
    if (length < 0) return;
    if (length <= limit) {
        SendDlgItemMessageA(hDlg, IDC_FOLDER, CB_GETLBTEXT, selected,
                            reinterpret_cast<LPARAM>(buffer));
        return;
    }
    // The program adds no entry this long; cut one that got in all the same.
    std::string entry(static_cast<std::size_t>(length) + 1, '\0');
    SendDlgItemMessageA(hDlg, IDC_FOLDER, CB_GETLBTEXT, selected,
                        reinterpret_cast<LPARAM>(&entry[0]));
    entry.copy(buffer, static_cast<std::size_t>(limit));
    buffer[limit] = '\0';
}
