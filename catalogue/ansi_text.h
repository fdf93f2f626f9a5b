// Finding characters in texts of the system's ANSI code page, where on a double-byte code page
// the second byte of a character can have the code of a "\".
#pragma once

#include <array>
#include <string>

// leadBytes[b] is true when byte b starts a two-byte character; all false on a single-byte
// code page.
using LeadBytes = std::array<bool, 256>;

// The position of the last "\" character of text, std::string::npos when it has none.
std::size_t LastBackslash(const std::string& text, const LeadBytes& leadBytes);
