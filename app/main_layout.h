// Layout of the main dialog's controls after a change of its size.
#pragma once

#include <windows.h>

// width, height: the new client size in pixels, as WM_SIZE reports it. A control that does not
// exist (yet) is left out.
void LayoutMainDialog(HWND hDlg, int width, int height);
