#include "net/protocol/TasResponse.h"

#include "net/protocol/JsonText.h"
#include "net/protocol/MacAddressText.h"
#include "net/protocol/PlatformHeader.h"

using namespace PlatformHeader;

// The header is kept as received (every number big-endian); the accessors convert.

CTasResponse::CTasResponse(const CTasResponse& other)
    : m_header(other.m_header),
      m_pHeader(other.m_pHeader ? new Json::Value(*other.m_pHeader) : nullptr),
      m_pBody(other.m_pBody ? new Json::Value(*other.m_pBody) : nullptr),
      m_raw(other.m_raw),
      m_bHasRaw(other.m_bHasRaw)
{
}

void CTasResponse::SetPlatformHeader(const uint8_t* pHeader, size_t nSize)
{
    m_header.assign(pHeader, pHeader + nSize);
}

void CTasResponse::UpgradeHeader(const uint8_t* pPhv101)
{
    m_header = UpgradePhv101(pPhv101, GetMacAddressText());
}

std::string CTasResponse::GetMessageId() const
{
    return m_header.empty() ? std::string() : GetText(m_header.data(), kMessageIdOffset, kMessageIdWidth);
}

std::string CTasResponse::GetApplicationId() const
{
    return m_header.empty() ? std::string() : GetText(m_header.data(), kApplicationIdOffset, kApplicationIdWidth);
}

uint64_t CTasResponse::GetTransactionId() const
{
    return m_header.size() == kSize102 ? GetRaw64(m_header.data() + 27) : 0;
}

uint64_t CTasResponse::GetTransactionIdNumber() const
{
    return m_header.size() == kSize102 ? Get64(m_header.data() + 27) : 0;
}

int CTasResponse::GetStatusCode() const
{
    const Layout& layout = LayoutOf(FormOfSize(m_header.size()));
    return layout.form == FORM_UNKNOWN ? 0 : (int16_t)Get16(m_header.data() + layout.statusCode);
}

uint32_t CTasResponse::GetHeaderLength() const
{
    const Layout& layout = LayoutOf(FormOfSize(m_header.size()));
    return layout.form == FORM_UNKNOWN ? 0 : Get32(m_header.data() + layout.headerLength);
}

uint32_t CTasResponse::GetBodyLength() const
{
    const Layout& layout = LayoutOf(FormOfSize(m_header.size()));
    return layout.form == FORM_UNKNOWN ? 0 : Get32(m_header.data() + layout.bodyLength);
}

void CTasResponse::SetStatusCode(int nStatus)
{
    const Layout& layout = LayoutOf(FormOfSize(m_header.size()));
    if (layout.form != FORM_UNKNOWN) Put16(m_header.data() + layout.statusCode, (uint16_t)(int16_t)nStatus);
}

void CTasResponse::SetHeaderLength(uint32_t nLength)
{
    const Layout& layout = LayoutOf(FormOfSize(m_header.size()));
    if (layout.form != FORM_UNKNOWN) Put32(m_header.data() + layout.headerLength, nLength);
}

void CTasResponse::SetBodyLength(uint32_t nLength)
{
    const Layout& layout = LayoutOf(FormOfSize(m_header.size()));
    if (layout.form != FORM_UNKNOWN) Put32(m_header.data() + layout.bodyLength, nLength);
}

void CTasResponse::SetRawBody(const char* pData, size_t nLength)
{
    m_raw.assign(pData, pData + nLength);
    m_raw.push_back(0);
    m_bHasRaw = true;
}

void CTasResponse::SetRawBodyLength(int nLength)
{
    if (!m_bHasRaw || nLength < 0) return;
    if ((size_t)nLength + 1 < m_raw.size()) {
        m_raw.resize((size_t)nLength);
        m_raw.push_back(0);
    }
}

CString CTasResponse::PlatformHeaderText() const
{
    return PlatformHeader::Text(m_header, true);
}

CString CTasResponse::HeaderText() const
{
    return JsonLogText(L"\n<Response - HEADER>---------------------------------\n", m_pHeader.get());
}

CString CTasResponse::BodyText() const
{
    return JsonLogText(L"\n<Response - BODY>-----------------------------------\n", m_pBody.get());
}
