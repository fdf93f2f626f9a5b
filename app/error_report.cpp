// The report of an error that escapes a message handler: one message box, then the end.
#include "error_report.h"

#include "ansi_code_page.h"
#include "error_text.h"
#include "platform_seams.h"
#include "text_limits.h"

void ReportErrorAndExit(const char* kind, const char* message, std::uintptr_t address) {
    static bool reporting = false;
    if (reporting) return; // the first report's box is open; the process ends when it closes
    reporting = true;

    char executable[kExecutablePathSize] = "";
    const DWORD n = GetModuleFileNameA(nullptr, executable, kExecutablePathSize);
    executable[n < kExecutablePathSize ? n : kExecutablePathMax] = '\0';
    const ErrorText report = FormatErrorText(kind, executable, address, message, AnsiLeadBytes());
    Platform().messageBox(nullptr, report.text, "Application Error",
                          MB_ICONSTOP | MB_OK | MB_TASKMODAL);
    Platform().exitProcess(1);
    reporting = false; // reached only where a test has replaced ExitProcess
}
