#include <algorithm>
#include <memory>
#include <vector>

#include "GvGfxUtil.h"
#include "GvTexture.h"
#include "HostTestSupport.h"

namespace {

class TexturePictureTest : public GvLeakCheckedTest
{
protected:
    std::unique_ptr<GvTexture> Load(const char* name)
    {
        return std::unique_ptr<GvTexture>(GvLoadTexture(Units(SamplePath(name)), nullptr));
    }

    // The picture as 0x00RRGGBB values.
    std::vector<uint32_t> Picture(const GvTexture* texture, int width, int height, bool showAlpha, int level, int slice,
                                  unsigned long background = 0x00332211)
    {
        std::vector<uint32_t> pixels(static_cast<size_t>(width) * height, 0xDEADBEEF);
        EXPECT_TRUE(GvGfxRenderTexture(texture, width, height, background, showAlpha, level, slice, pixels.data()));
        return pixels;
    }
};

uint32_t Rgb(int r, int g, int b)
{
    return static_cast<uint32_t>(r) << 16 | static_cast<uint32_t>(g) << 8 | static_cast<uint32_t>(b);
}

TEST_F(TexturePictureTest, MipLevelsAndVolumeSlicesAtTheirOwnSizeAreCopiedExactly)
{
    std::unique_ptr<GvTexture> texture = Load("mips_bgra.dds");
    ASSERT_TRUE(texture);
    std::vector<uint32_t> pixels = Picture(texture.get(), 8, 4, false, 2, 0);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x)
            ASSERT_EQ(Rgb(8 * x, 16 * y, 80), pixels[static_cast<size_t>(y) * 8 + x]) << x << ", " << y;
    // A level beyond the chain shows the last one.
    EXPECT_EQ(Rgb(0, 0, 200), Picture(texture.get(), 1, 1, false, 9, 0)[0]);
    texture = Load("volume_rgba.dds");
    ASSERT_TRUE(texture);
    pixels = Picture(texture.get(), 4, 4, false, 1, 1);
    EXPECT_EQ(std::make_pair(Rgb(80, 50, 16 * 3 + 2), Rgb(80, 50, 0)), std::make_pair(pixels[2 * 4 + 3], pixels[0]));
    EXPECT_EQ(Rgb(80, 50, 0), Picture(texture.get(), 4, 4, false, 1, 5)[0]) << "slice limited to the level's last";
}

TEST_F(TexturePictureTest, CubeMapIsACrossInTheMiddleOfASquare)
{
    std::unique_ptr<GvTexture> texture = Load("cube_bgrx.dds");
    ASSERT_TRUE(texture);
    // Level 1: edge 4, picture 16 x 16, cross rows from y = 2 to 13.
    const std::vector<uint32_t> pixels = Picture(texture.get(), 16, 16, false, 1, 0);
    auto at = [&](int x, int y) { return pixels[static_cast<size_t>(y) * 16 + x]; };
    auto face = [](int f, int x, int y) { return Rgb(40 * f + 10, 60, 8 * (x + y)); };
    const uint32_t background = Rgb(0x11, 0x22, 0x33);
    // A corner, above the cross, below it, left of +Y, right of -Y.
    for (const auto& [x, y] : {std::pair{0, 0}, {5, 1}, {5, 14}, {0, 2}, {12, 12}})
        EXPECT_EQ(background, at(x, y)) << x << ", " << y;
    EXPECT_EQ(face(GV_FACE_POSITIVE_Y, 1, 0), at(5, 2));
    EXPECT_EQ(face(GV_FACE_NEGATIVE_X, 3, 1), at(3, 7));
    EXPECT_EQ(face(GV_FACE_POSITIVE_Z, 0, 0), at(4, 6));
    EXPECT_EQ(face(GV_FACE_POSITIVE_X, 2, 3), at(10, 9));
    EXPECT_EQ(face(GV_FACE_NEGATIVE_Z, 3, 3), at(15, 9));
    EXPECT_EQ(face(GV_FACE_NEGATIVE_Y, 1, 3), at(5, 13));
}

TEST_F(TexturePictureTest, AlphaOverACheckerboardWhenAsked)
{
    std::unique_ptr<GvTexture> texture = Load("alpha.png");
    ASSERT_TRUE(texture);
    // The format table is the loader suite's; this is the editor's question.
    EXPECT_TRUE(GvGfxFormatContainsAlpha(texture->GetFormat()));
    EXPECT_FALSE(GvGfxFormatContainsAlpha(GV_FORMAT_R8G8B8));
    // (x, y) = (1, 1): colour (16, 16, 128), alpha 16 over white; (9, 1): alpha 80 over grey 192.
    const std::vector<uint32_t> shown = Picture(texture.get(), 16, 16, true, 0, 0);
    auto over = [](int colour, int alpha, int under) {
        return static_cast<int>(colour * alpha / 255.0f + under * (1 - alpha / 255.0f) + 0.5f);
    };
    EXPECT_EQ(Rgb(over(16, 16, 255), over(16, 16, 255), over(128, 16, 255)), shown[1 * 16 + 1]);
    EXPECT_EQ(Rgb(over(144, 80, 192), over(16, 80, 192), over(128, 80, 192)), shown[1 * 16 + 9]);
    const std::vector<uint32_t> plain = Picture(texture.get(), 16, 16, false, 0, 0);
    EXPECT_EQ(Rgb(144, 16, 128), plain[1 * 16 + 9]) << "alpha ignored";
}

TEST_F(TexturePictureTest, ShrinkingAveragesAndEnlargingInterpolates)
{
    std::unique_ptr<GvTexture> texture(GvTexture::Create(GV_TEXTURE_2D, GV_FORMAT_L8, 4, 1, 1, 1));
    const uint8_t texels[4] = {0, 100, 200, 200};
    std::copy(texels, texels + 4, texture->GetLevelData(0, 0));
    // To 2 x 1: tent of radius 2 around 0.5 and 2.5: (1/8, 3/8, 3/8, 1/8) with the edges repeated.
    const std::vector<uint32_t> half = Picture(texture.get(), 2, 1, false, 0, 0);
    EXPECT_EQ(Rgb(63, 63, 63), half[0]);    // 0*4/8 + 100*3/8 + 200/8 = 62.5
    EXPECT_EQ(Rgb(188, 188, 188), half[1]); // 100/8 + 200*7/8 = 187.5
    // To 8 x 1: between texels.
    const std::vector<uint32_t> twice = Picture(texture.get(), 8, 1, false, 0, 0);
    // Pixel 1 is 0.25 of the way from 0 to 100.
    EXPECT_EQ((std::vector<uint32_t>{Rgb(0, 0, 0), Rgb(25, 25, 25), Rgb(75, 75, 75), Rgb(200, 200, 200)}),
              (std::vector<uint32_t>{twice[0], twice[1], twice[2], twice[7]}));
}

TEST_F(TexturePictureTest, NoTextureIsAllBackgroundAndBadSizesFail)
{
    const std::vector<uint32_t> pixels = Picture(nullptr, 3, 2, true, 0, 0, 0x00F0E0D0);
    for (uint32_t pixel : pixels)
        EXPECT_EQ(Rgb(0xD0, 0xE0, 0xF0), pixel);
    uint32_t one = 0;
    EXPECT_FALSE(GvGfxRenderTexture(nullptr, 0, 2, 0, false, 0, 0, &one)
                 || GvGfxRenderTexture(nullptr, 2, 2, 0, false, 0, 0, nullptr));
}

} // namespace
