#include <gtest/gtest.h>
#include <cstring>
#include "demo/PngWriter.h"

namespace {

uint32_t BigEndian(const uint8_t* p)
{
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}

// The chunks of a PNG file, each with its CRC checked; fails the test on a
// malformed file.
struct Chunk
{
    std::string type;
    std::vector<uint8_t> data;
};

std::vector<Chunk> ReadChunks(const std::vector<uint8_t>& png)
{
    static const uint8_t signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<Chunk> chunks;
    EXPECT_GE(png.size(), 8u);
    EXPECT_EQ(0, std::memcmp(png.data(), signature, 8));
    size_t at = 8;
    while (at + 12 <= png.size()) {
        const uint32_t length = BigEndian(&png[at]);
        EXPECT_LE(at + 12 + length, png.size());
        Chunk chunk{std::string(png.begin() + at + 4, png.begin() + at + 8),
                    std::vector<uint8_t>(png.begin() + at + 8, png.begin() + at + 8 + length)};
        EXPECT_EQ(GvPngCrc32(&png[at + 4], length + 4), BigEndian(&png[at + 8 + length])) << chunk.type;
        chunks.push_back(chunk);
        at += 12 + length;
    }
    EXPECT_EQ(png.size(), at);
    return chunks;
}

// Inflates a zlib stream made of stored blocks only.
std::vector<uint8_t> InflateStored(const std::vector<uint8_t>& zlib, int* pBlocks)
{
    std::vector<uint8_t> out;
    EXPECT_EQ(0x78, zlib[0]);
    EXPECT_EQ(0, (zlib[0] * 256 + zlib[1]) % 31);
    size_t at = 2;
    *pBlocks = 0;
    for (bool last = false; !last;) {
        last = zlib[at] & 1;
        EXPECT_EQ(0, zlib[at] >> 1) << "only stored blocks";
        const unsigned length = zlib[at + 1] | zlib[at + 2] << 8;
        const unsigned check = zlib[at + 3] | zlib[at + 4] << 8;
        EXPECT_EQ(0xFFFFu, length ^ check);
        out.insert(out.end(), zlib.begin() + at + 5, zlib.begin() + at + 5 + length);
        at += 5 + length;
        ++*pBlocks;
    }
    EXPECT_EQ(GvAdler32(out.data(), out.size()), BigEndian(&zlib[at]));
    EXPECT_EQ(zlib.size(), at + 4);
    return out;
}

TEST(PngWriter, ChecksumsOfKnownInputs)
{
    const uint8_t digits[] = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};
    EXPECT_EQ(0xCBF43926u, GvPngCrc32(digits, sizeof digits));
    const uint8_t iend[] = {'I', 'E', 'N', 'D'};
    EXPECT_EQ(0xAE426082u, GvPngCrc32(iend, sizeof iend));
    const uint8_t wikipedia[] = {'W', 'i', 'k', 'i', 'p', 'e', 'd', 'i', 'a'};
    EXPECT_EQ(0x11E60398u, GvAdler32(wikipedia, sizeof wikipedia));
    EXPECT_EQ(1u, GvAdler32(nullptr, 0));
}

TEST(PngWriter, SmallImageRoundTripsAnEmptyOneGivesNoFileALargeOneSpansSeveralBlocks)
{
    // Two rows of three pixels, rows 10 bytes apart (one byte of padding).
    const uint8_t rgb[] = {255, 0, 0, 0, 255, 0, 0, 0, 255, 99, 1, 2, 3, 4, 5, 6, 7, 8, 9, 99};
    const std::vector<Chunk> chunks = ReadChunks(GvEncodePng(3, 2, rgb, 10));
    ASSERT_EQ(3u, chunks.size());
    EXPECT_EQ("IHDR", chunks[0].type);
    const std::vector<uint8_t> header = {0, 0, 0, 3, 0, 0, 0, 2, 8, 2, 0, 0, 0};
    EXPECT_EQ(header, chunks[0].data);
    EXPECT_EQ("IDAT", chunks[1].type);
    EXPECT_EQ("IEND", chunks[2].type);
    EXPECT_TRUE(chunks[2].data.empty());
    int blocks = 0;
    const std::vector<uint8_t> raw = InflateStored(chunks[1].data, &blocks);
    const std::vector<uint8_t> expected = {0, 255, 0, 0, 0, 255, 0, 0, 0, 255, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    EXPECT_EQ(expected, raw);
    EXPECT_EQ(1, blocks);
    // An empty image gives no file.
    EXPECT_TRUE(GvEncodePng(0, 1, rgb, 3).empty());
    EXPECT_TRUE(GvEncodePng(1, 0, rgb, 3).empty());
    EXPECT_TRUE(GvEncodePng(1, 1, nullptr, 3).empty());

    // A large image spans several stored blocks.
    const int width = 300, height = 100; // 90,100 bytes of rows with filters
    std::vector<uint8_t> pixels(width * height * 3);
    for (size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = static_cast<uint8_t>(i * 7);
    const std::vector<Chunk> large = ReadChunks(GvEncodePng(width, height, pixels.data(), width * 3));
    ASSERT_EQ(3u, large.size());
    const std::vector<uint8_t> rows = InflateStored(large[1].data, &blocks);
    EXPECT_EQ(2, blocks);
    ASSERT_EQ(size_t(height) * (1 + width * 3), rows.size());
    for (int y = 0; y < height; ++y) {
        const size_t row = size_t(y) * (1 + width * 3);
        EXPECT_EQ(0, rows[row]);
        EXPECT_EQ(0, std::memcmp(&rows[row + 1], &pixels[size_t(y) * width * 3], width * 3)) << y;
    }
}

} // namespace
