#include "whiteboard/WhiteboardLog.h"

#include <windows.h>
#include <cstdarg>
#include <cstdio>
#include <mutex>

#include "core/MyLogFile.h"

namespace {

std::mutex g_lock;
CWhiteboardLog::Sink g_sink;

void DefaultSink(int level, const std::wstring& line)
{
    g_ApplicationLog.LogText(level, line.c_str());
}

}  // namespace

void CWhiteboardLog::Log(int level, const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    const int needed = _vscwprintf(format, args);
    va_end(args);
    std::wstring line;
    if (needed > 0) {
        line.assign((size_t)needed + 1, L'\0');
        va_start(args, format);
        _vsnwprintf(&line[0], line.size(), format, args);
        va_end(args);
        line.resize((size_t)needed);
    }
    Sink sink;
    {
        std::lock_guard<std::mutex> guard(g_lock);
        sink = g_sink;
    }
    if (sink)
        sink(level, line);
    else
        DefaultSink(level, line);
}

CWhiteboardLog::Sink CWhiteboardLog::SetSink(Sink sink)
{
    std::lock_guard<std::mutex> guard(g_lock);
    Sink previous = std::move(g_sink);
    g_sink = std::move(sink);
    return previous;
}
