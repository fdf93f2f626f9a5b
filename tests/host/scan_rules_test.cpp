// The folder scan's filter and path rules.
#include "../../catalogue/scan_rules.h"

#include <gtest/gtest.h>

#include "shift_jis.h"

namespace {

TEST(IsListableFile, TakesFilesOfEveryKindButNoFolder) {
    constexpr std::uint32_t kHidden = 0x2, kSystem = 0x4, kReadOnly = 0x1, kArchive = 0x20;
    EXPECT_TRUE(IsListableFile("a.exe", 0));
    EXPECT_TRUE(IsListableFile("a.exe", kHidden | kSystem | kReadOnly | kArchive));
    EXPECT_TRUE(IsListableFile("...", kArchive));
    EXPECT_FALSE(IsListableFile(".", kDirectoryAttribute));
    EXPECT_FALSE(IsListableFile("..", kDirectoryAttribute));
    EXPECT_FALSE(IsListableFile(".", 0));
    EXPECT_FALSE(IsListableFile("sub", kDirectoryAttribute | kHidden));
}

struct FolderCase {
    const char* folderText;
    const char* pattern;
    const char* fullPath;
};

class ScanPaths : public ::testing::TestWithParam<FolderCase> {};

TEST_P(ScanPaths, PatternAndFullPath) {
    const FolderCase c = GetParam();
    const std::string folder = ScanFolderText(c.folderText, LeadByteSet());
    EXPECT_EQ(SearchPattern(folder), c.pattern);
    EXPECT_EQ(FullPath(folder, "a.exe"), c.fullPath);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, ScanPaths,
    ::testing::Values(FolderCase{"C:\\", "C:\\*.*", "C:\\a.exe"},
                      FolderCase{"C:\\Windows", "C:\\Windows\\*.*", "C:\\Windows\\a.exe"},
                      FolderCase{"C:\\Windows\\", "C:\\Windows\\*.*", "C:\\Windows\\a.exe"},
                      FolderCase{"C:\\Windows\\\\", "C:\\Windows\\\\*.*", "C:\\Windows\\\\a.exe"},
                      FolderCase{"", "\\*.*", "\\a.exe"}, FolderCase{"\\", "\\*.*", "\\a.exe"}));

TEST(ScanFolderText, KeepsASecondByteThatLooksLikeABackslash) {
    // Code page 932: "\x83\x5C" is one character whose second byte has the code of "\".
    EXPECT_EQ(ScanFolderText("C:\\\x83\x5C", ShiftJisLeadBytes()), "C:\\\x83\x5C");
    EXPECT_EQ(ScanFolderText("C:\\\x83\x5C\\", ShiftJisLeadBytes()), "C:\\\x83\x5C");
}

} // namespace
