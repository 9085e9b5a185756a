#pragma once
// The pages of the document the viewer shows: one record per page in index order, its fetch
// state and its decoded image, and the order in which pages are fetched. No window here.
#include <windows.h>

#include <vector>

#include "platform/List.h"

namespace Gdiplus {
class Image;
}

struct S_DOCVIEWER_PAGE {
    enum { WAITING = 0, LOADING = 1, LOADED = 2, FAILED = 3 };

    explicit S_DOCVIEWER_PAGE(int nIndex);
    virtual ~S_DOCVIEWER_PAGE();
    S_DOCVIEWER_PAGE(const S_DOCVIEWER_PAGE&) = delete;
    S_DOCVIEWER_PAGE& operator=(const S_DOCVIEWER_PAGE&) = delete;

    int m_nIndex;
    int m_nPage;
    int m_nState;
    int m_nWidth;
    int m_nHeight;
    Gdiplus::Image* m_pImage;   // owned; only pages near the one on screen keep theirs decoded
    std::vector<BYTE> m_bytes;  // the page's file as downloaded, kept while the page is loaded

    // A new image read from the bytes, or null when they are missing or hold no picture that
    // GDI+ can read. The record is not touched.
    static Gdiplus::Image* LoadDocImage(const BYTE* pData, int nLength);
};

class CDocViewerPages {
public:
    CDocViewerPages();
    ~CDocViewerPages();
    CDocViewerPages(const CDocViewerPages&) = delete;
    CDocViewerPages& operator=(const CDocViewerPages&) = delete;

    // nTotal waiting pages (after freeing any there were).
    void Create(int nTotal);
    // Deletes the records from the tail, each with its image.
    void FreePages();
    int GetCount() const { return (int)m_listPages.GetCount(); }
    S_DOCVIEWER_PAGE* GetPage(int nIndex) const;
    // The state of a page, -1 when there is none.
    int GetState(int nIndex) const;

    // The first waiting page from nStart forwards, wrapping to the first page; -1 when none waits.
    int FindNextToFetch(int nStart) const;
    BOOL MarkLoading(int nIndex);
    // Stores a downloaded page: its image (taken over) and the bytes it was read from or, when the
    // download failed or the bytes held no picture (pImage null), the failed state. Returns the
    // page's new state, -1 when there is no such page (the image is then deleted).
    int StoreResult(int nIndex, BOOL bSuccess, Gdiplus::Image* pImage, const BYTE* pBytes = nullptr, int nLength = 0);
    // A decoded picture takes several megabytes where its file takes a few hundred kilobytes:
    // only the pages within nKeep of nCurrent keep theirs; the others are read again from their
    // bytes when shown.
    void TrimDecoded(int nCurrent, int nKeep = KEEP_DECODED);
    // The page's picture, read again from its bytes when it was let go; null when not loaded.
    Gdiplus::Image* GetDecoded(int nIndex);
    int CountDecoded() const;
    enum { KEEP_DECODED = 2 };
    // A failed page waits again, so that it is fetched once more; FALSE for any other state.
    BOOL RetryFailed(int nIndex);
    int CountInState(int nState) const;

private:
    CPtrList m_listPages;
};
