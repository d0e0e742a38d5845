#include <climits>
#include <cstdint>
#include <tuple>
#include <vector>
#include "GvLeakCheck.h"
#include "GvString.h"
#include "GvStringFunctions.h"
#include "GvLinkedList.h"

namespace {

using GvStringTest = GvLeakCheckedTest;

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

TEST_F(GvStringTest, AppendGrowsAndCopiesAreDeepMovesLeaveEmptyStrings)
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

TEST(GvStringFunctions, LengthCopyCompareAndFind)
{
    EXPECT_EQ(0, GvStrLenW(nullptr));
    EXPECT_EQ(5, GvStrLenW(GvW(u"hello")));
    unsigned short buf[4] = {9, 9, 9, 9};
    GvStrCopyW(buf, GvW(u"hello"), 4);
    EXPECT_EQ(0, GvStrCmpW(buf, GvW(u"hel"), -1));
    GvStrCopyW(buf, GvW(u"ab"), -1);
    EXPECT_EQ(0, GvStrCmpW(buf, GvW(u"ab"), -1));
    buf[0] = 'z';
    GvStrCopyW(buf, GvW(u"ab"), 0);
    EXPECT_EQ('z', buf[0]);
    GvStrAtoW(buf, "a\xe9z", -1);
    EXPECT_EQ((std::vector<unsigned short>{'a', 0xE9, 'z', 0}), std::vector<unsigned short>(buf, buf + 4));
    GvStrAtoW(buf, "abcdef", 3);
    EXPECT_EQ(0, GvStrCmpW(buf, GvW(u"ab"), -1));
    EXPECT_EQ(0, GvStrCmpW(GvW(u"abc"), GvW(u"abc"), -1));
    EXPECT_LT(GvStrCmpW(GvW(u"ab"), GvW(u"abc"), -1), 0);
    EXPECT_GT(GvStrCmpW(GvW(u"abd"), GvW(u"abc"), -1), 0);
    EXPECT_EQ(0, GvStrCmpW(GvW(u"abX"), GvW(u"abY"), 2));
    EXPECT_NE(0, GvStrCmpW(GvW(u"Float"), GvW(u"float"), -1));
    EXPECT_EQ(0, GvStrICmpW(GvW(u"Keywords"), GvW(u"kEYWORDS"), -1));
    EXPECT_EQ(0, GvStrICmpW(GvW(u"\u00e9t\u00e9"), GvW(u"\u00c9T\u00c9"), -1));
    EXPECT_NE(0, GvStrICmpW(GvW(u"mov"), GvW(u"mova"), -1));
    EXPECT_EQ(0, GvStrICmpW(GvW(u"mov"), GvW(u"MOVA"), 3));
    const unsigned short* text = GvW(u"mad_x2_sat");
    EXPECT_EQ(text + 4, GvStrStrW(text, GvW(u"x2")));
    EXPECT_EQ(text, GvStrStrW(text, GvW(u"")));
    EXPECT_EQ(nullptr, GvStrStrW(text, GvW(u"sat_")));
}

TEST(GvStringFunctions, NumbersReadTheLeadingNumberAndItsEndLongsClampTo32Bits)
{
    const unsigned short* end = nullptr;
    const unsigned short* text = GvW(u"  -2.25e1xyz");
    EXPECT_DOUBLE_EQ(-22.5, GvStrToDoubleW(text, &end));
    EXPECT_EQ(text + 9, end);
    EXPECT_DOUBLE_EQ(1.5, GvStrToDoubleW(GvW(u"1,5"), nullptr));
    text = GvW(u"abc");
    EXPECT_DOUBLE_EQ(0.0, GvStrToDoubleW(text, &end));
    EXPECT_EQ(text, end);
    EXPECT_DOUBLE_EQ(12.0, GvStrToDoubleW(GvW(u"12\u00e9"), nullptr));
    text = GvW(u"255)");
    EXPECT_EQ(255, GvStrToLongW(text, &end, 10));
    EXPECT_EQ(text + 3, end);
    EXPECT_EQ(INT32_MAX, GvStrToLongW(GvW(u"99999999999"), nullptr, 10));
    EXPECT_EQ(INT32_MIN, GvStrToLongW(GvW(u"-99999999999"), nullptr, 10));
}

using GvLinkedListTest = GvLeakCheckedTest;

std::vector<int> Values(const GvLinkedList<int>& list)
{
    std::vector<int> out;
    for (auto it = list.Begin(); it != list.End(); ++it)
        out.push_back(*it);
    return out;
}

TEST_F(GvLinkedListTest, AppendsAtTailRemovesKeepingTheLinksAndCopiesHaveOwnNodes)
{
    GvLinkedList<int> list;
    EXPECT_TRUE(list.Begin() == list.End());
    for (int i = 0; i < 5; ++i)
        list.Append(i);
    EXPECT_EQ((std::vector<int>{0, 1, 2, 3, 4}), Values(list));
    EXPECT_EQ(5, list.GetCount());
    EXPECT_EQ(3, list.GetTail()->m_prev->m_value);
    EXPECT_TRUE(list.GetHead()->m_list == &list && !list.GetHead()->m_prev);
    EXPECT_EQ(1, *list.Remove(list.Begin()));             // head
    EXPECT_EQ(4, *list.Remove(list.Find(3)));             // middle
    EXPECT_TRUE(list.Remove(list.Find(4)) == list.End()); // tail
    EXPECT_EQ((std::vector<int>{1, 2}), Values(list));
    EXPECT_EQ(2, list.GetTail()->m_value);
    EXPECT_TRUE(!list.GetTail()->m_next && !list.GetHead()->m_prev);
    auto back = list.End();
    --back;
    EXPECT_EQ(2, *back);
    GvLinkedList<int> a, b;
    a.Append(1);
    b.Append(2);
    EXPECT_TRUE(a.Remove(b.Begin()) == a.End());
    EXPECT_TRUE(a.Remove(a.End()) == a.End());
    EXPECT_EQ(std::make_pair(1, 1), std::make_pair(a.GetCount(), b.GetCount()));
    // Copies have nodes of their own.
    a.Append(8);
    GvLinkedList<int> copy(a);
    copy.Append(9);
    EXPECT_EQ((std::vector<int>{1, 8}), Values(a));
    EXPECT_EQ((std::vector<int>{1, 8, 9}), Values(copy));
    EXPECT_EQ(&copy, copy.GetHead()->m_list);
    a = copy;
    EXPECT_EQ((std::vector<int>{1, 8, 9}), Values(a));
    a.RemoveAll();
    EXPECT_EQ(0, a.GetCount());
    EXPECT_TRUE(!a.GetHead() && !a.GetTail());
}

using GvMemoryTest = GvLeakCheckedTest;

TEST_F(GvMemoryTest, AllocationCountGrowsWithEveryAllocationAndHugeSizesAreRefused)
{
    const size_t before = GvGetAllocationCount();
    void* a = GvAllocateBuffer(4);
    void* b = GvAllocateBuffer(0);
    EXPECT_EQ(before + 2, GvGetAllocationCount());
    GvDeallocateBuffer(a);
    GvDeallocateBuffer(b);
    GvDeallocateBuffer(nullptr);
    EXPECT_EQ(before + 2, GvGetAllocationCount());
    EXPECT_EQ(nullptr, GvAllocateBuffer(SIZE_MAX));
    EXPECT_EQ(nullptr, GvAllocateBuffer(SIZE_MAX - 8));
}

} // namespace
