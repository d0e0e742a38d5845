#include "TestFrame.h"

namespace {
// The values from the head, or from the tail when backwards.
std::vector<int> Contents(const CList<int, int>& list, bool backwards = false)
{
    std::vector<int> values;
    for (POSITION pos = backwards ? list.GetTailPosition() : list.GetHeadPosition(); pos;)
        values.push_back(backwards ? list.GetPrev(pos) : list.GetNext(pos));
    return values;
}
} // namespace

TEST(CollectionsTest, ListKeepsOrderBothWays)
{
    CList<int, int> list;
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(nullptr, list.GetHeadPosition());
    list.AddTail(2);
    list.AddHead(1);
    POSITION three = list.AddTail(3);
    list.InsertBefore(three, 25);
    list.InsertAfter(three, 4);
    list.InsertBefore(list.GetHeadPosition(), 0);
    EXPECT_EQ((std::vector<int>{0, 1, 2, 25, 3, 4}), Contents(list));
    EXPECT_EQ((std::vector<int>{4, 3, 25, 2, 1, 0}), Contents(list, true));
    EXPECT_EQ(6, list.GetCount());

    list.RemoveAt(list.Find(25));
    EXPECT_EQ(std::make_tuple(0, 4), std::make_tuple(list.RemoveHead(), list.RemoveTail()));
    EXPECT_EQ((std::vector<int>{1, 2, 3}), Contents(list));
    EXPECT_EQ((std::vector<int>{3, 2, 1}), Contents(list, true));
    EXPECT_EQ(3, list.GetAt(list.FindIndex(2)));
    EXPECT_TRUE(!list.FindIndex(3) && !list.FindIndex(-1) && !list.Find(7));
    list.SetAt(list.GetHeadPosition(), 10);
    EXPECT_EQ(std::make_pair(10, 3), std::make_pair(list.GetHead(), list.GetTail()));

    list.RemoveAll();
    EXPECT_TRUE(list.GetCount() == 0 && !list.GetTailPosition());
    list.AddTail(5);
    EXPECT_EQ((std::vector<int>{5}), Contents(list, true));

    // A pointer list finds by address, from a position on.
    int a = 0, b = 0;
    CPtrList pointers;
    pointers.AddTail(&a);
    POSITION pb = pointers.AddTail(&b);
    pointers.AddTail(&a);
    EXPECT_EQ(pb, pointers.Find(&b));
    POSITION first = pointers.Find(&a);
    EXPECT_NE(nullptr, pointers.Find(&a, first));
    EXPECT_NE(first, pointers.Find(&a, first));
}

TEST(StringTest, FormatEditingAndBuffersThatTakeTheirLengthOnRelease)
{
    CString s;
    s.Format(L"%s: %d x %d", L"Dimensions", 256, 128);
    EXPECT_EQ(CString(L"Dimensions: 256 x 128"), s);
    s.AppendFormat(L" (%.2f)", 0.5);
    EXPECT_EQ(CString(L"Dimensions: 256 x 128 (0.50)"), s);
    EXPECT_EQ(std::make_tuple(CString(L"Dimensions"), CString(L"(0.50)")), std::make_tuple(s.Left(10), s.Right(6)));
    EXPECT_EQ(std::make_tuple(CString(L"256"), 12), std::make_tuple(s.Mid(12, 3), s.Find(L"256")));
    EXPECT_EQ(std::make_tuple(-1, s.GetLength() - 1), std::make_tuple(s.Find(L'#'), s.ReverseFind(L')')));
    EXPECT_EQ(CString(L""), s.Mid(100));

    CString path(L"a/b/c.gvx");
    EXPECT_EQ(2, path.Replace(L"/", L"\\\\"));
    EXPECT_EQ(CString(L"a\\\\b\\\\c.gvx"), path);
    CString sign(L"12-");
    sign.Delete(sign.Find(L'-'));
    sign.Insert(0, L'-');
    EXPECT_EQ(CString(L"-12"), sign);
    EXPECT_EQ(0, CString(L"RGB").CompareNoCase(L"rgb"));
    EXPECT_TRUE(CString(L"a") < CString(L"b"));

    s = L"abc";
    wchar_t* p = s.GetBuffer(20);
    wcscpy(p, L"longer text");
    s.ReleaseBuffer();
    EXPECT_EQ(CString(L"longer text"), s);
    p = s.GetBuffer();
    p[3] = 0;
    s.ReleaseBuffer();
    EXPECT_EQ(3, s.GetLength());
    s.GetBufferSetLength(2);
    s.ReleaseBuffer(1);
    EXPECT_EQ(CString(L"l"), s);
    EXPECT_FALSE(s.LoadString(65000)) << "no such string anywhere";
    EXPECT_TRUE(s.IsEmpty());
}
