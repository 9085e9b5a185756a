#pragma once
// The log service's main dialog: the window the loggers of the client send their records to
// (class "Talvora_Log_Class"). It keeps one logger per registered log, shows recent lines in a
// display list when asked to, opens log files in viewers and stays hidden unless it may show.
#include <atomic>
#include <functional>
#include <vector>

#include "core/AppControl.h"
#include "platform/TypedPtrList.h"
#include "tools/logviewer/LogRecordReader.h"
#include "tools/logviewer/LogViewerDlg.h"
#include "tools/logviewer/MyEdit.h"
#include "tools/logviewer/MyLogFile.h"
#include "tools/logviewer/MySplitterDialog.h"

#define LOG_APP_TITLE L"Brindle Cast Log*"

class CTessivarDlg : public CMySplitterDialog, public zellog::ILogLineDisplay {
public:
    explicit CTessivarDlg(CWnd* pParent = nullptr);
    ~CTessivarDlg() override;

    // Registers "Talvora_Log_Class" as a copy of the system's dialog class.
    static BOOL RegisterWindowClass();

    // Stops and frees every viewer and logger first (writers get at most 5 s together).
    BOOL DestroyWindow() override;

    void SetVisibleFlag(bool bVisible) { m_bVisible = bVisible; }
    bool GetVisibleFlag() const { return m_bVisible; }

    // The display list. AddDisplayLine runs on the dialog's thread; FilterDisplayLine on any.
    void AddDisplayLine(const CString& strText);
    void AddDisplayLineF(LPCTSTR pszFormat, ...);
    void FilterDisplayLine(const CString& strName, const CString& strLine) override;
    CListBox& GetDisplayList() { return m_listDisplay; }
    // Adds what the loggers' threads handed over and is not shown yet.
    void ShowPendingLines();

    // A viewer for the file, open and shown; null when it could not be made.
    CLogViewerDlg* OpenViewer(const CString& strPath);
    int GetViewerCount() const { return (int)m_listViewers.GetCount(); }
    CLogViewerDlg* GetViewer(int nIndex) const;

    zellog::CMyLogFile* FindLogger(const CString& strPath) const;
    int GetLoggerCount() const { return (int)m_vecLoggers.size(); }

    // Test seam: called with the menu instead of showing it; returns the command chosen (0 for
    // none). An empty function removes it.
    static void SetPopupMenuHook(std::function<UINT(CMenu*)> hook);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void OnOK() override;
    void OnCancel() override;
    afx_msg void OnClose();
    afx_msg BOOL OnCopyData(CWnd* pWnd, COPYDATASTRUCT* pCopyDataStruct);
    afx_msg LRESULT OnAppControl(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnViewerClosed(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDisplayPending(WPARAM wParam, LPARAM lParam);
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    afx_msg void OnPaint();
    afx_msg HCURSOR OnQueryDragIcon();
    afx_msg void OnDisplaySelChange();
    afx_msg void OnMenuButton();
    afx_msg void OnMenuClear();
    afx_msg void OnMenuOpen();
    afx_msg void OnMenuScroll();
    afx_msg void OnMenuDisplay();
    afx_msg void OnMenuLevelUse();
    afx_msg void OnMenuLevel(UINT nID);
    afx_msg void OnMenuClose();
    DECLARE_MESSAGE_MAP()

private:
    void Register(const S_LOG_RECORD& rec, DWORD cbData);
    void WriteRecordLine(const S_LOG_RECORD& rec);
    bool IsLevelShown(const CString& strLine) const;
    void CloseViewer(POSITION pos);
    void StopLoggers();

    HICON m_hIcon = nullptr;
    CListBox m_listDisplay;
    CMyEdit m_edit;
    bool m_bVisible = false;
    bool m_bNoAutoScroll = true;
    bool m_bClosing = false;
    // Read by the loggers' threads.
    std::atomic<bool> m_bDisplay{false};
    std::atomic<bool> m_bUseLevel{false};
    std::atomic<bool> m_bLevel[4] = {{true}, {true}, {true}, {true}};

    CTypedPtrList<CPtrList, CLogViewerDlg*> m_listViewers;
    std::vector<zellog::CMyLogFile*> m_vecLoggers;

    // Lines handed over by other threads, shown on the dialog's thread.
    DWORD m_dwUiThreadId = 0;
    CRITICAL_SECTION m_csPending;
    std::vector<CString> m_vecPending;
    bool m_bPendingPosted = false;
};
