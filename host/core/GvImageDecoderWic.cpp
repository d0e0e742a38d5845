#include <windows.h>
#include <wincodec.h>
#include <wrl/client.h>

#include <vector>

#include "GvTextureLoaders.h"

using Microsoft::WRL::ComPtr;

namespace {

// COM on this thread for one decoding. A thread the host already entered
// into COM stays as it is: a successful call only adds a reference that the
// matching CoUninitialize takes back, and a thread in the other apartment
// (RPC_E_CHANGED_MODE) is used as it is, with nothing to undo.
class ComScope
{
public:
    ComScope() : m_result(CoInitializeEx(nullptr, COINIT_MULTITHREADED)) {}
    ~ComScope()
    {
        if (SUCCEEDED(m_result))
            CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
    bool Usable() const { return SUCCEEDED(m_result) || m_result == RPC_E_CHANGED_MODE; }

private:
    HRESULT m_result;
};

GvTextureLoadError Reason(HRESULT result)
{
    return result == E_OUTOFMEMORY ? GV_LOAD_OUT_OF_MEMORY : GV_LOAD_CORRUPT;
}

bool IsGreyFormat(const WICPixelFormatGUID& format)
{
    return format == GUID_WICPixelFormatBlackWhite || format == GUID_WICPixelFormat2bppGray
           || format == GUID_WICPixelFormat4bppGray || format == GUID_WICPixelFormat8bppGray
           || format == GUID_WICPixelFormat16bppGray;
}

bool HasAlpha(IWICImagingFactory* factory, IWICBitmapFrameDecode* frame, const WICPixelFormatGUID& format)
{
    ComPtr<IWICPalette> palette;
    BOOL alpha = FALSE;
    if (SUCCEEDED(factory->CreatePalette(&palette)) && SUCCEEDED(frame->CopyPalette(palette.Get())))
        return SUCCEEDED(palette->HasAlpha(&alpha)) && alpha;
    ComPtr<IWICComponentInfo> info;
    ComPtr<IWICPixelFormatInfo2> formatInfo;
    return SUCCEEDED(factory->CreateComponentInfo(format, &info)) && SUCCEEDED(info.As(&formatInfo))
           && SUCCEEDED(formatInfo->SupportsTransparency(&alpha)) && alpha;
}

// The container is chosen from the signature, never by asking every codec
// installed whether it takes the data.
const GUID* ContainerOf(GvImageKind kind)
{
    switch (kind) {
    case GV_IMAGE_PNG: return &GUID_ContainerFormatPng;
    case GV_IMAGE_JPEG: return &GUID_ContainerFormatJpeg;
    case GV_IMAGE_BMP: return &GUID_ContainerFormatBmp;
    default: return nullptr;
    }
}

GvTexture* Decode(IWICImagingFactory* factory, GvImageKind kind, const uint8_t* data, size_t size,
                  GvTextureLoadError* error)
{
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    HRESULT result = factory->CreateStream(&stream);
    if (SUCCEEDED(result))
        result = stream->InitializeFromMemory(const_cast<BYTE*>(data), static_cast<DWORD>(size));
    if (FAILED(result)) {
        *error = Reason(result);
        return nullptr;
    }
    if (FAILED(factory->CreateDecoder(*ContainerOf(kind), nullptr, &decoder))) {
        *error = GV_LOAD_UNSUPPORTED;
        return nullptr;
    }
    UINT width = 0, height = 0;
    WICPixelFormatGUID format = {};
    result = decoder->Initialize(stream.Get(), WICDecodeMetadataCacheOnDemand);
    if (SUCCEEDED(result))
        result = decoder->GetFrame(0, &frame);
    if (SUCCEEDED(result))
        result = frame->GetSize(&width, &height);
    if (SUCCEEDED(result))
        result = frame->GetPixelFormat(&format);
    if (FAILED(result)) {
        *error = Reason(result);
        return nullptr;
    }
    if (width > GvTexture::kMaxSize || height > GvTexture::kMaxSize) {
        *error = GV_LOAD_UNSUPPORTED;
        return nullptr;
    }
    // The PNG codec may widen grey to colour; the header says what is stored.
    const bool grey = kind == GV_IMAGE_PNG ? GvPngStoresGrey(data, size) : IsGreyFormat(format);
    const bool alpha = HasAlpha(factory, frame.Get(), format);
    const int channels = (grey ? 1 : 3) + (alpha ? 1 : 0);
    GvImageTarget target;
    if (!target.Begin(static_cast<int>(width), static_cast<int>(height), channels, error))
        return nullptr;
    ComPtr<IWICFormatConverter> converter;
    result = factory->CreateFormatConverter(&converter);
    if (SUCCEEDED(result))
        result = converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppRGBA, WICBitmapDitherTypeNone, nullptr, 0.0,
                                       WICBitmapPaletteTypeCustom);
    std::vector<BYTE> row(static_cast<size_t>(width) * 4);
    for (UINT y = 0; SUCCEEDED(result) && y < height; ++y) {
        const WICRect rect = {0, static_cast<INT>(y), static_cast<INT>(width), 1};
        result = converter->CopyPixels(&rect, width * 4, static_cast<UINT>(row.size()), row.data());
        if (SUCCEEDED(result))
            target.StoreRgbaRow(static_cast<int>(y), row.data());
    }
    if (FAILED(result)) {
        *error = Reason(result);
        return nullptr;
    }
    return target.Release();
}

} // namespace

GvTexture* GvDecodePlatformImage(GvImageKind kind, const uint8_t* data, size_t size, GvTextureLoadError* error)
{
    if (!ContainerOf(kind)) {
        *error = GV_LOAD_UNKNOWN_FORMAT;
        return nullptr;
    }
    if (size > MAXDWORD) {
        *error = GV_LOAD_UNSUPPORTED;
        return nullptr;
    }
    ComScope com;
    ComPtr<IWICImagingFactory> factory;
    if (!com.Usable()
        || FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory)))) {
        *error = GV_LOAD_UNSUPPORTED;
        return nullptr;
    }
    return Decode(factory.Get(), kind, data, size, error);
}
