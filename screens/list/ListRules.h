#pragma once
// The meeting list screen's rules that need no window: the clock it reads, the filter values of
// its tabs, the user label, the default date range and when an outstanding page request counts
// as lost.
#include <functional>

#include <json/json.h>

#include "platform/CString.h"
#include "platform/Time.h"

// The moment the list screen and its calendar take as "now". Tests put their own clock in to
// cross midnight or let a request grow old without waiting; null puts the system clock back.
CTime ListNow();
void SetListClock(std::function<CTime()> clock);

// Midnight at the start of the day of t (local time).
CTime StartOfDay(const CTime& t);
// The same day of the month before (the last day of that month when it is shorter), at midnight.
CTime SameDayPreviousMonth(const CTime& t);
// "%Y%m%d" and "%Y%m" of a local time.
CString DayText(const CTime& t);
CString MonthText(const CTime& t);
// Same calendar day (local time).
bool IsSameDay(const CTime& a, const CTime& b);

// Control ids of the filter tabs and the main filter value each one stands for: the middle and
// the right tab swap their values between the meetings and the reports tab. -1 for another id.
int FilterValueForTab(int nTabId, BOOL bReportMode);
// The tab that shows a filter value on the active kind (0 for none).
int FilterTabForValue(int nValue, BOOL bReportMode);

// "name / department", cut to its first 30 characters followed by "..." when longer.
CString MakeUserLabel(const CString& strName, const CString& strDept);

// An outstanding page request. Its reply is lost for the screen when the server client no longer
// holds the request (a reset dropped it), when another window has taken the replies since, or
// when it is older than the client's own give-up time (two idle time-outs and a margin).
struct SPageRequestWatch {
    CTime tSent;
    unsigned long long nTransactionId = 0;   // 0: not known
};
bool IsPageRequestLost(const SPageRequestWatch& watch, const CTime& now, long long nGiveUpSeconds,
                       bool bStillPending, bool bStillReplyWindow);

// The paging of a page reply (M00000003): read from its first row and, where a value is not
// there, from the reply itself. An empty list is page 1 of 0.
struct SListPaging {
    int nCurrentPage = 1;
    int nTotalPages = 0;
};
SListPaging ReadListPaging(const Json::Value& body);
