#pragma once
#include <cstddef>
#include <cstdint>
#include "GvTexture.h"

// The readers behind GvLoadTextureFromMemory. Each returns a new texture or
// null with *error set (error is never null here).
bool GvIsDdsFile(const uint8_t* data, size_t size);
GvTexture* GvLoadDdsTexture(const uint8_t* data, size_t size, GvTextureLoadError* error);
// PNG, JPEG, BMP and TGA.
GvTexture* GvLoadImageTexture(const uint8_t* data, size_t size, GvTextureLoadError* error);
