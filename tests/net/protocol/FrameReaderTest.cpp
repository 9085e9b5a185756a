// Cutting the received stream into frames, and what malformed input does to it.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "net/protocol/TasFrameReader.h"
#include "tests/net/protocol/ProtocolTestSupport.h"

using namespace prototest;

namespace {

class FrameReaderTest : public ::testing::Test {
protected:
    std::unique_ptr<CProtocolDef> m_def = LoadDefinitionText(kTestDefinition);
    CTasFrameReader m_reader{m_def.get(), true};
    std::vector<std::shared_ptr<CTasResponse>> m_replies;

    bool Feed(const std::string& bytes) { return m_reader.OnData(bytes.data(), bytes.size(), m_replies); }
    void FeedInChunks(const std::string& bytes, size_t chunk)
    {
        for (size_t i = 0; i < bytes.size(); i += chunk) ASSERT_TRUE(Feed(bytes.substr(i, chunk)));
    }
};

std::string JsonFrame(const std::string& body, uint64_t tid = 1, const std::string& msg = "M00000001")
{
    FrameSpec spec;
    spec.msg = msg;
    spec.transactionId = tid;
    spec.headerSection = Counted("{}\n");
    spec.bodySection = Counted(body);
    return MakeFrame(spec);
}

TEST_F(FrameReaderTest, TwoFramesInOneChunkArriveInOrder)
{
    ASSERT_TRUE(Feed(JsonFrame("{\"n\":1}", 1) + JsonFrame("{\"n\":2}", 2)));
    ASSERT_EQ(m_replies.size(), 2u);
    EXPECT_EQ((*m_replies[0]->GetBody())["n"].asInt(), 1);
    EXPECT_EQ((*m_replies[1]->GetBody())["n"].asInt(), 2);
    EXPECT_EQ(m_reader.GetPendingBytes(), 0u);
}

TEST_F(FrameReaderTest, FramesSplitAnywhereAreReassembled)
{
    const std::string stream = JsonFrame("{\"n\":1}", 1) + JsonFrame("{\"n\":2}", 2) + JsonFrame("{}", 3);
    // Every chunk size, from single bytes (fewer than six at a frame start included) upward.
    for (size_t chunk : {1u, 2u, 5u, 6u, 7u, 100u, 196u, 197u, 4095u}) {
        m_replies.clear();
        FeedInChunks(stream, chunk);
        ASSERT_EQ(m_replies.size(), 3u) << "chunk " << chunk;
        EXPECT_EQ(m_replies[2]->GetTransactionIdNumber(), 3u);
        EXPECT_EQ(m_reader.GetReceiveState(), 0);
        EXPECT_EQ(m_reader.GetPendingBytes(), 0u);
    }
}

TEST_F(FrameReaderTest, FrameWithoutSectionsIsDeliveredAtOnce)
{
    FrameSpec spec;
    ASSERT_TRUE(Feed(MakeFrame(spec)));
    ASSERT_EQ(m_replies.size(), 1u);
    EXPECT_TRUE(m_replies[0]->GetHeader()->isNull());
    EXPECT_TRUE(m_replies[0]->GetBody()->isNull());
}

TEST_F(FrameReaderTest, HeaderCompleteSectionsPendingIsStateOne)
{
    const std::string frame = JsonFrame("{\"n\":1}");
    ASSERT_TRUE(Feed(frame.substr(0, 200)));
    EXPECT_TRUE(m_replies.empty());
    EXPECT_EQ(m_reader.GetReceiveState(), 1);
    ASSERT_TRUE(Feed(frame.substr(200)));
    EXPECT_EQ(m_replies.size(), 1u);
}

TEST_F(FrameReaderTest, ResetForgetsPendingBytes)
{
    ASSERT_TRUE(Feed(JsonFrame("{}").substr(0, 100)));
    m_reader.Reset();
    ASSERT_TRUE(Feed(JsonFrame("{}", 9)));
    ASSERT_EQ(m_replies.size(), 1u);
    EXPECT_EQ(m_replies[0]->GetTransactionIdNumber(), 9u);
}

// Malformed input, each followed by a good frame: what is delivered, and whether the stream
// survives (false: the connection has to be dropped).
struct Malformed {
    const char* what;
    std::string bytes;
    bool streamSurvives;
    size_t repliesBeforeGood;
    // Checked on the first reply when there is one.
    std::function<void(const CTasResponse&)> check;
    // Push-style replies keep string fields as text.
    bool json = true;
};

std::vector<Malformed> MalformedCases()
{
    FrameSpec absurd;
    absurd.bodyLength = 0x7FFFFFFF;
    FrameSpec overflow;
    overflow.headerLength = 0xFFFFFFFF;
    overflow.bodyLength = 0xFFFFFFFF;

    FrameSpec stringPastEnd;
    stringPastEnd.headerSection = Counted("{}");
    stringPastEnd.bodySection = U32(1000) + "{}";
    FrameSpec bytePastEnd;
    bytePastEnd.msg = "M00000006";
    bytePastEnd.bodySection = Counted("{\"a\":1}") + U32(99999) + "xy";
    FrameSpec badJson;
    badJson.bodySection = Counted("{\"a\":");
    FrameSpec wrongJsonType;
    wrongJsonType.bodySection = Counted("[1,2,3]");
    FrameSpec headerLengthZero;   // a string header field, but the peer sends no header section
    headerLengthZero.bodySection = Counted("{\"a\":2}");
    FrameSpec shortHeaderSection;  // headerLength shorter than the header field's count says
    shortHeaderSection.headerSection = U32(50) + "{}";
    shortHeaderSection.bodySection = Counted("{\"a\":3}");
    FrameSpec unknownApp;
    unknownApp.app = "ZZ99";
    unknownApp.bodySection = Counted("{\"a\":4}");
    FrameSpec unknownMessage;
    unknownMessage.msg = "M12345678";
    unknownMessage.bodySection = Counted("{\"a\":5}");
    FrameSpec bodyLengthShort;     // bodyLength cuts the first field
    bodyLengthShort.bodySection = Counted("{\"a\":6}");
    bodyLengthShort.bodyLength = 3;
    FrameSpec structureCount;
    structureCount.app = "PPSE";
    structureCount.bodySection = Counted("TPS") + U16(1) + U32(1) + U32(0xFFFFFFF0) + Counted("x") + U32(9);
    FrameSpec structureCut;
    structureCut.app = "PPSE";
    structureCut.bodySection = Counted("TPS") + U16(1) + U32(1) + U32(3) + Counted("x") + U32(9) + Counted("yy");

    return {
        {"garbage before a frame", "GARBAGE!garbage", true, 0, nullptr},
        {"almost a header version", "PHV10PHV109", true, 0, nullptr},
        {"unknown header version", MakeFrame([] { FrameSpec s; s.version = "PHV999"; return s; }()), true, 0, nullptr},
        {"fewer than six bytes", "PH", true, 0, nullptr},
        {"absurd body length", MakeFrame(absurd), false, 0, nullptr},
        {"lengths that overflow 32 bits", MakeFrame(overflow), false, 0, nullptr},
        {"string count past its section", MakeFrame(stringPastEnd), true, 1,
         [](const CTasResponse& r) { EXPECT_TRUE(r.GetBody()->isNull()); }},
        {"byte count past its section", MakeFrame(bytePastEnd), true, 1,
         [](const CTasResponse& r) {
             EXPECT_EQ((*r.GetBody())["a"].asInt(), 1);
             EXPECT_EQ(r.GetRawBody(), nullptr);
         }},
        {"JSON that does not parse", MakeFrame(badJson), true, 1,
         [](const CTasResponse& r) { EXPECT_TRUE(r.GetBody()->isNull()); }},
        {"JSON of the wrong type", MakeFrame(wrongJsonType), true, 1,
         [](const CTasResponse& r) { EXPECT_TRUE(r.GetBody()->isArray()); }},
        {"no header section", MakeFrame(headerLengthZero), true, 1,
         [](const CTasResponse& r) {
             EXPECT_TRUE(r.GetHeader()->isNull());
             EXPECT_EQ((*r.GetBody())["a"].asInt(), 2);
         }},
        {"header field longer than headerLength", MakeFrame(shortHeaderSection), true, 1,
         [](const CTasResponse& r) {
             EXPECT_TRUE(r.GetHeader()->isNull());
             EXPECT_EQ((*r.GetBody())["a"].asInt(), 3);
         }},
        {"unknown application id", MakeFrame(unknownApp), true, 1,
         [](const CTasResponse& r) { EXPECT_TRUE(r.GetBody()->isNull()); }},
        {"unknown message id", MakeFrame(unknownMessage), true, 1,
         [](const CTasResponse& r) { EXPECT_TRUE(r.GetBody()->isNull()); }},
        {"bodyLength shorter than the fields", MakeFrame(bodyLengthShort), true, 1, nullptr},
        {"structure count beyond the section", MakeFrame(structureCount), true, 1,
         [](const CTasResponse& r) {
             const Json::Value& list = (*r.GetBody())["list"];
             ASSERT_TRUE(list.isArray());
             EXPECT_LE(list.size(), 30u);
             EXPECT_EQ(list[0]["name"].asString(), "x");
         },
         false},
        {"structure cut by the section end", MakeFrame(structureCut), true, 1,
         [](const CTasResponse& r) {
             const Json::Value& list = (*r.GetBody())["list"];
             ASSERT_EQ(list.size(), 3u);
             EXPECT_EQ(list[0]["value"].asInt(), 9);
             EXPECT_EQ(list[1]["name"].asString(), "yy");
             EXPECT_FALSE(list[1].isMember("value"));
             EXPECT_TRUE(list[2].empty());
         },
         false},
    };
}

TEST_F(FrameReaderTest, MalformedInputIsDroppedOrBreaksTheStream)
{
    const std::string good = JsonFrame("{\"good\":true}", 42);
    for (const Malformed& c : MalformedCases()) {
        for (size_t chunk : {4095u, 3u}) {
            SCOPED_TRACE(std::string(c.what) + (chunk == 3 ? " (3-byte chunks)" : ""));
            CTasFrameReader reader(m_def.get(), c.json);
            reader.SetMaxSectionBytes(1024 * 1024);
            std::vector<std::shared_ptr<CTasResponse>> replies;
            bool alive = true;
            for (size_t i = 0; i < c.bytes.size() && alive; i += chunk)
                alive = reader.OnData(c.bytes.data() + i, std::min(chunk, c.bytes.size() - i), replies);
            EXPECT_EQ(alive, c.streamSurvives);
            if (!alive) {
                EXPECT_EQ(reader.GetPendingBytes(), 0u);
                continue;
            }
            ASSERT_EQ(replies.size(), c.repliesBeforeGood);
            if (c.check && !replies.empty()) c.check(*replies[0]);
            // The stream goes on: the next good frame is delivered.
            ASSERT_TRUE(reader.OnData(good.data(), good.size(), replies));
            ASSERT_EQ(replies.size(), c.repliesBeforeGood + 1);
            EXPECT_EQ(replies.back()->GetTransactionIdNumber(), 42u);
            if (c.json) {
                EXPECT_TRUE((*replies.back()->GetBody())["good"].asBool());
            }
        }
    }
}

}  // namespace
