#pragma once
// SKIN_OBJECT: one object of a skin screen: its skin attributes, one part per object type, its
// custom entries, and the run-time state that layout, painting and input keep in it.
#include <windows.h>

#include "platform/CString.h"
#include "platform/Geometry.h"
#include "ui/skin/DataCustomList.h"
#include "ui/skin/SkinButton.h"
#include "ui/skin/SkinCombo.h"
#include "ui/skin/SkinDate.h"
#include "ui/skin/SkinEdit.h"
#include "ui/skin/SkinImagePart.h"
#include "ui/skin/SkinText.h"

class CWnd;

// Object types (TYPE).
enum : int {
    SKINTYPE_NULL = 0,
    SKINTYPE_BUTTON = 1,
    SKINTYPE_MAP = 2,
    SKINTYPE_THUMBNAIL = 3,
    SKINTYPE_ZOOM = 4,
    SKINTYPE_TEXT = 5,
    SKINTYPE_IMAGE = 6,
    SKINTYPE_LIST = 7,
    SKINTYPE_VIDEO = 8,
    SKINTYPE_WEB = 9,
    SKINTYPE_FLASH = 10,
    SKINTYPE_DATE = 11,
    SKINTYPE_TIME = 12,
    SKINTYPE_KEYBOARD = 13,
    SKINTYPE_TIMER = 14,
    SKINTYPE_CUSTOM = 15,
    SKINTYPE_EDIT = 16,
    SKINTYPE_COMBO = 17,
};

// Drawing states; a four-strip state image holds them side by side in this order.
enum : int { SKINSTATE_NORMAL = 0, SKINSTATE_OVER = 1, SKINSTATE_DIM = 2, SKINSTATE_DOWN = 3 };

struct SKIN_OBJECT {
    int m_nId = 0;
    int m_nIndex = 0;
    CString m_strName;
    int m_nScreenIdx = 0;
    int m_nParentIdx = 0;
    int m_nType = SKINTYPE_NULL;
    CRect m_rcObject;               // current rectangle in the owner's client coordinates
    int m_nFlexMode = 0;            // flex mode of the container that last placed it
    int m_nRound = 0;
    int m_nAlign[4] = {0, 0, 0, 0}; // ALIGNLTRB: modes of left, top, right, bottom
    int m_nAlignIdxL = 0;
    int m_nAlignIdxT = 0;
    int m_nAlignIdxR = 0;
    int m_nAlignIdxB = 0;
    int m_nMaxWidth = 0;
    int m_nMaxHeight = 0;
    int m_nVisible = 1;
    int m_nGone = 0;
    int m_nTopMost = 0;
    int m_nFillPercent = -1;
    CString m_strColor;
    int m_nBorderSize = 0;
    CString m_strBorderColor;
    int m_nMargin = 0;
    int m_nMarginL = 0;
    int m_nMarginT = 0;
    int m_nMarginR = 0;
    int m_nMarginB = 0;
    CString m_strMarginColor;
    CString m_strMarginColorL;
    CString m_strMarginColorT;
    CString m_strMarginColorR;
    CString m_strMarginColorB;
    int m_nPadding = 0;
    int m_nPaddingL = 0;
    int m_nPaddingT = 0;
    int m_nPaddingR = 0;
    int m_nPaddingB = 0;
    SKIN_BUTTON m_button;
    SKIN_TEXT m_text;
    SKIN_IMAGEPART m_image;
    SKIN_DATE m_date;
    CDataCustomList m_custom;
    SKIN_EDIT m_edit;
    SKIN_COMBO m_combo;
    int m_nControlId = 0;
    int m_bShown = 1;
    COLORREF m_clrColor = 0;
    COLORREF m_clrBorder = 0;
    COLORREF m_clrMargin = 0;
    COLORREF m_clrMarginL = 0;
    COLORREF m_clrMarginT = 0;
    COLORREF m_clrMarginR = 0;
    COLORREF m_clrMarginB = 0;
    int m_nState = -1;              // -1 follows the mouse; else a fixed state (2 disabled)
    int m_bClickWhenDisabled = 0;
    int m_nHover = 0;               // 0 normal, 1 over, 3 over while pressed
    int m_bPressed = 0;
    CRect m_rcSkin;                 // RECT as loaded
    float m_fScale = 1.0f;          // scale of margins and paddings

    SKIN_OBJECT();
    SKIN_OBJECT(const SKIN_OBJECT& other) : SKIN_OBJECT() { *this = other; }
    // Everything but m_fScale and m_nFlexMode, which stay the destination's; the copy's DATE and
    // COMBO parts point at the copy.
    SKIN_OBJECT& operator=(const SKIN_OBJECT& other);

    // Margins (own side, else MARGIN) times m_fScale; nothing when all are 0.
    void DeflateByMargin(RECT& rc) const;
    void DeflateByPadding(RECT& rc) const;
    // Margins, then BORDERSIZE (not scaled).
    void DeflateToBorderInside(RECT& rc) const;
    // Margins, BORDERSIZE, paddings.
    void DeflateToContent(RECT& rc) const;
    void GetContentRect(RECT& rcOut, const POINT* pOffset) const;
    // One side's margin or padding, before scaling.
    int MarginL() const { return m_nMarginL ? m_nMarginL : m_nMargin; }
    int MarginT() const { return m_nMarginT ? m_nMarginT : m_nMargin; }
    int MarginR() const { return m_nMarginR ? m_nMarginR : m_nMargin; }
    int MarginB() const { return m_nMarginB ? m_nMarginB : m_nMargin; }
    int PaddingL() const { return m_nPaddingL ? m_nPaddingL : m_nPadding; }
    int PaddingT() const { return m_nPaddingT ? m_nPaddingT : m_nPadding; }
    int PaddingR() const { return m_nPaddingR ? m_nPaddingR : m_nPadding; }
    int PaddingB() const { return m_nPaddingB ? m_nPaddingB : m_nPadding; }

    void SetText(CWnd* pWnd, const CString& strText, BOOL bRepaint);
    void SetEditText(CWnd* pWnd, const CString& strText, BOOL bRepaint);
    void SetColor(const CString& strColor);
    CString GetCustomValue(const CString& strName) const { return m_custom.GetValue(strName); }
    SKIN_CUSTOM* FindCustom(const CString& strName) const { return m_custom.FindByName(strName); }
    SKIN_CUSTOM* CopyCustom(const CString& strName, SKIN_CUSTOM& out) const { return m_custom.CopyByName(strName, out); }
    void ReleaseImages();
    // -1 enables (the state follows the mouse), disabling pins state 2.
    void Enable(CWnd* pWnd, BOOL bEnable);
    CString Dump() const;
    // The drawing state: m_nState when pinned, else the mouse state.
    int GetDrawState() const { return m_nState != -1 ? m_nState : m_nHover; }
    bool IsEnabledForClick() const { return m_nState == -1; }
};
