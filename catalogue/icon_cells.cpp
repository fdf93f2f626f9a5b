// The icon list's cells and the read-out of the selected cell in the status bar.
#include "icon_cells.h"

#include <commctrl.h>
#include <shellapi.h>

#include <cstring>
#include <string>

#include "../app/ansi_code_page.h"
#include "../app/main_dialog.h"
#include "../app/platform_seams.h"
#include "icon_item_key.h"
#include "status_text.h"

namespace {

// The icon's top-left corner stands this far right of and below the cell's.
constexpr int kIconInset = 9;

// Reads item number index of the icon list; false when there is no such item.
bool FetchIconItem(HWND hDlg, WPARAM index, IconItem* item) {
    // Looked up once for the three messages: each lookup costs about as much as a message.
    const HWND list = GetDlgItem(hDlg, IDC_ICONLIST);
    // The length given may exceed the text's (on a double-byte code page the list box allows
    // two bytes a character) but never falls short of it.
    const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, index, 0);
    if (length == LB_ERR) return false;
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    if (SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(&text[0])) == LB_ERR)
        return false;
    text.resize(std::strlen(text.c_str()));
    const auto data = static_cast<std::uintptr_t>(SendMessageA(list, LB_GETITEMDATA, index, 0));
    *item = DecodeIconItem(text, data);
    return true;
}

} // namespace

BOOL DrawIconCell(HWND hDlg, const DRAWITEMSTRUCT* item) {
    RECT cell = item->rcItem;
    if (item->itemState & ODS_SELECTED)
        DrawEdge(item->hDC, &cell, EDGE_ETCHED, BF_RECT | BF_MIDDLE);
    else
        FillRect(item->hDC, &cell, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));

    // The list box asks for item -1 of an empty list when its focus changes.
    IconItem icon;
    if (!FetchIconItem(hDlg, item->itemID, &icon)) {
        Platform().messageBeep(0);
        return TRUE;
    }
    // Extracted for this one drawing and released at once; a file that has gone or changed
    // since the scan gives no icon (or 1, for a file that is no executable) and a blank cell.
    const HICON handle = ExtractIconA(ProgramInstance(), icon.path.c_str(), icon.index);
    if (reinterpret_cast<UINT_PTR>(handle) > 1) {
        DrawIcon(item->hDC, cell.left + kIconInset, cell.top + kIconInset, handle);
        DestroyIcon(handle);
    }
    return TRUE;
}

BOOL ShowItemInStatus(HWND hDlg) {
    const LRESULT selected = SendDlgItemMessageA(hDlg, IDC_ICONLIST, LB_GETCURSEL, 0, 0);
    IconItem icon;
    if (selected == LB_ERR || !FetchIconItem(hDlg, static_cast<WPARAM>(selected), &icon))
        return TRUE;
    const std::string text = StatusText(icon.path, icon.index, AnsiLeadBytes());
    SendDlgItemMessageA(hDlg, IDC_STATUSBAR, SB_SETTEXTA, 0,
                        reinterpret_cast<LPARAM>(text.c_str()));
    return TRUE;
}
