#include <winsock2.h>

#include "whiteboard/tools/BoardInfoCtrl.h"

#include "ui/host/MainDlg.h"
#include "ui/controls/OkCancelDlg.h"
#include "whiteboard/board/IBoardMeetingContext.h"
#include "whiteboard/tools/ToolPictures.h"
#include "whiteboard/tools/ToolStrings.h"

BEGIN_MESSAGE_MAP(CBoardInfoCtrl, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

float CBoardInfoCtrl::ZoomOfItem(int item)
{
    static const float kZooms[12] = {1.0f, 1.25f, 1.5f, 2.0f, 2.5f, 3.0f, 3.5f, 4.0f, 4.5f, 5.0f, -1.0f, 0.0f};
    return item >= 0 && item < 12 ? kZooms[item] : 0.0f;
}

CString CBoardInfoCtrl::ZoomText(float zoom)
{
    CString text;
    text.Format(L"%d %%", (int)(zoom * 100.0f + 0.0001f));
    return text;
}

BOOL CBoardInfoCtrl::SignatureExists(const CString& path)
{
    if (path.IsEmpty())
        return FALSE;
    const DWORD attributes = ::GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

CBoardInfoCtrl::CBoardInfoCtrl(IBoardInfoCtrlEventListener* pListener) : m_pListener(pListener) {}

CBoardInfoCtrl::~CBoardInfoCtrl()
{
    if (GetSafeHwnd())
        DestroyWindow();
}

BOOL CBoardInfoCtrl::Create(CWnd* pBoard)
{
    RECT rc;
    pBoard->GetClientRect(&rc);
    const RECT rcBar = {0, 0, rc.right, 40};
    return CWnd::CreateEx(0, nullptr, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rcBar, pBoard, 32750);
}

int CBoardInfoCtrl::OnCreate(LPCREATESTRUCT)
{
    const DWORD comboStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | CBS_DROPDOWNLIST;
    m_zoom.Create(comboStyle, RECT{327, 4, 409, 300}, this, kZoomCombo);
    for (int i = 0; i < kZoomItems; ++i) {
        CString text;
        if (i < 10)
            text.Format(L"%d %%", (int)(ZoomOfItem(i) * 100.0f + 0.5f));
        else
            text = LoadResourceString(i == 10 ? IDS_WBT_ZOOM_FILL : IDS_WBT_ZOOM_FIT);
        m_zoom.AddString(text);
    }
    m_approval.Create(comboStyle, RECT{327, 4, 409, 200}, this, kApprovalCombo);
    for (UINT id : {IDS_WBT_APPROVAL0, IDS_WBT_APPROVAL1, IDS_WBT_APPROVAL2})
        m_approval.AddString(LoadResourceString(id));
    m_save.Create(L"", WS_CHILD | BS_PUSHBUTTON | BS_BITMAP, RECT{416, 4, 439, 25}, this, kSave);
    m_save.ModifyStyleEx(0, WS_EX_NOPARENTNOTIFY);
    m_save.SetSkin(IDB_WBT_SAVE, IDB_WBT_SAVE + 1, IDB_WBT_SAVE + 2, IDB_WBT_SAVE + 3, IDB_WBT_SAVE, 0, 1, 0, 0);
    m_save.SetToolTipText(LoadResourceString(IDS_WBT_SAVE));
    m_favorite.Create(L"", WS_CHILD | BS_AUTOCHECKBOX | BS_BITMAP, RECT{203, 4, 228, 27}, this, kFavorite);
    m_favorite.SetSkin(IDB_WBT_FAVORITE, IDB_WBT_FAVORITE + 1, IDB_WBT_FAVORITE + 2, IDB_WBT_FAVORITE + 3,
                       IDB_WBT_FAVORITE, 0, 1, 0, 0);
    m_favorite.SetToolTipText(LoadResourceString(IDS_WBT_FAVORITE));
    m_favorite.SetCheck(BST_UNCHECKED);
    ResetZoomCombo();
    ResetSelection();
    return 0;
}

void CBoardInfoCtrl::OnSize(UINT, int cx, int)
{
    if (!m_save.GetSafeHwnd())
        return;
    // From the right edge, each control in a cell of its own so none covers another.
    m_save.MoveWindow(cx - 33, 9, 23, 21, TRUE);
    m_favorite.MoveWindow(cx - 63, 8, 25, 23, TRUE);
    m_zoom.MoveWindow(cx - 153, 9, 82, 200, TRUE);
    m_approval.MoveWindow(cx - 243, 9, 82, 200, TRUE);
}

void CBoardInfoCtrl::OnPaint()
{
    CPaintDC dc(this);
    RECT rc;
    GetClientRect(&rc);
    ::FillRect(dc.GetSafeHdc(), &rc, (HBRUSH)::GetStockObject(WHITE_BRUSH));
    RECT rcName = {10, 0, rc.right - 260, rc.bottom};
    CFont font;
    font.CreateFont(-13, 0, 0, 0, 600, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, DEFAULT_QUALITY, 0, L"Malgun Gothic");
    HGDIOBJ old = ::SelectObject(dc.GetSafeHdc(), font);
    ::SetBkMode(dc.GetSafeHdc(), TRANSPARENT);
    ::SetTextColor(dc.GetSafeHdc(), RGB(121, 121, 121));
    ::DrawTextW(dc.GetSafeHdc(), m_strDocName, m_strDocName.GetLength(), &rcName,
                DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    ::SelectObject(dc.GetSafeHdc(), old);
}

void CBoardInfoCtrl::SetDocumentInfo(const CString& name, const CString& pageText)
{
    m_strDocName = name;
    m_strPageText = pageText;
    if (GetSafeHwnd())
        Invalidate();
}

void CBoardInfoCtrl::SetZoom(float zoom)
{
    if (!m_zoom.GetSafeHwnd())
        return;
    if (zoom == 0.0f) {
        m_zoom.ClearText();
        m_zoom.SetCurSel(11);
        m_nZoomState = 11;
    } else if (zoom == -1.0f) {
        m_zoom.ClearText();
        m_zoom.SetCurSel(10);
        m_nZoomState = 10;
    } else {
        m_zoom.SetText(ZoomText(zoom));
        m_nZoomState = 12;
    }
}

void CBoardInfoCtrl::ResetZoom()
{
    SetZoom(0.0f);
    m_zoom.SetCurSel(11);
    if (m_pListener)
        m_pListener->OnZoom(0.0f);
}

void CBoardInfoCtrl::ResetZoomCombo()
{
    m_zoom.ClearText();
    m_zoom.SetCurSel(11);
    m_nZoomState = 11;
    if (MeetingEnded()) {
        m_zoom.EnableWindow(FALSE);
        m_save.EnableWindow(FALSE);
        EnableWindow(FALSE);
    }
}

void CBoardInfoCtrl::EnableControls(BOOL enable)
{
    if (MeetingEnded())
        return;
    m_zoom.EnableWindow(enable);
    m_favorite.EnableWindow(enable);
    m_approval.EnableWindow(enable);
}

void CBoardInfoCtrl::EnableSaveButton(BOOL enable)
{
    if (!MeetingEnded())
        m_save.EnableWindow(enable);
}

void CBoardInfoCtrl::EnableFavorite(BOOL enable)
{
    m_favorite.EnableWindow(enable && !MeetingEnded());
}

void CBoardInfoCtrl::SetFavoriteCheck(BOOL check)
{
    m_favorite.SetCheck(check ? BST_CHECKED : BST_UNCHECKED);
}

void CBoardInfoCtrl::SetApprovalSelection(int selection)
{
    m_approval.ClearText();
    m_nApproval = selection == 1 || selection == 2 ? selection : 0;
    m_approval.SetCurSel(m_nApproval);
}

void CBoardInfoCtrl::ResetSelection()
{
    for (int& kept : m_kept)
        kept = -1;
    m_approval.EnableWindow(FALSE);
    m_approval.ShowWindow(SW_HIDE);
    m_approval.ClearText();
    m_approval.SetCurSel(0);
    m_nApproval = 0;
}

void CBoardInfoCtrl::SetApprovalPending(int pending)
{
    m_kept[kKeptPending] = pending;
    UpdateApprovalCombo();
}

void CBoardInfoCtrl::SetApprovalContext(int typeNumber, int hiddenUser, int referenceDocument)
{
    m_kept[kKeptType] = typeNumber;
    m_kept[kKeptHidden] = hiddenUser;
    m_kept[kKeptReference] = referenceDocument;
    UpdateApprovalCombo();
}

void CBoardInfoCtrl::UpdateApprovalCombo()
{
    const BOOL offered = m_kept[kKeptPending] == 1 && m_kept[kKeptType] == 14 && m_kept[kKeptHidden] == 0 &&
                         m_kept[kKeptReference] == 0 && !(m_isWhiteboardDocument && m_isWhiteboardDocument());
    const BOOL on = offered && !MeetingEnded();
    if (!on && m_nApproval != 0)
        SetApprovalSelection(0);
    m_approval.ShowWindow(on ? SW_SHOW : SW_HIDE);
    m_approval.EnableWindow(on);
}

void CBoardInfoCtrl::ShowApprovalCombo(BOOL show)
{
    const BOOL on = show && !MeetingEnded();
    m_approval.ShowWindow(on ? SW_SHOW : SW_HIDE);
    m_approval.EnableWindow(on);
}

void CBoardInfoCtrl::OnZoomChoice()
{
    const int item = m_zoom.GetCurSel();
    if (item == m_nZoomState || item < 0)
        return;
    m_zoom.ClearText();
    m_nZoomState = item;
    if (m_pListener)
        m_pListener->OnZoom(ZoomOfItem(item));
    if (CWnd* parent = GetParent())
        parent->SetFocus();
}

void CBoardInfoCtrl::OnApprovalChoice()
{
    const int selection = m_approval.GetCurSel();
    const BOOL pending = m_isApprovalPending && m_isApprovalPending();
    if (!pending) {
        if (selection != 0) {
            ShowOkCancel(LoadResourceString(IDS_WBT_NO_APPROVAL), LoadResourceString(IDS_WBT_POPUP_TITLE), TRUE, FALSE);
            m_approval.SetCurSel(0);
        }
        return;
    }
    // The signature is a file ("signdata"); without it the approval cannot be signed.
    IZELMainDlg* main = GetMainDlg();
    if (!SignatureExists(main ? main->GetSignDataPath() : CString())) {
        ShowOkCancel(LoadResourceString(IDS_WBT_NO_SIGNATURE), LoadResourceString(IDS_WBT_POPUP_TITLE), TRUE, FALSE);
        m_approval.SetCurSel(0);
        return;
    }
    if ((selection == 1 || selection == 2) && m_pListener)
        m_pListener->OnApproval(selection, m_strPageText);
    m_nApproval = selection;
    if (CWnd* parent = GetParent())
        parent->SetFocus();
}

BOOL CBoardInfoCtrl::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (id == kZoomCombo && code == CBN_SELCHANGE) {
        OnZoomChoice();
        return TRUE;
    }
    if (id == kApprovalCombo && code == CBN_SELCHANGE) {
        OnApprovalChoice();
        return TRUE;
    }
    if (id == kSave && code == BN_CLICKED) {
        if (m_pListener)
            m_pListener->OnSave(0);
        return TRUE;
    }
    if (id == kFavorite && code == BN_CLICKED) {
        m_favorite.EnableWindow(FALSE);
        if (m_pListener)
            m_pListener->OnFavorite(m_favorite.GetCheck() == BST_CHECKED);
        return TRUE;
    }
    return CWnd::OnCommand(wParam, lParam);
}

void CBoardInfoCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    // A click on the disabled save button asks the board why it cannot save.
    if (m_save.GetSafeHwnd() && !m_save.IsWindowEnabled()) {
        RECT rc;
        m_save.GetWindowRect(&rc);
        ScreenToClient(&rc);
        if (::PtInRect(&rc, point) && m_pListener)
            m_pListener->OnSave(1);
    }
    CWnd::OnLButtonDown(nFlags, point);
}

IBoardInfoBar* MakeBoardInfoBar(const S_BOARD_BAR_CONTEXT& context, IBoardInfoCtrlEventListener* pListener)
{
    CBoardInfoCtrl* bar = new CBoardInfoCtrl(pListener);
    if (const auto getMeeting = context.getMeeting) {
        bar->m_isApprovalPending = [getMeeting] {
            IBoardMeetingContext* m = getMeeting();
            return m && m->IsApprovalPending();
        };
        bar->m_isMeetingEnded = [getMeeting] {
            IBoardMeetingContext* m = getMeeting();
            return m && m->IsMeetingEnded();
        };
        bar->m_isWhiteboardDocument = [getMeeting] {
            IBoardMeetingContext* m = getMeeting();
            return m && m->IsWhiteboardDocument();
        };
    }
    if (!bar->Create(context.pBoard)) {
        delete bar;
        return nullptr;
    }
    return bar;
}
