#pragma once
// CMemDCEX2: the double buffer of the skinned combo box's paint: drawing goes to an off-screen
// bitmap over the rectangle (in the target's coordinates, starting white) and is copied to the
// target when the object goes; a printing target is drawn on directly. The same buffer as the
// owner-drawn lists' memory DC.
#include "ui/skin/MyMemDC.h"

class CMemDCEX2 : public CMyMemDC {
public:
    CMemDCEX2(CDC* pDC, const RECT& rect) : CMyMemDC(pDC, RGB(255, 255, 255), &rect) {}
};
