// The shell's icon reader behind the guard: intact files read exactly as without it, and a file
// the reader faults on holds no icon and leaves nothing mapped.
#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../../catalogue/shell_icons.h"
#include "hostile_support.h"
#include "test_support.h"

namespace {

// The files of a folder whose names match pattern, with their full paths.
std::vector<std::string> FilesIn(const std::string& folder, const std::string& pattern) {
    std::vector<std::string> files;
    WIN32_FIND_DATAA entry;
    const HANDLE search = FindFirstFileA((folder + "\\" + pattern).c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return files;
    do {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            files.push_back(folder + "\\" + entry.cFileName);
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    return files;
}

int BareCount(const std::string& path) {
    const HICON count =
        ExtractIconA(GetModuleHandleA(nullptr), path.c_str(), static_cast<UINT>(-1));
    return static_cast<int>(reinterpret_cast<INT_PTR>(count));
}

// The views of files mapped in this process.
int MappedViews() {
    int views = 0;
    MEMORY_BASIC_INFORMATION region;
    const char* at = nullptr;
    while (VirtualQuery(at, &region, sizeof region) == sizeof region) {
        if (region.Type == MEM_MAPPED && region.BaseAddress == region.AllocationBase) ++views;
        const char* const next = static_cast<const char*>(region.BaseAddress) + region.RegionSize;
        if (next <= at) break;
        at = next;
    }
    return views;
}

TEST(ShellIcons, IntactFilesCountAndGiveTheirIconsAsWithoutTheGuard) {
    std::vector<std::string> files = FilesIn(SystemFolder(), "*.*");
    for (const char* fixture : {"icons*.dll", "padded3.dll", "hue*.dll"})
        for (const std::string& path : FilesIn(TestDirectory(), fixture))
            files.push_back(path);
    ASSERT_GT(files.size(), 100u);
    int icons = 0;
    for (const std::string& path : files) {
        const int count = BareCount(path);
        ASSERT_EQ(CountShellIcons(path.c_str()), count) << path;
        for (int i = 0; i < count; ++i, ++icons) {
            const HICON bare = ExtractIconA(GetModuleHandleA(nullptr), path.c_str(), i);
            HICON guarded = nullptr;
            ASSERT_TRUE(ExtractShellIcon(path.c_str(), i, &guarded)) << path << " icon " << i;
            EXPECT_EQ(bare != nullptr, guarded != nullptr) << path << " icon " << i;
            if (reinterpret_cast<UINT_PTR>(bare) > 1) DestroyIcon(bare);
            if (reinterpret_cast<UINT_PTR>(guarded) > 1) DestroyIcon(guarded);
        }
    }
    EXPECT_GT(icons, 100);
}

// The fixtures' partial downloads: where the reader trusts the headers of a cut copy, it reads
// past the end of the file. Under Wine (8.0) the reader faults on the two last.
TEST(ShellIcons, APartialDownloadHoldsNoIconAndLeavesNothingMapped) {
    struct Download {
        const char* file;
        int count; // as the shell counts it when it reads the file safely
    };
    const Download downloads[] = {
        {"partial_dos.dll", 0},  {"partial_pe.dll", 0},        {"partial_sections.dll", 0},
        {"partial_body.dll", 0}, {"partial_resources.dll", 3},
    };
    const int viewsBefore = MappedViews();
    for (const Download& download : downloads) {
        SCOPED_TRACE(download.file);
        const std::string path = TestDirectory() + "\\" + download.file;
        const int count = CountShellIcons(path.c_str());
        EXPECT_TRUE(count == 0 || count == download.count) << count;
        for (int i = 0; i < count; ++i) {
            HICON icon = nullptr;
            if (ExtractShellIcon(path.c_str(), i, &icon)) {
                if (reinterpret_cast<UINT_PTR>(icon) > 1) DestroyIcon(icon);
            } else {
                EXPECT_EQ(icon, nullptr);
            }
        }
    }
    // A read that faulted was abandoned with its view of the file still mapped: the view is
    // given back, so that a folder of such files does not use up the address space.
    EXPECT_EQ(MappedViews(), viewsBefore);
}

TEST(ShellIcons, AfterAThousandFaultsTheReaderStillReadsIntactFiles) {
    const std::string body = TestDirectory() + "\\partial_body.dll";
    const std::string resources = TestDirectory() + "\\partial_resources.dll";
    if (!RunningOnWine()) GTEST_SKIP() << "the partial downloads fault only in Wine's reader";
    const int viewsBefore = MappedViews();
    for (int i = 0; i < 500; ++i) {
        ASSERT_EQ(CountShellIcons(body.c_str()), 0);
        HICON icon = nullptr;
        ASSERT_FALSE(ExtractShellIcon(resources.c_str(), 0, &icon)) << "fault " << i;
    }
    EXPECT_EQ(MappedViews(), viewsBefore);

    const std::string three = TestDirectory() + "\\icons3.dll";
    ASSERT_EQ(CountShellIcons(three.c_str()), 3);
    MemoryCanvas canvas(32, 32, RGB(1, 2, 3));
    HICON icon = nullptr;
    ASSERT_TRUE(ExtractShellIcon(three.c_str(), 2, &icon));
    ASSERT_NE(icon, nullptr);
    DrawIcon(canvas.Dc(), 0, 0, icon);
    DestroyIcon(icon);
    EXPECT_EQ(canvas.Pixel(16, 16), FixtureColour(2));
}

} // namespace
