#include "features/chat/ChatRules.h"

#include <cmath>

#include "core/JsonHelpers.h"

CString CutChatMessage(const CString& strText)
{
    if (strText.GetLength() <= 50) return strText;
    return strText.Left(47) + L"...";
}

CString MakeChatTimeStamp(const SYSTEMTIME& st)
{
    CString s;
    s.Format(L"%04d%02d%02d%02d%02d%02d", st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond);
    return s;
}

CString MakeChatTimeText(int nHour, int nMinute, const CString& strAm, const CString& strPm)
{
    const CString* pMarker = &strAm;
    if (nHour == 12) {
        pMarker = &strPm;
    } else if (nHour > 12) {
        pMarker = &strPm;
        nHour -= 12;
    }
    CString s;
    s.Format(L"%s %d:%.2d", (LPCTSTR)*pMarker, nHour, nMinute);
    return s;
}

namespace {

// The number in the characters [first, first + count) of the stamp; missing characters are 0.
int StampNumber(const CString& strStamp, int nFirst, int nCount)
{
    int n = 0;
    for (int i = nFirst; i < nFirst + nCount; ++i) {
        const wchar_t c = i < strStamp.GetLength() ? strStamp[i] : L'0';
        n = n * 10 + ((c >= L'0' && c <= L'9') ? c - L'0' : 0);
    }
    return n;
}

}  // namespace

CString ChatTimeTextFromStamp(const CString& strStamp, const CString& strAm, const CString& strPm)
{
    return MakeChatTimeText(StampNumber(strStamp, 8, 2), StampNumber(strStamp, 10, 2), strAm, strPm);
}

BOOL ChatPageHasMore(const Json::Value& body)
{
    return body.isObject() && GetJsonInt(body, "totalPage") > 1;
}

std::vector<_ChatItem> ReadChatPage(const Json::Value& body, int nOwnUserId, BOOL bFirstPage,
                                    const SChatTexts& texts)
{
    std::vector<_ChatItem> items;
    if (!body.isObject()) return items;
    const Json::Value* pList = FindJsonMember(body, "list");
    if (!pList || !pList->isArray()) return items;
    CString strOwnId;
    strOwnId.Format(L"%d", nOwnUserId);
    // The page lists the newest message first; the view keeps the oldest first.
    for (Json::ArrayIndex i = pList->size(); i-- > 0;) {
        const Json::Value& e = (*pList)[i];
        if (!e.isObject()) continue;
        _ChatItem item;
        item.messageId = GetJsonString(e, "messageId");
        item.message = GetJsonString(e, "message");
        item.displayName = GetJsonString(e, "senderName");
        item.createdTime = GetJsonString(e, "messageCreatedTime");
        item.timeText = ChatTimeTextFromStamp(item.createdTime, texts.strAm, texts.strPm);
        const CString strSender = GetJsonString(e, "senderId");
        item.mine = (_wtoi(strSender) == nOwnUserId) ? 1 : 0;
        if (bFirstPage) {
            const CString strReceiverName = GetJsonString(e, "receiverName");
            if (!strReceiverName.IsEmpty()) {
                if (GetJsonString(e, "receiverId") != strOwnId && !item.mine) continue;
                item.displayName = strReceiverName + texts.strToOneMark;
            }
        }
        items.push_back(item);
    }
    return items;
}

BOOL IsNewChatDay(const std::vector<_ChatItem>& items, size_t nIndex)
{
    if (nIndex == 0 || nIndex >= items.size()) return TRUE;
    const CString& prev = items[nIndex - 1].createdTime;
    if (prev.IsEmpty()) return TRUE;
    const CString& cur = items[nIndex].createdTime;
    const int n = prev.GetLength() < 8 || cur.GetLength() < 8 ? 9 : 8;   // shorter stamps compare whole
    return wcsncmp(cur.GetString(), prev.GetString(), (size_t)n) != 0;
}

CString MakeChatDateLine(const CString& strStamp, const CString& strFormat, const CString weekdays[7])
{
    const int y = StampNumber(strStamp, 0, 4), m = StampNumber(strStamp, 4, 2), d = StampNumber(strStamp, 6, 2);
    // Day of the week by Sakamoto's rule (0 Sunday); any month outside 1..12 counts as January.
    static const int t[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    const int mm = (m >= 1 && m <= 12) ? m : 1;
    const int yy = mm < 3 ? y - 1 : y;
    const int w = ((yy + yy / 4 - yy / 100 + yy / 400 + t[mm - 1] + d) % 7 + 7) % 7;
    CString s;
    s.Format((LPCTSTR)strFormat, y, m, d, (LPCTSTR)weekdays[w]);
    return s;
}

CString ChatDisplayText(const CString& strMessage)
{
    CString s = strMessage;
    s.Replace(L"\r\n", L"\r");
    return s;
}

int ChatItemHeight(const _ChatItem& item, BOOL bNewDay, int nTextHeight)
{
    int h = bNewDay ? chatlayout::DAY_LINE : 0;
    h += nTextHeight + chatlayout::BUBBLE_GAP;
    if (!item.mine) h += chatlayout::NAME_LINE;
    return h;
}

int ChatContentHeight(const std::vector<_ChatItem>& items, BOOL bMoreVisible, const ChatTextMeasurer& measure)
{
    int y = chatlayout::TOP;
    for (size_t i = 0; i < items.size(); ++i) y += ChatItemHeight(items[i], IsNewChatDay(items, i), measure(i));
    if (bMoreVisible) y += chatlayout::MORE_BUTTON;
    return y;
}

int ChatThumbPercent(int nClientHeight, int nTotalHeight)
{
    if (nTotalHeight <= nClientHeight || nTotalHeight <= 0) return 0;
    return (int)((double)nClientHeight / nTotalHeight * 100);
}

BOOL IsInputBarShown(int nLines)
{
    return nLines > 3;
}

int InputThumbPercent(int nLines)
{
    return nLines > 0 ? 300 / nLines : 100;
}

int InputArrowLine(int nCaretLineIndex, BOOL bDown)
{
    return bDown ? nCaretLineIndex + 2 : nCaretLineIndex;
}

int InputArrowPercent(int nLine, int nLineCount)
{
    if (nLineCount <= 0) return 0;
    return (int)std::ceil(nLine * 100.0 / nLineCount);
}

int InputTypingPercent(int nCaretLine, int nLineCount)
{
    if (nLineCount <= 0) return 0;
    return (int)(nCaretLine * 100.0 / nLineCount);
}

int CChatTouchDrag::Move(int y)
{
    if (!m_bDown) return 0;
    const int dy = y - m_nLastY;
    if (dy > 50 || dy < -50) {
        m_nLastY = y;
        return dy;
    }
    return 0;
}
