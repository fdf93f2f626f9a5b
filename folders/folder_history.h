// The folder history in the folder box and the settings file that keeps it between runs.
#pragma once

#include <windows.h>

// Works out the settings file's full path next to the executable; called once at start. It
// stays empty when the executable's path cannot be had whole: then the history is neither read
// nor written.
void MakeSettingsFileName();

// The settings file's full path as MakeSettingsFileName set it.
const char* SettingsFilePath();

// Fills the folder box from the settings file, or shows the Windows directory when it holds none.
void LoadFolderHistory(HWND hDlg);

// Writes every entry of the folder box to the settings file.
void SaveFolderHistory(HWND hDlg);

// Moves folder to the top of the history (removing a matching entry) and selects it.
void PushFolder(HWND hDlg, const char* folder);

// The user chose an entry of the folder box: push it and scan it. Returns TRUE.
BOOL RunFolderCommand(HWND hDlg);
