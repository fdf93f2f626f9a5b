// Byte-wise rules for paths in the system's ANSI code page: lower-casing and finding backslashes.
#pragma once

#include <bitset>
#include <cstddef>
#include <string>
#include <string_view>

// The bytes that start a two-byte character in the ANSI code page; none in a single-byte one.
// No lead byte is below 0x80 (every double-byte code page has its lead bytes in 0x81..0xFE). The
// byte after a lead byte is its trail byte, which may fall anywhere in 0x40..0xFE (also on
// "A".."Z" and on "\") and is never a character of its own.
using LeadByteSet = std::bitset<256>;

// The position of the character after the one that starts at text[at] (at < text.size()): two
// bytes on for a lead byte with a byte after it, otherwise one (a lead byte at the end of the
// text stands alone).
std::size_t NextCharacter(std::string_view text, std::size_t at, const LeadByteSet& leadBytes);

// Raises the bytes of the letters A to Z by 0x20 and leaves every other byte as it is; both
// bytes of a two-byte character stay as they are, so its character does not change.
std::string LowerCaseLetters(std::string_view text, const LeadByteSet& leadBytes);

// The position of the last backslash that is a character of its own, or npos.
std::size_t LastBackslash(std::string_view text, const LeadByteSet& leadBytes);

// True when the last character of text is a backslash (and not a trail byte).
bool EndsInBackslash(std::string_view text, const LeadByteSet& leadBytes);

// The length of the longest start of text that has at most limit bytes and does not end inside
// a two-byte character.
std::size_t WholeCharactersWithin(std::string_view text, std::size_t limit,
                                  const LeadByteSet& leadBytes);
