// Drawing surfaces and lettering for the generator: a Canvas is a Cairo
// image surface with its context; fonts come from files opened by path so
// that every machine draws the same bytes.
#pragma once

#include <cairo.h>

#include <string>

struct Canvas {
    cairo_surface_t* surface;  // CAIRO_FORMAT_ARGB32, premultiplied
    cairo_t* cr;
    int width, height;
};

// A blank, fully transparent canvas of the given size.
Canvas NewCanvas(int width, int height);
void FreeCanvas(Canvas& canvas);

// Noto Sans CJK TC in two weights; covers Latin and Traditional Chinese.
enum FontWeight { FONT_REGULAR, FONT_BOLD };

// Opens the font files in fontDir; exits with a message when one is missing.
void LoadFonts(const std::string& fontDir);
cairo_font_face_t* Font(FontWeight weight);

// Deterministic rendering options for all text: grey antialiasing, no
// hinting, so the outcome does not depend on the machine's font settings.
void UseFont(cairo_t* cr, FontWeight weight, double sizePx);

// Colour from 0-255 components.
void SetColor(cairo_t* cr, int r, int g, int b, double alpha = 1.0);

// Width and height of the ink of a UTF-8 text in the current font.
void MeasureText(cairo_t* cr, const char* utf8, double* width, double* height);

// Puts the path of a text centred on (cx, cy) (ink box centre), ready to fill
// or stroke; does not paint.
void TextPathCentered(cairo_t* cr, const char* utf8, double cx, double cy);

// Text centred on (cx, cy): filled in (r, g, b) with a round-joined outline
// of outlineWidth in (or, og, ob) behind it (no outline when width is 0).
void DrawTextCentered(cairo_t* cr, const char* utf8, double cx, double cy, int r, int g, int b,
                      double outlineWidth = 0, int or_ = 0, int og = 0, int ob = 0);

// Rounded rectangle path.
void RoundedRectPath(cairo_t* cr, double x, double y, double w, double h, double radius);

// Fluffy cloud path: a row of overlapping circles along an ellipse of the
// given box; bumps is the number of circles around the edge.
void CloudPath(cairo_t* cr, double x, double y, double w, double h, int bumps);

// Five-pointed star path centred on (cx, cy).
void StarPath(cairo_t* cr, double cx, double cy, double outerRadius, double innerRadius,
              double rotation = 0);

// Heart path centred on (cx, cy), size is its width.
void HeartPath(cairo_t* cr, double cx, double cy, double size);

// Reads a pixel of the canvas as 0-255 RGB (alpha ignored, surface flushed).
void PixelAt(const Canvas& canvas, int x, int y, int* r, int* g, int* b);
