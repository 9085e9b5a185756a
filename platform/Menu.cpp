#include "platform/Menu.h"

#include "platform/ResourceHandle.h"
#include "platform/UiState.h"
#include "platform/Wnd.h"

IMPLEMENT_DYNAMIC(CMenu, CObject)

CMenu::~CMenu()
{
    DestroyMenu();
}

CMenu* CMenu::FromHandlePermanent(HMENU hMenu)
{
    return hMenu ? zel::PermanentMenus().Find(hMenu) : nullptr;
}

CMenu* CMenu::FromHandle(HMENU hMenu)
{
    if (!hMenu) return nullptr;
    if (CMenu* menu = zel::PermanentMenus().Find(hMenu)) return menu;
    return zel::ThreadState().tempMenus.FindOrAdd(hMenu, [hMenu] {
        CMenu* menu = new CMenu;
        menu->m_hMenu = hMenu;
        return menu;
    });
}

BOOL CMenu::Attach(HMENU hMenu)
{
    if (!hMenu || m_hMenu) return FALSE;
    m_hMenu = hMenu;
    zel::PermanentMenus().Set(hMenu, this);
    return TRUE;
}

HMENU CMenu::Detach()
{
    HMENU hMenu = m_hMenu;
    if (hMenu) zel::PermanentMenus().Remove(hMenu, this);
    m_hMenu = nullptr;
    return hMenu;
}

BOOL CMenu::LoadMenu(UINT nIDResource)
{
    return LoadMenu(MAKEINTRESOURCEW(nIDResource));
}

BOOL CMenu::LoadMenu(LPCTSTR lpszResourceName)
{
    return Attach(::LoadMenuW(AfxGetResourceHandle(), lpszResourceName));
}

BOOL CMenu::DestroyMenu()
{
    if (!m_hMenu) return FALSE;
    return ::DestroyMenu(Detach());
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const
{
    rString.Empty();
    const int length = ::GetMenuStringW(m_hMenu, nIDItem, nullptr, 0, nFlags);
    if (length <= 0) return 0;
    ::GetMenuStringW(m_hMenu, nIDItem, rString.GetBuffer(length + 1), length + 1, nFlags);
    rString.ReleaseBuffer();
    return rString.GetLength();
}

namespace {

// Records the menu being tracked, so WM_MEASUREITEM of its owner-drawn items finds its object.
class TrackingScope {
public:
    explicit TrackingScope(HMENU hMenu) : m_saved(zel::ThreadState().hTrackingMenu)
    {
        zel::ThreadState().hTrackingMenu = hMenu;
    }
    ~TrackingScope() { zel::ThreadState().hTrackingMenu = m_saved; }
    TrackingScope(const TrackingScope&) = delete;
    TrackingScope& operator=(const TrackingScope&) = delete;
private:
    HMENU m_saved;
};

} // namespace

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect)
{
    TrackingScope scope(m_hMenu);
    return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, pWnd->GetSafeHwnd(), lpRect);
}

BOOL CMenu::TrackPopupMenuEx(UINT fuFlags, int x, int y, CWnd* pWnd, LPTPMPARAMS lptpm)
{
    TrackingScope scope(m_hMenu);
    return ::TrackPopupMenuEx(m_hMenu, fuFlags, x, y, pWnd->GetSafeHwnd(), lptpm);
}

void CMenu::DrawItem(LPDRAWITEMSTRUCT) {}

void CMenu::MeasureItem(LPMEASUREITEMSTRUCT) {}
