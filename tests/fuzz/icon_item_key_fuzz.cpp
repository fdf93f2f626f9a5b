// Fuzzes the icon-list item keys: every path and index comes back, any item text decodes safely.
#include "../../app/text_limits.h"
#include "../../catalogue/icon_item_key.h"
#include "fuzz_support.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace {

constexpr std::size_t kItemTextMax = 255;

// Whatever text and item data a list box gives back: the decoded path is a part of the text.
void CheckAnyItemDecodes(const std::string& text, std::uintptr_t data) {
    const IconItem item = DecodeIconItem(text, data);
    Check(item.index <= 0xFFFF, "a decoded index is a 16-bit number");
    Check(text.compare(0, item.path.size(), item.path) == 0, "the decoded path begins the text");
}

void CheckRoundTrip(const std::string& path, unsigned index, bool multiByteCodePage) {
    const IconItemKey key = EncodeIconItem(path, index, multiByteCodePage);
    Check(key.text.find('\0') == std::string::npos, "an item text holds no zero byte");
    if (key.data == 0) {
        Check(key.text.size() <= kItemTextMax, "a text with index bytes is at most 255 bytes");
        Check(key.text.size() == path.size() + 2 && key.text.compare(0, path.size(), path) == 0,
              "a text with index bytes is the path and two bytes");
        if (multiByteCodePage)
            for (std::size_t i = path.size(); i < key.text.size(); ++i)
                Check(static_cast<unsigned char>(key.text[i]) < 0x80,
                      "on a multi-byte code page the index bytes are single-byte characters");
    } else {
        Check(key.data == (kWideIndexTag | index), "item data is 0 or the tagged index");
        Check(key.text == path, "an item with tagged data holds the bare path");
    }
    const IconItem item = DecodeIconItem(key.text, key.data);
    Check(item.path == path, "the path comes back");
    Check(item.index == index, "the index comes back");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider input(bytes, size);
    const unsigned index = input.ConsumeIntegral<std::uint16_t>();
    const bool multiByteCodePage = input.ConsumeBool();
    const auto data = input.ConsumeIntegral<std::uintptr_t>();
    const std::string text = input.ConsumeRemainingBytesAsString();

    CheckAnyItemDecodes(text, data);

    // A path as the scan builds it: no zero byte, at most the longest path the platform lists.
    std::string path = text.substr(0, kPathMax);
    path.erase(std::remove(path.begin(), path.end(), '\0'), path.end());
    CheckRoundTrip(path, index, multiByteCodePage);
    return 0;
}
