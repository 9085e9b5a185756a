// Every request of the application-server catalogue: the body it puts on the wire, with the exact
// JSON types (text, number, boolean, "Y"/"N"), and its header fields.
#include <cstdio>
#include <functional>
#include <set>

#include "net/protocol/TasClientManager.h"
#include "tests/net/protocol/ManagerTestSupport.h"
#include "tests/support/TestSupport.h"

using namespace prototest;

namespace {

struct CatalogueCase {
    const char* id;
    std::function<void(CTasClientManager&)> call;
    const char* expectedBody;
};

std::vector<CatalogueCase> Cases()
{
    typedef CTasClientManager M;
    const std::vector<CString> two{L"a", L"\xD68C"};   // "회"
    return {
        {"G00000001", [](M& m) { m.RequestG00000001(L"kim", TRUE); },
         R"({"sawonNo":"kim","appType":"6","appVer":"0.00.00","isSSO":true})"},
        {"M00000001", [](M& m) { m.RequestM00000001(L"G1", L"kim", L"pw"); },
         R"({"sawonNo":"kim","appType":"7","groupCoCd":"G1","appVer":"4.2.0.0","userPwd":"pw"})"},
        {"M00000002", [](M& m) { m.RequestM00000002(L"10", L"20240105", -1); },
         R"({"date":"20240105","mtngType":"10","seperator":-1})"},
        {"M00000003", [](M& m) { m.RequestM00000003(L"20240101", L"20240131", L"10", 1, 2, 3, 4, L"q"); },
         R"({"startDate":"20240101","endDate":"20240131","mtngType":"10","pageNum":4,"startPage":3,
             "preDateLength":"0","searchString":"q","main":1,"sub":2,"seperator":"1"})"},
        {"M00000004", [](M& m) { m.RequestM00000004(L"7", L"8"); }, R"({"mtngId":"7","attcFileId":"8"})"},
        {"M00000005", [](M& m) { m.RequestM00000005(L"7", L"10"); }, R"({"mtngId":"7","mtngType":"10"})"},
        {"M00000006", [](M& m) { m.RequestM00000006(L"123"); }, R"({"userIdnfr":123})"},
        {"M00000007", [](M& m) { m.RequestM00000007(L"7", L"10"); }, R"({"mtngId":"7","mtngType":"10"})"},
        {"M00000008", [](M& m) { m.RequestM00000008(L"7", L"10", L"P"); },
         R"({"mtngId":"7","mtngType":"10","fileType":"P"})"},
        {"M00000010", [two](M& m) { m.RequestM00000010(L"7", L"10", L"8", 2, L"<svg/>", two); },
         "{\"mtngId\":\"7\",\"attcFileId\":\"8\",\"mtngType\":\"10\",\"page\":2,\"meta\":\"<svg/>\","
         "\"list\":[\"a\",\"\xED\x9A\x8C\"]}"},
        {"M00000011", [](M& m) { m.RequestM00000011(L"7", L"8", L"f.pdf", L"u", L"m1", 3); },
         R"({"userIdnfr":"1001","attcFileType":1,"attcFileId":"8","attcType":"1","attcFileName":"f.pdf",
             "attcFileUrl":"u","startIdx":3,"reqPerCnt":"1","mtngId":"7","appVersion":"1.0","commandUuid":"",
             "securityYn":"0","securityApplyYn":"0","minutesId":"m1"})"},
        {"M00000013", [](M& m) { m.RequestM00000013(L"202401", L"10", L"20240105"); },
         R"({"month":"202401","mtngType":"10","preDateLength":0,"date":"20240105"})"},
        {"M00000015", [](M& m) { m.RequestM00000015(L"7", L"8", 2, 3, 0, 1, 0); },
         R"({"userIdnfr":1001,"mtngId":"7","syncYn":true,"page":3,"startShareYn":false,"autoAttcChangeYn":true,
             "attcFileId":"8","compulsionYn":false})"},
        {"M00000017", [](M& m) { m.RequestM00000017(L"7", L"10", L"02", 0, L"dt", 1, 1); },
         R"({"userIdnfr":1001,"mtngId":"7","mtngStatus":"02","mtngType":"10","mtngReptYn":"N","dateTime":"dt",
             "isPaper":true,"feedbackYn":"Y"})"},
        {"M00000018", [](M& m) { m.RequestM00000018(L"7", L"8", L"55"); },
         R"({"mtngId":"7","attcFileId":"8","userIdnfr":"55"})"},
        {"M00000019", [](M& m) { m.RequestM00000019(1, 0, 1, 0, 1, 0, 1, 0, L"0900", L"1800"); },
         R"({"applyYn":true,"sunYn":false,"monYn":true,"tueYn":false,"wedYn":true,"thurYn":false,"friYn":true,
             "satYn":false,"starttime":"0900","endtime":"1800"})"},
        {"M00000020", [](M& m) { m.RequestM00000020(1001); }, R"({"userIdnfr":1001})"},
        {"M00000021", [](M& m) { m.RequestM00000021(L"7", 5); },
         R"({"mtngId":"7","securityApplyYn":1,"commandUuid":""})"},
        {"M00000022", [](M& m) { m.RequestM00000022(12); }, R"({"userIdnfr":12})"},
        {"M00000023", [](M& m) { m.RequestM00000023(); }, R"({"userIdnfr":1001})"},
        {"M00000024", [](M& m) { m.RequestM00000024(L"7", L"8", 2, 0, 1); },
         R"({"mtngId":"7","attcFileId":"8","page":2,"isPIP":true})"},
        {"M00000024", [](M& m) { m.RequestM00000024(L"7", L"8", 2, 12, 0); },
         R"({"mtngId":"7","attcFileId":"8","page":2,"userIdnfr":12,"isPIP":false})"},
        {"M00000030", [](M& m) { m.RequestM00000030(L"7", L"8", 2, L"c", 1); },
         R"({"mtngId":"7","content":"c","page":2,"attcFileId":"8","metaType":1})"},
        {"M00000031", [](M& m) { m.RequestM00000031(L"7", L"hi", L"1", L"2", 3); },
         R"({"mtngId":"7","message":"hi","chatType":3,"senderId":"1","receiverId":"2"})"},
        {"M00000032", [](M& m) { m.RequestM00000032(L"7", L"m9", 5, 2); },
         R"({"mtngId":"7","pageNum":2,"chatType":1,"messageId":"m9"})"},
        {"M00000034", [](M& m) { m.RequestM00000034(L"PK-1"); },
         R"({"gcmPushKey":"","apnsPushKey":"","pcPushKey":"PK-1"})"},
        {"M00000034", [](M& m) { m.RequestM00000034(L""); },
         R"({"gcmPushKey":"","apnsPushKey":"","pcPushKey":"PPM-0A1B2C3D4E5F-W"})"},
        {"M00000035", [](M& m) { m.RequestM00000035(L"7"); }, R"({"mtngId":"7","userIdnfr":"1001"})"},
        {"M00000036", [](M& m) { m.RequestM00000036(L"7"); }, R"({"mtngId":"7"})"},
        {"M00000037", [](M& m) { m.RequestM00000037(L"7", L"q", 2, 20); },
         R"({"mtngId":"7","searchString":"q","pageSize":20,"currentPage":2})"},
        {"M00000038", [](M& m) { m.RequestM00000038(L"7", L"55", L"Kim", 1); },
         R"({"mtngId":"7","userIdnfr":"55","name":"Kim","isMtngOpenMode":"Y"})"},
        {"M00000039", [](M& m) { m.RequestM00000039(L"7", L"8", 2); }, R"({"mtngId":"7","attcFileId":"8","page":2})"},
        {"M00000043", [](M& m) { m.RequestM00000043(L"7", {}); },
         R"({"mtngId":"7","meetingType":"10","userIdnfr":"1001","list":[]})"},
        {"M00000044", [](M& m) { m.RequestM00000044(L"G1", L"old", L"new"); },
         R"({"groupCoCd":"G1","sawonNo":"S100","passwordOld":"old","passwordNew":"new"})"},
        {"M00000045", [](M& m) { m.RequestM00000045(L"7", L"8", 2, 0); },
         R"({"userIdnfr":"1001","mtngId":"7","attcFileId":"8","page":2,"syncYn":false})"},
        {"M00000046", [](M& m) { m.RequestM00000046(L"8", L"f", 0, L"1.0"); },
         R"({"attcFileId":"8","attcFileName":"f","startIdx":0,"appVersion":"1.0"})"},
        {"M00000047", [](M& m) { m.RequestM00000047(L"7", L"Y"); },
         R"({"mtngId":"7","userIdnfr":"1001","attendanceYn":"Y"})"},
        {"M00000048", [](M& m) { m.RequestM00000048(L"7", L"8", 1.5f, 10, -20); },
         R"({"mtngId":"7","attcFileId":"8","zoomFactor":"1.5","originX":"10","originY":"-20","dpi":"160"})"},
        {"M00000048", [](M& m) { m.RequestM00000048(L"7", L"8", 1234567.0f, 0, 0); },
         R"({"mtngId":"7","attcFileId":"8","zoomFactor":"1.23457e+06","originX":"0","originY":"0","dpi":"160"})"},
        {"M00000049", [](M& m) { m.RequestM00000049(L"7", L"55", L"8", 2, -1, 300, 16711680, 1, 0); },
         R"({"mtngId":"7","attcFileId":"8","page":2,"pointerX":"-1","pointerY":"300","pointerColor":"16711680",
             "pointerSize":"1","pointerShape":"0","userIdnfr":55})"},
        {"M00000052", [](M& m) { m.RequestM00000052(L"7", L"8", L"d"); },
         R"({"mtngId":"7","attcFileId":"8","downloadUuid":"d"})"},
        {"M00000063", [](M& m) { m.RequestM00000063(L"7", L"8", 2, 0); }, R"({"mtngId":"7","attcFileId":"8","page":2})"},
        {"M00000064", [two](M& m) { m.RequestM00000064(L"7", L"8", L"all", 1, two); },
         "{\"mtngId\":\"7\",\"attcFileId\":\"8\",\"messageAll\":\"all\",\"isAll\":1,"
         "\"list\":[\"a\",\"\xED\x9A\x8C\"]}"},
        {"M00000067", [](M& m) { m.RequestM00000067(L"8", L"f", 10, L"7"); },
         R"({"mtngId":"7","attcFileId":"8","appVersion":"1.0","attcFileName":"f","startIdx":10,"reqPerCnt":"10"})"},
        {"M00000068", [](M& m) { m.RequestM00000068(L"7", L"8", L"Y"); },
         R"({"mtngId":"7","attcFileId":"8","voicePermitYn":"Y"})"},
        {"M00000069", [](M& m) { m.RequestM00000069(L"7"); }, R"({"mtngId":"7"})"},
        {"M00000070", [](M& m) { m.RequestM00000070(L"7", L"8", L"m"); },
         R"({"mtngId":"7","attcFileId":"8","minutesId":"m"})"},
        {"M00000071", [](M& m) { m.RequestM00000071(L"7"); }, R"({"mtngId":"7"})"},
        {"M00000074", [](M& m) { m.RequestM00000074(L"7", L"N"); }, R"({"mtngId":"7","chattingYn":"N"})"},
        {"M00000076", [](M& m) { m.RequestM00000076(L"7", L"8", L"Y", L"d", L"p"); },
         R"({"mtngId":"7","attcFileId":"8","confirmYn":"Y","confirmDate":"d","path":"p"})"},
        {"M00000078", [](M& m) { m.RequestM00000078(L"7", L"8", L"3", L"Y"); },
         R"({"mtngId":"7","attcFileId":"8","page":"3","favoriteYn":"Y"})"},
        {"M00000079", [](M& m) { m.RequestM00000079(L"7", L"8"); }, R"({"mtngId":"7","attcFileId":"8"})"},
        {"M00000095", [](M& m) { m.RequestM00000095(); }, R"({"appType":"7","appVer":"4.2.0.0"})"},
        {"M00000096", [](M& m) { m.RequestM00000096(L"8", L"N"); }, R"({"attcFileId":"8","favoriteYn":"N"})"},
        {"M00000100", [](M& m) { m.RequestM00000100(L"8", 4, 2); }, R"({"attcFileId":"8","command":4,"page":2})"},
    };
}

class TasCatalogueTest : public ManagerTest {
protected:
    void SetUp() override
    {
        ManagerTest::SetUp();
        m_manager.reset(new CTasClientManager());
        ASSERT_TRUE(m_manager->Init(zeltest::SourcePath(L"protocols/protocol.xml").c_str()));
        m_manager->Connect(L"127.0.0.1", 16302);
        Socket()->FireConnect();
    }
    void TearDown() override
    {
        m_manager.reset();
        ManagerTest::TearDown();
    }
    SentFrame Send(const std::function<void(CTasClientManager&)>& call)
    {
        const size_t before = Socket()->Frames().size();
        call(*m_manager);
        std::vector<SentFrame> frames = Socket()->Frames();
        EXPECT_EQ(frames.size(), before + 1);
        return frames.empty() ? SentFrame() : frames.back();
    }
    std::unique_ptr<CTasClientManager> m_manager;
};

TEST_F(TasCatalogueTest, EveryRequestWritesItsBodyWithTheExactTypes)
{
    std::set<std::string> covered;
    for (const CatalogueCase& c : Cases()) {
        SCOPED_TRACE(c.id);
        const SentFrame frame = Send(c.call);
        Json::Value expected;
        ASSERT_TRUE(Json::Reader().parse(c.expectedBody, expected));
        EXPECT_EQ(frame.msg, c.id);
        EXPECT_EQ(frame.body, expected) << frame.body.toStyledString();
        EXPECT_EQ(frame.app, c.id[0] == 'G' ? "GS01" : "PP01");
        const bool emptySession = std::string(c.id) == "G00000001" || std::string(c.id) == "M00000001" ||
                                  std::string(c.id) == "M00000095";
        EXPECT_EQ(frame.header["userSessionId"].asString(), emptySession ? "" : "session-1");
        EXPECT_EQ(frame.header["userProfile"].asString(), emptySession ? "" : "profile-1");
        EXPECT_EQ(frame.header["udid"].asString(), "");
        covered.insert(c.id);
    }
    EXPECT_EQ(covered.size(), 52u) << "every operation of the catalogue";
    EXPECT_EQ(m_manager->GetLastSyncFlag(), 2) << "the sync argument of the last page-share request";
}

TEST_F(TasCatalogueTest, PlatformHeaderOfARequest)
{
    CTasClientManager::SetTransactionCounter(41);
    Send([](CTasClientManager& m) { m.RequestM00000004(L"7", L"8"); });
    const std::string written = Socket()->Written();
    const std::string h = written.substr(written.size() - Socket()->Frames().back().bodySection.size() -
                                             Socket()->Frames().back().headerSection.size() - 196,
                                         196);
    EXPECT_EQ(h.substr(0, 19), "PHV102PP01M00000004");
    EXPECT_EQ(h.substr(19, 8), std::string(8, '\0'));
    EXPECT_EQ(h.substr(27, 8), std::string("\0\0\0\0\0\0\0\x2a", 8));
    EXPECT_EQ(h.substr(35, 4), std::string("\0\0\0\x05", 4));
    EXPECT_EQ(h.substr(59, 12), kTestMac);
    EXPECT_EQ(h.substr(79, 14), std::string(14, ' '));
    EXPECT_EQ(h.substr(93, 6), std::string(6, '\0'));
    EXPECT_EQ(h[139], 'W');
    EXPECT_EQ(h.substr(184, 4), std::string("\0\x01\0\0", 4));
}

// Korean names, chat and search texts go out as UTF-8 bytes, not as \u escapes: what the servers
// and the server log read.
TEST_F(TasCatalogueTest, KoreanTextsAreWrittenAsUtf8)
{
    struct Case {
        const char* name;
        std::function<void(CTasClientManager&)> call;
        const char* key;
        const char* utf8;
    };
    const Case cases[] = {
        {"login name", [](CTasClientManager& m) { m.RequestM00000001(L"G1", L"\uae40\ubbfc\uc900", L"pw"); },
         "sawonNo", "\xEA\xB9\x80\xEB\xAF\xBC\xEC\xA4\x80"},
        {"chat", [](CTasClientManager& m) { m.RequestM00000031(L"7", L"\uc548\ub155\ud558\uc138\uc694 \U0001F600", L"1", L"2", 3); },
         "message", "\xEC\x95\x88\xEB\x85\x95\xED\x95\x98\xEC\x84\xB8\xEC\x9A\x94 \xF0\x9F\x98\x80"},
        {"search", [](CTasClientManager& m) { m.RequestM00000037(L"7", L"\ud68c\uc758\ub85d", 2, 20); },
         "searchString", "\xED\x9A\x8C\xEC\x9D\x98\xEB\xA1\x9D"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SentFrame frame = Send(c.call);
        EXPECT_EQ(frame.body[c.key].asString(), c.utf8) << "reads back the same";
        const std::string expected = std::string("\"") + c.utf8 + "\"";
        EXPECT_NE(frame.bodySection.find(expected), std::string::npos) << frame.bodySection;
        EXPECT_EQ(frame.bodySection.find("\\u"), std::string::npos) << frame.bodySection;
    }
}

TEST_F(TasCatalogueTest, EmptyDateMeansToday)
{
    SYSTEMTIME st;
    GetLocalTime(&st);
    char today[16];
    std::snprintf(today, sizeof today, "%d%02d%02d", st.wYear, st.wMonth, st.wDay);
    const SentFrame frame = Send([](CTasClientManager& m) { m.RequestM00000002(L"10", L"", 1); });
    EXPECT_EQ(frame.body["date"].asString(), today);
}

}  // namespace
