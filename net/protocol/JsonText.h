#pragma once
// The JSON texts of the message layer: every JSON value sent is written by the styled writer
// (indented, ending in a line break), its text as UTF-8 bytes rather than \u escapes; every JSON
// text received is read by the reader.
#include <winsock2.h>
#include <json/json.h>

#include <string>

#include "platform/CString.h"

std::string StyledJson(const Json::Value& value);
// The same text, appended to 'out'.
void AppendStyledJson(const Json::Value& value, std::string& out);
// Parses the bytes into 'out' only when they are one JSON text; 'out' is left alone otherwise.
bool ParseJsonText(const char* pBegin, const char* pEnd, Json::Value& out);
bool ParseJsonText(const std::string& text, Json::Value& out);
// A null value or an object or array without members.
bool IsEmptyJson(const Json::Value* pValue);

// The server log's text of a header or body section: the title line, the styled value (or
// "NULL") and the closing rule.
CString JsonLogText(const wchar_t* pszTitle, const Json::Value* pValue);
