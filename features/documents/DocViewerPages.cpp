#include "features/documents/DocViewerPages.h"

#include <objidl.h>
#include <algorithm>
#include <gdiplus.h>

#include "core/MyLogFile.h"

S_DOCVIEWER_PAGE::S_DOCVIEWER_PAGE(int nIndex)
    : m_nIndex(nIndex), m_nPage(nIndex + 1), m_nState(WAITING), m_nWidth(0), m_nHeight(0), m_pImage(nullptr)
{
}

S_DOCVIEWER_PAGE::~S_DOCVIEWER_PAGE()
{
    delete m_pImage;
}

Gdiplus::Image* S_DOCVIEWER_PAGE::LoadDocImage(const BYTE* pData, int nLength)
{
    if (pData == nullptr || nLength <= 0) return nullptr;
    IStream* pStream = nullptr;
    HRESULT hr = CreateStreamOnHGlobal(nullptr, TRUE, &pStream);
    if (FAILED(hr) || pStream == nullptr) {
        SetLastError((DWORD)hr);
        g_ApplicationLog.Log(4, L"S_DOCVIEWER_PAGE::LoadDocImage create global memory error code : %d\n", (int)hr);
        return nullptr;
    }
    ULONG nWritten = 0;
    hr = pStream->Write(pData, (ULONG)nLength, &nWritten);
    if (FAILED(hr) || nWritten != (ULONG)nLength) {
        pStream->Release();
        SetLastError((DWORD)hr);
        g_ApplicationLog.Log(4, L"S_DOCVIEWER_PAGE::LoadDocImage image write error code : %d\n", (int)hr);
        return nullptr;
    }
    LARGE_INTEGER zero = {};
    pStream->Seek(zero, STREAM_SEEK_SET, nullptr);
    Gdiplus::Image* pImage = Gdiplus::Image::FromStream(pStream, FALSE);
    pStream->Release();   // the image keeps its own reference
    // Bytes that are no picture still give an image object, in a failed state: that page failed.
    const Gdiplus::Status status = pImage ? pImage->GetLastStatus() : Gdiplus::OutOfMemory;
    if (pImage == nullptr || status != Gdiplus::Ok || pImage->GetWidth() == 0 || pImage->GetHeight() == 0) {
        delete pImage;
        SetLastError((DWORD)status);
        g_ApplicationLog.Log(4, L"S_DOCVIEWER_PAGE::LoadDocImage Image::FromStream error code : %d\n", (int)status);
        return nullptr;
    }
    return pImage;
}

CDocViewerPages::CDocViewerPages() : m_listPages(10) {}

CDocViewerPages::~CDocViewerPages()
{
    FreePages();
}

void CDocViewerPages::Create(int nTotal)
{
    FreePages();
    for (int i = 0; i < nTotal; ++i) m_listPages.AddTail(new S_DOCVIEWER_PAGE(i));
}

void CDocViewerPages::FreePages()
{
    while (!m_listPages.IsEmpty()) delete static_cast<S_DOCVIEWER_PAGE*>(m_listPages.RemoveTail());
}

S_DOCVIEWER_PAGE* CDocViewerPages::GetPage(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetCount()) return nullptr;
    POSITION pos = m_listPages.FindIndex(nIndex);
    return pos ? static_cast<S_DOCVIEWER_PAGE*>(m_listPages.GetAt(pos)) : nullptr;
}

int CDocViewerPages::GetState(int nIndex) const
{
    const S_DOCVIEWER_PAGE* p = GetPage(nIndex);
    return p ? p->m_nState : -1;
}

int CDocViewerPages::FindNextToFetch(int nStart) const
{
    const int nTotal = GetCount();
    if (nTotal == 0) return -1;
    int j = (nStart < 0 || nStart >= nTotal) ? 0 : nStart;
    for (int n = 0; n < nTotal; ++n, ++j) {
        if (j == nTotal) j = 0;
        if (GetState(j) == S_DOCVIEWER_PAGE::WAITING) return j;
    }
    return -1;
}

BOOL CDocViewerPages::MarkLoading(int nIndex)
{
    S_DOCVIEWER_PAGE* p = GetPage(nIndex);
    if (!p) return FALSE;
    p->m_nState = S_DOCVIEWER_PAGE::LOADING;
    return TRUE;
}

int CDocViewerPages::StoreResult(int nIndex, BOOL bSuccess, Gdiplus::Image* pImage, const BYTE* pBytes, int nLength)
{
    S_DOCVIEWER_PAGE* p = GetPage(nIndex);
    if (!p) {
        delete pImage;
        return -1;
    }
    if (!bSuccess || pImage == nullptr) {
        delete pImage;
        p->m_nState = S_DOCVIEWER_PAGE::FAILED;
        return p->m_nState;
    }
    delete p->m_pImage;
    p->m_pImage = pImage;
    p->m_nWidth = (int)pImage->GetWidth();
    p->m_nHeight = (int)pImage->GetHeight();
    if (pBytes && nLength > 0)
        p->m_bytes.assign(pBytes, pBytes + nLength);
    else
        p->m_bytes.clear();
    p->m_nState = S_DOCVIEWER_PAGE::LOADED;
    return p->m_nState;
}

void CDocViewerPages::TrimDecoded(int nCurrent, int nKeep)
{
    for (int i = 0; i < GetCount(); ++i) {
        S_DOCVIEWER_PAGE* p = GetPage(i);
        // A page without its bytes could not be read again: it keeps its picture.
        if (!p->m_pImage || p->m_bytes.empty() || (i >= nCurrent - nKeep && i <= nCurrent + nKeep)) continue;
        delete p->m_pImage;
        p->m_pImage = nullptr;
    }
}

Gdiplus::Image* CDocViewerPages::GetDecoded(int nIndex)
{
    S_DOCVIEWER_PAGE* p = GetPage(nIndex);
    if (!p || p->m_nState != S_DOCVIEWER_PAGE::LOADED) return nullptr;
    if (!p->m_pImage && !p->m_bytes.empty())
        p->m_pImage = S_DOCVIEWER_PAGE::LoadDocImage(p->m_bytes.data(), (int)p->m_bytes.size());
    return p->m_pImage;
}

int CDocViewerPages::CountDecoded() const
{
    int n = 0;
    for (int i = 0; i < GetCount(); ++i)
        if (GetPage(i)->m_pImage) ++n;
    return n;
}

BOOL CDocViewerPages::RetryFailed(int nIndex)
{
    S_DOCVIEWER_PAGE* p = GetPage(nIndex);
    if (!p || p->m_nState != S_DOCVIEWER_PAGE::FAILED) return FALSE;
    p->m_nState = S_DOCVIEWER_PAGE::WAITING;
    return TRUE;
}

int CDocViewerPages::CountInState(int nState) const
{
    int n = 0;
    for (int i = 0; i < GetCount(); ++i)
        if (GetState(i) == nState) ++n;
    return n;
}
