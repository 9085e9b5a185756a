#pragma once
// A window that shows one log file: its lines in a list (date and time, level, text), filtered
// by level and by a search text, sortable by column; the selected rows in full beside it. The
// file is loaded on a thread of its own; the main dialog owns the viewer and frees it when it
// closes.
#include <memory>

#include "tools/logviewer/LogLoadJob.h"
#include "tools/logviewer/MyEdit.h"
#include "tools/logviewer/MyListCtrl.h"
#include "tools/logviewer/MySplitterDialog.h"

// Posted to the main dialog when a viewer closes: wParam is the viewer's POSITION in the main
// dialog's list of viewers.
#define UWM_VIEWER_CLOSED (WM_USER + 100)

class CLogViewerDlg : public CMySplitterDialog {
public:
    explicit CLogViewerDlg(CWnd* pMainDialog);
    ~CLogViewerDlg() override;

    void SetPath(const CString& strPath) { m_strPath = strPath; }
    const CString& GetPath() const { return m_strPath; }
    void SetPosition(POSITION pos) { m_position = pos; }
    POSITION GetPosition() const { return m_position; }
    void SetLevelFlags(int nDebug, int nInfo, int nWarning, int nError);

    // Reload: the running loader is stopped, the rows go and a new loader starts.
    void Reload();
    // Asks the loader to stop and waits for it until the deadline; false when it still runs (it
    // touches nothing of the viewer, so the viewer may go regardless).
    bool StopLoader(DWORD dwDeadline);
    bool IsLoading() const { return m_nLoading != 0; }

    CMyListCtrl& GetList() { return m_list; }
    const S_LOG_FILTER& GetFilter() const { return m_filter; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void OnOK() override;
    void OnCancel() override;
    afx_msg void OnClose();
    afx_msg void OnRefresh();
    afx_msg void OnSearch();
    afx_msg void OnLevelCheck(UINT nID);
    afx_msg void OnItemChanged(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg LRESULT OnRowsLoaded(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void StartLoader();
    void AppendRows(const std::vector<S_LOG_ROW>& rows);
    void FinishLoading();
    void AskToClose();

    CWnd* m_pMainDialog;
    POSITION m_position = nullptr;
    CString m_strPath;
    S_LOG_FILTER m_filter;
    CMyListCtrl m_list;
    CMyEdit m_edit;
    std::shared_ptr<CLogLoadJob> m_pJob;
    UINT m_nJobCount = 0;
    int m_nLoading = 0;
    bool m_bCloseAsked = false;
};
