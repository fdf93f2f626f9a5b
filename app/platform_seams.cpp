// The platform calls behind the test seams: the real functions.
#include "platform_seams.h"

#include <shlobj.h>

PlatformSeams& Platform() {
    static PlatformSeams seams{MessageBeep, MessageBoxA, ExitProcess, SHGetMalloc};
    return seams;
}
