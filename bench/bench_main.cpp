// The benchmark: times the scan, the repaint and the use of resources of the real main dialog
// against the bare platform calls, and prints the figures as a table (also written to a file).
#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <string>
#include <vector>

#include "../app/main_dialog.h"
#include "../catalogue/folder_scan.h"
#include "bench_folders.h"
#include "bench_measures.h"
#include "bench_timing.h"

namespace {

// Sizes of the generated folders: 20,000 files of which 2,000 hold 1 to 3 icons, and a file
// of 1,000 icons copied 1, 10 and 100 times.
constexpr int kMixedFiles = 20000;
constexpr int kMixedIconFiles = 2000;
constexpr int kThousandCopies[] = {1, 10, 100};
// The repaint's window: about 300 cells of 50 x 50 pixels visible at once.
constexpr int kRepaintWidth = 1060;
constexpr int kRepaintHeight = 860;
constexpr int kResourceScans = 100;
constexpr int kResourceCellDrawings = 10000;
constexpr int kControlLeakedIcons = 1000;
// The damaged folder: 300 files, every tenth a partial download; and the faults in a row.
constexpr int kDamagedFiles = 300;
constexpr int kDamagedEvery = 10;
constexpr int kFaultsInARow = 1000;

std::vector<std::string> table;

void Row(const char* format, ...) {
    char line[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    std::printf("%s\n", line);
    std::fflush(stdout);
    table.push_back(line);
}

void Progress(const char* what) {
    std::fprintf(stderr, "bench: %s\n", what);
}

// Points the dialog's settings file at an empty folder, so that it opens without a scan.
void WriteStartSettings(const std::string& emptyFolder) {
    const std::string ini = BenchDirectory() + "\\glyphbay.ini";
    WritePrivateProfileStringA("Dir", nullptr, nullptr, ini.c_str());
    WritePrivateProfileStringA("Dir", "0", emptyFolder.c_str(), ini.c_str());
}

void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// One timed figure: what was measured, its size, the program's time, the baseline's, the ratio.
void FigureRow(const char* part, const char* figure, long size, const char* sizeUnit,
               double measured, double baseline, const char* timeUnit, const char* goal) {
    Row("%s  %-38s %7ld %-5s %9.3f %-2s %9.3f %-2s %6.3f   %s", part, figure, size, sizeUnit,
        measured, timeUnit, baseline, timeUnit, measured / baseline, goal);
}

void ScanRows(HWND hDlg, const std::string& dataDir) {
    char system[MAX_PATH + 1];
    GetSystemDirectoryA(system, MAX_PATH);
    Progress("scan of the system folder");
    ScanFigures s = MeasureScan(hDlg, system, 5);
    FigureRow("1", ("scan " + std::string(system)).c_str(), s.items, "items", s.scanSeconds,
              s.bareSeconds, "s", "<= 1.05");
    Progress("generating the folder of 20,000 files (once)");
    const std::string mixed = MixedFolder(dataDir, kMixedFiles, kMixedIconFiles);
    Progress("scan of 20,000 files");
    s = MeasureScan(hDlg, mixed, 5);
    FigureRow("1", "scan 20,000 files, 2,000 with icons", s.items, "items", s.scanSeconds,
              s.bareSeconds, "s", "<= 1.05");
}

void ManyItemRows(HWND hDlg, const std::string& dataDir) {
    double firstPerItem = 0;
    for (const int copies : kThousandCopies) {
        Progress(("scan of " + std::to_string(copies) + " x 1,000 icons").c_str());
        const std::string folder = ThousandIconFolder(dataDir, copies);
        long items = 0;
        const double seconds = MeasureScanOnly(hDlg, folder, copies < 100 ? 5 : 3, &items);
        const double perItem = seconds / static_cast<double>(items > 0 ? items : 1);
        if (firstPerItem == 0) firstPerItem = perItem;
        const std::string figure =
            "scan time per item, " + std::to_string(copies) + " x 1,000 icons";
        FigureRow("2", figure.c_str(), items, "items", perItem * 1e6, firstPerItem * 1e6, "us",
                  "flat");
    }
}

void RepaintRows(HWND hDlg, const std::string& dataDir) {
    Progress("repaint");
    TypeFolder(hDlg, ThreeIconFolder(dataDir, 200));
    ScanFolder(hDlg);
    SetWindowPos(hDlg, HWND_TOP, 0, 0, kRepaintWidth, kRepaintHeight, SWP_SHOWWINDOW);
    PumpMessages();
    const RepaintFigures r = MeasureRepaint(hDlg, 15);
    FigureRow("3", "full repaint of the icon list", r.cells, "cells", r.repaintSeconds,
              r.bareSeconds, "s", "<= 1.10");
    FigureRow("3", "DrawIconCell alone, same cells", r.cells, "cells", r.cellsSeconds,
              r.bareSeconds, "s", "<= 1.10");
}

// One resource's count before and after the work; the deliberate leak that follows shows what
// a leak of icons would add.
void ResourceRow(const char* what, std::size_t before, std::size_t after, std::size_t leaked) {
    const long growth = static_cast<long>(after) - static_cast<long>(before);
    if (before == 0 && after == 0 && leaked == 0)
        Row("4  %-22s not counted by this platform (0 throughout)", what);
    else
        Row("4  %-22s %9lu before %9lu after   growth %6ld   (1,000 icons leaked: %+ld)", what,
            static_cast<unsigned long>(before), static_cast<unsigned long>(after), growth,
            static_cast<long>(leaked) - static_cast<long>(after));
}

void ResourceRows(HWND hDlg, const std::string& dataDir) {
    Progress("resources over 100 scans and 10,000 cell drawings");
    const std::string folder = ThreeIconFolder(dataDir, 200);
    TypeFolder(hDlg, folder);
    ScanFolder(hDlg);
    RepaintIconList(hDlg);
    PumpMessages();
    const ResourceFigures before = MeasureResources();
    for (int i = 0; i < kResourceScans; ++i)
        ScanFolder(hDlg);
    const RepaintFigures visible = MeasureRepaint(hDlg, 1);
    const int cellsPerRepaint = visible.cells > 0 ? visible.cells : 1;
    for (int drawn = 0; drawn < kResourceCellDrawings; drawn += cellsPerRepaint)
        RepaintIconList(hDlg);
    PumpMessages();
    const ResourceFigures after = MeasureResources();
    // A deliberate leak of 1,000 icons, to show what a leak does to the same figures.
    LeakIcons(folder + "\\icons00000.dll", kControlLeakedIcons);
    const ResourceFigures leaked = MeasureResources();
    ResourceRow("GDI objects", before.gdiObjects, after.gdiObjects, leaked.gdiObjects);
    ResourceRow("user objects", before.userObjects, after.userObjects, leaked.userObjects);
    ResourceRow("kernel handles", before.kernelHandles, after.kernelHandles, leaked.kernelHandles);
    ResourceRow("private KiB", before.privateBytes / 1024, after.privateBytes / 1024,
                leaked.privateBytes / 1024);
    ResourceRow("mapped KiB", before.mappedBytes / 1024, after.mappedBytes / 1024,
                leaked.mappedBytes / 1024);
}

// What faults in the shell's reader leave behind, once the guard has taken them.
void FaultRows() {
    Progress("1,000 faults in the shell's reader");
    const std::string body = BenchDirectory() + "\\partial_body.dll";
    const std::string resources = BenchDirectory() + "\\partial_resources.dll";
    FaultRepeatedly(body, resources, 2); // the reader's own first-use allocations
    const ResourceFigures before = MeasureResources();
    const double start = NowSeconds();
    FaultRepeatedly(body, resources, kFaultsInARow);
    const double seconds = NowSeconds() - start;
    const ResourceFigures after = MeasureResources();
    Row("4  1,000 faults, private KiB %6lu before %6lu after   growth %6ld   (%.2f s in all)",
        static_cast<unsigned long>(before.privateBytes / 1024),
        static_cast<unsigned long>(after.privateBytes / 1024),
        static_cast<long>(after.privateBytes / 1024) -
            static_cast<long>(before.privateBytes / 1024),
        seconds);
    Row("4  1,000 faults, mapped KiB  %6lu before %6lu after   growth %6ld",
        static_cast<unsigned long>(before.mappedBytes / 1024),
        static_cast<unsigned long>(after.mappedBytes / 1024),
        static_cast<long>(after.mappedBytes / 1024) - static_cast<long>(before.mappedBytes / 1024));
}

// A folder where every tenth file is a partial download: the scan and the first repaint, with
// the guard taking the reader's faults, against the bare calls for the intact files alone.
void DamagedRows(HWND hDlg, const std::string& dataDir) {
    Progress("scan and repaint of a folder with partial downloads");
    const std::string folder = DamagedFolder(dataDir, kDamagedFiles, kDamagedEvery);
    const ScanFigures s = MeasureScan(hDlg, folder, 5, IsPartialDownload);
    FigureRow("5", "scan 300 files, every 10th cut short", s.items, "items", s.scanSeconds,
              s.bareSeconds, "s", "shown");
    const RepaintFigures r = MeasureFirstRepaint(hDlg, 5, IsPartialDownload);
    FigureRow("5", "first repaint after that scan", r.cells, "cells", r.repaintSeconds,
              r.bareSeconds, "s", "shown");
}

} // namespace

int main(int argc, char** argv) {
    const std::string output = argc > 1 ? argv[1] : BenchDirectory() + "\\bench-figures.txt";
    const std::string dataDir = BenchDirectory() + "\\data";
    CreateDirectoryA(dataDir.c_str(), nullptr);
    const std::string empty = dataDir + "\\empty";
    CreateDirectoryA(empty.c_str(), nullptr);
    WriteStartSettings(empty);

    const HWND hDlg =
        CreateDialogParamA(GetModuleHandleA(nullptr), "GLYPHBAY", nullptr, MainDialogProc, 0);
    if (!hDlg) {
        std::fprintf(stderr, "bench: the main dialog was not created\n");
        return 1;
    }
    PumpMessages();
    Row("#  %-38s %13s %12s %12s %6s   %s", "figure", "size", "measured", "baseline", "ratio",
        "goal");
    ScanRows(hDlg, dataDir);
    ManyItemRows(hDlg, dataDir);
    RepaintRows(hDlg, dataDir);
    ResourceRows(hDlg, dataDir);
    FaultRows();
    DamagedRows(hDlg, dataDir);
    DestroyWindow(hDlg);

    FILE* file = std::fopen(output.c_str(), "w");
    if (!file) {
        std::fprintf(stderr, "bench: cannot write %s\n", output.c_str());
        return 1;
    }
    for (const std::string& line : table)
        std::fprintf(file, "%s\n", line.c_str());
    std::fclose(file);
    return 0;
}
