// Platform calls that the tests replace, to observe them (a beep, a page handed to the browser,
// the error report), to pose as another system (its default language) or to make them fail (the
// shell's allocator). The program itself never changes them: each starts as the real platform
// function.
#pragma once

#include <windows.h>

#include <objidl.h>

struct PlatformSeams {
    BOOL(WINAPI* messageBeep)(UINT type);
    HINSTANCE(WINAPI* shellExecute)
    (HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR folder, INT show);
    LANGID(WINAPI* getSystemDefaultLangID)();
    int(WINAPI* messageBox)(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
    void(WINAPI* exitProcess)(UINT exitCode);
    HRESULT(WINAPI* shGetMalloc)(IMalloc** allocator);
};

PlatformSeams& Platform();
