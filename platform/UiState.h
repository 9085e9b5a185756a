#pragma once
// Internal bookkeeping of the window classes: which C++ object stands for which handle, and the
// per-thread state of message dispatch (the message being handled, windows being created, nested
// message loops). Not part of the class library's public face.
#include <windows.h>
#include <commctrl.h>
#include <unordered_map>

class CWnd;
class CDC;
class CGdiObject;
class CMenu;
class CImageList;
class CWinThread;

namespace zel {

// Handle -> object for objects that own or wrap a handle for their whole life. Shared by all
// threads: a window created on one thread is looked up on others (reply targets, worker threads).
template <typename H, typename T>
class PermanentMap {
public:
    T* Find(H handle) const
    {
        AcquireSRWLockShared(&m_lock);
        auto it = m_map.find(handle);
        T* found = it == m_map.end() ? nullptr : it->second;
        ReleaseSRWLockShared(&m_lock);
        return found;
    }
    void Set(H handle, T* object)
    {
        AcquireSRWLockExclusive(&m_lock);
        m_map[handle] = object;
        ReleaseSRWLockExclusive(&m_lock);
    }
    // Removes the entry only while it still names this object.
    void Remove(H handle, T* object)
    {
        AcquireSRWLockExclusive(&m_lock);
        auto it = m_map.find(handle);
        if (it != m_map.end() && it->second == object) m_map.erase(it);
        ReleaseSRWLockExclusive(&m_lock);
    }
private:
    mutable SRWLOCK m_lock = SRWLOCK_INIT;
    std::unordered_map<H, T*> m_map;
};

PermanentMap<HWND, CWnd>& PermanentWindows();
PermanentMap<HMENU, CMenu>& PermanentMenus();

// Wrappers made on demand for handles nobody owns (FromHandle). They belong to the thread that
// asked and live until that thread's outermost message loop goes idle, or the thread ends.
// 'Forget' clears the wrapper's handle so that deleting it leaves the handle alone.
template <typename H, typename T, void (*Forget)(T*)>
class TempMap {
public:
    TempMap() = default;
    TempMap(const TempMap&) = delete;
    TempMap& operator=(const TempMap&) = delete;
    ~TempMap() { DeleteAll(); }
    T* Find(H handle) const
    {
        auto it = m_map.find(handle);
        return it == m_map.end() ? nullptr : it->second;
    }
    // The wrapper of the handle, made by 'make' (which sets the handle) when there is none yet.
    template <typename Make>
    T* FindOrAdd(H handle, Make make)
    {
        if (T* found = Find(handle)) return found;
        T* object = make();
        m_map[handle] = object;
        return object;
    }
    void DeleteAll()
    {
        auto old = std::move(m_map);
        m_map.clear();
        for (auto& entry : old) {
            Forget(entry.second);
            delete entry.second;
        }
    }
private:
    std::unordered_map<H, T*> m_map;
};

void ForgetWindow(CWnd* wnd);
void ForgetDC(CDC* dc);
void ForgetGdiObject(CGdiObject* object);
void ForgetMenu(CMenu* menu);
void ForgetImageList(CImageList* list);

struct UiThreadState {
    MSG currentMsg{};               // the message being dispatched (Default, reflection)
    CWnd* pWndInit = nullptr;       // the object waiting for the window being created
    HHOOK cbtHook = nullptr;
    int cbtUsers = 0;
    int loopDepth = 0;              // our message loops running on this thread, nested
    HMENU hTrackingMenu = nullptr;  // the pop-up menu being tracked (owner-drawn item lookup)
    CWinThread* pThread = nullptr;  // the thread object of this thread, if it has one

    TempMap<HWND, CWnd, ForgetWindow> tempWindows;
    TempMap<HDC, CDC, ForgetDC> tempDCs;
    TempMap<HGDIOBJ, CGdiObject, ForgetGdiObject> tempGdiObjects;
    TempMap<HMENU, CMenu, ForgetMenu> tempMenus;
    TempMap<HIMAGELIST, CImageList, ForgetImageList> tempImageLists;

    void DeleteTempObjects();
};

// The calling thread's state, made on first use and deleted when the thread ends.
UiThreadState& ThreadState();

// Writes a line to the debugger output; used where an error cannot be returned (window
// procedures, thread entries).
void TraceError(const wchar_t* where, const wchar_t* what);

} // namespace zel
