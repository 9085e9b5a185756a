// Control notifications reflected to the control objects, control colours, owner-drawn buttons
// and owner-drawn menu items routed to their CMenu object.
#include "platform/UI.h"

#include <gtest/gtest.h>

#include "tests/platform/UiTestSupport.h"

namespace {

const UINT kIdEdit = 10;
const UINT kIdStatic = 11;
const UINT kIdButton = 12;
const COLORREF kStaticBack = RGB(20, 120, 220);
const COLORREF kButtonFace = RGB(230, 200, 10);

class CParentWnd : public CWnd {
public:
    int m_parentChanges = 0;
    int m_parentNotifies = 0;
    BOOL CreateTopLevel()
    {
        return CreateEx(0, nullptr, L"parent", WS_POPUP | WS_VISIBLE, 30, 30, 300, 200, nullptr, nullptr);
    }
protected:
    afx_msg void OnEditChange() { ++m_parentChanges; }
    afx_msg void OnClickNotify(NMHDR*, LRESULT* pResult)
    {
        ++m_parentNotifies;
        *pResult = 1;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CParentWnd, CWnd)
    ON_EN_CHANGE(kIdEdit, &CParentWnd::OnEditChange)
    ON_NOTIFY(NM_CLICK, kIdStatic, &CParentWnd::OnClickNotify)
END_MESSAGE_MAP()

// Takes EN_CHANGE for itself; with 'passOn' it lets the parent see it too.
class CReflectingEdit : public CEdit {
public:
    explicit CReflectingEdit(bool passOn) : m_passOn(passOn) {}
    int m_changes = 0;
protected:
    afx_msg BOOL OnChange()
    {
        ++m_changes;
        return !m_passOn;
    }
    DECLARE_MESSAGE_MAP()
private:
    bool m_passOn;
};

BEGIN_MESSAGE_MAP(CReflectingEdit, CEdit)
    ON_CONTROL_REFLECT_EX(EN_CHANGE, &CReflectingEdit::OnChange)
END_MESSAGE_MAP()

TEST(UiReflection, CommandNotificationGoesToTheControlFirst)
{
    for (bool passOn : { false, true }) {
        CParentWnd parent;
        ASSERT_TRUE(parent.CreateTopLevel());
        CReflectingEdit edit(passOn);
        ASSERT_TRUE(edit.Create(WS_VISIBLE | WS_BORDER, CRect(5, 5, 150, 25), &parent, kIdEdit));
        edit.SetWindowText(L"one");
        edit.SetWindowText(L"two");
        EXPECT_EQ(edit.m_changes, 2);
        EXPECT_EQ(parent.m_parentChanges, passOn ? 2 : 0);
    }
}

// A static control that chooses its own colours, and answers a click notification itself.
class CColourStatic : public CStatic {
public:
    CColourStatic() : m_brush(kStaticBack) {}
    int m_colourRequests = 0;
protected:
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor)
    {
        ++m_colourRequests;
        EXPECT_EQ(nCtlColor, (UINT)CTLCOLOR_STATIC);
        pDC->SetBkColor(kStaticBack);
        return m_brush;
    }
    afx_msg void OnReflectedClick(NMHDR*, LRESULT* pResult) { *pResult = 77; }
    DECLARE_MESSAGE_MAP()
private:
    CBrush m_brush;
};

BEGIN_MESSAGE_MAP(CColourStatic, CStatic)
    ON_WM_CTLCOLOR_REFLECT()
    ON_NOTIFY_REFLECT(NM_RCLICK, &CColourStatic::OnReflectedClick)
END_MESSAGE_MAP()

TEST(UiReflection, ControlColoursComeFromTheControlObject)
{
    CParentWnd parent;
    ASSERT_TRUE(parent.CreateTopLevel());
    CColourStatic label;
    ASSERT_TRUE(label.Create(L"", WS_VISIBLE, CRect(10, 40, 110, 90), &parent, kIdStatic));
    label.Invalidate();
    label.UpdateWindow();
    EXPECT_EQ(uitest::PixelWhenSettled(label.m_hWnd, 50, 25, kStaticBack), kStaticBack);
    EXPECT_GT(label.m_colourRequests, 0);
}

TEST(UiReflection, NotifyIsReflectedOrLeftToTheParent)
{
    CParentWnd parent;
    ASSERT_TRUE(parent.CreateTopLevel());
    CColourStatic label;
    ASSERT_TRUE(label.Create(L"", WS_VISIBLE, CRect(10, 40, 110, 90), &parent, kIdStatic));
    NMHDR header = { label.m_hWnd, kIdStatic, (UINT)NM_RCLICK };
    EXPECT_EQ(parent.SendMessage(WM_NOTIFY, kIdStatic, (LPARAM)&header), 77);
    EXPECT_EQ(parent.m_parentNotifies, 0);
    header.code = (UINT)NM_CLICK;
    EXPECT_EQ(parent.SendMessage(WM_NOTIFY, kIdStatic, (LPARAM)&header), 1);
    EXPECT_EQ(parent.m_parentNotifies, 1);
}

class COwnerDrawButton : public CButton {
public:
    int m_draws = 0;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override
    {
        ++m_draws;
        CDC* dc = CDC::FromHandle(lpDrawItemStruct->hDC);
        dc->FillSolidRect(&lpDrawItemStruct->rcItem, kButtonFace);
    }
};

TEST(UiReflection, OwnerDrawnButtonIsDrawnByItsObject)
{
    CParentWnd parent;
    ASSERT_TRUE(parent.CreateTopLevel());
    COwnerDrawButton button;
    ASSERT_TRUE(button.Create(L"", WS_VISIBLE | BS_OWNERDRAW, CRect(150, 40, 250, 80), &parent, kIdButton));
    button.Invalidate();
    button.UpdateWindow();
    EXPECT_EQ(uitest::PixelWhenSettled(button.m_hWnd, 50, 20, kButtonFace), kButtonFace);
    EXPECT_GT(button.m_draws, 0);
}

// A menu whose items are all owner-drawn, tracked by a window; a timer closes it once its items
// have been measured and drawn.
class COwnerDrawMenu : public CMenu {
public:
    int m_measured = 0;
    int m_drawn = 0;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override
    {
        ++m_measured;
        lpMeasureItemStruct->itemWidth = 80;
        lpMeasureItemStruct->itemHeight = 20;
    }
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override
    {
        ++m_drawn;
        CDC::FromHandle(lpDrawItemStruct->hDC)->FillSolidRect(&lpDrawItemStruct->rcItem, RGB(0, 128, 128));
    }
};

class CMenuOwnerWnd : public CParentWnd {
public:
    COwnerDrawMenu* m_pMenu = nullptr;
protected:
    afx_msg void OnTimer(UINT_PTR)
    {
        if ((m_pMenu->m_drawn > 0 && m_pMenu->m_measured > 0) || ++m_ticks > 100) {
            KillTimer(1);
            ::EndMenu();
        }
    }
    DECLARE_MESSAGE_MAP()
private:
    int m_ticks = 0;
};

BEGIN_MESSAGE_MAP(CMenuOwnerWnd, CParentWnd)
    ON_WM_TIMER()
END_MESSAGE_MAP()

TEST(UiReflection, OwnerDrawnMenuItemsReachTheirMenuObject)
{
    uitest::Watchdog watchdog;
    CMenuOwnerWnd owner;
    ASSERT_TRUE(owner.CreateTopLevel());
    CMenu top;
    ASSERT_TRUE(top.CreatePopupMenu());
    COwnerDrawMenu popup;
    ASSERT_TRUE(popup.CreatePopupMenu());
    popup.AppendMenu(MF_STRING, 501, L"first");
    popup.AppendMenu(MF_STRING, 502, L"second");
    for (UINT i = 0; i < popup.GetMenuItemCount(); ++i)
        popup.ModifyMenu(i, MF_BYPOSITION | MF_OWNERDRAW, popup.GetMenuItemID(i), (LPCTSTR)(UINT_PTR)(1000 + i));
    owner.m_pMenu = &popup;
    owner.SetForegroundWindow();
    owner.SetTimer(1, 30);
    CPoint at(60, 60);
    owner.ClientToScreen(&at);
    popup.TrackPopupMenu(TPM_LEFTALIGN | TPM_RETURNCMD, at.x, at.y, &owner);
    EXPECT_EQ(popup.m_measured, 2);
    EXPECT_GT(popup.m_drawn, 0);
    EXPECT_FALSE(watchdog.Fired());
}

}  // namespace
