#include "app/panels/ProgramPanels.h"

#include "app/main/BoardDrawing.h"
#include "screens/meeting/MeetingLayer.h"
#include "whiteboard/board/BoardLayer.h"
#include "whiteboard/canvas/BoardDrawCtrl.h"
#include "whiteboard/tools/BoardDrawToolCtrl.h"

namespace {

// The palette's choices on the one meeting screen's board: the board takes the tool, and the
// board's own drawing tool bar is pressed as if by hand so that it shows the same choice. Without
// that bar the canvas is told directly.
class CMeetingBoardDrawing : public IBoardDrawing {
public:
    void SelectPanTool() override
    {
        if (CBoardLayer* pBoard = Board()) pBoard->OnPanTool();
    }
    void SelectPenTool() override
    {
        CBoardLayer* pBoard = Board();
        if (!pBoard) return;
        pBoard->SelectPenTool();
        if (CBoardDrawToolCtrl* pBar = Bar(pBoard)) pBar->SelectPen();
        else if (CBoardDrawCtrl* pCanvas = pBoard->GetCanvas()) pCanvas->OnPenMode();
    }
    void SelectHighlighterTool() override
    {
        CBoardLayer* pBoard = Board();
        if (!pBoard) return;
        pBoard->SelectHighlighterTool();
        if (CBoardDrawToolCtrl* pBar = Bar(pBoard)) pBar->SelectHighlighter();
        else if (CBoardDrawCtrl* pCanvas = pBoard->GetCanvas()) pCanvas->OnHighlighterMode();
    }
    void SelectEraserTool() override
    {
        CBoardLayer* pBoard = Board();
        if (!pBoard) return;
        pBoard->SelectEraserTool();
        if (CBoardDrawToolCtrl* pBar = Bar(pBoard)) pBar->SelectClearPanel();
        else if (CBoardDrawCtrl* pCanvas = pBoard->GetCanvas()) pCanvas->SetMode(CBoardDrawCtrl::kEraser);
    }
    void SelectPointerTool() override
    {
        if (CBoardLayer* pBoard = Board()) pBoard->OnPointerTool();
    }
    void SetColor(COLORREF color) override
    {
        if (CBoardDrawCtrl* pCanvas = Canvas()) pCanvas->OnLineColor(0, color);
    }
    void SetThickness(int nWidth) override
    {
        CBoardLayer* pBoard = Board();
        if (!pBoard) return;
        if (CBoardDrawToolCtrl* pBar = Bar(pBoard)) pBar->SetWidth(nWidth);
        else if (CBoardDrawCtrl* pCanvas = pBoard->GetCanvas()) pCanvas->OnLineWidth(nWidth);
    }
    void SetLineType(int nLineType) override
    {
        CBoardLayer* pBoard = Board();
        if (!pBoard) return;
        if (CBoardDrawToolCtrl* pBar = Bar(pBoard)) {
            pBar->SelectShape(nLineType);
            return;
        }
        CBoardDrawCtrl* pCanvas = pBoard->GetCanvas();
        if (!pCanvas) return;
        switch (nLineType) {
        case 1: pCanvas->OnFreeLineMode(); break;
        case 2: pCanvas->OnShapeMode6(); break;
        case 3: pCanvas->OnShapeMode7(); break;
        case 4: pCanvas->OnShapeMode8(); break;
        case 5: pCanvas->OnShapeMode9(); break;
        case 6: pCanvas->OnShapeMode10(); break;
        default: break;
        }
    }
    void StepHistory(BOOL bUndo) override
    {
        CBoardLayer* pBoard = Board();
        if (!pBoard) return;
        if (CBoardDrawToolCtrl* pBar = Bar(pBoard)) pBar->StepHistory(bUndo);
        else if (CBoardDrawCtrl* pCanvas = pBoard->GetCanvas()) bUndo ? pCanvas->OnUndo() : pCanvas->OnRedo();
    }
    void ClearCurrentPage() override
    {
        if (CBoardDrawCtrl* pCanvas = Canvas()) pCanvas->ClearCurrentPage();
    }

private:
    static CBoardLayer* Board()
    {
        CBoardLayer* pBoard = g_pMeetingLayer ? g_pMeetingLayer->GetBoardLayer() : nullptr;
        return pBoard && pBoard->GetSafeHwnd() ? pBoard : nullptr;
    }
    static CBoardDrawCtrl* Canvas()
    {
        CBoardLayer* pBoard = Board();
        return pBoard ? pBoard->GetCanvas() : nullptr;
    }
    static CBoardDrawToolCtrl* Bar(CBoardLayer* pBoard)
    {
        CBoardDrawToolCtrl* pBar = dynamic_cast<CBoardDrawToolCtrl*>(pBoard->GetDrawToolBar());
        return pBar && pBar->GetSafeHwnd() ? pBar : nullptr;
    }
};

}  // namespace

void SetMainDialogTools()
{
    SetBoardDrawingMaker([]() -> IBoardDrawing* { return new CMeetingBoardDrawing(); });
}
