#pragma once
// The arithmetic of the client's vertical bitmap scroll bars, apart from their windows. A bar
// of client height H has 10-pixel arrows at both ends; its track runs from y = 10 to H - 13 and
// the length left for positions is H - 23 - thumb height.

// The thumb's height for a share of the track (percent), at least 20 pixels.
int ScrollThumbHeightPercent(int nClientHeight, int nPercent);
// The thumb's height for a number of visible items out of the range, at least 20 pixels; 0 (no
// thumb) when nothing or everything is visible, or the range is empty.
int ScrollThumbHeightItems(int nClientHeight, int nVisible, double fRange);
// The length of the track left for positions.
int ScrollTrackLength(int nClientHeight, int nThumbHeight);
// The thumb's top for a position out of a range; an empty range puts it at the track's top.
int ScrollThumbTop(int nClientHeight, int nThumbHeight, double fPos, double fRange);
// A dragged thumb top kept inside the track.
int ClampScrollDragTop(int nClientHeight, int nThumbHeight, int nTop);
// The position a thumb top stands for, scaled to fScale (100 for percent); 0 when the thumb
// fills the whole track.
int ScrollPosFromThumbTop(int nClientHeight, int nThumbHeight, int nTop, double fScale);
