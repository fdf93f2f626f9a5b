// The platform calls behind the test seams: the real functions.
#include "platform_seams.h"

PlatformSeams& Platform() {
    static PlatformSeams seams{MessageBeep, MessageBoxA, ExitProcess};
    return seams;
}
