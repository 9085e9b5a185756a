#pragma once
// CStaticTab: a picture label acting as one tab of a tab row: the hover picture while the
// pointer rests on a tab that is not the current one, and on leaving the selected or the normal
// picture by whether it is the current tab (a value the screen owns and shares).
#include "platform/Static.h"

class CStaticTab : public CStatic {
public:
    CStaticTab() = default;
    ~CStaticTab() override;

    void SetTab(int* pCurrentTab, int nValue, UINT nSelected, UINT nNormal, UINT nHover);
    // The picture id on show (0 before the pointer first came).
    UINT GetShownBitmap() const { return m_nShown; }

protected:
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg LRESULT OnMouseHover(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void ShowBitmap(UINT nId);

    int* m_pCurrentTab = nullptr;
    UINT m_nNormal = 0;
    UINT m_nSelected = 0;
    UINT m_nHover = 0;
    int m_nValue = 0;
    UINT m_nShown = 0;
};
