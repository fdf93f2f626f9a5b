// Fuzzes the status bar's read-out: its length, its leading space and the file name it shows.
#include "../../catalogue/status_text.h"
#include "fuzz_support.h"

#include <cstdint>
#include <string>

namespace {

constexpr std::size_t kIndexLabelLength = 9; // ",  Index "
constexpr std::size_t kIndexDigitsMax = 5;

// The name shown must be the path's end after a backslash that is a character of its own (or
// the whole path when it has none), and hold no such backslash itself.
void CheckName(const std::string& path, const std::string& name, const LeadByteSet& leadBytes) {
    Check(name.size() <= path.size() &&
              path.compare(path.size() - name.size(), name.size(), name) == 0,
          "the name is the end of the path");
    const std::size_t cut = path.size() - name.size();
    if (cut > 0) {
        Check(path[cut - 1] == '\\' && CharacterStarts(path, leadBytes)[cut - 1],
              "the name follows a backslash that is a character of its own");
    } else {
        Check(HasNoBackslash(path, leadBytes), "a path without backslash is shown whole");
    }
    Check(HasNoBackslash(name, leadBytes), "the name holds no backslash");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider input(bytes, size);
    const LeadByteSet leadBytes = ConsumeLeadBytes(input);
    const unsigned index = input.ConsumeIntegral<std::uint16_t>();
    const std::string path = input.ConsumeRemainingBytesAsString();

    const std::string text = StatusText(path, index, leadBytes);
    Check(!text.empty() && text[0] == ' ', "the read-out starts with a space");

    std::string name = text.substr(1);
    if (index > 0) {
        const std::string suffix = ",  Index " + std::to_string(index);
        Check(name.size() >= suffix.size() &&
                  name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0,
              "an index above 0 ends the read-out in decimal");
        name.resize(name.size() - suffix.size());
    }
    CheckName(path, name, leadBytes);
    Check(text.size() <= 1 + name.size() + kIndexLabelLength + kIndexDigitsMax,
          "the read-out is at most 1 + name + 9 + 5 characters");
    return 0;
}
