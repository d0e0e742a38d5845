#include "GvTextureVariable.h"

#include <typeinfo>

#include "GvPath.h"

namespace {

constexpr int kMaxPath = 4096;

} // namespace

GvTextureVariable::GvTextureVariable()
    : m_origin(GV_ORIGIN_TOP_LEFT), m_texture(nullptr), m_loadError(GV_LOAD_CANNOT_OPEN)
{
}

GvTextureVariable::~GvTextureVariable()
{
    delete m_texture;
}

bool GvTextureVariable::SetFileName(const unsigned short* path, bool load)
{
    m_fileName = path ? path : GvW(u"");
    return !load || Reload();
}

bool GvTextureVariable::Reload()
{
    unsigned short fullPath[kMaxPath];
    GvTextureLoadError error = GV_LOAD_CANNOT_OPEN;
    GvTexture* texture = nullptr;
    if (!m_fileName.IsEmpty() && GvMakeAbsolutePath(fullPath, kMaxPath, m_fileName, GvGetBaseDirectory()))
        texture = GvLoadTexture(fullPath, &error);
    SetTexture(texture);
    m_loadError = texture ? GV_LOAD_OK : error;
    return texture != nullptr;
}

void GvTextureVariable::SetOrigin(GvTextureOrigin origin)
{
    if (origin == GV_ORIGIN_TOP_LEFT || origin == GV_ORIGIN_BOTTOM_LEFT)
        m_origin = origin;
}

void GvTextureVariable::SetTexture(GvTexture* texture)
{
    if (texture != m_texture) {
        delete m_texture;
        m_texture = texture;
    }
    if (texture)
        m_loadError = GV_LOAD_OK;
}

GvVariable* GvTextureVariable::CloneValue() const
{
    GvTextureVariable* clone = new GvTextureVariable();
    clone->SetName(GetName());
    clone->m_fileName = m_fileName;
    clone->m_origin = m_origin;
    return clone;
}

bool GvTextureVariable::AssignValue(const GvVariable& source)
{
    const GvTextureVariable* texture = dynamic_cast<const GvTextureVariable*>(&source);
    if (!texture)
        return false;
    m_origin = texture->m_origin;
    if (m_fileName != texture->m_fileName)
        SetFileName(texture->m_fileName, true);
    return true;
}

// ---- GvRenderableTexture

GvRenderableTexture::GvRenderableTexture(int width, int height, bool generateMipMaps)
    : m_generateMipMaps(generateMipMaps), m_clearColor{0.0f, 0.0f, 0.0f, 1.0f}, m_refreshCount(0)
{
    if (!CreateTarget(width, height))
        CreateTarget(1, 1);
}

bool GvRenderableTexture::CreateTarget(int width, int height)
{
    const int mips = m_generateMipMaps ? GvTexture::FullMipChain(width, height, 1) : 1;
    GvTexture* target = GvTexture::Create(GV_TEXTURE_2D, GV_FORMAT_R8G8B8A8, width, height, 1, mips);
    if (!target)
        return false;
    SetTexture(target);
    return true;
}

void GvRenderableTexture::SetGenerateMipMaps(bool generate)
{
    if (generate == m_generateMipMaps)
        return;
    m_generateMipMaps = generate;
    const GvTexture* target = GetTexture();
    CreateTarget(target->GetLevelWidth(0), target->GetLevelHeight(0));
}

bool GvRenderableTexture::SetSize(int width, int height)
{
    return CreateTarget(width, height);
}

void GvRenderableTexture::SetClearColor(const float rgba[4])
{
    if (!rgba)
        return;
    for (int i = 0; i < 4; ++i)
        m_clearColor[i] = rgba[i] < 0.0f ? 0.0f : (rgba[i] > 1.0f ? 1.0f : rgba[i]);
}

void GvRenderableTexture::Render(Gv2DTexture& target)
{
    uint8_t clear[4];
    for (int i = 0; i < 4; ++i)
        clear[i] = static_cast<uint8_t>(m_clearColor[i] * 255.0f + 0.5f);
    uint8_t* pixels = target.GetLevelData(0, 0);
    const size_t size = target.GetLevelSize(0);
    for (size_t i = 0; i < size; ++i)
        pixels[i] = clear[i % 4];
}

void GvRenderableTexture::Refresh()
{
    Gv2DTexture* target = dynamic_cast<Gv2DTexture*>(GetTexture());
    if (!target)
        return;
    Render(*target);
    for (int level = 1; level < target->GetNumMipmaps(); ++level) {
        const int w = target->GetLevelWidth(level), h = target->GetLevelHeight(level);
        const int pw = target->GetLevelWidth(level - 1), ph = target->GetLevelHeight(level - 1);
        const uint8_t* above = target->GetLevelData(0, level - 1);
        uint8_t* pixels = target->GetLevelData(0, level);
        // A side that is already 1 takes its one pixel twice.
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                for (int c = 0; c < 4; ++c) {
                    const int x0 = x * 2 < pw ? x * 2 : pw - 1, x1 = x * 2 + 1 < pw ? x * 2 + 1 : pw - 1;
                    const int y0 = y * 2 < ph ? y * 2 : ph - 1, y1 = y * 2 + 1 < ph ? y * 2 + 1 : ph - 1;
                    const int sum = above[(y0 * pw + x0) * 4 + c] + above[(y0 * pw + x1) * 4 + c]
                                    + above[(y1 * pw + x0) * 4 + c] + above[(y1 * pw + x1) * 4 + c];
                    pixels[(y * w + x) * 4 + c] = static_cast<uint8_t>((sum + 2) / 4);
                }
    }
    ++m_refreshCount;
}

bool GvRenderableTexture::Reload()
{
    return GetTexture() != nullptr;
}

bool GvRenderableTexture::AssignValue(const GvVariable& source)
{
    const GvTextureVariable* texture = dynamic_cast<const GvTextureVariable*>(&source);
    if (!texture)
        return false;
    SetOrigin(texture->GetOrigin());
    return true;
}
