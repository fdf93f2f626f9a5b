// Files named with characters that the ANSI code page lacks: each is listed once, under a name
// that opens it, and its cells show its own icons.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../../app/exact_ansi.h"
#include "test_support.h"

namespace {

struct NamedFile {
    const char* what;
    const wchar_t* name;
    unsigned hue;        // the fixture it holds: one icon in colour hue
    bool longNameOn1252; // listed under its long name on the Western code page (else its alias)
    bool longNameOn932;  // ... and on the Japanese one
};

// A best-fit pair: without care, the first would be read as the second on code page 1252
// ("ł" and "ą" fit "l" and "a"), and on 932 the third as the fourth.
const NamedFile kFiles[] = {
    {"Cyrillic", L"\u0417\u043D\u0430\u0447\u043A\u0438.dll", 101, false, true},
    {"Japanese", L"\u30A2\u30A4\u30B3\u30F3.dll", 102, false, true},
    {"Chinese", L"\u56FE\u6807.dll", 103, false, false},
    {"an emoji", L"\U0001F600 smile.dll", 104, false, false},
    {"Polish, fitting an ASCII name on 1252", L"Za\u0142\u0105cznik.dll", 105, false, false},
    {"the ASCII name it fits", L"Zalacznik.dll", 106, true, true},
    {"accented, fitting an ASCII name on 932", L"\u00DCn\u00EFc\u00F6d\u00E9.dll", 107, true,
     false},
    {"the ASCII name it fits", L"Unicode.dll", 108, true, true},
};

// The name the platform keeps as the file's short alias.
std::string ShortName(const std::wstring& path) {
    wchar_t shortPath[MAX_PATH] = L"";
    const DWORD n = GetShortPathNameW(path.c_str(), shortPath, MAX_PATH);
    const std::wstring full(shortPath, n < MAX_PATH ? n : 0);
    return ExactAnsi(full.substr(full.find_last_of(L'\\') + 1)).value_or("(no alias)");
}

using FileNames = MainDialogTest;

TEST_F(FileNames, EachFileIsListedOnceUnderANameThatOpensItAndDrawsItsOwnIcons) {
    const UINT codePage = GetACP();
    if (codePage != 1252 && codePage != 932) GTEST_SKIP() << "code page " << codePage;
    ScratchFolder folder;
    const std::wstring wideFolder = WideFromAnsi(folder.Path());
    std::vector<std::string> listedNames;
    for (const NamedFile& file : kFiles) {
        const std::wstring path = wideFolder + L"\\" + file.name;
        const std::wstring fixture =
            WideFromAnsi(TestDirectory() + "\\hue" + std::to_string(file.hue) + ".dll");
        ASSERT_TRUE(CopyFileW(fixture.c_str(), path.c_str(), FALSE)) << file.what;
        const bool longName = codePage == 1252 ? file.longNameOn1252 : file.longNameOn932;
        listedNames.push_back(longName ? ExactAnsi(file.name).value_or("(inexact)")
                                       : ShortName(path));
    }

    ShowTypedFolder(hDlg, folder.Path());
    const std::vector<IconItem> items = IconListItems(hDlg);
    EXPECT_EQ(items.size(), std::size(kFiles));
    for (std::size_t f = 0; f < std::size(kFiles); ++f) {
        SCOPED_TRACE(kFiles[f].what);
        const std::string path = folder.Path() + "\\" + listedNames[f];
        int listed = 0;
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (items[i].path != path) continue;
            ++listed;
            EXPECT_EQ(items[i].index, 0u);
            EXPECT_EQ(DrawnIconColour(hDlg, static_cast<UINT>(i)), FixtureColour(kFiles[f].hue));
            SelectIconItem(hDlg, static_cast<int>(i));
            EXPECT_EQ(StatusBarText(hDlg), " " + listedNames[f]);
        }
        EXPECT_EQ(listed, 1) << path;
    }
}

} // namespace
