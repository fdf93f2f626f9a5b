// The text (and item data) of one icon-list item: a file's full path and an icon index.
#pragma once

#include <cstdint>
#include <string>

// An item normally carries everything in its text: the path followed by two bytes, the icon
// index's low byte + 1 and high byte + 1, so neither is a zero byte. That text cannot carry an
// index byte of 255 (it would become a zero byte), a path over 253 characters (the text is kept
// to 255), nor, on a multi-byte code page, a stored byte of 0x80 or more (the list box stores
// Unicode, and a lone lead byte does not survive the round trip), nor an empty path (a text of
// two bytes is read back whole). Such an item holds the bare path as its text and the index in
// its item data, tagged with kWideIndexTag; the item data of every other item starts as 0.
struct IconItemKey {
    std::string text;
    std::uintptr_t data;
};

struct IconItem {
    std::string path;
    unsigned index;
};

constexpr std::uintptr_t kWideIndexTag = 0x10000;
// Set in an item's data once the shell's reader has faulted on its file while drawing a cell: the
// cells of that file are drawn blank from then on. Decoding ignores it.
constexpr std::uintptr_t kNoIconMark = 0x20000;
// The longest path that the two index bytes can follow within a 255-character text.
constexpr std::size_t kKeyPathMax = 253;

// multiByteCodePage: true when the system's ANSI code page has characters of more than one byte.
IconItemKey EncodeIconItem(const std::string& path, unsigned index, bool multiByteCodePage);

// text and data as the icon list gives them back for one item.
IconItem DecodeIconItem(const std::string& text, std::uintptr_t data);
