#pragma once
// Helpers for the window tests: in-memory dialog templates, a watchdog that ends every message
// loop of a test that hangs, and reading back what landed on the screen.
#include <windows.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "tests/support/TestSupport.h"

namespace uitest {

// Builds a DLGTEMPLATE (with DS_SETFONT) and its items in memory.
class DialogTemplate {
public:
    // className: a registered dialog class, or null for the standard one.
    DialogTemplate(DWORD style, short cx, short cy, const wchar_t* title = L"", const wchar_t* className = nullptr)
    {
        style |= DS_SETFONT;
        PutDword(style);
        PutDword(0);           // extended style
        m_countAt = m_words.size();
        m_words.push_back(0);  // item count
        m_words.push_back(10); // x, y
        m_words.push_back(10);
        m_words.push_back((WORD)cx);
        m_words.push_back((WORD)cy);
        m_words.push_back(0);  // no menu
        if (className) PutString(className);
        else m_words.push_back(0);
        PutString(title);
        m_words.push_back(8);  // font size and face
        PutString(L"MS Shell Dlg");
    }

    // classAtom: 0x0080 button, 0x0081 edit, 0x0082 static, 0x0083 list box, 0x0084 scroll
    // bar, 0x0085 combo box.
    DialogTemplate& Add(WORD classAtom, WORD id, DWORD style, short x, short y, short cx, short cy,
                        const wchar_t* text = L"")
    {
        while (m_words.size() % 2) m_words.push_back(0);  // DWORD alignment
        PutDword(style | WS_CHILD | WS_VISIBLE);
        PutDword(0);
        m_words.push_back((WORD)x);
        m_words.push_back((WORD)y);
        m_words.push_back((WORD)cx);
        m_words.push_back((WORD)cy);
        m_words.push_back(id);
        m_words.push_back(0xFFFF);
        m_words.push_back(classAtom);
        PutString(text);
        m_words.push_back(0);  // no creation data
        ++m_words[m_countAt];
        return *this;
    }

    LPCDLGTEMPLATE Get() const { return reinterpret_cast<LPCDLGTEMPLATE>(m_words.data()); }

private:
    void PutDword(DWORD value)
    {
        m_words.push_back(LOWORD(value));
        m_words.push_back(HIWORD(value));
    }
    void PutString(const wchar_t* text)
    {
        for (; *text; ++text) m_words.push_back((WORD)*text);
        m_words.push_back(0);
    }
    std::vector<WORD> m_words;
    size_t m_countAt = 0;
};

// Ends every message loop of the test's thread (by WM_QUIT) when the test takes longer than
// the limit, so a broken modal loop fails the test instead of hanging the run.
class Watchdog {
public:
    explicit Watchdog(DWORD limitMs = 15000) : m_threadId(::GetCurrentThreadId())
    {
        m_thread = std::thread([this, limitMs] {
            std::unique_lock<std::mutex> lock(m_lock);
            if (!m_done.wait_for(lock, std::chrono::milliseconds(limitMs), [this] { return m_stop; })) {
                m_fired = true;
                ::PostThreadMessageW(m_threadId, WM_QUIT, 99, 0);
            }
        });
    }
    ~Watchdog()
    {
        {
            std::lock_guard<std::mutex> lock(m_lock);
            m_stop = true;
        }
        m_done.notify_all();
        m_thread.join();
        // Leave no WM_QUIT behind for the next test.
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {}
    }
    bool Fired() const { return m_fired; }

private:
    DWORD m_threadId;
    std::mutex m_lock;
    std::condition_variable m_done;
    bool m_stop = false;
    std::atomic<bool> m_fired{false};
    std::thread m_thread;
};

// The colour at a client point of a window once painting has caught up (or the last colour
// seen after 'ms').
inline COLORREF PixelWhenSettled(HWND hwnd, int x, int y, COLORREF expected, DWORD ms = 2000)
{
    COLORREF got = CLR_INVALID;
    const DWORD start = ::GetTickCount();
    do {
        zeltest::PumpFor(20);
        HDC dc = ::GetDC(hwnd);
        got = ::GetPixel(dc, x, y);
        ::ReleaseDC(hwnd, dc);
    } while (got != expected && ::GetTickCount() - start < ms);
    return got;
}

// The descendant window with the control id whose parent has the parent id (0: any parent).
inline HWND FindDescendant(HWND top, int id, int parentId = 0)
{
    struct Search {
        int id, parentId;
        HWND found;
    } search = {id, parentId, nullptr};
    ::EnumChildWindows(
        top,
        [](HWND h, LPARAM p) -> BOOL {
            Search* s = reinterpret_cast<Search*>(p);
            if (::GetDlgCtrlID(h) != s->id)
                return TRUE;
            if (s->parentId && ::GetDlgCtrlID(::GetParent(h)) != s->parentId)
                return TRUE;
            s->found = h;
            return FALSE;
        },
        (LPARAM)&search);
    return search.found;
}

// The window has the visible style (whatever its parents have).
inline bool IsShown(HWND h)
{
    return h && (::GetWindowLongW(h, GWL_STYLE) & WS_VISIBLE) != 0;
}

} // namespace uitest
