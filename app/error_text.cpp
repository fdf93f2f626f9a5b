// The text of the report of an error that escapes a message handler.
#include "error_text.h"

#include <cinttypes>
#include <cstdio>

namespace {

// The address in upper-case hexadecimal, at least eight digits: a 64-bit address keeps them all.
constexpr char kErrorFormat[] = "Exception %.*s in module %.*s at %08" PRIXPTR ".\n%.*s%s";

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
                  Length(module), module.data(), address, Length(message), message.data(),
                  addStop ? "." : "");
    return report;
}
