// Where the settings file lies for a given executable path, and the byte-wise path rules.
#include "../../folders/settings_path.h"

#include <gtest/gtest.h>

#include "shift_jis.h"

namespace {

// Two characters of Shift-JIS whose trail bytes are "A" and "\".
const std::string kKatakanaA = "\x83\x41";
const std::string kKatakanaSo = "\x83\x5C";

struct PathCase {
    const char* what;
    std::string executable;
    std::string settings;
    LeadByteSet leadBytes;
};

class SettingsPath : public ::testing::TestWithParam<PathCase> {};

TEST_P(SettingsPath, IsTheLowerCasedFolderWithTheFileName) {
    const PathCase& c = GetParam();
    EXPECT_EQ(SettingsPathFor(c.executable, c.leadBytes), c.settings) << c.what;
}

const std::string k250 = "C:\\" + std::string(246, 'F') + "\\"; // a folder of 250 characters
const std::string k257 = "C:\\" + std::string(120, 'P') + "\\" + std::string(133, 'Q');

INSTANTIATE_TEST_SUITE_P(
    Examples, SettingsPath,
    ::testing::Values(
        PathCase{"a folder", "D:\\Tools\\Viewer.EXE", "d:\\tools\\glyphbay.ini", {}},
        PathCase{"a drive's root", "C:\\VIEWER.EXE", "c:\\glyphbay.ini", {}},
        PathCase{"no backslash", "VIEWER.EXE", "viewer.exe\\glyphbay.ini", {}},
        PathCase{"accented letters stay",
                 "C:\\\xC4rger\\\xDC"
                 "BER\\V.EXE",
                 "c:\\\xC4rger\\\xDC"
                 "ber\\glyphbay.ini",
                 {}},
        PathCase{"a 250-character folder is kept whole",
                 k250 + "V.EXE",
                 "c:\\" + std::string(246, 'f') + "\\glyphbay.ini",
                 {}},
        PathCase{"a folder that ends past the 255th character is not cut to its parent",
                 k257 + "\\X",
                 "c:\\" + std::string(120, 'p') + "\\" + std::string(133, 'q') + "\\glyphbay.ini",
                 {}},
        PathCase{"unknown executable", "", "", {}},
        PathCase{"two-byte characters keep their trail bytes",
                 "C:\\" + kKatakanaA + "\\" + kKatakanaSo + ".EXE",
                 "c:\\" + kKatakanaA + "\\glyphbay.ini", ShiftJisLeadBytes()},
        PathCase{"the same bytes in a single-byte code page",
                 "C:\\" + kKatakanaA + "\\" + kKatakanaSo + ".EXE",
                 "c:\\\x83"
                 "a\\\x83\\glyphbay.ini",
                 {}}),
    [](const ::testing::TestParamInfo<PathCase>& info) {
        return "Case" + std::to_string(info.index);
    });

TEST(LowerCaseLetters, ChangesOnlyTheLettersAToZ) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    const std::string lower = LowerCaseLetters(all, {});
    ASSERT_EQ(lower.size(), all.size());
    for (std::size_t i = 0; i < all.size(); ++i) {
        const auto b = static_cast<unsigned char>(all[i]);
        const unsigned char expected = b >= 'A' && b <= 'Z' ? b + 0x20 : b;
        EXPECT_EQ(static_cast<unsigned char>(lower[i]), expected) << "byte " << unsigned(b);
    }
}

} // namespace
