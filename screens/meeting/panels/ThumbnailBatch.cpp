#include "screens/meeting/panels/ThumbnailBatch.h"

#include "core/JsonHelpers.h"
#include "core/MyLogFile.h"

#include <stdlib.h>

#include <string>

namespace {

// The byte count of a list entry: a non-negative integer, or a text of digits only; -1 otherwise.
int ReadSize(const Json::Value& item)
{
    const Json::Value* pSize = FindJsonMember(item, "size");
    if (!pSize)
        return -1;
    if (pSize->isString()) {
        const std::string text = pSize->asString();
        if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos)
            return -1;
        return atoi(text.c_str());
    }
    if (!pSize->isIntegral())
        return -1;
    const int n = GetJsonIntOr(item, "size", -1);
    // GetJsonInt reads a number beyond the int range as 0: only a real 0 counts as 0.
    return n > 0 || (n == 0 && pSize->isInt() && pSize->asInt() == 0) ? n : -1;
}

}  // namespace

BOOL ParseThumbnailBatch(const Json::Value& reply, const BYTE* pRaw, size_t nRaw, S_THUMBNAIL_BATCH& out)
{
    out = S_THUMBNAIL_BATCH();
    const Json::Value* pList = FindJsonMember(reply, "list");
    if (!pList || !pList->isArray())
        return FALSE;
    out.strDocumentId = GetJsonStringAnsi(reply, "attcFileId");
    out.nTotalPage = GetJsonInt(reply, "totalPage");
    out.nStartIdx = GetJsonInt(reply, "startIdx");
    out.nFavoriteCount = GetJsonInt(reply, "totalFavoriteCnt");
    if (!pRaw)
        nRaw = 0;
    size_t nOffset = 0;
    for (Json::ArrayIndex i = 0; i < pList->size(); ++i) {
        const Json::Value& item = (*pList)[i];
        const int nSize = ReadSize(item);
        // A size that is missing, negative or not a number cannot be skipped over safely: the
        // images after it would be cut at the wrong places.
        const bool bSizeUsable = nSize >= 0;
        if (!bSizeUsable || (size_t)nSize > nRaw - nOffset) {
            out.bTruncated = TRUE;
            g_ApplicationLog.Log(4, L"Thumbnails of %s: page %d claims %d bytes, %u of %u are left; batch ends\n",
                                 out.strDocumentId, GetJsonInt(item, "page"), nSize, (unsigned)(nRaw - nOffset),
                                 (unsigned)nRaw);
            break;
        }
        S_THUMBNAIL_PAGE page;
        page.nPage = GetJsonInt(item, "page");
        page.bFavorite = GetJsonString(item, "isFavorite").CompareNoCase(L"Y") == 0;
        page.pData = nSize ? pRaw + nOffset : nullptr;
        page.nSize = (size_t)nSize;
        nOffset += (size_t)nSize;
        out.pages.push_back(page);
    }
    return TRUE;
}
