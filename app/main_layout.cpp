// Layout of the main dialog's controls after a change of its size: the status bar and the
// notice panel follow the bottom edge, the icon list takes the rest; the top row never moves.
#include "main_layout.h"

#include <initializer_list>

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

// The area that the notice panel's frame, icon and text cover, in the dialog's client
// coordinates.
RECT NoticePanelArea(HWND hDlg) {
    RECT area{};
    for (const int id : {IDC_NOTICEFRAME, IDC_NOTICEICON, IDC_NOTICETEXT}) {
        const HWND control = GetDlgItem(hDlg, id);
        if (!control) continue;
        RECT r{};
        GetWindowRect(control, &r);
        MapWindowPoints(HWND_DESKTOP, hDlg, reinterpret_cast<POINT*>(&r), 2);
        UnionRect(&area, &area, &r);
    }
    return area;
}

// The icon and the text stand inside the frame, a group box that paints only its edges, and the
// dialog does not clip its children: moved in small steps they leave old edges and cut text
// behind. Their old and new places are painted afresh, the dialog's background first, and nothing
// else is, so that a drag flickers no more than the panel.
void RepaintNoticePanel(HWND hDlg, const RECT& before) {
    const RECT after = NoticePanelArea(hDlg);
    for (const RECT* area : {&before, &after})
        RedrawWindow(hDlg, area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

} // namespace

void LayoutMainDialog(HWND hDlg, int width, int height) {
    const RECT noticePanel = NoticePanelArea(hDlg);
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
    RepaintNoticePanel(hDlg, noticePanel);
}
