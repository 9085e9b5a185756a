#include "features/attendees/ProfileDlg.h"

#include "resources/resource.h"
#include "ui/skin/GdiPlus.h"
#include "ui/skin/MonitorInfo.h"

CProfileDlg::CProfileDlg(CWnd* pParent) : CMyBaseDialog(IDD_SKIN_POPUP, pParent) {}

CProfileDlg::~CProfileDlg()
{
    delete m_pPhoto;
}

BOOL CProfileDlg::OnInitDialog()
{
    CMyBaseDialog::OnInitDialog();
    LoadScreen(L"ProfileDlg");
    MoveWindow(m_Screen.m_rcScreen);
    CenterWindow();
    return TRUE;
}

void CProfileDlg::SetProfile(const _PROFILE_INFO& info, int)
{
    if (info.photo && info.photo->GetWidth() > 0) {
        delete m_pPhoto;
        m_pPhoto = info.photo->Clone();
        if (SKIN_OBJECT* o = m_Screen.FindObject(L"imgProfile")) InvalidateRect(o->m_rcObject, FALSE);
    }
    const struct { const wchar_t* name; const CString* text; } fields[] = {
        {L"textName", &info.name}, {L"textPosition", &info.position}, {L"textDepart", &info.deptName},
        {L"textEmail", &info.email}, {L"textOffice", &info.officeTel}, {L"textMobile", &info.phoneNumber},
    };
    for (const auto& f : fields)
        if (SKIN_OBJECT* o = m_Screen.FindObject(f.name)) o->SetText(this, *f.text, TRUE);
}

CString CProfileDlg::GetFieldText(const wchar_t* pszObject) const
{
    SKIN_OBJECT* o = m_Screen.FindObject(pszObject);
    return o ? o->m_text.m_strText : CString();
}

void CProfileDlg::Show(BOOL bPlace)
{
    if (IsIconic()) ShowWindow(SW_RESTORE);
    if (!IsWindowVisible()) {
        if (bPlace && GetOwnerWnd()) PlaceWindowNear(GetOwnerWnd(), this, PLACE_X_RIGHT_OF | PLACE_Y_TOPS);
        ShowWindow(SW_SHOW);
    }
    SetForegroundWindow();
}

void CProfileDlg::Hide()
{
    if (IsWindowVisible()) ShowWindow(SW_HIDE);
}

int CProfileDlg::OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject)
{
    if (nEvent == WM_LBUTTONUP && pObject && pObject->m_strName == L"btnClose") {
        Hide();
        return 1;
    }
    return CMyBaseDialog::OnObjectEvent(nEvent, pObject);
}

void CProfileDlg::OnDrawExtra(CDC* pDC, CRect rc)
{
    CMyBaseDialog::OnDrawExtra(pDC, rc);
    SKIN_OBJECT* o = m_Screen.FindObject(L"imgProfile");
    if (!o || !m_pPhoto || m_pPhoto->GetWidth() == 0) return;
    Gdiplus::Graphics g(pDC->GetSafeHdc());
    const CRect& r = o->m_rcObject;
    g.DrawImage(m_pPhoto, Gdiplus::Rect(r.left, r.top, r.Width(), r.Height()), 0, 0, (INT)m_pPhoto->GetWidth(),
                (INT)m_pPhoto->GetHeight(), Gdiplus::UnitPixel);
}
