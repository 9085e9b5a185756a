#include "app/panels/ProgramPanels.h"

void SetProgramPanels()
{
    SetInfoPanelMaker();
    SetMeetingPaneMakers();
    SetDetailPanelMakers();
    SetMainDialogTools();
}
