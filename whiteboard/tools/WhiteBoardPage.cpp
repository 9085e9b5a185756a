#include <winsock2.h>

#include "whiteboard/tools/WhiteBoardPage.h"

#include "resources/resource.h"
#include "ui/host/MainDlg.h"
#include "ui/skin/SkinValues.h"

CWhiteBoardPage::CWhiteBoardPage(CWnd* pParent) : CMyBaseDialog(IDD_SKIN_POPUP, pParent)
{
}

CWhiteBoardPage::~CWhiteBoardPage()
{
    if (GetSafeHwnd())
        DestroyWindow();
}

BOOL CWhiteBoardPage::CreatePopup(CWnd* pOwner)
{
    if (!Create(IDD_SKIN_POPUP, pOwner))
        return FALSE;
    SetOwnerWnd(pOwner);
    ShowWindow(SW_HIDE);
    return TRUE;
}

BOOL CWhiteBoardPage::OnInitDialog()
{
    CMyBaseDialog::OnInitDialog();
    LoadScreen(ScreenName());
    if (SKIN_OBJECT* body = m_Screen.FindObject(L"Body")) {
        CString text = body->GetCustomValue(L"msg_max_page");
        text.Trim();
        ReplaceEscapedNewline(text, m_strMaxPage);
    }
    const CRect rc = m_Screen.m_rcScreen;
    MoveWindow(rc.left, rc.top, rc.Width(), rc.Height(), TRUE);
    return TRUE;
}

CString CWhiteBoardPage::MaxPageNotice() const
{
    CString limit;
    limit.Format(L"%d", kMaxPages);
    CString text = m_strMaxPage;
    text.Replace(L"%MAX%", limit);
    return text;
}

BOOL CWhiteBoardPage::AddAllowed()
{
    if (m_nTotalPage < kMaxPages)
        return TRUE;
    if (IZELMainDlg* main = GetMainDlg())
        main->ShowToast(MaxPageNotice());
    return FALSE;
}

void CWhiteBoardPage::Choose(int command, int page)
{
    if (CWnd* owner = GetOwnerWnd())
        owner->PostMessage(WM_WHITEBOARD_PAGE_COMMAND, (WPARAM)command, (LPARAM)page);
    ShowWindow(SW_HIDE);
}

int CWhiteBoardPage::OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject)
{
    if (nEvent != 514 || !pObject)
        return CMyBaseDialog::OnObjectEvent(nEvent, pObject);
    const CString& name = pObject->m_strName;
    if (name == L"btnPrev") {
        if (AddAllowed())
            Choose(kAddPage, m_nCurrentPage);
    } else if (name == L"btnNext") {
        if (AddAllowed())
            Choose(kAddPage, m_nCurrentPage + 1);
    } else if (name == L"btnDel") {
        Choose(kDeletePage, m_nCurrentPage);
    } else {
        return CMyBaseDialog::OnObjectEvent(nEvent, pObject);
    }
    return 1;
}
