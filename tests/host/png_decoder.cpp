// A PNG reader for the tests, built on zlib: signature, chunks and their CRCs, rows and filters.
#include "png_decoder.h"

#include <zlib.h>

#include <cstdlib>
#include <cstring>

namespace {

std::uint32_t BigEndian(const std::uint8_t* at) {
    return std::uint32_t{at[0]} << 24 | std::uint32_t{at[1]} << 16 | std::uint32_t{at[2]} << 8 |
           at[3];
}

int Paeth(int a, int b, int c) {
    const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

} // namespace

DecodedPng DecodePng(const std::vector<std::uint8_t>& file) {
    DecodedPng png;
    static const std::uint8_t signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (file.size() < 8 || std::memcmp(file.data(), signature, 8) != 0) {
        png.error = "no PNG signature";
        return png;
    }
    std::vector<std::uint8_t> idat;
    bool ended = false;
    for (std::size_t at = 8; !ended;) {
        if (at + 12 > file.size()) {
            png.error = "a chunk runs past the end";
            return png;
        }
        const std::uint32_t length = BigEndian(&file[at]);
        if (length > file.size() - at - 12) {
            png.error = "a chunk's length runs past the end";
            return png;
        }
        const std::string type(reinterpret_cast<const char*>(&file[at + 4]), 4);
        const std::uint8_t* data = &file[at + 8];
        const uLong crc = crc32(0, &file[at + 4], 4 + length);
        if (crc != BigEndian(data + length)) {
            png.error = "bad CRC in " + type;
            return png;
        }
        if (type == "IHDR") {
            png.width = static_cast<int>(BigEndian(data));
            png.height = static_cast<int>(BigEndian(data + 4));
            if (length != 13 || data[8] != 8 || data[9] != 6 || data[12] != 0) {
                png.error = "not 8-bit RGBA without interlace";
                return png;
            }
        } else if (type == "IDAT") {
            idat.insert(idat.end(), data, data + length);
        } else if (type == "IEND") {
            ended = true;
        }
        at += 12 + length;
    }
    const std::size_t stride = 4 * static_cast<std::size_t>(png.width);
    std::vector<std::uint8_t> raw((stride + 1) * static_cast<std::size_t>(png.height));
    uLongf rawSize = raw.size();
    if (uncompress(raw.data(), &rawSize, idat.data(), idat.size()) != Z_OK ||
        rawSize != raw.size()) {
        png.error = "the image data does not inflate to its rows";
        return png;
    }
    std::vector<std::uint8_t> previous(stride, 0), row(stride);
    for (int y = 0; y < png.height; ++y) {
        const std::uint8_t* line = &raw[y * (stride + 1)];
        for (std::size_t x = 0; x < stride; ++x) {
            const int a = x >= 4 ? row[x - 4] : 0, b = previous[x],
                      c = x >= 4 ? previous[x - 4] : 0;
            const int predictor[] = {0, a, b, (a + b) / 2, Paeth(a, b, c)};
            if (line[0] > 4) {
                png.error = "unknown row filter";
                return png;
            }
            row[x] = static_cast<std::uint8_t>(line[1 + x] + predictor[line[0]]);
        }
        for (std::size_t x = 0; x < stride; x += 4)
            png.bgra.insert(png.bgra.end(), {row[x + 2], row[x + 1], row[x], row[x + 3]});
        previous = row;
    }
    return png;
}
