#include "net/protocol/SocketErrorLog.h"

#include "core/MyLogFile.h"

void CSocketErrorLog::WriteError(const std::string& line)
{
    // Called on any thread, also inside the library's barriers: nothing may escape.
    try {
        g_ApplicationLog.Log(4, L"%hs\n", line.c_str());
    } catch (...) {
    }
}

void AttachSocketErrorLog()
{
    // Lives for the whole process: reports may come from workers until the very end.
    static CSocketErrorLog* const s_pLog = [] {
        CSocketErrorLog* pLog = new CSocketErrorLog();
        CErrorHandler::SetGlobalLog(pLog);
        return pLog;
    }();
    (void)s_pLog;
}
