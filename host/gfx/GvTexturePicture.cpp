#include <algorithm>
#include <cmath>
#include <vector>

#include "GvGfxUtil.h"
#include "GvTexture.h"

namespace {

// Per canvas pixel, with coverage c (1 where the image is) and alpha a:
// c*a*R, c*a*G, c*a*B, c*a, c with alpha shown; c*R, c*G, c*B, (unused), c
// without. Sums of these filter correctly and compose at the end.
constexpr int kChannels = 5;
constexpr int kChecker = 8;

struct Tap
{
    int m_index;
    float m_weight;
};

// Tent filter of radius max(1, source / target) around each target pixel's
// centre, edges clamped, weights summing to 1.
std::vector<std::vector<Tap>> FilterTaps(int source, int target)
{
    std::vector<std::vector<Tap>> taps(static_cast<size_t>(target));
    const double scale = static_cast<double>(source) / target;
    const double radius = std::max(1.0, scale);
    for (int t = 0; t < target; ++t) {
        const double centre = (t + 0.5) * scale - 0.5;
        std::vector<Tap>& list = taps[static_cast<size_t>(t)];
        double total = 0.0;
        for (int i = static_cast<int>(std::ceil(centre - radius)); i <= static_cast<int>(std::floor(centre + radius));
             ++i) {
            const double weight = 1.0 - std::fabs(i - centre) / radius;
            if (weight <= 0.0)
                continue;
            const int index = std::min(std::max(i, 0), source - 1);
            if (!list.empty() && list.back().m_index == index)
                list.back().m_weight += static_cast<float>(weight);
            else
                list.push_back(Tap{index, static_cast<float>(weight)});
            total += weight;
        }
        for (Tap& tap : list)
            tap.m_weight = static_cast<float>(tap.m_weight / total);
    }
    return taps;
}

// The image as rows of channel values: one mip level of a 2-D texture, one
// slice of a volume's level, or a cube map's cross.
class Canvas
{
public:
    Canvas(const GvTexture& texture, int mipLevel, int slice, bool showAlpha)
        : m_texture(texture), m_showAlpha(showAlpha)
    {
        m_level = std::min(std::max(mipLevel, 0), texture.GetNumMipmaps() - 1);
        m_faceWidth = texture.GetLevelWidth(m_level);
        m_faceHeight = texture.GetLevelHeight(m_level);
        m_slice = std::min(std::max(slice, 0), texture.GetLevelDepth(m_level) - 1);
        m_isCube = texture.GetTextureType() == GV_TEXTURE_CUBE;
        m_width = m_isCube ? 4 * m_faceWidth : m_faceWidth;
        m_height = m_isCube ? 4 * m_faceHeight : m_faceHeight;
        m_rgba.resize(static_cast<size_t>(m_faceWidth) * 4);
    }

    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }

    // Row y, m_width * kChannels values.
    void ReadRow(int y, float* out)
    {
        std::fill(out, out + static_cast<size_t>(m_width) * kChannels, 0.0f);
        if (!m_isCube) {
            ReadFaceRow(0, m_slice * m_faceHeight + y, out);
            return;
        }
        // Faces by cell (column, row) of the cross; -1 is empty.
        static const int kCross[3][4] = {
            {-1, GV_FACE_POSITIVE_Y, -1, -1},
            {GV_FACE_NEGATIVE_X, GV_FACE_POSITIVE_Z, GV_FACE_POSITIVE_X, GV_FACE_NEGATIVE_Z},
            {-1, GV_FACE_NEGATIVE_Y, -1, -1},
        };
        const int crossY = y - m_faceHeight / 2;
        if (crossY < 0 || crossY >= 3 * m_faceHeight)
            return;
        for (int column = 0; column < 4; ++column) {
            const int face = kCross[crossY / m_faceHeight][column];
            if (face >= 0)
                ReadFaceRow(face, crossY % m_faceHeight, out + static_cast<size_t>(column) * m_faceWidth * kChannels);
        }
    }

private:
    // Row `row` of the level's pixel rows (slices one after another).
    void ReadFaceRow(int face, int row, float* out)
    {
        const int bytes = GvPixelFormatBytesPerPixel(m_texture.GetFormat());
        const uint8_t* data = m_texture.GetLevelData(face, m_level);
        if (!data
            || !GvDecodePixels(m_texture.GetFormat(), data + static_cast<size_t>(row) * m_faceWidth * bytes,
                               m_faceWidth, m_rgba.data()))
            return;
        for (int x = 0; x < m_faceWidth; ++x, out += kChannels) {
            const uint8_t* p = &m_rgba[static_cast<size_t>(x) * 4];
            const float alpha = m_showAlpha ? p[3] / 255.0f : 1.0f;
            out[0] = p[0] * alpha;
            out[1] = p[1] * alpha;
            out[2] = p[2] * alpha;
            out[3] = alpha;
            out[4] = 1.0f;
        }
    }

    const GvTexture& m_texture;
    bool m_showAlpha;
    bool m_isCube;
    int m_level, m_slice;
    int m_faceWidth, m_faceHeight;
    int m_width, m_height;
    std::vector<uint8_t> m_rgba;
};

uint8_t ToByte(float value)
{
    return static_cast<uint8_t>(std::min(255.0f, std::max(0.0f, std::round(value))));
}

} // namespace

bool GvGfxFormatContainsAlpha(GvPixelFormatType format)
{
    return GvPixelFormatHasAlpha(format);
}

bool GvGfxRenderTexture(const GvTexture* texture, int width, int height, unsigned long background, bool showAlpha,
                        int mipLevel, int slice, uint32_t* pixels)
{
    if (width < 1 || height < 1 || !pixels)
        return false;
    const float bg[3] = {static_cast<float>(background & 0xFF), static_cast<float>((background >> 8) & 0xFF),
                         static_cast<float>((background >> 16) & 0xFF)};
    if (!texture) {
        std::fill(pixels, pixels + static_cast<size_t>(width) * height,
                  static_cast<uint32_t>(bg[0]) << 16 | static_cast<uint32_t>(bg[1]) << 8
                      | static_cast<uint32_t>(bg[2]));
        return true;
    }
    Canvas canvas(*texture, mipLevel, slice, showAlpha);
    const std::vector<std::vector<Tap>> columns = FilterTaps(canvas.GetWidth(), width);
    const std::vector<std::vector<Tap>> rows = FilterTaps(canvas.GetHeight(), height);

    // Horizontally filtered source rows, in a ring: the rows that one target
    // row needs lie in a window that only moves down.
    size_t window = 1;
    for (const std::vector<Tap>& taps : rows)
        window = std::max(window, static_cast<size_t>(taps.back().m_index - taps.front().m_index + 1));
    const size_t rowValues = static_cast<size_t>(width) * kChannels;
    std::vector<float> ring(window * rowValues);
    std::vector<int> ringRow(window, -1);
    std::vector<float> sourceRow(static_cast<size_t>(canvas.GetWidth()) * kChannels);
    std::vector<float> sum(rowValues);

    for (int y = 0; y < height; ++y) {
        std::fill(sum.begin(), sum.end(), 0.0f);
        for (const Tap& rowTap : rows[static_cast<size_t>(y)]) {
            const size_t slot = static_cast<size_t>(rowTap.m_index) % window;
            float* filtered = &ring[slot * rowValues];
            if (ringRow[slot] != rowTap.m_index) {
                canvas.ReadRow(rowTap.m_index, sourceRow.data());
                for (int x = 0; x < width; ++x)
                    for (int c = 0; c < kChannels; ++c) {
                        float value = 0.0f;
                        for (const Tap& tap : columns[static_cast<size_t>(x)])
                            value += tap.m_weight * sourceRow[static_cast<size_t>(tap.m_index) * kChannels + c];
                        filtered[static_cast<size_t>(x) * kChannels + c] = value;
                    }
                ringRow[slot] = rowTap.m_index;
            }
            for (size_t i = 0; i < rowValues; ++i)
                sum[i] += rowTap.m_weight * filtered[i];
        }
        for (int x = 0; x < width; ++x) {
            const float* v = &sum[static_cast<size_t>(x) * kChannels];
            const float empty = 1.0f - v[4];
            const float checker = ((x / kChecker + y / kChecker) % 2 == 0) ? 255.0f : 192.0f;
            const float under = showAlpha ? v[4] - v[3] : 0.0f;
            uint8_t rgb[3];
            for (int c = 0; c < 3; ++c)
                rgb[c] = ToByte(v[c] + under * checker + empty * bg[c]);
            pixels[static_cast<size_t>(y) * width + x] =
                static_cast<uint32_t>(rgb[0]) << 16 | static_cast<uint32_t>(rgb[1]) << 8 | rgb[2];
        }
    }
    return true;
}
