#include "app/panels/ProgramPanels.h"

void SetMeetingPaneMakers() {}
