// The folder scan: enumerates the current folder and lists every icon of every file.
#include "folder_scan.h"

#include <optional>
#include <string>

#include "../app/ansi_code_page.h"
#include "../app/exact_ansi.h"
#include "../app/main_dialog.h"
#include "../app/text_limits.h"
#include "icon_item_key.h"
#include "scan_rules.h"
#include "shell_icons.h"

namespace {

bool AnsiCodePageIsMultiByte() {
    CPINFO info;
    return GetCPInfo(CP_ACP, &info) && info.MaxCharSize > 1;
}

// The number of characters of an ANSI text, as the platform counts them when it opens a path.
int CharacterCount(const std::string& text) {
    return MultiByteToWideChar(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0);
}

// The name under which the scan lists a directory entry: its long name when that converts to the
// ANSI code page exactly, otherwise its short 8.3 alias, which the ANSI functions open as well.
// Nothing when neither does (a file system that keeps no short names).
std::optional<std::string> ListedName(const WIN32_FIND_DATAW& entry) {
    if (std::optional<std::string> name = ExactAnsi(entry.cFileName)) return name;
    if (entry.cAlternateFileName[0] == L'\0') return std::nullopt;
    return ExactAnsi(entry.cAlternateFileName);
}

void AddIconItems(HWND list, const std::string& path, int count, bool multiByteCodePage) {
    for (int i = 0; i < count; ++i) {
        const IconItemKey key =
            EncodeIconItem(path, static_cast<unsigned>(i) & 0xFFFF, multiByteCodePage);
        const LRESULT item =
            SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(key.text.c_str()));
        if (item >= 0 && key.data != 0)
            SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(item),
                         static_cast<LPARAM>(key.data));
    }
}

// Enumerates the folder and appends every icon of every file to the icon list.
void FillIconList(HWND hDlg, HWND list) {
    char folderText[kFolderTextSize];
    GetFolderText(hDlg, folderText, kFolderTextMax);
    const std::string folder = ScanFolderText(folderText, AnsiLeadBytes());
    const bool multiByteCodePage = AnsiCodePageIsMultiByte();

    // Enumerated through the wide functions: the ANSI ones turn every character that the code
    // page lacks into "?" or a look-alike, which names no file or another one.
    WIN32_FIND_DATAW entry;
    const HANDLE search = FindFirstFileW(WideFromAnsi(SearchPattern(folder)).c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return; // the folder cannot be read: the list stays empty
    do {
        const std::optional<std::string> name = ListedName(entry);
        if (!name || !IsListableFile(*name, entry.dwFileAttributes)) continue;
        const std::string path = FullPath(folder, *name);
        // Longer paths cannot be opened through the ANSI functions, so hold no icon to list.
        if (CharacterCount(path) > kPathMax) continue;
        const int count = CountShellIcons(path.c_str());
        if (count > 0) AddIconItems(list, path, count, multiByteCodePage);
    } while (FindNextFileW(search, &entry));
    FindClose(search);
}

} // namespace

void ScanFolder(HWND hDlg) {
    // A shown list box redraws its scroll bar on every item added, which costs far more than
    // the item; it is told to hold its drawing until the list is complete. The scan pumps no
    // messages, so nothing would have been painted in between anyway. The list's handle is
    // looked up once for this scan: a lookup per item costs as much as the item.
    const HWND list = GetDlgItem(hDlg, IDC_ICONLIST);
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    try {
        SendMessageA(list, LB_RESETCONTENT, 0, 0);
        FillIconList(hDlg, list);
    } catch (...) {
        SendMessageA(list, WM_SETREDRAW, TRUE, 0);
        throw;
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}
