// Headers claiming sizes beyond 32 and 64 bits, and paths of 4,096
// characters: each gets a clear result without taking the memory it claims.
#include <memory>
#include <sys/resource.h>
#include <vector>

#include "GvTexture.h"
#include "GvUtilities.h"
#include "HostTestSupport.h"
#include "ImageBytes.h"

namespace {

long PeakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// A DDS header of 32-bit BGRA pixels followed by 64 bytes of pixels.
std::vector<uint8_t> Dds(uint32_t width, uint32_t height, uint32_t depth, uint32_t mips, uint32_t caps2)
{
    std::vector<uint8_t> bytes(4 + 124 + 64);
    const std::pair<size_t, uint32_t> fields[] = {
        {0, 0x20534444},   {4, 124},          {8, 0x1 | 0x2 | 0x4 | 0x1000 | 0x20000 | 0x800000},
        {12, height},      {16, width},       {24, depth},
        {28, mips},        {76, 32},          {80, 0x41},
        {88, 32},          {92, 0x00FF0000},  {96, 0x0000FF00},
        {100, 0x000000FF}, {104, 0xFF000000}, {112, caps2}};
    for (const auto& [at, value] : fields)
        Put32(bytes, at, value);
    return bytes;
}

// Signature, IHDR of 8-bit RGBA and an empty image data chunk; the chunk
// checksums are not right, which a reader may notice before the size (the
// loader's suite has the squares past 2^32 pixels with right checksums).
std::vector<uint8_t> Png(uint32_t width, uint32_t height)
{
    std::vector<uint8_t> bytes = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
    bytes.resize(bytes.size() + 8);
    Put32BigEndian(bytes, 16, width);
    Put32BigEndian(bytes, 20, height);
    const uint8_t tail[] = {8, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 'I', 'D', 'A', 'T', 0, 0, 0, 0};
    bytes.insert(bytes.end(), std::begin(tail), std::end(tail));
    return bytes;
}

using HostileInputTest = BaseDirectoryTest;

TEST_F(HostileInputTest, TextureHeadersClaimingHugeSizesFailWithoutTakingTheMemory)
{
    const std::vector<uint8_t> kPixels(16);
    const struct
    {
        const char* what;
        std::vector<uint8_t> bytes;
        GvTextureLoadError error;
    } cases[] = {
        {"DDS 65536 x 65536: 2^32 pixels", Dds(65536, 65536, 1, 1, 0), GV_LOAD_UNSUPPORTED},
        {"DDS 4G x 4G x 4G volume: beyond 64 bits", Dds(0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 32, 0x200000),
         GV_LOAD_UNSUPPORTED},
        {"DDS 4G cube", Dds(0xFFFFFFFF, 0xFFFFFFFF, 1, 1, 0x200 | 0xFC00), GV_LOAD_UNSUPPORTED},
        {"DDS 16384^3 volume with its chain: 2^44 bytes", Dds(16384, 16384, 16384, 15, 0x200000), GV_LOAD_TRUNCATED},
        {"DDS 16384^2 cube with its chain", Dds(16384, 16384, 1, 15, 0x200 | 0xFC00), GV_LOAD_TRUNCATED},
        {"DDS 8192^2 with its chain: 300 MB the file does not hold", Dds(8192, 8192, 1, 14, 0), GV_LOAD_TRUNCATED},
        {"PNG 4G x 1", Png(0xFFFFFFFF, 1), GV_LOAD_UNSUPPORTED},
        {"BMP 2^31-1 x -(2^31-1)", Bmp(0x7FFFFFFF, -0x7FFFFFFF, 32, 0, {}, kPixels), GV_LOAD_UNSUPPORTED},
        {"BMP 65536 x 65536: 2^32 pixels", Bmp(65536, 65536, 32, 0, {}, kPixels), GV_LOAD_UNSUPPORTED},
        {"TGA 65535 x 65535", Tga(2, 32, 65535, 65535, 0, {}, 0, kPixels), GV_LOAD_UNSUPPORTED}};
    const long peakBefore = PeakKilobytes();
    for (const auto& c : cases) {
        GvTextureLoadError error = GV_LOAD_OK;
        const size_t allocations = GvGetAllocationCount();
        std::unique_ptr<GvTexture> texture(GvLoadTextureFromMemory(c.bytes.data(), c.bytes.size(), &error));
        EXPECT_EQ(nullptr, texture) << c.what;
        EXPECT_EQ(c.error, error) << c.what;
        EXPECT_EQ(allocations, GvGetAllocationCount()) << c.what;
    }
    EXPECT_LT(PeakKilobytes() - peakBefore, 64 * 1024) << "kilobytes taken on the way";
}

TEST_F(HostileInputTest, PathsOf4096Characters)
{
    // C:\ then 1,024 names of three letters and a separator: 4,099 units.
    std::u16string base = u"C:";
    for (int i = 0; i < 1024; ++i)
        base += u"\\abc";
    const std::u16string below = base + u"\\tex\\a.dds";
    std::vector<unsigned short> out(16384, 0xFFFF);
    GvSetBaseDirectory(Units(base));
    EXPECT_EQ(base, Text(GvGetBaseDirectory()));
    ASSERT_TRUE(GvCalculateRelativePath(out.data(), Units(below), 8192));
    EXPECT_EQ(u"tex\\a.dds", Text(out.data()));
    // Another drive: the absolute form, which needs more than 260 units.
    const std::u16string elsewhere = u"D" + below.substr(1);
    EXPECT_FALSE(GvCalculateRelativePath(out.data(), Units(elsewhere), 260));
    EXPECT_EQ(u"", Text(out.data()));
    ASSERT_TRUE(GvCalculateRelativePath(out.data(), Units(elsewhere), 8192));
    EXPECT_EQ(elsewhere, Text(out.data()));
    // 4,095 units of ".." climb far above the root, where they stop.
    std::u16string up;
    for (int i = 0; i < 1365; ++i)
        up += u"../";
    ASSERT_TRUE(GvMakeAbsolutePath(out.data(), 8192, Units(up + u"x"), Units(base)));
    EXPECT_EQ(u"C:\\x", Text(out.data()));
    ASSERT_TRUE(GvMakeRelativePath(out.data(), 8192, Units(u"C:\\x"), Units(base)));
    std::u16string climb;
    for (int i = 0; i < 1024; ++i)
        climb += u"..\\";
    EXPECT_EQ(climb + u"x", Text(out.data()));
    // Joined to the base, 4,096 more units: exactly too long, then fitting.
    const std::u16string name(4096, u'n');
    const size_t joined = base.size() + 1 + name.size();
    EXPECT_FALSE(GvMakeAbsolutePath(out.data(), static_cast<int>(joined), Units(name), Units(base)));
    ASSERT_TRUE(GvMakeAbsolutePath(out.data(), static_cast<int>(joined) + 1, Units(name), Units(base)));
    EXPECT_EQ(base + u"\\" + name, Text(out.data()));
    // Files behind such paths do not exist: a clear failure.
    GvTextureLoadError error = GV_LOAD_OK;
    EXPECT_EQ(nullptr, GvLoadTexture(Units(u"/" + name), &error));
    EXPECT_EQ(GV_LOAD_CANNOT_OPEN, error);
}

} // namespace
