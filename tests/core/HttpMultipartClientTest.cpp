#include <gtest/gtest.h>

#include "core/HttpMultipartClient.h"
#include "tests/core/CoreTestHelpers.h"

namespace {

const char kBoundary[] = "----HC-MPFD-BOUNDARY";

class Upload : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_server.Start()); }
    DWORD Open(CHttpMultipartClient& client)
    {
        return client.Open(L"ZEL", L"127.0.0.1", (INTERNET_PORT)m_server.Port());
    }
    std::wstring MakeFile(const std::wstring& name, const std::string& bytes)
    {
        std::wstring path = m_dir.File(name);
        zeltest::WriteFileBytes(path, bytes);
        return path;
    }
    coretest::HttpFixture m_server;
    zeltest::TempDir m_dir;
};

TEST_F(Upload, FieldsGoOutAsExactMultipartBytesWithTheirLength)
{
    CHttpMultipartClient client;
    client.SetCodePage(CP_UTF8);
    ASSERT_EQ(Open(client), 0u);
    ASSERT_EQ(client.AddField(L"a", L"1"), 0u);
    ASSERT_EQ(client.AddField(L"b", L"2"), 0u);
    DWORD status = 0;
    LPWSTR text = nullptr;
    ASSERT_EQ(client.Post(L"/brindlecast/rest/fileRestService/upload", nullptr, nullptr, &text, &status, FALSE), 0u);
    EXPECT_EQ(status, 200u);
    ASSERT_NE(text, nullptr);
    EXPECT_STREQ(text, L"OK");
    CHttpMultipartClient::FreeBuffer(text);
    EXPECT_EQ(client.GetPartCount(), 0);

    const std::string expected =
        "----HC-MPFD-BOUNDARY\r\nContent-Disposition: form-data; name=\"a\"\r\n\r\n1\r\n"
        "----HC-MPFD-BOUNDARY\r\nContent-Disposition: form-data; name=\"b\"\r\n\r\n2\r\n"
        "----HC-MPFD-BOUNDARY--\r\n";
    ASSERT_EQ(m_server.RequestCount(), 1);
    EXPECT_EQ(m_server.RequestLine(1), "POST /brindlecast/rest/fileRestService/upload HTTP/1.1");
    EXPECT_EQ(m_server.Body(1), expected);
    EXPECT_EQ(m_server.Header(1, "Content-Length"), std::to_string(expected.size()));
    EXPECT_EQ(m_server.Header(1, "Content-Type"), "multipart/form-data; boundary=--HC-MPFD-BOUNDARY");
}

TEST_F(Upload, AFileGoesOutByteForByteWithItsUtf8Name)
{
    std::string content("\x00\x01\xFF\r\n--\x00 end", 12);
    std::wstring path = MakeFile(L"sign.png", content);
    CHttpMultipartClient client;
    client.SetCodePage(CP_UTF8);
    ASSERT_EQ(Open(client), 0u);
    ASSERT_EQ(client.AddField(L"title", L"\uD68C\uC758"), 0u);
    ASSERT_EQ(client.AddFile(L"file", L"\uC11C\uBA85.png", path.c_str()), 0u);
    DWORD status = 0;
    ASSERT_EQ(client.Post(L"/brindlecast/rest/fileRestService/sign", nullptr, nullptr, nullptr, &status, FALSE), 0u);
    EXPECT_EQ(status, 200u);
    const std::string expected =
        std::string(kBoundary) + "\r\nContent-Disposition: form-data; name=\"title\"\r\n\r\n\xED\x9A\x8C\xEC\x9D\x98\r\n" +
        kBoundary + "\r\nContent-Disposition: form-data; name=\"file\"; filename=\"\xEC\x84\x9C\xEB\xAA\x85.png\"\r\n"
        "Content-Type: application/octet-stream\r\n\r\n" + content + "\r\n" + kBoundary + "--\r\n";
    EXPECT_EQ(m_server.Body(1), expected);
    EXPECT_EQ(m_server.Header(1, "Content-Length"), std::to_string(expected.size()));
}

TEST_F(Upload, FileChecksAtAdding)
{
    CHttpMultipartClient client;
    struct Case { std::wstring path; DWORD error; };
    std::wstring limit = m_dir.File(L"limit.bin"), over = m_dir.File(L"over.bin");
    zeltest::WriteFileBytes(limit, std::string(CHttpMultipartClient::MAX_FILE_SIZE, 'x'));
    zeltest::WriteFileBytes(over, std::string(CHttpMultipartClient::MAX_FILE_SIZE + 1, 'x'));
    const Case cases[] = {
        {MakeFile(L"empty.bin", ""), 4306},
        {over, 223},
        {m_dir.File(L"missing.bin"), ERROR_FILE_NOT_FOUND},
        {L"", ERROR_FILE_NOT_FOUND},
        {limit, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(client.AddFile(L"file", L"f.bin", c.path.c_str()), c.error) << zeltest::Narrow(c.path);
    EXPECT_EQ(client.AddFile(nullptr, L"f.bin", limit.c_str()), (DWORD)ERROR_INVALID_PARAMETER);
    EXPECT_EQ(client.AddField(L"a", nullptr), (DWORD)ERROR_INVALID_PARAMETER);
    EXPECT_EQ(client.GetPartCount(), 1);

    // The largest file goes out whole.
    ASSERT_EQ(Open(client), 0u);
    DWORD status = 0;
    ASSERT_EQ(client.Post(L"/upload", nullptr, nullptr, nullptr, &status, FALSE), 0u);
    EXPECT_EQ(status, 200u);
    std::string body = m_server.Body(1);
    EXPECT_EQ(m_server.Header(1, "Content-Length"), std::to_string(body.size()));
    EXPECT_GT(body.size(), (size_t)CHttpMultipartClient::MAX_FILE_SIZE);
}

TEST_F(Upload, MisuseIsRefusedWithoutSending)
{
    CHttpMultipartClient client;
    client.AddField(L"a", L"1");
    DWORD status = 99;
    EXPECT_EQ(client.Post(L"/upload", nullptr, nullptr, nullptr, &status, FALSE), (DWORD)ERROR_NOT_READY);
    EXPECT_EQ(status, 0u);
    EXPECT_EQ(client.Open(L"ZEL", nullptr, 80), (DWORD)ERROR_INVALID_PARAMETER);
    ASSERT_EQ(Open(client), 0u);
    EXPECT_EQ(Open(client), (DWORD)ERROR_ALREADY_EXISTS);
    EXPECT_EQ(client.Post(nullptr, nullptr, nullptr, nullptr, nullptr, FALSE), (DWORD)ERROR_INVALID_PARAMETER);
    EXPECT_EQ(m_server.RequestCount(), 0);
    EXPECT_EQ(client.GetPartCount(), 1);
}

TEST_F(Upload, TheStatusIsReportedAndTheWholeReplyIsRead)
{
    struct Case { const wchar_t* path; DWORD status; size_t reply; };
    const Case cases[] = {
        {L"/upload?status=500&reply=10", 500, 10},
        {L"/upload?status=404&reply=0", 404, 0},
        {L"/upload?reply=1000", 200, 1000},
        {L"/upload?reply=300000", 200, 300000},
    };
    for (const Case& c : cases) {
        CHttpMultipartClient client;
        client.SetCodePage(28591);
        ASSERT_EQ(Open(client), 0u);
        client.AddField(L"a", L"1");
        BYTE* raw = nullptr;
        DWORD cbRaw = 0, status = 0;
        LPWSTR text = nullptr;
        ASSERT_EQ(client.Post(c.path, &raw, &cbRaw, &text, &status, FALSE), 0u) << zeltest::Narrow(c.path);
        EXPECT_EQ(status, c.status);
        ASSERT_EQ(cbRaw, c.reply);
        EXPECT_EQ(std::string((const char*)raw, cbRaw), coretest::PatternBytes(c.reply));
        // Latin-1 maps each byte to the character of the same number.
        std::string pattern = coretest::PatternBytes(c.reply);
        EXPECT_EQ(std::wstring(text, c.reply), std::wstring((const unsigned char*)pattern.data(), (const unsigned char*)pattern.data() + pattern.size()));
        EXPECT_EQ(text[c.reply], L'\0');
        CHttpMultipartClient::FreeBuffer(raw);
        CHttpMultipartClient::FreeBuffer(text);
    }
}

TEST_F(Upload, AFailedPostKeepsTheParts)
{
    std::wstring path = MakeFile(L"doc.bin", std::string(100, 'd'));
    CHttpMultipartClient client;
    ASSERT_EQ(Open(client), 0u);
    client.AddField(L"a", L"1");
    client.AddFile(L"file", L"doc.bin", path.c_str());
    // The file shrank after it was added: the body cannot be what was announced.
    zeltest::WriteFileBytes(path, std::string(50, 'd'));
    EXPECT_EQ(client.Post(L"/upload", nullptr, nullptr, nullptr, nullptr, FALSE), (DWORD)ERROR_INTERNAL_ERROR);
    EXPECT_EQ(client.GetPartCount(), 2);
    EXPECT_EQ(m_server.RequestCount(), 0);

    // No server behind the port: the send fails and the parts stay for another try.
    CHttpMultipartClient closed;
    ASSERT_EQ(closed.Open(L"ZEL", L"127.0.0.1", 1), 0u);
    closed.AddField(L"a", L"1");
    EXPECT_NE(closed.Post(L"/upload", nullptr, nullptr, nullptr, nullptr, FALSE), 0u);
    EXPECT_EQ(closed.GetPartCount(), 1);
}

TEST(UploadTls, AServerWithASelfSignedCertificateIsAccepted)
{
    coretest::HttpFixture server;
    ASSERT_TRUE(server.Start(true));
    CHttpMultipartClient client;
    ASSERT_EQ(client.Open(L"ZEL", L"127.0.0.1", (INTERNET_PORT)server.Port()), 0u);
    client.AddField(L"a", L"1");
    DWORD status = 0;
    ASSERT_EQ(client.Post(L"/upload", nullptr, nullptr, nullptr, &status, TRUE), 0u);
    EXPECT_EQ(status, 200u);
    ASSERT_EQ(server.RequestCount(), 1);
    EXPECT_EQ(server.Body(1).substr(0, 20), kBoundary);
}

}  // namespace
