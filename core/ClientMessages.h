#pragma once
// The client's private window messages, all in one place so that no two screens pick the same
// number. Messages owned by the libraries beneath the client (socket notices, server replies and
// pushes, skin object events, the inter-program control message) stay with those libraries; the
// numbers below must not collide with them:
//   WM_USER+1..7 socket workers, +99..+199 server replies, +500..+502 voice, +513 program control,
//   +665 skin object events, +768 skinned dialog cancel, +2025 viewer download, +2200 upgrade,
//   +5000 hint edit input, +9000..+9002 push client, +9998/+9999 connection lost / socket error,
//   +11000/+11001 synchronisation client.
// Each area keeps its messages in its own block; add new ones to the block of the area that
// posts or answers them.
#include <windows.h>

// ---- Skinned controls and pop-ups ----

// ---- Application shell: title bar, tray, settings ----

// ---- Main dialog: screen modes, pop-up services, pushes ----

// ---- Login ----

// ---- Meeting list, calendar, detail ----

// ---- Meeting screen and side panels ----

// ---- Drawing canvas and board ----
// Sharing thread to canvas: repaint after incoming strokes were applied.
#define WM_CANVAS_SHARED_REDRAW (WM_USER + 20400)
// Sharing thread to canvas: one presenter view change (lParam: S_BOARD_ZOOM*, the canvas deletes it).
#define WM_CANVAS_SHARED_ZOOM (WM_USER + 20401)
// Synchronisation client to canvas: the presenter's pointer (lParam: S_REMOTE_POINTER*, deleted by the canvas).
#define WM_CANVAS_REMOTE_POINTER (WM_USER + 20402)
// Page-image download to board layer: one page's image (lParam: S_BOARD_IMAGE*, deleted by the board).
#define WM_BOARD_IMAGE_FETCHED (WM_USER + 20403)

// ---- Whiteboard tools ----

// ---- Documents ----

// ---- Chat, attendees, approvals ----
