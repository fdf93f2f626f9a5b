// Where the main dialog's status bar, notice panel and icon list go for a given client size.
#pragma once

struct LayoutRect {
    int x, y, width, height;
};

struct LayoutPoint {
    int x, y;
};

struct LayoutSize {
    int width, height;
};

// Pixel rectangles of the controls that follow the client area. Controls whose size or place
// stays keep it: only their new place or new size is given.
struct MainLayout {
    LayoutRect statusBar; // the height asked for; the bar keeps its own and docks at the bottom
    LayoutRect noticeFrame;
    LayoutPoint noticeIcon;
    LayoutPoint noticeText;
    LayoutSize iconList;
};

// width, height: the new client size; clientBottom: the bottom of the client rectangle as it
// stands (0 when minimised); statusHeight: the status bar's own height. Nothing is clamped: a
// client area smaller than the fixed margins gives negative sizes, which the platform treats as
// empty.
MainLayout ComputeMainLayout(int width, int height, int clientBottom, int statusHeight);
