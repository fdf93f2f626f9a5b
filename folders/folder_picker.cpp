// The Browse command: the shell's folder picker, opened at the current folder.
#include "folder_picker.h"

#include <shlobj.h>

#include <cstdint>

#include "../app/ansi_code_page.h"
#include "../app/error_report.h"
#include "../app/main_dialog.h"
#include "../app/platform_seams.h"
#include "../app/text_limits.h"
#include "../catalogue/folder_scan.h"
#include "folder_history.h"
#include "picker_rules.h"

namespace {

constexpr char kPickerTitle[] = "Choose folder";
// The callback's copy of the initial folder text: 512 characters and a zero byte, room to spare
// for a text of at most kFolderTextMax (500) characters, which is therefore never cut.
constexpr int kCallbackTextSize = 512 + 1;

} // namespace

BOOL RunBrowseCommand(HWND hDlg) {
    char text[kFolderTextSize];
    GetFolderText(hDlg, text, kFolderTextMax);
    const std::string folder = PickedFolderText(BrowseFolder(hDlg, text), AnsiLeadBytes());
    if (folder.empty()) return TRUE;
    PushFolder(hDlg, folder.c_str());
    ScanFolder(hDlg);
    return FALSE;
}

std::string BrowseFolder(HWND owner, const char* initialFolder) {
    char chosen[kPathSize] = "";
    IMalloc* shellMalloc = nullptr;
    if (Platform().shGetMalloc(&shellMalloc) != S_OK || !shellMalloc) return chosen;

    // Without the drives folder the picker starts at the desktop.
    LPITEMIDLIST root = nullptr;
    SHGetSpecialFolderLocation(owner, CSIDL_DRIVES, &root);
    auto* buffer = static_cast<char*>(shellMalloc->Alloc(kPathSize));
    if (buffer) {
        BROWSEINFOA request{};
        request.hwndOwner = owner;
        request.pidlRoot = root;
        request.pszDisplayName = buffer;
        request.lpszTitle = kPickerTitle;
        request.ulFlags = BIF_RETURNONLYFSDIRS;
        request.lpfn = BrowseCallback;
        request.lParam = reinterpret_cast<LPARAM>(initialFolder);
        LPITEMIDLIST picked = SHBrowseForFolderA(&request);
        if (picked) {
            if (SHGetPathFromIDListA(picked, buffer)) lstrcpynA(chosen, buffer, kPathSize);
            shellMalloc->Free(picked);
        }
    }
    if (root) shellMalloc->Free(root);
    if (buffer) shellMalloc->Free(buffer);
    shellMalloc->Release();

    if (!buffer)
        throw ProgramError{"Exception", "Memory alloc failed.",
                           reinterpret_cast<std::uintptr_t>(&BrowseFolder)};
    return chosen;
}

int CALLBACK BrowseCallback(HWND picker, UINT message, LPARAM, LPARAM data) {
    if (message != BFFM_INITIALIZED) return 0;
    char folder[kCallbackTextSize];
    lstrcpynA(folder, reinterpret_cast<const char*>(data), kCallbackTextSize);
    folder[PreselectionLength(folder, AnsiLeadBytes())] = '\0';
    // wParam TRUE: lParam is a path text, not an item identifier list.
    SendMessageA(picker, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(folder));
    return 0;
}
