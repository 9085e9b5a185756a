#pragma once
// The frame of the whiteboard's SVG documents (page drawings and pen-canvas drawings).
#include <string>
#include <vector>

#include "platform/CString.h"

class CMMFigure;

namespace SvgDocument {

// "<?xml ...?>" LF "<svg ... width height viewBox>" LF
void AppendHeader(std::wstring& out, int width, int height);
// LF "</svg>"
void AppendFooter(std::wstring& out);

// The pen canvas document: the strokes in list order in the same frame, every double quote then
// replaced by an apostrophe (the text travels inside another JSON string); empty without strokes.
CString PenCanvasDocument(const std::vector<const CMMFigure*>& strokes, int width, int height);

}  // namespace SvgDocument
