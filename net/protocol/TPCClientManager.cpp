#include "net/protocol/TPCClientManager.h"

#include <ctime>

#include "core/JsonHelpers.h"
#include "core/MyLogFile.h"
#include "net/protocol/JsonText.h"
#include "net/protocol/MacAddressText.h"
#include "net/protocol/PlatformHeader.h"
#include "platform/Convert.h"

const char CTPCClientManager::kAccessKey[] = "5e0b7a93d41c28f6a0e9b3d7c5f18a2e64b09d3f7e1a85c26d4f90b3e7a1c58d";

CTPCClientManager::CTPCClientManager() : CSessionClientManager(L"TPC", 0, 30000) {}

std::vector<_REQUIRED_MESSAGE> CTPCClientManager::RequiredMessages()
{
    return {{"PPSE", "M00000005"}, {"PPSE", "M00000001"}, {"PFAP", "M00000000"}, {"PFAP", "M00000001"},
            {"PFAP", "M00000002"}};
}

BOOL CTPCClientManager::Init(const wchar_t* pszDefinitionPath)
{
    return InitClient(pszDefinitionPath, RequiredMessages());
}

CString CTPCClientManager::GetPushKey()
{
    std::lock_guard<std::mutex> lock(m_csPushKey);
    return m_strPushKey;
}

std::vector<uint8_t> CTPCClientManager::MakePlatformHeader(const char* pszApplicationId, const char* pszMessageId)
{
    // The push server matches nothing by the transaction id: the current time in seconds serves.
    return PlatformHeader::BuildPhv102(PlatformHeader::ClientValues(pszApplicationId, pszMessageId,
                                                                    (uint64_t)time(nullptr), 5, "00000000000000", 'W'));
}

void CTPCClientManager::SendPushRequest(const char* pszApplicationId, const char* pszMessageId, Json::Value* pBody)
{
    Json::Value* pHeader = new Json::Value;
    (*pHeader)["status"] = 0;
    SendThroughClient(new CTasRequest(CTasRequest::HEADER_FORM_PHV102, MakePlatformHeader(pszApplicationId, pszMessageId),
                                      pHeader, pBody));
}

void CTPCClientManager::RequestPushKey()
{
    Json::Value* pBody = new Json::Value;
    (*pBody)["serviceId"] = "TPS";
    (*pBody)["auth"] = kAccessKey;
    (*pBody)["deviceUuid"] = "PPM-" + GetMacAddressText() + "-W";
    (*pBody)["locale"] = 1;
    SendPushRequest("PPSE", "M00000005", pBody);
}

void CTPCClientManager::RequestConnect()
{
    Json::Value* pBody = new Json::Value;
    (*pBody)["serviceId"] = "TPS";
    (*pBody)["auth"] = kAccessKey;
    (*pBody)["pushKey"] = WideToUtf8(GetPushKey());
    (*pBody)["locale"] = 1;
    SendPushRequest("PPSE", "M00000001", pBody);
}

void CTPCClientManager::SendKeepAlive()
{
    g_TasLog.Log(2, L"Send KeepAlive To TPC--->\n");
    SendPushRequest("PFAP", "M00000000", nullptr);
}

void CTPCClientManager::SendPushResults(const Json::Value& results)
{
    Json::Value* pBody = new Json::Value;
    (*pBody)["pushItemResultList"] = results;
    SendPushRequest("PFAP", "M00000002", pBody);
}

void CTPCClientManager::OnConnect()
{
    g_TasLog.Log(2, L"CTPCClientManager's socket is just connect...(TPC 3.2)\n");
    RequestPushKey();
}

void CTPCClientManager::OnResponse(std::shared_ptr<CTasResponse> pResponse)
{
    const std::string strMessageId = pResponse->GetMessageId();
    const std::string strApplicationId = pResponse->GetApplicationId().substr(0, 4);
    if (pResponse->GetStatusCode() != 0) {
        g_TasLog.Log(2, L"received message from TPC...but status code is not success.....\n");
        return;
    }
    const Json::Value kNull;
    const Json::Value& body = pResponse->GetBody() ? *pResponse->GetBody() : kNull;
    const HWND hListener = m_hListener;
    if (strApplicationId == "PPSE") {
        if (strMessageId == "M00000001") {
            g_TasLog.Log(2, L"TPC connection is established...\n");
            const int nInterval = GetJsonInt(body, "keepAliveInterval");
            if (nInterval != 0) m_nKeepAliveInterval = nInterval;
            OnSessionOpened(nInterval);
            if (hListener) SendMessage(hListener, WM_TPC_SESSION_OPEN, 0, 0);
        } else if (strMessageId == "M00000005") {
            const CString strKey = Utf8ToWide(GetJsonUtf8(body, "pushKey"));
            {
                std::lock_guard<std::mutex> lock(m_csPushKey);
                m_strPushKey = strKey;
            }
            g_TasLog.Log(2, L"pushKey : %s", (LPCTSTR)strKey);
            if (hListener) SendMessage(hListener, WM_TPC_PUSH_KEY, 0, 0);
        }
    } else if (strApplicationId == "PFAP") {
        if (strMessageId == "M00000000") {
            g_TasLog.Log(2, L"<---receive KeepAlive From TPC\n");
            m_bKeepAliveSent = 0;
        } else if (strMessageId == "M00000001") {
            Deliver(body);
        }
    }
}

void CTPCClientManager::Deliver(const Json::Value& body)
{
    const Json::Value* pList = FindJsonMember(body, "pushItemList");
    if (!pList || !pList->isArray()) return;
    Json::Value results(Json::arrayValue);
    for (const Json::Value& item : *pList) {
        const std::string strUuid = GetJsonUtf8(item, "deviceMessageUuid");
        const std::string strData = GetJsonUtf8(item, "data");
        Json::Value result;
        result["deviceMessageUuid"] = strUuid;
        result["type"] = "PPC";
        result["status"] = 0;
        results.append(result);

        _PUSH_ITEM pushItem;
        const HWND hListener = m_hListener;
        if (!ParseJsonText(strData, pushItem.data)) {
            g_TasLog.Log(3, L"push item %s acknowledged but not delivered: its data is not JSON\n",
                         (LPCTSTR)Utf8ToWide(strUuid));
        } else if (!hListener) {
            g_TasLog.Log(3, L"push item %s acknowledged but not delivered: no listener\n", (LPCTSTR)Utf8ToWide(strUuid));
        } else {
            SendMessage(hListener, WM_TPC_PUSH_ITEM, 0, (LPARAM)&pushItem);
        }
    }
    if (results.empty()) return;
    // Every item is acknowledged with status 0, delivered or not, so the server does not deliver
    // it again and again; the undelivered ones are in the log.
    SendPushResults(results);
    g_TasLog.Log(2, L"received message from TPC... Send push status code is success.....\n");
}
