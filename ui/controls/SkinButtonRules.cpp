#include "ui/controls/SkinButtonRules.h"

int SkinButtonKindFromStyle(DWORD dwStyle)
{
    const DWORD low = dwStyle & 0xFFFF;
    if ((low & 3) == 3)
        return SKINBUTTON_CHECKBOX;
    if ((low & 9) == 9)
        return SKINBUTTON_RADIO;
    return SKINBUTTON_PUSH;
}

short ClampSkinDrawMode(short nMode)
{
    if (nMode < 0)
        return 0;
    return nMode > 3 ? 3 : nMode;
}

bool IsSkinButtonDisabledLook(const SKINBUTTON_LOOK& look)
{
    return (look.nItemState & ODS_DISABLED) || look.bHeld;
}

bool IsSkinButtonPressedLook(const SKINBUTTON_LOOK& look)
{
    return !IsSkinButtonDisabledLook(look) && ((look.nItemState & ODS_SELECTED) || look.bChecked);
}

SkinButtonPicture ChooseSkinButtonPicture(const SKINBUTTON_LOOK& look)
{
    auto have = [&](SkinButtonPicture p) { return look.bHas[p] ? p : SKINPIC_FACE; };
    if (IsSkinButtonDisabledLook(look))
        return have(SKINPIC_DISABLED);
    if (IsSkinButtonPressedLook(look))
        return have(SKINPIC_PRESSED);
    if (!look.bHas[SKINPIC_NORMAL])
        return SKINPIC_FACE;
    if (look.bHover && look.bHas[SKINPIC_HOVER])
        return SKINPIC_HOVER;
    if (look.bHover && (look.nItemState & ODS_FOCUS) && look.bHas[SKINPIC_FOCUS])
        return SKINPIC_FOCUS;
    return SKINPIC_NORMAL;
}

std::vector<RECT> CollectOpaqueRuns(int nWidth, int nHeight, COLORREF clrKey,
                                    const std::function<COLORREF(int x, int y)>& pixel)
{
    std::vector<RECT> runs;
    runs.reserve(40);
    for (int y = nHeight - 1; y >= 0; --y) {
        int x = 0;
        while (x < nWidth) {
            while (x < nWidth && pixel(x, y) == clrKey)
                ++x;
            if (x >= nWidth)
                break;
            const int start = x;
            while (x < nWidth && pixel(x, y) != clrKey)
                ++x;
            runs.push_back(RECT{start, y, x, y + 1});
        }
    }
    return runs;
}
