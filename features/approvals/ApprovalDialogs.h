#pragma once
// Approving or rejecting a meeting's document with a signature: the confirmation the board shows
// before the decision is sent, and the signature window in which the user draws a signature or
// picks a picture, kept as the user's signature file on this computer.
#include <memory>

#include "ui/skin/MyBaseDialog.h"

class CPenCanvas;

class CApprovalConfirmDlg : public CMyBaseDialog {
public:
    explicit CApprovalConfirmDlg(CWnd* pParent = nullptr);

    // bApprove: 1 approval, 0 rejection.
    void SetConfirmInfo(const CString& strName, const CString& strImagePath, int bApprove);
    BOOL OnInitDialog() override;
    int OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject) override;

protected:
    void OnOK() override {}
    void OnCancel() override { EndDialog(IDCANCEL); }

private:
    CString m_strName;
    CString m_strImagePath;
    int m_bApprove = 1;
};

// The board's approval confirmation as the program runs it: modal over the owner, one at a time
// (asked again while one is open, it answers IDCANCEL). IDOK when the user confirmed.
INT_PTR RunApprovalConfirmation(CWnd* pOwner, const CString& strSigner, const CString& strImagePath, BOOL bApprove);
// The confirmation running now, if any, ends as cancelled (the main window closes what is open).
void EndApprovalConfirmation();

// The signature file is the main dialog's GetSignDataPath ("<application-data folder><user
// id>\signdata"): one per user and computer, any picture GDI+ opens, without an extension.
class CApprovalSignDlg : public CMyBaseDialog {
public:
    CApprovalSignDlg(const CString& strSignPath, CWnd* pParent = nullptr);
    ~CApprovalSignDlg() override;

    // Creates the hidden window (owner: the main dialog).
    BOOL CreateSignWindow(CWnd* pOwner);
    void PlaceNearMainWindow();
    // Shows the stored signature when there is one, else starts in drawing mode.
    void LoadSignFile();
    void ShowAndActivate();
    // 1 when the picture at the path loaded with a width.
    int SetSignFile(const CString& strPath);

    int IsDrawingMode() const { return m_bDrawingMode; }
    int IsPicked() const { return m_bPicked; }
    CPenCanvas* GetCanvas() const { return m_pCanvas.get(); }
    const CString& GetWorkingCopyPath() const { return m_strWorkPath; }

    BOOL OnInitDialog() override;
    int OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject) override;
    void OnDrawExtra(CDC* pDC, CRect rc) override;

    void ProcAdd();
    void ProcDel();
    void ProcOK();
    void CloseDialog();

    // The file chooser of "btnAdd" runs (its call is on this window's stack).
    BOOL IsChoosingFile() const { return m_bChoosing; }
    // The window is done with while its chooser runs: it hides at once, the chooser is closed,
    // and once the chooser's call has returned the window destroys and deletes itself without
    // taking the chosen file. Whoever held it lets go of it.
    void RetireWhenChosen();

protected:
    void OnOK() override {}
    void OnCancel() override { CloseDialog(); }
    void PostNcDestroy() override;
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

private:
    bool IsOnCanvas(CPoint point) const;
    void FreePicture();
    void RepaintPicture();

    SKIN_OBJECT* m_pTextFail = nullptr;
    SKIN_OBJECT* m_pImage = nullptr;
    CString m_strDefaultPicture;
    CString m_strSignPath;
    CString m_strWorkPath;
    int m_bDrawingMode = 1;
    int m_bPicked = 0;
    BOOL m_bChoosing = FALSE;
    BOOL m_bRetired = FALSE;
    std::unique_ptr<CPenCanvas> m_pCanvas;
};
