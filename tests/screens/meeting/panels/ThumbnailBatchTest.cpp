// Cutting the page thumbnails out of a reply's attachment, the thumbnail box of a page, and what
// the information view makes of the attendee and detail replies.
#include <gtest/gtest.h>

#include <json/json.h>

#include <string>

#include "screens/meeting/panels/MeetingInfoRecords.h"
#include "screens/meeting/panels/PageThumbnail.h"
#include "screens/meeting/panels/ThumbnailBatch.h"

namespace {

Json::Value Reply(const std::string& listJson)
{
    Json::Value root;
    Json::Reader().parse("{\"attcFileId\":\"D1\",\"totalPage\":3,\"startIdx\":1,\"totalFavoriteCnt\":1,\"list\":" +
                             listJson + "}",
                         root);
    return root;
}

}  // namespace

TEST(ThumbnailBatch, ImagesAreCutInListOrderByTheirSizes)
{
    const std::string raw = "AAAABBBBBBCC";
    S_THUMBNAIL_BATCH batch;
    ASSERT_TRUE(ParseThumbnailBatch(
        Reply("[{\"page\":1,\"size\":4,\"isFavorite\":\"N\"},{\"page\":2,\"size\":6,\"isFavorite\":\"y\"},"
              "{\"page\":3,\"size\":\"2\",\"isFavorite\":\"N\"}]"),
        (const BYTE*)raw.data(), raw.size(), batch));
    EXPECT_FALSE(batch.bTruncated);
    EXPECT_STREQ(batch.strDocumentId, L"D1");
    EXPECT_EQ(batch.nTotalPage, 3);
    ASSERT_EQ(batch.pages.size(), 3u);
    EXPECT_EQ(std::string((const char*)batch.pages[0].pData, batch.pages[0].nSize), "AAAA");
    EXPECT_EQ(std::string((const char*)batch.pages[1].pData, batch.pages[1].nSize), "BBBBBB");
    EXPECT_EQ(std::string((const char*)batch.pages[2].pData, batch.pages[2].nSize), "CC");
    EXPECT_FALSE(batch.pages[0].bFavorite);
    EXPECT_TRUE(batch.pages[1].bFavorite);
}

TEST(ThumbnailBatch, AListClaimingMoreThanTheAttachmentHoldsEndsTheBatchThere)
{
    struct Case {
        const char* name;
        std::string list;
        size_t rawLength;
        size_t pagesKept;
    };
    const Case cases[] = {
        {"short attachment", "[{\"page\":1,\"size\":4},{\"page\":2,\"size\":6}]", 7, 1},
        {"no attachment", "[{\"page\":1,\"size\":4}]", 0, 0},
        {"size beyond everything", "[{\"page\":1,\"size\":2147483647}]", 12, 0},
        {"negative size", "[{\"page\":1,\"size\":4},{\"page\":2,\"size\":-3},{\"page\":3,\"size\":1}]", 12, 1},
        {"size no number", "[{\"page\":1,\"size\":\"many\"},{\"page\":2,\"size\":4}]", 12, 0},
        {"size missing", "[{\"page\":1}]", 12, 0},
        {"size above the int range", "[{\"page\":1,\"size\":9999999999}]", 12, 0},
        {"size a real number", "[{\"page\":1,\"size\":2.5}]", 12, 0},
    };
    const std::string raw = "AAAABBBBBBCC";
    for (const Case& c : cases) {
        S_THUMBNAIL_BATCH batch;
        ASSERT_TRUE(ParseThumbnailBatch(Reply(c.list), c.rawLength ? (const BYTE*)raw.data() : nullptr,
                                        c.rawLength, batch))
            << c.name;
        EXPECT_TRUE(batch.bTruncated) << c.name;
        EXPECT_EQ(batch.pages.size(), c.pagesKept) << c.name;
        for (const S_THUMBNAIL_PAGE& p : batch.pages)
            EXPECT_LE((const char*)p.pData + p.nSize, raw.data() + c.rawLength) << c.name;
    }
}

TEST(ThumbnailBatch, AReplyWithoutAListIsRefused)
{
    S_THUMBNAIL_BATCH batch;
    Json::Value notObject(5);
    EXPECT_FALSE(ParseThumbnailBatch(notObject, nullptr, 0, batch));
    Json::Value noList(Json::objectValue);
    noList["list"] = "pages";
    EXPECT_FALSE(ParseThumbnailBatch(noList, nullptr, 0, batch));
}

TEST(ThumbnailBox, PortraitPagesSitCentredLandscapePagesFillTheBox)
{
    struct Case {
        int w, h, scaled, offset, box;
    };
    const Case cases[] = {
        {1000, 1414, 72, 34, 150},
        {1414, 1000, 145, 0, 158},
        {800, 1131, 72, 34, 150},
        {1000, 1000, 103, 19, 151},
    };
    for (const Case& c : cases) {
        const S_THUMB_BOX box = ComputeThumbnailBox(c.w, c.h);
        EXPECT_EQ(box.nScaledWidth, c.scaled) << c.w << "x" << c.h;
        EXPECT_EQ(box.nOffset, c.offset) << c.w << "x" << c.h;
        EXPECT_EQ(box.nBoxWidth, c.box) << c.w << "x" << c.h;
        EXPECT_EQ(box.nBoxHeight, 105);
    }
}

TEST(ThumbnailBox, BytesThatAreNoPictureGiveNoThumbnail)
{
    const std::string junk = "\x89PNG\r\n\x1a\n this is no picture at all";
    EXPECT_EQ(RenderPageThumbnail((const BYTE*)junk.data(), junk.size()), nullptr);
    EXPECT_EQ(RenderPageThumbnail(nullptr, 10), nullptr);
    EXPECT_EQ(RenderPageThumbnail((const BYTE*)junk.data(), 0), nullptr);
}

namespace {

const char kAttendees[] = R"({"mtngId":"MT1","presenceTotal":2,"list":[
  {"userIdnfr":101,"name":"김민준","position":"부장","deptName":"기획팀","mainYn":true,"presenceYn":true},
  {"userIdnfr":102,"name":"이서연","position":"과장","deptName":"","processYn":true,"presenceYn":true,"ncryPtptYn":true},
  {"userIdnfr":103,"name":"박지훈","position":"","deptName":"영업팀","remarkTurn":2},
  "not an attendee"]})";

}  // namespace

TEST(MeetingInfoRecords, TheAttendeeReplyFillsHostOthersAndEveryone)
{
    Json::Value reply;
    ASSERT_TRUE(Json::Reader().parse(kAttendees, reply));
    CMeetingInfoRecords records;
    records.FillAttendees(reply, FALSE, 102);
    EXPECT_EQ(records.m_host.nUserId, 101);
    ASSERT_EQ(records.m_others.size(), 2u);
    EXPECT_EQ(records.m_others[0].nUserId, 102);
    EXPECT_EQ(records.m_others[1].nRemarkTurn, 2);
    ASSERT_EQ(records.m_all.size(), 3u);
    EXPECT_EQ(records.m_nPresenceTotal, 2);
    EXPECT_STREQ(records.HostLine(), L"기획팀 / 부장");
    EXPECT_EQ(records.CheckOtherTarget(101), 1);
    EXPECT_EQ(records.CheckOtherTarget(102), 1);
    EXPECT_EQ(records.CheckOtherTarget(103), 0);
    EXPECT_EQ(records.CheckOtherTarget(999), 0);
    // Search by name, case-sensitive substring.
    EXPECT_EQ(records.Filter(L"서연").size(), 1u);
    EXPECT_EQ(records.Filter(L"").size(), 2u);

    // A report keeps only the required approvers beside the host.
    records.FillAttendees(reply, TRUE, 0);
    ASSERT_EQ(records.m_others.size(), 1u);
    EXPECT_EQ(records.m_others[0].nUserId, 102);
    EXPECT_EQ(records.m_all.size(), 3u);

    records.Clear();
    EXPECT_TRUE(records.m_all.empty());
    EXPECT_EQ(records.CheckOtherTarget(101), 0);
}

TEST(MeetingInfoRecords, TheDetailGivesTheDateLineWithItsWeekday)
{
    Json::Value detail;
    ASSERT_TRUE(Json::Reader().parse(R"({"mtngTitl":"주간 회의","mtngRoomTilt":"3층 대회의실","mtngStrtYmd":"20261210",
        "mtngStrtHour":"09","mtngStrtMin":"30","mtngEndHour":"11","mtngEndMin":"00","mtngType":"10"})",
                                     detail));
    CMeetingInfoRecords records;
    records.FillMeetingDetail(detail);
    EXPECT_STREQ(records.m_info.strTitle, L"주간 회의");
    const CString days[7] = {L"Sun", L"Mon", L"Tue", L"Wed", L"Thu", L"Fri", L"Sat"};
    EXPECT_STREQ(records.DateText(L"%04d-%02d-%02d (%s) %02d:%02d - %02d:%02d", days),
                 L"2026-12-10 (Thu) 09:30 - 11:00");
    records.m_info.strStartYmd = L"2026";
    EXPECT_TRUE(records.DateText(L"%04d", days).IsEmpty());
}
