#pragma once
// Bitmap ids of the whiteboard tools' buttons (language resource library). Each button has four
// pictures in a row: normal, pressed (or checked), hover, disabled.
enum : unsigned {
    IDB_WBT_PEN = 26500,
    IDB_WBT_HIGHLIGHTER = 26504,
    IDB_WBT_CLEARPANEL = 26508,
    IDB_WBT_UNDO = 26512,
    IDB_WBT_REDO = 26516,
    IDB_WBT_KEEP_OFF = 26520,
    IDB_WBT_KEEP_ON = 26524,
    IDB_WBT_SHAPE0 = 26528,     // six shapes, 4 pictures each
    IDB_WBT_WIDTH0 = 26552,     // three widths
    IDB_WBT_POINTER0 = 26564,   // three pointer sizes
    IDB_WBT_CLEAR0 = 26576,     // eraser, clear page, clear all
    IDB_WBT_COLOR0 = 26600,     // fifteen colours by grid position, 3 pictures each (normal, checked, hover)
    IDB_WBT_SAVE = 26650,
    IDB_WBT_FAVORITE = 26654,
    IDB_WBT_PREV = 26660,
    IDB_WBT_NEXT = 26664,
    IDB_WBT_MODE = 26668,
    IDB_WBT_WHITEBOARD = 26672,
    IDB_WBT_ADDPAGE = 26676,
    IDB_WBT_MOVE = 26680,
    IDB_WBT_LASER = 26684,
    IDB_WBT_ERASER = 26688,
    IDB_WBT_MEMO_OK = 420,      // the memo editor's OK: disabled, hover, normal, pressed (420..423)
};
