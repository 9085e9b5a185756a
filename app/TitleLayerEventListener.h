#pragma once
// What the title bar reports to its owner (the main dialog), in slot order. The title bar calls
// back, refresh, close, full screen, video and chat; video test and the reserved slot are
// implemented by the owner and called by no title bar.
class ITitleLayerEventListener {
public:
    virtual ~ITitleLayerEventListener() = default;
    virtual void OnTitleBack() = 0;
    virtual void OnTitleRefresh() = 0;
    virtual void OnTitleClose() = 0;
    virtual void OnTitleFullScreen() = 0;
    virtual void OnTitleVideoTest() = 0;
    virtual void OnTitleVideo() = 0;
    virtual void OnTitleChat() = 0;
    virtual void OnTitleReserved() = 0;
};
