#pragma once
// The stand-alone approval window and the electronic-signature info dialog: plain dialogs with
// skinned buttons over a bitmap background, which no screen of the client opens.
#include "platform/Bitmap.h"
#include "platform/Dialog.h"
#include "platform/Static.h"
#include "ui/controls/xSkinButton.h"

namespace Gdiplus {
class Image;
}

// The resize corner of a press within 10 pixels of a corner of the client rectangle, else
// HTCAPTION (the window is dragged).
LRESULT ApprovalWindowHitCode(CPoint pt, const CRect& rcClient);

class CApprovalDlg : public CDialog {
public:
    explicit CApprovalDlg(CWnd* pParent = nullptr);
    ~CApprovalDlg() override;

    // Set before DoModal: the two texts side by side, the text below them and a picture (taken
    // only when the file exists).
    void SetContent(const CString& strText1, const CString& strText2, const CString& strText3,
                    const CString& strImagePath);
    BOOL HasImage() const { return m_pImage != nullptr; }

    BOOL OnInitDialog() override;

    CxSkinButton m_btnClose, m_btnOK, m_btnCancel;
    CStatic m_stcText1, m_stcText2, m_stcText3;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnCloseButton();
    DECLARE_MESSAGE_MAP()

private:
    CString m_strText[3];
    Gdiplus::Image* m_pImage = nullptr;
    CBitmap m_bmpBack;
};

class CApprovalSignInfoDlg : public CDialog {
public:
    // strSignPath: the user's signature file.
    explicit CApprovalSignInfoDlg(const CString& strSignPath, CWnd* pParent = nullptr);
    ~CApprovalSignInfoDlg() override;

    BOOL OnInitDialog() override;
    // Saves a copy of the signature under a name the user chooses; TRUE when it was written.
    BOOL SaveSignatureAs();
    // Encrypts or decrypts a file the user chooses into a file he names; 0 on success, else the
    // cipher's error (shown as a message).
    int CipherChosenFile(bool bEncrypt);
    BOOL HasSignature() const { return m_pImage != nullptr; }

    // Seam of the support menu's launches (tests).
    typedef void (*PFN_LAUNCH)(const CString& strFile, const CString& strParams);
    typedef UINT (*PFN_CHOOSE)(HMENU hMenu);
    static void SetSupportSeamsForTest(PFN_CHOOSE pfnChoose, PFN_LAUNCH pfnLaunch);

    CxSkinButton m_btnClose, m_btnSave, m_btnEnd;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnSave();
    afx_msg void OnEnd();
    DECLARE_MESSAGE_MAP()

private:
    CString m_strSignPath;
    Gdiplus::Image* m_pImage = nullptr;
    CBitmap m_bmpBack;
};
