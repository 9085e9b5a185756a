#include "whiteboard/MemoItemReader.h"

#include "core/JsonHelpers.h"
#include "platform/Convert.h"
#include "whiteboard/LineEventReader.h"
#include "whiteboard/MMMemoList.h"
#include "whiteboard/WhiteboardLog.h"

namespace {

// A numeric member written as decimal text (or as a number); false when missing or not a number.
bool ReadDecimal(const Json::Value& item, const char* key, int& out)
{
    const Json::Value* v = FindJsonMember(item, key);
    if (!v)
        return false;
    if (v->isString()) {
        const std::string text = v->asString();
        char* end = nullptr;
        const long value = std::strtol(text.c_str(), &end, 10);
        if (end == text.c_str())
            return false;
        out = (int)value;
        return true;
    }
    if (v->isNumeric()) {
        out = GetJsonInt(item, key);
        return true;
    }
    return false;
}

}  // namespace

std::shared_ptr<CMMMemo> CMemoItemReader::ReadItem(const Json::Value& item)
{
    Json::Value parsed;
    const Json::Value* object = &item;
    if (item.isString()) {
        const std::string text = item.asString();
        if (!CLineEventReader::ParseContent(text.data(), text.size(), parsed))
            return nullptr;
        object = &parsed;
    }
    int x = 0, y = 0, bgColor = 1, textColor = 1;
    const Json::Value* message = FindJsonMember(*object, "message");
    if (!ReadDecimal(*object, "memoXpoint", x) || !ReadDecimal(*object, "memoYpoint", y) || !message ||
        !message->isString()) {
        CWhiteboardLog::Log(3, L"Memo item skipped: no position or message");
        return nullptr;
    }
    ReadDecimal(*object, "memoBGColor", bgColor);
    ReadDecimal(*object, "messageColor", textColor);
    return std::make_shared<CMMMemo>(Gdiplus::PointF((float)x, (float)y), Utf8ToWide(message->asString()), bgColor,
                                     textColor);
}

int CMemoItemReader::ReadList(const Json::Value& items, CMMMemoList& target)
{
    target.Clear();
    if (!items.isArray())
        return 0;
    for (const Json::Value& item : items) {
        if (std::shared_ptr<CMMMemo> memo = ReadItem(item))
            target.Add(memo);
    }
    return target.GetCount();
}
