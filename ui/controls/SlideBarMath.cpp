#include "ui/controls/SlideBarMath.h"

int SlideThumbLeftForPercent(int nClientWidth, int nThumbWidth, double dPercent)
{
    return (int)((nClientWidth - nThumbWidth) * dPercent / 100.0);
}

int SlideThumbLeftForPointer(int x, int nGrabOffset, int nClientWidth, int nThumbWidth)
{
    int left = x - nGrabOffset;
    if (left < 0)
        left = 0;
    else if (left + nThumbWidth > nClientWidth)
        left = nClientWidth - nThumbWidth;
    return left;
}

double SlidePercentForThumbLeft(int nThumbLeft, int nClientWidth, int nThumbWidth)
{
    const int travel = nClientWidth - nThumbWidth;
    if (travel <= 0)
        return 0.0;
    return (double)nThumbLeft / travel * 100.0;
}
