#include "net/protocol/TasFrameReader.h"

#include <winsock2.h>
#include <windows.h>

#include <cstring>

#include "net/protocol/JsonText.h"
#include "net/protocol/PlatformHeader.h"

using namespace PlatformHeader;

namespace {

// A member can only be set on an object (or a null value, which becomes one).
void SetMember(Json::Value& target, const std::string& strName, const Json::Value& value)
{
    if (target.isNull() || target.isObject()) target[strName] = value;
}

}  // namespace

CTasFrameReader::CTasFrameReader(const CProtocolDef* pProtocolDef, bool bJsonBodies)
    : m_pProtocolDef(pProtocolDef), m_bJsonBodies(bJsonBodies)
{
}

void CTasFrameReader::Reset()
{
    m_buffer.clear();
    m_nStart = 0;
    m_nReceiveState = 0;
    m_nSectionBytes = 0;
    m_pCurrent.reset();
}

bool CTasFrameReader::OnData(const char* pData, size_t nSize, std::vector<std::shared_ptr<CTasResponse>>& replies)
{
    if (pData && nSize) m_buffer.insert(m_buffer.end(), pData, pData + nSize);
    for (;;) {
        const size_t nAvailable = m_buffer.size() - m_nStart;
        const uint8_t* p = reinterpret_cast<const uint8_t*>(m_buffer.data()) + m_nStart;
        if (m_nReceiveState == 0) {
            bool bBroken = false;
            if (!ParseHeader(p, nAvailable, bBroken)) {
                if (bBroken) {
                    Reset();
                    return false;
                }
                break;
            }
            continue;
        }
        if (nAvailable < m_nSectionBytes) break;
        ParseSections(*m_pCurrent, p);
        replies.push_back(std::move(m_pCurrent));
        m_nStart += m_nSectionBytes;
        m_nReceiveState = 0;
    }
    Compact();
    return true;
}

bool CTasFrameReader::ParseHeader(const uint8_t* p, size_t nAvailable, bool& bBroken)
{
    // Fewer than six bytes cannot be recognised yet: they stay for the next chunk.
    if (nAvailable < kVersionSize) return false;
    const Form form = Recognize(p, nAvailable);
    if (form == FORM_UNKNOWN) {
        OutputDebugStringA("failed to find platform header from data...so skip it...\n");
        Resynchronise();
        return m_buffer.size() - m_nStart >= kVersionSize;
    }
    const Layout& layout = LayoutOf(form);
    if (nAvailable < layout.size) return false;
    const uint64_t nSections = (uint64_t)Get32(p + layout.headerLength) + Get32(p + layout.bodyLength);
    if (nSections > m_nMaxSectionBytes) {
        OutputDebugStringA("frame sections larger than allowed...stream is broken...\n");
        bBroken = true;
        return false;
    }
    m_pCurrent = std::make_shared<CTasResponse>();
    if (form == FORM_PHV101)
        m_pCurrent->UpgradeHeader(p);
    else
        m_pCurrent->SetPlatformHeader(p, layout.size);
    m_nSectionBytes = (size_t)nSections;
    m_nStart += layout.size;
    m_nReceiveState = 1;
    // The whole frame is coming: one allocation instead of many.
    if (m_buffer.capacity() < m_nStart + m_nSectionBytes) m_buffer.reserve(m_nStart + m_nSectionBytes);
    return true;
}

void CTasFrameReader::Resynchronise()
{
    static const char kPrefix[] = "PHV10";
    const size_t nPrefix = sizeof kPrefix - 1;
    const char* pBegin = m_buffer.data() + m_nStart;
    const char* pEnd = m_buffer.data() + m_buffer.size();
    for (const char* q = pBegin + 1; q < pEnd; ++q) {
        const size_t nLeft = (size_t)(pEnd - q);
        // A possible start cut off by the end of the chunk is kept too.
        const size_t nCompare = nLeft < nPrefix ? nLeft : nPrefix;
        if (std::memcmp(q, kPrefix, nCompare) != 0) continue;
        if (nLeft > nPrefix && Recognize(reinterpret_cast<const uint8_t*>(q), nLeft) == FORM_UNKNOWN) continue;
        m_nStart = (size_t)(q - m_buffer.data());
        return;
    }
    m_nStart = m_buffer.size();
}

void CTasFrameReader::Compact()
{
    if (m_nStart == 0) return;
    if (m_nStart == m_buffer.size()) {
        m_buffer.clear();
    } else {
        m_buffer.erase(m_buffer.begin(), m_buffer.begin() + (ptrdiff_t)m_nStart);
    }
    m_nStart = 0;
}

void CTasFrameReader::ParseSections(CTasResponse& reply, const uint8_t* pSections) const
{
    const std::string strApplicationId = reply.GetApplicationId().substr(0, 4);
    const _PROTOCOL_INFO* pProtocol = m_pProtocolDef ? m_pProtocolDef->FindProtocol(strApplicationId) : nullptr;
    const uint32_t nHeaderLength = reply.GetHeaderLength();
    reply.SetHeader(new Json::Value());
    reply.SetBody(new Json::Value());
    if (!pProtocol) return;
    // The header field is read inside headerLength only, and the body starts where headerLength
    // says, whatever the header field consumed.
    ReadHeaderSection(reply, pProtocol->headerField, pSections, nHeaderLength);
    ReadBodySection(reply, pProtocol->FindMessage(reply.GetMessageId()), pSections + nHeaderLength,
                    reply.GetBodyLength());
}

void CTasFrameReader::ReadHeaderSection(CTasResponse& reply, const _FIELD_INFO& field, const uint8_t* p,
                                        size_t nLength) const
{
    if (field.nType == FIELD_TYPE_STRING || field.nType == FIELD_TYPE_SHORT || field.nType == FIELD_TYPE_INTEGER)
        ReadField(p, nLength, field, *reply.GetHeader(), nullptr);
}

void CTasFrameReader::ReadBodySection(CTasResponse& reply, const _MESSAGE_INFO* pMessage, const uint8_t* p,
                                      size_t nLength) const
{
    if (!pMessage) return;
    size_t nConsumed = 0;
    for (const _FIELD_INFO& field : pMessage->vecResponseFields) {
        if (nConsumed >= nLength) break;
        const size_t n = ReadField(p + nConsumed, nLength - nConsumed, field, *reply.GetBody(), &reply);
        if (n == kPastEnd) {
            OutputDebugStringA("field runs past the end of its section...rest of the section skipped\n");
            break;
        }
        nConsumed += n;
    }
}

size_t CTasFrameReader::ReadField(const uint8_t* p, size_t left, const _FIELD_INFO& field, Json::Value& target,
                                  CTasResponse* pReply) const
{
    switch (field.nType) {
    case FIELD_TYPE_STRING:
        return ReadStringField(p, left, field, target);
    case FIELD_TYPE_BYTE:
        // Inside a structure (no reply given) byte fields are not carried.
        return pReply ? ReadByteField(p, left, *pReply) : 0;
    case FIELD_TYPE_SHORT:
        return ReadShortField(p, left, field, target);
    case FIELD_TYPE_INTEGER:
        return ReadIntegerField(p, left, field, target);
    case FIELD_TYPE_STRUCTURE:
        return pReply ? ReadStructureField(p, left, field, target) : 0;
    default:
        return 0;
    }
}

size_t CTasFrameReader::ReadStringField(const uint8_t* p, size_t left, const _FIELD_INFO& field,
                                        Json::Value& target) const
{
    if (left < 4) return kPastEnd;
    const uint32_t n = Get32(p);
    if (n > left - 4) return kPastEnd;
    const char* pText = reinterpret_cast<const char*>(p + 4);
    if (m_bJsonBodies) {
        if (!ParseJsonText(pText, pText + n, target)) {
            std::string line = "Json parse error...(" + std::string(pText, n) + ")\n";
            OutputDebugStringA(line.c_str());
        }
    } else {
        SetMember(target, field.strName, Json::Value(std::string(pText, n)));
    }
    return 4 + (size_t)n;
}

size_t CTasFrameReader::ReadByteField(const uint8_t* p, size_t left, CTasResponse& reply) const
{
    if (left < 4) return kPastEnd;
    const uint32_t n = Get32(p);
    if (n > left - 4) return kPastEnd;
    reply.SetRawBody(reinterpret_cast<const char*>(p + 4), n);
    return 4 + (size_t)n;
}

size_t CTasFrameReader::ReadShortField(const uint8_t* p, size_t left, const _FIELD_INFO& field,
                                       Json::Value& target) const
{
    if (left < 2) return kPastEnd;
    SetMember(target, field.strName, Json::Value((int)(int16_t)Get16(p)));
    return 2;
}

size_t CTasFrameReader::ReadIntegerField(const uint8_t* p, size_t left, const _FIELD_INFO& field,
                                         Json::Value& target) const
{
    if (left < 4) return kPastEnd;
    SetMember(target, field.strName, Json::Value((int)(int32_t)Get32(p)));
    return 4;
}

size_t CTasFrameReader::ReadStructureField(const uint8_t* p, size_t left, const _FIELD_INFO& field,
                                           Json::Value& target) const
{
    if (left < 4) return kPastEnd;
    uint64_t nCount = Get32(p);
    // More elements than the section has bytes cannot be real; past the end of the section the
    // elements are empty, and no more of them than that.
    if (nCount > left) nCount = left;
    size_t nConsumed = 4;
    bool bExhausted = false;
    Json::Value list(Json::arrayValue);
    for (uint64_t i = 0; i < nCount; ++i) {
        Json::Value element(Json::objectValue);
        for (const _FIELD_INFO& sub : field.vecSubFields) {
            if (bExhausted || nConsumed >= left) {
                bExhausted = true;
                break;
            }
            const size_t n = ReadField(p + nConsumed, left - nConsumed, sub, element, nullptr);
            if (n == kPastEnd) {
                bExhausted = true;
                break;
            }
            nConsumed += n;
        }
        list.append(element);
    }
    SetMember(target, field.strName, list);
    return bExhausted ? left : nConsumed;
}
