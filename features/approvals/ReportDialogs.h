#pragma once
// The two small dialogs the meeting detail shows for a report: the confirmation, in which the user
// says whether the report is handled on paper or at a date and time, and the opinion view.
#include <functional>

#include "ui/skin/MyBaseDialog.h"

class CReportConfirmDlg : public CMyBaseDialog {
public:
    explicit CReportConfirmDlg(CWnd* pParent = nullptr);

    // Read by the caller after IDOK.
    int m_bPaper = 0;
    CString m_strDate;   // "%04d%02d%02d%02d%02d00"

    // Tells the user that the chosen time has passed; the main dialog's confirm pop-up unless a
    // test or a host sets another.
    static void SetTooEarlyNotice(std::function<void(CWnd* pParent, const CString& strText)> notice);
    // The clock the dialog proposes and checks times against (the local time unless set).
    static void SetClock(std::function<SYSTEMTIME()> clock);

    BOOL OnInitDialog() override;
    int OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject) override;
    SKIN_OBJECT* GetDateObject() const { return m_pDate; }

protected:
    void OnOK() override {}
    void OnCancel() override { EndDialog(IDCANCEL); }

private:
    void ShowDate(BOOL bShow);
    void ProcOK();

    SKIN_OBJECT* m_pBtnClose = nullptr;
    SKIN_OBJECT* m_pDate = nullptr;
    SKIN_OBJECT* m_pIsPaper = nullptr;
    SKIN_OBJECT* m_pBtnPaperT = nullptr;
    SKIN_OBJECT* m_pBtnPaperF = nullptr;
    SKIN_OBJECT* m_pBtnOK = nullptr;
    SKIN_OBJECT* m_pBtnCancel = nullptr;
    CString m_strTooEarly;
};

class CReportOpinionDlg : public CMyBaseDialog {
public:
    explicit CReportOpinionDlg(CWnd* pParent = nullptr);

    void SetText(const CString& strText) { m_strText = strText; }
    BOOL OnInitDialog() override;
    int OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject) override;
    BOOL IsTextScrollable() const { return m_bScrollable; }

protected:
    void OnOK() override {}
    void OnCancel() override { EndDialog(IDCANCEL); }

private:
    SKIN_OBJECT* m_pBtnClose = nullptr;
    SKIN_OBJECT* m_pBtnOK = nullptr;
    SKIN_OBJECT* m_pBtnCheck = nullptr;
    SKIN_OBJECT* m_pEdit = nullptr;
    CString m_strText;
    BOOL m_bScrollable = FALSE;
};
