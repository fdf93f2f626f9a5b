// Sizes of the fixed text buffers that the program's message handlers work in.
#pragma once

// The longest folder text the program keeps: typed folders are cut to it, and no history
// entry is longer.
constexpr int kFolderTextMax = 500;
constexpr int kFolderTextSize = kFolderTextMax + 1;

// The longest path that the platform's file and shell functions open, in characters (on a
// double-byte code page a path can hold more bytes than that).
constexpr int kPathMax = 259;
constexpr int kPathSize = kPathMax + 1;

// The longest executable path that GetModuleFileNameA gives into a buffer of kExecutablePathSize
// bytes; a longer one comes back cut and is not used.
constexpr int kExecutablePathMax = 260;
constexpr int kExecutablePathSize = kExecutablePathMax + 1;

// The settings file's path: the executable's folder (shorter than the executable's path), a
// backslash and "glyphbay.ini".
constexpr int kSettingsPathMax = kExecutablePathMax + 1 + 12;
constexpr int kSettingsPathSize = kSettingsPathMax + 1;
