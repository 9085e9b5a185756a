#include "screens/list/MainSearch.h"

#include "resources/resource.h"
#include "ui/skin/SkinObject.h"

namespace {

CString HintOf(const SKIN_OBJECT& body, const wchar_t* pszName)
{
    CString s = body.GetCustomValue(pszName);
    s.Trim();
    s.Replace(L"\\n", L"\n");
    return s;
}

CTime DateOf(const SKIN_OBJECT* pObject)
{
    if (!pObject) return CTime();
    const SYSTEMTIME& st = pObject->m_date.m_time;
    return CTime(st.wYear, st.wMonth, st.wDay, 0, 0, 0);
}

}  // namespace

CMainSearch::CMainSearch(CWnd* pParent, IMainSearchHost* pHost)
    : CMyBaseDialog(IDD_SKIN_CHILD, pParent), m_pParent(pParent), m_pHost(pHost)
{
}

BOOL CMainSearch::CreateBar()
{
    if (!Create(IDD_SKIN_CHILD, m_pParent)) return FALSE;
    ModifyStyle(0, WS_CLIPCHILDREN);
    return TRUE;
}

BOOL CMainSearch::OnInitDialog()
{
    CMyBaseDialog::OnInitDialog();
    LoadScreen(L"MainSearch");
    m_pStartDate = m_Screen.FindObject(L"dtStartDate");
    m_pEndDate = m_Screen.FindObject(L"dtEndDate");
    m_pSearchBox = m_Screen.FindObject(L"editSearchbox");
    m_pCancel = m_Screen.FindObject(L"btnSearchCancel");
    SKIN_OBJECT body;
    if (m_Screen.CopyObject(L"Body", body)) {
        m_strMeetingHint = HintOf(body, L"search_hint_meeting");
        m_strReportHint = HintOf(body, L"search_hint_report");
    }
    SetHint(0);
    return TRUE;
}

void CMainSearch::SetDates(const CTime& tStart, const CTime& tEnd)
{
    SYSTEMTIME st;
    if (m_pStartDate && tStart.GetAsSystemTime(st)) m_pStartDate->m_date.SetSystemTime(this, st);
    if (m_pEndDate && tEnd.GetAsSystemTime(st)) m_pEndDate->m_date.SetSystemTime(this, st);
    if (m_pSearchBox) m_pSearchBox->SetEditText(this, L"", TRUE);
    m_strSearchText.Empty();
}

void CMainSearch::SetHint(int nKind)
{
    if (!m_pSearchBox) return;
    m_pSearchBox->m_edit.SetHint(nKind ? m_strReportHint : m_strMeetingHint);
    if (GetSafeHwnd()) Invalidate(FALSE);
}

CTime CMainSearch::GetStartDate() const
{
    return DateOf(m_pStartDate);
}

CTime CMainSearch::GetEndDate() const
{
    return DateOf(m_pEndDate);
}

void CMainSearch::Search()
{
    if (!m_pHost) return;
    m_pHost->OnSearch(GetStartDate(), GetEndDate(), m_strSearchText);
}

int CMainSearch::OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject)
{
    if (!pObject) return 0;
    const CString& name = pObject->m_strName;
    switch (nEvent) {
    case 514:
        if (name.CompareNoCase(L"btnSearch") == 0) Search();
        // The cancel button is there to be seen; it changes nothing.
        return 1;
    case SKINEVENT_EDIT_ENTER:
        if (name.CompareNoCase(L"editSearchbox") == 0 && ::GetKeyState(VK_CONTROL) >= 0) Search();
        return 1;
    case SKINEVENT_EDIT_CHANGE:
        if (name.CompareNoCase(L"editSearchbox") == 0) m_strSearchText = pObject->m_edit.GetText();
        return 1;
    case SKINEVENT_CALENDAR_MONTH:
    case SKINEVENT_DATE_PICKED: {
        if (!m_pStartDate || !m_pEndDate) return 1;
        const int nStart = m_pStartDate->m_date.GetDateNumber(0);
        const int nEnd = m_pEndDate->m_date.GetDateNumber(0);
        if (nStart <= nEnd) return 1;
        if (name.CompareNoCase(L"dtStartDate") == 0)
            m_pEndDate->m_date.SetSystemTime(this, m_pStartDate->m_date.m_time);
        else if (name.CompareNoCase(L"dtEndDate") == 0)
            m_pStartDate->m_date.SetSystemTime(this, m_pEndDate->m_date.m_time);
        return 1;
    }
    default:
        return CMyBaseDialog::OnObjectEvent(nEvent, pObject);
    }
}
