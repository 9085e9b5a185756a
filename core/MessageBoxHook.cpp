#include "core/MessageBoxHook.h"

#include <atomic>

namespace {
std::atomic<PFN_CORE_MESSAGEBOX> g_pfnMessageBox{nullptr};
}

PFN_CORE_MESSAGEBOX SetCoreMessageBoxHook(PFN_CORE_MESSAGEBOX pfn)
{
    return g_pfnMessageBox.exchange(pfn);
}

int ShowCoreMessageBox(LPCWSTR pszText, UINT uType)
{
    PFN_CORE_MESSAGEBOX pfn = g_pfnMessageBox.load();
    if (pfn) return pfn(pszText, uType);
    return MessageBoxW(nullptr, pszText, nullptr, uType);
}
