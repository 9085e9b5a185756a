#include <winsock2.h>

#include "screens/login/VpnAgentLink.h"

#include <windows.h>

#include <openssl/sha.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

#include "core/Base64.h"
#include "core/Rijndael.h"
#include "platform/StringConversion.h"

namespace {

std::string ToUtf8(const CString& text)
{
    return zel::ToMultiByteString(text.GetString(), text.GetLength(), CP_UTF8);
}

// Runs the cipher over whole blocks; the texts are sized to what they hold, so no user name or
// password is too long for them.
std::vector<uint8_t> RunCipher(const std::vector<uint8_t>& in, int r, bool bEncrypt)
{
    std::vector<uint8_t> out(in.size());
    if (in.empty()) return out;
    unsigned char key[16];
    DeriveAgentKey(r, key, sizeof(key));
    const char chain[16] = {};
    CRijndael aes;
    aes.MakeKey(reinterpret_cast<const char*>(key), chain, 16, 16);
    if (bEncrypt)
        aes.Encrypt(reinterpret_cast<const char*>(in.data()), reinterpret_cast<char*>(out.data()), in.size(),
                    CRijndael::CBC);
    else
        aes.Decrypt(reinterpret_cast<const char*>(in.data()), reinterpret_cast<char*>(out.data()), in.size(),
                    CRijndael::CBC);
    return out;
}

}  // namespace

std::string AgentUrlEncode(const std::string& bytes)
{
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : bytes) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
            c == '.') {
            out += (char)c;
        } else if (c == ' ') {
            out += '+';
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
    return out;
}

std::string BuildAgentCommandText(int nCommand, const CString& strUser, const CString& strPassword)
{
    const std::string user = AgentUrlEncode(ToUtf8(strUser));
    char number[16];
    std::snprintf(number, sizeof(number), "%d", nCommand);
    switch (nCommand) {
    case 1:
        return std::string("cmd=") + number + ";user=" + user + ";pwd=" + AgentUrlEncode(ToUtf8(strPassword));
    case 4: {
        char otp[16];
        std::snprintf(otp, sizeof(otp), "%d", std::atoi(ToUtf8(strPassword).c_str()));
        return std::string("cmd=") + number + ";user=" + user + ";otp=" + otp + ";flogin=Y";
    }
    default:
        return std::string("cmd=") + number;
    }
}

void DeriveAgentKey(int r, unsigned char* pKey, size_t nKeyLength)
{
    char text[16];
    const int n = std::snprintf(text, sizeof(text), "%d", r);
    unsigned char digest[SHA256_DIGEST_LENGTH];
    SHA256(reinterpret_cast<const unsigned char*>(text), (size_t)n, digest);
    std::memcpy(pKey, digest, nKeyLength < sizeof(digest) ? nKeyLength : sizeof(digest));
}

std::vector<uint8_t> AgentEncipher(const std::string& text, int r)
{
    std::vector<uint8_t> plain(text.begin(), text.end());
    const size_t rest = plain.size() % 16;
    if (rest != 0) plain.insert(plain.end(), 16 - rest, (uint8_t)(16 - rest));
    return RunCipher(plain, r, true);
}

std::string AgentDecipher(const std::vector<uint8_t>& data, int r)
{
    std::vector<uint8_t> whole(data.begin(), data.begin() + (data.size() - data.size() % 16));
    std::vector<uint8_t> plain = RunCipher(whole, r, false);
    if (!plain.empty()) {
        const uint8_t n = plain.back();
        bool bFilled = n >= 1 && n <= 16 && n <= plain.size();
        for (size_t i = 0; bFilled && i < n; ++i) bFilled = plain[plain.size() - 1 - i] == n;
        if (bFilled) plain.resize(plain.size() - n);
    }
    return std::string(plain.begin(), plain.end());
}

std::string BuildAgentRequest(int nCommand, const CString& strUser, const CString& strPassword, int r)
{
    const std::vector<uint8_t> sealed = AgentEncipher(BuildAgentCommandText(nCommand, strUser, strPassword), r);
    char head[48];
    std::snprintf(head, sizeof(head), "r=%d;alg=%d;param=", r, 1);
    return head + Base64Encode(sealed.data(), sealed.size());
}

int ParseAgentReply(const std::string& strReply, int r)
{
    const size_t eq = strReply.find('=');
    const std::string coded = eq == std::string::npos ? strReply : strReply.substr(eq + 1);
    size_t n = 0;
    unsigned char* bytes = Base64Decode(coded.c_str(), coded.size(), &n);
    std::vector<uint8_t> data;
    if (bytes) {
        data.assign(bytes, bytes + n);
        std::free(bytes);
    }
    const std::string text = AgentDecipher(data, r);
    // The deciphered text ends at its first 0 byte, as the agent's C string does.
    const std::string reply = text.substr(0, text.find('\0'));
    if (reply.empty()) return AGENT_NO_ANSWER_TEXT;
    const size_t last = reply.rfind('=');
    return std::atoi(reply.c_str() + (last == std::string::npos ? 0 : last + 1));
}

int SendAgentCommand(const char* pszHost, int nPort, int nCommand, const CString& strUser,
                     const CString& strPassword, int nWaitSeconds)
{
    WSADATA wsa;
    if (::WSAStartup(MAKEWORD(2, 2), &wsa) != 0) return AGENT_NO_ANSWER_TEXT;
    static std::mt19937 random(std::random_device{}());
    const int r = (int)(random() % 32768);
    const std::string request = BuildAgentRequest(nCommand, strUser, strPassword, r);
    int nResult = AGENT_NO_ANSWER_TEXT;
    SOCKET s = ::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    if (s != INVALID_SOCKET) {
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_port = htons((u_short)nPort);
        to.sin_addr.s_addr = ::inet_addr(pszHost);
        if (::sendto(s, request.data(), (int)request.size(), 0, reinterpret_cast<sockaddr*>(&to), sizeof(to)) ==
            (int)request.size()) {
            fd_set readable;
            FD_ZERO(&readable);
            FD_SET(s, &readable);
            timeval wait{ nWaitSeconds, 0 };
            const int ready = ::select(0, &readable, nullptr, nullptr, &wait);
            if (ready < 0) {
                nResult = AGENT_WAIT_FAILED;
            } else if (ready == 0) {
                nResult = AGENT_TIMED_OUT;
            } else {
                // The agent answers in at most 511 bytes; a larger datagram is taken whole rather
                // than cut.
                std::vector<char> buffer(65536);
                const int got = ::recv(s, buffer.data(), (int)buffer.size(), 0);
                nResult = ParseAgentReply(got > 0 ? std::string(buffer.data(), (size_t)got) : std::string(), r);
            }
        }
        ::closesocket(s);
    }
    ::WSACleanup();
    return nResult;
}
