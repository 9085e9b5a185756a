#pragma once
#include <windows.h>
// What the main dialog asks of the meeting screen's board layer and its information side panel.
class IBoardLayer {
public:
    virtual ~IBoardLayer() = default;
    // Presentation and option bars for a shared whiteboard (1) or a normal document (0).
    virtual void OnOptShare(int bOn, int nReserved) = 0;
};

class IInfoLayer {
public:
    virtual ~IInfoLayer() = default;
    virtual void SetWhiteboardMode(BOOL bWhiteboard) = 0;
};
