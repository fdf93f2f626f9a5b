// The Browse command: the shell's folder picker, opened at the current folder.
#include "folder_picker.h"

#include <shlobj.h>

#include <cstdint>
#include <optional>

#include "../app/ansi_code_page.h"
#include "../app/error_report.h"
#include "../app/exact_ansi.h"
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

// The picked folder's path in the ANSI code page: as the shell gives it when it converts exactly,
// otherwise its short path, which the ANSI functions open as well (and the history can keep);
// empty when neither does.
std::string AnsiFolderPath(const wchar_t* path) {
    if (path[0] == L'\0') return std::string();
    if (std::optional<std::string> exact = ExactAnsi(path)) return *exact;
    wchar_t shortPath[kPathSize];
    const DWORD n = GetShortPathNameW(path, shortPath, kPathSize);
    if (n == 0 || n >= static_cast<DWORD>(kPathSize)) return std::string();
    return ExactAnsi(std::wstring_view(shortPath, n)).value_or(std::string());
}

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
    wchar_t chosen[kPathSize] = L"";
    IMalloc* shellMalloc = nullptr;
    if (Platform().shGetMalloc(&shellMalloc) != S_OK || !shellMalloc) return std::string();

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
            // The wide path: the ANSI one turns what the code page lacks into "?".
            if (!SHGetPathFromIDListW(picked, chosen)) chosen[0] = L'\0';
            shellMalloc->Free(picked);
        }
    }
    if (root) shellMalloc->Free(root);
    if (buffer) shellMalloc->Free(buffer);
    shellMalloc->Release();

    if (!buffer)
        throw ProgramError{"Exception", "Memory alloc failed.",
                           reinterpret_cast<std::uintptr_t>(&BrowseFolder)};
    return AnsiFolderPath(chosen);
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
