// The about box, opened by the Info button: the program's name and version, a beep on opening,
// Go Online for the home page and Continue to close.
#include "about_box.h"

#include "../app/main_dialog.h"
#include "../app/platform_seams.h"
#include "../resources/resource_ids.h"

namespace {

// Every sublanguage of German counts: only the primary language is compared.
BOOL InitAboutBox(HWND hDlg) {
    if (PRIMARYLANGID(Platform().getSystemDefaultLangID()) == LANG_GERMAN)
        SetDlgItemTextA(hDlg, IDCANCEL, "&Weiter");
    Platform().messageBeep(MB_ICONASTERISK);
    return TRUE; // the platform puts the focus on the first tab stop, Go Online
}

// The shell opens the page in the user's browser; whether it can is not looked at, and the box
// stays open.
BOOL OpenHomePage(HWND hDlg) {
    Platform().shellExecute(hDlg, "open", GLYPHBAY_HOME_PAGE, nullptr, nullptr, SW_SHOW);
    return FALSE;
}

BOOL EndAboutBox(HWND hDlg) {
    EndDialog(hDlg, 1);
    return TRUE;
}

// Only the id counts; the notification code is not looked at.
BOOL OnAboutCommand(HWND hDlg, WORD id) {
    switch (id) {
    case IDOK: return EndAboutBox(hDlg);
    case IDCANCEL: return EndAboutBox(hDlg); // Continue, Escape and the close box
    case IDC_GOONLINE: return OpenHomePage(hDlg);
    default: return FALSE;
    }
}

} // namespace

// The results mean to the dialog manager what the main dialog's do (main_dialog.cpp): the
// commands' TRUE and FALSE act alike, and each is fixed.
INT_PTR CALLBACK AboutDialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: return InitAboutBox(hDlg);
    case WM_COMMAND: return OnAboutCommand(hDlg, LOWORD(wParam));
    default: return FALSE;
    }
}

void ShowAboutBox(HWND owner) {
    // The result (1 when closed, an error value when the box cannot be built) changes nothing.
    DialogBoxParamA(ProgramInstance(), "INFO", owner, AboutDialogProc, 0);
}
