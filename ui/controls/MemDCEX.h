#pragma once
// CMemDCEX: an off-screen surface over a rectangle of a target DC. Its own DrawText and
// FillSolidRect take target coordinates; every other drawing call takes surface coordinates
// (target coordinates minus the rectangle's top-left corner). Nothing reaches the target until
// Flush; an object destroyed without Flush leaves the target untouched.
#include "platform/DC.h"

class CMemDCEX : public CDC {
public:
    CMemDCEX(CDC* pDC, const CRect* pRect);
    ~CMemDCEX() override;
    CMemDCEX(const CMemDCEX&) = delete;
    CMemDCEX& operator=(const CMemDCEX&) = delete;

    int DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat);
    int DrawText(const CString& str, LPRECT lpRect, UINT nFormat) { return DrawText(str.GetString(), str.GetLength(), lpRect, nFormat); }
    void FillSolidRect(LPCRECT lpRect, COLORREF clr);
    // Copies the whole surface to the target at the rectangle's corner and frees the surface.
    void Flush(DWORD dwRop);
    BOOL IsFlushed() const { return m_pBitmap == nullptr; }

    CMemDCEX* operator->() { return this; }

private:
    void ReleaseSurface();

    CBitmap* m_pBitmap = nullptr;
    CBitmap* m_pOldBitmap = nullptr;
    CDC* m_pDC;
    CRect m_rect;
};
