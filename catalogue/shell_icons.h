// The shell's icon reader, guarded: a file that it cannot read safely holds no icon.
#pragma once

#include <windows.h>

// An icon file whose directory lies about the file is damaged: the reader never sees it.

// The shell's count of the icons in the file at path (ANSI): 0 or less when it holds none, and
// 0 when the reader faulted on the file or the file is damaged.
int CountShellIcons(const char* path);

// Icon number index of the file at path, as the shell extracts it: false when the reader faulted
// on the file or the file is damaged, so that the caller can leave the file alone from then on. Otherwise *icon is the
// shell's result: an icon to destroy after use, or none (0), or 1 for a file that is no
// executable.
bool ExtractShellIcon(const char* path, UINT index, HICON* icon);
