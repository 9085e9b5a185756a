#include "platform/Dialog.h"

#include "platform/ResourceHandle.h"
#include "platform/UiState.h"
#include "platform/WinApp.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_MESSAGE(WM_INITDIALOG, &CDialog::HandleInitDialog)
    ON_COMMAND(IDOK, &CDialog::OnOK)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

namespace {

// The dialog manager's procedure; everything reaches the object through the window procedure
// first, so this only answers "not handled".
INT_PTR CALLBACK ZelDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

} // namespace

CDialog::CDialog() = default;

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_lpszTemplateName(MAKEINTRESOURCEW(nIDTemplate)), m_pParentWnd(pParentWnd)
{
}

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
    : m_lpszTemplateName(lpszTemplateName), m_pParentWnd(pParentWnd)
{
}

CDialog::~CDialog() = default;

LPCDLGTEMPLATE CDialog::FindTemplate(LPCTSTR name) const
{
    HINSTANCE module = AfxGetResourceHandle();
    HRSRC found = ::FindResourceW(module, name, RT_DIALOG);
    if (!found) return nullptr;
    HGLOBAL loaded = ::LoadResource(module, found);
    return loaded ? static_cast<LPCDLGTEMPLATE>(::LockResource(loaded)) : nullptr;
}

BOOL CDialog::CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, HWND hWndParent, HINSTANCE hInst)
{
    if (m_hWnd || !lpDialogTemplate) return FALSE;
    HookCreation();
    HWND hWnd = ::CreateDialogIndirectParamW(hInst, lpDialogTemplate, hWndParent, ZelDialogProc, 0);
    UnhookCreation();
    return hWnd != nullptr;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    return Create(MAKEINTRESOURCEW(nIDTemplate), pParentWnd);
}

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
{
    m_lpszTemplateName = lpszTemplateName;
    return CreateIndirect(FindTemplate(lpszTemplateName), pParentWnd);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, void*)
{
    if (pParentWnd) m_pParentWnd = pParentWnd;
    return CreateDlgIndirect(lpDialogTemplate, m_pParentWnd->GetSafeHwnd(), AfxGetResourceHandle());
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, void*)
{
    m_lpDialogTemplate = lpDialogTemplate;
    m_lpszTemplateName = nullptr;
    if (pParentWnd) m_pParentWnd = pParentWnd;
    return lpDialogTemplate != nullptr;
}

HWND CDialog::FindModalOwner() const
{
    HWND owner = m_pParentWnd->GetSafeHwnd();
    const bool given = owner != nullptr;
    if (!given) owner = AfxGetMainWnd()->GetSafeHwnd();
    // A pop-up cannot be owned by a child window.
    while (owner && (::GetWindowLongPtrW(owner, GWL_STYLE) & WS_CHILD)) owner = ::GetParent(owner);
    // Without a given parent the dialog goes above whatever pop-up of the main window is active
    // (an outer modal dialog, say).
    if (!given && owner) owner = ::GetLastActivePopup(owner);
    return owner;
}

INT_PTR CDialog::RunModalAround(HWND owner, LPCDLGTEMPLATE lpDialogTemplate)
{
    bool enableOwner = false;
    if (owner && ::IsWindowEnabled(owner)) {
        ::EnableWindow(owner, FALSE);
        enableOwner = true;
    }
    m_nModalResult = -1;
    m_nFlags |= kFlagContinueModal;
    if (lpDialogTemplate ? CreateDlgIndirect(lpDialogTemplate, owner, AfxGetResourceHandle()) : m_hWnd != nullptr) {
        // OnInitDialog may already have ended the dialog.
        if (m_nFlags & kFlagContinueModal) RunModalLoop(MLF_SHOWONIDLE);
        if (m_hWnd)
            ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                           SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    m_nFlags &= ~kFlagContinueModal;
    // Enable the owner before the dialog goes, so that activation returns to it.
    if (enableOwner) ::EnableWindow(owner, TRUE);
    if (owner && m_hWnd && ::GetActiveWindow() == m_hWnd) ::SetActiveWindow(owner);
    if (m_hWnd) DestroyWindow();
    return m_nModalResult;
}

INT_PTR CDialog::DoModal()
{
    LPCDLGTEMPLATE dialogTemplate = m_lpszTemplateName ? FindTemplate(m_lpszTemplateName) : m_lpDialogTemplate;
    if (!dialogTemplate) {
        zel::TraceError(L"CDialog::DoModal", L"dialog template not found");
        return -1;
    }
    const HWND owner = FindModalOwner();
    return RunModalAround(owner, dialogTemplate);
}

INT_PTR CDialog::RunModalCreated()
{
    if (!m_hWnd) return -1;
    // The application's main window may be this very dialog: it cannot own itself.
    HWND owner = FindModalOwner();
    if (owner == m_hWnd || (owner && ::GetAncestor(owner, GA_ROOTOWNER) == m_hWnd)) owner = nullptr;
    return RunModalAround(owner, nullptr);
}

void CDialog::EndDialog(int nResult)
{
    if (m_nFlags & (kFlagModalLoop | kFlagContinueModal)) {
        // DoModal hides the window and gives the owner back when the loop has ended.
        EndModalLoop(nResult);
        return;
    }
    // A modeless dialog is hidden, as the system's dialogs are.
    m_nModalResult = nResult;
    if (m_hWnd) ::EndDialog(m_hWnd, nResult);
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    return OnInitDialog();
}

BOOL CDialog::OnInitDialog()
{
    // DoDataExchange binds (subclasses) the controls it names.
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg)) return TRUE;
    // Esc in a multi-line edit would otherwise be swallowed by the edit.
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_ESCAPE || pMsg->wParam == VK_CANCEL) &&
        (::GetWindowLongPtrW(pMsg->hwnd, GWL_STYLE) & ES_MULTILINE)) {
        wchar_t className[16] = {};
        ::GetClassNameW(pMsg->hwnd, className, 15);
        HWND cancel = ::GetDlgItem(m_hWnd, IDCANCEL);
        if (lstrcmpiW(className, L"Edit") == 0 && (!cancel || ::IsWindowEnabled(cancel))) {
            ::SendMessageW(m_hWnd, WM_COMMAND, IDCANCEL, 0);
            return TRUE;
        }
    }
    return PreTranslateInput(pMsg);
}

BOOL CDialog::PreTranslateInput(MSG* pMsg)
{
    const UINT message = pMsg->message;
    const bool keyboard = message >= WM_KEYFIRST && message <= WM_KEYLAST;
    const bool mouse = message >= WM_MOUSEFIRST && message <= WM_MOUSELAST;
    if (!keyboard && !mouse) return FALSE;
    return ::IsDialogMessageW(m_hWnd, pMsg);
}
