// The directory of an icon file: what it claims must fit the file before any image is read.
#include "../../catalogue/ico_directory.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

void PutWord(Bytes& b, unsigned v) {
    b.insert(b.end(), {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8)});
}

void PutDword(Bytes& b, std::uint32_t v) {
    PutWord(b, v & 0xFFFF);
    PutWord(b, v >> 16);
}

struct Image {
    std::uint32_t size, offset;
};

// An icon file's header and directory; the images themselves are left to the file's size.
Bytes Directory(unsigned claimed, const std::vector<Image>& images, unsigned type = 1) {
    Bytes b;
    PutWord(b, 0);
    PutWord(b, type);
    PutWord(b, claimed);
    std::uint8_t side = 16;
    for (const Image& image : images) {
        b.insert(b.end(), {side, side, 0, 0});
        side = static_cast<std::uint8_t>(side * 2);
        PutWord(b, 1);
        PutWord(b, 32);
        PutDword(b, image.size);
        PutDword(b, image.offset);
    }
    return b;
}

struct DirectoryCase {
    const char* name;
    Bytes head;
    std::uint64_t fileSize;
    bool fits;
};

class IcoDirectories : public ::testing::TestWithParam<DirectoryCase> {};

TEST_P(IcoDirectories, FitTheirFileOrAreDamaged) {
    const DirectoryCase& c = GetParam();
    std::vector<IcoEntry> entries;
    EXPECT_EQ(ReadIcoDirectory(c.head.data(), c.head.size(), c.fileSize, &entries), c.fits);
    if (!c.fits) {
        EXPECT_TRUE(entries.empty());
    }
}

const std::uint32_t kTwo = 6 + 2 * 16; // where the images of a two-image file start

INSTANTIATE_TEST_SUITE_P(
    Files, IcoDirectories,
    ::testing::Values(
        DirectoryCase{"TwoImages", Directory(2, {{100, kTwo}, {200, kTwo + 100}}), kTwo + 300,
                      true},
        DirectoryCase{"LastByteIsTheFilesLast", Directory(1, {{10, 22}}), 32, true},
        DirectoryCase{"NoImages", Directory(0, {}), 6, true},
        // The lying files: a directory longer than the file, images past its end.
        DirectoryCase{"ClaimsMoreImagesThanTheFileHolds", Directory(65535, {{10, 22}}), 32, false},
        DirectoryCase{"DirectoryCutShort", Directory(2, {{10, kTwo}}), kTwo + 10, false},
        DirectoryCase{"ImageOneBytePastTheEnd", Directory(1, {{11, 22}}), 32, false},
        DirectoryCase{"ImageStartsPastTheEnd", Directory(1, {{1, 4000}}), 32, false},
        DirectoryCase{"ImageOfFourGigabytes", Directory(1, {{0xFFFFFFFF, 22}}), 32, false},
        // An offset and a size whose 32-bit sum wraps round to inside the file.
        DirectoryCase{"SumWrapsRound", Directory(1, {{0xFFFFFFF0, 0x20}}), 64, false},
        // Not an icon file's header at all.
        DirectoryCase{"Cursor", Directory(1, {{10, 22}}, 2), 32, false},
        DirectoryCase{"TooShortForAHeader", Bytes{0, 0, 1, 0}, 4, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IcoDirectory, GivesEachEntryAsStored) {
    const Bytes head = Directory(2, {{100, kTwo}, {200, kTwo + 100}});
    std::vector<IcoEntry> entries;
    ASSERT_TRUE(ReadIcoDirectory(head.data(), head.size(), kTwo + 300, &entries));
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[1].width, 32);
    EXPECT_EQ(entries[1].bitCount, 32);
    EXPECT_EQ(entries[1].bytesInRes, 200u);
    EXPECT_EQ(entries[1].imageOffset, kTwo + 100);
}

TEST(IcoDirectory, SizeToReadComesFromTheHeader) {
    const Bytes head = Directory(3, {});
    EXPECT_EQ(IcoDirectorySize(head.data(), head.size()), 6u + 3 * 16);
    const Bytes program = {'M', 'Z', 0x90, 0, 3, 0};
    EXPECT_EQ(IcoDirectorySize(program.data(), program.size()), 0u);
}

} // namespace
