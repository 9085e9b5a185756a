#include "screens/meeting/MeetingPanelMakers.h"

namespace {
// Set once by the program before the main dialog opens; read on the user-interface thread.
SMeetingPanelMakers g_makers;
}  // namespace

void SetMeetingPanelMakers(const SMeetingPanelMakers& makers)
{
    g_makers = makers;
}

const SMeetingPanelMakers& GetMeetingPanelMakers()
{
    return g_makers;
}
