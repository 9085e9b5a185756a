#include "net/protocol/ProtocolCheck.h"

#include "core/MyLogFile.h"
#include "platform/Convert.h"

std::vector<std::string> FindMissingMessages(const CProtocolDef& def, const std::vector<_REQUIRED_MESSAGE>& required)
{
    std::vector<std::string> missing;
    for (const _REQUIRED_MESSAGE& message : required)
        if (!def.HasMessage(message.pszApplicationId, message.pszMessageId))
            missing.push_back(std::string(message.pszApplicationId) + " " + message.pszMessageId);
    return missing;
}

std::vector<std::string> CheckMessagesDefined(const CProtocolDef& def, const std::vector<_REQUIRED_MESSAGE>& required,
                                              const wchar_t* pszClientName)
{
    std::vector<std::string> missing = FindMissingMessages(def, required);
    for (const std::string& id : missing)
        g_TasLog.Log(4, L"%s: protocol definition lacks %s\n", pszClientName, (LPCTSTR)Utf8ToWide(id));
    return missing;
}
