// Fuzzes the folder-text rules of the scan and the picker, and the ANSI text rules under them.
#include "../../catalogue/scan_rules.h"
#include "../../folders/picker_rules.h"
#include "fuzz_support.h"

#include <cstdint>
#include <string>

namespace {

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

void CheckAnsiText(const std::string& text, const LeadByteSet& leadBytes) {
    const std::vector<bool> starts = CharacterStarts(text, leadBytes);
    Check(IsLetterLowerCasing(text, LowerCaseLetters(text, leadBytes), leadBytes),
          "lower-casing changes the letters A to Z only, and no trail byte");

    const std::size_t last = LastBackslash(text, leadBytes);
    if (last == std::string::npos) {
        Check(HasNoBackslash(text, leadBytes), "no backslash is found where there is one");
    } else {
        Check(last < text.size() && text[last] == '\\' && starts[last],
              "the last backslash is a character of its own");
        Check(HasNoBackslash(std::string_view(text).substr(last + 1), leadBytes),
              "no backslash follows the last one");
    }
    const bool endsInBackslash = !text.empty() && text.back() == '\\' && starts.back();
    Check(EndsInBackslash(text, leadBytes) == endsInBackslash,
          "a text ends in a backslash only when it is a character of its own");
}

void CheckScanRules(const std::string& folderText, const std::string& name,
                    const LeadByteSet& leadBytes) {
    const std::string scanFolder = ScanFolderText(folderText, leadBytes);
    const bool dropped = EndsInBackslash(folderText, leadBytes);
    Check(scanFolder == folderText.substr(0, folderText.size() - (dropped ? 1 : 0)),
          "the scan removes one trailing backslash, and only one that is a character");
    Check(SearchPattern(scanFolder) == scanFolder + "\\*.*", "the pattern is folder\\*.*");
    const std::string full = FullPath(scanFolder, name);
    Check(full.size() == scanFolder.size() + 1 + name.size() && EndsWith(full, "\\" + name) &&
              full.compare(0, scanFolder.size(), scanFolder) == 0,
          "a full path is folder\\name");
}

void CheckPickerRules(const std::string& text, const LeadByteSet& leadBytes) {
    const std::size_t preselected = PreselectionLength(text, leadBytes);
    if (text.size() > 3 && EndsInBackslash(text, leadBytes)) {
        Check(preselected == text.size() - 1, "one trailing backslash goes past a drive's root");
    } else {
        Check(preselected == text.size(), "the rest is preselected whole");
    }

    const std::string picked = PickedFolderText(text, leadBytes);
    Check(picked.size() <= kPickedFolderMax, "a picked folder is at most 255 bytes");
    Check(picked.size() + 1 >= std::min(text.size(), kPickedFolderMax),
          "a picked folder keeps all it can of the path");
    const std::vector<bool> starts = CharacterStarts(text, leadBytes);
    Check(picked.size() == text.size() || starts[picked.size()],
          "a picked folder is cut between characters");
    Check(IsLetterLowerCasing(std::string_view(text).substr(0, picked.size()), picked, leadBytes),
          "a picked folder is lower-cased in the letters A to Z only");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider input(bytes, size);
    const LeadByteSet leadBytes = ConsumeLeadBytes(input);
    const std::string name = input.ConsumeBytesAsString(input.ConsumeIntegralInRange(0, 16));
    const std::string text = input.ConsumeRemainingBytesAsString();

    CheckAnsiText(text, leadBytes);
    CheckScanRules(text, name, leadBytes);
    CheckPickerRules(text, leadBytes);
    return 0;
}
