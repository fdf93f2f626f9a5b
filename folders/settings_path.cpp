// Where the settings file lies: next to the executable, in a lower-cased path.
#include "settings_path.h"

std::string SettingsPathFor(std::string_view executablePath, const LeadByteSet& leadBytes) {
    if (executablePath.empty()) return std::string();
    std::string folder = LowerCaseLetters(executablePath, leadBytes);
    const std::size_t slash = LastBackslash(folder, leadBytes);
    if (slash != std::string::npos) folder.resize(slash);
    return folder + "\\" + kSettingsFileTitle;
}
