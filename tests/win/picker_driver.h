// Drives the shell's folder picker from inside the test: a timer of this thread, which the
// picker's modal loop dispatches, finds it and acts on it; a hook records the selection requests
// that the picker is sent.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct SelectionRequest {
    WPARAM isPath;
    std::string folder;
};

struct PickerVisit {
    bool seen = false;        // the picker opened
    HWND owner = nullptr;     // its owner window
    bool ownerEnabled = true; // whether the owner took input while it was open
    bool timedOut = false;    // it stayed open after the action and was cancelled
    std::vector<SelectionRequest> selections;
};

// The name shown for the folder selected in the picker's tree; empty when none is selected.
std::string PickerSelectionName(HWND picker);

// Clicks a button of the picker (IDOK or IDCANCEL) as the user does.
void ClickPickerButton(HWND picker, int id);

// Presses Browse in the main dialog (through its procedure) and runs action on the picker once it
// is open. Gives the procedure's result; visit tells what was seen.
INT_PTR PressBrowse(HWND hDlg, const std::function<void(HWND picker)>& action, PickerVisit* visit);
