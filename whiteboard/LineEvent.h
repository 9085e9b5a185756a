#pragma once
// One point of a stroke on its way to a page, as queued from the presenter's events and replayed
// from the server's figure list.
#include "platform/CString.h"

struct S_LINE_EVENT {
    CString lineId;
    float x = 0.0f;
    float y = 0.0f;
    int color = 0;  // red | green << 8 | blue << 16
    int width = 0;
    float opacity = 0.0f;
    int figureType = 0;
};
