#include "app/panels/ProgramPanels.h"

void SetMainDialogTools() {}
