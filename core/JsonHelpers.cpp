#include "core/JsonHelpers.h"

#include <windows.h>

#include <climits>
#include <cstdlib>
#include <string>

namespace {

std::wstring DecodeUtf8(const std::string& s)
{
    if (s.empty())
        return std::wstring();
    int n = MultiByteToWideChar(CP_UTF8, 0, s.data(), int(s.size()), nullptr, 0);
    if (n <= 0)
        return std::wstring();
    std::wstring w(size_t(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, s.data(), int(s.size()), &w[0], n);
    return w;
}

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
        return _wtoi(DecodeUtf8(v->asString()).c_str());
    default:
        return 0;
    }
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
    default:
        return 0;
    }
}
