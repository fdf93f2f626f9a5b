// Fuzzes the error report's text: zero-terminated in its buffer, the module name cut to 63.
#include "../../app/error_text.h"
#include "fuzz_support.h"

#include <cstdint>
#include <cstring>
#include <string>

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
    const auto address = input.ConsumeIntegral<std::uintptr_t>();
    const std::string kind = input.ConsumeBytesAsString(input.ConsumeIntegralInRange(0, 600));
    const std::string path = input.ConsumeBytesAsString(input.ConsumeIntegralInRange(0, 600));
    const std::string message = input.ConsumeRemainingBytesAsString();

    const ErrorText report = FormatErrorText(kind, path, address, message);
    const void* end = std::memchr(report.text, '\0', kErrorTextSize);
    Check(end != nullptr, "the report is zero-terminated inside its buffer");

    const std::size_t slash = path.rfind('\\');
    const std::string fileName = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::string module = UpToZero(fileName.substr(0, kModuleNameMax));
    const bool stop = !message.empty() && message.back() != '.';
    const std::string whole = "Exception " + UpToZero(kind) + " in module " + module + " at " +
                              Hex(address) + ".\n" + UpToZero(message) + (stop ? "." : "");
    Check(std::string(report.text) == whole.substr(0, kErrorTextSize - 1),
          "the report is the format filled in, cut to its buffer");
    return 0;
}
