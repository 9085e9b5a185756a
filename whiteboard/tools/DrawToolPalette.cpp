#include <winsock2.h>

#include "whiteboard/tools/DrawToolPalette.h"

#include <algorithm>

#include "core/IniFileHelpers.h"
#include "core/SettingManager.h"
#include "resources/resource.h"
#include "ui/skin/SkinValues.h"

namespace {
const wchar_t kSection[] = L"DrawToolMain";
const wchar_t* const kRecentKeys[3] = {L"m_clrSelectedColor1", L"m_clrSelectedColor2", L"m_clrSelectedColor3"};
const wchar_t* const kRecentNames[3] = {L"btnSelectedColor1", L"btnSelectedColor2", L"btnSelectedColor3"};
const wchar_t* const kToolNames[4] = {L"btnMovemode", L"btnPen", L"btnHighlighter", L"btnEraser"};

void MarkChecked(SKIN_OBJECT* pObject, BOOL checked)
{
    if (pObject)
        pObject->m_button.m_nCheck = checked ? 1 : 0;
}
}  // namespace

// ---- settings and arithmetic ----

void S_DRAWTOOL_COLORS::Load(const CString& iniPath)
{
    auto read = [&](const wchar_t* key, COLORREF& value) {
        int v = (int)value;
        ReadIniIntAsString(kSection, key, v, iniPath);
        value = (COLORREF)v;
    };
    read(L"m_clrPen", pen);
    read(L"m_clrHighlighter", highlighter);
    for (int i = 0; i < 3; ++i)
        read(kRecentKeys[i], recent[i]);
}

BOOL S_DRAWTOOL_COLORS::Save(const CString& iniPath) const
{
    BOOL ok = WriteIniInt(kSection, L"m_clrPen", (int)pen, iniPath);
    ok &= WriteIniInt(kSection, L"m_clrHighlighter", (int)highlighter, iniPath);
    for (int i = 0; i < 3; ++i)
        ok &= WriteIniInt(kSection, kRecentKeys[i], (int)recent[i], iniPath);
    return ok;
}

int ThicknessStep(int lineWidth, int maximum)
{
    // A track narrower than the range still moves one pixel a step (no division by zero).
    return maximum > 1 ? std::max(1, lineWidth / (maximum - 1)) : 1;
}

int ThicknessFromX(int x, int lineLeft, int step, int maximum)
{
    step = std::max(1, step);
    const int v = (x + step / 2 - lineLeft) / step + 1;
    return std::max(1, std::min(maximum, v));
}

// ---- pop-ups ----

CDrawToolPopup::CDrawToolPopup(const wchar_t* screen, CWnd* pOwner)
    : CMyBaseDialog(IDD_SKIN_POPUP, pOwner), m_pszScreen(screen), m_pOwner(pOwner)
{
}

BOOL CDrawToolPopup::CreatePopup()
{
    if (!Create(IDD_SKIN_POPUP, m_pOwner))
        return FALSE;
    SetOwnerWnd(m_pOwner);
    return TRUE;
}

BOOL CDrawToolPopup::OnInitDialog()
{
    CMyBaseDialog::OnInitDialog();
    LoadScreen(m_pszScreen);
    const CRect rc = m_Screen.m_rcScreen;
    MoveWindow(rc.left, rc.top, rc.Width(), rc.Height(), FALSE);
    return TRUE;
}

void CDrawToolPopup::ShowAt(POINT screenPoint)
{
    SetWindowPos(&CWnd::wndTop, screenPoint.x, screenPoint.y, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
}

void CDrawToolPopup::Post(WPARAM kind, LPARAM value)
{
    if (m_pOwner && m_pOwner->GetSafeHwnd())
        m_pOwner->PostMessage(WM_DRAWTOOL_POPUP_RESULT, kind, value);
}

void CDrawToolPopup::Repaint(const CRect& rc)
{
    CRect r = rc;
    r.InflateRect(3, 3);
    InvalidateRect(&r, FALSE);
}

SKIN_OBJECT* CDrawToolColor::FindColorObject(COLORREF color)
{
    for (int i = 0;; ++i) {
        SKIN_OBJECT* o = m_Screen.GetObjectAt(i);
        if (!o)
            return nullptr;
        if (o->m_strName == L"Color" && o->m_clrColor == color)
            return o;
    }
}

void CDrawToolColor::SetColor(COLORREF color)
{
    SKIN_OBJECT* check = Object(L"check");
    SKIN_OBJECT* ok = Object(L"btnOK");
    m_pSelected = FindColorObject(color);
    if (check) {
        Repaint(check->m_rcObject);
        if (m_pSelected) {
            check->m_rcObject = m_pSelected->m_rcObject;
            check->m_rcObject.InflateRect(2, 2);
        } else {
            check->m_rcObject.SetRectEmpty();
        }
        Repaint(check->m_rcObject);
    }
    EnableObject(ok, m_pSelected != nullptr, TRUE);
}

int CDrawToolColor::OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject)
{
    if (nEvent != 514 || !pObject)
        return CMyBaseDialog::OnObjectEvent(nEvent, pObject);
    if (pObject->m_strName == L"Color") {
        SKIN_OBJECT* check = Object(L"check");
        if (check) {
            Repaint(check->m_rcObject);
            check->m_rcObject = pObject->m_rcObject;
            check->m_rcObject.InflateRect(2, 2);
            Repaint(check->m_rcObject);
        }
        if (!m_pSelected)
            EnableObject(Object(L"btnOK"), TRUE, TRUE);
        m_pSelected = pObject;
        Post(1, (LPARAM)pObject->m_clrColor);
        return 1;
    }
    if (pObject->m_strName == L"btnOK") {
        if (m_pSelected)
            Post(1, (LPARAM)m_pSelected->m_clrColor);
        ShowWindow(SW_HIDE);
        return 1;
    }
    if (pObject->m_strName == L"btnCancel") {
        ShowWindow(SW_HIDE);
        return 1;
    }
    return CMyBaseDialog::OnObjectEvent(nEvent, pObject);
}

BOOL CDrawToolPopup::OnOkCancel(UINT nEvent, SKIN_OBJECT* pObject, WPARAM kind, LPARAM value)
{
    if (nEvent != 514 || !pObject)
        return FALSE;
    if (pObject->m_strName == L"btnOK")
        Post(kind, value);
    else if (pObject->m_strName != L"btnCancel")
        return FALSE;
    ShowWindow(SW_HIDE);
    return TRUE;
}

BEGIN_MESSAGE_MAP(CDrawToolEraser, CMyBaseDialog)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

int CDrawToolEraser::OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject)
{
    return OnOkCancel(nEvent, pObject, 4, 0) ? 1 : CMyBaseDialog::OnObjectEvent(nEvent, pObject);
}

void CDrawToolEraser::OnLButtonDown(UINT nFlags, CPoint point)
{
    // The buttons work as buttons; a press anywhere else starts the clear (and never drags).
    for (const wchar_t* name : {L"btnOK", L"btnCancel"}) {
        SKIN_OBJECT* o = Object(name);
        if (o && o->m_rcObject.PtInRect(point)) {
            CMyBaseDialog::OnLButtonDown(nFlags, point);
            return;
        }
    }
    m_bPressed = TRUE;
    SetCapture();
}

void CDrawToolEraser::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (!m_bPressed) {
        CMyBaseDialog::OnLButtonUp(nFlags, point);
        return;
    }
    m_bPressed = FALSE;
    ::ReleaseCapture();
    Post(4, 0);
    ShowWindow(SW_HIDE);
}

void CDrawToolLinetype::SetLineType(int n)
{
    if (n < 1 || n > 6)
        return;
    CString name;
    name.Format(L"btn%d", m_nLineType);
    SKIN_OBJECT* previous = Object(name);
    MarkChecked(previous, FALSE);
    name.Format(L"btn%d", n);
    SKIN_OBJECT* now = Object(name);
    MarkChecked(now, TRUE);
    if (SKIN_OBJECT* check = Object(L"check")) {
        Repaint(check->m_rcObject);
        if (now) {
            check->m_rcObject = now->m_rcObject;
            check->m_rcObject.InflateRect(2, 2);
        }
        Repaint(check->m_rcObject);
    }
    if (previous)
        Repaint(previous->m_rcObject);
    if (now)
        Repaint(now->m_rcObject);
    m_nLineType = n;
}

int CDrawToolLinetype::OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject)
{
    if (nEvent != 514 || !pObject)
        return CMyBaseDialog::OnObjectEvent(nEvent, pObject);
    const CString name = pObject->m_strName;
    if (name.GetLength() == 4 && name.Left(3) == L"btn" && name[3] >= L'1' && name[3] <= L'6') {
        SetLineType(name[3] - L'0');
        Post(3, m_nLineType);
        return 1;
    }
    if (name == L"btnOK") {
        Post(3, m_nLineType);
        ShowWindow(SW_HIDE);
        return 1;
    }
    if (name == L"btnCancel") {
        ShowWindow(SW_HIDE);
        return 1;
    }
    return CMyBaseDialog::OnObjectEvent(nEvent, pObject);
}

BEGIN_MESSAGE_MAP(CDrawToolThickness, CMyBaseDialog)
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

BOOL CDrawToolThickness::OnInitDialog()
{
    CDrawToolPopup::OnInitDialog();
    if (SKIN_OBJECT* line = Object(L"line"))
        m_nStep = ThicknessStep(line->m_rcObject.Width(), m_nMax);
    if (SKIN_OBJECT* dot = Object(L"dot"))
        m_nDotWidth = dot->m_rcObject.Width();
    return TRUE;
}

void CDrawToolThickness::SetValue(int v)
{
    if (v == m_nValue)
        return;
    CString text;
    text.Format(L"%d", v);
    if (SKIN_OBJECT* title = Object(L"Title"))
        title->SetText(this, text, TRUE);
    SKIN_OBJECT* line = Object(L"line");
    SKIN_OBJECT* dot = Object(L"dot");
    if (line && dot) {
        Repaint(dot->m_rcObject);
        const int x = (v - 1) * m_nStep + line->m_rcObject.left - m_nDotWidth / 2;
        dot->m_rcObject = CRect(x, dot->m_rcObject.top, x + m_nDotWidth, dot->m_rcObject.bottom);
        Repaint(dot->m_rcObject);
    }
    m_nValue = v;
}

void CDrawToolThickness::OnLButtonDown(UINT nFlags, CPoint point)
{
    SKIN_OBJECT* line = Object(L"line");
    SKIN_OBJECT* dot = Object(L"dot");
    if (dot && dot->m_rcObject.PtInRect(point)) {
        m_bDragging = TRUE;
        SetCapture();
        return;
    }
    if (line) {
        CRect area = line->m_rcObject;
        area.InflateRect(5, 5);
        if (area.PtInRect(point)) {
            SetValue(ThicknessFromX(point.x, line->m_rcObject.left, m_nStep, m_nMax));
            m_bDragging = TRUE;
            SetCapture();
            return;
        }
    }
    CMyBaseDialog::OnLButtonDown(nFlags, point);
}

void CDrawToolThickness::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bDragging) {
        if (SKIN_OBJECT* line = Object(L"line"))
            SetValue(ThicknessFromX(point.x, line->m_rcObject.left, m_nStep, m_nMax));
        return;
    }
    CMyBaseDialog::OnMouseMove(nFlags, point);
}

void CDrawToolThickness::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bDragging) {
        m_bDragging = FALSE;
        ::ReleaseCapture();
        Post(2, m_nValue);
        return;
    }
    CMyBaseDialog::OnLButtonUp(nFlags, point);
}

int CDrawToolThickness::OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject)
{
    return OnOkCancel(nEvent, pObject, 2, m_nValue) ? 1 : CMyBaseDialog::OnObjectEvent(nEvent, pObject);
}

// ---- the palette ----

BEGIN_MESSAGE_MAP(CDrawToolMain, CMyBaseDialog)
    ON_MESSAGE(WM_DRAWTOOL_POPUP_RESULT, &CDrawToolMain::OnPopupResult)
END_MESSAGE_MAP()

CDrawToolMain::CDrawToolMain(CWnd* pOwner, IDrawToolEventListener* pListener, const CString& iniPath)
    : CMyBaseDialog(IDD_SKIN_POPUP, pOwner), m_pOwner(pOwner), m_pListener(pListener), m_strIniPath(iniPath)
{
    if (m_strIniPath.IsEmpty())
        m_strIniPath = CSettingManager::GetInstance()->GetOptIniPath();
    m_colors.Load(m_strIniPath);
}

CDrawToolMain::~CDrawToolMain()
{
    if (GetSafeHwnd())
        DestroyWindow();
}

BOOL CDrawToolMain::CreatePalette()
{
    if (!Create(IDD_SKIN_POPUP, m_pOwner))
        return FALSE;
    SetOwnerWnd(m_pOwner);
    ShowWindow(SW_HIDE);
    return TRUE;
}

BOOL CDrawToolMain::OnInitDialog()
{
    CMyBaseDialog::OnInitDialog();
    LoadScreen(L"DrawToolMain");
    const CRect rc = m_Screen.m_rcScreen;
    MoveWindow(rc.left, rc.top, rc.Width(), rc.Height(), FALSE);
    SetObjectColor(Object(L"btnPen"), m_colors.pen);
    SetObjectColor(Object(L"btnHighlighter"), m_colors.highlighter);
    for (int i = 0; i < 3; ++i)
        SetObjectColor(Object(kRecentNames[i]), m_colors.recent[i]);
    SetTool(m_nTool);
    SetLineType(m_nLineType);
    return TRUE;
}

void CDrawToolMain::SaveColors()
{
    auto colorOf = [&](const wchar_t* name, COLORREF fallback) {
        SKIN_OBJECT* o = Object(name);
        return o ? o->m_clrColor : fallback;
    };
    m_colors.pen = colorOf(L"btnPen", m_colors.pen);
    m_colors.highlighter = colorOf(L"btnHighlighter", m_colors.highlighter);
    for (int i = 0; i < 3; ++i)
        m_colors.recent[i] = colorOf(kRecentNames[i], m_colors.recent[i]);
    m_colors.Save(m_strIniPath);
}

BOOL CDrawToolMain::DestroyWindow()
{
    SaveColors();
    m_pColor.reset();
    m_pEraser.reset();
    m_pThickness.reset();
    m_pLinetype.reset();
    return CMyBaseDialog::DestroyWindow();
}

void CDrawToolMain::SetObjectColor(SKIN_OBJECT* pObject, COLORREF color)
{
    if (!pObject)
        return;
    pObject->SetColor(ColorToText(color));
    if (GetSafeHwnd())
        InvalidateRect(&pObject->m_rcObject, FALSE);
}

int CDrawToolMain::GetColor()
{
    if (m_nTool == 1 && Object(L"btnPen"))
        return (int)Object(L"btnPen")->m_clrColor;
    if (m_nTool == 2 && Object(L"btnHighlighter"))
        return (int)Object(L"btnHighlighter")->m_clrColor;
    return (int)m_colors.pen;
}

void CDrawToolMain::SetTool(int tool)
{
    m_nTool = tool;
    for (int t = 0; t < 4; ++t)
        MarkChecked(Object(kToolNames[t]), t == tool);
    EnableObject(Object(L"btnThickness"), m_bEnabled && (tool == 1 || tool == 2), TRUE);
    if (GetSafeHwnd())
        Invalidate(FALSE);
}

void CDrawToolMain::SetColorSlot(int slot)
{
    m_nColorSlot = slot;
    for (int i = 0; i < 3; ++i)
        MarkChecked(Object(kRecentNames[i]), i + 1 == slot);
}

void CDrawToolMain::SetLineType(int n)
{
    m_nLineType = n;
    MarkChecked(Object(L"btnLineType"), n == 0);
    for (int i = 1; i <= 6; ++i) {
        CString name;
        name.Format(L"btnLineType%d", i);
        MarkChecked(Object(name), i == n);
    }
}

void CDrawToolMain::SelectPointerTool()
{
    SetTool(4);
    SetColorSlot(0);
}

void CDrawToolMain::Announce()
{
    if (!m_pListener)
        return;
    switch (m_nTool) {
    case 0: m_pListener->OnMoveMode(); break;
    case 1:
        m_pListener->OnPen();
        m_pListener->OnColor((COLORREF)GetColor());
        m_pListener->OnThickness(m_nPenWidth);
        break;
    case 2:
        m_pListener->OnHighlighter();
        m_pListener->OnColor((COLORREF)GetColor());
        m_pListener->OnThickness(m_nHighlighterWidth);
        break;
    case 3: m_pListener->OnEraser(); break;
    case 4: m_pListener->OnPointerTool(); break;
    default: break;
    }
}

void CDrawToolMain::ApplyCurrent(BOOL penInput)
{
    SetTool(m_nTool);
    SetColorSlot(m_nColorSlot);
    SetLineType(1);
    SetDrawEnabled(penInput);
}

void CDrawToolMain::SetDrawEnabled(BOOL penInput)
{
    if (!penInput) {
        if (m_bEnabled && m_nTool >= 1 && m_nTool <= 3)
            Announce();
    } else if (m_nTool == 0) {
        SetTool(1);
        SetColorSlot(0);
        if (m_bEnabled)
            Announce();
    }
}

void CDrawToolMain::EnableTools(BOOL enable)
{
    m_bEnabled = enable;
    for (const wchar_t* name : {L"btnPen", L"btnHighlighter", L"btnEraser", L"btnSelectedColor1", L"btnSelectedColor2",
                                L"btnSelectedColor3", L"btnLineType", L"btnUndo", L"btnRedo", L"btnMovemode"})
        EnableObject(Object(name), enable, TRUE);
    EnableObject(Object(L"btnThickness"), enable && (m_nTool == 1 || m_nTool == 2), TRUE);
    if (!enable) {
        if (m_nTool != 0 && m_pListener)
            m_pListener->OnMoveMode();
        return;
    }
    Announce();
}

void CDrawToolMain::EnableUndoRedo(BOOL undo, BOOL redo)
{
    if (!GetSafeHwnd())
        return;
    EnableObject(Object(L"btnUndo"), undo, TRUE);
    EnableObject(Object(L"btnRedo"), redo, TRUE);
}

void CDrawToolMain::ClosePopupsOutside()
{
    POINT cursor;
    ::GetCursorPos(&cursor);
    auto close = [&](auto& popup) {
        if (!popup || !popup->GetSafeHwnd())
            return;
        RECT rc;
        popup->GetWindowRect(&rc);
        if (!::PtInRect(&rc, cursor)) {
            popup->ShowWindow(SW_HIDE);
            popup.reset();
        }
    };
    close(m_pColor);
    close(m_pEraser);
    close(m_pThickness);
    close(m_pLinetype);
}

template <class T> void CDrawToolMain::ShowPopup(std::unique_ptr<T>& popup, SKIN_OBJECT* pAnchor)
{
    if (!popup || !popup->GetSafeHwnd())
        return;
    POINT at = {pAnchor ? pAnchor->m_rcObject.left : 0, pAnchor ? pAnchor->m_rcObject.bottom : 0};
    ClientToScreen(&at);
    popup->ShowAt(at);
}

int CDrawToolMain::OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject)
{
    if (nEvent != 514 || !pObject)
        return CMyBaseDialog::OnObjectEvent(nEvent, pObject);
    const CString name = pObject->m_strName;
    auto openColor = [&](SKIN_OBJECT* target) {
        if (!m_pColor) {
            m_pColor.reset(new CDrawToolColor(this));
            if (!m_pColor->CreatePopup()) {
                m_pColor.reset();
                return;
            }
        }
        m_pEditing = target;
        m_pColor->SetColor(target->m_clrColor);
        ShowPopup(m_pColor, target);
    };
    if (name.CompareNoCase(L"btnMovemode") == 0) {
        if (m_pListener)
            m_pListener->OnMoveMode();
        SetTool(0);
        SetColorSlot(0);
    } else if (name.CompareNoCase(L"btnPen") == 0 || name.CompareNoCase(L"btnHighlighter") == 0) {
        const int tool = name.CompareNoCase(L"btnPen") == 0 ? 1 : 2;
        if (m_nTool == tool) {
            openColor(pObject);
        } else {
            SetTool(tool);
            Announce();
        }
        SetTool(tool);
        SetColorSlot(0);
    } else if (name.CompareNoCase(L"btnEraser") == 0) {
        if (m_nTool == 3) {
            if (!m_pEraser) {
                m_pEraser.reset(new CDrawToolEraser(this));
                if (!m_pEraser->CreatePopup())
                    m_pEraser.reset();
            }
            ShowPopup(m_pEraser, pObject);
        } else if (m_pListener) {
            m_pListener->OnEraser();
        }
        SetTool(3);
        SetColorSlot(0);
    } else if (name.Left(16).CompareNoCase(L"btnSelectedColor") == 0 && name.GetLength() == 17) {
        const int n = name[16] - L'0';
        if (n == m_nColorSlot) {
            openColor(pObject);
        } else {
            if (m_nTool == 0 || m_nTool == 3 || m_nTool == 4) {
                SetTool(1);
                if (m_pListener) {
                    m_pListener->OnPen();
                    m_pListener->OnThickness(m_nPenWidth);
                }
            }
            SetObjectColor(Object(m_nTool == 2 ? L"btnHighlighter" : L"btnPen"), pObject->m_clrColor);
            if (m_pListener)
                m_pListener->OnColor(pObject->m_clrColor);
        }
        SetColorSlot(n);
    } else if (name.CompareNoCase(L"btnThickness") == 0) {
        if (m_nTool == 1 || m_nTool == 2) {
            m_pThickness.reset(new CDrawToolThickness(this, m_nTool == 1 ? 10 : 15));
            if (m_pThickness->CreatePopup()) {
                m_pThickness->SetValue(m_nTool == 1 ? m_nPenWidth : m_nHighlighterWidth);
                ShowPopup(m_pThickness, pObject);
            } else {
                m_pThickness.reset();
            }
        }
    } else if (name.Left(11).CompareNoCase(L"btnLineType") == 0) {
        if (!m_pLinetype) {
            m_pLinetype.reset(new CDrawToolLinetype(this));
            if (!m_pLinetype->CreatePopup())
                m_pLinetype.reset();
        }
        if (m_pLinetype) {
            m_pLinetype->SetLineType(m_nLineType);
            ShowPopup(m_pLinetype, pObject);
        }
    } else if (name.CompareNoCase(L"btnUndo") == 0) {
        if (m_pListener)
            m_pListener->OnHistory(TRUE);
    } else if (name.CompareNoCase(L"btnRedo") == 0) {
        if (m_pListener)
            m_pListener->OnHistory(FALSE);
    } else {
        return CMyBaseDialog::OnObjectEvent(nEvent, pObject);
    }
    return 1;
}

LRESULT CDrawToolMain::OnPopupResult(WPARAM wParam, LPARAM lParam)
{
    switch (wParam) {
    case 1: {
        const COLORREF color = (COLORREF)lParam;
        if (m_pEditing) {
            SetObjectColor(m_pEditing, color);
            for (const wchar_t* recent : kRecentNames)
                if (m_pEditing == Object(recent))
                    SetObjectColor(Object(m_nTool == 2 ? L"btnHighlighter" : L"btnPen"), color);
        }
        if (m_pListener)
            m_pListener->OnColor(color);
        SaveColors();
        break;
    }
    case 2:
        if (m_nTool == 1)
            m_nPenWidth = (int)lParam;
        else if (m_nTool == 2)
            m_nHighlighterWidth = (int)lParam;
        if (m_pListener)
            m_pListener->OnThickness((int)lParam);
        break;
    case 3:
        SetLineType((int)lParam);
        if (m_pListener) {
            m_pListener->OnLineType((int)lParam);
            if (m_nTool == 0)
                m_pListener->OnMoveMode();
        }
        break;
    case 4:
        if (m_pListener)
            m_pListener->OnClearPage((int)lParam);
        break;
    default:
        break;
    }
    return 0;
}
