#pragma once
// CScriptExternal: the object a page of the organisation's web server reaches as window.external
// inside one of the client's embedded views. Each method has a name, as the page's script calls
// it, and a handler that gets the call's arguments as texts in the order the script wrote them.
#include <windows.h>
#include <oaidl.h>

#include <functional>
#include <vector>

#include "platform/CString.h"

class CScriptExternal : public IDispatch {
public:
    using Handler = std::function<int(const std::vector<CString>& args)>;

    CScriptExternal() = default;
    CScriptExternal(const CScriptExternal&) = delete;
    CScriptExternal& operator=(const CScriptExternal&) = delete;

    // bReturnsNumber: the script gets the handler's result as a number; otherwise nothing.
    void AddMethod(const CString& strName, Handler handler, BOOL bReturnsNumber = FALSE);
    // Ends every later call without running it (the window behind the handlers is going away).
    void Disconnect() { m_bConnected = FALSE; }

    // IUnknown; the object starts with one reference, its owner's.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // IDispatch: names are matched without regard to case, as script engines may ask either way.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* pctinfo) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid,
                                            DISPID* rgDispId) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,
                                     DISPPARAMS* pDispParams, VARIANT* pVarResult, EXCEPINFO* pExcepInfo,
                                     UINT* puArgErr) override;

private:
    virtual ~CScriptExternal() = default;

    struct METHOD {
        CString strName;
        Handler handler;
        BOOL bReturnsNumber;
    };
    std::vector<METHOD> m_methods;   // the dispatch id is the position + 1
    LONG m_nRefs = 1;
    BOOL m_bConnected = TRUE;
};
