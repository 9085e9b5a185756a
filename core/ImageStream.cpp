#include "core/ImageStream.h"

#include <algorithm>
#include <gdiplus.h>

CImageStream::CImageStream() : m_pStream(nullptr), m_bLoaded(FALSE), m_gdiplusToken(0)
{
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&m_gdiplusToken, &input, nullptr);
}

CImageStream::~CImageStream()
{
    Release();
    if (m_gdiplusToken) Gdiplus::GdiplusShutdown(m_gdiplusToken);
}

int CImageStream::Release()
{
    m_bLoaded = FALSE;
    // Only this object's own reference: an image made from the stream still holds its own.
    if (m_pStream) m_pStream->Release();
    m_pStream = nullptr;
    return 0;
}

BOOL CImageStream::BeginLoad()
{
    SetLastError(0);
    Release();
    HRESULT hr = CreateStreamOnHGlobal(nullptr, TRUE, &m_pStream);
    if (FAILED(hr)) {
        m_pStream = nullptr;
        SetLastError((DWORD)hr);
        return FALSE;
    }
    return TRUE;
}

BOOL CImageStream::EndLoad(BOOL bOk, DWORD dwError)
{
    if (!bOk) {
        Release();
        SetLastError(dwError);
        return FALSE;
    }
    // Readers start at the first byte.
    LARGE_INTEGER zero = {};
    m_pStream->Seek(zero, STREAM_SEEK_SET, nullptr);
    m_bLoaded = TRUE;
    return TRUE;
}

BOOL CImageStream::LoadFile(LPCWSTR pszPath)
{
    if (!BeginLoad()) return FALSE;
    HANDLE hFile = pszPath ? CreateFileW(pszPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                         FILE_ATTRIBUTE_NORMAL, nullptr)
                           : INVALID_HANDLE_VALUE;
    if (hFile == INVALID_HANDLE_VALUE)
        return EndLoad(FALSE, pszPath ? GetLastError() : ERROR_INVALID_PARAMETER);
    BYTE buffer[1024];
    BOOL bOk = TRUE;
    DWORD dwError = 0;
    for (;;) {
        DWORD dwRead = 0;
        if (!ReadFile(hFile, buffer, sizeof buffer, &dwRead, nullptr)) {
            dwError = GetLastError();
            bOk = FALSE;
            break;
        }
        if (dwRead == 0) break;
        HRESULT hr = m_pStream->Write(buffer, dwRead, nullptr);
        if (FAILED(hr)) {
            dwError = (DWORD)hr;
            bOk = FALSE;
            break;
        }
    }
    CloseHandle(hFile);
    return EndLoad(bOk, dwError);
}

BOOL CImageStream::LoadFromStream(IStream* pSource)
{
    if (!BeginLoad()) return FALSE;
    if (pSource == nullptr) return EndLoad(FALSE, ERROR_INVALID_ADDRESS);
    LARGE_INTEGER zero = {};
    pSource->Seek(zero, STREAM_SEEK_SET, nullptr);
    STATSTG stat = {};
    HRESULT hr = pSource->Stat(&stat, STATFLAG_NONAME);
    if (SUCCEEDED(hr)) hr = pSource->CopyTo(m_pStream, stat.cbSize, nullptr, nullptr);
    return EndLoad(SUCCEEDED(hr), (DWORD)hr);
}

BOOL CImageStream::LoadFromMemory(const void* pData, DWORD cbData)
{
    if (!BeginLoad()) return FALSE;
    if (pData == nullptr && cbData > 0) return EndLoad(FALSE, ERROR_INVALID_ADDRESS);
    HRESULT hr = cbData ? m_pStream->Write(pData, cbData, nullptr) : S_OK;
    return EndLoad(SUCCEEDED(hr), (DWORD)hr);
}
