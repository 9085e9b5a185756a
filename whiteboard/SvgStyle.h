#pragma once
// Readers of the pen attributes in the whiteboard's SVG drawings: the group style
// "stroke-opacity:..; stroke:RGB(r, g, b); stroke-width: ..;" and the colour text "r, g, b".

// Reads the style text (case-insensitive). TRUE only when opacity, width and colour were all
// present; missing ones are left at -1.
bool ParseSvgStyle(const char* style, float& opacity, int& width, int& color);

// "r, g, b" to a colour red | green << 8 | blue << 16. Empty text or text of at most four
// characters gives white; missing components stay 255; a fourth and later number overwrite blue.
int ParseRgbText(const char* text);
