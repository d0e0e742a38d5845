#include <cstdint>
#include <tuple>
#include "GvLeakCheck.h"
#include "GvString.h"

namespace {

class GvStringTest : public GvLeakCheckedTest
{};

const int32_t* HeaderOf(const GvStringW& s)
{
    return reinterpret_cast<const int32_t*>(s.GetText()) - 2;
}

TEST_F(GvStringTest, BlockLayoutIsCapacityLengthThenTextEvenWhenEmpty)
{
    const size_t before = GvGetLiveBufferBytes();
    {
        GvStringW s;
        EXPECT_EQ(std::make_tuple(1, 0, 0), std::make_tuple(HeaderOf(s)[0], HeaderOf(s)[1], int(s.GetText()[0])));
        EXPECT_EQ(before + 8 + 2, GvGetLiveBufferBytes());
    }
    GvStringW s(GvW(u"mov"));
    EXPECT_EQ(std::make_pair(4, 3), std::make_pair(HeaderOf(s)[0], HeaderOf(s)[1]));
    EXPECT_EQ(before + 8 + 2 * 4, GvGetLiveBufferBytes());
    EXPECT_EQ(0, GvStrCmpW(s, GvW(u"mov"), -1));
    EXPECT_EQ(0, s.GetText()[3]);
}

TEST_F(GvStringTest, AppendGrowsKeepsTheTerminatorAndTakesItsOwnText)
{
    GvStringW s(GvW(u"ab"));
    for (int i = 0; i < 100; ++i)
        s.Append(static_cast<unsigned short>('c'));
    EXPECT_EQ(102, s.GetLength());
    EXPECT_GT(s.GetCapacity(), s.GetLength());
    EXPECT_EQ(std::make_tuple('a', 'c', 0), std::make_tuple(int(s[0]), int(s[101]), int(s[102])));
    GvStringW x(GvW(u"xyz"));
    x.Append(x.GetText(), x.GetLength());
    EXPECT_EQ(0, GvStrCmpW(x, GvW(u"xyzxyz"), -1));
    GvStringW t(GvW(u"prefix_rest"));
    t.SetText(t.GetText() + 7, -1);
    EXPECT_EQ(0, GvStrCmpW(t, GvW(u"rest"), -1));
    EXPECT_EQ(4, t.GetLength());
}

TEST_F(GvStringTest, CopiesAreDeepAndMovesLeaveEmptyString)
{
    GvStringW a(GvW(u"alpha"));
    GvStringW b(a);
    EXPECT_NE(a.GetText(), b.GetText());
    EXPECT_TRUE(a == b);
    b = GvW(u"beta");
    EXPECT_EQ(0, GvStrCmpW(a, GvW(u"alpha"), -1));
    GvStringW c(std::move(a));
    EXPECT_TRUE(a.IsEmpty());
    EXPECT_EQ(0, GvStrCmpW(c, GvW(u"alpha"), -1));
    c = std::move(b);
    EXPECT_EQ(0, GvStrCmpW(c, GvW(u"beta"), -1));
}

} // namespace
