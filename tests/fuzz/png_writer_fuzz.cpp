// Fuzzes the PNG writer: any image of any size up to a few thousand pixels decodes, with an
// independent decoder, to exactly its pixels and alpha.
#include "../../catalogue/png_writer.h"
#include "../host/png_decoder.h"
#include "fuzz_support.h"

#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider input(bytes, size);
    const int width = input.ConsumeIntegralInRange<int>(1, 300);
    const int height = input.ConsumeIntegralInRange<int>(1, 40);
    // The pixels repeat what the input gives, so that runs and far matches both occur.
    const std::vector<std::uint8_t> given = input.ConsumeRemainingBytes<std::uint8_t>();
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * height * 4);
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = given.empty() ? 0 : given[i % given.size()];

    const DecodedPng png = DecodePng(EncodePng(pixels.data(), width, height));
    Check(png.error.empty(), "the file decodes");
    Check(png.width == width && png.height == height, "the file has the image's size");
    Check(png.bgra == pixels, "the file holds the image's pixels");
    return 0;
}
