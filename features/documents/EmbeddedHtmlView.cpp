#include "features/documents/EmbeddedHtmlView.h"

#include <mshtml.h>

#include "core/MyLogFile.h"
#include "core/DrawHelpers.h"
#include "platform/DC.h"
#include "resources/resource.h"
#include "tools/browser/HtmlControlEngine.h"

BEGIN_MESSAGE_MAP(CEmbeddedHtmlView, CWnd)
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CEmbeddedHtmlView::CEmbeddedHtmlView() : m_pExternal(new CScriptExternal()) {}

CEmbeddedHtmlView::~CEmbeddedHtmlView()
{
    if (GetSafeHwnd())
        DestroyWindow();
    m_pExternal->Disconnect();
    m_pExternal->Release();
}

BOOL CEmbeddedHtmlView::Create(CWnd* pParent, const CRect& rc, UINT nId)
{
    // No border and no sunken edge: the page fills its owner's frame.
    return CWnd::CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW)), L"",
                          WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rc, pParent, nId);
}

BOOL CEmbeddedHtmlView::Navigate(const CString& strUrl)
{
    m_strUrl = strUrl;
    if (m_bBrowser) {
        IWebBrowser2* pBrowser = nullptr;
        m_hrBrowser = GetHostedBrowser(m_hHost, &pBrowser);
        if (SUCCEEDED(m_hrBrowser)) {
            BSTR bstrUrl = ::SysAllocString(strUrl.GetString());
            m_hrBrowser = pBrowser->Navigate(bstrUrl, nullptr, nullptr, nullptr, nullptr);
            ::SysFreeString(bstrUrl);
            pBrowser->Release();
        }
        return SUCCEEDED(m_hrBrowser);
    }
    CRect rc;
    GetClientRect(&rc);
    m_hHost = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_CLIPCHILDREN, 0, 0, rc.Width(), rc.Height(), m_hWnd,
                                nullptr, ::GetModuleHandleW(nullptr), nullptr);
    m_hrBrowser = m_hHost ? HostHtmlControl(m_hHost, strUrl.GetString()) : HRESULT_FROM_WIN32(::GetLastError());
    m_bBrowser = SUCCEEDED(m_hrBrowser);
    if (m_bBrowser) {
        const HRESULT hr = SetHostedExternal(m_hHost, m_pExternal);
        if (FAILED(hr))
            g_ApplicationLog.Log(3, L"Embedded page without its external object (0x%08lX)\n", (unsigned long)hr);
        ::ShowWindow(m_hHost, SW_SHOW);
    } else {
        g_ApplicationLog.Log(3, L"Embedded page cannot be shown (0x%08lX): %s\n", (unsigned long)m_hrBrowser,
                             strUrl.GetString());
        if (m_hHost)
            ::DestroyWindow(m_hHost);
        m_hHost = nullptr;
        Invalidate();
    }
    return m_bBrowser;
}

void CEmbeddedHtmlView::SetSilent(BOOL bSilent)
{
    IWebBrowser2* pBrowser = nullptr;
    if (m_bBrowser && SUCCEEDED(GetHostedBrowser(m_hHost, &pBrowser))) {
        pBrowser->put_Silent(bSilent ? VARIANT_TRUE : VARIANT_FALSE);
        pBrowser->Release();
    }
}

BOOL CEmbeddedHtmlView::CallJScript(const CString& strFunction, const CStringArray& args)
{
    if (!m_bBrowser)
        return FALSE;
    IWebBrowser2* pBrowser = nullptr;
    if (FAILED(GetHostedBrowser(m_hHost, &pBrowser)))
        return FALSE;
    IDispatch* pDocumentDispatch = nullptr;
    pBrowser->get_Document(&pDocumentDispatch);
    pBrowser->Release();
    if (!pDocumentDispatch)
        return FALSE;
    IHTMLDocument* pDocument = nullptr;
    pDocumentDispatch->QueryInterface(IID_IHTMLDocument, reinterpret_cast<void**>(&pDocument));
    pDocumentDispatch->Release();
    if (!pDocument)
        return FALSE;
    IDispatch* pScript = nullptr;
    pDocument->get_Script(&pScript);
    pDocument->Release();
    if (!pScript)
        return FALSE;
    BSTR bstrName = ::SysAllocString(strFunction.GetString());
    DISPID dispid = DISPID_UNKNOWN;
    HRESULT hr = pScript->GetIDsOfNames(IID_NULL, &bstrName, 1, LOCALE_SYSTEM_DEFAULT, &dispid);
    ::SysFreeString(bstrName);
    if (SUCCEEDED(hr)) {
        // Automation takes the arguments last first.
        const INT_PTR nArgs = args.GetSize();
        std::vector<VARIANT> values((size_t)nArgs);
        for (INT_PTR i = 0; i < nArgs; ++i) {
            VARIANT& v = values[(size_t)(nArgs - 1 - i)];
            ::VariantInit(&v);
            v.vt = VT_BSTR;
            v.bstrVal = ::SysAllocString(args[i].GetString());
        }
        DISPPARAMS params = {values.empty() ? nullptr : values.data(), nullptr, (UINT)nArgs, 0};
        VARIANT result;
        ::VariantInit(&result);
        hr = pScript->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, &result, nullptr, nullptr);
        ::VariantClear(&result);
        for (VARIANT& v : values)
            ::VariantClear(&v);
    }
    pScript->Release();
    return SUCCEEDED(hr);
}

void CEmbeddedHtmlView::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (m_hHost)
        ::SetWindowPos(m_hHost, nullptr, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
    Invalidate();
}

BOOL CEmbeddedHtmlView::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CEmbeddedHtmlView::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    dc.FillSolidRect(&rc, RGB(255, 255, 255));
    if (m_bBrowser || m_strUrl.IsEmpty())
        return;
    // No HTML control on this machine: say so where the page would be, with its address.
    CString strText;
    strText.LoadString(IDS_EMBEDDED_PAGE_UNAVAILABLE);
    CRect rcText(rc.left + 24, rc.top + rc.Height() / 2 - 30, rc.right - 24, rc.top + rc.Height() / 2);
    DrawTextWithFont(&dc, &rcText, strText, RGB(51, 51, 51), RGB(255, 255, 255), TRUE, 11,
                     DT_CENTER | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX, 1);
    CRect rcUrl(rc.left + 24, rcText.bottom + 4, rc.right - 24, rcText.bottom + 28);
    DrawTextWithFont(&dc, &rcUrl, m_strUrl, RGB(120, 120, 120), RGB(255, 255, 255), TRUE, 9,
                     DT_CENTER | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_PATH_ELLIPSIS, 0);
}

void CEmbeddedHtmlView::OnDestroy()
{
    m_pExternal->Disconnect();
    if (m_bBrowser && m_hHost)
        SetHostedExternal(m_hHost, nullptr);
    CWnd::OnDestroy();
}
