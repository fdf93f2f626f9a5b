// PNG files of 32-bit images: the chunks, their checksums and a small deflate compressor.
#include "png_writer.h"

#include <array>
#include <cstddef>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::uint8_t kColourTypeRgba = 6;
constexpr std::uint8_t kFilterNone = 0;

// The CRC-32 that every chunk carries over its type and data.
std::uint32_t Crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    crc = ~crc;
    for (std::size_t i = 0; i < size; ++i)
        crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

// The Adler-32 that ends the zlib stream of the image data.
std::uint32_t Adler32(const Bytes& data) {
    constexpr std::uint32_t kBase = 65521;
    constexpr std::size_t kRun = 5552; // the longest run whose sums cannot overflow
    std::uint32_t a = 1, b = 0;
    for (std::size_t i = 0; i < data.size();) {
        const std::size_t end = i + kRun < data.size() ? i + kRun : data.size();
        for (; i < end; ++i) {
            a += data[i];
            b += a;
        }
        a %= kBase;
        b %= kBase;
    }
    return (b << 16) | a;
}

void PutBigEndian(Bytes& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void PutChunk(Bytes& out, const char (&type)[5], const Bytes& data) {
    PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    PutBigEndian(out, Crc32(&out[typeAt], 4 + data.size(), 0));
}

// Writes bits into bytes, least significant bit first, as deflate packs them.
struct BitWriter {
    Bytes& out;
    std::uint32_t pending = 0;
    int count = 0;

    void Put(std::uint32_t bits, int n) {
        pending |= bits << count;
        count += n;
        while (count >= 8) {
            out.push_back(static_cast<std::uint8_t>(pending));
            pending >>= 8;
            count -= 8;
        }
    }
    // Huffman codes go most significant bit first.
    void PutCode(std::uint32_t code, int n) {
        std::uint32_t reversed = 0;
        for (int i = 0; i < n; ++i)
            reversed |= ((code >> i) & 1) << (n - 1 - i);
        Put(reversed, n);
    }
    void Flush() {
        if (count > 0) out.push_back(static_cast<std::uint8_t>(pending));
        pending = 0;
        count = 0;
    }
};

// The fixed Huffman code of a literal/length symbol (0..285).
void PutSymbol(BitWriter& bits, int symbol) {
    if (symbol < 144)
        bits.PutCode(0x30 + symbol, 8);
    else if (symbol < 256)
        bits.PutCode(0x190 + symbol - 144, 9);
    else if (symbol < 280)
        bits.PutCode(symbol - 256, 7);
    else
        bits.PutCode(0xC0 + symbol - 280, 8);
}

constexpr int kMinMatch = 3;
constexpr int kMaxMatch = 258;
constexpr std::size_t kWindow = 32768;
constexpr int kLengthBase[] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                               31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr int kLengthExtra[] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr int kDistanceBase[] = {1,    2,    3,    4,    5,    7,    9,    13,    17,    25,
                                 33,   49,   65,   97,   129,  193,  257,  385,   513,   769,
                                 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr int kDistanceExtra[] = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                  6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

void PutMatch(BitWriter& bits, int length, int distance) {
    int l = 28;
    while (kLengthBase[l] > length)
        --l;
    PutSymbol(bits, 257 + l);
    bits.Put(static_cast<std::uint32_t>(length - kLengthBase[l]), kLengthExtra[l]);
    int d = 29;
    while (kDistanceBase[d] > distance)
        --d;
    bits.PutCode(static_cast<std::uint32_t>(d), 5);
    bits.Put(static_cast<std::uint32_t>(distance - kDistanceBase[d]), kDistanceExtra[d]);
}

// One deflate block with the fixed codes: each position takes the longest match that the most
// recent earlier position with the same three bytes gives, or stays a literal. Icons are small
// and mostly runs of one colour or of transparency, which this finds.
Bytes Deflate(const Bytes& data) {
    constexpr int kHashBits = 15;
    std::vector<std::int64_t> last(std::size_t{1} << kHashBits, -1);
    const auto hash = [&](std::size_t at) {
        const std::uint32_t v = data[at] | data[at + 1] << 8 | data[at + 2] << 16;
        return (v * 2654435761u) >> (32 - kHashBits);
    };
    Bytes out;
    BitWriter bits{out};
    bits.Put(1, 1); // the final block
    bits.Put(1, 2); // fixed Huffman codes
    const std::size_t n = data.size();
    for (std::size_t at = 0; at < n;) {
        int length = 0;
        std::size_t from = 0;
        if (at + kMinMatch <= n) {
            const std::uint32_t h = hash(at);
            const std::int64_t candidate = last[h];
            last[h] = static_cast<std::int64_t>(at);
            if (candidate >= 0 && at - static_cast<std::size_t>(candidate) <= kWindow) {
                from = static_cast<std::size_t>(candidate);
                const std::size_t most = n - at < kMaxMatch ? n - at : kMaxMatch;
                while (static_cast<std::size_t>(length) < most &&
                       data[from + length] == data[at + length])
                    ++length;
            }
        }
        if (length >= kMinMatch) {
            PutMatch(bits, length, static_cast<int>(at - from));
            // The positions inside the match are remembered too, so later runs find them.
            for (std::size_t k = at + 1; k < at + length && k + kMinMatch <= n; ++k)
                last[hash(k)] = static_cast<std::int64_t>(k);
            at += static_cast<std::size_t>(length);
        } else {
            PutSymbol(bits, data[at]);
            ++at;
        }
    }
    PutSymbol(bits, 256); // end of block
    bits.Flush();
    return out;
}

} // namespace

std::vector<std::uint8_t> EncodePng(const std::uint8_t* bgra, int width, int height) {
    if (width <= 0 || height <= 0 || width > kMaxPngSide || height > kMaxPngSide) return {};
    const std::size_t w = static_cast<std::size_t>(width);
    const std::size_t h = static_cast<std::size_t>(height);

    Bytes header;
    PutBigEndian(header, static_cast<std::uint32_t>(width));
    PutBigEndian(header, static_cast<std::uint32_t>(height));
    header.insert(header.end(),
                  {8, kColourTypeRgba, 0, 0, 0}); // depth, type, methods, no interlace

    // Each row: its filter type, then red, green, blue and alpha of each pixel.
    Bytes rows;
    rows.reserve(h * (1 + 4 * w));
    for (std::size_t y = 0; y < h; ++y) {
        rows.push_back(kFilterNone);
        const std::uint8_t* pixel = bgra + y * w * 4;
        for (std::size_t x = 0; x < w; ++x, pixel += 4)
            rows.insert(rows.end(), {pixel[2], pixel[1], pixel[0], pixel[3]});
    }
    Bytes zlib = {0x78, 0x01}; // deflate with a 32 KiB window, no dictionary
    const Bytes compressed = Deflate(rows);
    zlib.insert(zlib.end(), compressed.begin(), compressed.end());
    PutBigEndian(zlib, Adler32(rows));

    Bytes png(std::begin(kSignature), std::end(kSignature));
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", zlib);
    PutChunk(png, "IEND", {});
    return png;
}
