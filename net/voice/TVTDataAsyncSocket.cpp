#include "net/voice/TVTDataAsyncSocket.h"

#include "net/voice/TVTDataController.h"

const int CTVTDataAsyncSocket::RECEIVE_BYTES;

CTVTDataAsyncSocket::CTVTDataAsyncSocket(std::weak_ptr<CTVTDataController> pController)
    : m_pController(std::move(pController))
{
    SetName("CTVTDataAsyncSocket");
}

std::shared_ptr<CTVTDataAsyncSocket> CTVTDataAsyncSocket::Make(std::weak_ptr<CTVTDataController> pController)
{
    return std::shared_ptr<CTVTDataAsyncSocket>(new CTVTDataAsyncSocket(std::move(pController)),
                                                [](CTVTDataAsyncSocket* p) { p->OnSocketDelete(); });
}

BOOL CTVTDataAsyncSocket::OnSocketTimeout()
{
    try {
        std::shared_ptr<CTVTDataController> pController = m_pController.lock();
        if (pController) pController->OnSocketTimeout(this);
    } catch (...) {
        ReportLastError("OnSocketTimeout");
    }
    return TRUE;
}

BOOL CTVTDataAsyncSocket::OnSocketReceive(int error)
{
    try {
        char buffer[RECEIVE_BYTES + 1] = {0};
        int nCount = Receive(buffer, RECEIVE_BYTES);
        // A failed read (a datagram too long for the buffer, or an ICMP answer to an earlier
        // send) carries nothing to hand on.
        if (nCount < 0) return TRUE;
        std::shared_ptr<CTVTDataController> pController = m_pController.lock();
        if (pController) pController->OnSocketData(this, buffer, nCount);
    } catch (...) {
        ReportLastError("OnSocketReceive");
    }
    return TRUE;
}
