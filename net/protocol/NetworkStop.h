#pragma once
#include <winsock2.h>
#include <windows.h>

#include <atomic>

// The program-wide network stop: set by the main dialog when it is destroyed or after a fatal
// socket error, cleared when a login starts. While it is set no server client connects, sends or
// delivers a reply. Read on the socket workers, written on the user-interface thread.
extern std::atomic<BOOL> g_bNetworkStop;
