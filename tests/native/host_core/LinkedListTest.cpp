#include <vector>
#include "GvLeakCheck.h"
#include "GvLinkedList.h"

namespace {

class GvLinkedListTest : public GvLeakCheckedTest
{};

std::vector<int> Values(const GvLinkedList<int>& list)
{
    std::vector<int> out;
    for (auto it = list.Begin(); it != list.End(); ++it)
        out.push_back(*it);
    return out;
}

TEST_F(GvLinkedListTest, AppendsAtTailWithBackLinksRemoveHeadMiddleTailKeepsThem)
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
}

TEST_F(GvLinkedListTest, CopyHasOwnNodes)
{
    GvLinkedList<int> a;
    a.Append(7);
    a.Append(8);
    GvLinkedList<int> b(a);
    b.Append(9);
    EXPECT_EQ((std::vector<int>{7, 8}), Values(a));
    EXPECT_EQ((std::vector<int>{7, 8, 9}), Values(b));
    EXPECT_EQ(&b, b.GetHead()->m_list);
    a = b;
    EXPECT_EQ((std::vector<int>{7, 8, 9}), Values(a));
    a.RemoveAll();
    EXPECT_EQ(0, a.GetCount());
    EXPECT_TRUE(!a.GetHead() && !a.GetTail());
}

} // namespace
