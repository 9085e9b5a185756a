#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <thread>
#include <vector>

#include "core/NetworkIdentity.h"
#include "core/Utf8Text.h"

namespace {

std::atomic<int> g_calls{0};
int g_adapters = 0;
DWORD g_dwLookupMs = 0;

ULONG WINAPI FakeAdapters(PIP_ADAPTER_INFO info, PULONG size)
{
    ++g_calls;
    // A slow system call keeps the window open in which other threads ask as well.
    if (g_dwLookupMs) Sleep(g_dwLookupMs);
    if (g_adapters == 0) return ERROR_NO_DATA;
    if (!info || *size < sizeof(IP_ADAPTER_INFO)) {
        *size = sizeof(IP_ADAPTER_INFO);
        return ERROR_BUFFER_OVERFLOW;
    }
    memset(info, 0, sizeof *info);
    const BYTE address[6] = {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E};
    memcpy(info->Address, address, 6);
    info->AddressLength = 6;
    return ERROR_SUCCESS;
}

TEST(NetworkIdentity, TheMacAddressIsCachedOnlyOnceFound)
{
    PFN_GETADAPTERSINFO old = SetAdaptersInfoFunction(FakeAdapters);
    g_strMacAddress.Empty();
    g_calls = 0;
    g_adapters = 0;
    EXPECT_TRUE(GetMacAddress().IsEmpty());
    EXPECT_TRUE(GetMacAddress().IsEmpty());
    EXPECT_EQ(g_calls.load(), 2);

    g_adapters = 1;
    EXPECT_STREQ(GetMacAddress(), L"001A2B3C4D5E");
    int calls = g_calls;
    EXPECT_STREQ(GetMacAddress(), L"001A2B3C4D5E");
    EXPECT_EQ(g_calls.load(), calls);

    char* text = GetMacAddressA();
    EXPECT_STREQ(text, "001A2B3C4D5E");
    delete[] text;
    g_adapters = 0;
    text = GetMacAddressA();
    EXPECT_STREQ(text, "");
    delete[] text;

    SetAdaptersInfoFunction(old);
    g_strMacAddress.Empty();
}

// The user-interface thread and socket workers ask at the same time: one lookup, one answer.
TEST(NetworkIdentity, ConcurrentFirstCallsLookUpOnce)
{
    PFN_GETADAPTERSINFO old = SetAdaptersInfoFunction(FakeAdapters);
    g_strMacAddress.Empty();
    g_calls = 0;
    g_adapters = 1;
    g_dwLookupMs = 20;
    HANDLE hGo = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::vector<std::wstring> answers(8);
    std::vector<std::thread> threads;
    for (size_t i = 0; i < answers.size(); ++i)
        threads.emplace_back([&, i] {
            WaitForSingleObject(hGo, INFINITE);
            answers[i] = (LPCWSTR)GetMacAddress();
        });
    SetEvent(hGo);
    for (std::thread& t : threads) t.join();
    CloseHandle(hGo);
    for (const std::wstring& answer : answers) EXPECT_EQ(answer, L"001A2B3C4D5E");
    EXPECT_EQ(g_calls.load(), 2) << "one lookup: the size, then the list";
    g_dwLookupMs = 0;
    SetAdaptersInfoFunction(old);
    g_strMacAddress.Empty();
}

TEST(NetworkIdentity, LocalAddressIsDottedOrEmpty)
{
    WSADATA wsa;
    ASSERT_EQ(WSAStartup(MAKEWORD(2, 2), &wsa), 0);
    CString address = GetLocalIPAddress();
    if (!address.IsEmpty()) EXPECT_NE(inet_addr(CStringA(address)), INADDR_NONE);
    WSACleanup();
}

TEST(Utf8Text, DecodesUpToTheFirstZeroByte)
{
    EXPECT_STREQ(Utf8ToCString("\xED\x9A\x8C\xEC\x9D\x98"), L"\uD68C\uC758");
    EXPECT_STREQ(Utf8ToCString(std::string("ab\0cd", 5)), L"ab");
    EXPECT_TRUE(Utf8ToCString("").IsEmpty());
}

}  // namespace
