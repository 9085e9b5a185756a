#include "net/protocol/ProtocolDef.h"

#include <winsock2.h>
#include <windows.h>
#include <tinyxml2.h>

#include <cstdio>
#include <cstring>

#include "core/MyLogFile.h"
#include "platform/Convert.h"

using tinyxml2::XMLElement;

namespace {

const char* AttributeOrEmpty(const XMLElement* pElement, const char* pszName)
{
    const char* pszValue = pElement->Attribute(pszName);
    return pszValue ? pszValue : "";
}

const std::vector<_FIELD_INFO> kNoFields;

}  // namespace

std::vector<_FIELD_INFO> _PROTOCOL_INFO::GetRequestFields(const std::string& strMessageId) const
{
    const _MESSAGE_INFO* pMessage = FindMessage(strMessageId);
    return pMessage ? pMessage->vecRequestFields : kNoFields;
}

std::vector<_FIELD_INFO> _PROTOCOL_INFO::GetResponseFields(const std::string& strMessageId) const
{
    const _MESSAGE_INFO* pMessage = FindMessage(strMessageId);
    return pMessage ? pMessage->vecResponseFields : kNoFields;
}

const _MESSAGE_INFO* _PROTOCOL_INFO::FindMessage(const std::string& strMessageId) const
{
    auto it = mapMessages.find(strMessageId);
    return it == mapMessages.end() ? nullptr : &it->second;
}

int CProtocolDef::Load(const char* pszPath)
{
    return Load(static_cast<const wchar_t*>(Utf8ToWide(pszPath ? pszPath : "")));
}

int CProtocolDef::Load(const wchar_t* pszPath)
{
    const std::string strPath = WideToUtf8(CString(pszPath ? pszPath : L""));
    // TinyXML-2's own LoadFile opens narrow paths, which cannot name every folder (Korean user
    // names): the file is opened here with its wide path.
    FILE* pFile = pszPath ? _wfopen(pszPath, L"rb") : nullptr;
    if (!pFile) return Fail(strPath, "the file cannot be opened");
    tinyxml2::XMLDocument doc;
    const tinyxml2::XMLError result = doc.LoadFile(pFile);
    fclose(pFile);
    if (result != tinyxml2::XML_SUCCESS) return Fail(strPath, std::string("not well-formed XML: ") + doc.ErrorStr());

    const XMLElement* pRoot = doc.FirstChildElement("protocol-definition");
    if (!pRoot) return Fail(strPath, "no \"protocol-definition\" element");
    const XMLElement* pProtocols = pRoot->FirstChildElement("protocols");
    if (!pProtocols) return Fail(strPath, "no \"protocols\" element");
    for (const XMLElement* p = pProtocols->FirstChildElement(); p; p = p->NextSiblingElement())
        ReadProtocol(p);
    m_strLoadError.clear();
    return 1;
}

int CProtocolDef::Fail(const std::string& strPath, const std::string& strWhy)
{
    m_strLoadError = strWhy;
    g_TasLog.Log(4, L"protocol definition %s not loaded: %s\n", (LPCTSTR)Utf8ToWide(strPath),
                 (LPCTSTR)Utf8ToWide(strWhy));
    return 0;
}

void CProtocolDef::ReadProtocol(const XMLElement* pProtocol)
{
    _PROTOCOL_INFO info;
    info.strApplicationId = AttributeOrEmpty(pProtocol, "name");

    const XMLElement* pHeader = pProtocol->FirstChildElement("header");
    const XMLElement* pHeaderField = pHeader ? pHeader->FirstChildElement("field") : nullptr;
    if (pHeaderField)
        ReadField(pHeaderField, info.headerField);
    else
        info.headerField.nType = FIELD_TYPE_NONE;

    // Every element from the first "body" on is a message, whatever its element name.
    for (const XMLElement* pBody = pProtocol->FirstChildElement("body"); pBody; pBody = pBody->NextSiblingElement()) {
        _MESSAGE_INFO message;
        message.strMessageId = AttributeOrEmpty(pBody, "name");
        ReadFieldList(pBody->FirstChildElement("request"), pProtocol, message.vecRequestFields);
        ReadFieldList(pBody->FirstChildElement("response"), pProtocol, message.vecResponseFields);
        info.mapMessages[message.strMessageId] = message;
    }
    m_mapProtocols[info.strApplicationId] = info;
}

void CProtocolDef::ReadFieldList(const XMLElement* pList, const XMLElement* pProtocol, std::vector<_FIELD_INFO>& fields)
{
    if (!pList) return;
    for (const XMLElement* pField = pList->FirstChildElement("field"); pField; pField = pField->NextSiblingElement()) {
        _FIELD_INFO field;
        ReadField(pField, field);
        if (field.nType == FIELD_TYPE_STRUCTURE) ReadStructure(pProtocol, pField->Attribute("ref"), field);
        fields.push_back(field);
    }
}

void CProtocolDef::ReadStructure(const XMLElement* pProtocol, const char* pszRef, _FIELD_INFO& field)
{
    if (!pszRef) return;
    for (const XMLElement* p = pProtocol->FirstChildElement("structure"); p; p = p->NextSiblingElement()) {
        if (std::strcmp(AttributeOrEmpty(p, "name"), pszRef) != 0) continue;
        // One level only: a structure field inside keeps its type and gets no sub-fields.
        for (const XMLElement* pSub = p->FirstChildElement("field"); pSub; pSub = pSub->NextSiblingElement()) {
            _FIELD_INFO sub;
            ReadField(pSub, sub);
            field.vecSubFields.push_back(sub);
        }
        return;
    }
}

_PROTOCOL_INFO CProtocolDef::GetProtocol(const std::string& strApplicationId) const
{
    const _PROTOCOL_INFO* pInfo = FindProtocol(strApplicationId);
    return pInfo ? *pInfo : _PROTOCOL_INFO();
}

const _PROTOCOL_INFO* CProtocolDef::FindProtocol(const std::string& strApplicationId) const
{
    auto it = m_mapProtocols.find(strApplicationId);
    return it == m_mapProtocols.end() ? nullptr : &it->second;
}

bool CProtocolDef::HasMessage(const std::string& strApplicationId, const std::string& strMessageId) const
{
    const _PROTOCOL_INFO* pInfo = FindProtocol(strApplicationId);
    return pInfo && pInfo->FindMessage(strMessageId) != nullptr;
}

int CProtocolDef::TypeCodeOf(const char* pszTypeName)
{
    static const char* const kNames[] = {"string", "byte", "short", "integer", "structure"};
    if (!pszTypeName) return FIELD_TYPE_NONE;
    for (int i = 0; i < 5; ++i)
        if (std::strcmp(pszTypeName, kNames[i]) == 0) return i + 1;
    return FIELD_TYPE_NONE;
}

void CProtocolDef::ReadField(const XMLElement* pElement, _FIELD_INFO& field)
{
    field.strName = AttributeOrEmpty(pElement, "name");
    field.nType = TypeCodeOf(pElement->Attribute("type"));
}
