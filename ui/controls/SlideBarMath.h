#pragma once
// The slider bar's value rules, apart from its window: where the thumb stands for a percentage
// and which percentage a thumb position means.

// Thumb left for a percentage: truncate((client width - thumb width) x percent / 100).
int SlideThumbLeftForPercent(int nClientWidth, int nThumbWidth, double dPercent);
// The thumb left for a pointer at x grabbed nGrabOffset pixels right of the thumb's left,
// kept inside the client (flush left, or flush right).
int SlideThumbLeftForPointer(int x, int nGrabOffset, int nClientWidth, int nThumbWidth);
// The percentage a thumb left means: left / (client width - thumb width) x 100. A thumb as wide
// as the client (or wider) has no travel: 0 rather than a division by zero.
double SlidePercentForThumbLeft(int nThumbLeft, int nClientWidth, int nThumbWidth);
