// Byte-wise rules for paths in the system's ANSI code page.
#include "ansi_text.h"

std::size_t NextCharacter(std::string_view text, std::size_t at, const LeadByteSet& leadBytes) {
    const bool twoBytes =
        leadBytes.test(static_cast<unsigned char>(text[at])) && at + 1 < text.size();
    return at + (twoBytes ? 2 : 1);
}

// The letters A to Z and the backslash are never lead bytes, so a byte that is one of them at the
// start of a character is that character.

std::string LowerCaseLetters(std::string_view text, const LeadByteSet& leadBytes) {
    std::string lower(text);
    for (std::size_t i = 0; i < lower.size(); i = NextCharacter(lower, i, leadBytes))
        if (lower[i] >= 'A' && lower[i] <= 'Z') lower[i] = static_cast<char>(lower[i] + 0x20);
    return lower;
}

std::size_t LastBackslash(std::string_view text, const LeadByteSet& leadBytes) {
    std::size_t last = std::string_view::npos;
    for (std::size_t i = 0; i < text.size(); i = NextCharacter(text, i, leadBytes))
        if (text[i] == '\\') last = i;
    return last;
}

bool EndsInBackslash(std::string_view text, const LeadByteSet& leadBytes) {
    return !text.empty() && LastBackslash(text, leadBytes) == text.size() - 1;
}

std::size_t WholeCharactersWithin(std::string_view text, std::size_t limit,
                                  const LeadByteSet& leadBytes) {
    if (text.size() <= limit) return text.size();
    std::size_t end = 0;
    while (end < limit) {
        const std::size_t next = NextCharacter(text, end, leadBytes);
        if (next > limit) break;
        end = next;
    }
    return end;
}
