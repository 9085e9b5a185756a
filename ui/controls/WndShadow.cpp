#include "ui/controls/WndShadow.h"

#include <cmath>
#include <map>

#include "core/MyLogFile.h"

namespace {

typedef BOOL(WINAPI* PFN_UPDATE_LAYERED)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF, BLENDFUNCTION*, DWORD);
typedef HRESULT(WINAPI* PFN_DWM_COMPOSITION)(BOOL*);

PFN_UPDATE_LAYERED g_pfnUpdateLayered = nullptr;
PFN_DWM_COMPOSITION g_pfnDwmComposition = nullptr;
bool g_bDwm = false;
bool g_bInitialized = false;
HINSTANCE g_hInstance = nullptr;
const wchar_t kShadowClass[] = L"LurevShadowWnd";

std::map<HWND, CWndShadow*>& ShadowMap()
{
    static std::map<HWND, CWndShadow*> map;
    return map;
}

} // namespace

CWndShadow::~CWndShadow()
{
    Destroy();
}

BOOL CWndShadow::Initialize(HINSTANCE hInstance)
{
    if (g_bInitialized)
        return FALSE;
    HMODULE user32 = ::LoadLibraryW(L"USER32.DLL");
    g_pfnUpdateLayered = user32 ? reinterpret_cast<PFN_UPDATE_LAYERED>(::GetProcAddress(user32, "UpdateLayeredWindow")) : nullptr;
    if (!g_pfnUpdateLayered)
        return FALSE;
    if (HMODULE dwm = ::LoadLibraryW(L"dwmapi.dll")) {
        g_bDwm = true;
        g_pfnDwmComposition = reinterpret_cast<PFN_DWM_COMPOSITION>(::GetProcAddress(dwm, "DwmIsCompositionEnabled"));
    }
    g_hInstance = hInstance;
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = hInstance;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kShadowClass;
    ::RegisterClassExW(&wc);
    g_bInitialized = true;
    return TRUE;
}

bool CWndShadow::IsAvailable()
{
    return g_pfnUpdateLayered != nullptr;
}

void CWndShadow::Create(HWND hParent)
{
    if (!g_pfnUpdateLayered || !::IsWindow(hParent))
        return;
    ShadowMap()[hParent] = this;
    m_hParent = hParent;
    m_hWnd = ::CreateWindowExW(WS_EX_LAYERED | WS_EX_TRANSPARENT, kShadowClass, nullptr, WS_POPUPWINDOW, CW_USEDEFAULT,
                               0, 0, 0, hParent, nullptr, g_hInstance, nullptr);
    m_status = SS_ENABLED;
    ApplyVisibility(hParent);
    m_pfnParentProc = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hParent, GWLP_WNDPROC));
    ::SetWindowLongPtrW(hParent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ParentWindowProc));
}

void CWndShadow::Destroy()
{
    if (m_hWnd != reinterpret_cast<HWND>(-1) && m_hWnd != nullptr) {
        ::DestroyWindow(m_hWnd);
        m_hWnd = nullptr;
    }
}

void CWndShadow::ApplyVisibility(HWND hParent)
{
    m_status &= SS_ENABLED | SS_DISABLEDBYAERO;
    if ((m_status & SS_ENABLED) && !(m_status & SS_DISABLEDBYAERO)) {
        const LONG_PTR style = ::GetWindowLongPtrW(hParent, GWL_STYLE);
        if (style & WS_VISIBLE) {
            m_status |= SS_PARENTVISIBLE;
            if (!(style & (WS_MAXIMIZE | WS_MINIMIZE)))
                m_status |= SS_VISABLE;
        }
    }
    if (m_status & SS_VISABLE) {
        ::ShowWindow(m_hWnd, SW_SHOWNA);
        Redraw(hParent);
    } else {
        ::ShowWindow(m_hWnd, SW_HIDE);
    }
}

uint32_t CWndShadow::PremultiplyColor(COLORREF clr, int nAlpha)
{
    const uint32_t b = GetBValue(clr) * uint32_t(nAlpha) / 255;
    const uint32_t g = GetGValue(clr) * uint32_t(nAlpha) / 255;
    const uint32_t r = GetRValue(clr) * uint32_t(nAlpha) / 255;
    return b | (g << 8) | (r << 16);
}

void CWndShadow::RenderShadowBits(std::vector<uint32_t>& bits, HRGN hShape, int w, int h, int s, int sh, int darkness,
                                  int xOff, int yOff, COLORREF clr)
{
    const int SW = w + 2 * s, SH = h + 2 * s;
    bits.assign(size_t(SW > 0 ? SW : 0) * size_t(SH > 0 ? SH : 0), 0u);
    if (SW <= 0 || SH <= 0 || w <= 0 || h <= 0)
        return;
    auto pixel = [&](int x, int r) -> uint32_t& { return bits[size_t(SH - 1 - r) * size_t(SW) + size_t(x)]; };

    HRGN shape = hShape ? hShape : ::CreateRectRgn(0, 0, w, h);
    struct Extent {
        int left, right;
    };
    std::vector<Extent> parent(size_t(h), Extent{w, 0});
    for (int y = 0; y < h; ++y) {
        int left = 0;
        while (left < w && !::PtInRegion(shape, left, y))
            ++left;
        if (left == w)
            continue;
        int right = w - 1;
        while (right > left && !::PtInRegion(shape, right, y))
            --right;
        parent[size_t(y)] = Extent{left, right + 1};
    }
    if (!hShape)
        ::DeleteObject(shape);

    const int N = h + 2 * s > h ? h + 2 * s : h;
    std::vector<Extent> anchors(size_t(N + 2), Extent{w, 0});
    const int firstEntry = 1 + (s > 0 ? s : 0);
    for (int y = 0; y < h; ++y) {
        const Extent& e = parent[size_t(y)];
        if (e.left < e.right && y + firstEntry <= N)
            anchors[size_t(y + firstEntry)] = Extent{e.left + s, e.right + s};
    }
    for (int pass = 0; pass < sh - s; ++pass) {
        std::vector<Extent> previous = anchors;
        for (int k = 1; k <= N; ++k) {
            const Extent& a = previous[size_t(k - 1)];
            const Extent& b = previous[size_t(k)];
            const Extent& c = previous[size_t(k + 1)];
            anchors[size_t(k)].left = (a.left > b.left ? (a.left > c.left ? a.left : c.left) : (b.left > c.left ? b.left : c.left)) + 1;
            anchors[size_t(k)].right = (a.right < b.right ? (a.right < c.right ? a.right : c.right) : (b.right < c.right ? b.right : c.right)) - 1;
        }
    }

    const int K = sh > s ? sh : s;
    const int C = s > sh ? s - sh : 0;
    const uint32_t solid = (uint32_t(darkness) << 24) | PremultiplyColor(clr, darkness);
    const int side = 2 * K + 1;
    std::vector<uint32_t> kernel(size_t(side) * size_t(side), 0u);
    for (int dy = -K; dy <= K; ++dy) {
        for (int dx = -K; dx <= K; ++dx) {
            const double d = std::sqrt(double(dx * dx + dy * dy));
            uint32_t value = 0;
            if (d < C) {
                value = solid;
            } else if (d <= K) {
                const int factor = int((1.0 - (d - C) / double(sh + 1)) * darkness);
                const int f = factor < 0 ? 0 : factor;
                value = (uint32_t(f) << 24) | PremultiplyColor(clr, f);
            }
            kernel[size_t(dy + K) * size_t(side) + size_t(dx + K)] = value;
        }
    }
    auto stamp = [&](int cx, int cy) {
        for (int dy = -K; dy <= K; ++dy) {
            const int y = cy + dy;
            if (y < 0 || y >= SH)
                continue;
            for (int dx = -K; dx <= K; ++dx) {
                const int x = cx + dx;
                if (x < 0 || x >= SW)
                    continue;
                const uint32_t v = kernel[size_t(dy + K) * size_t(side) + size_t(dx + K)];
                if (v > pixel(x, y))
                    pixel(x, y) = v;
            }
        }
    };
    const int shift = 1 + (s < 0 ? -s : 0);
    auto anchorOf = [&](int r) -> Extent {
        const int i = r + shift;
        return (i >= 0 && i < int(anchors.size())) ? anchors[size_t(i)] : Extent{w, 0};
    };
    for (int r = K; r <= SH - K - 1; ++r) {
        const Extent row = anchorOf(r);
        if (row.left >= row.right)
            continue;
        const Extent up = anchorOf(r - 1), down = anchorOf(r + 1);
        const int startEnd = (up.left > down.left ? up.left : down.left) + 1;
        int x = row.left;
        for (; x < (startEnd < row.right ? startEnd : row.right); ++x)
            stamp(x, r);
        const int endStart = (up.right < down.right ? up.right : down.right) - 1;
        for (int e = x > endStart ? x : endStart; e < row.right; ++e)
            stamp(e, r);
    }
    auto fill = [&](int r, int from, int to, uint32_t v) {
        if (r < 0 || r >= SH)
            return;
        for (int x = from < 0 ? 0 : from; x < to && x < SW; ++x)
            pixel(x, r) = v;
    };
    const int bodyFirst = K < (s - yOff > 0 ? s - yOff : 0) ? K : (s - yOff > 0 ? s - yOff : 0);
    const int bodyInner = h + s - yOff < h + 2 * s ? h + s - yOff : h + 2 * s;
    const int bodyEnd = SH - K > bodyInner ? SH - K : bodyInner;
    for (int r = bodyFirst; r < bodyEnd; ++r) {
        const Extent row = anchorOf(r);
        const int p = r - s + yOff;
        if (p < 0 || p >= h) {
            fill(r, row.left, row.right, solid);
            continue;
        }
        const int a = parent[size_t(p)].left + s - xOff;
        const int b = parent[size_t(p)].right + s - xOff;
        fill(r, row.left, a < row.right ? a : row.right, solid);
        fill(r, a > 0 ? a : 0, b < SW ? b : SW, 0u);
        fill(r, b > row.left ? b : row.left, row.right, solid);
    }
}

void CWndShadow::Redraw(HWND hParent)
{
    if (!g_pfnUpdateLayered || !::IsWindow(m_hWnd))
        return;
    RECT R;
    ::GetWindowRect(hParent, &R);
    const int w = R.right - R.left, h = R.bottom - R.top;
    const int SW = w + 2 * m_nSize, SH = h + 2 * m_nSize;
    if (SW <= 0 || SH <= 0)
        return;
    HRGN region = ::CreateRectRgn(0, 0, 0, 0);
    const bool hasRegion = ::GetWindowRgn(hParent, region) != ERROR;
    std::vector<uint32_t> pixels;
    RenderShadowBits(pixels, hasRegion ? region : nullptr, w, h, m_nSize, m_nSharpness, m_nDarkness, m_nOffsetX,
                     m_nOffsetY, m_color);
    ::DeleteObject(region);

    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = SW;
    bmi.bmiHeader.biHeight = SH;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    bmi.bmiHeader.biSizeImage = DWORD(SW) * DWORD(SH) * 4;
    void* bits = nullptr;
    HBITMAP dib = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!dib || !bits) {
        if (dib)
            ::DeleteObject(dib);
        return;
    }
    memcpy(bits, pixels.data(), pixels.size() * sizeof(uint32_t));
    HDC screen = ::GetDC(nullptr);
    HDC mem = ::CreateCompatibleDC(screen);
    HGDIOBJ old = ::SelectObject(mem, dib);
    POINT dest = {R.left + m_nOffsetX - m_nSize, R.top + m_nOffsetY - m_nSize};
    ::MoveWindow(m_hWnd, dest.x, dest.y, SW, SH, FALSE);
    SIZE size = {SW, SH};
    POINT src = {0, 0};
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    g_pfnUpdateLayered(m_hWnd, nullptr, &dest, &size, mem, &src, 0, &blend, ULW_ALPHA);
    ::SelectObject(mem, old);
    ::DeleteObject(dib);
    ::DeleteDC(mem);
    ::ReleaseDC(nullptr, screen);
}

void CWndShadow::RedrawIfVisible()
{
    if ((m_status & SS_VISABLE) && m_hParent)
        Redraw(m_hParent);
}

BOOL CWndShadow::SetSize(int nSize)
{
    if (nSize < -20 || nSize > 20)
        return FALSE;
    m_nSize = int8_t(nSize);
    RedrawIfVisible();
    return TRUE;
}

BOOL CWndShadow::SetSharpness(unsigned nSharp)
{
    if (nSharp > 20)
        return FALSE;
    m_nSharpness = uint8_t(nSharp);
    RedrawIfVisible();
    return TRUE;
}

BOOL CWndShadow::SetDarkness(unsigned nDark)
{
    if (nDark > 255)
        return FALSE;
    m_nDarkness = uint8_t(nDark);
    RedrawIfVisible();
    return TRUE;
}

BOOL CWndShadow::SetPosition(int x, int y)
{
    if (x < -20 || x > 20 || y < -20 || y > 20)
        return FALSE;
    m_nOffsetX = int8_t(x);
    m_nOffsetY = int8_t(y);
    RedrawIfVisible();
    return TRUE;
}

BOOL CWndShadow::SetColor(COLORREF clr)
{
    m_color = clr;
    RedrawIfVisible();
    return TRUE;
}

LRESULT CALLBACK CWndShadow::ParentWindowProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    auto found = ShadowMap().find(hwnd);
    if (found == ShadowMap().end())
        return ::DefWindowProcW(hwnd, uMsg, wParam, lParam);
    CWndShadow* self = found->second;
    WNDPROC previous = self->m_pfnParentProc;
    try {
        const bool active = (self->m_status & SS_ENABLED) && !(self->m_status & SS_DISABLEDBYAERO);
        switch (uMsg) {
        case WM_SHOWWINDOW:
            if (active) {
                const LRESULT result = ::CallWindowProcW(previous, hwnd, uMsg, wParam, lParam);
                if (!wParam) {
                    ::ShowWindow(self->m_hWnd, SW_HIDE);
                    self->m_status &= ~(SS_VISABLE | SS_PARENTVISIBLE);
                } else if (!(self->m_status & SS_VISABLE)) {
                    self->m_status |= SS_VISABLE;
                    self->Redraw(hwnd);
                    ::ShowWindow(self->m_hWnd, SW_SHOWNA);
                    self->m_bUpdate = true;
                }
                return result;
            }
            break;
        case WM_SIZE:
            if (active) {
                if (wParam == SIZE_MINIMIZED) {
                    ::ShowWindow(self->m_hWnd, SW_HIDE);
                    self->m_status &= ~SS_VISABLE;
                } else if (::GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_VISIBLE) {
                    self->m_status |= SS_PARENTVISIBLE;
                    if (!(self->m_status & SS_VISABLE)) {
                        self->m_status |= SS_VISABLE;
                        self->Redraw(hwnd);
                        ::ShowWindow(self->m_hWnd, SW_SHOWNA);
                        self->m_bUpdate = true;
                    } else if (LOWORD(lParam) > LOWORD(self->m_lastParentSize) ||
                               HIWORD(lParam) > HIWORD(self->m_lastParentSize)) {
                        self->m_bUpdate = true;
                    } else {
                        self->Redraw(hwnd);
                    }
                }
                self->m_lastParentSize = lParam;
            }
            break;
        case WM_PAINT:
            if (self->m_bUpdate) {
                self->Redraw(hwnd);
                self->m_bUpdate = false;
            }
            break;
        case WM_MOVE:
            if (self->m_status & SS_VISABLE) {
                RECT R;
                ::GetWindowRect(hwnd, &R);
                ::SetWindowPos(self->m_hWnd, hwnd, R.left + self->m_nOffsetX - self->m_nSize,
                               R.top + self->m_nOffsetY - self->m_nSize, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
            }
            break;
        case WM_EXITSIZEMOVE:
            if (self->m_status & SS_VISABLE)
                self->Redraw(hwnd);
            break;
        case WM_DWMCOMPOSITIONCHANGED: {
            BOOL enabled = FALSE;
            if (g_pfnDwmComposition)
                g_pfnDwmComposition(&enabled);
            if (enabled)
                self->m_status |= SS_DISABLEDBYAERO;
            else
                self->m_status &= ~SS_DISABLEDBYAERO;
            self->ApplyVisibility(hwnd);
            break;
        }
        case WM_DESTROY:
            self->Destroy();
            break;
        case WM_NCDESTROY:
            ShadowMap().erase(hwnd);
            break;
        default:
            break;
        }
    } catch (...) {
        // The window's own procedure still gets the message.
        g_ApplicationLog.Log(4, L"CWndShadow::ParentWindowProc exception, message 0x%04X", uMsg);
    }
    return ::CallWindowProcW(previous, hwnd, uMsg, wParam, lParam);
}
