#include <memory>
#include <tuple>
#include <type_traits>

#include "GvPath.h"
#include "GvTextureVariable.h"
#include "HostTestSupport.h"

namespace {

class TextureVariableTest : public GvLeakCheckedTest
{
protected:
    void TearDown() override
    {
        GvSetBaseDirectory(nullptr);
        GvLeakCheckedTest::TearDown();
    }
};

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

TEST_F(TextureVariableTest, RenderableTextureRefreshesAndBuildsItsMips)
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
}

TEST_F(TextureVariableTest, RenderableTextureClearsAndResizes)
{
    GvRenderableTexture target(8, 8, false);
    EXPECT_FALSE(target.GenerateMipMaps());
    EXPECT_EQ(1, target.GetTexture()->GetNumMipmaps());
    const float red[4] = {1.0f, 0.0f, 0.0f, 0.5f};
    target.SetClearColor(red);
    target.Refresh();
    const uint8_t* p = target.GetTexture()->GetLevelData(0, 0);
    EXPECT_EQ((std::vector<int>{255, 0, 128}), (std::vector<int>{p[0], p[1], p[3]}));
    target.SetClearColor(nullptr);
    target.Refresh();
    EXPECT_EQ(255, p[0]) << "no colour, no change";
    EXPECT_FALSE(target.SetSize(0, 8));
    EXPECT_EQ(8, target.GetTexture()->GetLevelWidth(0));
    EXPECT_TRUE(target.SetSize(16, 4));
    target.SetGenerateMipMaps(true);
    EXPECT_EQ(5, target.GetTexture()->GetNumMipmaps());
}

} // namespace
