// Message maps on real windows: dispatch, chaining to the base class's map, commands,
// notifications, Default(), handle maps, self-deleting windows and the exception barrier.
#include "platform/UI.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/platform/UiTestSupport.h"

namespace {

const UINT kMsgBaseOnly = WM_APP + 1;
const UINT kMsgOverridden = WM_APP + 2;
const UINT kMsgDerivedOnly = WM_APP + 3;
const UINT kMsgUnmapped = WM_APP + 4;
const UINT kMsgThrows = WM_APP + 5;
const UINT g_registeredMsg = ::RegisterWindowMessageW(L"ZelUiTestRegistered");

class CBaseTestWnd : public CWnd {
public:
    int m_nCreates = 0;
    int m_nCommands = 0;
    UINT m_nLastRangeId = 0;
    int m_nNotifies = 0;
    BOOL CreateTopLevel()
    {
        return CreateEx(0, nullptr, L"message map", WS_POPUP | WS_VISIBLE, 40, 40, 200, 120, nullptr, nullptr);
    }
protected:
    afx_msg int OnCreate(LPCREATESTRUCT cs)
    {
        ++m_nCreates;
        return CWnd::OnCreate(cs);
    }
    afx_msg LRESULT OnBaseOnly(WPARAM, LPARAM) { return 1; }
    afx_msg LRESULT OnOverridden(WPARAM, LPARAM) { return 2; }
    afx_msg LRESULT OnRegistered(WPARAM wParam, LPARAM) { return 1000 + (LRESULT)wParam; }
    afx_msg void OnCommand100() { ++m_nCommands; }
    afx_msg void OnCommandRange(UINT id) { m_nLastRangeId = id; }
    afx_msg void OnCustomNotify(NMHDR*, LRESULT* pResult)
    {
        ++m_nNotifies;
        *pResult = 55;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseTestWnd, CWnd)
    ON_WM_CREATE()
    ON_MESSAGE(kMsgBaseOnly, &CBaseTestWnd::OnBaseOnly)
    ON_MESSAGE(kMsgOverridden, &CBaseTestWnd::OnOverridden)
    ON_REGISTERED_MESSAGE(g_registeredMsg, &CBaseTestWnd::OnRegistered)
    ON_COMMAND(100, &CBaseTestWnd::OnCommand100)
    ON_COMMAND_RANGE(200, 209, &CBaseTestWnd::OnCommandRange)
    ON_NOTIFY(NM_CLICK, 300, &CBaseTestWnd::OnCustomNotify)
END_MESSAGE_MAP()

class CDerivedTestWnd : public CBaseTestWnd {
protected:
    afx_msg LRESULT OnOverriddenAgain(WPARAM, LPARAM) { return 20; }
    afx_msg void OnDerivedOnly(WPARAM, LPARAM) {}
    afx_msg LRESULT OnThrows(WPARAM, LPARAM) { throw std::runtime_error("handler failed"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedTestWnd, CBaseTestWnd)
    ON_MESSAGE(kMsgOverridden, &CDerivedTestWnd::OnOverriddenAgain)
    ON_MESSAGE(kMsgDerivedOnly, &CDerivedTestWnd::OnDerivedOnly)
    ON_MESSAGE(kMsgThrows, &CDerivedTestWnd::OnThrows)
END_MESSAGE_MAP()

TEST(UiMessageMap, CreationReachesTheObjectsMapFromTheFirstMessage)
{
    CBaseTestWnd wnd;
    ASSERT_TRUE(wnd.CreateTopLevel());
    EXPECT_EQ(wnd.m_nCreates, 1);
    EXPECT_EQ(CWnd::FromHandlePermanent(wnd.m_hWnd), &wnd);
    wnd.DestroyWindow();
    EXPECT_EQ(wnd.m_hWnd, nullptr);
}

TEST(UiMessageMap, DerivedMapsOverrideAndChainToTheBaseMap)
{
    CBaseTestWnd base;
    CDerivedTestWnd derived;
    ASSERT_TRUE(base.CreateTopLevel());
    ASSERT_TRUE(derived.CreateTopLevel());
    struct Case { UINT message; LRESULT fromBase; LRESULT fromDerived; };
    const Case cases[] = {
        { kMsgBaseOnly, 1, 1 },       // only the base maps it: the derived class inherits it
        { kMsgOverridden, 2, 20 },    // both map it: the derived entry wins
        { kMsgDerivedOnly, 0, 0 },    // a void handler answers 0
        { kMsgUnmapped, 0, 0 },       // nobody maps it: DefWindowProc
    };
    for (const Case& c : cases) {
        EXPECT_EQ(base.SendMessage(c.message), c.fromBase) << std::hex << c.message;
        EXPECT_EQ(derived.SendMessage(c.message), c.fromDerived) << std::hex << c.message;
    }
    EXPECT_EQ(derived.SendMessage(g_registeredMsg, 7), 1007);
    EXPECT_EQ(derived.m_nCreates, 1);
}

TEST(UiMessageMap, CommandsFromMenusAcceleratorsAndRanges)
{
    CBaseTestWnd wnd;
    ASSERT_TRUE(wnd.CreateTopLevel());
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(100, 0), 0);   // menu
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(100, 1), 0);   // accelerator
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(101, 0), 0);   // not mapped
    EXPECT_EQ(wnd.m_nCommands, 2);
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(205, 0), 0);
    EXPECT_EQ(wnd.m_nLastRangeId, 205u);
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(210, 0), 0);
    EXPECT_EQ(wnd.m_nLastRangeId, 205u);
}

TEST(UiMessageMap, ButtonClickArrivesAsCommandOfItsId)
{
    CBaseTestWnd wnd;
    ASSERT_TRUE(wnd.CreateTopLevel());
    HWND button = ::CreateWindowExW(0, L"BUTTON", L"ok", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 5, 5, 60, 20,
                                    wnd.m_hWnd, (HMENU)100, nullptr, nullptr);
    ASSERT_NE(button, nullptr);
    ::SendMessageW(button, BM_CLICK, 0, 0);
    EXPECT_EQ(wnd.m_nCommands, 1);
}

TEST(UiMessageMap, NotificationsMatchCodeAndSenderId)
{
    CBaseTestWnd wnd;
    ASSERT_TRUE(wnd.CreateTopLevel());
    HWND child = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, wnd.m_hWnd, (HMENU)300, nullptr, nullptr);
    NMHDR header = { child, 300, (UINT)NM_CLICK };
    EXPECT_EQ(wnd.SendMessage(WM_NOTIFY, 300, (LPARAM)&header), 55);
    header.code = (UINT)NM_DBLCLK;
    EXPECT_EQ(wnd.SendMessage(WM_NOTIFY, 300, (LPARAM)&header), 0);
    EXPECT_EQ(wnd.m_nNotifies, 1);
}

TEST(UiMessageMap, AnExceptionInAHandlerStaysInsideTheWindowProcedure)
{
    CDerivedTestWnd wnd;
    ASSERT_TRUE(wnd.CreateTopLevel());
    EXPECT_EQ(wnd.SendMessage(kMsgThrows), 0);
    // The window and its map still work afterwards.
    EXPECT_EQ(wnd.SendMessage(kMsgOverridden), 20);
    EXPECT_TRUE(::IsWindow(wnd.m_hWnd));
}

// An edit control whose handlers pass on to the control's own procedure through Default().
class CDefaultingEdit : public CWnd {
protected:
    afx_msg UINT OnGetDlgCode() { return CWnd::OnGetDlgCode() | DLGC_WANTALLKEYS; }
    afx_msg LRESULT OnSetText(WPARAM, LPARAM) { return Default(); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDefaultingEdit, CWnd)
    ON_WM_GETDLGCODE()
    ON_MESSAGE(WM_SETTEXT, &CDefaultingEdit::OnSetText)
END_MESSAGE_MAP()

TEST(UiMessageMap, SubclassedControlKeepsItsOwnBehaviourThroughDefault)
{
    CBaseTestWnd parent;
    ASSERT_TRUE(parent.CreateTopLevel());
    HWND edit = ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 5, 5, 100, 20, parent.m_hWnd,
                                  (HMENU)1, nullptr, nullptr);
    const LRESULT nativeCode = ::SendMessageW(edit, WM_GETDLGCODE, 0, 0);
    CDefaultingEdit wrapper;
    ASSERT_TRUE(wrapper.SubclassWindow(edit));
    EXPECT_EQ(CWnd::FromHandlePermanent(edit), &wrapper);
    EXPECT_EQ(::SendMessageW(edit, WM_GETDLGCODE, 0, 0), nativeCode | DLGC_WANTALLKEYS);
    wrapper.SetWindowText(L"kept");
    CString text;
    wrapper.GetWindowText(text);
    EXPECT_STREQ(text, L"kept");
    EXPECT_EQ(wrapper.UnsubclassWindow(), edit);
    EXPECT_EQ(CWnd::FromHandlePermanent(edit), nullptr);
    EXPECT_EQ(::SendMessageW(edit, WM_GETDLGCODE, 0, 0), nativeCode);
}

TEST(UiMessageMap, FromHandleWrapsForeignWindowsTemporarily)
{
    // The accessors answer through a null pointer, as callers of this library expect.
    const CWnd* none = nullptr;
    EXPECT_EQ(none->GetSafeHwnd(), nullptr);
    HWND plain = ::CreateWindowExW(0, L"STATIC", L"plain", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(plain, nullptr);
    CWnd* wrapper = CWnd::FromHandle(plain);
    ASSERT_NE(wrapper, nullptr);
    EXPECT_EQ(wrapper->m_hWnd, plain);
    EXPECT_EQ(CWnd::FromHandle(plain), wrapper);
    EXPECT_EQ(CWnd::FromHandlePermanent(plain), nullptr);
    EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);

    CWnd attached;
    ASSERT_TRUE(attached.Attach(plain));
    EXPECT_EQ(CWnd::FromHandle(plain), &attached);
    EXPECT_EQ(attached.Detach(), plain);
    EXPECT_EQ(CWnd::FromHandlePermanent(plain), nullptr);
    ::DestroyWindow(plain);
}

class CSelfDeletingWnd : public CWnd {
public:
    explicit CSelfDeletingWnd(int* deletions) : m_pDeletions(deletions) {}
    ~CSelfDeletingWnd() override { ++*m_pDeletions; }
protected:
    void PostNcDestroy() override { delete this; }
private:
    int* m_pDeletions;
};

TEST(UiMessageMap, SelfDeletingWindowsGoWithTheirWindow)
{
    int deletions = 0;
    CBaseTestWnd parent;
    ASSERT_TRUE(parent.CreateTopLevel());
    auto* top = new CSelfDeletingWnd(&deletions);
    ASSERT_TRUE(top->CreateEx(0, nullptr, L"self", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    HWND hTop = top->m_hWnd;
    auto* child = new CSelfDeletingWnd(&deletions);
    ASSERT_TRUE(child->Create(nullptr, L"child", WS_VISIBLE, CRect(0, 0, 20, 20), &parent, 7));
    HWND hChild = child->m_hWnd;

    top->DestroyWindow();
    EXPECT_EQ(deletions, 1);
    EXPECT_EQ(CWnd::FromHandlePermanent(hTop), nullptr);
    // A child goes with its parent.
    parent.DestroyWindow();
    EXPECT_EQ(deletions, 2);
    EXPECT_EQ(CWnd::FromHandlePermanent(hChild), nullptr);
}

TEST(UiMessageMap, DestroyingTheObjectDestroysItsWindow)
{
    HWND hWnd = nullptr;
    {
        CBaseTestWnd wnd;
        ASSERT_TRUE(wnd.CreateTopLevel());
        hWnd = wnd.m_hWnd;
    }
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
}

class CTouchWnd : public CWnd {
public:
    std::vector<CPoint> m_points;
    std::vector<int> m_numbers;
    BOOL OnTouchInput(CPoint pt, int nInputNumber, int nInputsCount, PTOUCHINPUT) override
    {
        m_points.push_back(pt);
        m_numbers.push_back(nInputNumber * 10 + nInputsCount);
        return nInputNumber == 0;
    }
};

TEST(UiMessageMap, TouchInputReachesTheHandlerPerPointInClientPixels)
{
    CTouchWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"touch", WS_POPUP | WS_VISIBLE, 100, 200, 300, 200, nullptr, nullptr));
    CPoint origin(0, 0);
    wnd.ClientToScreen(&origin);
    TOUCHINPUT inputs[2] = {};
    inputs[0].x = (origin.x + 10) * 100 + 99;   // hundredths of a pixel, screen coordinates
    inputs[0].y = (origin.y + 20) * 100;
    inputs[1].x = (origin.x + 30) * 100;
    inputs[1].y = (origin.y + 40) * 100;
    // The first point is taken, so the message counts as handled.
    EXPECT_TRUE(wnd.OnTouchInputs(2, inputs));
    ASSERT_EQ(wnd.m_points.size(), 2u);
    EXPECT_EQ(wnd.m_points[0], CPoint(10, 20));
    EXPECT_EQ(wnd.m_points[1], CPoint(30, 40));
    EXPECT_EQ(wnd.m_numbers, (std::vector<int>{ 2, 12 }));
    // A WM_TOUCH whose handle cannot be read goes to default processing, not to the handler.
    wnd.m_points.clear();
    wnd.SendMessage(WM_TOUCH, MAKEWPARAM(2, 0), 0x1234);
    EXPECT_TRUE(wnd.m_points.empty());
    // No touch hardware under Wine: registration fails cleanly (error 120), as the screens
    // expect on machines without a digitizer.
    wnd.RegisterTouchWindow();
}

}  // namespace
