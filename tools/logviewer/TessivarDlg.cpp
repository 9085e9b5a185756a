#include "tools/logviewer/TessivarDlg.h"

#include <algorithm>
#include <cstdarg>

#include "core/LogRecords.h"
#include "platform/MinimizedIcon.h"
#include "tools/logviewer/AboutDlg.h"
#include "tools/logviewer/InputDlg.h"
#include "tools/logviewer/resource.h"

namespace {

// Lines handed over by the loggers' threads are waiting.
const UINT UWM_DISPLAY_PENDING = WM_APP + 2;
// The display list keeps the latest lines only.
const int kMaxDisplayLines = 10000;
// Writers get this long together to write what they have queued when the program ends.
const DWORD kWriterStopMs = 5000;
const DWORD kViewerStopMs = 5000;

std::function<UINT(CMenu*)> g_popupMenuHook;

const LPCTSTR kLevelNames[4] = {L"[DEBUG]", L"[INFO]", L"[WARNING]", L"[ERROR]"};

}  // namespace

BEGIN_MESSAGE_MAP(CTessivarDlg, CMySplitterDialog)
    ON_WM_CLOSE()
    ON_WM_COPYDATA()
    ON_MESSAGE(UWM_APP_CONTROL, &CTessivarDlg::OnAppControl)
    ON_MESSAGE(UWM_VIEWER_CLOSED, &CTessivarDlg::OnViewerClosed)
    ON_MESSAGE(UWM_DISPLAY_PENDING, &CTessivarDlg::OnDisplayPending)
    ON_WM_WINDOWPOSCHANGING()
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_LBN_SELCHANGE(IDC_DISPLAY_LIST, &CTessivarDlg::OnDisplaySelChange)
    ON_BN_CLICKED(IDC_MENU_BUTTON, &CTessivarDlg::OnMenuButton)
    ON_COMMAND(ID_MENU_CLEAR, &CTessivarDlg::OnMenuClear)
    ON_COMMAND(ID_MENU_OPEN, &CTessivarDlg::OnMenuOpen)
    ON_COMMAND(ID_MENU_SCROLL, &CTessivarDlg::OnMenuScroll)
    ON_COMMAND(ID_MENU_DISPLAY, &CTessivarDlg::OnMenuDisplay)
    ON_COMMAND(ID_MENU_LEVEL_USE, &CTessivarDlg::OnMenuLevelUse)
    ON_COMMAND_RANGE(ID_MENU_LEVEL_DEBUG, ID_MENU_LEVEL_ERROR, &CTessivarDlg::OnMenuLevel)
    ON_COMMAND(ID_MENU_CLOSE, &CTessivarDlg::OnMenuClose)
END_MESSAGE_MAP()

CTessivarDlg::CTessivarDlg(CWnd* pParent) : CMySplitterDialog(IDD_TESSIVAR_DIALOG, pParent)
{
    InitializeCriticalSection(&m_csPending);
}

CTessivarDlg::~CTessivarDlg()
{
    if (m_hWnd) DestroyWindow();
    StopLoggers();
    DeleteCriticalSection(&m_csPending);
}

BOOL CTessivarDlg::RegisterWindowClass()
{
    WNDCLASSW wc = {};
    if (!::GetClassInfoW(nullptr, L"#32770", &wc)) return FALSE;
    wc.hInstance = AfxGetInstanceHandle();
    wc.lpszClassName = LOG_SERVICE_WINDOW_CLASS;
    return AfxRegisterClass(&wc);
}

void CTessivarDlg::SetPopupMenuHook(std::function<UINT(CMenu*)> hook)
{
    g_popupMenuHook = std::move(hook);
}

void CTessivarDlg::DoDataExchange(CDataExchange* pDX)
{
    CMySplitterDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DISPLAY_LIST, m_listDisplay);
    DDX_Control(pDX, IDC_TEXT_EDIT, m_edit);
}

BOOL CTessivarDlg::OnInitDialog()
{
    CMySplitterDialog::OnInitDialog();
    m_dwUiThreadId = ::GetCurrentThreadId();
    CString strAbout;
    strAbout.LoadString(IDS_ABOUTBOX);
    if (CMenu* pSysMenu = GetSystemMenu(FALSE)) {
        if (!strAbout.IsEmpty()) {
            pSysMenu->AppendMenu(MF_SEPARATOR);
            pSysMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, strAbout);
        }
    }
    m_hIcon = ::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME));
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    SetWindowText(LOG_APP_TITLE);
    S_SPLITTER_PANE* pLeft = new S_SPLITTER_PANE;
    pLeft->pControl = &m_listDisplay;
    S_SPLITTER_PANE* pRight = new S_SPLITTER_PANE;
    pRight->pControl = &m_edit;
    SetPanes(pLeft, pRight);
    return TRUE;
}

BOOL CTessivarDlg::DestroyWindow()
{
    m_bClosing = true;
    while (!m_listViewers.IsEmpty()) CloseViewer(m_listViewers.GetHeadPosition());
    StopLoggers();
    EnterCriticalSection(&m_csPending);
    m_vecPending.clear();
    LeaveCriticalSection(&m_csPending);
    return CMySplitterDialog::DestroyWindow();
}

// Every writer is asked at once to write what it has queued; together they get kWriterStopMs.
// A writer that does not end in time keeps its logger (it is never freed under the thread).
void CTessivarDlg::StopLoggers()
{
    if (m_vecLoggers.empty()) return;
    const DWORD dwStart = ::GetTickCount();
    const DWORD dwDrain = zellog::CMyLogFile::DrainDeadline(dwStart, kWriterStopMs);
    for (zellog::CMyLogFile* pLogger : m_vecLoggers) {
        pLogger->SetDisplay(nullptr);
        pLogger->RequestStop(dwDrain);
    }
    // Records that come in while waiting still reach the loggers, so the list stays as it is
    // until every writer has been waited for.
    std::vector<zellog::CMyLogFile*> stuck;
    for (zellog::CMyLogFile* pLogger : m_vecLoggers) {
        if (!pLogger->WaitForStop(dwStart + kWriterStopMs)) stuck.push_back(pLogger);
    }
    for (zellog::CMyLogFile* pLogger : m_vecLoggers) {
        if (std::find(stuck.begin(), stuck.end(), pLogger) == stuck.end()) delete pLogger;
        else OutputDebugStringW(L"CTessivarDlg: a log writer does not end; its logger is left to it\n");
    }
    m_vecLoggers.clear();
}

BOOL CTessivarDlg::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && (pMsg->hwnd == m_hWnd || ::IsChild(m_hWnd, pMsg->hwnd))) {
        if (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE) return TRUE;
        if (pMsg->wParam == 'X' && (::GetKeyState(VK_CONTROL) & 0x8000)) OnMenuClear();
    }
    return CMySplitterDialog::PreTranslateMessage(pMsg);
}

// Closing only hides the window; the service goes on.
void CTessivarDlg::OnOK()
{
    OnClose();
}

void CTessivarDlg::OnCancel()
{
    OnClose();
}

void CTessivarDlg::OnClose()
{
    m_bVisible = false;
    ShowWindow(SW_HIDE);
}

void CTessivarDlg::OnWindowPosChanging(WINDOWPOS* lpwndpos)
{
    CMySplitterDialog::OnWindowPosChanging(lpwndpos);
    if (m_bVisible) lpwndpos->flags |= SWP_SHOWWINDOW;
    else lpwndpos->flags &= ~SWP_SHOWWINDOW;
}

LRESULT CTessivarDlg::OnAppControl(WPARAM wParam, LPARAM lParam)
{
    if (wParam == APP_CONTROL_QUIT) {
        EndDialog(IDOK);
    } else if (wParam == APP_CONTROL_VISIBLE) {
        m_bVisible = lParam != 0;
    } else if (wParam == APP_CONTROL_UNLOCK && lParam != 0) {
        CInputDlg dlg(this);
        if (dlg.DoModal() == IDOK) m_bVisible = true;
    }
    return 0;
}

BOOL CTessivarDlg::OnCopyData(CWnd*, COPYDATASTRUCT* pCopyDataStruct)
{
    S_LOG_RECORD rec;
    const LogRecordStatus status = pCopyDataStruct
        ? ReadLogRecord(pCopyDataStruct->dwData, pCopyDataStruct->lpData, pCopyDataStruct->cbData, &rec)
        : LOG_RECORD_MALFORMED;
    if (status == LOG_RECORD_MALFORMED) {
        OutputDebugStringW(L"CTessivarDlg::OnCopyData: a malformed log record was dropped\n");
    } else if (status == LOG_RECORD_OK) {
        if (rec.dwKind == LOGCOPY_REGISTER) Register(rec, pCopyDataStruct->cbData);
        else WriteRecordLine(rec);
    }
    return (BOOL)Default();
}

void CTessivarDlg::Register(const S_LOG_RECORD& rec, DWORD cbData)
{
    AddDisplayLineF(L"OnCopyData : %d : %s \n: %s \n: %d : %d : %d: %d", (int)cbData, (LPCTSTR)rec.strFolder,
                    (LPCTSTR)rec.strPath, rec.nKeepDays, rec.nFileFlag, rec.nMinLevel, rec.nDebugFlag);
    // A log is registered once; a repeated registration changes nothing.
    if (FindLogger(rec.strPath) || m_bClosing) return;
    zellog::CMyLogFile* pLogger = new zellog::CMyLogFile();
    m_vecLoggers.push_back(pLogger);
    pLogger->SetDisplay(this);
    pLogger->Open(rec.strFolder, rec.strPath, rec.nKeepDays, rec.nFileFlag, rec.nMinLevel, rec.nDebugFlag);
}

void CTessivarDlg::WriteRecordLine(const S_LOG_RECORD& rec)
{
    zellog::CMyLogFile* pLogger = FindLogger(rec.strPath);
    if (!pLogger) {
        AddDisplayLineF(L"pp is null %d [%s]", (int)rec.dwKind, (LPCTSTR)rec.strPath);
        return;
    }
    pLogger->WriteLine(rec.nLevel, rec.strText);
}

zellog::CMyLogFile* CTessivarDlg::FindLogger(const CString& strPath) const
{
    for (zellog::CMyLogFile* pLogger : m_vecLoggers)
        if (pLogger->GetLogPath().CompareNoCase(strPath) == 0) return pLogger;
    return nullptr;
}

bool CTessivarDlg::IsLevelShown(const CString& strLine) const
{
    int nOpen = strLine.Find(L'[');
    int nClose = strLine.Find(L']');
    if (nOpen < 0 || nClose < 0) return true;
    CString strLevel = nClose >= nOpen ? strLine.Mid(nOpen, nClose - nOpen + 1) : CString();
    for (int i = 0; i < 4; ++i)
        if (strLevel.CompareNoCase(kLevelNames[i]) == 0) return m_bLevel[i];
    return true;
}

void CTessivarDlg::FilterDisplayLine(const CString& strName, const CString& strLine)
{
    if (!m_bDisplay) return;
    if (m_bUseLevel && !IsLevelShown(strLine)) return;
    const CString strText = strName + L"\t" + strLine;
    EnterCriticalSection(&m_csPending);
    // On the dialog's own thread, and with nothing handed over before it, the line goes in now.
    const bool bNow = ::GetCurrentThreadId() == m_dwUiThreadId && m_vecPending.empty();
    bool bPost = false;
    if (!bNow) {
        // Only the latest lines can be shown: a dialog that falls behind keeps no more.
        if (m_vecPending.size() >= 2 * (size_t)kMaxDisplayLines)
            m_vecPending.erase(m_vecPending.begin(), m_vecPending.begin() + kMaxDisplayLines);
        m_vecPending.push_back(strText);
        bPost = !m_bPendingPosted;
        m_bPendingPosted = true;
    }
    LeaveCriticalSection(&m_csPending);
    if (bNow) AddDisplayLine(strText);
    // Never a sent message: the dialog's thread may be waiting for this one.
    else if (bPost) PostMessage(UWM_DISPLAY_PENDING);
}

LRESULT CTessivarDlg::OnDisplayPending(WPARAM, LPARAM)
{
    ShowPendingLines();
    return 0;
}

void CTessivarDlg::ShowPendingLines()
{
    std::vector<CString> lines;
    EnterCriticalSection(&m_csPending);
    lines.swap(m_vecPending);
    m_bPendingPosted = false;
    LeaveCriticalSection(&m_csPending);
    // Only the latest lines can stay in the list.
    size_t nFirst = lines.size() > (size_t)kMaxDisplayLines ? lines.size() - kMaxDisplayLines : 0;
    for (size_t i = nFirst; i < lines.size(); ++i) AddDisplayLine(lines[i]);
}

void CTessivarDlg::AddDisplayLine(const CString& strText)
{
    if (!m_bDisplay || !m_listDisplay.GetSafeHwnd()) return;
    if (m_listDisplay.GetCount() >= kMaxDisplayLines) m_listDisplay.DeleteString(0);
    CString strShown = strText;
    strShown.Replace(L"\n", L"\\n");
    int nIndex = m_listDisplay.AddString(strShown);
    if (!m_bNoAutoScroll && nIndex >= 0) m_listDisplay.SetTopIndex(nIndex);
}

void CTessivarDlg::AddDisplayLineF(LPCTSTR pszFormat, ...)
{
    if (!m_bDisplay) return;
    va_list args;
    va_start(args, pszFormat);
    CString strText;
    strText.FormatV(pszFormat, args);
    va_end(args);
    AddDisplayLine(strText + L"\n");
}

void CTessivarDlg::OnDisplaySelChange()
{
    const int nCount = m_listDisplay.GetSelCount();
    if (nCount <= 0) return;
    std::vector<int> items(nCount);
    const int nGot = m_listDisplay.GetSelItems(nCount, items.data());
    CString strText;
    for (int i = 0; i < nGot; ++i) {
        CString strLine;
        m_listDisplay.GetText(items[i], strLine);
        strLine.Replace(L"\\n", L"\r\n");
        strText += strLine;
    }
    m_edit.SetWindowText(strText);
}

void CTessivarDlg::OnMenuButton()
{
    CMenu menu;
    if (!menu.LoadMenu(IDR_DISPLAY_MENU)) return;
    CMenu* pPopup = menu.GetSubMenu(0);
    if (!pPopup) return;
    auto check = [&](UINT nID, bool bOn) { pPopup->CheckMenuItem(nID, MF_BYCOMMAND | (bOn ? MF_CHECKED : MF_UNCHECKED)); };
    check(ID_MENU_SCROLL, !m_bNoAutoScroll);
    check(ID_MENU_DISPLAY, m_bDisplay);
    check(ID_MENU_LEVEL_USE, m_bUseLevel);
    for (int i = 0; i < 4; ++i) {
        check(ID_MENU_LEVEL_DEBUG + i, m_bLevel[i]);
        pPopup->EnableMenuItem(ID_MENU_LEVEL_DEBUG + i, MF_BYCOMMAND | (m_bUseLevel ? MF_ENABLED : MF_GRAYED));
    }
    if (g_popupMenuHook) {
        UINT nCommand = g_popupMenuHook(pPopup);
        if (nCommand && !(pPopup->GetMenuState(nCommand, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)))
            SendMessage(WM_COMMAND, nCommand, 0);
        return;
    }
    CPoint pt;
    ::GetCursorPos(&pt);
    pPopup->TrackPopupMenu(TPM_RIGHTBUTTON, pt.x, pt.y, this);
}

void CTessivarDlg::OnMenuClear()
{
    m_listDisplay.ResetContent();
}

void CTessivarDlg::OnMenuOpen()
{
    CFileDialog dlg(TRUE, nullptr, nullptr, OFN_FILEMUSTEXIST | OFN_OVERWRITEPROMPT, L"All Files(*.*)|*.*||", this);
    if (dlg.DoModal() == IDOK) OpenViewer(dlg.GetPathName());
}

void CTessivarDlg::OnMenuScroll()
{
    m_bNoAutoScroll = !m_bNoAutoScroll;
}

void CTessivarDlg::OnMenuDisplay()
{
    m_bDisplay = !m_bDisplay;
}

void CTessivarDlg::OnMenuLevelUse()
{
    m_bUseLevel = !m_bUseLevel;
}

void CTessivarDlg::OnMenuLevel(UINT nID)
{
    const int i = (int)(nID - ID_MENU_LEVEL_DEBUG);
    if (i >= 0 && i < 4) m_bLevel[i] = !m_bLevel[i];
}

void CTessivarDlg::OnMenuClose()
{
    EndDialog(IDOK);
}

CLogViewerDlg* CTessivarDlg::OpenViewer(const CString& strPath)
{
    CLogViewerDlg* pViewer = new CLogViewerDlg(this);
    pViewer->SetLevelFlags(1, 1, 1, 1);
    POSITION pos = m_listViewers.AddTail(pViewer);
    pViewer->SetPosition(pos);
    pViewer->SetPath(strPath);
    if (!pViewer->Create(IDD_LOG_VIEWER, CWnd::GetDesktopWindow())) {
        m_listViewers.RemoveAt(pos);
        delete pViewer;
        return nullptr;
    }
    pViewer->ShowWindow(SW_SHOW);
    return pViewer;
}

CLogViewerDlg* CTessivarDlg::GetViewer(int nIndex) const
{
    POSITION pos = m_listViewers.FindIndex(nIndex);
    return pos ? m_listViewers.GetAt(pos) : nullptr;
}

LRESULT CTessivarDlg::OnViewerClosed(WPARAM wParam, LPARAM)
{
    // The position is looked up first: a notice about a viewer that is already gone is stale.
    for (POSITION pos = m_listViewers.GetHeadPosition(); pos; m_listViewers.GetNext(pos)) {
        if (pos == (POSITION)wParam) {
            CloseViewer(pos);
            break;
        }
    }
    return 0;
}

void CTessivarDlg::CloseViewer(POSITION pos)
{
    CLogViewerDlg* pViewer = m_listViewers.GetAt(pos);
    m_listViewers.RemoveAt(pos);
    // The loader touches nothing of the viewer: the viewer can go even if it does not stop.
    pViewer->StopLoader(::GetTickCount() + kViewerStopMs);
    delete pViewer;
}

void CTessivarDlg::OnSysCommand(UINT nID, LPARAM lParam)
{
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg dlgAbout;
        dlgAbout.DoModal();
        return;
    }
    CMySplitterDialog::OnSysCommand(nID, lParam);
}

void CTessivarDlg::OnPaint()
{
    if (!zel::PaintMinimizedIcon(*this, m_hIcon)) CMySplitterDialog::OnPaint();
}

HCURSOR CTessivarDlg::OnQueryDragIcon()
{
    return static_cast<HCURSOR>(m_hIcon);
}
