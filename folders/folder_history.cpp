// The folder history in the folder box and the settings file that keeps it between runs.
#include "folder_history.h"

#include <algorithm>
#include <string>
#include <vector>

#include "../app/ansi_code_page.h"
#include "../app/main_dialog.h"
#include "../app/text_limits.h"
#include "../catalogue/folder_scan.h"
#include "settings_path.h"

namespace {

// Set once at start, read by every load and save of the history.
char SettingsFileName[kSettingsPathSize] = "";

constexpr char kHistorySection[] = "Dir";
// Keys "0" to "10" are read back; more entries are written but not read.
constexpr int kHistoryKeysRead = 11;

bool HaveSettingsFile() {
    return SettingsFileName[0] != '\0';
}

std::string HistoryKey(LRESULT place) {
    return std::to_string(place);
}

// The settings file's section names are read into a buffer this large at most.
constexpr std::size_t kSectionNamesMax = std::size_t{1} << 24;

// How many sections of the settings file are named "Dir", in any letter case: a file edited by
// hand can hold more than one, of which the platform reads the first.
int HistorySectionCount() {
    std::vector<char> names(4096);
    DWORD n = 0;
    for (;;) {
        n = GetPrivateProfileSectionNamesA(names.data(), static_cast<DWORD>(names.size()),
                                           SettingsFileName);
        // A list that does not fit comes back cut, two bytes short of the buffer's size.
        if (n + 2 < names.size() || names.size() >= kSectionNamesMax) break;
        names.resize(names.size() * 2);
    }
    int count = 0;
    for (std::size_t at = 0; at < n && names[at] != '\0';) {
        const char* name = &names[at];
        if (lstrcmpiA(name, kHistorySection) == 0) ++count;
        at += static_cast<std::size_t>(lstrlenA(name)) + 1;
    }
    return count;
}

// Deletes the section "Dir". The platform deletes one section of a name at a time; keys left in
// a later one would join the history written after it, so every one of them goes.
void DeleteHistorySections() {
    // Once at least, as where the names cannot be read.
    const int sections = std::max(1, HistorySectionCount());
    for (int i = 0; i < sections; ++i)
        WritePrivateProfileStringA(kHistorySection, nullptr, nullptr, SettingsFileName);
}

} // namespace

const char* SettingsFilePath() {
    return SettingsFileName;
}

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
    DeleteHistorySections();
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
