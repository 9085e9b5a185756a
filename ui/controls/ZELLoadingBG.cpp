#include "ui/controls/ZELLoadingBG.h"

#include "core/DrawHelpers.h"
#include "resources/resource.h"
#include "ui/controls/MemDCEX.h"

BEGIN_MESSAGE_MAP(ZELLoadingBG, CWnd)
    ON_WM_CREATE()
    ON_WM_TIMER()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

int ZELLoadingBG::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_clrBack = 0;
    m_nInterval = 500;
    return 0;
}

void ZELLoadingBG::Start(COLORREF clrBack, int nInterval)
{
    m_clrBack = clrBack;
    m_nInterval = nInterval;
    m_nFrame = 0;
    m_nMessageMode = 0;
    m_nState = 0;
    m_nSpinnerBitmap = IDB_SPINNER_FIRST;
    SetTimer(TIMER_SPIN, (UINT)nInterval);
}

void ZELLoadingBG::StartWithPicture(COLORREF clrBack, int nPicture, int nInterval)
{
    Start(clrBack, nInterval);
    m_nPicture = nPicture;
}

void ZELLoadingBG::SetMessageMode(int nMode)
{
    m_nMessageMode = nMode;
    m_nState = 0;
    Invalidate(TRUE);
}

void ZELLoadingBG::SetState(int nState)
{
    m_nState = nState;
    Invalidate(TRUE);
}

void ZELLoadingBG::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == TIMER_SPIN) {
        m_nSpinnerBitmap = IDB_SPINNER_FIRST + m_nFrame;
        m_nFrame = (m_nFrame + 1) % 4;
        Invalidate(FALSE);
    }
    CWnd::OnTimer(nIDEvent);
}

int ZELLoadingBG::LinesFor(int nMode, int nState, LINE lines[3])
{
    const COLORREF grey = 0x808080;
    if (nState == 1) {
        lines[0] = {IDS_LOADING_FAILED, 15, 0x0000FF};
        return 1;
    }
    if (nMode != 0 && nState == 0) {
        lines[0] = {IDS_LOADING_LINE1, 0, grey};
        lines[1] = {IDS_LOADING_LINE2, 30, grey};
        lines[2] = {IDS_LOADING_LINE3, 60, grey};
        return 3;
    }
    if (nMode == 0 && nState == 7) {
        lines[0] = {IDS_LOADING_EMPTY, 30, grey};
        return 1;
    }
    return 0;
}

BOOL ZELLoadingBG::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void ZELLoadingBG::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    const int W = client.Width(), H = client.Height();
    CMemDCEX mem(&dc, &client);
    mem.FillSolidRect(&client, m_clrBack);
    if (m_nMessageMode == 0 && m_nState == 0) {
        if (m_nPicture) {
            CBitmap picture;
            if (picture.LoadBitmap(m_nPicture))
                DrawTransparentBitmap(mem.GetSafeHdc(), picture, 0, 0, RGB(255, 0, 255));
        }
        CBitmap spinner;
        if (m_nSpinnerBitmap && spinner.LoadBitmap(m_nSpinnerBitmap))
            DrawTransparentBitmap(mem.GetSafeHdc(), spinner, W / 2 - 12, H / 2 - 12, RGB(255, 0, 255));
    }
    LINE lines[3];
    const int count = LinesFor(m_nMessageMode, m_nState, lines);
    for (int i = 0; i < count; ++i) {
        CString text;
        text.LoadString(lines[i].nString);
        CRect rc(W / 2 - 200, H / 2 - 16 + lines[i].nOffset, W / 2 + 200, H / 2 + lines[i].nOffset);
        DrawTextWithFont(mem.GetSafeHdc(), &rc, text, lines[i].clr, 0, TRUE, GetDefaultFontSize(), DT_CENTER, 1);
    }
    mem.Flush(SRCCOPY);
}

void ZELLoadingBG::OnDestroy()
{
    CWnd::OnDestroy();
    KillTimer(TIMER_SPIN);
}
