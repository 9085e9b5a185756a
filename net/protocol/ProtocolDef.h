#pragma once
// The protocol definition of one server client, read once from its XML file: per application id
// the single field of the header section and, per message id, the ordered body fields of the
// request and of the response. The message layer lays every section out from these lists.
#include <map>
#include <string>
#include <vector>

namespace tinyxml2 {
class XMLElement;
}

// Field type codes of the definition files.
enum {
    FIELD_TYPE_NONE = 0,       // carried by no section
    FIELD_TYPE_STRING = 1,     // 32-bit count + text
    FIELD_TYPE_BYTE = 2,       // 32-bit count + raw bytes
    FIELD_TYPE_SHORT = 3,      // signed 16-bit
    FIELD_TYPE_INTEGER = 4,    // signed 32-bit
    FIELD_TYPE_STRUCTURE = 5   // 32-bit element count + elements made of the sub-fields
};

struct _FIELD_INFO {
    std::string strName;   // also the JSON key the value is read from or written to
    int nType = FIELD_TYPE_NONE;
    // Only for a structure field: the fields of the referenced structure (no deeper level).
    std::vector<_FIELD_INFO> vecSubFields;
};

struct _MESSAGE_INFO {
    std::string strMessageId;
    std::vector<_FIELD_INFO> vecRequestFields;
    std::vector<_FIELD_INFO> vecResponseFields;
};

struct _PROTOCOL_INFO {
    std::string strApplicationId;
    _FIELD_INFO headerField;   // type 0 when the protocol has no header element
    std::map<std::string, _MESSAGE_INFO> mapMessages;

    // Copies of the field lists; empty when the protocol has no such message.
    std::vector<_FIELD_INFO> GetRequestFields(const std::string& strMessageId) const;
    std::vector<_FIELD_INFO> GetResponseFields(const std::string& strMessageId) const;
    // The message itself, or null; valid as long as the definition lives.
    const _MESSAGE_INFO* FindMessage(const std::string& strMessageId) const;
};

class CProtocolDef {
public:
    CProtocolDef() = default;
    virtual ~CProtocolDef() = default;
    CProtocolDef(const CProtocolDef&) = delete;
    CProtocolDef& operator=(const CProtocolDef&) = delete;

    // Reads the file and adds every protocol in it (an id met again replaces the earlier entry).
    // The narrow path is UTF-8. Returns 1 when the file was read, 0 when it is missing or not a
    // definition file; the failure is written to the server log and the protocols read so far
    // stay, so lookups simply come back empty.
    int Load(const char* pszPath);
    int Load(const wchar_t* pszPath);

    // A copy of the protocol, or an empty record when the id is absent.
    _PROTOCOL_INFO GetProtocol(const std::string& strApplicationId) const;
    // The protocol itself, or null. The definition is only read after loading, so the pointer
    // stays valid for the definition's life.
    const _PROTOCOL_INFO* FindProtocol(const std::string& strApplicationId) const;
    // Whether the protocol defines the message at all.
    bool HasMessage(const std::string& strApplicationId, const std::string& strMessageId) const;
    const std::map<std::string, _PROTOCOL_INFO>& GetProtocols() const { return m_mapProtocols; }
    // The reason of the last failed Load, empty after a good one.
    const std::string& GetLoadError() const { return m_strLoadError; }

    // The code of a type name (exact, case-sensitive comparison); 0 for any other name.
    static int TypeCodeOf(const char* pszTypeName);
    // Name and type from the element's attributes; the sub-fields are left as they are.
    static void ReadField(const tinyxml2::XMLElement* pElement, _FIELD_INFO& field);

private:
    void ReadProtocol(const tinyxml2::XMLElement* pProtocol);
    static void ReadFieldList(const tinyxml2::XMLElement* pList, const tinyxml2::XMLElement* pProtocol,
                              std::vector<_FIELD_INFO>& fields);
    static void ReadStructure(const tinyxml2::XMLElement* pProtocol, const char* pszRef, _FIELD_INFO& field);
    int Fail(const std::string& strPath, const std::string& strWhy);

    std::map<std::string, _PROTOCOL_INFO> m_mapProtocols;
    std::string m_strLoadError;
};
