// Icon files whose directory lies about the file, found before the shell's reader sees them.
#pragma once

// True when the file at path (ANSI) starts as an icon file does but its directory claims more
// images than the file holds, or an image outside it. The shell's reader would trust such a
// directory, read past the file's end and allocate for every image claimed; such a file is
// damaged and holds no icon. Any other file, one that cannot be opened included, gives false.
bool IsLyingIconFile(const char* path);
