#pragma once
// The rules of the bitmap button that need no window: its kind by creation style, the draw mode
// it keeps, which of its pictures a state shows, and the opaque rows of a shaping mask.
#include <windows.h>

#include <functional>
#include <vector>

enum : int {
    SKINBUTTON_PUSH = 0,
    SKINBUTTON_CHECKBOX = 2,
    SKINBUTTON_RADIO = 4,
};

// Draw modes of a button picture.
enum : short {
    SKINDRAW_STRETCH = 0,        // stretched over the button
    SKINDRAW_NATURAL = 1,        // copied at its own size from the top-left corner
    SKINDRAW_TILE = 2,           // repeated across and down
    SKINDRAW_STRETCH_RIGHT = 3,  // its own width, against the right edge, stretched down
};

// The pictures a button holds, in the order the button keeps them.
enum SkinButtonPicture : int {
    SKINPIC_NORMAL = 0,
    SKINPIC_PRESSED,
    SKINPIC_DISABLED,
    SKINPIC_MASK,
    SKINPIC_HOVER,
    SKINPIC_FOCUS,
    SKINPIC_COUNT,
    SKINPIC_FACE = -1,   // no picture: the plain button face colour
};

// The button's kind from the low word of its creation style: (style & 3) == 3 a check box,
// else (style & 9) == 9 a radio button, else a push button.
int SkinButtonKindFromStyle(DWORD dwStyle);
// Draw modes below 0 become 0, above 3 become 3.
short ClampSkinDrawMode(short nMode);

// What a button shows, given its state.
struct SKINBUTTON_LOOK {
    UINT nItemState = 0;     // ODS_ flags of the paint
    BOOL bHeld = FALSE;
    BOOL bChecked = FALSE;
    BOOL bHover = FALSE;
    BOOL bHas[SKINPIC_COUNT] = {};   // which pictures are loaded
};
// The picture the state shows (SKINPIC_FACE when the one it needs is missing).
SkinButtonPicture ChooseSkinButtonPicture(const SKINBUTTON_LOOK& look);
// The disabled look: disabled state or held.
bool IsSkinButtonDisabledLook(const SKINBUTTON_LOOK& look);
// The pressed look: selected (pushed) state or checked, and not the disabled look.
bool IsSkinButtonPressedLook(const SKINBUTTON_LOOK& look);

// One-pixel-high rectangles, one per maximal run of pixels of another colour than the key,
// rows from the bottom row up and each row left to right.
std::vector<RECT> CollectOpaqueRuns(int nWidth, int nHeight, COLORREF clrKey,
                                    const std::function<COLORREF(int x, int y)>& pixel);
