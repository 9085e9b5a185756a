#include <gtest/gtest.h>

#include <windows.h>
#include <wininet.h>

#include "core/ByteOrder.h"
#include "core/FileHelpers.h"
#include "core/SystemHelpers.h"
#include "core/TextHelpers.h"
#include "tests/core/CoreTestHelpers.h"
#include "tests/support/MessageBoxRecorder.h"

namespace {

TEST(ByteOrder, SixtyFourBitValuesGoOutMostSignificantByteFirst)
{
    uint64_t net = HostToNetwork64(0x0102030405060708ull);
    const BYTE* bytes = reinterpret_cast<const BYTE*>(&net);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(bytes[i], i + 1);
    EXPECT_EQ(NetworkToHost64(net), 0x0102030405060708ull);
    EXPECT_EQ(NetworkToHost64(HostToNetwork64(0xFFFFFFFF00000001ull)), 0xFFFFFFFF00000001ull);
}

TEST(SystemHelpers, SystemErrorTextKeepsItsLineBreak)
{
    CString text = GetSystemErrorText(ERROR_FILE_NOT_FOUND);
    ASSERT_GE(text.GetLength(), 2);
    EXPECT_STREQ(text.Right(2), L"\r\n");
    EXPECT_TRUE(GetSystemErrorText(0x2FFFFFFF).IsEmpty());
}

DWORD g_stateFlags = 0;
BOOL g_stateResult = TRUE;
BOOL WINAPI FakeConnectedState(LPDWORD flags, DWORD) { *flags = g_stateFlags; return g_stateResult; }

TEST(SystemHelpers, TheOfflineFlagMeansNotConnected)
{
    PFN_CONNECTED_STATE old = SetConnectedStateFunction(FakeConnectedState);
    struct Case { DWORD flags; BOOL result; BOOL connected; };
    const Case cases[] = {
        {INTERNET_CONNECTION_LAN, TRUE, TRUE},
        {INTERNET_CONNECTION_LAN | INTERNET_CONNECTION_OFFLINE, TRUE, FALSE},
        {0, FALSE, FALSE},
    };
    for (const Case& c : cases) {
        g_stateFlags = c.flags;
        g_stateResult = c.result;
        EXPECT_EQ(IsInternetConnected(), c.connected) << c.flags;
        EXPECT_EQ(g_bInternetConnected, c.connected);
    }
    SetConnectedStateFunction(old);
}

TEST(SystemHelpers, ModuleFolderAndVersion)
{
    CString folder = GetModuleFolder();
    EXPECT_STREQ(folder.Right(1), L"\\");
    EXPECT_EQ(std::wstring(folder), coretest::HelperProgram(L""));
    // The test program carries no version resource.
    EXPECT_STREQ(GetProductVersion(nullptr), L"0.0.0.0");
    // A system library carries one.
    CString version = GetProductVersion(GetModuleHandleW(L"kernel32.dll"));
    EXPECT_STRNE(version, L"0.0.0.0");
    EXPECT_GE(version.Find(L'.'), 1) << zeltest::Narrow(std::wstring(version));
}

TEST(SystemHelpers, RunProgram)
{
    EXPECT_EQ(RunProgram(L"Z:\\no\\such\\program.exe", L"", FALSE), -1);
    // A program that ends at once (it crashes without leaving a dump): the wait returns.
    zeltest::TempDir dir;
    std::wstring args = L"unarmed \"" + dir.Path() + L"\"";
    EXPECT_EQ(RunProgram(coretest::HelperProgram(L"crash_child.exe").c_str(), args.c_str(), TRUE), 0);
}

TEST(SystemHelpers, MakeAppDataFolder)
{
    coretest::ScopedAppData appData(L"Dumps");
    CString folder = MakeAppDataFolder(appData.Company().c_str(), appData.Product().c_str());
    EXPECT_EQ(std::wstring(folder), appData.Folder());
    EXPECT_TRUE(FileExists(folder.Left(folder.GetLength() - 1), TRUE));

    zeltest::MessageBoxRecorder boxes;
    EXPECT_TRUE(MakeAppDataFolder(appData.Company().c_str(), L"bad|name").IsEmpty());
    EXPECT_EQ(boxes.LastText().rfind(L"Dumpfile CreateDirectories : ", 0), 0u) << zeltest::Narrow(boxes.LastText());
}

TEST(TextHelpers, IntToStringAndSplitByComma)
{
    EXPECT_STREQ(IntToString(-42), L"-42");
    struct Case { const wchar_t* text; std::vector<std::wstring> tokens; };
    const Case cases[] = {
        {L"a,,b,", {L"a", L"b"}}, {L"", {}}, {L",,,", {}}, {L"one", {L"one"}}, {L" x , y", {L" x ", L" y"}},
    };
    for (const Case& c : cases) {
        CStringArray tokens;
        tokens.Add(L"kept");
        SplitByComma(c.text, &tokens);
        ASSERT_EQ((size_t)tokens.GetSize(), c.tokens.size() + 1) << zeltest::Narrow(c.text);
        for (size_t i = 0; i < c.tokens.size(); ++i) EXPECT_EQ(std::wstring(tokens[(INT_PTR)i + 1]), c.tokens[i]);
    }
}

TEST(TextHelpers, TextModeBytesEndEveryLineWithCrLf)
{
    struct Case { std::string text, bytes; };
    const Case cases[] = {
        {"a\nb\n", "a\r\nb\r\n"}, {"", ""}, {"\n\n", "\r\n\r\n"}, {"no break", "no break"}, {"x\r\n", "x\r\r\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(ToTextModeBytes(c.text), c.bytes) << c.text;
}

TEST(TextHelpers, MakeTimeFromYmd)
{
    CTime t = MakeTimeFromYmd(L"20241227", L"15", L"04");
    EXPECT_EQ(t.GetYear(), 2024);
    EXPECT_EQ(t.GetMonth(), 12);
    EXPECT_EQ(t.GetDay(), 27);
    EXPECT_EQ(t.GetHour(), 15);
    EXPECT_EQ(t.GetMinute(), 4);
    EXPECT_EQ(t.GetSecond(), 0);
    struct Bad { const wchar_t* ymd; const wchar_t* hour; const wchar_t* minute; };
    const Bad bad[] = {
        {L"202412", L"10", L"00"}, {L"", L"10", L"00"}, {L"20241301", L"10", L"00"},
        {L"20240230", L"10", L"00"}, {L"20241227", L"24", L"00"}, {L"20241227", L"10", L"60"},
        {L"2024-12-27", L"10", L"00"}, {L"abcdefgh", L"1", L"1"},
    };
    for (const Bad& b : bad)
        EXPECT_EQ(MakeTimeFromYmd(b.ymd, b.hour, b.minute).GetTime(), -1) << zeltest::Narrow(b.ymd);
    EXPECT_EQ(MakeTimeFromYmd(L"20240229", L"", L"").GetDay(), 29);
}

}  // namespace
