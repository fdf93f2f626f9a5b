// The folder history in the folder box and the settings file that keeps it between runs.
#include "folder_history.h"

#include <string>

#include "../app/ansi_code_page.h"
#include "../app/main_dialog.h"
#include "../catalogue/folder_scan.h"
#include "settings_path.h"

char SettingsFileName[kSettingsPathSize] = "";

namespace {

constexpr char kHistorySection[] = "Dir";
// Keys "0" to "10" are read back; more entries are written but not read.
constexpr int kHistoryKeysRead = 11;

bool HaveSettingsFile() {
    return SettingsFileName[0] != '\0';
}

std::string HistoryKey(LRESULT place) {
    return std::to_string(place);
}

} // namespace

void MakeSettingsFileName() {
    SettingsFileName[0] = '\0';
    char executable[kExecutablePathSize];
    const DWORD n = GetModuleFileNameA(nullptr, executable, kExecutablePathSize);
    // A path that fills the whole buffer came back cut, and its folder would be another one.
    if (n == 0 || n >= static_cast<DWORD>(kExecutablePathSize)) return;
    const std::string path = SettingsPathFor(std::string_view(executable, n), AnsiLeadBytes());
    if (path.size() > static_cast<std::size_t>(kSettingsPathMax)) return;
    path.copy(SettingsFileName, path.size());
    SettingsFileName[path.size()] = '\0';
}

void LoadFolderHistory(HWND hDlg) {
    char text[kFolderTextSize];
    int loaded = 0;
    for (; HaveSettingsFile() && loaded < kHistoryKeysRead; ++loaded) {
        GetPrivateProfileStringA(kHistorySection, HistoryKey(loaded).c_str(), "", text,
                                 kFolderTextSize, SettingsFileName);
        if (text[0] == '\0') break; // keys after a missing or empty one are not read
        SendDlgItemMessageA(hDlg, IDC_FOLDER, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }

    // A Windows directory too long for the buffer leaves it unwritten: show none then.
    const UINT length = GetWindowsDirectoryA(text, kPathSize);
    if (length == 0 || length >= static_cast<UINT>(kPathSize)) text[0] = '\0';
    if (loaded > 0)
        SendDlgItemMessageA(hDlg, IDC_FOLDER, CB_SETCURSEL, 0, 0);
    else
        SetDlgItemTextA(hDlg, IDC_FOLDER, text);
}

void SaveFolderHistory(HWND hDlg) {
    if (!HaveSettingsFile()) return;
    WritePrivateProfileStringA(kHistorySection, nullptr, nullptr, SettingsFileName);
    const LRESULT count = SendDlgItemMessageA(hDlg, IDC_FOLDER, CB_GETCOUNT, 0, 0);
    char text[kFolderTextSize];
    for (LRESULT i = 0; i < count; ++i) {
        SendDlgItemMessageA(hDlg, IDC_FOLDER, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
        GetFolderText(hDlg, text, kFolderTextMax);
        WritePrivateProfileStringA(kHistorySection, HistoryKey(i).c_str(), text, SettingsFileName);
    }
}

void PushFolder(HWND hDlg, const char* folder) {
    // The first entry equal to folder with letter case ignored goes; folder itself is inserted.
    const LRESULT match =
        SendDlgItemMessageA(hDlg, IDC_FOLDER, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                            reinterpret_cast<LPARAM>(folder));
    if (match >= 0)
        SendDlgItemMessageA(hDlg, IDC_FOLDER, CB_DELETESTRING, static_cast<WPARAM>(match), 0);
    SendDlgItemMessageA(hDlg, IDC_FOLDER, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(folder));
    SendDlgItemMessageA(hDlg, IDC_FOLDER, CB_SETCURSEL, 0, 0);
}

BOOL RunFolderCommand(HWND hDlg) {
    char folder[kFolderTextSize];
    GetFolderText(hDlg, folder, kFolderTextMax);
    PushFolder(hDlg, folder);
    ScanFolder(hDlg);
    return TRUE;
}
