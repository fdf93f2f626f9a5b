// Fuzzes the error report's text: zero-terminated in its buffer, the module name cut to 63
// characters, never inside a two-byte one.
#include "../../app/error_text.h"
#include "fuzz_support.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

// The text as a C string: up to its first zero byte, as the format reads it.
std::string UpToZero(const std::string& text) {
    return text.substr(0, text.find('\0'));
}

std::string Hex(std::uintptr_t address) {
    std::string digits;
    do {
        digits.insert(digits.begin(), "0123456789ABCDEF"[address % 16]);
        address /= 16;
    } while (address != 0);
    if (digits.size() < 8) digits.insert(0, 8 - digits.size(), '0');
    return digits;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider input(bytes, size);
    const LeadByteSet leadBytes = ConsumeLeadBytes(input);
    const auto address = input.ConsumeIntegral<std::uintptr_t>();
    const std::string kind = input.ConsumeBytesAsString(input.ConsumeIntegralInRange(0, 600));
    const std::string path = input.ConsumeBytesAsString(input.ConsumeIntegralInRange(0, 600));
    const std::string message = input.ConsumeRemainingBytesAsString();

    const ErrorText report = FormatErrorText(kind, path, address, message, leadBytes);
    const void* end = std::memchr(report.text, '\0', kErrorTextSize);
    Check(end != nullptr, "the report is zero-terminated inside its buffer");

    // The module name: after the last backslash that starts a character, its first 63
    // characters.
    const std::vector<bool> starts = CharacterStarts(path, leadBytes);
    std::size_t nameStart = 0;
    for (std::size_t i = 0; i < path.size(); ++i)
        if (starts[i] && path[i] == '\\') nameStart = i + 1;
    std::size_t nameEnd = nameStart;
    for (std::size_t characters = 0; nameEnd < path.size(); ++nameEnd)
        if (starts[nameEnd] && ++characters > kModuleNameMax) break;
    const std::string module = UpToZero(path.substr(nameStart, nameEnd - nameStart));
    const bool stop = !message.empty() && message.back() != '.';
    const std::string whole = "Exception " + UpToZero(kind) + " in module " + module + " at " +
                              Hex(address) + ".\n" + UpToZero(message) + (stop ? "." : "");
    Check(std::string(report.text) == whole.substr(0, kErrorTextSize - 1),
          "the report is the format filled in, cut to its buffer");
    return 0;
}
