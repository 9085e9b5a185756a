#pragma once
// A message-only window of the test's thread that records the messages it receives, with a copy
// of the reply, push item or synchronisation data that lParam points to during the call.
#include <winsock2.h>
#include <windows.h>

#include <json/json.h>

#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace prototest {

class RecordingWindow {
public:
    enum LParamKind { LPARAM_VALUE, LPARAM_REPLY, LPARAM_JSON, LPARAM_PUSH_ITEM, LPARAM_CSTRING };

    struct Record {
        UINT msg;
        WPARAM wParam;
        LPARAM lParam;
        DWORD thread;
        int status = 0;
        std::string messageId;
        uint64_t transactionId = 0;
        Json::Value json;        // reply body, data object or push item data
        std::string text;        // raw bytes of a reply, or the CString as UTF-8
    };

    RecordingWindow();
    ~RecordingWindow();
    HWND Handle() const { return m_hWnd; }
    // How lParam of the message is read; unmapped messages keep the number only.
    void Expect(UINT msg, LParamKind kind) { m_kinds.push_back({msg, kind}); }
    // Runs during the call of that message (after it is recorded).
    void OnMessage(UINT msg, std::function<void()> fn) { m_actions.push_back({msg, fn}); }

    std::vector<Record> Records();
    std::vector<Record> RecordsOf(UINT msg);
    size_t Count(UINT msg);
    // Pumps until 'count' messages of that number came, or ms passed.
    bool WaitFor(UINT msg, size_t count, DWORD ms);
    void Clear();
    HWND GetSafeHwnd() const { return m_hWnd; }

private:
    static LRESULT CALLBACK Proc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void Add(UINT msg, WPARAM wParam, LPARAM lParam);

    HWND m_hWnd;
    std::mutex m_mutex;
    std::vector<Record> m_records;
    std::vector<std::pair<UINT, LParamKind>> m_kinds;
    std::vector<std::pair<UINT, std::function<void()>>> m_actions;
};

}  // namespace prototest
