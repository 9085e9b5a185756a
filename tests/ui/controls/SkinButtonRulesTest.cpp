// The bitmap button's rules that need no window: kind by style, draw mode, the picture a state
// shows, and the rows of a shaping mask.
#include <gtest/gtest.h>

#include "ui/controls/SkinButtonRules.h"

namespace {

TEST(SkinButtonRules, KindFollowsTheCreationStyle)
{
    const struct {
        DWORD style;
        int kind;
    } cases[] = {
        {BS_PUSHBUTTON, SKINBUTTON_PUSH},
        {BS_DEFPUSHBUTTON, SKINBUTTON_PUSH},
        {BS_CHECKBOX, SKINBUTTON_PUSH},          // 2: (2 & 3) != 3
        {BS_AUTOCHECKBOX, SKINBUTTON_CHECKBOX},  // 3
        {BS_AUTO3STATE, SKINBUTTON_PUSH},        // 6
        {BS_AUTORADIOBUTTON, SKINBUTTON_RADIO},  // 9
        {BS_OWNERDRAW, SKINBUTTON_CHECKBOX},     // 11 has both low bits
        {WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON, SKINBUTTON_RADIO},
        {0x00030000 | BS_PUSHBUTTON, SKINBUTTON_PUSH},   // only the low word counts
    };
    for (const auto& c : cases)
        EXPECT_EQ(SkinButtonKindFromStyle(c.style), c.kind) << std::hex << c.style;
}

TEST(SkinButtonRules, DrawModeIsClampedToItsFourModes)
{
    const short cases[][2] = {{-1, 0}, {-32768, 0}, {0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 3}, {5, 3}, {32767, 3}};
    for (const auto& c : cases)
        EXPECT_EQ(ClampSkinDrawMode(c[0]), c[1]) << c[0];
}

SKINBUTTON_LOOK Look(UINT state, bool held, bool checked, bool hover, std::initializer_list<SkinButtonPicture> have)
{
    SKINBUTTON_LOOK look;
    look.nItemState = state;
    look.bHeld = held;
    look.bChecked = checked;
    look.bHover = hover;
    for (SkinButtonPicture p : have)
        look.bHas[p] = TRUE;
    return look;
}

TEST(SkinButtonRules, PictureByState)
{
    const auto all = {SKINPIC_NORMAL, SKINPIC_PRESSED, SKINPIC_DISABLED, SKINPIC_HOVER, SKINPIC_FOCUS};
    const auto noHover = {SKINPIC_NORMAL, SKINPIC_PRESSED, SKINPIC_DISABLED, SKINPIC_FOCUS};
    const struct {
        const char* what;
        SKINBUTTON_LOOK look;
        SkinButtonPicture expected;
    } cases[] = {
        {"normal", Look(0, false, false, false, all), SKINPIC_NORMAL},
        {"hover", Look(0, false, false, true, all), SKINPIC_HOVER},
        {"hover wins over focus", Look(ODS_FOCUS, false, false, true, all), SKINPIC_HOVER},
        {"focus only when hovered", Look(ODS_FOCUS, false, false, false, all), SKINPIC_NORMAL},
        {"hovered and focused without hover picture", Look(ODS_FOCUS, false, false, true, noHover), SKINPIC_FOCUS},
        {"hovered without hover picture", Look(0, false, false, true, noHover), SKINPIC_NORMAL},
        {"pressed", Look(ODS_SELECTED, false, false, true, all), SKINPIC_PRESSED},
        {"checked looks pressed", Look(0, false, true, false, all), SKINPIC_PRESSED},
        {"disabled", Look(ODS_DISABLED, false, false, true, all), SKINPIC_DISABLED},
        {"held looks disabled", Look(0, true, false, false, all), SKINPIC_DISABLED},
        {"held beats pressed", Look(ODS_SELECTED, true, true, false, all), SKINPIC_DISABLED},
        {"pressed without picture", Look(ODS_SELECTED, false, false, false, {SKINPIC_NORMAL}), SKINPIC_FACE},
        {"disabled without picture", Look(ODS_DISABLED, false, false, false, {SKINPIC_NORMAL}), SKINPIC_FACE},
        {"no normal picture", Look(0, false, false, true, {SKINPIC_HOVER, SKINPIC_FOCUS}), SKINPIC_FACE},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChooseSkinButtonPicture(c.look), c.expected) << c.what;
}

TEST(SkinButtonRules, OpaqueRunsOfAMask)
{
    // K = key, o = opaque; rows listed top to bottom.
    const char* rows[] = {
        "KooKo",    // the last run ends at the right edge
        "KKKKK",    // nothing
        "ooKoo",
    };
    const COLORREF key = RGB(255, 0, 255);
    auto pixel = [&](int x, int y) { return rows[y][x] == 'K' ? key : RGB(0, 0, 0); };
    const std::vector<RECT> runs = CollectOpaqueRuns(5, 3, key, pixel);
    const RECT expected[] = {
        {0, 2, 2, 3}, {3, 2, 5, 3},   // bottom row first
        {1, 0, 3, 1}, {4, 0, 5, 1},
    };
    ASSERT_EQ(runs.size(), 4u);
    for (size_t i = 0; i < runs.size(); ++i) {
        EXPECT_EQ(runs[i].left, expected[i].left) << i;
        EXPECT_EQ(runs[i].top, expected[i].top) << i;
        EXPECT_EQ(runs[i].right, expected[i].right) << i;
        EXPECT_EQ(runs[i].bottom, expected[i].bottom) << i;
    }
    EXPECT_TRUE(CollectOpaqueRuns(3, 2, key, [&](int, int) { return key; }).empty());
}

} // namespace
