// Test probe: prints the state of a running GlyphBay window as key=value lines (UTF-8), read
// from outside the program the way any other process would (wide messages, which the platform
// carries across processes whole).
//
//   probe.exe [--redraw] [title]    the top-level dialog with exactly this title (default
//                                   "GlyphBay"); --redraw first repaints the whole window and
//                                   every control in it, and returns when that is done
//
// The icon list gives list.count, list.selection, list.top, list.client (the list's client area),
// list.item.N=<index> <path> for every item, and list.cell.N for each cell that shows; areas are
// x,y,width,height in the dialog's client coordinates. The folder box gives folder.* (its
// entries and selection).
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "../../catalogue/icon_item_key.h"
#include "../../resources/resource_ids.h"

namespace {

std::string Utf8(const std::wstring& text) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, &out[0], n, nullptr, nullptr);
    out.resize(static_cast<std::size_t>(n > 0 ? n - 1 : 0));
    return out;
}

std::wstring WindowTextW(HWND window) {
    const LRESULT n = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
    SendMessageW(window, WM_GETTEXT, static_cast<WPARAM>(n + 1),
                 reinterpret_cast<LPARAM>(&text[0]));
    text.resize(wcslen(text.c_str()));
    return text;
}

// Escapes the characters that would break a line of output.
std::string Printable(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else if (c == '\\')
            out += "\\\\";
        else
            out += c;
    }
    return out;
}

struct Search {
    std::wstring title;
    HWND found;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    wchar_t className[64] = L"";
    GetClassNameW(window, className, 64);
    if (wcscmp(className, L"#32770") == 0 && IsWindowVisible(window) &&
        WindowTextW(window) == search->title) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

void PrintRect(const char* key, HWND dialog, HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&r), 2);
    std::printf("%s=%ld,%ld,%ld,%ld\n", key, r.left, r.top, r.right - r.left, r.bottom - r.top);
}

BOOL CALLBACK PrintControl(HWND control, LPARAM lParam) {
    const HWND dialog = reinterpret_cast<HWND>(lParam);
    if (GetParent(control) != dialog) return TRUE;
    const int id = GetDlgCtrlID(control);
    wchar_t className[64] = L"";
    GetClassNameW(control, className, 64);
    std::printf("control.%d.class=%s\n", id, Utf8(className).c_str());
    std::printf("control.%d.text=%s\n", id, Printable(Utf8(WindowTextW(control))).c_str());
    std::printf("control.%d.visible=%d\n", id, IsWindowVisible(control) ? 1 : 0);
    const std::string key = "control." + std::to_string(id) + ".rect";
    PrintRect(key.c_str(), dialog, control);
    return TRUE;
}

// The cell of item i in dialog client coordinates, if any of it shows in the list.
void PrintVisibleCell(HWND list, LRESULT i) {
    RECT cell{}, client{}, seen{};
    GetClientRect(list, &client);
    if (SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&cell)) == LB_ERR ||
        !IntersectRect(&seen, &cell, &client))
        return;
    MapWindowPoints(list, GetParent(list), reinterpret_cast<POINT*>(&cell), 2);
    std::printf("list.cell.%ld=%ld,%ld,%ld,%ld\n", static_cast<long>(i), cell.left, cell.top,
                cell.right - cell.left, cell.bottom - cell.top);
}

void PrintIconList(HWND list) {
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    std::printf("list.count=%ld\n", static_cast<long>(count));
    std::printf("list.selection=%ld\n", static_cast<long>(SendMessageW(list, LB_GETCURSEL, 0, 0)));
    std::printf("list.top=%ld\n", static_cast<long>(SendMessageW(list, LB_GETTOPINDEX, 0, 0)));
    RECT client{};
    GetClientRect(list, &client);
    MapWindowPoints(list, GetParent(list), reinterpret_cast<POINT*>(&client), 2);
    std::printf("list.client=%ld,%ld,%ld,%ld\n", client.left, client.top,
                client.right - client.left, client.bottom - client.top);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT n = SendMessageW(list, LB_GETTEXTLEN, i, 0);
        std::wstring wide(static_cast<std::size_t>(n) + 1, L'\0');
        SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&wide[0]));
        wide.resize(wcslen(wide.c_str()));
        // The program stores ANSI texts: turn the text back into them to decode the key.
        const int bytes =
            WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
        std::string ansi(static_cast<std::size_t>(bytes), '\0');
        WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, &ansi[0], bytes, nullptr, nullptr);
        ansi.resize(static_cast<std::size_t>(bytes > 0 ? bytes - 1 : 0));
        const auto data = static_cast<std::uintptr_t>(SendMessageW(list, LB_GETITEMDATA, i, 0));
        const IconItem item = DecodeIconItem(ansi, data);
        std::wstring widePath(item.path.size() + 1, L'\0');
        MultiByteToWideChar(CP_ACP, 0, item.path.c_str(), -1, &widePath[0],
                            static_cast<int>(widePath.size()));
        widePath.resize(wcslen(widePath.c_str()));
        std::printf("list.item.%ld=%u %s\n", static_cast<long>(i), item.index,
                    Printable(Utf8(widePath)).c_str());
        PrintVisibleCell(list, i);
    }
}

// The folder box's list (the folder history) and its selected entry.
void PrintFolderList(HWND combo) {
    const LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    std::printf("folder.count=%ld\n", static_cast<long>(count));
    std::printf("folder.selection=%ld\n",
                static_cast<long>(SendMessageW(combo, CB_GETCURSEL, 0, 0)));
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT n = SendMessageW(combo, CB_GETLBTEXTLEN, i, 0);
        std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
        SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(&text[0]));
        text.resize(wcslen(text.c_str()));
        std::printf("folder.item.%ld=%s\n", static_cast<long>(i), Printable(Utf8(text)).c_str());
    }
}

} // namespace

int main(int argc, char** argv) {
    Search search{L"GlyphBay", nullptr};
    int arg = 1;
    const bool redraw = arg < argc && std::strcmp(argv[arg], "--redraw") == 0;
    if (redraw) ++arg;
    if (arg < argc) {
        const int n = MultiByteToWideChar(CP_UTF8, 0, argv[arg], -1, nullptr, 0);
        search.title.assign(static_cast<std::size_t>(n), L'\0');
        MultiByteToWideChar(CP_UTF8, 0, argv[arg], -1, &search.title[0], n);
        search.title.resize(wcslen(search.title.c_str()));
    }
    EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&search));
    if (!search.found) {
        std::printf("found=0\n");
        return 1;
    }
    const HWND dialog = search.found;
    // What a window looks like when everything in it is painted afresh: the picture that any
    // other way of reaching its size must match. UPDATENOW waits for the owner's painting.
    if (redraw)
        RedrawWindow(dialog, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RECT client;
    GetClientRect(dialog, &client);
    std::printf("found=1\n");
    std::printf("client=%ld,%ld\n", client.right, client.bottom);
    POINT origin{0, 0};
    ClientToScreen(dialog, &origin);
    std::printf("client.origin=%ld,%ld\n", origin.x, origin.y);
    std::printf("iconic=%d\n", IsIconic(dialog) ? 1 : 0);
    std::printf("zoomed=%d\n", IsZoomed(dialog) ? 1 : 0);
    std::printf("style=0x%08lX\n", static_cast<unsigned long>(GetWindowLongW(dialog, GWL_STYLE)));
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    if (GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &gui) && gui.hwndFocus) {
        HWND control = gui.hwndFocus;
        while (control && GetParent(control) != dialog)
            control = GetParent(control);
        std::printf("focus=%d\n", control ? GetDlgCtrlID(control) : 0);
    }
    EnumChildWindows(dialog, PrintControl, reinterpret_cast<LPARAM>(dialog));
    if (const HWND list = GetDlgItem(dialog, IDC_ICONLIST)) PrintIconList(list);
    if (const HWND combo = GetDlgItem(dialog, IDC_FOLDER)) PrintFolderList(combo);
    return 0;
}
