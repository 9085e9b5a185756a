// Modal and modeless dialogs on real windows: the library's own modal loop with
// PreTranslateMessage, Enter and Esc, owner disabling, nesting from a mouse handler and from a
// message sent by another thread, DestroyWindow and WM_QUIT ending the loop, DDX_Control.
#include "platform/UI.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "tests/platform/UiTestSupport.h"

namespace {

const UINT kIdEdit = 1001;
const UINT kMsgOpenInner = WM_APP + 10;
const UINT kMsgFinish = WM_APP + 11;
const UINT kMsgDestroySelf = WM_APP + 12;
const UINT kMsgQuit = WM_APP + 13;

uitest::DialogTemplate MakeTemplate(const wchar_t* title)
{
    uitest::DialogTemplate t(WS_POPUP | WS_CAPTION | WS_SYSMENU, 160, 80, title);
    t.Add(0x0081, (WORD)kIdEdit, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 10, 10, 100, 14);
    t.Add(0x0080, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 10, 40, 50, 14, L"OK");
    t.Add(0x0080, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 70, 40, 50, 14, L"Cancel");
    return t;
}

void PostKey(HWND hwnd, UINT vk)
{
    ::PostMessageW(hwnd, WM_KEYDOWN, vk, 1);
    ::PostMessageW(hwnd, WM_KEYUP, vk, 0xC0000001);
}

// A dialog that presses one key in its edit once it runs, and records what its
// PreTranslateMessage saw.
class CKeyDialog : public CDialog {
public:
    CKeyDialog(LPCDLGTEMPLATE dialogTemplate, CWnd* parent, UINT key)
        : m_key(key)
    {
        InitModalIndirect(dialogTemplate, parent);
    }
    std::vector<WPARAM> m_keysSeen;
    bool m_ownerWasDisabled = false;
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        CWnd* owner = GetOwner();
        m_ownerWasDisabled = owner && !owner->IsWindowEnabled();
        if (m_key) PostKey(::GetDlgItem(m_hWnd, kIdEdit), m_key);
        return TRUE;
    }
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN && pMsg->hwnd == ::GetDlgItem(m_hWnd, kIdEdit))
            m_keysSeen.push_back(pMsg->wParam);
        return CDialog::PreTranslateMessage(pMsg);
    }
private:
    UINT m_key;
};

TEST(UiDialog, EnterEndsWithOkAndEscWithCancel)
{
    uitest::Watchdog watchdog;
    uitest::DialogTemplate t = MakeTemplate(L"keys");
    struct Case { UINT key; INT_PTR result; };
    for (const Case& c : { Case{ VK_RETURN, IDOK }, Case{ VK_ESCAPE, IDCANCEL } }) {
        CKeyDialog dlg(t.Get(), nullptr, c.key);
        EXPECT_EQ(dlg.DoModal(), c.result);
        // The key went through PreTranslateMessage inside the modal loop.
        EXPECT_EQ(dlg.m_keysSeen, std::vector<WPARAM>{ c.key });
        EXPECT_EQ(dlg.m_hWnd, nullptr);
    }
    EXPECT_FALSE(watchdog.Fired());
}

TEST(UiDialog, OwnerIsDisabledWhileTheDialogRunsAndEnabledAfter)
{
    uitest::Watchdog watchdog;
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, L"owner", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr));
    uitest::DialogTemplate t = MakeTemplate(L"owned");
    CKeyDialog dlg(t.Get(), &owner, VK_ESCAPE);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_TRUE(dlg.m_ownerWasDisabled);
    EXPECT_TRUE(owner.IsWindowEnabled());
    EXPECT_FALSE(watchdog.Fired());
}

TEST(UiDialog, MissingTemplateGivesMinusOne)
{
    CDialog dlg(54321u);
    EXPECT_EQ(dlg.DoModal(), -1);
}

// The outer dialog opens an inner one from a mouse handler, or from a message another thread
// sends it, and ends itself with what the inner dialog gave.
class COuterDialog : public CDialog {
public:
    explicit COuterDialog(LPCDLGTEMPLATE dialogTemplate, bool fromThread)
        : m_template(dialogTemplate), m_fromThread(fromThread)
    {
        InitModalIndirect(dialogTemplate);
    }
    INT_PTR m_innerResult = 0;
    LRESULT m_sentResult = 0;
    bool m_innerOwnerDisabled = false;
    bool m_outerEnabledAfterInner = false;
    std::thread m_worker;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        if (m_fromThread) {
            HWND self = m_hWnd;
            m_worker = std::thread([this, self] {
                // Blocks until the inner dialog, run inside the handler, has ended.
                m_sentResult = ::SendMessageW(self, kMsgOpenInner, 0, 0);
                ::PostMessageW(self, kMsgFinish, 0, 0);
            });
        } else {
            ::PostMessageW(m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        }
        return TRUE;
    }
    afx_msg void OnLButtonDown(UINT, CPoint)
    {
        RunInner(VK_RETURN);
        EndDialog(100 + (int)m_innerResult);
    }
    afx_msg LRESULT OnOpenInner(WPARAM, LPARAM)
    {
        RunInner(VK_ESCAPE);
        return m_innerResult;
    }
    afx_msg LRESULT OnFinish(WPARAM, LPARAM)
    {
        EndDialog(200 + (int)m_sentResult);
        return 0;
    }
    DECLARE_MESSAGE_MAP()

private:
    void RunInner(UINT key)
    {
        CKeyDialog inner(m_template, this, key);
        m_innerResult = inner.DoModal();
        m_innerOwnerDisabled = inner.m_ownerWasDisabled;
        m_outerEnabledAfterInner = IsWindowEnabled() != FALSE;
    }
    LPCDLGTEMPLATE m_template;
    bool m_fromThread;
};

BEGIN_MESSAGE_MAP(COuterDialog, CDialog)
    ON_WM_LBUTTONDOWN()
    ON_MESSAGE(kMsgOpenInner, &COuterDialog::OnOpenInner)
    ON_MESSAGE(kMsgFinish, &COuterDialog::OnFinish)
END_MESSAGE_MAP()

TEST(UiDialog, NestedModalFromAMouseHandler)
{
    uitest::Watchdog watchdog;
    uitest::DialogTemplate t = MakeTemplate(L"outer");
    COuterDialog outer(t.Get(), false);
    EXPECT_EQ(outer.DoModal(), 100 + IDOK);
    EXPECT_EQ(outer.m_innerResult, IDOK);
    EXPECT_TRUE(outer.m_innerOwnerDisabled);
    EXPECT_TRUE(outer.m_outerEnabledAfterInner);
    EXPECT_FALSE(watchdog.Fired());
}

TEST(UiDialog, NestedModalFromAMessageSentByAnotherThread)
{
    uitest::Watchdog watchdog;
    uitest::DialogTemplate t = MakeTemplate(L"outer");
    COuterDialog outer(t.Get(), true);
    EXPECT_EQ(outer.DoModal(), 200 + IDCANCEL);
    outer.m_worker.join();
    EXPECT_EQ(outer.m_innerResult, IDCANCEL);
    EXPECT_EQ(outer.m_sentResult, IDCANCEL);
    EXPECT_FALSE(watchdog.Fired());
}

// Ends itself by destroying its window, or by quitting the message loop, from inside a nested
// dialog's loop.
class CEndingDialog : public CDialog {
public:
    CEndingDialog(LPCDLGTEMPLATE dialogTemplate, UINT how) : m_how(how) { InitModalIndirect(dialogTemplate); }
    INT_PTR m_nestedResult = 0;
protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        PostMessage(m_how);
        return TRUE;
    }
    afx_msg LRESULT OnDestroySelf(WPARAM, LPARAM)
    {
        DestroyWindow();
        return 0;
    }
    afx_msg LRESULT OnQuit(WPARAM, LPARAM)
    {
        // The quit is posted before the nested loop starts; it ends both loops.
        ::PostQuitMessage(5);
        CEndingDialog nested(m_lpDialogTemplate, 0);
        m_nestedResult = nested.DoModal();
        return 0;
    }
    DECLARE_MESSAGE_MAP()
private:
    UINT m_how;
};

BEGIN_MESSAGE_MAP(CEndingDialog, CDialog)
    ON_MESSAGE(kMsgDestroySelf, &CEndingDialog::OnDestroySelf)
    ON_MESSAGE(kMsgQuit, &CEndingDialog::OnQuit)
END_MESSAGE_MAP()

TEST(UiDialog, DestroyWindowEndsTheModalLoop)
{
    uitest::Watchdog watchdog;
    uitest::DialogTemplate t = MakeTemplate(L"destroyed");
    CEndingDialog dlg(t.Get(), kMsgDestroySelf);
    EXPECT_EQ(dlg.DoModal(), -1);
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    EXPECT_FALSE(watchdog.Fired());
}

TEST(UiDialog, QuitEndsNestedLoopsAndIsPassedOn)
{
    uitest::DialogTemplate t = MakeTemplate(L"quit");
    CEndingDialog dlg(t.Get(), kMsgQuit);
    EXPECT_EQ(dlg.DoModal(), -1);
    EXPECT_EQ(dlg.m_nestedResult, -1);
    MSG msg;
    ASSERT_TRUE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 5u);
}

TEST(UiDialog, ModalLoopHookAnswersADialog)
{
    uitest::Watchdog watchdog;
    uitest::DialogTemplate t = MakeTemplate(L"hooked");
    CWnd* seen = nullptr;
    CWnd::SetModalLoopHook([&](CWnd* wnd) {
        seen = wnd;
        static_cast<CDialog*>(wnd)->EndDialog(IDYES);
    });
    CKeyDialog dlg(t.Get(), nullptr, 0);
    INT_PTR result = dlg.DoModal();
    CWnd::SetModalLoopHook(nullptr);
    EXPECT_EQ(result, IDYES);
    EXPECT_EQ(seen, &dlg);
    EXPECT_FALSE(watchdog.Fired());
}

// A child control whose own PreTranslateMessage swallows Tab, and a dialog that binds it with
// DDX_Control.
class CNoTabEdit : public CWnd {
public:
    int m_tabsSwallowed = 0;
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_TAB) {
            ++m_tabsSwallowed;
            return TRUE;
        }
        return CWnd::PreTranslateMessage(pMsg);
    }
};

class CBoundDialog : public CKeyDialog {
public:
    using CKeyDialog::CKeyDialog;
    CNoTabEdit m_edit;
    bool m_focusStayed = false;
protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CKeyDialog::DoDataExchange(pDX);
        DDX_Control(pDX, kIdEdit, m_edit);
    }
    BOOL OnInitDialog() override
    {
        CKeyDialog::OnInitDialog();
        m_edit.SetFocus();
        PostKey(m_edit.m_hWnd, VK_TAB);
        PostMessage(kMsgFinish);
        return FALSE;
    }
    afx_msg LRESULT OnFinish(WPARAM, LPARAM)
    {
        m_focusStayed = ::GetFocus() == m_edit.m_hWnd;
        EndDialog(IDOK);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBoundDialog, CKeyDialog)
    ON_MESSAGE(kMsgFinish, &CBoundDialog::OnFinish)
END_MESSAGE_MAP()

TEST(UiDialog, ControlsPreTranslateMessageComesBeforeTheDialogs)
{
    uitest::Watchdog watchdog;
    uitest::DialogTemplate t = MakeTemplate(L"bound");
    CBoundDialog dlg(t.Get(), nullptr, 0);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_edit.m_tabsSwallowed, 1);
    // The dialog never saw the Tab, so the focus stayed in the edit.
    EXPECT_TRUE(dlg.m_keysSeen.empty());
    EXPECT_TRUE(dlg.m_focusStayed);
    EXPECT_FALSE(watchdog.Fired());
}

TEST(UiDialog, ModelessDialogGetsDialogKeysThroughTheLibrarysPump)
{
    uitest::Watchdog watchdog;
    uitest::DialogTemplate t = MakeTemplate(L"modeless");
    CKeyDialog dlg(t.Get(), nullptr, 0);
    ASSERT_TRUE(dlg.CreateIndirect(t.Get()));
    dlg.ShowWindow(SW_SHOW);
    PostKey(::GetDlgItem(dlg.m_hWnd, kIdEdit), VK_ESCAPE);
    // Esc gives OnCancel, which hides a modeless dialog.
    for (int i = 0; i < 200 && dlg.IsWindowVisible(); ++i) {
        MSG peek;
        if (::PeekMessageW(&peek, nullptr, 0, 0, PM_NOREMOVE)) AfxPumpMessage();
        else Sleep(5);
    }
    EXPECT_FALSE(dlg.IsWindowVisible());
    EXPECT_EQ(dlg.m_keysSeen, std::vector<WPARAM>{ VK_ESCAPE });
    dlg.DestroyWindow();
    EXPECT_FALSE(watchdog.Fired());
}

TEST(UiDialog, DialogOfAClassCopiedFromTheStandardDialogClass)
{
    uitest::Watchdog watchdog;
    WNDCLASSW wc = {};
    ASSERT_TRUE(::GetClassInfoW(AfxGetInstanceHandle(), L"#32770", &wc));
    wc.lpszClassName = L"ZelUiTestDialogClass";
    ASSERT_TRUE(AfxRegisterClass(&wc));
    ASSERT_TRUE(AfxRegisterClass(&wc));   // a second registration is no failure
    uitest::DialogTemplate t(WS_POPUP | WS_CAPTION, 160, 80, L"classed", L"ZelUiTestDialogClass");
    t.Add(0x0081, (WORD)kIdEdit, WS_BORDER | WS_TABSTOP, 10, 10, 100, 14);
    wchar_t className[64] = {};
    CWnd::SetModalLoopHook([&](CWnd* wnd) {
        ::GetClassNameW(wnd->m_hWnd, className, 63);
        PostKey(::GetDlgItem(wnd->m_hWnd, kIdEdit), VK_ESCAPE);
    });
    CKeyDialog dlg(t.Get(), nullptr, 0);
    INT_PTR result = dlg.DoModal();
    CWnd::SetModalLoopHook(nullptr);
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_STREQ(className, L"ZelUiTestDialogClass");
    EXPECT_FALSE(watchdog.Fired());
}

TEST(UiDialog, WithoutParentTheMainWindowsActivePopupOwnsTheDialog)
{
    uitest::Watchdog watchdog;
    CWinApp app(L"owner test");
    CWnd main;
    ASSERT_TRUE(main.CreateEx(0, nullptr, L"main", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr));
    app.m_pMainWnd = &main;
    uitest::DialogTemplate t = MakeTemplate(L"ownerless");
    HWND owner = nullptr;
    CWnd::SetModalLoopHook([&](CWnd* wnd) {
        owner = ::GetWindow(wnd->m_hWnd, GW_OWNER);
        PostKey(::GetDlgItem(wnd->m_hWnd, kIdEdit), VK_ESCAPE);
    });
    CKeyDialog dlg(t.Get(), nullptr, 0);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    CWnd::SetModalLoopHook(nullptr);
    EXPECT_EQ(owner, main.m_hWnd);
    EXPECT_TRUE(dlg.m_ownerWasDisabled);
    EXPECT_TRUE(main.IsWindowEnabled());
    app.m_pMainWnd = nullptr;
    EXPECT_FALSE(watchdog.Fired());
}

}  // namespace
