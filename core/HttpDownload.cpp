#include "core/HttpDownload.h"

#include <wininet.h>
#include <shlwapi.h>
#include <new>
#include <vector>

#include "core/MyLogFile.h"
#include "features/DocViewerDownload.h"
#include "platform/Wnd.h"

namespace {

const DWORD kConnectTimeoutMs = 2000;
// Ignore revocation, an unknown authority, a wrong host name, an expired date and redirects
// between HTTP and HTTPS: page images come from the organisation's own servers.
const DWORD kIgnoreCertificateFlags = 0xF180;
const DWORD kChunkBytes = 0xA0000;

class CInternetHandle {
public:
    explicit CInternetHandle(HINTERNET h) : m_h(h) {}
    ~CInternetHandle() { if (m_h) InternetCloseHandle(m_h); }
    operator HINTERNET() const { return m_h; }
private:
    HINTERNET m_h;
};

// The reply header as a number, or -1 when the reply has none.
long long QueryNumberHeader(HINTERNET hRequest, DWORD dwInfo, DWORD cbBuffer)
{
    std::vector<wchar_t> buffer(cbBuffer / sizeof(wchar_t) + 1, L'\0');
    DWORD cb = cbBuffer;
    if (!HttpQueryInfoW(hRequest, dwInfo, buffer.data(), &cb, nullptr)) return -1;
    return _wtoi64(buffer.data());
}

}  // namespace

BOOL HttpGetToMemory(const CString& strUrl, S_DOCVIEWER_DOWNLOAD* pRecord, BOOL bIgnoreCertificateErrors)
{
    CInternetHandle hSession(InternetOpenW(L"ZEDOV", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!hSession) return FALSE;
    DWORD dwTimeout = kConnectTimeoutMs;
    InternetSetOptionW(hSession, INTERNET_OPTION_CONNECT_TIMEOUT, &dwTimeout, sizeof dwTimeout);
    const DWORD dwIgnore = bIgnoreCertificateErrors ? kIgnoreCertificateFlags : 0;
    if (dwIgnore) {
        DWORD dwSecurity = dwIgnore;
        InternetSetOptionW(hSession, INTERNET_OPTION_SECURITY_FLAGS, &dwSecurity, sizeof dwSecurity);
    }
    CInternetHandle hUrl(InternetOpenUrlW(hSession, strUrl, nullptr, 0, dwIgnore, 0));
    if (!hUrl) {
        g_ApplicationLog.Log(3, L"HttpGetToMemory: cannot open %s (%lu)\n", (LPCTSTR)strUrl, GetLastError());
        return FALSE;
    }
    long long nStatus = QueryNumberHeader(hUrl, HTTP_QUERY_STATUS_CODE, 2048);
    if (nStatus != 200) {
        g_ApplicationLog.Log(3, L"HttpGetToMemory: status %lld for %s\n", nStatus, (LPCTSTR)strUrl);
        return FALSE;
    }
    const long long nContentLength = QueryNumberHeader(hUrl, HTTP_QUERY_CONTENT_LENGTH, 4096);

    std::vector<BYTE> body;
    for (;;) {
        Sleep(1);
        DWORD dwAvailable = 0;
        InternetQueryDataAvailable(hUrl, &dwAvailable, 0, 0);
        size_t nOld = body.size();
        try {
            body.resize(nOld + kChunkBytes);
        } catch (const std::bad_alloc&) {
            g_ApplicationLog.Log(4, L"HttpGetToMemory: out of memory after %llu bytes\n",
                                 (unsigned long long)nOld);
            return FALSE;
        }
        DWORD dwRead = 0;
        if (!InternetReadFile(hUrl, body.data() + nOld, kChunkBytes, &dwRead)) {
            g_ApplicationLog.Log(4, L"HttpGetToMemory: read failed after %llu bytes (%lu) for %s\n",
                                 (unsigned long long)nOld, GetLastError(), (LPCTSTR)strUrl);
            return FALSE;
        }
        body.resize(nOld + dwRead);
        if (dwRead == 0) break;
        Sleep(0);
    }
    // A connection that ends before the announced length is a failed read, not a page.
    if (nContentLength >= 0 && (long long)body.size() != nContentLength) {
        g_ApplicationLog.Log(4, L"HttpGetToMemory: %llu of %lld bytes for %s\n",
                             (unsigned long long)body.size(), nContentLength, (LPCTSTR)strUrl);
        return FALSE;
    }
    if (body.empty() || pRecord == nullptr) return TRUE;
    if (body.size() > 0x7FFFFFFF) return FALSE;

    if (pRecord->nMode == 0) {
        pRecord->pBody = body.data();
        pRecord->nBodyLength = (int)body.size();
        // The owner copies what it needs during the call; the buffer goes with it.
        HWND hOwner = pRecord->pOwnerWnd ? pRecord->pOwnerWnd->GetSafeHwnd() : nullptr;
        SendMessageW(hOwner, WM_DOCVIEWER_DOWNLOADED, 100, reinterpret_cast<LPARAM>(pRecord));
        pRecord->pBody = nullptr;
        pRecord->nBodyLength = 0;
        return TRUE;
    }
    BYTE* pCopy = new (std::nothrow) BYTE[body.size()];
    if (!pCopy) return FALSE;
    memcpy(pCopy, body.data(), body.size());
    pRecord->pBody = pCopy;
    pRecord->nBodyLength = (int)body.size();
    return TRUE;
}
