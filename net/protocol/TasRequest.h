#pragma once
// One outgoing server message: its platform header (196-byte PHV102 or 39-byte PHV106), the value
// of its header section and the value of its body section. It serialises itself into one frame
// laid out by the protocol definition.
#include <winsock2.h>
#include <json/json.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "net/protocol/ProtocolDef.h"
#include "platform/CString.h"

class CTasRequest {
public:
    enum { HEADER_FORM_PHV102 = 1, HEADER_FORM_PHV106 = 2 };

    // Form 1 takes a 196-byte header, any other form a 39-byte one. The request owns the two
    // values (either may be null).
    CTasRequest(int nHeaderForm, std::vector<uint8_t> header, Json::Value* pHeaderValue, Json::Value* pBodyValue);
    CTasRequest(const CTasRequest& other);
    CTasRequest& operator=(const CTasRequest&) = delete;
    virtual ~CTasRequest() = default;

    // A new form-1 request from a copy of a 196-byte header and copies of the two values.
    static CTasRequest* FromPlatformHeader(const uint8_t* pHeader196, const Json::Value* pHeaderValue,
                                           const Json::Value* pBodyValue);

    int GetHeaderForm() const { return m_nHeaderForm; }
    const uint8_t* GetPlatformHeader() const { return m_header.data(); }
    const std::vector<uint8_t>& GetPlatformHeaderBytes() const { return m_header; }
    std::string GetMessageId() const;
    std::string GetApplicationId() const;
    // The eight stored bytes as they are (not converted); 0 for a PHV106 request.
    uint64_t GetTransactionId() const;
    // The transaction id read as a big-endian number.
    uint64_t GetTransactionIdNumber() const;
    void SetHeaderLength(uint32_t nLength);
    void SetBodyLength(uint32_t nLength);
    uint32_t GetHeaderLength() const;
    uint32_t GetBodyLength() const;
    const Json::Value* GetHeader() const { return m_pHeaderValue.get(); }
    const Json::Value* GetBody() const { return m_pBodyValue.get(); }

    // The byte size of a section of these fields for the value.
    static size_t GetSectionSize(const std::vector<_FIELD_INFO>& fields, const std::string& strApplicationId,
                                 const Json::Value* pValue);
    // Appends the section's bytes to 'out'.
    static void WriteSection(const std::vector<_FIELD_INFO>& fields, const std::string& strApplicationId,
                             const Json::Value* pValue, std::string& out);
    // Whether a string body field carries the whole body as one JSON text for this application id.
    static bool IsWholeBodyApplication(const std::string& strApplicationId);

    // The whole frame: platform header, header section, body section. Writes headerLength and
    // bodyLength into this request's own platform header first.
    std::string Serialize(const _FIELD_INFO& headerField, const std::vector<_FIELD_INFO>& requestFields);

    // Texts for the server log.
    CString PlatformHeaderText() const;
    CString HeaderText() const;
    CString BodyText() const;

private:
    std::string BuildHeaderSection(const _FIELD_INFO& headerField);

    int m_nHeaderForm;
    std::vector<uint8_t> m_header;
    std::unique_ptr<Json::Value> m_pHeaderValue;
    std::unique_ptr<Json::Value> m_pBodyValue;
};
