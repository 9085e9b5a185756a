#include "platform/List.h"
#include "platform/TypedPtrList.h"
#include "StringPrinting.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

std::vector<int> Forward(const CList<int, int>& list)
{
    std::vector<int> out;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        out.push_back(list.GetNext(pos));
    return out;
}

std::vector<int> Backward(const CList<int, int>& list)
{
    std::vector<int> out;
    for (POSITION pos = list.GetTailPosition(); pos;)
        out.push_back(list.GetPrev(pos));
    return out;
}

void Fill(CList<int, int>& list, std::initializer_list<int> values)
{
    for (int v : values)
        list.AddTail(v);
}

TEST(ListTest, AddInsertAndWalkBothWays)
{
    CList<int, int> list;
    EXPECT_EQ(list.GetHeadPosition(), nullptr);
    POSITION three = list.AddTail(3);
    list.AddHead(1);
    list.InsertBefore(three, 2);
    list.InsertAfter(three, 4);
    list.InsertBefore(nullptr, 0);  // null: at the head
    list.InsertAfter(nullptr, 5);   // null: at the tail
    EXPECT_EQ(Forward(list), (std::vector<int>{ 0, 1, 2, 3, 4, 5 }));
    EXPECT_EQ(Backward(list), (std::vector<int>{ 5, 4, 3, 2, 1, 0 }));
    EXPECT_EQ(list.GetCount(), 6);
    EXPECT_EQ(list.GetHead(), 0);
    EXPECT_EQ(list.GetTail(), 5);
    EXPECT_EQ(list.GetAt(three), 3);
    list.SetAt(three, 33);
    EXPECT_EQ(list.GetAt(list.FindIndex(3)), 33);
    EXPECT_EQ(list.FindIndex(6), nullptr);
    EXPECT_EQ(list.FindIndex(-1), nullptr);
}

TEST(ListTest, RemovingDuringAWalkWithTheSavedPosition)
{
    struct { std::initializer_list<int> items; std::vector<int> kept; } cases[] = {
        { { 1, 2, 3, 4, 5, 6 }, { 1, 3, 5 } },
        { { 2, 4, 6 }, {} },
        { { 1, 3 }, { 1, 3 } },
        { { 2, 1, 2 }, { 1 } },
        { {}, {} },
    };
    for (const auto& c : cases) {
        CList<int, int> list;
        Fill(list, c.items);
        POSITION pos = list.GetHeadPosition();
        while (pos) {
            POSITION at = pos;
            if (list.GetNext(pos) % 2 == 0)
                list.RemoveAt(at);
        }
        EXPECT_EQ(Forward(list), c.kept);
        EXPECT_EQ(Backward(list), std::vector<int>(c.kept.rbegin(), c.kept.rend()));
        EXPECT_EQ(list.GetCount(), static_cast<INT_PTR>(c.kept.size()));
    }
}

TEST(ListTest, PositionsStayValidWhileOthersChange)
{
    CList<int, int> list;
    Fill(list, { 1, 2, 3 });
    POSITION two = list.Find(2);
    list.RemoveHead();
    list.RemoveTail();
    list.AddHead(0);
    list.AddTail(9);
    EXPECT_EQ(list.GetAt(two), 2);
    EXPECT_EQ(Forward(list), (std::vector<int>{ 0, 2, 9 }));
}

TEST(ListTest, FindStartsAfterAPosition)
{
    CList<int, int> list;
    Fill(list, { 7, 8, 7, 8 });
    POSITION first = list.Find(7);
    ASSERT_NE(first, nullptr);
    POSITION second = list.Find(7, first);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first, second);
    EXPECT_EQ(list.Find(7, second), nullptr);
    EXPECT_EQ(list.Find(1), nullptr);
}

TEST(ListTest, EmptyListAndNullPositionThrow)
{
    CList<int, int> list;
    EXPECT_THROW(list.GetHead(), std::invalid_argument);
    EXPECT_THROW(list.RemoveHead(), std::invalid_argument);
    EXPECT_THROW(list.RemoveTail(), std::invalid_argument);
    EXPECT_THROW(list.RemoveAt(nullptr), std::invalid_argument);
    POSITION pos = nullptr;
    EXPECT_THROW(list.GetNext(pos), std::invalid_argument);
}

TEST(ListTest, AppendsListsIncludingItself)
{
    CList<int, int> a, b;
    Fill(a, { 1, 2 });
    Fill(b, { 3 });
    a.AddTail(&b);
    a.AddHead(&b);
    EXPECT_EQ(Forward(a), (std::vector<int>{ 3, 1, 2, 3 }));
    a.AddTail(&a);
    EXPECT_EQ(Forward(a), (std::vector<int>{ 3, 1, 2, 3, 3, 1, 2, 3 }));
    a.RemoveAll();
    EXPECT_TRUE(a.IsEmpty());
    EXPECT_EQ(a.GetTailPosition(), nullptr);
}

struct Item {
    int id;
};

TEST(ListTest, NamedAndTypedLists)
{
    CStringList names;
    names.AddTail(L"alpha");
    names.AddTail(CString(L"beta"));
    EXPECT_NE(names.Find(L"beta"), nullptr);
    EXPECT_EQ(names.Find(L"gamma"), nullptr);

    Item a{ 1 }, b{ 2 };
    CTypedPtrList<CPtrList, Item*> items;
    items.AddTail(&a);
    POSITION pb = items.AddTail(&b);
    EXPECT_EQ(items.GetHead()->id, 1);
    POSITION pos = items.GetHeadPosition();
    Item* first = items.GetNext(pos);
    EXPECT_EQ(first, &a);
    EXPECT_EQ(items.GetAt(pos), &b);
    EXPECT_EQ(items.Find(&b), pb);  // the base class's Find takes the typed pointer too
    EXPECT_EQ(items.RemoveTail(), &b);
    CPtrList& untyped = items;
    EXPECT_EQ(untyped.GetCount(), 1);
}

} // namespace
