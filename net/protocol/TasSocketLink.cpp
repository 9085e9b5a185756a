#include "net/protocol/TasSocketLink.h"

#include "net/socket/SentMessageWait.h"

bool CTasSocketLink::Call(const std::function<void(CTasClient&)>& fn)
{
    const DWORD dwThread = GetCurrentThreadId();
    CTasClient* pClient;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_pClient) return false;
        pClient = m_pClient;
        ++m_mapInFlight[dwThread];
    }
    struct Leave {
        CTasSocketLink* self;
        DWORD thread;
        ~Leave()
        {
            std::lock_guard<std::mutex> lock(self->m_mutex);
            if (--self->m_mapInFlight[thread] == 0) self->m_mapInFlight.erase(thread);
        }
    } leave{this, dwThread};
    fn(*pClient);
    return true;
}

bool CTasSocketLink::BusyElsewhere() const
{
    const DWORD dwThread = GetCurrentThreadId();
    for (const auto& entry : m_mapInFlight)
        if (entry.first != dwThread && entry.second > 0) return true;
    return false;
}

void CTasSocketLink::Detach(bool bWait, DWORD dwMaxWait)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_pClient = nullptr;
        if (!bWait || !BusyElsewhere()) return;
    }
    // Inside a message sent by another thread, that thread may be the very callback under way,
    // waiting for this one: no wait then. The callback looks at the link after each delivery
    // and leaves the client alone once it is detached.
    if (InSendMessage()) return;
    // The call under way may be sending this thread a message: keep handling them.
    const DWORD dwStart = GetTickCount();
    for (;;) {
        SleepHandlingSentMessages(2);
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!BusyElsewhere() || GetTickCount() - dwStart > dwMaxWait) return;
    }
}

bool CTasSocketLink::IsAttached() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_pClient != nullptr;
}

bool CTasSocketLink::IsBusy() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return !m_mapInFlight.empty();
}
