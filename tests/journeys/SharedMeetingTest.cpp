// Two users in one meeting, each with his own ZEL.exe in his own Wine prefix and on his own display:
// the presenter's page, strokes and zoom reach the attendee through the local synchronisation
// server, chat goes both ways, and the presentation changes hands.
#include "tests/journeys/JourneyFixture.h"
#include "tests/journeys/SharedMeeting.h"

#include <algorithm>

namespace {

using namespace journey::points;
using journey::JourneyTest;
using journey::Screenshot;
using journey::PORT_TAS;
using journey::PORT_PUSH;
using journey::PORT_HTTP;

class SharedMeetingTest : public JourneyTest {
protected:
    // The chat pane's handle on the right, and its input box once open.
    static constexpr POINT kChatToggle{1010, 100};
    static constexpr POINT kChatInput{840, 418};
    // The attendee list's handle on the left, the second attendee's hand-over button in it, and
    // the question's yes button (screen points).
    static constexpr POINT kAttendeesToggle{15, 100};
    static constexpr POINT kHandOver{210, 292};
    static constexpr POINT kHandOverYes{460, 361};

    void TearDown() override
    {
        m_second.Stop();
        JourneyTest::TearDown();
    }

    Json::Value Second(const char* pszCmd, Json::Value command = Json::Value(Json::objectValue))
    {
        command["cmd"] = pszCmd;
        Json::Value answer = m_second.Command(command);
        EXPECT_FALSE(answer.isNull()) << pszCmd << ": " << m_second.Error();
        return answer;
    }
    // The second user's screen as his display shows it and as his client paints it.
    void SecondShot(const wchar_t* name)
    {
        Json::Value shot;
        shot["path"] = zeltest::Narrow(Screenshot(name));
        const Json::Value answer = Second("shot", shot);
        if (!answer["faults"].asString().empty())
            std::printf("not shown as painted on the second user's display in %s:\n%s", zeltest::Narrow(name).c_str(),
                        answer["faults"].asString().c_str());
    }
    Json::Value SecondClick(POINT pt, bool bDouble = false)
    {
        Json::Value answer = journey::SecondClick(m_second, pt, bDouble);
        EXPECT_FALSE(answer.isNull()) << "click: " << m_second.Error();
        return answer;
    }

    // The application connection a user logged in on (the log must still hold his log-in).
    int ConnectionOf(const char* pszLogin)
    {
        for (const Json::Value& f : m_control.Frames("tas", "M00000001"))
            if (f.toStyledString().find(std::string("\"") + pszLogin + "\"") != std::string::npos) return f["conn"].asInt();
        return -1;
    }
    // The frames of one message a connection sent.
    size_t FramesOf(int nConn, const char* pszMsg)
    {
        size_t n = 0;
        for (const Json::Value& f : m_control.Frames("tas", pszMsg)) n += f["conn"].asInt() == nConn;
        return n;
    }

    journey::SecondUser m_second;
};

TEST_F(SharedMeetingTest, TheAttendeeFollowsPageStrokesAndZoomTheyChatAndThePresentationChangesHands)
{
    // The presenter enters his running meeting first, then the attendee, on his own machine as it
    // were.
    std::string why;
    ASSERT_NO_FATAL_FAILURE(LogInToTheList());
    ASSERT_TRUE(journey::OpenFirstMeeting(m_hMain, m_control, why)) << why;
    ASSERT_TRUE(m_second.Start(s_ports[PORT_TAS], s_ports[PORT_PUSH], s_ports[PORT_HTTP])) << "no second user";
    ASSERT_TRUE(journey::SecondUserOpensFirstMeeting(m_second, "lee", why)) << why;
    const int presenter = ConnectionOf("kim"), attendee = ConnectionOf("lee");
    ASSERT_NE(presenter, attendee);
    ReportShown(L"shared_presenter_entered");
    SecondShot(L"shared_attendee_entered");

    journey::StallProbe probe;
    probe.Start(m_hMain);
    probe.Mark("share");
    // The presenter starts sharing; the attendee follows him.
    m_control.Command("clear_log");
    ASSERT_TRUE(journey::ShareAndFollow(m_hMain, m_second, m_control, why)) << why;
    // Found here: the attendee's follow asked the server again and again, for ever.
    EXPECT_LE(FramesOf(attendee, "M00000021"), 2u) << "the attendee keeps asking for the presenter's view";
    EXPECT_EQ(FramesOf(presenter, "M00000021"), 0u);

    probe.Mark("page");
    // The presenter turns the page: the attendee's page follows.
    journey::ClickAt(m_hMain, kNextPage.x, kNextPage.y);
    ::Sleep(3000);
    Json::Value edits = Second("edits");
    ASSERT_EQ(edits["texts"].size(), 1u) << edits.toStyledString();
    EXPECT_EQ(edits["texts"][0].asString(), "2") << "the attendee's page did not follow";
    EXPECT_EQ(journey::VisibleEditTexts(m_hMain), std::vector<std::wstring>{L"2"});
    SecondShot(L"shared_attendee_page");

    probe.Mark("stroke");
    // The presenter takes the red pen and draws on the page: the stroke appears on the attendee's.
    ASSERT_TRUE(journey::TakeRedPen(m_client.Pid(), m_hMain, why)) << why;
    Json::Value red = journey::ColourCount(kPage, kRedInk, 40);
    const int before = Second("count", red)["count"].asInt();
    m_control.Command("clear_log");
    journey::DragAt(m_hMain, {{420, 300}, {460, 310}, {500, 320}, {540, 330}, {580, 340}, {620, 350}});
    ASSERT_TRUE(m_control.WaitForFrames("tas", "M00000030", 1, 10000)) << "the presenter's stroke was not sent";
    red["min"] = before + 100;
    const int after = Second("count", red)["count"].asInt();
    EXPECT_GE(after, before + 100) << "the stroke did not reach the attendee's page";
    // Three quick strokes, one under the other: none of them is lost on the way.
    const size_t sent = m_control.Frames("tas", "M00000030").size();
    for (int k = 0; k < 3; ++k)
        journey::DragAt(m_hMain, {{420, 380 + 40 * k}, {480, 382 + 40 * k}, {540, 384 + 40 * k}, {600, 386 + 40 * k}}, 0);
    EXPECT_TRUE(m_control.WaitForFrames("tas", "M00000030", sent + 3, 10000)) << "a quick stroke was not sent";
    for (int k = 0; k < 3; ++k) {
        Json::Value band = journey::ColourCount(RECT{410, 372 + 40 * k, 610, 394 + 40 * k}, kRedInk, 40);
        band["min"] = 60;
        EXPECT_GE(Second("count", band)["count"].asInt(), 60) << "quick stroke " << k << " is missing on the attendee's page";
    }
    SecondShot(L"shared_attendee_stroke");
    ReportShown(L"shared_presenter_stroke");

    probe.Mark("pointer");
    // The presenter points at the page with the pointer tool: the attendee sees the red dot while
    // the button is held, and no longer once it is let go.
    Json::Value dot = journey::ColourCount(kPage, kPointerRed, 30);
    const int noDot = Second("count", dot)["count"].asInt();
    m_control.Command("clear_log");
    journey::ClickAt(m_hMain, kLaserButton.x, kLaserButton.y);
    ::Sleep(300);
    journey::PressAt(m_hMain, POINT{480, 420});
    for (int x = 500; x <= 580; x += 20) journey::MoveMouseTo(m_hMain, POINT{x, 430});
    dot["min"] = noDot + 30;
    const int pointed = Second("count", dot)["count"].asInt();
    SecondShot(L"shared_attendee_pointer");
    journey::ReleaseButton();
    EXPECT_GE(pointed, noDot + 30) << "the presenter's pointer did not show on the attendee's page";
    EXPECT_TRUE(m_control.WaitForFrames("tas", "M00000049", 2, 10000)) << "the pointer was not shared";
    dot.removeMember("min");
    EXPECT_TRUE(journey::WaitUntil([&] { return Second("count", dot)["count"].asInt() <= noDot + 5; }, 5000))
        << "the pointer stayed on the attendee's page after the presenter let go";
    // Back to the pen for the rest.
    ASSERT_TRUE(journey::TakeRedPen(m_client.Pid(), m_hMain, why)) << why;

    probe.Mark("zoom");
    // The presenter zooms in: the attendee's page grows the same way.
    Json::Value paper = journey::ColourCount(kBoard, RGB(250, 250, 246), 1);
    const int fitted = Second("count", paper)["count"].asInt();
    journey::WheelAt(m_hMain, 500, 300, 3, true);
    ASSERT_TRUE(m_control.WaitForFrames("tas", "M00000048", 1, 10000)) << "the presenter's zoom was not sent";
    paper["min"] = fitted * 5 / 4;
    const int zoomed = Second("count", paper)["count"].asInt();
    EXPECT_GE(zoomed, fitted * 5 / 4) << "the attendee's page did not zoom: " << fitted << " -> " << zoomed;
    SecondShot(L"shared_attendee_zoom");
    ReportShown(L"shared_presenter_zoom");


    probe.Mark("chat");
    // Chat: both open the pane on the right and write; each message reaches the other.
    m_control.Command("clear_log");
    journey::ClickAt(m_hMain, kChatToggle.x, kChatToggle.y);
    SecondClick(kChatToggle);
    ::Sleep(1000);
    // The open pane is kept for the next meeting.
    EXPECT_EQ(::GetPrivateProfileIntW(L"RIGHTLAYER", L"collapsed", -1,
                                      (journey::ClientDataFolder() + L"setting.ini").c_str()), 0);
    journey::ClickAt(m_hMain, kChatInput.x, kChatInput.y);
    journey::TypeText(L"자료 2쪽을 봐 주세요");
    journey::PressKey(VK_RETURN);
    ASSERT_TRUE(m_control.WaitForFrames("tas", "M00000031", 1, 10000)) << "the presenter's chat was not sent";
    SecondClick(kChatInput);
    Json::Value text;
    text["text"] = "네, 보고 있습니다";
    Second("type", text);
    Json::Value enter;
    enter["vk"] = VK_RETURN;
    Second("key", enter);
    ASSERT_TRUE(m_control.WaitForFrames("tas", "M00000031", 2, 10000)) << "the attendee's chat was not sent";
    ::Sleep(2000);
    EXPECT_EQ(FramesOf(presenter, "M00000031"), 1u);
    EXPECT_EQ(FramesOf(attendee, "M00000031"), 1u);
    SecondShot(L"shared_attendee_chat");
    ReportShown(L"shared_presenter_chat");

    probe.Mark("hand-over");
    // The presenter hands the presentation to the attendee from the attendee list and confirms.
    m_control.Command("clear_log");
    journey::ClickAt(m_hMain, kAttendeesToggle.x, kAttendeesToggle.y);
    ::Sleep(1500);
    journey::ClickAt(m_hMain, kHandOver.x, kHandOver.y);
    HWND question = nullptr;
    ASSERT_TRUE(journey::WaitUntil([&] {
        return (question = journey::FindProcessWindow(m_client.Pid(), [&](HWND h) {
                    RECT rc;
                    return h != m_hMain && ::GetWindowRect(h, &rc) && rc.right - rc.left > 250 &&
                           rc.bottom - rc.top > 120 && rc.bottom - rc.top < 400;
                })) != nullptr;
    }, 5000)) << "no question before the hand-over";
    ReportShown(L"shared_handover_question");
    RECT rcQuestion;
    ::GetWindowRect(question, &rcQuestion);
    journey::ClickAt(question, kHandOverYes.x - rcQuestion.left, kHandOverYes.y - rcQuestion.top);
    ASSERT_TRUE(m_control.WaitForFrames("tas", "M00000018", 1, 10000)) << "the hand-over was not asked for";
    EXPECT_NE(m_control.Frames("tas", "M00000018")[0].toStyledString().find("1002"), std::string::npos);
    // Both learn who presents now.
    EXPECT_TRUE(journey::WaitUntil([&] { return FramesOf(attendee, "M00000004") >= 1; }, 10000))
        << "the attendee did not learn that he presents";
    EXPECT_GE(FramesOf(presenter, "M00000004"), 1u);
    ::Sleep(2000);
    SecondShot(L"shared_attendee_presents");
    ReportShown(L"shared_presenter_handed_over");

    probe.Mark("follow the new presenter");
    // The new presenter turns the page: the former one follows.
    m_control.Command("clear_log");
    SecondClick(kNextPage);
    ASSERT_TRUE(m_control.WaitForFrames("tas", "M00000015", 1, 10000)) << "the new presenter's page was not shared";
    EXPECT_EQ(FramesOf(attendee, "M00000015"), 1u);
    const auto shows = [](const std::vector<std::wstring>& texts, const wchar_t* page) {
        return std::find(texts.begin(), texts.end(), page) != texts.end();
    };
    EXPECT_TRUE(journey::WaitUntil([&] { return shows(journey::VisibleEditTexts(m_hMain), L"3"); }, 10000))
        << "the former presenter did not follow the page";
    EXPECT_TRUE(journey::WaitUntil([&] {
        std::vector<std::wstring> texts;
        const Json::Value edits = Second("edits");
        for (const Json::Value& t : edits["texts"]) texts.push_back(zeltest::Widen(t.asString()));
        return shows(texts, L"3");
    }, 10000)) << "the new presenter's page does not show 3";
    SecondShot(L"shared_attendee_turns");
    ReportShown(L"shared_presenter_follows");
    ExpectNoStall(probe);
}

}  // namespace
