// What the fuzz targets share: stopping on a broken property, lead-byte sets, character starts.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <string_view>
#include <vector>

#include "../../app/ansi_text.h"

// Stops the run with what went wrong, so that libFuzzer keeps the input as a finding.
void Check(bool holds, const char* property);

// No lead bytes, the Japanese code page's, or a set the input chooses among 0x80..0xFF (every
// double-byte code page has its lead bytes there).
LeadByteSet ConsumeLeadBytes(FuzzedDataProvider& input);

// For each byte of text: true when a character starts there, false for a trail byte.
std::vector<bool> CharacterStarts(std::string_view text, const LeadByteSet& leadBytes);

// True when lower is text with the letters A to Z that are characters of their own raised by
// 0x20, and every other byte (trail bytes included) left as it is.
bool IsLetterLowerCasing(std::string_view text, std::string_view lower,
                         const LeadByteSet& leadBytes);

// True when text holds no backslash that is a character of its own.
bool HasNoBackslash(std::string_view text, const LeadByteSet& leadBytes);
