// Helpers of the Win32 tests.
#include "test_support.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>

#include "../../app/exact_ansi.h"
#include "../../app/main_dialog.h"

std::string TestDirectory() {
    char path[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path, n);
    return dir.substr(0, dir.find_last_of('\\'));
}

HWND OpenMainDialog() {
    HWND hDlg =
        CreateDialogParamA(GetModuleHandleA(nullptr), "GlyphBay", nullptr, MainDialogProc, 0);
    if (!hDlg) throw std::runtime_error("the main dialog was not created");
    PumpMessages();
    return hDlg;
}

void CloseTestDialog(HWND hDlg) {
    DestroyWindow(hDlg);
    PumpMessages();
}

void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

std::string IconListText(HWND hDlg, int index) {
    const LRESULT length = SendDlgItemMessageA(hDlg, IDC_ICONLIST, LB_GETTEXTLEN, index, 0);
    if (length < 0) return "(no item " + std::to_string(index) + ")";
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    SendDlgItemMessageA(hDlg, IDC_ICONLIST, LB_GETTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(strlen(text.c_str()));
    return text;
}

std::uintptr_t IconListData(HWND hDlg, int index) {
    return static_cast<std::uintptr_t>(
        SendDlgItemMessageA(hDlg, IDC_ICONLIST, LB_GETITEMDATA, index, 0));
}

std::vector<IconItem> IconListItems(HWND hDlg) {
    std::vector<IconItem> items;
    const LRESULT count = SendDlgItemMessageA(hDlg, IDC_ICONLIST, LB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i)
        items.push_back(DecodeIconItem(IconListText(hDlg, i), IconListData(hDlg, i)));
    return items;
}

int IconListSelection(HWND hDlg) {
    return static_cast<int>(SendDlgItemMessageA(hDlg, IDC_ICONLIST, LB_GETCURSEL, 0, 0));
}

std::string StatusBarText(HWND hDlg) {
    char text[1024] = "";
    const LRESULT info = SendDlgItemMessageA(hDlg, IDC_STATUSBAR, SB_GETTEXTLENGTHA, 0, 0);
    if (LOWORD(info) >= sizeof text) return "(status text too long)";
    SendDlgItemMessageA(hDlg, IDC_STATUSBAR, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
    return text;
}

std::string ControlText(HWND hDlg, int id) {
    char text[1024] = "";
    GetDlgItemTextA(hDlg, id, text, sizeof text);
    return text;
}

void ShowTypedFolder(HWND hDlg, const std::string& folder) {
    SendDlgItemMessageA(hDlg, IDC_FOLDER, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SetDlgItemTextA(hDlg, IDC_FOLDER, folder.c_str());
    SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

INT_PTR DrawIconListItem(HWND hDlg, HDC dc, UINT itemID, UINT state, const RECT& cell) {
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_LISTBOX;
    item.CtlID = IDC_ICONLIST;
    item.itemID = itemID;
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = state;
    item.hwndItem = GetDlgItem(hDlg, IDC_ICONLIST);
    item.hDC = dc;
    item.rcItem = cell;
    return MainDialogProc(hDlg, WM_DRAWITEM, IDC_ICONLIST, reinterpret_cast<LPARAM>(&item));
}

void SelectIconItem(HWND hDlg, int index) {
    SendDlgItemMessageA(hDlg, IDC_ICONLIST, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_ICONLIST, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(hDlg, IDC_ICONLIST)));
}

COLORREF FixtureColour(unsigned k) {
    return RGB(k & 0xFF, (k >> 8) & 0xFF, 0xA5);
}

COLORREF DrawnIconColour(HWND hDlg, UINT itemID) {
    constexpr int kCell = 50;
    constexpr int kIconMiddle = 9 + 16; // the icon stands 9 pixels in, and is 32 pixels wide
    MemoryCanvas canvas(kCell, kCell, RGB(1, 2, 3));
    DrawIconListItem(hDlg, canvas.Dc(), itemID, 0, {0, 0, kCell, kCell});
    return canvas.Pixel(kIconMiddle, kIconMiddle);
}

MemoryCanvas::MemoryCanvas(int width, int height, COLORREF fill)
    : width_(width), height_(height), dc_(CreateCompatibleDC(nullptr)) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down: row y starts at bits_ + y * width
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap_) throw std::runtime_error("no DIB section");
    bits_ = static_cast<const DWORD*>(bits);
    old_ = SelectObject(dc_, bitmap_);
    const HBRUSH brush = CreateSolidBrush(fill);
    const RECT all{0, 0, width, height};
    FillRect(dc_, &all, brush);
    DeleteObject(brush);
}

MemoryCanvas::~MemoryCanvas() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

COLORREF MemoryCanvas::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) throw std::out_of_range("pixel");
    GdiFlush();
    const DWORD p = bits_[y * width_ + x]; // 0x00RRGGBB
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

namespace {

// Through the wide functions, so that names the ANSI code page lacks go too.
void RemoveTree(const std::wstring& path) {
    WIN32_FIND_DATAW entry;
    const HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring child = path + L"\\" + name;
            SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(child);
            else
                DeleteFileW(child.c_str());
        } while (FindNextFileW(search, &entry));
        FindClose(search);
    }
    RemoveDirectoryW(path.c_str());
}

} // namespace

ScratchFolder::ScratchFolder() {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    static unsigned serial = 0;
    for (;;) {
        path_ = std::string(temp) + "glyphbay-test-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(++serial);
        if (CreateDirectoryA(path_.c_str(), nullptr)) break;
        if (GetLastError() != ERROR_ALREADY_EXISTS)
            throw std::runtime_error("cannot create " + path_);
    }
}

ScratchFolder::~ScratchFolder() {
    RemoveTree(WideFromAnsi(path_));
}

std::string ScratchFolder::AddFixture(const std::string& fixture, const std::string& name) const {
    const std::string target = path_ + "\\" + name;
    if (!CopyFileA((TestDirectory() + "\\" + fixture).c_str(), target.c_str(), FALSE))
        throw std::runtime_error("missing fixture " + fixture);
    return target;
}

std::string ScratchFolder::AddTextFile(const std::string& name, const std::string& text) const {
    const std::string target = path_ + "\\" + name;
    const HANDLE file = CreateFileA(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    return target;
}

std::string ScratchFolder::AddSubfolder(const std::string& name) const {
    const std::string target = path_ + "\\" + name;
    CreateDirectoryA(target.c_str(), nullptr);
    return target;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string bytes(GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    if (!bytes.empty()) ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    bytes.resize(read);
    return bytes;
}

std::string SystemFolder() {
    char system[MAX_PATH];
    const UINT n = GetSystemDirectoryA(system, MAX_PATH);
    return std::string(system, n < MAX_PATH ? n : 0);
}

TestSettingsFile::TestSettingsFile()
    : path_(TestDirectory() + "\\glyphbay.ini"), saved_(ReadWholeFile(path_)) {}

TestSettingsFile::~TestSettingsFile() {
    if (saved_)
        Write(*saved_);
    else
        Remove();
}

void TestSettingsFile::Write(const std::string& text) const {
    const HANDLE file = CreateFileA(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot write " + path_);
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

void TestSettingsFile::Remove() const {
    DeleteFileA(path_.c_str());
}

std::optional<std::string> TestSettingsFile::Read() const {
    return ReadWholeFile(path_);
}

std::vector<std::string> HistoryEntries(HWND hDlg) {
    std::vector<std::string> entries;
    const LRESULT count = SendDlgItemMessageA(hDlg, IDC_FOLDER, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = SendDlgItemMessageA(hDlg, IDC_FOLDER, CB_GETLBTEXTLEN, i, 0);
        std::string text(static_cast<std::size_t>(length) + 1, '\0');
        SendDlgItemMessageA(hDlg, IDC_FOLDER, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(&text[0]));
        text.resize(static_cast<std::size_t>(length));
        entries.push_back(text);
    }
    return entries;
}

int HistorySelection(HWND hDlg) {
    return static_cast<int>(SendDlgItemMessageA(hDlg, IDC_FOLDER, CB_GETCURSEL, 0, 0));
}

void MainDialogTest::SetUp() {
    settings.Write("[Dir]\r\n0=" + emptyFolder.Path() + "\r\n");
    hDlg = OpenMainDialog();
}

void MainDialogTest::TearDown() {
    CloseTestDialog(hDlg);
}

void SettingsFileTest::TearDown() {
    if (hDlg) CloseTestDialog(hDlg);
}

void SettingsFileTest::Open(const std::string& settingsText) {
    settings.Write(settingsText);
    hDlg = OpenMainDialog();
}

void SettingsFileTest::Close() {
    EXPECT_EQ(MainDialogProc(hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0), TRUE);
    CloseTestDialog(hDlg);
    hDlg = nullptr;
}

namespace {

// Reads a dialog template's parts in their stored order.
class TemplateReader {
  public:
    explicit TemplateReader(const BYTE* p) : p_(p), start_(p) {}

    WORD Word() {
        WORD w;
        memcpy(&w, p_, 2);
        p_ += 2;
        return w;
    }
    DWORD Dword() {
        DWORD d;
        memcpy(&d, p_, 4);
        p_ += 4;
        return d;
    }
    short Short() {
        return static_cast<short>(Word());
    }

    // A string, or an ordinal (0xFFFF then a number) given back as "#number".
    std::string NameOrOrdinal() {
        WORD first = Word();
        if (first == 0xFFFF) return "#" + std::to_string(Word());
        std::string text;
        for (; first != 0; first = Word())
            text += static_cast<char>(first < 0x100 ? first : '?');
        return text;
    }

    void AlignDword() {
        while ((p_ - start_) % 4 != 0)
            ++p_;
    }
    void Skip(std::size_t n) {
        p_ += n;
    }

  private:
    const BYTE* p_;
    const BYTE* start_;
};

std::string ClassName(std::string stored) {
    const char* atoms[] = {"BUTTON", "EDIT", "STATIC", "LISTBOX", "SCROLLBAR", "COMBOBOX"};
    for (int i = 0; i < 6; ++i)
        if (stored == "#" + std::to_string(0x80 + i)) return atoms[i];
    CharUpperA(&stored[0]);
    return stored;
}

} // namespace

DialogTemplate ReadDialogTemplate(const char* name) {
    const HMODULE module = GetModuleHandleA(nullptr);
    const HRSRC resource = FindResourceA(module, name, MAKEINTRESOURCEA(5)); // RT_DIALOG
    if (!resource) throw std::runtime_error(std::string("no dialog template ") + name);
    const auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(module, resource)));
    TemplateReader r(bytes);

    DialogTemplate t{};
    t.style = r.Dword();
    t.exStyle = r.Dword();
    const WORD count = r.Word();
    t.x = r.Short();
    t.y = r.Short();
    t.cx = r.Short();
    t.cy = r.Short();
    t.menu = r.NameOrOrdinal();
    t.windowClass = r.NameOrOrdinal();
    t.title = r.NameOrOrdinal();
    if (t.style & DS_SETFONT) {
        t.pointSize = r.Word();
        t.font = r.NameOrOrdinal();
    }
    for (WORD i = 0; i < count; ++i) {
        r.AlignDword();
        TemplateItem item{};
        item.style = r.Dword();
        item.exStyle = r.Dword();
        item.x = r.Short();
        item.y = r.Short();
        item.cx = r.Short();
        item.cy = r.Short();
        item.id = static_cast<short>(r.Word());
        item.className = ClassName(r.NameOrOrdinal());
        item.text = r.NameOrOrdinal();
        r.Skip(r.Word()); // creation data
        t.items.push_back(item);
    }
    return t;
}

namespace {

// The style (with no extended style) and the place in dialog units, which a template stores alike
// for the dialog and for each of its controls.
template <typename Stored, typename Expected>
void ExpectStyleAndPlace(const Stored& stored, const Expected& expected) {
    EXPECT_EQ(stored.style, expected.style);
    EXPECT_EQ(stored.exStyle, 0u);
    EXPECT_EQ(stored.x, expected.x);
    EXPECT_EQ(stored.y, expected.y);
    EXPECT_EQ(stored.cx, expected.cx);
    EXPECT_EQ(stored.cy, expected.cy);
}

} // namespace

DialogTemplate ExpectTemplate(const char* name, const ExpectedTemplate& expected) {
    SCOPED_TRACE(std::string("template ") + name);
    const DialogTemplate t = ReadDialogTemplate(name);
    ExpectStyleAndPlace(t, expected);
    EXPECT_EQ(t.menu, "");
    EXPECT_EQ(t.windowClass, "");
    EXPECT_EQ(t.title, expected.title);
    EXPECT_EQ(t.pointSize, expected.pointSize);
    EXPECT_EQ(t.font, expected.font);

    EXPECT_EQ(t.items.size(), expected.controls.size());
    for (std::size_t i = 0; i < t.items.size() && i < expected.controls.size(); ++i) {
        const TemplateItem& item = t.items[i];
        const ExpectedControl& e = expected.controls[i];
        SCOPED_TRACE("control " + std::to_string(i + 1));
        ExpectStyleAndPlace(item, e);
        EXPECT_EQ(item.id, e.id);
        EXPECT_EQ(item.className, e.className);
        if (e.text) {
            EXPECT_EQ(item.text, e.text);
        }
    }
    return t;
}
