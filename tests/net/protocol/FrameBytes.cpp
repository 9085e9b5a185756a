// The frame builders and the small definition of the protocol tests: no test framework and no
// window system, so the fuzz targets built for Linux use them too.
#include "tests/net/protocol/ProtocolTestSupport.h"

#include <cstring>

namespace prototest {

const char kTestDefinition[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<protocol-definition>
  <protocols>
    <protocol name="PP01">
      <header><field name="header" type="string"/></header>
      <body name="M00000001">
        <request><field name="body" type="string"/></request>
        <response><field name="body" type="string"/></response>
      </body>
      <body name="M00000006">
        <request><field name="body" type="string"/></request>
        <response><field name="body" type="string"/><field name="photo" type="byte"/></response>
      </body>
    </protocol>
    <protocol name="PPSE">
      <header><field name="header" type="string"/></header>
      <structure name="Entry">
        <field name="name" type="string"/>
        <field name="value" type="integer"/>
      </structure>
      <body name="M00000001">
        <request>
          <field name="serviceId" type="string"/>
          <field name="locale" type="short"/>
          <field name="count" type="integer"/>
          <field name="list" type="structure" ref="Entry"/>
        </request>
        <response>
          <field name="serviceId" type="string"/>
          <field name="locale" type="short"/>
          <field name="count" type="integer"/>
          <field name="list" type="structure" ref="Entry"/>
        </response>
      </body>
    </protocol>
    <protocol name="TD01">
      <body name="M00000006">
        <request><field name="body" type="string"/></request>
        <response><field name="body" type="string"/></response>
      </body>
    </protocol>
  </protocols>
</protocol-definition>
)";

std::string U16(uint16_t value)
{
    return std::string{(char)(value >> 8), (char)value};
}

std::string U32(uint32_t value)
{
    return std::string{(char)(value >> 24), (char)(value >> 16), (char)(value >> 8), (char)value};
}

std::string U64(uint64_t value)
{
    return U32((uint32_t)(value >> 32)) + U32((uint32_t)value);
}

std::string Counted(const std::string& bytes)
{
    return U32((uint32_t)bytes.size()) + bytes;
}

namespace {

void Put(std::string& header, size_t offset, const std::string& bytes)
{
    std::memcpy(&header[offset], bytes.data(), bytes.size());
}

}  // namespace

std::string MakeFrame(const FrameSpec& spec)
{
    const uint32_t headerLength =
        spec.headerLength >= 0 ? (uint32_t)spec.headerLength : (uint32_t)spec.headerSection.size();
    const uint32_t bodyLength = spec.bodyLength >= 0 ? (uint32_t)spec.bodyLength : (uint32_t)spec.bodySection.size();
    std::string header;
    if (spec.version == "PHV106") {
        header.assign(39, '\0');
        Put(header, 27, U16(1) + U16((uint16_t)spec.status) + U32(headerLength) + U32(bodyLength));
    } else if (spec.version == "PHV101") {
        header.assign(82, '\0');
        Put(header, 27, U64(spec.transactionId) + U32(5));
        Put(header, 70, U16(1) + U16((uint16_t)spec.status) + U32(headerLength) + U32(bodyLength));
    } else {
        header.assign(196, '\0');
        Put(header, 27, U64(spec.transactionId) + U32(5));
        header[139] = spec.osType;
        Put(header, 184, U16(1) + U16((uint16_t)spec.status) + U32(headerLength) + U32(bodyLength));
    }
    Put(header, 0, spec.version.substr(0, 6));
    Put(header, 6, spec.app.substr(0, 4));
    Put(header, 10, spec.msg.substr(0, 9));
    return header + spec.headerSection + spec.bodySection;
}

}  // namespace prototest
