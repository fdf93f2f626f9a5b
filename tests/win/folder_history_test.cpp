// The folder history: loaded from and saved to the real settings file next to the executable.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "../../app/main_dialog.h"
#include "../../folders/folder_history.h"
#include "test_support.h"

namespace {

using Entries = std::vector<std::string>;

// The settings file's section "Dir" as key=value lines; the section names of the file.
Entries DirSection(const std::string& file) {
    std::vector<char> buffer(64 * 1024);
    const DWORD n = GetPrivateProfileSectionA("Dir", buffer.data(),
                                              static_cast<DWORD>(buffer.size()), file.c_str());
    Entries lines;
    for (const char* p = buffer.data(); p < buffer.data() + n && *p; p += lstrlenA(p) + 1)
        lines.emplace_back(p);
    return lines;
}

Entries SectionNames(const std::string& file) {
    char buffer[4096];
    const DWORD n = GetPrivateProfileSectionNamesA(buffer, sizeof buffer, file.c_str());
    Entries names;
    for (const char* p = buffer; p < buffer + n && *p; p += lstrlenA(p) + 1)
        names.emplace_back(p);
    return names;
}

std::string Settings(const Entries& lines) {
    std::string text = "[Dir]\r\n";
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

Entries KeyLines(const Entries& entries) {
    Entries lines;
    for (std::size_t i = 0; i < entries.size(); ++i)
        lines.push_back(std::to_string(i) + "=" + entries[i]);
    return lines;
}

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 0x20);
    return text;
}

class FolderHistory : public SettingsFileTest {
  protected:
    // The user chooses entry index in the folder box's list.
    INT_PTR Choose(int index) {
        SendDlgItemMessageA(hDlg, IDC_FOLDER, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        return MainDialogProc(hDlg, WM_COMMAND, MAKEWPARAM(IDC_FOLDER, CBN_SELCHANGE),
                              reinterpret_cast<LPARAM>(GetDlgItem(hDlg, IDC_FOLDER)));
    }
};

TEST_F(FolderHistory, TheSettingsFileLiesNextToTheExecutableInLowerCase) {
    Open(Settings({"0=" + a.Path()}));
    EXPECT_EQ(std::string(SettingsFilePath()), Lower(TestDirectory()) + "\\glyphbay.ini");
}

TEST_F(FolderHistory, LoadsUpToTheFirstMissingKeyAndSavesOnlyWhatIsListed) {
    Open(Settings({"0=" + a.Path(), "1=" + b.Path(), "3=" + c.Path()}));
    EXPECT_EQ(HistoryEntries(hDlg), (Entries{a.Path(), b.Path()}));
    EXPECT_EQ(HistorySelection(hDlg), 0);
    EXPECT_EQ(ControlText(hDlg, IDC_FOLDER), a.Path());
    Close();
    EXPECT_EQ(DirSection(settings.Path()), KeyLines({a.Path(), b.Path()}));
}

TEST_F(FolderHistory, ReadsNoMoreThanElevenKeys) {
    Entries lines;
    for (int i = 0; i < 16; ++i)
        lines.push_back(std::to_string(i) + "=" + a.Path() + "\\f" + std::to_string(i));
    Open(Settings(lines));
    Entries expected;
    for (int i = 0; i < 11; ++i)
        expected.push_back(a.Path() + "\\f" + std::to_string(i));
    EXPECT_EQ(HistoryEntries(hDlg), expected);
}

TEST_F(FolderHistory, AnEmptyOrMissingKeyZeroShowsTheWindowsDirectory) {
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    ScratchFolder icons;
    icons.AddFixture("icons1.dll", "one.dll");
    const std::string cases[] = {"[Dir]\r\n0=\r\n1=" + icons.Path() + "\r\n",
                                 "[Other]\r\n0=" + icons.Path() + "\r\n", ""};
    for (const std::string& text : cases) {
        Open(text);
        EXPECT_TRUE(HistoryEntries(hDlg).empty()) << text;
        EXPECT_EQ(ControlText(hDlg, IDC_FOLDER), windows) << text;
        CloseTestDialog(hDlg);
        hDlg = nullptr;
    }
}

TEST_F(FolderHistory, AnEmptyHistoryAtCloseDeletesTheSectionAndNothingElse) {
    Open("[Other]\r\nkeep=1\r\n" + Settings({"0=" + a.Path()}));
    SendDlgItemMessageA(hDlg, IDC_FOLDER, CB_RESETCONTENT, 0, 0);
    Close();
    EXPECT_EQ(SectionNames(settings.Path()), Entries{"Other"});
    char kept[8] = "";
    GetPrivateProfileStringA("Other", "keep", "", kept, sizeof kept, settings.Path().c_str());
    EXPECT_STREQ(kept, "1");
}

TEST_F(FolderHistory, ChoosingAnEntryRemovesTheFirstMatchAndPutsTheChosenTextOnTop) {
    const std::string upper = a.Path() + "\\Icons", lower = a.Path() + "\\icons";
    struct Case {
        int chosen;
        Entries after;
    };
    const Case cases[] = {{3, {lower, a.Path(), b.Path(), lower}},
                          {1, {upper, a.Path(), b.Path(), lower}}};
    for (const Case& test : cases) {
        Open(Settings(KeyLines({a.Path(), upper, b.Path(), lower})));
        ASSERT_EQ(HistoryEntries(hDlg).size(), 4u);
        EXPECT_EQ(Choose(test.chosen), TRUE);
        EXPECT_EQ(HistoryEntries(hDlg), test.after) << "chosen " << test.chosen;
        EXPECT_EQ(HistorySelection(hDlg), 0);
        EXPECT_EQ(ControlText(hDlg, IDC_FOLDER), test.after[0]);
        CloseTestDialog(hDlg);
        hDlg = nullptr;
    }
}

TEST_F(FolderHistory, ChoosingAFolderScansIt) {
    b.AddFixture("icons3.dll", "three.dll");
    Open(Settings(KeyLines({a.Path(), b.Path()})));
    EXPECT_TRUE(IconListItems(hDlg).empty());
    Choose(1);
    EXPECT_EQ(HistoryEntries(hDlg), (Entries{b.Path(), a.Path()}));
    EXPECT_EQ(IconListItems(hDlg).size(), 3u);

    // Entry 0 again: the same list, scanned again.
    b.AddFixture("icons1.dll", "one.dll");
    EXPECT_EQ(Choose(0), TRUE);
    EXPECT_EQ(HistoryEntries(hDlg), (Entries{b.Path(), a.Path()}));
    EXPECT_EQ(IconListItems(hDlg).size(), 4u);
}

TEST_F(FolderHistory, AValueOver500CharactersBecomesItsFirst500) {
    const std::string value = "c:\\" + std::string(597, 'v');
    Open(Settings({"0=" + value, "1=" + a.Path()}));
    EXPECT_EQ(HistoryEntries(hDlg), (Entries{value.substr(0, 500), a.Path()}));
}

TEST_F(FolderHistory, ATypedFolderShownWithEnterIsNotSaved) {
    Open(Settings(KeyLines({a.Path(), b.Path()})));
    c.AddFixture("icons1.dll", "one.dll");
    ShowTypedFolder(hDlg, c.Path());
    EXPECT_EQ(IconListItems(hDlg).size(), 1u);
    EXPECT_EQ(HistoryEntries(hDlg), (Entries{a.Path(), b.Path()}));
    Close();
    EXPECT_EQ(DirSection(settings.Path()), KeyLines({a.Path(), b.Path()}));
}

TEST_F(FolderHistory, CloseWritesEveryEntryInOrderAndTheNextStartReadsEleven) {
    Entries loaded;
    for (int i = 0; i < 11; ++i)
        loaded.push_back(a.Path() + "\\f" + std::to_string(i));
    Open(Settings(KeyLines(loaded)));
    PushFolder(hDlg, b.Path().c_str());
    PushFolder(hDlg, c.Path().c_str());
    PushFolder(hDlg, loaded[5].c_str()); // moves up from further down

    Entries expected = {loaded[5], c.Path(), b.Path()};
    for (int i = 0; i < 11; ++i)
        if (i != 5) expected.push_back(loaded[i]);
    EXPECT_EQ(HistoryEntries(hDlg), expected);
    Close();
    EXPECT_EQ(DirSection(settings.Path()), KeyLines(expected));

    hDlg = OpenMainDialog();
    EXPECT_EQ(HistoryEntries(hDlg), Entries(expected.begin(), expected.begin() + 11));
}

TEST_F(FolderHistory, PushingATextInOtherCaseReplacesTheMatch) {
    Open(Settings(KeyLines({a.Path(), "C:\\Windows", b.Path()})));
    PushFolder(hDlg, "c:\\windows");
    EXPECT_EQ(HistoryEntries(hDlg), (Entries{"c:\\windows", a.Path(), b.Path()}));
    EXPECT_EQ(ControlText(hDlg, IDC_FOLDER), "c:\\windows");
}

} // namespace
