#pragma once
// The datagrams of the voice channel: an 8-byte header (16-bit type, 4 zero bytes, 16-bit payload
// length, all big-endian) followed by the payload.
#include <cstddef>
#include <string>

struct S_VOICE_PACKET {
    int nType;
    // The payload inside the datagram, and its length: the header's length, but never more than
    // what arrived after the header.
    const char* pPayload;
    int nLength;
    // The header's length field as it came.
    int nDeclaredLength;
};

class CVoicePacket {
public:
    enum Type { KeepAlive = 0, Registration = 1, Voice = 2 };
    static const int HEADER_BYTES = 8;
    static const int MAX_PAYLOAD = 65535 - HEADER_BYTES;

    // The whole datagram; empty when the payload does not fit a 16-bit datagram size.
    static std::string Build(int nType, const void* pPayload, size_t nLength);
    // Reads a received datagram of nCount bytes. Missing header bytes of a short datagram read as
    // zeros, so an empty datagram is a keep-alive.
    static S_VOICE_PACKET Parse(const char* pData, int nCount);
    // Whether the whole payload that the header announces arrived.
    static bool IsComplete(const S_VOICE_PACKET& packet) { return packet.nLength == packet.nDeclaredLength; }
};
