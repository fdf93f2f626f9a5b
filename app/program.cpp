// Program entry: runs the main dialog until it ends.
#include "main_dialog.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // The result (1 after a normal close, an error value when the dialog cannot be built) does
    // not change the exit code.
    DialogBoxParamA(ProgramInstance(), "GlyphBay", nullptr, MainDialogProc, 0);
    return 0;
}
