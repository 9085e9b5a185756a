// Finger and pen input on the canvas inside a board made with the program's own bar makers, and
// what the canvas draws for pointers and memos.
//
// Wine 8 has no touch input: it exports no touch injection and its GetTouchInputInfo hands out no
// points. These tests therefore send WM_TOUCH as Windows sends it to a window registered for
// touch, and give the canvas the TOUCHINPUT records Windows would return for its handle (the
// canvas' touch reader). The machine has no digitiser either: the tests give the canvas its
// touch tracker as the canvas makes it on a touch machine. Mouse messages made from pen and
// touch carry the pen and touch signature in their extra information; those are sent with
// SendInput, as the system would post them.
#include <gtest/gtest.h>

#include <vector>

#include "core/SettingManager.h"
#include "tests/support/TestSupport.h"
#include "tests/whiteboard/canvas/program/CanvasProgramSupport.h"
#include "tests/whiteboard/tools/ToolsTestSupport.h"
#include "whiteboard/tools/DrawToolPalette.h"

using namespace toolstest;
using namespace canvasprogram;

namespace {

// One touch point as Windows reports it.
struct Touch {
    DWORD id;
    int x, y;        // canvas client pixels
    DWORD flags;     // TOUCHEVENTF_DOWN / MOVE / UP, TOUCHEVENTF_PEN
};

std::vector<TOUCHINPUT> g_inputs;

class CanvasTouch : public ::testing::Test {
protected:
    void SetUp() override
    {
        CSettingManager* settings = CSettingManager::GetInstance();
        savedSkip = settings->m_nTouchSensitive;
        savedPen = settings->m_bUsePen;
        settings->m_nTouchSensitive = 0;  // every finger move counts
        settings->m_bUsePen = 0;
        b.reset(new BoardWithBars());
        SetMainDlg(&main);
        canvas = b->Canvas();
        hwnd = canvas->GetSafeHwnd();
        canvas->EnableTouch();
        CBoardDrawCtrl::SetTouchInputReader([](HTOUCHINPUT, UINT count, TOUCHINPUT* out) {
            if (count != g_inputs.size())
                return FALSE;
            std::copy(g_inputs.begin(), g_inputs.end(), out);
            return TRUE;
        });
    }
    void TearDown() override
    {
        CBoardDrawCtrl::SetTouchInputReader(nullptr);
        SetMainDlg(&b->main);
        b.reset();
        SetMainDlg(nullptr);
        CSettingManager::GetInstance()->m_nTouchSensitive = savedSkip;
        CSettingManager::GetInstance()->m_bUsePen = savedPen;
    }
    // One WM_TOUCH with these points.
    void Send(const std::vector<Touch>& points)
    {
        g_inputs.clear();
        for (const Touch& t : points) {
            POINT screen = {t.x, t.y};
            ::ClientToScreen(hwnd, &screen);
            TOUCHINPUT input = {};
            input.x = screen.x * 100;
            input.y = screen.y * 100;
            input.dwID = t.id;
            input.dwFlags = t.flags;
            g_inputs.push_back(input);
        }
        ::SendMessageW(hwnd, WM_TOUCH, MAKEWPARAM(points.size(), 0), (LPARAM)0x1234);
    }
    // A lone finger from one point to another in a few moves.
    void Swipe(POINT from, POINT to, DWORD pauseMs = 0)
    {
        Send({{1, from.x, from.y, TOUCHEVENTF_DOWN}});
        for (int i = 1; i <= 4; ++i)
            Send({{1, from.x + (to.x - from.x) * i / 4, from.y + (to.y - from.y) * i / 4, TOUCHEVENTF_MOVE}});
        if (pauseMs)
            ::Sleep(pauseMs);
        Send({{1, to.x, to.y, TOUCHEVENTF_UP}});
        Settle(50);
    }
    POINT Centre()
    {
        RECT rc;
        ::GetClientRect(hwnd, &rc);
        return POINT{rc.right / 2, rc.bottom / 2};
    }

    int savedSkip = 5, savedPen = 0;
    std::unique_ptr<BoardWithBars> b;
    ProgramMainDlg main;
    CBoardDrawCtrl* canvas = nullptr;
    HWND hwnd = nullptr;
};

TEST_F(CanvasTouch, QuickFingerFlickTurnsThePageSlowOneDoesNot)
{
    b->Open(3, 2);
    const POINT c = Centre();
    struct Case {
        const char* what;
        int dx;
        DWORD pause;
        BOOL follower;
        int page;
    } cases[] = {
        {"quick to the left: next page", -200, 0, FALSE, 3},
        {"quick to the right: previous page", 200, 0, FALSE, 2},
        {"slow: no turn", -200, 400, FALSE, 2},
        {"short: no turn", -60, 0, FALSE, 2},
        {"a follower's flick", -200, 0, TRUE, 2},
    };
    for (const Case& k : cases) {
        b->meeting.sync = k.follower;
        b->meeting.live = k.follower;
        b->meeting.presenter = FALSE;
        b->now += 1000;
        Swipe(POINT{c.x, c.y}, POINT{c.x + k.dx, c.y}, k.pause);
        EXPECT_EQ(b->Board()->GetCurrentPage(), k.page) << k.what;
    }
}

TEST_F(CanvasTouch, TwoFingersPinchTheZoomAndTheBarsFollow)
{
    b->Open(2);
    const POINT c = Centre();
    const float before = canvas->View().Zoom();
    Send({{1, c.x - 100, c.y, TOUCHEVENTF_DOWN}});
    Send({{1, c.x - 100, c.y, TOUCHEVENTF_MOVE}, {2, c.x + 100, c.y, TOUCHEVENTF_DOWN}});
    Send({{1, c.x - 100, c.y, TOUCHEVENTF_MOVE}, {2, c.x + 300, c.y, TOUCHEVENTF_MOVE}});
    const float after = canvas->View().Zoom();
    EXPECT_NEAR(after, before * 2.0f, 0.05f) << "fingers twice as far apart";
    EXPECT_FLOAT_EQ(b->Board()->GetZoomCombo(), after) << "the information bar shows the zoom";
    Send({{1, c.x - 100, c.y, TOUCHEVENTF_UP}, {2, c.x + 300, c.y, TOUCHEVENTF_MOVE}});
    Send({{2, c.x + 300, c.y, TOUCHEVENTF_UP}});
    EXPECT_EQ(b->Board()->GetCurrentPage(), 1) << "a pinch is no flick";
}

TEST_F(CanvasTouch, FingerStrokeIgnoresTremblingAndSkipsMoves)
{
    b->Open(2);
    const auto page = b->Board()->GetPageManager().GetPage(1);
    canvas->SetMode(CBoardDrawCtrl::kFreeLine);
    const POINT c = Centre();
    // A finger resting on the glass trembles by a pixel or two: nothing is drawn.
    Send({{1, c.x, c.y, TOUCHEVENTF_DOWN}});
    for (int i = 0; i < 6; ++i)
        Send({{1, c.x + (i % 3), c.y + (i % 2), TOUCHEVENTF_MOVE}});
    Send({{1, c.x + 1, c.y, TOUCHEVENTF_UP}});
    EXPECT_EQ(page->m_ownLayer.GetCount(), 0);

    // A real stroke becomes one figure.
    Swipe(POINT{c.x - 150, c.y}, POINT{c.x + 150, c.y + 60});
    ASSERT_EQ(page->m_ownLayer.GetCount(), 1);
    const auto figure = page->m_ownLayer.GetFigures()[0];
    EXPECT_GE(figure->GetPointCount(), 4);

    // With the settings' skip count of 2 only every third move is taken.
    CSettingManager::GetInstance()->m_nTouchSensitive = 2;
    b.reset(new BoardWithBars());
    SetMainDlg(&main);
    canvas = b->Canvas();
    hwnd = canvas->GetSafeHwnd();
    canvas->EnableTouch();
    b->Open(2);
    canvas->SetMode(CBoardDrawCtrl::kFreeLine);
    Send({{1, c.x - 200, c.y, TOUCHEVENTF_DOWN}});
    for (int i = 1; i <= 9; ++i)
        Send({{1, c.x - 200 + 40 * i, c.y, TOUCHEVENTF_MOVE}});
    Send({{1, c.x + 160, c.y, TOUCHEVENTF_UP}});
    const auto page2 = b->Board()->GetPageManager().GetPage(1);
    ASSERT_EQ(page2->m_ownLayer.GetCount(), 1);
    // Moves 1, 4 and 7 (the first makes a figure of two points), then the lift.
    EXPECT_EQ(page2->m_ownLayer.GetFigures()[0]->GetPointCount(), 5);
}

TEST_F(CanvasTouch, FingerPointerRidesAboveTheFinger)
{
    b->Open(2);
    canvas->SetMode(CBoardDrawCtrl::kPointer);
    const POINT c = Centre();
    Send({{1, c.x, c.y, TOUCHEVENTF_DOWN}});
    EXPECT_TRUE(canvas->IsFingerPointer());
    EXPECT_EQ(canvas->GetFingerPosition().y, c.y - 48);
    Send({{1, c.x + 40, c.y + 20, TOUCHEVENTF_MOVE}});
    EXPECT_EQ(canvas->GetFingerPosition().x, c.x + 40);
    EXPECT_EQ(canvas->GetFingerPosition().y, c.y + 20 - 48);
    // Drawn where the finger does not hide it: the pointer's red (colour 0).
    const COLORREF seen = canvastest::ScreenPixel(hwnd, c.x + 40, c.y + 20 - 48);
    EXPECT_EQ(seen, RGB(233, 0, 0));
    Send({{1, c.x + 40, c.y + 20, TOUCHEVENTF_UP}});
    EXPECT_FALSE(canvas->IsFingerPointer());
    EXPECT_NE(canvastest::ScreenPixel(hwnd, c.x + 40, c.y + 20 - 48), RGB(233, 0, 0));
}

TEST_F(CanvasTouch, WithPenInputTheFingerPansAndThePenDrawsWithThePalettesTool)
{
    HeldPalette palette(&b->host, main);
    ASSERT_TRUE(palette.IsOpen());
    CSettingManager::GetInstance()->m_bUsePen = 1;
    b->Open(2);
    const auto page = b->Board()->GetPageManager().GetPage(1);
    canvas->SetMode(CBoardDrawCtrl::kFreeLine);
    const POINT c = Centre();

    // A finger: the canvas pans.
    Send({{1, c.x, c.y, TOUCHEVENTF_DOWN}});
    EXPECT_EQ(canvas->GetMode(), CBoardDrawCtrl::kPan);
    EXPECT_EQ(canvas->GetPointerType(), 2);
    Send({{1, c.x + 10, c.y, TOUCHEVENTF_UP}});
    EXPECT_EQ(page->m_ownLayer.GetCount(), 0);

    // The pen: the palette's line type (a free line) and a stroke.
    Send({{1, c.x - 100, c.y, TOUCHEVENTF_DOWN | TOUCHEVENTF_PEN}});
    EXPECT_EQ(canvas->GetMode(), CBoardDrawCtrl::kFreeLine);
    EXPECT_EQ(canvas->GetPointerType(), 3);
    for (int i = 1; i <= 4; ++i)
        Send({{1, c.x - 100 + 50 * i, c.y + 10 * i, TOUCHEVENTF_MOVE | TOUCHEVENTF_PEN}});
    Send({{1, c.x + 100, c.y + 40, TOUCHEVENTF_UP | TOUCHEVENTF_PEN}});
    EXPECT_EQ(page->m_ownLayer.GetCount(), 1);

    // The palette's eraser makes the pen erase; a finger in between pans.
    palette->Click(L"btnEraser");
    Send({{1, c.x, c.y, TOUCHEVENTF_DOWN}});
    Send({{1, c.x, c.y, TOUCHEVENTF_UP}});
    EXPECT_EQ(canvas->GetMode(), CBoardDrawCtrl::kPan);
    Send({{1, c.x, c.y, TOUCHEVENTF_DOWN | TOUCHEVENTF_PEN}});
    EXPECT_EQ(canvas->GetMode(), CBoardDrawCtrl::kEraser);
    Send({{1, c.x, c.y, TOUCHEVENTF_UP | TOUCHEVENTF_PEN}});

    // A mouse button from the mouse itself (no pen signature) in the pan mode takes the palette's
    // tool again.
    canvas->SetMode(CBoardDrawCtrl::kPan);
    ::SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(c.x, c.y));
    ::SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(c.x, c.y));
    EXPECT_EQ(canvas->GetMode(), CBoardDrawCtrl::kEraser);
}

// A press and release at a canvas point as the system makes them from pen or touch input: real
// input whose extra information carries the pen and touch signature.
void PressWithExtraInfo(HWND hwnd, POINT at, ULONG_PTR extra)
{
    ::SetForegroundWindow(::GetAncestor(hwnd, GA_ROOT));
    ::ClientToScreen(hwnd, &at);
    ::SetCursorPos(at.x, at.y);
    Settle(50);
    INPUT inputs[2] = {};
    for (INPUT& input : inputs) {
        input.type = INPUT_MOUSE;
        input.mi.dwExtraInfo = extra;
    }
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(2, inputs, sizeof(INPUT));
    Settle(150);
}

TEST_F(CanvasTouch, MouseMadeFromTouchPansAndFromThePenDraws)
{
    HeldPalette palette(&b->host, main);
    ASSERT_TRUE(palette.IsOpen());
    CSettingManager::GetInstance()->m_bUsePen = 1;
    b->Open(2);
    palette->Click(L"btnEraser");
    const POINT c = Centre();
    struct Case {
        const char* what;
        ULONG_PTR extra;
        int modeBefore, modeAfter;
    } cases[] = {
        {"the pen's mouse in the pan mode: the palette's eraser", 0xFF515700, CBoardDrawCtrl::kPan,
         CBoardDrawCtrl::kEraser},
        {"the mouse in the pan mode: the palette's eraser", 0, CBoardDrawCtrl::kPan, CBoardDrawCtrl::kEraser},
        {"a finger's mouse: the pan mode", 0xFF515780, CBoardDrawCtrl::kFreeLine, CBoardDrawCtrl::kPan},
    };
    int n = 0;
    for (const Case& k : cases) {
        canvas->SetMode(k.modeBefore);
        // Apart from the last press, so that the two make no double click.
        PressWithExtraInfo(hwnd, POINT{c.x + 40 * n++, c.y}, k.extra);
        EXPECT_EQ(canvas->GetMode(), k.modeAfter) << k.what;
    }
    EXPECT_EQ(canvas->GetPointerType(), 2) << "the finger is remembered until it lifts";
}

TEST_F(CanvasTouch, PresentersPointerInHisColourAndSize)
{
    b->Open(2);
    b->meeting.sync = TRUE;
    b->meeting.presenter = FALSE;
    struct Case {
        int colour, size;
        COLORREF seen;
    } cases[] = {{6, 2, RGB(255, 216, 0)}, {4, 3, RGB(0, 67, 236)}, {0, 1, RGB(233, 0, 0)}};
    for (const Case& k : cases) {
        S_REMOTE_POINTER pointer;
        pointer.mtngId = L"MT1";
        pointer.attcFileId = L"D1";
        pointer.page = 1;
        pointer.userIdnfr = 77;
        pointer.pointerX = 300;
        pointer.pointerY = 200;
        pointer.pointerColor = k.colour;
        pointer.pointerSize = k.size;
        canvas->ShowRemotePointer(pointer);
        const POINT at = canvas->GetPointerPosition();
        EXPECT_EQ(canvastest::ScreenPixel(hwnd, at.x, at.y), k.seen) << "colour " << k.colour;
        // The size: the dot's edge lies farther out for a larger pointer.
        const COLORREF edge = canvastest::ScreenPixel(hwnd, at.x + 9, at.y);
        EXPECT_EQ(edge == k.seen, k.size >= 2) << "size " << k.size;
    }
}

TEST_F(CanvasTouch, MemoBannerPictureRisesAboveTheOpenToolbar)
{
    b->Open(2);
    canvas->SetMode(CBoardDrawCtrl::kMemo);
    RECT rc;
    ::GetClientRect(hwnd, &rc);
    const COLORREF strip = canvastest::ScreenPixel(hwnd, 30, rc.bottom - 5);
    // The banner's picture (dark blue-grey) half over the canvas' light background.
    EXPECT_LT(GetRValue(strip), 170);
    EXPECT_GT(GetBValue(strip), GetRValue(strip));
    const COLORREF above = canvastest::ScreenPixel(hwnd, 30, rc.bottom - 70);
    EXPECT_GT(GetRValue(above), 200) << "nothing above the strip";
    canvas->SetBarsShown(TRUE, FALSE);
    Settle(700);
    canvas->Redraw();
    const COLORREF raised = canvastest::ScreenPixel(hwnd, 30, rc.bottom - 70);
    EXPECT_LT(GetRValue(raised), 170) << "raised by the toolbar's 28 pixels";
    RECT rcShot;
    ::GetWindowRect(hwnd, &rcShot);
    EXPECT_TRUE(SaveScreenArea(rcShot, L"CanvasMemoBannerRaised"));
}

}  // namespace
