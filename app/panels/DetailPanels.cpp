#include "app/panels/ProgramPanels.h"

#include "app/panels/AttendeeChatAdapters.h"
#include "screens/detail/DetailHooks.h"

void SetDetailPanelMakers()
{
    SDetailScreenHooks hooks = GetDetailScreenHooks();
    hooks.makeMemberPanel = MakeDetailMemberPanel;
    hooks.makeChatControl = MakeDetailChatControl;
    SetDetailScreenHooks(hooks);
}
