#pragma once
// One reply of page thumbnails: a JSON list of pages ("page", "size" in bytes, "isFavorite") and
// a binary attachment holding the images one after the other in list order. The images are cut
// out of the attachment by the sizes of the list; a list that claims more bytes than the
// attachment holds (a short or damaged reply) ends the batch at the first page that does not fit,
// so that nothing is read beyond the attachment.
#include <windows.h>

#include <vector>

#include <json/json.h>

#include "platform/CString.h"

struct S_THUMBNAIL_PAGE {
    int nPage = 0;
    BOOL bFavorite = FALSE;
    const BYTE* pData = nullptr;   // inside the attachment the batch was parsed from
    size_t nSize = 0;
};

struct S_THUMBNAIL_BATCH {
    CString strDocumentId;
    int nTotalPage = 0;
    int nStartIdx = 0;
    int nFavoriteCount = 0;
    std::vector<S_THUMBNAIL_PAGE> pages;
    // The list claimed a page the attachment does not hold (or a size that is no size): the
    // pages before it are in 'pages', the rest of the batch is dropped.
    BOOL bTruncated = FALSE;
};

// FALSE when the reply is no object with a list; otherwise TRUE, also for a truncated batch
// (which is logged at level 4).
BOOL ParseThumbnailBatch(const Json::Value& reply, const BYTE* pRaw, size_t nRaw, S_THUMBNAIL_BATCH& out);
