// The object a web page reaches as window.external, called the way a script engine calls it, and
// the data box page's address.
#include <gtest/gtest.h>

#include <vector>

#include "features/documents/ScriptExternal.h"
#include "features/documents/WebPageViews.h"

namespace {

struct Call {
    CScriptExternal* external;
    HRESULT Invoke(const wchar_t* name, std::vector<const wchar_t*> scriptArgs, VARIANT* result = nullptr)
    {
        LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
        DISPID id = DISPID_UNKNOWN;
        HRESULT hr = external->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
        if (FAILED(hr)) return hr;
        // A script engine hands the arguments over last first.
        std::vector<VARIANT> args(scriptArgs.size());
        for (size_t i = 0; i < scriptArgs.size(); ++i) {
            VARIANT& v = args[scriptArgs.size() - 1 - i];
            ::VariantInit(&v);
            v.vt = VT_BSTR;
            v.bstrVal = ::SysAllocString(scriptArgs[i]);
        }
        DISPPARAMS params = {args.empty() ? nullptr : args.data(), nullptr, (UINT)args.size(), 0};
        hr = external->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, result, nullptr, nullptr);
        for (VARIANT& v : args) ::VariantClear(&v);
        return hr;
    }
};

TEST(ScriptExternal, MethodsAreFoundByNameInAnyCaseAndGetTheArgumentsInScriptOrder)
{
    CScriptExternal* external = new CScriptExternal();
    std::vector<CString> seen;
    external->AddMethod(L"setUserInfo", [&](const std::vector<CString>& args) {
        seen = args;
        return 0;
    });
    external->AddMethod(L"checkOtherTargetVal", [](const std::vector<CString>& args) {
        return args.size() > 1 ? _wtoi(args[1].GetString()) * 10 : -1;
    }, TRUE);
    Call call{external};
    VARIANT result;
    ::VariantInit(&result);
    EXPECT_EQ(call.Invoke(L"SETUSERINFO", {L"a", L"1042", L"c"}, &result), S_OK);
    EXPECT_EQ(seen, std::vector<CString>({L"a", L"1042", L"c"}));
    EXPECT_EQ(result.vt, VT_EMPTY);   // a method without a result gives the script nothing
    EXPECT_EQ(call.Invoke(L"checkOtherTargetVal", {L"x", L"7"}, &result), S_OK);
    EXPECT_EQ(result.vt, VT_I4);
    EXPECT_EQ(result.lVal, 70);
    EXPECT_EQ(call.Invoke(L"noSuchMethod", {}), DISP_E_UNKNOWNNAME);
    // A number from the script arrives as its text.
    DISPID id = 0;
    LPOLESTR name[] = {const_cast<LPOLESTR>(L"setUserInfo")};
    ASSERT_EQ(external->GetIDsOfNames(IID_NULL, name, 1, 0, &id), S_OK);
    VARIANT number;
    ::VariantInit(&number);
    number.vt = VT_I4;
    number.lVal = 5;
    DISPPARAMS params = {&number, nullptr, 1, 0};
    EXPECT_EQ(external->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr), S_OK);
    EXPECT_EQ(seen, std::vector<CString>({L"5"}));
    EXPECT_EQ(external->Invoke(99, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr),
              DISP_E_MEMBERNOTFOUND);
    external->Release();
}

TEST(ScriptExternal, ACallAfterTheWindowWentAwayRunsNothing)
{
    CScriptExternal* external = new CScriptExternal();
    int runs = 0;
    external->AddMethod(L"closeDlg", [&](const std::vector<CString>&) { return ++runs; });
    external->AddRef();   // the page still holds it
    Call call{external};
    EXPECT_EQ(call.Invoke(L"closeDlg", {}), S_OK);
    external->Disconnect();
    external->Release();   // the view's reference
    EXPECT_EQ(call.Invoke(L"closeDlg", {}), S_OK);
    EXPECT_EQ(runs, 1);
    external->Release();   // the page's
}

TEST(DataBoxPage, AddressCarriesTheSettingsTheMeetingAndAUniqueTime)
{
    SYSTEMTIME t = {};
    t.wHour = 9;
    t.wMinute = 5;
    t.wSecond = 7;
    t.wMilliseconds = 42;
    // "kim" in UTF-8 and Base64 is "a2lt".
    EXPECT_EQ(MakeDataBoxPageUrl(FALSE, L"10.0.0.5", 16304, L"M100", L"kim", t),
              CString(L"http://10.0.0.5:16304/brindlecast/sso/ssoPage.jsp?actionFlag=databox&mtngId=M100"
                      L"&sawonNo=a2lt&09:05:07.042"));
    EXPECT_EQ(MakeDataBoxPageUrl(TRUE, L"tms", 443, L"M100", L"kim", t).Left(12), CString(L"https://tms:"));
    // Two openings for the same meeting differ only in the time.
    SYSTEMTIME later = t;
    later.wMilliseconds = 43;
    const CString a = MakeDataBoxPageUrl(FALSE, L"h", 1, L"M1", L"홍길동", t);
    const CString b = MakeDataBoxPageUrl(FALSE, L"h", 1, L"M1", L"홍길동", later);
    EXPECT_NE(a, b);
    EXPECT_EQ(a.Left(a.GetLength() - 13), b.Left(b.GetLength() - 13));
    // A Base64 '+', '/' or '=' reaches the server as itself.
    EXPECT_GE(MakeDataBoxPageUrl(FALSE, L"h", 1, L"M1", L"ab", t).Find(L"sawonNo=YWI%3D&"), 0);
}

}  // namespace
