#pragma once
// Reads the figures of a whiteboard SVG drawing (a page document or a pen-canvas document) into a
// figure layer. The text comes from the server and from other clients, so its size and element
// nesting are checked before the XML parser sees it (the parser recurses once per level), and
// every element that cannot make a sound figure is skipped.
#include <cstddef>
#include <string>

#include "platform/CString.h"

class CMMFigureHolder;

class CSvgFigureReader {
public:
    // Largest drawing read (UTF-8 bytes): far above a page of thousands of strokes.
    static const size_t kMaxTextBytes = 16 * 1024 * 1024;
    // Deepest element nesting read; the documents have three levels (svg, g, shape).
    static const int kMaxDepth = 32;

    // Replaces the target layer's figures by those of the drawing, scaled by the image size over
    // the drawing's size (1.0 where either is 0 or missing). FALSE, target unchanged, when the
    // text is too large, too deeply nested, not well-formed or has no root "svg".
    static BOOL Read(const char* utf8, size_t length, int imageWidth, int imageHeight, CMMFigureHolder& target);
    static BOOL Read(const std::string& utf8, int imageWidth, int imageHeight, CMMFigureHolder& target);
    static BOOL Read(const CString& text, int imageWidth, int imageHeight, CMMFigureHolder& target);

    // The deepest element nesting of XML text, counting no further than limit + 1.
    static int NestingDepth(const char* text, size_t length, int limit);
};
