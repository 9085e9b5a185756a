// The canvas as a real window under the display: driven by the mouse messages a user causes,
// checked against the page model and the pixels it shows.
#include <gtest/gtest.h>

#include <json/json.h>

#include "core/SettingManager.h"
#include "platform/ResourceHandle.h"
#include "tests/support/TestSupport.h"
#include "tests/whiteboard/canvas/CanvasTestSupport.h"
#include "whiteboard/canvas/BoardDrawCtrl.h"

using namespace canvastest;

namespace {

const int kClientW = 800, kClientH = 600;

class CanvasFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.Open(kClientW, kClientH));
        canvas.reset(new CBoardDrawCtrl(&board, &board));
        canvas->SetMemoLayer(&memos);
        ASSERT_TRUE(canvas->Create(&host, RECT{0, 0, kClientW, kClientH}));
        hwnd = canvas->GetSafeHwnd();
    }
    void TearDown() override
    {
        canvas.reset();
        host.DestroyWindow();
    }
    // A page shown at zoom 1; the default size lies wholly inside the client with a border round it.
    std::shared_ptr<CMMPage> ShowPage(int w = 600, int h = 450)
    {
        auto page = MakePage(1, w, h);
        canvas->SetPage(page);
        canvas->SetZoom(1.0f);
        canvas->UpdateWindow();
        return page;
    }
    POINT Screen(float x, float y) { return canvas->View().PageToScreen(Gdiplus::PointF(x, y)); }
    // A click without movement at a client point.
    void Click(POINT at)
    {
        Down(hwnd, at.x, at.y);
        Up(hwnd, at.x, at.y);
    }

    HostWindow host;
    FakeBoard board;
    FakeMemoLayer memos;
    std::unique_ptr<CBoardDrawCtrl> canvas;
    HWND hwnd = nullptr;
};

bool IsInk(COLORREF c)
{
    // The default pen is red (233, 0, 0); anti-aliasing blends its edge.
    return GetRValue(c) > 150 && GetGValue(c) < 120 && GetBValue(c) < 120;
}

TEST_F(CanvasFixture, WithoutImageShowsLoadingAndTakesNoInput)
{
    canvas->SetPage(std::make_shared<CMMPage>(1));
    EXPECT_TRUE(canvas->IsLoadingShown());
    canvas->SetMode(CBoardDrawCtrl::kFreeLine);
    Drag(hwnd, {{100, 100}, {200, 200}, {300, 200}});
    EXPECT_EQ(canvas->GetPage()->m_ownLayer.GetCount(), 0);
    EXPECT_EQ(ScreenPixel(hwnd, 400, 300), RGB(246, 247, 251));
}

TEST_F(CanvasFixture, FreeLineGoesToOwnLayerAndIsPainted)
{
    auto page = ShowPage();
    canvas->SetMode(CBoardDrawCtrl::kFreeLine);
    Drag(hwnd, {Screen(100, 100), Screen(200, 100), Screen(300, 100), Screen(300, 200), Screen(300, 300)});
    ASSERT_EQ(page->m_ownLayer.GetCount(), 1);
    const auto figure = page->m_ownLayer.GetFigures()[0];
    EXPECT_EQ(figure->GetFigureType(), 0);
    EXPECT_EQ(figure->GetWidth(), 5);
    EXPECT_EQ(figure->GetColor(), (int)RGB(233, 0, 0));
    EXPECT_NEAR(figure->GetPoint(0).X, 100.0f, 1.0f);
    EXPECT_NEAR(figure->GetPoint(figure->GetPointCount() - 1).Y, 300.0f, 1.0f);
    EXPECT_TRUE(page->GetModified());
    EXPECT_TRUE(board.canUndo);
    // Painted: ink on the stroke's middle, none away from it.
    const POINT mid = Screen(150, 100);
    const COLORREF ink = ScreenPixel(hwnd, mid.x, mid.y);
    EXPECT_TRUE(IsInk(ink)) << std::hex << ink << " at " << std::dec << mid.x << "," << mid.y;
    const POINT away = Screen(200, 250);
    EXPECT_FALSE(IsInk(ScreenPixel(hwnd, away.x, away.y)));
}

TEST_F(CanvasFixture, ClickWithoutMovementStoresNothing)
{
    auto page = ShowPage();
    canvas->SetMode(CBoardDrawCtrl::kFreeLine);
    Click(Screen(100, 100));
    EXPECT_EQ(page->m_ownLayer.GetCount(), 0);
}

TEST_F(CanvasFixture, QuickSecondStrokeFromTheSamePlaceIsDrawn)
{
    // The window class takes double clicks: a second press within the double-click time arrives
    // as one.
    auto page = ShowPage();
    canvas->SetMode(CBoardDrawCtrl::kFreeLine);
    const POINT a = Screen(100, 100), b = Screen(200, 150), c = Screen(100, 250);
    Drag(hwnd, {a, b});
    ::SendMessageW(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(a.x, a.y));
    Move(hwnd, c.x, c.y);
    Up(hwnd, c.x, c.y);
    EXPECT_EQ(page->m_ownLayer.GetCount(), 2);
}

TEST_F(CanvasFixture, StrokeLeavingThePageEndsAtTheBorder)
{
    auto page = ShowPage(400, 300);  // at zoom 1 the page lies inside the client
    canvas->SetMode(CBoardDrawCtrl::kFreeLine);
    const RECT rc = canvas->View().Page();
    Drag(hwnd, {{rc.left + 100, rc.top + 100}, {rc.left + 200, rc.top + 100}, {rc.right + 100, rc.top + 100},
                {rc.right + 150, rc.top + 120}});
    ASSERT_EQ(page->m_ownLayer.GetCount(), 1);
    for (const auto& p : page->m_ownLayer.GetFigures()[0]->GetPoints()) {
        EXPECT_LE(p.X, 400.0f);
        EXPECT_LE(p.Y, 300.0f);
    }
    EXPECT_NEAR(page->m_ownLayer.GetFigures()[0]->GetPoints().back().X, 400.0f, 1.0f);
}

TEST_F(CanvasFixture, ShapesByMode)
{
    auto page = ShowPage();
    const struct {
        int mode, type;
    } cases[] = {{CBoardDrawCtrl::kLine, 1}, {CBoardDrawCtrl::kCheck, 2}, {CBoardDrawCtrl::kRect, 3},
                 {CBoardDrawCtrl::kRoundRect, 4}, {CBoardDrawCtrl::kEllipse, 5}};
    int expected = 0;
    for (const auto& c : cases) {
        canvas->SetMode(c.mode);
        std::vector<POINT> path;
        for (int i = 0; i <= 20; ++i)
            path.push_back(Screen(50.0f + 10 * i, 50.0f + 8 * i));
        Drag(hwnd, path);
        ASSERT_EQ(page->m_ownLayer.GetCount(), ++expected);
        const auto figure = page->m_ownLayer.GetFigures().back();
        EXPECT_EQ(figure->GetFigureType(), c.type);
        EXPECT_LE(figure->GetPointCount(), 8) << c.mode;  // at most 7 while dragged, then the end point
    }
}

TEST_F(CanvasFixture, EraserUndoAndDeleteKeyDoNotDuplicate)
{
    auto page = ShowPage();
    canvas->SetMode(CBoardDrawCtrl::kFreeLine);
    for (int i = 0; i < 3; ++i)
        Drag(hwnd, {Screen(100, 100.0f + 50 * i), Screen(400, 100.0f + 50 * i), Screen(500, 100.0f + 50 * i)});
    ASSERT_EQ(page->m_ownLayer.GetCount(), 3);
    // One eraser sweep across all three strokes.
    canvas->SetMode(CBoardDrawCtrl::kEraser);
    Drag(hwnd, {Screen(250, 60), Screen(250, 260)});
    EXPECT_EQ(page->m_ownLayer.GetCount(), 0);
    // Delete acts on figures already erased: nothing more happens.
    MSG key = {hwnd, WM_KEYDOWN, VK_DELETE, 0};
    EXPECT_TRUE(canvas->PreTranslateMessage(&key));
    canvas->OnUndo();
    EXPECT_EQ(page->m_ownLayer.GetCount(), 3);
    canvas->OnUndo();  // undoes the third stroke, does not add erased figures again
    EXPECT_EQ(page->m_ownLayer.GetCount(), 2);
    canvas->OnRedo();
    canvas->OnRedo();
    EXPECT_EQ(page->m_ownLayer.GetCount(), 0);
}

TEST_F(CanvasFixture, CtrlWheelZoomsOutNeverIn)
{
    ShowPage(2000, 1500);
    canvas->SetZoom(0.0f);  // fit: about 0.39
    const float fit = canvas->View().Zoom();
    ASSERT_LT(fit, 0.9f);
    ::SendMessageW(hwnd, WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, (WORD)(short)-120), MAKELPARAM(400, 300));
    EXPECT_LE(canvas->View().Zoom(), fit);
    canvas->SetZoom(0.95f);
    ::SendMessageW(hwnd, WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, (WORD)(short)-120), MAKELPARAM(400, 300));
    EXPECT_FLOAT_EQ(canvas->View().Zoom(), 0.9f);
    EXPECT_FLOAT_EQ(board.comboZoom, 0.9f);
    ::SendMessageW(hwnd, WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, 120), MAKELPARAM(400, 300));
    EXPECT_FLOAT_EQ(canvas->View().Zoom(), 0.99f);
}

TEST_F(CanvasFixture, WheelScrollsTheViewByOneStep)
{
    ShowPage(700, 1500);
    const LONG top = canvas->View().Page().top;
    POINT screen = {400, 300};
    ::ClientToScreen(hwnd, &screen);
    ::SendMessageW(hwnd, WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)(short)-120), MAKELPARAM(screen.x, screen.y));
    EXPECT_EQ(canvas->View().Page().top, top - 100);
    EXPECT_GT(board.zoomReports, 0);
}

TEST(CanvasWheelStep, TheStepIsTheUsersScrollSetting)
{
    // The settings store reads "scroll" of [MYSTATE] in "setting.ini"; the canvas takes it when it
    // is made.
    const struct {
        int setting, step;
    } cases[] = {{40, 40}, {250, 250}, {9, 100}, {100, 100}};
    CSettingManager* settings = CSettingManager::GetInstance();
    const int saved = settings->GetWheelScroll();
    for (const auto& c : cases) {
        settings->m_nWheelScroll = c.setting;
        HostWindow host;
        ASSERT_TRUE(host.Open(kClientW, kClientH));
        FakeBoard board;
        CBoardDrawCtrl canvas(&board, &board);
        ASSERT_TRUE(canvas.Create(&host, RECT{0, 0, kClientW, kClientH}));
        EXPECT_EQ(canvas.GetWheelStep(), c.step) << c.setting;
        canvas.SetPage(MakePage(1, 700, 1500));
        canvas.SetZoom(1.0f);
        const LONG top = canvas.View().Page().top;
        POINT screen = {400, 300};
        ::ClientToScreen(canvas.GetSafeHwnd(), &screen);
        ::SendMessageW(canvas.GetSafeHwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)(short)-120),
                       MAKELPARAM(screen.x, screen.y));
        EXPECT_EQ(canvas.View().Page().top, top - c.step) << c.setting;
        canvas.DestroyWindow();
        host.DestroyWindow();
    }
    settings->m_nWheelScroll = saved;
}

TEST_F(CanvasFixture, MemoPlacementEditAndLimits)
{
    auto page = ShowPage();
    canvas->SetMode(CBoardDrawCtrl::kMemo);
    Click(Screen(300, 300));
    ASSERT_EQ(memos.editors, 1);
    EXPECT_TRUE(memos.lastNew);
    canvas->SaveMemo(L"first", 2, 0);
    ASSERT_EQ(page->m_memos.GetCount(), 1);
    memos.Hide();
    // A short click on the memo opens its view; saving the edit replaces it.
    const Gdiplus::PointF pos = page->m_memos.GetMemos()[0]->GetPosition();
    Click(Screen(pos.X + 40, pos.Y + 40));
    EXPECT_EQ(memos.views, 1);
    EXPECT_EQ(memos.text, CString(L"first"));
    canvas->SaveMemo(L"edited", 3, 1);
    ASSERT_EQ(page->m_memos.GetCount(), 1);
    EXPECT_EQ(page->m_memos.GetMemos()[0]->GetText(), CString(L"edited"));
    memos.Hide();
    // Outside the page: string 183.
    Click(POINT{2, 2});
    ASSERT_EQ(board.popups.size(), 1u);
    EXPECT_EQ(board.popups[0], 183u);
    // The 21st memo is refused with string 184.
    for (int i = 1; i < CBoardDrawCtrl::kMaxMemos; ++i)
        page->m_memos.Add(std::make_shared<CMMMemo>(Gdiplus::PointF(500, 380), L"m", 1, 0));
    Click(Screen(40, 420));
    ASSERT_EQ(board.popups.size(), 2u);
    EXPECT_EQ(board.popups[1], 184u);
}

TEST_F(CanvasFixture, PointerReportsEvery15PixelsAndOnLeavingThePage)
{
    ShowPage();
    canvas->SetMode(CBoardDrawCtrl::kPointer);
    const POINT a = Screen(200, 200);
    Down(hwnd, a.x, a.y);
    ASSERT_EQ(board.pointers.size(), 1u);
    Move(hwnd, a.x + 10, a.y);
    EXPECT_EQ(board.pointers.size(), 1u);
    Move(hwnd, a.x + 16, a.y);
    EXPECT_EQ(board.pointers.size(), 2u);
    Move(hwnd, 2, 2);  // off the page
    ASSERT_EQ(board.pointers.size(), 3u);
    EXPECT_EQ(board.pointers.back().x, -1);
    Move(hwnd, 3, 3);
    EXPECT_EQ(board.pointers.size(), 3u);
    Up(hwnd, 3, 3);
}

TEST_F(CanvasFixture, PresenterStrokeIsSentInChunksWithEveryPoint)
{
    auto page = ShowPage();
    board.presenting = TRUE;
    board.synced = TRUE;
    canvas->SetShareMode(1);
    ASSERT_EQ(canvas->StartSharedThread(), 1);
    canvas->SetMode(CBoardDrawCtrl::kFreeLine);
    std::vector<POINT> path;
    for (int i = 0; i <= 30; ++i)
        path.push_back(Screen(100.0f + 10 * i, 200.0f));
    Drag(hwnd, path);
    ASSERT_EQ(page->m_sharedLayer.GetCount(), 1);
    EXPECT_EQ(page->m_ownLayer.GetCount(), 0);
    const int points = page->m_sharedLayer.GetFigures()[0]->GetPointCount();
    ASSERT_TRUE(zeltest::PumpUntil([&] { return canvas->ShareThread().SendQueueSize() == 0; }, 5000));
    canvas->StopSharedThread();
    int sentPoints = 0;
    bool lastSeen = false;
    for (const S_BOARD_CONTENT& c : board.Sent()) {
        EXPECT_EQ(c.mtngId, CString(L"MT1"));
        EXPECT_EQ(c.attcFileId, CString(L"DOC1"));
        EXPECT_EQ(c.page, 1);
        Json::Value v;
        ASSERT_TRUE(Json::Reader().parse(zeltest::Narrow(c.content.GetString()), v));
        EXPECT_LE(v["line"]["points"].size(), 8u);
        sentPoints += (int)v["line"]["points"].size();
        EXPECT_FALSE(lastSeen);
        lastSeen = v["line"]["isLastLine"].asBool();
    }
    EXPECT_TRUE(lastSeen);
    EXPECT_EQ(sentPoints, points);
}

TEST_F(CanvasFixture, IncomingStrokesAndZoomAreAppliedBySharingThread)
{
    auto page = ShowPage();
    page->m_bApplyEvents = TRUE;
    canvas->SetShareMode(1);
    ASSERT_EQ(canvas->StartSharedThread(), 1);
    // The synchronisation client's thread queues one presenter stroke point by point.
    for (int i = 0; i < 40; ++i)
        page->QueueLineEvent(L"remote1", Gdiplus::PointF(100.0f + 10 * i, 400.0f), (int)RGB(0, 0, 255), 6, 1.0f, 0);
    canvas->WakeSharedThread();
    ASSERT_TRUE(zeltest::PumpUntil([&] {
        std::lock_guard<std::recursive_mutex> guard(page->GetLock());
        return page->m_sharedLayer.GetCount() == 1 && page->m_sharedLayer.GetFigures()[0]->GetPointCount() >= 40;
    }, 5000));
    const POINT mid = Screen(300, 400);
    EXPECT_TRUE(zeltest::PumpUntil([&] {
        const COLORREF c = ScreenPixel(hwnd, mid.x, mid.y);
        return GetBValue(c) > 150 && GetRValue(c) < 120;
    }, 3000));
    // A second stroke settles the first into the base picture; removing the first (the presenter's
    // delete) and a third stroke arriving must not leave the first on the screen.
    for (int i = 0; i < 20; ++i)
        page->QueueLineEvent(L"remote2", Gdiplus::PointF(100.0f + 10 * i, 300.0f), (int)RGB(0, 0, 255), 6, 1.0f, 0);
    canvas->WakeSharedThread();
    ASSERT_TRUE(zeltest::PumpUntil([&] {
        std::lock_guard<std::recursive_mutex> guard(page->GetLock());
        return page->m_sharedLayer.GetCount() == 2 && page->GetIncomingCount() == 0;
    }, 5000));
    zeltest::PumpFor(50);
    page->RemoveSharedLine(L"remote1");
    for (int i = 0; i < 20; ++i)
        page->QueueLineEvent(L"remote3", Gdiplus::PointF(100.0f + 10 * i, 200.0f), (int)RGB(0, 0, 255), 6, 1.0f, 0);
    canvas->WakeSharedThread();
    EXPECT_TRUE(zeltest::PumpUntil([&] {
        const COLORREF c = ScreenPixel(hwnd, mid.x, mid.y);
        return GetBValue(c) < 150 || GetRValue(c) > 150;
    }, 3000)) << "the removed stroke is still shown";
    canvas->QueueRemoteZoom(2.0f, 300, 200);
    EXPECT_TRUE(zeltest::PumpUntil([&] { return canvas->GetZoom() == 2.0f; }, 3000));
    EXPECT_EQ(canvas->GetOrigin().x, 300);
    EXPECT_EQ(canvas->GetOrigin().y, 200);
    EXPECT_FLOAT_EQ(board.comboZoom, 2.0f);
    canvas->StopSharedThread();
}

TEST_F(CanvasFixture, RemotePointerOnlyFromThePresenterOfThisPage)
{
    ShowPage();
    board.synced = TRUE;
    S_REMOTE_POINTER pointer;
    pointer.mtngId = L"MT1";
    pointer.attcFileId = L"DOC1";
    pointer.page = 1;
    pointer.userIdnfr = 5;  // not the presenter
    pointer.pointerX = 100;
    pointer.pointerY = 100;
    canvas->ShowRemotePointer(pointer);
    EXPECT_EQ(canvas->GetPointerPosition().x, -1);
    pointer.userIdnfr = 77;
    canvas->ShowRemotePointer(pointer);
    EXPECT_EQ(canvas->GetPointerPosition().x, Screen(100, 100).x);
}

TEST_F(CanvasFixture, Screenshot)
{
    // The Korean language library gives the banner its text.
    HMODULE korean = ::LoadLibraryExW((zeltest::BinaryDir() + L"\\bin\\Res_Kor.dll").c_str(), nullptr,
                                      LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(korean, nullptr);
    const HINSTANCE previous = AfxGetResourceHandle();
    AfxSetResourceHandle(korean);
    auto page = ShowPage(1000, 750);
    canvas->SetZoom(0.0f);
    canvas->SetMode(CBoardDrawCtrl::kFreeLine);
    std::vector<POINT> wave;
    for (int i = 0; i <= 60; ++i)
        wave.push_back(Screen(100.0f + 12 * i, 300.0f + 120.0f * (float)sin(i / 6.0)));
    Drag(hwnd, wave);
    canvas->OnShapeMode8();
    Drag(hwnd, {Screen(150, 500), Screen(400, 650)});
    canvas->OnHighlighterMode();
    canvas->OnShapeMode10();
    Drag(hwnd, {Screen(550, 480), Screen(850, 680)});
    canvas->SetMode(CBoardDrawCtrl::kMemo);
    Click(Screen(660, 60));
    canvas->SaveMemo(L"\uD68C\uC758 \uBA54\uBAA8", 1, 0);  // "meeting memo"
    zeltest::PumpFor(100);
    // The memo card is painted (its picture comes from the language library).
    const POINT card = Screen(720, 120);
    const COLORREF c = ScreenPixel(hwnd, card.x, card.y);
    EXPECT_TRUE(GetRValue(c) > 200 && GetGValue(c) > 200 && GetBValue(c) < 190) << std::hex << c;
    EXPECT_TRUE(SaveScreenshot(hwnd, L"Canvas"));
    AfxSetResourceHandle(previous);
    ::FreeLibrary(korean);
}

TEST(BoardDrawCtrlStatics, TouchNeedsVersion61AndADigitiser)
{
    const struct {
        DWORD major, minor;
        int digitizer;
        BOOL expected;
    } cases[] = {
        {6, 1, NID_READY, TRUE}, {10, 0, NID_READY, TRUE}, {7, 0, NID_MULTI_INPUT, TRUE},
        {6, 0, NID_READY, FALSE}, {10, 0, 0, FALSE}, {5, 2, NID_READY, FALSE},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CBoardDrawCtrl::IsTouchCapable(c.major, c.minor, c.digitizer), c.expected) << c.major << "." << c.minor;
}

TEST(BoardDrawCtrlStatics, BorderCrossing)
{
    const RECT rc = {0, 0, 100, 50};
    POINT p;
    ASSERT_TRUE(CBoardDrawCtrl::BorderCrossing(rc, POINT{50, 25}, POINT{150, 25}, p));
    EXPECT_EQ(p.x, 100);
    EXPECT_EQ(p.y, 25);
    ASSERT_TRUE(CBoardDrawCtrl::BorderCrossing(rc, POINT{50, 25}, POINT{50, -25}, p));
    EXPECT_EQ(p.y, 0);
    EXPECT_FALSE(CBoardDrawCtrl::BorderCrossing(rc, POINT{10, 10}, POINT{20, 20}, p));
}

}  // namespace
