#pragma once
// The settings window: a list of four setting rows (push-alarm schedule, pen and touch, close
// alarm, version) and the page of the chosen row. The schedule is read from and written to the
// application server; the pen and close-alarm options go to the settings store.
#include "app/ReplyTarget.h"
#include "app/SettingPages.h"
#include "ui/controls/MySkinListCtrl.h"

class CSettingListCtrl : public CMySkinListCtrl {
public:
    CSettingListCtrl();
    int AddRow(const CString& strTitle, int nType, int nKey, int nData);
    void SetRowValue(int nKey, const CString& strText);
    CString GetRowValue(int nKey);
    int GetFirstKey();
    int FindRowIndex(int nKey);
    BOOL DeleteItemByKey(int nKey);
    void LayoutRows(int cx, int cy);
    void DrawItem(CDC* pDC, CRect rc, MYLIST_ITEM* pItem, BOOL bSelected) override;

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

private:
    MYLIST_ITEM* FindRow(int nKey);
};

class CSettingDlg : public CMyBaseDialog {
public:
    explicit CSettingDlg(CWnd* pParent = nullptr);
    ~CSettingDlg() override;

    int m_nStartKey = 0;
    SKIN_OBJECT* m_pListObject = nullptr;
    SKIN_OBJECT* m_pContentObject = nullptr;
    CSettingListCtrl* m_pList = nullptr;
    CSettingPushDlg* m_pPushPage = nullptr;
    CSettingTouchDlg* m_pTouchPage = nullptr;
    CSettingCloseAlarmDlg* m_pCloseAlarmPage = nullptr;
    CSettingVersionDlg* m_pVersionPage = nullptr;

    void SetStartKey(int nKey) { m_nStartKey = nKey; }
    BOOL OnInitDialog() override;
    int OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject) override;
    void ShowPage(int nKey);
    void RequestPushSetting();
    void LoadPenSetting();
    void LoadCloseAlarm();
    void SetPushValue(BOOL bOn);
    void SetPenValue(BOOL bOn);
    void SetCloseAlarmValue(const CString& strText);
    void SavePushSetting();
    void SavePenSetting();
    void SaveCloseAlarm();
    void RelayoutPages();
    // The server's schedule has been shown: only from then on are changes sent.
    BOOL IsPushLoaded() const { return m_bPushLoaded; }

protected:
    void OnOK() override {}
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    afx_msg void OnListNotify(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg LRESULT OnReceiveM00000019(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnReceiveM00000020(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnReceiveM00000022(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPageChanged(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnReplyReady(WPARAM wParam, LPARAM lParam);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    void DeletePages();
    void ShowConfirm(UINT nTextId);
    CReplyTarget m_replyTarget;
    BOOL m_bPushLoaded = FALSE;
    Json::Value m_pushReply;
};
