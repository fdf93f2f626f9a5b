// A PNG reader for the tests, built on zlib: it checks what the program writes without using it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct DecodedPng {
    int width = 0, height = 0;
    std::vector<std::uint8_t> bgra; // rows from top to bottom, as the program hands them in
    std::string error;              // empty when the file was read whole
};

// Reads an 8-bit RGBA PNG file (colour type 6), checking its signature, every chunk's CRC, the
// zlib stream and each row's filter.
DecodedPng DecodePng(const std::vector<std::uint8_t>& file);
