#pragma once
// CMyMemDC: one paint of an owner-drawn list redirected into an off-screen bitmap over the paint
// rectangle (the clip box unless given), copied to the target when the object goes. The bitmap
// follows the target's mapping, so drawing uses the target's logical coordinates. A printer
// target is drawn on directly.
#include "platform/DC.h"

class CMyMemDC : public CDC {
public:
    CMyMemDC(CDC* pDC, COLORREF clrBack, const RECT* pRect = nullptr);
    ~CMyMemDC() override;
    CMyMemDC(const CMyMemDC&) = delete;
    CMyMemDC& operator=(const CMyMemDC&) = delete;

    CMyMemDC* operator->() { return this; }
    operator CMyMemDC*() { return this; }
    const CRect& GetRect() const { return m_rect; }
    BOOL IsMemory() const { return m_bMemDC; }

private:
    CBitmap m_bitmap;
    CBitmap* m_pOldBitmap = nullptr;
    CDC* m_pDC;
    CRect m_rect;
    BOOL m_bMemDC;
};
