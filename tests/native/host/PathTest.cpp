#include <gtest/gtest.h>
#include "GvUtilities.h"
#include "HostTestSupport.h"

namespace {

class PathTest : public BaseDirectoryTest
{
protected:
    static std::u16string Relative(const char16_t* path, const char16_t* base, int maxChars = 260)
    {
        unsigned short out[260] = {0xFFFF};
        const bool fits = GvMakeRelativePath(out, maxChars, GvW(path), GvW(base));
        return fits ? Text(out) : u"<" + Text(out) + u">";
    }
    static std::u16string Absolute(const char16_t* path, const char16_t* base)
    {
        unsigned short out[260];
        return GvMakeAbsolutePath(out, 260, GvW(path), GvW(base)) ? Text(out) : u"<failed>";
    }
};

TEST_F(PathTest, RelativeFormsBelowBesideAndAboveTheBaseOrTheNormalisedAbsolutePath)
{
    EXPECT_EQ(u"textures\\a.dds", Relative(u"C:\\work\\data\\textures\\a.dds", u"C:\\work\\data"));
    EXPECT_EQ(u"../shared/b.png", Relative(u"/work/shared/b.png", u"/work/data/"));
    EXPECT_EQ(u"..\\..\\c.png", Relative(u"Z:\\c.png", u"Z:\\work\\data"));
    EXPECT_EQ(u".", Relative(u"/work/data", u"/work/data"));
    // Drives and shares ignore case, slash roots do not.
    EXPECT_EQ(u"Tex\\A.dds", Relative(u"c:\\Work\\Tex\\A.dds", u"C:/WORK"));
    EXPECT_EQ(u"../Work/a.dds", Relative(u"/Work/a.dds", u"/work"));
    EXPECT_EQ(u"a.dds", Relative(u"\\\\server\\Share\\a.dds", u"\\\\SERVER\\share"));
    // No relative form gives the normalised absolute path.
    EXPECT_EQ(u"D:\\x\\a.dds", Relative(u"D:\\x\\y\\..\\.\\a.dds", u"C:\\work"));
    EXPECT_EQ(u"/work/a.dds", Relative(u"/work//a.dds", u""));
    EXPECT_EQ(u"C:/a.dds", Relative(u"C:/a.dds", u"/work"));
    EXPECT_EQ(u"already\\relative.dds", Relative(u"already\\relative.dds", u"C:\\work")) << "copied as it is";
    EXPECT_EQ(u"/a.dds", Relative(u"/../a.dds", u"")) << "no climbing above the root";
    // With a base set, the hostile-input suite's long paths cover it.
    unsigned short out[2048];
    ASSERT_TRUE(GvCalculateRelativePath(out, GvW(u"Z:\\work\\data\\textures\\alpha.png"), 2047));
    EXPECT_EQ(u"Z:\\work\\data\\textures\\alpha.png", Text(out));
}

TEST_F(PathTest, TooSmallBufferFailsWithAnEmptyResultAbsoluteJoinsToTheBaseReadFileSaysWhy)
{
    EXPECT_EQ(u"a.dds", Relative(u"/w/a.dds", u"/w", 6));
    EXPECT_EQ(u"<>", Relative(u"/w/a.dds", u"/w", 5));
    unsigned short out[4] = {'x', 0};
    EXPECT_FALSE(GvMakeRelativePath(out, 4, nullptr, GvW(u"/w")));
    EXPECT_EQ(0, out[0]);
    EXPECT_FALSE(GvMakeRelativePath(nullptr, 4, GvW(u"/w"), GvW(u"/w")));
    EXPECT_EQ(u"C:\\work\\tex\\a.dds", Absolute(u"..\\tex\\a.dds", u"C:\\work\\data"));
    EXPECT_EQ(u"/work/data/a.dds", Absolute(u"./a.dds", u"/work/data"));
    EXPECT_EQ(u"/x/a.dds", Absolute(u"/x/./a.dds", u"/work"));
    EXPECT_EQ(u"a.dds", Absolute(u"a.dds", u"")) << "no base: unchanged";
    EXPECT_TRUE(GvIsAbsolutePath(GvW(u"c:/x")));
    EXPECT_FALSE(GvIsAbsolutePath(GvW(u"c:x")));
    GvBuffer<uint8_t> contents;
    EXPECT_EQ(GV_READ_OK, GvReadFile(Units(SamplePath("rgb565.dds")), 1024, contents));
    EXPECT_EQ(192u, contents.GetCount());
    EXPECT_EQ('D', contents[0]);
    EXPECT_EQ(GV_READ_TOO_LARGE, GvReadFile(Units(SamplePath("rgb565.dds")), 191, contents));
    EXPECT_EQ(0u, contents.GetCount());
    EXPECT_EQ(GV_READ_CANNOT_OPEN, GvReadFile(Units(SamplePath("nothing")), 1024, contents));
    EXPECT_EQ(GV_READ_CANNOT_OPEN, GvReadFile(GvW(u""), 1024, contents));
}

} // namespace
