#include "features/documents/ScriptExternal.h"

#include "core/MyLogFile.h"

void CScriptExternal::AddMethod(const CString& strName, Handler handler, BOOL bReturnsNumber)
{
    m_methods.push_back(METHOD{strName, std::move(handler), bReturnsNumber});
}

HRESULT CScriptExternal::QueryInterface(REFIID riid, void** ppv)
{
    if (!ppv)
        return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch)) {
        *ppv = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

ULONG CScriptExternal::AddRef()
{
    return (ULONG)::InterlockedIncrement(&m_nRefs);
}

ULONG CScriptExternal::Release()
{
    const LONG nRefs = ::InterlockedDecrement(&m_nRefs);
    if (nRefs == 0)
        delete this;
    return (ULONG)nRefs;
}

HRESULT CScriptExternal::GetTypeInfoCount(UINT* pctinfo)
{
    if (!pctinfo)
        return E_POINTER;
    *pctinfo = 0;
    return S_OK;
}

HRESULT CScriptExternal::GetTypeInfo(UINT, LCID, ITypeInfo** ppTInfo)
{
    if (ppTInfo)
        *ppTInfo = nullptr;
    return DISP_E_BADINDEX;
}

HRESULT CScriptExternal::GetIDsOfNames(REFIID, LPOLESTR* rgszNames, UINT cNames, LCID, DISPID* rgDispId)
{
    if (!rgszNames || !rgDispId)
        return E_POINTER;
    HRESULT hr = S_OK;
    for (UINT i = 0; i < cNames; ++i) {
        rgDispId[i] = DISPID_UNKNOWN;
        for (size_t m = 0; m < m_methods.size(); ++m) {
            if (rgszNames[i] && m_methods[m].strName.CompareNoCase(rgszNames[i]) == 0) {
                rgDispId[i] = (DISPID)(m + 1);
                break;
            }
        }
        if (rgDispId[i] == DISPID_UNKNOWN)
            hr = DISP_E_UNKNOWNNAME;
    }
    return hr;
}

HRESULT CScriptExternal::Invoke(DISPID dispIdMember, REFIID, LCID, WORD wFlags, DISPPARAMS* pDispParams,
                                VARIANT* pVarResult, EXCEPINFO*, UINT*)
{
    if (dispIdMember < 1 || (size_t)dispIdMember > m_methods.size())
        return DISP_E_MEMBERNOTFOUND;
    if (!(wFlags & DISPATCH_METHOD))
        return DISP_E_MEMBERNOTFOUND;
    const METHOD& method = m_methods[(size_t)dispIdMember - 1];
    // Automation hands the arguments over last first.
    std::vector<CString> args;
    const UINT nArgs = pDispParams ? pDispParams->cArgs : 0;
    for (UINT i = 0; i < nArgs; ++i) {
        VARIANT text;
        ::VariantInit(&text);
        CString strArg;
        if (SUCCEEDED(::VariantChangeType(&text, &pDispParams->rgvarg[nArgs - 1 - i], 0, VT_BSTR)) && text.bstrVal)
            strArg = text.bstrVal;
        ::VariantClear(&text);
        args.push_back(strArg);
    }
    int nResult = 0;
    if (m_bConnected) {
        // The page's script calls in on the window's thread; a failing handler must not unwind
        // through the browser.
        try {
            nResult = method.handler(args);
        } catch (...) {
            g_ApplicationLog.Log(4, L"Script call %s failed\n", method.strName.GetString());
            return E_FAIL;
        }
    }
    if (pVarResult) {
        ::VariantInit(pVarResult);
        if (method.bReturnsNumber) {
            pVarResult->vt = VT_I4;
            pVarResult->lVal = nResult;
        }
    }
    return S_OK;
}
