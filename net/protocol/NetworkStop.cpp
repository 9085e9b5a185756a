#include "net/protocol/NetworkStop.h"

std::atomic<BOOL> g_bNetworkStop(FALSE);
