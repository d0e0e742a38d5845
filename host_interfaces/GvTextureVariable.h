#pragma once
#include "GvNode.h"
#include "GvTexture.h"

enum GvTextureOrigin
{
    GV_ORIGIN_TOP_LEFT = 0,
    GV_ORIGIN_BOTTOM_LEFT = 1
};

// A texture of the model: a file name (as stored, usually relative to the
// base directory of GvPath.h), an origin, and the texture object read from
// the file (null when there is no file or it could not be read; the reason
// is kept).
class GV_CORE_API GvTextureVariable : public GvVariable
{
public:
    GvTextureVariable();
    ~GvTextureVariable() override;
    GvTextureVariable(const GvTextureVariable&) = delete;
    GvTextureVariable& operator=(const GvTextureVariable&) = delete;

    const unsigned short* GetFileName() const { return m_fileName; }
    // Stores the name; with load, reads the file (a relative name from the
    // base directory) and replaces the texture object. Returns whether the
    // texture object is there afterwards (true without load).
    bool SetFileName(const unsigned short* path, bool load);
    // Reads the file again; returns whether the texture object is there.
    virtual bool Reload();
    GvTextureOrigin GetOrigin() const { return m_origin; }
    // Values other than the two origins are ignored.
    void SetOrigin(GvTextureOrigin origin);
    GvTexture* GetTexture() const { return m_texture; }
    GvTextureLoadError GetLoadError() const { return m_loadError; }

    GvVariable* CloneValue() const override;
    // Origin, and the file name (read again when it differs).
    bool AssignValue(const GvVariable& source) override;

protected:
    // Takes ownership; deletes the texture object it replaces.
    void SetTexture(GvTexture* texture);

private:
    GvStringW m_fileName;
    GvTextureOrigin m_origin;
    GvTexture* m_texture;
    GvTextureLoadError m_loadError;
};

// A render target: its texture object is a two-dimensional R8G8B8A8 texture
// that Refresh fills (Render, then the mip chain when GenerateMipMaps is set,
// each level the 2 x 2 box average of the one above). The file name is not
// used. The default Render clears level 0 to the clear colour (opaque black).
class GV_CORE_API GvRenderableTexture : public GvTextureVariable
{
public:
    GvRenderableTexture(int width, int height, bool generateMipMaps);

    bool GenerateMipMaps() const { return m_generateMipMaps; }
    void SetGenerateMipMaps(bool generate);
    // A new, empty target; false (target kept) for a size outside 1..kMaxSize.
    bool SetSize(int width, int height);
    // Components are limited to 0..1; null is ignored.
    void SetClearColor(const float rgba[4]);
    void Refresh();
    int GetRefreshCount() const { return m_refreshCount; }

    // The target stays: Reload only answers whether it is there, AssignValue
    // takes the origin alone.
    bool Reload() override;
    bool AssignValue(const GvVariable& source) override;

protected:
    virtual void Render(Gv2DTexture& target);

private:
    bool CreateTarget(int width, int height);

    bool m_generateMipMaps;
    float m_clearColor[4];
    int m_refreshCount;
};
