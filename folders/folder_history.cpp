// The folder history in the folder box and the settings file that keeps it between runs.
#include "folder_history.h"

#include "../app/main_dialog.h"
#include "../app/text_limits.h"
#include "../catalogue/folder_scan.h"

void MakeSettingsFileName() {}

void LoadFolderHistory(HWND hDlg) {
    char windowsDirectory[kPathSize];
    GetWindowsDirectoryA(windowsDirectory, kPathSize);
    SetDlgItemTextA(hDlg, IDC_FOLDER, windowsDirectory);
}

void SaveFolderHistory(HWND) {}

void PushFolder(HWND, const char*) {}

BOOL RunFolderCommand(HWND hDlg) {
    char folder[kFolderTextSize];
    GetFolderText(hDlg, folder, kFolderTextMax);
    PushFolder(hDlg, folder);
    ScanFolder(hDlg);
    return TRUE;
}
