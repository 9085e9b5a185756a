// The chat panel on a real window against the local application server: history pages (the
// newest first, older ones on the "more" button, "more" on an empty history), sending (the
// server's log shows the exact body; Korean, long and refused messages), a pushed message, the
// input's keys, and the panel's picture.
#include <winsock2.h>

#include <gtest/gtest.h>

#include "core/LoginManager.h"
#include "features/chat/ChatEditCtrl.h"
#include "features/chat/ChatPanel.h"
#include "features/chat/ChatViewCtrl.h"
#include "features/chat/MeetingChatCtrl.h"
#include "net/protocol/TasClientManager.h"
#include "net/protocol/TasResponse.h"
#include "tests/features/FeatureServerSupport.h"

using featuretest::ServerSuite;

namespace {

BOOL g_bEnded = FALSE;
BOOL g_bCanShare = FALSE;

class ChatPanel : public ServerSuite {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(StartAndLogIn(300, 560)) << "servers or log-in";
        SChatMeetingFacts facts;
        facts.hasMeeting = [] { return TRUE; };
        facts.canShare = [] { return g_bCanShare; };
        facts.isMeetingEnded = [] { return g_bEnded; };
        SetChatMeetingFacts(facts);
    }
    static void TearDownTestSuite()
    {
        SetChatMeetingFacts(SChatMeetingFacts());
        StopAll();
    }
    void SetUp() override
    {
        ASSERT_TRUE(m_resources.Ok());
        ServerSuite::SetUp();
        g_bEnded = FALSE;
        g_bCanShare = FALSE;
        CMeetingChatCtrl::SetClock(nullptr);
        m_pWnd = CreateChatPanel(s_pHost, 1000);
        ASSERT_NE(m_pWnd, nullptr);
        m_pWnd->MoveWindow(5, 5, 280, 540);
        m_pPanel = AsChatPanel(m_pWnd);
        ASSERT_NE(m_pPanel, nullptr);
        m_pCtrl = static_cast<CMeetingChatCtrl*>(m_pWnd);
        s_pHost->relay = [this](UINT message, const CTasResponse* reply) { m_pPanel->OnServerReply(message, reply); };
    }
    void TearDown() override
    {
        s_pHost->relay = nullptr;
        if (m_pWnd) m_pWnd->DestroyWindow();   // deletes the panel
        ServerSuite::TearDown();
    }

    // Puts a number of messages into the meeting's history straight through the client.
    void Seed(const wchar_t* mtngId, int count)
    {
        const int before = s_pHost->replies;
        for (int i = 1; i <= count; ++i) {
            CString text;
            text.Format(L"안건 %d 의견입니다", i);
            CTasClientManager::GetInstance()->RequestM00000031(mtngId, text, L"1002", L"", 1);
        }
        ASSERT_TRUE(WaitReplies(before + count));
    }
    void Bind(const wchar_t* mtngId)
    {
        m_pPanel->SetMeeting(mtngId, 1001);
        m_pPanel->EnableChat(TRUE);
        const int before = s_pHost->replies;
        m_pPanel->RequestHistory();
        ASSERT_TRUE(WaitReplies(before + 1));
        ctltest::PumpTranslated();
    }
    void Type(const CString& text)
    {
        HWND edit = m_pCtrl->GetEdit()->GetSafeHwnd();
        for (int i = 0; i < text.GetLength(); ++i) ::SendMessageW(edit, WM_CHAR, text[i], 1);
    }
    void PressEnter()
    {
        HWND edit = m_pCtrl->GetEdit()->GetSafeHwnd();
        ::SendMessageW(edit, WM_KEYDOWN, VK_RETURN, 0x001C0001);
        ::SendMessageW(edit, WM_CHAR, L'\r', 0x001C0001);
        ::SendMessageW(edit, WM_KEYUP, VK_RETURN, 0xC01C0001);
    }
    CString EditText()
    {
        CString s;
        m_pCtrl->GetEdit()->GetWindowText(s);
        return s;
    }
    // Sends what is typed with Enter and waits for the server's answer.
    void SendTyped(const CString& text)
    {
        const int before = s_pHost->replies;
        Type(text);
        PressEnter();
        ASSERT_TRUE(WaitReplies(before + 1)) << "no answer to the message";
        ctltest::PumpTranslated();
    }

    // The server keeps its next answer to msg until ReleaseHeld.
    void HoldNext(const char* msg)
    {
        Json::Value hold;
        hold["cmd"] = "rule";
        hold["server"] = "tas";
        hold["msg"] = msg;
        hold["hold"] = true;
        Control(hold);
    }
    void ReleaseHeld()
    {
        Json::Value release;
        release["cmd"] = "release";
        Control(release);
    }

    ctltest::ShippedResources m_resources;
    CWnd* m_pWnd = nullptr;
    IChatPanel* m_pPanel = nullptr;
    CMeetingChatCtrl* m_pCtrl = nullptr;
};

TEST_F(ChatPanel, HistoryPagesNewestFirstThenOlderOnMore)
{
    Seed(L"104", 14);
    Bind(L"104");
    Json::Value first = LastBody("M00000032");
    EXPECT_EQ(first["mtngId"].asString(), "104");
    EXPECT_EQ(first["pageNum"].asInt(), 10);
    EXPECT_EQ(first["messageId"].asString(), "");
    EXPECT_EQ(first["chatType"].asInt(), 1);

    CChatViewCtrl* view = m_pCtrl->GetChatView();
    ASSERT_EQ(view->GetItemCount(), 10);
    EXPECT_EQ(view->GetItem(9).message, CString(L"안건 14 의견입니다")) << "newest last";
    EXPECT_TRUE(view->IsMoreButtonVisible());
    EXPECT_FALSE(view->GetItem(0).mine);

    const CString oldest = view->GetFirstItem().messageId;
    const int before = s_pHost->replies;
    ::SendMessageW(view->GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(CChatViewCtrl::ID_MORE_BUTTON, BN_CLICKED), 0);
    EXPECT_TRUE(view->IsLoadingVisible()) << "the loading picture waits for the page";
    ASSERT_TRUE(WaitReplies(before + 1));
    ctltest::PumpTranslated();
    Json::Value older = LastBody("M00000032");
    EXPECT_EQ(older["pageNum"].asInt(), 100);
    EXPECT_EQ(older["messageId"].asString(), zeltest::Narrow((LPCTSTR)oldest));
    ASSERT_EQ(view->GetItemCount(), 14);
    EXPECT_EQ(view->GetItem(0).message, CString(L"안건 1 의견입니다")) << "older page put before";
    EXPECT_EQ(view->GetItem(13).message, CString(L"안건 14 의견입니다"));
    EXPECT_FALSE(view->IsLoadingVisible());
    EXPECT_FALSE(view->IsMoreButtonVisible());
    EXPECT_EQ(m_pPanel->GetPageSize(), 100);
    EXPECT_EQ(m_pPanel->GetPageNum(), 2);
    EXPECT_EQ(m_pCtrl->GetViewScroll()->GetPos(), 0) << "an older page shows the top";

    m_pPanel->SetMeeting(L"104", 1001);
    EXPECT_EQ(m_pPanel->GetPageSize(), 10) << "binding again starts over";
    EXPECT_EQ(m_pPanel->GetPageNum(), 1);
    EXPECT_TRUE(m_pPanel->GetLastMessageId().IsEmpty());
    EXPECT_EQ(view->GetItemCount(), 0);
}

TEST_F(ChatPanel, ARefusedOlderPageTakesTheLoadingPictureDown)
{
    Seed(L"104", 1);   // the history holds more than one page by now
    Bind(L"104");
    CChatViewCtrl* view = m_pCtrl->GetChatView();
    ASSERT_GT(view->GetItemCount(), 0);
    const int shown = view->GetItemCount();
    Json::Value rule;
    rule["cmd"] = "rule";
    rule["server"] = "tas";
    rule["msg"] = "M00000032";
    rule["status"] = 3;
    Control(rule);
    const int before = s_pHost->replies;
    ::SendMessageW(m_pWnd->GetSafeHwnd(), WM_CHAT_OLDER_PAGE, 0, 0);
    EXPECT_TRUE(view->IsLoadingVisible());
    ASSERT_TRUE(WaitReplies(before + 1));
    EXPECT_FALSE(view->IsLoadingVisible()) << "no page is coming";
    EXPECT_EQ(view->GetItemCount(), shown);
}

// The older page goes above the messages shown even when a pushed message was laid out (and the
// loading picture taken down) while it was on its way.
TEST_F(ChatPanel, AnOlderPageGoesOnTopWhateverArrivedMeanwhile)
{
    Seed(L"107", 12);
    Bind(L"107");
    CChatViewCtrl* view = m_pCtrl->GetChatView();
    ASSERT_EQ(view->GetItemCount(), 10);
    HoldNext("M00000032");
    const int before = s_pHost->replies;
    ::SendMessageW(m_pWnd->GetSafeHwnd(), WM_CHAT_OLDER_PAGE, 0, 0);
    ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000032", Frames("tas", nullptr, "M00000032").size(), 5000));
    m_pPanel->OnChatPush(L"이서연", L"20260315140500", L"오후 2:05", L"기다리는 동안 온 메시지");
    m_pPanel->Relayout();
    ASSERT_EQ(view->GetItemCount(), 11);
    ReleaseHeld();
    ASSERT_TRUE(WaitReplies(before + 1));
    ctltest::PumpTranslated();
    ASSERT_EQ(view->GetItemCount(), 13);
    EXPECT_EQ(view->GetItem(0).message, CString(L"안건 1 의견입니다")) << "older page put before";
    EXPECT_EQ(view->GetItem(1).message, CString(L"안건 2 의견입니다"));
    EXPECT_EQ(view->GetItem(12).message, CString(L"기다리는 동안 온 메시지")) << "the newest stays last";
    EXPECT_FALSE(view->IsLoadingVisible());
}

// A message marked as not sent when the connection was lost is sent again with the client's other
// unanswered requests: its late answer takes the mark away, and the next message gets its own.
TEST_F(ChatPanel, ALateAnswerAfterTheConnectionCameBackClearsTheMark)
{
    Bind(L"101");
    CChatViewCtrl* view = m_pCtrl->GetChatView();
    HoldNext("M00000031");
    const size_t sent = Frames("tas", nullptr, "M00000031").size();
    Type(L"연결이 돌아온 뒤 답을 받을 메시지");
    PressEnter();
    ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000031", sent + 1, 5000));
    const int late = view->GetItemCount() - 1;
    m_pPanel->MarkPendingSendsFailed();
    EXPECT_EQ(view->GetItem(late).sendFailed, 1);
    const int before = s_pHost->replies;
    ReleaseHeld();
    ASSERT_TRUE(WaitReplies(before + 1));
    ctltest::PumpTranslated();
    EXPECT_EQ(view->GetItem(late).sendFailed, 0);
    EXPECT_FALSE(view->GetItem(late).messageId.IsEmpty());
    SendTyped(L"그다음 메시지");
    EXPECT_EQ(view->GetItem(late + 1).sendFailed, 0);
    EXPECT_FALSE(view->GetItem(late + 1).messageId.IsEmpty());
    EXPECT_NE(view->GetItem(late + 1).messageId, view->GetItem(late).messageId);
}

TEST_F(ChatPanel, MoreOnAnEmptyHistoryAsksNothing)
{
    Bind(L"102");
    CChatViewCtrl* view = m_pCtrl->GetChatView();
    ASSERT_EQ(view->GetItemCount(), 0);
    EXPECT_FALSE(view->IsMoreButtonVisible());
    const size_t asked = Frames("tas", nullptr, "M00000032").size();
    ::SendMessageW(m_pWnd->GetSafeHwnd(), WM_CHAT_OLDER_PAGE, 0, 0);
    ctltest::PumpTranslated();
    EXPECT_EQ(Frames("tas", nullptr, "M00000032").size(), asked);
    EXPECT_FALSE(view->IsLoadingVisible());
    EXPECT_EQ(m_pPanel->GetPageSize(), 10);
}

TEST_F(ChatPanel, SendingShowsTheMessageAndSendsTheExactBody)
{
    Bind(L"101");
    CChatViewCtrl* view = m_pCtrl->GetChatView();
    const int shown = view->GetItemCount();
    SendTyped(L"회의 자료 잘 받았습니다");
    const Json::Value body = LastBody("M00000031");
    EXPECT_EQ(body["mtngId"].asString(), "101");
    EXPECT_EQ(body["message"].asString(), "\xED\x9A\x8C\xEC\x9D\x98 \xEC\x9E\x90\xEB\xA3\x8C \xEC\x9E\x98 "
                                          "\xEB\xB0\x9B\xEC\x95\x98\xEC\x8A\xB5\xEB\x8B\x88\xEB\x8B\xA4");
    EXPECT_EQ(body["chatType"].asInt(), 1);
    EXPECT_EQ(body["senderId"].asString(), "1001");
    EXPECT_EQ(body["receiverId"].asString(), "");
    EXPECT_EQ(body.getMemberNames().size(), 5u);
    ASSERT_EQ(view->GetItemCount(), shown + 1);
    const _ChatItem& item = view->GetItem(shown);
    EXPECT_EQ(item.mine, 1);
    EXPECT_TRUE(item.displayName.IsEmpty());
    EXPECT_EQ(item.sendFailed, 0);
    EXPECT_FALSE(item.messageId.IsEmpty()) << "the answer's id is kept";
    EXPECT_TRUE(EditText().IsEmpty()) << "no line break left after Enter";
    EXPECT_EQ(::GetFocus(), m_pCtrl->GetEdit()->GetSafeHwnd());
}

TEST_F(ChatPanel, KoreanAndLongTexts)
{
    Bind(L"101");
    CChatViewCtrl* view = m_pCtrl->GetChatView();
    // Korean through the input method's character messages as Wine delivers them.
    HWND edit = m_pCtrl->GetEdit()->GetSafeHwnd();
    // WM_IME_CHAR comes back as WM_CHAR through the queue.
    for (wchar_t c : std::wstring(L"한글 입력")) ::SendMessageW(edit, WM_IME_CHAR, c, 1);
    ctltest::PumpTranslated();
    EXPECT_EQ(zeltest::Narrow((LPCTSTR)EditText()), zeltest::Narrow(L"한글 입력"));
    const int before = s_pHost->replies;
    PressEnter();
    ASSERT_TRUE(WaitReplies(before + 1));
    EXPECT_EQ(zeltest::Widen(LastBody("M00000031")["message"].asString()), L"한글 입력");

    const struct { int length; bool cut; } cases[] = {{50, false}, {51, true}, {120, true}};
    for (const auto& c : cases) {
        CString text;
        for (int i = 0; i < c.length; ++i) text += (wchar_t)(L'가' + i);
        SendTyped(text);
        const std::wstring sent = zeltest::Widen(LastBody("M00000031")["message"].asString());
        const CString expected = c.cut ? text.Left(47) + L"..." : text;
        EXPECT_EQ(sent, std::wstring((LPCTSTR)expected)) << c.length;
        EXPECT_EQ(view->GetItem(view->GetItemCount() - 1).message, expected) << c.length;
    }
}

TEST_F(ChatPanel, EmptyInputSendsNothing)
{
    Bind(L"101");
    const int shown = m_pCtrl->GetChatView()->GetItemCount();
    const size_t sent = Frames("tas", nullptr, "M00000031").size();
    PressEnter();
    ::SendMessageW(m_pWnd->GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(CMeetingChatCtrl::ID_SEND, BN_CLICKED), 0);
    zeltest::PumpFor(200);
    EXPECT_EQ(Frames("tas", nullptr, "M00000031").size(), sent);
    EXPECT_EQ(m_pCtrl->GetChatView()->GetItemCount(), shown);
}

TEST_F(ChatPanel, ARefusedMessageIsMarked)
{
    Bind(L"101");
    Json::Value rule;
    rule["cmd"] = "rule";
    rule["server"] = "tas";
    rule["msg"] = "M00000031";
    rule["status"] = 3;
    Control(rule);
    SendTyped(L"전송이 거부될 메시지");
    CChatViewCtrl* view = m_pCtrl->GetChatView();
    EXPECT_EQ(view->GetItem(view->GetItemCount() - 1).sendFailed, 1);
    SendTyped(L"다음 메시지는 정상");
    EXPECT_EQ(view->GetItem(view->GetItemCount() - 1).sendFailed, 0);
    EXPECT_EQ(view->GetItem(view->GetItemCount() - 2).sendFailed, 1);

    // A message still unanswered when the connection is lost is marked as well.
    Json::Value hold = rule;
    hold.removeMember("status");
    hold["hold"] = true;
    Control(hold);
    Type(L"연결이 끊길 메시지");
    PressEnter();
    ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000031", Frames("tas", nullptr, "M00000031").size(), 5000));
    m_pPanel->MarkPendingSendsFailed();
    EXPECT_EQ(view->GetItem(view->GetItemCount() - 1).sendFailed, 1);
}

TEST_F(ChatPanel, HistoryIgnoredInAMeetingAnyoneMayShare)
{
    g_bCanShare = TRUE;
    Bind(L"101");
    EXPECT_EQ(m_pCtrl->GetChatView()->GetItemCount(), 0);
}

TEST_F(ChatPanel, PushedMessageArrivesAtTheEnd)
{
    Bind(L"101");
    CChatViewCtrl* view = m_pCtrl->GetChatView();
    const int shown = view->GetItemCount();
    m_pPanel->OnChatPush(L"이서연", L"20260315140500", L"오후 2:05", L"발표 자료 3쪽 확인 부탁드립니다.");
    ASSERT_EQ(view->GetItemCount(), shown + 1);
    const _ChatItem& item = view->GetItem(shown);
    EXPECT_EQ(item.mine, 0);
    EXPECT_EQ(item.displayName, CString(L"이서연"));
    EXPECT_EQ(item.timeText, CString(L"오후 2:05"));
}

TEST_F(ChatPanel, EndedMeetingKeepsSendingOff)
{
    Bind(L"101");
    EXPECT_TRUE(m_pCtrl->GetSendButton().IsWindowEnabled());
    g_bEnded = TRUE;
    m_pPanel->EnableChat(TRUE);
    EXPECT_FALSE(m_pCtrl->GetSendButton().IsWindowEnabled());
    EXPECT_FALSE(m_pCtrl->GetEdit()->IsInputEnabled());
    // A click into the box places no caret and typing leaves it empty.
    ctltest::Mouse(m_pCtrl->GetEdit(), WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
    Type(L"입력 불가");
    EXPECT_TRUE(EditText().IsEmpty());
}

TEST_F(ChatPanel, InputKeysAndItsScrollBar)
{
    Bind(L"101");
    Type(L"첫째 줄");
    HWND edit = m_pCtrl->GetEdit()->GetSafeHwnd();
    // Shift+Enter keeps the selected text and puts the line break after it.
    ::SendMessageW(edit, EM_SETSEL, 0, 2);
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_SHIFT] = 0x80;
    ::SetKeyboardState(keys);
    ::SendMessageW(edit, WM_KEYDOWN, VK_RETURN, 0x001C0001);
    ::SendMessageW(edit, WM_CHAR, L'\r', 0x001C0001);
    keys[VK_SHIFT] = 0;
    ::SetKeyboardState(keys);
    EXPECT_EQ(EditText(), CString(L"첫째\r\n 줄"));
    EXPECT_EQ(Frames("tas", nullptr, "M00000031").size(), 0u) << "Shift+Enter sends nothing";
    Type(L"\x0001");   // nothing printable
    ::SendMessageW(edit, WM_SETTEXT, 0, (LPARAM)L"1\r\n2\r\n3\r\n4");
    ::SendMessageW(edit, WM_CHAR, L'5', 1);   // an update with four lines shows the bar
    EXPECT_TRUE(m_pCtrl->GetEditScroll()->GetStyle() & WS_VISIBLE);
    ::SendMessageW(edit, WM_SETTEXT, 0, (LPARAM)L"1\r\n2");
    ::SendMessageW(edit, WM_CHAR, L'3', 1);
    EXPECT_FALSE(m_pCtrl->GetEditScroll()->GetStyle() & WS_VISIBLE);
}

TEST_F(ChatPanel, Screenshot)
{
    Bind(L"102");
    SYSTEMTIME at;
    ::GetLocalTime(&at);
    at.wHour = 14;
    at.wMinute = 12;
    CMeetingChatCtrl::SetClock([at] { return at; });
    CString today;
    today.Format(L"%04d%02d%02d", at.wYear, at.wMonth, at.wDay);
    // A page of demo history as the server sends it, newest first.
    const struct { const char* id; const char* sender; const wchar_t* name; const wchar_t* text; const wchar_t* time; } rows[] = {
        {"9004", "1003", L"이서연", L"예산 현황표도 함께 띄워 주세요.", L"141000"},
        {"9003", "1001", L"김민준", L"네, 곧 공유하겠습니다.", L"140800"},
        {"9002", "1002", L"박지훈", L"자료 1쪽부터 보시면 됩니다. 참고자료는 2쪽에 있습니다.", L"140500"},
    };
    Json::Value body;
    body["totalPage"] = 2;
    for (const auto& r : rows) {
        Json::Value e;
        e["messageId"] = r.id;
        e["senderId"] = r.sender;
        e["senderName"] = zeltest::Narrow(r.name);
        e["message"] = zeltest::Narrow(r.text);
        e["messageCreatedTime"] = zeltest::Narrow((LPCTSTR)(today + r.time));
        body["list"].append(e);
    }
    m_pPanel->OnChatList(body);
    SendTyped(L"네, 확인했습니다. 감사합니다!");
    SendTyped(L"다음 안건으로 넘어가기 전에 질의응답 시간을 10분 정도 갖는 것이 좋겠습니다. 의견 주세요");
    ctltest::PumpTranslated();
    EXPECT_TRUE(ctltest::SaveScreenshot(m_pWnd, L"chat_panel"));
    // The last own bubble ends 9 pixels from the view's right edge.
    CChatViewCtrl* view = m_pCtrl->GetChatView();
    CRect rcView;
    view->GetClientRect(&rcView);
    const CRect bubble = view->GetBubbleRect(view->GetItemCount() - 1);
    EXPECT_EQ(bubble.right, rcView.Width() - 9);
    EXPECT_EQ(view->GetBubbleRect(0).left, 9) << "an others' bubble starts 9 pixels in";
}

}  // namespace
