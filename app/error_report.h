// The report of an error that escapes a message handler: one message box, then the end.
#pragma once

#include <cstdint>

// An error that the program raises itself; thrown by value and caught by the main dialog's
// procedure. kind and message are texts with static storage.
struct ProgramError {
    const char* kind;
    const char* message;
    std::uintptr_t address; // the code that raised it
};

// Shows the error in a task-modal message box with no owner, the stop icon and OK, captioned
// "Application Error", and ends the process with exit code 1 when it is closed; nothing is saved.
// An error raised while that box is open (its modal loop still runs the main dialog's
// procedure) is dropped: each run reports one error.
void ReportErrorAndExit(const char* kind, const char* message, std::uintptr_t address);
