#include "tools/logviewer/MyEdit.h"

BEGIN_MESSAGE_MAP(CMyEdit, CEdit)
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

void CMyEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == 'A' && (::GetKeyState(VK_CONTROL) & 0x8000)) SetSel(0, -1);
    CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}
