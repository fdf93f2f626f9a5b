// PNG files of 32-bit images with transparency, for icons taken out of the program.
#pragma once

#include <cstdint>
#include <vector>

// The widest and highest image EncodePng takes: far above any icon's 256 pixels.
constexpr int kMaxPngSide = 4096;

// Encodes an image of width × height pixels as a PNG file of 8-bit red, green, blue and alpha
// (colour type 6, not interlaced). bgra holds width * height pixels, rows from top to bottom,
// each pixel four bytes blue, green, red, alpha: the order of a 32-bit DIB's pixels. Empty when
// width or height is not positive or exceeds kMaxPngSide.
std::vector<std::uint8_t> EncodePng(const std::uint8_t* bgra, int width, int height);
