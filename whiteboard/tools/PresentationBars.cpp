#include <winsock2.h>

#include "whiteboard/tools/PresentationBars.h"

#include "ui/host/MainDlg.h"
#include "core/ClientMessages.h"
#include "resources/resource.h"
#include "whiteboard/board/IBoardMeetingContext.h"
#include "whiteboard/canvas/BoardDrawCtrl.h"
#include "whiteboard/tools/BoardOptCtrl.h"
#include "whiteboard/tools/OptBarRules.h"
#include "whiteboard/tools/ToolPictures.h"
#include "whiteboard/tools/ToolStrings.h"

namespace {
const int kBarHeight = 34;
}  // namespace

// ---- the banner ----

BEGIN_MESSAGE_MAP(CPresentationInfoCtrl, CZELWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_TIMER()
END_MESSAGE_MAP()

CPresentationInfoCtrl::~CPresentationInfoCtrl()
{
    if (GetSafeHwnd())
        DestroyWindow();
}

BOOL CPresentationInfoCtrl::Create(CWnd* pCanvas)
{
    RECT rc;
    pCanvas->GetClientRect(&rc);
    return CWnd::CreateEx(0, nullptr, L"", WS_CHILD | WS_CLIPCHILDREN, RECT{0, 0, rc.right, kBarHeight}, pCanvas, 32752);
}

int CPresentationInfoCtrl::OnCreate(LPCREATESTRUCT)
{
    m_slide.Attach(this, [this](int height) {
        RECT rc;
        GetParent()->GetClientRect(&rc);
        SetWindowPos(nullptr, 0, 0, rc.right, height, SWP_NOZORDER | SWP_NOACTIVATE);
        PlacePalette(FALSE);
    });
    m_leave.Create(L"", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON | BS_BITMAP, RECT{0, 7, 16, 23}, this, kLeave);
    m_leave.ModifyStyleEx(0, WS_EX_NOPARENTNOTIFY);
    m_leave.SetSkin(IDB_WBT_MODE, IDB_WBT_MODE + 1, IDB_WBT_MODE + 2, IDB_WBT_MODE + 3, IDB_WBT_MODE, 0, 0, 0, 0);
    m_save.Create(L"", WS_CHILD | BS_PUSHBUTTON | BS_BITMAP, RECT{0, 4, 23, 25}, this, kSave);
    m_save.ModifyStyleEx(0, WS_EX_NOPARENTNOTIFY);
    m_save.SetSkin(IDB_WBT_SAVE, IDB_WBT_SAVE + 1, IDB_WBT_SAVE + 2, IDB_WBT_SAVE + 3, IDB_WBT_SAVE, 0, 1, 0, 0);
    m_save.SetToolTipText(LoadResourceString(IDS_WBT_SAVE));
    UpdateSaveButton();
    return 0;
}

void CPresentationInfoCtrl::UpdateSaveButton()
{
    IBoardMeetingContext* meeting = m_getMeeting ? m_getMeeting() : nullptr;
    if (m_save.GetSafeHwnd())
        m_save.EnableWindow(!(meeting && meeting->IsMeetingEnded()));
}

void CPresentationInfoCtrl::SetShareState(int share)
{
    IBoardMeetingContext* meeting = m_getMeeting ? m_getMeeting() : nullptr;
    if (!meeting || !m_save.GetSafeHwnd())
        return;
    // The presenter's drawing while he shares is the meeting's, saved with it.
    m_save.EnableWindow(!meeting->IsMeetingEnded() && (!meeting->IsPresenterMe() || !share));
}

void CPresentationInfoCtrl::OnSize(UINT, int cx, int)
{
    if (m_leave.GetSafeHwnd()) {
        m_leave.MoveWindow(cx - 30, 7, 16, 16, TRUE);
        m_save.MoveWindow(cx - 67, 4, 23, 21, TRUE);
    }
}

void CPresentationInfoCtrl::SetText(const CString& text)
{
    m_strText = text;
    if (GetSafeHwnd())
        Invalidate();
}

void CPresentationInfoCtrl::OnPaint()
{
    CPaintDC dc(this);
    RECT rc;
    GetClientRect(&rc);
    ::FillRect(dc.GetSafeHdc(), &rc, (HBRUSH)::GetStockObject(WHITE_BRUSH));
    RECT rcText = {15, 8, rc.right / 2, 28};
    CFont font;
    font.CreateFont(-13, 0, 0, 0, 600, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, DEFAULT_QUALITY, 0, L"Malgun Gothic");
    HGDIOBJ old = ::SelectObject(dc.GetSafeHdc(), font);
    ::SetBkMode(dc.GetSafeHdc(), TRANSPARENT);
    ::SetTextColor(dc.GetSafeHdc(), RGB(51, 51, 51));
    ::DrawTextW(dc.GetSafeHdc(), m_strText, m_strText.GetLength(), &rcText,
                DT_LEFT | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    ::SelectObject(dc.GetSafeHdc(), old);
}

void CPresentationInfoCtrl::SlideDown(int height)
{
    m_slide.SlideIn(height, 500);
    PlacePalette(TRUE);
}

void CPresentationInfoCtrl::PlacePalette(BOOL show)
{
    // In the full view the title bar that holds the floating palette is gone: the banner holds it,
    // centred along its top.
    IZELMainDlg* main = GetMainDlg();
    CWnd* palette = main ? main->GetDrawToolWnd() : nullptr;
    if (!palette || !palette->GetSafeHwnd() || !GetSafeHwnd())
        return;
    RECT banner, own;
    GetWindowRect(&banner);
    palette->GetWindowRect(&own);
    const int width = own.right - own.left;
    palette->SetWindowPos(nullptr, banner.left + (banner.right - banner.left - width) / 2, banner.top, 0, 0,
                          SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | (show ? SWP_SHOWWINDOW : 0));
}

void CPresentationInfoCtrl::SlideUp(BOOL immediately)
{
    m_slide.SlideOut(immediately, 500);
}

void CPresentationInfoCtrl::OnTimer(UINT_PTR nIDEvent)
{
    // Timer 2, when it fires, is only killed.
    if (!m_slide.OnTimer(nIDEvent))
        KillTimer(nIDEvent);
}

BOOL CPresentationInfoCtrl::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT id = LOWORD(wParam);
    if (HIWORD(wParam) == BN_CLICKED && id == kLeave) {
        KillTimer(CSlideState::kTimerOut);
        if (m_onLeave)
            m_onLeave();
        if (IZELMainDlg* main = GetMainDlg())
            main->LeaveFullView();
        return TRUE;
    }
    if (HIWORD(wParam) == BN_CLICKED && id == kSave) {
        if (m_pListener)
            m_pListener->OnSave(0);
        return TRUE;
    }
    return CZELWnd::OnCommand(wParam, lParam);
}

// ---- the toolbar ----

BEGIN_MESSAGE_MAP(CPresentationOptCtrl, CZELWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_TIMER()
    ON_MESSAGE(WM_SLIDER_MOVING, &CPresentationOptCtrl::OnSliderMoving)
    ON_MESSAGE(WM_SLIDER_RELEASED, &CPresentationOptCtrl::OnSliderReleased)
END_MESSAGE_MAP()

const UINT CPresentationOptCtrl::kModeIds[6] = {32707, 32708, 32715, 32716, 32704, 32703};
const UINT CPresentationOptCtrl::kToolIds[6] = {32731, 32724, 32725, 32726, 32727, 32711};

int CPresentationOptCtrl::NextMode(int mode, BOOL receiverReport, int& syncCode)
{
    switch (mode) {
    case 0: syncCode = 2; return 2;
    case 1: syncCode = 0; return 0;
    case 2: syncCode = receiverReport ? 3 : 1; return syncCode;
    case 3: syncCode = 1; return 1;
    case 4: syncCode = 5; return 4;
    case 5: syncCode = 4; return 5;
    default: syncCode = -1; return mode;
    }
}

CPresentationOptCtrl::~CPresentationOptCtrl()
{
    if (GetSafeHwnd())
        DestroyWindow();
}

BOOL CPresentationOptCtrl::Create(CWnd* pCanvas)
{
    RECT rc;
    pCanvas->GetClientRect(&rc);
    return CWnd::CreateEx(0, nullptr, L"", WS_CHILD | WS_CLIPCHILDREN,
                          RECT{0, rc.bottom - kBarHeight, rc.right, rc.bottom}, pCanvas, 32753);
}

CxSkinButton* CPresentationOptCtrl::Add(UINT id, const RECT& rc, UINT picture, DWORD kind, BOOL visible)
{
    std::unique_ptr<CxSkinButton> b(new CxSkinButton);
    b->Create(L"", WS_CHILD | BS_BITMAP | kind | (visible ? WS_VISIBLE : 0), rc, this, id);
    b->ModifyStyleEx(0, WS_EX_NOPARENTNOTIFY);
    if (picture)
        b->SetSkin(picture, picture + 1, picture + 2, picture + 3, picture, 0, 1, 0, 0);
    CxSkinButton* raw = b.get();
    m_buttons[id] = std::move(b);
    return raw;
}

CxSkinButton* CPresentationOptCtrl::Button(UINT id)
{
    const auto it = m_buttons.find(id);
    return it == m_buttons.end() ? nullptr : it->second.get();
}

int CPresentationOptCtrl::OnCreate(LPCREATESTRUCT)
{
    Add(kPrevPage, RECT{11, 3, 33, 25}, IDB_WBT_PREV, BS_PUSHBUTTON, TRUE);
    Add(kPrevDoc, RECT{11, 3, 33, 25}, IDB_WBT_PREV, BS_PUSHBUTTON, TRUE);
    Add(kNextPage, RECT{117, 3, 139, 25}, IDB_WBT_NEXT, BS_PUSHBUTTON, TRUE);
    Add(kNextDoc, RECT{117, 3, 139, 25}, IDB_WBT_NEXT, BS_PUSHBUTTON, TRUE);
    Add(kFavorite, RECT{0, 2, 30, 32}, IDB_WBT_FAVORITE, BS_AUTOCHECKBOX, TRUE);
    for (int m = 0; m < 6; ++m)
        Add(kModeIds[m], RECT{0, 2, 30, 32}, IDB_WBT_MODE, BS_PUSHBUTTON, m == 0 || m == 5);
    Add(kSticky, RECT{302, 4, 327, 27}, 1257, BS_PUSHBUTTON, TRUE);
    const UINT pictures[6] = {IDB_WBT_MOVE, IDB_WBT_PEN, IDB_WBT_HIGHLIGHTER, IDB_WBT_LASER, IDB_WBT_ERASER, 0};
    Add(kToolIds[5], RECT{0, 4, 25, 27}, 0, BS_AUTORADIOBUTTON | WS_GROUP, FALSE);
    for (int t = 0; t < 5; ++t)
        Add(kToolIds[t], RECT{0, 4, 25, 27}, pictures[t], BS_AUTORADIOBUTTON, TRUE);
    m_pSlider.reset(new ZELSlideBar);
    m_pSlider->Create(nullptr, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, RECT{151, 9, 253, 23}, this, kSlider);
    m_pSlider->SetBitmaps(IDB_SLIDER_TRACK, IDB_SLIDER_THUMB, IDB_SLIDER_THUMB_DOWN, IDB_SLIDER_THUMB_HOVER);
    m_pEdit.reset(new CEdit);
    m_pEdit->Create(WS_CHILD | WS_VISIBLE | ES_NUMBER | ES_CENTER, RECT{35, 6, 77, 24}, this, kEdit);
    m_page.Attach(this, m_pSlider.get(), m_pEdit.get());
    m_slide.Attach(this, [this](int height) { PlaceAtBottom(height); });
    SetPage(1, 1);
    return 0;
}

void CPresentationOptCtrl::OnSize(UINT, int cx, int)
{
    if (m_buttons.empty())
        return;
    // From the right edge, 30 x 30 cells at a 40-pixel pitch; the mode buttons share one cell.
    int x = cx - 5 - 30;
    for (int t = 4; t >= 0; --t, x -= 40)
        Button(kToolIds[t])->MoveWindow(x, 2, 30, 30, FALSE);
    Button(kSticky)->MoveWindow(x, 2, 30, 30, FALSE);
    x -= 40;
    for (UINT id : kModeIds)
        Button(id)->MoveWindow(x, 2, 30, 30, FALSE);
    x -= 40;
    Button(kFavorite)->MoveWindow(x, 2, 30, 30, FALSE);
    // Moved without drawing: the buttons paint themselves anew where they now stand.
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void CPresentationOptCtrl::OnPaint()
{
    CPaintDC dc(this);
    RECT rc;
    GetClientRect(&rc);
    HDC hdc = dc.GetSafeHdc();
    ::FillRect(hdc, &rc, (HBRUSH)::GetStockObject(WHITE_BRUSH));
    m_page.Paint(hdc, RECT{82, 6, 112, 30}, DT_CENTER | DT_VCENTER, RECT{34, 3, 80, 25}, RGB(51, 51, 51));
}

void CPresentationOptCtrl::SetPage(int current, int total)
{
    m_nCurrent = current;
    m_nTotal = total;
    S_PAGE_STATE state;
    state.current = current;
    state.total = total;
    state.docIndex = m_nDocIndex;
    state.docCount = m_nDocCount;
    state.follower = m_isFollower && m_isFollower();
    m_page.Show(state);
}

void CPresentationOptCtrl::SetMode(int mode)
{
    m_nMode = mode;
    // The own and shared drawing modes have no button in a meeting of type code 2.
    IBoardMeetingContext* meeting = m_getMeeting ? m_getMeeting() : nullptr;
    const BOOL noOwnModes = meeting && meeting->GetMeetingTypeCode() == 2;
    for (int m = 0; m < 6; ++m)
        Button(kModeIds[m])->ShowWindow(m == mode && !(m <= 1 && noOwnModes) ? SW_SHOW : SW_HIDE);
}

void CPresentationOptCtrl::SetShareState(int share)
{
    IBoardMeetingContext* meeting = m_getMeeting ? m_getMeeting() : nullptr;
    if (!meeting || m_buttons.empty())
        return;
    const BOOL ended = meeting->IsMeetingEnded();
    const BOOL presenter = meeting->IsPresenterMe();
    if (meeting->IsPageSync() && (!presenter || ended)) {
        // Whoever follows the presenter's pages watches: the move tool.
        if (m_pCanvas) {
            m_pCanvas->ShowPresentationOpt();
            m_pCanvas->SetMode(CBoardDrawCtrl::kPan);
        }
        SelectTool(0);
    }
    if (!ended) {
        const BOOL allowed = !share || presenter;
        for (UINT id : {(UINT)kPrevPage, (UINT)kNextPage, kModeIds[0], kModeIds[1], kToolIds[1], kToolIds[2],
                        kToolIds[4], (UINT)kSticky})
            Button(id)->EnableWindow(allowed);
        // While shared, the laser pointer and the memo tool are the presenter's own bar's.
        Button(kToolIds[3])->EnableWindow(!share);
        Button(kToolIds[5])->EnableWindow(!share);
        m_pSlider->EnableWindow(allowed);
        m_pEdit->EnableWindow(allowed);
    }
    SetPage(m_nCurrent, m_nTotal);
    SetMode(meeting->IsReport() ? 6
                                : CBoardOptCtrl::ShareStateMode(meeting->GetMeetingStatus(),
                                                                meeting->GetMeetingTypeCode(), FALSE, share != 0,
                                                                meeting->IsPageSync(), m_nMode));
}

void CPresentationOptCtrl::SelectTool(int tool)
{
    m_nTool = tool;
    for (int t = 0; t < 6; ++t)
        Button(kToolIds[t])->SetCheck(t == tool ? BST_CHECKED : BST_UNCHECKED);
}

void CPresentationOptCtrl::HideToolRadios()
{
    for (UINT id : {32724u, 32725u, 32727u})
        Button(id)->ShowWindow(SW_HIDE);
}

void CPresentationOptCtrl::PlaceAtBottom(int height)
{
    RECT rc;
    GetParent()->GetClientRect(&rc);
    SetWindowPos(nullptr, 0, rc.bottom - height, rc.right, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CPresentationOptCtrl::SlideIn(int height)
{
    m_slide.SlideIn(height, 500);
}

void CPresentationOptCtrl::SlideOut(BOOL immediately)
{
    m_slide.SlideOut(immediately, 300);
}

void CPresentationOptCtrl::OnTimer(UINT_PTR nIDEvent)
{
    if (!m_slide.OnTimer(nIDEvent))
        KillTimer(nIDEvent);
}

LRESULT CPresentationOptCtrl::OnSliderMoving(WPARAM wParam, LPARAM)
{
    if (m_pListener)
        m_pListener->OnSliderPreview((int)wParam);
    return 0;
}

LRESULT CPresentationOptCtrl::OnSliderReleased(WPARAM wParam, LPARAM)
{
    if (m_pListener)
        m_pListener->OnSliderPage((int)wParam);
    return 0;
}

BOOL CPresentationOptCtrl::PreTranslateMessage(MSG* pMsg)
{
    return m_page.OnEnter(pMsg, m_pListener) || CZELWnd::PreTranslateMessage(pMsg);
}

BOOL CPresentationOptCtrl::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT id = LOWORD(wParam);
    if (HIWORD(wParam) != BN_CLICKED || !m_pListener)
        return CZELWnd::OnCommand(wParam, lParam);
    for (UINT mode : kModeIds) {
        if (id != mode)
            continue;
        int sync = -1;
        const int next = NextMode(m_nMode, m_isReceiverReport && m_isReceiverReport(), sync);
        if (next != m_nMode)
            SetMode(next);
        if (sync >= 0)
            m_pListener->OnSyncCommand(sync);
        return TRUE;
    }
    if (m_page.OnCommand(id, m_nDocIndex, m_pListener))
        return TRUE;
    switch (id) {
    case kSticky: m_pListener->OnStickyNote(); return TRUE;
    case kFavorite:
        Button(kFavorite)->EnableWindow(FALSE);
        m_pListener->OnFavorite(Button(kFavorite)->GetCheck() == BST_CHECKED);
        return TRUE;
    case 32711: SelectTool(5); m_pListener->OnMemoTool(); return TRUE;
    case 32724: SelectTool(1); m_pListener->OnPenTool(); return TRUE;
    case 32725: SelectTool(2); m_pListener->OnHighlighterTool(); return TRUE;
    case 32726: SelectTool(3); m_pListener->OnPointerTool(); return TRUE;
    case 32727: SelectTool(4); m_pListener->OnEraserTool(); return TRUE;
    case 32731: SelectTool(0); m_pListener->OnPanTool(); return TRUE;
    default: return CZELWnd::OnCommand(wParam, lParam);
    }
}
