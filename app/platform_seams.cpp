// The platform calls behind the test seams: the real functions.
#include "platform_seams.h"

#include <shellapi.h>
#include <shlobj.h>

PlatformSeams& Platform() {
    static PlatformSeams seams{MessageBeep, ShellExecuteA, GetSystemDefaultLangID,
                               MessageBoxA, ExitProcess,   SHGetMalloc};
    return seams;
}
