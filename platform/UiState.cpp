#include "platform/UiState.h"

#include "platform/DC.h"
#include "platform/GdiObject.h"
#include "platform/ImageList.h"
#include "platform/Menu.h"
#include "platform/Wnd.h"

#include <cwchar>

namespace zel {

PermanentMap<HWND, CWnd>& PermanentWindows()
{
    static PermanentMap<HWND, CWnd> map;
    return map;
}

PermanentMap<HMENU, CMenu>& PermanentMenus()
{
    static PermanentMap<HMENU, CMenu> map;
    return map;
}

void ForgetWindow(CWnd* wnd) { wnd->m_hWnd = nullptr; }
void ForgetDC(CDC* dc) { dc->m_hDC = nullptr; dc->m_hAttribDC = nullptr; }
void ForgetGdiObject(CGdiObject* object) { object->m_hObject = nullptr; }
void ForgetMenu(CMenu* menu) { menu->m_hMenu = nullptr; }
void ForgetImageList(CImageList* list) { list->m_hImageList = nullptr; }

void UiThreadState::DeleteTempObjects()
{
    tempWindows.DeleteAll();
    tempDCs.DeleteAll();
    tempGdiObjects.DeleteAll();
    tempMenus.DeleteAll();
    tempImageLists.DeleteAll();
}

namespace {

// Fiber-local storage rather than thread_local: its callback runs at the end of every thread,
// also of threads the runtime's thread library never saw (CreateThread, Wine's own).
void WINAPI DeleteThreadState(void* data)
{
    delete static_cast<UiThreadState*>(data);
}

DWORD StateSlot()
{
    static const DWORD slot = FlsAlloc(DeleteThreadState);
    return slot;
}

} // namespace

UiThreadState& ThreadState()
{
    DWORD slot = StateSlot();
    auto* state = static_cast<UiThreadState*>(FlsGetValue(slot));
    if (!state) {
        state = new UiThreadState;
        FlsSetValue(slot, state);
    }
    return *state;
}

void TraceError(const wchar_t* where, const wchar_t* what)
{
    wchar_t line[512];
    _snwprintf(line, 511, L"ZEL platform: %s: %s\n", where ? where : L"", what ? what : L"");
    line[511] = 0;
    OutputDebugStringW(line);
}

} // namespace zel
