// The version information that the file's properties show.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "glyphbay_version.h"

namespace {

TEST(VersionInformation, NamesTheProductAndVersion) {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &handle);
    ASSERT_GT(size, 0u);
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoA(path, 0, size, info.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    // The project version's major and minor number, then its patch number and 0.
    constexpr DWORD kVersionMS = GLYPHBAY_VERSION_MAJOR << 16 | GLYPHBAY_VERSION_MINOR;
    constexpr DWORD kVersionLS = GLYPHBAY_VERSION_PATCH << 16;
    EXPECT_EQ(fixed->dwFileVersionMS, kVersionMS);
    EXPECT_EQ(fixed->dwFileVersionLS, kVersionLS);
    EXPECT_EQ(fixed->dwProductVersionMS, kVersionMS);
    EXPECT_EQ(fixed->dwProductVersionLS, kVersionLS);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    const std::pair<const char*, const char*> strings[] = {
        {"ProductName", "GlyphBay"},
        {"ProductVersion", GLYPHBAY_VERSION_TEXT},
        {"FileVersion", GLYPHBAY_VERSION_TEXT}};
    for (const auto& [name, expected] : strings) {
        char* text = nullptr;
        const std::string key = std::string("\\StringFileInfo\\040904B0\\") + name;
        ASSERT_TRUE(
            VerQueryValueA(info.data(), key.c_str(), reinterpret_cast<void**>(&text), &length))
            << name;
        EXPECT_STREQ(text, expected) << name;
    }
}

} // namespace
