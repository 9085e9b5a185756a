#include "platform/ResourceHandle.h"

#include <atomic>

namespace {
std::atomic<HINSTANCE> g_resourceHandle{ nullptr };
}

HINSTANCE AfxGetResourceHandle()
{
    HINSTANCE h = g_resourceHandle.load();
    return h ? h : ::GetModuleHandleW(nullptr);
}

void AfxSetResourceHandle(HINSTANCE module)
{
    g_resourceHandle.store(module);
}
