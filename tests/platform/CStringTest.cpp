#include "platform/CString.h"
#include "StringPrinting.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <unordered_set>
#include <vector>

namespace {

TEST(CStringTest, ConstructsFromEitherWidthAndCounts)
{
    EXPECT_EQ(CString(), L"");
    EXPECT_EQ(CString(L"abc"), L"abc");
    EXPECT_EQ(CString("abc"), L"abc");
    EXPECT_EQ(CStringA(L"abc"), "abc");
    EXPECT_EQ(CString(L"abcdef", 3), L"abc");
    EXPECT_EQ(CString(L'x', 3), L"xxx");
    EXPECT_EQ(CString(static_cast<const wchar_t*>(nullptr)), L"");
    EXPECT_EQ(CString(CStringA("mixed")), L"mixed");
    CString s = L"a";
    s += "b";
    s += L'c';
    s += CString(L"d");
    EXPECT_EQ(s, L"abcd");
    EXPECT_EQ(s.GetLength(), 4);
    EXPECT_FALSE(s.IsEmpty());
    s.Empty();
    EXPECT_TRUE(s.IsEmpty());
}

TEST(CStringTest, ConcatenationAndComparisonOperators)
{
    CString a = L"abc";
    EXPECT_EQ(a + L"d", L"abcd");
    EXPECT_EQ(L"0" + a, L"0abc");
    EXPECT_EQ(a + L'!', L"abc!");
    EXPECT_EQ(L'<' + a, L"<abc");
    EXPECT_EQ(a + a, L"abcabc");
    EXPECT_TRUE(a == L"abc");
    EXPECT_TRUE(L"abc" == a);
    EXPECT_TRUE(a != L"abd");
    EXPECT_TRUE(a < L"abd");
    EXPECT_TRUE(CString(L"ab") < a);
    EXPECT_TRUE(a > L"ab");
    EXPECT_TRUE(a <= CString(L"abc"));
    EXPECT_TRUE(a >= L"abc");
    const wchar_t* raw = a;
    EXPECT_STREQ(raw, L"abc");
    EXPECT_STREQ(a.GetString(), L"abc");
}

TEST(CStringTest, IndexingChecksItsRange)
{
    CString s = L"abc";
    EXPECT_EQ(s[0], L'a');
    EXPECT_EQ(s.GetAt(2), L'c');
    EXPECT_EQ(s.GetAt(3), L'\0');  // the terminator may be read
    EXPECT_THROW(s.GetAt(4), std::out_of_range);
    EXPECT_THROW(s.GetAt(-1), std::out_of_range);
    s.SetAt(1, L'X');
    EXPECT_EQ(s, L"aXc");
    EXPECT_THROW(s.SetAt(3, L'x'), std::out_of_range);
}

struct ExtractCase {
    const wchar_t* text;
    int first;
    int count;  // -1: the one-argument Mid
    const wchar_t* mid;
};

TEST(CStringTest, MidClampsOutOfRangeArguments)
{
    const ExtractCase cases[] = {
        { L"abcdef", 2, 2, L"cd" },  { L"abcdef", 2, -1, L"cdef" }, { L"abcdef", 0, 100, L"abcdef" },
        { L"abcdef", -3, 2, L"ab" }, { L"abcdef", 6, -1, L"" },     { L"abcdef", 7, 2, L"" },
        { L"abcdef", 4, 0, L"" },    { L"", 0, 1, L"" },
    };
    for (const auto& c : cases) {
        CString s = c.text;
        CString got = c.count < 0 ? s.Mid(c.first) : s.Mid(c.first, c.count);
        EXPECT_EQ(got, c.mid) << c.text << " " << c.first << " " << c.count;
    }
}

TEST(CStringTest, LeftAndRightClamp)
{
    CString s = L"abcdef";
    const std::vector<std::tuple<int, const wchar_t*, const wchar_t*>> cases = {
        { 0, L"", L"" }, { 2, L"ab", L"ef" }, { 6, L"abcdef", L"abcdef" }, { 9, L"abcdef", L"abcdef" }, { -1, L"", L"" },
    };
    for (const auto& [n, left, right] : cases) {
        EXPECT_EQ(s.Left(n), left) << n;
        EXPECT_EQ(s.Right(n), right) << n;
    }
}

TEST(CStringTest, FindHandlesStartsAndEmptyNeedles)
{
    CString s = L"abcabc";
    struct { const wchar_t* needle; int start; int expected; } cases[] = {
        { L"bc", 0, 1 }, { L"bc", 2, 4 }, { L"bc", 5, -1 }, { L"x", 0, -1 },
        { L"", 0, 0 },   { L"", 3, 3 },   { L"", 6, 6 },    { L"", 7, -1 },
        { L"abc", -1, -1 }, { L"abcabcx", 0, -1 },
    };
    for (const auto& c : cases)
        EXPECT_EQ(s.Find(c.needle, c.start), c.expected) << c.needle << " from " << c.start;
    EXPECT_EQ(s.Find(L'c'), 2);
    EXPECT_EQ(s.Find(L'c', 3), 5);
    EXPECT_EQ(s.Find(L'c', 6), -1);
    EXPECT_EQ(s.ReverseFind(L'a'), 3);
    EXPECT_EQ(s.ReverseFind(L'z'), -1);
    EXPECT_EQ(s.FindOneOf(L"xc"), 2);
    EXPECT_EQ(s.FindOneOf(L"xyz"), -1);
    EXPECT_EQ(s.FindOneOf(L""), -1);
}

TEST(CStringTest, ReplaceCountsNonOverlappingMatchesLeftToRight)
{
    struct { const wchar_t* text; const wchar_t* from; const wchar_t* to; int count; const wchar_t* result; } cases[] = {
        { L"aaa", L"aa", L"b", 1, L"ba" },
        { L"aaaa", L"aa", L"b", 2, L"bb" },
        { L"abab", L"ab", L"", 2, L"" },
        { L"abc", L"", L"x", 0, L"abc" },
        { L"abc", L"abcd", L"x", 0, L"abc" },
        { L"a.b.c", L".", L"::", 2, L"a::b::c" },
        { L"xx", L"x", L"xx", 2, L"xxxx" },
        { L"", L"a", L"b", 0, L"" },
    };
    for (const auto& c : cases) {
        CString s = c.text;
        EXPECT_EQ(s.Replace(c.from, c.to), c.count) << c.text << " " << c.from;
        EXPECT_EQ(s, c.result) << c.text << " " << c.from;
    }
    CString s = L"a-b-c";
    EXPECT_EQ(s.Replace(L'-', L'+'), 2);
    EXPECT_EQ(s, L"a+b+c");
    EXPECT_EQ(s.Replace(L'+', L'+'), 0);
    CString n = L"x";
    EXPECT_EQ(n.Replace(L"x", nullptr), 1);
    EXPECT_EQ(n, L"");
}

TEST(CStringTest, RemoveInsertDeleteReturnCountsAndLengths)
{
    CString s = L"a-b--c";
    EXPECT_EQ(s.Remove(L'-'), 3);
    EXPECT_EQ(s, L"abc");
    EXPECT_EQ(s.Insert(1, L"XY"), 5);
    EXPECT_EQ(s, L"aXYbc");
    EXPECT_EQ(s.Insert(99, L'!'), 6);  // past the end appends
    EXPECT_EQ(s.Insert(-5, L'^'), 7);  // before the start prepends
    EXPECT_EQ(s, L"^aXYbc!");
    EXPECT_EQ(s.Delete(1, 3), 4);
    EXPECT_EQ(s, L"^bc!");
    EXPECT_EQ(s.Delete(2, 99), 2);
    EXPECT_EQ(s, L"^b");
    EXPECT_EQ(s.Delete(5), 2);
    EXPECT_EQ(s.Delete(0, -1), 2);
    EXPECT_EQ(s.Delete(0), 1);
    EXPECT_EQ(s, L"b");
}

TEST(CStringTest, TrimVariants)
{
    struct { const wchar_t* text; int kind; const wchar_t* result; } cases[] = {
        { L" \t a b \r\n", 0, L"a b" },   { L" \t a b \r\n", 1, L"a b \r\n" }, { L" \t a b \r\n", 2, L" \t a b" },
        { L"xxaxx", 3, L"a" },            { L"xyaxy", 4, L"a" },             { L"xyaxy", 5, L"axy" },
        { L"xyaxy", 6, L"xya" },          { L"   ", 0, L"" },                { L"", 0, L"" },
    };
    for (const auto& c : cases) {
        CString s = c.text;
        switch (c.kind) {
        case 0: s.Trim(); break;
        case 1: s.TrimLeft(); break;
        case 2: s.TrimRight(); break;
        case 3: s.Trim(L'x'); break;
        case 4: s.Trim(L"yx"); break;
        case 5: s.TrimLeft(L"yx"); break;
        case 6: s.TrimRight(L"yx"); break;
        }
        EXPECT_EQ(s, c.result) << c.text << " kind " << c.kind;
    }
}

std::vector<CString> TokensOf(const CString& s, const wchar_t* delimiters)
{
    std::vector<CString> out;
    int pos = 0;
    for (CString tok = s.Tokenize(delimiters, pos); pos != -1; tok = s.Tokenize(delimiters, pos)) {
        out.push_back(tok);
        if (out.size() > 100)
            break;
    }
    return out;
}

TEST(CStringTest, TokenizeSkipsEmptyTokensAndEnds)
{
    struct { const wchar_t* text; const wchar_t* delimiters; std::vector<CString> tokens; } cases[] = {
        { L"a,b,c", L",", { L"a", L"b", L"c" } },
        { L",,a,,b,", L",", { L"a", L"b" } },
        { L"a;b c", L"; ", { L"a", L"b", L"c" } },
        { L",,,", L",", {} },
        { L"", L",", {} },
        { L"abc", L",", { L"abc" } },
        { L"abc", L"", { L"abc" } },  // no delimiters: the rest is one token, then the end
    };
    for (const auto& c : cases)
        EXPECT_EQ(TokensOf(c.text, c.delimiters), c.tokens) << c.text << " by '" << c.delimiters << "'";
}

TEST(CStringTest, TokenizePositionAfterEachToken)
{
    CString s = L"ab,,cd";
    int pos = 0;
    EXPECT_EQ(s.Tokenize(L",", pos), L"ab");
    EXPECT_EQ(pos, 3);
    EXPECT_EQ(s.Tokenize(L",", pos), L"cd");
    EXPECT_EQ(pos, 7);
    EXPECT_EQ(s.Tokenize(L",", pos), L"");
    EXPECT_EQ(pos, -1);
    pos = -4;
    EXPECT_EQ(s.Tokenize(L",", pos), L"");
    EXPECT_EQ(pos, -1);
}

TEST(CStringTest, SpanIncludingAndExcluding)
{
    CString s = L"123abc456";
    EXPECT_EQ(s.SpanIncluding(L"0123456789"), L"123");
    EXPECT_EQ(s.SpanIncluding(L"abc"), L"");
    EXPECT_EQ(s.SpanExcluding(L"cb"), L"123a");
    EXPECT_EQ(s.SpanExcluding(L"xyz"), L"123abc456");
}

TEST(CStringTest, CaseAndReverse)
{
    CString s = L"Hello World \u00C4\u00E4";
    EXPECT_EQ(CString(s).MakeLower(), L"hello world \u00E4\u00E4");
    EXPECT_EQ(CString(s).MakeUpper(), L"HELLO WORLD \u00C4\u00C4");
    EXPECT_EQ(CString(L"abc").MakeReverse(), L"cba");
    // Narrow strings often hold UTF-8: only ASCII letters change.
    CStringA utf8 = "A\xC3\x84z";
    EXPECT_EQ(CStringA(utf8).MakeLower(), "a\xC3\x84z");
    EXPECT_EQ(CStringA(utf8).MakeUpper(), "A\xC3\x84Z");
}

TEST(CStringTest, ComparisonsAreOrdinalWithLowerCaseFolding)
{
    struct { const wchar_t* a; const wchar_t* b; int cmp; int noCase; } cases[] = {
        { L"abc", L"abc", 0, 0 },   { L"abc", L"ABC", 1, 0 },  { L"ab", L"abc", -1, -1 },
        { L"b", L"A", 1, 1 },       { L"_", L"a", -1, -1 },    { L"_", L"A", 1, -1 },
        { L"\u00E9", L"z", 1, 1 },  { L"", L"", 0, 0 },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CString(c.a).Compare(c.b), c.cmp) << c.a << " vs " << c.b;
        EXPECT_EQ(CString(c.a).CompareNoCase(c.b), c.noCase) << c.a << " vs " << c.b;
    }
    EXPECT_EQ(CStringA("\xE9").Compare("z"), 1);
    EXPECT_EQ(CString(L"a").Collate(L"a"), 0);
    EXPECT_LT(CString(L"a").Collate(L"b"), 0);
    EXPECT_EQ(CString(L"a").CollateNoCase(L"A"), 0);
}

TEST(CStringTest, BufferAccessFixesTheLengthOnRelease)
{
    CString s = L"abc";
    wchar_t* p = s.GetBuffer(10);
    wcscpy(p, L"0123456");
    s.ReleaseBuffer();
    EXPECT_EQ(s, L"0123456");
    EXPECT_EQ(s.GetLength(), 7);

    p = s.GetBuffer(3);  // smaller than the text: the text stays
    EXPECT_STREQ(p, L"0123456");
    s.ReleaseBuffer(2);
    EXPECT_EQ(s, L"01");

    p = s.GetBufferSetLength(4);
    p[2] = L'x';
    p[3] = L'y';
    s.ReleaseBuffer(-1);
    EXPECT_EQ(s, L"01xy");

    // An API that fills the buffer completely without a terminator keeps all it wrote.
    p = s.GetBufferSetLength(3);
    p[0] = L'a'; p[1] = L'b'; p[2] = L'c';
    s.ReleaseBuffer();
    EXPECT_EQ(s, L"abc");

    s.Truncate(1);
    EXPECT_EQ(s, L"a");
}

TEST(CStringTest, WorksAsOrderedAndHashedKey)
{
    std::map<CString, int> ordered{ { L"b", 2 }, { L"a", 1 } };
    EXPECT_EQ(ordered.begin()->first, L"a");
    EXPECT_EQ(ordered[L"b"], 2);
    std::unordered_set<CString> hashed{ L"x", L"y", CString(L"x") };
    EXPECT_EQ(hashed.size(), 2u);
    EXPECT_EQ(hashed.count(L"y"), 1u);
}

TEST(CStringTest, AllocSysStringCopiesTheText)
{
    BSTR b = CString(L"bstr").AllocSysString();
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(SysStringLen(b), 4u);
    EXPECT_STREQ(b, L"bstr");
    SysFreeString(b);
}

} // namespace
