#pragma once
#include <cstdint>
#include <string>

#include "GvLeakCheck.h"
#include "GvPath.h"
#include "GvStringFunctions.h"

// Sample files of data/textures/ (their pixels follow the formulas in
// scripts/make-textures.py).
inline std::u16string SamplePath(const char* name)
{
    std::u16string path;
    for (const char* p = GV_DATA_DIR "/textures/"; *p; ++p)
        path += static_cast<char16_t>(*p);
    for (const char* p = name; *p; ++p)
        path += static_cast<char16_t>(*p);
    return path;
}

inline const unsigned short* Units(const std::u16string& text)
{
    return reinterpret_cast<const unsigned short*>(text.c_str());
}

inline std::u16string Text(const unsigned short* units)
{
    return units ? std::u16string(reinterpret_cast<const char16_t*>(units)) : std::u16string();
}

// One pixel of a level as 8-bit R, G, B, A.
struct Rgba
{
    int r, g, b, a;
    bool operator==(const Rgba& o) const { return r == o.r && g == o.g && b == o.b && a == o.a; }
};

inline std::ostream& operator<<(std::ostream& out, const Rgba& c)
{
    return out << "(" << c.r << ", " << c.g << ", " << c.b << ", " << c.a << ")";
}

// Tests that set the base directory of relative paths leave none behind.
class BaseDirectoryTest : public GvLeakCheckedTest
{
protected:
    void TearDown() override
    {
        GvSetBaseDirectory(nullptr);
        GvLeakCheckedTest::TearDown();
    }
};
