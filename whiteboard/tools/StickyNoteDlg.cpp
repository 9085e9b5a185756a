#include <winsock2.h>

#include "whiteboard/tools/StickyNoteDlg.h"

#include "ui/host/MainDlg.h"

#include "core/MyLogFile.h"
#include "net/protocol/TasClientManager.h"
#include "resources/resource.h"
#include "ui/skin/MonitorInfo.h"
#include "whiteboard/MMFigure.h"

BEGIN_MESSAGE_MAP(CStickyNoteDlg, CMyBaseDialog)
    ON_MESSAGE(WM_PEN_CANVAS_CHANGED, &CStickyNoteDlg::OnCanvasChanged)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_SIZE()
END_MESSAGE_MAP()

namespace {
const wchar_t kScreen[] = L"StickyNoteDlg";
const wchar_t kRectName[] = L"CStickyNoteDlg";
// The application's default UI size in points; the note's font is one point smaller.
const int kDefaultFontPoints = 10;
const int kFontStep = 3;
}  // namespace

CStickyNoteDlg::CStickyNoteDlg(const S_BOARD_BAR_CONTEXT& context)
    : CMyBaseDialog(IDD_SKIN_POPUP, context.pBoard), m_context(context)
{
    m_sender = [](const CString& mtngId, const CString& docId, const std::vector<CString>& items) {
        CTasClientManager::GetInstance()->RequestM00000064(mtngId, docId, CString(), 0, items);
    };
}

CStickyNoteDlg::~CStickyNoteDlg()
{
    if (GetSafeHwnd())
        DestroyWindow();
}

BOOL CStickyNoteDlg::CreateNote(CWnd* pOwner)
{
    if (!Create(IDD_SKIN_POPUP, pOwner))
        return FALSE;
    SetOwnerWnd(pOwner);
    ShowWindow(SW_HIDE);
    return TRUE;
}

BOOL CStickyNoteDlg::OnInitDialog()
{
    CMyBaseDialog::OnInitDialog();
    LoadScreen(kScreen);
    const CRect rcScreen = m_Screen.m_rcScreen;
    MoveWindow(rcScreen.left, rcScreen.top, rcScreen.Width(), rcScreen.Height(), FALSE);
    if (CWnd* parent = GetParent())
        CenterWindow(parent);
    m_pBtnFontUp = m_Screen.FindObject(L"btnFontUp");
    m_pBtnFontDn = m_Screen.FindObject(L"btnFontDn");
    m_pBtnEditMode = m_Screen.FindObject(L"btnEditMode");
    m_pBtnDrawMode = m_Screen.FindObject(L"btnDrawMode");
    m_pBtnSave = m_Screen.FindObject(L"btnSave");
    m_pDate = m_Screen.FindObject(L"date");
    m_pEdit = m_Screen.FindObject(L"edit");
    EnableObject(m_pDate, FALSE, FALSE);
    RECT rc = {0, 0, 0, 0};
    if (m_pEdit)
        m_pEdit->GetContentRect(rc, nullptr);
    m_pCanvas.reset(new CPenCanvas(this, rc));
    m_pCanvas->SetPaletteOption(1);
    m_pCanvas->SetPalette(m_pPalette);
    CClientDC dc(this);
    m_nInitialFontHeight = m_nFontHeight =
        -::MulDiv(kDefaultFontPoints - 1, ::GetDeviceCaps(dc.GetSafeHdc(), LOGPIXELSY), 72);
    ApplyFont();
    SetMode(0);
    return TRUE;
}

BOOL CStickyNoteDlg::DestroyWindow()
{
    // The canvas deletes the strokes of the list it points at: back to its own first.
    if (m_pCanvas)
        m_pCanvas->SetStrokeList(nullptr);
    m_pCanvas.reset();
    return CMyBaseDialog::DestroyWindow();
}

void CStickyNoteDlg::SetPalette(IPenPalette* pPalette)
{
    m_pPalette = pPalette;
    if (m_pCanvas)
        m_pCanvas->SetPalette(pPalette);
}

CStickyNoteBook::NoteList& CStickyNoteDlg::Serving()
{
    return m_book.Serving(m_context.getBoardMode ? m_context.getBoardMode() : 0);
}

CString CStickyNoteDlg::GetEditText()
{
    return m_pEdit ? m_pEdit->m_edit.GetText() : CString();
}

void CStickyNoteDlg::ShowPageNote(int page)
{
    m_nCurrentPage = page;
    CStickyObject* note = CStickyNoteBook::FindOrAdd(Serving(), page);
    if (m_pCanvas)
        m_pCanvas->SetStrokeList(&note->m_strokes);
    if (!GetSafeHwnd())
        return;
    if (m_pEdit)
        m_pEdit->SetEditText(this, note->m_strText, TRUE);
    if (m_pDate) {
        if (!note->m_strDate.IsEmpty())
            m_pDate->m_date.SetDateTime(this, note->m_strDate);
        SetObjectVisible(m_pDate, note->HasContent(), TRUE);
    }
    Invalidate();
}

BOOL CStickyNoteDlg::HasNoteForPage()
{
    CStickyObject* note = CStickyNoteBook::Find(Serving(), m_context.getCurrentPage ? m_context.getCurrentPage()
                                                                                     : m_nCurrentPage);
    return note && note->HasContent();
}

void CStickyNoteDlg::HideKeepState(BOOL keep)
{
    m_bKeepPosition = keep;
    if (GetSafeHwnd())
        ShowWindow(SW_HIDE);
}

void CStickyNoteDlg::PlaceWindow()
{
    if (!RestoreWindowRect(kRectName, this) && GetOwnerWnd())
        PlaceWindowNear(GetOwnerWnd(), this, 4104);
}

void CStickyNoteDlg::ShowWindowAt()
{
    if (!GetSafeHwnd())
        return;
    // The note draws with the main window's floating palette, which lives with the session:
    // asked for each time the note shows.
    if (IZELMainDlg* main = GetMainDlg())
        if (IPenPalette* palette = dynamic_cast<IPenPalette*>(main->GetDrawToolWnd()))
            SetPalette(palette);
    if (!IsPlaced()) {
        PlaceWindow();
        m_bKeepPosition = TRUE;
    }
    ShowWindow(SW_SHOW);
}

void CStickyNoteDlg::ShowIfWanted(BOOL show)
{
    if (!GetSafeHwnd())
        return;
    if (!show) {
        if (IsWindowVisible()) {
            ShowWindow(SW_HIDE);
            m_bReshowWanted = TRUE;
        }
    } else if (!IsWindowVisible() && m_bReshowWanted) {
        m_bReshowWanted = FALSE;
        ShowWindow(SW_SHOW);
    }
}

void CStickyNoteDlg::ResetView()
{
    m_nFontHeight = m_nInitialFontHeight;
    ApplyFont();
    EnableObject(m_pBtnFontUp, TRUE, TRUE);
    EnableObject(m_pBtnFontDn, TRUE, TRUE);
    if (GetSafeHwnd() && (GetExStyle() & WS_EX_LAYERED))
        ::SetLayeredWindowAttributes(m_hWnd, 0, 255, LWA_ALPHA);
}

void CStickyNoteDlg::OnNotesLoaded(const Json::Value& body)
{
    if (m_pCanvas)
        m_pCanvas->SetStrokeList(nullptr);
    m_book.ReadLoadReply(body);
}

void CStickyNoteDlg::OnNotesSaved(const Json::Value& body)
{
    m_book.ReadSaveReply(body);
}

void CStickyNoteDlg::SaveNotes()
{
    g_ApplicationLog.Log(2, L"StickyNote Save - RequestM00000064\n");
    const std::vector<CString> items = m_book.BuildSaveItems([this](const CStickyObject& note) {
        return m_pCanvas ? m_pCanvas->ToSvg(note.m_strokes) : CString();
    });
    if (m_sender)
        m_sender(m_context.getMeetingId ? m_context.getMeetingId() : CString(),
                 m_context.getDocumentId ? m_context.getDocumentId() : CString(), items);
    g_ApplicationLog.Log(2, L"RequestM00000064 send\n");
}

void CStickyNoteDlg::DiscardChanges()
{
    if (m_pCanvas)
        m_pCanvas->SetStrokeList(nullptr);
    m_book.DiscardChanges();
    ShowPageNote(m_nCurrentPage);
}

void CStickyNoteDlg::InsertPageNote(int current, int n)
{
    if (m_pCanvas)
        m_pCanvas->SetStrokeList(nullptr);
    m_book.InsertPage(n);
    ShowPageNote(current);
}

void CStickyNoteDlg::DeletePageNote(int current, int n)
{
    if (m_pCanvas)
        m_pCanvas->SetStrokeList(nullptr);
    m_book.DeletePage(n);
    ShowPageNote(current);
}

void CStickyNoteDlg::DropAllNotes()
{
    // The canvas points into a note's stroke list: away from it before the notes go.
    if (m_pCanvas)
        m_pCanvas->SetStrokeList(nullptr);
    CStickyNoteBook::RemoveAll(m_book.Own());
    CStickyNoteBook::RemoveAll(m_book.Receiver());
    m_bReshowWanted = FALSE;
    HideKeepState(FALSE);
    if (!GetSafeHwnd())
        return;
    if (m_pEdit)
        m_pEdit->SetEditText(this, CString(), TRUE);
    SetObjectVisible(m_pDate, FALSE, TRUE);
    ResetView();
}

void CStickyNoteDlg::SetLocked(BOOL locked)
{
    m_bLocked = locked;
    EnableObject(m_pBtnSave, !locked, TRUE);
    if (m_pEdit && m_pEdit->m_edit.m_edit.GetSafeHwnd())
        m_pEdit->m_edit.m_edit.SetReadOnly(locked);
    if (locked)
        EnableObject(m_pEdit, FALSE, TRUE);
    else if (m_nMode == 0)
        EnableObject(m_pEdit, TRUE, TRUE);
    SetObjectVisible(m_pBtnEditMode, !locked, TRUE);
    SetObjectVisible(m_pBtnDrawMode, !locked, TRUE);
}

void CStickyNoteDlg::SetMode(int mode)
{
    m_nMode = mode;
    EnableObject(m_pEdit, mode == 0 && !m_bLocked, TRUE);
    EnableObject(m_pBtnEditMode, mode != 0, TRUE);
    EnableObject(m_pBtnDrawMode, mode == 0, TRUE);
}

void CStickyNoteDlg::ApplyFont()
{
    if (m_editFont.GetSafeHandle())
        m_editFont.DeleteObject();
    m_editFont.CreateFont(m_nFontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, HANGEUL_CHARSET, OUT_DEFAULT_PRECIS,
                          CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS, L"Malgun Gothic");
    if (m_pEdit && m_pEdit->m_edit.m_edit.GetSafeHwnd())
        m_pEdit->m_edit.m_edit.SetFont(&m_editFont, TRUE);
}

void CStickyNoteDlg::StepFont(BOOL up)
{
    const int magnitude = (m_nFontHeight < 0 ? -m_nFontHeight : m_nFontHeight) + (up ? kFontStep : -kFontStep);
    if (magnitude < 1)
        return;
    m_nFontHeight = m_nFontHeight < 0 ? -magnitude : magnitude;
    ApplyFont();
    if (up) {
        EnableObject(m_pBtnFontUp, magnitude <= 24, TRUE);
        EnableObject(m_pBtnFontDn, TRUE, TRUE);
    } else {
        EnableObject(m_pBtnFontDn, magnitude >= 10, TRUE);
        EnableObject(m_pBtnFontUp, TRUE, TRUE);
    }
    Invalidate();
}

int CStickyNoteDlg::OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject)
{
    if (!pObject)
        return CMyBaseDialog::OnObjectEvent(nEvent, pObject);
    if (nEvent == SKINEVENT_EDIT_CHANGE && pObject->m_strName == L"edit") {
        // The change event is posted: the one that putting a note's own text in raises arrives
        // after it and finds the text unchanged.
        const CString text = GetEditText();
        CStickyObject* shown = CStickyNoteBook::Find(m_book.Own(), m_nCurrentPage);
        const BOOL same = shown ? shown->m_strText == text : text.IsEmpty();
        if (!m_bLocked && !same && &Serving() == &m_book.Own())
            m_book.UpdateText(m_nCurrentPage, text);
        return 1;
    }
    if (nEvent != 514)
        return CMyBaseDialog::OnObjectEvent(nEvent, pObject);
    const CString name = pObject->m_strName;
    if (name.CompareNoCase(L"btnClose") == 0) {
        SaveWindowRect(kRectName, this);
        HideKeepState(TRUE);
    } else if (pObject == m_pBtnSave) {
        SaveNotes();
    } else if (pObject == m_pBtnEditMode) {
        SetMode(0);
    } else if (pObject == m_pBtnDrawMode) {
        SetMode(1);
    } else if (pObject == m_pBtnFontUp) {
        StepFont(TRUE);
    } else if (pObject == m_pBtnFontDn) {
        StepFont(FALSE);
    } else {
        return CMyBaseDialog::OnObjectEvent(nEvent, pObject);
    }
    return 1;
}

LRESULT CStickyNoteDlg::OnCanvasChanged(WPARAM wParam, LPARAM)
{
    if (wParam == 1)
        m_book.MarkDrawn(m_nCurrentPage);
    return 0;
}

void CStickyNoteDlg::OnDrawExtra(CDC* pDC, CRect rc)
{
    CMyBaseDialog::OnDrawExtra(pDC, rc);
    if (m_pCanvas)
        m_pCanvas->Draw(pDC);
}

void CStickyNoteDlg::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (CanDraw() && ::PtInRect(&m_pCanvas->GetRect(), point)) {
        m_pCanvas->OnLButtonDown(point);
        return;
    }
    CMyBaseDialog::OnLButtonDown(nFlags, point);
}

void CStickyNoteDlg::OnMouseMove(UINT nFlags, CPoint point)
{
    if (CanDraw())
        m_pCanvas->OnMouseMove(point);
    CMyBaseDialog::OnMouseMove(nFlags, point);
}

void CStickyNoteDlg::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (CanDraw())
        m_pCanvas->OnLButtonUp(point);
    CMyBaseDialog::OnLButtonUp(nFlags, point);
}

void CStickyNoteDlg::OnSize(UINT nType, int cx, int cy)
{
    CMyBaseDialog::OnSize(nType, cx, cy);
    PlaceCanvas();
}

void CStickyNoteDlg::PlaceCanvas()
{
    if (!m_pCanvas || !m_pEdit)
        return;
    RECT rc;
    m_pEdit->GetContentRect(rc, nullptr);
    m_pCanvas->Resize(rc);
}

IStickyNoteView* MakeStickyNote(const S_BOARD_BAR_CONTEXT& context)
{
    CStickyNoteDlg* dlg = new CStickyNoteDlg(context);
    if (!dlg->CreateNote(context.pBoard)) {
        delete dlg;
        return nullptr;
    }
    return dlg;
}
