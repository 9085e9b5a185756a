#include "net/socket/TlsPeerCheck.h"

#include <winsock2.h>
#include <windows.h>
#include <wincrypt.h>

#include <openssl/evp.h>

#include <cstdio>

namespace {

std::string Hex(const unsigned char* p, size_t n)
{
    static const char kDigits[] = "0123456789abcdef";
    std::string out;
    out.reserve(n * 2);
    for (size_t i = 0; i < n; ++i) {
        out += kDigits[p[i] >> 4];
        out += kDigits[p[i] & 15];
    }
    return out;
}

std::wstring Widen(const std::string& s)
{
    if (s.empty()) return std::wstring();
    const int n = MultiByteToWideChar(CP_UTF8, 0, s.data(), (int)s.size(), nullptr, 0);
    std::wstring w((size_t)n, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, s.data(), (int)s.size(), &w[0], n);
    return w;
}

// The chain built from the system's trusted roots (the server's intermediates help), checked by
// the system's TLS server policy, which includes the server's name.
bool CheckWithSystemStore(const std::string& host, const std::vector<std::string>& chain, std::string& why)
{
    PCCERT_CONTEXT pLeaf = CertCreateCertificateContext(X509_ASN_ENCODING | PKCS_7_ASN_ENCODING,
                                                        (const BYTE*)chain[0].data(), (DWORD)chain[0].size());
    if (!pLeaf) {
        why = "the server certificate cannot be read";
        return false;
    }
    HCERTSTORE hExtra = CertOpenStore(CERT_STORE_PROV_MEMORY, 0, 0, CERT_STORE_CREATE_NEW_FLAG, nullptr);
    for (size_t i = 1; hExtra && i < chain.size(); ++i)
        CertAddEncodedCertificateToStore(hExtra, X509_ASN_ENCODING | PKCS_7_ASN_ENCODING, (const BYTE*)chain[i].data(),
                                         (DWORD)chain[i].size(), CERT_STORE_ADD_USE_EXISTING, nullptr);
    LPSTR usages[] = {(LPSTR)szOID_PKIX_KP_SERVER_AUTH};
    CERT_CHAIN_PARA para = {};
    para.cbSize = sizeof para;
    para.RequestedUsage.dwType = USAGE_MATCH_TYPE_OR;
    para.RequestedUsage.Usage.cUsageIdentifier = 1;
    para.RequestedUsage.Usage.rgpszUsageIdentifier = usages;
    PCCERT_CHAIN_CONTEXT pChain = nullptr;
    bool bTrusted = false;
    if (!CertGetCertificateChain(nullptr, pLeaf, nullptr, hExtra, &para, 0, nullptr, &pChain) || !pChain) {
        why = "no certificate chain (" + std::to_string(GetLastError()) + ")";
    } else {
        std::wstring wHost = Widen(host);
        HTTPSPolicyCallbackData https = {};
        https.cbStruct = sizeof https;
        https.dwAuthType = AUTHTYPE_SERVER;
        https.pwszServerName = &wHost[0];
        CERT_CHAIN_POLICY_PARA policy = {};
        policy.cbSize = sizeof policy;
        policy.pvExtraPolicyPara = &https;
        CERT_CHAIN_POLICY_STATUS status = {};
        status.cbSize = sizeof status;
        if (!CertVerifyCertificateChainPolicy(CERT_CHAIN_POLICY_SSL, pChain, &policy, &status))
            why = "the chain policy could not be checked (" + std::to_string(GetLastError()) + ")";
        else if (status.dwError != 0) {
            char text[64];
            std::snprintf(text, sizeof text, "not trusted by the system (0x%08lX)", (unsigned long)status.dwError);
            why = text;
        } else {
            bTrusted = true;
        }
        CertFreeCertificateChain(pChain);
    }
    if (hExtra) CertCloseStore(hExtra, 0);
    CertFreeCertificateContext(pLeaf);
    return bTrusted;
}

}  // namespace

std::string Sha256HexOf(const std::string& bytes)
{
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int n = 0;
    if (EVP_Digest(bytes.data(), bytes.size(), digest, &n, EVP_sha256(), nullptr) != 1) return std::string();
    return Hex(digest, n);
}

std::string NormaliseFingerprint(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c >= '0' && c <= '9')
            out += c;
        else if (c >= 'a' && c <= 'f')
            out += c;
        else if (c >= 'A' && c <= 'F')
            out += (char)(c - 'A' + 'a');
        else if (c != ':' && c != ' ' && c != '\t' && c != '-')
            return std::string();
    }
    return out;
}

bool CheckTlsPeer(const TlsPeerPolicy& policy, const std::string& host, const std::vector<std::string>& chain,
                  std::string& why)
{
    why.clear();
    if (policy.mode == TlsPeerPolicy::VERIFY_NONE) return true;
    if (chain.empty() || chain[0].empty()) {
        why = "the server sent no certificate";
        return false;
    }
    if (policy.mode == TlsPeerPolicy::VERIFY_PIN) {
        const std::string pinned = NormaliseFingerprint(policy.pinnedSha256);
        if (pinned.size() != 64) {
            why = "the pinned fingerprint is not a SHA-256 value";
            return false;
        }
        if (Sha256HexOf(chain[0]) == pinned) return true;
        why = "the server certificate is not the pinned one";
        return false;
    }
    return CheckWithSystemStore(host, chain, why);
}
