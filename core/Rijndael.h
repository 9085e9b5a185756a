#pragma once
#include <cstdint>

// The Rijndael block cipher with 16-, 24- or 32-byte keys and blocks (AES is the 16-byte block
// case). Single blocks, and buffers of whole blocks in ECB, CBC or CFB mode whose chain block runs
// on from call to call until the next MakeKey. Misuse throws std::runtime_error with one of the
// fixed texts "Empty key", "Incorrect key length", "Incorrect block length",
// "Object not Initialized", "Data not multiple of Block Size".
class CRijndael {
public:
    enum { ECB = 0, CBC = 1, CFB = 2 };
    enum { MAX_ROUNDS = 14, MAX_BC = 8, MAX_KC = 8 };

    CRijndael();
    virtual ~CRijndael();

    void MakeKey(const char* key, const char* chain, int keyLength = 16, int blockSize = 16);
    void EncryptBlock(const char* in, char* result);
    void DecryptBlock(const char* in, char* result);
    // Any mode other than CBC and CFB runs as ECB.
    void Encrypt(const char* in, char* result, size_t n, int mode = ECB);
    void Decrypt(const char* in, char* result, size_t n, int mode = ECB);
    void Xor(char* buff, const char* chain);

private:
    void CheckInitialized() const;

    bool m_bKeyInit;
    uint32_t m_Ke[MAX_ROUNDS + 1][MAX_BC];
    uint32_t m_Kd[MAX_ROUNDS + 1][MAX_BC];
    int m_keylength;
    int m_blockSize;
    int m_iROUNDS;
    unsigned char m_chain0[32];
    unsigned char m_chain[32];
    uint32_t tk[MAX_KC];
    uint32_t a[MAX_BC];
    uint32_t t[MAX_BC];
};
