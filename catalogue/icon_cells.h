// The icon list's cells and the read-out of the selected cell in the status bar.
#pragma once

#include <windows.h>

// Draws one cell of the icon list (control IDC_ICONLIST); returns TRUE.
BOOL DrawIconCell(HWND hDlg, const DRAWITEMSTRUCT* item);

// Shows the selected item's file name and icon index in the status bar; returns TRUE.
BOOL ShowItemInStatus(HWND hDlg);
