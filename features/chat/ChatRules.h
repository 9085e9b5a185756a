#pragma once
// The chat's rules that need no window: the cut of long messages, time stamps and time texts,
// turning a history page into messages, day boundaries and date lines, the heights of the
// history's layout and the percentages of its two scroll bars.
#include <json/json.h>

#include <functional>
#include <vector>

#include "platform/CString.h"
#include "platform/Geometry.h"

// One message of the history.
struct _ChatItem {
    CString displayName;   // the sender; for a message to one person the receiver plus the mark
    CString message;       // as received, line breaks CR LF
    CString timeText;      // under the bubble
    CString createdTime;   // "yyyyMMddHHmmss"; the first 12 characters are used
    int mine = 1;          // the logged-in user's own message
    CString messageId;     // the server's id; empty for messages added by the panel
    int nReserved = 0;
    CRect rcReserved;
    // An own message the server refused: marked under its bubble instead of its time.
    int sendFailed = 0;
    // The panel's number of an own message sent from this client (0 for any other).
    int localSeq = 0;
};

// Messages longer than 50 characters are sent and shown as their first 47 and "...".
CString CutChatMessage(const CString& strText);
// "%04d%02d%02d%02d%02d%02d" of the time.
CString MakeChatTimeStamp(const SYSTEMTIME& st);
// "%s %d:%.2d": the before-noon marker below 12 (hour unchanged), the after-noon one from 12 on
// (hour 12 kept, later hours less 12).
CString MakeChatTimeText(int nHour, int nMinute, const CString& strAm, const CString& strPm);
// The same from a time stamp's characters 9-10 and 11-12 (missing characters count as 0).
CString ChatTimeTextFromStamp(const CString& strStamp, const CString& strAm, const CString& strPm);

struct SChatTexts {
    CString strAm;
    CString strPm;
    CString strToOneMark;   // appended to the receiver's name of a message to one person
};

// Reads a page of a history reply ("list" newest first) into messages, oldest first.
// bFirstPage: a message to one person is kept only when it is to or from this user, under the
// receiver's name and the mark; in an older page every message shows under its sender's name.
std::vector<_ChatItem> ReadChatPage(const Json::Value& body, int nOwnUserId, BOOL bFirstPage,
                                    const SChatTexts& texts);
// "totalPage" above 1.
BOOL ChatPageHasMore(const Json::Value& body);

// A record starts a new day when it is the first, when the one before has no time stamp, or
// when the first 8 characters differ.
BOOL IsNewChatDay(const std::vector<_ChatItem>& items, size_t nIndex);
// The date-line format (year, month, day, weekday name) filled for the time stamp's date;
// weekdays[0] Sunday .. weekdays[6] Saturday.
CString MakeChatDateLine(const CString& strStamp, const CString& strFormat, const CString weekdays[7]);

// The history's geometry. The measurer gives the height of message n's text wrapped at the
// bubble's text width (chatlayout::OTHER_TEXT_WIDTH).
using ChatTextMeasurer = std::function<int(size_t nIndex)>;
namespace chatlayout {
const int TOP = 5;
const int DAY_LINE = 25;
const int NAME_LINE = 20;
const int BUBBLE_GAP = 35;
const int MORE_BUTTON = 30;
// The text widths: an others' bubble's text is 231 - 13 - 7, an own one 231 - 7 - 13.
const int OTHER_TEXT_WIDTH = 211;
const int MINE_TEXT_WIDTH = 211;
}
// The message's text with CR LF made CR, as it is measured and drawn.
CString ChatDisplayText(const CString& strMessage);
// The height one message adds to the layout (day line, name line, text, gap).
int ChatItemHeight(const _ChatItem& item, BOOL bNewDay, int nTextHeight);
// The content height of the whole history.
int ChatContentHeight(const std::vector<_ChatItem>& items, BOOL bMoreVisible, const ChatTextMeasurer& measure);

// The history bar: no thumb (flat) when the content fits; else the thumb's percentage.
int ChatThumbPercent(int nClientHeight, int nTotalHeight);
// The input bar: shown above 3 lines, with a thumb of 300 / lines percent.
BOOL IsInputBarShown(int nLines);
int InputThumbPercent(int nLines);
// The caret line an arrow key moves to (1-based) and its percentage rounded up; Up gives the
// line index, Down the index plus 2.
int InputArrowLine(int nCaretLineIndex, BOOL bDown);
int InputArrowPercent(int nLine, int nLineCount);
// The percentage while typing, truncated.
int InputTypingPercent(int nCaretLine, int nLineCount);

// One finger dragging the history: a movement of more than 50 pixels since the last scroll
// becomes a wheel turn of the opposite sign (content follows the finger); smaller ones nothing.
class CChatTouchDrag {
public:
    void Down(int y) { m_nLastY = y; m_bDown = TRUE; }
    // The wheel delta to apply, 0 for none.
    int Move(int y);
    void Up() { m_bDown = FALSE; }
private:
    int m_nLastY = 0;
    BOOL m_bDown = FALSE;
};
