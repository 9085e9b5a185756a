#pragma once
// The start-up check that a client's definition file defines every message the client sends or
// expects: a missing one would go out as a bare platform header, or arrive with no body.
#include <string>
#include <vector>

#include "net/protocol/ProtocolDef.h"

struct _REQUIRED_MESSAGE {
    const char* pszApplicationId;
    const char* pszMessageId;
};

// "PP01 M00000003" for every message the definition lacks.
std::vector<std::string> FindMissingMessages(const CProtocolDef& def, const std::vector<_REQUIRED_MESSAGE>& required);
// FindMissingMessages, each missing message written to the server log at level 4 under the
// client's name.
std::vector<std::string> CheckMessagesDefined(const CProtocolDef& def, const std::vector<_REQUIRED_MESSAGE>& required,
                                              const wchar_t* pszClientName);
