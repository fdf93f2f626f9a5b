// The directory at the start of an icon file, read with every count and offset checked.
#include "ico_directory.h"

namespace {

std::uint16_t Word(const std::uint8_t* at) {
    return static_cast<std::uint16_t>(at[0] | at[1] << 8);
}

std::uint32_t Dword(const std::uint8_t* at) {
    return static_cast<std::uint32_t>(at[0]) | static_cast<std::uint32_t>(at[1]) << 8 |
           static_cast<std::uint32_t>(at[2]) << 16 | static_cast<std::uint32_t>(at[3]) << 24;
}

} // namespace

bool IsIcoHeader(const std::uint8_t* bytes, std::size_t size) {
    return size >= kIcoHeaderSize && Word(bytes) == 0 && Word(bytes + 2) == 1;
}

std::size_t IcoDirectorySize(const std::uint8_t* bytes, std::size_t size) {
    if (!IsIcoHeader(bytes, size)) return 0;
    return kIcoHeaderSize + kIcoEntrySize * Word(bytes + 4);
}

bool ReadIcoDirectory(const std::uint8_t* bytes, std::size_t size, std::uint64_t fileSize,
                      std::vector<IcoEntry>* entries) {
    entries->clear();
    const std::size_t directorySize = IcoDirectorySize(bytes, size);
    if (directorySize == 0 || directorySize > fileSize || directorySize > size) return false;
    const std::size_t count = Word(bytes + 4);
    entries->reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* e = bytes + kIcoHeaderSize + i * kIcoEntrySize;
        const IcoEntry entry{e[0],        e[1],        e[2],         e[3],
                             Word(e + 4), Word(e + 6), Dword(e + 8), Dword(e + 12)};
        // 64-bit sums: an offset and a size near 4 GiB must not wrap round into the file.
        const std::uint64_t end = std::uint64_t{entry.imageOffset} + entry.bytesInRes;
        if (end > fileSize) {
            entries->clear();
            return false;
        }
        entries->push_back(entry);
    }
    return true;
}
