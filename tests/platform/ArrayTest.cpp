#include "platform/Array.h"
#include "platform/TypedPtrArray.h"
#include "StringPrinting.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

template <class A>
std::vector<int> Items(const A& a)
{
    std::vector<int> out;
    for (INT_PTR i = 0; i < a.GetSize(); ++i)
        out.push_back(static_cast<int>(a[i]));
    return out;
}

TEST(ArrayTest, AddInsertRemoveKeepOrder)
{
    CUIntArray a;
    EXPECT_TRUE(a.IsEmpty());
    EXPECT_EQ(a.GetUpperBound(), -1);
    EXPECT_EQ(a.Add(1), 0);
    EXPECT_EQ(a.Add(4), 1);
    a.InsertAt(1, 2);
    a.InsertAt(2, 3);
    EXPECT_EQ(Items(a), (std::vector<int>{ 1, 2, 3, 4 }));
    a.InsertAt(0, 9, 2);
    EXPECT_EQ(Items(a), (std::vector<int>{ 9, 9, 1, 2, 3, 4 }));
    a.RemoveAt(0, 2);
    a.RemoveAt(3);
    EXPECT_EQ(Items(a), (std::vector<int>{ 1, 2, 3 }));
    EXPECT_EQ(a.GetCount(), 3);
    EXPECT_EQ(a.GetUpperBound(), 2);
    a.InsertAt(5, 7);  // past the end: zero-filled up to the index
    EXPECT_EQ(Items(a), (std::vector<int>{ 1, 2, 3, 0, 0, 7 }));
    a.RemoveAll();
    EXPECT_EQ(a.GetSize(), 0);
}

TEST(ArrayTest, SizeGrowAndElementAccess)
{
    CDWordArray a;
    a.SetSize(3);
    EXPECT_EQ(Items(a), (std::vector<int>{ 0, 0, 0 }));
    a.SetAtGrow(4, 5);
    EXPECT_EQ(Items(a), (std::vector<int>{ 0, 0, 0, 0, 5 }));
    a.ElementAt(0) = 8;
    a[1] = 9;
    a.SetAt(2, 10);
    EXPECT_EQ(a.GetAt(0), 8u);
    EXPECT_EQ(a.GetData()[1], 9u);
    a.SetSize(2);
    EXPECT_EQ(Items(a), (std::vector<int>{ 8, 9 }));
    a.SetAtGrow(3, a[0]);  // the source element lives in the array that grows
    EXPECT_EQ(Items(a), (std::vector<int>{ 8, 9, 0, 8 }));
}

TEST(ArrayTest, OutOfRangeThrowsInsteadOfCorrupting)
{
    CByteArray a;
    a.Add(1);
    EXPECT_THROW(a.GetAt(1), std::out_of_range);
    EXPECT_THROW(a[-1], std::out_of_range);
    EXPECT_THROW(a.SetAt(5, 1), std::out_of_range);
    EXPECT_THROW(a.RemoveAt(0, 2), std::out_of_range);
    EXPECT_THROW(a.InsertAt(-1, 1), std::out_of_range);
    EXPECT_EQ(a.GetSize(), 1);
}

TEST(ArrayTest, CopyAndAppendIncludingItself)
{
    CStringArray a, b;
    a.Add(L"x");
    a.Add(CString(L"y"));
    b.Copy(a);
    EXPECT_EQ(b.GetSize(), 2);
    EXPECT_EQ(b.Append(a), 2);
    EXPECT_EQ(b.Append(b), 4);
    ASSERT_EQ(b.GetSize(), 8);
    EXPECT_EQ(b[7], L"y");
    b.InsertAt(1, &a);
    EXPECT_EQ(b[1], L"x");
    EXPECT_EQ(b[2], L"y");
    EXPECT_EQ(b.GetSize(), 10);
    b[0] = L"changed";
    EXPECT_EQ(a[0], L"x");  // copies are independent
}

struct Shape {
    int id;
};

TEST(ArrayTest, TypedPointersAndStructs)
{
    Shape one{ 1 }, two{ 2 };
    CTypedPtrArray<CPtrArray, Shape*> shapes;
    shapes.Add(&one);
    shapes.Add(&two);
    EXPECT_EQ(shapes[1]->id, 2);
    EXPECT_EQ(shapes.GetAt(0), &one);
    shapes.ElementAt(0) = &two;
    EXPECT_EQ(shapes[0], &two);
    CPtrArray& untyped = shapes;
    EXPECT_EQ(untyped.GetAt(1), static_cast<void*>(&two));

    CArray<RECT> rects;
    rects.Add(RECT{ 1, 2, 3, 4 });
    EXPECT_EQ(rects[0].bottom, 4);
}

} // namespace
