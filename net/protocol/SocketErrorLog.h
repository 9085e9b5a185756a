#pragma once
// The socket library's error reports go to the application log ("ZELLog.txt") at the error level:
// without a log attached the library's failures inside its barriers would leave no trace.
#include "net/socket/ErrorHandler.h"

class CSocketErrorLog : public CErrorHandler::CErrorLog {
public:
    void WriteError(const std::string& line) override;
};

// Attaches the application log as the library's global error log, once; later calls do nothing.
// The program's start-up calls it, and every server client makes sure of it when it is made.
void AttachSocketErrorLog();
