// Finding characters in texts of the system's ANSI code page.
#include "ansi_text.h"

std::size_t LastBackslash(const std::string& text, const LeadBytes& leadBytes) {
    std::size_t last = std::string::npos;
    // Walk character by character, so that a second byte is never taken for a character.
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (leadBytes[byte])
            ++i;
        else if (byte == '\\')
            last = i;
    }
    return last;
}
