#pragma once
// Whether a TLS client trusts the server it reached. By default it does not check: organisations
// run their servers with self-signed certificates, and a client that refused them would not
// connect at all. Verification is turned on per installation: against the system's trusted roots
// (with the server's name), or against one pinned SHA-256 fingerprint of the server certificate.
#include <string>
#include <vector>

struct TlsPeerPolicy {
    enum Mode { VERIFY_NONE = 0, VERIFY_SYSTEM = 1, VERIFY_PIN = 2 };
    Mode mode = VERIFY_NONE;
    // Hex, any case, with or without ':' or blanks between the bytes.
    std::string pinnedSha256;
};

// The code a TLS socket reports to its connect callback when its policy refuses the server.
constexpr int kTlsPeerRejectedError = -101;

// Lower-case hex of the SHA-256 of the bytes (a DER certificate).
std::string Sha256HexOf(const std::string& bytes);
// Lower-case hex digits only; empty when the text holds anything but hex digits and separators.
std::string NormaliseFingerprint(const std::string& text);
// True when the policy accepts the server: 'chain' is the certificates it sent, DER, its own
// first; 'host' the name or address connected to. 'why' says what was refused.
bool CheckTlsPeer(const TlsPeerPolicy& policy, const std::string& host, const std::vector<std::string>& chain,
                  std::string& why);
