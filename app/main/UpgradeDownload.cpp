#include "app/main/UpgradeDownload.h"

#include <shlwapi.h>
#include <urlmon.h>
#include <wininet.h>

#include <atomic>

#include "core/ClientMessages.h"
#include "core/MyLogFile.h"
#include "platform/CriticalSection.h"
#include "platform/SingleLock.h"
#include "platform/WinThread.h"

struct CUpgradeDownload::Shared {
    CString strUrl;
    CString strPath;
    HWND hNotify = nullptr;
    std::atomic<bool> bCancelled{false};
    std::atomic<bool> bSucceeded{false};
    std::atomic<HRESULT> hrResult{S_OK};
    // One progress notice at a time: the next is posted once the window has read the last.
    std::atomic<bool> bProgressPosted{false};
    CCriticalSection csProgress;
    ULONGLONG nDone = 0;
    ULONGLONG nTotal = 0;
    HANDLE hFinished = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ~Shared() { CloseHandle(hFinished); }
};

// URL Moniker's view of the download: only the progress matters. It lives on the worker's stack
// for the duration of the call and is not reference counted.
class CUpgradeDownload::CCallback : public IBindStatusCallback {
public:
    explicit CCallback(Shared& shared) : m_shared(shared) {}

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        if (!ppv) return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IBindStatusCallback)) {
            *ppv = static_cast<IBindStatusCallback*>(this);
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 1; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP OnStartBinding(DWORD, IBinding*) override { return E_NOTIMPL; }
    STDMETHODIMP GetPriority(LONG*) override { return E_NOTIMPL; }
    STDMETHODIMP OnLowResource(DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP OnStopBinding(HRESULT, LPCWSTR) override { return E_NOTIMPL; }
    STDMETHODIMP GetBindInfo(DWORD*, BINDINFO*) override { return E_NOTIMPL; }
    STDMETHODIMP OnDataAvailable(DWORD, DWORD, FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    STDMETHODIMP OnObjectAvailable(REFIID, IUnknown*) override { return E_NOTIMPL; }
    STDMETHODIMP OnProgress(ULONG ulProgress, ULONG ulProgressMax, ULONG, LPCWSTR) override
    {
        if (m_shared.bCancelled) return E_ABORT;
        {
            CSingleLock lock(&m_shared.csProgress, TRUE);
            m_shared.nDone = ulProgress;
            m_shared.nTotal = ulProgressMax;
        }
        if (!m_shared.bProgressPosted.exchange(true) && !PostMessageW(m_shared.hNotify, WM_UPGRADE_PROGRESS, 0, 0))
            m_shared.bProgressPosted = false;
        return S_OK;
    }

private:
    Shared& m_shared;
};

CString CUpgradeDownload::TargetPath()
{
    wchar_t szTemp[MAX_PATH + 1] = {};
    const DWORD n = GetTempPathW(MAX_PATH, szTemp);
    if (n == 0 || n > MAX_PATH) return CString();
    return CString(szTemp) + L"zel_upgrade.exe";
}

CString CUpgradeDownload::StatusText(ULONGLONG nDone, ULONGLONG nTotal, const CString& strFormat,
                                     const CString& strNoLength)
{
    if (nTotal == 0) return strNoLength;
    wchar_t szDone[256] = {};
    wchar_t szTotal[256] = {};
    StrFormatByteSizeW((LONGLONG) nDone, szDone, 256);
    StrFormatByteSizeW((LONGLONG) nTotal, szTotal, 256);
    CString strText;
    strText.Format(strFormat, szDone, szTotal);
    return strText;
}

int CUpgradeDownload::Percent(ULONGLONG nDone, ULONGLONG nTotal)
{
    if (nTotal == 0) return -1;
    return (int) ((double) nDone * 100.0 / (double) nTotal);
}

CUpgradeDownload::CUpgradeDownload() : m_pShared(std::make_shared<Shared>()) {}

CUpgradeDownload::~CUpgradeDownload()
{
    // A worker still running keeps its own reference and ends at its next progress call.
    m_pShared->bCancelled = true;
}

void CUpgradeDownload::Cancel() { m_pShared->bCancelled = true; }
BOOL CUpgradeDownload::IsCancelled() const { return m_pShared->bCancelled; }
BOOL CUpgradeDownload::Succeeded() const { return m_pShared->bSucceeded; }
HRESULT CUpgradeDownload::GetResult() const { return m_pShared->hrResult; }

BOOL CUpgradeDownload::IsFinished() const { return WaitForSingleObject(m_pShared->hFinished, 0) == WAIT_OBJECT_0; }
BOOL CUpgradeDownload::Wait(DWORD dwMs) { return WaitForSingleObject(m_pShared->hFinished, dwMs) == WAIT_OBJECT_0; }

void CUpgradeDownload::GetProgress(ULONGLONG& nDone, ULONGLONG& nTotal)
{
    m_pShared->bProgressPosted = false;
    CSingleLock lock(&m_pShared->csProgress, TRUE);
    nDone = m_pShared->nDone;
    nTotal = m_pShared->nTotal;
}

BOOL CUpgradeDownload::Start(const CString& strUrl, const CString& strPath, HWND hNotify)
{
    Shared& shared = *m_pShared;
    shared.strUrl = strUrl;
    shared.strPath = strPath;
    shared.hNotify = hNotify;
    if (strPath.IsEmpty()) return FALSE;
    // A copy from the cache would be the old installer again.
    DeleteUrlCacheEntryW(strUrl);
    auto* pParam = new std::shared_ptr<Shared>(m_pShared);
    if (!AfxBeginThread(&CUpgradeDownload::ThreadProc, pParam)) {
        delete pParam;
        return FALSE;
    }
    return TRUE;
}

UINT __cdecl CUpgradeDownload::ThreadProc(LPVOID pParam)
{
    std::shared_ptr<Shared> pShared;
    pShared.swap(*static_cast<std::shared_ptr<Shared>*>(pParam));
    delete static_cast<std::shared_ptr<Shared>*>(pParam);
    Shared& shared = *pShared;
    HRESULT hr = E_FAIL;
    try {
        const HRESULT hrCom = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        CCallback callback(shared);
        hr = URLDownloadToFileW(nullptr, shared.strUrl, shared.strPath, 0, &callback);
        if (SUCCEEDED(hrCom)) CoUninitialize();
    } catch (...) {
        g_ApplicationLog.Log(4, L"upgrade download: exception on the download thread\n");
        hr = E_UNEXPECTED;
    }
    shared.hrResult = hr;
    shared.bSucceeded = SUCCEEDED(hr) && !shared.bCancelled;
    SetEvent(shared.hFinished);
    PostMessageW(shared.hNotify, WM_UPGRADE_DONE, shared.bSucceeded ? 1 : 0, 0);
    return 0;
}
