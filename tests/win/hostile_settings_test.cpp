// Damaged, huge, duplicated and unwritable settings files met by the real start and close of the
// main dialog: every entry the file holds in a form the platform reads is loaded and saved
// again, nothing is said aloud, and closing ends the dialog as always.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "../../app/main_dialog.h"
#include "../../app/text_limits.h"
#include "../../folders/folder_history.h"
#include "hostile_support.h"
#include "test_support.h"

namespace {

using Entries = std::vector<std::string>;

// The history that the next start would load from the file: the values of the keys "0", "1", ...
// of the section "Dir" up to the first empty one.
Entries StoredHistory(const std::string& file) {
    Entries entries;
    char value[kFolderTextSize];
    for (int key = 0; key < 11; ++key) {
        GetPrivateProfileStringA("Dir", std::to_string(key).c_str(), "", value, sizeof value,
                                 file.c_str());
        if (!value[0]) break;
        entries.emplace_back(value);
    }
    return entries;
}

// How many sections of the file are named "Dir", in any letter case.
int HistorySections(const std::string& file) {
    std::vector<char> names(1 << 16);
    const DWORD n = GetPrivateProfileSectionNamesA(names.data(), static_cast<DWORD>(names.size()),
                                                   file.c_str());
    int count = 0;
    for (const char* p = names.data(); p < names.data() + n && *p; p += lstrlenA(p) + 1)
        if (lstrcmpiA(p, "Dir") == 0) ++count;
    return count;
}

std::string Value(const std::string& file, const char* section, const char* key) {
    char value[64] = "";
    GetPrivateProfileStringA(section, key, "", value, sizeof value, file.c_str());
    return value;
}

// A text with the zero bytes inside it.
template <std::size_t N> std::string Bytes(const char (&text)[N]) {
    return std::string(text, N - 1);
}

// Bytes of every value but "=", so that no line of them names a key with a value; zero bytes
// only in the second half, so that a reader that stops at one has read much of the junk first.
std::string BinaryJunk(std::size_t size) {
    std::string junk;
    junk.reserve(size);
    for (std::size_t i = 0; junk.size() < size; ++i) {
        const char c = static_cast<char>((i * 37 + i / 251) % 256);
        if (c != '=' && (c != '\0' || junk.size() > size / 2)) junk += c;
    }
    return junk;
}

// Text lines of another section, up to size bytes; the last key is "last".
std::string OtherSection(std::size_t size) {
    std::string text = "[Junk]\r\n";
    for (int i = 0; text.size() < size; ++i)
        text += "k" + std::to_string(i) + "=" + std::string(40, 'j') + "\r\n";
    return text + "last=kept\r\n";
}

class HostileSettings : public SettingsFileTest {
  protected:
    std::string A() const {
        return a.Path();
    }
    std::string B() const {
        return b.Path();
    }
    std::string C() const {
        return c.Path();
    }
};

TEST_F(HostileSettings, JunkInTheFileLosesNoEntryThatItHoldsValidly) {
    struct Case {
        const char* what;
        std::string bytes;
        Entries loaded;
        // Where the platform decides (whether it reads on after a zero byte, whether a lone CR
        // ends a line): the entries given must come first, more may follow.
        bool more = false;
    };
    const std::string v500(500, 'v');
    const Case cases[] = {
        {"junk bytes, lone CRs and no line end after the last entry",
         "[Dir]\r\n0=" + A() + "\r\n\xFF\xFE\x01\x7F\x80\rjunk\r\n1=" + B() + "\r\n2=" + C() + "\r",
         {A(), B(), C()}},
        {"a value of 100,000 characters",
         "[Dir]\r\n0=" + A() + "\r\n1=" + std::string(100000, 'v') + "\r\n2=" + B() + "\r\n",
         {A(), v500, B()}},
        {"10 MB of binary junk after the entries",
         "[Dir]\r\n0=" + A() + "\r\n1=" + B() + "\r\n" + BinaryJunk(10 << 20),
         {A(), B()}},
        {"zero bytes and 0xFF after the last entry's value",
         "[Dir]\r\n0=" + A() + "\r\n1=" + B() + Bytes("\0\xFF\0junk\r\n2=") + C() + "\r\n",
         {A(), B()},
         true},
        {"a zero byte on a line before an entry",
         "[Dir]\r\n0=" + A() + "\r\n" + Bytes("\0\r\n") + "1=" + B() + "\r\n",
         {A()},
         true},
        {"a lone CR that the platform may take for a line end",
         "[Dir]\r\n0=" + A() + "\r1=" + B() + "\r\n",
         {},
         true},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        Open(test.bytes);
        const Entries loaded = HistoryEntries(hDlg);
        if (test.more) {
            ASSERT_GE(loaded.size(), test.loaded.size());
            EXPECT_EQ(Entries(loaded.begin(), loaded.begin() + test.loaded.size()), test.loaded);
        } else {
            EXPECT_EQ(loaded, test.loaded);
        }
        SilenceWatch silence;
        Close();
        silence.ExpectSilence();
        // What was loaded is what the next start loads, from one section "Dir".
        EXPECT_EQ(StoredHistory(settings.Path()), loaded);
        EXPECT_EQ(HistorySections(settings.Path()), loaded.empty() ? 0 : 1);
    }
}

TEST_F(HostileSettings, TheSavedHistoryIsTheOnlySectionDirWhereTheFileHeldMore) {
    struct Case {
        const char* what;
        std::string bytes;
        Entries loaded;
    };
    const Case cases[] = {
        // Only the first section counts; keys of a later one must not join the saved history.
        {"a second section with a stale entry 0 and an entry 2",
         "[Dir]\r\n0=" + A() + "\r\n1=" + B() + "\r\n[Other]\r\nkeep=1\r\n[dir]\r\n0=" + C() +
             "\r\n2=" + C() + "\r\n",
         {A(), B()}},
        {"an empty first section and a full second one",
         "[Other]\r\nkeep=1\r\n[Dir]\r\n[DIR]\r\n0=" + A() + "\r\n",
         {}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        Open(test.bytes);
        EXPECT_EQ(HistoryEntries(hDlg), test.loaded);
        Close();
        EXPECT_EQ(StoredHistory(settings.Path()), test.loaded);
        EXPECT_EQ(HistorySections(settings.Path()), test.loaded.empty() ? 0 : 1);
        EXPECT_EQ(Value(settings.Path(), "Other", "keep"), "1");
    }
}

TEST_F(HostileSettings, OtherSectionsOfA10MegabyteFileSurviveTheSave) {
    Open("[Dir]\r\n0=" + A() + "\r\n" + OtherSection(10 << 20));
    PushFolder(hDlg, B().c_str());
    Close();
    EXPECT_EQ(StoredHistory(settings.Path()), (Entries{B(), A()}));
    EXPECT_EQ(Value(settings.Path(), "Junk", "last"), "kept");
}

// True when the file at path can be opened for writing now.
bool OpensForWriting(const std::string& path) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

// The ways a settings file cannot be written. Wine takes no notice of the read-only attribute
// for a process that runs as root: there its writes go through, as they may.
TEST_F(HostileSettings, AFileThatCannotBeWrittenIsLeftAsItWasAndNothingIsSaid) {
    const std::string original = "[Dir]\r\n0=" + A() + "\r\n1=" + B() + "\r\n";
    enum Obstacle { ReadOnlyAttribute, HeldOpenByAnother, FolderInItsPlace };
    for (const Obstacle obstacle : {ReadOnlyAttribute, HeldOpenByAnother, FolderInItsPlace}) {
        SCOPED_TRACE(obstacle == ReadOnlyAttribute   ? "read-only attribute"
                     : obstacle == HeldOpenByAnother ? "held open without write sharing"
                                                     : "a folder in its place");
        settings.Write(original);
        HANDLE holder = INVALID_HANDLE_VALUE;
        bool writableAllTheSame = false;
        if (obstacle == ReadOnlyAttribute) {
            ASSERT_TRUE(SetFileAttributesA(settings.Path().c_str(), FILE_ATTRIBUTE_READONLY));
            writableAllTheSame = OpensForWriting(settings.Path());
        }
        if (obstacle == HeldOpenByAnother)
            holder = CreateFileA(settings.Path().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (obstacle == FolderInItsPlace) {
            settings.Remove();
            ASSERT_TRUE(CreateDirectoryA(settings.Path().c_str(), nullptr));
        }

        SilenceWatch silence;
        hDlg = OpenMainDialog();
        if (obstacle == FolderInItsPlace) {
            EXPECT_TRUE(HistoryEntries(hDlg).empty());
        } else {
            EXPECT_EQ(HistoryEntries(hDlg), (Entries{A(), B()}));
            PushFolder(hDlg, C().c_str());
        }
        Close();
        silence.ExpectSilence();

        if (obstacle == HeldOpenByAnother) CloseHandle(holder);
        if (obstacle == ReadOnlyAttribute)
            SetFileAttributesA(settings.Path().c_str(), FILE_ATTRIBUTE_NORMAL);
        if (obstacle == FolderInItsPlace) {
            EXPECT_TRUE(RemoveDirectoryA(settings.Path().c_str()));
            continue;
        }
        const std::optional<std::string> after = settings.Read();
        if (writableAllTheSame) {
            // Written all the same: the history of the run is there, whole.
            EXPECT_EQ(StoredHistory(settings.Path()), (Entries{C(), A(), B()}));
        } else {
            EXPECT_EQ(after, original);
        }
    }
}

} // namespace
