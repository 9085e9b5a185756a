#include "screens/detail/DetailRules.h"

#include <json/json.h>

#include <algorithm>
#include <cwctype>
#include <memory>

#include "features/documents/DocumentListRules.h"
#include "core/JsonHelpers.h"
#include "core/Utf8Text.h"
#include "platform/StringConversion.h"
#include "resources/resource.h"

namespace detailrules {

BOOL IsRunningStatus(int nStatus)
{
    return nStatus == 2 || nStatus == 12 || nStatus == 13;
}

BOOL IsOpenStatus(int nStatus)
{
    return nStatus == 1 || nStatus == 2 || nStatus == 5 || nStatus == 11 || nStatus == 12 || nStatus == 13;
}

int GetFileTypeImage(const CString& strFileName)
{
    // The same pictures as the meeting's document list.
    return DocumentIconIndex(strFileName);
}

SButtonState DecideButtons(const SButtonInput& in)
{
    SButtonState out;
    const int s = in.nStatus;
    const int u = in.nReportUserType;
    if (!in.bHost && s == 1)
        out.nStatusString = IDS_DETAIL_NOT_STARTED;
    else if (!in.bHost && (s == 2 || s == 3))
        out.nStatusString = IDS_DETAIL_RUNNING;
    else if (s >= 4 && s <= 7)
        out.nStatusString = IDS_DETAIL_ENDED;
    else if (s == 11 && !in.bSecretary)
        out.strStatusText = L"해당 보고가 확정 전입니다.";
    else if ((s == 12 || s == 13) && u != 1)
        out.strStatusText = L"해당 보고가 진행 중입니다.";
    else if (s == 14)
        out.strStatusText = L"보고가 완료되었습니다.";
    out.bStatusShown = out.nStatusString != 0 || !out.strStatusText.IsEmpty();

    if (in.bReport) {
        if (s == 11 && in.bSecretary)
            out.bReportConfirm = TRUE;
        else if ((s == 12 || s == 13) && u == 1)
            out.bReportEnd = TRUE;
        if (in.bUpdate && u == 1) {
            out.bStatusShown = FALSE;
            out.bFeedbackUpdate = TRUE;
        }
    } else if (in.bHost) {
        if (s == 1)
            out.bStart = TRUE;
        else if (s == 2)
            out.bEnd = TRUE;
        else if (s == 4 && !in.bType12 && in.nRemainMinutes > 0) {
            out.bRestart = TRUE;
            out.bTimeGroup = TRUE;
            out.strTime = FormatRemainTime(in.nRemainMinutes);
        }
    }
    return out;
}

int GetRemainMinutes(const CTime& tmEnd, const CTime& tmNow, BOOL bReport)
{
    const __time64_t nSeconds = bReport ? tmNow.GetTime() - tmEnd.GetTime() : tmEnd.GetTime() - tmNow.GetTime();
    // Whole minutes of the span, truncated toward zero as a span's parts are.
    return (int)(nSeconds / 60);
}

CString FormatRemainTime(int nMinutes)
{
    CString text;
    text.Format(L"%02d:%02d", nMinutes / 60, nMinutes % 60);
    return text;
}

BOOL ShouldSendAttendance(BOOL bReport, int nStatus, BOOL bType13, BOOL bAttendee)
{
    if (bReport)
        return nStatus == 12 || nStatus == 13;
    if (nStatus != 2)
        return FALSE;
    return !bType13 || bAttendee;
}

SStatusRequest StatusRequestFor(EAction eAction, int nAnswer, BOOL bReportPaper)
{
    SStatusRequest r;
    switch (eAction) {
    case ACTION_START:
    case ACTION_RESTART:
        r.bSend = nAnswer == 1;
        r.strStatus = L"02";
        r.bReptYn = eAction == ACTION_RESTART;
        break;
    case ACTION_END:
        r.bSend = nAnswer == 1;
        r.strStatus = L"04";
        break;
    case ACTION_REPORT_START:
        r.bSend = nAnswer == 1;
        r.strStatus = L"13";
        break;
    case ACTION_REPORT_END:
    case ACTION_FEEDBACK_UPDATE:
        // Yes shares the drawings with the reporter, no ends without them; only the close
        // button leaves the report as it is.
        r.bSend = nAnswer != 3;
        r.strStatus = eAction == ACTION_REPORT_END ? L"14" : L"16";
        r.bPaper = bReportPaper;
        r.bFeedback = nAnswer == 1;
        r.bRefreshOnReply = nAnswer == 2;
        break;
    }
    return r;
}

namespace {

bool IsJson200(const Json::Value& v)
{
    if (v.isIntegral())
        return v.asLargestInt() == 200;
    if (v.isString())
        return v.asString() == "200";
    return false;
}

// A "200" with no digit right before or after it.
bool HasWhole200(const CString& strText)
{
    int nFrom = 0;
    while (true) {
        const int nAt = strText.Find(L"200", nFrom);
        if (nAt < 0)
            return false;
        const bool bDigitBefore = nAt > 0 && iswdigit(strText[nAt - 1]);
        const bool bDigitAfter = nAt + 3 < strText.GetLength() && iswdigit(strText[nAt + 3]);
        if (!bDigitBefore && !bDigitAfter)
            return true;
        nFrom = nAt + 1;
    }
}

}  // namespace

BOOL IsUploadAnswerSuccess(DWORD dwPostError, DWORD dwHttpStatus, const CString& strAnswer)
{
    if (dwPostError != 0)
        return FALSE;
    if (dwHttpStatus != 0 && dwHttpStatus != 200)
        return FALSE;
    CString strTrimmed = strAnswer;
    strTrimmed.Trim();
    if (strTrimmed.IsEmpty())
        return FALSE;
    if (strTrimmed[0] == L'{') {
        Json::Value body;
        const std::string utf8 = zel::ToMultiByteString(strTrimmed.GetString(), strTrimmed.GetLength(), CP_UTF8);
        if (ParseJsonObjectText(utf8, body)) {
            for (const char* key : {"code", "status", "resultCode", "statusCode"}) {
                if (body.isMember(key))
                    return IsJson200(body[key]) ? TRUE : FALSE;
            }
            return FALSE;
        }
    }
    return HasWhole200(strTrimmed) ? TRUE : FALSE;
}

CString UploadFileName(const CString& strPath, const CString& strChosenName)
{
    const int nSlash = strPath.ReverseFind(L'\\');
    if (nSlash > 0)
        return strPath.Mid(nSlash + 1);
    return strChosenName;
}

CString UploadFileFilter(const CString& strLabel)
{
    return strLabel +
           L"(*.pdf, *.html, *.pptx, *.ppt, *.pps, *.ppsx, *.xls, *.xlsx, *.doc, *.docx, *.txt, *.jpg, *.jpeg, "
           L"*.gif, *.png, *.tif, *.hwp, *.bmp, *.mp4, *.avi, *.flv, *.swf, *.mkv, *.mov, *.mpg, *.tp, *.ts, "
           L"*.wmv)|*.pdf;*.html;*.pptx;*.ppt;*.pps;*.ppsx;*.xls;*.xlsx;*.doc;*.docx;*.txt;*.jpg;*.jpeg;*.gif;"
           L"*.png;*.tif;*.hwp;*.bmp;*.mp4; *.avi; *.flv; *.swf; *.mkv; *.mov; *.mpg; *.tp; *.ts; *.wmv||";
}

CString DataBoxErrorText(int nStatus, const CString& strServerMessage)
{
    if (!strServerMessage.IsEmpty())
        return strServerMessage;
    if (nStatus == 21)
        return L"최대 파일 첨부 크기 초과하였습니다.";
    if (nStatus == 22)
        return L"자료를 업로드할 수 있는 용량이 초과되었습니다.";
    return CString();
}

SStampParts SplitStamp(const CString& strStamp)
{
    SStampParts p;
    CString* parts[] = {&p.strYear, &p.strMonth, &p.strDay, &p.strHour, &p.strMinute, &p.strSecond};
    const int starts[] = {0, 4, 6, 8, 10, 12};
    const int lengths[] = {4, 2, 2, 2, 2, 2};
    for (int i = 0; i < 6; ++i) {
        if (strStamp.GetLength() >= starts[i] + lengths[i])
            *parts[i] = strStamp.Mid(starts[i], lengths[i]);
    }
    return p;
}

CString FormatMinutesPeriod(const CString& strStart, const CString& strEnd, const CString& strDuration)
{
    const SStampParts a = SplitStamp(strStart);
    const SStampParts b = SplitStamp(strEnd);
    CString text;
    text.Format(L"%s-%s-%s %s:%s ~ %s-%s-%s %s:%s(%s)", (LPCTSTR)a.strYear, (LPCTSTR)a.strMonth,
                (LPCTSTR)a.strDay, (LPCTSTR)a.strHour, (LPCTSTR)a.strMinute, (LPCTSTR)b.strYear,
                (LPCTSTR)b.strMonth, (LPCTSTR)b.strDay, (LPCTSTR)b.strHour, (LPCTSTR)b.strMinute,
                (LPCTSTR)strDuration);
    return text;
}

CString FormatMinutesRegistration(const CString& strRegDate)
{
    const SStampParts a = SplitStamp(strRegDate);
    CString text;
    text.Format(L"%s-%s-%s %s:%s", (LPCTSTR)a.strYear, (LPCTSTR)a.strMonth, (LPCTSTR)a.strDay,
                (LPCTSTR)a.strHour, (LPCTSTR)a.strMinute);
    return text;
}

namespace {

// Seconds since a fixed day, counted on the calendar alone, so that a daylight-saving change or
// a missing local time cannot shift the span.
bool StampSeconds(const CString& strStamp, long long& nSeconds)
{
    const SStampParts p = SplitStamp(strStamp);
    if (p.strSecond.IsEmpty())
        return false;
    SYSTEMTIME st = {};
    st.wYear = (WORD)_wtoi(p.strYear);
    st.wMonth = (WORD)_wtoi(p.strMonth);
    st.wDay = (WORD)_wtoi(p.strDay);
    st.wHour = (WORD)_wtoi(p.strHour);
    st.wMinute = (WORD)_wtoi(p.strMinute);
    st.wSecond = (WORD)_wtoi(p.strSecond);
    FILETIME ft;
    if (!::SystemTimeToFileTime(&st, &ft))
        return false;
    ULARGE_INTEGER v;
    v.LowPart = ft.dwLowDateTime;
    v.HighPart = ft.dwHighDateTime;
    nSeconds = (long long)(v.QuadPart / 10000000ULL);
    return true;
}

}  // namespace

BOOL MinutesDuration(const CString& strStart, const CString& strEnd, int& nHours, int& nMinutes, int& nSeconds)
{
    nHours = nMinutes = nSeconds = 0;
    long long a = 0, b = 0;
    if (!StampSeconds(strStart, a) || !StampSeconds(strEnd, b))
        return FALSE;
    const long long d = b - a;
    nHours = (int)(d / 3600);
    nMinutes = (int)((d % 3600) / 60);
    nSeconds = (int)(d % 60);
    return TRUE;
}

int WheelScrollPos(int nPos, short zDelta)
{
    return std::min(100, std::max(0, nPos + (zDelta > 0 ? -4 : 4)));
}

void RowsForScrollPos(int nRows, int nRowsHeight, int nPos, int& nFirst, int& nCount)
{
    nCount = nRowsHeight / MINUTES_ROW_HEIGHT;
    nFirst = std::max(0, (int)((long long)(nRows - nCount) * nPos / 100));
    if (nCount > nRows - nFirst)
        nCount = std::max(0, nRows - nFirst);
}

int ScrollPosForSelection(int nRows, int nTopRow, int nRowsHeight, int nSelectedRow)
{
    if (nSelectedRow < 0 || nRows <= 0)
        return -1;
    const int nLast = std::min((int)(nTopRow + nRowsHeight / (double)MINUTES_ROW_HEIGHT), nRows);
    const int nSelected = nSelectedRow + 1;
    if (nSelected >= nTopRow && nSelected <= nLast)
        return -1;
    return (int)((double)nSelected / nRows * 100);
}

}  // namespace detailrules
