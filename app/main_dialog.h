// The main dialog: its procedure, the current folder text, and the program's instance.
#pragma once

#include <windows.h>

#include "../resources/resource_ids.h"

// The status bar's text from start until the first selection read-out.
#define GLYPHBAY_START_TEXT "GlyphBay  -  Freeware  -  " GLYPHBAY_HOME_PAGE

// The module whose resources the program uses: the running executable.
HINSTANCE ProgramInstance();

INT_PTR CALLBACK MainDialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam);

// Copies the current folder text into buffer, which holds limit + 1 bytes: the folder box's
// selected entry or, with none selected, its edit field's text, at most limit characters.
void GetFolderText(HWND hDlg, char* buffer, int limit);
