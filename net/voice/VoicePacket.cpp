#include "net/voice/VoicePacket.h"

const int CVoicePacket::HEADER_BYTES;
const int CVoicePacket::MAX_PAYLOAD;

std::string CVoicePacket::Build(int nType, const void* pPayload, size_t nLength)
{
    if (nLength > (size_t)MAX_PAYLOAD || (nLength && !pPayload)) return std::string();
    std::string packet(HEADER_BYTES, '\0');
    packet[0] = (char)((nType >> 8) & 0xFF);
    packet[1] = (char)(nType & 0xFF);
    packet[6] = (char)((nLength >> 8) & 0xFF);
    packet[7] = (char)(nLength & 0xFF);
    if (nLength) packet.append((const char*)pPayload, nLength);
    return packet;
}

S_VOICE_PACKET CVoicePacket::Parse(const char* pData, int nCount)
{
    unsigned char header[HEADER_BYTES] = {0};
    for (int i = 0; pData && i < nCount && i < HEADER_BYTES; ++i) header[i] = (unsigned char)pData[i];
    S_VOICE_PACKET packet;
    packet.nType = (header[0] << 8) | header[1];
    packet.nDeclaredLength = (header[6] << 8) | header[7];
    int nArrived = nCount > HEADER_BYTES ? nCount - HEADER_BYTES : 0;
    packet.nLength = packet.nDeclaredLength < nArrived ? packet.nDeclaredLength : nArrived;
    packet.pPayload = nArrived ? pData + HEADER_BYTES : "";
    return packet;
}
