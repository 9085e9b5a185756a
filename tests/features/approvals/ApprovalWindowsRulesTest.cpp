// The rules of the approval window and the signature info dialog that need no window: the corner
// a press resizes from, and the file cipher.
#include <winsock2.h>

#include <gtest/gtest.h>

#include <string>

#include "features/approvals/ApprovalFileCipher.h"
#include "features/approvals/ApprovalWindows.h"
#include "tests/support/TestSupport.h"

namespace {

TEST(ApprovalWindow, PressesNearACornerResizeAndElsewhereDrag)
{
    const CRect rc(0, 0, 303, 244);
    const struct {
        int x, y;
        LRESULT hit;
    } cases[] = {{0, 0, HTTOPLEFT},       {9, 9, HTTOPLEFT},        {10, 9, HTCAPTION},   {300, 3, HTTOPRIGHT},
                 {3, 240, HTBOTTOMLEFT},  {295, 236, HTBOTTOMRIGHT}, {150, 3, HTCAPTION}, {150, 120, HTCAPTION}};
    for (const auto& c : cases)
        EXPECT_EQ(ApprovalWindowHitCode(CPoint(c.x, c.y), rc), c.hit) << c.x << "," << c.y;
}

std::string Hex(const std::string& bytes)
{
    static const char digits[] = "0123456789abcdef";
    std::string s;
    for (unsigned char b : bytes) {
        s += digits[b >> 4];
        s += digits[b & 15];
    }
    return s;
}

TEST(ApprovalFileCipher, Rc4WithTheMd5KeyOfThePassPhraseAndBack)
{
    std::string bytes = "signature 2027";
    ASSERT_EQ(ApprovalCipherBytes(bytes, true), APPROVAL_CIPHER_OK);
    // RC4 keyed with MD5 of the pass phrase's first four UTF-16 bytes, as computed independently.
    EXPECT_EQ(Hex(bytes), "c41e771078c31a1e8f9bcd638568");
    ASSERT_EQ(ApprovalCipherBytes(bytes, false), APPROVAL_CIPHER_OK);
    EXPECT_EQ(bytes, "signature 2027");
}

TEST(ApprovalFileCipher, FilesRoundTripAndAMissingSourceIsAReadError)
{
    zeltest::TempDir dir;
    std::string plain;
    for (int i = 0; i < 70000; ++i)
        plain += char(i * 7);
    ASSERT_TRUE(zeltest::WriteFileBytes(dir.File(L"sign.png"), plain));
    const CString src = dir.File(L"sign.png").c_str();
    EXPECT_EQ(ApprovalCipherDefaultName(src), src + L".CPR");
    ASSERT_EQ(ApprovalCipherFile(src, ApprovalCipherDefaultName(src), true), APPROVAL_CIPHER_OK);
    std::string encrypted, back;
    ASSERT_TRUE(zeltest::ReadFileBytes(dir.File(L"sign.png.CPR"), encrypted));
    EXPECT_EQ(encrypted.size(), plain.size());
    EXPECT_NE(encrypted, plain);
    ASSERT_EQ(ApprovalCipherFile(ApprovalCipherDefaultName(src), dir.File(L"back.png").c_str(), false), APPROVAL_CIPHER_OK);
    ASSERT_TRUE(zeltest::ReadFileBytes(dir.File(L"back.png"), back));
    EXPECT_EQ(back, plain);
    EXPECT_EQ(ApprovalCipherFile(dir.File(L"missing").c_str(), dir.File(L"x").c_str(), true), APPROVAL_CIPHER_READ_ERROR);
}

}  // namespace
