#include "tests/journeys/UserDriver.h"

#include "tests/journeys/DisplayPicture.h"

#include <cstdlib>
#include <vector>

namespace journey {

namespace {

struct Search {
    DWORD pid;
    const std::function<bool(HWND)>* match;
    HWND found;
};

BOOL CALLBACK VisitTop(HWND hWnd, LPARAM lParam)
{
    Search* s = reinterpret_cast<Search*>(lParam);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hWnd, &pid);
    if (pid != s->pid || !::IsWindowVisible(hWnd)) return TRUE;
    if (!(*s->match)(hWnd)) return TRUE;
    s->found = hWnd;
    return FALSE;
}

void SendMouse(DWORD flags)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    ::SendInput(1, &in, sizeof in);
}

// The window's top-level window to the front, as the user's click does; a window already in front
// is left alone (under Wine asking again raises it over its floating palette).
void BringToFront(HWND hWnd)
{
    HWND top = ::GetAncestor(hWnd, GA_ROOT);
    if (::GetForegroundWindow() != top) ::SetForegroundWindow(top);
}

void SendKey(WORD vk, WORD scan, DWORD flags)
{
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = scan;
    in.ki.dwFlags = flags;
    ::SendInput(1, &in, sizeof in);
}

}  // namespace

HWND FindProcessWindow(DWORD pid, const std::function<bool(HWND)>& match)
{
    Search s{pid, &match, nullptr};
    ::EnumWindows(VisitTop, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

bool WaitUntil(const std::function<bool()>& pred, DWORD ms)
{
    const DWORD start = ::GetTickCount();
    while (!pred()) {
        if (::GetTickCount() - start > ms) return false;
        ::Sleep(50);
    }
    return true;
}

HWND WaitForProcessWindow(DWORD pid, const std::function<bool(HWND)>& match, DWORD ms)
{
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindProcessWindow(pid, match)) != nullptr; }, ms);
    return found;
}

std::wstring ClassOf(HWND hWnd)
{
    wchar_t cls[128] = {};
    ::GetClassNameW(hWnd, cls, 128);
    return cls;
}

std::wstring WindowText(HWND hWnd)
{
    const int n = ::GetWindowTextLengthW(hWnd);
    std::wstring text(n + 1, L'\0');
    ::GetWindowTextW(hWnd, &text[0], n + 1);
    text.resize(n);
    return text;
}

HWND WaitForDialogWithChild(DWORD pid, int nChildId, DWORD ms)
{
    return WaitForProcessWindow(
        pid, [nChildId](HWND h) { return ClassOf(h) == L"#32770" && ::GetDlgItem(h, nChildId) != nullptr; }, ms);
}

HWND FindMessageBox(DWORD pid)
{
    return FindProcessWindow(pid, [](HWND h) { return ClassOf(h) == L"#32770" && ::GetDlgItem(h, 0xFFFF); });
}

bool ClickAt(HWND hWnd, int x, int y)
{
    if (!::IsWindow(hWnd)) return false;
    BringToFront(hWnd);
    POINT pt{x, y};
    ::ClientToScreen(hWnd, &pt);
    if (!::SetCursorPos(pt.x, pt.y)) return false;
    ::Sleep(30);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    ::Sleep(30);
    SendMouse(MOUSEEVENTF_LEFTUP);
    ::Sleep(100);
    return true;
}

bool DoubleClickAt(HWND hWnd, int x, int y)
{
    if (!ClickAt(hWnd, x, y)) return false;
    // The second press inside the system's double-click time makes it a double click.
    ::Sleep(20);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    ::Sleep(30);
    SendMouse(MOUSEEVENTF_LEFTUP);
    ::Sleep(100);
    return true;
}

bool PressAt(HWND hWnd, POINT pt)
{
    if (!::IsWindow(hWnd)) return false;
    BringToFront(hWnd);
    ::ClientToScreen(hWnd, &pt);
    if (!::SetCursorPos(pt.x, pt.y)) return false;
    ::Sleep(30);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    return true;
}

void MoveMouseTo(HWND hWnd, POINT pt)
{
    ::Sleep(15);
    // Moves through the input queue, as a hand on the mouse does.
    ::ClientToScreen(hWnd, &pt);
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dx = (LONG)((pt.x * 65535LL) / (::GetSystemMetrics(SM_CXSCREEN) - 1));
    in.mi.dy = (LONG)((pt.y * 65535LL) / (::GetSystemMetrics(SM_CYSCREEN) - 1));
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &in, sizeof in);
}

void ReleaseButton()
{
    ::Sleep(30);
    SendMouse(MOUSEEVENTF_LEFTUP);
}

bool DragAt(HWND hWnd, const std::vector<POINT>& points, DWORD settleMs)
{
    if (points.empty() || !PressAt(hWnd, points.front())) return false;
    for (size_t i = 1; i < points.size(); ++i) MoveMouseTo(hWnd, points[i]);
    ReleaseButton();
    ::Sleep(settleMs);
    return true;
}

bool WheelAt(HWND hWnd, int x, int y, int nSteps, bool bControl)
{
    if (!::IsWindow(hWnd)) return false;
    BringToFront(hWnd);
    POINT pt{x, y};
    ::ClientToScreen(hWnd, &pt);
    if (!::SetCursorPos(pt.x, pt.y)) return false;
    ::Sleep(30);
    if (bControl) SendKey(VK_CONTROL, 0, 0);
    for (int i = 0; i < std::abs(nSteps); ++i) {
        INPUT in = {};
        in.type = INPUT_MOUSE;
        in.mi.dwFlags = MOUSEEVENTF_WHEEL;
        in.mi.mouseData = (DWORD)(nSteps > 0 ? WHEEL_DELTA : -WHEEL_DELTA);
        ::SendInput(1, &in, sizeof in);
        ::Sleep(50);
    }
    if (bControl) SendKey(VK_CONTROL, 0, KEYEVENTF_KEYUP);
    ::Sleep(100);
    return true;
}

bool PostClickAtScreen(HWND hTop, int x, int y)
{
    HWND hTarget = hTop;
    for (;;) {
        POINT local{x, y};
        ::ScreenToClient(hTarget, &local);
        HWND hChild = ::ChildWindowFromPointEx(hTarget, local, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
        if (!hChild || hChild == hTarget) break;
        hTarget = hChild;
    }
    POINT local{x, y};
    ::ScreenToClient(hTarget, &local);
    const LPARAM at = MAKELPARAM(local.x, local.y);
    return ::PostMessageW(hTarget, WM_MOUSEMOVE, 0, at) && ::PostMessageW(hTarget, WM_LBUTTONDOWN, MK_LBUTTON, at) &&
           ::PostMessageW(hTarget, WM_LBUTTONUP, 0, at);
}

bool Click(HWND hWnd)
{
    RECT rc;
    if (!::GetClientRect(hWnd, &rc)) return false;
    return ClickAt(hWnd, (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
}

void TypeText(const std::wstring& text)
{
    for (wchar_t ch : text) {
        SendKey(0, ch, KEYEVENTF_UNICODE);
        SendKey(0, ch, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP);
        ::Sleep(10);
    }
    ::Sleep(50);
}

void PressKey(WORD vk)
{
    SendKey(vk, 0, 0);
    SendKey(vk, 0, KEYEVENTF_KEYUP);
    ::Sleep(50);
}

int CountScreenColour(const RECT& rc, COLORREF colour, int nTolerance)
{
    Picture picture;
    if (!ReadProcessPicture(picture, &rc)) return 0;
    int n = 0;
    for (uint32_t v : picture.pixels) {
        if (std::abs(int((v >> 16) & 0xFF) - GetRValue(colour)) <= nTolerance &&
            std::abs(int((v >> 8) & 0xFF) - GetGValue(colour)) <= nTolerance &&
            std::abs(int(v & 0xFF) - GetBValue(colour)) <= nTolerance)
            ++n;
    }
    return n;
}

std::vector<std::wstring> VisibleEditTexts(HWND hWnd)
{
    std::vector<std::wstring> texts;
    ::EnumChildWindows(hWnd, [](HWND h, LPARAM p) -> BOOL {
        if (!::IsWindowVisible(h) || _wcsicmp(ClassOf(h).c_str(), L"Edit") != 0) return TRUE;
        // An edit box of another process tells its text only when asked.
        wchar_t text[256] = {};
        DWORD_PTR n = 0;
        ::SendMessageTimeoutW(h, WM_GETTEXT, 256, (LPARAM)text, SMTO_ABORTIFHUNG, 2000, &n);
        reinterpret_cast<std::vector<std::wstring>*>(p)->push_back(text);
        return TRUE;
    }, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

RECT ClientToScreenRect(HWND hWnd, const RECT& rc)
{
    POINT a{rc.left, rc.top}, b{rc.right, rc.bottom};
    ::ClientToScreen(hWnd, &a);
    ::ClientToScreen(hWnd, &b);
    return RECT{a.x, a.y, b.x, b.y};
}

}  // namespace journey
