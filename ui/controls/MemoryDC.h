#pragma once
// CMemoryDC: one paint redirected into an off-screen bitmap that follows the target's mapping
// (mode, extents), so callers draw in the target's logical coordinates; it is filled with the
// target's background colour and copied back when the object goes. A printer DC is drawn on
// directly and left to its owner.
#include "ui/skin/MyMemDC.h"

class CMemoryDC : public CMyMemDC {
public:
    // Without a rectangle, the target's clip box.
    explicit CMemoryDC(CDC* pDC, const CRect* pRect = nullptr) : CMyMemDC(pDC, pDC->GetBkColor(), pRect) {}

    CMemoryDC* operator->() { return this; }
    operator CMemoryDC*() { return this; }
};
