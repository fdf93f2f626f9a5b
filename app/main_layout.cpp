// Layout of the main dialog's controls after a change of its size: the status bar and the
// notice panel follow the bottom edge, the icon list takes the rest; the top row never moves.
#include "main_layout.h"

#include "../resources/resource_ids.h"
#include "layout_rules.h"

namespace {

constexpr UINT kMoveAndSize = SWP_NOZORDER | SWP_NOACTIVATE;           // 0x14
constexpr UINT kMoveOnly = SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE; // 0x15
constexpr UINT kSizeOnly = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE; // 0x16

// HWND_BOTTOM is void under SWP_NOZORDER: the stacking order stays the template's.
void PlaceControl(HWND hDlg, int id, int x, int y, int width, int height, UINT flags) {
    if (const HWND control = GetDlgItem(hDlg, id))
        SetWindowPos(control, HWND_BOTTOM, x, y, width, height, flags);
}

} // namespace

void LayoutMainDialog(HWND hDlg, int width, int height) {
    RECT client{};
    GetClientRect(hDlg, &client);
    const HWND statusBar = GetDlgItem(hDlg, IDC_STATUSBAR);
    RECT bar{};
    if (statusBar) GetClientRect(statusBar, &bar);
    const MainLayout l = ComputeMainLayout(width, height, client.bottom, bar.bottom);

    // The bar keeps its own height and docks along the bottom whatever height it is given.
    if (statusBar)
        MoveWindow(statusBar, l.statusBar.x, l.statusBar.y, l.statusBar.width, l.statusBar.height,
                   TRUE);
    PlaceControl(hDlg, IDC_NOTICEFRAME, l.noticeFrame.x, l.noticeFrame.y, l.noticeFrame.width,
                 l.noticeFrame.height, kMoveAndSize);
    PlaceControl(hDlg, IDC_NOTICEICON, l.noticeIcon.x, l.noticeIcon.y, 0, 0, kMoveOnly);
    PlaceControl(hDlg, IDC_NOTICETEXT, l.noticeText.x, l.noticeText.y, 0, 0, kMoveOnly);
    PlaceControl(hDlg, IDC_ICONLIST, 0, 0, l.iconList.width, l.iconList.height, kSizeOnly);
}
