// The text of the report of an error that escapes a message handler.
#include "../../app/error_text.h"
#include "shift_jis.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct ReportCase {
    const char* what;
    const char* kind;
    std::string executable;
    std::uintptr_t address;
    std::string message;
    std::string text;
};

class ErrorReportText : public ::testing::TestWithParam<ReportCase> {};

TEST_P(ErrorReportText, FillsTheFormat) {
    const ReportCase& c = GetParam();
    EXPECT_EQ(std::string(
                  FormatErrorText(c.kind, c.executable, c.address, c.message, LeadByteSet()).text),
              c.text)
        << c.what;
}

const std::uintptr_t kWideAddress = sizeof(std::uintptr_t) > 4 ? 0x140001A2B : 0x40001A2B;
const std::string kWideDigits = sizeof(std::uintptr_t) > 4 ? "140001A2B" : "40001A2B";

INSTANTIATE_TEST_SUITE_P(
    Errors, ErrorReportText,
    ::testing::Values(
        ReportCase{"the picker's error", "Exception", "C:\\Tools\\GlyphBay.exe", 0x0040A1B2,
                   "Memory alloc failed.",
                   "Exception Exception in module GlyphBay.exe at 0040A1B2.\nMemory alloc failed."},
        ReportCase{"exhausted memory", "EOutOfMemory", "C:\\GLYPHBAY.EXE", 0x401000,
                   "Out of memory",
                   "Exception EOutOfMemory in module GLYPHBAY.EXE at 00401000.\nOut of memory."},
        ReportCase{"no message, no full stop", "Exception", "d:\\a\\b.exe", 0, "",
                   "Exception Exception in module b.exe at 00000000.\n"},
        ReportCase{"a path without folder", "Exception", "glyphbay.exe", 0xFFFFFFFF, "x",
                   "Exception Exception in module glyphbay.exe at FFFFFFFF.\nx."},
        ReportCase{"an address above 32 bits keeps every digit", "Exception", "c:\\g.exe",
                   kWideAddress, "x.",
                   "Exception Exception in module g.exe at " + kWideDigits + ".\nx."},
        ReportCase{"the module name is cut to 63 characters", "Exception",
                   "c:\\" + std::string(70, 'n') + ".exe", 0x10, "m",
                   "Exception Exception in module " + std::string(63, 'n') + " at 00000010.\nm."}),
    [](const ::testing::TestParamInfo<ReportCase>& info) {
        return "Case" + std::to_string(info.index);
    });

TEST(ErrorReportText, ALongMessageIsCutToTheBuffer) {
    const std::string message(2 * kErrorTextSize, 'm');
    const ErrorText report = FormatErrorText("Exception", "c:\\g.exe", 1, message, LeadByteSet());
    const std::string text(report.text);
    EXPECT_EQ(text.size(), kErrorTextSize - 1);
    EXPECT_EQ(text.rfind("Exception Exception in module g.exe at 00000001.\nmmm", 0), 0u);
}

// On the Japanese code page: a trail byte 0x5C is no folder separator, and the name is cut
// after its 63rd character, not inside one.
TEST(ErrorReportText, KeepsTheModuleNameWholeOnADoubleByteCodePage) {
    const std::string table = "\x95\x5C"; // a character whose trail byte is a backslash
    struct Case {
        const char* what;
        std::string executable;
        std::string module;
    };
    const Case cases[] = {
        {"a name that holds a trail byte 0x5C", "c:\\tools\\" + table + "glyph.exe",
         table + "glyph.exe"},
        {"a folder whose last character ends in 0x5C", "c:\\" + table + "\\g.exe", "g.exe"},
        {"70 two-byte characters",
         "c:\\" +
             [&] {
                 std::string name;
                 for (int i = 0; i < 70; ++i)
                     name += table;
                 return name;
             }(),
         [&] {
             std::string name;
             for (int i = 0; i < 63; ++i)
                 name += table;
             return name;
         }()},
    };
    for (const Case& c : cases) {
        const ErrorText report =
            FormatErrorText("Exception", c.executable, 0x10, "m", ShiftJisLeadBytes());
        EXPECT_EQ(std::string(report.text),
                  "Exception Exception in module " + c.module + " at 00000010.\nm.")
            << c.what;
    }
}

} // namespace
