// Drawing surfaces, fonts and lettering for the generator: a Canvas is a Cairo
// image surface with its context; fonts come from files opened by path so
// that every machine draws the same bytes.
#pragma once

#include "draw/colour.h"

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

// Width and height of the ink of a UTF-8 text in the current font.
void MeasureText(cairo_t* cr, const char* utf8, double* width, double* height);

// Puts the path of a text centred on (cx, cy) (ink box centre), ready to fill
// or stroke; does not paint.
void TextPathCentered(cairo_t* cr, const char* utf8, double cx, double cy);

// Text centred on (cx, cy), filled in fill, with a round-joined outline of
// outlineWidth in outline behind it (no outline when the width is 0).
void DrawTextCentered(cairo_t* cr, const char* utf8, double cx, double cy, Rgb fill, double outlineWidth = 0,
                      Rgb outline = INK);

// Reads a pixel of the canvas as 0-255 RGB (alpha ignored, surface flushed).
void PixelAt(const Canvas& canvas, int x, int y, int* r, int* g, int* b);
