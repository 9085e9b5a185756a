#pragma once
// Cuts a received byte stream into frames and parses each into a CTasResponse, by the protocol
// definition of the receiving client. Every read is bounded by its section; a frame whose
// sections claim more than the cap makes the stream broken (the connection is then dropped).
#include <winsock2.h>
#include <json/json.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "net/protocol/ProtocolDef.h"
#include "net/protocol/TasResponse.h"

class CTasFrameReader {
public:
    // The largest headerLength + bodyLength accepted.
    static constexpr uint64_t kDefaultMaxSectionBytes = 64ull * 1024 * 1024;
    // What a type reader returns when the field's count runs past the end of its section.
    static constexpr size_t kPastEnd = (size_t)-1;

    CTasFrameReader(const CProtocolDef* pProtocolDef, bool bJsonBodies);

    // Takes one chunk of the stream and appends every reply it completes to 'replies', in order.
    // Bytes of an unfinished frame are kept for the next chunk. False when the stream is broken;
    // the reader is then reset.
    bool OnData(const char* pData, size_t nSize, std::vector<std::shared_ptr<CTasResponse>>& replies);
    // Forgets the pending bytes and the frame being read.
    void Reset();

    size_t GetPendingBytes() const { return m_buffer.size() - m_nStart; }
    // 0 waits for a platform header, 1 has one and waits for its sections.
    int GetReceiveState() const { return m_nReceiveState; }
    void SetMaxSectionBytes(uint64_t nMax) { m_nMaxSectionBytes = nMax; }

    // Reads the header and body sections of a frame whose platform header the reply holds;
    // pSections points at the first byte after the platform header.
    void ParseSections(CTasResponse& reply, const uint8_t* pSections) const;

    // The type readers: each reads one field from p (at most 'left' bytes) into the target and
    // returns the bytes consumed, or kPastEnd when the field does not fit.
    size_t ReadStringField(const uint8_t* p, size_t left, const _FIELD_INFO& field, Json::Value& target) const;
    size_t ReadByteField(const uint8_t* p, size_t left, CTasResponse& reply) const;
    size_t ReadShortField(const uint8_t* p, size_t left, const _FIELD_INFO& field, Json::Value& target) const;
    size_t ReadIntegerField(const uint8_t* p, size_t left, const _FIELD_INFO& field, Json::Value& target) const;
    size_t ReadStructureField(const uint8_t* p, size_t left, const _FIELD_INFO& field, Json::Value& target) const;

private:
    // Recognises the platform header at the front; false while more bytes are needed.
    bool ParseHeader(const uint8_t* p, size_t nAvailable, bool& bBroken);
    // Drops bytes up to the next text that can begin a frame.
    void Resynchronise();
    void ReadHeaderSection(CTasResponse& reply, const _FIELD_INFO& field, const uint8_t* p, size_t nLength) const;
    void ReadBodySection(CTasResponse& reply, const _MESSAGE_INFO* pMessage, const uint8_t* p, size_t nLength) const;
    size_t ReadField(const uint8_t* p, size_t left, const _FIELD_INFO& field, Json::Value& target,
                     CTasResponse* pReply) const;
    void Compact();

    const CProtocolDef* m_pProtocolDef;
    bool m_bJsonBodies;
    uint64_t m_nMaxSectionBytes = kDefaultMaxSectionBytes;
    std::vector<char> m_buffer;   // pending bytes from m_nStart on
    size_t m_nStart = 0;
    int m_nReceiveState = 0;
    size_t m_nSectionBytes = 0;   // of the current reply
    std::shared_ptr<CTasResponse> m_pCurrent;
};
