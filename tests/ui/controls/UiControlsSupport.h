#pragma once
// Helpers of the window tests of the controls: a top-level host window that records what its
// children report, mouse input with the real pointer moved along, pixel probes of what is on
// the screen, and screenshots.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/UI.h"
#include "platform/WinThread.h"
#include "tests/support/TestSupport.h"
#include "tests/ui/skin/SkinTestSupport.h"
#include "ui/skin/GdiPlus.h"
#include "ui/skin/ImageSave.h"
#include "ui/skin/MyListItem.h"

namespace ctltest {

struct Report {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    UINT code = 0;        // WM_COMMAND notification or WM_NOTIFY code
    int nIndex = 0;       // MYLIST_NOTIFY
    int nPos = 0;
    int nFlag = 0;
    int nObjectId = 0;
    DWORD_PTR pItem = 0;
    std::wstring text;
};

// A plain top-level window that keeps every command, notification and private message it gets.
class CHostWnd : public CWnd {
public:
    BOOL Open(int cx, int cy, int x = 40, int y = 40)
    {
        if (!CreateEx(0, nullptr, L"host", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, x, y, cx, cy, nullptr, nullptr))
            return FALSE;
        ::SetForegroundWindow(m_hWnd);
        UpdateWindow();
        return TRUE;
    }
    int Count(UINT message, UINT code = 0) const
    {
        int n = 0;
        for (const Report& r : reports)
            n += (r.message == message && (code == 0 || r.code == code)) ? 1 : 0;
        return n;
    }
    std::vector<Report> Only(UINT message) const
    {
        std::vector<Report> out;
        for (const Report& r : reports)
            if (r.message == message)
                out.push_back(r);
        return out;
    }
    std::vector<Report> reports;
    COLORREF clrBack = RGB(255, 255, 255);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND) {
            Report r{message, wParam, lParam};
            r.code = HIWORD(wParam);
            reports.push_back(r);
        } else if (message == WM_NOTIFY) {
            const NMHDR* hdr = reinterpret_cast<const NMHDR*>(lParam);
            Report r{message, wParam, lParam};
            r.code = hdr->code;
            if (hdr->idFrom == 11000) {
                const MYLIST_NOTIFY* n = reinterpret_cast<const MYLIST_NOTIFY*>(lParam);
                r.nIndex = n->nIndex;
                r.nPos = n->nPos;
                r.nFlag = n->nFlag;
                r.nObjectId = n->nObjectId;
                r.pItem = n->pItem;
                r.text = n->strText.GetString();
            }
            reports.push_back(r);
        } else if (message >= WM_USER && message < 0x8000) {
            reports.push_back(Report{message, wParam, lParam});
        } else if (message == WM_ERASEBKGND) {
            CRect rc;
            GetClientRect(&rc);
            ::SetBkColor((HDC)wParam, clrBack);
            ::ExtTextOutW((HDC)wParam, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
            return TRUE;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// Makes the test program's own pictures the resource library while it lives.
class OwnResources {
public:
    OwnResources() : m_previous(AfxGetResourceHandle()) { AfxSetResourceHandle(::GetModuleHandleW(nullptr)); }
    ~OwnResources() { AfxSetResourceHandle(m_previous); }
private:
    HINSTANCE m_previous;
};

// Makes a shipped language library (the Korean one unless named) the resource library while
// it lives.
class ShippedResources {
public:
    explicit ShippedResources(const wchar_t* file = L"Res_Kor.dll") : m_previous(AfxGetResourceHandle())
    {
        m_module = ::LoadLibraryW((zeltest::BinaryDir() + L"\\bin\\" + file).c_str());
        if (m_module)
            AfxSetResourceHandle(m_module);
    }
    ~ShippedResources()
    {
        AfxSetResourceHandle(m_previous);
        if (m_module)
            ::FreeLibrary(m_module);
    }
    bool Ok() const { return m_module != nullptr; }
private:
    HINSTANCE m_previous;
    HMODULE m_module = nullptr;
};

// Runs what is queued the way the client's loops do: PreTranslateMessage first, so keys and
// clicks pass the windows' filters as a user's would.
inline void PumpTranslated()
{
    for (int round = 0; round < 3; ++round) {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (!AfxPreTranslateMessage(&msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
        }
        ::Sleep(5);
    }
}

// Moves the real pointer to the client point (so hover tracking and hit tests agree with the
// message) and sends the mouse message.
inline void Mouse(CWnd* pWnd, UINT message, int x, int y, WPARAM keys = 0)
{
    POINT pt = {x, y};
    ::ClientToScreen(pWnd->GetSafeHwnd(), &pt);
    ::SetCursorPos(pt.x, pt.y);
    ::SendMessageW(pWnd->GetSafeHwnd(), message, keys, MAKELPARAM(x, y));
}

// Paints pending updates and reads a client pixel of the window as it is on the screen.
inline COLORREF Pixel(CWnd* pWnd, int x, int y)
{
    ::RedrawWindow(pWnd->GetSafeHwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    HDC dc = ::GetDC(pWnd->GetSafeHwnd());
    const COLORREF clr = ::GetPixel(dc, x, y);
    ::ReleaseDC(pWnd->GetSafeHwnd(), dc);
    return clr;
}

// Saves the window as it is on the screen as screenshots\<name>.png under the build folder.
inline bool SaveScreenshot(CWnd* pWnd, const wchar_t* name)
{
    skintest::EnsureGdiplus();
    ::RedrawWindow(pWnd->GetSafeHwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    CRect rc;
    ::GetWindowRect(pWnd->GetSafeHwnd(), &rc);
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, rc.Width(), rc.Height());
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, rc.Width(), rc.Height(), screen, rc.left, rc.top, SRCCOPY);
    ::SelectObject(memory, old);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    const std::wstring folder = zeltest::BinaryDir() + L"\\screenshots";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    bool saved = false;
    {
        Gdiplus::Bitmap image(bitmap, nullptr);
        CLSID clsid;
        if (GetEncoderClsid(L"image/png", &clsid) >= 0)
            saved = image.Save((folder + L"\\" + name + L".png").c_str(), &clsid, nullptr) == Gdiplus::Ok;
    }
    ::DeleteObject(bitmap);
    return saved;
}

} // namespace ctltest
