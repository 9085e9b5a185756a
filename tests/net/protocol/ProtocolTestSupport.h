#pragma once
// Shared pieces of the protocol tests: frames built byte by byte (independently of the code under
// test), a small definition file and loading of the installed ones.
#include <cstdint>
#include <memory>
#include <string>

#include "net/protocol/ProtocolDef.h"

namespace prototest {

// A definition with: PP01 (string header; M00000001 one string field; M00000006 string + byte),
// PPSE (string header; M00000001 serviceId string, locale short, count integer, list structure
// of name string + value integer), TD01 (no header; M00000006 one string field).
extern const char kTestDefinition[];

// Loads definition text through a temporary file.
std::unique_ptr<CProtocolDef> LoadDefinitionText(const std::string& text);
// Loads one of the installed files of protocols/ (such as "protocol.xml").
std::unique_ptr<CProtocolDef> LoadInstalledDefinition(const char* pszFile);

std::string U16(uint16_t value);
std::string U32(uint32_t value);
std::string U64(uint64_t value);
// A 32-bit count followed by the bytes.
std::string Counted(const std::string& bytes);

struct FrameSpec {
    std::string version = "PHV102";
    std::string app = "PP01";
    std::string msg = "M00000001";
    int status = 0;
    uint64_t transactionId = 0;
    std::string headerSection;
    std::string bodySection;
    // When set, written instead of the real section sizes.
    int64_t headerLength = -1;
    int64_t bodyLength = -1;
    char osType = 'W';
};
// The whole frame: platform header in the version the FrameSpec names, then the two sections.
std::string MakeFrame(const FrameSpec& spec);

}  // namespace prototest
