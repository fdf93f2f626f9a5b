// The Browse command: the shell's folder picker, opened at the current folder.
#pragma once

#include <windows.h>

#include <string>

// Lets the user pick a folder; a picked one is pushed to the history and scanned. Returns TRUE
// when nothing was picked, FALSE after a push and scan.
BOOL RunBrowseCommand(HWND hDlg);

// Runs the shell's folder picker, owned by owner, rooted at the drives, with initialFolder
// preselected: the chosen folder's path as the shell gives it (its short path when the long one
// holds characters that the ANSI code page lacks), or an empty text when nothing was chosen, the
// path cannot be had in the code page, or the shell's allocator cannot be had. Throws ProgramError
// ("Memory alloc failed.") when the allocator gives no result buffer. Everything taken from the
// shell is given back on every way out.
std::string BrowseFolder(HWND owner, const char* initialFolder);

// The picker's callback: once its window is ready, asks it to select the folder in data.
int CALLBACK BrowseCallback(HWND picker, UINT message, LPARAM parameter, LPARAM data);
