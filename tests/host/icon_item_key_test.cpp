// Icon-list item keys: the byte layout of the text and the round trip through it.
#include "../../catalogue/icon_item_key.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kShell = "C:\\Icons\\shell.dll";

struct ByteCase {
    unsigned index;
    unsigned char lo;
    unsigned char hi;
};

class KeyBytes : public ::testing::TestWithParam<ByteCase> {};

TEST_P(KeyBytes, PathThenIndexBytesPlusOne) {
    const ByteCase c = GetParam();
    const IconItemKey key = EncodeIconItem(kShell, c.index, false);
    const std::string expected =
        kShell + std::string{static_cast<char>(c.lo), static_cast<char>(c.hi)};
    EXPECT_EQ(key.text, expected);
    EXPECT_EQ(key.text.size(), 20u);
    EXPECT_EQ(key.data, 0u);

    const IconItem item = DecodeIconItem(key.text, key.data);
    EXPECT_EQ(item.path, kShell);
    EXPECT_EQ(item.index, c.index);
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, KeyBytes,
                         ::testing::Values(ByteCase{0, 0x01, 0x01}, ByteCase{12, 0x0D, 0x01},
                                           ByteCase{254, 0xFF, 0x01}, ByteCase{256, 0x01, 0x02},
                                           ByteCase{300, 0x2D, 0x02}, ByteCase{65278, 0xFF, 0xFF}));

TEST(IconItemKey, DecodesTheKeyOfIndex300) {
    const IconItem item = DecodeIconItem(kShell + "\x2D\x02", 0);
    EXPECT_EQ(item.path, kShell);
    EXPECT_EQ(item.index, 300u);
}

TEST(IconItemKey, EveryCarriedIndexRoundTripsInTheText) {
    for (unsigned index = 0; index <= 65278; ++index) {
        if ((index & 0xFF) == 0xFF) continue;
        const IconItemKey key = EncodeIconItem(kShell, index, false);
        ASSERT_EQ(key.data, 0u) << index;
        ASSERT_EQ(key.text.size(), kShell.size() + 2) << index;
        const IconItem item = DecodeIconItem(key.text, key.data);
        ASSERT_EQ(item.index, index);
        ASSERT_EQ(item.path, kShell) << index;
    }
}

TEST(IconItemKey, PathsAreCarriedByteForByte) {
    const std::string paths[] = {
        "C:\\Program Files\\My Tools\\a b.exe",
        "C:\\icons,old\\x,y.dll",
        "C:\\\xC4rger\\\xE9t\xE9\\\xFF\x80\x81.ico",
        // Ends in characters that look like index bytes: only the last two count.
        "C:\\x\\odd\x01\x01",
    };
    for (const std::string& path : paths) {
        const IconItemKey key = EncodeIconItem(path, 7, false);
        EXPECT_EQ(key.text.substr(0, path.size()), path);
        const IconItem item = DecodeIconItem(key.text, key.data);
        EXPECT_EQ(item.path, path);
        EXPECT_EQ(item.index, 7u);
    }
}

// What the two-byte text cannot carry goes as the bare path plus the index in the item data.
struct WideCase {
    const char* what;
    std::size_t pathLength;
    unsigned index;
    bool multiByteCodePage;
    bool wide;
};

class KeyCarriage : public ::testing::TestWithParam<WideCase> {};

TEST_P(KeyCarriage, EveryIndexAndPathComesBack) {
    const WideCase c = GetParam();
    std::string path = "C:\\";
    path.append(c.pathLength - path.size() - 4, 'n');
    path += ".dll";
    ASSERT_EQ(path.size(), c.pathLength);

    const IconItemKey key = EncodeIconItem(path, c.index, c.multiByteCodePage);
    EXPECT_EQ(key.data != 0, c.wide) << c.what;
    EXPECT_EQ(key.text.find('\0'), std::string::npos) << c.what;
    if (c.wide) {
        EXPECT_EQ(key.text, path) << c.what;
    } else {
        EXPECT_EQ(key.text.size(), path.size() + 2) << c.what;
    }
    if (c.multiByteCodePage && !c.wide) {
        for (unsigned char byte : key.text.substr(path.size())) {
            EXPECT_LT(byte, 0x80) << c.what;
        }
    }

    const IconItem item = DecodeIconItem(key.text, key.data);
    EXPECT_EQ(item.path, path) << c.what;
    EXPECT_EQ(item.index, c.index) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeyCarriage,
    ::testing::Values(WideCase{"low byte 255", 18, 255, false, true},
                      WideCase{"low byte 255 of a higher index", 18, 511, false, true},
                      WideCase{"high byte 255", 18, 65280, false, true},
                      WideCase{"largest index", 18, 65535, false, true},
                      WideCase{"longest path with index bytes", 253, 1, false, false},
                      WideCase{"path of 254", 254, 1, false, true},
                      WideCase{"longest ANSI path", 259, 300, false, true},
                      WideCase{"multi-byte, ASCII index bytes", 18, 126, true, false},
                      WideCase{"multi-byte, index 127 stores 0x80", 18, 127, true, true},
                      WideCase{"multi-byte, index 129 stores 0x82", 18, 129, true, true},
                      WideCase{"multi-byte, high byte 127", 18, 127 * 256, true, true},
                      WideCase{"multi-byte, index 300", 18, 300, true, false}));

// A text of two bytes decodes whole, so an empty path cannot be followed by the index bytes.
TEST(IconItemKey, AnEmptyPathComesBackEmpty) {
    const IconItemKey key = EncodeIconItem("", 5, false);
    EXPECT_EQ(key.data, kWideIndexTag | 5u);
    const IconItem item = DecodeIconItem(key.text, key.data);
    EXPECT_EQ(item.path, "");
    EXPECT_EQ(item.index, 5u);
}

TEST(IconItemKey, IndexIsTakenModulo65536) {
    const IconItemKey key = EncodeIconItem(kShell, 65536 + 12, false);
    EXPECT_EQ(DecodeIconItem(key.text, key.data).index, 12u);
}

TEST(IconItemKey, ShortTextsAreNotCut) {
    EXPECT_EQ(DecodeIconItem("", 0).path, "");
    EXPECT_EQ(DecodeIconItem("a", 0).path, "a");
    const IconItem two = DecodeIconItem("\x02\x03", 0);
    EXPECT_EQ(two.path, "\x02\x03");
    EXPECT_EQ(two.index, 1u + 256u * 2u);
}

} // namespace
