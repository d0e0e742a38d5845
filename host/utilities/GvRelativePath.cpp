#include "GvPath.h"
#include "GvUtilities.h"

bool GvCalculateRelativePath(unsigned short* out, const unsigned short* path, int maxChars)
{
    return GvMakeRelativePath(out, maxChars, path, GvGetBaseDirectory());
}
