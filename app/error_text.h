// The text of the report of an error that escapes a message handler.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "ansi_text.h"

// At most this many characters of the executable's file name appear in the report.
constexpr std::size_t kModuleNameMax = 63;
// The report's text: kind, module name and address take at most about 110 characters; a longer
// message is cut to what fits.
constexpr std::size_t kErrorTextSize = 512;

// A finished report text in a fixed buffer: building it allocates nothing, so it can be made
// while memory is exhausted.
struct ErrorText {
    char text[kErrorTextSize];
};

// "Exception <kind> in module <name> at <address>.\n<message>" and a full stop when the message
// is not empty and does not end in one. name is the executable path's file name (after its last
// backslash that is a character of its own), at most 63 characters, never cut inside a two-byte
// one (leadBytes: those of the code page the path is written in); address is given in upper-case
// hexadecimal digits, at least eight of them (a 64-bit address above 0xFFFFFFFF keeps all of its
// digits).
ErrorText FormatErrorText(std::string_view kind, std::string_view executablePath,
                          std::uintptr_t address, std::string_view message,
                          const LeadByteSet& leadBytes);
