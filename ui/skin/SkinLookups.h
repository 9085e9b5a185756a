#pragma once
// The screens and objects the client asks the skin for by name, in one table, and the check
// that a loaded skin holds each of them with the right type: a skin mistake then fails the
// tests instead of showing an empty window.
#include "platform/Collections.h"
#include "platform/CString.h"

class CSkinManager;

// Names the framework itself looks up.
extern const wchar_t SKINSCREEN_MAIN[];          // "Main"
extern const wchar_t SKINOBJECT_COPY_MENU[];     // "menuCopyText" of "Main"
extern const wchar_t SKINOBJECT_TITLE_MENU[];    // "menuTitleLayer" of "Main"
extern const wchar_t SKINSCREEN_POPUP_MENU[];    // "PopupMenu"
extern const wchar_t SKINOBJECT_POPUP_MENU[];    // "comboMenu" of "PopupMenu"
extern const wchar_t SKINOBJECT_MAX_BUTTON[];    // "btnMax", on any resizable dialog
extern const wchar_t SKINOBJECT_MAX_BUTTON_OLD[];// "frame_max", the older name of it

// Extra demands on an object beyond its type.
enum : int {
    SKINLOOKUP_TOGGLE = 1,       // a BUTTON that toggles (BTN_IMAGEOVER or BTN_CLROVER)
    SKINLOOKUP_DATE_FORMAT = 2,  // a DATE whose DATE_FORMAT shows something (holds "|")
};

struct SKIN_LOOKUP {
    const wchar_t* pszScreen;
    const wchar_t* pszObject;   // null: the screen alone
    int nType;                  // SKINTYPE_..., -1 any
    int nDemands;               // SKINLOOKUP_...
};

// Every name the client looks up; windows add their screens' rows here.
const SKIN_LOOKUP* GetSkinLookups(int& nCount);
// One line per missing screen or object, object of another type, unmet demand, or picture file
// that is not there. Returns the number of lines.
int CheckSkinLookups(const CSkinManager& skin, CStringArray& problems);
