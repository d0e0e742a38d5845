#include <memory>

#include "GvGfxUtil.h"
#include "GvTextureVariable.h"
#include "HostTestSupport.h"
#include "HostWindowTest.h"
#include "TestPixels.h"

namespace {

// The picture's arithmetic is tested natively; here, that the bitmap is a
// top-down 32-bit one of the asked size, drawn from the asked level, slice
// and background.
class TextureBitmapTest : public GvLeakCheckedTest
{
protected:
    std::unique_ptr<CPixels> Bitmap(const char* sample, HDC dc, int width, int height, COLORREF background, int level)
    {
        GvTextureVariable texture;
        if (sample) {
            EXPECT_TRUE(texture.SetFileName(Units(SamplePath(sample)), true));
        }
        HBITMAP bitmap = GvGfxCreateTextureBitmap(dc, &texture, width, height, background, false, level, 0);
        if (!bitmap)
            return nullptr;
        BITMAP info = {};
        EXPECT_EQ(static_cast<int>(sizeof(info)), GetObjectW(bitmap, sizeof(info), &info));
        EXPECT_EQ(width, info.bmWidth);
        EXPECT_EQ(height, info.bmHeight);
        EXPECT_EQ(32, info.bmBitsPixel);
        auto pixels = std::make_unique<CPixels>(bitmap);
        DeleteObject(bitmap);
        return pixels;
    }
};

TEST_F(TextureBitmapTest, AMipLevelAVolumeSliceScaledUpAndNoTextureOrNoSize)
{
    const std::unique_ptr<CPixels> pixels = Bitmap("mips_bgra.dds", nullptr, 16, 8, RGB(1, 2, 3), 1);
    ASSERT_TRUE(pixels);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(RGB(8 * x, 16 * y, 40), pixels->At(x, y)) << x << ", " << y;
    HDC screen = GetDC(nullptr);
    const std::unique_ptr<CPixels> slice = Bitmap("volume_rgba.dds", screen, 4, 4, 0, 2); // level 2 is 2 x 2 x 1
    ReleaseDC(nullptr, screen);
    ASSERT_TRUE(slice);
    EXPECT_EQ(RGB(20, 100, 0), slice->At(0, 0)) << "the corner keeps texel (0, 0)";
    EXPECT_EQ(RGB(20, 100, 17), slice->At(3, 3)) << "and the far one texel (1, 1): 16 + 1";
    const std::unique_ptr<CPixels> empty = Bitmap(nullptr, nullptr, 3, 3, RGB(240, 230, 220), 0);
    ASSERT_TRUE(empty);
    EXPECT_EQ(RGB(240, 230, 220), empty->At(1, 1));
    EXPECT_EQ(nullptr, Bitmap(nullptr, nullptr, 0, 3, 0, 0));
    HBITMAP none = GvGfxCreateTextureBitmap(nullptr, nullptr, 1, 1, RGB(9, 8, 7), false, 0, 0);
    ASSERT_TRUE(none);
    EXPECT_EQ(RGB(9, 8, 7), CPixels(none).At(0, 0));
    DeleteObject(none);
}

} // namespace
