// What the fuzz targets share: stopping on a broken property, lead-byte sets, character starts.
#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>

#include "../host/shift_jis.h"

void Check(bool holds, const char* property) {
    if (holds) return;
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
}

LeadByteSet ConsumeLeadBytes(FuzzedDataProvider& input) {
    switch (input.ConsumeIntegralInRange(0, 2)) {
    case 0: return LeadByteSet();
    case 1: return ShiftJisLeadBytes();
    default: break;
    }
    LeadByteSet chosen;
    for (unsigned b = 0x80; b <= 0xFF; b += 8) {
        const auto bits = input.ConsumeIntegral<unsigned char>();
        for (unsigned k = 0; k < 8; ++k)
            chosen.set(b + k, (bits >> k) & 1u);
    }
    return chosen;
}

std::vector<bool> CharacterStarts(std::string_view text, const LeadByteSet& leadBytes) {
    std::vector<bool> starts(text.size(), false);
    for (std::size_t i = 0; i < text.size(); ++i) {
        starts[i] = true;
        if (leadBytes.test(static_cast<unsigned char>(text[i]))) ++i;
    }
    return starts;
}

bool IsLetterLowerCasing(std::string_view text, std::string_view lower,
                         const LeadByteSet& leadBytes) {
    if (lower.size() != text.size()) return false;
    const std::vector<bool> starts = CharacterStarts(text, leadBytes);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool letter =
            starts[i] && !leadBytes.test(static_cast<unsigned char>(c)) && c >= 'A' && c <= 'Z';
        if (lower[i] != (letter ? static_cast<char>(c + 0x20) : c)) return false;
    }
    return true;
}

bool HasNoBackslash(std::string_view text, const LeadByteSet& leadBytes) {
    const std::vector<bool> starts = CharacterStarts(text, leadBytes);
    for (std::size_t i = 0; i < text.size(); ++i)
        if (starts[i] && text[i] == '\\') return false;
    return true;
}
