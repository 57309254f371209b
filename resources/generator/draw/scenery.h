// Shapes the thirteen scenes share, drawn with the paths and paints of draw/.
// Everything is in scene pixels (376 x 270).
#pragma once

#include "draw/canvas.h"
#include "draw/colour.h"
#include "draw/painting.h"
#include "draw/paths.h"

// ---- backdrops and common pieces
// Soft dark ellipse under an object.
void DropShadow(cairo_t* cr, double cx, double cy, double rx, double ry);
void DrawCloud(cairo_t* cr, double x, double y, double w, double h);
void DrawSun(cairo_t* cr, double cx, double cy, double r);
// Round-crowned tree standing on baseY.
void DrawTree(cairo_t* cr, double cx, double baseY, double height, Rgb leaves);
void DrawFlower(cairo_t* cr, double cx, double cy, double r, Rgb petals);
// Balloon with its string hanging down by stringLength.
void DrawBalloon(cairo_t* cr, double cx, double cy, double r, Rgb hue, double stringLength);
// Fish facing left (or right), body length len.
void DrawFish(cairo_t* cr, double cx, double cy, double len, Rgb hue, bool facingRight);
// A five-pointed star, shaded.
void DrawStar(cairo_t* cr, double cx, double cy, double r, Rgb hue, double rotation = 0);
// A window pane with a cross bar, lit or dark glass.
void DrawWindow(cairo_t* cr, double x, double y, double w, double h, Rgb frame, Rgb glass);
// A window looking out: its frame and the sky through the glass, which is
// glassInset in from the frame's edge. The scene draws what is outside, then
// DrawWindowBars.
void DrawSkyWindow(cairo_t* cr, double x, double y, double w, double h, Rgb frame, Rgb skyTop, Rgb skyBottom,
                   double glassInset);
// The round-capped cross bars of a window, barInset in from its frame's edge.
void DrawWindowBars(cairo_t* cr, double x, double y, double w, double h, Rgb frame, double barInset,
                    double barWidth);
