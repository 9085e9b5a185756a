#include <gtest/gtest.h>

#include "core/AppProfile.h"
#include "core/LoginManager.h"
#include "core/MyLogFile.h"
#include "core/RegistryHelpers.h"
#include "core/SettingManager.h"
#include "platform/WinApp.h"
#include "tests/core/CoreTestHelpers.h"

namespace {

// A settings store on an application-data folder and a registry profile of its own.
class Settings : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(g_ApplicationLog.InitAppData(m_appData.Company().c_str(), m_appData.Product().c_str()));
        CAppProfile::SetRegistryKey(m_appData.Company().c_str(), L"Brindlecast");
        CSettingManager::DestroyInstance();
    }
    void TearDown() override
    {
        CSettingManager::DestroyInstance();
        CLoginManager::DestroyInstance();
        CAppProfile::SetRegistryKey(nullptr, nullptr);
        RegDeleteTreeW(HKEY_CURRENT_USER, (L"Software\\" + m_appData.Company()).c_str());
    }
    std::wstring IniPath() const { return m_appData.Folder() + L"setting.ini"; }
    std::string IniText() const { std::string s; zeltest::ReadFileBytes(IniPath(), s); return s; }
    CSettingManager* Store() { return CSettingManager::GetInstance(); }
    coretest::ScopedAppData m_appData;
};

TEST_F(Settings, WithoutAFileTheDefaultsStayAndNothingIsCreated)
{
    EXPECT_EQ(Store()->Load(), 1);
    EXPECT_EQ(std::wstring(Store()->GetSettingIniPath()), IniPath());
    EXPECT_EQ(Store()->GetZELPort(), 16302);
    EXPECT_EQ(Store()->GetTPCPort(), 16301);
    EXPECT_EQ(Store()->GetTMSPort(), 16304);
    EXPECT_STREQ(Store()->GetZELAddress(), CSettingManager::DEFAULT_SERVER_ADDRESS);
    EXPECT_STREQ(Store()->GetTPCAddress(), CSettingManager::DEFAULT_SERVER_ADDRESS);
    EXPECT_STREQ(Store()->GetTMSAddress(), CSettingManager::DEFAULT_SERVER_ADDRESS);
    EXPECT_TRUE(Store()->GetTVTAddress().IsEmpty());
    EXPECT_EQ(Store()->GetTVTPort(), 0);
    EXPECT_TRUE(Store()->GetTDSAddress().IsEmpty());
    EXPECT_EQ(Store()->m_bUsePen, 0);
    EXPECT_EQ(Store()->m_nCloseAlarm, 0);
    EXPECT_EQ(Store()->m_nTouchSensitive, 5);
    EXPECT_EQ(Store()->m_nTouchTrembling, 3);
    EXPECT_EQ(GetFileAttributesW(IniPath().c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(Settings, ReadsTheFileWithKeysInAnyCase)
{
    zeltest::WriteFileBytes(IniPath(),
                            "[ZEL]\r\nip=10.0.0.5\r\nport=abc\r\n[TPC]\r\nIP=10.0.0.6\r\nPort=7001\r\n"
                            "[OPT]\r\nm_bUsePen=1\r\nm_nclosealarm=15\r\nm_nTouchSensitive=\r\n");
    Store()->Load();
    EXPECT_STREQ(Store()->GetZELAddress(), L"10.0.0.5");
    // A port that is not a number reads as 0.
    EXPECT_EQ(Store()->GetZELPort(), 0);
    EXPECT_STREQ(Store()->GetTPCAddress(), L"10.0.0.6");
    EXPECT_EQ(Store()->GetTPCPort(), 7001);
    EXPECT_EQ(Store()->GetTMSPort(), 16304);
    EXPECT_EQ(Store()->m_bUsePen, 1);
    EXPECT_EQ(Store()->m_nCloseAlarm, 15);
    EXPECT_EQ(Store()->m_nTouchSensitive, 0);
    EXPECT_EQ(Store()->m_nTouchTrembling, 3);
}

TEST_F(Settings, PageImageWheelStepAndCertificateSwitch)
{
    struct Case {
        const char* ini;
        int scroll, ignore;
    } cases[] = {
        {"", 100, 1},                                                   // defaults: as the servers expect
        {"[MYSTATE]\r\nscroll=40\r\n[OPT]\r\nm_bIgnoreImageCertErrors=0\r\n", 40, 0},
        {"[MYSTATE]\r\nscroll=9\r\n", 100, 1},                          // too small a step
        {"[OPT]\r\nm_bIgnoreImageCertErrors=1\r\n", 100, 1},
    };
    for (const Case& c : cases) {
        CSettingManager::DestroyInstance();
        zeltest::WriteFileBytes(IniPath(), c.ini);
        Store()->Load();
        EXPECT_EQ(Store()->GetWheelScroll(), c.scroll) << c.ini;
        EXPECT_EQ(Store()->GetIgnoreImageCertErrors(), c.ignore) << c.ini;
    }
}

TEST_F(Settings, OptionsAreWrittenAtOnceAndServersOnSave)
{
    Store()->Load();
    Store()->SetCloseAlarm(10);
    EXPECT_NE(IniText().find("[OPT]"), std::string::npos);
    EXPECT_NE(IniText().find("m_nclosealarm=10"), std::string::npos) << IniText();
    Store()->SetUsePen(1);
    Store()->SetTouchSensitive(7);
    Store()->SetTouchTrembling(2);
    Store()->SetZELAddress(L"192.168.0.9");
    Store()->SetZELPort(17000);
    // Setters of server values write nothing by themselves.
    EXPECT_EQ(IniText().find("192.168.0.9"), std::string::npos);
    Store()->SaveToIni();
    std::string text = IniText();
    for (const char* expected : {"[ZEL]", "ip=192.168.0.9", "port=17000", "[TPC]", "[TMS]", "port=16304",
                                 "m_busepen=1", "m_ntouchsensitive=7", "m_ntouchtrembling=2"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;

    CSettingManager::DestroyInstance();
    Store()->Load();
    EXPECT_STREQ(Store()->GetZELAddress(), L"192.168.0.9");
    EXPECT_EQ(Store()->GetZELPort(), 17000);
    EXPECT_EQ(Store()->m_nCloseAlarm, 10);
    EXPECT_EQ(Store()->m_nTouchSensitive, 7);
}

TEST_F(Settings, SaveToRegistryWritesTheProfileValues)
{
    Store()->Load();
    Store()->SetTMSAddress(L"files.example");
    Store()->SetTMSPort(8443);
    Store()->SaveToRegistry();
    std::wstring key = L"Software\\" + m_appData.Company() + L"\\Brindlecast\\Settings";
    EXPECT_STREQ(ReadRegistryString(HKEY_CURRENT_USER, key.c_str(), L"TMSAddress"), L"files.example");
    EXPECT_STREQ(ReadRegistryString(HKEY_CURRENT_USER, key.c_str(), L"ZELAddress"), CSettingManager::DEFAULT_SERVER_ADDRESS);
    EXPECT_EQ(ReadRegistryDword(HKEY_CURRENT_USER, key.c_str(), L"TMSPort", 0), 8443u);
    EXPECT_EQ(ReadRegistryDword(HKEY_CURRENT_USER, key.c_str(), L"ZELPort", 0), 16302u);
    EXPECT_EQ(ReadRegistryDword(HKEY_CURRENT_USER, key.c_str(), L"TPCPort", 0), 16301u);
}

TEST_F(Settings, WithAnApplicationObjectSaveToRegistryUsesItsProfile)
{
    const std::wstring appVendor = m_appData.Company() + L"App";
    {
        CWinApp app(L"Brindlecast");
        app.SetRegistryKey(appVendor.c_str());
        Store()->Load();
        Store()->SetZELPort(17001);
        Store()->SaveToRegistry();
    }
    std::wstring appKey = L"Software\\" + appVendor + L"\\Brindlecast\\Settings";
    std::wstring standInKey = L"Software\\" + m_appData.Company() + L"\\Brindlecast\\Settings";
    EXPECT_EQ(ReadRegistryDword(HKEY_CURRENT_USER, appKey.c_str(), L"ZELPort", 0), 17001u);
    EXPECT_STREQ(ReadRegistryString(HKEY_CURRENT_USER, appKey.c_str(), L"TPCAddress"), CSettingManager::DEFAULT_SERVER_ADDRESS);
    EXPECT_EQ(ReadRegistryDword(HKEY_CURRENT_USER, standInKey.c_str(), L"ZELPort", 0), 0u);
    RegDeleteTreeW(HKEY_CURRENT_USER, (L"Software\\" + appVendor).c_str());
}

TEST_F(Settings, WithoutAProfileNothingIsWritten)
{
    CAppProfile::SetRegistryKey(nullptr, nullptr);
    EXPECT_FALSE(CAppProfile::WriteInt(L"Settings", L"ZELPort", 1));
    EXPECT_FALSE(CAppProfile::WriteString(L"Settings", L"ZELAddress", L"x"));
    HKEY key = nullptr;
    EXPECT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, (L"Software\\" + m_appData.Company()).c_str(), 0, KEY_READ, &key),
              ERROR_SUCCESS);
}

TEST_F(Settings, EachLoggedInUserGetsHisOwnOptIniWithItsFolder)
{
    Store()->Load();
    struct Case { const char* userId; const wchar_t* folder; };
    const Case cases[] = {{"1001", L"1001"}, {"2002", L"2002"}, {"..\\evil", L".._evil"}};
    for (const Case& c : cases) {
        CLoginManager::GetInstance()->SetUserId(c.userId);
        std::wstring expected = m_appData.Folder() + c.folder + L"\\opt.ini";
        EXPECT_EQ(std::wstring(Store()->GetOptIniPath()), expected);
        EXPECT_TRUE(CMyLogFile::PathExists((m_appData.Folder() + c.folder).c_str(), TRUE));
        // The drawing tools can keep their colours there.
        EXPECT_TRUE(WritePrivateProfileStringW(L"DrawToolMain", L"m_clrpen", L"255", expected.c_str()));
    }
    EXPECT_EQ(std::wstring(Store()->GetMainRectIniPath()), m_appData.Folder() + L"MainRect.ini");
}

TEST(IniHelper, WorksOnItsOwnFileAndKeepsKeysAsGiven)
{
    zeltest::TempDir dir;
    std::wstring path = dir.File(L"helper.ini");
    CIniHelper ini(path.c_str());
    EXPECT_EQ(ini.GetInt(L"S", L"Count", 7), 7u);
    EXPECT_EQ(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(ini.WriteInt(L"S", L"Count", 42));
    EXPECT_TRUE(ini.WriteString(L"S", L"Name", L"value"));
    // The platform answers a flush with FALSE whether it flushed or not.
    ini.Flush();
    EXPECT_EQ(ini.GetInt(L"S", L"count", 0), 42u);
    wchar_t buffer[16];
    EXPECT_EQ(ini.GetString(L"S", L"Name", L"", buffer, 16), 5u);
    EXPECT_STREQ(buffer, L"value");
    std::string text;
    zeltest::ReadFileBytes(path, text);
    EXPECT_NE(text.find("Count=42"), std::string::npos) << text;

    CIniHelper empty(dir.File(L"empty.ini").c_str());
    EXPECT_EQ(empty.EnsureFile(), 1);
    EXPECT_NE(GetFileAttributesW(dir.File(L"empty.ini").c_str()), INVALID_FILE_ATTRIBUTES);

    std::wstring longPath(400, L'x');
    CIniHelper cut(longPath.c_str());
    EXPECT_EQ(wcslen(cut.GetPath()), 259u);
}

}  // namespace

namespace {

// The server certificate is not checked unless setting.ini asks; an unknown value checks against
// the system rather than silently not at all.
TEST_F(Settings, ServerCertificateCheckFromTheFile)
{
    struct Case {
        const char* ini;
        int mode;
        const wchar_t* pin;
    } cases[] = {
        {"", CSettingManager::TLS_VERIFY_NONE, L""},
        {"[TLS]\r\nverify=none\r\n", CSettingManager::TLS_VERIFY_NONE, L""},
        {"[TLS]\r\nverify= Pin \r\nsha256= AB:cd:01 \r\n", CSettingManager::TLS_VERIFY_PIN, L"AB:cd:01"},
        {"[TLS]\r\nverify=2\r\nsha256=00ff\r\n", CSettingManager::TLS_VERIFY_PIN, L"00ff"},
        {"[TLS]\r\nverify=system\r\n", CSettingManager::TLS_VERIFY_SYSTEM, L""},
        {"[tls]\r\nVERIFY=1\r\n", CSettingManager::TLS_VERIFY_SYSTEM, L""},
        {"[TLS]\r\nverify=yes\r\n", CSettingManager::TLS_VERIFY_SYSTEM, L""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ini);
        zeltest::WriteFileBytes(IniPath(), c.ini);
        CSettingManager::DestroyInstance();
        Store()->Load();
        EXPECT_EQ(Store()->GetTlsVerify(), c.mode);
        EXPECT_STREQ(Store()->GetTlsPinnedSha256(), c.pin);
    }
}

}  // namespace
