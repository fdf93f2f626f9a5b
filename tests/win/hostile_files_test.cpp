// Damaged, odd and vanishing icon files met by the folder scan, the cells and the read-out of the
// real main dialog: nothing crashes, nothing is drawn outside its cell, nothing is said aloud.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

#include "../../app/main_dialog.h"
#include "hostile_support.h"
#include "test_support.h"

namespace {

constexpr int kCell = 50;
constexpr int kLeft = 10, kTop = 10;
constexpr int kCanvas = kCell + 2 * kLeft;
// A pixel of the icon's square: 9 pixels in from the cell's corner, then well inside 32 x 32.
constexpr int kIconPixel = 9 + 16;
const COLORREF kUntouched = RGB(1, 2, 3);

// --- Damaged copies of a fixture library and of an icon file, made byte by byte. ---

std::uint32_t Read32(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    std::memcpy(&value, bytes.data() + at, 4);
    return value;
}

std::uint16_t Read16(const std::string& bytes, std::size_t at) {
    std::uint16_t value = 0;
    std::memcpy(&value, bytes.data() + at, 2);
    return value;
}

void Write32(std::string& bytes, std::size_t at, std::uint32_t value) {
    std::memcpy(&bytes[at], &value, 4);
}

void Write16(std::string& bytes, std::size_t at, std::uint16_t value) {
    std::memcpy(&bytes[at], &value, 2);
}

// Where the parts of a library's headers lie.
struct PeLayout {
    std::size_t resourceEntry;  // the resource table's entry among the data directories
    std::size_t resourceHeader; // the section header of the resources
    std::size_t resourceRaw;    // the resources' offset in the file
    std::uint32_t resourceRva;  // ... and in the loaded image
};

PeLayout Layout(const std::string& image) {
    const std::size_t pe = Read32(image, 0x3C);
    const std::size_t optional = pe + 24;
    const bool wide = Read16(image, optional) == 0x20B; // PE32+ has 64-bit fields before them
    PeLayout layout{};
    layout.resourceEntry = optional + (wide ? 112 : 96) + 2 * 8;
    const std::uint32_t resourceRva = Read32(image, layout.resourceEntry);
    const std::size_t sections = optional + Read16(image, pe + 20);
    for (std::size_t i = 0; i < Read16(image, pe + 6); ++i) {
        const std::size_t header = sections + 40 * i;
        const std::uint32_t va = Read32(image, header + 12), size = Read32(image, header + 8);
        if (resourceRva >= va && resourceRva < va + size) {
            layout.resourceHeader = header;
            layout.resourceRaw = Read32(image, header + 20) + (resourceRva - va);
            layout.resourceRva = resourceRva;
        }
    }
    if (!layout.resourceHeader) throw std::runtime_error("no resource section");
    return layout;
}

// The file offset of the first resource of a type (3 icon, 14 icon group).
std::size_t FirstResource(const std::string& image, std::uint32_t type) {
    const PeLayout layout = Layout(image);
    const auto entries = [&](std::size_t directory) { return layout.resourceRaw + directory + 16; };
    const auto count = [&](std::size_t directory) -> std::size_t {
        return Read16(image, layout.resourceRaw + directory + 12) +
               Read16(image, layout.resourceRaw + directory + 14);
    };
    for (std::size_t i = 0; i < count(0); ++i) {
        if (Read32(image, entries(0) + 8 * i) != type) continue;
        const std::size_t names = Read32(image, entries(0) + 8 * i + 4) & 0x7FFFFFFF;
        const std::size_t languages = Read32(image, entries(names) + 4) & 0x7FFFFFFF;
        const std::size_t data = Read32(image, entries(languages) + 4);
        return layout.resourceRaw + (Read32(image, layout.resourceRaw + data) - layout.resourceRva);
    }
    throw std::runtime_error("no resource of type " + std::to_string(type));
}

std::string Library() {
    return FixtureBytes("icons3.dll");
}

std::string Truncated(std::size_t length) {
    return Library().substr(0, length);
}

std::string WithResourceTable(std::uint32_t rva, std::uint32_t size) {
    std::string image = Library();
    const PeLayout layout = Layout(image);
    Write32(image, layout.resourceEntry, rva);
    Write32(image, layout.resourceEntry + 4, size);
    return image;
}

std::string WithResourcesStoredAt(std::uint32_t offset) {
    std::string image = Library();
    Write32(image, Layout(image).resourceHeader + 20, offset);
    return image;
}

std::string WithIconGroupCount(std::uint16_t count) {
    std::string image = Library();
    Write16(image, FirstResource(image, 14) + 4, count);
    return image;
}

std::string WithRootDirectoryCount(std::uint16_t count) {
    std::string image = Library();
    Write16(image, Layout(image).resourceRaw + 14, count);
    return image;
}

// An icon file: its header claims count images; entries follow as given, then tail.
std::string IconFile(std::uint16_t count, const std::string& entries, const std::string& tail) {
    std::string bytes(6, '\0');
    Write16(bytes, 2, 1);
    Write16(bytes, 4, count);
    return bytes + entries + tail;
}

// One directory entry of an icon file: 32 x 32, 32 bits, its image at offset.
std::string IconEntry(std::uint32_t size, std::uint32_t offset) {
    std::string entry(16, '\0');
    entry[0] = entry[1] = 32;
    Write16(entry, 4, 1);
    Write16(entry, 6, 32);
    Write32(entry, 8, size);
    Write32(entry, 12, offset);
    return entry;
}

// A 16-bit (NE) program whose resource table claims a type of 65535 resources in a file of a few
// bytes.
std::string NeProgramWithLyingResourceTable() {
    std::string bytes(0x40, '\0');
    bytes[0] = 'M';
    bytes[1] = 'Z';
    Write16(bytes, 2, 0x90);
    Write32(bytes, 0x3C, 0x40); // the NE header follows the DOS header
    std::string ne(0x40, '\0');
    ne[0] = 'N';
    ne[1] = 'E';
    Write16(ne, 0x24, 0x40);  // resource table, from the NE header
    Write16(ne, 0x26, 0x400); // resident names, far beyond the end of the file
    std::string table(10, '\0');
    Write16(table, 0, 4);      // alignment shift
    Write16(table, 2, 0x8003); // icons
    Write16(table, 4, 0xFFFF); // ... 65535 of them
    return bytes + ne + table;
}

// The first length bytes of a file of the system folder.
std::string SystemFileStart(const std::string& name, std::size_t length) {
    const std::string path = SystemFolder() + "\\" + name;
    const std::optional<std::string> bytes = ReadWholeFile(path);
    if (!bytes) throw std::runtime_error("cannot read " + path);
    return bytes->substr(0, length);
}

std::string Repeated(const std::string& part, std::size_t times) {
    std::string all;
    for (std::size_t i = 0; i < times; ++i)
        all += part;
    return all;
}

// --- The dialog's side. ---

// A folder under root whose path has exactly length characters (made through the ANSI calls,
// which take folders up to 248 characters).
std::string FolderOfLength(const std::string& root, std::size_t length) {
    std::string folder = root;
    while (folder.size() < length) {
        const std::size_t left = length - folder.size();
        folder += "\\" + std::string(left > 101 ? 90 : left - 1, 'h');
        if (!CreateDirectoryA(folder.c_str(), nullptr))
            throw std::runtime_error("cannot create " + folder);
    }
    return folder;
}

// Draws item itemID into a cell of a fresh canvas, as the list box asks for it; the colour of
// the middle of the icon's square, after checking that nothing outside the cell was touched.
COLORREF DrawItem(HWND hDlg, UINT itemID, UINT state) {
    MemoryCanvas canvas(kCanvas, kCanvas, kUntouched);
    EXPECT_EQ(DrawIconListItem(hDlg, canvas.Dc(), itemID, state,
                               {kLeft, kTop, kLeft + kCell, kTop + kCell}),
              TRUE);
    int outside = 0;
    for (int y = 0; y < kCanvas; ++y)
        for (int x = 0; x < kCanvas; ++x) {
            const bool inCell = x >= kLeft && y >= kTop && x < kLeft + kCell && y < kTop + kCell;
            if (!inCell && canvas.Pixel(x, y) != kUntouched) ++outside;
        }
    EXPECT_EQ(outside, 0) << "pixels drawn outside the cell of item " << itemID;
    return canvas.Pixel(kLeft + kIconPixel, kTop + kIconPixel);
}

std::string ReadOut(const std::string& name, unsigned index) {
    return " " + name + (index > 0 ? ",  Index " + std::to_string(index) : "");
}

// Makes the list box paint every visible cell through the platform, as it does on the screen.
void PaintList(HWND hDlg) {
    ShowWindow(hDlg, SW_SHOWNOACTIVATE);
    RedrawWindow(GetDlgItem(hDlg, IDC_ICONLIST), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpMessages();
}

struct HostileFile {
    const char* what;
    std::string name;
    std::string bytes;
    // How many icons the file may be listed with: the shell decides, within these bounds.
    unsigned fewest, most;
    bool fixtureIcons;      // the listed icons are the fixture's own, drawn in its colours
    std::size_t pathLength; // the file's full path has this many characters; 0: as it comes
};

// Shows a folder holding the file and a sound library beside it; every item is of one of the
// two, the sound one is listed whatever the other does, and every cell draws and reads out
// silently.
void ExpectListedSafely(HWND hDlg, const HostileFile& file) {
    SCOPED_TRACE(file.what);
    ScratchFolder root;
    const std::string folder =
        file.pathLength ? FolderOfLength(root.Path(), file.pathLength - 1 - file.name.size())
                        : root.Path();
    const std::string path = folder + "\\" + file.name;
    WriteBytes(path, file.bytes);
    const std::string sound = folder + "\\sound.dll";
    ASSERT_TRUE(CopyFileA((TestDirectory() + "\\icons1.dll").c_str(), sound.c_str(), FALSE));

    SilenceWatch silence;
    ShowTypedFolder(hDlg, folder);
    const std::vector<IconItem> items = IconListItems(hDlg);
    unsigned hostile = 0, sounds = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const IconItem& item = items[i];
        const UINT id = static_cast<UINT>(i);
        if (item.path == sound) {
            EXPECT_EQ(item.index, 0u);
            EXPECT_EQ(DrawItem(hDlg, id, 0), FixtureColour(0));
            SelectIconItem(hDlg, static_cast<int>(i));
            EXPECT_EQ(StatusBarText(hDlg), ReadOut("sound.dll", 0));
            ++sounds;
            continue;
        }
        ASSERT_EQ(item.path, path) << "item " << i;
        EXPECT_EQ(item.index, hostile) << "item " << i;
        const COLORREF drawn = DrawItem(hDlg, id, ODS_SELECTED);
        if (file.fixtureIcons) {
            EXPECT_EQ(drawn, FixtureColour(item.index)) << "item " << i;
        }
        SelectIconItem(hDlg, static_cast<int>(i));
        EXPECT_EQ(StatusBarText(hDlg), ReadOut(file.name, item.index));
        ++hostile;
    }
    EXPECT_EQ(sounds, 1u);
    EXPECT_GE(hostile, file.fewest);
    EXPECT_LE(hostile, file.most);
    PaintList(hDlg);
    silence.ExpectSilence();
    RemoveFile(path); // a path too long for the ANSI calls that empty the folder
}

using HostileFiles = MainDialogTest;

TEST_F(HostileFiles, DamagedAndOddFilesListOnlyWhatTheShellCountsAndDrawSilently) {
    const std::string zeros(16, '\0');
    // Bytes 0xC4 0xD6 0xDC 0xA9 are characters of their own on the Western and the Japanese
    // code page alike.
    const std::string highName = "\xC4\xD6\xDC \xA9 icons.dll";
    // A 32 x 32 image header whose pixels the file does not hold.
    const std::string imageHeader = [] {
        std::string header(40, '\0');
        Write32(header, 0, 40);
        Write32(header, 4, 32);
        Write32(header, 8, 64);
        Write16(header, 12, 1);
        Write16(header, 14, 32);
        return header;
    }();
    // Where the shell's reader trusts what such a file claims, it reads past the file's end:
    // the program takes the file for one without icons, or draws its cells blank.
    const HostileFile files[] = {
        {"the first 200 bytes of a library", "cut200.dll", Truncated(200), 0, 0, false, 0},
        {"the first 1000 bytes of a library", "cut1000.dll", Truncated(1000), 0, 0, false, 0},
        {"a download cut inside the DOS header", "dos.dll", FixtureBytes("partial_dos.dll"), 0, 0,
         false, 0},
        {"a download cut inside the PE header", "pe.dll", FixtureBytes("partial_pe.dll"), 0, 0,
         false, 0},
        {"a download cut inside the section table", "sections.dll",
         FixtureBytes("partial_sections.dll"), 0, 0, false, 0},
        {"a download cut after the headers, before the resources", "body.dll",
         FixtureBytes("partial_body.dll"), 0, 0, false, 0},
        {"a download cut inside the resources", "resources.dll",
         FixtureBytes("partial_resources.dll"), 0, 3, false, 0},
        {"the system's shell32.dll cut to 1,000,000 bytes", "shell32.dll",
         SystemFileStart("shell32.dll", 1000000), 0, 1000, false, 0},
        {"an empty program file", "empty.exe", "", 0, 0, false, 0},
        {"a library whose resource table lies outside the image", "far.dll",
         WithResourceTable(0x7FFFFFF0, 0x100), 0, 0, false, 0},
        {"a library whose resource table lies at the end of the address space", "wrap.dll",
         WithResourceTable(0xFFFFFFF0, 0xFFFF), 0, 0, false, 0},
        {"a library whose resource table runs far past the end of the file", "long.dll",
         WithResourceTable(Read32(Library(), Layout(Library()).resourceEntry), 0x7FFFFFFF), 0, 3,
         true, 0},
        {"a library whose resources are stored past the end of the file", "raw.dll",
         WithResourcesStoredAt(0x7FFFFFF0), 0, 0, false, 0},
        {"a library whose icon group claims 65535 icons", "group.dll", WithIconGroupCount(0xFFFF),
         0, 3, false, 0},
        {"a library whose resource table claims 65535 types", "types.dll",
         WithRootDirectoryCount(0xFFFF), 0, 3, false, 0},
        {"a 16-bit program whose resource table claims 65535 icons", "old.exe",
         NeProgramWithLyingResourceTable(), 0, 0, false, 0},
        {"an icon file with a header of another kind", "bad.ico",
         "\x00\x00\x07\x00\x01\x00" + std::string(30, '\xFF'), 0, 0, false, 0},
        {"an icon file cut inside its header", "short.ico", std::string("\x00\x00\x01", 3), 0, 0,
         false, 0},
        // An icon file is one icon to the shell however many images it claims.
        {"an icon file claiming 65535 empty images", "many.ico",
         IconFile(0xFFFF, Repeated(zeros, 0xFFFF), ""), 0, 1, false, 0},
        // Icon files whose directory lies about the file never reach the reader: no icon.
        {"an icon file claiming 65535 images with no directory", "header.ico",
         IconFile(0xFFFF, "", ""), 0, 0, false, 0},
        {"an icon file claiming 65535 images with a directory of three", "three.ico",
         IconFile(0xFFFF, Repeated(IconEntry(40, 6 + 3 * 16), 3), imageHeader), 0, 0, false, 0},
        {"an icon file claiming 1000 images of junk", "junk.ico",
         IconFile(1000, Repeated(IconEntry(40, 6), 1000), std::string(64, '\xFF')), 0, 1, false, 0},
        {"an icon file whose image lies far past its end", "far.ico",
         IconFile(1, IconEntry(40, 0x7FFFFFF0), ""), 0, 0, false, 0},
        {"an icon file whose image claims 0xFFFFFFFF bytes", "huge.ico",
         IconFile(1, IconEntry(0xFFFFFFFF, 6 + 16), imageHeader), 0, 0, false, 0},
        {"a library named with bytes above 0x7F", highName, Library(), 3, 3, true, 0},
        {"a library named with bytes above 0x7F, its path 259 characters long", highName, Library(),
         3, 3, true, 259},
        {"a library whose path is 260 characters long, too long to open", "toolong.dll", Library(),
         0, 0, false, 260},
    };
    for (const HostileFile& file : files)
        ExpectListedSafely(hDlg, file);
}

// Puts the items of the files for which first(path) is true before all others, each file's
// items in their order, as a scan that met those files first would have listed them.
void ListFirst(HWND hDlg, bool (*first)(const std::string& path)) {
    struct Item {
        std::string text;
        std::uintptr_t data;
        bool first;
    };
    std::vector<Item> items;
    const std::vector<IconItem> decoded = IconListItems(hDlg);
    for (std::size_t i = 0; i < decoded.size(); ++i) {
        const int id = static_cast<int>(i);
        items.push_back({IconListText(hDlg, id), IconListData(hDlg, id), first(decoded[i].path)});
    }
    std::stable_partition(items.begin(), items.end(), [](const Item& item) { return item.first; });
    SendDlgItemMessageA(hDlg, IDC_ICONLIST, LB_RESETCONTENT, 0, 0);
    for (const Item& item : items) {
        const LRESULT at = SendDlgItemMessageA(hDlg, IDC_ICONLIST, LB_ADDSTRING, 0,
                                               reinterpret_cast<LPARAM>(item.text.c_str()));
        SendDlgItemMessageA(hDlg, IDC_ICONLIST, LB_SETITEMDATA, static_cast<WPARAM>(at),
                            static_cast<LPARAM>(item.data));
    }
}

bool IsCutDownload(const std::string& path) {
    const std::string name = "\\resources.dll";
    return path.size() >= name.size() &&
           path.compare(path.size() - name.size(), name.size(), name) == 0;
}

// Wine's reader counts the icons of a download cut inside its resources and faults on each one
// it extracts. Inside the list box's painting, such a fault used to end the painting, and every
// cell after it stayed blank.
TEST_F(HostileFiles, CellsAfterAFileTheReaderFaultsOnAreDrawnWhenTheListPaints) {
    ScratchFolder folder;
    folder.AddFixture("partial_resources.dll", "resources.dll");
    folder.AddFixture("icons3.dll", "three.dll");
    ShowTypedFolder(hDlg, folder.Path());
    ListFirst(hDlg, IsCutDownload);
    const std::vector<IconItem> items = IconListItems(hDlg);
    ASSERT_GE(items.size(), 3u);

    SilenceWatch silence;
    const HWND list = GetDlgItem(hDlg, IDC_ICONLIST);
    RECT client;
    GetClientRect(list, &client);
    MemoryCanvas canvas(client.right, client.bottom, kUntouched);
    SendMessageA(list, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT);
    int threes = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        RECT cell{};
        SendMessageA(list, LB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&cell));
        if (cell.right > client.right || cell.bottom > client.bottom) continue; // not shown
        const COLORREF drawn = canvas.Pixel(cell.left + kIconPixel, cell.top + kIconPixel);
        if (IsCutDownload(items[i].path)) {
            EXPECT_EQ(drawn, RGB(255, 255, 255)) << "item " << i;
        } else {
            EXPECT_EQ(drawn, FixtureColour(items[i].index)) << "item " << i;
            ++threes;
        }
    }
    EXPECT_EQ(threes, 3);
    // The first of the cut file's cells to fault marked them all, so that the reader is not
    // asked again for any of them until the next scan.
    if (RunningOnWine()) {
        for (std::size_t i = 0; i < items.size(); ++i)
            EXPECT_EQ((IconListData(hDlg, static_cast<int>(i)) & kNoIconMark) != 0,
                      IsCutDownload(items[i].path))
                << "item " << i;
    }
    silence.ExpectSilence();
}

// A thousand reads that fault, then the program scans and paints an intact folder as ever.
TEST_F(HostileFiles, AThousandFaultsThenAScanAndRepaintAsEver) {
    if (!RunningOnWine()) GTEST_SKIP() << "the partial downloads fault only in Wine's reader";
    ScratchFolder damaged;
    damaged.AddFixture("partial_body.dll", "body.dll");
    damaged.AddFixture("partial_resources.dll", "resources.dll");
    MemoryCanvas canvas(kCanvas, kCanvas, kUntouched);
    SilenceWatch silence;
    for (int i = 0; i < 500; ++i) {
        ShowTypedFolder(hDlg, damaged.Path()); // the count of body.dll faults
        ASSERT_EQ(IconListItems(hDlg).size(), 3u);
        // The first cell drawn faults, and marks the file's other cells.
        DrawIconListItem(hDlg, canvas.Dc(), 0, 0, {kLeft, kTop, kLeft + kCell, kTop + kCell});
    }
    ScratchFolder intact;
    intact.AddFixture("icons3.dll", "three.dll");
    ShowTypedFolder(hDlg, intact.Path());
    ASSERT_EQ(IconListItems(hDlg).size(), 3u);
    for (unsigned k = 0; k < 3; ++k)
        EXPECT_EQ(DrawItem(hDlg, k, 0), FixtureColour(k));
    PaintList(hDlg);
    silence.ExpectSilence();
}

TEST_F(HostileFiles, AFolderDeletedAfterTheScanLeavesBlankCellsThatStillReadOut) {
    auto folder = std::make_unique<ScratchFolder>();
    folder->AddFixture("icons3.dll", "three.dll");
    folder->AddSubfolder("sub");
    const std::string path = folder->Path() + "\\three.dll";
    ShowTypedFolder(hDlg, folder->Path());
    ASSERT_EQ(IconListItems(hDlg).size(), 3u);
    const std::string shown = folder->Path();
    folder.reset(); // the folder goes, with everything in it
    ASSERT_EQ(GetFileAttributesA(shown.c_str()), INVALID_FILE_ATTRIBUTES);

    SilenceWatch silence;
    PaintList(hDlg);
    for (unsigned k = 0; k < 3; ++k) {
        EXPECT_EQ(DrawItem(hDlg, k, k == 1 ? ODS_SELECTED : 0),
                  k == 1 ? GetSysColor(COLOR_3DFACE) : RGB(255, 255, 255));
        SelectIconItem(hDlg, static_cast<int>(k));
        EXPECT_EQ(StatusBarText(hDlg), ReadOut("three.dll", k));
    }
    // Shown again, the folder that is gone gives an empty list; the read-out stays.
    SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_TRUE(IconListItems(hDlg).empty());
    EXPECT_EQ(StatusBarText(hDlg), ReadOut("three.dll", 2));
    PaintList(hDlg);
    silence.ExpectSilence();
}

} // namespace
