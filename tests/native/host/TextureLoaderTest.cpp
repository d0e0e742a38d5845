#include <array>
#include <cstring>
#include <memory>
#include <tuple>
#include <vector>

#include "GvTexture.h"
#include "HostTestSupport.h"
#include "ImageBytes.h"

namespace {

class TextureLoaderTest : public GvLeakCheckedTest
{
protected:
    std::unique_ptr<GvTexture> Load(const char* name)
    {
        GvTextureLoadError error = GV_LOAD_CORRUPT;
        std::unique_ptr<GvTexture> texture(GvLoadTexture(Units(SamplePath(name)), &error));
        EXPECT_EQ(GV_LOAD_OK, error) << name;
        return texture;
    }

    static std::vector<uint8_t> Bytes(const char* name)
    {
        GvBuffer<uint8_t> contents;
        EXPECT_EQ(GV_READ_OK, GvReadFile(Units(SamplePath(name)), 1 << 20, contents)) << name;
        return std::vector<uint8_t>(contents.GetData(), contents.GetData() + contents.GetCount());
    }

    static GvTextureLoadError LoadBytes(const std::vector<uint8_t>& bytes, size_t size)
    {
        GvTextureLoadError error = GV_LOAD_OK;
        // A copy of exactly `size` bytes, so that reading past it is caught.
        std::vector<uint8_t> copy(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size));
        GvTexture* texture = GvLoadTextureFromMemory(copy.data(), copy.size(), &error);
        delete texture;
        return texture ? GV_LOAD_OK : error;
    }
};

Rgba PixelAt(const GvTexture& texture, int face, int level, int x, int y, int slice = 0)
{
    const int bytes = GvPixelFormatBytesPerPixel(texture.GetFormat());
    const int w = texture.GetLevelWidth(level), h = texture.GetLevelHeight(level);
    const uint8_t* p = texture.GetLevelData(face, level) + ((static_cast<size_t>(slice) * h + y) * w + x) * bytes;
    uint8_t rgba[4];
    GvDecodePixels(texture.GetFormat(), p, 1, rgba);
    return Rgba{rgba[0], rgba[1], rgba[2], rgba[3]};
}

TEST_F(TextureLoaderTest, TwoDimensionalDdsWithItsMipChain)
{
    std::unique_ptr<GvTexture> texture = Load("mips_bgra.dds");
    ASSERT_TRUE(texture);
    const Gv2DTexture* flat = dynamic_cast<const Gv2DTexture*>(texture.get());
    ASSERT_TRUE(flat);
    EXPECT_EQ(GV_TEXTURE_2D, flat->GetTextureType());
    EXPECT_EQ(GV_FORMAT_B8G8R8A8, flat->GetFormat());
    EXPECT_EQ(std::make_tuple(32, 16, 6, 1, 1),
              std::make_tuple(flat->GetWidth(), flat->GetHeight(), flat->GetNumMipmaps(), flat->GetLevelWidth(5),
                              flat->GetLevelHeight(4)));
    for (int level = 0; level < 6; ++level)
        for (int y = 0; y < flat->GetLevelHeight(level); ++y)
            for (int x = 0; x < flat->GetLevelWidth(level); ++x)
                ASSERT_EQ((Rgba{(8 * x) % 256, (16 * y) % 256, 40 * level, 255}), PixelAt(*flat, 0, level, x, y))
                    << "level " << level << " at " << x << ", " << y;
}

TEST_F(TextureLoaderTest, VolumeDdsHalvesItsDepthPerLevelCubeDdsHasSixFacesInOrder)
{
    std::unique_ptr<GvTexture> texture = Load("volume_rgba.dds");
    const Gv3DTexture* volume = dynamic_cast<const Gv3DTexture*>(texture.get());
    ASSERT_TRUE(volume);
    EXPECT_EQ(GV_FORMAT_R8G8B8A8, volume->GetFormat());
    EXPECT_EQ(std::make_tuple(4, 4, 2, 1), std::make_tuple(volume->GetDepth(), volume->GetNumMipmaps(),
                                                           volume->GetLevelDepth(1), volume->GetLevelDepth(3)));
    EXPECT_EQ((Rgba{200, 0, 16 * 5 + 6, 255}), PixelAt(*volume, 0, 0, 5, 6, 3));
    EXPECT_EQ((Rgba{80, 50, 16 * 3 + 2, 255}), PixelAt(*volume, 0, 1, 3, 2, 1));
    EXPECT_EQ((Rgba{20, 150, 0, 255}), PixelAt(*volume, 0, 3, 0, 0, 0));
    texture = Load("cube_bgrx.dds");
    const GvCubemap* cube = dynamic_cast<const GvCubemap*>(texture.get());
    ASSERT_TRUE(cube);
    EXPECT_EQ(std::make_tuple(8, 6, GV_FORMAT_B8G8R8X8),
              std::make_tuple(cube->GetEdgeSize(), cube->GetNumFaces(), cube->GetFormat()));
    for (int face = 0; face < 6; ++face)
        EXPECT_EQ((Rgba{40 * face + 10, 120, 8 * 1, 255}), PixelAt(*cube, face, 2, 1, 0)) << face;
    EXPECT_TRUE(!cube->GetLevelData(6, 0) && !cube->GetLevelData(0, 4));
}

TEST_F(TextureLoaderTest, EachFormatDecodesToItsPixels)
{
    const std::tuple<const char*, GvPixelFormatType, int, int, Rgba> rows[] = {
        {"luminance.dds", GV_FORMAT_L8, 9, 5, {16 * 9 + 5, 16 * 9 + 5, 16 * 9 + 5, 255}},
        // red 4x = 12 of 31, green 8y = 16 of 63, blue 31 - x = 28 of 31, widened with rounding.
        {"rgb565.dds", GV_FORMAT_B5G6R5, 3, 2, {(12 * 255 + 15) / 31, (16 * 255 + 31) / 63, (28 * 255 + 15) / 31, 255}},
        {"alpha_dx10.dds", GV_FORMAT_R8G8B8A8, 2, 3, {255, 64, 96, 160}},
        {"alpha.png", GV_FORMAT_R8G8B8A8, 7, 3, {16 * 7, 16 * 3, 128, 8 * 10}},
        {"gradient.png", GV_FORMAT_R8G8B8, 23, 11, {230, 220, 25, 255}},
        {"gray.png", GV_FORMAT_L8, 2, 6, {70, 70, 70, 255}},
        {"alpha.tga", GV_FORMAT_R8G8B8A8, 2, 3, {80, 180, 90, 175}}};
    for (const auto& [file, format, x, y, pixel] : rows) {
        SCOPED_TRACE(file);
        std::unique_ptr<GvTexture> texture = Load(file);
        ASSERT_TRUE(texture);
        EXPECT_EQ(format, texture->GetFormat());
        EXPECT_EQ(pixel, PixelAt(*texture, 0, 0, x, y));
    }
}

TEST_F(TextureLoaderTest, BmpAndJpegThroughTheImageReader)
{
    std::unique_ptr<GvTexture> bmp = Load("colors.bmp");
    ASSERT_TRUE(bmp);
    EXPECT_EQ(5, bmp->GetLevelWidth(0));
    EXPECT_EQ((Rgba{200, 200, 200, 255}), PixelAt(*bmp, 0, 0, 4, 2)) << "rows padded and bottom-up in the file";
    EXPECT_EQ((Rgba{50, 0, 200, 255}), PixelAt(*bmp, 0, 0, 1, 0));

    std::unique_ptr<GvTexture> jpeg = Load("blocks.jpg");
    ASSERT_TRUE(jpeg);
    EXPECT_EQ(GV_FORMAT_R8G8B8, jpeg->GetFormat());
    const Rgba corners[4] = {PixelAt(*jpeg, 0, 0, 3, 3), PixelAt(*jpeg, 0, 0, 12, 3), PixelAt(*jpeg, 0, 0, 3, 12),
                             PixelAt(*jpeg, 0, 0, 12, 12)};
    const Rgba expected[4] = {{255, 0, 0, 255}, {0, 255, 0, 255}, {0, 0, 255, 255}, {128, 128, 128, 255}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(expected[i].r, corners[i].r, 3) << i;
        EXPECT_NEAR(expected[i].g, corners[i].g, 3) << i;
        EXPECT_NEAR(expected[i].b, corners[i].b, 3) << i;
    }
}

TEST_F(TextureLoaderTest, MissingFileAndNoPath)
{
    GvTextureLoadError errors[3] = {GV_LOAD_OK, GV_LOAD_OK, GV_LOAD_OK};
    EXPECT_FALSE(GvLoadTexture(Units(SamplePath("no-such-file.dds")), &errors[0]) || GvLoadTexture(nullptr, &errors[1])
                 || GvLoadTextureFromMemory(nullptr, 0, &errors[2]));
    EXPECT_EQ((std::vector<GvTextureLoadError>{GV_LOAD_CANNOT_OPEN, GV_LOAD_CANNOT_OPEN, GV_LOAD_UNKNOWN_FORMAT}),
              std::vector<GvTextureLoadError>(errors, errors + 3));
}

// Builders of damaged pictures, from the samples.
size_t FindMarker(const std::vector<uint8_t>& jpeg, uint8_t marker)
{
    for (size_t i = 2; i + 1 < jpeg.size(); ++i)
        if (jpeg[i] == 0xFF && jpeg[i + 1] == marker)
            return i;
    ADD_FAILURE() << "no marker " << int(marker);
    return 0;
}

// The AC table of the DHT segment claims 0xF0 more codes of length 9.
std::vector<uint8_t> OversizedHuffmanTable(std::vector<uint8_t> jpeg)
{
    const size_t acCounts = FindMarker(jpeg, 0xC4) + 4 + 17 + 12 + 1; // past the DC table and the AC class byte
    jpeg[acCounts + 8] = 0xF0;
    return jpeg;
}

std::vector<uint8_t> WithLeadingFF(std::vector<uint8_t> bytes)
{
    bytes.insert(bytes.begin(), 0xFF);
    return bytes;
}

uint32_t Crc32(const uint8_t* p, size_t count)
{
    uint32_t crc = 0xFFFFFFFF;
    for (size_t i = 0; i < count; ++i) {
        crc ^= p[i];
        for (int k = 0; k < 8; ++k)
            crc = crc >> 1 ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// IHDR rewritten with a valid checksum, so that only the size is wrong.
std::vector<uint8_t> PngHeader(std::vector<uint8_t> png, uint32_t width, uint32_t height, uint8_t depth)
{
    Put32BigEndian(png, 16, width);
    Put32BigEndian(png, 20, height);
    png[24] = depth;
    Put32BigEndian(png, 29, Crc32(png.data() + 12, 17));
    return png;
}

// A copy of the bytes with the 32-bit value written at offset.
std::vector<uint8_t> Patched(std::vector<uint8_t> bytes, size_t offset, uint32_t value)
{
    Put32(bytes, offset, value);
    return bytes;
}

TEST_F(TextureLoaderTest, CraftedAndDamagedPicturesAreRefusedWithAReason)
{
    const std::vector<uint8_t> jpeg = Bytes("blocks.jpg"), png = Bytes("alpha.png"), tga = Bytes("alpha.tga");
    const std::vector<uint8_t> cube = Bytes("cube_bgrx.dds");
    std::vector<uint8_t> badZlib = png;
    badZlib[41] ^= 0xFF; // the zlib header of the image data
    const std::vector<uint8_t> huge = OversizedHuffmanTable(jpeg);
    const std::vector<uint8_t> cutTable(huge.begin(), huge.begin() + FindMarker(jpeg, 0xC4) + 4 + 17 + 12 + 1 + 12);
    const std::tuple<const char*, std::vector<uint8_t>, GvTextureLoadError> rows[] = {
        {"DDS header size", Patched(cube, 4, 100), GV_LOAD_CORRUPT},
        {"DDS width 0", Patched(cube, 16, 0), GV_LOAD_CORRUPT},
        {"a cube map that is not square", Patched(cube, 12, 4), GV_LOAD_CORRUPT},
        {"a cube map of only one face", Patched(cube, 4 + 108, 0x200 | 0x400), GV_LOAD_UNSUPPORTED},
        {"DDS FourCC without a known code", Patched(cube, 80, 0x4), GV_LOAD_UNSUPPORTED},
        {"DDS of unknown masks", Patched(cube, 92, 0x1234), GV_LOAD_UNSUPPORTED},
        {"DDS of absurd width", Patched(Bytes("mips_bgra.dds"), 16, 0x7F000020), GV_LOAD_UNSUPPORTED},
        {"a mip count beyond the chain is cut to the chain", Patched(cube, 28, 200), GV_LOAD_OK},
        {"a leading 0xFF and an oversized Huffman table", WithLeadingFF(OversizedHuffmanTable(jpeg)),
         GV_LOAD_UNKNOWN_FORMAT},
        {"a leading 0xFF before a good JPEG", WithLeadingFF(jpeg), GV_LOAD_UNKNOWN_FORMAT},
        {"an oversized Huffman table", OversizedHuffmanTable(jpeg), GV_LOAD_CORRUPT},
        {"damaged compressed PNG data", badZlib, GV_LOAD_CORRUPT},
#ifdef _WIN32
        // Windows' codecs do not tell a cut file from a damaged one.
        {"an oversized Huffman table cut short", cutTable, GV_LOAD_CORRUPT},
#else
        {"an oversized Huffman table cut short", cutTable, GV_LOAD_TRUNCATED},
#endif
        {"a TGA colour index past its map", Tga(1, 8, 2, 1, 0, {0, 0, 255}, 24, {0, 1}), GV_LOAD_CORRUPT},
        {"a TGA whose pixels are cut", std::vector<uint8_t>(tga.begin(), tga.end() - 1), GV_LOAD_TRUNCATED},
        {"text", {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd'}, GV_LOAD_UNKNOWN_FORMAT}};
    const size_t live = GvGetLiveBufferCount();
    for (const auto& [what, bytes, error] : rows) {
        EXPECT_EQ(error, LoadBytes(bytes, bytes.size())) << what;
        EXPECT_EQ(live, GvGetLiveBufferCount()) << what << ": a partial picture kept";
    }
}

TEST_F(TextureLoaderTest, SizesBeyondTheLimitsAreRefusedBeforeAnyAllocation)
{
    std::vector<uint8_t> jpeg = Bytes("blocks.jpg"), bmp = Bytes("colors.bmp");
    const size_t frame = FindMarker(jpeg, 0xC0);
    for (size_t at : {frame + 5, frame + 7}) { // height, width: 60000
        jpeg[at] = 0xEA;
        jpeg[at + 1] = 0x60;
    }
    Put32(bmp, 18, 0x7FFFFFFF);
    Put32(bmp, 22, 0x7FFFFFFF);
    const std::pair<const char*, std::vector<uint8_t>> rows[] = {
        {"PNG 2^31-1 square at 16 bits: bytes past 2^64", PngHeader(Bytes("alpha.png"), 0x7FFFFFFF, 0x7FFFFFFF, 16)},
        {"PNG 65536 x 65536: pixels past 2^32", PngHeader(Bytes("gray.png"), 0x10000, 0x10000, 8)},
        {"JPEG 60000 x 60000: bytes past 2^32", jpeg},
        {"BMP 2^31-1 square: pixels past 2^32", bmp},
        {"TGA 16384 x 16384 at 32 bits: past the byte limit", Tga(2, 32, 16384, 16384, 0, {}, 0, {1, 2, 3, 4})}};
    for (const auto& [what, bytes] : rows) {
        const size_t allocations = GvGetAllocationCount();
        EXPECT_EQ(GV_LOAD_UNSUPPORTED, LoadBytes(bytes, bytes.size())) << what;
        EXPECT_EQ(allocations, GvGetAllocationCount()) << what;
    }
}

TEST_F(TextureLoaderTest, APngWhoseFirstImageChunkIsEmptyReadsWhole)
{
    std::vector<uint8_t> png = Bytes("alpha.png");
    const uint8_t emptyIdat[12] = {0, 0, 0, 0, 'I', 'D', 'A', 'T', 0x35, 0xAF, 0x06, 0x1E};
    png.insert(png.begin() + 33, emptyIdat, emptyIdat + 12); // after IHDR
    GvTextureLoadError error = GV_LOAD_CORRUPT;
    const std::unique_ptr<GvTexture> texture(GvLoadTextureFromMemory(png.data(), png.size(), &error));
    ASSERT_TRUE(texture) << error;
    const std::unique_ptr<GvTexture> original = Load("alpha.png");
    ASSERT_EQ(original->GetLevelSize(0), texture->GetLevelSize(0));
    EXPECT_EQ(0, std::memcmp(original->GetLevelData(0, 0), texture->GetLevelData(0, 0), texture->GetLevelSize(0)));
}

TEST_F(TextureLoaderTest, EveryTruncationOfAPictureIsRefusedOrKeepsItsSize)
{
    for (const char* name : {"alpha.png", "gradient.png", "gray.png", "colors.bmp", "blocks.jpg", "alpha.tga"}) {
        const std::vector<uint8_t> bytes = Bytes(name);
        const std::unique_ptr<GvTexture> whole = Load(name);
        ASSERT_TRUE(whole);
        // Where a format allows it, a picture cut after its header may show
        // partly, at its whole size.
        for (size_t size = 1; size < bytes.size(); ++size) {
            const std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size));
            GvTextureLoadError error = GV_LOAD_OK;
            const std::unique_ptr<GvTexture> texture(GvLoadTextureFromMemory(cut.data(), cut.size(), &error));
            if (texture) {
                ASSERT_EQ(std::make_tuple(whole->GetFormat(), whole->GetLevelWidth(0), whole->GetLevelHeight(0)),
                          std::make_tuple(texture->GetFormat(), texture->GetLevelWidth(0), texture->GetLevelHeight(0)))
                    << name << " cut at " << size;
            } else {
                ASSERT_TRUE(error == GV_LOAD_UNKNOWN_FORMAT || error == GV_LOAD_CORRUPT || error == GV_LOAD_TRUNCATED)
                    << name << " cut at " << size << ": " << error;
            }
        }
        EXPECT_NE(GV_LOAD_OK, LoadBytes(bytes, 10)) << name;
    }
    // A DDS holds no partial picture: every cut is refused as such.
    for (const char* name : {"mips_bgra.dds", "volume_rgba.dds", "cube_bgrx.dds", "alpha_dx10.dds"}) {
        const std::vector<uint8_t> bytes = Bytes(name);
        EXPECT_EQ(GV_LOAD_OK, LoadBytes(bytes, bytes.size())) << name;
        for (size_t size = 4; size < bytes.size(); ++size)
            ASSERT_EQ(GV_LOAD_TRUNCATED, LoadBytes(bytes, size)) << name << " cut at " << size;
    }
}

TEST_F(TextureLoaderTest, BmpAndTgaLayouts)
{
    // Two rows of two pixels each: (x, y) -> the colours below.
    const Rgba red{255, 0, 0, 255}, green{0, 255, 0, 255}, blue{0, 0, 255, 255}, white{255, 255, 255, 255};
    const std::vector<uint8_t> map = {0,   0, 255, 0,   255, 0,
                                      255, 0, 0,   255, 255, 255}; // B, G, R: red, green, blue, white
    // Pixels (0, 0), (1, 0), (0, 1), (1, 1).
    const std::tuple<const char*, std::vector<uint8_t>, GvPixelFormatType, std::array<Rgba, 4>> rows[] = {
        {"TGA mapped, top row first",
         Tga(1, 8, 2, 2, 0x20, map, 24, {0, 1, 2, 3}),
         GV_FORMAT_R8G8B8,
         {red, green, blue, white}},
        {"TGA mapped, run-length coded, bottom row first",
         Tga(9, 8, 2, 2, 0, map, 24, {0x81, 2, 0x01, 0, 3}),
         GV_FORMAT_R8G8B8,
         {red, white, blue, blue}},
        {"TGA grey with alpha",
         Tga(3, 16, 2, 2, 0x20, {}, 0, {10, 20, 30, 40, 50, 60, 70, 80}),
         GV_FORMAT_L8A8,
         {{{10, 10, 10, 20}, {30, 30, 30, 40}, {50, 50, 50, 60}, {70, 70, 70, 80}}}},
        {"TGA 16 bits, a run across the rows",
         Tga(10, 16, 2, 2, 0x20, {}, 0, {0x80, 0x00, 0x7C, 0x82, 0x1F, 0x00}),
         GV_FORMAT_R8G8B8,
         {red, blue, blue, blue}},
        {"BMP mapped at 8 bits, top row first",
         Bmp(2, -2, 8, 0, {0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0, 255, 255, 255, 0}, {0, 1, 0, 0, 2, 3, 0, 0}),
         GV_FORMAT_R8G8B8,
         {red, green, blue, white}},
        {"BMP 16 bits with 5-6-5 masks",
         Bmp(2, 2, 16, 3, {0, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0}, {0x1F, 0, 0xFF, 0xFF, 0, 0xF8, 0xE0, 0x07}),
         GV_FORMAT_R8G8B8,
         {red, green, blue, white}}};
    for (const auto& [what, bytes, format, pixels] : rows) {
        SCOPED_TRACE(what);
        GvTextureLoadError error = GV_LOAD_CORRUPT;
        const std::unique_ptr<GvTexture> texture(GvLoadTextureFromMemory(bytes.data(), bytes.size(), &error));
        ASSERT_TRUE(texture) << error;
        EXPECT_EQ(format, texture->GetFormat());
        ASSERT_EQ(std::make_pair(2, 2), std::make_pair(texture->GetLevelWidth(0), texture->GetLevelHeight(0)));
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(pixels[i], PixelAt(*texture, 0, 0, i % 2, i / 2)) << i;
    }
}

TEST_F(TextureLoaderTest, CreateRefusesWhatCannotBePixelFormatsHaveNamesSizesAndAlpha)
{
    EXPECT_EQ(nullptr, GvTexture::Create(GV_TEXTURE_2D, GV_FORMAT_UNKNOWN, 4, 4, 1, 1));
    EXPECT_EQ(nullptr, GvTexture::Create(GV_TEXTURE_2D, GV_FORMAT_L8, 0, 4, 1, 1));
    EXPECT_EQ(nullptr, GvTexture::Create(GV_TEXTURE_2D, GV_FORMAT_L8, 4, 4, 2, 1));
    EXPECT_EQ(nullptr, GvTexture::Create(GV_TEXTURE_CUBE, GV_FORMAT_L8, 4, 8, 1, 1));
    EXPECT_EQ(nullptr, GvTexture::Create(GV_TEXTURE_2D, GV_FORMAT_L8, 4, 4, 1, 4));
    EXPECT_EQ(nullptr, GvTexture::Create(GV_TEXTURE_2D, GV_FORMAT_R16G16B16A16, 16384, 16384, 1, 1))
        << "over the byte limit";
    std::unique_ptr<GvTexture> texture(GvTexture::Create(GV_TEXTURE_3D, GV_FORMAT_L8, 4, 2, 8, 4));
    ASSERT_TRUE(texture);
    EXPECT_EQ((std::vector<size_t>{4 * 2 * 8, 1 * 1 * 1, 0}),
              (std::vector<size_t>{texture->GetLevelSize(0), texture->GetLevelSize(3), texture->GetLevelSize(4)}));
    EXPECT_EQ(texture->GetLevelData(0, 0) + 64 + 2 * 1 * 4, texture->GetLevelData(0, 2));
    GvStringW name;
    GvPixelFormatTypeToString(name, GV_FORMAT_B5G5R5A1);
    EXPECT_EQ(u"B5G5R5A1", Text(name));
    GvPixelFormatTypeToString(name, static_cast<GvPixelFormatType>(99));
    EXPECT_EQ(u"Unknown", Text(name));
    EXPECT_EQ(std::make_pair(8, 3), std::make_pair(GvPixelFormatBytesPerPixel(GV_FORMAT_R16G16B16A16),
                                                   GvPixelFormatBytesPerPixel(GV_FORMAT_B8G8R8)));
    EXPECT_TRUE(GvPixelFormatHasAlpha(GV_FORMAT_L8A8) && !GvPixelFormatHasAlpha(GV_FORMAT_B8G8R8X8));
    const uint8_t packed[2] = {0x0F, 0xF0}; // B4G4R4A4: b 15, g 0, r 0, a 15
    uint8_t rgba[4];
    ASSERT_TRUE(GvDecodePixels(GV_FORMAT_B4G4R4A4, packed, 1, rgba));
    EXPECT_EQ((Rgba{0, 0, 255, 255}), (Rgba{rgba[0], rgba[1], rgba[2], rgba[3]}));
    const uint8_t wide[8] = {0xFF, 0xFF, 0x00, 0x80, 0, 0, 0x7F, 0x00};
    ASSERT_TRUE(GvDecodePixels(GV_FORMAT_R16G16B16A16, wide, 1, rgba));
    EXPECT_EQ((Rgba{255, 128, 0, 0}), (Rgba{rgba[0], rgba[1], rgba[2], rgba[3]}));
    EXPECT_FALSE(GvDecodePixels(GV_FORMAT_UNKNOWN, wide, 1, rgba) || GvDecodePixels(GV_FORMAT_L8, nullptr, 1, rgba)
                 || GvDecodePixels(GV_FORMAT_L8, wide, 1, nullptr));
}

} // namespace
