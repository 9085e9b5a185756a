#include "net/socket/ErrorHandler.h"

#include <winsock2.h>
#include <windows.h>

#include <map>

CErrorHandler::CErrorLog* CErrorHandler::m_pGlobalLog = nullptr;

namespace {

// A report must not change the thread's last error: callers read it after reporting.
class LastErrorKeeper {
public:
    LastErrorKeeper() : m_dwError(GetLastError()) {}
    ~LastErrorKeeper() { SetLastError(m_dwError); }

private:
    DWORD m_dwError;
};

// Created on first use, so registration during static initialisation finds it ready.
std::map<int, std::string>& RegisteredTexts()
{
    static std::map<int, std::string> texts;
    return texts;
}

// The code the asynchronous TCP socket reports when its connection time-out expires, and the one a
// TLS client reports when its verification refuses the server.
struct ConnectionTimeoutText {
    ConnectionTimeoutText()
    {
        CErrorHandler::RegisterError(-100, "Connection timeout");
        CErrorHandler::RegisterError(-101, "Server certificate not trusted");
    }
} g_connectionTimeoutText;

}  // namespace

CErrorHandler::CErrorHandler() : m_pLog(nullptr), m_bAlsoGlobalLog(false)
{
    try {
        SetName("CErrorHandler");
    } catch (...) {
        ReportLastError("CErrorHandler");
    }
}

CErrorHandler::~CErrorHandler() {}

void CErrorHandler::SetName(const std::string& name)
{
    if (&name != &m_sClassName) m_sClassName = name;
}

std::string CErrorHandler::ComposeLine(const std::string& className, const std::string& method,
                                       const std::string& text)
{
    return "*** Error *** in " + className + "::" + method + " - " + text;
}

void CErrorHandler::Deliver(const std::string& method, const std::string& text) const
{
    std::string line = ComposeLine(m_sClassName, method, text);
    if (m_pLog)
        m_pLog->WriteError(line);
    else if (m_pGlobalLog)
        m_pGlobalLog->WriteError(line);
    if (m_bAlsoGlobalLog && m_pGlobalLog) m_pGlobalLog->WriteError(line);
}

void CErrorHandler::ReportSocketError(const std::string& method, const std::string& text, int errorCode) const
{
    if (!HasLog()) return;
    LastErrorKeeper keeper;
    try {
        Deliver(method, text + ", and Socket error: " + std::to_string(errorCode) + ", " +
                            ErrorCodeToString(errorCode));
    } catch (...) {
    }
}

void CErrorHandler::ReportSocketError(const std::string& method, int errorCode) const
{
    if (!HasLog()) return;
    LastErrorKeeper keeper;
    try {
        Deliver(method, "Socket error: " + std::to_string(errorCode) + ", " + ErrorCodeToString(errorCode));
    } catch (...) {
    }
}

void CErrorHandler::ReportError(const std::string& method, const std::string& text,
                                const std::string& additionalData) const
{
    if (!HasLog()) return;
    LastErrorKeeper keeper;
    try {
        Deliver(method, text + ", Additional data: " + additionalData);
    } catch (...) {
    }
}

void CErrorHandler::ReportError(const std::string& method, const std::string& text, long additionalData) const
{
    if (!HasLog()) return;
    LastErrorKeeper keeper;
    try {
        Deliver(method, text + ", Additional data: " + std::to_string(additionalData));
    } catch (...) {
    }
}

void CErrorHandler::ReportError(const std::string& method, const std::string& text) const
{
    if (!HasLog()) return;
    LastErrorKeeper keeper;
    try {
        Deliver(method, text);
    } catch (...) {
    }
}

void CErrorHandler::ReportLastError(const std::string& method) const
{
    if (!HasLog()) return;
    LastErrorKeeper keeper;
    try {
        Deliver(method, ErrorCodeToString((int)GetLastError()));
    } catch (...) {
    }
}

void CErrorHandler::ReportLastError(const std::string& method, const std::string& text) const
{
    if (!HasLog()) return;
    LastErrorKeeper keeper;
    try {
        int code = (int)GetLastError();
        Deliver(method, text + ", with error code: " + std::to_string(code) + " " + ErrorCodeToString(code));
    } catch (...) {
    }
}

void CErrorHandler::ReportStaticError(const std::string& className, const std::string& method,
                                      const std::string& text)
{
    if (!m_pGlobalLog) return;
    LastErrorKeeper keeper;
    try {
        m_pGlobalLog->WriteError(ComposeLine(className, method, text));
    } catch (...) {
    }
}

void CErrorHandler::ReportStaticLastError(const std::string& className, const std::string& method)
{
    if (!m_pGlobalLog) return;
    LastErrorKeeper keeper;
    try {
        m_pGlobalLog->WriteError(ComposeLine(className, method, ErrorCodeToString((int)GetLastError())));
    } catch (...) {
    }
}

std::string CErrorHandler::ErrorCodeToString(int errorCode)
{
    LastErrorKeeper keeper;
    try {
        const auto& texts = RegisteredTexts();
        auto it = texts.find(errorCode);
        if (it != texts.end()) return it->second;

        char* buffer = nullptr;
        DWORD length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                          FORMAT_MESSAGE_IGNORE_INSERTS,
                                      nullptr, (DWORD)errorCode, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
                                      (LPSTR)&buffer, 0, nullptr);
        std::string text;
        if (length && buffer) text.assign(buffer, length);
        if (buffer) LocalFree(buffer);
        return text;
    } catch (...) {
        return "Unknown";
    }
}

void CErrorHandler::RegisterError(int errorCode, const std::string& text)
{
    try {
        RegisteredTexts().insert(std::make_pair(errorCode, text));
    } catch (...) {
        ReportStaticLastError("CErrorHandler", "RegisterError");
    }
}
