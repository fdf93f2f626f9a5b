// Helpers of the Win32 tests: the real main dialog, its controls, fixture folders, templates.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "../../catalogue/icon_item_key.h"

// The folder that holds the test executable and the fixture DLLs built beside it.
std::string TestDirectory();

// The system folder, where the platform's own DLLs lie.
std::string SystemFolder();

// The bytes of the file at path; nothing when it cannot be opened.
std::optional<std::string> ReadWholeFile(const std::string& path);

// The main dialog, created modeless from the real template with the real procedure, so that
// its start sequence runs as in the program. Destroyed by CloseTestDialog.
HWND OpenMainDialog();
void CloseTestDialog(HWND hDlg);

// Handles the messages waiting for this thread's windows.
void PumpMessages();

// The icon list's items, decoded, and one item's text and data as the list gives them back.
std::vector<IconItem> IconListItems(HWND hDlg);
std::string IconListText(HWND hDlg, int index);
std::uintptr_t IconListData(HWND hDlg, int index);
int IconListSelection(HWND hDlg);

// The status bar's text.
std::string StatusBarText(HWND hDlg);
std::string ControlText(HWND hDlg, int id);

// Types folder into the folder box's edit field (no entry selected) and presses Enter.
void ShowTypedFolder(HWND hDlg, const std::string& folder);

// Selects item index of the icon list and tells the dialog, as the list box does on a click.
void SelectIconItem(HWND hDlg, int index);

// Sends the dialog the WM_DRAWITEM with which the icon list asks for item itemID to be drawn
// into cell on dc; gives the dialog procedure's answer.
INT_PTR DrawIconListItem(HWND hDlg, HDC dc, UINT itemID, UINT state, const RECT& cell);

// The colour of every pixel of icon k of the fixture DLLs.
COLORREF FixtureColour(unsigned k);

// Draws item itemID, not selected, into a cell of its own and gives the colour in the middle of
// the icon's square: the icon's colour, or white where no icon is drawn.
COLORREF DrawnIconColour(HWND hDlg, UINT itemID);

// A 32-bit bitmap selected into a memory device context, filled with one colour at first.
class MemoryCanvas {
  public:
    MemoryCanvas(int width, int height, COLORREF fill);
    ~MemoryCanvas();
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;

    HDC Dc() const {
        return dc_;
    }
    COLORREF Pixel(int x, int y) const;

  private:
    int width_, height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
    const DWORD* bits_;
};

// A fresh, empty folder under the temporary folder; removed with everything in it when the
// object goes.
class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const {
        return path_;
    }
    // Copies a fixture DLL built beside the tests (for example "icons3.dll") into the folder.
    std::string AddFixture(const std::string& fixture, const std::string& name) const;
    std::string AddTextFile(const std::string& name, const std::string& text) const;
    std::string AddSubfolder(const std::string& name) const;

  private:
    std::string path_;
};

// The settings file next to the test executable, which the dialogs that OpenMainDialog opens
// read and write. What was there before comes back when the object goes.
class TestSettingsFile {
  public:
    TestSettingsFile();
    ~TestSettingsFile();
    TestSettingsFile(const TestSettingsFile&) = delete;
    TestSettingsFile& operator=(const TestSettingsFile&) = delete;

    const std::string& Path() const {
        return path_;
    }
    void Write(const std::string& text) const;
    void Remove() const;
    // The file's bytes; nothing when there is no file.
    std::optional<std::string> Read() const;

  private:
    std::string path_;
    std::optional<std::string> saved_;
};

// The entries of the folder box's list, in order.
std::vector<std::string> HistoryEntries(HWND hDlg);
int HistorySelection(HWND hDlg);

// The main dialog opened with a history of one empty folder, so that it starts without scanning
// a large folder; the settings file is put back afterwards.
class MainDialogTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    TestSettingsFile settings;
    ScratchFolder emptyFolder;
    HWND hDlg = nullptr;
};

// The main dialog opened on a settings file that the test writes, with three scratch folders to
// name in it; Close ends the dialog as the user does, which saves the history.
class SettingsFileTest : public ::testing::Test {
  protected:
    void TearDown() override;
    void Open(const std::string& settingsText);
    void Close();

    TestSettingsFile settings;
    ScratchFolder a, b, c;
    HWND hDlg = nullptr;
};

// A dialog template read back from the executable's resources, as stored.
struct TemplateItem {
    DWORD style;
    DWORD exStyle;
    short x, y, cx, cy;
    int id;
    std::string className; // atoms are given back as the class's name
    std::string text;
};

struct DialogTemplate {
    DWORD style;
    DWORD exStyle;
    short x, y, cx, cy;
    std::string menu;
    std::string windowClass;
    std::string title;
    WORD pointSize;
    std::string font;
    std::vector<TemplateItem> items;
};

DialogTemplate ReadDialogTemplate(const char* name);

// One control as a template must store it; text nullptr: any text (checked elsewhere).
struct ExpectedControl {
    int id;
    const char* className;
    const char* text;
    DWORD style;
    short x, y, cx, cy;
};

// A dialog template as it must be stored, with no extended style, no menu and the platform's
// dialog class. Styles are given as the numbers stored, so that they pin the bits that the
// resource script's symbols make up.
struct ExpectedTemplate {
    DWORD style;
    short x, y, cx, cy;
    const char* title;
    WORD pointSize;
    const char* font;
    std::vector<ExpectedControl> controls; // in their stored order, none with an extended style
};

// Reads the dialog template name from the executable's resources and checks it against
// expected; gives it back for the checks of its texts.
DialogTemplate ExpectTemplate(const char* name, const ExpectedTemplate& expected);
