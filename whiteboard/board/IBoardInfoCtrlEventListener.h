#pragma once
// What the board's information bar asks of the board layer, in fixed slot order.
#include <windows.h>

#include "platform/CString.h"

class IBoardInfoCtrlEventListener {
public:
    virtual ~IBoardInfoCtrlEventListener() = default;
    virtual void OnSave(int flag) = 0;                          // 0
    virtual void OnZoom(float zoom) = 0;                        // 1: 0 fit page, -1 fill, else factor
    virtual void OnApproval(int kind, const CString& text) = 0; // 2
    virtual void OnFavorite(BOOL on) = 0;                       // 4
};
