#include "platform/Debug.h"

void zel::ReportAssertion(const char* file, int line, const char* expression)
{
    CStringA text;
    text.Format("%s(%d): assertion failed: %s\n", file ? file : "?", line, expression ? expression : "?");
    ::OutputDebugStringA(text);
}
