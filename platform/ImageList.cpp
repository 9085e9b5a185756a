#include "platform/ImageList.h"

#include "platform/DC.h"
#include "platform/ResourceHandle.h"
#include "platform/UiState.h"

IMPLEMENT_DYNAMIC(CImageList, CObject)

CImageList::~CImageList()
{
    DeleteImageList();
}

CImageList* CImageList::FromHandle(HIMAGELIST hImageList)
{
    if (!hImageList) return nullptr;
    return zel::ThreadState().tempImageLists.FindOrAdd(hImageList, [hImageList] {
        CImageList* list = new CImageList;
        list->m_hImageList = hImageList;
        return list;
    });
}

BOOL CImageList::Attach(HIMAGELIST hImageList)
{
    if (!hImageList || m_hImageList) return FALSE;
    m_hImageList = hImageList;
    return TRUE;
}

HIMAGELIST CImageList::Detach()
{
    HIMAGELIST list = m_hImageList;
    m_hImageList = nullptr;
    return list;
}

BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask)
{
    return Create(MAKEINTRESOURCEW(nBitmapID), cx, nGrow, crMask);
}

BOOL CImageList::Create(LPCTSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask)
{
    return Attach(ImageList_LoadImageW(AfxGetResourceHandle(), lpszBitmapID, cx, nGrow, crMask,
                                       IMAGE_BITMAP, LR_CREATEDIBSECTION));
}

BOOL CImageList::DeleteImageList()
{
    if (!m_hImageList) return FALSE;
    return ImageList_Destroy(Detach());
}

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle)
{
    return ImageList_Draw(m_hImageList, nImage, pDC->GetSafeHdc(), pt.x, pt.y, nStyle);
}
