#include "core/SettingManager.h"

#include "core/AppProfile.h"
#include "core/FileHelpers.h"
#include "core/IniFileHelpers.h"
#include "core/LoginManager.h"
#include "core/MyLogFile.h"

const wchar_t CSettingManager::DEFAULT_SERVER_ADDRESS[] = L"127.0.0.1";

namespace {

void WarnIfNotPort(LPCTSTR pszSection, int nPort)
{
    if (nPort < 1 || nPort > 65535)
        g_ApplicationLog.Log(3, L"setting.ini [%s] port %d is not a port\n", pszSection, nPort);
}

// A user id from the server names a folder: characters that would leave or break the path are
// replaced.
CString UserFolderName(CString strUserId)
{
    for (int i = 0; i < strUserId.GetLength(); ++i)
        if (wcschr(L"\\/:*?\"<>|", strUserId[i]) || strUserId[i] < 32) strUserId.SetAt(i, L'_');
    if (strUserId == L"." || strUserId == L"..") strUserId = L"_";
    return strUserId;
}

}  // namespace

CSettingManager::CSettingManager()
    : m_iniHelper(L""), m_nZELPort(0), m_nTPCPort(0), m_nTVTPort(0), m_nTMSPort(0),
      m_nTDSPort(0), m_bUseHttps(0), m_nTlsVerify(TLS_VERIFY_NONE), m_bUsePen(0), m_nCloseAlarm(0), m_nTouchSensitive(5),
      m_nTouchTrembling(3)
{
    SetDefaults();
}

CSettingManager::~CSettingManager() {}

void CSettingManager::SetDefaults()
{
    m_strZELAddress = DEFAULT_SERVER_ADDRESS;
    m_nZELPort = 16302;
    m_strTPCAddress = DEFAULT_SERVER_ADDRESS;
    m_nTPCPort = 16301;
    m_strTMSAddress = DEFAULT_SERVER_ADDRESS;
    m_nTMSPort = 16304;
    m_strTVTAddress.Empty();
    m_nTVTPort = 0;
}

int CSettingManager::Load()
{
    m_strSettingIniPath = g_ApplicationLog.GetAppDataFolder() + L"setting.ini";
    const CString& strFile = m_strSettingIniPath;
    ReadIniString(L"ZEL", L"ip", m_strZELAddress, strFile);
    ReadIniInt(L"ZEL", L"port", m_nZELPort, strFile);
    ReadIniString(L"TPC", L"ip", m_strTPCAddress, strFile);
    ReadIniInt(L"TPC", L"port", m_nTPCPort, strFile);
    ReadIniString(L"TMS", L"ip", m_strTMSAddress, strFile);
    ReadIniInt(L"TMS", L"port", m_nTMSPort, strFile);
    WarnIfNotPort(L"ZEL", m_nZELPort);
    WarnIfNotPort(L"TPC", m_nTPCPort);
    WarnIfNotPort(L"TMS", m_nTMSPort);
    LoadTls();
    LoadOptions();
    return 1;
}

void CSettingManager::LoadTls()
{
    CString strVerify, strSha256;
    ReadIniString(L"TLS", L"verify", strVerify, m_strSettingIniPath);
    ReadIniString(L"TLS", L"sha256", strSha256, m_strSettingIniPath);
    strVerify.Trim();
    strVerify.MakeLower();
    m_strTlsPinnedSha256 = strSha256.Trim();
    if (strVerify.IsEmpty() || strVerify == L"none" || strVerify == L"0") {
        m_nTlsVerify = TLS_VERIFY_NONE;
    } else if (strVerify == L"pin" || strVerify == L"2") {
        m_nTlsVerify = TLS_VERIFY_PIN;
    } else {
        if (strVerify != L"system" && strVerify != L"1")
            g_ApplicationLog.Log(3, L"setting.ini [TLS] verify=%s is not known: checked against the system\n",
                                 (LPCTSTR)strVerify);
        m_nTlsVerify = TLS_VERIFY_SYSTEM;
    }
}

void CSettingManager::LoadOptions()
{
    ReadIniInt(L"OPT", L"m_bUsePen", m_bUsePen, m_strSettingIniPath);
    ReadIniInt(L"OPT", L"m_nCloseAlarm", m_nCloseAlarm, m_strSettingIniPath);
    ReadIniInt(L"OPT", L"m_nTouchSensitive", m_nTouchSensitive, m_strSettingIniPath);
    ReadIniInt(L"OPT", L"m_nTouchTrembling", m_nTouchTrembling, m_strSettingIniPath);
    int nScroll = m_nWheelScroll;
    ReadIniInt(L"MYSTATE", L"scroll", nScroll, m_strSettingIniPath);
    SetWheelScroll(nScroll);
    ReadIniInt(L"OPT", L"m_bIgnoreImageCertErrors", m_bIgnoreImageCertErrors, m_strSettingIniPath);
    if (m_bIgnoreImageCertErrors)
        g_ApplicationLog.Log(2, L"setting.ini: certificate errors of page-image servers are ignored (OPT m_bIgnoreImageCertErrors=0 checks them)\n");
}

void CSettingManager::SaveToIni()
{
    const CString& strFile = m_strSettingIniPath;
    WriteIniString(L"ZEL", L"ip", m_strZELAddress, strFile);
    WriteIniInt(L"ZEL", L"port", m_nZELPort, strFile);
    WriteIniString(L"TPC", L"ip", m_strTPCAddress, strFile);
    WriteIniInt(L"TPC", L"port", m_nTPCPort, strFile);
    WriteIniString(L"TMS", L"ip", m_strTMSAddress, strFile);
    WriteIniInt(L"TMS", L"port", m_nTMSPort, strFile);
}

void CSettingManager::SaveToRegistry()
{
    CAppProfile::WriteString(L"Settings", L"ZELAddress", m_strZELAddress);
    CAppProfile::WriteString(L"Settings", L"TPCAddress", m_strTPCAddress);
    CAppProfile::WriteString(L"Settings", L"TMSAddress", m_strTMSAddress);
    CAppProfile::WriteInt(L"Settings", L"ZELPort", m_nZELPort);
    CAppProfile::WriteInt(L"Settings", L"TPCPort", m_nTPCPort);
    CAppProfile::WriteInt(L"Settings", L"TMSPort", m_nTMSPort);
}

void CSettingManager::SetOption(int& nMember, LPCTSTR pszKey, int nValue)
{
    nMember = nValue;
    if (!WriteIniInt(L"OPT", pszKey, nValue, m_strSettingIniPath))
        g_ApplicationLog.Log(3, L"setting.ini: %s not written (%lu)\n", pszKey, GetLastError());
}

void CSettingManager::SetUsePen(int nValue) { SetOption(m_bUsePen, L"m_bUsePen", nValue); }
void CSettingManager::SetCloseAlarm(int nValue) { SetOption(m_nCloseAlarm, L"m_nCloseAlarm", nValue); }
void CSettingManager::SetTouchSensitive(int nValue) { SetOption(m_nTouchSensitive, L"m_nTouchSensitive", nValue); }
void CSettingManager::SetTouchTrembling(int nValue) { SetOption(m_nTouchTrembling, L"m_nTouchTrembling", nValue); }

// Built from the user logged in now: a second user of the same run gets his own file.
CString CSettingManager::GetOptIniPath() const
{
    CString strFolder =
        g_ApplicationLog.GetAppDataFolder() + UserFolderName(CLoginManager::GetInstance()->GetUserId());
    if (!strFolder.IsEmpty() && strFolder[strFolder.GetLength() - 1] != L'\\') {
        // The drawing tools' colours are lost when their folder is missing.
        if (!EnsureDirectory(strFolder))
            g_ApplicationLog.Log(3, L"opt.ini folder %s cannot be created\n", (LPCTSTR)strFolder);
        strFolder += L'\\';
    }
    return strFolder + L"opt.ini";
}

CString CSettingManager::GetMainRectIniPath() const
{
    return g_ApplicationLog.GetAppDataFolder() + L"MainRect.ini";
}
