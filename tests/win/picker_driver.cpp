// Drives the shell's folder picker from inside the test through a timer and a hook.
#include "picker_driver.h"

#include <commctrl.h>
#include <shlobj.h>

#include <cstring>

#include "../../app/main_dialog.h"

namespace {

// A picker still open this many ticks after the action is cancelled, so a test cannot hang.
constexpr int kTicksAfterAction = 100;
constexpr UINT kTickMs = 50;

struct Run {
    const std::function<void(HWND)>* action;
    PickerVisit* visit;
    int ticksAfterAction;
};
Run* current = nullptr;

BOOL CALLBACK HasPickerTitle(HWND child, LPARAM found) {
    char text[64] = "";
    GetWindowTextA(child, text, sizeof text);
    if (std::strcmp(text, "Choose folder") != 0) return TRUE;
    *reinterpret_cast<bool*>(found) = true;
    return FALSE;
}

BOOL CALLBACK FindPickerWindow(HWND window, LPARAM found) {
    bool titled = false;
    if (IsWindowVisible(window))
        EnumChildWindows(window, HasPickerTitle, reinterpret_cast<LPARAM>(&titled));
    if (!titled) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

HWND FindPicker() {
    HWND picker = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindPickerWindow, reinterpret_cast<LPARAM>(&picker));
    return picker;
}

void CALLBACK PickerTick(HWND, UINT, UINT_PTR, DWORD) {
    const HWND picker = FindPicker();
    if (!picker || !current) return;
    PickerVisit& visit = *current->visit;
    if (!visit.seen) {
        visit.seen = true;
        visit.owner = GetWindow(picker, GW_OWNER);
        visit.ownerEnabled = visit.owner && IsWindowEnabled(visit.owner);
        (*current->action)(picker);
    } else if (++current->ticksAfterAction > kTicksAfterAction) {
        visit.timedOut = true;
        ClickPickerButton(picker, IDCANCEL);
    }
}

LRESULT CALLBACK WatchSentMessages(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && current && sent->message == BFFM_SETSELECTIONA)
        current->visit->selections.push_back(
            {sent->wParam, sent->lParam ? reinterpret_cast<const char*>(sent->lParam) : "(none)"});
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

std::string PickerSelectionName(HWND picker) {
    const HWND tree = FindWindowExA(picker, nullptr, WC_TREEVIEWA, nullptr);
    TVITEMA item{};
    item.hItem = TreeView_GetSelection(tree);
    if (!tree || !item.hItem) return {};
    char name[MAX_PATH] = "";
    item.mask = TVIF_TEXT;
    item.pszText = name;
    item.cchTextMax = MAX_PATH;
    return TreeView_GetItem(tree, &item) ? name : "";
}

void ClickPickerButton(HWND picker, int id) {
    SendMessageA(GetDlgItem(picker, id), BM_CLICK, 0, 0);
}

INT_PTR PressBrowse(HWND hDlg, const std::function<void(HWND)>& action, PickerVisit* visit) {
    Run run{&action, visit, 0};
    current = &run;
    const HHOOK hook =
        SetWindowsHookExA(WH_CALLWNDPROC, WatchSentMessages, nullptr, GetCurrentThreadId());
    const UINT_PTR timer = SetTimer(nullptr, 0, kTickMs, PickerTick);
    const INT_PTR result = MainDialogProc(hDlg, WM_COMMAND, MAKEWPARAM(IDC_BROWSE, BN_CLICKED),
                                          reinterpret_cast<LPARAM>(GetDlgItem(hDlg, IDC_BROWSE)));
    KillTimer(nullptr, timer);
    UnhookWindowsHookEx(hook);
    current = nullptr;
    return result;
}
