// The folder picker's text rules: the folder it preselects and the folder text it gives back.
#include "picker_rules.h"

std::size_t PreselectionLength(std::string_view folderText, const LeadByteSet& leadBytes) {
    if (folderText.size() > 3 && EndsInBackslash(folderText, leadBytes))
        return folderText.size() - 1;
    return folderText.size();
}

std::string PickedFolderText(std::string_view pickedPath, const LeadByteSet& leadBytes) {
    const std::size_t kept = WholeCharactersWithin(pickedPath, kPickedFolderMax, leadBytes);
    return LowerCaseLetters(pickedPath.substr(0, kept), leadBytes);
}
