#pragma once
// CAttendeeListCtrl and CAttendeeDetailPopup: the owner-drawn attendee list and the small profile
// card of the meeting screen's information panel. Each row shows presence, name, position and
// department, a state icon and, in a type-14 meeting, the confirmation mark; a click reports the
// row to the owner, a press on a row's state icon may hand the presentation over.
#include <memory>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/ImageList.h"
#include "platform/ListCtrl.h"
#include "ui/controls/DialogPopupBase.h"
#include "ui/skin/SkinScreen.h"

struct S_ATTENDEE_ROW {
    int userIdnfr = 0;
    int presence = 0;          // 1: present
    CString name;
    CString position;
    CString dept;
    int iconCount = 0;         // state icons shown (0: none)
    int iconState = 0;         // 0 normal, 1 hover, 2 pressed
    CRect rcIcon;              // computed while drawing
    int roleFlag = 0;          // the attendee's flag (presenter)
    CString confirmYn;
    std::vector<int> subFlags; // the first entry's flag colours the name
};

class CAttendeeListCtrl : public CListCtrl {
public:
    enum { ROW_HEIGHT = 48, ROW_WIDTH = 254 };
    CAttendeeListCtrl() = default;
    ~CAttendeeListCtrl() override;

    void SetOwnerWnd(CWnd* pOwner) { m_pOwner = pOwner; }
    // The list owns the record from here on.
    int AddRow(S_ATTENDEE_ROW* pRow);
    void DeleteAllRows();
    S_ATTENDEE_ROW* GetRow(int nRow) const;
    // The state icon's rectangle and the colour state of its tooltip: 0 none, 1 may hand over,
    // 2 already the presenter.
    int GetRowTipInfo(int nRow, CRect* pIcon) const;
    void InvalidateList() { Invalidate(); }
    // The row's name colour (for tests and the painter).
    static COLORREF NameColour(const S_ATTENDEE_ROW& row);

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnCustomDraw(NMHDR* pNotify, LRESULT* pResult);
    afx_msg void OnClick(NMHDR* pNotify, LRESULT* pResult);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

private:
    void DrawRow(CDC* pDC, int nRow, const CRect& rcRow);
    void ResetStates();

    CImageList m_imageRow;
    CWnd* m_pOwner = nullptr;
    int m_nPressedRow = -1;
};

class CAttendeeDetailPopup : public CDialogPopupBase {
public:
    CAttendeeDetailPopup(CWnd* pParent, int x, int y, const CString& strTitle);
    BOOL OnInitDialog() override;
    void SetProfile(const CString& strName, const CString& strPosition, const CString& strDept,
                    const CString& strEmail, const CString& strOffice, const CString& strMobile);
    SKIN_SCREEN& GetScreen() { return m_Screen; }

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

private:
    SKIN_SCREEN m_Screen;
    CString m_strFields[6];
};
