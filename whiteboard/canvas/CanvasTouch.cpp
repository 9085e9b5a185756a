#include "whiteboard/canvas/CanvasTouch.h"

#include <cstdlib>

namespace {
// The signature Windows puts in the extra information of mouse messages made from pen and touch
// input, and the bit that marks touch.
const ULONG_PTR kPenTouchSignatureMask = 0xFFFFFF00;
const ULONG_PTR kPenTouchSignature = 0xFF515700;
const ULONG_PTR kTouchBit = 0x80;
}  // namespace

int CCanvasTouch::MouseEventSource(ULONG_PTR extraInfo)
{
    if ((extraInfo & kPenTouchSignatureMask) == kPenTouchSignature)
        return (extraInfo & kTouchBit) ? kMouseFromTouch : kMouseFromPen;
    return kMouseFromMouse;
}

int CCanvasTouch::PaletteMode(BOOL penInput, int tool, int lineType)
{
    if (!penInput)
        return 0;
    if (tool == 3)
        return 11;
    static const int byLineType[6] = {1, 6, 7, 8, 9, 10};
    return lineType >= 1 && lineType <= 6 ? byLineType[lineType - 1] : 0;
}

UINT_PTR CCanvasTouch::FlickTimer(int direction, const RECT& page, int clientWidth)
{
    if (direction > 0 && page.right < clientWidth)
        return 4001;
    if (direction < 0 && page.left > 0)
        return 4002;
    return 0;
}

BOOL CCanvasTouch::PenInputDown(int count, BOOL pen, POINT point, DWORD now, int paletteMode, int& mode)
{
    m_bMultiTouch = count > 1;
    if (count == 1) {
        if (pen) {
            if (mode == 0)
                mode = paletteMode;
            m_nPointerType = kPointerPen;
        } else {
            mode = 0;
            m_nPointerType = kPointerTouch;
            m_dwTouchDownTick = now;
            m_ptTouchDown = point;
        }
    }
    m_bTouchDown = TRUE;
    return TRUE;
}

BOOL CCanvasTouch::PenInputMove(int count, int paletteMode, int& mode)
{
    if (!m_bTouchDown && count == 1 && !m_bMultiTouch && mode == 0)
        mode = paletteMode;
    return !(m_bMultiTouch && mode != 0);
}

BOOL CCanvasTouch::PenInputUp(int count, POINT point, DWORD now, int mode, UINT_PTR& flickTimer)
{
    flickTimer = 0;
    if (count == 1) {
        const BOOL fingerDown = m_nPointerType == kPointerTouch;
        m_nPointerType = kPointerNone;
        m_bTouchDown = FALSE;
        if (!m_bMultiTouch && fingerDown && now - m_dwTouchDownTick <= kFlickMs) {
            const int travel = m_ptTouchDown.x - point.x;
            if (travel > kFlickDistance)
                flickTimer = 4001;
            else if (travel < -kFlickDistance)
                flickTimer = 4002;
        }
    }
    if (m_bMultiTouch && mode != 0)
        return FALSE;
    if (count == 1)
        m_bMultiTouch = FALSE;
    return TRUE;
}

BOOL CCanvasTouch::PassSkip()
{
    if (m_nSkip > 0) {
        --m_nSkip;
        return FALSE;
    }
    m_nSkip = m_nSensitive;
    return TRUE;
}

BOOL CCanvasTouch::TakePoint(POINT point, int trembling)
{
    if (!PassSkip())
        return FALSE;
    if (point.x == m_ptLast.x && point.y == m_ptLast.y)
        return FALSE;
    if (trembling >= 0 && std::abs(point.x - m_ptLast.x) <= trembling
        && std::abs(point.y - m_ptLast.y) <= trembling)
        return FALSE;
    m_ptLast = point;
    return TRUE;
}
