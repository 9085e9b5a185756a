#include "net/socket/UDPSocketAsync.h"

CUDPSocketAsync::CUDPSocketAsync()
{
    try {
        SetName("CUDPSocketAsync");
    } catch (...) {
        ReportLastError("CUDPSocketAsync");
    }
}

CUDPSocketAsync::~CUDPSocketAsync()
{
    try {
        Close();
    } catch (...) {
        ReportLastError("~CUDPSocketAsync");
    }
}

bool CUDPSocketAsync::Close()
{
    try {
        if (GetHandle() == INVALID_SOCKET) return false;
        DetachFromWorker();
        return CUDPSocket::Close();
    } catch (...) {
        ReportLastError("Close");
        return false;
    }
}

bool CUDPSocketAsync::Create()
{
    try {
        if (!CUDPSocket::Create()) return false;
        if (AttachToWorker()) return true;
        // No worker could take the socket: it would never hear of an event.
        CUDPSocket::Close();
        return false;
    } catch (...) {
        ReportLastError("Create");
        return false;
    }
}

bool CUDPSocketAsync::Listen()
{
    try {
        if (!CheckSocketValid()) return false;
        if (InternalWSAAsyncSelect(WM_SOCKET_NOTIFY, FD_READ) == 0) return true;
        SetLastError("Listen");
        return false;
    } catch (...) {
        ReportLastError("Listen");
        return false;
    }
}

void CUDPSocketAsync::AfterAccept()
{
    try {
        AddSocketToList();
        SetAsync();
    } catch (...) {
        ReportLastError("CTCPSocketAsync");
    }
}

BOOL CUDPSocketAsync::OnSocketConnect(int)
{
    return SetAsync();
}

BOOL CUDPSocketAsync::SetAsync()
{
    try {
        if (!CheckSocketValid()) return FALSE;
        if (InternalWSAAsyncSelect(WM_SOCKET_NOTIFY, FD_READ | FD_WRITE) == 0) return TRUE;
        SetLastError("SetAsync");
        return FALSE;
    } catch (...) {
        ReportLastError("SetAsync");
        return FALSE;
    }
}
