#pragma once
// One incoming server message after parsing: its platform header (a received PHV101 is kept in
// the 196-byte form), the header and body values and the raw bytes of a byte field. Replies reach
// the rest of the program as std::shared_ptr<CTasResponse>.
#include <winsock2.h>
#include <json/json.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/CString.h"

class CTasResponse {
public:
    CTasResponse() = default;
    CTasResponse(const CTasResponse& other);
    CTasResponse& operator=(const CTasResponse&) = delete;
    virtual ~CTasResponse() = default;

    // A copy of a received 196-byte or 39-byte header.
    void SetPlatformHeader(const uint8_t* pHeader, size_t nSize);
    // The 196-byte form of a received 82-byte PHV101 header.
    void UpgradeHeader(const uint8_t* pPhv101);
    // Null until a header is set.
    const uint8_t* GetPlatformHeader() const { return m_header.empty() ? nullptr : m_header.data(); }
    const std::vector<uint8_t>& GetPlatformHeaderBytes() const { return m_header; }
    size_t GetPlatformHeaderSize() const { return m_header.size(); }

    std::string GetMessageId() const;
    std::string GetApplicationId() const;
    // The eight received bytes as they are (equal to the request's stored value); 0 for PHV106.
    uint64_t GetTransactionId() const;
    // The transaction id read as a big-endian number.
    uint64_t GetTransactionIdNumber() const;
    int GetStatusCode() const;
    uint32_t GetHeaderLength() const;
    uint32_t GetBodyLength() const;
    void SetStatusCode(int nStatus);
    void SetHeaderLength(uint32_t nLength);
    void SetBodyLength(uint32_t nLength);

    // Null when the reply was given no value.
    Json::Value* GetHeader() const { return m_pHeader.get(); }
    Json::Value* GetBody() const { return m_pBody.get(); }
    // Ownership passes.
    void SetHeader(Json::Value* pValue) { m_pHeader.reset(pValue); }
    void SetBody(Json::Value* pValue) { m_pBody.reset(pValue); }

    // The bytes of the last byte field, followed by one zero byte; null when there was none.
    const char* GetRawBody() const { return m_bHasRaw ? m_raw.data() : nullptr; }
    int GetRawBodyLength() const { return m_bHasRaw ? (int)m_raw.size() - 1 : 0; }
    void SetRawBody(const char* pData, size_t nLength);
    void SetRawBodyLength(int nLength);

    CString PlatformHeaderText() const;
    CString HeaderText() const;
    CString BodyText() const;

private:
    std::vector<uint8_t> m_header;
    std::unique_ptr<Json::Value> m_pHeader;
    std::unique_ptr<Json::Value> m_pBody;
    std::vector<char> m_raw;
    bool m_bHasRaw = false;
};
