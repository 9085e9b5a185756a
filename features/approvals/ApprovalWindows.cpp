#include "features/approvals/ApprovalWindows.h"

#include <objidl.h>
#include <gdiplus.h>

#include "core/FileHelpers.h"
#include "core/ImageStream.h"
#include "core/SupportMenu.h"
#include "features/approvals/ApprovalFileCipher.h"
#include "platform/DataExchange.h"
#include "platform/DC.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "platform/WinApp.h"
#include "resources/resource.h"

namespace {

const int kWidth = 303, kHeight = 244;
CApprovalSignInfoDlg::PFN_CHOOSE s_pfnChoose = nullptr;
CApprovalSignInfoDlg::PFN_LAUNCH s_pfnLaunch = nullptr;

// Layered with magenta as the transparent colour, fully opaque, at the fixed size, centred over
// the window given (the desktop's work area without one).
void ShapeAndCentre(CDialog* pDlg, CWnd* pOver)
{
    pDlg->ModifyStyleEx(0, WS_EX_LAYERED);
    ::SetLayeredWindowAttributes(pDlg->GetSafeHwnd(), RGB(255, 0, 255), 255, LWA_COLORKEY | LWA_ALPHA);
    CRect rcOver;
    if (pOver && ::IsWindow(pOver->GetSafeHwnd()))
        pOver->GetWindowRect(&rcOver);
    else
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rcOver, 0);
    const CPoint c = rcOver.CenterPoint();
    pDlg->MoveWindow(c.x - kWidth / 2, c.y - kHeight / 2, kWidth, kHeight);
}

void SkinButtons(CxSkinButton& close, CxSkinButton& first, CxSkinButton& second, UINT nSecond)
{
    close.SetSkin(IDB_SMALL_CLOSE, IDB_SMALL_CLOSE_DOWN, IDB_SMALL_CLOSE_HOVER, IDB_SMALL_CLOSE_DISABLED,
                  IDB_SMALL_CLOSE, 0, 0, 0, 0);
    close.MoveWindow(kWidth - 25, 7, 16, 16);
    first.SetSkin(IDB_OK, IDB_OK_DOWN, IDB_OK_HOVER, IDB_OK_DISABLED, IDB_OK, IDB_BUTTON_MASK, 0, 0, 0);
    second.SetSkin(nSecond, nSecond + 1, nSecond - 1, nSecond - 2, nSecond, IDB_BUTTON_MASK, 0, 0, 0);
    first.SetTextColor(RGB(255, 255, 255));
    second.SetTextColor(RGB(255, 255, 255));
    first.MoveWindow(55, 204, 90, 27);
    second.MoveWindow(160, 204, 90, 27);
}

// The background bitmap, and the picture fitted (aspect kept) into the box.
void PaintBackground(CDC* pDC, CBitmap& bmp)
{
    CDC mem;
    mem.CreateCompatibleDC(pDC);
    CBitmap* pOld = mem.SelectObject(&bmp);
    pDC->BitBlt(0, 0, kWidth, kHeight, &mem, 0, 0, SRCCOPY);
    mem.SelectObject(pOld);
}

void PaintPicture(CDC* pDC, Gdiplus::Image* pImage, const CRect& box)
{
    if (!pImage || pImage->GetWidth() == 0 || pImage->GetHeight() == 0)
        return;
    const double s = std::min(double(box.Width()) / pImage->GetWidth(), double(box.Height()) / pImage->GetHeight());
    const int w = int(pImage->GetWidth() * s), h = int(pImage->GetHeight() * s);
    Gdiplus::Graphics g(pDC->GetSafeHdc());
    g.DrawImage(pImage, box.left + (box.Width() - w) / 2, box.top + (box.Height() - h) / 2, w, h);
}

Gdiplus::Image* LoadPicture(const CString& strPath)
{
    if (!FileExists(strPath, FALSE))
        return nullptr;
    auto* pImage = new Gdiplus::Image(strPath.GetString(), FALSE);
    if (pImage->GetLastStatus() != Gdiplus::Ok || pImage->GetWidth() == 0) {
        delete pImage;
        return nullptr;
    }
    return pImage;
}

}  // namespace

LRESULT ApprovalWindowHitCode(CPoint pt, const CRect& rc)
{
    const bool left = pt.x - rc.left < 10, right = rc.right - pt.x <= 10;
    const bool top = pt.y - rc.top < 10, bottom = rc.bottom - pt.y <= 10;
    if (left && top)
        return HTTOPLEFT;
    if (right && top)
        return HTTOPRIGHT;
    if (left && bottom)
        return HTBOTTOMLEFT;
    if (right && bottom)
        return HTBOTTOMRIGHT;
    return HTCAPTION;
}

// ---- Approval window ----

BEGIN_MESSAGE_MAP(CApprovalDlg, CDialog)
    ON_WM_ERASEBKGND()
    ON_WM_CTLCOLOR()
    ON_WM_LBUTTONDOWN()
    ON_BN_CLICKED(IDC_OK_CANCEL_CLOSE, &CApprovalDlg::OnCloseButton)
END_MESSAGE_MAP()

CApprovalDlg::CApprovalDlg(CWnd* pParent) : CDialog(IDD_APPROVAL, pParent) {}

CApprovalDlg::~CApprovalDlg()
{
    delete m_pImage;
}

void CApprovalDlg::SetContent(const CString& strText1, const CString& strText2, const CString& strText3,
                              const CString& strImagePath)
{
    m_strText[0] = strText1;
    m_strText[1] = strText2;
    m_strText[2] = strText3;
    delete m_pImage;
    m_pImage = LoadPicture(strImagePath);
}

void CApprovalDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_OK_CANCEL_CLOSE, m_btnClose);
    DDX_Control(pDX, IDOK, m_btnOK);
    DDX_Control(pDX, IDCANCEL, m_btnCancel);
    DDX_Control(pDX, IDC_APPROVAL_TEXT1, m_stcText1);
    DDX_Control(pDX, IDC_APPROVAL_TEXT2, m_stcText2);
    DDX_Control(pDX, IDC_APPROVAL_TEXT3, m_stcText3);
}

BOOL CApprovalDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_bmpBack.LoadBitmap(IDB_APPROVAL_BACK);
    ShapeAndCentre(this, GetParent());
    SkinButtons(m_btnClose, m_btnOK, m_btnCancel, IDB_CANCEL);
    const int half = kWidth / 2 - 20;
    m_stcText1.MoveWindow(15, 50, half, 18);
    m_stcText2.MoveWindow(kWidth / 2 + 5, 50, half, 18);
    m_stcText3.MoveWindow(15, 179, kWidth - 30, 18);
    m_stcText1.SetWindowText(m_strText[0]);
    m_stcText2.SetWindowText(m_strText[1]);
    m_stcText3.SetWindowText(m_strText[2]);
    return TRUE;
}

BOOL CApprovalDlg::OnEraseBkgnd(CDC* pDC)
{
    PaintBackground(pDC, m_bmpBack);
    PaintPicture(pDC, m_pImage, CRect(40, 74, kWidth - 40, 172));
    return TRUE;
}

HBRUSH CApprovalDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (nCtlColor == CTLCOLOR_STATIC) {
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetTextColor(RGB(51, 51, 51));
        return HBRUSH(::GetStockObject(WHITE_BRUSH));
    }
    return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
}

void CApprovalDlg::OnLButtonDown(UINT nFlags, CPoint point)
{
    CRect rc;
    GetClientRect(&rc);
    SendMessage(WM_NCLBUTTONDOWN, ApprovalWindowHitCode(point, rc), MAKELPARAM(point.x, point.y));
    CDialog::OnLButtonDown(nFlags, point);
}

void CApprovalDlg::OnCloseButton()
{
    OnCancel();
}

// ---- Electronic-signature info ----

BEGIN_MESSAGE_MAP(CApprovalSignInfoDlg, CDialog)
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_RBUTTONDOWN()
    ON_BN_CLICKED(IDC_SIGN_INFO_SAVE, &CApprovalSignInfoDlg::OnSave)
    ON_BN_CLICKED(IDC_SIGN_INFO_CLOSE, &CApprovalSignInfoDlg::OnEnd)
    ON_BN_CLICKED(IDC_OK_CANCEL_CLOSE, &CApprovalSignInfoDlg::OnEnd)
END_MESSAGE_MAP()

void CApprovalSignInfoDlg::SetSupportSeamsForTest(PFN_CHOOSE pfnChoose, PFN_LAUNCH pfnLaunch)
{
    s_pfnChoose = pfnChoose;
    s_pfnLaunch = pfnLaunch;
}

CApprovalSignInfoDlg::CApprovalSignInfoDlg(const CString& strSignPath, CWnd* pParent)
    : CDialog(IDD_APPROVAL_SIGN_INFO, pParent), m_strSignPath(strSignPath)
{
}

CApprovalSignInfoDlg::~CApprovalSignInfoDlg()
{
    delete m_pImage;
}

void CApprovalSignInfoDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_OK_CANCEL_CLOSE, m_btnClose);
    DDX_Control(pDX, IDC_SIGN_INFO_SAVE, m_btnSave);
    DDX_Control(pDX, IDC_SIGN_INFO_CLOSE, m_btnEnd);
}

BOOL CApprovalSignInfoDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_bmpBack.LoadBitmap(IDB_APPROVAL_BACK);
    ShapeAndCentre(this, AfxGetMainWnd() ? AfxGetMainWnd() : GetParent());
    SkinButtons(m_btnClose, m_btnSave, m_btnEnd, IDB_SIGN_INFO_CLOSE);
    // A copy of the picture in memory: the signature file stays free to be replaced meanwhile.
    CImageStream stream;
    if (FileExists(m_strSignPath, FALSE) && stream.LoadFile(m_strSignPath.GetString())) {
        auto* pImage = new Gdiplus::Image(stream.GetStream(), FALSE);
        if (pImage->GetLastStatus() == Gdiplus::Ok && pImage->GetWidth() > 0)
            m_pImage = pImage;
        else
            delete pImage;
    }
    return TRUE;
}

BOOL CApprovalSignInfoDlg::OnEraseBkgnd(CDC* pDC)
{
    PaintBackground(pDC, m_bmpBack);
    CFont font;
    font.CreateFont(-16, 0, 0, 0, 700, 0, 0, 0, 129, 0, 0, 0, FF_SWISS, L"맑은 고딕");
    CFont* pOld = pDC->SelectObject(&font);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(RGB(255, 255, 255));
    CRect rcTitle(14, 0, 200, 34);
    pDC->DrawText(L"전자서명", &rcTitle, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    pDC->SelectObject(pOld);
    PaintPicture(pDC, m_pImage, CRect(40, 50, kWidth - 40, 190));
    return TRUE;
}

void CApprovalSignInfoDlg::OnLButtonDown(UINT nFlags, CPoint point)
{
    SendMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
    CDialog::OnLButtonDown(nFlags, point);
}

void CApprovalSignInfoDlg::OnRButtonDown(UINT nFlags, CPoint point)
{
    if (point.x >= 128 && point.x <= 172 && point.y >= 72 && point.y <= 75)
        ShowSupportMenu(m_hWnd, s_pfnChoose, s_pfnLaunch);
    CDialog::OnRButtonDown(nFlags, point);
}

BOOL CApprovalSignInfoDlg::SaveSignatureAs()
{
    CFileDialog dialog(FALSE, L"jpg", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                       L"PNG Files(*.png)|*.png|JPEG Files(*.jpg)|*.jpg||", this);
    if (dialog.DoModal() != IDOK)
        return FALSE;
    return ::CopyFileW(m_strSignPath.GetString(), dialog.GetPathName().GetString(), FALSE);
}

int CApprovalSignInfoDlg::CipherChosenFile(bool bEncrypt)
{
    CFileDialog open(TRUE, nullptr, nullptr, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY,
                     bEncrypt ? L"All Files (*.*)|*.*||" : L"Encrypted Files (*.CPR)|*.CPR|All Files (*.*)|*.*||", this);
    if (open.DoModal() != IDOK)
        return -1;
    const CString strSource = open.GetPathName();
    CString strDefault = bEncrypt ? ApprovalCipherDefaultName(strSource) : strSource;
    if (!bEncrypt && strDefault.Right(4).CompareNoCase(L".CPR") == 0)
        strDefault = strDefault.Left(strDefault.GetLength() - 4);
    CFileDialog save(FALSE, nullptr, strDefault, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, L"All Files (*.*)|*.*||", this);
    if (save.DoModal() != IDOK)
        return -1;
    const int nResult = ApprovalCipherFile(strSource, save.GetPathName(), bEncrypt);
    if (nResult == APPROVAL_CIPHER_READ_ERROR)
        AfxMessageBox(bEncrypt ? L"Error read!" : L"Read Error");
    else if (nResult != APPROVAL_CIPHER_OK)
        AfxMessageBox(bEncrypt ? L"Encryp fail!" : L"Decode Fail");
    return nResult;
}

void CApprovalSignInfoDlg::OnSave()
{
    SaveSignatureAs();
}

void CApprovalSignInfoDlg::OnEnd()
{
    EndDialog(IDCANCEL);
}
