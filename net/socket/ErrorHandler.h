#pragma once
// Error reporting shared by every class of the socket library that can fail. A report is one line
// of narrow text handed to an error log, when one is attached; with none attached it costs nothing.
#include <string>

class CErrorHandler {
public:
    // Receives finished report lines; may be called from any thread at the same time.
    class CErrorLog {
    public:
        virtual ~CErrorLog() {}
        virtual void WriteError(const std::string& line) = 0;
    };

    CErrorHandler();
    virtual ~CErrorHandler();

    virtual void ReportSocketError(const std::string& method, const std::string& text, int errorCode) const;
    virtual void ReportSocketError(const std::string& method, int errorCode) const;
    virtual void ReportError(const std::string& method, const std::string& text,
                             const std::string& additionalData) const;
    virtual void ReportError(const std::string& method, const std::string& text, long additionalData) const;
    virtual void ReportError(const std::string& method, const std::string& text) const;
    virtual void ReportLastError(const std::string& method) const;
    virtual void ReportLastError(const std::string& method, const std::string& text) const;

    static void ReportStaticError(const std::string& className, const std::string& method,
                                  const std::string& text);
    static void ReportStaticLastError(const std::string& className, const std::string& method);

    // Text of a library, Winsock or Win32 error code; empty when nobody knows the code.
    static std::string ErrorCodeToString(int errorCode);
    // Adds the text of a library error code; a code that has a text keeps it.
    static void RegisterError(int errorCode, const std::string& text);

    void SetName(const std::string& name);
    const std::string& GetName() const { return m_sClassName; }

    // Attaching logs: the client attaches the application log as the global one at start-up.
    void SetLog(CErrorLog* log) { m_pLog = log; }
    void SetAlsoGlobalLog(bool also) { m_bAlsoGlobalLog = also; }
    static void SetGlobalLog(CErrorLog* log) { m_pGlobalLog = log; }
    static CErrorLog* GetGlobalLog() { return m_pGlobalLog; }

private:
    bool HasLog() const { return m_pLog || m_pGlobalLog; }
    void Deliver(const std::string& method, const std::string& text) const;
    static std::string ComposeLine(const std::string& className, const std::string& method,
                                   const std::string& text);

    CErrorLog* m_pLog;
    bool m_bAlsoGlobalLog;
    std::string m_sClassName;

    static CErrorLog* m_pGlobalLog;
};
