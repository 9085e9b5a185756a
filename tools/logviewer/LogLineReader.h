#pragma once
// Reads a text file line by line as text mode does: every line keeps its "\n" (a CR before it is
// dropped), the last line may lack one. A file that starts with the UTF-16 byte-order mark FF FE
// is read as UTF-16; every other file as UTF-8. The file is shared for reading and writing, so a
// log can be read while it is written.
#include <windows.h>

#include <string>

#include "platform/CString.h"

class CLogLineReader {
public:
    CLogLineReader() = default;
    ~CLogLineReader();
    CLogLineReader(const CLogLineReader&) = delete;
    CLogLineReader& operator=(const CLogLineReader&) = delete;

    BOOL Open(const CString& strPath);
    void Close();
    // The next line; false at the end of the file.
    bool ReadLine(CString* pLine);

private:
    bool FillBuffer();
    bool ReadUtf8Line(CString* pLine);
    bool ReadUtf16Line(CString* pLine);

    HANDLE m_hFile = INVALID_HANDLE_VALUE;
    bool m_bUtf16 = false;
    bool m_bEof = false;
    std::string m_buffer;   // bytes read and not yet handed out
    size_t m_nPos = 0;
};
