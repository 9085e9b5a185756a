#include "tools/logviewer/LogFileLoader.h"

#include "tools/logviewer/DecodeHexLogLine.h"
#include "tools/logviewer/LogLineReader.h"

int CLogFileLoader::LoadFile(const CString& strPath, const S_LOG_FILTER& filter, const std::atomic<int>& nStop,
                             const RowSink& sink)
{
    CLogLineReader reader;
    if (!reader.Open(strPath)) return 0;
    CString strLine;
    // The header line is never a row; it tells whether the lines are hexadecimal.
    if (!reader.ReadLine(&strLine)) return 0;
    const bool bHex = strLine.Find(L"<<CRYPTO>>") >= 0;
    int nRows = 0;
    while (!nStop && reader.ReadLine(&strLine)) {
        S_LOG_ROW row;
        if (ParseLogLine(bHex ? DecodeHexLogLine(strLine) : strLine, filter, &row)) {
            sink(row);
            ++nRows;
        }
    }
    return nRows;
}

bool CLogFileLoader::ParseLogLine(const CString& strLine, const S_LOG_FILTER& filter, S_LOG_ROW* pRow)
{
    int nOpen = strLine.Find(L'[');
    int nClose = strLine.Find(L']');
    S_LOG_ROW row;
    if (nOpen >= 0 && nClose >= 0) {
        row.strDate = strLine.Left(nOpen);
        // A "]" before the "[" gives an empty level rather than a negative length.
        row.strLevel = nClose >= nOpen ? strLine.Mid(nOpen, nClose - nOpen + 1) : CString();
        row.strText = strLine.Mid(nClose + 1);
    } else {
        row.strText = strLine;
    }
    static const struct {
        LPCTSTR pszLevel;
        int S_LOG_FILTER::*pFlag;
    } kLevels[] = {
        {L"[DEBUG]", &S_LOG_FILTER::nDebug},
        {L"[INFO]", &S_LOG_FILTER::nInfo},
        {L"[WARNING]", &S_LOG_FILTER::nWarning},
        {L"[ERROR]", &S_LOG_FILTER::nError},
    };
    for (const auto& level : kLevels) {
        if (row.strLevel.CompareNoCase(level.pszLevel) == 0 && filter.*level.pFlag == 0) return false;
    }
    if (!filter.strSearch.IsEmpty() && row.strText.Find(filter.strSearch) < 0) return false;
    *pRow = row;
    return true;
}
