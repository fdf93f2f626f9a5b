// Fuzzes the settings file's path: next to the executable, lower-cased, and within its buffer.
#include "../../app/text_limits.h"
#include "../../folders/settings_path.h"
#include "fuzz_support.h"

#include <algorithm>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider input(bytes, size);
    const LeadByteSet leadBytes = ConsumeLeadBytes(input);
    // What GetModuleFileNameA can give: a zero-terminated path of at most kExecutablePathMax.
    std::string executable = input.ConsumeRemainingBytesAsString().substr(0, kExecutablePathMax);
    executable.erase(std::remove(executable.begin(), executable.end(), '\0'), executable.end());

    const std::string settings = SettingsPathFor(executable, leadBytes);
    Check(settings.size() <= static_cast<std::size_t>(kSettingsPathMax),
          "the settings path fits its buffer");
    if (executable.empty()) {
        Check(settings.empty(), "an unknown executable gives no settings path");
        return 0;
    }

    const std::string tail = std::string("\\") + kSettingsFileTitle;
    Check(settings.size() >= tail.size() &&
              settings.compare(settings.size() - tail.size(), tail.size(), tail) == 0,
          "the settings path ends in \\glyphbay.ini");
    const std::size_t folder = settings.size() - tail.size();
    Check(folder <= executable.size(), "the folder is no longer than the executable's path");

    // The folder is the executable's path up to its last backslash, or all of it.
    if (folder < executable.size()) {
        Check(executable[folder] == '\\' && CharacterStarts(executable, leadBytes)[folder],
              "the folder ends before a backslash that is a character of its own");
        const std::vector<bool> starts = CharacterStarts(executable, leadBytes);
        for (std::size_t i = folder + 1; i < executable.size(); ++i)
            Check(!(starts[i] && executable[i] == '\\'), "the folder ends at the last backslash");
    } else {
        Check(HasNoBackslash(executable, leadBytes), "a path without backslash is kept whole");
    }
    Check(IsLetterLowerCasing(std::string_view(executable).substr(0, folder),
                              std::string_view(settings).substr(0, folder), leadBytes),
          "the folder is lower-cased in the letters A to Z only");
    return 0;
}
