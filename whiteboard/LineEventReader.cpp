#include "whiteboard/LineEventReader.h"

#include <climits>
#include <cmath>
#include <cstring>

#include "core/JsonHelpers.h"
#include "platform/Convert.h"
#include "whiteboard/MMFigureHolder.h"
#include "whiteboard/MMPageManager.h"
#include "whiteboard/WhiteboardLog.h"

using Gdiplus::PointF;

namespace {

const int kLogLevel = 3;

enum class EField { kMissing, kOk, kBad };

// Strict member readers: a member of another type than the format gives makes the event bad;
// a missing (or null) member keeps the caller's default.
EField ReadNumber(const Json::Value& obj, const char* key, double& out)
{
    const Json::Value* v = FindJsonMember(obj, key);
    if (!v || v->isNull())
        return EField::kMissing;
    if (!v->isNumeric())
        return EField::kBad;
    const double d = v->asDouble();
    if (!std::isfinite(d))
        return EField::kBad;
    out = d;
    return EField::kOk;
}

EField ReadInt(const Json::Value& obj, const char* key, int& out)
{
    double d = 0.0;
    const EField state = ReadNumber(obj, key, d);
    if (state != EField::kOk)
        return state;
    if (d < (double)INT_MIN || d > (double)INT_MAX)
        return EField::kBad;
    out = (int)d;
    return EField::kOk;
}

EField ReadBool(const Json::Value& obj, const char* key, bool& out)
{
    const Json::Value* v = FindJsonMember(obj, key);
    if (!v || v->isNull())
        return EField::kMissing;
    if (!v->isBool())
        return EField::kBad;
    out = v->asBool();
    return EField::kOk;
}

EField ReadText(const Json::Value& obj, const char* key, CString& out)
{
    const Json::Value* v = FindJsonMember(obj, key);
    if (!v || v->isNull())
        return EField::kMissing;
    if (!v->isString())
        return EField::kBad;
    out = Utf8ToWide(v->asString());
    return EField::kOk;
}

// A non-empty lineId; the one member every event needs.
bool ReadLineId(const Json::Value& line, CString& lineId)
{
    return ReadText(line, "lineId", lineId) == EField::kOk && !lineId.IsEmpty();
}

bool ReadPoints(const Json::Value& line, std::vector<PointF>& points)
{
    const Json::Value* array = FindJsonMember(line, "points");
    if (!array || !array->isArray() || array->size() > CLineEventReader::kMaxPoints)
        return false;
    points.clear();
    points.reserve(array->size());
    for (const Json::Value& item : *array) {
        double x = 0.0, y = 0.0;
        if (!item.isObject() || ReadNumber(item, "x", x) != EField::kOk || ReadNumber(item, "y", y) != EField::kOk)
            return false;
        points.emplace_back((float)x, (float)y);
    }
    return true;
}

float ScaleFactor(int pageSize, int sourceSize)
{
    // Either size unknown (0) counts as equal sizes.
    const int page = pageSize > 0 ? pageSize : sourceSize;
    const int source = sourceSize > 0 ? sourceSize : pageSize;
    return page > 0 && source > 0 ? (float)page / (float)source : 1.0f;
}

bool ScalePoints(std::vector<PointF>& points, float sx, float sy)
{
    for (PointF& p : points) {
        p.X *= sx;
        p.Y *= sy;
        if (!FigureGeometry::IsUsablePoint(p.X, p.Y))
            return false;
    }
    return true;
}

}  // namespace

BOOL CLineEventReader::ParseContent(const char* utf8, size_t length, Json::Value& out)
{
    if (!utf8 || length == 0 || length > kMaxContentBytes) {
        CWhiteboardLog::Log(kLogLevel, L"Line event dropped: %u bytes of content", (unsigned)length);
        return FALSE;
    }
    Json::CharReaderBuilder builder;
    builder["stackLimit"] = kMaxNesting;
    builder["collectComments"] = false;
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    std::string errors;
    Json::Value value;
    bool ok = false;
    try {
        ok = reader->parse(utf8, utf8 + length, &value, &errors);
    } catch (const std::exception& e) {
        errors = e.what();
    }
    if (!ok) {
        CWhiteboardLog::Log(kLogLevel, L"Line event dropped: %s", Utf8ToWide(errors).GetString());
        return FALSE;
    }
    out.swap(value);
    return TRUE;
}

BOOL CLineEventReader::ParseContent(const CString& text, Json::Value& out)
{
    const std::string utf8 = WideToUtf8(text);
    return ParseContent(utf8.data(), utf8.size(), out);
}

BOOL CLineEventReader::ReadInsertLine(const Json::Value& line, S_LINE_CHUNK& chunk)
{
    if (!line.isObject() || !ReadLineId(line, chunk.lineId))
        return FALSE;
    int red = 0, green = 0, blue = 0;
    double opacity = 0.0;
    const EField fields[] = {
        ReadInt(line, "Red", red),
        ReadInt(line, "Green", green),
        ReadInt(line, "Blue", blue),
        ReadInt(line, "width", chunk.width),
        ReadNumber(line, "opacity", opacity),
        ReadInt(line, "figuretype", chunk.figureType),
        ReadInt(line, "imgW", chunk.imageWidth),
        ReadInt(line, "imgH", chunk.imageHeight),
        ReadBool(line, "isLastLine", chunk.last),
    };
    for (EField field : fields) {
        if (field == EField::kBad)
            return FALSE;
    }
    if (!ReadPoints(line, chunk.points))
        return FALSE;
    for (const PointF& p : chunk.points) {
        if (!FigureGeometry::IsUsablePoint(p.X, p.Y))
            return FALSE;
    }
    chunk.color = (red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16;
    chunk.opacity = (float)opacity;
    return TRUE;
}

BOOL CLineEventReader::QueueRemoteLine(CMMPage& page, const Json::Value& line)
{
    S_LINE_CHUNK chunk;
    if (!ReadInsertLine(line, chunk)) {
        CWhiteboardLog::Log(kLogLevel, L"Line event dropped: insert with missing or mistyped members");
        return FALSE;
    }
    // One lock for the whole chunk, so the sharing thread never sees half of it.
    std::lock_guard<std::recursive_mutex> guard(page.GetLock());
    for (const PointF& p : chunk.points)
        page.QueueLineEvent(chunk.lineId, p, chunk.color, chunk.width, chunk.opacity, chunk.figureType);
    return TRUE;
}

CLineEventReader::EResult CLineEventReader::ApplyDrawingEvent(CMMPageManager& pages, int pageNumber,
                                                              const Json::Value& content)
{
    const Json::Value* line = FindJsonMember(content, "line");
    CString mode;
    if (!line || !line->isObject() || ReadText(*line, "mode", mode) != EField::kOk) {
        CWhiteboardLog::Log(kLogLevel, L"Line event dropped: no line object with a mode");
        return kDropped;
    }
    const std::shared_ptr<CMMPage> page = pages.GetPage(pageNumber);
    if (!page) {
        CWhiteboardLog::Log(kLogLevel, L"Line event dropped: page %d does not exist", pageNumber);
        return kDropped;
    }
    if (mode == L"delete") {
        CString lineId;
        // An empty lineId would clear the whole layer, which only the clear event may do.
        if (!ReadLineId(*line, lineId)) {
            CWhiteboardLog::Log(kLogLevel, L"Line event dropped: delete without a lineId");
            return kDropped;
        }
        page->RemoveSharedLine(lineId);
        return kRemoved;
    }
    if (mode == L"insert")
        return QueueRemoteLine(*page, *line) ? kQueued : kDropped;
    CWhiteboardLog::Log(kLogLevel, L"Line event dropped: unknown mode \"%s\"", mode.GetString());
    return kDropped;
}

void CLineEventReader::ReadFigureList(const Json::Value& items, int pageWidth, int pageHeight,
                                      CMMFigureHolder& layer, std::shared_ptr<CMMFigure>& building)
{
    building.reset();
    if (!items.isArray()) {
        CWhiteboardLog::Log(kLogLevel, L"Figure list ignored: content is not an array");
        return;
    }
    int skipped = 0;
    for (const Json::Value& item : items) {
        CString mode, lineId;
        if (!item.isObject() || ReadText(item, "mode", mode) != EField::kOk) {
            ++skipped;
            continue;
        }
        if (mode == L"delete") {
            if (ReadLineId(item, lineId))
                layer.RemoveByLineId(lineId);
            else
                ++skipped;
            continue;
        }
        if (mode != L"insert") {
            ++skipped;
            continue;
        }
        S_LINE_CHUNK chunk;
        if (!ReadInsertLine(item, chunk)) {
            ++skipped;
            continue;
        }
        if (!building && layer.ContainsLineId(chunk.lineId))
            continue;
        if (!ScalePoints(chunk.points, ScaleFactor(pageWidth, chunk.imageWidth),
                         ScaleFactor(pageHeight, chunk.imageHeight))) {
            ++skipped;
            continue;
        }
        size_t next = 0;
        if (!building) {
            if (chunk.points.size() < 2)
                continue;
            building = std::make_shared<CMMFigure>(chunk.points[0], chunk.points[1], chunk.color, chunk.width,
                                                   chunk.figureType, chunk.opacity, chunk.lineId);
            next = 2;
        }
        for (; next < chunk.points.size(); ++next)
            building->AddPoint(chunk.points[next]);
        if (chunk.last) {
            layer.Add(building);
            building.reset();
        }
    }
    if (skipped > 0)
        CWhiteboardLog::Log(kLogLevel, L"Figure list: %d malformed items skipped", skipped);
}
