// The text of the report of an error that escapes a message handler.
#include "error_text.h"

#include <cstdio>

namespace {

constexpr char kErrorFormat[] = "Exception %.*s in module %.*s at %s.\n%.*s%s";
constexpr std::size_t kAddressDigitsMin = 8;
constexpr std::size_t kAddressDigitsMax = 2 * sizeof(std::uintptr_t);

struct AddressText {
    char digits[kAddressDigitsMax + 1];
};

AddressText FormatAddress(std::uintptr_t address) {
    char reversed[kAddressDigitsMax];
    std::size_t n = 0;
    do {
        reversed[n++] = "0123456789ABCDEF"[address & 0xF];
        address >>= 4;
    } while (address != 0);
    while (n < kAddressDigitsMin)
        reversed[n++] = '0';
    AddressText text{};
    for (std::size_t i = 0; i < n; ++i)
        text.digits[i] = reversed[n - 1 - i];
    text.digits[n] = '\0';
    return text;
}

std::string_view ModuleName(std::string_view executablePath, const LeadByteSet& leadBytes) {
    const std::size_t slash = LastBackslash(executablePath, leadBytes);
    if (slash != std::string_view::npos) executablePath.remove_prefix(slash + 1);
    std::size_t end = 0;
    for (std::size_t characters = 0; characters < kModuleNameMax && end < executablePath.size();
         ++characters)
        end = NextCharacter(executablePath, end, leadBytes);
    return executablePath.substr(0, end);
}

int Length(std::string_view text) {
    return static_cast<int>(text.size() < kErrorTextSize ? text.size() : kErrorTextSize);
}

} // namespace

ErrorText FormatErrorText(std::string_view kind, std::string_view executablePath,
                          std::uintptr_t address, std::string_view message,
                          const LeadByteSet& leadBytes) {
    const std::string_view module = ModuleName(executablePath, leadBytes);
    const bool addStop = !message.empty() && message.back() != '.';
    ErrorText report{};
    std::snprintf(report.text, kErrorTextSize, kErrorFormat, Length(kind), kind.data(),
                  Length(module), module.data(), FormatAddress(address).digits, Length(message),
                  message.data(), addStop ? "." : "");
    return report;
}
