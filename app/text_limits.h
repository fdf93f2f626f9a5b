// Sizes of the fixed text buffers that the program's message handlers work in.
#pragma once

// The longest folder text the program keeps: typed folders are cut to it, and no history
// entry is longer.
constexpr int kFolderTextMax = 500;
constexpr int kFolderTextSize = kFolderTextMax + 1;

// The longest path in the ANSI code page that the platform's file and shell functions open.
constexpr int kPathMax = 259;
constexpr int kPathSize = kPathMax + 1;
