#include "tools/logviewer/InputDlg.h"

#include "tools/logviewer/resource.h"

namespace {

const wchar_t kPassword[] = L"vark482$%^";

}  // namespace

BEGIN_MESSAGE_MAP(CInputDlg, CDialogEx)
    ON_BN_CLICKED(IDOK, &CInputDlg::OnOkButton)
END_MESSAGE_MAP()

CInputDlg::CInputDlg(CWnd* pParent) : CDialogEx(IDD_INPUT, pParent) {}

void CInputDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialogEx::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_PASSWORD, m_strText);
}

BOOL CInputDlg::OnInitDialog()
{
    CDialogEx::OnInitDialog();
    if (CWnd* pEdit = GetDlgItem(IDC_PASSWORD)) pEdit->SetFocus();
    return FALSE;
}

void CInputDlg::OnOkButton()
{
    UpdateData(TRUE);
    if (m_strText == kPassword) {
        EndDialog(IDOK);
        return;
    }
    AfxMessageBox(L"Invalid password !");
}
