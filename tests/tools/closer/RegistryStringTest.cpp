#include "tools/closer/RegistryString.h"

#include "tests/tools/closer/CloserTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using closertest::CTempRegKey;

TEST(RegistryString, ReadsOnlyWellFormedTextValues)
{
    CTempRegKey key;
    const wchar_t kNoZero[] = {L'a', L'b'};
    const char kOdd[] = {'a', 0, 'b', 0, 0};
    DWORD dwNumber = 5;
    std::wstring longText(1100, L'x');   // 2202 bytes with its zero: more than the reader takes
    std::wstring fits(1023, L'y');       // 2048 bytes with its zero
    ASSERT_TRUE(key.SetString(L"Sz", L"C:\\Program Files\\ZEL"));
    ASSERT_TRUE(key.SetString(L"Expand", L"%ProgramFiles%\\ZEL", REG_EXPAND_SZ));
    ASSERT_TRUE(key.SetString(L"Empty", L""));
    ASSERT_TRUE(key.SetRaw(L"Dword", REG_DWORD, &dwNumber, sizeof dwNumber));
    ASSERT_TRUE(key.SetRaw(L"NoZero", REG_SZ, kNoZero, sizeof kNoZero));
    ASSERT_TRUE(key.SetRaw(L"Odd", REG_SZ, kOdd, sizeof kOdd));
    ASSERT_TRUE(key.SetString(L"Long", longText.c_str()));
    ASSERT_TRUE(key.SetString(L"Fits", fits.c_str()));

    struct SCase {
        const wchar_t* name;
        CString expected;
    } cases[] = {
        {L"Sz", L"C:\\Program Files\\ZEL"},
        {L"Expand", L"%ProgramFiles%\\ZEL"},
        {L"Empty", L""},
        {L"Dword", L""},
        {L"NoZero", L""},
        {L"Odd", L""},
        {L"Long", L""},
        {L"Fits", fits.c_str()},
        {L"Missing", L""},
    };
    for (const SCase& c : cases) EXPECT_EQ(ReadInstallationString(HKEY_LOCAL_MACHINE, key.Path(), c.name), c.expected) << c.name;
    EXPECT_EQ(ReadInstallationString(HKEY_LOCAL_MACHINE, key.Path() + L"\\NoSuchKey", L"Sz"), L"");
}

TEST(RegistryString, DeletesAValueOnce)
{
    CTempRegKey key;
    ASSERT_TRUE(key.SetString(L"Path", L"x"));
    EXPECT_TRUE(DeleteRegistryValue(HKEY_LOCAL_MACHINE, key.Path(), L"Path"));
    EXPECT_FALSE(key.HasValue(L"Path"));
    EXPECT_FALSE(DeleteRegistryValue(HKEY_LOCAL_MACHINE, key.Path(), L"Path"));
    EXPECT_FALSE(DeleteRegistryValue(HKEY_LOCAL_MACHINE, key.Path() + L"\\NoSuchKey", L"Path"));
}

}  // namespace
