// The folder scan: fills the icon list with one item per icon of every file in the folder.
#pragma once

#include <windows.h>

// Replaces the icon list's items with those of the current folder text's folder.
void ScanFolder(HWND hDlg);
