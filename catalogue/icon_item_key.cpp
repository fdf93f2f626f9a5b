// Builds and splits the icon-list item texts.
#include "icon_item_key.h"

namespace {

// The largest stored index byte (value + 1) that survives the list box's Unicode round trip.
unsigned LargestSafeByte(bool multiByteCodePage) {
    return multiByteCodePage ? 0x7F : 0xFF;
}

} // namespace

IconItemKey EncodeIconItem(const std::string& path, unsigned index, bool multiByteCodePage) {
    index &= 0xFFFF;
    const unsigned lo = (index & 0xFF) + 1;
    const unsigned hi = (index >> 8) + 1;
    const unsigned safe = LargestSafeByte(multiByteCodePage);
    if (lo > safe || hi > safe || path.empty() || path.size() > kKeyPathMax)
        return {path, kWideIndexTag | index};

    std::string text = path;
    text += static_cast<char>(lo);
    text += static_cast<char>(hi);
    return {text, 0};
}

IconItem DecodeIconItem(const std::string& text, std::uintptr_t data) {
    if (data & kWideIndexTag) return {text, static_cast<unsigned>(data & 0xFFFF)};

    const std::size_t n = text.size();
    if (n < 2) return {text, 0};
    const unsigned lo = (static_cast<unsigned char>(text[n - 2]) - 1u) & 0xFF;
    const unsigned hi = (static_cast<unsigned char>(text[n - 1]) - 1u) & 0xFF;
    const unsigned index = lo + 256 * hi;
    return {n > 2 ? text.substr(0, n - 2) : text, index};
}
