// The main dialog's layout: after every change of size the status bar and the notice panel follow
// the bottom edge, the icon list takes the rest, and the top row stays where the template has it.
#include <windows.h>

#include <gtest/gtest.h>

#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "../../app/main_dialog.h"
#include "../../app/main_layout.h"
#include "test_support.h"

namespace {

struct Box {
    long x, y, width, height;
    bool operator==(const Box& o) const {
        return x == o.x && y == o.y && width == o.width && height == o.height;
    }
};

std::ostream& operator<<(std::ostream& os, const Box& b) {
    return os << b.x << "," << b.y << " " << b.width << "x" << b.height;
}

// A control's window rectangle in the dialog's client coordinates.
Box ControlBox(HWND hDlg, int id) {
    RECT r{};
    GetWindowRect(GetDlgItem(hDlg, id), &r);
    MapWindowPoints(HWND_DESKTOP, hDlg, reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// A rectangle of the template, in pixels.
Box TemplateBox(HWND hDlg, int x, int y, int cx, int cy) {
    RECT r{x, y, x + cx, y + cy};
    MapDialogRect(hDlg, &r);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

SIZE ClientSize(HWND hDlg) {
    RECT r{};
    GetClientRect(hDlg, &r);
    return {r.right, r.bottom};
}

// Gives the dialog a client area of width x height, as dragging its frame would.
void ResizeClient(HWND hDlg, int width, int height) {
    RECT r{0, 0, width, height};
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongA(hDlg, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongA(hDlg, GWL_EXSTYLE)));
    SetWindowPos(hDlg, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    PumpMessages();
}

// The list and the frame of a client area too small for them are empty.
long Empty(long extent) {
    return extent < 0 ? 0 : extent;
}

// The controls from the topmost down: the template's order, then the status bar made at start.
const std::vector<int> kTemplateOrder = {IDC_BROWSE,     IDC_ICONLIST,   IDC_INFO,
                                         IDC_NOTICETEXT, IDC_NOTICEICON, IDC_NOTICEFRAME,
                                         IDC_FOLDER,     IDC_STATUSBAR};

std::vector<int> StackingOrder(HWND hDlg) {
    std::vector<int> ids;
    for (HWND c = GetWindow(hDlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        ids.push_back(GetDlgCtrlID(c));
    return ids;
}

const int kLaidOut[] = {IDC_STATUSBAR, IDC_NOTICEFRAME, IDC_NOTICEICON, IDC_NOTICETEXT,
                        IDC_ICONLIST};
const int kTopRow[] = {IDC_FOLDER, IDC_BROWSE, IDC_INFO};

class MainLayout : public ::testing::Test {
  protected:
    void SetUp() override {
        DeleteFileA((TestDirectory() + "\\glyphbay.ini").c_str());
        hDlg = OpenMainDialog();
        statusHeight = ControlBox(hDlg, IDC_STATUSBAR).height;
        for (int id : kTopRow)
            topRow.push_back(ControlBox(hDlg, id));
    }
    void TearDown() override {
        CloseTestDialog(hDlg);
    }

    // Checks every control against the layout for the client area the dialog has now.
    void ExpectLaidOut() {
        const SIZE c = ClientSize(hDlg);
        SCOPED_TRACE("client " + std::to_string(c.cx) + " x " + std::to_string(c.cy));
        EXPECT_EQ(ControlBox(hDlg, IDC_STATUSBAR),
                  (Box{0, c.cy - statusHeight, c.cx, statusHeight}));
        EXPECT_EQ(ControlBox(hDlg, IDC_NOTICEFRAME), (Box{5, c.cy - 70, Empty(c.cx - 10), 45}));
        EXPECT_EQ(ControlBox(hDlg, IDC_NOTICEICON), (Box{15, c.cy - 60, 32, 32}));
        const Box text = TemplateBox(hDlg, 36, 192, 228, 20);
        EXPECT_EQ(ControlBox(hDlg, IDC_NOTICETEXT), (Box{60, c.cy - 57, text.width, text.height}));
        const Box list = TemplateBox(hDlg, 4, 24, 260, 156);
        EXPECT_EQ(ControlBox(hDlg, IDC_ICONLIST),
                  (Box{list.x, list.y, Empty(c.cx - 10), Empty(c.cy - 110)}));
        for (std::size_t i = 0; i < std::size(kTopRow); ++i)
            EXPECT_EQ(ControlBox(hDlg, kTopRow[i]), topRow[i]) << "control " << kTopRow[i];
        EXPECT_EQ(StackingOrder(hDlg), kTemplateOrder);
    }

    HWND hDlg = nullptr;
    long statusHeight = 0;
    std::vector<Box> topRow;
};

struct ClientCase {
    const char* what;
    int width, height;
};

void PrintTo(const ClientCase& c, std::ostream* os) {
    *os << c.what;
}

class MainLayoutSizes : public MainLayout, public ::testing::WithParamInterface<ClientCase> {};

TEST_P(MainLayoutSizes, EveryControlStandsWhereTheLayoutPutsIt) {
    const ClientCase c = GetParam();
    ResizeClient(hDlg, c.width, c.height);
    const SIZE client = ClientSize(hDlg);
    ASSERT_EQ(client.cx, c.width);
    ASSERT_EQ(client.cy, c.height);
    ExpectLaidOut();
}

INSTANTIATE_TEST_SUITE_P(
    ClientSizes, MainLayoutSizes,
    ::testing::Values(ClientCase{"the worked example", 520, 420}, ClientCase{"larger", 900, 700},
                      ClientCase{"lower than 110: no room for the list", 300, 90},
                      ClientCase{"lower than 70: the frame's top is cut", 300, 50}));

TEST_F(MainLayout, TheTemplateSizeLaysOutThePanelAtTheTemplatesHeights) {
    const SIZE start = ClientSize(hDlg);
    // Until the first size change the controls stand where the template has them.
    EXPECT_EQ(ControlBox(hDlg, IDC_NOTICETEXT), TemplateBox(hDlg, 36, 192, 228, 20));
    SendMessageA(hDlg, WM_SIZE, SIZE_RESTORED, MAKELPARAM(start.cx, start.cy));
    ExpectLaidOut();
    EXPECT_EQ(ControlBox(hDlg, IDC_NOTICEFRAME).y, TemplateBox(hDlg, 4, 184, 261, 28).y);
    EXPECT_EQ(ControlBox(hDlg, IDC_NOTICETEXT).y, TemplateBox(hDlg, 36, 192, 228, 20).y);
}

TEST_F(MainLayout, TwoSizeMessagesOfOneSizeGiveOneResult) {
    ResizeClient(hDlg, 610, 470);
    std::vector<Box> first;
    for (int id : kLaidOut)
        first.push_back(ControlBox(hDlg, id));
    SendMessageA(hDlg, WM_SIZE, SIZE_RESTORED, MAKELPARAM(610, 470));
    for (std::size_t i = 0; i < std::size(kLaidOut); ++i)
        EXPECT_EQ(ControlBox(hDlg, kLaidOut[i]), first[i]) << "control " << kLaidOut[i];
}

// The notice panel is painted afresh after each layout (its controls overlap); the rest of the
// dialog is not, so that a drag does not make the icon list flicker.
TEST_F(MainLayout, RepaintsTheNoticePanelAndNothingElse) {
    ResizeClient(hDlg, 520, 420);
    SendMessageA(hDlg, WM_SIZE, SIZE_RESTORED, MAKELPARAM(520, 420));
    RECT due{};
    ASSERT_TRUE(GetUpdateRect(hDlg, &due, FALSE)) << "the panel is not repainted";
    RECT panel{};
    for (int id : {IDC_NOTICEFRAME, IDC_NOTICEICON, IDC_NOTICETEXT}) {
        const Box b = ControlBox(hDlg, id);
        const RECT r{b.x, b.y, b.x + b.width, b.y + b.height};
        UnionRect(&panel, &panel, &r);
    }
    EXPECT_TRUE(EqualRect(&due, &panel))
        << due.left << "," << due.top << " - " << due.right << "," << due.bottom;
    for (int id : {IDC_ICONLIST, IDC_FOLDER, IDC_BROWSE, IDC_INFO})
        EXPECT_FALSE(GetUpdateRect(GetDlgItem(hDlg, id), nullptr, FALSE)) << "control " << id;
}

TEST_F(MainLayout, CellsStay50By50AndATallerListHoldsMoreRows) {
    ScratchFolder folder;
    folder.AddFixture("icons520.dll", "many.dll");
    ShowTypedFolder(hDlg, folder.Path());
    ResizeClient(hDlg, 640, 560);
    const HWND list = GetDlgItem(hDlg, IDC_ICONLIST);
    RECT inside{};
    GetClientRect(list, &inside);
    const LRESULT rows = inside.bottom / 50;
    ASSERT_GT(SendMessageA(list, LB_GETCOUNT, 0, 0), rows)
        << "the Windows directory gives too few icons";

    RECT cell{};
    SendMessageA(list, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&cell));
    EXPECT_EQ(cell.right - cell.left, 50);
    EXPECT_EQ(cell.bottom - cell.top, 50);
    // The first column holds as many cells as the new height has room for.
    SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(rows), reinterpret_cast<LPARAM>(&cell));
    EXPECT_EQ(cell.left, 50);
    EXPECT_EQ(cell.top, 0);
    EXPECT_EQ(cell.bottom - cell.top, 50);
}

TEST_F(MainLayout, MinimisedNothingShowsAndRestoringPutsEverythingBack) {
    ResizeClient(hDlg, 560, 430);
    ShowWindow(hDlg, SW_MINIMIZE);
    PumpMessages();
    ASSERT_TRUE(IsIconic(hDlg));
    EXPECT_EQ(ClientSize(hDlg).cy, 0);
    EXPECT_EQ(ControlBox(hDlg, IDC_NOTICEFRAME), (Box{5, -70, 0, 45}));
    EXPECT_EQ(ControlBox(hDlg, IDC_NOTICEICON), (Box{15, -60, 32, 32}));
    EXPECT_EQ(ControlBox(hDlg, IDC_NOTICETEXT).y, -57);
    EXPECT_EQ(ControlBox(hDlg, IDC_ICONLIST).width, 0);
    EXPECT_EQ(ControlBox(hDlg, IDC_ICONLIST).height, 0);
    EXPECT_EQ(ControlBox(hDlg, IDC_STATUSBAR).y, -statusHeight);
    EXPECT_EQ(ControlBox(hDlg, IDC_STATUSBAR).height, statusHeight);

    ShowWindow(hDlg, SW_RESTORE);
    PumpMessages();
    EXPECT_EQ(ClientSize(hDlg).cx, 560);
    EXPECT_EQ(ClientSize(hDlg).cy, 430);
    ExpectLaidOut();
}

TEST_F(MainLayout, MaximisedTheListFillsTheScreenAndTheTopRowStays) {
    ShowWindow(hDlg, SW_MAXIMIZE);
    PumpMessages();
    ASSERT_TRUE(IsZoomed(hDlg));
    const SIZE client = ClientSize(hDlg);
    EXPECT_GT(client.cx, 800);
    ExpectLaidOut();
}

// Before the dialog has its controls a size message finds none of them; those there are placed.
TEST(MainLayoutWithoutControls, LeavesOutWhatIsMissing) {
    const HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr,
                                        GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    const HWND frame = CreateWindowExA(0, "BUTTON", "", WS_CHILD | BS_GROUPBOX, 0, 0, 10, 10,
                                       window, reinterpret_cast<HMENU>(IDC_NOTICEFRAME),
                                       GetModuleHandleA(nullptr), nullptr);
    LayoutMainDialog(window, 300, 200);
    EXPECT_EQ(ControlBox(window, IDC_NOTICEFRAME), (Box{5, 130, 290, 45}));
    DestroyWindow(frame);
    DestroyWindow(window);
}

} // namespace
