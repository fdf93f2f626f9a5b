// What the benchmark measures: the program's own code against the bare platform calls it makes.
#include "bench_measures.h"

#include <psapi.h>
#include <shellapi.h>

#include <cstring>
#include <vector>

#include "../app/main_dialog.h"
#include "../catalogue/folder_scan.h"
#include "../catalogue/icon_cells.h"
#include "../catalogue/icon_item_key.h"
#include "../catalogue/shell_icons.h"
#include "bench_timing.h"

namespace {

// The scan's platform calls alone: enumerate, skip what is no file, ask each file's icon count.
long BareScan(const std::string& folder, FileFilter skip) {
    WIN32_FIND_DATAA entry;
    const HANDLE search = FindFirstFileA((folder + "\\*.*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return 0;
    long icons = 0;
    do {
        if (std::strcmp(entry.cFileName, ".") == 0 || std::strcmp(entry.cFileName, "..") == 0 ||
            (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || (skip && skip(entry.cFileName)))
            continue;
        const std::string path = folder + "\\" + entry.cFileName;
        const auto count = reinterpret_cast<INT_PTR>(
            ExtractIconA(GetModuleHandleA(nullptr), path.c_str(), static_cast<UINT>(-1)));
        if (count > 0) icons += static_cast<long>(count);
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    return icons;
}

long IconListCount(HWND hDlg) {
    return static_cast<long>(SendDlgItemMessageA(hDlg, IDC_ICONLIST, LB_GETCOUNT, 0, 0));
}

struct VisibleCell {
    IconItem icon;
    RECT rect;
};

// The cells that the icon list shows now, with their items decoded.
std::vector<VisibleCell> VisibleCells(HWND hDlg) {
    const HWND list = GetDlgItem(hDlg, IDC_ICONLIST);
    RECT client;
    GetClientRect(list, &client);
    std::vector<VisibleCell> cells;
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = SendMessageA(list, LB_GETTOPINDEX, 0, 0); i < count; ++i) {
        RECT rect, inside;
        SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&rect));
        if (!IntersectRect(&inside, &rect, &client)) break;
        std::string text(static_cast<std::size_t>(SendMessageA(list, LB_GETTEXTLEN, i, 0)) + 1,
                         '\0');
        SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&text[0]));
        text.resize(std::strlen(text.c_str()));
        const auto data = static_cast<std::uintptr_t>(SendMessageA(list, LB_GETITEMDATA, i, 0));
        cells.push_back({DecodeIconItem(text, data), rect});
    }
    return cells;
}

// The cells' platform calls alone: extract, draw and destroy each cell's icon, leaving out the
// cells of the files that skip names, if given.
void BareDrawing(HWND list, const std::vector<VisibleCell>& cells, FileFilter skip) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    const HDC dc = GetDC(list);
    for (const VisibleCell& cell : cells) {
        const std::string& path = cell.icon.path;
        if (skip && skip(path.substr(path.rfind('\\') + 1))) continue;
        const HICON icon = ExtractIconA(instance, path.c_str(), cell.icon.index);
        DrawIcon(dc, cell.rect.left + 9, cell.rect.top + 9, icon);
        DestroyIcon(icon);
    }
    ReleaseDC(list, dc);
}

// The views of files mapped in the process, in bytes.
SIZE_T MappedBytes() {
    SIZE_T bytes = 0;
    MEMORY_BASIC_INFORMATION region;
    const char* at = nullptr;
    while (VirtualQuery(at, &region, sizeof region) == sizeof region) {
        if (region.Type == MEM_MAPPED) bytes += region.RegionSize;
        const char* const next = static_cast<const char*>(region.BaseAddress) + region.RegionSize;
        if (next <= at) break;
        at = next;
    }
    return bytes;
}

} // namespace

void TypeFolder(HWND hDlg, const std::string& folder) {
    SendDlgItemMessageA(hDlg, IDC_FOLDER, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SetDlgItemTextA(hDlg, IDC_FOLDER, folder.c_str());
}

ScanFigures MeasureScan(HWND hDlg, const std::string& folder, int rounds, FileFilter skip) {
    TypeFolder(hDlg, folder);
    ScanFolder(hDlg);
    BareScan(folder, skip);
    const auto times =
        MedianTimes({[&] { ScanFolder(hDlg); }, [&] { BareScan(folder, skip); }}, rounds);
    return {times[0], times[1], IconListCount(hDlg)};
}

double MeasureScanOnly(HWND hDlg, const std::string& folder, int rounds, long* items) {
    TypeFolder(hDlg, folder);
    ScanFolder(hDlg);
    const double seconds = MedianTimes({[&] { ScanFolder(hDlg); }}, rounds)[0];
    *items = IconListCount(hDlg);
    return seconds;
}

void RepaintIconList(HWND hDlg) {
    RedrawWindow(GetDlgItem(hDlg, IDC_ICONLIST), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

RepaintFigures MeasureRepaint(HWND hDlg, int rounds) {
    const std::vector<VisibleCell> cells = VisibleCells(hDlg);
    const HWND list = GetDlgItem(hDlg, IDC_ICONLIST);
    auto bare = [&] { BareDrawing(list, cells, nullptr); };
    // The program's drawing of the same cells, without the list box's own painting around it.
    auto cellsAlone = [&] {
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_LISTBOX;
        item.CtlID = IDC_ICONLIST;
        item.itemAction = ODA_DRAWENTIRE;
        item.hwndItem = list;
        item.hDC = GetDC(list);
        const UINT top = static_cast<UINT>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
        for (std::size_t i = 0; i < cells.size(); ++i) {
            item.itemID = top + static_cast<UINT>(i);
            item.rcItem = cells[i].rect;
            DrawIconCell(hDlg, &item);
        }
        ReleaseDC(list, item.hDC);
    };
    RepaintIconList(hDlg);
    bare();
    const auto times = MedianTimes({[&] { RepaintIconList(hDlg); }, bare, cellsAlone}, rounds);
    return {times[0], times[1], times[2], static_cast<int>(cells.size())};
}

RepaintFigures MeasureFirstRepaint(HWND hDlg, int rounds, FileFilter skip) {
    const HWND list = GetDlgItem(hDlg, IDC_ICONLIST);
    std::vector<double> repaints, bares;
    for (int round = 0; round < rounds; ++round) {
        ScanFolder(hDlg);
        double start = NowSeconds();
        RepaintIconList(hDlg);
        repaints.push_back(NowSeconds() - start);
        const std::vector<VisibleCell> cells = VisibleCells(hDlg);
        start = NowSeconds();
        BareDrawing(list, cells, skip);
        bares.push_back(NowSeconds() - start);
    }
    return {Median(repaints), Median(bares), 0, static_cast<int>(VisibleCells(hDlg).size())};
}

ResourceFigures MeasureResources() {
    ResourceFigures figures{};
    const HANDLE process = GetCurrentProcess();
    figures.gdiObjects = GetGuiResources(process, GR_GDIOBJECTS);
    figures.userObjects = GetGuiResources(process, GR_USEROBJECTS);
    GetProcessHandleCount(process, &figures.kernelHandles);
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                             sizeof memory))
        // Both give the process's private committed memory; Wine fills in only the second.
        figures.privateBytes = memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage;
    figures.mappedBytes = MappedBytes();
    return figures;
}

void FaultRepeatedly(const std::string& countFault, const std::string& extractFault, int faults) {
    for (int i = 0; i < faults / 2; ++i) {
        CountShellIcons(countFault.c_str());
        HICON icon = nullptr;
        ExtractShellIcon(extractFault.c_str(), 0, &icon);
    }
}

void LeakIcons(const std::string& path, int count) {
    for (int i = 0; i < count; ++i)
        ExtractIconA(GetModuleHandleA(nullptr), path.c_str(), static_cast<UINT>(i % 3));
}
