// Texture files: GvLoadTextureFromMemory (every format, told apart by
// content), or with GV_FUZZ_DDS_ONLY the DDS reader alone. A texture that
// loads must hold every byte its levels claim.
#include "FuzzSupport.h"
#include "GvTexture.h"
#include "GvTextureLoaders.h"

volatile uint8_t g_lastByte;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzBufferCheck check;
    GvTextureLoadError error = GV_LOAD_OK;
#ifdef GV_FUZZ_DDS_ONLY
    GvTexture* texture = GvIsDdsFile(data, size) ? GvLoadDdsTexture(data, size, &error) : nullptr;
#else
    GvTexture* texture = GvLoadTextureFromMemory(data, size, &error);
#endif
    if (!texture)
        return 0;
    if (error != GV_LOAD_OK)
        std::abort();
    for (int face = 0; face < texture->GetNumFaces(); ++face)
        for (int level = 0; level < texture->GetNumMipmaps(); ++level) {
            const uint8_t* pixels = texture->GetLevelData(face, level);
            if (!pixels)
                std::abort();
            // Reading the last byte lets ASan tell a level that is too short.
            g_lastByte = pixels[texture->GetLevelSize(level) - 1];
        }
    delete texture;
    return 0;
}
