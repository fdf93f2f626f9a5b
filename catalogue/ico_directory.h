// The directory at the start of an icon file (.ico): its header and one entry per image.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

constexpr std::size_t kIcoHeaderSize = 6; // reserved 0, type 1, the number of images
constexpr std::size_t kIcoEntrySize = 16;

// One image of an icon file as its directory entry describes it; sizes of 256 are stored as 0.
struct IcoEntry {
    std::uint8_t width, height, colourCount, reserved;
    std::uint16_t planes, bitCount;
    std::uint32_t bytesInRes, imageOffset;
};

// True when the first bytes look like an icon file's header: reserved 0 and type 1.
bool IsIcoHeader(const std::uint8_t* bytes, std::size_t size);

// How many bytes the header and directory of the icon file whose first bytes these are take,
// for reading them; 0 when the bytes hold no icon file's header.
std::size_t IcoDirectorySize(const std::uint8_t* bytes, std::size_t size);

// Reads the directory of an icon file: bytes are the file's first size bytes (at least its
// header and directory), fileSize the whole file's size. False, and no entries, when it is no
// icon file's header, when the directory claims more images than the file can hold, or when an
// image lies outside the file: such a file is damaged, and its images are not to be read.
bool ReadIcoDirectory(const std::uint8_t* bytes, std::size_t size, std::uint64_t fileSize,
                      std::vector<IcoEntry>* entries);
