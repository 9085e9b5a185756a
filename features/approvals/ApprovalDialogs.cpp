#include "features/approvals/ApprovalDialogs.h"

#include <objidl.h>
#include <gdiplus.h>

#include "core/FileHelpers.h"
#include "core/MyLogFile.h"
#include "platform/FileDialog.h"
#include "resources/resource.h"
#include "ui/skin/MonitorInfo.h"
#include "whiteboard/canvas/PenCanvas.h"

namespace {

const UINT_PTR kTimerHideFail = 1;
const UINT kFailMs = 2000;
const UINT_PTR kTimerRetire = 2;

BOOL IsImageFile(const CString& strPath)
{
    Gdiplus::Image image(strPath.GetString(), FALSE);
    return image.GetLastStatus() == Gdiplus::Ok && image.GetWidth() > 0;
}

}  // namespace

// ---- Confirmation ----

CApprovalConfirmDlg::CApprovalConfirmDlg(CWnd* pParent) : CMyBaseDialog(IDD_SKIN_POPUP, pParent) {}

void CApprovalConfirmDlg::SetConfirmInfo(const CString& strName, const CString& strImagePath, int bApprove)
{
    m_strName = strName;
    m_strImagePath = strImagePath;
    m_bApprove = bApprove;
}

namespace {
CApprovalConfirmDlg* s_pRunningConfirmation = nullptr;
}

INT_PTR RunApprovalConfirmation(CWnd* pOwner, const CString& strSigner, const CString& strImagePath, BOOL bApprove)
{
    if (s_pRunningConfirmation)
        return IDCANCEL;
    CApprovalConfirmDlg dlg(pOwner);
    struct SOpen {
        explicit SOpen(CApprovalConfirmDlg* p) { s_pRunningConfirmation = p; }
        ~SOpen() { s_pRunningConfirmation = nullptr; }
    } open(&dlg);
    dlg.SetConfirmInfo(strSigner, strImagePath, bApprove ? 1 : 0);
    return dlg.DoModal();
}

void EndApprovalConfirmation()
{
    if (s_pRunningConfirmation && ::IsWindow(s_pRunningConfirmation->GetSafeHwnd()))
        s_pRunningConfirmation->EndDialog(IDCANCEL);
}

BOOL CApprovalConfirmDlg::OnInitDialog()
{
    CMyBaseDialog::OnInitDialog();
    LoadScreen(L"ApprovalConfirmDlg");
    MoveWindow(m_Screen.m_rcScreen);
    CenterWindow(GetParent());
    if (SKIN_OBJECT* pName = m_Screen.FindObject(L"textName"))
        pName->m_text.m_strText = m_strName;
    if (SKIN_OBJECT* pDate = m_Screen.FindObject(L"date")) {
        ::GetLocalTime(&pDate->m_date.m_time);
        EnableObject(pDate, FALSE, FALSE);   // the time of the decision is shown, not chosen
    }
    if (SKIN_OBJECT* pImage = m_Screen.FindObject(L"imgSignature")) {
        pImage->m_image.m_strBgImage = m_strImagePath;
        pImage->m_image.m_image.m_strPath = m_strImagePath;
        pImage->m_image.m_image.Load();
    }
    if (SKIN_OBJECT* pYes = m_Screen.FindObject(L"textY"))
        pYes->m_nVisible = m_bApprove == 1 ? 1 : 0;
    if (SKIN_OBJECT* pNo = m_Screen.FindObject(L"textN"))
        pNo->m_nVisible = m_bApprove == 0 ? 1 : 0;
    if (SKIN_OBJECT* pFail = m_Screen.FindObject(L"textFail"))
        pFail->m_nVisible = 0;
    return TRUE;
}

int CApprovalConfirmDlg::OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject)
{
    if (nEvent == WM_LBUTTONUP && pObject) {
        if (pObject->m_strName == L"btnOK") {
            EndDialog(IDOK);
            return 1;
        }
        if (pObject->m_strName == L"btnClose" || pObject->m_strName == L"btnCancel") {
            EndDialog(IDCANCEL);
            return 1;
        }
    }
    return CMyBaseDialog::OnObjectEvent(nEvent, pObject);
}

// ---- Signature window ----

BEGIN_MESSAGE_MAP(CApprovalSignDlg, CMyBaseDialog)
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_TIMER()
END_MESSAGE_MAP()

CApprovalSignDlg::CApprovalSignDlg(const CString& strSignPath, CWnd* pParent)
    : CMyBaseDialog(IDD_SKIN_POPUP, pParent), m_strSignPath(strSignPath), m_strWorkPath(strSignPath + L"_load")
{
}

CApprovalSignDlg::~CApprovalSignDlg()
{
    if (GetSafeHwnd())
        DestroyWindow();
}

BOOL CApprovalSignDlg::CreateSignWindow(CWnd* pOwner)
{
    return Create(IDD_SKIN_POPUP, pOwner);
}

BOOL CApprovalSignDlg::OnInitDialog()
{
    CMyBaseDialog::OnInitDialog();
    LoadScreen(L"ApprovalSignDlg");
    MoveWindow(m_Screen.m_rcScreen);
    CenterWindow(GetParent());
    m_pTextFail = m_Screen.FindObject(L"textFail");
    m_pImage = m_Screen.FindObject(L"imgSignature");
    if (m_pTextFail)
        m_pTextFail->m_nVisible = 0;   // only after a picked file that is no picture
    if (m_pImage) {
        m_strDefaultPicture = m_pImage->m_image.m_strBgImage;
        CRect rc;
        m_pImage->GetContentRect(rc, nullptr);
        m_pCanvas.reset(new CPenCanvas(this, rc));
        m_pCanvas->SetPaletteOption(0);
    }
    return TRUE;
}

void CApprovalSignDlg::PlaceNearMainWindow()
{
    PlaceWindowNear(GetParent(), this, PLACE_X_CENTRE | PLACE_Y_CENTRE);
}

void CApprovalSignDlg::LoadSignFile()
{
    if (FileExists(m_strSignPath, FALSE)) {
        SetSignFile(m_strSignPath);
        m_bDrawingMode = 0;
    } else {
        m_bDrawingMode = 1;
    }
}

void CApprovalSignDlg::ShowAndActivate()
{
    if (m_bMaximized) {
        ShowWindow(SW_RESTORE);
        m_bMaximized = FALSE;
    }
    if (!IsWindowVisible()) {
        PlaceWindowNear(GetParent(), this, 0);
        ShowWindow(SW_SHOW);
    }
    SetForegroundWindow();
}

int CApprovalSignDlg::SetSignFile(const CString& strPath)
{
    if (!m_pImage)
        return 0;
    m_pImage->m_image.m_image.Free();
    m_pImage->m_image.m_strBgImage = strPath;
    m_pImage->m_image.m_image.m_strPath = strPath;
    Gdiplus::Image* pImage = m_pImage->m_image.m_image.Load();
    if (!pImage || pImage->GetLastStatus() != Gdiplus::Ok)
        return 0;
    if (pImage->GetWidth() == 0) {
        g_ApplicationLog.Log(4, L"CApprovalSignDlg::SetSignFile() m_gdi->GetWidth() == 0 %s", strPath.GetString());
        return 0;
    }
    return 1;
}

void CApprovalSignDlg::FreePicture()
{
    if (m_pImage)
        m_pImage->m_image.m_image.Free();
}

void CApprovalSignDlg::RepaintPicture()
{
    if (m_pImage && GetSafeHwnd())
        InvalidateRect(&m_pImage->m_rcObject, FALSE);
}

int CApprovalSignDlg::OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject)
{
    if (nEvent == WM_LBUTTONUP && pObject) {
        if (pObject->m_strName == L"btnAdd") {
            ProcAdd();
            return 1;
        }
        if (pObject->m_strName == L"btnDel") {
            ProcDel();
            return 1;
        }
        if (pObject->m_strName == L"btnOK") {
            ProcOK();
            return 1;
        }
        if (pObject->m_strName == L"btnClose") {
            CloseDialog();
            return 1;
        }
    }
    return CMyBaseDialog::OnObjectEvent(nEvent, pObject);
}

void CApprovalSignDlg::ProcAdd()
{
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY,
                       L"Image Files (bmp,png,jpg,jpeg)|*.bmp;*.png;*.jpg;*.jpeg|All Files (*.*)|*.*||", this);
    m_bChoosing = TRUE;
    const INT_PTR nAnswer = dialog.DoModal();
    m_bChoosing = FALSE;
    if (m_bRetired) {
        // Retired while choosing: the window goes once this call has left its stack.
        SetTimer(kTimerRetire, 0, nullptr);
        return;
    }
    if (!GetSafeHwnd() || nAnswer != IDOK)
        return;
    const CString strChosen = dialog.GetPathName();
    if (!IsImageFile(strChosen)) {
        if (m_pTextFail) {
            m_pTextFail->m_nVisible = 1;
            InvalidateRect(&m_pTextFail->m_rcObject, FALSE);
        }
        SetTimer(kTimerHideFail, kFailMs, nullptr);
        return;
    }
    FreePicture();
    if (CopyFileCreatingFolder(strChosen, m_strWorkPath, FALSE)) {
        SetSignFile(m_strWorkPath);
        m_bPicked = 1;
    } else {
        g_ApplicationLog.Log(4, L"CApprovalSignDlg::ProcAdd() _CopyFile fail: %s", strChosen.GetString());
        // The working copy on disk is not the file just chosen: OK must not put it in place.
        m_bPicked = 0;
    }
    if (m_pCanvas)
        m_pCanvas->Clear();
    m_bDrawingMode = 0;
    RepaintPicture();
}

void CApprovalSignDlg::ProcDel()
{
    if (m_bDrawingMode) {
        if (m_pCanvas)
            m_pCanvas->Clear();
    } else {
        SetSignFile(m_strDefaultPicture);
        m_bDrawingMode = 1;
        m_bPicked = 0;
    }
    RepaintPicture();
}

void CApprovalSignDlg::ProcOK()
{
    if (m_bDrawingMode && m_pCanvas && m_pCanvas->HasStrokes()) {
        if (!EnsureDirectory(GetParentPath(m_strSignPath)))
            g_ApplicationLog.Log(1, L"_CreatekDirIfNoExist fail %s", m_strSignPath.GetString());
        // Written beside the signature first and then put in its place, so that a failed write
        // never leaves the user without the signature he had.
        const CString strNew = m_strSignPath + L"_new";
        int nResult = m_pCanvas->SaveAsPng(strNew);
        if (nResult == 0 && !::MoveFileExW(strNew.GetString(), m_strSignPath.GetString(), MOVEFILE_REPLACE_EXISTING))
            nResult = (int)::GetLastError();
        if (nResult != 0)
            ::DeleteFileW(strNew.GetString());
        g_ApplicationLog.Log(1, L"m_pDraw->Save result: %d", nResult);
    } else if (m_bDrawingMode) {
        if (FileExists(m_strSignPath, FALSE))
            ::DeleteFileW(m_strSignPath.GetString());
    } else if (m_bPicked) {
        FreePicture();
        // The picked picture replaces the signature in one step; when it cannot, the old one stays.
        if (!::MoveFileExW(m_strWorkPath.GetString(), m_strSignPath.GetString(), MOVEFILE_REPLACE_EXISTING))
            g_ApplicationLog.Log(4, L"CApprovalSignDlg::ProcOK() signature not replaced (%lu)", ::GetLastError());
        m_bPicked = 0;
    }
    CloseDialog();
}

void CApprovalSignDlg::RetireWhenChosen()
{
    m_bRetired = TRUE;
    CloseDialog();
    // The chooser is a window of this thread owned by this one: asked to close, it cancels.
    ::EnumThreadWindows(::GetCurrentThreadId(),
                        [](HWND hWnd, LPARAM owner) -> BOOL {
                            if (::GetWindow(hWnd, GW_OWNER) == (HWND)owner)
                                ::PostMessageW(hWnd, WM_CLOSE, 0, 0);
                            return TRUE;
                        },
                        (LPARAM)GetSafeHwnd());
}

void CApprovalSignDlg::PostNcDestroy()
{
    CMyBaseDialog::PostNcDestroy();
    if (m_bRetired)
        delete this;
}

void CApprovalSignDlg::CloseDialog()
{
    FreePicture();
    if (IsWindowVisible())
        ShowWindow(SW_HIDE);
}

void CApprovalSignDlg::OnDrawExtra(CDC* pDC, CRect)
{
    if (m_pCanvas && m_bDrawingMode)
        m_pCanvas->Draw(pDC);
}

bool CApprovalSignDlg::IsOnCanvas(CPoint point) const
{
    return m_bDrawingMode && m_pCanvas && ::PtInRect(&m_pCanvas->GetRect(), point);
}

void CApprovalSignDlg::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_bDrawingMode && m_pCanvas)
        m_pCanvas->OnLButtonDown(point);
    // A press that starts a stroke is the pen's: it must not also start dragging the window.
    if (IsOnCanvas(point))
        return;
    CMyBaseDialog::OnLButtonDown(nFlags, point);
}

void CApprovalSignDlg::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bDrawingMode && m_pCanvas)
        m_pCanvas->OnMouseMove(point);
    CMyBaseDialog::OnMouseMove(nFlags, point);
}

void CApprovalSignDlg::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bDrawingMode && m_pCanvas)
        m_pCanvas->OnLButtonUp(point);
    CMyBaseDialog::OnLButtonUp(nFlags, point);
}

void CApprovalSignDlg::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kTimerRetire) {
        KillTimer(kTimerRetire);
        DestroyWindow();
        return;
    }
    if (nIDEvent == kTimerHideFail) {
        KillTimer(kTimerHideFail);
        if (m_pTextFail) {
            m_pTextFail->m_nVisible = 0;
            InvalidateRect(&m_pTextFail->m_rcObject, FALSE);
        }
        return;
    }
    CMyBaseDialog::OnTimer(nIDEvent);
}
