// The application server's request catalogue: one operation per message id, each building the
// JSON body with the member types the server expects (text, number, boolean or "Y"/"N").
#include "net/protocol/TasClientManager.h"

#include <cstdlib>

#include "core/LoginManager.h"
#include "core/ProgramGlobals.h"
#include "net/protocol/MacAddressText.h"
#include "net/protocol/NumberText.h"
#include "platform/Convert.h"

namespace {

std::string U(const CString& text)
{
    return WideToUtf8(text);
}

const char* YN(BOOL bValue)
{
    return bValue ? "Y" : "N";
}

Json::Value StringArray(const std::vector<CString>& list)
{
    Json::Value array(Json::arrayValue);
    for (const CString& item : list) array.append(U(item));
    return array;
}

std::string SessionUserId()
{
    CLoginManager* pLogin = CLoginManager::GetInstance();
    return pLogin ? pLogin->GetUserIdA() : std::string();
}

int SessionUserNumber()
{
    CLoginManager* pLogin = CLoginManager::GetInstance();
    return pLogin ? pLogin->GetUserIdNumber() : 0;
}

std::string AppVersionWithoutBlanks()
{
    CString strVersion = g_strAppVersion;
    strVersion.Remove(L' ');
    return U(strVersion);
}

std::string PushIdFromMac()
{
    return "PPM-" + GetMacAddressText() + "-W";
}

}  // namespace

uint64_t CTasClientManager::SendCatalogueRequest(const char* pszMessageId, Json::Value* pBody,
                                                 std::atomic<uint64_t>* pAwaited)
{
    const std::string strId = pszMessageId;
    const bool bSso = strId == "G00000001";
    const BOOL bEmptySession = bSso || strId == "M00000001" || strId == "M00000095";
    std::vector<uint8_t> header = MakePlatformHeader(pszMessageId, bSso ? "GS01" : "PP01");
    CTasRequest* pRequest = new CTasRequest(CTasRequest::HEADER_FORM_PHV102, std::move(header),
                                            MakeHeaderJson(bEmptySession), pBody);
    const uint64_t nTransactionId = pRequest->GetTransactionIdNumber();
    // Known before the request leaves: its answer can reach a socket worker before this call
    // returns.
    if (pAwaited) *pAwaited = nTransactionId;
    SendToCurrentClient(pRequest);
    return nTransactionId;
}

uint64_t CTasClientManager::SendLoginRequest(const CString& strGroupCode, const CString& strLoginId,
                                             const CString& strPassword, std::atomic<uint64_t>* pAwaited)
{
    Json::Value* b = new Json::Value;
    (*b)["sawonNo"] = U(strLoginId);
    (*b)["appType"] = "7";
    (*b)["groupCoCd"] = U(strGroupCode);
    (*b)["appVer"] = AppVersionWithoutBlanks();
    (*b)["userPwd"] = U(strPassword);
    return SendCatalogueRequest("M00000001", b, pAwaited);
}

void CTasClientManager::RequestG00000001(CString strSawonNo, BOOL bSso)
{
    Json::Value* b = new Json::Value;
    (*b)["sawonNo"] = U(strSawonNo);
    (*b)["appType"] = "6";
    (*b)["appVer"] = "0.00.00";
    (*b)["isSSO"] = bSso != 0;
    SendCatalogueRequest("G00000001", b);
}

void CTasClientManager::RequestM00000001(CString strGroupCode, CString strLoginId, CString strPassword)
{
    SendLoginRequest(strGroupCode, strLoginId, strPassword);
}

void CTasClientManager::RequestM00000002(CString strMtngType, CString strDate, short nSeperator)
{
    if (strDate.IsEmpty()) {
        SYSTEMTIME st;
        GetLocalTime(&st);
        strDate.Format(L"%d%02d%02d", st.wYear, st.wMonth, st.wDay);
    }
    Json::Value* b = new Json::Value;
    (*b)["date"] = U(strDate);
    (*b)["mtngType"] = U(strMtngType);
    (*b)["seperator"] = (int)nSeperator;
    SendCatalogueRequest("M00000002", b);
}

uint64_t CTasClientManager::RequestM00000003(CString strStartDate, CString strEndDate, CString strMtngType,
                                             int nMain, int nSub, int nStartPage, int nPageNum, CString strSearch)
{
    Json::Value* b = new Json::Value;
    (*b)["startDate"] = U(strStartDate);
    (*b)["endDate"] = U(strEndDate);
    (*b)["mtngType"] = U(strMtngType);
    (*b)["pageNum"] = nPageNum;
    (*b)["startPage"] = nStartPage;
    (*b)["preDateLength"] = "0";
    (*b)["searchString"] = U(strSearch);
    (*b)["main"] = nMain;
    (*b)["sub"] = nSub;
    (*b)["seperator"] = "1";
    return SendCatalogueRequest("M00000003", b);
}

void CTasClientManager::RequestM00000004(CString strMtngId, CString strAttcFileId)
{
    Json::Value* b = new Json::Value;
    (*b)["mtngId"] = U(strMtngId);
    (*b)["attcFileId"] = U(strAttcFileId);
    SendCatalogueRequest("M00000004", b);
}

void CTasClientManager::RequestM00000005(CString strMtngId, CString strMtngType)
{
    Json::Value* b = new Json::Value;
    (*b)["mtngId"] = U(strMtngId);
    (*b)["mtngType"] = U(strMtngType);
    SendCatalogueRequest("M00000005", b);
}

void CTasClientManager::RequestM00000006(CString strUserId)
{
    Json::Value* b = new Json::Value;
    (*b)["userIdnfr"] = std::atoi(U(strUserId).c_str());
    SendCatalogueRequest("M00000006", b);
}

void CTasClientManager::RequestM00000007(CString strMtngId, CString strMtngType)
{
    Json::Value* b = new Json::Value;
    (*b)["mtngId"] = U(strMtngId);
    (*b)["mtngType"] = U(strMtngType);
    SendCatalogueRequest("M00000007", b);
}

void CTasClientManager::RequestM00000008(CString strMtngId, CString strMtngType, CString strFileType)
{
    Json::Value* b = new Json::Value;
    (*b)["mtngId"] = U(strMtngId);
    (*b)["mtngType"] = U(strMtngType);
    (*b)["fileType"] = U(strFileType);
    SendCatalogueRequest("M00000008", b);
}

void CTasClientManager::RequestM00000010(CString strMtngId, CString strMtngType, CString strAttcFileId, int nPage,
                                         CString strMeta, std::vector<CString> vecList)
{
    Json::Value* b = new Json::Value;
    (*b)["mtngId"] = U(strMtngId);
    (*b)["attcFileId"] = U(strAttcFileId);
    (*b)["mtngType"] = U(strMtngType);
    (*b)["page"] = nPage;
    (*b)["meta"] = U(strMeta);
    (*b)["list"] = StringArray(vecList);
    SendCatalogueRequest("M00000010", b);
}

void CTasClientManager::RequestM00000011(CString strMtngId, CString strAttcFileId, CString strFileName,
                                         CString strFileUrl, CString strMinutesId, int nStartIdx)
{
    Json::Value* b = new Json::Value;
    (*b)["userIdnfr"] = SessionUserId();
    (*b)["attcFileType"] = 1;
    (*b)["attcFileId"] = U(strAttcFileId);
    (*b)["attcType"] = "1";
    (*b)["attcFileName"] = U(strFileName);
    (*b)["attcFileUrl"] = U(strFileUrl);
    (*b)["startIdx"] = nStartIdx;
    (*b)["reqPerCnt"] = "1";
    (*b)["mtngId"] = U(strMtngId);
    (*b)["appVersion"] = "1.0";
    (*b)["commandUuid"] = "";
    (*b)["securityYn"] = "0";
    (*b)["securityApplyYn"] = "0";
    (*b)["minutesId"] = U(strMinutesId);
    SendCatalogueRequest("M00000011", b);
}

void CTasClientManager::RequestM00000013(CString strMonth, CString strMtngType, CString strDate)
{
    Json::Value* b = new Json::Value;
    (*b)["month"] = U(strMonth);
    (*b)["mtngType"] = U(strMtngType);
    (*b)["preDateLength"] = 0;
    (*b)["date"] = U(strDate);
    SendCatalogueRequest("M00000013", b);
}

void CTasClientManager::RequestM00000015(CString strMtngId, CString strAttcFileId, BOOL bSync, int nPage,
                                         BOOL bStartShare, BOOL bAutoChange, BOOL bCompulsion)
{
    m_nLastSyncFlag = bSync;
    Json::Value* b = new Json::Value;
    (*b)["userIdnfr"] = SessionUserNumber();
    (*b)["mtngId"] = U(strMtngId);
    (*b)["syncYn"] = bSync != 0;
    (*b)["page"] = nPage;
    (*b)["startShareYn"] = bStartShare != 0;
    (*b)["autoAttcChangeYn"] = bAutoChange != 0;
    (*b)["attcFileId"] = U(strAttcFileId);
    (*b)["compulsionYn"] = bCompulsion != 0;
    SendCatalogueRequest("M00000015", b);
}

void CTasClientManager::RequestM00000017(CString strMtngId, CString strMtngType, CString strStatus, BOOL bReport,
                                         CString strDateTime, BOOL bPaper, BOOL bFeedback)
{
    Json::Value* b = new Json::Value;
    (*b)["userIdnfr"] = SessionUserNumber();
    (*b)["mtngId"] = U(strMtngId);
    (*b)["mtngStatus"] = U(strStatus);
    (*b)["mtngType"] = U(strMtngType);
    (*b)["mtngReptYn"] = YN(bReport);
    (*b)["dateTime"] = U(strDateTime);
    (*b)["isPaper"] = bPaper != 0;
    (*b)["feedbackYn"] = YN(bFeedback);
    SendCatalogueRequest("M00000017", b);
}

void CTasClientManager::RequestM00000018(CString strMtngId, CString strAttcFileId, CString strUserId)
{
    Json::Value* b = new Json::Value;
    (*b)["mtngId"] = U(strMtngId);
    (*b)["attcFileId"] = U(strAttcFileId);
    (*b)["userIdnfr"] = U(strUserId);
    SendCatalogueRequest("M00000018", b);
}

void CTasClientManager::RequestM00000019(BOOL bApply, BOOL bSun, BOOL bMon, BOOL bTue, BOOL bWed, BOOL bThu,
                                         BOOL bFri, BOOL bSat, CString strStartTime, CString strEndTime)
{
    Json::Value* b = new Json::Value;
    (*b)["applyYn"] = bApply != 0;
    (*b)["sunYn"] = bSun != 0;
    (*b)["monYn"] = bMon != 0;
    (*b)["tueYn"] = bTue != 0;
    (*b)["wedYn"] = bWed != 0;
    (*b)["thurYn"] = bThu != 0;
    (*b)["friYn"] = bFri != 0;
    (*b)["satYn"] = bSat != 0;
    (*b)["starttime"] = U(strStartTime);
    (*b)["endtime"] = U(strEndTime);
    SendCatalogueRequest("M00000019", b);
}

void CTasClientManager::RequestM00000020(int nUserId)
{
    Json::Value* b = new Json::Value;
    (*b)["userIdnfr"] = nUserId;
    SendCatalogueRequest("M00000020", b);
}

void CTasClientManager::RequestM00000021(CString strMtngId, BOOL bSecurityApply)
{
    Json::Value* b = new Json::Value;
    (*b)["mtngId"] = U(strMtngId);
    (*b)["securityApplyYn"] = bSecurityApply ? 1 : 0;
    (*b)["commandUuid"] = "";
    SendCatalogueRequest("M00000021", b);
}

void CTasClientManager::RequestM00000022(int nUserId)
{
    Json::Value* b = new Json::Value;
    (*b)["userIdnfr"] = nUserId;
    SendCatalogueRequest("M00000022", b);
}

void CTasClientManager::RequestM00000023()
{
    Json::Value* b = new Json::Value;
    (*b)["userIdnfr"] = SessionUserNumber();
    SendCatalogueRequest("M00000023", b);
}

uint64_t CTasClientManager::RequestM00000024(CString strMtngId, CString strAttcFileId, int nPage, int nUserId,
                                             BOOL bPip)
{
    Json::Value* b = new Json::Value;
    (*b)["mtngId"] = U(strMtngId);
    (*b)["attcFileId"] = U(strAttcFileId);
    (*b)["page"] = nPage;
    if (nUserId != 0) (*b)["userIdnfr"] = nUserId;
    (*b)["isPIP"] = bPip != 0;
    return SendCatalogueRequest("M00000024", b);
}

void CTasClientManager::RequestM00000030(CString strMtngId, CString strAttcFileId, int nPage, CString strContent,
                                         int nMetaType)
{
    Json::Value* b = new Json::Value;
    (*b)["mtngId"] = U(strMtngId);
    (*b)["content"] = U(strContent);
    (*b)["page"] = nPage;
    (*b)["attcFileId"] = U(strAttcFileId);
    (*b)["metaType"] = nMetaType;
    SendCatalogueRequest("M00000030", b);
}

void CTasClientManager::RequestM00000031(CString strMtngId, CString strMessage, CString strSenderId,
                                         CString strReceiverId, int nChatType)
{
    Json::Value* b = new Json::Value;
    (*b)["mtngId"] = U(strMtngId);
    (*b)["message"] = U(strMessage);
    (*b)["chatType"] = nChatType;
    (*b)["senderId"] = U(strSenderId);
    (*b)["receiverId"] = U(strReceiverId);
    SendCatalogueRequest("M00000031", b);
}

void CTasClientManager::RequestM00000032(CString strMtngId, CString strMessageId, int nChatType, int nPageNum)
{
    Json::Value* b = new Json::Value;
    (*b)["mtngId"] = U(strMtngId);
    (*b)["pageNum"] = nPageNum;
    (*b)["chatType"] = 1;
    (*b)["messageId"] = U(strMessageId);
    SendCatalogueRequest("M00000032", b);
}

void CTasClientManager::RequestM00000034(CString strPushKey)
{
    Json::Value* b = new Json::Value;
    (*b)["gcmPushKey"] = "";
    (*b)["apnsPushKey"] = "";
    (*b)["pcPushKey"] = strPushKey.IsEmpty() ? PushIdFromMac() : U(strPushKey);
    SendCatalogueRequest("M00000034", b);
}

void CTasClientManager::RequestM00000035(CString strMtngId)
{
    Json::Value* b = new Json::Value;
    (*b)["mtngId"] = U(strMtngId);
    (*b)["userIdnfr"] = SessionUserId();
    SendCatalogueRequest("M00000035", b);
}

void CTasClientManager::RequestM00000036(CString strMtngId)
{
    Json::Value* b = new Json::Value;
    (*b)["mtngId"] = U(strMtngId);
    SendCatalogueRequest("M00000036", b);
}

void CTasClientManager::RequestM00000037(CString strMtngId, CString strSearch, int nCurrentPage, int nPageSize)
{
    Json::Value* b = new Json::Value;
    (*b)["mtngId"] = U(strMtngId);
    (*b)["searchString"] = U(strSearch);
    (*b)["pageSize"] = nPageSize;
    (*b)["currentPage"] = nCurrentPage;
    SendCatalogueRequest("M00000037", b);
}

void CTasClientManager::RequestM00000038(CString strMtngId, CString strUserId, CString strName, BOOL bOpenMode)
{
    Json::Value* b = new Json::Value;
    (*b)["mtngId"] = U(strMtngId);
    (*b)["userIdnfr"] = U(strUserId);
    (*b)["name"] = U(strName);
    (*b)["isMtngOpenMode"] = YN(bOpenMode);
    SendCatalogueRequest("M00000038", b);
}

void CTasClientManager::RequestM00000039(CString strMtngId, CString strAttcFileId, int nPage)
{
    Json::Value* b = new Json::Value;
    (*b)["mtngId"] = U(strMtngId);
    (*b)["attcFileId"] = U(strAttcFileId);
    (*b)["page"] = nPage;
    SendCatalogueRequest("M00000039", b);
}

void CTasClientManager::RequestM00000043(CString strMtngId, std::vector<CString> vecList)
{
    Json::Value* b = new Json::Value;
    (*b)["mtngId"] = U(strMtngId);
    (*b)["meetingType"] = "10";
    (*b)["userIdnfr"] = SessionUserId();
    (*b)["list"] = StringArray(vecList);
    SendCatalogueRequest("M00000043", b);
}

void CTasClientManager::RequestM00000044(CString strGroupCode, CString strOldPassword, CString strNewPassword)
{
    Json::Value* b = new Json::Value;
    (*b)["groupCoCd"] = U(strGroupCode);
    CLoginManager* pLogin = CLoginManager::GetInstance();
    (*b)["sawonNo"] = U(pLogin ? pLogin->GetSawonNo() : CString());
    (*b)["passwordOld"] = U(strOldPassword);
    (*b)["passwordNew"] = U(strNewPassword);
    SendCatalogueRequest("M00000044", b);
}

void CTasClientManager::RequestM00000045(CString strMtngId, CString strAttcFileId, int nPage, BOOL bSync)
{
    Json::Value* b = new Json::Value;
    (*b)["userIdnfr"] = SessionUserId();
    (*b)["mtngId"] = U(strMtngId);
    (*b)["attcFileId"] = U(strAttcFileId);
    (*b)["page"] = nPage;
    (*b)["syncYn"] = bSync != 0;
    SendCatalogueRequest("M00000045", b);
}

void CTasClientManager::RequestM00000046(CString strAttcFileId, CString strFileName, int nStartIdx,
                                         CString strAppVersion)
{
    Json::Value* b = new Json::Value;
    (*b)["attcFileId"] = U(strAttcFileId);
    (*b)["attcFileName"] = U(strFileName);
    (*b)["startIdx"] = nStartIdx;
    (*b)["appVersion"] = U(strAppVersion);
    SendCatalogueRequest("M00000046", b);
}

void CTasClientManager::RequestM00000047(CString strMtngId, CString strAttendance)
{
    Json::Value* b = new Json::Value;
    (*b)["mtngId"] = U(strMtngId);
    (*b)["userIdnfr"] = SessionUserId();
    (*b)["attendanceYn"] = U(strAttendance);
    SendCatalogueRequest("M00000047", b);
}

void CTasClientManager::RequestM00000048(CString strMtngId, CString strAttcFileId, float fZoom, int nOriginX,
                                         int nOriginY)
{
    Json::Value* b = new Json::Value;
    (*b)["mtngId"] = U(strMtngId);
    (*b)["attcFileId"] = U(strAttcFileId);
    (*b)["zoomFactor"] = FloatToStdString(fZoom);
    (*b)["originX"] = IntToStdString(nOriginX);
    (*b)["originY"] = IntToStdString(nOriginY);
    (*b)["dpi"] = "160";
    SendCatalogueRequest("M00000048", b);
}

void CTasClientManager::RequestM00000049(CString strMtngId, CString strUserId, CString strAttcFileId, int nPage,
                                         int nX, int nY, int nColor, int nSize, int nShape)
{
    Json::Value* b = new Json::Value;
    (*b)["mtngId"] = U(strMtngId);
    (*b)["attcFileId"] = U(strAttcFileId);
    (*b)["page"] = nPage;
    (*b)["pointerX"] = IntToStdString(nX);
    (*b)["pointerY"] = IntToStdString(nY);
    (*b)["pointerColor"] = IntToStdString(nColor);
    (*b)["pointerSize"] = IntToStdString(nSize);
    (*b)["pointerShape"] = IntToStdString(nShape);
    (*b)["userIdnfr"] = std::atoi(U(strUserId).c_str());
    SendCatalogueRequest("M00000049", b);
}

void CTasClientManager::RequestM00000052(CString strMtngId, CString strAttcFileId, CString strDownloadId)
{
    Json::Value* b = new Json::Value;
    (*b)["mtngId"] = U(strMtngId);
    (*b)["attcFileId"] = U(strAttcFileId);
    (*b)["downloadUuid"] = U(strDownloadId);
    SendCatalogueRequest("M00000052", b);
}

void CTasClientManager::RequestM00000063(CString strMtngId, CString strAttcFileId, int nPage, int nUserId)
{
    Json::Value* b = new Json::Value;
    (*b)["mtngId"] = U(strMtngId);
    (*b)["attcFileId"] = U(strAttcFileId);
    (*b)["page"] = nPage;
    if (nUserId != 0) (*b)["userIdnfr"] = nUserId;
    SendCatalogueRequest("M00000063", b);
}

void CTasClientManager::RequestM00000064(CString strMtngId, CString strAttcFileId, CString strMessageAll, int nIsAll,
                                         std::vector<CString> vecList)
{
    Json::Value* b = new Json::Value;
    (*b)["mtngId"] = U(strMtngId);
    (*b)["attcFileId"] = U(strAttcFileId);
    (*b)["messageAll"] = U(strMessageAll);
    (*b)["isAll"] = nIsAll;
    (*b)["list"] = StringArray(vecList);
    SendCatalogueRequest("M00000064", b);
}

void CTasClientManager::RequestM00000067(CString strAttcFileId, CString strFileName, int nStartIdx, CString strMtngId)
{
    Json::Value* b = new Json::Value;
    (*b)["mtngId"] = U(strMtngId);
    (*b)["attcFileId"] = U(strAttcFileId);
    (*b)["appVersion"] = "1.0";
    (*b)["attcFileName"] = U(strFileName);
    (*b)["startIdx"] = nStartIdx;
    (*b)["reqPerCnt"] = "10";
    SendCatalogueRequest("M00000067", b);
}

void CTasClientManager::RequestM00000068(CString strMtngId, CString strAttcFileId, CString strVoicePermit)
{
    Json::Value* b = new Json::Value;
    (*b)["mtngId"] = U(strMtngId);
    (*b)["attcFileId"] = U(strAttcFileId);
    (*b)["voicePermitYn"] = U(strVoicePermit);
    SendCatalogueRequest("M00000068", b);
}

void CTasClientManager::RequestM00000069(CString strMtngId)
{
    Json::Value* b = new Json::Value;
    (*b)["mtngId"] = U(strMtngId);
    SendCatalogueRequest("M00000069", b);
}

void CTasClientManager::RequestM00000070(CString strMtngId, CString strAttcFileId, CString strMinutesId)
{
    Json::Value* b = new Json::Value;
    (*b)["mtngId"] = U(strMtngId);
    (*b)["attcFileId"] = U(strAttcFileId);
    (*b)["minutesId"] = U(strMinutesId);
    SendCatalogueRequest("M00000070", b);
}

void CTasClientManager::RequestM00000071(CString strMtngId)
{
    Json::Value* b = new Json::Value;
    (*b)["mtngId"] = U(strMtngId);
    SendCatalogueRequest("M00000071", b);
}

void CTasClientManager::RequestM00000074(CString strMtngId, CString strChatting)
{
    Json::Value* b = new Json::Value;
    (*b)["mtngId"] = U(strMtngId);
    (*b)["chattingYn"] = U(strChatting);
    SendCatalogueRequest("M00000074", b);
}

void CTasClientManager::RequestM00000076(CString strMtngId, CString strAttcFileId, CString strConfirm,
                                         CString strConfirmDate, CString strPath)
{
    Json::Value* b = new Json::Value;
    (*b)["mtngId"] = U(strMtngId);
    (*b)["attcFileId"] = U(strAttcFileId);
    (*b)["confirmYn"] = U(strConfirm);
    (*b)["confirmDate"] = U(strConfirmDate);
    (*b)["path"] = U(strPath);
    SendCatalogueRequest("M00000076", b);
}

void CTasClientManager::RequestM00000078(CString strMtngId, CString strAttcFileId, CString strPage,
                                         CString strFavorite)
{
    Json::Value* b = new Json::Value;
    (*b)["mtngId"] = U(strMtngId);
    (*b)["attcFileId"] = U(strAttcFileId);
    (*b)["page"] = U(strPage);
    (*b)["favoriteYn"] = U(strFavorite);
    SendCatalogueRequest("M00000078", b);
}

void CTasClientManager::RequestM00000079(CString strMtngId, CString strAttcFileId)
{
    Json::Value* b = new Json::Value;
    (*b)["mtngId"] = U(strMtngId);
    (*b)["attcFileId"] = U(strAttcFileId);
    SendCatalogueRequest("M00000079", b);
}

void CTasClientManager::RequestM00000095()
{
    Json::Value* b = new Json::Value;
    (*b)["appType"] = "7";
    (*b)["appVer"] = AppVersionWithoutBlanks();
    SendCatalogueRequest("M00000095", b);
}

void CTasClientManager::RequestM00000096(CString strAttcFileId, CString strFavorite)
{
    Json::Value* b = new Json::Value;
    (*b)["attcFileId"] = U(strAttcFileId);
    (*b)["favoriteYn"] = U(strFavorite);
    SendCatalogueRequest("M00000096", b);
}

void CTasClientManager::RequestM00000100(CString strAttcFileId, int nCommand, int nPage)
{
    Json::Value* b = new Json::Value;
    (*b)["attcFileId"] = U(strAttcFileId);
    (*b)["command"] = nCommand;
    (*b)["page"] = nPage;
    SendCatalogueRequest("M00000100", b);
}
