#pragma once
// The client's machine-wide settings: server addresses and ports, the HTTPS flag of web addresses
// and the pen and touch options, over "setting.ini" in the application-data folder and the
// application's registry profile. Also gives out the paths of the per-user "opt.ini" and of
// "MainRect.ini".
#include <windows.h>

#include "core/IniHelper.h"
#include "core/Singleton.h"
#include "platform/CString.h"

class CSettingManager : public CSingleton<CSettingManager> {
public:
    // Address of the organisation's application, push and web servers until settings say else.
    static const wchar_t DEFAULT_SERVER_ADDRESS[];

    CSettingManager();
    ~CSettingManager() override;

    void SetDefaults();
    // Reads "setting.ini"; a missing file or key leaves the value as it is. Always 1.
    int Load();
    void LoadOptions();
    void SaveToIni();
    void SaveToRegistry();

    CString GetZELAddress() const { return m_strZELAddress; }
    int GetZELPort() const { return m_nZELPort; }
    CString GetTPCAddress() const { return m_strTPCAddress; }
    int GetTPCPort() const { return m_nTPCPort; }
    CString GetTMSAddress() const { return m_strTMSAddress; }
    int GetTMSPort() const { return m_nTMSPort; }
    CString GetTDSAddress() const { return m_strTDSAddress; }
    int GetTDSPort() const { return m_nTDSPort; }
    CString GetTVTAddress() const { return m_strTVTAddress; }
    int GetTVTPort() const { return m_nTVTPort; }
    void SetZELAddress(const CString& str) { m_strZELAddress = str; }
    void SetZELPort(int n) { m_nZELPort = n; }
    void SetTPCAddress(const CString& str) { m_strTPCAddress = str; }
    void SetTPCPort(int n) { m_nTPCPort = n; }
    void SetTMSAddress(const CString& str) { m_strTMSAddress = str; }
    void SetTMSPort(int n) { m_nTMSPort = n; }
    void SetTDSAddress(const CString& str) { m_strTDSAddress = str; }
    void SetTDSPort(int n) { m_nTDSPort = n; }
    void SetTVTAddress(const CString& str) { m_strTVTAddress = str; }
    void SetTVTPort(int n) { m_nTVTPort = n; }

    // Whether the server clients check the servers' TLS certificates ("setting.ini" [TLS]):
    // "verify" none (the default: organisations run self-signed servers), "system" (trusted by
    // the system's roots, for the server's name) or "pin" (the certificate whose SHA-256 is
    // "sha256"). An unknown "verify" text checks against the system rather than not at all.
    enum TlsVerify { TLS_VERIFY_NONE = 0, TLS_VERIFY_SYSTEM = 1, TLS_VERIFY_PIN = 2 };
    int GetTlsVerify() const { return m_nTlsVerify; }
    CString GetTlsPinnedSha256() const { return m_strTlsPinnedSha256; }
    void SetTlsVerify(int nMode, const CString& strPinnedSha256)
    {
        m_nTlsVerify = nMode;
        m_strTlsPinnedSha256 = strPinnedSha256;
    }

    int GetUseHttps() const { return m_bUseHttps; }
    void SetUseHttps(int bUse) { m_bUseHttps = bUse; }

    // Each stores the option and writes it to "setting.ini" at once.
    void SetUsePen(int nValue);
    void SetCloseAlarm(int nValue);
    void SetTouchSensitive(int nValue);
    void SetTouchTrembling(int nValue);

    // Page images: the wheel step in pixels ("MYSTATE" "scroll", 100 when missing or below 10)
    // and whether certificate errors of their HTTPS servers are ignored ("OPT"
    // "m_bIgnoreImageCertErrors"; on unless set to 0, as the organisation's servers may use
    // self-signed certificates).
    int GetWheelScroll() const { return m_nWheelScroll; }
    void SetWheelScroll(int nValue) { m_nWheelScroll = nValue < 10 ? 100 : nValue; }
    int GetIgnoreImageCertErrors() const { return m_bIgnoreImageCertErrors; }
    void SetIgnoreImageCertErrors(int nValue) { m_bIgnoreImageCertErrors = nValue; }

    CString GetSettingIniPath() const { return m_strSettingIniPath; }
    // The logged-in user's "opt.ini" (its folder is created when missing).
    CString GetOptIniPath() const;
    CString GetMainRectIniPath() const;

private:
    void SetOption(int& nMember, LPCTSTR pszKey, int nValue);
    void LoadTls();

    CIniHelper m_iniHelper;
    CString m_strZELAddress;
    int m_nZELPort;
    CString m_strTPCAddress;
    int m_nTPCPort;
    CString m_strTVTAddress;
    int m_nTVTPort;
    CString m_strTMSAddress;
    int m_nTMSPort;
    CString m_strTDSAddress;
    int m_nTDSPort;
    CString m_strSettingIniPath;
    int m_bUseHttps;
    int m_nTlsVerify;
    CString m_strTlsPinnedSha256;

public:
    int m_bUsePen;
    int m_nCloseAlarm;
    int m_nTouchSensitive;
    int m_nTouchTrembling;
    int m_nWheelScroll = 100;
    int m_bIgnoreImageCertErrors = 1;
};
