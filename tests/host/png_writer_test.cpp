// PNG files of icons: what a decoder reads back is the image, pixel for pixel, alpha included.
#include "../../catalogue/png_writer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "png_decoder.h"

namespace {

using Pixels = std::vector<std::uint8_t>;

struct ImageCase {
    const char* name;
    int width, height;
    Pixels (*make)(int width, int height);
};

Pixels Transparent(int w, int h) {
    return Pixels(static_cast<std::size_t>(w) * h * 4, 0);
}

// Every channel differs from its neighbours, and alpha takes every value.
Pixels Gradient(int w, int h) {
    Pixels p;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            p.insert(p.end(), {static_cast<std::uint8_t>(x * 7), static_cast<std::uint8_t>(y * 13),
                               static_cast<std::uint8_t>(x ^ y), static_cast<std::uint8_t>(x + y)});
    return p;
}

// Noise gives the compressor nothing to find: every byte goes out as a literal.
Pixels Noise(int w, int h) {
    std::mt19937 random(7);
    Pixels p(static_cast<std::size_t>(w) * h * 4);
    for (auto& byte : p)
        byte = static_cast<std::uint8_t>(random());
    return p;
}

// An opaque disc on transparency, as most icons are: long runs, repeated rows.
Pixels Disc(int w, int h) {
    Pixels p;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool inside = (2 * x - w) * (2 * x - w) + (2 * y - h) * (2 * y - h) < w * h;
            p.insert(p.end(), {0x30, 0x80, 0xF0, static_cast<std::uint8_t>(inside ? 0xFF : 0)});
        }
    return p;
}

class PngImages : public ::testing::TestWithParam<ImageCase> {};

TEST_P(PngImages, DecodeToTheirPixelsAndAlpha) {
    const ImageCase c = GetParam();
    const Pixels pixels = c.make(c.width, c.height);
    const DecodedPng png = DecodePng(EncodePng(pixels.data(), c.width, c.height));
    ASSERT_EQ(png.error, "");
    EXPECT_EQ(png.width, c.width);
    EXPECT_EQ(png.height, c.height);
    EXPECT_EQ(png.bgra, pixels);
}

INSTANTIATE_TEST_SUITE_P(Icons, PngImages,
                         ::testing::Values(ImageCase{"OnePixel", 1, 1, Gradient},
                                           ImageCase{"Transparent16", 16, 16, Transparent},
                                           ImageCase{"Gradient48", 48, 48, Gradient},
                                           ImageCase{"NotSquare", 37, 5, Gradient},
                                           // More than the 32 KiB that a match may reach back.
                                           ImageCase{"Noise128", 128, 128, Noise},
                                           ImageCase{"Disc256", 256, 256, Disc},
                                           ImageCase{"Widest", kMaxPngSide, 3, Gradient}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PngWriter, CompressesTheRunsOfAnIcon) {
    const Pixels pixels = Disc(256, 256);
    EXPECT_LT(EncodePng(pixels.data(), 256, 256).size(), pixels.size() / 20);
}

TEST(PngWriter, RefusesSizesOutsideItsRange) {
    const Pixels pixel(4, 0);
    for (const auto& size : {std::pair{0, 1}, {1, 0}, {-1, 1}, {kMaxPngSide + 1, 1}})
        EXPECT_TRUE(EncodePng(pixel.data(), size.first, size.second).empty())
            << size.first << " x " << size.second;
}

} // namespace
