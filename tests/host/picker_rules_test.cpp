// The folder picker's text rules: the preselected folder and the picked folder's text.
#include "../../folders/picker_rules.h"

#include <gtest/gtest.h>

#include "shift_jis.h"

namespace {

struct PreselectionCase {
    std::string folderText;
    std::string preselected;
    LeadByteSet leadBytes;
};

class Preselection : public ::testing::TestWithParam<PreselectionCase> {};

TEST_P(Preselection, DropsOneTrailingBackslashExceptFromADrivesRoot) {
    const PreselectionCase& c = GetParam();
    EXPECT_EQ(c.folderText.substr(0, PreselectionLength(c.folderText, c.leadBytes)), c.preselected);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, Preselection,
    ::testing::Values(PreselectionCase{"c:\\", "c:\\", {}},
                      PreselectionCase{"c:\\windows\\", "c:\\windows", {}},
                      PreselectionCase{"c:\\windows\\\\", "c:\\windows\\", {}},
                      PreselectionCase{"c:\\windows", "c:\\windows", {}},
                      PreselectionCase{"", "", {}}, PreselectionCase{"ab\\", "ab\\", {}},
                      PreselectionCase{"abc\\", "abc", {}},
                      // A two-byte character whose trail byte is "\" is no trailing backslash.
                      PreselectionCase{"c:\\\x83\x5C", "c:\\\x83\x5C", ShiftJisLeadBytes()},
                      PreselectionCase{"c:\\\x83\x5C\\", "c:\\\x83\x5C", ShiftJisLeadBytes()}));

TEST(PickedFolderText, IsLowerCasedAndCutTo255Characters) {
    EXPECT_EQ(PickedFolderText("D:\\Program Files\\Tools", {}), "d:\\program files\\tools");
    EXPECT_EQ(PickedFolderText("", {}), "");

    const std::string longPath = "C:\\" + std::string(300, 'L');
    const std::string text = PickedFolderText(longPath, {});
    EXPECT_EQ(text, "c:\\" + std::string(252, 'l'));

    EXPECT_EQ(PickedFolderText("C:\\\x83\x41"
                               "B",
                               ShiftJisLeadBytes()),
              "c:\\\x83\x41"
              "b");
}

// Cut at 255 bytes, a two-byte character that would lose its trail byte goes whole.
struct CutCase {
    const char* what;
    std::size_t singleBytes; // after "c:\\", before the two-byte characters
    std::size_t kept;
};

void PrintTo(const CutCase& c, std::ostream* os) {
    *os << c.what;
}

class PickedFolderCut : public ::testing::TestWithParam<CutCase> {};

TEST_P(PickedFolderCut, KeepsWholeCharacters) {
    const CutCase& c = GetParam();
    std::string path = "C:\\" + std::string(c.singleBytes, 'L');
    for (int i = 0; i < 10; ++i)
        path += "\x83\x5C"; // a character whose trail byte is "\\"
    const std::string text = PickedFolderText(path, ShiftJisLeadBytes());
    EXPECT_EQ(text.size(), c.kept) << c.what;
    EXPECT_EQ(text, "c:\\" + std::string(c.singleBytes, 'l') +
                        path.substr(3 + c.singleBytes, c.kept - 3 - c.singleBytes))
        << c.what;
}

INSTANTIATE_TEST_SUITE_P(Cases, PickedFolderCut,
                         ::testing::Values(CutCase{"the 255th byte ends a character", 250, 255},
                                           CutCase{"the 255th byte starts a character", 249, 254}));

} // namespace
