// The drop shadow's picture, computed on a buffer.
#include <gtest/gtest.h>

#include "ui/controls/WndShadow.h"

namespace {

uint32_t Pixel(const std::vector<uint32_t>& bits, int w, int h, int x, int row)
{
    return bits[size_t(h - 1 - row) * size_t(w) + size_t(x)];
}

TEST(ShadowBits, ARectangularParentLeavesItsOwnAreaClear)
{
    std::vector<uint32_t> bits;
    CWndShadow::RenderShadowBits(bits, nullptr, 300, 200, 4, 10, 100, 0, 0, RGB(0, 0, 0));
    const int W = 308, H = 208;
    ASSERT_EQ(bits.size(), size_t(W * H));
    for (int y = 4; y < 204; y += 7)
        for (int x = 4; x < 304; x += 7)
            ASSERT_EQ(Pixel(bits, W, H, x, y), 0u) << x << "," << y;
    EXPECT_EQ(Pixel(bits, W, H, 303, 203), 0u);
    // The band around it carries alpha, at most the darkness, weaker outwards.
    const uint32_t inner = Pixel(bits, W, H, 3, 100) >> 24;
    const uint32_t outer = Pixel(bits, W, H, 0, 100) >> 24;
    EXPECT_GT(inner, 0u);
    EXPECT_LE(inner, 100u);
    EXPECT_LE(outer, inner);
    EXPECT_GT(Pixel(bits, W, H, 150, 1) >> 24, 0u);
    EXPECT_GT(Pixel(bits, W, H, 306, 150) >> 24, 0u);
}

TEST(ShadowBits, ARoundedParentIsFollowedRoundItsCorners)
{
    HRGN round = ::CreateRoundRectRgn(0, 0, 101, 101, 40, 40);
    std::vector<uint32_t> rounded, square;
    CWndShadow::RenderShadowBits(rounded, round, 100, 100, 4, 10, 100, 0, 0, RGB(0, 0, 0));
    CWndShadow::RenderShadowBits(square, nullptr, 100, 100, 4, 10, 100, 0, 0, RGB(0, 0, 0));
    ::DeleteObject(round);
    const int W = 108, H = 108;
    // Where the rounded corner cuts the parent the shadow shows; where the square parent's
    // corner lies it does not, and its own straight edge is not shadowed there.
    EXPECT_GT(Pixel(rounded, W, H, 15, 4) >> 24, 0u);
    EXPECT_EQ(Pixel(square, W, H, 15, 4), 0u);
    EXPECT_EQ(Pixel(rounded, W, H, 2, 10), 0u);
    EXPECT_GT(Pixel(square, W, H, 2, 10) >> 24, 0u);
    EXPECT_EQ(Pixel(rounded, W, H, 54, 54), 0u);
    EXPECT_EQ(Pixel(rounded, W, H, 54, 4), 0u);
}

TEST(ShadowBits, ColourIsPremultiplied)
{
    EXPECT_EQ(CWndShadow::PremultiplyColor(RGB(255, 128, 0), 255), 0x00FF8000u);
    EXPECT_EQ(CWndShadow::PremultiplyColor(RGB(255, 0, 255), 100), 0x00640064u);
}

TEST(ShadowBits, SettersKeepTheirRanges)
{
    CWndShadow shadow;
    EXPECT_FALSE(shadow.SetSize(21));
    EXPECT_EQ(shadow.GetSize(), 4);
    EXPECT_TRUE(shadow.SetSize(-20));
    EXPECT_EQ(shadow.GetSize(), -20);
    EXPECT_FALSE(shadow.SetSharpness(21));
    EXPECT_FALSE(shadow.SetDarkness(256));
    EXPECT_FALSE(shadow.SetPosition(0, 21));
    EXPECT_TRUE(shadow.SetPosition(-20, 20));
}

} // namespace
