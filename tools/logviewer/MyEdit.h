#pragma once
// An edit that selects all its text with Ctrl+A.
#include "platform/UI.h"

class CMyEdit : public CEdit {
public:
    CMyEdit() = default;

protected:
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()
};
