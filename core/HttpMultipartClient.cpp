#include "core/HttpMultipartClient.h"

#include <cstdlib>
#include <cstdio>
#include <cstring>

namespace {

const char kFieldFormat[] =
    "----HC-MPFD-BOUNDARY\r\nContent-Disposition: form-data; name=\"%s\"\r\n\r\n%s\r\n";
const char kFileFormat[] =
    "----HC-MPFD-BOUNDARY\r\nContent-Disposition: form-data; name=\"%s\"; filename=\"%s\"\r\n"
    "Content-Type: application/octet-stream\r\n\r\n";
const char kClosing[] = "----HC-MPFD-BOUNDARY--\r\n";
const wchar_t kContentTypeHeader[] =
    L"Content-Type: multipart/form-data; boundary=--HC-MPFD-BOUNDARY\r\n";

const DWORD kErrorFileEmpty = 4306;
const DWORD kErrorFileTooLarge = 223;   // ERROR_FILE_TOO_LARGE
const int kPartsGrowth = 4;

// A new narrow copy of the text in the code page, or null.
char* ToCodePage(LPCWSTR pszText, UINT uCodePage)
{
    int n = WideCharToMultiByte(uCodePage, 0, pszText, -1, nullptr, 0, nullptr, nullptr);
    if (n <= 0) return nullptr;
    char* psz = static_cast<char*>(calloc((size_t)n, 1));
    if (psz && WideCharToMultiByte(uCodePage, 0, pszText, -1, psz, n, nullptr, nullptr) <= 0) {
        free(psz);
        psz = nullptr;
    }
    return psz;
}

// Appends a format's text with its two %s filled, within the body's bounds.
DWORD AppendFormatted(char* pBody, size_t cbBody, size_t& nPos, const char* pszFormat,
                      const char* pszFirst, const char* pszSecond)
{
    const char* args[2] = {pszFirst, pszSecond};
    int nArg = 0;
    for (const char* p = pszFormat; *p; ++p) {
        if (p[0] == '%' && p[1] == 's') {
            if (nArg >= 2) return ERROR_INTERNAL_ERROR;
            size_t n = strlen(args[nArg]);
            if (n > cbBody - nPos) return ERROR_MORE_DATA;
            memcpy(pBody + nPos, args[nArg++], n);
            nPos += n;
            ++p;
            continue;
        }
        if (nPos >= cbBody) return ERROR_MORE_DATA;
        pBody[nPos++] = *p;
    }
    return 0;
}

}  // namespace

CHttpMultipartClient::CHttpMultipartClient()
    : m_hSession(nullptr), m_hConnection(nullptr), m_pParts(nullptr), m_nCapacity(0), m_nParts(0),
      m_uCodePage(CP_ACP)
{
    InitializeCriticalSection(&m_csParts);
}

CHttpMultipartClient::~CHttpMultipartClient()
{
    Close();
    FreeParts();
    free(m_pParts);
    DeleteCriticalSection(&m_csParts);
}

DWORD CHttpMultipartClient::Open(LPCWSTR pszAgent, LPCWSTR pszHost, INTERNET_PORT nPort)
{
    if (m_hSession || m_hConnection) return ERROR_ALREADY_EXISTS;
    if (pszHost == nullptr) return ERROR_INVALID_PARAMETER;
    m_hSession = InternetOpenW(pszAgent, INTERNET_OPEN_TYPE_PRECONFIG, L"", L"", 0);
    if (!m_hSession) return GetLastError();
    m_hConnection = InternetConnectW(m_hSession, pszHost, nPort, nullptr, nullptr,
                                     INTERNET_SERVICE_HTTP,
                                     INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_KEEP_CONNECTION, 0);
    DWORD dwError = m_hConnection ? InternetAttemptConnect(0) : GetLastError();
    if (dwError != 0) Close();
    return dwError;
}

void CHttpMultipartClient::Close()
{
    if (m_hConnection) InternetCloseHandle(m_hConnection);
    if (m_hSession) InternetCloseHandle(m_hSession);
    m_hConnection = m_hSession = nullptr;
}

CHttpMultipartClient::FormPart* CHttpMultipartClient::NewPart()
{
    EnterCriticalSection(&m_csParts);
    FormPart* pPart = nullptr;
    if (m_nParts >= m_nCapacity) {
        void* pGrown = realloc(m_pParts, sizeof(FormPart) * (size_t)(m_nCapacity + kPartsGrowth));
        if (pGrown) {
            m_pParts = static_cast<FormPart*>(pGrown);
            m_nCapacity += kPartsGrowth;
        }
    }
    if (m_nParts < m_nCapacity) {
        pPart = &m_pParts[m_nParts++];
        memset(pPart, 0, sizeof *pPart);
    }
    LeaveCriticalSection(&m_csParts);
    return pPart;
}

void CHttpMultipartClient::FreeParts()
{
    for (int i = 0; i < m_nParts; ++i) {
        free(m_pParts[i].pszName);
        free(m_pParts[i].pszValue);
        free(m_pParts[i].pszPath);
    }
    m_nParts = 0;
}

DWORD CHttpMultipartClient::AddField(LPCWSTR pszName, LPCWSTR pszValue)
{
    if (pszName == nullptr || pszValue == nullptr) return ERROR_INVALID_PARAMETER;
    FormPart* pPart = NewPart();
    if (!pPart) return ERROR_NOT_ENOUGH_MEMORY;
    pPart->nKind = 0;
    pPart->pszName = ToCodePage(pszName, m_uCodePage);
    pPart->pszValue = ToCodePage(pszValue, m_uCodePage);
    return pPart->pszName && pPart->pszValue ? 0 : ERROR_NOT_ENOUGH_MEMORY;
}

DWORD CHttpMultipartClient::AddFile(LPCWSTR pszFieldName, LPCWSTR pszFileName, LPCWSTR pszFullPath)
{
    if (pszFieldName == nullptr || pszFileName == nullptr || pszFullPath == nullptr)
        return ERROR_INVALID_PARAMETER;
    if (*pszFullPath == 0) return ERROR_FILE_NOT_FOUND;
    WIN32_FILE_ATTRIBUTE_DATA attributes;
    if (!GetFileAttributesExW(pszFullPath, GetFileExInfoStandard, &attributes)) return GetLastError();
    HANDLE hFile = CreateFileW(pszFullPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) return GetLastError();
    LARGE_INTEGER size;
    BOOL bSized = GetFileSizeEx(hFile, &size);
    DWORD dwError = bSized ? 0 : GetLastError();
    CloseHandle(hFile);
    if (dwError) return dwError;
    if (size.QuadPart == 0) return kErrorFileEmpty;
    if (size.QuadPart > MAX_FILE_SIZE) return kErrorFileTooLarge;

    FormPart* pPart = NewPart();
    if (!pPart) return ERROR_NOT_ENOUGH_MEMORY;
    pPart->nKind = 1;
    pPart->dwFileSize = (DWORD)size.QuadPart;
    pPart->pszName = ToCodePage(pszFieldName, CP_UTF8);
    pPart->pszValue = ToCodePage(pszFileName, CP_UTF8);
    pPart->pszPath = _wcsdup(pszFullPath);
    return pPart->pszName && pPart->pszValue && pPart->pszPath ? 0 : ERROR_NOT_ENOUGH_MEMORY;
}

size_t CHttpMultipartClient::ComputeBodyLength() const
{
    size_t cb = 0;
    for (int i = 0; i < m_nParts; ++i) {
        const FormPart& part = m_pParts[i];
        if (!part.pszName || !part.pszValue) continue;
        if (part.nKind == 0) {
            cb += sizeof kFieldFormat - 1 - 4 + strlen(part.pszName) + strlen(part.pszValue);
        } else if (part.dwFileSize > 0) {
            cb += sizeof kFileFormat - 1 - 4 + strlen(part.pszName) + strlen(part.pszValue) +
                  part.dwFileSize + 2;
        }
    }
    return cb + sizeof kClosing - 1;
}

DWORD CHttpMultipartClient::WriteBody(char* pBody, size_t cbBody, size_t* pcbWritten) const
{
    size_t nPos = 0;
    for (int i = 0; i < m_nParts; ++i) {
        const FormPart& part = m_pParts[i];
        const char* pszName = part.pszName ? part.pszName : "";
        const char* pszValue = part.pszValue ? part.pszValue : "";
        DWORD dwError = AppendFormatted(pBody, cbBody, nPos, part.nKind == 0 ? kFieldFormat : kFileFormat,
                                        pszName, pszValue);
        if (dwError == ERROR_MORE_DATA) return ERROR_MORE_DATA;
        if (dwError) return ERROR_INTERNAL_ERROR;
        if (part.nKind == 0) continue;
        HANDLE hFile = part.pszPath ? CreateFileW(part.pszPath, GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                                  FILE_ATTRIBUTE_NORMAL, nullptr)
                                    : INVALID_HANDLE_VALUE;
        if (hFile == INVALID_HANDLE_VALUE) return part.pszPath ? GetLastError() : ERROR_FILE_NOT_FOUND;
        if (part.dwFileSize > cbBody - nPos) {
            CloseHandle(hFile);
            return ERROR_BUFFER_OVERFLOW;
        }
        DWORD dwRead = 0;
        BOOL bRead = ReadFile(hFile, pBody + nPos, part.dwFileSize, &dwRead, nullptr);
        DWORD dwError2 = bRead ? 0 : GetLastError();
        CloseHandle(hFile);
        if (dwError2) return dwError2;
        nPos += dwRead;
        if (cbBody - nPos < 2) return ERROR_MORE_DATA;
        pBody[nPos++] = '\r';
        pBody[nPos++] = '\n';
    }
    *pcbWritten = nPos;
    return 0;
}

DWORD CHttpMultipartClient::Post(LPCWSTR pszObject, BYTE** ppRawReply, DWORD* pcbRawReply,
                                 LPWSTR* ppszReplyText, DWORD* pdwStatusCode, BOOL bTls)
{
    if (pdwStatusCode) *pdwStatusCode = 0;
    if (!m_hSession || !m_hConnection) return ERROR_NOT_READY;
    if (pszObject == nullptr) return ERROR_INVALID_PARAMETER;
    if (m_nParts > m_nCapacity) return ERROR_INTERNAL_ERROR;

    const size_t cbBody = ComputeBodyLength();
    char* pBody = static_cast<char*>(calloc(cbBody + 1, 1));
    if (!pBody) return ERROR_NOT_ENOUGH_MEMORY;
    size_t cbWritten = 0;
    DWORD dwError = WriteBody(pBody, cbBody, &cbWritten);
    // A file that shrank since it was added, or an incomplete part, ends here.
    if (!dwError && cbWritten + sizeof kClosing - 1 != cbBody) dwError = ERROR_INTERNAL_ERROR;
    if (!dwError) memcpy(pBody + cbWritten, kClosing, sizeof kClosing - 1);

    HINTERNET hRequest = nullptr;
    if (!dwError) {
        DWORD dwFlags = bTls ? INTERNET_FLAG_SECURE | INTERNET_FLAG_IGNORE_CERT_DATE_INVALID |
                                   INTERNET_FLAG_IGNORE_CERT_CN_INVALID
                             : INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_KEEP_CONNECTION |
                                   INTERNET_FLAG_FORMS_SUBMIT;
        hRequest = HttpOpenRequestW(m_hConnection, L"POST", pszObject, nullptr, nullptr, nullptr,
                                    dwFlags, 0);
        if (!hRequest) dwError = GetLastError();
    }
    if (!dwError && bTls) {
        DWORD dwSecurity = 0, cb = sizeof dwSecurity;
        InternetQueryOptionW(hRequest, INTERNET_OPTION_SECURITY_FLAGS, &dwSecurity, &cb);
        dwSecurity |= SECURITY_FLAG_IGNORE_UNKNOWN_CA | SECURITY_FLAG_IGNORE_REVOCATION |
                      SECURITY_FLAG_IGNORE_CERT_CN_INVALID | SECURITY_FLAG_IGNORE_CERT_DATE_INVALID |
                      SECURITY_FLAG_IGNORE_REDIRECT_TO_HTTP | SECURITY_FLAG_IGNORE_REDIRECT_TO_HTTPS;
        InternetSetOptionW(hRequest, INTERNET_OPTION_SECURITY_FLAGS, &dwSecurity, sizeof dwSecurity);
    }
    if (!dwError) dwError = SendBody(hRequest, pBody, (DWORD)cbBody);
    if (!dwError && pdwStatusCode) {
        wchar_t szStatus[8] = {};
        DWORD cb = sizeof szStatus;
        if (HttpQueryInfoW(hRequest, HTTP_QUERY_STATUS_CODE, szStatus, &cb, nullptr))
            *pdwStatusCode = (DWORD)_wtoi(szStatus);
    }
    if (!dwError && (ppRawReply || pcbRawReply || ppszReplyText))
        dwError = ReadReply(hRequest, ppRawReply, pcbRawReply, ppszReplyText);

    if (hRequest) InternetCloseHandle(hRequest);
    free(pBody);
    if (!dwError) {
        EnterCriticalSection(&m_csParts);
        FreeParts();
        LeaveCriticalSection(&m_csParts);
    }
    return dwError;
}

DWORD CHttpMultipartClient::SendBody(HINTERNET hRequest, const char* pBody, DWORD cbBody)
{
    wchar_t szLength[64];
    _snwprintf(szLength, 64, L"Content-Length: %d\r\n", (int)cbBody);
    szLength[63] = 0;
    if (!HttpAddRequestHeadersW(hRequest, kContentTypeHeader, (DWORD)-1L, HTTP_ADDREQ_FLAG_ADD_IF_NEW) ||
        !HttpAddRequestHeadersW(hRequest, szLength, (DWORD)-1L, HTTP_ADDREQ_FLAG_ADD_IF_NEW))
        return GetLastError();
    INTERNET_BUFFERSW buffers = {};
    buffers.dwStructSize = sizeof buffers;
    if (!HttpSendRequestExW(hRequest, &buffers, nullptr, HSR_INITIATE, 0)) return GetLastError();
    DWORD dwWritten = 0;
    if (!InternetWriteFile(hRequest, pBody, cbBody, &dwWritten)) return GetLastError();
    if (dwWritten != cbBody) return ERROR_WRITE_FAULT;
    if (!HttpEndRequestW(hRequest, nullptr, 0, 0)) return GetLastError();
    return 0;
}

// Reads the whole reply (up to MAX_REPLY_SIZE bytes), so that a reply longer than one read is
// not cut.
DWORD CHttpMultipartClient::ReadReply(HINTERNET hRequest, BYTE** ppRawReply, DWORD* pcbRawReply,
                                      LPWSTR* ppszReplyText)
{
    DWORD cbCapacity = 4096, cbTotal = 0;
    BYTE* pRaw = static_cast<BYTE*>(calloc(cbCapacity + 2, 1));
    if (!pRaw) return ERROR_NOT_ENOUGH_MEMORY;
    for (;;) {
        if (cbTotal == cbCapacity) {
            if (cbCapacity >= MAX_REPLY_SIZE) break;
            DWORD cbNew = cbCapacity * 2 > MAX_REPLY_SIZE ? MAX_REPLY_SIZE : cbCapacity * 2;
            BYTE* pGrown = static_cast<BYTE*>(realloc(pRaw, cbNew + 2));
            if (!pGrown) {
                free(pRaw);
                return ERROR_NOT_ENOUGH_MEMORY;
            }
            pRaw = pGrown;
            cbCapacity = cbNew;
        }
        DWORD dwRead = 0;
        if (!InternetReadFile(hRequest, pRaw + cbTotal, cbCapacity - cbTotal, &dwRead)) {
            DWORD dwError = GetLastError();
            free(pRaw);
            return dwError ? dwError : ERROR_READ_FAULT;
        }
        if (dwRead == 0) break;
        cbTotal += dwRead;
    }
    pRaw[cbTotal] = pRaw[cbTotal + 1] = 0;

    if (ppszReplyText) {
        int n = cbTotal ? MultiByteToWideChar(m_uCodePage, 0, (LPCSTR)pRaw, (int)cbTotal, nullptr, 0) : 0;
        LPWSTR pszText = static_cast<LPWSTR>(calloc((size_t)n + 1, sizeof(wchar_t)));
        if (!pszText) {
            free(pRaw);
            return ERROR_NOT_ENOUGH_MEMORY;
        }
        if (n > 0) MultiByteToWideChar(m_uCodePage, 0, (LPCSTR)pRaw, (int)cbTotal, pszText, n);
        *ppszReplyText = pszText;
    }
    if (pcbRawReply) *pcbRawReply = cbTotal;
    if (ppRawReply) *ppRawReply = pRaw;
    else free(pRaw);
    return 0;
}

void CHttpMultipartClient::FreeBuffer(void* pBuffer)
{
    free(pBuffer);
}
