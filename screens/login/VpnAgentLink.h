#pragma once
// The datagrams of the local VPN agent: a command, enciphered and Base64-coded, sent over UDP to
// the agent on the loopback address, and its enciphered answer. The key of each exchange is
// derived from a random number that travels in clear with the request.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/CString.h"

const char kAgentHost[] = "127.0.0.1";
const int kAgentPort = 46435;

// Result codes of an exchange besides the agent's own (0 connected, -7 wrong ID or password).
const int AGENT_NO_ANSWER_TEXT = -1;   // empty reply text, or the request could not be sent
const int AGENT_TIMED_OUT = -300;
const int AGENT_WAIT_FAILED = -400;

// Letters, digits, '-', '_' and '.' as they are, a blank as '+', every other byte as "%XX".
std::string AgentUrlEncode(const std::string& bytes);
// The command text before enciphering: 1 log-in, 2, 3 status, 4 one-time password (the password
// argument then holds the one-time password's digits).
std::string BuildAgentCommandText(int nCommand, const CString& strUser, const CString& strPassword);
// The first 16 bytes of the SHA-256 digest of r written in decimal.
void DeriveAgentKey(int r, unsigned char* pKey, size_t nKeyLength);
// AES-128-CBC with a zero chain block. The agent's filling: the last block is filled up with
// bytes of the count added; a text of whole blocks gets none.
std::vector<uint8_t> AgentEncipher(const std::string& text, int r);
// Deciphers whole blocks and removes a valid filling (last byte N in 1..16, last N bytes N).
std::string AgentDecipher(const std::vector<uint8_t>& data, int r);

// "r=%d;alg=1;param=<Base64 of the enciphered command text>".
std::string BuildAgentRequest(int nCommand, const CString& strUser, const CString& strPassword, int r);
// The code after the last '=' of the deciphered reply text; AGENT_NO_ANSWER_TEXT when it is
// empty. Everything after the reply's first '=' is the Base64 text (all of it without one).
int ParseAgentReply(const std::string& strReply, int r);

// One request and its reply on a new UDP socket; the codes above.
int SendAgentCommand(const char* pszHost, int nPort, int nCommand, const CString& strUser,
                     const CString& strPassword, int nWaitSeconds);
