// Where the main dialog's status bar, notice panel and icon list go for a given client size.
#include <gtest/gtest.h>

#include "../../app/layout_rules.h"

namespace {

struct LayoutInput {
    int width, height, clientBottom, statusHeight;
};

struct LayoutCase {
    const char* what;
    LayoutInput in;
    MainLayout expected;
};

void PrintTo(const LayoutCase& c, std::ostream* os) {
    *os << c.what;
}

class MainLayoutRules : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(MainLayoutRules, PinsThePanelToTheBottomAndStretchesTheList) {
    const LayoutCase& c = GetParam();
    const MainLayout got =
        ComputeMainLayout(c.in.width, c.in.height, c.in.clientBottom, c.in.statusHeight);
    const MainLayout& e = c.expected;

    EXPECT_EQ(got.statusBar.x, e.statusBar.x);
    EXPECT_EQ(got.statusBar.y, e.statusBar.y);
    EXPECT_EQ(got.statusBar.width, e.statusBar.width);
    EXPECT_EQ(got.statusBar.height, e.statusBar.height);
    EXPECT_EQ(got.noticeFrame.x, e.noticeFrame.x);
    EXPECT_EQ(got.noticeFrame.y, e.noticeFrame.y);
    EXPECT_EQ(got.noticeFrame.width, e.noticeFrame.width);
    EXPECT_EQ(got.noticeFrame.height, e.noticeFrame.height);
    EXPECT_EQ(got.noticeIcon.x, e.noticeIcon.x);
    EXPECT_EQ(got.noticeIcon.y, e.noticeIcon.y);
    EXPECT_EQ(got.noticeText.x, e.noticeText.x);
    EXPECT_EQ(got.noticeText.y, e.noticeText.y);
    EXPECT_EQ(got.iconList.width, e.iconList.width);
    EXPECT_EQ(got.iconList.height, e.iconList.height);
}

// in: width, height, client bottom, status bar height.
// expected: status bar (x, y, width, height asked for), notice frame (x, y, width, height),
// notice icon (x, y), notice text (x, y), icon list (width, height).
INSTANTIATE_TEST_SUITE_P(
    ClientSizes, MainLayoutRules,
    ::testing::Values(
        LayoutCase{"520 x 420 with a 20-pixel status bar",
                   {520, 420, 420, 20},
                   {{0, 400, 520, 420}, {5, 350, 510, 45}, {15, 360}, {60, 363}, {510, 310}}},
        LayoutCase{"the template's own size, 404 x 369",
                   {404, 369, 369, 19},
                   {{0, 350, 404, 369}, {5, 299, 394, 45}, {15, 309}, {60, 312}, {394, 259}}},
        LayoutCase{"minimised: 0 x 0 and an empty client rectangle",
                   {0, 0, 0, 20},
                   {{0, -20, 0, 0}, {5, -70, -10, 45}, {15, -60}, {60, -57}, {-10, -110}}},
        LayoutCase{"narrower than 10 and lower than 110: negative sizes, passed on",
                   {8, 100, 100, 20},
                   {{0, 80, 8, 100}, {5, 30, -2, 45}, {15, 40}, {60, 43}, {-2, -10}}},
        LayoutCase{"lower than 70: the frame starts above the client area",
                   {300, 50, 50, 20},
                   {{0, 30, 300, 50}, {5, -20, 290, 45}, {15, -10}, {60, -7}, {290, -60}}},
        // The bar goes by the client rectangle as it stands, the rest by the size reported.
        LayoutCase{"a size reported before the client rectangle follows",
                   {600, 500, 300, 22},
                   {{0, 278, 600, 500}, {5, 430, 590, 45}, {15, 440}, {60, 443}, {590, 390}}}));

} // namespace
