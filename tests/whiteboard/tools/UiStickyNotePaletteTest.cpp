// The sticky note on the program's board with the main window's floating palette: the note draws
// with the palette's pen, highlighter and eraser, and it cannot be changed while the board is
// shared or the user follows the presenter.
#include <gtest/gtest.h>

#include "tests/support/TestSupport.h"
#include "tests/whiteboard/tools/ToolsTestSupport.h"
#include "whiteboard/MMFigure.h"
#include "whiteboard/tools/BoardOptCtrl.h"
#include "whiteboard/tools/DrawToolPalette.h"
#include "whiteboard/tools/StickyNoteDlg.h"

using namespace toolstest;

namespace {

class NoMain : public IDrawToolEventListener {
public:
    void OnMoveMode() override {}
    void OnPen() override {}
    void OnHighlighter() override {}
    void OnEraser() override {}
    void OnPointerTool() override {}
    void OnColor(COLORREF) override {}
    void OnClearPage(int) override {}
    void OnThickness(int) override {}
    void OnLineType(int) override {}
    void OnHistory(BOOL) override {}
};

class NotePalette : public ::testing::Test {
protected:
    void SetUp() override
    {
        b.reset(new BoardWithBars());
        b->Open(3);
        palette.reset(new CDrawToolMain(&b->host, &listener, CString(dir.File(L"opt.ini").c_str())));
        ASSERT_TRUE(palette->CreatePalette());
        b->main.drawTool = palette.get();
        note = dynamic_cast<CStickyNoteDlg*>(b->Board()->GetStickyNote());
        opt = dynamic_cast<CBoardOptCtrl*>(b->Board()->GetOptBar());
        ASSERT_TRUE(note && opt);
    }
    void TearDown() override
    {
        b->main.drawTool = nullptr;
        b.reset();
        palette.reset();
    }
    // The user opens the page's note from the option bar and switches it to drawing.
    void OpenNoteForDrawing()
    {
        ClickCentre(opt->Button(CBoardOptCtrl::kSticky));
        ASSERT_TRUE(note->IsShown());
        note->OnObjectEvent(514, note->FindObject(L"btnDrawMode"));
        ASSERT_EQ(note->GetMode(), 1);
    }
    void Stroke(int y)
    {
        const RECT rc = note->GetCanvas()->GetRect();
        canvastest::Drag(note->GetSafeHwnd(), {{rc.left + 20, rc.top + y}, {rc.left + 80, rc.top + y}, {rc.left + 160, rc.top + y}});
        Settle(30);
    }
    std::vector<CMMFigure*> Strokes()
    {
        std::vector<CMMFigure*> out;
        CStickyObject* own = CStickyNoteBook::Find(note->Book().Own(), 1);
        if (!own)
            return out;
        POSITION pos = own->m_strokes.GetHeadPosition();
        while (pos)
            out.push_back(static_cast<CMMFigure*>(own->m_strokes.GetNext(pos)));
        return out;
    }

    zeltest::TempDir dir;
    NoMain listener;
    std::unique_ptr<BoardWithBars> b;
    std::unique_ptr<CDrawToolMain> palette;
    CStickyNoteDlg* note = nullptr;
    CBoardOptCtrl* opt = nullptr;
};

TEST_F(NotePalette, TheNoteDrawsWithThePalettesPenHighlighterAndEraser)
{
    ASSERT_NO_FATAL_FAILURE(OpenNoteForDrawing());
    palette->Click(L"btnPen");
    Stroke(40);
    palette->Click(L"btnHighlighter");
    Stroke(120);
    std::vector<CMMFigure*> strokes = Strokes();
    ASSERT_EQ(strokes.size(), 2u);
    EXPECT_EQ(strokes[0]->GetColor(), (int)RGB(235, 81, 46)) << "the palette's pen, not a black pen";
    EXPECT_EQ(strokes[0]->GetWidth(), 5) << "the palette's thickness, not 2 pixels";
    EXPECT_FLOAT_EQ(strokes[0]->GetOpacity(), 1.0f);
    EXPECT_EQ(strokes[1]->GetColor(), (int)RGB(253, 251, 102));
    EXPECT_LT(strokes[1]->GetOpacity(), 1.0f);
    // The eraser takes the stroke it passes over, and only that one.
    palette->Click(L"btnEraser");
    const RECT rc = note->GetCanvas()->GetRect();
    canvastest::Drag(note->GetSafeHwnd(), {{rc.left + 80, rc.top + 20}, {rc.left + 80, rc.top + 40}, {rc.left + 80, rc.top + 60}});
    Settle(30);
    strokes = Strokes();
    ASSERT_EQ(strokes.size(), 1u);
    EXPECT_LT(strokes[0]->GetOpacity(), 1.0f);
}

TEST_F(NotePalette, NotesAreLockedWhileSharedOrFollowing)
{
    struct Case {
        const char* name;
        int share;
        BOOL sync, presenter;
        int optMode;
        BOOL locked;
    } cases[] = {
        {"shared", 1, FALSE, FALSE, 5, TRUE},
        {"not shared", 0, FALSE, FALSE, 5, FALSE},
        {"shared, own notes (mode 1)", 1, FALSE, FALSE, 1, FALSE},
        {"following the presenter", 0, TRUE, FALSE, 4, TRUE},
        {"presenting", 1, TRUE, TRUE, 4, TRUE},
    };
    ClickCentre(opt->Button(CBoardOptCtrl::kSticky));
    for (const Case& c : cases) {
        b->meeting.sync = c.sync;
        b->meeting.presenter = c.presenter;
        opt->SetMode(c.optMode);
        b->Board()->SetShareMode(c.share);
        EXPECT_EQ(note->IsLocked(), c.locked) << c.name;
        EXPECT_EQ(note->FindObject(L"btnSave")->IsEnabledForClick(), !c.locked) << c.name;
    }
    b->Board()->SetShareMode(0);
}

TEST_F(NotePalette, TheLaserPointerOnTheBarIsTheLaserPointerOnThePalette)
{
    palette->Click(L"btnPen");
    ASSERT_EQ(palette->GetToolMode(), 1);
    ClickCentre(opt->Button(CBoardOptCtrl::kLaser));
    EXPECT_EQ(palette->GetToolMode(), 4);
    EXPECT_EQ(b->Canvas()->GetMode(), CBoardDrawCtrl::kPointer);
}

TEST_F(NotePalette, TheBarsBottomEdgeResizesTheMainWindowUnlessMaximised)
{
    RecordingHost main;
    ASSERT_TRUE(main.Open(200, 100));
    b->main.wnd = &main;
    RECT rc;
    opt->GetClientRect(&rc);
    struct Case {
        int y;
        int showCmd;
        bool sizes;
    } cases[] = {{rc.bottom - 2, SW_SHOWNORMAL, true}, {rc.bottom - 5, SW_SHOWNORMAL, true},
                 {rc.bottom - 8, SW_SHOWNORMAL, false}, {rc.bottom - 2, SW_SHOWMAXIMIZED, false}};
    for (const Case& c : cases) {
        main.received.clear();
        b->main.showCmd = c.showCmd;
        opt->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rc.right / 2, c.y));
        opt->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(rc.right / 2, c.y));
        ASSERT_EQ(main.received.size(), c.sizes ? 1u : 0u) << c.y << " " << c.showCmd;
        if (c.sizes) {
            EXPECT_EQ(std::get<0>(main.received[0]), (UINT)WM_NCLBUTTONDOWN);
            EXPECT_EQ(std::get<1>(main.received[0]), (WPARAM)HTBOTTOM);
        }
    }
    b->main.wnd = nullptr;
    main.DestroyWindow();
}

TEST_F(NotePalette, WhileSharedOnlyThePresenterUsesTheBarsAndThePalette)
{
    struct Case {
        const char* name;
        int share;
        BOOL presenter;
        BOOL allowed;
    } cases[] = {
        {"a follower while shared", 1, FALSE, FALSE},
        {"the presenter while shared", 1, TRUE, TRUE},
        {"a follower after the sharing", 0, FALSE, TRUE},
    };
    b->meeting.live = TRUE;
    b->meeting.sync = TRUE;
    for (const Case& c : cases) {
        b->meeting.presenter = c.presenter;
        b->Board()->SetShareMode(c.share);
        for (UINT id : {(UINT)CBoardOptCtrl::kSticky, (UINT)CBoardOptCtrl::kWhiteboardOpen, (UINT)CBoardOptCtrl::kAddPage,
                        (UINT)CBoardOptCtrl::kLaser})
            EXPECT_EQ(opt->Button(id)->IsWindowEnabled() != FALSE, c.allowed != FALSE) << c.name << " " << id;
        EXPECT_EQ(palette->Object(L"btnPen")->IsEnabledForClick() != FALSE, c.allowed != FALSE) << c.name;
    }
    b->Board()->SetShareMode(0);
}

}  // namespace
