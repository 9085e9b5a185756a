// Frames as bytes: requests serialised by CTasRequest, replies parsed by CTasFrameReader.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "net/protocol/JsonText.h"
#include "net/protocol/PlatformHeader.h"
#include "net/protocol/TasFrameReader.h"
#include "net/protocol/TasRequest.h"
#include "tests/net/protocol/ProtocolTestSupport.h"

using namespace prototest;

namespace {

CTasRequest MakeRequest(const char* app, const char* msg, Json::Value* header, Json::Value* body)
{
    PlatformHeader::_PHV102_VALUES v;
    v.strApplicationId = app;
    v.strMessageId = msg;
    v.nTransactionId = 0x0102030405060708ull;
    return CTasRequest(CTasRequest::HEADER_FORM_PHV102, PlatformHeader::BuildPhv102(v), header, body);
}

std::shared_ptr<CTasResponse> ParseOne(const CProtocolDef& def, bool json, const std::string& frame)
{
    CTasFrameReader reader(&def, json);
    std::vector<std::shared_ptr<CTasResponse>> replies;
    EXPECT_TRUE(reader.OnData(frame.data(), frame.size(), replies));
    EXPECT_EQ(replies.size(), 1u);
    return replies.empty() ? nullptr : replies[0];
}

TEST(WireFormat, WholeBodyOfAnEmptyObject)
{
    auto def = LoadDefinitionText(kTestDefinition);
    const _PROTOCOL_INFO pp01 = def->GetProtocol("PP01");
    CTasRequest request = MakeRequest("PP01", "M00000001", nullptr, new Json::Value(Json::objectValue));
    const std::string frame = request.Serialize(pp01.headerField, pp01.GetRequestFields("M00000001"));
    // No header value: no header section, headerLength 0.
    EXPECT_EQ(frame, std::string(reinterpret_cast<const char*>(request.GetPlatformHeader()), 196) +
                         std::string("\0\0\0\x03{}\n", 7));
    EXPECT_EQ(request.GetHeaderLength(), 0u);
    EXPECT_EQ(request.GetBodyLength(), 7u);
    EXPECT_EQ(frame.substr(188, 8), U32(0) + U32(7));
}

TEST(WireFormat, WholeBodyAndSessionHeaderAsStyledText)
{
    auto def = LoadDefinitionText(kTestDefinition);
    const _PROTOCOL_INFO pp01 = def->GetProtocol("PP01");
    Json::Value* header = new Json::Value;
    (*header)["userProfile"] = "p";
    Json::Value* body = new Json::Value;
    (*body)["mtngId"] = "\xED\x9A\x8C";   // "회" in UTF-8
    (*body)["page"] = 3;
    CTasRequest request = MakeRequest("PP01", "M00000001", header, body);
    const std::string frame = request.Serialize(pp01.headerField, pp01.GetRequestFields("M00000001"));
    const std::string headerText = StyledJson(*header), bodyText = StyledJson(*body);
    EXPECT_EQ(frame.substr(196), Counted(headerText) + Counted(bodyText));
    EXPECT_EQ(request.GetHeaderLength(), 4 + headerText.size());
    EXPECT_EQ(request.GetBodyLength(), 4 + bodyText.size());
    // Serialising again (a resend) gives the same bytes.
    EXPECT_EQ(request.Serialize(pp01.headerField, pp01.GetRequestFields("M00000001")), frame);
}

// The styled layout with text as UTF-8 bytes: only characters that JSON itself requires to be
// escaped (quotes, backslashes, control characters) are escaped.
TEST(WireFormat, StyledJsonWritesTextAsUtf8)
{
    struct Case {
        const char* name;
        std::string value;
        std::string written;
    };
    const Case cases[] = {
        {"ascii", "abc", "\"abc\""},
        {"hangul", "\xEA\xB9\x80\xEB\xAF\xBC\xEC\xA4\x80", "\"\xEA\xB9\x80\xEB\xAF\xBC\xEC\xA4\x80\""},
        {"beyond the basic plane", "\xF0\x9F\x98\x80!", "\"\xF0\x9F\x98\x80!\""},
        {"latin and kana", "caf\xC3\xA9 \xE3\x81\x82", "\"caf\xC3\xA9 \xE3\x81\x82\""},
        {"quotes, backslash, controls", "a\"b\\c\n\x01", "\"a\\\"b\\\\c\\n\\u0001\""},
        {"text that looks like an escape", "\\u00e9\\\\uAC00", "\"\\\\u00e9\\\\\\\\uAC00\""},
        {"invalid bytes become the replacement character", std::string("x\xFFy", 3), "\"x\xEF\xBF\xBDy\""},
        // One replacement per byte that begins no sequence; what follows it is kept.
        {"invalid: a lead byte before ASCII", "\xC3(", "\"\xEF\xBF\xBD(\""},
        {"invalid: a sequence cut at the end", "ab\xEA\xB9", "\"ab\xEF\xBF\xBD\xEF\xBF\xBD\""},
        {"invalid: an overlong slash", "\xC0\xAF/", "\"\xEF\xBF\xBD\xEF\xBF\xBD/\""},
        {"invalid: an encoded surrogate", "\xED\xA0\x80z", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBDz\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Json::Value v;
        v["k"] = c.value;
        EXPECT_EQ(StyledJson(v), "{\n   \"k\" : " + c.written + "\n}\n");
        Json::Value back;
        ASSERT_TRUE(ParseJsonText(StyledJson(v), back));
        if (std::string(c.name).find("invalid") == std::string::npos) {
            EXPECT_EQ(back["k"].asString(), c.value);
        }
    }
    // The only escape anywhere in a longer text, at every offset within and after the blocks the
    // search reads at once, is found.
    for (size_t at = 0; at < 20; ++at) {
        Json::Value v;
        v["k"] = std::string(at, 'a') + "\xEA\xB9\x80" + std::string(19 - at, 'b');
        EXPECT_NE(StyledJson(v).find("\xEA\xB9\x80"), std::string::npos) << "at " << at;
    }
    // Layout of nested values and arrays is the styled writer's.
    Json::Value nested;
    nested["list"].append("\xED\x9A\x8C");
    nested["list"].append(2);
    nested["name"] = "\xED\x9A\x8C\xEC\x9D\x98";
    EXPECT_EQ(StyledJson(nested), "{\n   \"list\" : [ \"\xED\x9A\x8C\", 2 ],\n   \"name\" : \"\xED\x9A\x8C\xEC\x9D\x98\"\n}\n");
}

// jsoncpp's styled text with its \u escapes beyond ASCII written as UTF-8: the layout the
// protocol has always sent.
std::string ReferenceStyled(const Json::Value& value)
{
    const std::string escaped = Json::StyledWriter().write(value);
    std::string out;
    for (size_t i = 0; i < escaped.size(); ++i) {
        unsigned long cp = 0;
        if (escaped[i] == '\\' && escaped[i + 1] == 'u') {
            cp = std::stoul(escaped.substr(i + 2, 4), nullptr, 16);
            if (cp >= 0xD800 && cp <= 0xDBFF) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (std::stoul(escaped.substr(i + 8, 4), nullptr, 16) - 0xDC00);
                i += 6;
            }
        } else if (escaped[i] == '\\') {
            out.append(escaped, i++, 2);   // an escape of its own, or the first half of "\\\\"
            continue;
        }
        if (cp < 0x80) {
            out += cp ? std::string(escaped, i, 6) : std::string(1, escaped[i]);
            if (cp) i += 5;
            continue;
        }
        char bytes[4];
        const int n = cp < 0x800 ? 2 : cp < 0x10000 ? 3 : 4;
        bytes[0] = (char)(n == 2 ? 0xC0 | (cp >> 6) : n == 3 ? 0xE0 | (cp >> 12) : 0xF0 | (cp >> 18));
        for (int k = 1; k < n; ++k) bytes[k] = (char)(0x80 | ((cp >> (6 * (n - 1 - k))) & 0x3F));
        out.append(bytes, n);
        i += 5;
    }
    return out;
}

Json::Value RandomValue(std::mt19937& rng, int depth)
{
    static const char* const kPieces[] = {"a", "Zz", "0", " ", "\"", "\\", "\n", "\t", "\x01", "/",
                                          "\xC3\xA9", "\xEA\xB9\x80", "\xF0\x9F\x98\x80", "\x7F"};
    auto text = [&](int most) {
        std::string s;
        for (int n = (int)(rng() % (unsigned)most); n > 0; --n) s += kPieces[rng() % (sizeof kPieces / sizeof *kPieces)];
        return s;
    };
    switch (rng() % (depth > 3 ? 6u : 8u)) {
    case 0: return Json::Value();
    case 1: return Json::Value((Json::Int64)(rng() % 2000000) - 1000000);
    case 2: return Json::Value((double)(int)(rng() % 100000) / 64.0);
    case 3: return Json::Value(rng() % 2 == 0);
    case 4: return Json::Value(text(30));
    case 5: return Json::Value((Json::UInt64)rng() * 4294967296ull);
    case 6: {
        Json::Value list(Json::arrayValue);
        // Lengths around the one-line limit, and past the count that always breaks the line.
        for (int n = (int)(rng() % 30); n > 0; --n) list.append(RandomValue(rng, depth + 1));
        return list;
    }
    default: {
        Json::Value object(Json::objectValue);
        for (int n = (int)(rng() % 6); n > 0; --n) object[text(6)] = RandomValue(rng, depth + 1);
        return object;
    }
    }
}

// The writer that writes straight into the frame lays values out as jsoncpp's styled writer
// always did, escapes and all, with text beyond ASCII as UTF-8.
TEST(WireFormat, StyledJsonLaysOutValuesAsTheStyledWriterDid)
{
    std::mt19937 rng(20261211);
    for (int i = 0; i < 3000; ++i) {
        const Json::Value value = RandomValue(rng, 0);
        const std::string written = StyledJson(value), reference = ReferenceStyled(value);
        if (written != reference) {
            size_t at = 0;
            while (at < written.size() && at < reference.size() && written[at] == reference[at]) ++at;
            FAIL() << "value " << i << " differs at byte " << at << ": written \"" << written.substr(at, 40)
                   << "\", expected \"" << reference.substr(at, 40) << "\"";
        }
        Json::Value back;
        ASSERT_TRUE(ParseJsonText(written, back));
        ASSERT_EQ(back, value) << "value " << i;
    }
    // Appended after other bytes, the text is the same: the first line is not taken for a
    // continued one.
    Json::Value object;
    object["k"] = 1;
    std::string frame = "prefix ";
    AppendStyledJson(object, frame);
    EXPECT_EQ(frame, "prefix " + StyledJson(object));
}

TEST(WireFormat, FieldByFieldBodyForOtherApplicationIds)
{
    auto def = LoadDefinitionText(kTestDefinition);
    const _PROTOCOL_INFO ppse = def->GetProtocol("PPSE");
    Json::Value* body = new Json::Value;
    (*body)["serviceId"] = "TPS";
    (*body)["locale"] = -2;
    (*body)["list"][0]["name"] = "a";
    (*body)["list"][0]["value"] = 7;
    (*body)["list"][1]["value"] = "12";   // a number given as text is read as a number
    CTasRequest request = MakeRequest("PPSE", "M00000001", nullptr, body);
    const std::string frame = request.Serialize(ppse.headerField, ppse.GetRequestFields("M00000001"));
    EXPECT_EQ(frame.substr(196), Counted("TPS") + U16(0xFFFE) + U32(0) + U32(2) + Counted("a") + U32(7) +
                                     Counted("") + U32(12));
    EXPECT_EQ(CTasRequest::GetSectionSize(ppse.GetRequestFields("M00000001"), "PPSE", body),
              frame.size() - 196);
}

TEST(WireFormat, EmptyStructureIsFourZeroBytesAndReadsBackEmpty)
{
    auto def = LoadDefinitionText(kTestDefinition);
    const _PROTOCOL_INFO ppse = def->GetProtocol("PPSE");
    Json::Value* body = new Json::Value(Json::objectValue);
    CTasRequest request = MakeRequest("PPSE", "M00000001", nullptr, body);
    const std::string frame = request.Serialize(ppse.headerField, ppse.GetRequestFields("M00000001"));
    EXPECT_EQ(frame.substr(196), Counted("") + U16(0) + U32(0) + U32(0));

    FrameSpec spec;
    spec.app = "PPSE";
    spec.bodySection = frame.substr(196);
    auto reply = ParseOne(*def, false, MakeFrame(spec));
    ASSERT_TRUE(reply);
    ASSERT_TRUE((*reply->GetBody())["list"].isArray());
    EXPECT_EQ((*reply->GetBody())["list"].size(), 0u);
    EXPECT_EQ((*reply->GetBody())["serviceId"].asString(), "");
}

TEST(WireFormat, PushStyleRepliesKeepStringsAsText)
{
    auto def = LoadDefinitionText(kTestDefinition);
    FrameSpec spec;
    spec.app = "PPSE";
    spec.headerSection = Counted("{\"status\":0}");
    spec.bodySection = Counted("TPS") + U16(1) + U32(0xFFFFFFFF) + U32(2) + Counted("x") + U32(5) + Counted("{") + U32(6);
    auto reply = ParseOne(*def, false, MakeFrame(spec));
    ASSERT_TRUE(reply);
    const Json::Value& body = *reply->GetBody();
    EXPECT_EQ(body["serviceId"].asString(), "TPS");
    EXPECT_EQ(body["locale"].asInt(), 1);
    EXPECT_EQ(body["count"].asInt(), -1);
    ASSERT_EQ(body["list"].size(), 2u);
    EXPECT_EQ(body["list"][0]["name"].asString(), "x");
    EXPECT_EQ(body["list"][1]["value"].asInt(), 6);
    EXPECT_EQ((*reply->GetHeader())["header"].asString(), "{\"status\":0}");
}

TEST(WireFormat, JsonRepliesParseTheWholeBodyAndKeepRawBytes)
{
    auto def = LoadDefinitionText(kTestDefinition);
    FrameSpec spec;
    spec.msg = "M00000006";
    spec.status = 2;
    spec.transactionId = 0x0102030405060708ull;
    spec.headerSection = Counted("{ \"a\" : 1 }\n");
    spec.bodySection = Counted("{ \"userIdnfr\" : 1001 }\n") + Counted(std::string("\x89PNG\0\x01", 6));
    auto reply = ParseOne(*def, true, MakeFrame(spec));
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->GetStatusCode(), 2);
    EXPECT_EQ((*reply->GetHeader())["a"].asInt(), 1);
    EXPECT_EQ((*reply->GetBody())["userIdnfr"].asInt(), 1001);
    ASSERT_EQ(reply->GetRawBodyLength(), 6);
    EXPECT_EQ(std::string(reply->GetRawBody(), 7), std::string("\x89PNG\0\x01\0", 7));
    // The raw transaction id equals a request's with the same number.
    CTasRequest request = MakeRequest("PP01", "M00000006", nullptr, nullptr);
    EXPECT_EQ(reply->GetTransactionId(), request.GetTransactionId());
    EXPECT_EQ(reply->GetTransactionIdNumber(), 0x0102030405060708ull);
}

TEST(WireFormat, Phv101IsUpgradedAndPhv106Accepted)
{
    auto def = LoadDefinitionText(kTestDefinition);
    FrameSpec old;
    old.version = "PHV101";
    old.transactionId = 77;
    old.status = 5;
    old.bodySection = Counted("{}");
    auto upgraded = ParseOne(*def, true, MakeFrame(old));
    ASSERT_TRUE(upgraded);
    ASSERT_EQ(upgraded->GetPlatformHeaderSize(), 196u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(upgraded->GetPlatformHeader()), 6), "PHV102");
    EXPECT_EQ(upgraded->GetPlatformHeader()[139], 'I');
    EXPECT_EQ(upgraded->GetTransactionIdNumber(), 77u);
    EXPECT_EQ(upgraded->GetStatusCode(), 5);
    EXPECT_EQ(upgraded->GetBodyLength(), 6u);
    EXPECT_TRUE(upgraded->GetBody()->isObject());

    FrameSpec shortForm;
    shortForm.version = "PHV106";
    shortForm.app = "TD01";
    shortForm.msg = "M00000006";
    shortForm.bodySection = Counted("{\"data\":\"x\"}");
    auto tds = ParseOne(*def, true, MakeFrame(shortForm));
    ASSERT_TRUE(tds);
    EXPECT_EQ(tds->GetTransactionId(), 0u);
    EXPECT_EQ((*tds->GetBody())["data"].asString(), "x");
    EXPECT_TRUE(tds->GetHeader()->isNull());
}

TEST(WireFormat, TasHeaderFieldsAtTheirOffsets)
{
    PlatformHeader::_PHV102_VALUES v;
    v.strApplicationId = "PP01";
    v.strMessageId = "M00000003";
    v.nTransactionId = 1;
    v.nServiceId = 5;
    v.strImei = "00000000000000000000";
    v.strMacAddress = "0A1B2C3D4E5F";
    v.strMsisdn = "              ";
    v.strModelNo = "PC";
    v.strIspName = "000000000";
    v.chOsType = 'W';
    v.strOsVersion = "00000000000000000000";
    v.strUuid = "000000000000000000000000";
    const std::vector<uint8_t> h = PlatformHeader::BuildPhv102(v);
    const std::string s(h.begin(), h.end());
    ASSERT_EQ(s.size(), 196u);
    EXPECT_EQ(s.substr(0, 19), "PHV102PP01M00000003");
    EXPECT_EQ(s.substr(19, 20), U64(0) + U64(1) + U32(5));
    EXPECT_EQ(s.substr(39, 20), std::string(20, '0'));
    EXPECT_EQ(s.substr(59, 20), std::string("0A1B2C3D4E5F") + std::string(8, '\0'));
    EXPECT_EQ(s.substr(79, 20), std::string(14, ' ') + std::string(6, '\0'));
    EXPECT_EQ(s.substr(99, 3), std::string("PC\0", 3));
    EXPECT_EQ(s[139], 'W');
    EXPECT_EQ(s.substr(160, 24), std::string(24, '0'));
    EXPECT_EQ(s.substr(184, 12), U16(1) + U16(0) + U32(0) + U32(0));
    const CString text = PlatformHeader::Text(h, false);
    EXPECT_NE(text.Find(L"\n[messageId    ] [M00000003]"), -1) << (LPCTSTR)text;
    EXPECT_NE(text.Find(L"\n[transactionId] [1]"), -1);
    EXPECT_NE(text.Find(L"\n[osType       ] [W]"), -1);
}

TEST(WireFormat, ShortAndIntegerHeaderFields)
{
    auto def = LoadDefinitionText(R"(<protocol-definition><protocols>
        <p name="AAAA"><header><field name="h" type="short"/></header><body name="M1"><request/></body></p>
        <p name="BBBB"><header><field name="h" type="integer"/></header><body name="M1"><request/></body></p>
      </protocols></protocol-definition>)");
    for (const char* app : {"AAAA", "BBBB"}) {
        const _PROTOCOL_INFO info = def->GetProtocol(app);
        Json::Value* header = new Json::Value;
        (*header)["h"] = 258;
        CTasRequest request = MakeRequest(app, "M1", header, nullptr);
        const std::string frame = request.Serialize(info.headerField, info.GetRequestFields("M1"));
        const std::string expected = std::string(app) == "AAAA" ? U16(258) : U32(258);
        EXPECT_EQ(frame.substr(196), expected) << app;
        EXPECT_EQ(request.GetHeaderLength(), expected.size()) << app;
        EXPECT_EQ(request.GetBodyLength(), 0u) << app;
    }
}

TEST(WireFormat, RequestCopyIsDeep)
{
    Json::Value* body = new Json::Value;
    (*body)["a"] = 1;
    CTasRequest original = MakeRequest("PP01", "M00000001", new Json::Value(Json::objectValue), body);
    CTasRequest copy(original);
    EXPECT_NE(copy.GetBody(), original.GetBody());
    EXPECT_EQ(*copy.GetBody(), *original.GetBody());
    EXPECT_EQ(copy.GetPlatformHeaderBytes(), original.GetPlatformHeaderBytes());
    std::unique_ptr<CTasRequest> rebuilt(
        CTasRequest::FromPlatformHeader(original.GetPlatformHeader(), nullptr, original.GetBody()));
    EXPECT_EQ(rebuilt->GetTransactionId(), original.GetTransactionId());
    EXPECT_EQ(rebuilt->GetMessageId(), "M00000001");
    EXPECT_EQ(rebuilt->GetHeader(), nullptr);
}

}  // namespace
