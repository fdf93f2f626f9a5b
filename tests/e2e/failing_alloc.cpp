// GlyphBay with a shell allocator that gives no memory, so that Browse ends in the error report:
// the real message box and the real end of the process, for the end-to-end test.
#include "../../app/main_dialog.h"
#include "../../app/platform_seams.h"
#include "../win/shell_allocator_spy.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    ResetAllocatorSpy(true);
    Platform().shGetMalloc = SpyShGetMalloc;
    DialogBoxParamA(ProgramInstance(), "GlyphBay", nullptr, MainDialogProc, 0);
    return 0;
}
