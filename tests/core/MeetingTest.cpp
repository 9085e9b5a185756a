#include "core/LoginManager.h"
#include "core/Meeting.h"
#include "tests/platform/StringPrinting.h"

#include <gtest/gtest.h>

#include "tests/core/JsonFixture.h"

#include <string>

namespace {

class MeetingTest : public CSessionTest {};

const char kAttendees[] = R"([
  {"userIdnfr":1000,"name":"Kim","mainYn":"Y","processYn":"N","ncryPtptYn":"N","remarkTurn":2},
  {"userIdnfr":1001,"name":"Lee","mainYn":"N","processYn":"Y","ncryPtptYn":"Y","remarkTurn":0,
   "sawonNo":"E1001"},
  {"userIdnfr":1002,"name":"Park","mainYn":false,"processYn":"Y","remarkTurn":"1"}
])";

const char kDocuments[] = R"([
  {"attcFileId":"A","attcFileName":"a.pdf","wbType":0,"attcFileConvCompYn":"Y","attcFileConvSuccYn":"Y","refDocYn":"Y"},
  {"attcFileId":"WB1","wbType":1,"attcFileTotalPage":"3"},
  {"attcFileId":"WB2","wbType":"2"},
  {"attcFileId":"X","wbType":3},
  {"attcFileId":"B","attcFileName":"b.mp4","attcFileTotalPage":"12"}
])";

}  // namespace

TEST_F(MeetingTest, ListEntryTable)
{
    const struct {
        const char* json;
        int status, kind, reportUserType, mainYn, attach, paper, note, type12, type13;
    } cases[] = {
        {R"({})", 1, 1, 0, 0, 0, 0, 0, 0, 0},
        {R"({"mtngStatus":"12","mtngType":"10"})", 12, 1, 0, 0, 0, 0, 0, 0, 0},
        {R"({"mtngType":"30"})", 1, 30, 1, 0, 0, 0, 0, 0, 0},
        {R"({"mtngType":"30","reportUserType":2})", 1, 30, 2, 0, 0, 0, 0, 0, 0},
        {R"({"mtngType":"30","reportUserType":0})", 1, 30, 0, 0, 0, 0, 0, 0, 0},
        // "Y"/"N" flags: "N" stays clear (it no longer reads as a non-empty string).
        {R"({"mainYn":"N","attchYn":"Y","isPaper":true,"noteYn":"Y"})", 1, 1, 0, 0, 1, 1, 1, 0, 0},
        {R"({"mainYn":"Y","attchYn":false,"isPaper":"N","noteYn":"y"})", 1, 1, 0, 1, 0, 0, 1, 0, 0},
        {R"({"mainYn":[1],"attchYn":{"a":1},"isPaper":1,"noteYn":true})", 1, 1, 0, 0, 0, 1, 1, 0, 0},
        {R"({"mtngMeetingType":"12"})", 1, 1, 0, 0, 0, 0, 0, 1, 0},
        {R"({"mtngMeetingType":13,"mtngStatus":2})", 2, 1, 0, 0, 0, 0, 0, 0, 1},
        {R"({"mtngStatus":"abc","mtngTitl":7})", 0, 1, 0, 0, 0, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.json);
        CMeeting m(L"M1");
        m.LoadFromJson(ParseJson(c.json));
        EXPECT_EQ(c.status, m.GetStatus());
        EXPECT_EQ(c.kind, m.GetKind());
        EXPECT_EQ(c.kind == 30, m.IsReport() == 1);
        EXPECT_EQ(c.reportUserType, m.GetReportUserType());
        EXPECT_EQ(c.mainYn, m.GetMainYn());
        EXPECT_EQ(c.attach, m.GetAttachYn());
        EXPECT_EQ(c.paper, m.GetPaper());
        EXPECT_EQ(c.note, m.GetNoteYn());
        EXPECT_EQ(c.type12, m.IsType12());
        EXPECT_EQ(c.type13, m.GetType13Flag());
    }
}

TEST_F(MeetingTest, BoolFlagsKeepTheirValueWhenAbsentAndTextsDecode)
{
    CMeeting m(L"M1");
    m.LoadFromJson(ParseJson(R"({"mainYn":"Y","presenceYn":"Y","mtngTitl":"\uc8fc\uac04 \ud68c\uc758"})"));
    m.LoadFromJson(ParseJson(R"({"mtngTitl":42})"));
    EXPECT_EQ(1, m.GetMainYn());
    EXPECT_EQ(1, m.GetPresenceYn());
    EXPECT_EQ(CString(L"42"), m.GetTitle());
    m.LoadFromJson(ParseJson(R"({"mtngTitl":"\uc8fc\uac04 \ud68c\uc758","mainYn":"N"})"));
    EXPECT_EQ(CString(L"\uc8fc\uac04 \ud68c\uc758"), m.GetTitle());
    EXPECT_EQ(0, m.GetMainYn());
    EXPECT_EQ(CString(L"M1"), m.GetMeetingId());
}

TEST_F(MeetingTest, ScheduleTable)
{
    const CTime before(2020, 1, 1, 9, 0, 0);
    const struct {
        const char* json;
        bool changed;
        int y, mo, d, h, mi;
    } cases[] = {
        {R"({"mtngStrtYmd":"20240305","mtngStrtHour":"14","mtngStrtMin":"30"})", true, 2024, 3, 5, 14, 30},
        {R"({"mtngStrtYmd":"20240305","mtngStrtMin":"05"})", true, 2024, 3, 5, 0, 5},
        {R"({"mtngStrtYmd":"20240305","mtngStrtHour":9,"mtngStrtAmPmCd":"PM"})", true, 2024, 3, 5, 9, 0},
        {R"({"mtngStrtYmd":"202403"})", false, 0, 0, 0, 0, 0},
        {R"({"mtngStrtYmd":"20241340"})", false, 0, 0, 0, 0, 0},
        {R"({"mtngStrtYmd":"2024030x","mtngStrtHour":"25"})", false, 0, 0, 0, 0, 0},
        {R"({"mtngStrtYmd":"abcdefgh"})", false, 0, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.json);
        CMeeting m(L"M1");
        m.LoadFromJson(ParseJson(R"({"mtngStrtYmd":"20200101","mtngStrtHour":"9"})"));
        ASSERT_EQ(before.GetTime(), m.GetStartTime().GetTime());
        m.LoadSchedule(ParseJson(c.json));
        const CTime t = m.GetStartTime();
        if (c.changed) {
            EXPECT_EQ(CTime(c.y, c.mo, c.d, c.h, c.mi, 0).GetTime(), t.GetTime());
            EXPECT_EQ(0, t.GetSecond());
        } else {
            EXPECT_EQ(before.GetTime(), t.GetTime());
        }
        EXPECT_EQ(CString(ParseJson(c.json)["mtngStrtYmd"].asString().c_str()), m.GetStartDateText());
    }
}

TEST_F(MeetingTest, AttendeesSetTheReferences)
{
    CMeeting m(L"M1");
    m.SetAttendees(ParseJson(kAttendees));
    ASSERT_EQ(3u, m.GetUsers().size());
    ASSERT_NE(nullptr, m.GetMainUser());
    EXPECT_EQ(1000, m.GetMainUser()->GetUserIdnfr());
    EXPECT_EQ(1002, m.GetPresenter()->GetUserIdnfr());  // the last one wins
    EXPECT_EQ(1001, m.GetFirstSpeaker()->GetUserIdnfr());
    EXPECT_EQ(1001, m.GetRequiredUser()->GetUserIdnfr());
    EXPECT_EQ(1, m.IsAttendee());
    EXPECT_EQ(0, m.IsMainUserMe());
    EXPECT_EQ(0, m.IsPresenterMe());
    EXPECT_EQ(1, m.GetUsers()[2]->GetRemarkTurn());  // "1" as text
    EXPECT_EQ(CString(L"E1001"), m.GetUsers()[1]->GetSawonNo());

    m.SetPresenterById(1001);
    EXPECT_EQ(1, m.IsPresenterMe());
    m.SetPresenterById(4242);
    EXPECT_EQ(1001, m.GetPresenter()->GetUserIdnfr());

    m.SetAttendees(ParseJson(R"([{"userIdnfr":7}])"));
    EXPECT_EQ(nullptr, m.GetPresenter());
    EXPECT_EQ(nullptr, m.GetMainUser());
    EXPECT_EQ(0, m.IsAttendee());
    EXPECT_EQ(-1, m.GetUsers()[0]->GetRemarkTurn());
    EXPECT_EQ(nullptr, m.GetFirstSpeaker());

    m.SetAttendees(ParseJson(R"({"not":"a list"})"));
    EXPECT_TRUE(m.GetUsers().empty());
}

TEST_F(MeetingTest, AttendeeRefillKeepsHeldPointersValid)
{
    CMeeting m(L"M1");
    m.SetAttendees(ParseJson(kAttendees));
    CUser* lee = m.GetUsers()[1];
    CUser* kim = m.GetUsers()[0];
    m.SetAttendees(ParseJson(R"([{"userIdnfr":1001,"name":"Lee Sr."}])"));
    ASSERT_EQ(1u, m.GetUsers().size());
    EXPECT_EQ(lee, m.GetUsers()[0]);              // the same object, updated in place
    EXPECT_EQ(CString(L"Lee Sr."), lee->GetName());
    EXPECT_EQ(0, lee->IsProcess());               // absent flags are cleared, not kept
    EXPECT_EQ(CString(L"Kim"), kim->GetName());   // set aside, still readable
    m.SetAttendees(ParseJson(kAttendees));
    EXPECT_EQ(kim, m.GetUsers()[0]);              // taken back when listed again
}

TEST_F(MeetingTest, DocumentsSplitByWhiteboardType)
{
    CMeeting m(L"M1");
    m.SetDocuments(ParseJson(kDocuments), L"20");
    EXPECT_EQ(CString(L"20"), m.GetFileType());
    ASSERT_EQ(2u, m.GetDocuments().size());
    EXPECT_EQ(CString(L"A"), m.GetDocuments()[0]->GetFileId());
    EXPECT_EQ(CString(L"B"), m.GetDocuments()[1]->GetFileId());
    EXPECT_EQ(CString(L"WB1"), m.GetDocumentByIndex(-1)->GetFileId());
    EXPECT_EQ(CString(L"WB2"), m.GetDocumentByIndex(-2)->GetFileId());
    EXPECT_EQ(nullptr, m.GetDocumentByIndex(-3));
    EXPECT_EQ(nullptr, m.GetDocumentByIndex(2));
    EXPECT_EQ(nullptr, m.FindDocument(L"X"));
    EXPECT_EQ(nullptr, m.FindDocument(L"a"));  // ids are case-sensitive
    EXPECT_EQ(-1, m.GetEmbeddedDocumentIndex(L"WB1"));
    EXPECT_EQ(-2, m.GetEmbeddedDocumentIndex(L"WB2"));
    EXPECT_EQ(0, m.GetEmbeddedDocumentIndex(L"A"));
    EXPECT_EQ(1, m.GetDocumentIndex(L"B"));
    EXPECT_EQ(-1, m.GetDocumentIndex(L"WB1"));
    EXPECT_EQ(1, m.CountReferenceDocuments(1));
    EXPECT_EQ(1, m.CountReferenceDocuments(0));
    EXPECT_EQ(3, m.GetDocumentByIndex(-1)->GetTotalPage());
    m.SetWhiteboardPageCount(L"WB1", 0, 1, 5);
    m.SetWhiteboardPageCount(L"WB2", 0, 1, 9);
    EXPECT_EQ(5, m.GetDocumentByIndex(-1)->GetTotalPage());
    EXPECT_EQ(0, m.GetDocumentByIndex(-2)->GetTotalPage());
}

TEST_F(MeetingTest, CurrentDocumentAcrossRefills)
{
    CMeeting m(L"M1");
    m.SetDocuments(ParseJson(kDocuments), L"10");
    EXPECT_EQ(0, m.SelectDocument(L"nope"));
    EXPECT_EQ(nullptr, m.GetCurrentDocument());
    ASSERT_EQ(1, m.SelectDocument(L"A"));
    CMeetingDocument* held = m.GetCurrentDocument();

    // Still listed: still current, the same object, updated.
    m.SetDocuments(ParseJson(R"([{"attcFileId":"B"},{"attcFileId":"A","attcFileName":"new.pdf"}])"), L"10");
    EXPECT_EQ(held, m.GetCurrentDocument());
    EXPECT_EQ(CString(L"new.pdf"), held->GetFileName());

    // No longer listed: no current document, and the held pointer is still readable.
    m.SetDocuments(ParseJson(R"([{"attcFileId":"B"}])"), L"10");
    EXPECT_EQ(nullptr, m.GetCurrentDocument());
    EXPECT_EQ(CString(L"A"), held->GetFileId());

    // A whiteboard document stays current across a refill.
    m.SetDocuments(ParseJson(kDocuments), L"10");
    ASSERT_EQ(1, m.SelectDocument(L"WB2"));
    m.SetDocuments(ParseJson(kDocuments), L"10");
    EXPECT_EQ(m.GetDocumentByIndex(-2), m.GetCurrentDocument());

    EXPECT_EQ(1, m.SelectDocumentOrFirst(L""));
    EXPECT_EQ(CString(L"A"), m.GetCurrentDocument()->GetFileId());
    EXPECT_EQ(1, m.SelectDocument(L""));
    EXPECT_EQ(nullptr, m.GetCurrentDocument());

    // A list reply without documents clears them; selecting the first then fails.
    m.LoadFromJson(ParseJson(R"({"list":[]})"));
    EXPECT_TRUE(m.GetDocuments().empty());
    EXPECT_EQ(0, m.SelectFirstDocument());
    m.LoadFromJson(ParseJson(R"({"list":[{"attcFileId":"C"}]})"));
    EXPECT_EQ(1u, m.GetDocuments().size());
}

TEST_F(MeetingTest, StatusPredicatesTable)
{
    const struct {
        const char* status;
        int live, twelveOr13, notStarted;
    } cases[] = {
        {"0", 0, 0, 1},  {"1", 0, 0, 0},  {"2", 1, 0, 0},  {"3", 0, 0, 1},  {"5", 0, 0, 0},
        {"11", 0, 0, 0}, {"12", 1, 1, 0}, {"13", 1, 1, 0}, {"14", 0, 0, 1}, {"x", 0, 0, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.status);
        CMeeting m(L"M1");
        m.SetStatus(c.status);
        EXPECT_EQ(c.live, m.IsStatusLive());
        EXPECT_EQ(c.twelveOr13, m.IsStatus12Or13());
        EXPECT_EQ(c.notStarted, m.IsNotStarted());
    }
    CMeeting m(L"M1");
    m.SetSyncStatus("02");
    EXPECT_EQ(2, m.GetSyncStatus());
}

TEST_F(MeetingTest, LimitedViewAndReportReceiver)
{
    CMeeting m(L"M1");
    m.LoadFromJson(ParseJson(R"({"mtngMeetingType":"13"})"));
    EXPECT_EQ(1, m.CanShare());
    m.SetPresenceYn(1);
    EXPECT_EQ(0, m.CanShare());

    CMeeting report(L"R1");
    report.LoadFromJson(ParseJson(R"({"mtngType":"20"})"));
    EXPECT_EQ(0, report.GetReportReceiverId());
    report.SetAttendees(ParseJson(kAttendees));
    EXPECT_EQ(1001, report.GetReportReceiverId());
    m.SetAttendees(ParseJson(kAttendees));
    EXPECT_EQ(0, m.GetReportReceiverId());
}

TEST(MeetingDocument, ViewableAndVideoTable)
{
    const struct {
        const char* json;
        int viewable, video;
    } cases[] = {
        {R"({"wbType":"2","attcFileConvCompYn":"Y","attcFileConvSuccYn":"N"})", 1, 0},
        {R"({"attcFileConvCompYn":"Y","attcFileConvSuccYn":"Y","attcFileName":"clip.MP4"})", 1, 1},
        {R"({"attcFileConvCompYn":"Y","attcFileConvSuccYn":"N","attcFileName":"x.pdf"})", 0, 0},
        {R"({"attcFileName":"mp4"})", 0, 1},
        {R"({"attcFileName":"x"})", 0, 0},
        {R"({"attcFileName":"a.tar.ts"})", 0, 1},
        {R"({"attcFileName":"movie.mp4.txt"})", 0, 0},
        {R"({"attcFileName":""})", 0, 0},
        {R"({"wbType":true})", 1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.json);
        CMeetingDocument d;
        d.LoadFromJson(ParseJson(c.json));
        EXPECT_EQ(c.viewable, d.IsViewable());
        EXPECT_EQ(c.video, d.IsVideo());
    }
    CMeetingDocument d;
    d.SetConverted(1);
    EXPECT_EQ(1, d.IsViewable());
}

TEST(MeetingDocument, LoadAndCopy)
{
    CMeetingDocument d;
    d.LoadFromJson(ParseJson(R"({"attcFileId":"F1","attcFileURL":"http://h/p","attcFileAbstPath":"/d/\ubb38\uc11c",
        "attcFileName":"\ubb38\uc11c.pdf","attcFileTotalPage":"12","attcFileViewPeriod":"7",
        "attcFileDownPeriod":"3","favoriteYn":"Y","feedbackYn":"N","openYn":"Y","pdfDownloadYn":"Y",
        "refDocYn":"N"})"));
    CMeetingDocument c;
    c.CopyFrom(d);
    for (const CMeetingDocument* p : {&d, &c}) {
        EXPECT_EQ(CString(L"F1"), p->GetFileId());
        EXPECT_EQ(CString(L"http://h/p"), p->GetFileURL());
        EXPECT_EQ(CString(L"/d/\ubb38\uc11c"), p->GetFileAbstPath());
        EXPECT_EQ(CString(L"\ubb38\uc11c.pdf"), p->GetFileName());
        EXPECT_EQ(12, p->GetTotalPage());
        EXPECT_EQ(CString(L"7"), p->GetViewPeriod());
        EXPECT_EQ(1, p->IsFavorite());
        EXPECT_EQ(0, p->IsFeedback());
        EXPECT_EQ(1, p->IsOpen());
        EXPECT_EQ(1, p->IsPdfDownload());
        EXPECT_EQ(0, p->IsRefDoc());
    }
}
