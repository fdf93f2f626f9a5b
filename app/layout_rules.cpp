// Where the main dialog's status bar, notice panel and icon list go for a given client size.
#include "layout_rules.h"

namespace {

// Fixed pixel offsets: they do not follow the dialog font.
constexpr int kSideMargin = 5;          // left of the notice frame; also right of the panel
constexpr int kFrameTopFromBottom = 70; // the notice frame's top above the client's bottom
constexpr int kFrameHeight = 45;
constexpr int kIconX = 15;
constexpr int kIconTopFromBottom = 60;
constexpr int kTextX = 60;
constexpr int kTextTopFromBottom = 57;
constexpr int kListWidthLess = 10;   // the icon list is this much narrower than the client
constexpr int kListHeightLess = 110; // and this much lower: the top row and the notice panel

} // namespace

MainLayout ComputeMainLayout(int width, int height, int clientBottom, int statusHeight) {
    MainLayout layout{};
    layout.statusBar = {0, clientBottom - statusHeight, width, height};
    layout.noticeFrame = {kSideMargin, height - kFrameTopFromBottom, width - 2 * kSideMargin,
                          kFrameHeight};
    layout.noticeIcon = {kIconX, height - kIconTopFromBottom};
    layout.noticeText = {kTextX, height - kTextTopFromBottom};
    layout.iconList = {width - kListWidthLess, height - kListHeightLess};
    return layout;
}
