// The generator's drawing toolkit: one colour type (Rgb, from layout.h), one
// shading pair, one deterministic random step, the paths everything is built
// of and the ways to paint a path. Every painting procedure consumes the path.
#pragma once

#include "draw/canvas.h"
#include "layout.h"

// ---------------------------------------------------------------- colour ---
// The dark outline colour every cartoon figure and lettering shares.
constexpr Rgb INK = {52, 36, 48};
// Pure white, for highlights, glints and snow.
constexpr Rgb WHITE = {255, 255, 255};

// Sets the source colour.
void Use(cairo_t* cr, Rgb color, double alpha = 1.0);
// The colour mixed towards white, or towards black, by amount 0..1.
Rgb Lighter(Rgb color, double amount);
Rgb Darker(Rgb color, double amount);

// How far the shaded fills move their colour: scenery lit from above with a
// darker outline of its own colour, figures a gentler light with an INK outline.
constexpr double SCENERY_LIGHT_TOP = 0.28;
constexpr double SCENERY_DARK_BOTTOM = 0.18;
constexpr double SCENERY_OUTLINE_DARK = 0.55;
constexpr double FIGURE_LIGHT_TOP = 0.3;
constexpr double FIGURE_DARK_BOTTOM = 0.12;

// Next value in 0..1 of a linear congruential sequence: fixed seeds draw the
// same scatter on every run and machine.
double NextRandom(unsigned* state);

// ----------------------------------------------------------------- paths ---
// Ellipse as its own sub-path, turned by rotation radians.
void EllipsePath(cairo_t* cr, double cx, double cy, double rx, double ry, double rotation = 0);
void RectPath(cairo_t* cr, double x, double y, double w, double h);
void LinePath(cairo_t* cr, double x0, double y0, double x1, double y1);

// -------------------------------------------------------------- painting ---
// Outline before the fill: an INK stroke of twice outlineWidth, the flat fill
// over it, so only the outer half shows and overlapping sub-paths merge into
// one silhouette (no outline when the width is 0).
void PaintOutlineThenFill(cairo_t* cr, Rgb fill, double outlineWidth);
// The same with a top-lit vertical gradient between y top and y bottom.
void PaintOutlineThenShadedFill(cairo_t* cr, Rgb fill, double top, double bottom, double outlineWidth);
// Outline before the fill, in the fill's own darker colour, with a top-lit
// gradient over the path's own box: scenery's usual paint.
void PaintShaded(cairo_t* cr, Rgb color, double outlineWidth = 1.0);
// Outline after the fill: flat fill, then a darker stroke of outlineWidth on
// top, half inside the shape.
void PaintFillThenOutline(cairo_t* cr, Rgb color, double outlineWidth = 1.0);
// Flat fill, no outline.
void PaintFlat(cairo_t* cr, Rgb color, double alpha = 1.0);
// Stroke only, round caps.
void PaintLine(cairo_t* cr, Rgb color, double width);
// Vertical gradient over a rectangle.
void FillGradientRect(cairo_t* cr, double x, double y, double w, double h, Rgb top, Rgb bottom);
