#include "tests/journeys/JourneySupport.h"

#include <winsock2.h>

#include <shlobj.h>
#include <tlhelp32.h>

#include <algorithm>

#include "resources/resource.h"
#include "tools/logviewer/DecodeHexLogLine.h"
#include "tests/journeys/UserDriver.h"
#include "tests/platform/UiTestSupport.h"
#include "tests/support/LoopbackSocket.h"

namespace journey {

std::wstring ClientDataFolder()
{
    wchar_t path[MAX_PATH] = {};
    ::SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr, 0, path);
    return std::wstring(path) + L"\\TALVORA\\Brindlecast\\";
}

bool WriteServerSettings(int nTasPort, int nPushPort, int nHttpPort)
{
    const std::wstring folder = ClientDataFolder();
    ::SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
    const std::wstring file = folder + L"setting.ini";
    const struct { const wchar_t* section; int port; } entries[] = {
        {L"ZEL", nTasPort}, {L"TPC", nPushPort}, {L"TMS", nHttpPort}};
    for (const auto& e : entries) {
        if (!::WritePrivateProfileStringW(e.section, L"ip", L"127.0.0.1", file.c_str())) return false;
        if (!::WritePrivateProfileStringW(e.section, L"port", std::to_wstring(e.port).c_str(), file.c_str()))
            return false;
    }
    return true;
}

void RemoveServerSettings()
{
    ::DeleteFileW((ClientDataFolder() + L"setting.ini").c_str());
}

std::wstring ReadClientLog(const std::wstring& path, size_t fromByte)
{
    std::string bytes;
    if (!zeltest::ReadFileBytes(path, bytes)) return L"";
    std::wstring text;
    size_t start = std::min(fromByte, bytes.size());
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line.find_first_not_of("0123456789ABCDEFabcdef") == std::string::npos)
            text += DecodeHexLogLine(CString(zeltest::Widen(line).c_str())).GetString();
        start = end + 1;
    }
    return text;
}

std::vector<DWORD> ProcessIds(const wchar_t* pszExe)
{
    std::vector<DWORD> ids;
    HANDLE snap = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snap == INVALID_HANDLE_VALUE) return ids;
    PROCESSENTRY32W pe = {};
    pe.dwSize = sizeof pe;
    for (BOOL more = ::Process32FirstW(snap, &pe); more; more = ::Process32NextW(snap, &pe))
        if (_wcsicmp(pe.szExeFile, pszExe) == 0) ids.push_back(pe.th32ProcessID);
    ::CloseHandle(snap);
    return ids;
}

ControlLink::~ControlLink()
{
    if (m_socket != INVALID_SOCKET) ::closesocket(m_socket);
}

bool ControlLink::Connect(int nPort)
{
    m_socket = zeltest::ConnectLoopback(nPort);
    return m_socket != INVALID_SOCKET;
}

Json::Value ControlLink::Control(const Json::Value& command)
{
    Json::FastWriter writer;
    const std::string line = writer.write(command);
    if (m_socket == INVALID_SOCKET || ::send(m_socket, line.data(), (int)line.size(), 0) != (int)line.size())
        return Json::Value();
    Json::Value answer;
    if (!Json::Reader().parse(zeltest::ReadSocketLine(m_socket), answer) || !answer["ok"].asBool())
        return Json::Value();
    return answer;
}

Json::Value ControlLink::Command(const char* pszCmd)
{
    Json::Value command;
    command["cmd"] = pszCmd;
    return Control(command);
}

Json::Value ControlLink::Frames(const char* pszServer, const char* pszMsg)
{
    Json::Value command;
    command["cmd"] = "log";
    command["server"] = pszServer;
    command["kind"] = "frame";
    if (pszMsg) command["msg"] = pszMsg;
    return Control(command)["records"];
}

bool ControlLink::WaitForFrames(const char* pszServer, const char* pszMsg, size_t nCount, DWORD ms)
{
    return WaitUntil([&] { return Frames(pszServer, pszMsg).size() >= nCount; }, ms);
}

bool SecondUser::Start(int nTasPort, int nPushPort, int nHttpPort)
{
    std::wstring build = zeltest::BinaryDir();
    if (build.size() >= 2 && build[1] == L':') build = build.substr(2);
    for (auto& c : build) if (c == L'\\') c = L'/';
    const std::wstring args = L"--build \"" + build + L"\" --tas " + std::to_wstring(nTasPort) + L" --push " +
                              std::to_wstring(nPushPort) + L" --http " + std::to_wstring(nHttpPort);
    // Making his prefix takes Wine a while, once.
    if (!m_program.StartScript(L"/bin/bash", L"tests/journeys/second_user.sh", args, 240000)) return false;
    m_socket = zeltest::ConnectLoopback(m_program.Port());
    return m_socket != INVALID_SOCKET;
}

Json::Value SecondUser::Command(const Json::Value& command)
{
    Json::FastWriter writer;
    const std::string line = writer.write(command);
    m_error.clear();
    Json::Value answer;
    if (m_socket == INVALID_SOCKET || ::send(m_socket, line.data(), (int)line.size(), 0) != (int)line.size())
        m_error = "no second user";
    else if (!Json::Reader().parse(zeltest::ReadSocketLine(m_socket), answer))
        m_error = "no answer";
    else if (!answer["ok"].asBool())
        m_error = answer["error"].asString();
    return m_error.empty() ? answer : Json::Value();
}

void SecondUser::Stop()
{
    if (m_socket != INVALID_SOCKET) {
        Json::Value quit;
        quit["cmd"] = "quit";
        Command(quit);
        ::closesocket(m_socket);
        m_socket = INVALID_SOCKET;
    }
    m_program.Stop();
}

bool LogIn(HWND hLoginWindow, const std::wstring& strId, const std::wstring& strPassword)
{
    HWND hId = ::GetDlgItem(hLoginWindow, IDC_LOGIN_ID);
    HWND hPassword = ::GetDlgItem(hLoginWindow, IDC_LOGIN_PASSWORD);
    HWND hButton = ::GetDlgItem(hLoginWindow, IDC_LOGIN_BUTTON);
    if (!hId || !hPassword || !hButton) return false;
    if (!Click(hId)) return false;
    TypeText(strId);
    if (!Click(hPassword)) return false;
    TypeText(strPassword);
    return Click(hButton);
}

HWND FindMainWindow(DWORD pid, HWND hLoginWindow)
{
    return FindProcessWindow(pid, [hLoginWindow](HWND h) {
        if (h == hLoginWindow || (ClassOf(h) == L"#32770" && ::GetDlgItem(h, 0xFFFF))) return false;
        RECT rc;
        return ::GetWindowRect(h, &rc) && rc.right - rc.left >= 800 && rc.bottom - rc.top >= 500;
    });
}

void StallProbe::Start(HWND hWnd)
{
    Stop();
    m_hWnd = hWnd;
    m_bStop = false;
    m_longest = 0;
    m_thread = std::thread([this] {
        while (!m_bStop) {
            const DWORD start = ::GetTickCount();
            DWORD_PTR result = 0;
            if (!::SendMessageTimeoutW(m_hWnd, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result) && !::IsWindow(m_hWnd)) break;
            const DWORD took = ::GetTickCount() - start;
            if (took > m_longest) {
                m_longest = took;
                std::lock_guard<std::mutex> lock(m_lock);
                m_longestStep = m_step;
            }
            ::Sleep(5);
        }
    });
}

void StallProbe::Stop()
{
    m_bStop = true;
    if (m_thread.joinable()) m_thread.join();
}

void StallProbe::Mark(const std::string& step)
{
    std::lock_guard<std::mutex> lock(m_lock);
    m_step = step;
}

std::string StallProbe::LongestStep()
{
    std::lock_guard<std::mutex> lock(m_lock);
    return m_longestStep;
}

bool ClickPopupAt(HWND hMain, DWORD pid, int x, int y)
{
    HWND popup = nullptr;
    if (!WaitUntil([&] {
            return (popup = FindProcessWindow(pid, [&](HWND h) {
                        RECT rc;
                        return h != hMain && ::GetWindowRect(h, &rc) && x >= rc.left && x < rc.right && y >= rc.top &&
                               y < rc.bottom;
                    })) != nullptr;
        }, 5000))
        return false;
    RECT rc;
    ::GetWindowRect(popup, &rc);
    return ClickAt(popup, x - rc.left, y - rc.top);
}

HWND FindDescendant(HWND hTop, int nId, int nParentId)
{
    return uitest::FindDescendant(hTop, nId, nParentId);
}

HWND FindPalette(DWORD pid, HWND hMain)
{
    return FindProcessWindow(pid, [&](HWND h) {
        RECT rc;
        return h != hMain && ::GetWindowRect(h, &rc) && rc.bottom - rc.top < 60 && rc.right - rc.left > 200;
    });
}

bool HasTextBox(HWND hTop)
{
    for (HWND e = ::FindWindowExW(hTop, nullptr, L"Edit", nullptr); e; e = ::FindWindowExW(hTop, e, L"Edit", nullptr)) {
        RECT rc;
        ::GetWindowRect(e, &rc);
        if (rc.right - rc.left > 20 && rc.bottom - rc.top > 20) return true;
    }
    return false;
}

}  // namespace journey
