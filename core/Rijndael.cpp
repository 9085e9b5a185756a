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

// ShiftRows offsets of rows 1 to 3 by block size in words (4, 6, 8); decryption shifts by the
// block size minus these.
void ShiftOffsets(int bc, bool inverse, int shifts[3])
{
    static const int kShifts[3][3] = {{1, 2, 3}, {1, 2, 3}, {1, 3, 4}};
    const int* row = kShifts[bc == 4 ? 0 : bc == 6 ? 1 : 2];
    for (int i = 0; i < 3; ++i)
        shifts[i] = inverse ? bc - row[i] : row[i];
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

typedef std::array<std::array<uint32_t, 256>, 4> RoundTables;

// The rounds of one block, encryption or (with the inverse tables, S-box, shifts and the
// decryption round keys) the equivalent inverse cipher. BC fixes the width at 4 words for the
// AES routine; 0 takes bc at run time for the general Rijndael routine.
template <int BC>
void RunRounds(const uint32_t (*keys)[CRijndael::MAX_BC], int rounds, int bcRuntime, bool inverse,
               const RoundTables& tab, const std::array<uint8_t, 256>& box, const char* in,
               char* result, uint32_t* t, uint32_t* a)
{
    const int bc = BC ? BC : bcRuntime;
    int sh[3];
    ShiftOffsets(bc, inverse, sh);
    for (int i = 0; i < bc; ++i)
        t[i] = LoadWord(in + 4 * i) ^ keys[0][i];
    for (int round = 1; round < rounds; ++round) {
        for (int i = 0; i < bc; ++i)
            a[i] = tab[0][t[i] >> 24] ^ tab[1][(t[(i + sh[0]) % bc] >> 16) & 0xFF] ^
                   tab[2][(t[(i + sh[1]) % bc] >> 8) & 0xFF] ^ tab[3][t[(i + sh[2]) % bc] & 0xFF] ^
                   keys[round][i];
        std::memcpy(t, a, sizeof(uint32_t) * size_t(bc));
    }
    for (int i = 0; i < bc; ++i) {
        const uint32_t v = Word(box[t[i] >> 24], box[(t[(i + sh[0]) % bc] >> 16) & 0xFF],
                                box[(t[(i + sh[1]) % bc] >> 8) & 0xFF], box[t[(i + sh[2]) % bc] & 0xFF]);
        StoreWord(result + 4 * i, v ^ keys[rounds][i]);
    }
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

void CRijndael::EncryptBlock(const char* in, char* result)
{
    CheckInitialized();
    if (m_blockSize == 16)
        RunRounds<4>(m_Ke, m_iROUNDS, 4, false, T.Te, T.S, in, result, t, a);
    else
        RunRounds<0>(m_Ke, m_iROUNDS, m_blockSize / 4, false, T.Te, T.S, in, result, t, a);
}

void CRijndael::DecryptBlock(const char* in, char* result)
{
    CheckInitialized();
    if (m_blockSize == 16)
        RunRounds<4>(m_Kd, m_iROUNDS, 4, true, T.Td, T.Si, in, result, t, a);
    else
        RunRounds<0>(m_Kd, m_iROUNDS, m_blockSize / 4, true, T.Td, T.Si, in, result, t, a);
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
