// Guards the runs meant for one code page: with GLYPHBAY_EXPECT_ACP set, a system that has
// another ANSI code page fails the run instead of quietly testing the wrong one.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(CodePage, IsTheOneThisRunIsFor) {
    const char* expected = std::getenv("GLYPHBAY_EXPECT_ACP");
    if (!expected) GTEST_SKIP() << "GLYPHBAY_EXPECT_ACP not set: any code page will do";
    EXPECT_EQ(GetACP(), static_cast<UINT>(std::strtoul(expected, nullptr, 10)));
}

} // namespace
