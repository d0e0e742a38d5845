#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// A PNG file of 8-bit RGB pixels in stored (uncompressed) deflate blocks:
// no zlib needed, and every byte can be checked by a test. rgb holds height
// rows of width pixels, rowStride bytes apart, three bytes per pixel in the
// order red, green, blue.
std::vector<uint8_t> GvEncodePng(int width, int height, const uint8_t* rgb, int rowStride);

// CRC-32 of PNG chunks and Adler-32 of zlib streams.
uint32_t GvPngCrc32(const uint8_t* data, size_t size, uint32_t crc = 0);
uint32_t GvAdler32(const uint8_t* data, size_t size);
