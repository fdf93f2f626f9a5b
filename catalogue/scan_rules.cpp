// The platform-free rules of the folder scan.
#include "scan_rules.h"

bool IsListableFile(const std::string& name, std::uint32_t attributes) {
    if (name == "." || name == "..") return false;
    return (attributes & kDirectoryAttribute) == 0;
}

std::string ScanFolderText(const std::string& folderText) {
    // Only one backslash goes: C:\ becomes C:, which the pattern turns back into C:\*.*.
    if (!folderText.empty() && folderText.back() == '\\')
        return folderText.substr(0, folderText.size() - 1);
    return folderText;
}

std::string SearchPattern(const std::string& scanFolder) {
    return scanFolder + "\\*.*";
}

std::string FullPath(const std::string& scanFolder, const std::string& name) {
    return scanFolder + "\\" + name;
}
