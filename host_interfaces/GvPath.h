#pragma once
#include <cstdint>
#include "GvBuffer.h"
#include "GvCoreExport.h"

// Paths as the model stores them. The base directory is where relative file
// names of the model start (the host sets it, normally to the folder of its
// workspace; empty at start, which means absolute names are kept).
//
// Both '/' and '\' separate names. Absolute paths start with a drive
// ("C:\", "C:/"), a double separator ("\\server\share") or one separator
// ("/usr"); names are compared without case under a drive or share, with
// case under "/". Results are normalised ("." and "x\.." removed) and use
// the separator that the path (for absolute results: the path; for joined
// ones: the base) uses first, '/' when it has none.

GV_CORE_API void GvSetBaseDirectory(const unsigned short* directory);
GV_CORE_API const unsigned short* GvGetBaseDirectory();

GV_CORE_API bool GvIsAbsolutePath(const unsigned short* path);

// path relative to base ("..\tex\a.dds", "." for base itself). The
// normalised absolute path when there is no relative form (another drive or
// root, or no absolute base); a relative path is copied as it is. maxChars
// counts the terminator; false (and out empty) when the result does not fit
// or an argument is null.
GV_CORE_API bool GvMakeRelativePath(unsigned short* out, int maxChars, const unsigned short* path,
                                    const unsigned short* base);

// A relative path joined to base and normalised; an absolute path
// normalised; a relative path without an absolute base copied. Fit and
// failure as GvMakeRelativePath.
GV_CORE_API bool GvMakeAbsolutePath(unsigned short* out, int maxChars, const unsigned short* path,
                                    const unsigned short* base);

enum GvReadFileResult
{
    GV_READ_OK = 0,
    GV_READ_CANNOT_OPEN,
    GV_READ_FAILED,
    GV_READ_TOO_LARGE
};

// The whole file (at most maxBytes) into contents.
GV_CORE_API GvReadFileResult GvReadFile(const unsigned short* path, size_t maxBytes, GvBuffer<uint8_t>& contents);
