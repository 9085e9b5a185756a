#include <winsock2.h>

#include "whiteboard/tools/BoardOptCtrl.h"

#include <algorithm>

#include "whiteboard/board/IBoardMeetingContext.h"

#include "ui/host/MainDlg.h"
#include "core/ClientMessages.h"
#include "core/JsonHelpers.h"
#include "resources/resource.h"
#include "whiteboard/tools/ToolPictures.h"
#include "whiteboard/canvas/BoardDrawCtrl.h"
#include "whiteboard/tools/DrawToolPalette.h"
#include "whiteboard/tools/ToolStrings.h"
#include "ui/skin/MonitorInfo.h"

BEGIN_MESSAGE_MAP(CBoardOptCtrl, CZELWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_SETCURSOR()
    ON_MESSAGE(WM_SLIDER_MOVING, &CBoardOptCtrl::OnSliderMoving)
    ON_MESSAGE(WM_SLIDER_RELEASED, &CBoardOptCtrl::OnSliderReleased)
    ON_MESSAGE(WM_WHITEBOARD_PAGE_COMMAND, &CBoardOptCtrl::OnPageCommand)
END_MESSAGE_MAP()

const UINT CBoardOptCtrl::kModeIds[8] = {32705, 32706, 32715, 32716, 32735, 32736, 32701, 32700};

namespace {
const DWORD kPush = BS_PUSHBUTTON;
const DWORD kCheck = BS_AUTOCHECKBOX;
const DWORD kRadio = BS_AUTORADIOBUTTON;
const UINT kToolIds[6] = {CBoardOptCtrl::kMove, CBoardOptCtrl::kPen, CBoardOptCtrl::kHighlighter,
                          CBoardOptCtrl::kLaser, CBoardOptCtrl::kEraser, CBoardOptCtrl::kTool5};
}  // namespace

CBoardOptCtrl::CBoardOptCtrl(IBoardOptCtrlEventListener* pListener)
    : m_pListener(pListener), m_page({kPrevPage, kNextPage, kPrevDoc, kNextDoc})
{
    m_now = [] {
        SYSTEMTIME now;
        ::GetLocalTime(&now);
        return now;
    };
}

CBoardOptCtrl::~CBoardOptCtrl()
{
    if (GetSafeHwnd())
        DestroyWindow();
}

BOOL CBoardOptCtrl::Create(CWnd* pBoard)
{
    RECT rc;
    pBoard->GetClientRect(&rc);
    const RECT rcBar = {0, rc.bottom - 43, rc.right, rc.bottom};
    return CWnd::CreateEx(0, nullptr, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rcBar, pBoard, 32751);
}

CxSkinButton* CBoardOptCtrl::AddButton(UINT id, const RECT& rc, UINT picture, DWORD kind, BOOL visible,
                                       const CString& tip)
{
    std::unique_ptr<CxSkinButton> button(new CxSkinButton);
    button->Create(L"", WS_CHILD | BS_BITMAP | kind | (visible ? WS_VISIBLE : 0), rc, this, id);
    if (kind == kPush)
        button->ModifyStyleEx(0, WS_EX_NOPARENTNOTIFY);
    if (picture)
        button->SetSkin(picture, picture + 1, picture + 2, picture + 3, picture, 0, 1, 0, 0);
    if (!tip.IsEmpty())
        button->SetToolTipText(tip);
    CxSkinButton* raw = button.get();
    m_buttons[id] = std::move(button);
    return raw;
}

CxSkinButton* CBoardOptCtrl::Button(UINT id)
{
    const auto it = m_buttons.find(id);
    return it == m_buttons.end() ? nullptr : it->second.get();
}

int CBoardOptCtrl::OnCreate(LPCREATESTRUCT)
{
    const int y0 = 10;
    AddButton(kPrevPage, RECT{12, y0, 34, y0 + 22}, IDB_WBT_PREV, kPush, TRUE, LoadResourceString(IDS_WBT_PREV));
    AddButton(kPrevDoc, RECT{12, y0, 34, y0 + 22}, IDB_WBT_PREV, kPush, TRUE, LoadResourceString(IDS_WBT_PREV));
    AddButton(kNextPage, RECT{117, y0, 139, y0 + 22}, IDB_WBT_NEXT, kPush, TRUE, LoadResourceString(IDS_WBT_NEXT));
    AddButton(kNextDoc, RECT{117, y0, 139, y0 + 22}, IDB_WBT_NEXT, kPush, TRUE, LoadResourceString(IDS_WBT_NEXT));
    const RECT cell = {269, y0, 299, y0 + 30};
    AddButton(kFavorite, cell, IDB_WBT_FAVORITE, kCheck, TRUE, LoadResourceString(IDS_WBT_FAVORITE));
    AddButton(kWhiteboardClose, cell, IDB_WBT_WHITEBOARD, kCheck, FALSE, L"화이트보드");
    AddButton(kAddPage, cell, IDB_WBT_ADDPAGE, kCheck, FALSE, L"페이지 추가");
    AddButton(kWhiteboardOpen, cell, IDB_WBT_WHITEBOARD, kCheck, TRUE, L"화이트보드");
    const CString modeTips[8] = {LoadResourceString(189), LoadResourceString(190), L"원본문서", L"결재자판서",
                                 L"개인화이트보드", L"공유화이트보드", LoadResourceString(188),
                                 LoadResourceString(187)};
    for (int i = 0; i < 8; ++i)
        AddButton(kModeIds[i], RECT{335, y0, 365, y0 + 30}, IDB_WBT_MODE, kPush, FALSE, modeTips[i]);
    AddButton(kSticky, RECT{368, y0, 398, y0 + 30}, 1257, kPush, TRUE, LoadResourceString(IDS_WBT_STICKY));
    AddButton(kTool5, RECT{302, y0, 302, y0}, 0, kRadio | WS_GROUP, FALSE, LoadResourceString(IDS_WBT_STICKY));
    AddButton(kLaser, RECT{368, y0, 398, y0 + 30}, IDB_WBT_LASER, kRadio, TRUE, LoadResourceString(IDS_WBT_LASER));
    AddButton(kPen, RECT{401, y0, 426, y0 + 23}, IDB_WBT_PEN, kRadio, TRUE, LoadResourceString(IDS_WBT_OPT_PEN));
    AddButton(kHighlighter, RECT{401, y0, 426, y0 + 23}, IDB_WBT_HIGHLIGHTER, kRadio, TRUE,
              LoadResourceString(IDS_WBT_OPT_HIGHLIGHTER));
    AddButton(kEraser, RECT{401, y0, 426, y0 + 23}, IDB_WBT_ERASER, kRadio, TRUE,
              LoadResourceString(IDS_WBT_OPT_ERASER));
    AddButton(kMove, RECT{401, y0, 426, y0 + 23}, IDB_WBT_MOVE, kRadio, TRUE, LoadResourceString(IDS_WBT_OPT_MOVE));
    // The chairman's status buttons carry their command as text.
    const std::pair<UINT, UINT> statusButtons[] = {{kStatus1, IDS_WBT_STATUS_START}, {kStatus2, IDS_WBT_STATUS_END},
                                                   {kStatus4, IDS_WBT_RESTART}, {kStatus12, IDS_WBT_STATUS_CONFIRM},
                                                   {kStatus13, IDS_WBT_STATUS_COMPLETE}};
    for (const auto& status : statusButtons) {
        CxSkinButton* b = AddButton(status.first, RECT{142, 5, 322, 37}, 0, kPush, FALSE, CString());
        b->SetWindowText(LoadResourceString(status.second));
        b->SetAppFont();
    }
    m_pSlider.reset(new ZELSlideBar);
    m_pSlider->Create(nullptr, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, RECT{151, y0 + 5, 253, y0 + 19}, this,
                      kSlider);
    m_pSlider->SetBitmaps(IDB_SLIDER_TRACK, IDB_SLIDER_THUMB, IDB_SLIDER_THUMB_DOWN, IDB_SLIDER_THUMB_HOVER);
    m_pEdit.reset(new CEdit);
    m_pEdit->Create(WS_CHILD | WS_VISIBLE | ES_NUMBER | ES_RIGHT | ES_AUTOHSCROLL, RECT{35, y0 + 2, 77, y0 + 20}, this,
                    kPageEdit);
    m_page.Attach(this, m_pSlider.get(), m_pEdit.get());
    SetMode(6);
    SetPageCounter(1, 1);
    if (Ended())
        for (auto& b : m_buttons)
            b.second->EnableWindow(FALSE);
    return 0;
}

void CBoardOptCtrl::OnSize(UINT, int, int)
{
    LayoutControls();
}

void CBoardOptCtrl::LayoutControls()
{
    if (m_buttons.empty())
        return;
    RECT rc;
    GetClientRect(&rc);
    const int width = rc.right;
    const int r = rc.right - 5;
    Button(kLaser)->MoveWindow(r - 30, 5, 30, 30, FALSE);
    Button(kSticky)->MoveWindow(r - 70, 5, 30, 30, FALSE);
    Button(kFavorite)->MoveWindow(r - 110, 5, 30, 30, FALSE);
    const BOOL report = m_isReport && m_isReport();
    if (!report) {
        Button(kAddPage)->MoveWindow(r - 110, 5, 30, 30, FALSE);
        Button(kWhiteboardClose)->MoveWindow(r - 150, 5, 30, 30, FALSE);
        Button(kWhiteboardOpen)->MoveWindow(r - 150, 5, 30, 30, FALSE);
    }
    for (UINT id : kModeIds)
        Button(id)->MoveWindow(report ? r - 150 : r - 190, 5, 30, 30, FALSE);
    for (UINT id : {(UINT)kPen, (UINT)kHighlighter, (UINT)kMove, (UINT)kEraser})
        Button(id)->ShowWindow(SW_HIDE);
    PlaceStatusRow(FALSE);
    // Moved without drawing: the buttons paint themselves anew where they now stand.
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void CBoardOptCtrl::PlaceStatusRow(BOOL bRedraw)
{
    if (m_buttons.empty() || !m_pSlider)
        return;
    RECT rc;
    GetClientRect(&rc);
    // The column of tool buttons on the right begins at its leftmost shown button.
    int toolsLeft = rc.right;
    const UINT tools[] = {kLaser, kSticky, kFavorite, kAddPage, kWhiteboardClose, kWhiteboardOpen};
    auto take = [&](UINT id) {
        CxSkinButton* b = Button(id);
        if (!b || !(b->GetStyle() & WS_VISIBLE))
            return;
        CRect place;
        b->GetWindowRect(&place);
        ScreenToClient(&place);
        toolsLeft = std::min(toolsLeft, (int)place.left);
    };
    for (UINT id : tools)
        take(id);
    for (UINT id : kModeIds)
        take(id);
    const UINT statusIds[] = {kStatus1, kStatus2, kStatus4, kStatus12, kStatus13};
    int textWidth = 0;
    for (UINT id : statusIds) {
        CxSkinButton* b = Button(id);
        CString text;
        b->GetWindowText(text);
        CClientDC dc(b);
        HGDIOBJ old = nullptr;
        if (HFONT font = (HFONT)b->SendMessage(WM_GETFONT))
            old = ::SelectObject(dc.GetSafeHdc(), font);
        SIZE size = {};
        ::GetTextExtentPoint32W(dc.GetSafeHdc(), text, text.GetLength(), &size);
        if (old)
            ::SelectObject(dc.GetSafeHdc(), old);
        textWidth = std::max(textWidth, (int)size.cx);
    }
    const S_OPT_BAR_ROW row = LayOutOptBarRow(rc.right, rc.bottom, toolsLeft, textWidth);
    BOOL moved = FALSE;
    auto place = [&](CWnd* w, const RECT& to) {
        CRect now;
        w->GetWindowRect(&now);
        ScreenToClient(&now);
        if (::EqualRect(&now, &to))
            return;
        w->MoveWindow(to.left, to.top, to.right - to.left, to.bottom - to.top, FALSE);
        moved = TRUE;
    };
    for (UINT id : statusIds)
        place(Button(id), row.status);
    place(m_pSlider.get(), row.slider);
    // Moved without drawing: the bar and its buttons paint anew where they now stand.
    if (moved && bRedraw)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void CBoardOptCtrl::OnPaint()
{
    CPaintDC dc(this);
    RECT rc;
    GetClientRect(&rc);
    HDC hdc = dc.GetSafeHdc();
    ::FillRect(hdc, &rc, (HBRUSH)::GetStockObject(WHITE_BRUSH));
    HPEN pen = ::CreatePen(PS_SOLID, 1, RGB(102, 102, 102));
    HGDIOBJ oldPen = ::SelectObject(hdc, pen);
    ::MoveToEx(hdc, 0, rc.bottom - 1, nullptr);
    ::LineTo(hdc, rc.right, rc.bottom - 1);
    ::SelectObject(hdc, oldPen);
    ::DeleteObject(pen);
    m_page.Paint(hdc, RECT{82, 13, 122, 31}, DT_LEFT | DT_TOP, RECT{34, 11, 78, 31}, RGB(102, 102, 102));
}

void CBoardOptCtrl::SetPageCounter(int current, int total)
{
    m_nCurrentPage = current;
    m_nTotalPage = total;
    if (!m_pEdit)
        return;
    S_PAGE_STATE state;
    state.current = current;
    state.total = total;
    state.docIndex = m_nDocIndex;
    state.docCount = m_nDocCount;
    state.meetingEnded = Ended();
    state.follower = m_isFollower && m_isFollower();
    const CxSkinButton* close = Button(kWhiteboardClose);
    state.noDocumentButtons = close && close->IsWindowVisible();
    m_page.Show(state);
}

void CBoardOptCtrl::SetSliderPos(int percent)
{
    if (m_pSlider)
        m_pSlider->SetPos(percent);
}

void CBoardOptCtrl::CheckToolButton(int tool)
{
    m_nTool = tool;
    for (int t = 0; t < 6; ++t)
        if (CxSkinButton* b = Button(kToolIds[t]))
            b->SetCheck(t == tool ? BST_CHECKED : BST_UNCHECKED);
}

void CBoardOptCtrl::HideToolPopups(int, int)
{
    for (UINT id : {(UINT)kPen, (UINT)kHighlighter, (UINT)kEraser})
        if (CxSkinButton* b = Button(id))
            b->ShowWindow(SW_HIDE);
}

void CBoardOptCtrl::SetStickyNoteButton(BOOL hasNote)
{
    m_bStickyLook = hasNote;
    if (CxSkinButton* b = Button(kSticky)) {
        const UINT picture = hasNote ? 1261 : 1257;
        b->SetSkin(picture, picture + 1, picture + 2, picture + 3, picture, 0, 1, 0, 0);
        b->Invalidate();
    }
}

void CBoardOptCtrl::SetMode(int mode)
{
    m_nMode = mode;
    for (UINT id : kModeIds)
        if (CxSkinButton* b = Button(id))
            b->ShowWindow(SW_HIDE);
    UINT shown = 0;
    switch (mode) {
    case 0: shown = 32705; break;
    case 1: shown = 32706; break;
    case 2: shown = 32715; break;
    case 3: shown = 32716; break;
    case 4: shown = 32701; break;
    case 5: shown = 32700; break;
    default: break;
    }
    if (CxSkinButton* b = Button(shown))
        b->ShowWindow(SW_SHOW);
    PlaceStatusRow(TRUE);
}

void CBoardOptCtrl::Toast(UINT id)
{
    if (IZELMainDlg* main = GetMainDlg())
        main->ShowToast(LoadResourceString(id));
}

int CBoardOptCtrl::ShareStateMode(int status, int typeCode, BOOL report, BOOL sharing, BOOL sync, int current)
{
    const int own = sharing ? 0 : 1;
    if (report) {
        if (status == 11) return 6;
        if (status == 12 || status == 13) return sync ? 4 : 5;
        return own;
    }
    if (status == 1) return typeCode == 2 ? own : 6;
    if (status == 2) return sync ? 4 : 5;
    if (status >= 3 && status <= 7) return own;
    return current;
}

void CBoardOptCtrl::ApplyShareState(int sharing)
{
    IBoardMeetingContext* meeting = m_getMeeting ? m_getMeeting() : nullptr;
    if (!meeting)
        return;
    // While the board is shared only the presenter pages, switches modes, draws, writes notes and
    // changes the whiteboard's pages; the others watch.
    const BOOL allowed = !sharing || meeting->IsPresenterMe();
    if (meeting->IsPageSync() && (!meeting->IsPresenterMe() || Ended())) {
        // Following the presenter's pages: the move tool. A follower loses the drawing tool bar;
        // after the meeting it stays as it is.
        if (m_pCanvas) {
            if (Ended())
                m_pCanvas->ShowPresentationOpt();
            else
                m_pCanvas->UpdateToolBarVisibility(FALSE);
            m_pCanvas->SetMode(CBoardDrawCtrl::kPan);
        }
        CheckToolButton(0);
    }
    if (!Ended()) {
        for (UINT id : {(UINT)kPrevPage, (UINT)kNextPage, 32705u, 32706u, 32715u, 32716u, 32735u, 32736u, (UINT)kMove,
                        (UINT)kPen, (UINT)kHighlighter, (UINT)kLaser, (UINT)kEraser, (UINT)kSticky,
                        (UINT)kWhiteboardClose, (UINT)kWhiteboardOpen, (UINT)kAddPage})
            if (CxSkinButton* b = Button(id))
                b->EnableWindow(allowed);
        if (CxSkinButton* b = Button(kTool5))
            b->EnableWindow(!sharing);
        if (m_pSlider)
            m_pSlider->EnableWindow(allowed);
        if (m_pEdit)
            m_pEdit->EnableWindow(allowed);
    }
    // The floating palette follows the pen button.
    EnablePalette(allowed);
    SetMode(ShareStateMode(meeting->GetMeetingStatus(), meeting->GetMeetingTypeCode(), meeting->IsReport(),
                           sharing != 0, meeting->IsPageSync(), m_nMode));
    // The page buttons by position (a follower's depend on the sync state too).
    SetPageCounter(m_nCurrentPage, m_nTotalPage);
}

void CBoardOptCtrl::RunModeSwitch()
{
    const int m = m_nMode;
    int next = -1;
    UINT toast = 0;
    switch (m) {
    case 0: next = 2; toast = 409; break;
    case 1: next = 0; toast = 410; break;
    case 2: next = 1; toast = 413; break;
    case 3: next = 0; toast = 411; break;
    case 4:
        if (m_pListener)
            m_pListener->OnSyncCommand(5);
        return;
    case 5:
        if (m_pListener)
            m_pListener->OnSyncCommand(4);
        return;
    default:
        return;
    }
    SetMode(next);
    if (m_pListener)
        m_pListener->OnSyncCommand(next);
    Toast(toast);
}

void CBoardOptCtrl::SetMeetingTime(const Json::Value& detail)
{
    SYSTEMTIME today = m_now();
    CString ymd;
    ymd.Format(L"%.4d%.2d%.2d", today.wYear, today.wMonth, today.wDay);
    if (CxSkinButton* b = Button(kStatus1))
        b->EnableWindow(!(ymd < GetJsonString(detail, "mtngStrtYmd")));
    m_bHasEnd = ReadMeetingEndTime(detail, m_end);
}

CString CBoardOptCtrl::GetRemainMinutes()
{
    return RemainMinutesText(m_bHasEnd, m_end, m_now(), m_isReport && m_isReport());
}

void CBoardOptCtrl::EnableFavorite(BOOL enable)
{
    if (CxSkinButton* b = Button(kFavorite))
        b->EnableWindow(enable && !Ended());
}

void CBoardOptCtrl::EnableTabButtons(BOOL enable)
{
    for (UINT id : {32705u, 32706u, 32715u, 32716u, 32735u, 32736u})
        if (CxSkinButton* b = Button(id))
            b->EnableWindow(enable);
}

void CBoardOptCtrl::EnablePalette(BOOL enable)
{
    // Told only when that changes, as enabling it announces its tool to the board again.
    if (enable == m_bPaletteAllowed)
        return;
    m_bPaletteAllowed = enable;
    IZELMainDlg* main = GetMainDlg();
    if (CDrawToolMain* palette = main ? dynamic_cast<CDrawToolMain*>(main->GetDrawToolWnd()) : nullptr)
        palette->EnableTools(enable);
}

void CBoardOptCtrl::SetFavoriteCheck(BOOL check)
{
    if (CxSkinButton* b = Button(kFavorite))
        b->SetCheck(check ? BST_CHECKED : BST_UNCHECKED);
}

void CBoardOptCtrl::ShowTypeButtons(int type, BOOL show)
{
    for (UINT id : {(UINT)kStatus1, (UINT)kStatus2, (UINT)kStatus4, (UINT)kStatus12, (UINT)kStatus13})
        Button(id)->ShowWindow(SW_HIDE);
    IBoardMeetingContext* meeting = m_getMeeting ? m_getMeeting() : nullptr;
    if (!show || (meeting && meeting->GetMeetingTypeCode() == 2))
        return;
    const UINT id = type == 1 ? kStatus1 : type == 2 ? kStatus2 : type == 4 ? kStatus4 : type == 12 ? kStatus12
                                                                                 : type == 13 ? kStatus13 : 0;
    if (CxSkinButton* b = Button(id))
        b->ShowWindow(SW_SHOW);
    PlaceStatusRow(TRUE);
    Invalidate();
}

void CBoardOptCtrl::ShowWhiteboardButtons(BOOL on)
{
    if (m_isReport && m_isReport()) {
        for (UINT id : {(UINT)kWhiteboardClose, (UINT)kWhiteboardOpen, (UINT)kAddPage})
            Button(id)->ShowWindow(SW_HIDE);
        Button(kFavorite)->ShowWindow(SW_SHOW);
        PlaceStatusRow(TRUE);
        return;
    }
    Button(kWhiteboardClose)->ShowWindow(on ? SW_SHOW : SW_HIDE);
    Button(kAddPage)->ShowWindow(on ? SW_SHOW : SW_HIDE);
    Button(kWhiteboardOpen)->ShowWindow(on ? SW_HIDE : SW_SHOW);
    Button(kFavorite)->ShowWindow(on ? SW_HIDE : SW_SHOW);
    PlaceStatusRow(TRUE);
}

LRESULT CBoardOptCtrl::OnSliderMoving(WPARAM wParam, LPARAM)
{
    if (m_pListener)
        m_pListener->OnSliderPreview((int)wParam);
    return 0;
}

LRESULT CBoardOptCtrl::OnSliderReleased(WPARAM wParam, LPARAM)
{
    if (m_pListener)
        m_pListener->OnSliderPage((int)wParam);
    return 0;
}

void CBoardOptCtrl::ShowAddPagePopup()
{
    // Made afresh each time: whether a page may be deleted depends on the page count now.
    m_pPagePopup.reset(new CWhiteBoardPage(this));
    m_pPagePopup->SetPages(m_nCurrentPage, m_nTotalPage);
    if (!m_pPagePopup->CreatePopup(this)) {
        m_pPagePopup.reset();
        return;
    }
    PlaceWindowNear(Button(kWhiteboardClose), m_pPagePopup.get(), 8 | 0x400);
    m_pPagePopup->ShowWindow(SW_SHOW);
}

void CBoardOptCtrl::HidePopupOutside(POINT ptScreen)
{
    if (!m_pPagePopup || !m_pPagePopup->GetSafeHwnd())
        return;
    RECT rc;
    m_pPagePopup->GetWindowRect(&rc);
    if (!::PtInRect(&rc, ptScreen))
        m_pPagePopup.reset();
}

BOOL CBoardOptCtrl::OnResizeEdge(CPoint point)
{
    IZELMainDlg* main = GetMainDlg();
    if (!main || !main->GetWnd() || !main->GetWnd()->GetSafeHwnd() || main->GetShowCmd() == SW_SHOWMAXIMIZED)
        return FALSE;
    RECT rc;
    GetClientRect(&rc);
    return point.y >= rc.bottom - 5 && point.y < rc.bottom;
}

void CBoardOptCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    CZELWnd::OnLButtonDown(nFlags, point);
    if (!OnResizeEdge(point))
        return;
    CPoint screen = point;
    ClientToScreen(&screen);
    ::ReleaseCapture();
    GetMainDlg()->GetWnd()->SendMessage(WM_NCLBUTTONDOWN, HTBOTTOM, MAKELPARAM(screen.x, screen.y));
}

BOOL CBoardOptCtrl::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    if (pWnd == this && nHitTest == HTCLIENT && OnResizeEdge(point)) {
        ::SetCursor(::LoadCursorW(nullptr, IDC_SIZENS));
        return TRUE;
    }
    return CZELWnd::OnSetCursor(pWnd, nHitTest, message);
}

LRESULT CBoardOptCtrl::OnPageCommand(WPARAM wParam, LPARAM lParam)
{
    if (IBoardMeetingContext* meeting = m_getMeeting ? m_getMeeting() : nullptr)
        meeting->SendPageCommand((int)wParam, (int)lParam);
    return 0;
}

BOOL CBoardOptCtrl::PreTranslateMessage(MSG* pMsg)
{
    if (m_page.OnEnter(pMsg, m_pListener)) {
        m_nCurrentPage = m_page.GetCurrent();
        return TRUE;
    }
    return CZELWnd::PreTranslateMessage(pMsg);
}

BOOL CBoardOptCtrl::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT id = LOWORD(wParam);
    if (HIWORD(wParam) != BN_CLICKED || !m_pListener)
        return CZELWnd::OnCommand(wParam, lParam);
    for (UINT mode : kModeIds) {
        if (id == mode) {
            RunModeSwitch();
            return TRUE;
        }
    }
    if (m_page.OnCommand(id, m_nDocIndex, m_pListener))
        return TRUE;
    switch (id) {
    case kSticky: m_pListener->OnStickyNote(); return TRUE;
    case kTool5: m_pListener->OnMemoTool(); return TRUE;
    case kPen: CheckToolButton(1); m_pListener->OnPenTool(); return TRUE;
    case kEraser: CheckToolButton(4); m_pListener->OnEraserTool(); return TRUE;
    case kHighlighter: CheckToolButton(2); m_pListener->OnHighlighterTool(); return TRUE;
    case kLaser: CheckToolButton(3); m_pListener->OnPointerTool(); return TRUE;
    case kMove: CheckToolButton(0); m_pListener->OnPanTool(); return TRUE;
    case kStatus1: m_pListener->OnStartMeeting(); return TRUE;
    case kStatus2: m_pListener->OnEndMeeting(); return TRUE;
    case kStatus4: m_pListener->OnRestartMeeting(); return TRUE;
    case kStatus12: m_pListener->OnReportStatus13(); return TRUE;
    case kStatus13: m_pListener->OnReportStatus14(); return TRUE;
    case kFavorite:
        Button(kFavorite)->EnableWindow(FALSE);
        m_pListener->OnFavorite(Button(kFavorite)->GetCheck() == BST_CHECKED);
        return TRUE;
    case kWhiteboardClose: m_pListener->OnWhiteboardMode(0, 1); return TRUE;
    case kWhiteboardOpen: m_pListener->OnWhiteboardMode(1, 1); return TRUE;
    case kAddPage: ShowAddPagePopup(); return TRUE;
    default: return CZELWnd::OnCommand(wParam, lParam);
    }
}

IBoardOptBar* MakeBoardOptBar(const S_BOARD_BAR_CONTEXT& context, IBoardOptCtrlEventListener* pListener)
{
    CBoardOptCtrl* bar = new CBoardOptCtrl(pListener);
    bar->m_getMeeting = context.getMeeting;
    bar->m_pCanvas = context.pCanvas;
    if (context.getMeeting) {
        const auto getMeeting = context.getMeeting;
        bar->m_isReport = [getMeeting] {
            IBoardMeetingContext* m = getMeeting();
            return m && m->IsReport();
        };
        // Someone who follows the presenter's pages and may not move them himself.
        bar->m_isFollower = [getMeeting] {
            IBoardMeetingContext* m = getMeeting();
            return m && m->IsPageSync() && !m->IsPresenterMe() && m->IsMeetingLive() && !m->CanShare();
        };
    }
    if (!bar->Create(context.pBoard)) {
        delete bar;
        return nullptr;
    }
    return bar;
}
