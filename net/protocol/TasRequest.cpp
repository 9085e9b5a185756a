#include "net/protocol/TasRequest.h"

#include <cstring>

#include "core/JsonHelpers.h"
#include "net/protocol/JsonText.h"
#include "net/protocol/PlatformHeader.h"

using namespace PlatformHeader;

namespace {

void AppendU32(std::string& out, uint32_t value)
{
    uint8_t bytes[4];
    Put32(bytes, value);
    out.append(reinterpret_cast<const char*>(bytes), 4);
}

void AppendU16(std::string& out, uint16_t value)
{
    uint8_t bytes[2];
    Put16(bytes, value);
    out.append(reinterpret_cast<const char*>(bytes), 2);
}

void AppendCounted(std::string& out, const std::string& text)
{
    AppendU32(out, (uint32_t)text.size());
    out += text;
}

// The value's styled text with its length in front, written in place.
void AppendCountedJson(std::string& out, const Json::Value& value)
{
    const size_t at = out.size();
    AppendU32(out, 0);
    AppendStyledJson(value, out);
    Put32(reinterpret_cast<uint8_t*>(&out[at]), (uint32_t)(out.size() - at - 4));
}

const Json::Value& MemberOf(const Json::Value* pValue, const std::string& strName)
{
    static const Json::Value kNull;
    if (!pValue) return kNull;
    const Json::Value* pMember = FindJsonMember(*pValue, strName.c_str());
    return pMember ? *pMember : kNull;
}

std::string TextOf(const Json::Value* pValue, const std::string& strName)
{
    return pValue ? GetJsonUtf8(*pValue, strName.c_str()) : std::string();
}

int IntOf(const Json::Value* pValue, const std::string& strName)
{
    return pValue ? GetJsonInt(*pValue, strName.c_str()) : 0;
}

// One field; string fields of the whole-body application ids carry the whole value.
void WriteField(const _FIELD_INFO& field, bool bWholeBody, const Json::Value* pValue, std::string& out)
{
    switch (field.nType) {
    case FIELD_TYPE_STRING:
        if (bWholeBody) {
            AppendCountedJson(out, pValue ? *pValue : Json::Value());
        } else {
            AppendCounted(out, TextOf(pValue, field.strName));
        }
        break;
    case FIELD_TYPE_BYTE:
        AppendCounted(out, TextOf(pValue, field.strName));
        break;
    case FIELD_TYPE_SHORT:
        AppendU16(out, (uint16_t)(int16_t)IntOf(pValue, field.strName));
        break;
    case FIELD_TYPE_INTEGER:
        AppendU32(out, (uint32_t)IntOf(pValue, field.strName));
        break;
    case FIELD_TYPE_STRUCTURE: {
        const Json::Value& list = MemberOf(pValue, field.strName);
        const Json::ArrayIndex count = list.isArray() ? list.size() : 0;
        AppendU32(out, count);
        for (Json::ArrayIndex i = 0; i < count; ++i) {
            const Json::Value& element = list[i];
            // Inside a structure only strings and numbers are carried, each from its own member.
            for (const _FIELD_INFO& sub : field.vecSubFields)
                if (sub.nType != FIELD_TYPE_BYTE && sub.nType != FIELD_TYPE_STRUCTURE)
                    WriteField(sub, false, &element, out);
        }
        break;
    }
    default:
        break;
    }
}

}  // namespace

CTasRequest::CTasRequest(int nHeaderForm, std::vector<uint8_t> header, Json::Value* pHeaderValue,
                         Json::Value* pBodyValue)
    : m_nHeaderForm(nHeaderForm), m_header(std::move(header)), m_pHeaderValue(pHeaderValue), m_pBodyValue(pBodyValue)
{
    m_header.resize(nHeaderForm == HEADER_FORM_PHV102 ? kSize102 : kSize106, 0);
}

CTasRequest::CTasRequest(const CTasRequest& other)
    : m_nHeaderForm(other.m_nHeaderForm),
      m_header(other.m_header),
      m_pHeaderValue(other.m_pHeaderValue ? new Json::Value(*other.m_pHeaderValue) : nullptr),
      m_pBodyValue(other.m_pBodyValue ? new Json::Value(*other.m_pBodyValue) : nullptr)
{
}

CTasRequest* CTasRequest::FromPlatformHeader(const uint8_t* pHeader196, const Json::Value* pHeaderValue,
                                             const Json::Value* pBodyValue)
{
    return new CTasRequest(HEADER_FORM_PHV102, std::vector<uint8_t>(pHeader196, pHeader196 + kSize102),
                           pHeaderValue ? new Json::Value(*pHeaderValue) : nullptr,
                           pBodyValue ? new Json::Value(*pBodyValue) : nullptr);
}

std::string CTasRequest::GetMessageId() const
{
    return GetText(m_header.data(), kMessageIdOffset, kMessageIdWidth);
}

std::string CTasRequest::GetApplicationId() const
{
    return GetText(m_header.data(), kApplicationIdOffset, kApplicationIdWidth);
}

uint64_t CTasRequest::GetTransactionId() const
{
    return m_nHeaderForm == HEADER_FORM_PHV102 ? GetRaw64(m_header.data() + 27) : 0;
}

uint64_t CTasRequest::GetTransactionIdNumber() const
{
    return m_nHeaderForm == HEADER_FORM_PHV102 ? Get64(m_header.data() + 27) : 0;
}

void CTasRequest::SetHeaderLength(uint32_t nLength)
{
    Put32(m_header.data() + LayoutOf(FormOfSize(m_header.size())).headerLength, nLength);
}

void CTasRequest::SetBodyLength(uint32_t nLength)
{
    Put32(m_header.data() + LayoutOf(FormOfSize(m_header.size())).bodyLength, nLength);
}

uint32_t CTasRequest::GetHeaderLength() const
{
    return Get32(m_header.data() + LayoutOf(FormOfSize(m_header.size())).headerLength);
}

uint32_t CTasRequest::GetBodyLength() const
{
    return Get32(m_header.data() + LayoutOf(FormOfSize(m_header.size())).bodyLength);
}

bool CTasRequest::IsWholeBodyApplication(const std::string& strApplicationId)
{
    return strApplicationId == "PP01" || strApplicationId == "GS01" || strApplicationId == "A002" ||
           strApplicationId == "TD01";
}

size_t CTasRequest::GetSectionSize(const std::vector<_FIELD_INFO>& fields, const std::string& strApplicationId,
                                   const Json::Value* pValue)
{
    std::string section;
    WriteSection(fields, strApplicationId, pValue, section);
    return section.size();
}

void CTasRequest::WriteSection(const std::vector<_FIELD_INFO>& fields, const std::string& strApplicationId,
                               const Json::Value* pValue, std::string& out)
{
    const bool bWholeBody = IsWholeBodyApplication(strApplicationId.substr(0, 4));
    for (const _FIELD_INFO& field : fields) WriteField(field, bWholeBody, pValue, out);
}

std::string CTasRequest::BuildHeaderSection(const _FIELD_INFO& headerField)
{
    std::string section;
    switch (headerField.nType) {
    case FIELD_TYPE_STRING:
        // No header value, or an empty one: no section, and headerLength stays as built.
        if (IsEmptyJson(m_pHeaderValue.get())) return section;
        AppendCountedJson(section, *m_pHeaderValue);
        break;
    case FIELD_TYPE_SHORT:
        AppendU16(section, (uint16_t)(int16_t)IntOf(m_pHeaderValue.get(), headerField.strName));
        break;
    case FIELD_TYPE_INTEGER:
        AppendU32(section, (uint32_t)IntOf(m_pHeaderValue.get(), headerField.strName));
        break;
    default:
        return section;
    }
    SetHeaderLength((uint32_t)section.size());
    return section;
}

std::string CTasRequest::Serialize(const _FIELD_INFO& headerField, const std::vector<_FIELD_INFO>& requestFields)
{
    const std::string headerSection = BuildHeaderSection(headerField);
    // One buffer for the whole frame: the body, by far its largest part, is written straight
    // into it and not copied again; the platform header goes in front once the body's length is
    // known.
    std::string frame(m_header.size(), '\0');
    frame += headerSection;
    const size_t bodyStart = frame.size();
    WriteSection(requestFields, GetApplicationId(), m_pBodyValue.get(), frame);
    SetBodyLength((uint32_t)(frame.size() - bodyStart));
    std::memcpy(&frame[0], m_header.data(), m_header.size());
    return frame;
}

CString CTasRequest::PlatformHeaderText() const
{
    return PlatformHeader::Text(m_header, false);
}

CString CTasRequest::HeaderText() const
{
    return JsonLogText(L"\n<HEADER>---------------------------------\n", m_pHeaderValue.get());
}

CString CTasRequest::BodyText() const
{
    return JsonLogText(L"\n<BODY>-----------------------------------\n", m_pBodyValue.get());
}
