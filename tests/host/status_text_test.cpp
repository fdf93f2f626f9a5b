// The status bar's read-out of one icon: the file's name alone, and the index above 0.
#include "../../catalogue/status_text.h"

#include <gtest/gtest.h>

#include "shift_jis.h"

#include <string>

namespace {

const LeadByteSet kSingleByte;

struct ReadOutCase {
    const char* path;
    unsigned index;
    const char* text;
};

class ReadOut : public ::testing::TestWithParam<ReadOutCase> {};

TEST_P(ReadOut, NameAndIndex) {
    const ReadOutCase c = GetParam();
    EXPECT_EQ(StatusText(c.path, c.index, kSingleByte), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadOut,
    ::testing::Values(ReadOutCase{"C:\\Icons\\shell.dll", 0, " shell.dll"},
                      ReadOutCase{"C:\\Icons\\shell.dll", 1, " shell.dll,  Index 1"},
                      ReadOutCase{"C:\\Icons\\shell.dll", 12, " shell.dll,  Index 12"},
                      ReadOutCase{"C:\\Icons\\shell.dll", 65535, " shell.dll,  Index 65535"},
                      // Only the last backslash counts; a folder's comma stays behind.
                      ReadOutCase{"C:\\a,b\\c d\\\\e\\my icons, old.dll", 3,
                                  " my icons, old.dll,  Index 3"},
                      ReadOutCase{"C:\\x.ico", 0, " x.ico"},
                      ReadOutCase{"\\root.exe", 255, " root.exe,  Index 255"},
                      ReadOutCase{"C:\\\xC4rger\\\x82\xA0\xE9.dll", 0, " \x82\xA0\xE9.dll"}));

TEST(ReadOut, LongestNameWithLargestIndexIsWhole) {
    const std::string name = std::string(255, 'n') + ".dll"; // 259 characters
    const std::string text = StatusText("C:\\" + name, 65535, kSingleByte);
    EXPECT_EQ(text, " " + name + ",  Index 65535");
    EXPECT_EQ(text.size(), 1u + 259u + 9u + 5u);
}

// On a double-byte code page a second byte with the code of "\" is part of its character.
TEST(ReadOut, OnTheJapaneseCodePageOnlyWholeBackslashesCount) {
    const LeadByteSet japanese = ShiftJisLeadBytes();
    // \x95\x5C and \x83\x5C are characters whose second byte is 0x5C.
    EXPECT_EQ(StatusText("C:\\\x83\x5C\\\x95\x5C\x8E\xA6.dll", 2, japanese),
              " \x95\x5C\x8E\xA6.dll,  Index 2");
    EXPECT_EQ(StatusText("C:\\icons\\a\x95\x5C", 0, japanese), " a\x95\x5C");
    EXPECT_EQ(StatusText("C:\\icons\\a\x95", 0, japanese), " a\x95"); // a lone lead byte at the end
    // Single-byte half-width katakana (0xA1..0xDF) are no lead bytes.
    EXPECT_EQ(StatusText("C:\\\xB1\\\xB2.dll", 0, japanese), " \xB2.dll");
    // The same bytes on a single-byte code page: every 0x5C is a backslash.
    EXPECT_EQ(StatusText("C:\\\x83\x5C\\\x95\x5C\x8E\xA6.dll", 0, kSingleByte), " \x8E\xA6.dll");
}

} // namespace
