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
