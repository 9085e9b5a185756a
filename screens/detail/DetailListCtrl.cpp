#include "screens/detail/DetailListCtrl.h"

#include "core/ClientMessages.h"
#include "core/Meeting.h"
#include "core/MeetingDocument.h"
#include "features/documents/DocumentListRules.h"
#include "screens/detail/DetailRules.h"
#include "ui/skin/SkinManager.h"

namespace {

// The scroll bar of the list takes this much of the rows' width.
const int kScrollBarWidth = 12;

SKIN_OBJECT* Find(SKIN_SCREEN* pScreen, const wchar_t* pszName)
{
    return pScreen ? pScreen->FindObject(pszName) : nullptr;
}

void SetText(CWnd* pOwner, SKIN_OBJECT* pObject, const CString& strText)
{
    if (pObject)
        pObject->SetText(pOwner, strText, FALSE);
}

void SetVisible(SKIN_OBJECT* pObject, BOOL bVisible)
{
    if (pObject)
        pObject->m_nVisible = bVisible ? 1 : 0;
}

// The skin's text of the row's object with "{C}" replaced by the count (read from the skin, so
// that a refill counts anew).
void SetCountText(CWnd* pOwner, const SKIN_SCREEN* pScreen, SKIN_OBJECT* pObject, int nCount)
{
    if (!pObject)
        return;
    CString strTemplate;
    if (const SKIN_OBJECT* pSkin = g_SkinManager.FindObject(pScreen->m_strName, pObject->m_strName))
        strTemplate = pSkin->m_text.m_strText;
    if (strTemplate.Find(L"{C}") < 0)
        strTemplate = L"{C}";
    pObject->SetText(pOwner, ReferenceCountText(strTemplate, nCount), FALSE);
}

// "yyyymmddhhmi00" of a date text and a schedule time.
CString DateTimeStamp(const CString& strYmd, const CTime& tm)
{
    CString text;
    text.Format(L"%s%02d%02d00", (LPCTSTR)strYmd, tm.GetHour(), tm.GetMinute());
    return text;
}

void SetDate(CWnd* pOwner, SKIN_OBJECT* pObject, const CString& strStamp)
{
    if (!pObject)
        return;
    pObject->Enable(pOwner, FALSE);
    pObject->m_date.SetDateTime(pOwner, strStamp);
}

int CountDocuments(CMeeting* pMeeting, int nRefDoc)
{
    int n = 0;
    for (CMeetingDocument* d : pMeeting->GetDocuments()) {
        if (nRefDoc < 0 || d->IsRefDoc() == nRefDoc)
            ++n;
    }
    return n;
}

}  // namespace

BEGIN_MESSAGE_MAP(CDetailListCtrl, CMySkinListCtrl)
    ON_WM_SIZE()
END_MESSAGE_MAP()

CDetailListCtrl::CDetailListCtrl()
{
    // The arrow keys move the selection.
    SetKeyNavigation(TRUE);
}

MYLIST_ITEM* CDetailListCtrl::AddRow(const CString& strTemplate, int nItemType, int nKind, CMeeting* pMeeting,
                                     CMeetingDocument* pDocument)
{
    SKIN_SCREEN* pScreen = new SKIN_SCREEN();
    pScreen->SetOwner(this);
    pScreen->LoadScreen(strTemplate);
    FillRow(this, pScreen, nKind, pMeeting, pDocument);
    MYLIST_ITEM* pItem = AddItem(nItemType, CString(), pScreen, (DWORD_PTR)pMeeting, 0);
    pItem->nParam = nKind;
    pItem->pUserData = pDocument;
    pItem->nTag = ++m_nLastRowId;
    return pItem;
}

void CDetailListCtrl::FillRow(CWnd* pOwner, SKIN_SCREEN* pScreen, int nKind, CMeeting* pMeeting,
                              CMeetingDocument* pDocument)
{
    if (!pScreen)
        return;
    switch (nKind) {
    case DETAIL_ROW_LOCATION:
        if (pMeeting)
            SetText(pOwner, Find(pScreen, L"textDesc"), pMeeting->GetRoomTitle());
        break;
    case DETAIL_ROW_DATE:
        if (pMeeting) {
            SetDate(pOwner, Find(pScreen, L"date"), pMeeting->GetStartDateText());
            SetDate(pOwner, Find(pScreen, L"timeFrom"), DateTimeStamp(pMeeting->GetStartDateText(), pMeeting->GetStartTime()));
            SetDate(pOwner, Find(pScreen, L"timeTo"), DateTimeStamp(pMeeting->GetEndDateText(), pMeeting->GetEndTime()));
        }
        break;
    case DETAIL_ROW_REPORT_REQUEST:
    case DETAIL_ROW_REPORT_CONFIRM:
    case DETAIL_ROW_REPORT_OTHER:
    case DETAIL_ROW_REPORT_END:
        if (pMeeting) {
            SetDate(pOwner, Find(pScreen, L"date"), pMeeting->GetEndDateText());
            SetDate(pOwner, Find(pScreen, L"time"), DateTimeStamp(pMeeting->GetEndDateText(), pMeeting->GetEndTime()));
            // A report on paper has no time of its own.
            SetVisible(Find(pScreen, L"icon"), !pMeeting->GetPaper());
            SetVisible(Find(pScreen, L"time"), !pMeeting->GetPaper());
        }
        break;
    case DETAIL_ROW_REPORT_ATTACHMENTS:
        if (pMeeting) {
            SetCountText(pOwner, pScreen, Find(pScreen, L"textDesc"), CountDocuments(pMeeting, -1));
            SetVisible(Find(pScreen, L"btnAddFile"),
                       detailrules::IsOpenStatus(pMeeting->GetStatus()) && pMeeting->GetReportUserType() == 2);
        }
        break;
    case DETAIL_ROW_ATTACHMENTS:
        if (pMeeting) {
            SetCountText(pOwner, pScreen, Find(pScreen, L"textDesc"), CountDocuments(pMeeting, 0));
            SetVisible(Find(pScreen, L"btnWb"), TRUE);
            SetVisible(Find(pScreen, L"btnAddFile"),
                       detailrules::IsOpenStatus(pMeeting->GetStatus()) &&
                           (pMeeting->IsPresenterMe() || pMeeting->GetMainYn()));
        }
        break;
    case DETAIL_ROW_REFERENCES:
        if (pMeeting)
            SetCountText(pOwner, pScreen, Find(pScreen, L"textDesc"), CountDocuments(pMeeting, 1));
        break;
    case DETAIL_ROW_FILE:
        if (pDocument) {
            SetVisible(Find(pScreen, L"imgNote"), pDocument->IsPdfDownload());
            if (SKIN_OBJECT* pImage = Find(pScreen, L"image"))
                pImage->m_image.m_nCurFile = detailrules::GetFileTypeImage(pDocument->GetFileName());
            const BOOL bViewable = pDocument->IsViewable();
            const BOOL bOpen = pDocument->IsOpen();
            const wchar_t* pszName = bViewable ? (bOpen ? L"textNameConvOpen" : L"textNameConv")
                                               : (bOpen ? L"textNameOpen" : L"textName");
            if (SKIN_OBJECT* pName = Find(pScreen, pszName)) {
                pName->m_nVisible = 1;
                pName->SetText(pOwner, pDocument->GetFileName(), FALSE);
            }
            SetVisible(Find(pScreen, L"btnAddFilebox"), FALSE);
            SetVisible(Find(pScreen, L"btnFeedback"), pDocument->IsFeedback());
            if (SKIN_OBJECT* pFavorite = Find(pScreen, L"btnFavorite"))
                pFavorite->m_button.SetChecked(pDocument->IsFavorite());
        }
        break;
    case DETAIL_ROW_CONTENTS:
        if (pMeeting)
            SetText(pOwner, Find(pScreen, L"textDesc"), pMeeting->GetSummary());
        break;
    default:
        break;
    }
}

MYLIST_ITEM* CDetailListCtrl::FindRowOfKind(int nKind)
{
    for (int i = 0; i < GetItemCount(); ++i) {
        MYLIST_ITEM* pItem = FindItem(i);
        if (GetRowKind(pItem) == nKind)
            return pItem;
    }
    return nullptr;
}

MYLIST_ITEM* CDetailListCtrl::FindRowById(int nRowId)
{
    if (nRowId <= 0)
        return nullptr;
    for (int i = 0; i < GetItemCount(); ++i) {
        MYLIST_ITEM* pItem = FindItem(i);
        if (GetRowId(pItem) == nRowId)
            return pItem;
    }
    return nullptr;
}

void CDetailListCtrl::RefreshAttachmentRows()
{
    for (int i = 0; i < GetItemCount(); ++i) {
        MYLIST_ITEM* pItem = FindItem(i);
        const int nKind = GetRowKind(pItem);
        if (nKind != DETAIL_ROW_REPORT_ATTACHMENTS && nKind != DETAIL_ROW_ATTACHMENTS)
            continue;
        FillRow(this, pItem->pScreen, nKind, reinterpret_cast<CMeeting*>(pItem->dwData), nullptr);
        if (GetSafeHwnd())
            InvalidateRect(&pItem->rcItem, FALSE);
    }
}

void CDetailListCtrl::OnSize(UINT nType, int cx, int cy)
{
    CMySkinListCtrl::OnSize(nType, cx, cy);
    RelayoutRows(cx, cy);
}

void CDetailListCtrl::RelayoutRows(int cx, int cy)
{
    const BOOL bHadBar = IsScrollBarNeeded();
    if (bHadBar)
        cx -= kScrollBarWidth;
    const BOOL bChanged = LayoutRows(cx, cy);
    if (bChanged && !bHadBar && IsScrollBarNeeded())
        LayoutRows(cx - kScrollBarWidth, cy);
}

BOOL CDetailListCtrl::LayoutRows(int cx, int cy)
{
    m_ItemTemplate.Layout(this, cx, m_ItemTemplate.m_rcScreen.Height());
    BOOL bChanged = FALSE;
    for (int i = 0; i < GetItemCount(); ++i) {
        MYLIST_ITEM* pItem = FindItem(i);
        if (!pItem || !pItem->pScreen)
            continue;
        int nHeight = pItem->nHeight;
        pItem->pScreen->LayoutAutoHeight(this, cx, pItem->pScreen->m_rcScreen.Height(), nHeight);
        if (nHeight != pItem->nHeight) {
            pItem->nHeight = nHeight;
            bChanged = TRUE;
        }
    }
    (void)cy;
    if (bChanged) {
        RecalcHeights();
        RecalcScrollBar();
    }
    return bChanged;
}

int CDetailListCtrl::OnItemEvent(UINT nEvent, SKIN_OBJECT* pObject, MYLIST_ITEM* pItem)
{
    if (nEvent != 514 || !pItem || !pItem->pScreen || !pObject)
        return 0;
    const int nKind = GetRowKind(pItem);
    const CString& strName = pObject->m_strName;
    UINT nMessage = 0;
    LPARAM lParam = 0;
    if ((nKind == DETAIL_ROW_REPORT_ATTACHMENTS || nKind == DETAIL_ROW_ATTACHMENTS) && strName.CompareNoCase(L"btnAddFile") == 0)
        nMessage = WM_DETAIL_ADD_FILE;
    else if (nKind == DETAIL_ROW_ATTACHMENTS && strName.CompareNoCase(L"btnWb") == 0)
        nMessage = WM_DETAIL_WHITEBOARD;
    else if (nKind == DETAIL_ROW_FILE && strName.CompareNoCase(L"btnAddFilebox") == 0)
        nMessage = WM_DETAIL_TO_DATA_BOX;
    else if (nKind == DETAIL_ROW_FILE && strName.CompareNoCase(L"btnFavorite") == 0) {
        nMessage = WM_DETAIL_FAVORITE;
        lParam = pObject->m_button.IsChecked() ? 1 : 0;
    } else if (nKind == DETAIL_ROW_FILE && strName.CompareNoCase(L"btnFeedback") == 0)
        nMessage = WM_DETAIL_FEEDBACK;
    if (!nMessage)
        return 0;
    if (CWnd* pParent = GetParent())
        pParent->PostMessage(nMessage, (WPARAM)GetRowId(pItem), lParam);
    return 1;
}
