#include "whiteboard/SvgDocument.h"

#include <algorithm>

#include "whiteboard/MMFigure.h"
#include "whiteboard/WhiteboardText.h"

namespace SvgDocument {

void AppendHeader(std::wstring& out, int width, int height)
{
    WhiteboardText::AppendFormat(out,
                                 L"<?xml version=\"1.0\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" "
                                 L"xmlns:xlink=\"http://www.w3.org/1999/xlink\" id=\"body\" width=\"%d\" "
                                 L"height=\"%d\" viewBox=\"0 0 %d %d\">\n",
                                 width, height, width, height);
}

void AppendFooter(std::wstring& out)
{
    out += L"\n</svg>";
}

CString PenCanvasDocument(const std::vector<const CMMFigure*>& strokes, int width, int height)
{
    if (strokes.empty())
        return CString();
    std::wstring out;
    AppendHeader(out, width, height);
    for (const CMMFigure* stroke : strokes) {
        if (stroke)
            stroke->AppendSvg(out);
    }
    AppendFooter(out);
    std::replace(out.begin(), out.end(), L'"', L'\'');
    return CString(out.c_str(), (int)out.size());
}

}  // namespace SvgDocument
