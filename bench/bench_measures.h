// What the benchmark measures: the program's own code against the bare platform calls it makes.
#pragma once

#include <windows.h>

#include <string>

// Puts folder into the folder box's edit field (no entry selected), as if typed.
void TypeFolder(HWND hDlg, const std::string& folder);

struct ScanFigures {
    double scanSeconds; // ScanFolder through the dialog
    double bareSeconds; // the same enumeration and icon counts, without the list
    long items;         // items the scan listed
};

// Tells the files that the bare platform calls must leave alone: damaged ones that the shell's
// reader faults on, which only the program's guard survives.
using FileFilter = bool (*)(const std::string& name);

// Median times over rounds interleaved runs of ScanFolder and of the bare loop; the bare loop
// leaves out the files that skip names, if given.
ScanFigures MeasureScan(HWND hDlg, const std::string& folder, int rounds,
                        FileFilter skip = nullptr);

// The median time of one ScanFolder of folder, after a first run that warms the caches.
double MeasureScanOnly(HWND hDlg, const std::string& folder, int rounds, long* items);

struct RepaintFigures {
    double repaintSeconds; // a full repaint of the icon list
    double bareSeconds;    // extract, draw and destroy each visible cell's icon
    double cellsSeconds;   // DrawIconCell for each visible cell, called directly
    int cells;             // cells visible, and so drawn by each repaint
};

// The dialog must be shown, with the icon list filled beyond its visible cells.
RepaintFigures MeasureRepaint(HWND hDlg, int rounds);

// The first repaint after each of rounds scans of the current folder (so with every cell's file
// read afresh), against the bare extraction of the visible cells' icons, less those of the
// files that skip names.
RepaintFigures MeasureFirstRepaint(HWND hDlg, int rounds, FileFilter skip);

// Repaints the whole icon list at once, as after it was uncovered.
void RepaintIconList(HWND hDlg);

struct ResourceFigures {
    DWORD gdiObjects;
    DWORD userObjects;
    DWORD kernelHandles;
    SIZE_T privateBytes;
    SIZE_T mappedBytes; // views of files mapped in the process
};

ResourceFigures MeasureResources();

// Extracts count icons of the file at path and never destroys them: the leak that the resource
// figures must be able to show.
void LeakIcons(const std::string& path, int count);

// Reads damaged files through the program's guarded reader until it has faulted faults times,
// half of them counting the icons of countFault, half extracting an icon of extractFault.
void FaultRepeatedly(const std::string& countFault, const std::string& extractFault, int faults);
