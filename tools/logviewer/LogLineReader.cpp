#include "tools/logviewer/LogLineReader.h"

#include <cstring>

#include "platform/Convert.h"

namespace {

const DWORD kChunk = 64 * 1024;

}  // namespace

CLogLineReader::~CLogLineReader()
{
    Close();
}

BOOL CLogLineReader::Open(const CString& strPath)
{
    Close();
    m_hFile = CreateFileW(strPath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                          nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (m_hFile == INVALID_HANDLE_VALUE) return FALSE;
    m_bEof = false;
    m_buffer.clear();
    m_nPos = 0;
    while (m_buffer.size() < 2 && FillBuffer()) {}
    m_bUtf16 = m_buffer.size() >= 2 && (BYTE)m_buffer[0] == 0xFF && (BYTE)m_buffer[1] == 0xFE;
    if (m_bUtf16) m_nPos = 2;
    return TRUE;
}

void CLogLineReader::Close()
{
    if (m_hFile != INVALID_HANDLE_VALUE) CloseHandle(m_hFile);
    m_hFile = INVALID_HANDLE_VALUE;
}

// Appends the next chunk of the file to the unread bytes; false at the end of the file.
bool CLogLineReader::FillBuffer()
{
    if (m_bEof || m_hFile == INVALID_HANDLE_VALUE) return false;
    if (m_nPos > 0) {
        m_buffer.erase(0, m_nPos);
        m_nPos = 0;
    }
    size_t nOld = m_buffer.size();
    m_buffer.resize(nOld + kChunk);
    DWORD dwRead = 0;
    if (!ReadFile(m_hFile, &m_buffer[nOld], kChunk, &dwRead, nullptr)) dwRead = 0;
    m_buffer.resize(nOld + dwRead);
    if (dwRead == 0) m_bEof = true;
    return dwRead > 0;
}

bool CLogLineReader::ReadLine(CString* pLine)
{
    return m_bUtf16 ? ReadUtf16Line(pLine) : ReadUtf8Line(pLine);
}

bool CLogLineReader::ReadUtf8Line(CString* pLine)
{
    size_t nScan = m_nPos;
    for (;;) {
        size_t nLf = m_buffer.find('\n', nScan);
        if (nLf != std::string::npos) {
            size_t nEnd = nLf;
            if (nEnd > m_nPos && m_buffer[nEnd - 1] == '\r') --nEnd;
            *pLine = Utf8ToWide(m_buffer.substr(m_nPos, nEnd - m_nPos)) + L"\n";
            m_nPos = nLf + 1;
            return true;
        }
        nScan = m_buffer.size() - m_nPos;
        if (!FillBuffer()) break;
        nScan += m_nPos;
    }
    if (m_nPos >= m_buffer.size()) return false;
    *pLine = Utf8ToWide(m_buffer.substr(m_nPos));
    m_nPos = m_buffer.size();
    return true;
}

bool CLogLineReader::ReadUtf16Line(CString* pLine)
{
    std::wstring line;
    for (;;) {
        while (m_nPos + 1 < m_buffer.size()) {
            wchar_t c = 0;
            memcpy(&c, &m_buffer[m_nPos], 2);
            m_nPos += 2;
            if (c == L'\n') {
                if (!line.empty() && line.back() == L'\r') line.pop_back();
                line += L'\n';
                *pLine = CString(line.c_str(), (int)line.size());
                return true;
            }
            line += c;
        }
        if (!FillBuffer()) break;
    }
    if (line.empty()) return false;
    *pLine = CString(line.c_str(), (int)line.size());
    return true;
}
