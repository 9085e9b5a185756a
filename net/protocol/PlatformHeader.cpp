#include "net/protocol/PlatformHeader.h"

#include <cstring>

#include "net/protocol/MacAddressText.h"
#include "platform/Convert.h"

namespace PlatformHeader {

namespace {

const Layout kLayouts[] = {
    {FORM_PHV102, "PHV102", kSize102, 27, 35, 184, 186, 188, 192},
    {FORM_PHV106, "PHV106", kSize106, kNoField, kNoField, 27, 29, 31, 35},
    {FORM_PHV101, "PHV101", kSize101, 27, 35, 70, 72, 74, 78},
};

const Layout kUnknown = {FORM_UNKNOWN, "", 0, kNoField, kNoField, kNoField, kNoField, kNoField, kNoField};

// Device fields of PHV102 (offset, width).
const size_t kImei = 39, kMac = 59, kMsisdn = 79, kModelNo = 99, kIspName = 129, kOsType = 139,
             kOsVersion = 140, kUuid = 160;

}  // namespace

const Layout& LayoutOf(Form form)
{
    for (const Layout& layout : kLayouts)
        if (layout.form == form) return layout;
    return kUnknown;
}

Form Recognize(const uint8_t* pData, size_t nSize)
{
    if (!pData || nSize < kVersionSize) return FORM_UNKNOWN;
    for (const Layout& layout : kLayouts)
        if (std::memcmp(pData, layout.version, kVersionSize) == 0) return layout.form;
    return FORM_UNKNOWN;
}

Form FormOfSize(size_t nSize)
{
    if (nSize == kSize102) return FORM_PHV102;
    if (nSize == kSize106) return FORM_PHV106;
    return FORM_UNKNOWN;
}

void Put16(uint8_t* p, uint16_t value)
{
    p[0] = (uint8_t)(value >> 8);
    p[1] = (uint8_t)value;
}

void Put32(uint8_t* p, uint32_t value)
{
    for (int i = 3; i >= 0; --i, value >>= 8) p[i] = (uint8_t)value;
}

void Put64(uint8_t* p, uint64_t value)
{
    for (int i = 7; i >= 0; --i, value >>= 8) p[i] = (uint8_t)value;
}

uint16_t Get16(const uint8_t* p)
{
    return (uint16_t)((p[0] << 8) | p[1]);
}

uint32_t Get32(const uint8_t* p)
{
    return ((uint32_t)p[0] << 24) | ((uint32_t)p[1] << 16) | ((uint32_t)p[2] << 8) | p[3];
}

uint64_t Get64(const uint8_t* p)
{
    return ((uint64_t)Get32(p) << 32) | Get32(p + 4);
}

uint64_t GetRaw64(const uint8_t* p)
{
    uint64_t value;
    std::memcpy(&value, p, sizeof value);
    return value;
}

void PutText(uint8_t* pBlock, size_t nOffset, size_t nWidth, const std::string& strText)
{
    std::memcpy(pBlock + nOffset, strText.data(), strText.size() < nWidth ? strText.size() : nWidth);
}

std::string GetText(const uint8_t* pBlock, size_t nOffset, size_t nWidth)
{
    const char* p = reinterpret_cast<const char*>(pBlock + nOffset);
    size_t n = 0;
    while (n < nWidth && p[n] != 0) ++n;
    return std::string(p, n);
}

std::vector<uint8_t> BuildPhv102(const _PHV102_VALUES& v)
{
    std::vector<uint8_t> header(kSize102, 0);
    uint8_t* p = header.data();
    PutText(p, 0, kVersionSize, "PHV102");
    PutText(p, kApplicationIdOffset, kApplicationIdWidth, v.strApplicationId);
    PutText(p, kMessageIdOffset, kMessageIdWidth, v.strMessageId);
    Put64(p + 27, v.nTransactionId);
    Put32(p + 35, (uint32_t)v.nServiceId);
    PutText(p, kImei, 20, v.strImei);
    PutText(p, kMac, 20, v.strMacAddress);
    PutText(p, kMsisdn, 20, v.strMsisdn);
    PutText(p, kModelNo, 30, v.strModelNo);
    PutText(p, kIspName, 10, v.strIspName);
    p[kOsType] = (uint8_t)v.chOsType;
    PutText(p, kOsVersion, 20, v.strOsVersion);
    PutText(p, kUuid, 24, v.strUuid);
    Put16(p + 184, v.nBodyType);
    return header;
}

_PHV102_VALUES ClientValues(const std::string& strApplicationId, const std::string& strMessageId,
                            uint64_t nTransactionId, int32_t nServiceId, const std::string& strMsisdn, char chOsType)
{
    _PHV102_VALUES v;
    v.strApplicationId = strApplicationId;
    v.strMessageId = strMessageId;
    v.nTransactionId = nTransactionId;
    v.nServiceId = nServiceId;
    v.strImei = "00000000000000000000";
    v.strMacAddress = GetMacAddressText();
    v.strMsisdn = strMsisdn;
    v.strModelNo = "PC";
    v.strIspName = "000000000";
    v.chOsType = chOsType;
    v.strOsVersion = "00000000000000000000";
    v.strUuid = "000000000000000000000000";
    v.nBodyType = 1;
    return v;
}

std::vector<uint8_t> BuildPhv106(const std::string& strApplicationId, const std::string& strMessageId)
{
    std::vector<uint8_t> header(kSize106, 0);
    PutText(header.data(), 0, kVersionSize, "PHV106");
    PutText(header.data(), kApplicationIdOffset, kApplicationIdWidth, strApplicationId);
    PutText(header.data(), kMessageIdOffset, kMessageIdWidth, strMessageId);
    Put16(header.data() + 27, 1);
    return header;
}

std::vector<uint8_t> UpgradePhv101(const uint8_t* pOld, const std::string& strMacAddress)
{
    std::vector<uint8_t> header(kSize102, 0);
    uint8_t* p = header.data();
    PutText(p, 0, kVersionSize, "PHV102");
    // Application id, message id, session id, transaction id and service id: bytes 6 to 38.
    std::memcpy(p + kApplicationIdOffset, pOld + kApplicationIdOffset, 39 - kApplicationIdOffset);
    PutText(p, kImei, 20, "00000000000000000000");
    PutText(p, kMac, 20, strMacAddress);
    PutText(p, kMsisdn, 20, "00000000000000");
    PutText(p, kModelNo, 30, "PC");
    PutText(p, kIspName, 10, "000000000");
    p[kOsType] = 'I';
    PutText(p, kOsVersion, 20, "00000000000000000000");
    PutText(p, kUuid, 24, "000000000000000000000000");
    // bodyType, statusCode, headerLength and bodyLength lie together in both forms.
    std::memcpy(p + 184, pOld + 70, 12);
    return header;
}

namespace {

void AddLine(CString& text, const wchar_t* pszName, const CString& strValue)
{
    CString line;
    line.Format(L"\n[%-13s] [%s]", pszName, (LPCTSTR)strValue);
    text += line;
}

void AddText(CString& text, const wchar_t* pszName, const uint8_t* p, size_t nOffset, size_t nWidth)
{
    AddLine(text, pszName, Utf8ToWide(GetText(p, nOffset, nWidth)));
}

void AddNumber(CString& text, const wchar_t* pszName, long long value)
{
    CString s;
    s.Format(L"%d", (int)value);
    AddLine(text, pszName, s);
}

void AddId(CString& text, const wchar_t* pszName, uint64_t value)
{
    CString s;
    s.Format(L"%.0lf", (double)value);
    AddLine(text, pszName, s);
}

}  // namespace

CString Text(const std::vector<uint8_t>& header, bool bResponse)
{
    CString text = bResponse ? L"\n<Response - PlatformHeader> ------------------------"
                             : L"\n<PlatformHeader> ------------------------";
    const Layout& layout = LayoutOf(FormOfSize(header.size()));
    if (layout.form != FORM_UNKNOWN) {
        const uint8_t* p = header.data();
        AddText(text, L"headerVersion", p, 0, kVersionSize);
        AddText(text, L"applicationId", p, kApplicationIdOffset, kApplicationIdWidth);
        AddText(text, L"messageId", p, kMessageIdOffset, kMessageIdWidth);
        AddId(text, L"sessionId", Get64(p + kSessionIdOffset));
        if (layout.form == FORM_PHV102) {
            AddId(text, L"transactionId", Get64(p + 27));
            AddNumber(text, L"serviceId", (int32_t)Get32(p + 35));
            AddText(text, L"imei", p, kImei, 20);
            AddText(text, L"macAddress", p, kMac, 20);
            AddText(text, L"msisdn", p, kMsisdn, 20);
            AddText(text, L"modelNo", p, kModelNo, 30);
            AddText(text, L"ispName", p, kIspName, 10);
            CString os;
            os.Format(L"%c", (wchar_t)p[kOsType]);
            AddLine(text, L"osType", os);
            AddText(text, L"osVersion", p, kOsVersion, 20);
            AddText(text, L"uuid", p, kUuid, 24);
        }
        AddNumber(text, L"bodyType", Get16(p + layout.bodyType));
        AddNumber(text, L"statusCode", (int16_t)Get16(p + layout.statusCode));
        AddNumber(text, L"headerLength", Get32(p + layout.headerLength));
        AddNumber(text, L"bodyLength", Get32(p + layout.bodyLength));
    }
    text += L"\n------------------------------------------------";
    return text;
}

}  // namespace PlatformHeader
