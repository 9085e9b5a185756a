#pragma once
// CProfileDlg: the small card with one attendee's photo, name, position, department, e-mail,
// office and mobile numbers. The attendee panel owns one; Esc and the close button only hide it.
#include "ui/skin/MyBaseDialog.h"

namespace Gdiplus {
class Image;
}

struct _PROFILE_INFO {
    int userIdnfr = 0;
    CString sawonNo;
    CString name;
    CString email;
    CString position;
    CString deptName;
    CString phoneNumber;
    CString officeTel;
    Gdiplus::Image* photo = nullptr;   // not owned by the record
};

class CProfileDlg : public CMyBaseDialog {
public:
    explicit CProfileDlg(CWnd* pParent);
    ~CProfileDlg() override;

    BOOL OnInitDialog() override;
    // The photo (when the record has one) is copied; without one the card keeps the last.
    void SetProfile(const _PROFILE_INFO& info, int nUnused = 0);
    // Shown beside its owner the first time (bPlace), else where it was.
    void Show(BOOL bPlace);
    void Hide();
    int OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject) override;
    void OnDrawExtra(CDC* pDC, CRect rc) override;
    BOOL HasPhoto() const { return m_pPhoto != nullptr; }
    CString GetFieldText(const wchar_t* pszObject) const;

protected:
    void OnOK() override {}
    void OnCancel() override { Hide(); }

private:
    Gdiplus::Image* m_pPhoto = nullptr;
};
