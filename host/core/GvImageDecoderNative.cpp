#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <vector>

#include <jpeglib.h>
#include <png.h>

#include <jerror.h>

#include "GvTextureLoaders.h"

// libpng and libjpeg report errors by longjmp: the functions holding the
// setjmp keep only trivially destructible locals, and everything that must be
// freed lives in their callers.

namespace {

struct PngSource
{
    const uint8_t* m_data;
    size_t m_size;
    size_t m_at;
    bool m_ranOut;
};

void ReadPngBytes(png_structp png, png_bytep out, size_t count)
{
    PngSource* source = static_cast<PngSource*>(png_get_io_ptr(png));
    if (count > source->m_size - source->m_at) {
        source->m_ranOut = true;
        png_error(png, "the file ends early");
    }
    std::memcpy(out, source->m_data + source->m_at, count);
    source->m_at += count;
}

void PngError(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

void PngWarning(png_structp, png_const_charp)
{
}

// Channels of the picture as read (palettes and low depths expanded, 16 bits
// cut to 8, transparency as alpha); 0 on an error.
int ReadPngHeader(png_structp png, png_infop info)
{
    if (setjmp(png_jmpbuf(png)))
        return 0;
    png_read_info(png, info);
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    return png_get_channels(png, info);
}

bool ReadPngRows(png_structp png, png_bytepp rows)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_read_image(png, rows);
    return true;
}

GvTexture* LoadPng(const uint8_t* data, size_t size, GvTextureLoadError* error)
{
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, PngError, PngWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        *error = GV_LOAD_OUT_OF_MEMORY;
        return nullptr;
    }
    PngSource source = {data, size, 0, false};
    png_set_read_fn(png, &source, ReadPngBytes);
    GvImageTarget target;
    std::vector<png_bytep> rows;
    bool ok = false;
    const int channels = ReadPngHeader(png, info);
    if (channels == 0) {
        *error = source.m_ranOut ? GV_LOAD_TRUNCATED : GV_LOAD_CORRUPT;
    } else if (target.Begin(static_cast<int>(png_get_image_width(png, info)),
                            static_cast<int>(png_get_image_height(png, info)), channels, error)) {
        rows.resize(static_cast<size_t>(target.Height()));
        for (int y = 0; y < target.Height(); ++y)
            rows[static_cast<size_t>(y)] = target.Row(y);
        ok = ReadPngRows(png, rows.data());
        if (!ok)
            *error = source.m_ranOut ? GV_LOAD_TRUNCATED : GV_LOAD_CORRUPT;
    }
    png_destroy_read_struct(&png, &info, nullptr);
    return ok ? target.Release() : nullptr;
}

struct JpegErrors
{
    jpeg_error_mgr m_manager; // first: libjpeg hands its address back
    std::jmp_buf m_jump;
    bool m_ranOut;
};

void JpegError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<JpegErrors*>(info->err)->m_jump, 1);
}

// The memory source meets the end of the data with a warning and a made-up
// end marker; a file cut short is refused rather than shown half grey.
void JpegMessage(j_common_ptr info, int level)
{
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF)
        reinterpret_cast<JpegErrors*>(info->err)->m_ranOut = true;
}

bool DecodeJpeg(const uint8_t* data, size_t size, jpeg_decompress_struct& info, JpegErrors& errors,
                GvImageTarget& target, std::vector<uint8_t>& cmyk, GvTextureLoadError* error)
{
    if (setjmp(errors.m_jump))
        return false;
    jpeg_create_decompress(&info);
    // Beyond this libjpeg refuses rather than asking for more (a progressive
    // picture keeps all its coefficients).
    info.mem->max_memory_to_use = GvTexture::kMaxBytes;
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    int channels = 3;
    switch (info.jpeg_color_space) {
    case JCS_GRAYSCALE:
        info.out_color_space = JCS_GRAYSCALE;
        channels = 1;
        break;
    case JCS_CMYK:
    case JCS_YCCK: info.out_color_space = JCS_CMYK; break;
    default: info.out_color_space = JCS_RGB; break;
    }
    if (errors.m_ranOut) {
        *error = GV_LOAD_TRUNCATED;
        return false;
    }
    if (!target.Begin(static_cast<int>(info.image_width), static_cast<int>(info.image_height), channels, error))
        return false;
    jpeg_start_decompress(&info);
    if (info.out_color_space == JCS_CMYK)
        cmyk.resize(static_cast<size_t>(target.Width()) * 4);
    while (info.output_scanline < info.output_height && !errors.m_ranOut) {
        const int y = static_cast<int>(info.output_scanline);
        JSAMPROW row = cmyk.empty() ? target.Row(y) : cmyk.data();
        jpeg_read_scanlines(&info, &row, 1);
        if (!cmyk.empty()) {
            // Stored inverted, as Adobe writes them: each channel times K.
            uint8_t* out = target.Row(y);
            for (size_t i = 0; i < cmyk.size(); i += 4, out += 3)
                for (int c = 0; c < 3; ++c)
                    out[c] = static_cast<uint8_t>((cmyk[i + c] * cmyk[i + 3] + 127) / 255);
        }
    }
    if (errors.m_ranOut) {
        *error = GV_LOAD_TRUNCATED;
        return false;
    }
    return true;
}

GvTexture* LoadJpeg(const uint8_t* data, size_t size, GvTextureLoadError* error)
{
    jpeg_decompress_struct info = {};
    JpegErrors errors;
    info.err = jpeg_std_error(&errors.m_manager);
    errors.m_manager.error_exit = JpegError;
    errors.m_manager.emit_message = JpegMessage;
    errors.m_ranOut = false;
    GvImageTarget target;
    std::vector<uint8_t> cmyk;
    *error = GV_LOAD_OK;
    const bool ok = DecodeJpeg(data, size, info, errors, target, cmyk, error);
    if (!ok && *error == GV_LOAD_OK) {
        const int code = errors.m_manager.msg_code;
        *error = errors.m_ranOut                                               ? GV_LOAD_TRUNCATED
                 : code == JERR_OUT_OF_MEMORY || code == JERR_NO_BACKING_STORE ? GV_LOAD_OUT_OF_MEMORY
                                                                               : GV_LOAD_CORRUPT;
    }
    jpeg_destroy_decompress(&info);
    return ok ? target.Release() : nullptr;
}

} // namespace

GvTexture* GvDecodePlatformImage(GvImageKind kind, const uint8_t* data, size_t size, GvTextureLoadError* error)
{
    switch (kind) {
    case GV_IMAGE_PNG: return LoadPng(data, size, error);
    case GV_IMAGE_JPEG: return LoadJpeg(data, size, error);
    case GV_IMAGE_BMP: return GvLoadBmpTexture(data, size, error);
    default: *error = GV_LOAD_UNKNOWN_FORMAT; return nullptr;
    }
}
