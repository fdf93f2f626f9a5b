// The status bar's read-out of one icon: the file's name alone, and the index above 0.
#include "../../catalogue/status_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct ReadOutCase {
    const char* path;
    unsigned index;
    const char* text;
};

class ReadOut : public ::testing::TestWithParam<ReadOutCase> {};

TEST_P(ReadOut, NameAndIndex) {
    const ReadOutCase c = GetParam();
    EXPECT_EQ(StatusText(c.path, c.index), c.text);
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
    const std::string text = StatusText("C:\\" + name, 65535);
    EXPECT_EQ(text, " " + name + ",  Index 65535");
    EXPECT_EQ(text.size(), 1u + 259u + 9u + 5u);
}

} // namespace
