// Which mapped views are taken for a file: only those whose name can mean no other file.
#include "../../catalogue/view_names.h"

#include <gtest/gtest.h>

namespace {

constexpr wchar_t kVolume[] = L"\\Device\\HarddiskVolume3";

struct ViewCase {
    const wchar_t* viewName;
    const wchar_t* fullPath;
    const wchar_t* driveDevice;
    bool isFile;
};

class ViewNames : public ::testing::TestWithParam<ViewCase> {};

TEST_P(ViewNames, NamesTheFileOnlyWhenNothingElseCanBeMeant) {
    const ViewCase c = GetParam();
    EXPECT_EQ(ViewNamesFile(c.viewName, c.fullPath, c.driveDevice), c.isFile)
        << "view " << testing::PrintToString(std::wstring(c.viewName)) << ", file "
        << testing::PrintToString(std::wstring(c.fullPath));
}

INSTANTIATE_TEST_SUITE_P(
    Names, ViewNames,
    ::testing::Values(
        // As Wine names a view: "\??\" and the DOS path; letter case of A to Z does not count.
        ViewCase{L"\\??\\Z:\\tmp\\cut.dll", L"Z:\\tmp\\cut.dll", L"", true},
        ViewCase{L"\\??\\z:\\TMP\\Cut.DLL", L"Z:\\tmp\\cut.dll", L"", true},
        ViewCase{L"\\??\\C:\\tmp\\cut.dll", L"Z:\\tmp\\cut.dll", L"", false},
        // The same path one folder deeper, or a longer name, is another file.
        ViewCase{L"\\??\\Z:\\a\\tmp\\cut.dll", L"Z:\\tmp\\cut.dll", L"", false},
        ViewCase{L"\\??\\Z:\\tmp\\cut.dll2", L"Z:\\tmp\\cut.dll", L"", false},
        ViewCase{L"\\??\\Z:\\tmp\\cut.dl", L"Z:\\tmp\\cut.dll", L"", false},
        // Letters beyond A to Z are compared as they are.
        ViewCase{L"\\??\\Z:\\\u00C4.dll", L"Z:\\\u00E4.dll", L"", false},
        ViewCase{L"\\??\\Z:\\\u00E4.dll", L"Z:\\\u00E4.dll", L"", true},
        // As Windows names a view: the drive's device and the path on it.
        ViewCase{L"\\Device\\HarddiskVolume3\\tmp\\cut.dll", L"C:\\tmp\\cut.dll", kVolume, true},
        ViewCase{L"\\Device\\HarddiskVolume2\\tmp\\cut.dll", L"C:\\tmp\\cut.dll", kVolume, false},
        ViewCase{L"\\Device\\HarddiskVolume3\\tmp\\cut.dll", L"C:\\tmp\\cut.dll", L"", false},
        ViewCase{L"\\Device\\HarddiskVolume3\\x\\tmp\\cut.dll", L"C:\\tmp\\cut.dll", kVolume,
                 false},
        // Files on a network share.
        ViewCase{L"\\??\\UNC\\server\\share\\cut.dll", L"\\\\server\\share\\cut.dll", L"", true},
        ViewCase{L"\\Device\\Mup\\server\\share\\cut.dll", L"\\\\server\\share\\cut.dll", L"",
                 true},
        ViewCase{L"\\Device\\Mup\\other\\share\\cut.dll", L"\\\\server\\share\\cut.dll", L"",
                 false},
        // A path that is not absolute, or of another kind, names nothing for sure.
        ViewCase{L"\\??\\tmp\\cut.dll", L"tmp\\cut.dll", L"", false},
        ViewCase{L"\\??\\C:cut.dll", L"C:cut.dll", L"", false},
        ViewCase{L"\\??\\C:\\cut.dll", L"\\\\?\\C:\\cut.dll", L"", false},
        ViewCase{L"", L"", L"", false}));

} // namespace
