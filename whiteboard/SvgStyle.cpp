#include "whiteboard/SvgStyle.h"

#include <cctype>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> pieces;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find(separator, start);
        pieces.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            return pieces;
        start = end + 1;
    }
}

std::string AfterColon(const std::string& piece)
{
    const size_t colon = piece.find(':');
    return colon == std::string::npos ? std::string() : piece.substr(colon + 1);
}

void RemoveAll(std::string& text, const std::string& what)
{
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at))
        text.erase(at, what.size());
}

}  // namespace

int ParseRgbText(const char* text)
{
    const std::string rgb = text ? text : "";
    if (rgb.size() <= 4)
        return 0xFFFFFF;
    int red = 255, green = 255, blue = 255;
    const std::vector<std::string> pieces = Split(rgb, ',');
    for (size_t i = 0; i < pieces.size(); ++i) {
        const int value = std::atoi(pieces[i].c_str());
        if (i == 0)
            red = value;
        else if (i == 1)
            green = value;
        else
            blue = value;
    }
    return (red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16;
}

bool ParseSvgStyle(const char* style, float& opacity, int& width, int& color)
{
    opacity = -1.0f;
    width = -1;
    color = -1;
    std::string lower = style ? style : "";
    for (char& c : lower)
        c = (char)std::tolower((unsigned char)c);
    for (const std::string& piece : Split(lower, ';')) {
        if (piece.empty())
            continue;
        if (piece.find("stroke-opacity") != std::string::npos) {
            opacity = (float)std::atof(AfterColon(piece).c_str());
        } else if (piece.find("stroke-width") != std::string::npos) {
            width = std::atoi(AfterColon(piece).c_str());
        } else if (piece.find("stroke") != std::string::npos) {
            std::string value = AfterColon(piece);
            RemoveAll(value, "rgb(");
            RemoveAll(value, ")");
            color = ParseRgbText(value.c_str());
        }
    }
    return opacity >= 0.0f && width >= 0 && color != -1;
}
