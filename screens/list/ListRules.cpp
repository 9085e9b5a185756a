#include "screens/list/ListRules.h"

#include "core/CalendarText.h"
#include "core/JsonHelpers.h"

namespace {

std::function<CTime()>& Clock()
{
    static std::function<CTime()> clock;
    return clock;
}

// Control ids of the filter tabs.
const int kTabAll = 1039;
const int kTabMiddle = 1040;
const int kTabRight = 1041;

}  // namespace

CTime ListNow()
{
    return Clock() ? Clock()() : CTime::GetCurrentTime();
}

void SetListClock(std::function<CTime()> clock)
{
    Clock() = std::move(clock);
}

CTime StartOfDay(const CTime& t)
{
    return CTime(t.GetYear(), t.GetMonth(), t.GetDay(), 0, 0, 0);
}

CTime SameDayPreviousMonth(const CTime& t)
{
    int nYear = t.GetYear();
    int nMonth = t.GetMonth() - 1;
    if (nMonth < 1) {
        nMonth = 12;
        --nYear;
    }
    const int nDays = DaysInMonth(nYear, nMonth);
    const int nDay = t.GetDay() < nDays ? t.GetDay() : nDays;
    return CTime(nYear, nMonth, nDay, 0, 0, 0);
}

CString DayText(const CTime& t)
{
    CString s;
    s.Format(L"%04d%02d%02d", t.GetYear(), t.GetMonth(), t.GetDay());
    return s;
}

CString MonthText(const CTime& t)
{
    CString s;
    s.Format(L"%04d%02d", t.GetYear(), t.GetMonth());
    return s;
}

bool IsSameDay(const CTime& a, const CTime& b)
{
    return a.GetYear() == b.GetYear() && a.GetMonth() == b.GetMonth() && a.GetDay() == b.GetDay();
}

int FilterValueForTab(int nTabId, BOOL bReportMode)
{
    switch (nTabId) {
    case kTabAll: return 0;
    case kTabMiddle: return bReportMode ? 2 : 1;
    case kTabRight: return bReportMode ? 1 : 2;
    default: return -1;
    }
}

int FilterTabForValue(int nValue, BOOL bReportMode)
{
    for (int id : {kTabAll, kTabMiddle, kTabRight})
        if (FilterValueForTab(id, bReportMode) == nValue) return id;
    return 0;
}

CString MakeUserLabel(const CString& strName, const CString& strDept)
{
    CString s;
    s.Format(L"%s / %s", strName.GetString(), strDept.GetString());
    if (s.GetLength() > 30) s = s.Left(30) + L"...";
    return s;
}

bool IsPageRequestLost(const SPageRequestWatch& watch, const CTime& now, long long nGiveUpSeconds,
                       bool bStillPending, bool bStillReplyWindow)
{
    if (!bStillReplyWindow) return true;
    if (watch.nTransactionId != 0 && !bStillPending) return true;
    return (now - watch.tSent).GetTotalSeconds() >= nGiveUpSeconds;
}

SListPaging ReadListPaging(const Json::Value& body)
{
    SListPaging paging;
    if (!body.isObject() || !body["list"].isArray() || body["list"].empty()) return paging;
    const Json::Value& first = body["list"][0];
    const auto read = [&](const char* key, int nDefault) {
        if (FindJsonMember(first, key)) return GetJsonInt(first, key);
        return GetJsonIntOr(body, key, nDefault);
    };
    paging.nCurrentPage = read("curPage", 1);
    paging.nTotalPages = read("totalPage", 0);
    return paging;
}
