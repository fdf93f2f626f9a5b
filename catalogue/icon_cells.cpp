// The icon list's cells and the read-out of the selected cell in the status bar.
#include "icon_cells.h"

#include <commctrl.h>

#include <cstring>
#include <string>

#include "../app/ansi_code_page.h"
#include "../app/main_dialog.h"
#include "../app/platform_seams.h"
#include "icon_item_key.h"
#include "shell_icons.h"
#include "status_text.h"

namespace {

// The icon's top-left corner stands this far right of and below the cell's.
constexpr int kIconInset = 9;

// One item of the icon list as the list gives it back.
struct ListedIcon {
    IconItem icon;
    std::uintptr_t data; // the item data, marks included
};

// Reads item number index of the icon list; false when there is no such item.
bool FetchIconItem(HWND list, WPARAM index, ListedIcon* item) {
    // The length given may exceed the text's (on a double-byte code page the list box allows
    // two bytes a character) but never falls short of it.
    const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, index, 0);
    if (length == LB_ERR) return false;
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    if (SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(&text[0])) == LB_ERR)
        return false;
    text.resize(std::strlen(text.c_str()));
    item->data = static_cast<std::uintptr_t>(SendMessageA(list, LB_GETITEMDATA, index, 0));
    item->icon = DecodeIconItem(text, item->data);
    return true;
}

// Marks every item of the file at path around item index (the scan added a file's items one
// after the other) as one whose file the shell's reader faulted on, so that their cells are
// drawn blank without reading the file again. The next scan lists the folder afresh.
void MarkUnreadableFile(HWND list, WPARAM index, const std::string& path) {
    const auto mark = [&](WPARAM at) {
        ListedIcon item;
        if (!FetchIconItem(list, at, &item) || item.icon.path != path) return false;
        SendMessageA(list, LB_SETITEMDATA, at, static_cast<LPARAM>(item.data | kNoIconMark));
        return true;
    };
    for (WPARAM at = index; mark(at); ++at) {
    }
    for (WPARAM at = index; at > 0 && mark(at - 1); --at) {
    }
}

} // namespace

BOOL DrawIconCell(HWND hDlg, const DRAWITEMSTRUCT* item) {
    RECT cell = item->rcItem;
    if (item->itemState & ODS_SELECTED)
        DrawEdge(item->hDC, &cell, EDGE_ETCHED, BF_RECT | BF_MIDDLE);
    else
        FillRect(item->hDC, &cell, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));

    // Looked up once for the item's messages: each lookup costs about as much as a message.
    const HWND list = GetDlgItem(hDlg, IDC_ICONLIST);
    // The list box asks for item -1 of an empty list when its focus changes.
    ListedIcon listed;
    if (!FetchIconItem(list, item->itemID, &listed)) {
        Platform().messageBeep(0);
        return TRUE;
    }
    if (listed.data & kNoIconMark) return TRUE;
    // Extracted for this one drawing and released at once; a file that has gone or changed
    // since the scan gives no icon (or 1, for a file that is no executable) and a blank cell.
    HICON handle = nullptr;
    if (!ExtractShellIcon(listed.icon.path.c_str(), listed.icon.index, &handle)) {
        MarkUnreadableFile(list, item->itemID, listed.icon.path);
        return TRUE;
    }
    if (reinterpret_cast<UINT_PTR>(handle) > 1) {
        DrawIcon(item->hDC, cell.left + kIconInset, cell.top + kIconInset, handle);
        DestroyIcon(handle);
    }
    return TRUE;
}

BOOL ShowItemInStatus(HWND hDlg) {
    const HWND list = GetDlgItem(hDlg, IDC_ICONLIST);
    const LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
    ListedIcon listed;
    if (selected == LB_ERR || !FetchIconItem(list, static_cast<WPARAM>(selected), &listed))
        return TRUE;
    const std::string text = StatusText(listed.icon.path, listed.icon.index, AnsiLeadBytes());
    SendDlgItemMessageA(hDlg, IDC_STATUSBAR, SB_SETTEXTA, 0,
                        reinterpret_cast<LPARAM>(text.c_str()));
    return TRUE;
}
