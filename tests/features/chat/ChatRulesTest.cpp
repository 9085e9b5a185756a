// The chat's window-less rules: the cut of long messages, time texts, history pages turned into
// messages (order, messages to one person), date lines, layout heights and the scroll bars'
// percentages.
#include <gtest/gtest.h>

#include "features/chat/ChatRules.h"

namespace {

SChatTexts Texts()
{
    SChatTexts t;
    t.strAm = L"오전";
    t.strPm = L"오후";
    t.strToOneMark = L" (귓속말)";
    return t;
}

Json::Value Entry(const char* id, const char* sender, const char* text, const char* receiverId = "",
                  const char* receiverName = "")
{
    Json::Value e;
    e["messageId"] = id;
    e["senderId"] = sender;
    e["senderName"] = std::string("name") + sender;
    e["message"] = text;
    e["messageCreatedTime"] = "20260315140500";
    e["receiverId"] = receiverId;
    e["receiverName"] = receiverName;
    return e;
}

TEST(ChatRules, LongMessagesAreCutToFortySevenAndDots)
{
    const struct { int length; int expected; bool dots; } cases[] = {
        {0, 0, false}, {49, 49, false}, {50, 50, false}, {51, 50, true}, {1000, 50, true},
    };
    for (const auto& c : cases) {
        CString text;
        for (int i = 0; i < c.length; ++i) text += (wchar_t)(L'가' + i % 50);
        const CString cut = CutChatMessage(text);
        EXPECT_EQ(cut.GetLength(), c.expected) << c.length;
        EXPECT_EQ(cut.Right(3) == L"...", c.dots) << c.length;
        if (c.dots) EXPECT_EQ(cut.Left(47), text.Left(47));
    }
}

TEST(ChatRules, TimeTextsAroundNoonAndMidnight)
{
    const struct { int h, m; const wchar_t* text; } cases[] = {
        {12, 5, L"오후 12:05"}, {0, 5, L"오전 0:05"}, {13, 5, L"오후 1:05"}, {11, 59, L"오전 11:59"}, {23, 0, L"오후 11:00"},
    };
    for (const auto& c : cases) EXPECT_EQ(MakeChatTimeText(c.h, c.m, L"오전", L"오후"), CString(c.text)) << c.h;
    EXPECT_EQ(ChatTimeTextFromStamp(L"20260315130507", L"오전", L"오후"), CString(L"오후 1:05"));
    EXPECT_EQ(ChatTimeTextFromStamp(L"2026031513", L"오전", L"오후"), CString(L"오후 1:00")) << "missing minute";
    SYSTEMTIME st = {2026, 3, 0, 5, 9, 7, 3, 0};
    EXPECT_EQ(MakeChatTimeStamp(st), CString(L"20260305090703"));
}

TEST(ChatRules, PagesBecomeOldestFirstInBothLoaders)
{
    Json::Value body;
    body["totalPage"] = 2;
    body["list"].append(Entry("3", "1002", "c"));
    body["list"].append(Entry("2", "1001", "b"));
    body["list"].append(Entry("1", "1003", "a"));
    for (BOOL first : {TRUE, FALSE}) {
        const std::vector<_ChatItem> items = ReadChatPage(body, 1001, first, Texts());
        ASSERT_EQ(items.size(), 3u);
        EXPECT_EQ(items[0].messageId, CString(L"1"));
        EXPECT_EQ(items[2].messageId, CString(L"3"));
        EXPECT_EQ(items[1].mine, 1);
        EXPECT_EQ(items[0].mine, 0);
        EXPECT_EQ(items[0].timeText, CString(L"오후 2:05"));
    }
    EXPECT_TRUE(ChatPageHasMore(body));
    body["totalPage"] = 1;
    EXPECT_FALSE(ChatPageHasMore(body));
    EXPECT_FALSE(ChatPageHasMore(Json::Value()));
}

TEST(ChatRules, MessagesToOnePersonOnTheFirstPageOnly)
{
    Json::Value body;
    body["list"].append(Entry("4", "1002", "to someone else", "1003", "Lee"));
    body["list"].append(Entry("3", "1002", "to me", "1001", "Kim"));
    body["list"].append(Entry("2", "1001", "from me", "1004", "Park"));
    const std::vector<_ChatItem> first = ReadChatPage(body, 1001, TRUE, Texts());
    ASSERT_EQ(first.size(), 2u);
    EXPECT_EQ(first[0].displayName, CString(L"Park (귓속말)"));
    EXPECT_EQ(first[1].displayName, CString(L"Kim (귓속말)"));
    const std::vector<_ChatItem> older = ReadChatPage(body, 1001, FALSE, Texts());
    ASSERT_EQ(older.size(), 3u);
    EXPECT_EQ(older[2].displayName, CString(L"name1002"));
}

TEST(ChatRules, MissingKeysReadAsEmptyAndZero)
{
    Json::Value body;
    body["list"].append(Json::Value(Json::objectValue));
    const std::vector<_ChatItem> items = ReadChatPage(body, 0, TRUE, Texts());
    ASSERT_EQ(items.size(), 1u);
    EXPECT_TRUE(items[0].message.IsEmpty());
    EXPECT_EQ(items[0].mine, 1) << "a missing sender counts as 0, the same as an own id of 0";
    EXPECT_TRUE(ReadChatPage(Json::Value("junk"), 1, TRUE, Texts()).empty());
}

TEST(ChatRules, DayLinesWhereTheDateChanges)
{
    std::vector<_ChatItem> items(4);
    items[0].createdTime = L"20260315235900";
    items[1].createdTime = L"20260315235959";
    items[2].createdTime = L"20260316000100";
    items[3].createdTime = L"20260316000200";
    const BOOL expected[] = {TRUE, FALSE, TRUE, FALSE};
    for (size_t i = 0; i < items.size(); ++i) EXPECT_EQ(IsNewChatDay(items, i), expected[i]) << i;
    items[2].createdTime.Empty();
    EXPECT_TRUE(IsNewChatDay(items, 3)) << "after a record without a time stamp";

    const CString weekdays[7] = {L"일", L"월", L"화", L"수", L"목", L"금", L"토"};
    EXPECT_EQ(MakeChatDateLine(L"20260315120000", L"%d년 %d월 %d일 %s", weekdays), CString(L"2026년 3월 15일 일"));
    EXPECT_EQ(MakeChatDateLine(L"20240229", L"%d-%02d-%02d %s", weekdays), CString(L"2024-02-29 목"));
}

TEST(ChatRules, LayoutHeights)
{
    std::vector<_ChatItem> items(3);
    items[0].createdTime = L"20260315100000";
    items[0].mine = 0;
    items[1].createdTime = L"20260315100100";
    items[1].mine = 1;
    items[2].createdTime = L"20260316100000";
    items[2].mine = 0;
    const int heights[] = {16, 32, 16};
    auto measure = [&](size_t i) { return heights[i]; };
    // 5 + (25 + 16 + 35 + 20) + (32 + 35) + (25 + 16 + 35 + 20)
    EXPECT_EQ(ChatContentHeight(items, FALSE, measure), 5 + 96 + 67 + 96);
    EXPECT_EQ(ChatContentHeight(items, TRUE, measure), 5 + 96 + 67 + 96 + 30);
    EXPECT_EQ(ChatContentHeight({}, FALSE, measure), 5);
}

TEST(ChatRules, ScrollBarPercentages)
{
    EXPECT_EQ(ChatThumbPercent(300, 300), 0) << "fits: flat";
    EXPECT_EQ(ChatThumbPercent(300, 600), 50);
    EXPECT_EQ(ChatThumbPercent(300, 301), 99);
    EXPECT_FALSE(IsInputBarShown(3));
    EXPECT_TRUE(IsInputBarShown(4));
    EXPECT_EQ(InputThumbPercent(4), 75);
    // 4 lines, caret on line 3 (index 2): Down reports 4 and 100, Up 2 and 50.
    EXPECT_EQ(InputArrowLine(2, TRUE), 4);
    EXPECT_EQ(InputArrowPercent(4, 4), 100);
    EXPECT_EQ(InputArrowLine(2, FALSE), 2);
    EXPECT_EQ(InputArrowPercent(2, 4), 50);
    // 3 lines: Down from line 1 reports 2 and 67 (rounded up); typing on line 2 reports 66.
    EXPECT_EQ(InputArrowPercent(InputArrowLine(0, TRUE), 3), 67);
    EXPECT_EQ(InputTypingPercent(2, 3), 66);
}

TEST(ChatRules, TouchDragsOfFiftyPixelsOrLessDoNotScroll)
{
    CChatTouchDrag drag;
    drag.Down(100);
    EXPECT_EQ(drag.Move(150), 0);
    EXPECT_EQ(drag.Move(50), 0);
    EXPECT_EQ(drag.Move(160), 60);
    EXPECT_EQ(drag.Move(100), -60);
    drag.Up();
    EXPECT_EQ(drag.Move(400), 0);
}

}  // namespace
