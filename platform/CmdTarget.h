#pragma once
// Root of every class that receives messages: owns the end of the message-map chain.
#include "platform/MessageMap.h"
#include "platform/Object.h"

class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() = default;
    ~CCmdTarget() override = default;

    // Calls the handlers listed for 'key' (the table's message: the window message itself, or a
    // pseudo message for colour and reflected entries), this class's table first, then its bases',
    // until one takes the message. WM_COMMAND and WM_NOTIFY entries must match 'code' and 'id'
    // too. 'message' is the real window message handed to the handler.
    bool CallMessageHandlers(UINT key, UINT code, UINT id, UINT message, WPARAM wParam,
                             LPARAM lParam, LRESULT* result);

protected:
    static const ::zel::MsgMap* GetThisMessageMap();
    virtual const ::zel::MsgMap* GetMessageMap() const;
};
