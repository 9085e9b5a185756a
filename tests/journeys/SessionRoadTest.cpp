// The session's road through the real ZEL.exe: a presenter who logs out from the meeting screen
// while sharing stops the sharing before the log-out reaches the server, and every log-in again
// starts as a first one does: the list on today's meetings, whatever day the last session showed.
#include "tests/journeys/JourneyFixture.h"
#include "tests/journeys/SharedMeeting.h"

#include <cstdio>

namespace {

using journey::JourneyTest;
using journey::Screenshot;

// The title bar's menu button and its log-out item, and the calendar's next-month arrow (points
// of the 1024 x 600 main window at the screen's origin).
constexpr POINT kMenuButton{875, 20};
constexpr POINT kLogOutItem{889, 152};
constexpr POINT kNextMonth{204, 354};

std::string DayText(const SYSTEMTIME& st)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", st.wYear, st.wMonth, st.wDay);
    return text;
}

class SessionRoadTest : public JourneyTest {
protected:
    // The menu is a pop-up window of the client over the item's point once the button is pressed.
    bool LogOutFromTheMenu()
    {
        journey::ClickAt(m_hMain, kMenuButton.x, kMenuButton.y);
        HWND menu = nullptr;
        const bool shown = journey::WaitUntil([&] {
            menu = journey::FindProcessWindow(m_client.Pid(), [&](HWND h) {
                RECT rc;
                return h != m_hMain && ::GetWindowRect(h, &rc) && ::PtInRect(&rc, kLogOutItem);
            });
            return menu != nullptr;
        }, 5000);
        if (!shown) return false;
        RECT rc;
        ::GetWindowRect(menu, &rc);
        return journey::ClickAt(menu, kLogOutItem.x - rc.left, kLogOutItem.y - rc.top);
    }
    // Logs in again in the login window the log-out brought back; the list's first page request.
    ::testing::AssertionResult LogInAgain()
    {
        const size_t pages = m_control.Frames("tas", "M00000003").size();
        HWND login = journey::WaitForDialogWithChild(m_client.Pid(), IDC_LOGIN_ID, 20000);
        if (!login) return ::testing::AssertionFailure() << "no login window after the log-out";
        if (!journey::LogIn(login, L"kim", L"1234")) return ::testing::AssertionFailure() << "the login took no input";
        if (!journey::WaitUntil([&] { return (m_hMain = journey::FindMainWindow(m_client.Pid(), login)) != nullptr; },
                                30000))
            return ::testing::AssertionFailure() << "no main dialog after logging in again";
        if (!m_control.WaitForFrames("tas", "M00000003", pages + 1, 20000))
            return ::testing::AssertionFailure() << "the list asked for no page";
        return ::testing::AssertionSuccess();
    }
    std::string LastPageDay()
    {
        const Json::Value pages = m_control.Frames("tas", "M00000003");
        return pages.empty() ? std::string() : pages[pages.size() - 1]["body"]["startDate"].asString();
    }
};

TEST_F(SessionRoadTest, LoggingOutWhileSharingStopsTheSharingFirstAndTheNextSessionStartsOnToday)
{
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    const std::string today = DayText(now);
    ASSERT_NO_FATAL_FAILURE(LogInToTheList());
    std::string why;
    ASSERT_TRUE(journey::OpenFirstMeeting(m_hMain, m_control, why)) << why;

    // The presenter shares his page.
    m_control.Command("clear_log");
    journey::ClickAt(m_hMain, journey::points::kShareButton.x, journey::points::kShareButton.y);
    ASSERT_TRUE(m_control.WaitForFrames("tas", "M00000015", 1, 10000)) << "the presenter did not share";
    EXPECT_TRUE(m_control.Frames("tas", "M00000015")[0]["body"]["syncYn"].asBool());
    ::Sleep(1000);

    // He logs out from the meeting screen's menu: the sharing ends before the log-out goes.
    ASSERT_TRUE(LogOutFromTheMenu()) << "no menu on the meeting screen";
    ASSERT_TRUE(m_control.WaitForFrames("tas", "M00000023", 1, 10000)) << "no log-out request";
    const Json::Value syncs = m_control.Frames("tas", "M00000015");
    ASSERT_EQ(syncs.size(), 2u) << "the sharing was not ended";
    const Json::Value& off = syncs[1];
    EXPECT_FALSE(off["body"]["syncYn"].asBool());
    EXPECT_EQ(off["body"]["mtngId"].asString(), "101");
    EXPECT_LT(off["seq"].asInt(), m_control.Frames("tas", "M00000023")[0]["seq"].asInt())
        << "the sharing ended after the log-out";

    ASSERT_TRUE(LogInAgain());
    EXPECT_EQ(LastPageDay(), today);
    ::Sleep(1500);
    zeltest::SaveScreenPng(Screenshot(L"session_second_login"));

    // The list moves to the next month; the next session starts on today again.
    const size_t pages = m_control.Frames("tas", "M00000003").size();
    journey::ClickAt(m_hMain, kNextMonth.x, kNextMonth.y);
    ASSERT_TRUE(m_control.WaitForFrames("tas", "M00000003", pages + 1, 10000)) << "the calendar asked for no page";
    ASSERT_NE(LastPageDay(), today);
    ::Sleep(1000);
    m_control.Command("clear_log");
    ASSERT_TRUE(LogOutFromTheMenu()) << "no menu on the list";
    ASSERT_TRUE(m_control.WaitForFrames("tas", "M00000023", 1, 10000)) << "no log-out request";
    EXPECT_TRUE(m_control.Frames("tas", "M00000015").empty()) << "nothing was shared on the list";
    ASSERT_TRUE(LogInAgain());
    EXPECT_EQ(LastPageDay(), today) << "the new session shows the last session's day";
    ::Sleep(1500);
    zeltest::SaveScreenPng(Screenshot(L"session_third_login"));
}

}  // namespace
