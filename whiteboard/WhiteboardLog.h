#pragma once
// Where the whiteboard model's log lines go: the application log ("ZELLog.txt") by default; tests
// put their own sink in place to see which lines were written.
#include <functional>
#include <string>

class CWhiteboardLog {
public:
    using Sink = std::function<void(int level, const std::wstring& line)>;

    // Formats the line (printf rules of the Microsoft CRT, %s wide) and hands it to the sink.
    static void Log(int level, const wchar_t* format, ...);

    // Replaces the sink; an empty function restores the default. Returns the previous sink.
    static Sink SetSink(Sink sink);
};
