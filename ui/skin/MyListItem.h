#pragma once
// The rows of the owner-drawn lists and the notifications they send their parent.
#include <windows.h>

#include "platform/CString.h"

struct SKIN_OBJECT;
struct SKIN_SCREEN;

struct MYLIST_ITEM {
    int nTag = 0;
    int nIndex = -1;          // position in the list; the key of FindItem
    int nSpacing = 0;         // empty space above the row
    int nHeight = 0;
    int nReserved = 0;        // the row width in the horizontal list
    int nType = 2;            // 2 text measured wrapped, 3 measured as one line, other: not measured
    CString strText;
    DWORD_PTR dwData = 0;
    int nParam = 0;
    RECT rcItem = {0, 0, 0, 0};   // client rectangle, rewritten by every paint
    BOOL bChecked = FALSE;
    BOOL bFixedHeight = FALSE;
    int nReserved2 = 0;       // the horizontal list: the width was given
    int nHoverObjectId = 0;
    int nHoverState = 0;
    void* pUserData = nullptr;
    SKIN_SCREEN* pScreen = nullptr;
    int nReserved3 = 0;
    int nReserved4 = 0;
};

// Sent with WM_NOTIFY (wParam the list's control id); it lives only for the SendMessage.
struct MYLIST_NOTIFY {
    NMHDR hdr = {};
    int nIndex = -1;
    int nPos = 0;
    CString strText;
    DWORD_PTR pItem = 0;
    int nFlag = 0;
    int nObjectId = 0;
    SKIN_OBJECT* pObject = nullptr;
};

// Notification codes.
enum : UINT {
    MYLIST_CLICK = 1,          // a left press in the item area, or the arrow keys moved the selection
    MYLIST_ITEM_PRESS = 2,     // a left press inside a row, after its screen took it
    MYLIST_RCLICK = 3,         // a right press
    MYLIST_DBLCLICK = 4,       // a double click on the selected row
    MYLIST_CHECK = 5,          // a check box was toggled
    MYLIST_ITEM_CLICK = 6,     // a left release inside a row
    MYLIST_ITEM_RCLICK = 7,    // a right release inside a row
    MYLIST_SCROLL_END = 8,     // scrolling was asked past the top or the bottom
};
