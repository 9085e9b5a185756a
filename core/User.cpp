#include "core/User.h"

#include "core/JsonHelpers.h"

IMPLEMENT_DYNAMIC(CUser, CObject)

CUser::CUser() : m_bProcess(0), m_bMain(0), m_bRequired(0), m_nRemarkTurn(-1), m_nUserIdnfr(0) {}

CUser::~CUser() {}

void CUser::LoadFromJson(const Json::Value& obj)
{
    m_nUserIdnfr = GetJsonIntOr(obj, "userIdnfr", 0);
    m_strSawonNo = GetJsonString(obj, "sawonNo");
    m_strName = GetJsonString(obj, "name");
    m_strEmail = GetJsonString(obj, "email");
    m_strPosition = GetJsonString(obj, "position");
    m_bProcess = GetJsonFlag(obj, "processYn", 0);
    m_strPhoneNumber = GetJsonString(obj, "phoneNumber");
    m_strOfficeTel = GetJsonString(obj, "officeTel");
    m_bMain = GetJsonFlag(obj, "mainYn", 0);
    m_bRequired = GetJsonFlag(obj, "ncryPtptYn", 0);
    m_strDeptName = GetJsonString(obj, "deptName");
    m_nRemarkTurn = GetJsonIntOr(obj, "remarkTurn", -1);
    m_strConfirmYn = GetJsonString(obj, "confirmYn");
    m_strConfirmDate = GetJsonString(obj, "confirmDate");
}
