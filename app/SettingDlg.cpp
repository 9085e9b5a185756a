#include <winsock2.h>  // before windows.h, which the headers below bring in

#include "app/ResourceText.h"
#include "app/SettingDlg.h"

#include "core/ClientMessages.h"
#include "core/LoginManager.h"
#include "core/MyLogFile.h"
#include "core/SettingManager.h"
#include "net/protocol/TasClientManager.h"
#include "net/protocol/TasResponse.h"
#include "platform/ResourceHandle.h"
#include "platform/WinApp.h"
#include "ui/controls/ConfirmPopup.h"
#include "ui/host/MainDlg.h"
#include "ui/host/TitleBar.h"
#include "ui/skin/MyListItem.h"
#include "whiteboard/tools/DrawToolPalette.h"

namespace {
const UINT IDD_SKIN_POPUP = 1200;
const UINT IDS_POPUP_TITLE = 108;
const UINT IDS_PUSH_LOAD_FAIL = 255;
const UINT IDS_PUSH_SAVE_FAIL = 256;
const UINT SETTING_LIST_ID = 11000;
const int kRowCount = 4;
const UINT WM_TAS_M00000019 = WM_USER + 118;
const UINT WM_TAS_M00000020 = WM_USER + 119;
const UINT WM_TAS_M00000022 = WM_USER + 121;
// wParam of UWM_SETTING_REPLY_READY.
const WPARAM REPLY_LOAD_FAILED = 1;
const WPARAM REPLY_SAVE_REFUSED = 2;
const WPARAM REPLY_SCHEDULE = 3;


BOOL ReadApply(const Json::Value& body)
{
    if (!body.isObject() || !body.isMember("applyYn"))
        return FALSE;
    const Json::Value& v = body["applyYn"];
    if (v.isBool()) return v.asBool();
    if (v.isNumeric()) return v.asDouble() != 0.0;
    if (v.isString()) return !v.asString().empty();
    return FALSE;
}
} // namespace

// ---- The row list ----

BEGIN_MESSAGE_MAP(CSettingListCtrl, CMySkinListCtrl)
    ON_WM_SIZE()
END_MESSAGE_MAP()

CSettingListCtrl::CSettingListCtrl() { m_bKeyNav = TRUE; }

int CSettingListCtrl::AddRow(const CString& strTitle, int nType, int nKey, int nData)
{
    SKIN_SCREEN* pScreen = new SKIN_SCREEN;
    pScreen->SetOwner(this)->LoadScreen(m_strItemScreen);
    if (SKIN_OBJECT* pIcon = pScreen->FindObject(L"icon"))
        pIcon->m_image.m_nCurFile = nKey;
    if (SKIN_OBJECT* pTitle = pScreen->FindObject(L"title"))
        pTitle->SetText(nullptr, strTitle, FALSE);
    if (SKIN_OBJECT* pValue = pScreen->FindObject(L"value"))
        pValue->SetText(nullptr, CString(), FALSE);
    MYLIST_ITEM* pItem = AddItem(nType, strTitle, pScreen, (DWORD_PTR)nData, 0);
    if (pItem)
        pItem->pUserData = reinterpret_cast<void*>((INT_PTR)nKey);
    return GetItemCount() + 1;
}

MYLIST_ITEM* CSettingListCtrl::FindRow(int nKey)
{
    for (POSITION pos = m_Items.GetHeadPosition(); pos;) {
        MYLIST_ITEM* pItem = m_Items.GetNext(pos);
        if ((INT_PTR)pItem->pUserData == nKey)
            return pItem;
    }
    return nullptr;
}

int CSettingListCtrl::FindRowIndex(int nKey)
{
    MYLIST_ITEM* pItem = FindRow(nKey);
    return pItem ? pItem->nIndex : -1;
}

void CSettingListCtrl::SetRowValue(int nKey, const CString& strText)
{
    MYLIST_ITEM* pItem = FindRow(nKey);
    if (!pItem || !pItem->pScreen)
        return;
    if (SKIN_OBJECT* pValue = pItem->pScreen->FindObject(L"value"))
        pValue->SetText(nullptr, strText, FALSE);
    if (m_hWnd)
        InvalidateRect(&pItem->rcItem, TRUE);
}

CString CSettingListCtrl::GetRowValue(int nKey)
{
    MYLIST_ITEM* pItem = FindRow(nKey);
    SKIN_OBJECT* pValue = pItem && pItem->pScreen ? pItem->pScreen->FindObject(L"value") : nullptr;
    return pValue ? pValue->m_text.m_strText : CString();
}

int CSettingListCtrl::GetFirstKey()
{
    return m_Items.IsEmpty() ? 0 : (int)(INT_PTR)m_Items.GetHead()->pUserData;
}

BOOL CSettingListCtrl::DeleteItemByKey(int nKey)
{
    MYLIST_ITEM* pItem = FindRow(nKey);
    return pItem ? DeleteItem(pItem->nIndex) : FALSE;
}

void CSettingListCtrl::LayoutRows(int cx, int cy)
{
    // Layout by the list, with its scroll bar taken off when the rows need it.
    LayoutScreens(cx, cy);
    RecalcScrollBar();
}

void CSettingListCtrl::OnSize(UINT nType, int cx, int cy)
{
    CMySkinListCtrl::OnSize(nType, cx, cy);
    LayoutRows(cx, cy);
}

void CSettingListCtrl::DrawItem(CDC* pDC, CRect rc, MYLIST_ITEM* pItem, BOOL bSelected)
{
    // The selected row shows the second set of icons (entries 5 to 8).
    SKIN_OBJECT* pIcon = bSelected && pItem && pItem->pScreen ? pItem->pScreen->FindObject(L"icon") : nullptr;
    if (pIcon)
        pIcon->m_image.m_nCurFile += kRowCount;
    CMySkinListCtrl::DrawItem(pDC, rc, pItem, bSelected);
    if (pIcon)
        pIcon->m_image.m_nCurFile -= kRowCount;
}

// ---- The window ----

BEGIN_MESSAGE_MAP(CSettingDlg, CMyBaseDialog)
    ON_WM_SIZE()
    ON_WM_GETMINMAXINFO()
    ON_WM_DESTROY()
    ON_NOTIFY(6, SETTING_LIST_ID, &CSettingDlg::OnListNotify)
    ON_NOTIFY(2, SETTING_LIST_ID, &CSettingDlg::OnListNotify)
    ON_MESSAGE(WM_TAS_M00000019, &CSettingDlg::OnReceiveM00000019)
    ON_MESSAGE(WM_TAS_M00000020, &CSettingDlg::OnReceiveM00000020)
    ON_MESSAGE(WM_TAS_M00000022, &CSettingDlg::OnReceiveM00000022)
    ON_MESSAGE(UWM_SETTING_PAGE_CHANGED, &CSettingDlg::OnPageChanged)
    ON_MESSAGE(UWM_SETTING_REPLY_READY, &CSettingDlg::OnReplyReady)
END_MESSAGE_MAP()

CSettingDlg::CSettingDlg(CWnd* pParent) : CMyBaseDialog(IDD_SKIN_POPUP, pParent), m_pList(new CSettingListCtrl) {}

CSettingDlg::~CSettingDlg()
{
    DeletePages();
    delete m_pList;
}

void CSettingDlg::DeletePages()
{
    CSettingPageBase* pages[] = {m_pPushPage, m_pTouchPage, m_pCloseAlarmPage, m_pVersionPage};
    for (CSettingPageBase* p : pages) {
        if (p && p->m_hWnd)
            p->DestroyWindow();
        delete p;
    }
    m_pPushPage = nullptr;
    m_pTouchPage = nullptr;
    m_pCloseAlarmPage = nullptr;
    m_pVersionPage = nullptr;
}

BOOL CSettingDlg::OnInitDialog()
{
    CMyBaseDialog::OnInitDialog();
    LoadScreen(L"SettingDlg");
    MoveWindow(m_Screen.m_rcScreen);
    CenterWindow();
    m_pListObject = m_Screen.FindObject(L"List");
    m_pContentObject = m_Screen.FindObject(L"Content");
    m_bPushLoaded = FALSE;

    if (m_pListObject) {
        m_pList->LoadItemScreen(this, m_pListObject, SETTING_LIST_ID, L"SettingList");
        const wchar_t* titles[kRowCount] = {L"item_push", L"item_touch", L"item_close_alarm", L"item_version"};
        for (int i = 0; i < kRowCount; ++i)
            m_pList->AddRow(m_pListObject->GetCustomValue(titles[i]), 2, i + 1, 0);
        m_pList->LayoutRows(m_pListObject->m_rcObject.Width(), m_pListObject->m_rcObject.Height());
    }

    DeletePages();
    m_pPushPage = new CSettingPushDlg;
    m_pTouchPage = new CSettingTouchDlg;
    m_pCloseAlarmPage = new CSettingCloseAlarmDlg;
    m_pVersionPage = new CSettingVersionDlg;
    m_pPushPage->CreatePage(this);
    m_pTouchPage->CreatePage(this);
    m_pCloseAlarmPage->CreatePage(this);
    m_pVersionPage->CreatePage(this);

    const int nKey = m_nStartKey ? m_nStartKey : m_pList->GetFirstKey();
    if (m_pList->m_hWnd) {
        const int nIndex = m_pList->FindRowIndex(nKey);
        m_pList->SetCurSel(nIndex < 0 ? 0 : nIndex);
        m_pList->Invalidate(TRUE);
    }
    ShowPage(nKey);
    RequestPushSetting();
    LoadPenSetting();
    LoadCloseAlarm();
    RelayoutPages();
    return TRUE;
}

void CSettingDlg::ShowPage(int nKey)
{
    CSettingPageBase* pages[] = {m_pPushPage, m_pTouchPage, m_pCloseAlarmPage, m_pVersionPage};
    for (int i = 0; i < kRowCount; ++i) {
        if (pages[i] && pages[i]->m_hWnd)
            pages[i]->ShowWindow(nKey == i + 1 ? SW_SHOW : SW_HIDE);
    }
}

void CSettingDlg::RequestPushSetting()
{
    m_replyTarget.Take(m_hWnd);
    CTasClientManager::GetInstance()->RequestM00000020(CLoginManager::GetInstance()->GetUserIdNumber());
}

void CSettingDlg::LoadPenSetting()
{
    const BOOL bOn = CSettingManager::GetInstance()->m_bUsePen != 0;
    if (m_pTouchPage)
        m_pTouchPage->SetPenCheck(bOn);
    SetPenValue(bOn);
}

void CSettingDlg::LoadCloseAlarm()
{
    if (!m_pCloseAlarmPage)
        return;
    m_pCloseAlarmPage->SetValue(CSettingManager::GetInstance()->m_nCloseAlarm);
    SetCloseAlarmValue(m_pCloseAlarmPage->GetValueText());
}

void CSettingDlg::SetPushValue(BOOL bOn) { m_pList->SetRowValue(1, bOn ? L"ON" : L"OFF"); }
void CSettingDlg::SetPenValue(BOOL bOn) { m_pList->SetRowValue(2, bOn ? L"ON" : L"OFF"); }
void CSettingDlg::SetCloseAlarmValue(const CString& strText) { m_pList->SetRowValue(3, strText); }

void CSettingDlg::SavePushSetting()
{
    CSettingPushDlg* p = m_pPushPage;
    if (!p)
        return;
    if (!m_bPushLoaded) {
        // Sending now would overwrite the user's schedule on the server with the page's
        // defaults; the server's schedule replaces the page when it arrives.
        g_ApplicationLog.Log(3, L"Push schedule not loaded yet: change not sent");
        return;
    }
    const BOOL bApply = p->IsChecked(p->m_pBtnAlarm);
    SetPushValue(bApply);
    m_replyTarget.Take(m_hWnd);
    CTasClientManager::GetInstance()->RequestM00000019(
        bApply, p->IsChecked(p->m_pBtnSun), p->IsChecked(p->m_pBtnMon), p->IsChecked(p->m_pBtnTue),
        p->IsChecked(p->m_pBtnWed), p->IsChecked(p->m_pBtnThu), p->IsChecked(p->m_pBtnFri), p->IsChecked(p->m_pBtnSat),
        p->GetTimeText(p->m_pDateStart), p->GetTimeText(p->m_pDateEnd));
}

void CSettingDlg::SavePenSetting()
{
    if (!m_pTouchPage || !m_pTouchPage->m_pBtnPen)
        return;
    const BOOL bOn = m_pTouchPage->m_pBtnPen->m_button.IsChecked();
    CSettingManager::GetInstance()->SetUsePen(bOn);
    SetPenValue(bOn);
    // The main dialog's drawing palette and title bar follow the option.
    IZELMainDlg* pMain = GetMainDlg();
    if (!pMain) return;
    if (CDrawToolMain* pPalette = dynamic_cast<CDrawToolMain*>(pMain->GetDrawToolWnd()))
        if (::IsWindow(pPalette->GetSafeHwnd())) pPalette->SetDrawEnabled(bOn);
    if (ITitleBar* pTitle = pMain->GetTitleLayer()) pTitle->Relayout();
}

void CSettingDlg::SaveCloseAlarm()
{
    if (!m_pCloseAlarmPage)
        return;
    CSettingManager::GetInstance()->SetCloseAlarm(m_pCloseAlarmPage->GetValue());
    SetCloseAlarmValue(m_pCloseAlarmPage->GetValueText());
}

void CSettingDlg::RelayoutPages()
{
    if (m_pList->m_hWnd && m_pListObject) {
        CRect rc;
        m_pListObject->GetContentRect(rc, nullptr);
        m_pList->MoveWindow(rc);
    }
    if (!m_pContentObject)
        return;
    CRect rcContent;
    m_pContentObject->GetContentRect(rcContent, nullptr);
    CSettingPageBase* pages[] = {m_pPushPage, m_pTouchPage, m_pCloseAlarmPage, m_pVersionPage};
    for (CSettingPageBase* p : pages) {
        if (p && p->m_hWnd)
            p->MoveWindow(rcContent);
    }
}

void CSettingDlg::OnSize(UINT nType, int cx, int cy)
{
    CMyBaseDialog::OnSize(nType, cx, cy);
    RelayoutPages();
}

void CSettingDlg::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    lpMMI->ptMinTrackSize.x = m_Screen.m_nMinCx;
    lpMMI->ptMinTrackSize.y = m_Screen.m_nMinCy;
    Default();
}

void CSettingDlg::OnListNotify(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    if (pNMHDR->code != 6)
        return;
    const MYLIST_NOTIFY* pNotify = reinterpret_cast<const MYLIST_NOTIFY*>(pNMHDR);
    const MYLIST_ITEM* pItem = reinterpret_cast<const MYLIST_ITEM*>(pNotify->pItem);
    if (pItem && pItem->nType == 2)
        ShowPage((int)(INT_PTR)pItem->pUserData);
}

int CSettingDlg::OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject)
{
    if (nEvent == WM_LBUTTONUP && pObject && pObject->m_strName == L"btnClose") {
        // The replies go back to the screen that had them before this window.
        m_replyTarget.Release();
        EndDialog(IDOK);
        return 1;
    }
    return 0;
}

LRESULT CSettingDlg::OnReceiveM00000020(WPARAM, LPARAM lParam)
{
    // Inside the socket worker's SendMessage: keep a copy, answer after it has returned.
    const CTasResponse* pReply = reinterpret_cast<const CTasResponse*>(lParam);
    if (!pReply || pReply->GetStatusCode() != 0) {
        PostMessage(UWM_SETTING_REPLY_READY, REPLY_LOAD_FAILED, 0);
        return 0;
    }
    m_pushReply = pReply->GetBody() ? *pReply->GetBody() : Json::Value(Json::objectValue);
    PostMessage(UWM_SETTING_REPLY_READY, REPLY_SCHEDULE, 1);
    return 0;
}

LRESULT CSettingDlg::OnReceiveM00000022(WPARAM, LPARAM lParam)
{
    const CTasResponse* pReply = reinterpret_cast<const CTasResponse*>(lParam);
    if (!pReply || pReply->GetStatusCode() != 0) {
        PostMessage(UWM_SETTING_REPLY_READY, REPLY_LOAD_FAILED, 0);
        return 0;
    }
    m_pushReply = pReply->GetBody() ? *pReply->GetBody() : Json::Value(Json::objectValue);
    PostMessage(UWM_SETTING_REPLY_READY, REPLY_SCHEDULE, 0);
    return 0;
}

LRESULT CSettingDlg::OnReceiveM00000019(WPARAM, LPARAM lParam)
{
    const CTasResponse* pReply = reinterpret_cast<const CTasResponse*>(lParam);
    BOOL bOk = pReply && pReply->GetStatusCode() == 0;
    if (bOk && pReply->GetBody() && pReply->GetBody()->isObject()) {
        const Json::Value& status = (*pReply->GetBody())["status"];
        bOk = status.isNull() || (status.isNumeric() && status.asInt() == 0) ||
              (status.isString() && (status.asString() == "0" || status.asString().empty()));
    }
    if (!bOk)
        PostMessage(UWM_SETTING_REPLY_READY, REPLY_SAVE_REFUSED, 0);
    return 0;
}

void CSettingDlg::ShowConfirm(UINT nTextId)
{
    CWnd* pParent = AfxGetMainWnd() ? AfxGetMainWnd() : this;
    CConfirmPopup popup(pParent, 305, 137, 0, 0, LoadResourceText(IDS_POPUP_TITLE), L"", LoadResourceText(nTextId), FALSE);
    popup.DoModal();
}

LRESULT CSettingDlg::OnReplyReady(WPARAM wParam, LPARAM lParam)
{
    switch (wParam) {
    case REPLY_SCHEDULE:
        SetPushValue(ReadApply(m_pushReply));
        if (lParam && m_pPushPage) {
            m_pPushPage->ApplyPushSetting(m_pushReply);
            m_bPushLoaded = TRUE;
        }
        break;
    case REPLY_LOAD_FAILED:
        ShowConfirm(IDS_PUSH_LOAD_FAIL);
        // Closed as its close box would: nothing of the schedule could be shown.
        EndDialog(IDCANCEL);
        break;
    case REPLY_SAVE_REFUSED:
        ShowConfirm(IDS_PUSH_SAVE_FAIL);
        break;
    default: break;
    }
    return 0;
}

LRESULT CSettingDlg::OnPageChanged(WPARAM wParam, LPARAM)
{
    switch (wParam) {
    case 1: SavePushSetting(); break;
    case 2: SavePenSetting(); break;
    case 3: SaveCloseAlarm(); break;
    default: break;
    }
    return 0;
}

void CSettingDlg::OnDestroy()
{
    m_replyTarget.Release();
    CMyBaseDialog::OnDestroy();
}
