// The ways to paint a path: outlines before or after the fill, flat, shaded
// or as a line. Every painting procedure consumes the path.
#pragma once

#include "draw/colour.h"

#include <cairo.h>

// How far the shaded fills move their colour: scenery lit from above with a
// darker outline of its own colour, figures a gentler light with an INK outline.
constexpr double SCENERY_LIGHT_TOP = 0.28;
constexpr double SCENERY_DARK_BOTTOM = 0.18;
constexpr double SCENERY_OUTLINE_DARK = 0.55;
constexpr double FIGURE_LIGHT_TOP = 0.3;
constexpr double FIGURE_DARK_BOTTOM = 0.12;

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
