#pragma once
// SKIN_SCREEN: a window's own copy of one named screen of the skin. It lays its objects out for
// a client size, paints them, hit-tests them and reports their events to its owner.
#include <windows.h>

#include "platform/CString.h"
#include "platform/Geometry.h"
#include "ui/skin/DataObjectList.h"
#include "ui/skin/SkinImage.h"

class CDC;
class CWnd;
struct SKIN_FONT;

namespace Gdiplus {
class Graphics;
class Image;
}

// Called with (owner, message 513/514/516/517, object, user data) for BUTTON objects; see
// OnLButtonDown and OnLButtonUp for what the result does to the walk.
typedef int (*SKIN_OBJECT_EVENT_CALLBACK)(CWnd* pOwner, UINT nMessage, SKIN_OBJECT* pObject, void* pUserData);
// Called after a toggle button changed its check state: the tooltip of the new state and the
// button's rectangle and ID.
typedef void (*SKIN_TOOLTIP_CALLBACK)(CWnd* pOwner, const CString& strText, int l, int t, int r, int b, int nId);

// Events posted (WM_USER + 665, lParam the object) by the controls of the objects.
const UINT WM_SKIN_OBJECT_EVENT = WM_USER + 665;
enum : int {
    SKINEVENT_EDIT_ENTER = 1296,
    SKINEVENT_EDIT_CHANGE = 1297,
    SKINEVENT_CALENDAR_MONTH = 1314,
    SKINEVENT_DATE_PICKED = 1315,
    SKINEVENT_AMPM_PICKED = 1316,
    SKINEVENT_HOUR_PICKED = 1317,
    SKINEVENT_MINUTE_PICKED = 1318,
    SKINEVENT_COMBO_CHOSEN = 1331,
};

struct SKIN_SCREEN {
    CWnd* m_pOwner = nullptr;
    COLORREF m_clrBack = 0;
    COLORREF m_clrOver = 0;
    COLORREF m_clrDown = 0;
    COLORREF m_clrDim = 0;
    COLORREF m_clrBorder = 0;
    int m_nId = 0;
    int m_nIndex = 0;
    CString m_strName;
    float m_fScale = 1.0f;
    CString m_strBgColor;
    CString m_strBgColorOver;
    CString m_strBgColorDown;
    CString m_strBgColorDim;
    CString m_strBgImage;       // resolved path
    CRect m_rcScreen;           // RECT, already scaled
    int m_nVisible = 1;
    int m_nBorderSize = 0;
    CString m_strBorderColor;
    int m_nMinCx = 0;
    int m_nMinCy = 0;
    int m_nRound = 0;
    CDataObjectList m_objects;
    SKIN_IMAGE m_image;
    CString m_strSelText;
    int m_nSelObjectId = 0;
    int m_nSelStart = -1;
    int m_nSelEnd = -1;
    bool m_bSelecting = false;

    SKIN_SCREEN() = default;
    SKIN_SCREEN(const SKIN_SCREEN& other) { *this = other; }
    SKIN_SCREEN& operator=(const SKIN_SCREEN& other);
    ~SKIN_SCREEN() { m_objects.RemoveAll(); }

    // Creation and look-up.
    SKIN_SCREEN* SetOwner(CWnd* pOwner)
    {
        m_pOwner = pOwner;
        return this;
    }
    // Copies the skin's screen of that name (when there is one), loads its images and makes the
    // windows of its EDIT and calendar objects.
    void LoadScreen(const CString& strName);
    SKIN_OBJECT* FindObject(const CString& strName) const { return m_objects.FindByName(strName); }
    SKIN_OBJECT* CopyObject(const CString& strName, SKIN_OBJECT& out) const { return m_objects.CopyByName(strName, out); }
    SKIN_OBJECT* FindObjectById(int nId) const { return m_objects.FindById(nId); }
    SKIN_OBJECT* GetObjectAt(int nPos) const { return m_objects.FindAtPos(nPos); }
    BOOL IsLive(const SKIN_OBJECT* pObject) const { return m_objects.IsLive(pObject); }
    void ReleaseImages();
    CString GetSkinPath() const;
    void SetDefaultFont(const SKIN_FONT& font);
    CString Dump() const;

    // Layout.
    void Layout(CWnd* pOwner, int cx, int cy);
    // Layout, then, when a growing text decides the height, a second layout at the height it
    // needs. 1 when the screen grew (nHeightOut is then the new height).
    int LayoutAutoHeight(CWnd* pOwner, int cx, int cy, int& nHeightOut);
    void SetSubtreeShown(SKIN_OBJECT* pObject, int bShown);
    void HideEditWindows();
    CRect ComputeAlignedRect(const SKIN_OBJECT* pObject, int cx, int cy) const;
    // Collapses the rectangle of a GONE object (or one below a GONE object) at its anchored
    // edge; 1 when it did.
    int CollapseIfGone(SKIN_OBJECT* pObject) const;

    // Painting.
    void DrawScreen(CDC* pDC, const RECT& rc);
    void DrawScreenBackground(CDC* pDC, const RECT& rc, COLORREF clr, BOOL bHasColor);
    void DrawScreenBorder(CDC* pDC, const RECT& rc);
    void Draw(CDC* pDC, const RECT& rc);
    CFont* SelectFont(CDC* pDC, SKIN_FONT* pFont, int* pAlign);
    CFont* SelectFontOnly(CDC* pDC, SKIN_FONT* pFont);
    void DrawTextLine(CDC* pDC, const RECT& rc, const CString& strText, SKIN_FONT* pFont, UINT nFlags);
    void DrawTextBlock(CDC* pDC, const RECT& rc, const CString& strText, SKIN_FONT* pFont, UINT nFlags, SKIN_OBJECT* pObject);
    void DrawTextCentered(CDC* pDC, const RECT& rc, const CString& strText, SKIN_FONT* pFont, UINT nFlags, SKIN_OBJECT* pObject);
    void DrawSelectableText(CDC* pDC, const RECT& rc, const CString& strText, SKIN_FONT* pFont, SKIN_OBJECT* pObject);
    void DrawTextSimple(CDC* pDC, const CString& strText, const RECT& rc, SKIN_FONT* pFont);
    void DrawTextGdiPlus(Gdiplus::Graphics* pGraphics, const CString& strText, const RECT& rc, SKIN_FONT* pFont);
    static void DrawStateImage(CDC* pDC, const RECT& rc, Gdiplus::Image* pImage, int nState);
    static void DrawImage(CDC* pDC, const RECT& rc, Gdiplus::Image* pImage, int nRepeatW, int nRepeatH);
    static void DrawImageG(Gdiplus::Graphics* pGraphics, const RECT& rc, Gdiplus::Image* pImage, int nRepeatW, int nRepeatH);
    static void DrawImageOnGraphics(Gdiplus::Graphics* pGraphics, const RECT& rc, Gdiplus::Image* pImage);
    static void TileImage(Gdiplus::Graphics* pGraphics, const RECT& rc, Gdiplus::Image* pImage, int nRepeatW, int nRepeatH);
    static void DrawComboArrow(CDC* pDC, const RECT& rc, float fRatio, COLORREF clrArrow, COLORREF clrBack);
    static COLORREF BlendColor(COLORREF a, COLORREF b);
    static void DrawSquareBorder(CDC* pDC, const RECT& rc, int nWidth, COLORREF clr);

    // Input; dx, dy move every object for hit-testing (the offset the screen is drawn at).
    void OnMouseMove(CWnd* pOwner, int x, int y, int dx = 0, int dy = 0);
    int OnLButtonDown(CWnd* pOwner, int x, int y, SKIN_OBJECT_EVENT_CALLBACK pfnEvent, void* pUserData, int dx = 0, int dy = 0);
    int OnLButtonUp(CWnd* pOwner, int x, int y, SKIN_OBJECT_EVENT_CALLBACK pfnEvent, SKIN_TOOLTIP_CALLBACK pfnTooltip,
                    void* pUserData, int dx = 0, int dy = 0);
    int OnRButtonDown(CWnd* pOwner, int x, int y, SKIN_OBJECT_EVENT_CALLBACK pfnEvent, void* pUserData, int dx = 0, int dy = 0);
    int OnRButtonUp(CWnd* pOwner, int x, int y, SKIN_OBJECT_EVENT_CALLBACK pfnEvent, void* pUserData, int dx = 0, int dy = 0);
    int EndTextSelection(CWnd* pOwner);
    int CharIndexAt(CWnd* pOwner, const RECT& rcContent, int x, int y, SKIN_OBJECT* pObject);
    static int CopyTextToClipboard(HWND hWnd, const CString& strText);
    void UncheckRadioGroup(CWnd* pOwner, SKIN_OBJECT* pClicked);
    int GetRadioIndex(int nGroupId) const;
    int SetRadioIndex(int nGroupId, int nPos, CWnd* pWnd, int dx = 0, int dy = 0);

private:
    friend class CSkinLayout;
    int OnRButton(CWnd* pOwner, int x, int y, SKIN_OBJECT_EVENT_CALLBACK pfnEvent, void* pUserData, int dx, int dy, UINT nMessage);
    void DrawObject(CDC* pDC, SKIN_OBJECT* pObject, const CPoint& origin);
    void DrawMargins(CDC* pDC, const SKIN_OBJECT* pObject, const CRect& rc);
    bool GetFillColor(const SKIN_OBJECT* pObject, COLORREF& clr) const;
    void DrawObjectBackground(CDC* pDC, const SKIN_OBJECT* pObject, const CRect& rc);
    void DrawObjectBorder(CDC* pDC, const SKIN_OBJECT* pObject, const CRect& rc);
    void DrawButton(CDC* pDC, SKIN_OBJECT* pObject, const CRect& rcObject, const CRect& rcInside);
    void DrawImagePart(CDC* pDC, SKIN_OBJECT* pObject, const CRect& rcObject, const CRect& rcInside);
    void DrawDate(CDC* pDC, SKIN_OBJECT* pObject, CRect rcText, const CPoint& origin);
    void DrawCombo(CDC* pDC, SKIN_OBJECT* pObject, const CRect& rcObject, const CRect& rcInside);
    void DrawEdit(CDC* pDC, SKIN_OBJECT* pObject, CRect rcText);
    void OpenDateSegments(CWnd* pOwner, SKIN_OBJECT* pObject, int x, int y, int dx, int dy);
};

// The skin's DPI ratio (of the global skin).
float GetSkinRatio();
