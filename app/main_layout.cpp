// Layout of the main dialog's controls after a change of its size.
#include "main_layout.h"

void LayoutMainDialog(HWND, int, int) {
    // The controls stay where the template puts them.
}
