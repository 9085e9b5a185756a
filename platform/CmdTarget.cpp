#include "platform/CmdTarget.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const ::zel::MsgMap* CCmdTarget::GetThisMessageMap()
{
    static const ::zel::MsgMapEntry entries[] = { { 0, 0, 0, 0, nullptr, nullptr } };
    static const ::zel::MsgMap map = { nullptr, entries };
    return &map;
}

const ::zel::MsgMap* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

bool CCmdTarget::CallMessageHandlers(UINT key, UINT code, UINT id, UINT message, WPARAM wParam,
                                     LPARAM lParam, LRESULT* result)
{
    const bool reflected = key >= ::zel::kMsgReflectBase;
    const bool keyed = key == WM_COMMAND || key == WM_NOTIFY ||
                       key == ::zel::kMsgReflectBase + WM_COMMAND ||
                       key == ::zel::kMsgReflectBase + WM_NOTIFY;
    for (const ::zel::MsgMap* map = GetMessageMap(); map; map = map->getBase ? map->getBase() : nullptr) {
        for (const ::zel::MsgMapEntry* e = map->entries; e->thunk; ++e) {
            if (e->registered) {
                if (reflected || *e->registered == 0 || *e->registered != key) continue;
            } else {
                if (e->message != key) continue;
                // Reflected notifications go to the control itself: its id does not matter.
                if (keyed && (e->code != code || (!reflected && (id < e->firstId || id > e->lastId))))
                    continue;
            }
            if (e->thunk(this, message, wParam, lParam, result)) return true;
        }
    }
    return false;
}
