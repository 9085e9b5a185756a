#pragma once
#include <json/json.h>

#include <string>

#include "platform/CString.h"

// Tolerant readers of server JSON. jsoncpp throws on a conversion to an unexpected type and on
// member access of a value that is not an object; the servers' bodies are not trusted to have
// the documented types, so every reader here takes any value and never throws.

// An answer text that is one JSON object, into 'out'; false for anything else, including a text
// the reader refuses by throwing (nesting past its depth limit), which would otherwise leave the
// caller.
bool ParseJsonObjectText(const std::string& utf8, Json::Value& out);

// The member named key of obj, or null when obj is not an object or has no such member.
const Json::Value* FindJsonMember(const Json::Value& obj, const char* key);

// A string member's UTF-8 bytes; a (signed) integer member as decimal text; anything else
// (unsigned, which is how jsoncpp holds numbers above the int range, real, boolean, null, array,
// object) or a missing member "".
std::string GetJsonUtf8(const Json::Value& obj, const char* key);
// GetJsonUtf8 decoded from UTF-8.
CString GetJsonString(const Json::Value& obj, const char* key);
// GetJsonUtf8 read in the system's ANSI code page (for ids and addresses the server sends as
// plain ASCII).
CString GetJsonStringAnsi(const Json::Value& obj, const char* key);

// An int member as it is; a boolean as 1 or 0; a string as the number it starts with (0 when it
// starts with none); anything else (unsigned, out of int range, real, null, array, object) or a
// missing member gives 0.
int GetJsonInt(const Json::Value& obj, const char* key);
// GetJsonInt, but nDefault when the member is missing.
int GetJsonIntOr(const Json::Value& obj, const char* key, int nDefault);

// The one reading of a "Y"/"N" flag. 1 for true, a non-zero number, "Y", "y" or "true" (in any
// case); 0 for false, zero, null, "N", "false", the empty string and any other text, and for
// arrays and objects. A missing member gives nDefault. The library's own boolean conversion is
// not used: it makes every non-empty string true, so "N" would read as set.
int GetJsonFlag(const Json::Value& obj, const char* key, int nDefault = 0);
