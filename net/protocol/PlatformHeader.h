#pragma once
// The fixed-size platform header that opens every server frame, in its three forms:
// "PHV102" (196 bytes), "PHV106" (39 bytes, no transaction id or device fields) and the
// received-only "PHV101" (82 bytes). Numbers are big-endian; a text field holds ASCII from its
// first byte, zero-padded to its width, with no terminator when it fills the width.
#include <winsock2.h>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/CString.h"

namespace PlatformHeader {

enum Form { FORM_UNKNOWN = 0, FORM_PHV102 = 1, FORM_PHV106 = 2, FORM_PHV101 = 3 };

const size_t kVersionSize = 6;
const size_t kSize102 = 196;
const size_t kSize106 = 39;
const size_t kSize101 = 82;
const size_t kNoField = (size_t)-1;

// Where the fields of one form lie.
struct Layout {
    Form form;
    const char* version;
    size_t size;
    size_t transactionId;   // kNoField for PHV106
    size_t serviceId;       // kNoField for PHV106
    size_t bodyType;
    size_t statusCode;
    size_t headerLength;
    size_t bodyLength;
};
// Offsets shared by every form.
const size_t kApplicationIdOffset = 6, kApplicationIdWidth = 4;
const size_t kMessageIdOffset = 10, kMessageIdWidth = 9;
const size_t kSessionIdOffset = 19;

const Layout& LayoutOf(Form form);
// The form named by the first six bytes, FORM_UNKNOWN for any other text (or fewer bytes).
Form Recognize(const uint8_t* pData, size_t nSize);
// The form of a stored 196- or 39-byte header by its size.
Form FormOfSize(size_t nSize);

// Big-endian numbers at an offset.
void Put16(uint8_t* p, uint16_t value);
void Put32(uint8_t* p, uint32_t value);
void Put64(uint8_t* p, uint64_t value);
uint16_t Get16(const uint8_t* p);
uint32_t Get32(const uint8_t* p);
uint64_t Get64(const uint8_t* p);
// The raw eight bytes as one number, without conversion (so a request's and its reply's compare
// equal as stored).
uint64_t GetRaw64(const uint8_t* p);

// Writes the text from the field's first byte, cut to the width, over a block that starts zeroed.
void PutText(uint8_t* pBlock, size_t nOffset, size_t nWidth, const std::string& strText);
// The bytes up to the first zero, at most the width.
std::string GetText(const uint8_t* pBlock, size_t nOffset, size_t nWidth);

// The values of a PHV102 header as the clients build it.
struct _PHV102_VALUES {
    std::string strApplicationId;
    std::string strMessageId;
    uint64_t nTransactionId = 0;
    int32_t nServiceId = 0;
    std::string strImei;
    std::string strMacAddress;
    std::string strMsisdn;
    std::string strModelNo;
    std::string strIspName;
    char chOsType = 0;
    std::string strOsVersion;
    std::string strUuid;
    uint16_t nBodyType = 1;
};
std::vector<uint8_t> BuildPhv102(const _PHV102_VALUES& values);
// The values this client machine puts in a PHV102 request: the given ids, transaction id, service
// id, msisdn and os type; imei, os version and uuid all zero digits, model "PC", isp nine zero
// digits, the adapter's MAC address and body type 1.
_PHV102_VALUES ClientValues(const std::string& strApplicationId, const std::string& strMessageId,
                            uint64_t nTransactionId, int32_t nServiceId, const std::string& strMsisdn, char chOsType);
// A PHV106 header: session id 0, body type 1, status and lengths 0.
std::vector<uint8_t> BuildPhv106(const std::string& strApplicationId, const std::string& strMessageId);
// The 196-byte form of a received 82-byte PHV101 header: ids and numbers copied as received,
// device fields filled in with this machine's values and osType 'I'.
std::vector<uint8_t> UpgradePhv101(const uint8_t* pPhv101, const std::string& strMacAddress);

// The server log's table of the header fields (a reply's first line names it a response).
CString Text(const std::vector<uint8_t>& header, bool bResponse);

}  // namespace PlatformHeader
