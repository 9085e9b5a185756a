#include "app/main/MainDialogServices.h"

#include <iphlpapi.h>

#include <cstdlib>
#include <vector>

#include "core/Base64.h"

namespace MainDialogServices {

std::string EncodeUtf8(const CString& strText)
{
    std::string out;
    const int n = strText.GetLength();
    const wchar_t* p = strText.GetString();
    for (int i = 0; i < n; ++i) {
        unsigned long c = p[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < n && p[i + 1] >= 0xDC00 && p[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (p[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            out += '?';
            continue;
        }
        if (c < 0x80) {
            out += char(c);
        } else if (c < 0x800) {
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += char(0xE0 | (c >> 12));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        } else {
            out += char(0xF0 | (c >> 18));
            out += char(0x80 | ((c >> 12) & 0x3F));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

CString Base64Utf8(const CString& strText)
{
    const std::string utf8 = EncodeUtf8(strText);
    return CString(Base64Encode(reinterpret_cast<const unsigned char*>(utf8.data()), utf8.size()).c_str());
}

CString UrlQueryBase64(const CString& strText)
{
    const CString strBase64 = Base64Utf8(strText);
    CString out;
    for (int i = 0; i < strBase64.GetLength(); ++i) {
        const wchar_t c = strBase64[i];
        if (c == L'+')
            out += L"%2B";
        else if (c == L'/')
            out += L"%2F";
        else if (c == L'=')
            out += L"%3D";
        else
            out += c;
    }
    return out;
}

CString VideoCommandLine(const CString& strProgramPath, const CString& strUrl)
{
    CString strLine;
    strLine.Format(L"\"%s\" --new-window --app=%s", (LPCTSTR) strProgramPath, (LPCTSTR) strUrl);
    return strLine;
}

CString WatermarkText(const CString& strUserName, const CString& strDeptName, const SYSTEMTIME& stNow,
                      BOOL bListed, const CStringArray& addresses, const CString& strFallbackAddress)
{
    CString strDate;
    strDate.Format(L"%d%02d%02d", stNow.wYear, stNow.wMonth, stNow.wDay);
    CString strAddress = strFallbackAddress;
    if (bListed) {
        strAddress.Empty();
        for (INT_PTR i = 0; i < addresses.GetSize(); ++i) {
            if (addresses[i] != L"0.0.0.0") {
                strAddress = addresses[i];
                break;
            }
            strAddress = addresses[i];
        }
    }
    CString strText;
    strText.Format(L"%s %s\n%s %s", (LPCTSTR) strUserName, (LPCTSTR) strDeptName, (LPCTSTR) strDate,
                   (LPCTSTR) strAddress);
    return strText;
}

BOOL GetAdapterAddresses(CStringArray& addresses)
{
    ULONG nSize = 648;
    std::vector<unsigned char> buffer;
    DWORD dwResult = ERROR_BUFFER_OVERFLOW;
    for (int attempt = 0; attempt < 3 && dwResult == ERROR_BUFFER_OVERFLOW; ++attempt) {
        try {
            buffer.assign(nSize, 0);
        } catch (...) {
            return FALSE;
        }
        dwResult = GetAdaptersInfo(reinterpret_cast<IP_ADAPTER_INFO*>(buffer.data()), &nSize);
    }
    if (dwResult != NO_ERROR) return TRUE;
    for (IP_ADAPTER_INFO* p = reinterpret_cast<IP_ADAPTER_INFO*>(buffer.data()); p; p = p->Next)
        addresses.Add(CString(p->IpAddressList.IpAddress.String));
    return TRUE;
}

CString SignDataPath(const CString& strAppDataFolder, int nUserIdNumber)
{
    CString strPath;
    strPath.Format(L"%s%d\\signdata", (LPCTSTR) strAppDataFolder, nUserIdNumber);
    return strPath;
}

CString MeetingStartSoundPath(const CString& strModulePath)
{
    const int nSlash = strModulePath.ReverseFind(L'\\');
    return strModulePath.Left(nSlash + 1) + L"MeettingStart.wav";
}

CRect GrowOverTaskbar(const CRect& rcWork, const CRect& rcDesktop, const CRect& rcTaskbar)
{
    CRect rc = rcWork;
    if (!rcDesktop.PtInRect(rcTaskbar.TopLeft()) || !rcDesktop.PtInRect(rcWork.TopLeft())) return rc;
    if (rc.left > rcDesktop.left)
        rc.left -= rcTaskbar.Width();
    else if (rc.right < rcDesktop.right)
        rc.right += rcTaskbar.Width();
    else if (rc.top > rcDesktop.top)
        rc.top -= rcTaskbar.Height();
    else if (rc.bottom < rcDesktop.bottom)
        rc.bottom += rcTaskbar.Height();
    return rc;
}

void DrawFrame(CDC* pDC, int l, int t, int r, int b, int nThickness, COLORREF clr)
{
    pDC->FillSolidRect(l, t, nThickness, b - t, clr);
    pDC->FillSolidRect(l, t, r - l, nThickness, clr);
    pDC->FillSolidRect(r - nThickness, t, nThickness, b - t, clr);
    pDC->FillSolidRect(l, b - nThickness, r - l, nThickness, clr);
}

CVideoLauncher::~CVideoLauncher()
{
    if (m_hProcess) m_seams.closeHandle(m_hProcess);
}

int CVideoLauncher::LaunchVideoProcess(const CString& strProgramPath, const CString& strCommandLine)
{
    static const wchar_t kTitle[] = L"OPAL VIEW";
    HWND hFound = nullptr;
    const DWORD dwThreadBefore = m_seams.findWindow(kTitle, &hFound);
    // No video page open: whatever the marker said, nothing runs any more.
    if (!dwThreadBefore) m_seams.writeMarker(0);
    if (m_seams.readMarker() > 0) {
        m_seams.message(L"화상회의가 실행중입니다.");
        return 0;
    }
    PROCESS_INFORMATION info{};
    DWORD dwError = 0;
    if (!m_seams.createProcess(strProgramPath, strCommandLine, &info, &dwError)) {
        CString strText;
        strText.Format(L"CreateProcess() failed: %d", (int) dwError);
        m_seams.message(strText);
        return 0;
    }
    // The browser's thread is never waited for; its process handle is kept (and closed) until the
    // next start or the end of the launcher.
    if (info.hThread) m_seams.closeHandle(info.hThread);
    m_seams.sleep(1000);
    if (m_hProcess) m_seams.closeHandle(m_hProcess);
    m_hProcess = info.hProcess;
    m_dwProcessId = info.dwProcessId;
    HWND hNow = nullptr;
    const DWORD dwThreadNow = m_seams.findWindow(kTitle, &hNow);
    m_hVideoWnd = hNow;
    int nMarker = (int) dwThreadBefore;
    if (dwThreadNow) nMarker = dwThreadBefore ? (int) dwThreadBefore : 1;
    m_seams.writeMarker(nMarker);
    return 0;
}

}  // namespace MainDialogServices
