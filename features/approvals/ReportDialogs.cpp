#include "features/approvals/ReportDialogs.h"

#include "features/approvals/ReportRules.h"
#include "platform/DC.h"
#include "platform/WinApp.h"
#include "resources/resource.h"
#include "ui/controls/ConfirmPopup.h"

namespace {

std::function<void(CWnd*, const CString&)>& TooEarlyNotice()
{
    static std::function<void(CWnd*, const CString&)> notice;
    return notice;
}

std::function<SYSTEMTIME()>& Clock()
{
    static std::function<SYSTEMTIME()> clock;
    return clock;
}

SYSTEMTIME Now()
{
    if (Clock())
        return Clock()();
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    return now;
}

CString LoadText(UINT nId)
{
    CString text;
    text.LoadString(nId);
    return text;
}

bool Is(const SKIN_OBJECT* pA, const SKIN_OBJECT* pB)
{
    return pA && pB && pA->m_nId == pB->m_nId;
}

}  // namespace

// ---- Report confirmation ----

CReportConfirmDlg::CReportConfirmDlg(CWnd* pParent) : CMyBaseDialog(IDD_SKIN_POPUP, pParent) {}

void CReportConfirmDlg::SetTooEarlyNotice(std::function<void(CWnd*, const CString&)> notice)
{
    TooEarlyNotice() = std::move(notice);
}

void CReportConfirmDlg::SetClock(std::function<SYSTEMTIME()> clock)
{
    Clock() = std::move(clock);
}

BOOL CReportConfirmDlg::OnInitDialog()
{
    CMyBaseDialog::OnInitDialog();
    LoadScreen(L"ReportConfirmDlg");
    MoveWindow(m_Screen.m_rcScreen);
    CenterWindow(GetParent());
    m_pBtnClose = m_Screen.FindObject(L"btnClose");
    m_pDate = m_Screen.FindObject(L"date");
    m_pIsPaper = m_Screen.FindObject(L"isPaper");
    m_pBtnPaperT = m_Screen.FindObject(L"btnIsPaperT");
    m_pBtnPaperF = m_Screen.FindObject(L"btnIsPaperF");
    m_pBtnOK = m_Screen.FindObject(L"btnOK");
    m_pBtnCancel = m_Screen.FindObject(L"btnCancel");
    if (SKIN_OBJECT* pBody = m_Screen.FindObject(L"Body"))
        m_strTooEarly = UnescapeLineBreaks(pBody->GetCustomValue(L"msg_before_time"));
    if (m_pDate)
        m_pDate->m_date.m_time = NextHalfHour(Now());
    if (m_pBtnPaperT)
        m_pBtnPaperT->m_button.SetChecked(m_bPaper ? TRUE : FALSE);
    if (m_pBtnPaperF)
        m_pBtnPaperF->m_button.SetChecked(m_bPaper ? FALSE : TRUE);
    ShowDate(m_bPaper ? FALSE : TRUE);
    return TRUE;
}

void CReportConfirmDlg::ShowDate(BOOL bShow)
{
    if (!m_pDate)
        return;
    m_pDate->m_nVisible = bShow ? 1 : 0;
    if (GetSafeHwnd())
        InvalidateRect(&m_pDate->m_rcObject, FALSE);
}

int CReportConfirmDlg::OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject)
{
    if (nEvent != WM_LBUTTONUP || !pObject)
        return CMyBaseDialog::OnObjectEvent(nEvent, pObject);
    if (Is(pObject, m_pBtnClose) || Is(pObject, m_pBtnCancel)) {
        EndDialog(IDCANCEL);
        return 1;
    }
    if (Is(pObject, m_pBtnPaperT)) {
        m_bPaper = 1;
        ShowDate(FALSE);
    } else if (Is(pObject, m_pBtnPaperF)) {
        m_bPaper = 0;
        ShowDate(TRUE);
    } else if (Is(pObject, m_pBtnOK)) {
        ProcOK();
        return 1;
    }
    return CMyBaseDialog::OnObjectEvent(nEvent, pObject);
}

void CReportConfirmDlg::ProcOK()
{
    m_bPaper = (m_pIsPaper && m_Screen.GetRadioIndex(m_pIsPaper->m_nIndex) == 0) ? 1 : 0;
    const SYSTEMTIME chosen = m_pDate ? m_pDate->m_date.m_time : Now();
    m_strDate = FormatReportMinuteStamp(chosen);
    // A report handled on paper has no time of its own to check: its date is hidden and only
    // travels along.
    if (!m_bPaper && !IsChosenTimeAhead(chosen, Now())) {
        if (TooEarlyNotice()) {
            TooEarlyNotice()(this, m_strTooEarly);
        } else {
            CConfirmPopup popup(AfxGetMainWnd() ? AfxGetMainWnd() : this, 305, 137, 0, 0, LoadText(IDS_POPUP_TITLE), L"",
                                m_strTooEarly, FALSE);
            popup.DoModal();
        }
        return;
    }
    EndDialog(IDOK);
}

// ---- Report opinion ----

CReportOpinionDlg::CReportOpinionDlg(CWnd* pParent) : CMyBaseDialog(IDD_SKIN_POPUP, pParent) {}

BOOL CReportOpinionDlg::OnInitDialog()
{
    CMyBaseDialog::OnInitDialog();
    LoadScreen(L"ReportOpinionDlg");
    MoveWindow(m_Screen.m_rcScreen);
    CenterWindow(GetParent());
    m_pBtnClose = m_Screen.FindObject(L"btnClose");
    m_pBtnOK = m_Screen.FindObject(L"btnOK");
    m_pBtnCheck = m_Screen.FindObject(L"btnCheck");
    m_pEdit = m_Screen.FindObject(L"editContent");
    if (m_pEdit) {
        m_pEdit->SetEditText(this, m_strText, FALSE);
        CMySkinEdit& edit = m_pEdit->m_edit.m_edit;
        if (edit.GetSafeHwnd()) {
            CRect rcText;
            edit.GetRect(&rcText);
            CClientDC dc(&edit);
            CFont* pOld = dc.SelectObject(edit.GetFont());
            CRect rcNeeded = rcText;
            dc.DrawText(m_strText, &rcNeeded, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL);
            dc.SelectObject(pOld);
            if (rcNeeded.Height() > rcText.Height()) {
                edit.ModifyStyle(0, WS_VSCROLL | ES_AUTOVSCROLL, SWP_FRAMECHANGED);
                edit.ShowScrollBar(SB_VERT, TRUE);
                m_bScrollable = TRUE;
            }
        }
    }
    return TRUE;
}

int CReportOpinionDlg::OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject)
{
    if (nEvent == WM_LBUTTONUP && pObject) {
        if (Is(pObject, m_pBtnOK)) {
            EndDialog(IDOK);
            return 1;
        }
        if (Is(pObject, m_pBtnClose)) {
            EndDialog(IDCANCEL);
            return 1;
        }
    }
    return CMyBaseDialog::OnObjectEvent(nEvent, pObject);
}
