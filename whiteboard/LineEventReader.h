#pragma once
// Readers of the JSON line events: the presenter's live drawing events and the page's stored
// figure list. The events come from other clients through the servers, so every member is checked
// for its type before anything is changed; an event that does not hold up is dropped whole with a
// log line and the page stays as it was.
#include <windows.h>
#include <gdiplus.h>
#include <cstddef>
#include <memory>
#include <vector>

#include <json/json.h>

#include "platform/CString.h"

class CMMFigure;
class CMMFigureHolder;
class CMMPage;
class CMMPageManager;

// The members of one "line" object of an insert event.
struct S_LINE_CHUNK {
    CString lineId;
    int color = 0;  // red | green << 8 | blue << 16
    int width = 0;
    float opacity = 0.0f;
    int figureType = 0;
    int imageWidth = 0;
    int imageHeight = 0;
    bool last = false;
    std::vector<Gdiplus::PointF> points;
};

class CLineEventReader {
public:
    // Largest event text parsed, deepest nesting and most points of one event.
    static const size_t kMaxContentBytes = 4 * 1024 * 1024;
    static const int kMaxNesting = 16;
    static const size_t kMaxPoints = 100000;

    enum EResult { kDropped, kQueued, kRemoved };

    // Parses an event's JSON text with the size and nesting caps; FALSE (logged) when it is not JSON.
    static BOOL ParseContent(const char* utf8, size_t length, Json::Value& out);
    static BOOL ParseContent(const CString& text, Json::Value& out);

    // Reads an insert event's "line" object; FALSE for members of the wrong type, missing or empty
    // points and points that are not finite page coordinates.
    static BOOL ReadInsertLine(const Json::Value& line, S_LINE_CHUNK& chunk);

    // One drawing event of the presenter ({"line": {...}}) for a page: "delete" removes the figure
    // from the page's live shared layer, "insert" queues its points (as sent, not rescaled) for
    // the sharing thread; anything else is dropped.
    static EResult ApplyDrawingEvent(CMMPageManager& pages, int page, const Json::Value& content);
    // Queues the points of an insert event's "line" object on the page, all or none.
    static BOOL QueueRemoteLine(CMMPage& page, const Json::Value& line);

    // Replays the page's stored figure list (the items of "content") onto a layer (a copy of the
    // page's live shared layer): inserts build figures chunk by chunk, scaled from the sender's
    // image size to the page's; deletes remove them. A figure whose last chunk is missing is left
    // in 'building' for the caller. Bad items are skipped and counted in one log line.
    static void ReadFigureList(const Json::Value& items, int pageWidth, int pageHeight, CMMFigureHolder& layer,
                               std::shared_ptr<CMMFigure>& building);
};
