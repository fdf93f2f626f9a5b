// Byte-wise rules for paths in the system's ANSI code page.
#include "ansi_text.h"

namespace {

bool IsLeadByte(char c, const LeadByteSet& leadBytes) {
    return leadBytes.test(static_cast<unsigned char>(c));
}

} // namespace

std::string LowerCaseLetters(std::string_view text, const LeadByteSet& leadBytes) {
    std::string lower(text);
    for (std::size_t i = 0; i < lower.size(); ++i) {
        if (IsLeadByte(lower[i], leadBytes)) {
            ++i; // the trail byte belongs to the same character
            continue;
        }
        if (lower[i] >= 'A' && lower[i] <= 'Z') lower[i] = static_cast<char>(lower[i] + 0x20);
    }
    return lower;
}

std::size_t LastBackslash(std::string_view text, const LeadByteSet& leadBytes) {
    std::size_t last = std::string_view::npos;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsLeadByte(text[i], leadBytes))
            ++i;
        else if (text[i] == '\\')
            last = i;
    }
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
        const std::size_t next = end + (IsLeadByte(text[end], leadBytes) ? 2 : 1);
        if (next > limit) break;
        end = next;
    }
    return end;
}
