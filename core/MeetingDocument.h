#pragma once
#include <json/json.h>

#include "platform/CString.h"
#include "platform/Object.h"

// One document attached to a meeting, or one of the meeting's two whiteboard documents, as the
// servers' document lists describe it.
class CMeetingDocument : public CObject {
    DECLARE_DYNAMIC(CMeetingDocument)
public:
    CMeetingDocument();
    ~CMeetingDocument() override;

    // Every member is set: from its key, or empty/0 when the key is absent.
    void LoadFromJson(const Json::Value& obj);
    void CopyFrom(const CMeetingDocument& other);

    // 1 for a whiteboard document, or when the conversion completed and succeeded.
    int IsViewable() const;
    void SetConverted(int nValue);
    // 1 when the file name's extension (after the last ".", or the whole name without one) is
    // one the outside player handles, in any case.
    int IsVideo() const;

    CString GetFileId() const { return m_strFileId; }
    CString GetFileURL() const { return m_strFileURL; }
    CString GetFileAbstPath() const { return m_strFileAbstPath; }
    CString GetFileName() const { return m_strFileName; }
    CString GetViewPeriod() const { return m_strViewPeriod; }
    CString GetDownPeriod() const { return m_strDownPeriod; }
    int GetTotalPage() const { return m_nTotalPage; }
    void SetTotalPage(int nValue) { m_nTotalPage = nValue; }
    int GetWbType() const { return m_nWbType; }
    int IsFavorite() const { return m_bFavorite; }
    int IsFeedback() const { return m_bFeedback; }
    int IsOpen() const { return m_bOpen; }
    int IsPdfDownload() const { return m_bPdfDownload; }
    int IsRefDoc() const { return m_bRefDoc; }
    int IsConvComp() const { return m_bConvComp; }
    int IsConvSucc() const { return m_bConvSucc; }

private:
    int m_bFavorite;
    int m_bFeedback;
    int m_bOpen;
    int m_bPdfDownload;
    int m_bRefDoc;
    int m_nWbType;
    CString m_strFileId;
    CString m_strFileURL;
    CString m_strFileAbstPath;
    CString m_strFileName;
    int m_bConvComp;
    int m_bConvSucc;
    CString m_strViewPeriod;
    CString m_strDownPeriod;
    int m_nTotalPage;
};
