#include "whiteboard/SvgFigureReader.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "platform/Convert.h"
#include "tinyxml.h"
#include "whiteboard/MMFigureHolder.h"
#include "whiteboard/SvgStyle.h"
#include "whiteboard/WhiteboardLog.h"

using Gdiplus::PointF;

namespace {

const int kLogLevel = 3;

struct S_SCALE {
    float x;
    float y;
};

// An integer attribute read the way the drawings were always read (leading digits, a fraction
// dropped); false when the attribute is missing or holds no number.
bool ReadInt(const TiXmlElement* element, const char* name, int& out)
{
    const char* text = element->Attribute(name);
    if (!text)
        return false;
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (end == text)
        return false;
    out = (int)value;
    return true;
}

int IntOr(const TiXmlElement* element, const char* name, int fallback)
{
    int value = fallback;
    return ReadInt(element, name, value) ? value : fallback;
}

// Reads "x<sep>y" integers at p and moves p past them.
bool ReadIntPair(const char*& p, char separator, int& x, int& y)
{
    char* end = nullptr;
    x = (int)std::strtol(p, &end, 10);
    if (end == p)
        return false;
    p = end;
    if (separator != ' ') {
        if (*p != separator)
            return false;
        ++p;
    }
    y = (int)std::strtol(p, &end, 10);
    if (end == p)
        return false;
    p = end;
    return true;
}

bool ScalePoint(int x, int y, const S_SCALE& scale, PointF& out)
{
    const float fx = x * scale.x;
    const float fy = y * scale.y;
    if (!FigureGeometry::IsUsablePoint(fx, fy))
        return false;
    out = PointF(fx, fy);
    return true;
}

void ReplaceAll(std::string& text, const std::string& what, const std::string& with)
{
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
}

std::string LowerRgbValue(const char* stroke)
{
    std::string value = stroke;
    for (char& c : value)
        c = (char)std::tolower((unsigned char)c);
    ReplaceAll(value, "rgb(", "");
    ReplaceAll(value, ")", "");
    return value;
}

class CElementReader {
public:
    explicit CElementReader(const S_SCALE& scale) : m_scale(scale) {}

    // A path: pen from its attributes, points from "d" ("M x y L x y L x y ...").
    std::shared_ptr<CMMFigure> ReadPath(const TiXmlElement* path)
    {
        const char* d = path->Attribute("d");
        if (!d || !*d)
            return nullptr;
        const char* opacityText = path->Attribute("stroke-opacity");
        const char* stroke = path->Attribute("stroke");
        int width = 0;
        if (!opacityText || !stroke || !ReadInt(path, "stroke-width", width))
            return Skip();
        const float opacity = (float)std::atof(opacityText);
        if (!std::isfinite(opacity))
            return Skip();
        const int color = ParseRgbText(LowerRgbValue(stroke).c_str());
        const int type = IntOr(path, "figuretype", 0);

        // "M " and "L" separate the points; what stands before the first separator is not read.
        // Each piece holds x and y; a piece without them spoils the path.
        auto separatorLength = [](const char* c) { return *c == 'L' ? 1 : (c[0] == 'M' && c[1] == ' ') ? 2 : 0; };
        std::shared_ptr<CMMFigure> figure;
        const char* p = d;
        while (*p && !separatorLength(p))
            ++p;
        while (*p) {
            p += separatorLength(p);
            const char* piece = p;
            int x = 0, y = 0;
            PointF point;
            if (!ReadIntPair(piece, ' ', x, y) || !ScalePoint(x, y, m_scale, point))
                return Skip();
            if (!figure)
                figure = std::make_shared<CMMFigure>(point, point, color, width, type, opacity, CString());
            else
                figure->AddPoint(point);
            while (*p && !separatorLength(p))
                ++p;
        }
        return figure;
    }

    // A group: pen from its first attribute (the style), one figure from its shapes.
    std::shared_ptr<CMMFigure> ReadGroup(const TiXmlElement* group)
    {
        const TiXmlAttribute* style = group->FirstAttribute();
        if (!style)
            return nullptr;
        float opacity = 0.0f;
        int width = 0, color = 0;
        if (!ParseSvgStyle(style->Value(), opacity, width, color) || !std::isfinite(opacity))
            return Skip();

        static const char* const kKinds[] = {"line", "rect", "ellipse", "polyline"};
        const TiXmlElement* first = nullptr;
        int kind = -1;
        for (int k = 0; k < 4 && !first; ++k) {
            for (const TiXmlElement* child = group->FirstChildElement(); child; child = child->NextSiblingElement()) {
                if (_stricmp(child->Value(), kKinds[k]) == 0) {
                    first = child;
                    kind = k;
                    break;
                }
            }
        }
        if (!first)
            return nullptr;

        std::shared_ptr<CMMFigure> figure;
        for (const TiXmlElement* shape = first; shape; shape = shape->NextSiblingElement()) {
            PointF a, b;
            int type = 0;
            if (!ReadShape(shape, kind, a, b, type)) {
                Skip();
                continue;
            }
            if (!figure)
                figure = std::make_shared<CMMFigure>(a, b, color, width, type, opacity, CString());
            else
                figure->AddPoint(b);
        }
        return figure;
    }

    int Skipped() const { return m_skipped; }

private:
    std::shared_ptr<CMMFigure> Skip()
    {
        ++m_skipped;
        return nullptr;
    }

    bool ReadShape(const TiXmlElement* shape, int kind, PointF& a, PointF& b, int& type)
    {
        type = IntOr(shape, "figuretype", 0);
        int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        switch (kind) {
        case 0:  // line: its two ends, its own type
            if (!ReadInt(shape, "x1", x1) || !ReadInt(shape, "y1", y1) || !ReadInt(shape, "x2", x2) ||
                !ReadInt(shape, "y2", y2))
                return false;
            break;
        case 1: {  // rect: opposite corners; rounded when rx is not 0
            int w = 0, h = 0;
            if (!ReadInt(shape, "x", x1) || !ReadInt(shape, "y", y1) || !ReadInt(shape, "width", w) ||
                !ReadInt(shape, "height", h))
                return false;
            x2 = x1 + w;
            y2 = y1 + h;
            type = IntOr(shape, "rx", 0) != 0 ? 4 : 3;
            break;
        }
        case 2: {  // ellipse: corners of its bounding box
            int cx = 0, cy = 0, rx = 0, ry = 0;
            if (!ReadInt(shape, "cx", cx) || !ReadInt(shape, "cy", cy) || !ReadInt(shape, "rx", rx) ||
                !ReadInt(shape, "ry", ry))
                return false;
            x1 = std::abs(cx - rx);
            y1 = std::abs(cy - ry);
            x2 = x1 + 2 * rx;
            y2 = y1 + 2 * ry;
            type = 5;
            break;
        }
        default: {  // polyline: its first two points, so a check mark's vertex comes last
            const char* p = shape->Attribute("points");
            if (!p || !ReadIntPair(p, ',', x1, y1))
                return false;
            while (*p == ' ')
                ++p;
            if (!ReadIntPair(p, ',', x2, y2))
                return false;
            type = 2;
            break;
        }
        }
        return ScalePoint(x1, y1, m_scale, a) && ScalePoint(x2, y2, m_scale, b);
    }

    S_SCALE m_scale;
    int m_skipped = 0;
};

float ScaleFactor(int imageSize, int drawingSize)
{
    return imageSize > 0 && drawingSize > 0 ? (float)imageSize / (float)drawingSize : 1.0f;
}

}  // namespace

int CSvgFigureReader::NestingDepth(const char* text, size_t length, int limit)
{
    int depth = 0, deepest = 0;
    size_t i = 0;
    auto skipPast = [&](const char* terminator) {
        const char* found = nullptr;
        const size_t n = std::strlen(terminator);
        for (size_t j = i; j + n <= length; ++j) {
            if (std::memcmp(text + j, terminator, n) == 0) {
                found = text + j;
                break;
            }
        }
        i = found ? (size_t)(found - text) + n : length;
    };
    while (i < length) {
        if (text[i] != '<') {
            ++i;
            continue;
        }
        const char* rest = text + i;
        const size_t left = length - i;
        if (left >= 4 && std::memcmp(rest, "<!--", 4) == 0) {
            skipPast("-->");
        } else if (left >= 9 && std::memcmp(rest, "<![CDATA[", 9) == 0) {
            skipPast("]]>");
        } else if (left >= 2 && (rest[1] == '!' || rest[1] == '?')) {
            skipPast(">");
        } else if (left >= 2 && rest[1] == '/') {
            --depth;
            skipPast(">");
        } else {
            // A start tag: find its end outside quoted attribute values.
            char quote = 0;
            size_t j = i + 1;
            for (; j < length; ++j) {
                const char c = text[j];
                if (quote) {
                    if (c == quote)
                        quote = 0;
                } else if (c == '"' || c == '\'') {
                    quote = c;
                } else if (c == '>') {
                    break;
                }
            }
            if (j >= length || text[j - 1] != '/') {
                if (++depth > deepest)
                    deepest = depth;
                if (deepest > limit)
                    return limit + 1;
            }
            i = j + 1;
        }
    }
    return deepest;
}

BOOL CSvgFigureReader::Read(const char* utf8, size_t length, int imageWidth, int imageHeight,
                            CMMFigureHolder& target)
{
    if (!utf8 || length == 0) {
        CWhiteboardLog::Log(kLogLevel, L"SVG drawing ignored: empty text");
        return FALSE;
    }
    if (length > kMaxTextBytes) {
        CWhiteboardLog::Log(kLogLevel, L"SVG drawing ignored: %u bytes is too large", (unsigned)length);
        return FALSE;
    }
    if (NestingDepth(utf8, length, kMaxDepth) > kMaxDepth) {
        CWhiteboardLog::Log(kLogLevel, L"SVG drawing ignored: elements nested deeper than %d", kMaxDepth);
        return FALSE;
    }
    // The parser reads up to the first NUL: hand it exactly the given bytes. It also takes a
    // UTF-8 lead byte's whole sequence without looking for the end of the text, so a sequence
    // cut off at the end would carry it past the terminator: three more NULs keep that read
    // inside the buffer and stop it there.
    std::string text(utf8, length);
    text.append(3, '\0');
    TiXmlDocument document;
    document.Parse(text.c_str(), nullptr, TIXML_ENCODING_UTF8);
    if (document.Error()) {
        CWhiteboardLog::Log(kLogLevel, L"SVG drawing ignored: %hs (row %d, column %d)", document.ErrorDesc(),
                            document.ErrorRow(), document.ErrorCol());
        return FALSE;
    }
    const TiXmlElement* root = document.RootElement();
    if (!root || std::strcmp(root->Value(), "svg") != 0) {
        CWhiteboardLog::Log(kLogLevel, L"SVG drawing ignored: no root element svg");
        return FALSE;
    }
    const S_SCALE scale = {ScaleFactor(imageWidth, IntOr(root, "width", 0)),
                           ScaleFactor(imageHeight, IntOr(root, "height", 0))};

    CElementReader reader(scale);
    CMMFigureHolder collected;
    for (const TiXmlElement* element = root->FirstChildElement(); element; element = element->NextSiblingElement()) {
        std::shared_ptr<CMMFigure> figure;
        if (_stricmp(element->Value(), "path") == 0)
            figure = reader.ReadPath(element);
        else if (_stricmp(element->Value(), "g") == 0)
            figure = reader.ReadGroup(element);
        if (figure)
            collected.Add(figure);
    }
    if (reader.Skipped() > 0)
        CWhiteboardLog::Log(kLogLevel, L"SVG drawing: %d malformed elements skipped", reader.Skipped());
    target = collected;
    return TRUE;
}

BOOL CSvgFigureReader::Read(const std::string& utf8, int imageWidth, int imageHeight, CMMFigureHolder& target)
{
    return Read(utf8.data(), utf8.size(), imageWidth, imageHeight, target);
}

BOOL CSvgFigureReader::Read(const CString& text, int imageWidth, int imageHeight, CMMFigureHolder& target)
{
    return Read(WideToUtf8(text), imageWidth, imageHeight, target);
}
