// Platform calls that the tests replace, to observe them (a beep, a page handed to the browser),
// to pose as another system (its default language) or to make them fail. The program itself
// never changes them: each starts as the real platform function.
#pragma once

#include <windows.h>

struct PlatformSeams {
    BOOL(WINAPI* messageBeep)(UINT type);
    HINSTANCE(WINAPI* shellExecute)
    (HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR folder, INT show);
    LANGID(WINAPI* getSystemDefaultLangID)();
};

PlatformSeams& Platform();
