#include "platform/Map.h"
#include "platform/TypedPtrMap.h"
#include "StringPrinting.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

namespace {

template <class M, class K, class V>
std::map<K, V> Walk(const M& map)
{
    std::map<K, V> seen;
    POSITION pos = map.GetStartPosition();
    while (pos) {
        K key{};
        V value{};
        map.GetNextAssoc(pos, key, value);
        EXPECT_TRUE(seen.emplace(key, value).second) << "key visited twice";
    }
    return seen;
}

TEST(MapTest, SetLookupRemove)
{
    CMap<int, int, CString, const CString&> map;
    map.InitHashTable(101);
    map.SetAt(1, L"one");
    map[2] = L"two";
    map.SetAt(1, L"uno");  // replaces
    EXPECT_EQ(map.GetCount(), 2);
    CString value;
    EXPECT_TRUE(map.Lookup(1, value));
    EXPECT_EQ(value, L"uno");
    EXPECT_FALSE(map.Lookup(3, value));
    EXPECT_EQ(value, L"uno");  // untouched on a miss
    EXPECT_TRUE(map.RemoveKey(1));
    EXPECT_FALSE(map.RemoveKey(1));
    EXPECT_EQ(map[5], L"");  // operator[] adds a default value
    EXPECT_EQ(map.GetCount(), 2);
    map.RemoveAll();
    EXPECT_TRUE(map.IsEmpty());
    EXPECT_EQ(map.GetStartPosition(), nullptr);
}

TEST(MapTest, StringKeysCompareByText)
{
    CMapStringToString map;
    wchar_t key[] = L"name";
    map.SetAt(key, L"first");
    CString lookup = L"na";
    lookup += L"me";  // another buffer, same text
    CString value;
    ASSERT_TRUE(map.Lookup(lookup, value));
    EXPECT_EQ(value, L"first");
    EXPECT_FALSE(map.Lookup(L"NAME", value));  // keys are case-sensitive

    CMapStringToPtr ptrs;
    int target = 0;
    ptrs[L"p"] = &target;
    void* found = nullptr;
    EXPECT_TRUE(ptrs.Lookup(L"p", found));
    EXPECT_EQ(found, &target);
    EXPECT_EQ(ptrs[L"missing"], nullptr);
}

TEST(MapTest, WalkVisitsEveryEntryOnce)
{
    CMapWordToPtr map;
    for (WORD k = 0; k < 200; ++k)
        map.SetAt(k, reinterpret_cast<void*>(static_cast<UINT_PTR>(k) + 1));
    auto seen = Walk<CMapWordToPtr, WORD, void*>(map);
    ASSERT_EQ(seen.size(), 200u);
    for (const auto& [k, v] : seen)
        EXPECT_EQ(v, reinterpret_cast<void*>(static_cast<UINT_PTR>(k) + 1));
}

TEST(MapTest, RemovingTheEntryJustReturnedDuringAWalk)
{
    CMap<int, int, int, int> map;
    for (int k = 0; k < 50; ++k)
        map[k] = k * 10;
    int visited = 0;
    POSITION pos = map.GetStartPosition();
    while (pos) {
        int key = 0, value = 0;
        map.GetNextAssoc(pos, key, value);
        ++visited;
        if (key % 3 != 0)
            map.RemoveKey(key);
    }
    EXPECT_EQ(visited, 50);
    EXPECT_EQ(map.GetCount(), 17);
    auto rest = Walk<CMap<int, int, int, int>, int, int>(map);
    for (const auto& [k, v] : rest) {
        EXPECT_EQ(k % 3, 0);
        EXPECT_EQ(v, k * 10);
    }
}

TEST(MapTest, NullPositionThrows)
{
    CMapPtrToPtr map;
    POSITION pos = nullptr;
    void* k = nullptr;
    void* v = nullptr;
    EXPECT_THROW(map.GetNextAssoc(pos, k, v), std::invalid_argument);
}

struct Meeting {
    int id;
};

TEST(MapTest, TypedPointerMaps)
{
    Meeting a{ 1 }, b{ 2 };
    CTypedPtrMap<CMapStringToPtr, CString, Meeting*> byName;
    byName.SetAt(L"a", &a);
    byName[L"b"] = &b;
    Meeting* found = nullptr;
    ASSERT_TRUE(byName.Lookup(L"b", found));
    EXPECT_EQ(found->id, 2);
    EXPECT_FALSE(byName.Lookup(L"c", found));
    EXPECT_TRUE(byName.RemoveKey(L"a"));
    auto seen = Walk<decltype(byName), CString, Meeting*>(byName);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen.begin()->first, L"b");
    EXPECT_EQ(seen.begin()->second, &b);

    CTypedPtrMap<CMapPtrToPtr, HWND, Meeting*> byWindow;
    HWND fake = reinterpret_cast<HWND>(static_cast<UINT_PTR>(0x1234));
    byWindow.SetAt(fake, &a);
    ASSERT_TRUE(byWindow.Lookup(fake, found));
    EXPECT_EQ(found, &a);
    auto windows = Walk<decltype(byWindow), HWND, Meeting*>(byWindow);
    EXPECT_EQ(windows.begin()->first, fake);
}

} // namespace
