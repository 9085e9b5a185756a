#pragma once
// CWndShadow: a soft drop shadow behind a top-level window: a click-through layered pop-up
// owned by the window, carrying a blurred silhouette of its window region, that follows the
// window by subclassing its window procedure.
#include <windows.h>

#include <cstdint>
#include <vector>

class CWndShadow {
public:
    CWndShadow() = default;
    virtual ~CWndShadow();
    CWndShadow(const CWndShadow&) = delete;
    CWndShadow& operator=(const CWndShadow&) = delete;

    // Once per process: finds UpdateLayeredWindow (without it no shadow is ever made) and
    // registers the shadow's window class. FALSE when already done or not possible.
    static BOOL Initialize(HINSTANCE hInstance);
    static bool IsAvailable();

    void Create(HWND hParent);
    void Destroy();
    HWND GetShadowWnd() const { return m_hWnd; }

    // Each FALSE (and unchanged) out of its range; a visible shadow is redrawn.
    BOOL SetSize(int nSize);             // -20..20
    BOOL SetSharpness(unsigned nSharp);  // 0..20
    BOOL SetDarkness(unsigned nDark);    // 0..255
    BOOL SetPosition(int x, int y);      // -20..20 each
    BOOL SetColor(COLORREF clr);
    int GetSize() const { return m_nSize; }

    // The shadow picture of a parent of w x h pixels whose shape is the region (null: the whole
    // rectangle): a bottom-up buffer of (w + 2 size) x (h + 2 size) premultiplied BGRA pixels.
    static void RenderShadowBits(std::vector<uint32_t>& bits, HRGN hShape, int w, int h, int nSize, int nSharpness,
                                 int nDarkness, int nOffsetX, int nOffsetY, COLORREF clr);
    static uint32_t PremultiplyColor(COLORREF clr, int nAlpha);

private:
    enum : uint8_t { SS_ENABLED = 1, SS_VISABLE = 2, SS_PARENTVISIBLE = 4, SS_DISABLEDBYAERO = 8 };

    static LRESULT CALLBACK ParentWindowProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
    void ApplyVisibility(HWND hParent);
    void Redraw(HWND hParent);
    void RedrawIfVisible();

    HWND m_hWnd = reinterpret_cast<HWND>(-1);
    HWND m_hParent = nullptr;
    WNDPROC m_pfnParentProc = nullptr;
    uint8_t m_status = 0;
    uint8_t m_nDarkness = 100;
    uint8_t m_nSharpness = 10;
    int8_t m_nSize = 4;
    int8_t m_nOffsetX = 0;
    int8_t m_nOffsetY = 0;
    LPARAM m_lastParentSize = 0;
    bool m_bUpdate = false;
    COLORREF m_color = 0;
};
