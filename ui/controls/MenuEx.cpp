#include "ui/controls/MenuEx.h"

#include "platform/ImageList.h"

#include <commctrl.h>

namespace {
// The system check mark (OBM_CHECK, which windows.h names only under OEMRESOURCE).
const UINT kSystemCheckBitmap = 32760;
}

MENUEX_SETTINGS& MenuExSettings()
{
    static MENUEX_SETTINGS settings = {};
    return settings;
}

CMenuEx::CMenuEx(CWnd* pOwner) : m_pOwner(pOwner)
{
    MENUEX_SETTINGS& s = MenuExSettings();
    s.clrMenuBar = LOBYTE(LOWORD(::GetVersion())) >= 5 ? ::GetSysColor(COLOR_MENUBAR) : ::GetSysColor(COLOR_BTNFACE);
    s.clrItem = 0xF8F8F8;
    s.clrIconColumn = 0x0000FF;
    s.clrText = ::GetSysColor(COLOR_MENUTEXT);
    s.clrSelectedText = 0xFFFFFF;
    s.clrDisabledText = ::GetSysColor(COLOR_GRAYTEXT);
    s.clrSeparator = ::GetSysColor(COLOR_MENUBAR);
    s.clrSelectionFrame = 0xF8F8F8;
    s.clrSelection = 0xD4BC00;
    s.clrDisabledSelection = ::GetSysColor(COLOR_MENU);
    s.bSelectDisabled = FALSE;
    s.sizeIcon = CSize(0, 0);
    s.sizeIconMargin = CSize(0, 0);
    s.sizeTextOffset = CSize(4, 5);
}

CMenuEx::~CMenuEx()
{
    // The menu first: destroying it takes its submenus' handles with it.
    DestroyMenu();
    Clear();
}

void CMenuEx::Clear()
{
    for (INT_PTR i = 0; i < m_subMenus.GetSize(); ++i) {
        CMenuEx* pSub = static_cast<CMenuEx*>(m_subMenus[i]);
        pSub->Detach();
        delete pSub;
    }
    m_subMenus.RemoveAll();
    for (INT_PTR i = 0; i < m_items.GetSize(); ++i)
        delete static_cast<CMenuExItem*>(m_items[i]);
    m_items.RemoveAll();
    for (INT_PTR i = 0; i < m_imageLists.GetSize(); ++i)
        delete static_cast<CImageList*>(m_imageLists[i]);
    m_imageLists.RemoveAll();
    m_toolBars.RemoveAll();
}

BOOL CMenuEx::LoadMenu(UINT nIDResource)
{
    return LoadMenu(MAKEINTRESOURCEW(nIDResource));
}

BOOL CMenuEx::LoadMenu(LPCTSTR lpszResourceName)
{
    if (!CMenu::LoadMenu(lpszResourceName))
        return FALSE;
    MakeOwnerDrawn(1);
    return TRUE;
}

BOOL CMenuEx::Attach(HMENU hMenu)
{
    if (!CMenu::Attach(hMenu))
        return FALSE;
    MakeOwnerDrawn(0);
    return TRUE;
}

int CMenuEx::MakeOwnerDrawn(int nMenuBar)
{
    const int nCount = (int)GetMenuItemCount();
    for (int i = 0; i < nCount; ++i) {
        CMenuExItem* pItem = new CMenuExItem;
        pItem->nMenuBar = nMenuBar;
        wchar_t text[1025] = {};
        ::GetMenuStringW(m_hMenu, i, text, 1024, MF_BYPOSITION);
        pItem->strText = text;
        pItem->nCmdId = (int)GetMenuItemID(i);
        HMENU hSub = ::GetSubMenu(m_hMenu, i);
        // The item keeps its state (grayed, checked, separator) and its submenu.
        const UINT state = ::GetMenuState(m_hMenu, i, MF_BYPOSITION) &
                           (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_SEPARATOR | MF_MENUBREAK | MF_MENUBARBREAK);
        const UINT flags = MF_BYPOSITION | MF_OWNERDRAW | state | (hSub ? MF_POPUP : 0);
        ::ModifyMenuW(m_hMenu, i, flags, hSub ? (UINT_PTR)hSub : (UINT_PTR)pItem->nCmdId, (LPCWSTR)pItem);
        m_items.Add(pItem);
        if (hSub) {
            CMenuEx* pSubMenu = new CMenuEx(m_pOwner);
            m_subMenus.Add(pSubMenu);
            pSubMenu->Attach(hSub);
        }
    }
    return nCount;
}

void CMenuEx::AddToolBarImages(CWnd* pToolBar)
{
    const int nButtons = (int)pToolBar->SendMessage(TB_BUTTONCOUNT);
    for (int i = 0; i < nButtons; ++i) {
        TBBUTTON button = {};
        if (pToolBar->SendMessage(TB_GETBUTTON, i, (LPARAM)&button) && (button.fsStyle & 0xFF) == BTNS_BUTTON)
            SetItemImage(button.idCommand, button.iBitmap, pToolBar);
    }
}

void CMenuEx::SetItemImage(UINT nCmdId, int nImage, CWnd* pToolBar)
{
    for (INT_PTR s = 0; s < m_subMenus.GetSize(); ++s) {
        CMenuEx* pSub = static_cast<CMenuEx*>(m_subMenus[s]);
        for (INT_PTR i = 0; i < pSub->m_items.GetSize(); ++i) {
            CMenuExItem* pItem = static_cast<CMenuExItem*>(pSub->m_items[i]);
            if (pItem->nCmdId != (int)nCmdId)
                continue;
            INT_PTR nBar = -1;
            for (INT_PTR t = 0; t < pSub->m_toolBars.GetSize(); ++t)
                if (pSub->m_toolBars[t] == pToolBar)
                    nBar = t;
            if (nBar < 0) {
                nBar = pSub->m_toolBars.Add(pToolBar);
                for (UINT msg : {TB_GETIMAGELIST, TB_GETDISABLEDIMAGELIST}) {
                    CImageList* pList = new CImageList;
                    if (HIMAGELIST hList = (HIMAGELIST)pToolBar->SendMessage(msg))
                        pList->Attach(ImageList_Duplicate(hList));
                    pSub->m_imageLists.Add(pList);
                }
            }
            pItem->nImageList = (int)(nBar * 2);
            pItem->nDisabledList = (int)(nBar * 2 + 1);
            pItem->nImage = nImage;
            pItem->nDisabledImage = nImage;
        }
    }
}

void CMenuEx::MeasureItem(LPMEASUREITEMSTRUCT lpMIS)
{
    const CMenuExItem* pItem = reinterpret_cast<const CMenuExItem*>(lpMIS->itemData);
    if (!pItem)
        return;
    MENUEX_SETTINGS& s = MenuExSettings();
    if (pItem->nMenuBar) {
        lpMIS->itemWidth = pItem->strText.GetLength() * 5;
        lpMIS->itemHeight = 20;
        return;
    }
    HWND hOwner = m_pOwner->GetSafeHwnd();
    HDC hdc = ::GetDC(hOwner);
    HGDIOBJ hOldFont = nullptr;
    if (HFONT hFont = hOwner ? (HFONT)::SendMessageW(hOwner, WM_GETFONT, 0, 0) : nullptr)
        hOldFont = ::SelectObject(hdc, hFont);
    SIZE extent = {0, 0};
    ::GetTextExtentPoint32W(hdc, pItem->strText, pItem->strText.GetLength(), &extent);
    if (hOldFont)
        ::SelectObject(hdc, hOldFont);
    ::ReleaseDC(hOwner, hdc);

    lpMIS->itemWidth = s.sizeIcon.cx + 2 * s.sizeIconMargin.cx + s.sizeTextOffset.cx + extent.cx + s.sizeTextOffset.cx;
    if (pItem->nCmdId == 0) {
        lpMIS->itemHeight = 2 * s.sizeTextOffset.cy + 1;
        return;
    }
    lpMIS->itemHeight = extent.cy + 2 * s.sizeTextOffset.cy;
    const int nIconHeight = s.sizeIcon.cy + 2 * s.sizeIconMargin.cy;
    if (nIconHeight > (int)lpMIS->itemHeight) {
        s.sizeTextOffset.cy += (nIconHeight - (int)lpMIS->itemHeight) / 2;
        lpMIS->itemHeight = nIconHeight;
    }
}

void CMenuEx::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    const CMenuExItem* pItem = reinterpret_cast<const CMenuExItem*>(lpDIS->itemData);
    if (!pItem)
        return;
    const MENUEX_SETTINGS& s = MenuExSettings();
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    const CRect R(lpDIS->rcItem);
    const UINT state = lpDIS->itemState;
    const bool bGrayed = (state & ODS_GRAYED) != 0;

    CRect rcIcon = R, rcBox = R, rcBack = R, rcText = R;
    if (pItem->nMenuBar) {
        rcIcon.SetRectEmpty();
    } else {
        const int nColumn = s.sizeIcon.cx + 2 * s.sizeIconMargin.cx;
        rcIcon.right = R.left + nColumn;
        rcBox = CRect(CPoint(R.left + s.sizeIconMargin.cx, R.top + s.sizeIconMargin.cy), s.sizeIcon);
        rcBack.left += nColumn;
        rcText.left += nColumn + s.sizeTextOffset.cx;
        rcText.top += s.sizeTextOffset.cy;
    }
    pDC->FillSolidRect(&rcIcon, s.clrIconColumn);

    const bool bSelected = (state & ODS_SELECTED) && (!bGrayed || s.bSelectDisabled) &&
                           (lpDIS->itemAction & (ODA_DRAWENTIRE | ODA_SELECT));
    if (pItem->nCmdId != 0) {
        if (bSelected) {
            pDC->SetTextColor(bGrayed ? s.clrDisabledText : s.clrSelectedText);
            CPen pen(PS_SOLID, 1, s.clrSelectionFrame);
            CBrush brush(bGrayed ? s.clrDisabledSelection : s.clrSelection);
            CPen* pOldPen = pDC->SelectObject(&pen);
            CBrush* pOldBrush = pDC->SelectObject(&brush);
            pDC->Rectangle(&R);
            pDC->SelectObject(pOldBrush);
            pDC->SelectObject(pOldPen);
        } else {
            pDC->SetTextColor(bGrayed ? s.clrDisabledText : s.clrText);
            pDC->FillSolidRect(&rcBack, pItem->nMenuBar ? s.clrMenuBar : s.clrItem);
        }
    } else {
        pDC->FillSolidRect(&rcBack, s.clrItem);
        CPen pen(PS_SOLID, 1, s.clrSeparator);
        CPen* pOldPen = pDC->SelectObject(&pen);
        const int y = rcBack.top + rcBack.Height() / 2;
        pDC->MoveTo(rcBack.left + s.sizeTextOffset.cx, y);
        pDC->LineTo(rcBack.right, y);
        pDC->SelectObject(pOldPen);
    }

    if (state & ODS_CHECKED) {
        CPen pen(PS_SOLID, 1, s.clrSelectionFrame);
        CBrush brush(s.clrIconColumn);
        CPen* pOldPen = pDC->SelectObject(&pen);
        CBrush* pOldBrush = pDC->SelectObject(&brush);
        pDC->SetBkColor(s.clrIconColumn);
        pDC->Rectangle(&rcBox);
        CBitmap check;
        if (check.LoadOEMBitmap(kSystemCheckBitmap)) {
            BITMAP info = {};
            check.GetBitmap(&info);
            const int x = rcBox.left + (s.sizeIcon.cx - info.bmWidth) / 2 + 1;
            const int y = rcBox.top + (s.sizeIcon.cy - info.bmHeight) / 2;
            pDC->DrawState(CPoint(x, y), CSize(info.bmWidth, info.bmHeight), &check, DST_BITMAP);
        }
        pDC->SelectObject(pOldBrush);
        pDC->SelectObject(pOldPen);
    } else if (pItem->nImage != -1 || pItem->nDisabledImage != -1) {
        pDC->SetBkColor((bSelected && bGrayed && s.bSelectDisabled) ? s.clrDisabledSelection : s.clrIconColumn);
        auto list = [&](int n) -> HIMAGELIST {
            return n >= 0 && n < m_imageLists.GetSize() ? static_cast<CImageList*>(m_imageLists[n])->GetSafeHandle()
                                                        : nullptr;
        };
        HIMAGELIST hNormal = list(pItem->nImageList);
        HIMAGELIST hDisabled = list(pItem->nDisabledList);
        if (!bGrayed)
            ImageList_Draw(hNormal, pItem->nImage, lpDIS->hDC, rcBox.left, rcBox.top, ILD_TRANSPARENT);
        else if (hDisabled)
            ImageList_Draw(hDisabled, pItem->nDisabledImage, lpDIS->hDC, rcBox.left, rcBox.top, ILD_TRANSPARENT);
        else
            ImageList_Draw(hNormal, pItem->nImage, lpDIS->hDC, rcBox.left, rcBox.top, ILD_MASK);
    }

    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    pDC->DrawText(pItem->strText, &rcText, DT_VCENTER | DT_SINGLELINE | (pItem->nMenuBar ? DT_CENTER : 0));
    pDC->SetBkMode(nOldMode);
}
