#pragma once
// Reads memos back from their JSON items (the form they are saved in): every value is a string,
// numbers as decimal text, the message with CR LF as the JSON escapes \r\n.
#include <memory>

#include <json/json.h>

#include "platform/CString.h"

class CMMMemo;
class CMMMemoList;

class CMemoItemReader {
public:
    // One item (an object, or its JSON text); null (logged) when it has no position or message.
    static std::shared_ptr<CMMMemo> ReadItem(const Json::Value& item);
    // Replaces the list's memos by those of an array of items, in array order (a memo's number is
    // its place in the list). Returns the number read; bad items are skipped with a log line.
    static int ReadList(const Json::Value& items, CMMMemoList& target);
};
