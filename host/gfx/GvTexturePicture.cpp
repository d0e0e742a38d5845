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
// centre, edges clamped, weights summing to 1; the taps of all targets in
// one array.
class Taps
{
public:
    Taps(int source, int target) : m_first(static_cast<size_t>(target) + 1, 0)
    {
        const double scale = static_cast<double>(source) / target;
        const double radius = std::max(1.0, scale);
        for (int t = 0; t < target; ++t) {
            const double centre = (t + 0.5) * scale - 0.5;
            const size_t first = m_taps.size();
            double total = 0.0;
            for (int i = static_cast<int>(std::ceil(centre - radius));
                 i <= static_cast<int>(std::floor(centre + radius)); ++i) {
                const double weight = 1.0 - std::fabs(i - centre) / radius;
                if (weight <= 0.0)
                    continue;
                const int index = std::min(std::max(i, 0), source - 1);
                if (m_taps.size() > first && m_taps.back().m_index == index)
                    m_taps.back().m_weight += static_cast<float>(weight);
                else
                    m_taps.push_back(Tap{index, static_cast<float>(weight)});
                total += weight;
            }
            for (size_t k = first; k < m_taps.size(); ++k)
                m_taps[k].m_weight = static_cast<float>(m_taps[k].m_weight / total);
            m_first[static_cast<size_t>(t) + 1] = m_taps.size();
        }
    }

    const Tap* Begin(int target) const { return m_taps.data() + m_first[static_cast<size_t>(target)]; }
    const Tap* End(int target) const { return m_taps.data() + m_first[static_cast<size_t>(target) + 1]; }

private:
    std::vector<Tap> m_taps;
    std::vector<size_t> m_first;
};

float Checker(int x, int y)
{
    return ((x / kChecker + y / kChecker) % 2 == 0) ? 255.0f : 192.0f;
}

// Texels as channel values.
void ToChannels(const uint8_t* rgba, const uint8_t* covered, int count, bool showAlpha, float* out)
{
    for (int x = 0; x < count; ++x, rgba += 4, out += kChannels) {
        if (!covered[x]) {
            std::fill(out, out + kChannels, 0.0f);
            continue;
        }
        const float alpha = showAlpha ? rgba[3] / 255.0f : 1.0f;
        out[0] = rgba[0] * alpha;
        out[1] = rgba[1] * alpha;
        out[2] = rgba[2] * alpha;
        out[3] = alpha;
        out[4] = 1.0f;
    }
}

// One source row of channel values filtered to width values per channel.
void FilterRow(const Taps& columns, const float* source, int width, float* out)
{
    for (int x = 0; x < width; ++x, out += kChannels) {
        float sums[kChannels] = {};
        for (const Tap* tap = columns.Begin(x); tap != columns.End(x); ++tap) {
            const float* texel = source + static_cast<size_t>(tap->m_index) * kChannels;
            for (int c = 0; c < kChannels; ++c)
                sums[c] += tap->m_weight * texel[c];
        }
        std::copy(sums, sums + kChannels, out);
    }
}

// The same for a row whose texels are all covered and opaque: the colour
// channels straight from the texels, alpha and coverage the sums of the
// weights, which are known.
void FilterOpaqueRow(const Taps& columns, const uint8_t* rgba, const float* weightSums, int width, float* out)
{
    for (int x = 0; x < width; ++x, out += kChannels) {
        float r = 0.0f, g = 0.0f, b = 0.0f;
        for (const Tap* tap = columns.Begin(x); tap != columns.End(x); ++tap) {
            const uint8_t* texel = rgba + static_cast<size_t>(tap->m_index) * 4;
            r += tap->m_weight * texel[0];
            g += tap->m_weight * texel[1];
            b += tap->m_weight * texel[2];
        }
        out[0] = r;
        out[1] = g;
        out[2] = b;
        out[3] = out[4] = weightSums[x];
    }
}

uint8_t ToByte(float value)
{
    return static_cast<uint8_t>(std::min(255.0f, std::max(0.0f, std::round(value))));
}

// A row at the image's own size: the filter would give each texel alone.
void CopyRow(const uint8_t* rgba, const uint8_t* covered, int width, int y, bool showAlpha, uint32_t background,
             uint32_t* out)
{
    for (int x = 0; x < width; ++x, rgba += 4) {
        if (!covered[x])
            out[x] = background;
        else if (!showAlpha)
            out[x] = static_cast<uint32_t>(rgba[0]) << 16 | static_cast<uint32_t>(rgba[1]) << 8 | rgba[2];
        else {
            const float alpha = rgba[3] / 255.0f, under = 1.0f - alpha, checker = Checker(x, y);
            out[x] = static_cast<uint32_t>(ToByte(rgba[0] * alpha + under * checker)) << 16
                     | static_cast<uint32_t>(ToByte(rgba[1] * alpha + under * checker)) << 8
                     | ToByte(rgba[2] * alpha + under * checker);
        }
    }
}

// The image as rows of texels: one mip level of a 2-D texture, one slice of
// a volume's level, or a cube map's cross. A texel no face covers, or of a
// level whose pixels cannot be read, is not covered.
class Canvas
{
public:
    Canvas(const GvTexture& texture, int mipLevel, int slice) : m_texture(texture)
    {
        m_level = std::min(std::max(mipLevel, 0), texture.GetNumMipmaps() - 1);
        m_faceWidth = texture.GetLevelWidth(m_level);
        m_faceHeight = texture.GetLevelHeight(m_level);
        m_slice = std::min(std::max(slice, 0), texture.GetLevelDepth(m_level) - 1);
        m_isCube = texture.GetTextureType() == GV_TEXTURE_CUBE;
        m_width = m_isCube ? 4 * m_faceWidth : m_faceWidth;
        m_height = m_isCube ? 4 * m_faceHeight : m_faceHeight;
    }

    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }
    // Whether every texel is covered: a readable 2-D or volume level.
    bool IsFull() const
    {
        uint8_t rgba[4];
        return !m_isCube && GvDecodePixels(m_texture.GetFormat(), m_texture.GetLevelData(0, m_level), 1, rgba);
    }

    // Row y: m_width RGBA texels and as many coverage flags.
    void ReadRow(int y, uint8_t* rgba, uint8_t* covered)
    {
        std::fill(covered, covered + m_width, uint8_t(0));
        if (!m_isCube) {
            ReadFaceRow(0, m_slice * m_faceHeight + y, rgba, covered);
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
            const size_t at = static_cast<size_t>(column) * m_faceWidth;
            if (face >= 0)
                ReadFaceRow(face, crossY % m_faceHeight, rgba + at * 4, covered + at);
        }
    }

private:
    // Row `row` of the level's pixel rows (slices one after another).
    void ReadFaceRow(int face, int row, uint8_t* rgba, uint8_t* covered)
    {
        const int bytes = GvPixelFormatBytesPerPixel(m_texture.GetFormat());
        const uint8_t* data = m_texture.GetLevelData(face, m_level);
        if (data
            && GvDecodePixels(m_texture.GetFormat(), data + static_cast<size_t>(row) * m_faceWidth * bytes, m_faceWidth,
                              rgba))
            std::fill(covered, covered + m_faceWidth, uint8_t(1));
    }

    const GvTexture& m_texture;
    bool m_isCube;
    int m_level, m_slice;
    int m_faceWidth, m_faceHeight;
    int m_width, m_height;
};

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
    const uint32_t bgPixel =
        static_cast<uint32_t>(bg[0]) << 16 | static_cast<uint32_t>(bg[1]) << 8 | static_cast<uint32_t>(bg[2]);
    if (!texture) {
        std::fill(pixels, pixels + static_cast<size_t>(width) * height, bgPixel);
        return true;
    }
    Canvas canvas(*texture, mipLevel, slice);
    std::vector<uint8_t> rgba(static_cast<size_t>(canvas.GetWidth()) * 4);
    std::vector<uint8_t> covered(static_cast<size_t>(canvas.GetWidth()));
    if (width == canvas.GetWidth() && height == canvas.GetHeight()) {
        for (int y = 0; y < height; ++y) {
            canvas.ReadRow(y, rgba.data(), covered.data());
            CopyRow(rgba.data(), covered.data(), width, y, showAlpha, bgPixel, pixels + static_cast<size_t>(y) * width);
        }
        return true;
    }

    const Taps columns(canvas.GetWidth(), width);
    const Taps rows(canvas.GetHeight(), height);
    // Without alpha shown a fully covered image has alpha and coverage 1
    // everywhere: those two channels are the sums of the column weights.
    const bool opaque = !showAlpha && canvas.IsFull();
    std::vector<float> weightSums(static_cast<size_t>(width));
    for (int x = 0; x < width; ++x) {
        float value = 0.0f;
        for (const Tap* tap = columns.Begin(x); tap != columns.End(x); ++tap)
            value += tap->m_weight * 1.0f;
        weightSums[static_cast<size_t>(x)] = value;
    }

    // Horizontally filtered source rows, in a ring: the rows that one target
    // row needs lie in a window that only moves down.
    size_t window = 1;
    for (int y = 0; y < height; ++y)
        window = std::max(window, static_cast<size_t>((rows.End(y) - 1)->m_index - rows.Begin(y)->m_index + 1));
    const size_t rowValues = static_cast<size_t>(width) * kChannels;
    std::vector<float> ring(window * rowValues);
    std::vector<int> ringRow(window, -1);
    std::vector<float> sourceRow(opaque ? 0 : static_cast<size_t>(canvas.GetWidth()) * kChannels);
    std::vector<float> sum(rowValues);

    for (int y = 0; y < height; ++y) {
        std::fill(sum.begin(), sum.end(), 0.0f);
        for (const Tap* rowTap = rows.Begin(y); rowTap != rows.End(y); ++rowTap) {
            const size_t slot = static_cast<size_t>(rowTap->m_index) % window;
            float* filtered = &ring[slot * rowValues];
            if (ringRow[slot] != rowTap->m_index) {
                canvas.ReadRow(rowTap->m_index, rgba.data(), covered.data());
                if (opaque)
                    FilterOpaqueRow(columns, rgba.data(), weightSums.data(), width, filtered);
                else {
                    ToChannels(rgba.data(), covered.data(), canvas.GetWidth(), showAlpha, sourceRow.data());
                    FilterRow(columns, sourceRow.data(), width, filtered);
                }
                ringRow[slot] = rowTap->m_index;
            }
            const float weight = rowTap->m_weight;
            for (size_t i = 0; i < rowValues; ++i)
                sum[i] += weight * filtered[i];
        }
        for (int x = 0; x < width; ++x) {
            const float* v = &sum[static_cast<size_t>(x) * kChannels];
            const float empty = 1.0f - v[4];
            const float checker = Checker(x, y);
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
