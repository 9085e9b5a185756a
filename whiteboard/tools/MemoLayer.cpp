#include <winsock2.h>

#include "whiteboard/tools/MemoLayer.h"

#include "ui/host/MainDlg.h"
#include "core/ClientMessages.h"
#include "whiteboard/canvas/BoardDrawCtrl.h"
#include "whiteboard/tools/ToolPictures.h"
#include "whiteboard/tools/ToolStrings.h"

namespace {
const UINT kEditorId = 22780;
const UINT kViewerId = 22770;
const UINT kEditId = 34900;
const UINT kBarId = 1000;
const UINT kOk = 34910, kCancel = 34920, kDelete = 35100, kEditButton = 35110;
const UINT kBackIds[4] = {35200, 35210, 35220, 35230};
const UINT kBackPictures[4] = {534, 533, 532, 531};
const UINT kColorIds[5] = {35300, 35310, 35320, 35330, 35340};
// Normal, pressed, hover of the text-colour radios.
const UINT kColorPictures[5][3] = {{445, 456, 444}, {487, 486, 488}, {471, 448, 479}, {472, 462, 483}, {468, 482, 451}};
const int kMaxText = 1000;
}  // namespace

S_MEMO_LOOK MemoLookOf(int index)
{
    switch (index) {
    case 2: return {535, 576, RGB(255, 207, 170)};
    case 3: return {516, 575, RGB(170, 225, 255)};
    case 4: return {526, 577, RGB(229, 229, 229)};
    default: return {530, 578, RGB(255, 241, 170)};
    }
}

COLORREF MemoTextColorOf(int index)
{
    switch (index) {
    case 2: return RGB(199, 199, 199);
    case 3: return RGB(233, 0, 0);
    case 4: return RGB(0, 138, 10);
    case 5: return RGB(0, 5, 108);
    default: return RGB(0, 0, 0);
    }
}

int MemoThumbSize(int lines, int limit)
{
    return lines > limit ? limit * 100 / lines : 0;
}

// ---- the edit ----

BEGIN_MESSAGE_MAP(CMemoEdit, CEdit)
    ON_WM_CREATE()
    ON_WM_KEYDOWN()
    ON_WM_MOUSEWHEEL()
    ON_CONTROL_REFLECT(EN_UPDATE, &CMemoEdit::OnUpdate)
END_MESSAGE_MAP()

int CMemoEdit::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CEdit::OnCreate(lpCreateStruct) == -1)
        return -1;
    SetLimitText(kMaxText);
    return 0;
}

void CMemoEdit::Report(int percent, int line)
{
    if (CMemoPanel* panel = static_cast<CMemoPanel*>(m_pPanel))
        panel->UpdateScrollBar(percent, line);
}

void CMemoEdit::OnUpdate()
{
    const int count = std::max(1, GetLineCount());
    const int line = LineFromChar(-1) + 1;
    Report(line * 100 / count, line);
}

void CMemoEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_UP || nChar == VK_DOWN) {
        const int count = std::max(1, GetLineCount());
        const int line = LineFromChar(-1) + (nChar == VK_DOWN ? 2 : 0);
        Report((line * 100 + count - 1) / count, line);
    }
    CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}

BOOL CMemoEdit::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    if (m_pBar && m_pBar->GetSafeHwnd()) {
        int pos = m_pBar->GetPos() + (zDelta > 0 ? -10 : 10);
        pos = std::max(0, std::min(100, pos));
        m_pBar->SetPos(pos, TRUE);
    }
    return CEdit::OnMouseWheel(nFlags, zDelta, pt);
}

// ---- the panels ----

BEGIN_MESSAGE_MAP(CMemoPanel, CWnd)
    ON_WM_PAINT()
    ON_WM_CTLCOLOR()
    ON_MESSAGE(WM_SCROLLBAR_POS, &CMemoPanel::OnScrollPos)
END_MESSAGE_MAP()

CMemoPanel::CMemoPanel(CMemoLayer* pLayer, BOOL viewer) : m_pLayer(pLayer), m_bViewer(viewer)
{
    m_pEdit.reset(new CMemoEdit(&m_bar, this, viewer));
}

CMemoPanel::~CMemoPanel()
{
    if (GetSafeHwnd())
        DestroyWindow();
}

CxSkinButton* CMemoPanel::AddButton(UINT id, const RECT& rc, UINT normal, UINT pressed, UINT hover, UINT disabled,
                                    DWORD kind)
{
    std::unique_ptr<CxSkinButton> button(new CxSkinButton);
    button->Create(L"", WS_CHILD | WS_VISIBLE | BS_BITMAP | kind, rc, this, id);
    button->ModifyStyleEx(0, WS_EX_NOPARENTNOTIFY);
    button->SetSkin(normal, pressed, hover, disabled, normal, 0, 1, 0, 0);
    m_ids[m_nButtons] = id;
    m_buttons[m_nButtons] = std::move(button);
    return m_buttons[m_nButtons++].get();
}

CxSkinButton* CMemoPanel::Button(UINT id)
{
    for (int i = 0; i < m_nButtons; ++i)
        if (m_ids[i] == id)
            return m_buttons[i].get();
    return nullptr;
}

CString CMemoPanel::GetText()
{
    CString text;
    if (m_pEdit->GetSafeHwnd())
        m_pEdit->GetWindowText(text);
    return text;
}

void CMemoPanel::ApplyLook(int background)
{
    const S_MEMO_LOOK look = MemoLookOf(background);
    m_nPicture = m_bViewer ? look.viewerPicture : look.editorPicture;
    m_clrBack = look.color;
    if (m_brush.GetSafeHandle())
        m_brush.DeleteObject();
    m_brush.CreateSolidBrush(m_clrBack);
    m_bar.SetBkColor(m_clrBack);
}

void CMemoPanel::UpdateScrollBar(int percent, int line)
{
    m_nLine = line;
    const int lines = m_pEdit->GetLineCount();
    const int thumb = MemoThumbSize(lines, m_bViewer ? 7 : 9);
    if (thumb > 0) {
        m_bar.SetThumbSize(thumb);
        m_bar.ShowWindow(SW_SHOW);
        m_bar.SetPos(percent, TRUE);
    } else {
        m_bar.ShowWindow(SW_HIDE);
        if (CWnd* parent = GetParent())
            parent->Invalidate();
    }
}

LRESULT CMemoPanel::OnScrollPos(WPARAM wParam, LPARAM)
{
    const int line = (int)(m_pEdit->GetLineCount() * ((double)wParam / 100.0));
    m_pEdit->LineScroll(line - m_nLine);
    m_nLine = line;
    return 0;
}

void CMemoPanel::OnPaint()
{
    CPaintDC dc(this);
    RECT rc;
    GetClientRect(&rc);
    ::FillRect(dc.GetSafeHdc(), &rc, (HBRUSH)m_brush.GetSafeHandle());
    // The card picture with magenta as the see-through colour.
    CBitmap bitmap;
    if (bitmap.LoadBitmap(m_nPicture)) {
        BITMAP info;
        bitmap.GetBitmap(&info);
        HDC mem = ::CreateCompatibleDC(dc.GetSafeHdc());
        HGDIOBJ prev = ::SelectObject(mem, (HBITMAP)bitmap);
        ::TransparentBlt(dc.GetSafeHdc(), 0, 0, info.bmWidth, info.bmHeight, mem, 0, 0, info.bmWidth, info.bmHeight,
                         RGB(255, 0, 255));
        ::SelectObject(mem, prev);
        ::DeleteDC(mem);
    }
}

HBRUSH CMemoPanel::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (nCtlColor == CTLCOLOR_EDIT || (m_bViewer && nCtlColor == CTLCOLOR_STATIC)) {
        pDC->SetTextColor(m_clrText);
        pDC->SetBkColor(m_clrBack);
        return (HBRUSH)m_brush.GetSafeHandle();
    }
    return CWnd::OnCtlColor(pDC, pWnd, nCtlColor);
}

// ---- the editor ----

BEGIN_MESSAGE_MAP(CMemoEditCtrl, CMemoPanel)
    ON_WM_CREATE()
    ON_WM_LBUTTONDOWN()
    ON_WM_SETFOCUS()
END_MESSAGE_MAP()

int CMemoEditCtrl::OnCreate(LPCREATESTRUCT)
{
    m_bar.Create(nullptr, L"", WS_CHILD, RECT{307, 28, 317, 170}, this, kBarId);
    m_bar.SetPos(0, FALSE);
    m_pEdit->Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, RECT{64, 24, 304, 174},
                    this, kEditId);
    m_pEdit->SetLimitText(kMaxText);
    AddButton(kOk, RECT{240, 186, 330, 213}, 422, 423, 421, 420, BS_PUSHBUTTON)->SetWindowText(
        LoadResourceString(IDS_WBT_MEMO_OK));
    AddButton(kCancel, RECT{68, 186, 158, 213}, 418, 419, 417, 416, BS_PUSHBUTTON)->SetWindowText(
        LoadResourceString(IDS_WBT_MEMO_CANCEL));
    for (int i = 0; i < 4; ++i)
        AddButton(kBackIds[i], RECT{5, 15 + 41 * i, 48, 48 + 41 * i}, kBackPictures[i], kBackPictures[i],
                  kBackPictures[i], kBackPictures[i], BS_PUSHBUTTON);
    for (int i = 0; i < 5; ++i)
        AddButton(kColorIds[i], RECT{364, 18 + 33 * i, 382, 36 + 33 * i}, kColorPictures[i][0], kColorPictures[i][1],
                  kColorPictures[i][2], kColorPictures[i][0], BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP : 0));
    Button(kColorIds[0])->SetCheck(BST_CHECKED);
    ApplyLook(1);
    m_pEdit->SetWindowText(LoadResourceString(IDS_WBT_MEMO_HINT));
    return 0;
}

void CMemoEditCtrl::SetMemo(int background, int textColor, const CString& text)
{
    m_pEdit->SetWindowText(text);
    m_nBackground = background;
    m_nTextColor = textColor;
    ApplyLook(background);
    SetTextColor(textColor);
    UpdateScrollBar(0, 0);
}

void CMemoEditCtrl::SetBackground(int index)
{
    if (index < 1 || index > 4)
        return;
    m_nBackground = index;
    ApplyLook(index);
    Invalidate();
    m_pEdit->Invalidate();
}

void CMemoEditCtrl::SetTextColor(int index)
{
    m_nTextColor = index;
    for (int i = 0; i < 5; ++i)
        Button(kColorIds[i])->SetCheck(i + 1 == index ? BST_CHECKED : BST_UNCHECKED);
    m_clrText = MemoTextColorOf(index);
    Invalidate();
    m_pEdit->Invalidate();
    m_pEdit->SetFocus();
}

void CMemoEditCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    // Pressing the panel outside its controls drags the whole memo layer, as its caption would.
    // Only a press does: the hit test runs for every pointer movement and query, and a move loop
    // started from there would follow the pointer with no button down.
    if (CWnd* parent = GetParent()) {
        POINT screen = point;
        ClientToScreen(&screen);
        ::ReleaseCapture();
        parent->SendMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(screen.x, screen.y));
        return;
    }
    CWnd::OnLButtonDown(nFlags, point);
}

void CMemoEditCtrl::OnSetFocus(CWnd*)
{
    if (m_pEdit->GetSafeHwnd())
        m_pEdit->SetFocus();
}

BOOL CMemoEditCtrl::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT id = LOWORD(wParam);
    if (HIWORD(wParam) == BN_CLICKED) {
        if (id == kOk) {
            m_pLayer->OnEditorOK(GetText(), m_nBackground, m_nTextColor);
            return TRUE;
        }
        if (id == kCancel) {
            m_pLayer->HideEditor();
            return TRUE;
        }
        for (int i = 0; i < 4; ++i)
            if (id == kBackIds[i]) {
                SetBackground(i + 1);
                return TRUE;
            }
        for (int i = 0; i < 5; ++i)
            if (id == kColorIds[i]) {
                SetTextColor(i + 1);
                return TRUE;
            }
    }
    return CMemoPanel::OnCommand(wParam, lParam);
}

// ---- the viewer ----

BEGIN_MESSAGE_MAP(CMemoViewCtrl, CMemoPanel)
    ON_WM_CREATE()
END_MESSAGE_MAP()

int CMemoViewCtrl::OnCreate(LPCREATESTRUCT)
{
    m_bar.Create(nullptr, L"", WS_CHILD, RECT{265, 30, 275, 165}, this, kBarId);
    m_bar.SetPos(0, FALSE);
    AddButton(kDelete, RECT{43, 186, 133, 213}, 634, 635, 633, 632, BS_PUSHBUTTON)->SetWindowText(
        LoadResourceString(IDS_WBT_MEMO_REMOVE));
    AddButton(kEditButton, RECT{165, 186, 255, 213}, 638, 639, 637, 636, BS_PUSHBUTTON)->SetWindowText(
        LoadResourceString(IDS_WBT_MEMO_EDIT));
    m_pEdit->Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY | ES_WANTRETURN,
                    RECT{20, 30, 260, 160}, this, kEditId);
    ApplyLook(1);
    return 0;
}

void CMemoViewCtrl::SetMemo(int background, int textColor, const CString& text)
{
    m_pEdit->SetWindowText(text);
    m_nBackground = background;
    m_nTextColor = textColor;
    ApplyLook(background);
    m_clrText = textColor >= 1 && textColor <= 4 ? MemoTextColorOf(textColor) : RGB(0, 5, 108);
    UpdateScrollBar(0, 0);
    m_pEdit->SetFocus();
}

BOOL CMemoViewCtrl::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT id = LOWORD(wParam);
    if (HIWORD(wParam) == BN_CLICKED && id == kDelete) {
        IZELMainDlg* main = GetMainDlg();
        if (main && main->ShowMessagePopup(LoadResourceString(IDS_WBT_POPUP_TITLE),
                                           LoadResourceString(IDS_WBT_MEMO_DELETE), 137, nullptr, TRUE) == IDOK)
            m_pLayer->OnViewerDelete();
        return TRUE;
    }
    if (HIWORD(wParam) == BN_CLICKED && id == kEditButton) {
        m_pLayer->OnViewerEdit(GetText(), m_nBackground, m_nTextColor);
        return TRUE;
    }
    return CMemoPanel::OnCommand(wParam, lParam);
}

// ---- the layer ----

BEGIN_MESSAGE_MAP(CMemoLayer, CWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

CMemoLayer::CMemoLayer(CBoardDrawCtrl* pCanvas) : m_pCanvas(pCanvas), m_editor(this), m_viewer(this) {}

CMemoLayer::~CMemoLayer()
{
    if (GetSafeHwnd())
        DestroyWindow();
}

BOOL CMemoLayer::Create()
{
    return CWnd::CreateEx(0, nullptr, L"", WS_CHILD | WS_CLIPCHILDREN, RECT{0, 0, 399, 220}, m_pCanvas, 22760);
}

int CMemoLayer::OnCreate(LPCREATESTRUCT)
{
    const RECT rc = {0, 0, 399, 220};
    m_editor.CreateEx(0, nullptr, L"", WS_CHILD | WS_CLIPCHILDREN, rc, this, kEditorId);
    m_viewer.CreateEx(0, nullptr, L"", WS_CHILD | WS_CLIPCHILDREN, rc, this, kViewerId);
    return 0;
}

void CMemoLayer::ShowEditor(const CString& text, int background, int textColor)
{
    m_viewer.ShowWindow(SW_HIDE);
    m_editor.SetMemo(background, textColor, text);
    RECT rc;
    GetWindowRect(&rc);
    GetParent()->ScreenToClient(&rc);
    SetWindowPos(&CWnd::wndTop, rc.left, rc.top, 399, 220, SWP_SHOWWINDOW);
    m_editor.MoveWindow(0, 0, 399, 220, TRUE);
    m_editor.ShowWindow(SW_SHOW);
    m_editor.SetFocus();
}

void CMemoLayer::ShowViewer(const CString& text, int background, int textColor)
{
    m_editor.ShowWindow(SW_HIDE);
    m_viewer.SetMemo(background, textColor, text);
    RECT rc;
    GetWindowRect(&rc);
    GetParent()->ScreenToClient(&rc);
    SetWindowPos(nullptr, rc.left, rc.top, 299, 220, SWP_NOZORDER | SWP_SHOWWINDOW);
    m_viewer.MoveWindow(0, 0, 299, 220, TRUE);
    m_viewer.ShowWindow(SW_SHOW);
    m_viewer.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void CMemoLayer::OnEditorOK(const CString& text, int background, int textColor)
{
    m_editor.ShowWindow(SW_HIDE);
    ShowWindow(SW_HIDE);
    if (m_pCanvas)
        m_pCanvas->SaveMemo(text, background, textColor);
}

void CMemoLayer::HideEditor()
{
    m_editor.ShowWindow(SW_HIDE);
    ShowWindow(SW_HIDE);
}

void CMemoLayer::OnViewerDelete()
{
    m_viewer.ShowWindow(SW_HIDE);
    ShowWindow(SW_HIDE);
    if (m_pCanvas)
        m_pCanvas->DeleteMemo();
}

void CMemoLayer::OnViewerEdit(const CString& text, int background, int textColor)
{
    if (m_pCanvas)
        m_pCanvas->OpenMemoEditor(text, background, textColor);
}

void CMemoLayer::Hide()
{
    if (GetSafeHwnd())
        ShowWindow(SW_HIDE);
}

void CMemoLayer::OpenEditor(const RECT& rc, const CString& text, int bgColor, int textColor, BOOL)
{
    MoveWindow(rc.left, rc.top, 399, 220, FALSE);
    ShowEditor(text, bgColor, textColor < 1 ? 1 : textColor);
}

void CMemoLayer::OpenView(const RECT& rc, const CString& text, int bgColor, int textColor)
{
    MoveWindow(rc.left, rc.top, 299, 220, FALSE);
    ShowViewer(text, bgColor, textColor);
}

IMemoLayerView* MakeMemoLayer(const S_BOARD_BAR_CONTEXT& context)
{
    if (!context.pCanvas)
        return nullptr;
    CMemoLayer* layer = new CMemoLayer(context.pCanvas);
    if (!layer->Create()) {
        delete layer;
        return nullptr;
    }
    return layer;
}
