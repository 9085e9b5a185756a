#pragma once
// What the side panel remembers between meetings, in "setting.ini" section "INFOLAYER": whether
// it was shown ("show", 0 or 1) and its current tab ("tab_index": 0 attendees, 1 thumbnails,
// 2 bookmarks). Without the file or the keys: collapsed, attendee tab.
#include "platform/CString.h"

enum : int { INFOLAYER_TAB_MEMBERS = 0, INFOLAYER_TAB_THUMBNAILS = 1, INFOLAYER_TAB_BOOKMARKS = 2 };

struct S_INFOLAYER_STATE {
    BOOL bShow = FALSE;
    int nTab = INFOLAYER_TAB_MEMBERS;   // any other stored value reads as the attendee tab
};

// The settings store's "setting.ini" (the application-data folder's when the store has not
// been loaded yet).
CString GetInfoLayerIniPath();
S_INFOLAYER_STATE LoadInfoLayerState();
void SaveInfoLayerShow(BOOL bShow);
void SaveInfoLayerTab(int nTab);
