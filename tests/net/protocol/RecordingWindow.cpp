#include "tests/net/protocol/RecordingWindow.h"

#include "net/protocol/TPCClientManager.h"
#include "net/protocol/TasResponse.h"
#include "platform/Convert.h"
#include "tests/support/TestSupport.h"

namespace prototest {

namespace {

const wchar_t kClass[] = L"ZEL_ProtocolTestRecorder";

}  // namespace

RecordingWindow::RecordingWindow()
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = &RecordingWindow::Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClass;
    RegisterClassW(&wc);
    m_hWnd = CreateWindowExW(0, kClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, (LONG_PTR)this);
}

RecordingWindow::~RecordingWindow()
{
    SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, 0);
    DestroyWindow(m_hWnd);
}

LRESULT CALLBACK RecordingWindow::Proc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    RecordingWindow* self = reinterpret_cast<RecordingWindow*>(GetWindowLongPtrW(hWnd, GWLP_USERDATA));
    if (self && msg >= WM_USER) {
        self->Add(msg, wParam, lParam);
        return 0;
    }
    return DefWindowProcW(hWnd, msg, wParam, lParam);
}

void RecordingWindow::Add(UINT msg, WPARAM wParam, LPARAM lParam)
{
    Record r;
    r.msg = msg;
    r.wParam = wParam;
    r.lParam = lParam;
    r.thread = GetCurrentThreadId();
    LParamKind kind = LPARAM_VALUE;
    for (const auto& k : m_kinds)
        if (k.first == msg) kind = k.second;
    if (lParam) {
        switch (kind) {
        case LPARAM_REPLY: {
            const CTasResponse* reply = reinterpret_cast<const CTasResponse*>(lParam);
            r.status = reply->GetStatusCode();
            r.messageId = reply->GetMessageId();
            r.transactionId = reply->GetTransactionIdNumber();
            if (reply->GetBody()) r.json = *reply->GetBody();
            if (reply->GetRawBody()) r.text.assign(reply->GetRawBody(), (size_t)reply->GetRawBodyLength());
            break;
        }
        case LPARAM_JSON:
            r.json = *reinterpret_cast<const Json::Value*>(lParam);
            break;
        case LPARAM_PUSH_ITEM:
            r.json = reinterpret_cast<const _PUSH_ITEM*>(lParam)->data;
            break;
        case LPARAM_CSTRING:
            r.text = WideToUtf8(*reinterpret_cast<const CString*>(lParam));
            break;
        default:
            break;
        }
    }
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_records.push_back(r);
    }
    for (auto& action : m_actions)
        if (action.first == msg) action.second();
}

std::vector<RecordingWindow::Record> RecordingWindow::Records()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_records;
}

std::vector<RecordingWindow::Record> RecordingWindow::RecordsOf(UINT msg)
{
    std::vector<Record> found;
    for (const Record& r : Records())
        if (r.msg == msg) found.push_back(r);
    return found;
}

size_t RecordingWindow::Count(UINT msg)
{
    return RecordsOf(msg).size();
}

bool RecordingWindow::WaitFor(UINT msg, size_t count, DWORD ms)
{
    return zeltest::PumpUntil([&] { return Count(msg) >= count; }, ms);
}

void RecordingWindow::Clear()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_records.clear();
}

}  // namespace prototest
