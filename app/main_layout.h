// Layout of the main dialog's controls after a change of its size.
#pragma once

#include <windows.h>

// width, height: the new client size in pixels, as WM_SIZE reports it.
void LayoutMainDialog(HWND hDlg, int width, int height);
