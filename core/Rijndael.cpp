#include "core/Rijndael.h"

#include <array>
#include <cstring>
#include <stdexcept>

namespace {

// The cipher's tables are generated at compile time from their definitions in GF(2^8) with the
// polynomial x^8 + x^4 + x^3 + x + 1, so no hand-copied constant can be wrong.
constexpr uint8_t XTime(uint8_t x) { return uint8_t((x << 1) ^ ((x & 0x80) ? 0x1B : 0)); }

constexpr uint8_t Mul(uint8_t a, uint8_t b)
{
    uint8_t r = 0;
    while (b) {
        if (b & 1) r ^= a;
        a = XTime(a);
        b >>= 1;
    }
    return r;
}

constexpr uint32_t Word(uint8_t b0, uint8_t b1, uint8_t b2, uint8_t b3)
{
    return (uint32_t(b0) << 24) | (uint32_t(b1) << 16) | (uint32_t(b2) << 8) | uint32_t(b3);
}

constexpr uint32_t RotR8(uint32_t w) { return (w >> 8) | (w << 24); }

struct Tables {
    std::array<uint8_t, 256> S{};
    std::array<uint8_t, 256> Si{};
    std::array<std::array<uint32_t, 256>, 4> Te{};   // encryption rounds: SubBytes + MixColumns
    std::array<std::array<uint32_t, 256>, 4> Td{};   // decryption rounds: InvSubBytes + InvMixColumns
    std::array<std::array<uint32_t, 256>, 4> U{};    // InvMixColumns alone, for round keys
    std::array<uint8_t, 30> rcon{};
};

constexpr Tables MakeTables()
{
    Tables t;
    // Multiplicative inverses through a generator (3): 3^i runs over every non-zero element.
    std::array<uint8_t, 256> expo{}, logt{};
    uint8_t x = 1;
    for (int i = 0; i < 255; ++i) {
        expo[i] = x;
        logt[x] = uint8_t(i);
        x = Mul(x, 3);
    }
    for (int v = 0; v < 256; ++v) {
        uint8_t inv = v == 0 ? 0 : expo[(255 - logt[v]) % 255];
        // Affine transform: b ^ rotl(b,1) ^ rotl(b,2) ^ rotl(b,3) ^ rotl(b,4) ^ 0x63.
        uint8_t s = inv;
        for (int k = 1; k <= 4; ++k)
            s ^= uint8_t((inv << k) | (inv >> (8 - k)));
        s ^= 0x63;
        t.S[v] = s;
        t.Si[s] = uint8_t(v);
    }
    for (int v = 0; v < 256; ++v) {
        uint8_t s = t.S[v], si = t.Si[v], b = uint8_t(v);
        uint32_t te = Word(Mul(s, 2), s, s, Mul(s, 3));
        uint32_t td = Word(Mul(si, 14), Mul(si, 9), Mul(si, 13), Mul(si, 11));
        uint32_t u = Word(Mul(b, 14), Mul(b, 9), Mul(b, 13), Mul(b, 11));
        for (int k = 0; k < 4; ++k) {
            t.Te[k][v] = te;
            t.Td[k][v] = td;
            t.U[k][v] = u;
            te = RotR8(te);
            td = RotR8(td);
            u = RotR8(u);
        }
    }
    uint8_t r = 1;
    for (size_t i = 0; i < t.rcon.size(); ++i) {
        t.rcon[i] = r;
        r = XTime(r);
    }
    return t;
}

constexpr Tables T = MakeTables();

// ShiftRows offsets of rows 1 to 3 by block size in words (4, 6, 8).
int ShiftOffset(int bc, int row)
{
    static const int kShifts[3][3] = {{1, 2, 3}, {1, 2, 3}, {1, 3, 4}};
    return kShifts[bc == 4 ? 0 : bc == 6 ? 1 : 2][row - 1];
}

uint32_t LoadWord(const char* p)
{
    const unsigned char* u = reinterpret_cast<const unsigned char*>(p);
    return Word(u[0], u[1], u[2], u[3]);
}

void StoreWord(char* p, uint32_t w)
{
    p[0] = char(w >> 24);
    p[1] = char(w >> 16);
    p[2] = char(w >> 8);
    p[3] = char(w);
}

uint32_t SubWord(uint32_t w)
{
    return Word(T.S[w >> 24], T.S[(w >> 16) & 0xFF], T.S[(w >> 8) & 0xFF], T.S[w & 0xFF]);
}

}  // namespace

CRijndael::CRijndael()
    : m_bKeyInit(false), m_Ke{}, m_Kd{}, m_keylength(0), m_blockSize(0), m_iROUNDS(0),
      m_chain0{}, m_chain{}, tk{}, a{}, t{}
{
}

CRijndael::~CRijndael() {}

void CRijndael::MakeKey(const char* key, const char* chain, int keylength, int blockSize)
{
    if (key == nullptr)
        throw std::runtime_error("Empty key");
    if (keylength != 16 && keylength != 24 && keylength != 32)
        throw std::runtime_error("Incorrect key length");
    if (blockSize != 16 && blockSize != 24 && blockSize != 32)
        throw std::runtime_error("Incorrect block length");

    m_keylength = keylength;
    m_blockSize = blockSize;
    if (chain != nullptr)
        std::memcpy(m_chain0, chain, size_t(blockSize));
    else
        std::memset(m_chain0, 0, sizeof(m_chain0));
    std::memcpy(m_chain, m_chain0, sizeof(m_chain));

    const int kc = keylength / 4;
    const int bc = blockSize / 4;
    m_iROUNDS = 6 + (kc > bc ? kc : bc);

    for (int i = 0; i < kc; ++i)
        tk[i] = LoadWord(key + 4 * i);

    // Key expansion one word at a time; word k belongs to round k / bc, column k % bc.
    const int total = (m_iROUNDS + 1) * bc;
    uint32_t w[(MAX_ROUNDS + 1) * MAX_BC];
    for (int k = 0; k < total; ++k) {
        if (k < kc) {
            w[k] = tk[k];
        } else {
            uint32_t temp = w[k - 1];
            if (k % kc == 0)
                temp = SubWord((temp << 8) | (temp >> 24)) ^ (uint32_t(T.rcon[k / kc - 1]) << 24);
            else if (kc > 6 && k % kc == 4)
                temp = SubWord(temp);
            w[k] = w[k - kc] ^ temp;
        }
        m_Ke[k / bc][k % bc] = w[k];
        m_Kd[m_iROUNDS - k / bc][k % bc] = w[k];
    }

    // The equivalent inverse cipher needs InvMixColumns on the inner decryption round keys.
    for (int r = 1; r < m_iROUNDS; ++r) {
        for (int j = 0; j < bc; ++j) {
            uint32_t tt = m_Kd[r][j];
            m_Kd[r][j] = T.U[0][tt >> 24] ^ T.U[1][(tt >> 16) & 0xFF] ^ T.U[2][(tt >> 8) & 0xFF] ^
                         T.U[3][tt & 0xFF];
        }
    }
    m_bKeyInit = true;
}

void CRijndael::CheckInitialized() const
{
    if (!m_bKeyInit)
        throw std::runtime_error("Object not Initialized");
}

void CRijndael::EncryptBlockAes(const char* in, char* result)
{
    uint32_t s[4], r[4];
    for (int i = 0; i < 4; ++i)
        s[i] = LoadWord(in + 4 * i) ^ m_Ke[0][i];
    for (int round = 1; round < m_iROUNDS; ++round) {
        for (int i = 0; i < 4; ++i)
            r[i] = T.Te[0][s[i] >> 24] ^ T.Te[1][(s[(i + 1) & 3] >> 16) & 0xFF] ^
                   T.Te[2][(s[(i + 2) & 3] >> 8) & 0xFF] ^ T.Te[3][s[(i + 3) & 3] & 0xFF] ^
                   m_Ke[round][i];
        std::memcpy(s, r, sizeof(s));
    }
    for (int i = 0; i < 4; ++i) {
        uint32_t v = Word(T.S[s[i] >> 24], T.S[(s[(i + 1) & 3] >> 16) & 0xFF],
                          T.S[(s[(i + 2) & 3] >> 8) & 0xFF], T.S[s[(i + 3) & 3] & 0xFF]);
        StoreWord(result + 4 * i, v ^ m_Ke[m_iROUNDS][i]);
    }
}

void CRijndael::DecryptBlockAes(const char* in, char* result)
{
    uint32_t s[4], r[4];
    for (int i = 0; i < 4; ++i)
        s[i] = LoadWord(in + 4 * i) ^ m_Kd[0][i];
    for (int round = 1; round < m_iROUNDS; ++round) {
        for (int i = 0; i < 4; ++i)
            r[i] = T.Td[0][s[i] >> 24] ^ T.Td[1][(s[(i + 3) & 3] >> 16) & 0xFF] ^
                   T.Td[2][(s[(i + 2) & 3] >> 8) & 0xFF] ^ T.Td[3][s[(i + 1) & 3] & 0xFF] ^
                   m_Kd[round][i];
        std::memcpy(s, r, sizeof(s));
    }
    for (int i = 0; i < 4; ++i) {
        uint32_t v = Word(T.Si[s[i] >> 24], T.Si[(s[(i + 3) & 3] >> 16) & 0xFF],
                          T.Si[(s[(i + 2) & 3] >> 8) & 0xFF], T.Si[s[(i + 1) & 3] & 0xFF]);
        StoreWord(result + 4 * i, v ^ m_Kd[m_iROUNDS][i]);
    }
}

// The same rounds for any block width, with the row shifts of that width.
void CRijndael::EncryptBlockGeneral(const char* in, char* result)
{
    const int bc = m_blockSize / 4;
    const int s1 = ShiftOffset(bc, 1), s2 = ShiftOffset(bc, 2), s3 = ShiftOffset(bc, 3);
    for (int i = 0; i < bc; ++i)
        t[i] = LoadWord(in + 4 * i) ^ m_Ke[0][i];
    for (int round = 1; round < m_iROUNDS; ++round) {
        for (int i = 0; i < bc; ++i)
            a[i] = T.Te[0][t[i] >> 24] ^ T.Te[1][(t[(i + s1) % bc] >> 16) & 0xFF] ^
                   T.Te[2][(t[(i + s2) % bc] >> 8) & 0xFF] ^ T.Te[3][t[(i + s3) % bc] & 0xFF] ^
                   m_Ke[round][i];
        std::memcpy(t, a, sizeof(uint32_t) * size_t(bc));
    }
    for (int i = 0; i < bc; ++i) {
        uint32_t v = Word(T.S[t[i] >> 24], T.S[(t[(i + s1) % bc] >> 16) & 0xFF],
                          T.S[(t[(i + s2) % bc] >> 8) & 0xFF], T.S[t[(i + s3) % bc] & 0xFF]);
        StoreWord(result + 4 * i, v ^ m_Ke[m_iROUNDS][i]);
    }
}

void CRijndael::DecryptBlockGeneral(const char* in, char* result)
{
    const int bc = m_blockSize / 4;
    const int s1 = bc - ShiftOffset(bc, 1), s2 = bc - ShiftOffset(bc, 2), s3 = bc - ShiftOffset(bc, 3);
    for (int i = 0; i < bc; ++i)
        t[i] = LoadWord(in + 4 * i) ^ m_Kd[0][i];
    for (int round = 1; round < m_iROUNDS; ++round) {
        for (int i = 0; i < bc; ++i)
            a[i] = T.Td[0][t[i] >> 24] ^ T.Td[1][(t[(i + s1) % bc] >> 16) & 0xFF] ^
                   T.Td[2][(t[(i + s2) % bc] >> 8) & 0xFF] ^ T.Td[3][t[(i + s3) % bc] & 0xFF] ^
                   m_Kd[round][i];
        std::memcpy(t, a, sizeof(uint32_t) * size_t(bc));
    }
    for (int i = 0; i < bc; ++i) {
        uint32_t v = Word(T.Si[t[i] >> 24], T.Si[(t[(i + s1) % bc] >> 16) & 0xFF],
                          T.Si[(t[(i + s2) % bc] >> 8) & 0xFF], T.Si[t[(i + s3) % bc] & 0xFF]);
        StoreWord(result + 4 * i, v ^ m_Kd[m_iROUNDS][i]);
    }
}

void CRijndael::EncryptBlock(const char* in, char* result)
{
    CheckInitialized();
    if (m_blockSize == 16)
        EncryptBlockAes(in, result);
    else
        EncryptBlockGeneral(in, result);
}

void CRijndael::DecryptBlock(const char* in, char* result)
{
    CheckInitialized();
    if (m_blockSize == 16)
        DecryptBlockAes(in, result);
    else
        DecryptBlockGeneral(in, result);
}

void CRijndael::Xor(char* buff, const char* chain)
{
    CheckInitialized();
    for (int i = 0; i < m_blockSize; ++i)
        buff[i] ^= chain[i];
}

void CRijndael::Encrypt(const char* in, char* result, size_t n, int mode)
{
    CheckInitialized();
    const size_t bs = size_t(m_blockSize);
    if (n == 0 || n % bs != 0)
        throw std::runtime_error("Data not multiple of Block Size");
    char* chain = reinterpret_cast<char*>(m_chain);
    for (size_t off = 0; off < n; off += bs) {
        if (mode == CBC) {
            Xor(chain, in + off);
            EncryptBlock(chain, result + off);
            std::memcpy(chain, result + off, bs);
        } else if (mode == CFB) {
            // The input may be the output buffer: keep the plaintext block before overwriting it.
            char block[32];
            std::memcpy(block, in + off, bs);
            EncryptBlock(chain, result + off);
            Xor(result + off, block);
            std::memcpy(chain, result + off, bs);
        } else {
            EncryptBlock(in + off, result + off);
        }
    }
}

void CRijndael::Decrypt(const char* in, char* result, size_t n, int mode)
{
    CheckInitialized();
    const size_t bs = size_t(m_blockSize);
    if (n == 0 || n % bs != 0)
        throw std::runtime_error("Data not multiple of Block Size");
    char* chain = reinterpret_cast<char*>(m_chain);
    for (size_t off = 0; off < n; off += bs) {
        // The ciphertext block becomes the next chain block; copy it first for in-place calls.
        char block[32];
        std::memcpy(block, in + off, bs);
        if (mode == CBC) {
            DecryptBlock(block, result + off);
            Xor(result + off, chain);
            std::memcpy(chain, block, bs);
        } else if (mode == CFB) {
            EncryptBlock(chain, result + off);
            Xor(result + off, block);
            std::memcpy(chain, block, bs);
        } else {
            DecryptBlock(block, result + off);
        }
    }
}
