#include "tools/logviewer/LogViewerDlg.h"

#include "tools/logviewer/resource.h"

namespace {

// The loader's notice that rows are ready: wParam is the job's number.
const UINT UWM_ROWS_LOADED = WM_APP + 1;
// How long a reload or a close waits for a loader to stop.
const DWORD kStopWaitMs = 5000;

const struct {
    UINT nID;
    int S_LOG_FILTER::*pFlag;
} kLevelChecks[] = {
    {IDC_CHECK_DEBUG, &S_LOG_FILTER::nDebug},
    {IDC_CHECK_INFO, &S_LOG_FILTER::nInfo},
    {IDC_CHECK_WARNING, &S_LOG_FILTER::nWarning},
    {IDC_CHECK_ERROR, &S_LOG_FILTER::nError},
};

}  // namespace

BEGIN_MESSAGE_MAP(CLogViewerDlg, CMySplitterDialog)
    ON_WM_CLOSE()
    ON_BN_CLICKED(IDC_REFRESH, &CLogViewerDlg::OnRefresh)
    ON_BN_CLICKED(IDC_SEARCH, &CLogViewerDlg::OnSearch)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_CHECK_DEBUG, IDC_CHECK_ERROR, &CLogViewerDlg::OnLevelCheck)
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_LOG_LIST, &CLogViewerDlg::OnItemChanged)
    ON_NOTIFY(LVN_COLUMNCLICK, IDC_LOG_LIST, &CLogViewerDlg::OnColumnClick)
    ON_MESSAGE(UWM_ROWS_LOADED, &CLogViewerDlg::OnRowsLoaded)
END_MESSAGE_MAP()

CLogViewerDlg::CLogViewerDlg(CWnd* pMainDialog) : CMySplitterDialog(IDD_LOG_VIEWER, nullptr), m_pMainDialog(pMainDialog) {}

CLogViewerDlg::~CLogViewerDlg()
{
    StopLoader(GetTickCount() + kStopWaitMs);
    if (m_hWnd) DestroyWindow();
}

void CLogViewerDlg::SetLevelFlags(int nDebug, int nInfo, int nWarning, int nError)
{
    m_filter.nDebug = nDebug;
    m_filter.nInfo = nInfo;
    m_filter.nWarning = nWarning;
    m_filter.nError = nError;
}

void CLogViewerDlg::DoDataExchange(CDataExchange* pDX)
{
    CMySplitterDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LOG_LIST, m_list);
    DDX_Control(pDX, IDC_TEXT_EDIT, m_edit);
}

BOOL CLogViewerDlg::OnInitDialog()
{
    CMySplitterDialog::OnInitDialog();
    S_SPLITTER_PANE* pLeft = new S_SPLITTER_PANE;
    pLeft->pControl = &m_list;
    S_SPLITTER_PANE* pRight = new S_SPLITTER_PANE;
    pRight->pControl = &m_edit;
    SetPanes(pLeft, pRight);

    m_list.InsertColumn(0, L"File", LVCFMT_LEFT, 0);
    m_list.InsertColumn(1, L"Date time", LVCFMT_LEFT, 160);
    m_list.InsertColumn(2, L"Level", LVCFMT_LEFT, 70);
    m_list.InsertColumn(3, L"Desc", LVCFMT_LEFT, 900);
    m_list.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_SUBITEMIMAGES | LVS_EX_FULLROWSELECT | LVS_EX_MULTIWORKAREAS);
    m_list.SetHighlightMode(0);
    m_list.SetBackgroundColor(0);
    for (const auto& check : kLevelChecks) CheckDlgButton(check.nID, m_filter.*check.pFlag ? BST_CHECKED : BST_UNCHECKED);
    SetWindowText(m_strPath);
    StartLoader();
    return TRUE;
}

BOOL CLogViewerDlg::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && (pMsg->hwnd == m_hWnd || ::IsChild(m_hWnd, pMsg->hwnd))) {
        if (pMsg->wParam == VK_ESCAPE) return TRUE;
        if (pMsg->wParam == VK_RETURN) {
            OnSearch();
            return TRUE;
        }
    }
    return CMySplitterDialog::PreTranslateMessage(pMsg);
}

void CLogViewerDlg::OnOK()
{
    AskToClose();
}

void CLogViewerDlg::OnCancel()
{
    AskToClose();
}

void CLogViewerDlg::OnClose()
{
    AskToClose();
}

// The main dialog stops the loader and frees the viewer; the viewer asks only once.
void CLogViewerDlg::AskToClose()
{
    if (m_bCloseAsked || !m_pMainDialog->GetSafeHwnd()) return;
    m_bCloseAsked = true;
    m_pMainDialog->PostMessage(UWM_VIEWER_CLOSED, (WPARAM)m_position, 0);
}

void CLogViewerDlg::OnRefresh()
{
    m_filter.strSearch.Empty();
    Reload();
}

void CLogViewerDlg::OnSearch()
{
    GetDlgItemText(IDC_SEARCH_TEXT, m_filter.strSearch);
    if (m_filter.strSearch.GetLength() < 3) return;
    Reload();
}

void CLogViewerDlg::OnLevelCheck(UINT)
{
    for (const auto& check : kLevelChecks) m_filter.*check.pFlag = IsDlgButtonChecked(check.nID) == BST_CHECKED ? 1 : 0;
}

void CLogViewerDlg::Reload()
{
    StopLoader(GetTickCount() + kStopWaitMs);
    // Rows of the stopped loader that are still on their way are no longer wanted.
    m_pJob.reset();
    m_list.DeleteAllItems();
    StartLoader();
}

void CLogViewerDlg::StartLoader()
{
    m_nLoading = 1;
    if (CWnd* pRefresh = GetDlgItem(IDC_REFRESH)) pRefresh->EnableWindow(FALSE);
    m_pJob = std::make_shared<CLogLoadJob>(m_hWnd, UWM_ROWS_LOADED, ++m_nJobCount, m_strPath, m_filter);
    if (!CLogLoadJob::Start(m_pJob)) {
        m_pJob.reset();
        FinishLoading();
    }
}

bool CLogViewerDlg::StopLoader(DWORD dwDeadline)
{
    if (!m_pJob) return true;
    m_pJob->RequestStop();
    return m_pJob->WaitForEnd(dwDeadline);
}

LRESULT CLogViewerDlg::OnRowsLoaded(WPARAM wParam, LPARAM)
{
    if (!m_pJob || wParam != m_pJob->GetJobNumber()) return 0;
    std::vector<S_LOG_ROW> rows;
    bool bDone = false;
    m_pJob->TakeRows(&rows, &bDone);
    AppendRows(rows);
    if (bDone && m_nLoading) FinishLoading();
    return 0;
}

void CLogViewerDlg::AppendRows(const std::vector<S_LOG_ROW>& rows)
{
    if (rows.empty()) return;
    m_list.SetRedraw(FALSE);
    for (const S_LOG_ROW& row : rows) {
        int nItem = m_list.InsertItem(m_list.GetItemCount(), L"");
        if (nItem < 0) break;
        m_list.SetItemText(nItem, 1, row.strDate);
        m_list.SetItemText(nItem, 2, row.strLevel);
        m_list.SetItemText(nItem, 3, row.strText);
    }
    m_list.SetRedraw(TRUE);
}

void CLogViewerDlg::FinishLoading()
{
    CString strTitle;
    strTitle.Format(L"%s - %d", (LPCTSTR)m_strPath, m_list.GetItemCount());
    SetWindowText(strTitle);
    if (CWnd* pRefresh = GetDlgItem(IDC_REFRESH)) pRefresh->EnableWindow(TRUE);
    m_nLoading = 0;
}

void CLogViewerDlg::OnItemChanged(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const NMLISTVIEW* pInfo = reinterpret_cast<const NMLISTVIEW*>(pNMHDR);
    if (!(pInfo->uChanged & LVIF_STATE) || ((pInfo->uOldState ^ pInfo->uNewState) & LVIS_SELECTED) == 0) return;
    if (m_list.GetSelectedCount() == 0) return;
    CString strText;
    POSITION pos = m_list.GetFirstSelectedItemPosition();
    while (pos) {
        int nItem = m_list.GetNextSelectedItem(pos);
        CString strRow;
        strRow.Format(L"%s%s%s", (LPCTSTR)m_list.GetItemText(nItem, 1), (LPCTSTR)m_list.GetItemText(nItem, 2),
                      (LPCTSTR)m_list.GetItemText(nItem, 3));
        strRow.Replace(L"\n", L"\r\n");
        strText += strRow;
    }
    m_edit.SetWindowText(strText);
}

void CLogViewerDlg::OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const int nColumn = reinterpret_cast<const NMLISTVIEW*>(pNMHDR)->iSubItem;
    if (nColumn < 0 || nColumn >= CSortListCtrl::SORT_COLUMNS) return;
    int nAlign = -1;
    HDITEMW item = {};
    item.mask = HDI_FORMAT;
    CHeaderCtrl* pHeader = m_list.GetHeaderCtrl();
    if (pHeader && pHeader->GetItem(nColumn, &item)) {
        const int nFormat = item.fmt & HDF_JUSTIFYMASK;
        nAlign = nFormat == HDF_CENTER ? 2 : nFormat == HDF_RIGHT ? 1 : 0;
    }
    const BOOL bNumbers = nColumn == 0 || nAlign == 1;
    m_list.SortColumn(nColumn, !bNumbers, &CSortListCtrl::s_nSortDirections[nColumn], nAlign);
}
