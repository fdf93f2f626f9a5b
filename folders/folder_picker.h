// The Browse command: the shell's folder picker, opened at the current folder.
#pragma once

#include <windows.h>

// Lets the user pick a folder; a picked one is pushed to the history and scanned. Returns TRUE
// when nothing was picked, FALSE after a push and scan.
BOOL RunBrowseCommand(HWND hDlg);
