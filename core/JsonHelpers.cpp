#include "core/JsonHelpers.h"

#include <memory>

#include "core/MyLogFile.h"
#include "platform/Convert.h"

#include <windows.h>

#include <cstdlib>
#include <string>

namespace {

bool IsTrueText(const std::string& s)
{
    if (s == "Y" || s == "y")
        return true;
    return s.size() == 4 && CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, s.data(), 4, "true", 4) ==
                                CSTR_EQUAL;
}

}  // namespace

const Json::Value* FindJsonMember(const Json::Value& obj, const char* key)
{
    if (!obj.isObject() || key == nullptr)
        return nullptr;
    return obj.find(key, key + std::char_traits<char>::length(key));
}

std::string GetJsonUtf8(const Json::Value& obj, const char* key)
{
    const Json::Value* v = FindJsonMember(obj, key);
    if (v == nullptr)
        return std::string();
    if (v->isString())
        return v->asString();
    // jsoncpp keeps numbers below the int range as 64-bit ints (above it they are unsigned).
    if (v->type() == Json::intValue)
        return std::to_string(v->asLargestInt());
    return std::string();
}

CString GetJsonString(const Json::Value& obj, const char* key)
{
    return Utf8ToWide(GetJsonUtf8(obj, key));
}

CString GetJsonStringAnsi(const Json::Value& obj, const char* key)
{
    return AnsiToWide(GetJsonUtf8(obj, key));
}

int GetJsonInt(const Json::Value& obj, const char* key)
{
    const Json::Value* v = FindJsonMember(obj, key);
    if (v == nullptr)
        return 0;
    switch (v->type()) {
    case Json::intValue:
        return v->isInt() ? v->asInt() : 0;
    case Json::booleanValue:
        return v->asBool() ? 1 : 0;
    case Json::stringValue:
        return _wtoi(Utf8ToWide(v->asString()));
    default:
        return 0;
    }
}

int GetJsonIntOr(const Json::Value& obj, const char* key, int nDefault)
{
    return FindJsonMember(obj, key) ? GetJsonInt(obj, key) : nDefault;
}

int GetJsonFlag(const Json::Value& obj, const char* key, int nDefault)
{
    const Json::Value* v = FindJsonMember(obj, key);
    if (v == nullptr)
        return nDefault;
    switch (v->type()) {
    case Json::booleanValue:
        return v->asBool() ? 1 : 0;
    case Json::intValue:
        return v->asLargestInt() != 0 ? 1 : 0;
    case Json::uintValue:
        return v->asLargestUInt() != 0 ? 1 : 0;
    case Json::realValue:
        return v->asDouble() != 0.0 ? 1 : 0;
    case Json::stringValue:
        return IsTrueText(v->asString()) ? 1 : 0;
    case Json::nullValue:
        return 0;
    default:
        g_ApplicationLog.Log(3, L"JSON flag \"%s\" is an array or object; read as N\n",
                             Utf8ToWide(key).GetString());
        return 0;
    }
}

bool ParseJsonObjectText(const std::string& utf8, Json::Value& out)
{
    try {
        Json::CharReaderBuilder builder;
        std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
        Json::Value parsed;
        if (!reader->parse(utf8.data(), utf8.data() + utf8.size(), &parsed, nullptr) || !parsed.isObject())
            return false;
        out.swap(parsed);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}
