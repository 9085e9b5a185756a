#pragma once
// The whole client as a user meets it: the local test servers on free ports, the real ZEL.exe
// pointed at them through its settings file, and the stand-in user who logs in. No test framework
// here: the demo command's user program shares it.
#include <winsock2.h>
#include <windows.h>

#include <json/json.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/TestSupport.h"

namespace journey {

// The application-data folder of the client ("...\TALVORA\Brindlecast\").
std::wstring ClientDataFolder();
// The client's "setting.ini" pointed at the servers (application, push, web), or removed.
bool WriteServerSettings(int nTasPort, int nPushPort, int nHttpPort);
void RemoveServerSettings();
// The text of a log file of the log service (it writes each line as the hexadecimal digits of its
// UTF-8 bytes), from the byte offset on.
std::wstring ReadClientLog(const std::wstring& path, size_t fromByte = 0);
// The running ZEL.exe processes' ids.
std::vector<DWORD> ProcessIds(const wchar_t* pszExe);

// The servers' control port: one JSON line each way.
class ControlLink {
public:
    ControlLink() = default;
    ~ControlLink();
    bool Connect(int nPort);
    // The answer, or a null value when the command failed.
    Json::Value Control(const Json::Value& command);
    Json::Value Command(const char* pszCmd);
    // The frames a server logged ("tas", "push", "tds"), optionally of one message id.
    Json::Value Frames(const char* pszServer, const char* pszMsg = nullptr);
    bool WaitForFrames(const char* pszServer, const char* pszMsg, size_t nCount, DWORD ms);
private:
    SOCKET m_socket = INVALID_SOCKET;
};

// The second user of a shared meeting: the stand-in user program in a Wine prefix and on a display
// of his own (second_user.sh), driven through its command port.
class SecondUser {
public:
    // Starts him with the client's settings pointed at the servers; the first start of a build
    // folder also makes his prefix.
    bool Start(int nTasPort, int nPushPort, int nHttpPort);
    // One command ("start", "click", "type", "key", "count", "shot", "quit"): the answer, or a
    // null value when it failed (then Error() tells why).
    Json::Value Command(const Json::Value& command);
    const std::string& Error() const { return m_error; }
    void Stop();
    ~SecondUser() { Stop(); }
private:
    zeltest::PythonFixture m_program;
    SOCKET m_socket = INVALID_SOCKET;
    std::string m_error;
};

// The login window's fields and button; true when the clicks and keys went in.
bool LogIn(HWND hLoginWindow, const std::wstring& strId, const std::wstring& strPassword);
// The client's top-level window after the login: visible, not the login window, not a message box.
HWND FindMainWindow(DWORD pid, HWND hLoginWindow);

// Clicks the screen point on the pop-up of the process that covers it (a menu, a question).
bool ClickPopupAt(HWND hMain, DWORD pid, int x, int y);
// The descendant window of the control id under a parent of the control id (0: any parent).
HWND FindDescendant(HWND hTop, int nId, int nParentId = 0);
// The floating drawing palette of the process: a low, wide top-level window beside the main one.
HWND FindPalette(DWORD pid, HWND hMain);
// A sticky note's window has a text box: an edit child with room to type in. Every skinned
// window also holds a zero-sized edit of its own (the floating palette too), which is not one.
bool HasTextBox(HWND hTop);

// Watches the client's message loop from outside: a message sent to the window is answered only
// when its thread takes messages, so the longest answer time is the longest time the user
// interface did not respond. Mark() names the step that the next stalls belong to.
class StallProbe {
public:
    ~StallProbe() { Stop(); }
    void Start(HWND hWnd);
    void Stop();
    void Mark(const std::string& step);
    DWORD LongestMs() const { return m_longest; }
    // The step in which the longest stall happened.
    std::string LongestStep();
private:
    HWND m_hWnd = nullptr;
    std::thread m_thread;
    std::atomic<bool> m_bStop{false};
    std::atomic<DWORD> m_longest{0};
    std::mutex m_lock;
    std::string m_step, m_longestStep;
};

}  // namespace journey
