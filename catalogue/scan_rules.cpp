// The platform-free rules of the folder scan.
#include "scan_rules.h"

bool IsListableFile(const std::string& name, std::uint32_t attributes) {
    if (name == "." || name == "..") return false;
    return (attributes & kDirectoryAttribute) == 0;
}

std::string ScanFolderText(const std::string& folderText, const LeadByteSet& leadBytes) {
    // Only one backslash goes: C:\ becomes C:, which the pattern turns back into C:\*.*. A
    // second byte of a double-byte character that has the code of "\" is no backslash.
    if (EndsInBackslash(folderText, leadBytes)) return folderText.substr(0, folderText.size() - 1);
    return folderText;
}

std::string SearchPattern(const std::string& scanFolder) {
    return scanFolder + "\\*.*";
}

std::string FullPath(const std::string& scanFolder, const std::string& name) {
    return scanFolder + "\\" + name;
}
