#include "screens/login/FaceBitmap.h"

void DrawFaceBitmap(CDC* pDC, CBitmap& bitmap, const CRect& rect)
{
    if (!bitmap.GetSafeHandle()) return;
    BITMAP info{};
    bitmap.GetBitmap(&info);
    CDC mem;
    mem.CreateCompatibleDC(pDC);
    CBitmap* old = mem.SelectObject(&bitmap);
    pDC->SetStretchBltMode(COLORONCOLOR);
    pDC->StretchBlt(rect.left, rect.top, rect.Width(), rect.Height(), &mem, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
    mem.SelectObject(old);
}
