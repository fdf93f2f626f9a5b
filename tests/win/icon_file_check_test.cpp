// The check that keeps lying icon files from the shell's reader refuses none that it reads.
#include "../../catalogue/icon_file_check.h"

#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_support.h"

namespace {

bool EndsWithIco(const std::string& name) {
    return name.size() > 4 && lstrcmpiA(name.c_str() + name.size() - 4, ".ico") == 0;
}

// Adds the path of every file named *.ico under folder, in every folder below it too.
void FindIconFiles(const std::string& folder, std::vector<std::string>* found) {
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const std::string name = entry.cFileName;
        if (name == "." || name == "..") continue;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) continue;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            FindIconFiles(folder + "\\" + name, found);
        else if (EndsWithIco(name))
            found->push_back(folder + "\\" + name);
    } while (FindNextFileA(search, &entry));
    FindClose(search);
}

// Every icon file that the build makes for the tests, and every one that the system holds.
TEST(IconFileCheck, RefusesNoIconFileThatTheShellReads) {
    std::vector<std::string> files;
    FindIconFiles(TestDirectory() + "\\fixtures", &files);
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    FindIconFiles(windows, &files);
    ASSERT_GE(files.size(), 520u) << "the fixtures' icon files were not found";
    for (const std::string& path : files) {
        const auto count = reinterpret_cast<INT_PTR>(ExtractIconA(nullptr, path.c_str(), -1));
        if (count < 1) continue;
        EXPECT_FALSE(IsLyingIconFile(path.c_str())) << path;
    }
}

TEST(IconFileCheck, TakesOnlyIconFilesForLyingOnes) {
    const ScratchFolder folder;
    // A library, a file that is not there, a folder and a pipe-like device are no icon files.
    for (const std::string& path : {TestDirectory() + "\\icons3.dll", folder.Path() + "\\none.ico",
                                    folder.Path(), std::string("NUL")})
        EXPECT_FALSE(IsLyingIconFile(path.c_str())) << path;
}

} // namespace
