// The application profile in the registry (the current user's key of the Wine prefix) and in
// an ini file.
#include "platform/Profile.h"
#include "platform/WinApp.h"

#include <gtest/gtest.h>

namespace {

class ProfileApp : public CWinApp {
public:
    ProfileApp() : CWinApp(L"ZelProfileTest") {}
};

class WinAppProfile : public ::testing::Test {
protected:
    void SetUp() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\ZelTestVendor"); }
    void TearDown() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\ZelTestVendor"); }
};

TEST_F(WinAppProfile, ValuesLiveUnderVendorAndProfileName)
{
    ProfileApp app;
    app.SetRegistryKey(L"ZelTestVendor");
    EXPECT_STREQ(app.m_pszProfileName, L"ZelProfileTest");
    EXPECT_TRUE(app.WriteProfileInt(L"Settings", L"ZELPort", 9443));
    EXPECT_TRUE(app.WriteProfileString(L"Settings", L"ZELAddress", L"10.0.0.7"));

    DWORD port = 0, size = sizeof(port);
    ASSERT_EQ(::RegGetValueW(HKEY_CURRENT_USER, L"Software\\ZelTestVendor\\ZelProfileTest\\Settings",
                             L"ZELPort", RRF_RT_REG_DWORD, nullptr, &port, &size), ERROR_SUCCESS);
    EXPECT_EQ(port, 9443u);
    EXPECT_EQ(app.GetProfileInt(L"Settings", L"ZELPort", 1), 9443u);
    EXPECT_STREQ(app.GetProfileString(L"Settings", L"ZELAddress"), L"10.0.0.7");
}

TEST_F(WinAppProfile, MissingValuesGiveTheDefaultWithoutCreatingKeys)
{
    ProfileApp app;
    app.SetRegistryKey(L"ZelTestVendor");
    EXPECT_EQ(app.GetProfileInt(L"Settings", L"absent", 77), 77u);
    EXPECT_STREQ(app.GetProfileString(L"Settings", L"absent", L"fallback"), L"fallback");
    EXPECT_STREQ(app.GetProfileString(L"Settings", L"absent"), L"");
    HKEY key = nullptr;
    EXPECT_NE(::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\ZelTestVendor", 0, KEY_READ, &key), ERROR_SUCCESS);
    // A value of the wrong type is no number.
    app.WriteProfileString(L"Settings", L"text", L"12");
    EXPECT_EQ(app.GetProfileInt(L"Settings", L"text", 5), 5u);
}

TEST_F(WinAppProfile, NullValueDeletesTheEntryAndNullEntryTheSection)
{
    ProfileApp app;
    app.SetRegistryKey(L"ZelTestVendor");
    app.WriteProfileString(L"Settings", L"a", L"1");
    app.WriteProfileString(L"Settings", L"b", L"2");
    EXPECT_TRUE(app.WriteProfileString(L"Settings", L"a", nullptr));
    EXPECT_STREQ(app.GetProfileString(L"Settings", L"a", L"gone"), L"gone");
    EXPECT_STREQ(app.GetProfileString(L"Settings", L"b"), L"2");
    EXPECT_TRUE(app.WriteProfileString(L"Settings", L"never there", nullptr));
    EXPECT_TRUE(app.WriteProfileString(L"Settings", nullptr, nullptr));
    EXPECT_STREQ(app.GetProfileString(L"Settings", L"b", L"gone"), L"gone");
}

TEST_F(WinAppProfile, BinaryValuesRoundTrip)
{
    ProfileApp app;
    app.SetRegistryKey(L"ZelTestVendor");
    BYTE data[] = { 0, 1, 2, 250 };
    EXPECT_TRUE(app.WriteProfileBinary(L"Window", L"rect", data, sizeof(data)));
    LPBYTE got = nullptr;
    UINT bytes = 0;
    ASSERT_TRUE(app.GetProfileBinary(L"Window", L"rect", &got, &bytes));
    ASSERT_EQ(bytes, sizeof(data));
    EXPECT_EQ(memcmp(got, data, bytes), 0);
    delete[] got;
    EXPECT_FALSE(app.GetProfileBinary(L"Window", L"absent", &got, &bytes));
    EXPECT_EQ(got, nullptr);
}

TEST_F(WinAppProfile, AnIniFileProfileWithoutAFileNameWritesNowhere)
{
    // No names at all: the system's own win.ini must stay untouched.
    zel::Profile none(nullptr, nullptr);
    EXPECT_FALSE(none.WriteProfileString(L"ZelProfileTest", L"entry", L"x"));
    EXPECT_FALSE(none.WriteProfileInt(L"ZelProfileTest", L"number", 3));
    EXPECT_STREQ(none.GetProfileString(L"ZelProfileTest", L"entry", L"fallback"), L"fallback");
    EXPECT_EQ(none.GetProfileInt(L"ZelProfileTest", L"number", 9), 9u);
    wchar_t text[8] = {};
    EXPECT_EQ(::GetProfileStringW(L"ZelProfileTest", L"entry", L"", text, 8), 0u);
}

TEST_F(WinAppProfile, AnIniFileProfileKeepsItsValuesInThatFile)
{
    wchar_t folder[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, folder);
    std::wstring file = std::wstring(folder) + L"ZelProfileTest.ini";
    ::DeleteFileW(file.c_str());
    zel::Profile ini(nullptr, file.c_str());
    EXPECT_TRUE(ini.WriteProfileInt(L"Window", L"left", -12));
    EXPECT_TRUE(ini.WriteProfileString(L"Window", L"title", L"Board"));
    EXPECT_EQ((int)ini.GetProfileInt(L"Window", L"left", 0), -12);
    EXPECT_STREQ(ini.GetProfileString(L"Window", L"title"), L"Board");
    // Binary values exist only in the registry.
    BYTE data[] = {1};
    EXPECT_FALSE(ini.WriteProfileBinary(L"Window", L"rect", data, 1));
    EXPECT_NE(::GetFileAttributesW(file.c_str()), INVALID_FILE_ATTRIBUTES);
    ::DeleteFileW(file.c_str());
}

}  // namespace
