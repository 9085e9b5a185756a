#include "platform/CString.h"
#include "platform/ResourceHandle.h"
#include "PlatformTestResources.h"
#include "StringPrinting.h"

#include <gtest/gtest.h>

#include <cstdarg>

namespace {

// The formats the system's own code uses, with the Microsoft meaning of %s in a wide format.
TEST(CStringFormatTest, WidePercentSMeansWideString)
{
    CString s;
    s.Format(L"%s", L"wide text");
    EXPECT_EQ(s, L"wide text");  // C99 printf would read the wide text as bytes and stop at "w"
    s.Format(L"%S", "narrow text");
    EXPECT_EQ(s, L"narrow text");
    s.Format(L"%hs|%ls", "h", L"l");
    EXPECT_EQ(s, L"h|l");
    CStringA a;
    a.Format("%s|%S", "narrow", L"wide");
    EXPECT_EQ(a, "narrow|wide");
}

TEST(CStringFormatTest, NumbersAndFlags)
{
    struct { CString got; const wchar_t* expected; } cases[] = {
        { [] { CString s; s.Format(L"%d", -42); return s; }(), L"-42" },
        { [] { CString s; s.Format(L"%I64d", static_cast<__int64>(1) << 40); return s; }(), L"1099511627776" },
        { [] { CString s; s.Format(L"%lld", -9000000000LL); return s; }(), L"-9000000000" },
        { [] { CString s; s.Format(L"%u", 4000000000u); return s; }(), L"4000000000" },
        { [] { CString s; s.Format(L"%g", 0.5); return s; }(), L"0.5" },
        { [] { CString s; s.Format(L"%g", 1234567.0); return s; }(), L"1.23457e+006" },
        { [] { CString s; s.Format(L"%.2f", 3.14159f); return s; }(), L"3.14" },
        { [] { CString s; s.Format(L"%02X", 10); return s; }(), L"0A" },
        { [] { CString s; s.Format(L"%02x%02x", 255, 1); return s; }(), L"ff01" },
        { [] { CString s; s.Format(L"%5d|%-5d|", 7, 7); return s; }(), L"    7|7    |" },
        { [] { CString s; s.Format(L"100%%"); return s; }(), L"100%" },
        { [] { CString s; s.Format(L"%c%c", L'O', L'K'); return s; }(), L"OK" },
        { [] { CString s; s.Format(L"%s=%d", CString(L"key"), 5); return s; }(), L"key=5" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.got, c.expected);
}

TEST(CStringFormatTest, CStringArgumentsPassTheirText)
{
    CString name = L"\uD68C\uC758";  // Korean text stays intact
    CString s;
    s.Format(L"[%s] [%s]", name, CString(L"tmp") + L"2");
    EXPECT_EQ(s, L"[\uD68C\uC758] [tmp2]");
    CStringA narrow = "bytes";
    s.Format(L"%S", narrow);
    EXPECT_EQ(s, L"bytes");
    s.Format(name);  // a CString as the format itself
    EXPECT_EQ(s, name);
}

TEST(CStringFormatTest, AppendFormatKeepsWhatIsThere)
{
    CString s = L"a";
    s.AppendFormat(L"-%d", 1);
    s.AppendFormat(L"-%s", L"b");
    EXPECT_EQ(s, L"a-1-b");
    s.Format(L"%d", 9);  // Format replaces
    EXPECT_EQ(s, L"9");
}

TEST(CStringFormatTest, LongOutputIsNotCut)
{
    CString big(L'x', 5000);
    CString s;
    s.Format(L"<%s>", big.GetString());
    EXPECT_EQ(s.GetLength(), 5002);
    EXPECT_EQ(s.Right(2), L"x>");
}

void FormatThroughVaList(CString& out, const wchar_t* fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    out.FormatV(fmt, args);
    va_end(args);
}

TEST(CStringFormatTest, FormatVTakesAVaList)
{
    CString s = L"old";
    FormatThroughVaList(s, L"%s/%d", L"v", 3);
    EXPECT_EQ(s, L"v/3");
    FormatThroughVaList(s, L"");
    EXPECT_EQ(s, L"");
}

TEST(CStringFormatTest, FormatFromAStringResource)
{
    CString s;
    s.Format(IDS_TEST_FORMAT, 7, L"seven");
    EXPECT_EQ(s, L"[7|seven]");
}

TEST(CStringLoadTest, LoadsFromTheResourceHandle)
{
    CString s;
    EXPECT_TRUE(s.LoadString(IDS_TEST_PLAIN));
    EXPECT_EQ(s, L"Plain text");
    EXPECT_TRUE(s.LoadString(IDS_TEST_KOREAN));
    EXPECT_EQ(s, L"\uD68C\uC758 \uBAA9\uB85D");
    EXPECT_TRUE(s.LoadString(IDS_TEST_LONG));
    EXPECT_EQ(s.GetLength(), 780);  // longer than the usual fixed buffers
    EXPECT_EQ(s.Left(13), L"000-abcdefgh;");
    EXPECT_EQ(s.Right(13), L"059-abcdefgh;");

    s = L"kept";
    EXPECT_FALSE(s.LoadString(IDS_TEST_MISSING));
    EXPECT_EQ(s, L"kept");

    EXPECT_EQ(CString(MAKEINTRESOURCEW(IDS_TEST_PLAIN)), L"Plain text");
    CStringA a;
    EXPECT_TRUE(a.LoadString(IDS_TEST_PLAIN));
    EXPECT_EQ(a, "Plain text");
}

TEST(CStringLoadTest, FollowsAnotherResourceHandle)
{
    HINSTANCE own = AfxGetResourceHandle();
    EXPECT_EQ(own, GetModuleHandleW(nullptr));
    AfxSetResourceHandle(GetModuleHandleW(L"kernel32.dll"));
    CString s;
    EXPECT_FALSE(s.LoadString(IDS_TEST_PLAIN));
    AfxSetResourceHandle(nullptr);
    EXPECT_EQ(AfxGetResourceHandle(), own);
    EXPECT_TRUE(s.LoadString(IDS_TEST_PLAIN));
}

} // namespace
