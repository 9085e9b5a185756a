#include "whiteboard/board/BoardImageFetcher.h"

#include <wininet.h>

#include "platform/WinThread.h"
#include "whiteboard/WhiteboardLog.h"

namespace {
// Page images come from the organisation's own servers, whose certificates the client accepts
// as they are (unknown authority, other host name, expired, redirects between HTTP and HTTPS).
const DWORD kCertificateFlags = 0xF180;
const DWORD kChunkBytes = 64 * 1024;

class CInternet {
public:
    explicit CInternet(HINTERNET h) : m_h(h) {}
    ~CInternet() { if (m_h) ::InternetCloseHandle(m_h); }
    operator HINTERNET() const { return m_h; }
private:
    HINTERNET m_h;
};
}  // namespace

CBoardImageFetcher::~CBoardImageFetcher()
{
    Stop();
    ReapAbandoned(m_dwConnectMs + 2 * m_dwReadMs + 2000);
}

void CBoardImageFetcher::ReapAbandoned(DWORD waitMs)
{
    for (auto it = m_abandoned.begin(); it != m_abandoned.end();) {
        if (::WaitForSingleObject((*it)->m_hThread, waitMs) == WAIT_OBJECT_0) {
            delete *it;
            it = m_abandoned.erase(it);
        } else {
            ++it;
        }
    }
}

void CBoardImageFetcher::DropPosted(HWND target, UINT message)
{
    MSG msg;
    while (::PeekMessageW(&msg, target, message, message, PM_REMOVE))
        delete reinterpret_cast<S_BOARD_IMAGE*>(msg.lParam);
}

void CBoardImageFetcher::SetTimeouts(DWORD connectMs, DWORD readMs)
{
    m_dwConnectMs = connectMs;
    m_dwReadMs = readMs;
}

void CBoardImageFetcher::Stop()
{
    if (!m_pThread)
        return;
    // The thread only posts, so a plain wait cannot hold it up; the time-outs bound it.
    const DWORD limit = m_dwConnectMs + 2 * m_dwReadMs + 2000;
    ReapAbandoned(0);
    if (::WaitForSingleObject(m_pThread->m_hThread, limit) != WAIT_OBJECT_0) {
        // A network layer that ignores its time-outs: the thread is left to end on its own (its
        // result, posted to a window that is gone, is dropped) and freed once it has.
        CWhiteboardLog::Log(4, L"Page image download did not end within %lu ms", limit);
        m_abandoned.push_back(m_pThread);
        m_pThread = nullptr;
        return;
    }
    delete m_pThread;
    m_pThread = nullptr;
}

BOOL CBoardImageFetcher::Fetch(HWND target, UINT message, S_BOARD_IMAGE* record)
{
    // A download still under way is waited for (one at a time). One that has posted its result
    // already is not: its thread only winds down, and is freed once it has ended.
    ReapAbandoned(0);
    if (m_pThread && m_spPosted && m_spPosted->load()) {
        m_abandoned.push_back(m_pThread);
        m_pThread = nullptr;
    }
    Stop();
    m_spPosted = std::make_shared<std::atomic<bool>>(false);
    Job* job = new Job{target, message, record, m_dwConnectMs, m_dwReadMs, m_spPosted};
    CWinThread* thread = AfxBeginThread(ThreadProc, job, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    if (!thread) {
        delete job;
        return FALSE;
    }
    thread->m_bAutoDelete = FALSE;
    m_pThread = thread;
    thread->ResumeThread();
    return TRUE;
}

UINT __cdecl CBoardImageFetcher::ThreadProc(LPVOID pParam)
{
    Job* job = static_cast<Job*>(pParam);
    try {
        job->record->ok = HttpGet(job->record->url, job->connectMs, job->readMs, job->record->bytes);
    } catch (...) {
        job->record->ok = FALSE;
        CWhiteboardLog::Log(4, L"Page image download failed: %s", job->record->url.GetString());
    }
    if (!::PostMessageW(job->target, job->message, 0, (LPARAM)job->record))
        delete job->record;
    *job->posted = true;
    delete job;
    return 0;
}

BOOL CBoardImageFetcher::HttpGet(const CString& url, DWORD connectMs, DWORD readMs, std::string& out)
{
    out.clear();
    wchar_t host[256] = {0}, path[2048] = {0};
    URL_COMPONENTSW parts = {};
    parts.dwStructSize = sizeof parts;
    parts.lpszHostName = host;
    parts.dwHostNameLength = 256;
    parts.lpszUrlPath = path;
    parts.dwUrlPathLength = 2048;
    if (!::InternetCrackUrlW(url, 0, 0, &parts)) {
        CWhiteboardLog::Log(3, L"Page image: bad address %s", url.GetString());
        return FALSE;
    }
    CInternet session(::InternetOpenW(L"ZEDOV", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!session)
        return FALSE;
    CInternet connection(::InternetConnectW(session, host, parts.nPort, nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 0));
    if (!connection)
        return FALSE;
    const BOOL secure = parts.nScheme == INTERNET_SCHEME_HTTPS;
    const DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | (secure ? INTERNET_FLAG_SECURE : 0)
                        | (secure ? kCertificateFlags : 0);
    CInternet request(::HttpOpenRequestW(connection, L"GET", path, nullptr, nullptr, nullptr, flags, 0));
    if (!request)
        return FALSE;
    // The time-outs are set on the request itself, where every part of the exchange honours them.
    ::InternetSetOptionW(request, INTERNET_OPTION_CONNECT_TIMEOUT, &connectMs, sizeof connectMs);
    ::InternetSetOptionW(request, INTERNET_OPTION_SEND_TIMEOUT, &readMs, sizeof readMs);
    ::InternetSetOptionW(request, INTERNET_OPTION_RECEIVE_TIMEOUT, &readMs, sizeof readMs);
    if (secure) {
        DWORD security = 0, size = sizeof security;
        ::InternetQueryOptionW(request, INTERNET_OPTION_SECURITY_FLAGS, &security, &size);
        security |= SECURITY_FLAG_IGNORE_UNKNOWN_CA | SECURITY_FLAG_IGNORE_CERT_CN_INVALID
                    | SECURITY_FLAG_IGNORE_CERT_DATE_INVALID | SECURITY_FLAG_IGNORE_REVOCATION;
        ::InternetSetOptionW(request, INTERNET_OPTION_SECURITY_FLAGS, &security, sizeof security);
    }
    if (!::HttpSendRequestW(request, nullptr, 0, nullptr, 0)) {
        CWhiteboardLog::Log(3, L"Page image: no answer from %s (%lu)", url.GetString(), ::GetLastError());
        return FALSE;
    }
    DWORD status = 0, size = sizeof status;
    ::HttpQueryInfoW(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr);
    DWORD length = 0;
    size = sizeof length;
    const BOOL haveLength =
        ::HttpQueryInfoW(request, HTTP_QUERY_CONTENT_LENGTH | HTTP_QUERY_FLAG_NUMBER, &length, &size, nullptr);
    // The body is read whole in every case, so the connection is left clean for the next page.
    std::string chunk(kChunkBytes, '\0');
    for (;;) {
        DWORD read = 0;
        if (!::InternetReadFile(request, &chunk[0], kChunkBytes, &read)) {
            CWhiteboardLog::Log(3, L"Page image: read failed after %u bytes (%lu) for %s", (unsigned)out.size(),
                                ::GetLastError(), url.GetString());
            return FALSE;
        }
        if (read == 0)
            break;
        out.append(chunk.data(), read);
    }
    if (status != 200) {
        CWhiteboardLog::Log(3, L"Page image: status %lu for %s", status, url.GetString());
        out.clear();
        return FALSE;
    }
    if (haveLength && out.size() != length) {
        CWhiteboardLog::Log(3, L"Page image: %u of %lu bytes for %s", (unsigned)out.size(), length, url.GetString());
        return FALSE;
    }
    return !out.empty();
}
