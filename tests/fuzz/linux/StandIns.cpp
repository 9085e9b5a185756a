// What the parsers reach beyond themselves, in the Linux fuzz build: the loggers format each line
// (so a bad format or argument still shows) and drop it, the resource module is none and the
// network identity a fixed text.
#include <cstdarg>
#include <string>

#include "core/MyLogFile.h"
#include "net/protocol/MacAddressText.h"
#include "platform/ResourceHandle.h"

CMyLogFile g_ApplicationLog;
CMyLogFile g_TasLog;

CMyLogFile::CMyLogFile() {}
CMyLogFile::~CMyLogFile() {}

int CMyLogFile::LogArgs(int, LPCTSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    CString line;
    line.AppendFormatV(pszFormat, args);
    va_end(args);
    return 1;
}

int CMyLogFile::LogV(int, LPCTSTR pszFormat, va_list args)
{
    CString line;
    line.AppendFormatV(pszFormat, args);
    return 1;
}

int CMyLogFile::LogText(int, LPCTSTR)
{
    return 1;
}

HINSTANCE AfxGetResourceHandle()
{
    return nullptr;
}

void AfxSetResourceHandle(HINSTANCE) {}

std::string GetMacAddressText()
{
    return "0000DEADBEEF";
}
