// Error texts and the composition of report lines.
#include "net/socket/ErrorHandler.h"
#include "net/socket/VantrelSocket.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class CapturingLog : public CErrorHandler::CErrorLog {
public:
    void WriteError(const std::string& line) override { lines.push_back(line); }
    std::vector<std::string> lines;
};

TEST(ErrorHandler, ErrorCodeTexts)
{
    EXPECT_EQ(CErrorHandler::ErrorCodeToString(-100), "Connection timeout");
    CErrorHandler::RegisterError(-100, "Something else");
    EXPECT_EQ(CErrorHandler::ErrorCodeToString(-100), "Connection timeout") << "registering overwrote";
    // A system text comes back as the system gives it, closing line break included.
    std::string refused = CErrorHandler::ErrorCodeToString(ERROR_ACCESS_DENIED);
    ASSERT_GE(refused.size(), 2u);
    EXPECT_EQ(refused.substr(refused.size() - 2), "\r\n");
    EXPECT_EQ(CErrorHandler::ErrorCodeToString(0x3fff1234), "") << "an unknown code is not 'Unknown'";
}

// Report lines read "*** Error *** in <class>::<operation> - <text>", under the most derived
// class's name; an object log wins over the global one, and no log means no report at all.
TEST(ErrorHandler, ReportLinesGoToTheAttachedLog)
{
    CapturingLog global;
    CErrorHandler::SetGlobalLog(&global);
    {
        CVantrelSocket socket;
        socket.ReportError("Bind", "text");
        socket.ReportError("Bind", "text", 0L);
        socket.ReportError("Bind", "text", -7L);
        socket.ReportError("Bind", "text", std::string("more"));
        socket.ReportSocketError("Send", 10061);
        SetLastError(5);
        socket.ReportLastError("Start", "failed");
        EXPECT_EQ(GetLastError(), 5u) << "a report changed the thread's last error";
    }
    CErrorHandler::SetGlobalLog(nullptr);
    ASSERT_EQ(global.lines.size(), 6u);
    EXPECT_EQ(global.lines[0], "*** Error *** in CSocket::Bind - text");
    EXPECT_EQ(global.lines[1], "*** Error *** in CSocket::Bind - text, Additional data: 0");
    EXPECT_EQ(global.lines[2], "*** Error *** in CSocket::Bind - text, Additional data: -7");
    EXPECT_EQ(global.lines[3], "*** Error *** in CSocket::Bind - text, Additional data: more");
    EXPECT_EQ(global.lines[4].rfind("*** Error *** in CSocket::Send - Socket error: 10061, ", 0), 0u);
    EXPECT_EQ(global.lines[5].rfind("*** Error *** in CSocket::Start - failed, with error code: 5 ", 0), 0u);

    CapturingLog own;
    CErrorHandler handler;
    handler.SetLog(&own);
    handler.ReportError("Op", "x");
    ASSERT_EQ(own.lines.size(), 1u);
    EXPECT_EQ(own.lines[0], "*** Error *** in CErrorHandler::Op - x");
    handler.SetLog(nullptr);
    handler.ReportError("Op", "y");
    EXPECT_EQ(own.lines.size(), 1u);
}

}  // namespace
