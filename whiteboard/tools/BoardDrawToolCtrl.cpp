#include <winsock2.h>

#include "whiteboard/tools/BoardDrawToolCtrl.h"

#include "ui/host/MainDlg.h"
#include "net/protocol/TasClientManager.h"
#include "platform/DC.h"
#include "whiteboard/canvas/BoardDrawCtrl.h"
#include "whiteboard/tools/ToolPictures.h"
#include "whiteboard/tools/ToolStrings.h"

BEGIN_MESSAGE_MAP(CBoardDrawToolCtrl, CWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

const COLORREF CBoardDrawToolCtrl::kColorTable[15] = {
    RGB(233, 0, 0),     RGB(0, 198, 255),   RGB(0, 0, 0),       RGB(255, 96, 0),  RGB(0, 67, 236),
    RGB(67, 67, 67),    RGB(255, 216, 0),   RGB(0, 5, 108),     RGB(128, 128, 128), RGB(74, 231, 5),
    RGB(96, 0, 157),    RGB(199, 199, 199), RGB(0, 138, 10),    RGB(255, 0, 246), RGB(255, 255, 255),
};

namespace {
// Colour index of each grid position, row by row.
const int kGridIndex[15] = {0, 3, 6, 9, 12, 1, 4, 7, 10, 13, 14, 11, 8, 5, 2};
const UINT kToolIds[3] = {32790, 32800, 32810};
const UINT kShapeIds[6] = {32834, 32835, 32836, 32831, 32832, 32833};
const UINT kWidthIds[3] = {32811, 32812, 32813};
const int kWidths[3] = {3, 5, 7};
const UINT kPointerIds[3] = {32815, 32816, 32817};
const UINT kClearIds[3] = {32892, 32893, 32894};
const UINT kFrame[9] = {1026, 1029, 1032, 1033, 1034, 1031, 1028, 1027, 1030};
const COLORREF kGridPanel = RGB(233, 233, 241);
}  // namespace

int CBoardDrawToolCtrl::ColorIndexOfGrid(int position)
{
    return position >= 0 && position < 15 ? kGridIndex[position] : -1;
}

int CBoardDrawToolCtrl::PanelHeight(int panel)
{
    if (panel == 0 || panel == 1)
        return 367;
    if (panel == 2)
        return 274;
    return 171;
}

CBoardDrawToolCtrl::CBoardDrawToolCtrl(IDrawToolCtrlEventListener* pListener, const S_BOARD_BAR_CONTEXT& context)
    : m_pListener(pListener), m_context(context)
{
    m_sendClear = [](const CString& mtngId, const CString& docId, int page, int metaType) {
        CTasClientManager::GetInstance()->RequestM00000030(mtngId, docId, page, CString(), metaType);
    };
}

CBoardDrawToolCtrl::~CBoardDrawToolCtrl()
{
    if (GetSafeHwnd())
        DestroyWindow();
}

BOOL CBoardDrawToolCtrl::Create(CWnd* pCanvas)
{
    RECT rc;
    pCanvas->GetClientRect(&rc);
    const RECT rcBar = {rc.right - kWidth, rc.bottom - 367, rc.right, rc.bottom};
    if (!CWnd::CreateEx(0, nullptr, L"", WS_CHILD | WS_CLIPSIBLINGS, rcBar, pCanvas, kControlId))
        return FALSE;
    // A layered child stays undrawn until its attributes are set; fully opaque.
    ModifyStyleEx(0, WS_EX_LAYERED);
    ::SetLayeredWindowAttributes(m_hWnd, 0, 255, LWA_ALPHA);
    return TRUE;
}

CxSkinButton* CBoardDrawToolCtrl::AddButton(UINT id, int x, int y, int cx, int cy, UINT picture, BOOL radio,
                                            BOOL group, UINT tip)
{
    std::unique_ptr<CxSkinButton> button(new CxSkinButton);
    DWORD style = WS_CHILD | WS_VISIBLE | BS_BITMAP | (radio ? BS_AUTORADIOBUTTON : (BS_PUSHBUTTON | WS_TABSTOP));
    if (group)
        style |= WS_GROUP;
    const RECT rc = {x, y, x + cx, y + cy};
    button->Create(L"", style, rc, this, id);
    button->ModifyStyleEx(0, WS_EX_NOPARENTNOTIFY);
    if (picture)
        button->SetSkin(picture, picture + 1, picture + 2, picture + 3, picture, 0, 1, 0, 0);
    if (tip)
        button->SetToolTipText(LoadResourceString(tip));
    m_ids[m_nButtons] = id;
    m_buttons[m_nButtons] = std::move(button);
    return m_buttons[m_nButtons++].get();
}

CxSkinButton* CBoardDrawToolCtrl::Button(UINT id)
{
    for (int i = 0; i < m_nButtons; ++i)
        if (m_ids[i] == id)
            return m_buttons[i].get();
    return nullptr;
}

BOOL CBoardDrawToolCtrl::IsChecked(UINT id)
{
    CxSkinButton* button = Button(id);
    return button && button->GetCheck() == BST_CHECKED;
}

int CBoardDrawToolCtrl::OnCreate(LPCREATESTRUCT)
{
    AddButton(32781, 155, 5, 20, 17, IDB_WBT_KEEP_ON, FALSE, FALSE, IDS_WBT_KEEP_OPEN);
    AddButton(32782, 155, 5, 20, 17, IDB_WBT_KEEP_OFF, FALSE, FALSE, IDS_WBT_KEEP_OPEN);
    AddButton(32790, 13, 35, 37, 37, IDB_WBT_PEN, TRUE, TRUE, IDS_WBT_PEN);
    AddButton(32800, 73, 35, 37, 37, IDB_WBT_HIGHLIGHTER, TRUE, FALSE, IDS_WBT_HIGHLIGHTER);
    AddButton(32810, 133, 35, 37, 37, IDB_WBT_CLEARPANEL, TRUE, FALSE, IDS_WBT_CLEARPANEL);
    for (int p = 0; p < 15; ++p) {
        CxSkinButton* b = AddButton(1000 + p, 20 + 32 * (p % 5), 89 + 29 * (p / 5), 18, 18, 0, TRUE, p == 0, 0);
        const UINT pic = IDB_WBT_COLOR0 + 3 * p;
        b->SetSkin(pic, pic + 1, pic + 2, pic, pic, 0, 1, 0, 0);
    }
    for (int s = 0; s < 6; ++s)
        AddButton(kShapeIds[s], 13 + 61 * (s % 3), 179 + 50 * (s / 3), 37, 37, IDB_WBT_SHAPE0 + 4 * s, TRUE, s == 0, 0);
    for (int w = 0; w < 3; ++w)
        AddButton(kWidthIds[w], 13 + 61 * w, 279, 37, 37, IDB_WBT_WIDTH0 + 4 * w, TRUE, w == 0, 0);
    AddButton(32780, 50, 367 - 42, 37, 37, IDB_WBT_UNDO, FALSE, FALSE, IDS_WBT_UNDO);
    AddButton(32770, 99, 367 - 42, 37, 37, IDB_WBT_REDO, FALSE, FALSE, IDS_WBT_REDO);
    m_frame.SetBitmaps(kFrame[0], kFrame[1], kFrame[2], kFrame[3], kFrame[4], kFrame[5], kFrame[6], kFrame[7],
                       kFrame[8]);
    for (int c = 0; c < 3; ++c)
        AddButton(kClearIds[c], 13 + 61 * c, 85, 37, 37, IDB_WBT_CLEAR0 + 4 * c, TRUE, c == 0, 0);
    for (int n = 0; n < 3; ++n) {
        CxSkinButton* b = AddButton(kPointerIds[n], 13 + 61 * n, 187, 37, 37, IDB_WBT_POINTER0 + 4 * n, TRUE, n == 0, 0);
        b->ShowWindow(SW_HIDE);
    }
    HRGN region = ::CreateRoundRectRgn(0, 0, kWidth + 1, 367 + 1, 11, 11);
    ::SetWindowRgn(m_hWnd, region, FALSE);
    m_brush.CreateSolidBrush(RGB(255, 255, 255));
    Reset();
    return 0;
}

void CBoardDrawToolCtrl::CheckOnly(const UINT* ids, int count, UINT checked)
{
    // Only the buttons whose state changes are touched (each change repaints a button).
    for (int i = 0; i < count; ++i) {
        CxSkinButton* b = Button(ids[i]);
        const int want = ids[i] == checked ? BST_CHECKED : BST_UNCHECKED;
        if (b && b->GetCheck() != want)
            b->SetCheck(want);
    }
}

void CBoardDrawToolCtrl::CheckToolButton(int tool)
{
    CheckOnly(kToolIds, 3, tool == 0 ? 32790 : tool == 1 ? 32800 : tool == 3 ? 32810 : 0);
}

void CBoardDrawToolCtrl::CheckClearButton(int n)
{
    CheckOnly(kClearIds, 3, n >= 1 && n <= 3 ? kClearIds[n - 1] : 0);
}

void CBoardDrawToolCtrl::CheckShapeButton(int s)
{
    CheckOnly(kShapeIds, 6, s >= 0 && s < 6 ? kShapeIds[s] : 0);
}

void CBoardDrawToolCtrl::Reset()
{
    if (m_context.pCanvas)
        m_context.pCanvas->SetLastToolMode(CBoardDrawCtrl::kFreeLine);
    CheckOnly(kPointerIds, 3, kPointerIds[1]);
    LayoutPanel(0, 0);
    CheckToolButton(0);
    for (int p = 0; p < 15; ++p)
        if (CxSkinButton* b = Button(1000 + p))
            b->SetCheck(p == 0 ? BST_CHECKED : BST_UNCHECKED);
    CheckOnly(kWidthIds, 3, kWidthIds[1]);
    CheckShapeButton(0);
    m_nKeepOpen = 0;
    if (CxSkinButton* b = Button(32781))
        b->ShowWindow(SW_HIDE);
    if (CxSkinButton* b = Button(32782))
        b->ShowWindow(SW_SHOW);
    ShowWindow(SW_HIDE);
}

int CBoardDrawToolCtrl::Raised()
{
    // The bar sits above the presenter's toolbar while that is open.
    return m_context.pCanvas && m_context.pCanvas->IsPresentationBarCollapsed();
}

void CBoardDrawToolCtrl::LayoutPanel(int panel, int raised)
{
    m_nPanel = panel;
    if (!GetSafeHwnd())
        return;
    const int height = PanelHeight(panel);
    RECT rcCanvas = {0, 0, 0, 0};
    if (CWnd* parent = GetParent())
        parent->GetClientRect(&rcCanvas);
    const int bottom = rcCanvas.bottom - (raised ? kRaise : 0);
    const RECT rcBar = {rcCanvas.right - kWidth, bottom - height, rcCanvas.right, bottom};
    // A choice that keeps the panel (a shape, a colour) lays out nothing again.
    if (m_bLaidOut && panel == m_nLaidPanel && ::EqualRect(&rcBar, &m_rcLaid))
        return;
    m_bLaidOut = TRUE;
    m_nLaidPanel = panel;
    m_rcLaid = rcBar;
    const BOOL drawing = panel == 0 || panel == 1 || panel == 2;
    const BOOL penPanel = panel == 0 || panel == 1;
    for (int p = 0; p < 15; ++p)
        if (CxSkinButton* b = Button(1000 + p))
            b->ShowWindow(drawing ? SW_SHOW : SW_HIDE);
    for (UINT id : kShapeIds)
        Button(id)->ShowWindow(penPanel ? SW_SHOW : SW_HIDE);
    for (UINT id : kWidthIds)
        Button(id)->ShowWindow(penPanel ? SW_SHOW : SW_HIDE);
    for (UINT id : kPointerIds)
        Button(id)->ShowWindow(panel == 2 ? SW_SHOW : SW_HIDE);
    for (UINT id : kClearIds)
        Button(id)->ShowWindow(drawing ? SW_HIDE : SW_SHOW);
    Button(32780)->MoveWindow(50, height - 42, 37, 37, TRUE);
    Button(32770)->MoveWindow(99, height - 42, 37, 37, TRUE);
    Button(32780)->ShowWindow(SW_SHOW);
    Button(32770)->ShowWindow(SW_SHOW);
    MoveWindow(rcCanvas.right - kWidth, bottom - height, kWidth, height, TRUE);
    Invalidate();
}

void CBoardDrawToolCtrl::EnableUndoRedo(BOOL undo, BOOL redo)
{
    if (CxSkinButton* b = Button(32780))
        b->EnableWindow(undo);
    if (CxSkinButton* b = Button(32770))
        b->EnableWindow(redo);
}

void CBoardDrawToolCtrl::EnableClearButtons(BOOL page, BOOL all)
{
    if (CxSkinButton* b = Button(32893))
        b->EnableWindow(page);
    if (CxSkinButton* b = Button(32894))
        b->EnableWindow(all);
}

void CBoardDrawToolCtrl::SetWidth(int width)
{
    UINT checked = 0;
    for (int w = 0; w < 3; ++w)
        if (kWidths[w] == width)
            checked = kWidthIds[w];
    CheckOnly(kWidthIds, 3, checked);
    if (m_pListener)
        m_pListener->OnLineWidth(width);
}

void CBoardDrawToolCtrl::SelectShape(int lineType)
{
    if (lineType >= 1 && lineType <= 6)
        RunCommand(kShapeIds[lineType - 1]);
}

void CBoardDrawToolCtrl::TellTool(int tool)
{
    if (m_context.onToolChosen)
        m_context.onToolChosen(tool);
}

void CBoardDrawToolCtrl::ToolCommand(int tool)
{
    CheckToolButton(tool);
    if (m_pListener) {
        if (tool == 0)
            m_pListener->OnPenMode();
        else if (tool == 1)
            m_pListener->OnHighlighterMode();
        else
            m_pListener->OnPointerMode();
    }
    LayoutPanel(tool, Raised());
    TellTool(tool);
}

void CBoardDrawToolCtrl::ChooseEraser()
{
    CheckClearButton(1);
    if (m_context.pCanvas)
        m_context.pCanvas->SetMode(CBoardDrawCtrl::kEraser);
    TellTool(3);
}

void CBoardDrawToolCtrl::ClearCommand(BOOL all)
{
    CheckClearButton(all ? 3 : 2);
    IZELMainDlg* main = GetMainDlg();
    const int answer = main ? main->ShowMessagePopup(CString(), LoadResourceString(all ? 236 : 235), 137, nullptr, TRUE)
                            : IDCANCEL;
    if (answer == IDOK && m_context.pCanvas) {
        if (m_context.isPresentingSynced && m_context.isPresentingSynced() && m_sendClear)
            m_sendClear(m_context.getMeetingId ? m_context.getMeetingId() : CString(),
                        m_context.getDocumentId ? m_context.getDocumentId() : CString(),
                        m_context.getCurrentPage ? m_context.getCurrentPage() : 0, all ? 3 : 2);
        if (all)
            m_context.pCanvas->ClearAllPages();
        else
            m_context.pCanvas->ClearCurrentPage();
    }
    CheckClearButton(1);
    ShowWindow(SW_HIDE);
    EnableWindow(FALSE);
}

BOOL CBoardDrawToolCtrl::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT id = LOWORD(wParam);
    if (id >= 1000 && id <= 1014) {
        const int p = (int)id - 1000;
        UINT grid[15];
        for (int q = 0; q < 15; ++q)
            grid[q] = 1000 + q;
        CheckOnly(grid, 15, id);
        if (m_pListener)
            m_pListener->OnLineColor(kGridIndex[p], kColorTable[kGridIndex[p]]);
        return TRUE;
    }
    for (int s = 0; s < 6; ++s) {
        if (id != kShapeIds[s])
            continue;
        CheckShapeButton(s);
        if (m_pListener) {
            switch (s) {
            case 0: m_pListener->OnFreeLineMode(); break;
            case 1: m_pListener->OnShapeMode6(); break;
            case 2: m_pListener->OnShapeMode7(); break;
            case 3: m_pListener->OnShapeMode8(); break;
            case 4: m_pListener->OnShapeMode9(); break;
            default: m_pListener->OnShapeMode10(); break;
            }
        }
        LayoutPanel(m_nPanel, Raised());
        TellTool(m_nPanel);
        return TRUE;
    }
    for (int w = 0; w < 3; ++w) {
        if (id == kWidthIds[w]) {
            CheckOnly(kWidthIds, 3, id);
            if (m_pListener)
                m_pListener->OnLineWidth(kWidths[w]);
            return TRUE;
        }
        if (id == kPointerIds[w]) {
            CheckOnly(kPointerIds, 3, id);
            if (m_pListener)
                m_pListener->OnPointerSize(w + 1);
            return TRUE;
        }
    }
    switch (id) {
    case 32781:
    case 32782:
        m_nKeepOpen = id == 32782 ? 1 : 0;
        Button(32781)->ShowWindow(m_nKeepOpen ? SW_SHOW : SW_HIDE);
        Button(32782)->ShowWindow(m_nKeepOpen ? SW_HIDE : SW_SHOW);
        return TRUE;
    case 32790: ToolCommand(0); return TRUE;
    case 32800: ToolCommand(1); return TRUE;
    case 32805: ToolCommand(2); return TRUE;
    case 32810:
        CheckToolButton(3);
        LayoutPanel(3, Raised());
        ChooseEraser();
        CheckClearButton(1);
        if (m_pListener)
            m_pListener->OnClearPanel();
        return TRUE;
    case 32892: ChooseEraser(); return TRUE;
    case 32893: ClearCommand(FALSE); return TRUE;
    case 32894: ClearCommand(TRUE); return TRUE;
    case 32780:
        if (m_pListener)
            m_pListener->OnUndo();
        return TRUE;
    case 32770:
        if (m_pListener)
            m_pListener->OnRedo();
        return TRUE;
    default:
        return CWnd::OnCommand(wParam, lParam);
    }
}

void CBoardDrawToolCtrl::OnPaint()
{
    CPaintDC dc(this);
    RECT rc;
    GetClientRect(&rc);
    m_frame.DrawFrame(&dc, 0, 0, rc.right, rc.bottom);
    RECT rcTitle = {10, 6, 80, 30};
    CFont font;
    font.CreateFont(-12, 0, 0, 0, 600, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, DEFAULT_QUALITY, 0, L"Malgun Gothic");
    HGDIOBJ old = ::SelectObject(dc.GetSafeHdc(), font);
    ::SetBkMode(dc.GetSafeHdc(), TRANSPARENT);
    ::SetTextColor(dc.GetSafeHdc(), RGB(34, 34, 34));
    const CString title = LoadResourceString(206);
    ::DrawTextW(dc.GetSafeHdc(), title, title.GetLength(), &rcTitle, DT_LEFT | DT_TOP | DT_SINGLELINE);
    ::SelectObject(dc.GetSafeHdc(), old);
    const int height = rc.bottom;
    auto blit = [&](UINT id, int x, int y, int cx, int cy) { BlitResourceBitmap(dc, id, x, y, cx, cy); };
    if (m_nPanel >= 0 && m_nPanel <= 2) {
        // Behind the colour grid a plain panel: the library's picture 837 is the thumbnails'
        // page placeholder, whose page outline showed through the grid.
        CBrush panel;
        panel.CreateSolidBrush(kGridPanel);
        RECT rcGrid = {9, 78, 9 + 167, 78 + 95};
        ::FillRect(dc.GetSafeHdc(), &rcGrid, (HBRUSH)panel.GetSafeHandle());
        blit(1065, 1, height - 96, 183, 2);
    } else {
        blit(781, 0, 73, 185, 56);
    }
    blit(1065, 1, height - 43, 183, 2);
}

HBRUSH CBoardDrawToolCtrl::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (nCtlColor == CTLCOLOR_BTN) {
        pDC->SetBkColor(RGB(255, 255, 255));
        return (HBRUSH)m_brush.GetSafeHandle();
    }
    return CWnd::OnCtlColor(pDC, pWnd, nCtlColor);
}

IBoardDrawToolBar* MakeBoardDrawToolBar(const S_BOARD_BAR_CONTEXT& context)
{
    if (!context.pCanvas)
        return nullptr;
    CBoardDrawToolCtrl* bar = new CBoardDrawToolCtrl(context.pCanvas, context);
    if (!bar->Create(context.pCanvas)) {
        delete bar;
        return nullptr;
    }
    return bar;
}
