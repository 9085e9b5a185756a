#include "app/panels/ProgramPanels.h"

void SetDetailPanelMakers() {}
