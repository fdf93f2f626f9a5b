// The about box: its template, what it shows, how it ends, the beep, Go Online and the German
// Continue button, run from the real template with the real procedure.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "../../about/about_box.h"
#include "../../app/main_dialog.h"
#include "../../app/platform_seams.h"
#include "test_support.h"

namespace {

// What the box asks of the platform, recorded instead of sounding or opening a browser.
struct ShellCall {
    HWND owner;
    std::string verb, file;
    bool parameters, folder;
    int show;
};
std::vector<UINT> beeps;
std::vector<ShellCall> shellCalls;
LANGID systemLanguage;

BOOL WINAPI RecordBeep(UINT type) {
    beeps.push_back(type);
    return TRUE;
}

HINSTANCE WINAPI RecordShellExecute(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters,
                                    LPCSTR folder, INT show) {
    shellCalls.push_back({owner, verb ? verb : "(none)", file ? file : "(none)",
                          parameters != nullptr, folder != nullptr, show});
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(42)); // success
}

LANGID WINAPI PosedSystemLanguage() {
    return systemLanguage;
}

const LANGID kEnglishUs = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

// A modal box is driven from a thread timer, which its modal loop dispatches: once the box is up
// the timer hands it to act, which must end it; a box still open on a later tick is ended with
// kLeftOpen, so that a failing check cannot leave the test waiting.
constexpr INT_PTR kLeftOpen = 77;
std::function<void(HWND)> act;
bool acted = false;
HWND notTheBox = nullptr;

BOOL CALLBACK FindBox(HWND window, LPARAM found) {
    char className[16] = "";
    GetClassNameA(window, className, sizeof className);
    if (window != notTheBox && IsWindowVisible(window) && strcmp(className, "#32770") == 0) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD) {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&box));
    if (!box) return;
    if (acted) {
        EndDialog(box, kLeftOpen);
        return;
    }
    acted = true;
    act(box);
}

// Runs open (which shows a modal dialog) and hands the dialog to what once it is up.
template <typename Open> auto WhileUp(Open open, std::function<void(HWND)> what, HWND owner) {
    act = std::move(what);
    acted = false;
    notTheBox = owner;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, OnTick);
    const auto result = open();
    KillTimer(nullptr, timer);
    EXPECT_TRUE(acted) << "the box did not come up";
    return result;
}

INT_PTR RunAboutBox(std::function<void(HWND)> what) {
    return WhileUp(
        [] {
            return DialogBoxParamA(GetModuleHandleA(nullptr), "INFO", nullptr, AboutDialogProc, 0);
        },
        std::move(what), nullptr);
}

// The command a click on the control with this id sends.
void Command(HWND box, WORD id) {
    SendMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
}

std::string WindowText(HWND window) {
    char text[256] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

class AboutBox : public ::testing::Test {
  protected:
    void SetUp() override {
        saved = Platform();
        Platform().messageBeep = RecordBeep;
        Platform().shellExecute = RecordShellExecute;
        Platform().getSystemDefaultLangID = PosedSystemLanguage;
        systemLanguage = kEnglishUs;
        beeps.clear();
        shellCalls.clear();
    }
    void TearDown() override {
        if (box) DestroyWindow(box);
        PumpMessages();
        Platform() = saved;
    }

    // The box made modeless from the same template and procedure, to look at it at leisure.
    HWND OpenModeless() {
        box = CreateDialogParamA(GetModuleHandleA(nullptr), "INFO", nullptr, AboutDialogProc, 0);
        PumpMessages();
        return box;
    }

    PlatformSeams saved{};
    HWND box = nullptr;
};

TEST(AboutTemplate, MatchesTheBoxOfTheProgram) {
    // Neither button is a default push button.
    const std::vector<ExpectedControl> controls = {
        {IDC_GOONLINE, "BUTTON", "Go Online", 0x50010000, 56, 146, 44, 14},
        {IDCANCEL, "BUTTON", "Continue", 0x50010000, 105, 146, 44, 14},
        {-1, "BUTTON", "", 0x50000007, 7, 4, 140, 132},
        {-1, "STATIC", "MAINICON", 0x50000003, 15, 19, 18, 20},
        {-1, "STATIC", nullptr, 0x50020000, 44, 16, 96, 40},
    };
    const DialogTemplate t = ExpectTemplate(
        "INFO", {0x90CF0040, 60, 30, 153, 165, "Glyphbay", 8, "MS Sans Serif", controls});

    ASSERT_EQ(t.items.size(), 5u);
    const std::string& about = t.items[4].text;
    EXPECT_EQ(std::count(about.begin(), about.end(), '\n'), 3) << about;
    EXPECT_EQ(about.rfind("Glyphbay v1.0\n", 0), 0u) << about;
    EXPECT_EQ(about.substr(about.rfind('\n') + 1), GLYPHBAY_HOME_PAGE);
}

TEST_F(AboutBox, ShowsItsControlsWithTheFocusOnGoOnline) {
    OpenModeless();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(WindowText(box), "Glyphbay");
    const HWND goOnline = GetDlgItem(box, IDC_GOONLINE);
    EXPECT_EQ(GetFocus(), goOnline);
    EXPECT_EQ(WindowText(goOnline), "Go Online");
    EXPECT_EQ(WindowText(GetDlgItem(box, IDCANCEL)), "Continue");

    // The icon static shows the program icon at its own size, whatever the template's 18 x 20.
    HWND icon = GetWindow(box, GW_CHILD);
    for (int i = 0; i < 3 && icon; ++i)
        icon = GetWindow(icon, GW_HWNDNEXT);
    ASSERT_NE(icon, nullptr);
    EXPECT_NE(SendMessageA(icon, STM_GETICON, 0, 0), 0);
    RECT r{};
    GetWindowRect(icon, &r);
    EXPECT_EQ(r.right - r.left, 32);
    EXPECT_EQ(r.bottom - r.top, 32);
    EXPECT_EQ(beeps, std::vector<UINT>{MB_ICONASTERISK});
}

TEST_F(AboutBox, InfoOpensItOverTheMainDialogWhichItLeavesAsItWas) {
    DeleteFileA((TestDirectory() + "\\glyphbay.ini").c_str());
    const HWND hDlg = OpenMainDialog();
    const std::string status = StatusBarText(hDlg);
    const std::string folder = ControlText(hDlg, IDC_FOLDER);
    const std::size_t items = IconListItems(hDlg).size();

    const INT_PTR result = WhileUp(
        [&] { return MainDialogProc(hDlg, WM_COMMAND, MAKEWPARAM(IDC_INFO, BN_CLICKED), 0); },
        [&](HWND about) {
            EXPECT_EQ(WindowText(about), "Glyphbay");
            EXPECT_EQ(GetWindow(about, GW_OWNER), hDlg);
            EXPECT_FALSE(IsWindowEnabled(hDlg)) << "the box is modal";
            EXPECT_EQ(GetFocus(), GetDlgItem(about, IDC_GOONLINE));
            EXPECT_EQ(beeps, std::vector<UINT>{MB_ICONASTERISK});
            // Its client area stands 60, 30 dialog units from the main dialog's, 153 x 165 big.
            POINT mine{0, 0}, owners{0, 0};
            ClientToScreen(about, &mine);
            ClientToScreen(hDlg, &owners);
            RECT place{60, 30, 60 + 153, 30 + 165};
            MapDialogRect(about, &place);
            EXPECT_EQ(mine.x - owners.x, place.left);
            EXPECT_EQ(mine.y - owners.y, place.top);
            RECT client{};
            GetClientRect(about, &client);
            EXPECT_EQ(client.right, place.right - place.left);
            EXPECT_EQ(client.bottom, place.bottom - place.top);
            Command(about, IDCANCEL);
        },
        hDlg);
    EXPECT_EQ(result, FALSE);

    EXPECT_TRUE(IsWindowEnabled(hDlg));
    EXPECT_EQ(StatusBarText(hDlg), status);
    EXPECT_EQ(ControlText(hDlg, IDC_FOLDER), folder);
    EXPECT_EQ(IconListItems(hDlg).size(), items);
    CloseTestDialog(hDlg);
}

struct Ending {
    const char* what;
    std::function<void(HWND)> end;
};

void PrintTo(const Ending& e, std::ostream* os) {
    *os << e.what;
}

class AboutBoxEndings : public AboutBox, public ::testing::WithParamInterface<Ending> {};

TEST_P(AboutBoxEndings, EndWithResultOne) {
    EXPECT_EQ(RunAboutBox(GetParam().end), 1);
    EXPECT_EQ(beeps, std::vector<UINT>{MB_ICONASTERISK});
    EXPECT_TRUE(shellCalls.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Ways, AboutBoxEndings,
    ::testing::Values(
        Ending{"id 1", [](HWND box) { Command(box, IDOK); }},
        Ending{"Continue (id 2)", [](HWND box) { Command(box, IDCANCEL); }},
        Ending{"Continue clicked",
               [](HWND box) { SendDlgItemMessageA(box, IDCANCEL, BM_CLICK, 0, 0); }},
        Ending{"Escape", [](HWND) { PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0); }},
        Ending{"the close box", [](HWND box) { PostMessageA(box, WM_CLOSE, 0, 0); }}));

TEST_F(AboutBox, GoOnlineHandsTheHomePageToTheShellAndLeavesTheBoxOpen) {
    const INT_PTR result = RunAboutBox([](HWND box) {
        SendDlgItemMessageA(box, IDC_GOONLINE, BM_CLICK, 0, 0);
        EXPECT_TRUE(IsWindowVisible(box));
        SendDlgItemMessageA(box, IDC_GOONLINE, BM_CLICK, 0, 0);
        EXPECT_TRUE(IsWindowVisible(box));
        ASSERT_EQ(shellCalls.size(), 2u);
        for (const ShellCall& call : shellCalls) {
            EXPECT_EQ(call.owner, box);
            EXPECT_EQ(call.verb, "open");
            EXPECT_EQ(call.file, GLYPHBAY_HOME_PAGE);
            EXPECT_FALSE(call.parameters);
            EXPECT_FALSE(call.folder);
            EXPECT_EQ(call.show, SW_SHOW);
        }
        Command(box, IDCANCEL);
    });
    EXPECT_EQ(result, 1);
}

struct AboutMessage {
    const char* what;
    UINT message;
    WPARAM wParam;
    INT_PTR result;
    bool ends;
    bool opensHomePage;
};

void PrintTo(const AboutMessage& m, std::ostream* os) {
    *os << m.what;
}

class AboutBoxMessages : public AboutBox, public ::testing::WithParamInterface<AboutMessage> {};

TEST_P(AboutBoxMessages, GiveWhatThePlatformExpects) {
    const AboutMessage m = GetParam();
    OpenModeless();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(AboutDialogProc(box, m.message, m.wParam, 0), m.result);
    PumpMessages();
    EXPECT_EQ(IsWindowVisible(box), !m.ends); // a modeless box that ends is hidden
    EXPECT_EQ(shellCalls.size(), m.opensHomePage ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, AboutBoxMessages,
    ::testing::Values(AboutMessage{"initialisation", WM_INITDIALOG, 0, TRUE, false, false},
                      AboutMessage{"id 1", WM_COMMAND, IDOK, TRUE, true, false},
                      AboutMessage{"id 2", WM_COMMAND, IDCANCEL, TRUE, true, false},
                      AboutMessage{"id 2 with a notification code", WM_COMMAND,
                                   MAKEWPARAM(IDCANCEL, 0xFFFF), TRUE, true, false},
                      AboutMessage{"Go Online", WM_COMMAND, MAKEWPARAM(IDC_GOONLINE, BN_CLICKED),
                                   FALSE, false, true},
                      AboutMessage{"another id", WM_COMMAND, MAKEWPARAM(IDC_INFO, BN_CLICKED),
                                   FALSE, false, false},
                      AboutMessage{"an id whose notification code is 2", WM_COMMAND,
                                   MAKEWPARAM(3, IDCANCEL), FALSE, false, false},
                      AboutMessage{"closing, left to the platform", WM_CLOSE, 0, FALSE, false,
                                   false},
                      AboutMessage{"a timer", WM_TIMER, 1, FALSE, false, false}));

struct Language {
    const char* what;
    LANGID system;
    const char* continueText;
};

void PrintTo(const Language& l, std::ostream* os) {
    *os << l.what;
}

class AboutBoxLanguages : public AboutBox, public ::testing::WithParamInterface<Language> {};

TEST_P(AboutBoxLanguages, ContinueReadsWeiterOnlyOnGermanSystems) {
    systemLanguage = GetParam().system;
    OpenModeless();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(WindowText(GetDlgItem(box, IDCANCEL)), GetParam().continueText);
    EXPECT_EQ(WindowText(GetDlgItem(box, IDC_GOONLINE)), "Go Online");
    EXPECT_EQ(WindowText(box), "Glyphbay");
    EXPECT_EQ(beeps, std::vector<UINT>{MB_ICONASTERISK});
}

INSTANTIATE_TEST_SUITE_P(
    Systems, AboutBoxLanguages,
    ::testing::Values(Language{"German (Germany)", 0x0407, "&Weiter"},
                      Language{"German (Switzerland)", 0x0807, "&Weiter"},
                      Language{"German (Austria)", 0x0C07, "&Weiter"},
                      Language{"German, no sublanguage", 0x0007, "&Weiter"},
                      Language{"English (United States)", 0x0409, "Continue"},
                      Language{"Dutch", 0x0413, "Continue"},
                      // Primary language 0x107: the low byte alone would read as German.
                      Language{"primary language 0x107", 0x0107, "Continue"}));

} // namespace
