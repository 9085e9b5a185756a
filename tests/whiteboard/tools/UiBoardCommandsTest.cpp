// The bars' commands that end in a question, a request or another document, clicked on the real
// bars the program makes over a real board: the page favourite and its reply, the meeting's
// whiteboard, the chairman's status buttons and the save button.
#include <gtest/gtest.h>

#include <json/json.h>

#include "platform/MessageBox.h"
#include "resources/resource.h"
#include "tests/support/TestSupport.h"
#include "tests/whiteboard/tools/ToolsTestSupport.h"
#include "whiteboard/MMFigure.h"
#include "whiteboard/tools/BoardInfoCtrl.h"
#include "whiteboard/tools/BoardOptCtrl.h"

using namespace toolstest;

namespace {

CString Text(UINT id)
{
    CString text;
    text.LoadString(id);
    return text;
}

Json::Value FavoriteReply(const char* yn, const char* page, const char* doc = "D1", int status = 0)
{
    Json::Value body;
    body["status"] = status;
    body["status_message"] = "no such page";
    body["favoriteYn"] = yn;
    body["page"] = page;
    body["attcFileId"] = doc;
    return body;
}

class CommandsFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        b.reset(new BoardWithBars());
        b->Open(3);
        opt = dynamic_cast<CBoardOptCtrl*>(b->Board()->GetOptBar());
        info = dynamic_cast<CBoardInfoCtrl*>(b->Board()->GetInfoBar());
        ASSERT_TRUE(opt && info);
        b->meeting.boardDoc = L"D1";
    }
    void TearDown() override
    {
        zel::SetMessageBoxHook(nullptr);
        b.reset();
    }
    CxSkinButton* Favorite() { return opt->Button(CBoardOptCtrl::kFavorite); }
    // The documents the board asked the meeting screen to open (WM_USER+2003).
    std::vector<int> Opened()
    {
        std::vector<int> out;
        for (const auto& m : b->host.received)
            if (std::get<0>(m) == WM_USER + 2003)
                out.push_back((int)std::get<1>(m));
        return out;
    }

    std::unique_ptr<BoardWithBars> b;
    CBoardOptCtrl* opt = nullptr;
    CBoardInfoCtrl* info = nullptr;
};

TEST_F(CommandsFixture, FavouriteClickSendsOneRequestAndTheReplyMarksThePage)
{
    b->now += 1000;
    ClickCentre(Favorite());
    ASSERT_EQ(b->server.log.back(), "78:1:Y");
    EXPECT_FALSE(Favorite()->IsWindowEnabled()) << "the check waits for the answer";
    b->Board()->OnReceiveM00000078(FavoriteReply("Y", "1"), 0);
    EXPECT_TRUE(b->Board()->GetPageManager().GetPage(1)->IsFavorite());
    EXPECT_TRUE(Favorite()->IsWindowEnabled());
    EXPECT_EQ(Favorite()->GetCheck(), BST_CHECKED);
    EXPECT_EQ(info->FavoriteButton()->GetCheck(), BST_CHECKED);
    ASSERT_FALSE(b->main.toasts.empty());
    EXPECT_EQ(b->main.toasts.back(), Text(IDS_WBT_FAVORITE_ON));
    ASSERT_FALSE(b->meeting.calls.empty());
    EXPECT_EQ(b->meeting.calls.back(), "favourite:1:Y");
    // The same answer again changes nothing and says nothing.
    const size_t toasts = b->main.toasts.size();
    b->Board()->OnReceiveM00000078(FavoriteReply("Y", "1"), 0);
    EXPECT_EQ(b->main.toasts.size(), toasts);
    // Moving to page 2 shows its own (unmarked) state, back on page 1 the mark again.
    b->now += 1000;
    b->Board()->OnNextPage();
    EXPECT_EQ(Favorite()->GetCheck(), BST_UNCHECKED);
    b->now += 1000;
    b->Board()->OnPrevPage();
    EXPECT_EQ(Favorite()->GetCheck(), BST_CHECKED);
}

TEST_F(CommandsFixture, FavouriteRepliesThatDoNotMatchOnlyFreeTheChecks)
{
    struct Case {
        const char* name;
        Json::Value body;
        int headerStatus;
    } cases[] = {
        {"another page", FavoriteReply("Y", "2"), 0},
        {"another document", FavoriteReply("Y", "1", "D2"), 0},
        {"refused by the server", FavoriteReply("Y", "1", "D1", 7), 0},
    };
    std::vector<CString> boxes;
    zel::SetMessageBoxHook([&](LPCTSTR text, LPCTSTR, UINT) {
        boxes.push_back(text);
        return IDOK;
    });
    for (const Case& c : cases) {
        b->now += 1000;
        ClickCentre(Favorite());
        ASSERT_FALSE(Favorite()->IsWindowEnabled()) << c.name;
        const size_t toasts = b->main.toasts.size();
        b->Board()->OnReceiveM00000078(c.body, c.headerStatus);
        EXPECT_FALSE(b->Board()->GetPageManager().GetPage(1)->IsFavorite()) << c.name;
        EXPECT_EQ(b->main.toasts.size(), toasts) << c.name;
        EXPECT_TRUE(Favorite()->IsWindowEnabled()) << c.name << ": the check stays usable";
        EXPECT_TRUE(info->FavoriteButton()->IsWindowEnabled()) << c.name;
        EXPECT_EQ(Favorite()->GetCheck(), BST_UNCHECKED) << c.name;
    }
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], CString(L"no such page"));
}

TEST_F(CommandsFixture, FavouriteRightAfterAPageMoveIsDroppedButTheCheckStaysUsable)
{
    b->now += 1000;
    b->Board()->OnNextPage();
    ASSERT_EQ(b->Board()->GetCurrentPage(), 2);
    b->now += 80;
    const size_t requests = b->server.log.size();
    ClickCentre(Favorite());
    EXPECT_EQ(b->server.log.size(), requests);
    EXPECT_TRUE(Favorite()->IsWindowEnabled());
    EXPECT_EQ(Favorite()->GetCheck(), BST_CHECKED) << "shows what the user asked for";
    EXPECT_TRUE(info->FavoriteButton()->IsWindowEnabled());
    // 100 ms later the same click goes out.
    b->now += 100;
    ClickCentre(Favorite());
    EXPECT_EQ(b->server.log.back(), "78:2:N");
}

TEST_F(CommandsFixture, ThumbnailFavouriteMarksThePageAndTheChecks)
{
    b->Board()->SendMessage(WM_USER + 2022, 1, 1);
    EXPECT_TRUE(b->Board()->GetPageManager().GetPage(1)->IsFavorite());
    EXPECT_EQ(Favorite()->GetCheck(), BST_CHECKED);
    EXPECT_EQ(info->FavoriteButton()->GetCheck(), BST_CHECKED);
    b->Board()->SendMessage(WM_USER + 2022, 3, 1);
    EXPECT_TRUE(b->Board()->GetPageManager().GetPage(3)->IsFavorite());
    EXPECT_EQ(Favorite()->GetCheck(), BST_CHECKED);
    b->Board()->SendMessage(WM_USER + 2022, 9, 1);  // no such page: nothing
    b->Board()->SendMessage(WM_USER + 2022, 1, 0);
    EXPECT_EQ(Favorite()->GetCheck(), BST_UNCHECKED);
}

TEST_F(CommandsFixture, WhiteboardButtonsOpenTheWhiteboardAndGoBack)
{
    CxSkinButton* open = opt->Button(CBoardOptCtrl::kWhiteboardOpen);
    CxSkinButton* close = opt->Button(CBoardOptCtrl::kWhiteboardClose);
    ASSERT_TRUE(open->IsWindowVisible());
    // Free: the personal whiteboard; the document the user was on is remembered.
    b->meeting.documentIndex = 3;
    ClickCentre(open);
    ASSERT_EQ(Opened(), std::vector<int>({-1}));
    EXPECT_TRUE(close->IsWindowVisible());
    EXPECT_TRUE(opt->Button(CBoardOptCtrl::kAddPage)->IsWindowVisible());
    EXPECT_FALSE(open->IsWindowVisible());
    EXPECT_FALSE(Favorite()->IsWindowVisible());
    b->meeting.whiteboard = TRUE;
    b->meeting.documentIndex = 0;
    ClickCentre(close);
    EXPECT_EQ(Opened(), std::vector<int>({-1, 3}));
    EXPECT_TRUE(open->IsWindowVisible());
    EXPECT_TRUE(Favorite()->IsWindowVisible());
    // Following the presenter: the shared whiteboard; back to the first document when the one
    // the user came from is not among those the presenter may show.
    b->meeting.whiteboard = FALSE;
    b->meeting.sync = TRUE;
    b->meeting.syncDocuments = 2;
    ClickCentre(open);
    b->meeting.whiteboard = TRUE;
    ClickCentre(close);
    EXPECT_EQ(Opened(), std::vector<int>({-1, 3, -2, 0}));
}

TEST_F(CommandsFixture, LeavingTheWhiteboardNeedsADocumentToGoBackTo)
{
    struct Case {
        const char* name;
        int documents, syncDocuments;
        BOOL sync;
    } cases[] = {
        {"no documents", 0, 0, FALSE},
        {"following, none the presenter may show", 4, 0, TRUE},
    };
    for (const Case& c : cases) {
        b->host.received.clear();
        b->meeting.documents = c.documents;
        b->meeting.syncDocuments = c.syncDocuments;
        b->meeting.sync = c.sync;
        b->Board()->OnWhiteboardMode(TRUE, FALSE);
        ClickCentre(opt->Button(CBoardOptCtrl::kWhiteboardClose));
        EXPECT_TRUE(Opened().empty()) << c.name;
        EXPECT_TRUE(opt->Button(CBoardOptCtrl::kWhiteboardClose)->IsWindowVisible()) << c.name;
    }
}

TEST_F(CommandsFixture, StatusButtonsAskThenSendTheMeetingsNewStatus)
{
    struct Case {
        int type;
        UINT button;
        UINT question;
        int answer;
        const char* request;  // nullptr: nothing sent
        bool saves;
        bool stopsFollowing;
    } cases[] = {
        {1, CBoardOptCtrl::kStatus1, IDS_DETAIL_START_QUESTION, IDOK, "17:02:10", false, false},
        {2, CBoardOptCtrl::kStatus2, IDS_DETAIL_END_QUESTION, IDOK, "17:04:10", true, false},
        {4, CBoardOptCtrl::kStatus4, IDS_DETAIL_RESTART_QUESTION, IDOK, "17:02:10:repeat", false, true},
        {12, CBoardOptCtrl::kStatus12, IDS_WBT_REPORT_CONFIRM_QUESTION, IDOK, "17:13:30", true, false},
        {13, CBoardOptCtrl::kStatus13, IDS_WBT_REPORT_COMPLETE_QUESTION, IDOK, "17:14:30", true, false},
        {2, CBoardOptCtrl::kStatus2, IDS_DETAIL_END_QUESTION, IDCANCEL, nullptr, false, false},
        {4, CBoardOptCtrl::kStatus4, IDS_DETAIL_RESTART_QUESTION, IDCANCEL, nullptr, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        b->server.log.clear();
        b->meeting.calls.clear();
        b->main.questions.clear();
        b->main.answer = c.answer;
        b->meeting.sync = TRUE;
        opt->ShowTypeButtons(c.type, TRUE);
        ASSERT_TRUE(opt->Button(c.button)->IsWindowVisible());
        ClickCentre(opt->Button(c.button));
        ASSERT_EQ(b->main.questions.size(), 1u);
        EXPECT_EQ(b->main.questions[0], Text(c.question));
        if (c.request) {
            ASSERT_EQ(b->server.log.size(), 1u);
            EXPECT_EQ(b->server.log[0], c.request);
        } else {
            EXPECT_TRUE(b->server.log.empty());
        }
        EXPECT_EQ(!b->meeting.calls.empty() && b->meeting.calls[0] == "save:9", c.saves);
        EXPECT_EQ(!b->meeting.sync, c.stopsFollowing);
    }
    // Start and restart show the remaining time, end clears it.
    bool cleared = false, shown = false;
    for (const CString& call : b->main.calls) {
        cleared = cleared || call == L"ClearRemainTime";
        shown = shown || call.Find(L"SetRemainTime(") == 0;
    }
    EXPECT_TRUE(cleared && shown);
}

TEST_F(CommandsFixture, SaveButtonSavesOnlyWhatChanged)
{
    b->Board()->OnSave(0);
    ASSERT_FALSE(b->main.toasts.empty());
    EXPECT_EQ(b->main.toasts.back(), Text(IDS_WBT_NOTHING_TO_SAVE));
    EXPECT_TRUE(b->meeting.calls.empty());
    b->Board()->GetPageManager().SetPageModified(2, TRUE);
    info->EnableSaveButton(TRUE);
    info->SaveButton()->ShowWindow(SW_SHOW);
    ClickCentre(info->SaveButton());
    ASSERT_EQ(b->meeting.calls.size(), 1u);
    EXPECT_EQ(b->meeting.calls[0], "save:0");
}

}  // namespace
