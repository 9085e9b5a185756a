// The login window's decisions that need no window: refusal texts, server settings, reply
// values, the saved password's key, the VPN agent's datagrams and the sign-on page text.
#include <winsock2.h>
#include <windows.h>

#include <gtest/gtest.h>
#include <openssl/evp.h>

#include <atomic>
#include <thread>

#include "core/Base64.h"
#include "platform/Profile.h"
#include "resources/resource.h"
#include "screens/login/LoginRules.h"
#include "screens/login/SavedLogin.h"
#include "screens/login/SingleSignOn.h"
#include "screens/login/VpnAgentLink.h"
#include "tests/screens/login/FakeAgent.h"
#include "tests/screens/login/LoginTestSupport.h"

using namespace logintest;

namespace {

class LoginTextTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_pResources = new ResourceLibrary(L"Res_Kor.dll"); }
    static void TearDownTestSuite()
    {
        delete s_pResources;
        s_pResources = nullptr;
    }
    static ResourceLibrary* s_pResources;
};
ResourceLibrary* LoginTextTest::s_pResources = nullptr;

TEST_F(LoginTextTest, RefusalTextsByStatus)
{
    ASSERT_NE(s_pResources->Module(), nullptr);
    Json::Value locked;
    locked["loginFailMaxCount"] = 5;
    locked["loginFailRetryTime"] = 600;
    locked["loginFailCount"] = 3;
    CString text;
    text.Format(IDS_LOGIN_LOCKED, 5, 10);
    EXPECT_STREQ(LoginFailureText(18, locked), text);
    EXPECT_NE(text.Find(L"5"), -1);
    EXPECT_NE(text.Find(L"10"), -1);
    // Retry time as text, and seconds that are not whole minutes.
    locked["loginFailRetryTime"] = "119";
    text.Format(IDS_LOGIN_LOCKED, 5, 1);
    EXPECT_STREQ(LoginFailureText(18, locked), text);

    struct { int status; UINT id; } plain[] = { { 16, IDS_LOGIN_WRONG_PASSWORD }, { 100, IDS_LOGIN_NO_USER },
                                                { 104, IDS_LOGIN_NO_USER }, { 106, IDS_LOGIN_NOT_ALLOWED } };
    for (const auto& c : plain) {
        CString expected;
        expected.LoadString(c.id);
        EXPECT_FALSE(expected.IsEmpty());
        EXPECT_STREQ(LoginFailureText(c.status, Json::Value()), expected) << c.status;
    }
    for (int status : { 23, 1, 105 }) {
        CString expected;
        expected.Format(IDS_LOGIN_FAILED_STATUS, status);
        EXPECT_STREQ(LoginFailureText(status, Json::Value("not an object")), expected) << status;
    }
}

TEST_F(LoginTextTest, SocketErrorTexts)
{
    struct { int code; UINT id; } cases[] = { { 10060, IDS_SOCKET_TIMEOUT }, { 10061, IDS_SOCKET_TIMEOUT },
                                              { 9999, IDS_SOCKET_LOST }, { 10054, IDS_SOCKET_OTHER },
                                              { 5, IDS_SOCKET_OTHER } };
    for (const auto& c : cases) {
        CString expected;
        expected.LoadString(c.id);
        EXPECT_STREQ(LoginSocketErrorText(c.code), expected) << c.code;
    }
}

TEST(LoginRules, ServerSettingsUsable)
{
    const SServerPair ok{ L"10.0.0.1", 16302 };
    struct Case { SServerPair zel, tms, tpc; bool usable; } cases[] = {
        { ok, ok, ok, true },
        { ok, { L"10.0.0.1", 0 }, ok, false },
        { { L"", 16302 }, ok, ok, false },
        { ok, ok, { L"0.0.0.0", 16301 }, false },
        { { L" 0.0.0.0", 16302 }, ok, ok, true },   // exact comparison only
        { ok, ok, { L"10.0.0.1", 0 }, false },
    };
    for (size_t i = 0; i < sizeof(cases) / sizeof(cases[0]); ++i)
        EXPECT_EQ(ServerSettingsUsable(cases[i].zel, cases[i].tms, cases[i].tpc), cases[i].usable) << i;
}

TEST(LoginRules, ReplyFlags)
{
    EXPECT_TRUE(CrashUploadUsesHttps("https://host/upload"));
    EXPECT_TRUE(CrashUploadUsesHttps("HTTPS://HOST/upload"));
    EXPECT_TRUE(CrashUploadUsesHttps("see https://host"));
    EXPECT_FALSE(CrashUploadUsesHttps("http://host/upload"));
    EXPECT_FALSE(CrashUploadUsesHttps(""));
    EXPECT_TRUE(LoginReplyOffersUpgrade("true", "http://x/setup.exe"));
    EXPECT_FALSE(LoginReplyOffersUpgrade("True", "http://x/setup.exe"));
    EXPECT_FALSE(LoginReplyOffersUpgrade("true", ""));
    EXPECT_FALSE(LoginReplyOffersUpgrade("false", "http://x/setup.exe"));
}

TEST(LoginRules, TypedPasswordIgnoresTheHintAndAnEmptyBox)
{
    EXPECT_STREQ(NextTypedPassword(L"", L"abc", L"비밀번호"), L"abc");
    EXPECT_STREQ(NextTypedPassword(L"abc", L"", L"비밀번호"), L"abc");
    EXPECT_STREQ(NextTypedPassword(L"abc", L"비밀번호", L"비밀번호"), L"abc");
    EXPECT_STREQ(NextTypedPassword(L"abc", L"PASSWORD", L"Password"), L"abc");
    EXPECT_STREQ(NextTypedPassword(L"abc", L"abcd", L"Password"), L"abcd");
}

class SavedLoginTest : public ::testing::Test {
protected:
    void SetUp() override { ClearSavedLogin(); }
    void TearDown() override { ClearSavedLogin(); }
};

TEST_F(SavedLoginTest, WrittenByTheBoxesAndClearedWhole)
{
    EXPECT_TRUE(WriteSavedLogin(TRUE, TRUE, L"G1", L"kim", L"1234"));
    SSavedLogin saved = ReadSavedLogin();
    EXPECT_EQ(saved.nSaveId, 1);
    EXPECT_STREQ(saved.strGroupCode, L"G1");
    EXPECT_STREQ(saved.strLastId, L"kim");
    EXPECT_EQ(saved.nAutoLogin, 1);
    EXPECT_EQ(saved.strKey.GetLength(), 32) << "a short password keeps the one-block key";
    EXPECT_STREQ(ReadSavedKey(saved.strKey), L"1234");
    EXPECT_TRUE(IsAutoLoginSaved());

    EXPECT_FALSE(WriteSavedLogin(FALSE, FALSE, L"G1", L"kim", L"1234"));
    saved = ReadSavedLogin();
    EXPECT_EQ(saved.nSaveId, 0);
    EXPECT_TRUE(saved.strLastId.IsEmpty());
    EXPECT_TRUE(saved.strGroupCode.IsEmpty());
    EXPECT_TRUE(saved.strKey.IsEmpty());

    WriteSavedLogin(TRUE, TRUE, L"G1", L"kim", L"1234");
    ClearSavedLogin();
    saved = ReadSavedLogin();
    EXPECT_EQ(saved.nSaveId + saved.nAutoLogin, 0);
    EXPECT_TRUE(saved.strLastId.IsEmpty() && saved.strKey.IsEmpty() && saved.strGroupCode.IsEmpty());
    EXPECT_FALSE(IsAutoLoginSaved());
}

TEST_F(SavedLoginTest, PasswordsOfSixteenBytesAndMoreComeBackWhole)
{
    for (const wchar_t* password : { L"123456789012345", L"1234567890123456", L"LongPassword-2026!ab",
                                     L"a-password-of-forty-bytes-exactly-here!!" }) {
        ASSERT_TRUE(WriteSavedLogin(TRUE, TRUE, L"", L"kim", password)) << password;
        EXPECT_STREQ(ReadSavedKey(ReadSavedLogin().strKey), password);
    }
}

TEST_F(SavedLoginTest, PasswordTheKeyCannotHoldIsNotSaved)
{
    // Characters outside the ANSI code page would come back as '?': no key, no automatic login,
    // but the ID is still remembered.
    EXPECT_FALSE(WriteSavedLogin(TRUE, TRUE, L"", L"kim", L"\u4e2d\u6587\u0416\u2603"));
    const SSavedLogin saved = ReadSavedLogin();
    EXPECT_EQ(saved.nSaveId, 1);
    EXPECT_STREQ(saved.strLastId, L"kim");
    EXPECT_EQ(saved.nAutoLogin, 0);
    EXPECT_TRUE(saved.strKey.IsEmpty());
}

TEST_F(SavedLoginTest, DamagedKeyGivesNoPassword)
{
    EXPECT_TRUE(ReadSavedKey(L"").IsEmpty());
    EXPECT_TRUE(ReadSavedKey(L"12AB").IsEmpty());
    EXPECT_TRUE(ReadSavedKey(L"ZZ000000000000000000000000000000").IsEmpty());
}

// AES-128-CBC with a zero chain block and no filling of its own, by OpenSSL.
std::vector<uint8_t> OpenSslDecrypt(const std::vector<uint8_t>& data, int r)
{
    unsigned char key[16];
    DeriveAgentKey(r, key, 16);
    unsigned char iv[16] = {};
    EVP_CIPHER_CTX* ctx = EVP_CIPHER_CTX_new();
    EVP_DecryptInit_ex(ctx, EVP_aes_128_cbc(), nullptr, key, iv);
    EVP_CIPHER_CTX_set_padding(ctx, 0);
    std::vector<uint8_t> out(data.size() + 16);
    int n = 0, m = 0;
    EVP_DecryptUpdate(ctx, out.data(), &n, data.data(), (int)data.size());
    EVP_DecryptFinal_ex(ctx, out.data() + n, &m);
    EVP_CIPHER_CTX_free(ctx);
    out.resize((size_t)(n + m));
    return out;
}

TEST(VpnAgentLink, KeyIsTheDigestOfTheDecimalNumber)
{
    unsigned char key[16];
    DeriveAgentKey(0, key, 16);
    // SHA-256("0") = 5feceb66ffc86f38d952786c6d696c79...
    const unsigned char expected[16] = { 0x5f, 0xec, 0xeb, 0x66, 0xff, 0xc8, 0x6f, 0x38,
                                         0xd9, 0x52, 0x78, 0x6c, 0x6d, 0x69, 0x6c, 0x79 };
    EXPECT_EQ(memcmp(key, expected, 16), 0);
}

TEST(VpnAgentLink, FillingFollowsTheAgent)
{
    const int r = 12345;
    const std::string sixteen = "cmd=3;user=ab.cd";
    ASSERT_EQ(sixteen.size(), 16u);
    std::vector<uint8_t> sealed = AgentEncipher(sixteen, r);
    ASSERT_EQ(sealed.size(), 16u) << "a whole block gets no filling";
    std::vector<uint8_t> plain = OpenSslDecrypt(sealed, r);
    EXPECT_EQ(std::string(plain.begin(), plain.end()), sixteen);

    const std::string seventeen = sixteen + "e";
    sealed = AgentEncipher(seventeen, r);
    ASSERT_EQ(sealed.size(), 32u);
    plain = OpenSslDecrypt(sealed, r);
    EXPECT_EQ(std::string(plain.begin(), plain.begin() + 17), seventeen);
    for (size_t i = 17; i < 32; ++i) EXPECT_EQ(plain[i], 15) << i;
    EXPECT_EQ(AgentDecipher(sealed, r), seventeen);
}

TEST(VpnAgentLink, CommandTextsAreUrlEncoded)
{
    EXPECT_EQ(AgentUrlEncode("a b;c-_.Z9"), "a+b%3Bc-_.Z9");
    EXPECT_EQ(AgentUrlEncode("\xED\x99\x8D"), "%ED%99%8D");
    EXPECT_EQ(BuildAgentCommandText(1, L"kim", L"pa ss;"), "cmd=1;user=kim;pwd=pa+ss%3B");
    EXPECT_EQ(BuildAgentCommandText(3, L"kim", L"x"), "cmd=3");
    EXPECT_EQ(BuildAgentCommandText(4, L"kim", L"0042"), "cmd=4;user=kim;otp=42;flogin=Y");
}

TEST(VpnAgentLink, RequestCarriesTheNumberAndTheSealedCommand)
{
    const std::string request = BuildAgentRequest(1, L"kim", L"1234", 777);
    const std::string head = "r=777;alg=1;param=";
    ASSERT_EQ(request.compare(0, head.size(), head), 0) << request;
    const std::string coded = request.substr(head.size());
    size_t n = 0;
    unsigned char* bytes = Base64Decode(coded.c_str(), coded.size(), &n);
    ASSERT_NE(bytes, nullptr);
    const std::vector<uint8_t> sealed(bytes, bytes + n);
    free(bytes);
    EXPECT_EQ(AgentDecipher(sealed, 777), "cmd=1;user=kim;pwd=1234");
}

TEST(VpnAgentLink, RepliesGiveTheCodeAfterTheLastEquals)
{
    EXPECT_EQ(ParseAgentReply(SealedReply("status=0", 5), 5), 0);
    EXPECT_EQ(ParseAgentReply(SealedReply("a=1;code=-7", 5), 5), -7);
    // Without '=' the whole datagram is the Base64 text (three blocks: no Base64 padding).
    const std::string unpadded = SealedReply(std::string(33, 'x') + "code=12", 9, "");
    ASSERT_EQ(unpadded.find('='), std::string::npos);
    EXPECT_EQ(ParseAgentReply(unpadded, 9), 12);
    EXPECT_EQ(ParseAgentReply("", 5), AGENT_NO_ANSWER_TEXT);
    EXPECT_EQ(ParseAgentReply("result=", 5), AGENT_NO_ANSWER_TEXT);
    EXPECT_EQ(ParseAgentReply("result=%%%", 5), AGENT_NO_ANSWER_TEXT);
}

TEST(VpnAgentLink, LongNamesAndPasswordsAreNotCut)
{
    const CString user(L"an-employee-with-a-very-long-directory-name-that-goes-on-and-on");
    const CString password(L"and-a-password-longer-than-any-fixed-buffer-of-eighty-bytes-would-hold!!");
    const std::string request = BuildAgentRequest(1, user, password, 31000);
    size_t n = 0;
    const std::string coded = request.substr(request.find("param=") + 6);
    unsigned char* bytes = Base64Decode(coded.c_str(), coded.size(), &n);
    ASSERT_NE(bytes, nullptr);
    const std::vector<uint8_t> sealed(bytes, bytes + n);
    free(bytes);
    EXPECT_GT(sealed.size(), 80u);
    EXPECT_EQ(AgentDecipher(sealed, 31000), BuildAgentCommandText(1, user, password));
    const std::string longReply(200, 'x');
    EXPECT_EQ(ParseAgentReply(SealedReply(longReply + "=3", 77), 77), 3);
}

TEST(VpnAgentLink, OneExchangeWithTheAgent)
{
    {
        FakeAgent agent(0);
        EXPECT_EQ(SendAgentCommand("127.0.0.1", agent.Port(), 1, L"kim", L"1 2", 5), 0);
        EXPECT_EQ(agent.Received().compare(0, 2, "r="), 0);
    }
    {
        FakeAgent agent(-7);
        EXPECT_EQ(SendAgentCommand("127.0.0.1", agent.Port(), 1, L"kim", L"bad", 5), -7);
    }
    {
        FakeAgent agent(0, false);
        EXPECT_EQ(SendAgentCommand("127.0.0.1", agent.Port(), 3, L"kim", L"", 1), AGENT_TIMED_OUT);
    }
}

TEST(SingleSignOn, PageTextGivesTheFlagAndTheEmployeeNumber)
{
    struct Case { const wchar_t* body; bool found; const wchar_t* isLogin; const wchar_t* empId; } cases[] = {
        { L"<body>isLogin=success&emp_id=20931</body>", true, L"success", L"20931</body>" },
        { L" isLogin=success&emp_id=20931", true, L"success", L"20931" },
        { L" isLogin=fail&emp_id=", true, L"fail", L"" },
        { L" isLogin=success&emp_id=7&x=1", true, L"success", L"7" },
        { L"isLogin=success&emp_id=7", false, L"", L"" },   // at the very start it is not taken
        { L"nothing here", false, L"", L"" },
    };
    for (const Case& c : cases) {
        const SSsoPageResult page = ParseSsoPageText(c.body);
        EXPECT_EQ(page.bFound, c.found) << c.body;
        EXPECT_STREQ(page.strIsLogin, c.isLogin) << c.body;
        EXPECT_STREQ(page.strEmpId, c.empId) << c.body;
    }
}

TEST(SingleSignOn, SettingsComeFromTheSsoSection)
{
    zeltest::TempDir dir;
    const std::wstring ini = dir.File(L"setting.ini");
    WritePrivateProfileStringW(L"SSO", L"type", L"1", ini.c_str());
    WritePrivateProfileStringW(L"SSO", L"use", L"1", ini.c_str());
    WritePrivateProfileStringW(L"SSO", L"tokenid", L"T-77", ini.c_str());
    CPentaSec sec;
    sec.m_nUseLogout = 4;
    sec.Load(ini.c_str());
    EXPECT_EQ(sec.m_nType, 1);
    EXPECT_EQ(sec.m_nUse, 1);
    EXPECT_STREQ(sec.m_strTokenId, L"T-77");
    EXPECT_EQ(sec.m_nUseLogout, 4) << "a missing key keeps its value";
}

}  // namespace
