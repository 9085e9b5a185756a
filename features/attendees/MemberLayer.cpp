#include "features/attendees/MemberLayer.h"

#include "ui/host/MainDlg.h"
#include "ui/host/MeetingScreen.h"
#include "core/DrawHelpers.h"
#include "core/ImageStream.h"
#include "core/JsonHelpers.h"
#include "core/LoginManager.h"
#include "core/MeetingManager.h"
#include "features/documents/WebPageViews.h"
#include "net/protocol/TasClientManager.h"
#include "net/protocol/TasResponse.h"
#include "resources/resource.h"
#include "ui/skin/GdiPlus.h"
#include "ui/skin/SkinScreen.h"

namespace {

CString LoadText(UINT nId)
{
    CString s;
    s.LoadString(nId);
    return s;
}

void ShowObject(SKIN_OBJECT* o, BOOL bShow)
{
    if (o) o->m_nVisible = bShow ? 1 : 0;
}

CString IdText(int n)
{
    CString s;
    s.Format(L"%d", n);
    return s;
}

// A copy of the image the bytes hold, null when they hold none.
Gdiplus::Image* DecodePhoto(const char* pData, int nLength)
{
    if (!pData || nLength <= 0) return nullptr;
    CImageStream stream;
    if (!stream.LoadFromMemory(pData, (DWORD)nLength)) return nullptr;
    Gdiplus::Bitmap* pSource = Gdiplus::Bitmap::FromStream(stream.GetStream());
    Gdiplus::Image* pCopy = nullptr;
    if (pSource && pSource->GetLastStatus() == Gdiplus::Ok && pSource->GetWidth() > 0)
        pCopy = pSource->Clone(0, 0, (INT)pSource->GetWidth(), (INT)pSource->GetHeight(), PixelFormat32bppARGB);
    delete pSource;
    return pCopy;
}

// The organisation page's answers for the add pop-up.
class CAddPageHost : public IAttendeePageHost {
public:
    int CheckOtherTarget(int nUserIdnfr) override
    {
        return nUserIdnfr == CLoginManager::GetInstance()->GetUserIdNumber() ? 1 : 0;
    }
    void AddAttendee(const CString& strMtngId, const CString& strUserIdnfr) override
    {
        CTasClientManager::GetInstance()->RequestM00000038(strMtngId, strUserIdnfr, CString(), FALSE);
    }
};

}  // namespace

// ---------------------------------------------------------------------------------- the list

CMemberListCtrl::CMemberListCtrl()
{
    m_bMultiSelect = FALSE;
}

void CMemberListCtrl::FillRow(SKIN_SCREEN* s, const _ATTENDEE_INFO& a, BOOL bControl)
{
    const CString strName = AttendeeNameLine(a);
    for (const wchar_t* n : {L"textName", L"textNameP"})
        if (SKIN_OBJECT* o = s->FindObject(n)) o->SetText(nullptr, strName, FALSE);
    for (const wchar_t* n : {L"textDesc", L"textDescP"})
        if (SKIN_OBJECT* o = s->FindObject(n)) o->SetText(nullptr, a.deptName, FALSE);
    const BOOL bPresent = a.presenceYn != 0;
    for (const wchar_t* n : {L"ColorP", L"textNameP", L"textDescP"}) ShowObject(s->FindObject(n), bPresent);
    for (const wchar_t* n : {L"Color", L"textName", L"textDesc"}) ShowObject(s->FindObject(n), !bPresent);
    ShowObject(s->FindObject(L"iconHost"), bPresent && a.processYn);
    ShowObject(s->FindObject(L"btnHost"), bPresent && !a.processYn && bControl);
    ShowObject(s->FindObject(L"iconConfirmY"), a.confirmYn == L"Y");
    ShowObject(s->FindObject(L"iconConfirmN"), a.confirmYn == L"N");
}

void CMemberListCtrl::AddAttendeeRow(_ATTENDEE_INFO* pInfo, BOOL bControl)
{
    SKIN_SCREEN* pScreen = new SKIN_SCREEN;
    pScreen->SetOwner(this)->LoadScreen(L"MemberListItem");
    FillRow(pScreen, *pInfo, bControl);
    AddItem(2, pInfo->name, pScreen, (DWORD_PTR)pInfo, 0);
}

MYLIST_ITEM* CMemberListCtrl::GetRow(int nRow)
{
    int i = 0;
    for (POSITION pos = m_Items.GetHeadPosition(); pos; ++i) {
        MYLIST_ITEM* item = m_Items.GetNext(pos);
        if (i == nRow) return item;
    }
    return nullptr;
}

int CMemberListCtrl::GetRowHeight(int nRow)
{
    MYLIST_ITEM* item = GetRow(nRow);
    return item ? item->nHeight : -1;
}

_ATTENDEE_INFO* CMemberListCtrl::GetRowInfo(int nRow)
{
    MYLIST_ITEM* item = GetRow(nRow);
    return item ? reinterpret_cast<_ATTENDEE_INFO*>(item->dwData) : nullptr;
}

CRect CMemberListCtrl::GetRowRect(int nRow)
{
    MYLIST_ITEM* item = GetRow(nRow);
    return item ? CRect(item->rcItem) : CRect();
}

void CMemberListCtrl::ApplyFilter(const CString& strSearch)
{
    for (POSITION pos = m_Items.GetHeadPosition(); pos;) {
        MYLIST_ITEM* item = m_Items.GetNext(pos);
        const _ATTENDEE_INFO* a = reinterpret_cast<const _ATTENDEE_INFO*>(item->dwData);
        const int nTemplate = item->pScreen ? item->pScreen->m_rcScreen.Height() : 48;
        item->nHeight = (a && !IsAttendeeShown(*a, strSearch)) ? 0 : nTemplate;
        item->bFixedHeight = TRUE;
    }
    RecalcHeights();
    RecalcScrollBar();
    Invalidate();
}

int CMemberListCtrl::OnItemEvent(UINT nEvent, SKIN_OBJECT* pObject, MYLIST_ITEM* pItem)
{
    if (nEvent == WM_LBUTTONUP && pObject && pItem && pObject->m_strName == L"btnHost") {
        if (onHandOver && pItem->dwData) onHandOver(*reinterpret_cast<const _ATTENDEE_INFO*>(pItem->dwData));
        return 1;
    }
    return CMySkinListCtrl::OnItemEvent(nEvent, pObject, pItem);
}

// --------------------------------------------------------------------------------- the panel

BEGIN_MESSAGE_MAP(CMemberLayer, CMyBaseDialog)
    ON_WM_SIZE()
    ON_WM_SETCURSOR()
    ON_WM_LBUTTONDOWN()
    ON_NOTIFY(MYLIST_ITEM_PRESS, CMemberLayer::ID_LIST, &CMemberLayer::OnListNotify)
    ON_NOTIFY(MYLIST_ITEM_CLICK, CMemberLayer::ID_LIST, &CMemberLayer::OnListNotify)
END_MESSAGE_MAP()

CWnd* CreateAttendeePanel(CWnd* pParent, BOOL bReport)
{
    CMemberLayer* pPanel = new CMemberLayer(pParent, bReport);
    if (!pPanel->Create(IDD_SKIN_CHILD, pParent)) {
        delete pPanel;
        return nullptr;
    }
    pPanel->SetAutoDelete(TRUE);
    return pPanel;
}

IAttendeePanel* AsAttendeePanel(CWnd* pWnd)
{
    return dynamic_cast<CMemberLayer*>(pWnd);
}

CMemberLayer::CMemberLayer(CWnd* pParent, BOOL bReport)
    : CMyBaseDialog(IDD_SKIN_CHILD, pParent), m_pList(new CMemberListCtrl()), m_bReport(bReport ? 1 : 0)
{
    m_pList->onHandOver = [this](const _ATTENDEE_INFO& a) { HandOver(a, 'L'); };
}

CMemberLayer::~CMemberLayer()
{
    ClearRows();
    delete m_pHostImage;
    delete m_pApproverImage;
    delete m_pReporterImage;
}

void CMemberLayer::PostNcDestroy()
{
    if (m_pProfileDlg && m_pProfileDlg->GetSafeHwnd()) m_pProfileDlg->DestroyWindow();
    if (m_bAutoDelete) delete this;
}

void CMemberLayer::SetReportMode(BOOL bReport)
{
    m_bReport = bReport ? 1 : 0;
    LoadScreen(m_bReport ? L"MemberLayerReport" : L"MemberLayer");
    if (SKIN_OBJECT* o = Object(L"textCount")) m_strCountTemplate = o->m_text.m_strText;
    if (m_strCountTemplate.IsEmpty()) m_strCountTemplate = LoadText(IDS_ATTENDEE_COUNT);
}

BOOL CMemberLayer::OnInitDialog()
{
    CMyBaseDialog::OnInitDialog();
    SetReportMode(m_bReport);
    MoveWindow(m_Screen.m_rcScreen);
    if (SKIN_OBJECT* pListObject = Object(L"List")) {
        m_pList->LoadItemScreen(this, pListObject, ID_LIST, L"MemberListItem");
        m_pList->LayoutScreens(pListObject->m_rcObject.Width(), pListObject->m_rcObject.Height());
    }
    m_bmpExtra.LoadBitmap(IDB_ATTENDEE_EXTRA);
    UpdateCount();
    RefreshCards();
    return TRUE;
}

void CMemberLayer::PlaceList()
{
    SKIN_OBJECT* o = Object(L"List");
    if (!o || !m_pList->GetSafeHwnd()) return;
    CRect rc = o->m_rcObject;
    rc.DeflateRect(o->MarginL() + o->PaddingL(), o->MarginT() + o->PaddingT(), o->MarginR() + o->PaddingR(),
                   o->MarginB() + o->PaddingB());
    m_pList->MoveWindow(rc);
}

void CMemberLayer::OnSize(UINT nType, int cx, int cy)
{
    CMyBaseDialog::OnSize(nType, cx, cy);
    PlaceList();
}

void CMemberLayer::SetMeetingId(const CString& strMtngId)
{
    m_strMtngId = strMtngId;
    if (SKIN_OBJECT* o = Object(L"search")) o->SetEditText(this, CString(), TRUE);
}

BOOL CMemberLayer::OnServerReply(UINT, const CTasResponse* pReply)
{
    if (!pReply) return FALSE;
    const std::string strId = pReply->GetMessageId();
    if (strId == "M00000004") {
        if (pReply->GetStatusCode() == 0 && pReply->GetBody()) OnAttendeeList(*pReply->GetBody());
        return TRUE;
    }
    if (strId == "M00000006") {
        if (pReply->GetStatusCode() == 0 && pReply->GetBody())
            OnUserProfile(*pReply->GetBody(), pReply->GetRawBody(), pReply->GetRawBodyLength());
        return TRUE;
    }
    if (strId == "M00000018") {
        OnAttendeeConfirmReply();
        return TRUE;
    }
    return FALSE;
}

void CMemberLayer::ClearRows()
{
    if (m_pList && m_pList->GetSafeHwnd()) m_pList->DeleteAll();
    m_listAttendees.clear();
}

BOOL CMemberLayer::CanControl() const
{
    CMeeting* m = CMeetingManager::GetInstance()->GetCurrentMeeting();
    if (!m) return FALSE;
    SControlFacts f;
    f.bReport = m_bReport;
    f.bStatus12Or13 = m->IsStatus12Or13();
    f.bPresenterMe = m->IsPresenterMe();
    f.nReportUserType = m->GetReportUserType();
    f.bMainYn = m->GetMainYn();
    return CanControlPresentation(f);
}

void CMemberLayer::OnAttendeeList(const Json::Value& body)
{
    ClearRows();
    EnableObject(Object(L"btnSearchClear"), FALSE, TRUE);
    const int nOwn = CLoginManager::GetInstance()->GetUserIdNumber();
    const SAttendeeList sorted = SortAttendees(body, nOwn, m_bReport);
    m_host = sorted.bHost ? sorted.host : _ATTENDEE_INFO();
    if (sorted.bHost) CTasClientManager::GetInstance()->RequestM00000006(IdText(m_host.userIdnfr));
    if (m_bReport) {
        m_approver = sorted.bApprover ? sorted.approver : _ATTENDEE_INFO();
        if (sorted.bApprover) CTasClientManager::GetInstance()->RequestM00000006(IdText(m_approver.userIdnfr));
    }
    const BOOL bControl = CanControl();
    for (const _ATTENDEE_INFO& a : sorted.rows) {
        m_listAttendees.push_back(std::make_unique<_ATTENDEE_INFO>(a));
        if (m_pList->GetSafeHwnd()) m_pList->AddAttendeeRow(m_listAttendees.back().get(), bControl);
    }
    if (sorted.bOwnFound) {
        m_bApprovalPending = sorted.nApprovalPending;
        if (m_onApproval) m_onApproval(m_bApprovalPending);
        CMeetingManager::GetInstance()->SetModifyFlag(sorted.nModify);
        CMeetingManager::GetInstance()->SetSecretaryFlag(sorted.nSecretary);
    }
    RefreshCards();
    UpdateCount();
    const CString strSearch = SearchText();
    if (!strSearch.IsEmpty() && m_pList->GetSafeHwnd()) m_pList->ApplyFilter(strSearch);
    if (m_pList->GetSafeHwnd()) m_pList->Invalidate();
    Invalidate();
}

void CMemberLayer::FillCard(const _ATTENDEE_INFO& a, const wchar_t* s, const wchar_t* h)
{
    const CString suffix(s), hand(h);
    const CString strName = a.name.IsEmpty() ? CString() : AttendeeNameLine(a);
    for (const CString& n : {L"textName" + suffix, L"textName" + suffix + L"P"})
        if (SKIN_OBJECT* o = Object(n)) o->SetText(this, strName, TRUE);
    for (const CString& n : {L"textDesc" + suffix, L"textDesc" + suffix + L"P"})
        if (SKIN_OBJECT* o = Object(n)) o->SetText(this, a.deptName, TRUE);
    const BOOL bPresent = a.presenceYn != 0;
    SetObjectVisible(Object(L"textName" + suffix + L"P"), bPresent, TRUE);
    SetObjectVisible(Object(L"textDesc" + suffix + L"P"), bPresent, TRUE);
    SetObjectVisible(Object(L"textName" + suffix), !bPresent, TRUE);
    SetObjectVisible(Object(L"textDesc" + suffix), !bPresent, TRUE);
    SetObjectVisible(Object(L"icon" + hand), a.processYn != 0, TRUE);
    SetObjectVisible(Object(L"btn" + hand), !a.processYn && a.userIdnfr && CanControl(), TRUE);
}

void CMemberLayer::RefreshCards()
{
    if (!m_bReport) {
        FillCard(m_host, L"", L"Host");
        SetObjectVisible(Object(L"iconConfirmY"), m_host.confirmYn == L"Y", TRUE);
        SetObjectVisible(Object(L"iconConfirmN"), m_host.confirmYn == L"N", TRUE);
        const BOOL bAdd = !CMeetingManager::GetInstance()->IsNotStarted() &&
                          CMeetingManager::GetInstance()->GetCurrentMeeting() &&
                          (CanControl() || CMeetingManager::GetInstance()->GetModifyFlag());
        SetObjectVisible(Object(L"btnAddUser"), bAdd, TRUE);
        if (m_pList->GetSafeHwnd()) m_pList->ShowWindow(SW_SHOW);
    } else {
        FillCard(m_approver, L"Approver", L"Approver");
        FillCard(m_host, L"Reporter", L"Reporter");
        if (m_pList->GetSafeHwnd()) m_pList->ShowWindow(SW_HIDE);
        for (const wchar_t* n : {L"textIsPaperT", L"textIsPaperF", L"btnAddUser"}) SetObjectVisible(Object(n), FALSE, TRUE);
    }
}

void CMemberLayer::UpdateCount()
{
    std::vector<_ATTENDEE_INFO> rows;
    for (const auto& p : m_listAttendees) rows.push_back(*p);
    if (SKIN_OBJECT* o = Object(L"textCount")) o->SetText(this, MakeAttendeeCount(m_strCountTemplate, rows), TRUE);
}

CString CMemberLayer::GetCountText() const
{
    SKIN_OBJECT* o = Object(L"textCount");
    return o ? o->m_text.m_strText : CString();
}

CString CMemberLayer::SearchText() const
{
    CString s;
    if (SKIN_OBJECT* o = Object(L"search"))
        if (o->m_edit.m_edit.GetSafeHwnd() && !o->m_edit.m_edit.IsHintState()) o->m_edit.m_edit.GetWindowText(s);
    return s;
}

void CMemberLayer::SetPresenter(int nUserIdnfr)
{
    m_host.processYn = m_host.userIdnfr == nUserIdnfr;
    m_approver.processYn = m_approver.userIdnfr == nUserIdnfr;
    for (auto& p : m_listAttendees) p->processYn = p->userIdnfr == nUserIdnfr;
    const BOOL bControl = CanControl();
    int i = 0;
    for (auto& p : m_listAttendees) {
        if (MYLIST_ITEM* item = m_pList->GetRow(i++)) CMemberListCtrl::FillRow(item->pScreen, *p, bControl);
    }
    RefreshCards();
    m_pList->Invalidate();
    Invalidate();
}

void CMemberLayer::SetPresence(int nUserIdnfr, int nPresent)
{
    if (m_host.userIdnfr == nUserIdnfr) m_host.presenceYn = (BYTE)(nPresent != 0);
    if (m_approver.userIdnfr == nUserIdnfr) m_approver.presenceYn = (BYTE)(nPresent != 0);
    CMeeting* m = CMeetingManager::GetInstance()->GetCurrentMeeting();
    const BOOL bControl = m ? m->GetMainYn() : FALSE;
    int i = 0;
    for (auto& p : m_listAttendees) {
        if (p->userIdnfr == nUserIdnfr) p->presenceYn = (BYTE)(nPresent != 0);
        if (MYLIST_ITEM* item = m_pList->GetRow(i)) CMemberListCtrl::FillRow(item->pScreen, *p, bControl);
        ++i;
    }
    RefreshCards();
    UpdateCount();
    m_pList->Invalidate();
    Invalidate();
}

void CMemberLayer::HandOver(const _ATTENDEE_INFO& a, char cCard)
{
    CMeeting* m = CMeetingManager::GetInstance()->GetCurrentMeeting();
    UINT nQuestion = 0, nNote = 0;
    HandOverStrings(cCard, m ? m->GetMainYn() : FALSE, m ? m->GetReportUserType() : 0, &nQuestion, &nNote);
    IZELMainDlg* pMain = GetMainDlg();
    if (!pMain) return;
    const CString strText = LoadText(nQuestion) + L"\n" + LoadText(nNote);
    if (pMain->ShowMessagePopup(CString(), strText, 137, nullptr, TRUE) != IDOK) return;
    CString strDocument;
    if (pMain->GetScreenMode() == ZEL_MODE_MEETING && pMain->GetMeetingLayer())
        strDocument = pMain->GetMeetingLayer()->GetCurrentDocumentId();
    else if (m)
        strDocument = m->GetFileTypeText();
    CString strMtngId = m_strMtngId;
    if (cCard == 'L') {
        if (m) strMtngId = m->GetMeetingId();
    } else {
        // Until the server answers the hand-over the cards take no second one.
        EnableWindow(FALSE);
    }
    CTasClientManager::GetInstance()->RequestM00000018(strMtngId, strDocument, IdText(a.userIdnfr));
}

void CMemberLayer::OnAttendeeConfirmReply()
{
    EnableWindow(TRUE);
}

void CMemberLayer::AddUser()
{
    CMeeting* m = CMeetingManager::GetInstance()->GetCurrentMeeting();
    if (m && m->CanShare()) {
        CLoginManager* login = CLoginManager::GetInstance();
        CTasClientManager::GetInstance()->RequestM00000038(m_strMtngId, IdText(login->GetUserIdNumber()),
                                                            login->GetUserName(), TRUE);
        return;
    }
    CAddPageHost host;
    CAttendeeAddPopup popup(this, &host);
    popup.m_strMtngId = m_strMtngId;
    popup.DoModal();
}

void CMemberLayer::ShowProfile(const _ATTENDEE_INFO& a)
{
    m_nProfileUserId = a.userIdnfr;
    if (m_pProfileDlg && m_pProfileDlg->GetSafeHwnd()) m_pProfileDlg->Hide();
    CTasClientManager::GetInstance()->RequestM00000006(IdText(a.userIdnfr));
    if (!m_pProfileDlg) {
        m_pProfileDlg.reset(new CProfileDlg(this));
        m_pProfileDlg->Create(IDD_SKIN_POPUP, this);
        m_pProfileDlg->SetOwnerWnd(this);
        m_pProfileDlg->Show(TRUE);
    }
    _PROFILE_INFO info;
    info.userIdnfr = a.userIdnfr;
    info.sawonNo = a.sawonNo;
    info.name = a.name;
    info.email = a.email;
    info.position = a.position;
    info.deptName = a.deptName;
    info.phoneNumber = a.phoneNumber;
    info.officeTel = a.officeTel;
    m_pProfileDlg->SetProfile(info);
    m_pProfileDlg->Show(FALSE);
}

Gdiplus::Image** CMemberLayer::PhotoSlot(int nUserIdnfr)
{
    if (!m_bReport) return nUserIdnfr == m_host.userIdnfr ? &m_pHostImage : nullptr;
    if (nUserIdnfr == m_host.userIdnfr) return &m_pReporterImage;
    if (nUserIdnfr == m_approver.userIdnfr) return &m_pApproverImage;
    return nullptr;
}

void CMemberLayer::OnUserProfile(const Json::Value& body, const char* pRaw, int nRawLength)
{
    _PROFILE_INFO info;
    info.userIdnfr = GetJsonInt(body, "userIdnfr");
    info.name = GetJsonString(body, "name");
    info.email = GetJsonString(body, "email");
    info.position = GetJsonString(body, "position");
    info.deptName = GetJsonString(body, "deptName");
    info.phoneNumber = GetJsonString(body, "phoneNumber");
    info.officeTel = GetJsonString(body, "officeTel");
    std::unique_ptr<Gdiplus::Image> photo(DecodePhoto(pRaw, nRawLength));
    info.photo = photo.get();
    if (m_nProfileUserId != 0) {
        if (info.userIdnfr == m_nProfileUserId && m_pProfileDlg && m_pProfileDlg->IsWindowVisible())
            m_pProfileDlg->SetProfile(info);
        return;
    }
    if (!photo) return;
    Gdiplus::Image** pSlot = PhotoSlot(info.userIdnfr);
    if (!pSlot) return;
    delete *pSlot;
    *pSlot = photo.release();
    Invalidate();
}

void CMemberLayer::OnDrawExtra(CDC* pDC, CRect rc)
{
    CMyBaseDialog::OnDrawExtra(pDC, rc);
    auto draw = [&](Gdiplus::Image* pImage, const wchar_t* pszObject) {
        SKIN_OBJECT* o = Object(pszObject);
        if (!o || !pImage || pImage->GetWidth() == 0) return;
        Gdiplus::Graphics g(pDC->GetSafeHdc());
        const CRect& r = o->m_rcObject;
        g.DrawImage(pImage, Gdiplus::Rect(r.left, r.top, r.Width(), r.Height()), 0, 0, (INT)pImage->GetWidth(),
                    (INT)pImage->GetHeight(), Gdiplus::UnitPixel);
    };
    if (!m_bReport) {
        draw(m_pHostImage, L"imgProfile");
    } else {
        draw(m_pApproverImage, L"imgProfileApprover");
        draw(m_pReporterImage, L"imgProfileReporter");
    }
}

int CMemberLayer::OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject)
{
    if (!pObject) return CMyBaseDialog::OnObjectEvent(nEvent, pObject);
    const CString& name = pObject->m_strName;
    if (nEvent == WM_LBUTTONDOWN && name.Left(5) == L"btnBg") {
        ::GetCursorPos(&m_ptPress);
        return 1;
    }
    if (nEvent == WM_LBUTTONUP) {
        POINT pt;
        ::GetCursorPos(&pt);
        if (name == L"btnBgHost" || name == L"btnBgReporter") {
            if (IsNearPoint(pt, m_ptPress) && m_host.userIdnfr) ShowProfile(m_host);
            return 1;
        }
        if (name == L"btnBgApprover") {
            if (IsNearPoint(pt, m_ptPress) && m_approver.userIdnfr) ShowProfile(m_approver);
            return 1;
        }
        if (name == L"btnHost") { HandOver(m_host, 'H'); return 1; }
        if (name == L"btnApprover") { HandOver(m_approver, 'A'); return 1; }
        if (name == L"btnReporter") { HandOver(m_host, 'R'); return 1; }
        if (name == L"btnAddUser") { AddUser(); return 1; }
        if (name == L"btnSearchClear") {
            if (SKIN_OBJECT* o = Object(L"search")) o->SetEditText(this, CString(), TRUE);
            EnableObject(pObject, FALSE, TRUE);
            m_pList->ApplyFilter(CString());
            return 1;
        }
    }
    if (nEvent == SKINEVENT_EDIT_CHANGE && name == L"search") {
        const CString strSearch = SearchText();
        EnableObject(Object(L"btnSearchClear"), !strSearch.IsEmpty(), TRUE);
        m_pList->ApplyFilter(strSearch);
        return 1;
    }
    return CMyBaseDialog::OnObjectEvent(nEvent, pObject);
}

void CMemberLayer::OnListNotify(NMHDR* pNotify, LRESULT* pResult)
{
    const MYLIST_NOTIFY* n = reinterpret_cast<const MYLIST_NOTIFY*>(pNotify);
    if (pNotify->code == MYLIST_ITEM_PRESS) {
        ::GetCursorPos(&m_ptPress);
    } else if (pNotify->code == MYLIST_ITEM_CLICK && n->pItem) {
        POINT pt;
        ::GetCursorPos(&pt);
        const MYLIST_ITEM* item = reinterpret_cast<const MYLIST_ITEM*>(n->pItem);
        const bool bButton = n->pObject && n->pObject->m_strName == L"btnHost";
        if (!bButton && item->dwData && IsNearPoint(pt, m_ptPress))
            ShowProfile(*reinterpret_cast<const _ATTENDEE_INFO*>(item->dwData));
    }
    if (pResult) *pResult = 0;
}

void CMemberLayer::ClosePopups()
{
    if (m_pProfileDlg && m_pProfileDlg->GetSafeHwnd()) m_pProfileDlg->Hide();
}

BOOL CMemberLayer::GetProfileRect(RECT* pRect)
{
    if (!m_pProfileDlg || !m_pProfileDlg->GetSafeHwnd() || !pRect) return FALSE;
    m_pProfileDlg->GetWindowRect(pRect);
    return TRUE;
}

int CMemberLayer::EdgeHit(CPoint pt) const
{
    IZELMainDlg* pMain = GetMainDlg();
    if (!pMain || pMain->GetShowCmd() == SW_SHOWMAXIMIZED) return HTNOWHERE;
    CRect rc;
    GetClientRect(&rc);
    if (pt.y >= rc.bottom - 5) return pt.x < 5 ? HTBOTTOMLEFT : HTBOTTOM;
    if (pt.x < 5) return HTLEFT;
    return HTNOWHERE;
}

BOOL CMemberLayer::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    POINT pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    const int nHit = EdgeHit(pt);
    if (nHit != HTNOWHERE) {
        ::SetCursor(::LoadCursor(nullptr, nHit == HTBOTTOM ? IDC_SIZENS : nHit == HTLEFT ? IDC_SIZEWE : IDC_SIZENESW));
        return TRUE;
    }
    return CMyBaseDialog::OnSetCursor(pWnd, nHitTest, message);
}

void CMemberLayer::OnLButtonDown(UINT nFlags, CPoint point)
{
    const int nHit = EdgeHit(point);
    IZELMainDlg* pMain = GetMainDlg();
    if (nHit != HTNOWHERE && pMain && pMain->GetWnd()) {
        CPoint ptScreen = point;
        ClientToScreen(&ptScreen);
        pMain->GetWnd()->PostMessage(WM_NCLBUTTONDOWN, (WPARAM)nHit, MAKELPARAM(ptScreen.x, ptScreen.y));
    }
    CMyBaseDialog::OnLButtonDown(nFlags, point);
}
