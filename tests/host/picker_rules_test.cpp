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

} // namespace
