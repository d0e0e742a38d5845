#include <memory>

#include "GvGfxUtil.h"
#include "GvTextureVariable.h"
#include "HostTestSupport.h"
#include "HostWindowTest.h"
#include "TestPixels.h"

namespace {

class TextureBitmapTest : public GvLeakCheckedTest
{};

TEST_F(TextureBitmapTest, ABitmapOfAMipLevel)
{
    GvTextureVariable texture;
    ASSERT_TRUE(texture.SetFileName(Units(SamplePath("mips_bgra.dds")), true));
    HBITMAP bitmap = GvGfxCreateTextureBitmap(nullptr, &texture, 16, 8, RGB(1, 2, 3), false, 1, 0);
    ASSERT_TRUE(bitmap);
    BITMAP info = {};
    ASSERT_EQ(static_cast<int>(sizeof(info)), GetObjectW(bitmap, sizeof(info), &info));
    EXPECT_EQ(16, info.bmWidth);
    EXPECT_EQ(8, info.bmHeight);
    EXPECT_EQ(32, info.bmBitsPixel);
    {
        CPixels pixels(bitmap);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 16; ++x)
                ASSERT_EQ(RGB(8 * x, 16 * y, 40), pixels.At(x, y)) << x << ", " << y;
    }
    DeleteObject(bitmap);
}

TEST_F(TextureBitmapTest, AVolumeSliceScaledUp)
{
    GvTextureVariable texture;
    ASSERT_TRUE(texture.SetFileName(Units(SamplePath("volume_rgba.dds")), true));
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = GvGfxCreateTextureBitmap(screen, &texture, 4, 4, 0, false, 2, 0); // level 2 is 2 x 2 x 1
    ReleaseDC(nullptr, screen);
    ASSERT_TRUE(bitmap);
    {
        CPixels pixels(bitmap);
        EXPECT_EQ(RGB(20, 100, 0), pixels.At(0, 0)) << "the corner keeps texel (0, 0)";
        EXPECT_EQ(RGB(20, 100, 17), pixels.At(3, 3)) << "and the far one texel (1, 1): 16 + 1";
        const int between = GetBValue(pixels.At(1, 1));
        EXPECT_GT(between, 0);
        EXPECT_LT(between, 17);
    }
    DeleteObject(bitmap);
}

TEST_F(TextureBitmapTest, NoTextureObjectGivesTheBackgroundAndNoSizeNoBitmap)
{
    GvTextureVariable empty;
    HBITMAP bitmap = GvGfxCreateTextureBitmap(nullptr, &empty, 3, 3, RGB(240, 240, 240), true, 0, 0);
    ASSERT_TRUE(bitmap);
    {
        CPixels pixels(bitmap);
        EXPECT_EQ(RGB(240, 240, 240), pixels.At(1, 1));
    }
    DeleteObject(bitmap);
    EXPECT_EQ(nullptr, GvGfxCreateTextureBitmap(nullptr, &empty, 0, 3, 0, false, 0, 0));
    HBITMAP none = GvGfxCreateTextureBitmap(nullptr, nullptr, 1, 1, RGB(9, 8, 7), false, 0, 0);
    ASSERT_TRUE(none);
    {
        CPixels pixels(none);
        EXPECT_EQ(RGB(9, 8, 7), pixels.At(0, 0));
    }
    DeleteObject(none);
}

} // namespace
