// The about box, opened by the Info button.
#pragma once

#include <windows.h>

INT_PTR CALLBACK AboutDialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam);

// Runs the about box modally over owner.
void ShowAboutBox(HWND owner);
