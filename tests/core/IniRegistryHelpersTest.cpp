#include <gtest/gtest.h>

#include "core/IniFileHelpers.h"
#include "core/RegistryHelpers.h"
#include "tests/core/CoreTestHelpers.h"

namespace {

TEST(IniFileHelpers, IntegersKeepTheirValueWhenMissingAndReadZeroWhenNotNumbers)
{
    zeltest::TempDir dir;
    std::wstring file = dir.File(L"t.ini");
    zeltest::WriteFileBytes(file, "[S]\r\nText=abc\r\nNum=42\r\nNeg=-7x\r\n");
    struct Case { const wchar_t* key; int before; int after; };
    const Case cases[] = {{L"missing", 5, 5}, {L"text", 5, 0}, {L"NUM", 5, 42}, {L"neg", 0, -7}};
    for (const Case& c : cases) {
        int value = c.before;
        ReadIniInt(L"S", c.key, value, file.c_str());
        EXPECT_EQ(value, c.after) << zeltest::Narrow(c.key);
    }
    int none = 9;
    ReadIniInt(L"S", L"Num", none, dir.File(L"absent.ini").c_str());
    EXPECT_EQ(none, 9);
}

TEST(IniFileHelpers, WritesKeysInLowerCase)
{
    zeltest::TempDir dir;
    std::wstring file = dir.File(L"w.ini");
    EXPECT_TRUE(WriteIniString(L"Sec", L"MixedCaseKey", L"v", file.c_str()));
    EXPECT_TRUE(WriteIniInt(L"Sec", L"Count", 12, file.c_str()));
    std::string text;
    zeltest::ReadFileBytes(file, text);
    EXPECT_NE(text.find("mixedcasekey=v"), std::string::npos) << text;
    EXPECT_NE(text.find("count=12"), std::string::npos) << text;
    CString value = L"default";
    EXPECT_EQ(ReadIniString(L"Sec", L"MIXEDCASEKEY", value, file.c_str()), 1u);
    EXPECT_STREQ(value, L"v");
    value = L"kept";
    ReadIniString(L"Sec", L"other", value, file.c_str());
    EXPECT_STREQ(value, L"kept");
}

TEST(IniFileHelpers, AHugeValueIsReadUpToTheBuffer)
{
    zeltest::TempDir dir;
    std::wstring file = dir.File(L"h.ini");
    zeltest::WriteFileBytes(file, "[S]\r\nbig=" + std::string(10000, 'z') + "\r\n");
    CString value;
    ReadIniString(L"S", L"big", value, file.c_str());
    EXPECT_GT(value.GetLength(), 1000);
    EXPECT_LT(value.GetLength(), 4096);
}

// A registry key of its own under the current user, removed at the end.
class Registry : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_key = L"Software\\ZELTest_" + std::to_wstring(GetCurrentProcessId()) + L"\\Registry";
        HKEY h = nullptr;
        RegCreateKeyExW(HKEY_CURRENT_USER, m_key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &h, nullptr);
        m_hKey = h;
    }
    void TearDown() override
    {
        RegCloseKey(m_hKey);
        RegDeleteTreeW(HKEY_CURRENT_USER, (L"Software\\ZELTest_" + std::to_wstring(GetCurrentProcessId())).c_str());
    }
    void SetRaw(const wchar_t* name, DWORD type, const void* data, DWORD cb)
    {
        RegSetValueExW(m_hKey, name, 0, type, (const BYTE*)data, cb);
    }
    std::wstring m_key;
    HKEY m_hKey = nullptr;
};

TEST_F(Registry, WrittenValuesReadBack)
{
    WriteRegistryDword(HKEY_CURRENT_USER, m_key.c_str(), L"saveId", 1);
    EXPECT_EQ(WriteRegistryString(HKEY_CURRENT_USER, m_key.c_str(), L"lastId", L"\uD64D\uAE38\uB3D9"), ERROR_SUCCESS);
    EXPECT_EQ(ReadRegistryDword(HKEY_CURRENT_USER, m_key.c_str(), L"saveId", 9), 1u);
    EXPECT_STREQ(ReadRegistryString(HKEY_CURRENT_USER, m_key.c_str(), L"lastId"), L"\uD64D\uAE38\uB3D9");
    std::wstring huge(100000, L'k');
    WriteRegistryString(HKEY_CURRENT_USER, m_key.c_str(), L"huge", huge.c_str());
    EXPECT_EQ(std::wstring(ReadRegistryString(HKEY_CURRENT_USER, m_key.c_str(), L"huge")), huge);
    EXPECT_EQ(WriteRegistryString(HKEY_CURRENT_USER, m_key.c_str(), L"empty", L""), ERROR_SUCCESS);
    EXPECT_TRUE(ReadRegistryString(HKEY_CURRENT_USER, m_key.c_str(), L"empty").IsEmpty());
}

TEST_F(Registry, MissingKeysAndValuesGiveTheirDefaults)
{
    std::wstring missing = m_key + L"\\Nothing";
    EXPECT_EQ(ReadRegistryDword(HKEY_CURRENT_USER, missing.c_str(), L"KeeperUse", 1), 1u);
    EXPECT_EQ(ReadRegistryDword(HKEY_CURRENT_USER, m_key.c_str(), L"KeeperUse", 1), 0u);
    EXPECT_TRUE(ReadRegistryString(HKEY_CURRENT_USER, missing.c_str(), L"key").IsEmpty());
    EXPECT_TRUE(ReadRegistryString(HKEY_CURRENT_USER, m_key.c_str(), L"key").IsEmpty());
}

TEST_F(Registry, ValuesOfTheWrongTypeOrLengthAreReadSafely)
{
    const wchar_t text[] = L"1234";
    const BYTE shortBytes[2] = {1, 2};
    const BYTE longBytes[8] = {1, 0, 0, 0, 2, 0, 0, 0};
    DWORD number = 77;
    SetRaw(L"textAsNumber", REG_SZ, text, sizeof text);
    SetRaw(L"twoBytes", REG_BINARY, shortBytes, sizeof shortBytes);
    SetRaw(L"eightBytes", REG_BINARY, longBytes, sizeof longBytes);
    SetRaw(L"numberAsText", REG_DWORD, &number, sizeof number);
    // Text without its terminator, and an odd byte count.
    SetRaw(L"unterminated", REG_SZ, L"abcd", 8);
    SetRaw(L"odd", REG_SZ, L"abc", 5);
    EXPECT_EQ(ReadRegistryDword(HKEY_CURRENT_USER, m_key.c_str(), L"textAsNumber", 5), 0u);
    EXPECT_EQ(ReadRegistryDword(HKEY_CURRENT_USER, m_key.c_str(), L"twoBytes", 5), 0u);
    EXPECT_EQ(ReadRegistryDword(HKEY_CURRENT_USER, m_key.c_str(), L"eightBytes", 5), 0u);
    EXPECT_TRUE(ReadRegistryString(HKEY_CURRENT_USER, m_key.c_str(), L"numberAsText").IsEmpty());
    EXPECT_STREQ(ReadRegistryString(HKEY_CURRENT_USER, m_key.c_str(), L"unterminated"), L"abcd");
    EXPECT_STREQ(ReadRegistryString(HKEY_CURRENT_USER, m_key.c_str(), L"odd"), L"ab");
}

}  // namespace
