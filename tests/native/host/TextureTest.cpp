#include <algorithm>
#include <memory>
#include <tuple>
#include <type_traits>
#include <vector>
#include "GvTextureVariable.h"
#include "HostTestSupport.h"
#include "GvGfxUtil.h"
#include "GvTexture.h"

namespace {

using TextureVariableTest = BaseDirectoryTest;

TEST_F(TextureVariableTest, ReadsTheFileNamedRelativeToTheBaseDirectory)
{
    GvTextureVariable texture;
    EXPECT_EQ(nullptr, texture.GetTexture());
    GvSetBaseDirectory(Units(SamplePath("")));
    EXPECT_TRUE(texture.SetFileName(GvW(u"volume_rgba.dds"), true));
    EXPECT_EQ(u"volume_rgba.dds", Text(texture.GetFileName()));
    ASSERT_TRUE(texture.GetTexture());
    EXPECT_EQ(std::make_pair(GV_TEXTURE_3D, GV_LOAD_OK),
              std::make_pair(texture.GetTexture()->GetTextureType(), texture.GetLoadError()));

    EXPECT_TRUE(texture.SetFileName(GvW(u"../textures/./cube_bgrx.dds"), true));
    ASSERT_TRUE(texture.GetTexture());
    EXPECT_EQ(GV_TEXTURE_CUBE, texture.GetTexture()->GetTextureType());
}

TEST_F(TextureVariableTest, AMissingFileKeepsTheNameAndTellsWhy)
{
    GvTextureVariable texture;
    ASSERT_TRUE(texture.SetFileName(Units(SamplePath("alpha.png")), true));
    EXPECT_FALSE(texture.SetFileName(Units(SamplePath("missing.png")), true));
    EXPECT_EQ(SamplePath("missing.png"), Text(texture.GetFileName()));
    EXPECT_EQ(std::make_pair(static_cast<const GvTexture*>(nullptr), GV_LOAD_CANNOT_OPEN),
              std::make_pair(static_cast<const GvTexture*>(texture.GetTexture()), texture.GetLoadError()));
    EXPECT_TRUE(texture.SetFileName(Units(SamplePath("alpha.png")), false)) << "without load nothing is read";
    EXPECT_EQ(nullptr, texture.GetTexture());
    EXPECT_TRUE(texture.Reload() && texture.GetTexture());
}

// A member-wise copy would delete the texture object twice; snapshots go
// through CloneValue.
static_assert(!std::is_copy_constructible<GvTextureVariable>::value
                  && !std::is_copy_assignable<GvTextureVariable>::value,
              "the variable owns its texture object");

TEST_F(TextureVariableTest, AssigningReadsTheOtherFile)
{
    GvTextureVariable texture;
    texture.SetFileName(Units(SamplePath("alpha.png")), true);
    std::unique_ptr<GvVariable> before(texture.CloneValue());
    EXPECT_EQ(nullptr, static_cast<GvTextureVariable*>(before.get())->GetTexture()) << "a snapshot reads no file";
    texture.SetFileName(Units(SamplePath("cube_bgrx.dds")), true);
    EXPECT_EQ(GV_ORIGIN_TOP_LEFT, texture.GetOrigin());
    texture.SetOrigin(GV_ORIGIN_BOTTOM_LEFT);
    texture.SetOrigin(static_cast<GvTextureOrigin>(7)); // not an origin: ignored
    EXPECT_EQ(GV_ORIGIN_BOTTOM_LEFT, texture.GetOrigin());
    ASSERT_TRUE(texture.AssignValue(*before));
    EXPECT_EQ(GV_ORIGIN_TOP_LEFT, texture.GetOrigin());
    ASSERT_TRUE(texture.GetTexture());
    EXPECT_EQ(GV_TEXTURE_2D, texture.GetTexture()->GetTextureType());
}

class CheckerTarget : public GvRenderableTexture
{
public:
    CheckerTarget() : GvRenderableTexture(4, 2, true) {}

protected:
    // Left half white, right half black.
    void Render(Gv2DTexture& target) override
    {
        uint8_t* p = target.GetLevelData(0, 0);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 4; ++x)
                for (int c = 0; c < 4; ++c)
                    p[(y * 4 + x) * 4 + c] = c == 3 || x < 2 ? 255 : 0;
    }
};

TEST_F(TextureVariableTest, RenderableTextureRefreshesClearsResizesAndBuildsItsMips)
{
    CheckerTarget target;
    const GvTexture* texture = target.GetTexture();
    ASSERT_TRUE(texture);
    EXPECT_EQ(3, texture->GetNumMipmaps());
    target.Refresh();
    EXPECT_EQ(1, target.GetRefreshCount());
    // Level 1 is 2 x 1; level 2 is 1 x 1, the average.
    const uint8_t *level1 = texture->GetLevelData(0, 1), *level2 = texture->GetLevelData(0, 2);
    EXPECT_EQ((std::vector<int>{255, 0, 128, 255}), (std::vector<int>{level1[0], level1[4], level2[0], level2[3]}));
    EXPECT_TRUE(target.Reload()) << "a render target reads no file";
    EXPECT_EQ(texture, target.GetTexture());
    GvRenderableTexture plain(8, 8, false);
    EXPECT_FALSE(plain.GenerateMipMaps());
    EXPECT_EQ(1, plain.GetTexture()->GetNumMipmaps());
    const float red[4] = {1.0f, 0.0f, 0.0f, 0.5f};
    plain.SetClearColor(red);
    plain.Refresh();
    const uint8_t* p = plain.GetTexture()->GetLevelData(0, 0);
    EXPECT_EQ((std::vector<int>{255, 0, 128}), (std::vector<int>{p[0], p[1], p[3]}));
    plain.SetClearColor(nullptr);
    plain.Refresh();
    EXPECT_EQ(255, p[0]) << "no colour, no change";
    EXPECT_FALSE(plain.SetSize(0, 8));
    EXPECT_EQ(8, plain.GetTexture()->GetLevelWidth(0));
    EXPECT_TRUE(plain.SetSize(16, 4));
    plain.SetGenerateMipMaps(true);
    EXPECT_EQ(5, plain.GetTexture()->GetNumMipmaps());
}

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

TEST_F(TexturePictureTest, ShrinkingAveragesEnlargingInterpolatesNoTextureIsAllBackground)
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
    const std::vector<uint32_t> pixels = Picture(nullptr, 3, 2, true, 0, 0, 0x00F0E0D0);
    for (uint32_t pixel : pixels)
        EXPECT_EQ(Rgb(0xD0, 0xE0, 0xF0), pixel);
    uint32_t one = 0;
    EXPECT_FALSE(GvGfxRenderTexture(nullptr, 0, 2, 0, false, 0, 0, &one)
                 || GvGfxRenderTexture(nullptr, 2, 2, 0, false, 0, 0, nullptr));
}

} // namespace
