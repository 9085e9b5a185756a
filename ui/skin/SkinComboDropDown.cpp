// Opening a COMBO object's drop-down, and Windows menus shown as skinned drop-downs.
#include "ui/skin/SkinCombo.h"

#include "platform/Menu.h"
#include "platform/Wnd.h"
#include "ui/controls/MySkinComboDlg.h"
#include "ui/skin/SkinLookups.h"
#include "ui/skin/SkinManager.h"

int SKIN_COMBO::ShowDropDownAt(CWnd* pOwner, int x, int y, float fScale, int nFlags)
{
    CMySkinComboDlg dlg(pOwner);
    dlg.SetCloseOnRelease(nFlags & 0xFF);
    dlg.SetAnchor(CPoint(x, y));
    dlg.SetScale(fScale);
    dlg.SetObject(m_pObject);
    if (dlg.DoModal() != IDOK)
        return 0;
    m_selected = dlg.GetChosen();
    return 1;
}

int SKIN_COMBO::ShowDropDown(CWnd* pOwner, int x, int y)
{
    if (ShowDropDownAt(pOwner, x, y, g_SkinManager.m_fRatio, 0) != 1)
        return -1;
    return m_selected.m_nValue;
}

int TrackSkinPopupMenu(UINT nFlags, int x, int y, CWnd* pOwner, CMenu* pMenu, SKIN_OBJECT* pObject)
{
    SKIN_SCREEN screen;
    if (!pObject) {
        g_SkinManager.m_screens.CopyScreenByName(SKINSCREEN_POPUP_MENU, screen);
        pObject = screen.FindObject(SKINOBJECT_POPUP_MENU);
        if (!pObject)
            return 0;
    }
    SKIN_OBJECT menu(*pObject);
    menu.m_combo.SetItemsFromMenu(&pObject->m_combo, pMenu);
    if (nFlags & 0x20)
        menu.m_combo.m_nFlags = SKIN_COMBO_OPEN_UPWARD;
    const int result = menu.m_combo.ShowDropDown(pOwner, x, y);
    if (nFlags == 0 && pOwner && ::IsWindow(pOwner->GetSafeHwnd()))
        pOwner->PostMessage(WM_COMMAND, WPARAM(result), 0);
    return result;
}
