// Loading protocol definition files: the element grammar and its quirks, and failures.
#include <gtest/gtest.h>

#include "net/protocol/ProtocolDef.h"
#include "tests/support/TestSupport.h"

namespace {

const char kDefinition[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<protocol-definition>
  <protocols>
    <anything name="PPSE">
      <header>
        <field name="first" type="string"/>
        <field name="second" type="integer"/>
      </header>
      <structure name="Item">
        <field name="id" type="string"/>
        <field name="count" type="short"/>
        <field name="inner" type="structure" ref="Item"/>
      </structure>
      <body name="M00000001">
        <request>
          <field name="serviceId" type="string"/>
          <field name="list" type="structure" ref="Item"/>
          <field name="odd" type="String"/>
        </request>
        <response>
          <field name="pushKey" type="string"/>
        </response>
      </body>
      <body name="M00000002">
        <request><field name="old" type="string"/></request>
      </body>
      <body name="M00000002">
        <request><field name="new" type="integer"/><field name="raw" type="byte"/></request>
      </body>
      <structure name="Late">
        <field name="x" type="integer"/>
      </structure>
      <body name="M00000003">
        <response><field name="late" type="structure" ref="Late"/><field name="none" type="structure" ref="Nope"/></response>
      </body>
    </anything>
    <protocol name="TD01">
      <body name="M00000001"><request><field name="body" type="string"/></request></body>
    </protocol>
  </protocols>
</protocol-definition>
)";

std::wstring WriteDefinition(const zeltest::TempDir& dir, const std::wstring& name, const std::string& text)
{
    const std::wstring path = dir.File(name);
    EXPECT_TRUE(zeltest::WriteFileBytes(path, text));
    return path;
}

TEST(ProtocolDef, TypeNamesAreExactAndCaseSensitive)
{
    const struct {
        const char* name;
        int code;
    } cases[] = {{"string", 1}, {"byte", 2},   {"short", 3},  {"integer", 4}, {"structure", 5},
                 {"String", 0}, {"int", 0},    {"", 0},       {"bytes", 0},   {nullptr, 0}};
    for (const auto& c : cases) EXPECT_EQ(CProtocolDef::TypeCodeOf(c.name), c.code) << (c.name ? c.name : "null");
}

TEST(ProtocolDef, ReadsProtocolsMessagesAndStructures)
{
    zeltest::TempDir dir;
    CProtocolDef def;
    ASSERT_EQ(def.Load(WriteDefinition(dir, L"def.xml", kDefinition).c_str()), 1);

    const _PROTOCOL_INFO push = def.GetProtocol("PPSE");
    EXPECT_EQ(push.strApplicationId, "PPSE");
    // Only the first header field counts.
    EXPECT_EQ(push.headerField.strName, "first");
    EXPECT_EQ(push.headerField.nType, FIELD_TYPE_STRING);

    const std::vector<_FIELD_INFO> request = push.GetRequestFields("M00000001");
    ASSERT_EQ(request.size(), 3u);
    EXPECT_EQ(request[0].strName, "serviceId");
    EXPECT_EQ(request[1].nType, FIELD_TYPE_STRUCTURE);
    ASSERT_EQ(request[1].vecSubFields.size(), 3u);
    EXPECT_EQ(request[1].vecSubFields[1].strName, "count");
    EXPECT_EQ(request[1].vecSubFields[1].nType, FIELD_TYPE_SHORT);
    // A structure inside a structure keeps its type and gets no fields.
    EXPECT_EQ(request[1].vecSubFields[2].nType, FIELD_TYPE_STRUCTURE);
    EXPECT_TRUE(request[1].vecSubFields[2].vecSubFields.empty());
    EXPECT_EQ(request[2].nType, FIELD_TYPE_NONE);
    EXPECT_EQ(push.GetResponseFields("M00000001")[0].strName, "pushKey");

    // The later of two bodies with one name wins.
    const std::vector<_FIELD_INFO> second = push.GetRequestFields("M00000002");
    ASSERT_EQ(second.size(), 2u);
    EXPECT_EQ(second[0].strName, "new");
    EXPECT_EQ(second[1].nType, FIELD_TYPE_BYTE);

    // A structure after the first body is a message too, and still a reference target.
    EXPECT_TRUE(def.HasMessage("PPSE", "Late"));
    EXPECT_TRUE(push.GetRequestFields("Late").empty());
    const std::vector<_FIELD_INFO> third = push.GetResponseFields("M00000003");
    ASSERT_EQ(third.size(), 2u);
    ASSERT_EQ(third[0].vecSubFields.size(), 1u);
    EXPECT_EQ(third[0].vecSubFields[0].strName, "x");
    EXPECT_TRUE(third[1].vecSubFields.empty());

    // A protocol without a header element has a header field of type 0.
    EXPECT_EQ(def.GetProtocol("TD01").headerField.nType, FIELD_TYPE_NONE);
}

TEST(ProtocolDef, UnknownIdsGiveEmptyResults)
{
    zeltest::TempDir dir;
    CProtocolDef def;
    ASSERT_EQ(def.Load(WriteDefinition(dir, L"def.xml", kDefinition).c_str()), 1);
    const _PROTOCOL_INFO none = def.GetProtocol("XXXX");
    EXPECT_TRUE(none.strApplicationId.empty());
    EXPECT_EQ(none.headerField.nType, FIELD_TYPE_NONE);
    EXPECT_TRUE(none.mapMessages.empty());
    EXPECT_TRUE(def.GetProtocol("PPSE").GetRequestFields("M99999999").empty());
    EXPECT_EQ(def.FindProtocol("XXXX"), nullptr);
}

TEST(ProtocolDef, LoadsFromAKoreanFolder)
{
    zeltest::TempDir dir;
    const std::wstring folder = dir.File(L"\xD68C\xC758 \xC790\xB8CC");   // "회의 자료"
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    const std::wstring path = folder + L"\\protocol.xml";
    ASSERT_TRUE(zeltest::WriteFileBytes(path, kDefinition));
    CProtocolDef wide;
    EXPECT_EQ(wide.Load(path.c_str()), 1);
    EXPECT_TRUE(wide.HasMessage("TD01", "M00000001"));
    CProtocolDef narrow;
    EXPECT_EQ(narrow.Load(zeltest::Narrow(path).c_str()), 1);
    EXPECT_TRUE(narrow.HasMessage("PPSE", "M00000003"));
}

TEST(ProtocolDef, BrokenFilesFailAndKeepWhatWasRead)
{
    zeltest::TempDir dir;
    const struct {
        const char* what;
        std::string text;
    } cases[] = {
        {"not XML", "<protocol-definition><protocols>"},
        {"no root", "<other><protocols/></other>"},
        {"no protocols", "<protocol-definition><nothing/></protocol-definition>"},
    };
    for (const auto& c : cases) {
        CProtocolDef def;
        ASSERT_EQ(def.Load(WriteDefinition(dir, L"good.xml", kDefinition).c_str()), 1);
        EXPECT_EQ(def.Load(WriteDefinition(dir, L"bad.xml", c.text).c_str()), 0) << c.what;
        EXPECT_FALSE(def.GetLoadError().empty()) << c.what;
        EXPECT_TRUE(def.HasMessage("PPSE", "M00000001")) << c.what;
    }
    CProtocolDef missing;
    EXPECT_EQ(missing.Load(dir.File(L"absent.xml").c_str()), 0);
    EXPECT_TRUE(missing.GetProtocols().empty());
}

}  // namespace
