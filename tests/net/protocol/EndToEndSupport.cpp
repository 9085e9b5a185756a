#include "tests/net/protocol/EndToEndSupport.h"

#include <wincrypt.h>

#include <sstream>

#include "core/LoginManager.h"
#include "core/NetworkIdentity.h"
#include "core/ProgramGlobals.h"
#include "net/protocol/NetworkStop.h"
#include "net/socket/SocketBase.h"
#include "net/socket/TCPSocketAsyncSSL.h"
#include "tests/support/LoopbackSocket.h"

namespace prototest {

zeltest::PythonFixture* EndToEndTest::s_pServers = nullptr;
std::vector<int> EndToEndTest::s_ports;
SOCKET EndToEndTest::s_control = INVALID_SOCKET;

void EndToEndTest::SetUpTestSuite()
{
    ASSERT_TRUE(CSocketBase::InitializeSockets(true, 4));
    ASSERT_TRUE(CTCPSocketAsyncSSL::InitializeSSL());
    s_pServers = new zeltest::PythonFixture();
    ASSERT_TRUE(s_pServers->Start(L"tests/servers/run_servers.py")) << "the test servers did not start";
    std::istringstream in(s_pServers->ReadyLine());
    s_ports.clear();
    for (int p; in >> p;) s_ports.push_back(p);
    ASSERT_GE(s_ports.size(), 6u) << s_pServers->ReadyLine();
    s_control = zeltest::ConnectLoopback(s_ports[PORT_CONTROL]);
    ASSERT_NE(s_control, INVALID_SOCKET);
}

void EndToEndTest::TearDownTestSuite()
{
    if (s_control != INVALID_SOCKET) closesocket(s_control);
    s_control = INVALID_SOCKET;
    delete s_pServers;
    s_pServers = nullptr;
    CSocketBase::ShutdownSockets();
    CTCPSocketAsyncSSL::ShutdownSSL();
}

void EndToEndTest::SetUp()
{
    ASSERT_NE(s_control, INVALID_SOCKET);
    g_bNetworkStop = FALSE;
    g_strMacAddress = L"0A1B2C3D4E5F";
    g_strAppVersion = L"4.2.0.0";
    Command("clear_rules");
    Command("clear_log");
    Json::Value config;
    config["cmd"] = "config";
    config["push_keepalive"] = 30;
    config["tds_keepalive"] = 10;
    config["answer_keepalive"] = true;
    config["check_session"] = true;
    config["auto_push"] = false;
    Control(config);
}

void EndToEndTest::TearDown()
{
    Command("release");
    Json::Value close;
    close["cmd"] = "close";
    close["server"] = "all";
    Control(close);
    CLoginManager::DestroyInstance();
}

std::string EndToEndTest::ServerCertificateDer()
{
    std::string pem;
    if (!s_pServers || !zeltest::ReadFileBytes(s_pServers->WorkDir() + L"\\servers\\cert.pem", pem)) return std::string();
    DWORD size = 0;
    if (!CryptStringToBinaryA(pem.data(), (DWORD)pem.size(), CRYPT_STRING_BASE64HEADER, nullptr, &size, nullptr, nullptr))
        return std::string();
    std::string der(size, '\0');
    if (!CryptStringToBinaryA(pem.data(), (DWORD)pem.size(), CRYPT_STRING_BASE64HEADER, (BYTE*)&der[0], &size, nullptr,
                              nullptr))
        return std::string();
    der.resize(size);
    return der;
}

int EndToEndTest::ServerPort(Port port)
{
    return (size_t)port < s_ports.size() ? s_ports[port] : 0;
}

Json::Value EndToEndTest::Control(const Json::Value& command)
{
    Json::FastWriter writer;
    const std::string line = writer.write(command);   // ends in a line break
    Json::Value answer;
    if (send(s_control, line.data(), (int)line.size(), 0) != (int)line.size()) {
        ADD_FAILURE() << "control port: send failed";
        return answer;
    }
    const std::string text = zeltest::ReadSocketLine(s_control);
    if (!Json::Reader().parse(text, answer) || !answer["ok"].asBool())
        ADD_FAILURE() << "control command " << line << " answered " << text;
    return answer;
}

Json::Value EndToEndTest::Command(const char* cmd)
{
    Json::Value command;
    command["cmd"] = cmd;
    return Control(command);
}

Json::Value EndToEndTest::Frames(const char* server, const char* app, const char* msg)
{
    Json::Value command;
    command["cmd"] = "log";
    command["server"] = server;
    command["kind"] = "frame";
    if (app) command["app"] = app;
    if (msg) command["msg"] = msg;
    return Control(command)["records"];
}

bool EndToEndTest::PumpUntil(const std::function<bool()>& pred, DWORD ms)
{
    return zeltest::PumpUntil(pred, ms);
}

bool EndToEndTest::WaitForFrames(const char* server, const char* app, const char* msg, size_t count, DWORD ms)
{
    DWORD last = 0;
    return PumpUntil(
        [&] {
            // The server is asked every 20 ms; between the questions this thread keeps pumping.
            if (GetTickCount() - last < 20) return false;
            last = GetTickCount();
            return Frames(server, app, msg).size() >= count;
        },
        ms);
}

}  // namespace prototest
