#include <winsock2.h>

#include "whiteboard/tools/ToolMakers.h"

#include "ui/host/MainDlg.h"

#include "whiteboard/tools/BoardDrawToolCtrl.h"
#include "whiteboard/tools/BoardInfoCtrl.h"
#include "whiteboard/tools/BoardNavigationDlg.h"
#include "whiteboard/tools/BoardOptCtrl.h"
#include "whiteboard/tools/DrawToolPalette.h"
#include "whiteboard/tools/MemoLayer.h"
#include "whiteboard/tools/PresentationBars.h"
#include "whiteboard/tools/StickyNoteDlg.h"

S_BOARD_BAR_MAKERS WhiteboardToolMakers()
{
    S_BOARD_BAR_MAKERS makers;
    makers.makeInfoBar = &MakeBoardInfoBar;
    makers.makeOptBar = &MakeBoardOptBar;
    makers.makeDrawToolBar = &MakeBoardDrawToolBar;
    makers.makeMemoLayer = &MakeMemoLayer;
    makers.makeNavigator = &MakeBoardNavigator;
    makers.makeStickyNote = &MakeStickyNote;
    makers.makePresenterBars = &MakePresenterBars;
    makers.selectPalettePointer = [] {
        IZELMainDlg* main = GetMainDlg();
        if (CDrawToolMain* palette = main ? dynamic_cast<CDrawToolMain*>(main->GetDrawToolWnd()) : nullptr)
            palette->SelectPointerTool();
    };
    return makers;
}
