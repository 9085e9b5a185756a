#include "core/MeetingDocument.h"

#include "core/JsonHelpers.h"

#include <cstdlib>

IMPLEMENT_DYNAMIC(CMeetingDocument, CObject)

CMeetingDocument::CMeetingDocument()
    : m_bFavorite(0), m_bFeedback(0), m_bOpen(0), m_bPdfDownload(0), m_bRefDoc(0), m_nWbType(0),
      m_bConvComp(0), m_bConvSucc(0), m_nTotalPage(0)
{
}

CMeetingDocument::~CMeetingDocument() {}

void CMeetingDocument::LoadFromJson(const Json::Value& obj)
{
    m_strFileId = GetJsonStringAnsi(obj, "attcFileId");
    m_strFileAbstPath = GetJsonString(obj, "attcFileAbstPath");
    m_strFileName = GetJsonString(obj, "attcFileName");
    m_strFileURL = GetJsonStringAnsi(obj, "attcFileURL");
    const int convComp = GetJsonFlag(obj, "attcFileConvCompYn", 0);
    const int convSucc = GetJsonFlag(obj, "attcFileConvSuccYn", 0);
    m_nTotalPage = _wtoi(GetJsonStringAnsi(obj, "attcFileTotalPage"));
    m_bConvComp = convComp;
    m_bConvSucc = convSucc;
    m_strViewPeriod = GetJsonStringAnsi(obj, "attcFileViewPeriod");
    m_strDownPeriod = GetJsonStringAnsi(obj, "attcFileDownPeriod");
    m_bFavorite = GetJsonFlag(obj, "favoriteYn", 0);
    m_bFeedback = GetJsonFlag(obj, "feedbackYn", 0);
    m_bOpen = GetJsonFlag(obj, "openYn", 0);
    m_bPdfDownload = GetJsonFlag(obj, "pdfDownloadYn", 0);
    m_bRefDoc = GetJsonFlag(obj, "refDocYn", 0);
    m_nWbType = GetJsonInt(obj, "wbType");
}

void CMeetingDocument::CopyFrom(const CMeetingDocument& other)
{
    m_bFavorite = other.m_bFavorite;
    m_bFeedback = other.m_bFeedback;
    m_bOpen = other.m_bOpen;
    m_bPdfDownload = other.m_bPdfDownload;
    m_bRefDoc = other.m_bRefDoc;
    m_nWbType = other.m_nWbType;
    m_strFileId = other.m_strFileId;
    m_strFileURL = other.m_strFileURL;
    m_strFileAbstPath = other.m_strFileAbstPath;
    m_strFileName = other.m_strFileName;
    m_bConvComp = other.m_bConvComp;
    m_bConvSucc = other.m_bConvSucc;
    m_strViewPeriod = other.m_strViewPeriod;
    m_strDownPeriod = other.m_strDownPeriod;
    m_nTotalPage = other.m_nTotalPage;
}

int CMeetingDocument::IsViewable() const
{
    return (m_nWbType > 0 || (m_bConvComp && m_bConvSucc)) ? 1 : 0;
}

void CMeetingDocument::SetConverted(int nValue)
{
    m_bConvComp = nValue;
    m_bConvSucc = nValue;
}

int CMeetingDocument::IsVideo() const
{
    if (m_strFileName.IsEmpty())
        return 0;
    static const wchar_t* const kVideoExtensions[] = {L"mp4", L"mp3", L"mov", L"avi", L"wmv", L"flv",
                                                      L"mkv", L"mpg", L"tp",  L"ts",  L"swf"};
    const int dot = m_strFileName.ReverseFind(L'.');
    const CString ext = dot >= 0 ? m_strFileName.Mid(dot + 1) : m_strFileName;
    for (const wchar_t* candidate : kVideoExtensions) {
        if (ext.CompareNoCase(candidate) == 0)
            return 1;
    }
    return 0;
}
