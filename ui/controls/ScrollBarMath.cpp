#include "ui/controls/ScrollBarMath.h"

#include <algorithm>

namespace {
const int kTop = 10;        // the up arrow's height
const int kEnds = 23;       // both arrows and the gap under the track
const int kMinThumb = 20;
}

int ScrollThumbHeightPercent(int nClientHeight, int nPercent)
{
    return std::max(int((nClientHeight - kEnds) * (nPercent / 100.0)), kMinThumb);
}

int ScrollThumbHeightItems(int nClientHeight, int nVisible, double fRange)
{
    if (nVisible == 0 || nVisible == fRange || fRange <= 0)
        return 0;
    return std::max(int((nClientHeight - kEnds) * (nVisible / fRange)), kMinThumb);
}

int ScrollTrackLength(int nClientHeight, int nThumbHeight)
{
    return nClientHeight - kEnds - nThumbHeight;
}

int ScrollThumbTop(int nClientHeight, int nThumbHeight, double fPos, double fRange)
{
    if (fRange <= 0)
        return kTop;
    return int(ScrollTrackLength(nClientHeight, nThumbHeight) * (fPos / fRange)) + kTop;
}

int ClampScrollDragTop(int nClientHeight, int nThumbHeight, int nTop)
{
    const int nLowest = nClientHeight - nThumbHeight - (kEnds - kTop);
    return std::max(kTop, std::min(nTop, nLowest));
}

int ScrollPosFromThumbTop(int nClientHeight, int nThumbHeight, int nTop, double fScale)
{
    const int nTrack = ScrollTrackLength(nClientHeight, nThumbHeight);
    if (nTrack <= 0)
        return 0;
    return int((nTop - kTop) / double(nTrack) * fScale);
}
