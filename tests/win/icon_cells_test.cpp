// The icon cells drawn through the real main dialog into a bitmap, and the status bar's read-out
// of the selected icon, for every icon index and every path length that the shell opens.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "../../app/main_dialog.h"
#include "../../app/platform_seams.h"
#include "test_support.h"

namespace {

constexpr int kCell = 50;
constexpr int kInset = 9;
constexpr int kIconSize = 32;
// The cell stands away from the canvas's corner, so that drawing outside it shows.
constexpr int kLeft = 60, kTop = 5;
constexpr int kCanvasWidth = 120, kCanvasHeight = 60;
const COLORREF kUntouched = RGB(1, 2, 3);
const COLORREF kWhite = RGB(255, 255, 255);

// Asks the dialog to draw item itemID in a cell of a fresh canvas, as the icon list does.
INT_PTR DrawCell(HWND hDlg, const MemoryCanvas& canvas, UINT itemID, UINT state) {
    return DrawIconListItem(hDlg, canvas.Dc(), itemID, state,
                            {kLeft, kTop, kLeft + kCell, kTop + kCell});
}

std::string Hex(COLORREF c) {
    char text[16];
    std::snprintf(text, sizeof text, "%06lX", static_cast<unsigned long>(c));
    return text;
}

// Every pixel of the canvas: nothing outside the cell, the icon's square 9 pixels in (when
// there is an icon), the background elsewhere; the cell's outer `border` rings are not looked at.
void ExpectCell(const MemoryCanvas& canvas, COLORREF background, const COLORREF* icon,
                int border = 0) {
    int wrong = 0;
    std::string first;
    for (int y = 0; y < kCanvasHeight; ++y)
        for (int x = 0; x < kCanvasWidth; ++x) {
            const int cx = x - kLeft, cy = y - kTop;
            const bool inCell = cx >= 0 && cy >= 0 && cx < kCell && cy < kCell;
            const bool inBorder =
                cx < border || cy < border || cx >= kCell - border || cy >= kCell - border;
            const bool inIcon =
                cx >= kInset && cy >= kInset && cx < kInset + kIconSize && cy < kInset + kIconSize;
            if (inCell && inBorder) continue;
            const COLORREF expected = !inCell ? kUntouched : inIcon && icon ? *icon : background;
            const COLORREF actual = canvas.Pixel(x, y);
            if (actual != expected && wrong++ == 0)
                first = "cell pixel (" + std::to_string(cx) + ", " + std::to_string(cy) + ") is " +
                        Hex(actual) + ", not " + Hex(expected);
        }
    EXPECT_EQ(wrong, 0) << first;
}

// The read-out that an icon of a file named name should give.
std::string ReadOut(const std::string& name, unsigned index) {
    return " " + name + (index > 0 ? ",  Index " + std::to_string(index) : "");
}

// A folder under root whose own path has exactly length characters.
std::string NestedFolder(const std::string& root, std::size_t length) {
    std::string folder = root;
    while (folder.size() < length) {
        const std::size_t left = length - folder.size();
        folder += "\\" + std::string(left > 101 ? 90 : left - 1, 'd');
        CreateDirectoryA(folder.c_str(), nullptr);
    }
    return folder;
}

// Counts the beeps instead of sounding them while it lives.
class BeepCounter {
  public:
    BeepCounter() : saved_(Platform().messageBeep) {
        beeps_.clear();
        Platform().messageBeep = Count;
    }
    ~BeepCounter() {
        Platform().messageBeep = saved_;
    }
    const std::vector<UINT>& Beeps() const {
        return beeps_;
    }

  private:
    static BOOL WINAPI Count(UINT type) {
        beeps_.push_back(type);
        return TRUE;
    }
    static inline std::vector<UINT> beeps_;
    BOOL(WINAPI* saved_)(UINT);
};

class IconCells : public ::testing::Test {
  protected:
    void SetUp() override {
        DeleteFileA((TestDirectory() + "\\glyphbay.ini").c_str());
        hDlg = OpenMainDialog();
    }
    void TearDown() override {
        CloseTestDialog(hDlg);
    }

    // Draws item itemID of the current list and checks that it shows icon k, or no icon.
    void ExpectDrawnIcon(UINT itemID, const COLORREF* colour, UINT state = 0) {
        MemoryCanvas canvas(kCanvasWidth, kCanvasHeight, kUntouched);
        EXPECT_EQ(DrawCell(hDlg, canvas, itemID, state), TRUE);
        ExpectCell(canvas, kWhite, colour);
    }

    // Shows folder, which holds a copy of icons3.dll named name and nothing else, and checks
    // that its three icons list, draw and read out.
    void ExpectThreeIconsOf(const std::string& folder, const std::string& name) {
        const std::string path = folder + "\\" + name;
        ASSERT_TRUE(CopyFileA((TestDirectory() + "\\icons3.dll").c_str(), path.c_str(), FALSE));
        ShowTypedFolder(hDlg, folder);
        const std::vector<IconItem> items = IconListItems(hDlg);
        ASSERT_EQ(items.size(), 3u);
        for (unsigned k = 0; k < 3; ++k) {
            EXPECT_EQ(items[k].path, path);
            EXPECT_EQ(items[k].index, k);
            const COLORREF colour = FixtureColour(k);
            ExpectDrawnIcon(k, &colour);
            SelectIconItem(hDlg, static_cast<int>(k));
            EXPECT_EQ(StatusBarText(hDlg), ReadOut(name, k));
        }
    }

    HWND hDlg = nullptr;
};

TEST_F(IconCells, ACellNotSelectedIsWhiteWithItsIconNinePixelsIn) {
    ScratchFolder folder;
    folder.AddFixture("icons3.dll", "three.dll");
    ShowTypedFolder(hDlg, folder.Path());
    const COLORREF icon2 = FixtureColour(2);
    BeepCounter beeps;
    ExpectDrawnIcon(2, &icon2);
    // The focus is not drawn: a focused cell looks like any other.
    ExpectDrawnIcon(2, &icon2, ODS_FOCUS);
    EXPECT_TRUE(beeps.Beeps().empty());
}

TEST_F(IconCells, ASelectedCellHasAnEtchedFrameAndTheFaceColour) {
    ScratchFolder folder;
    folder.AddFixture("icons3.dll", "three.dll");
    ShowTypedFolder(hDlg, folder.Path());
    MemoryCanvas canvas(kCanvasWidth, kCanvasHeight, kUntouched);
    EXPECT_EQ(DrawCell(hDlg, canvas, 1, ODS_SELECTED | ODS_FOCUS), TRUE);

    const COLORREF icon1 = FixtureColour(1);
    ExpectCell(canvas, GetSysColor(COLOR_3DFACE), &icon1, 2);
    // Etched: a sunken outer ring (shadow at the top and left) and a raised inner one.
    const COLORREF shadow = GetSysColor(COLOR_3DSHADOW), light = GetSysColor(COLOR_3DHILIGHT);
    for (int i = 2; i < kCell - 2; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(canvas.Pixel(kLeft, kTop + i), shadow);
        EXPECT_EQ(canvas.Pixel(kLeft + 1, kTop + i), light);
        EXPECT_EQ(canvas.Pixel(kLeft + i, kTop), shadow);
        EXPECT_EQ(canvas.Pixel(kLeft + i, kTop + 1), light);
        EXPECT_EQ(canvas.Pixel(kLeft + kCell - 1, kTop + i), light);
        EXPECT_EQ(canvas.Pixel(kLeft + kCell - 2, kTop + i), shadow);
        EXPECT_EQ(canvas.Pixel(kLeft + i, kTop + kCell - 1), light);
        EXPECT_EQ(canvas.Pixel(kLeft + i, kTop + kCell - 2), shadow);
    }
}

TEST_F(IconCells, AnItemThatCannotBeFetchedBeepsAndDrawsNoIcon) {
    ScratchFolder empty;
    ShowTypedFolder(hDlg, empty.Path());
    BeepCounter beeps;
    // The list box asks for item -1 when an empty list's focus changes.
    ExpectDrawnIcon(static_cast<UINT>(-1), nullptr, ODS_FOCUS);
    ExpectDrawnIcon(0, nullptr);
    EXPECT_EQ(beeps.Beeps(), (std::vector<UINT>{0, 0}));
    // With nothing selected the read-out keeps the status text, without a beep.
    const std::string before = StatusBarText(hDlg);
    SelectIconItem(hDlg, -1);
    EXPECT_EQ(StatusBarText(hDlg), before);
    EXPECT_EQ(beeps.Beeps().size(), 2u);
}

TEST_F(IconCells, EveryIconOfALargeLibraryDrawsAndReadsOutItsOwnIndex) {
    ScratchFolder folder;
    const std::string path = folder.AddFixture("icons520.dll", "many icons.dll");
    ShowTypedFolder(hDlg, folder.Path());
    const std::vector<IconItem> items = IconListItems(hDlg);
    ASSERT_EQ(items.size(), 520u);
    CPINFO codePage{};
    GetCPInfo(CP_ACP, &codePage);
    // On a single-byte code page the texts that the keys have always carried stay as they were.
    if (codePage.MaxCharSize == 1) {
        for (const unsigned k : {0u, 12u, 254u, 256u, 300u}) {
            const char bytes[] = {static_cast<char>((k & 0xFF) + 1),
                                  static_cast<char>((k >> 8) + 1)};
            EXPECT_EQ(IconListText(hDlg, static_cast<int>(k)), path + std::string(bytes, 2)) << k;
            EXPECT_EQ(IconListData(hDlg, static_cast<int>(k)), 0u) << k;
        }
    }
    // Among them the indices with a byte of 255 (255, 511) and those whose low byte + 1 is a
    // lead byte of the Japanese code page (128 to 158, 223 to 251).
    for (unsigned k = 0; k < 520; ++k) {
        SCOPED_TRACE("item " + std::to_string(k));
        EXPECT_EQ(items[k].path, path);
        EXPECT_EQ(items[k].index, k);
        const COLORREF colour = FixtureColour(k);
        ExpectDrawnIcon(k, &colour);
        SelectIconItem(hDlg, static_cast<int>(k));
        EXPECT_EQ(StatusBarText(hDlg), ReadOut("many icons.dll", k));
    }
}

TEST_F(IconCells, PathsUpToTheLongestThatTheShellOpensDrawAndReadOut) {
    struct Case {
        std::size_t length, nameLength;
    };
    // 253 is the longest path that still leaves room in the item text for the index bytes; the
    // long name makes a long read-out.
    for (const Case c : {Case{253, 16}, Case{254, 16}, Case{258, 16}, Case{259, 200}}) {
        SCOPED_TRACE("path of " + std::to_string(c.length));
        const std::string name = std::string(c.nameLength - 16, 'n') + "long name, 1.dll";
        ScratchFolder root;
        const std::string folder = NestedFolder(root.Path(), c.length - 1 - name.size());
        ASSERT_EQ(folder.size() + 1 + name.size(), c.length);
        ExpectThreeIconsOf(folder, name);
    }
}

TEST_F(IconCells, JapanesePathsListDrawAndReadOutWhole) {
    if (GetACP() != 932) GTEST_SKIP() << "needs the Japanese code page";
    // 120 katakana A: 240 bytes but only 120 characters, so the path is short enough to open.
    std::string part;
    for (int i = 0; i < 120; ++i)
        part += "\x83\x41";
    ScratchFolder root;
    const std::string folder = root.AddSubfolder(part);
    // The second byte of the first character looks like a backslash.
    const std::string name = "\x95\x5C\x8E\xA6 1.dll";
    ASSERT_GT(folder.size() + 1 + name.size(), 259u);
    ExpectThreeIconsOf(folder, name);
}

TEST_F(IconCells, AFileRemovedAfterTheScanLeavesBlankCellsThatStillReadOut) {
    ScratchFolder folder;
    const std::string path = folder.AddFixture("icons3.dll", "gone.dll");
    ShowTypedFolder(hDlg, folder.Path());
    ASSERT_EQ(IconListItems(hDlg).size(), 3u);
    ASSERT_TRUE(DeleteFileA(path.c_str()));

    BeepCounter beeps;
    ExpectDrawnIcon(0, nullptr);
    ExpectDrawnIcon(2, nullptr);
    EXPECT_TRUE(beeps.Beeps().empty());
    SelectIconItem(hDlg, 2);
    EXPECT_EQ(StatusBarText(hDlg), ReadOut("gone.dll", 2));
    SelectIconItem(hDlg, 0);
    EXPECT_EQ(StatusBarText(hDlg), ReadOut("gone.dll", 0));
}

TEST_F(IconCells, CellsStayFiftyPixelsSquareWhateverTheListsSizeAndFont) {
    ScratchFolder folder;
    folder.AddFixture("icons520.dll", "many.dll");
    ShowTypedFolder(hDlg, folder.Path());
    const HWND list = GetDlgItem(hDlg, IDC_ICONLIST);
    const HFONT big =
        CreateFontA(-40, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");

    const auto expectCells = [&](const char* when) {
        SCOPED_TRACE(when);
        RECT client;
        GetClientRect(list, &client);
        const int rows = std::max(1, static_cast<int>(client.bottom / kCell));
        RECT first{}, below{}, nextColumn{};
        SendMessageA(list, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
        SendMessageA(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&below));
        SendMessageA(list, LB_GETITEMRECT, rows, reinterpret_cast<LPARAM>(&nextColumn));
        EXPECT_EQ(first.right - first.left, kCell);
        EXPECT_EQ(first.bottom - first.top, kCell);
        EXPECT_EQ(below.top - first.top, kCell);
        EXPECT_EQ(nextColumn.left - first.left, kCell);
        EXPECT_EQ(nextColumn.top, first.top);
    };
    expectCells("at start");
    SetWindowPos(hDlg, nullptr, 0, 0, 900, 700, SWP_NOMOVE | SWP_NOZORDER);
    expectCells("larger");
    SetWindowPos(hDlg, nullptr, 0, 0, 330, 260, SWP_NOMOVE | SWP_NOZORDER);
    expectCells("smaller");
    SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(big), TRUE);
    SendMessageA(hDlg, WM_SETFONT, reinterpret_cast<WPARAM>(big), TRUE);
    expectCells("with a large font");
    SendMessageA(list, WM_SETFONT, 0, FALSE);
    DeleteObject(big);
}

} // namespace
