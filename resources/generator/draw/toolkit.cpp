// The generator's drawing toolkit: one colour type (Rgb), one shading pair,
// one deterministic random step, the paths everything is built of and the
// ways to paint a path. Pictures, buttons, the icon and the scenes all draw
// with these.
#include "draw/toolkit.h"

#include <algorithm>
#include <cmath>

namespace {

// Clamps a channel to 0..255.
unsigned char Channel(double value) { return static_cast<unsigned char>(std::lround(std::clamp(value, 0.0, 255.0))); }

// Round-joined INK stroke of twice outlineWidth, keeping the path for the
// fill that goes over it; nothing when the width is 0.
void StrokeInkOutline(cairo_t* cr, double outlineWidth) {
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    if (outlineWidth <= 0) return;
    Use(cr, INK);
    cairo_set_line_width(cr, 2 * outlineWidth);
    cairo_stroke_preserve(cr);
}

}  // namespace

// ---------------------------------------------------------------- colour ---

void Use(cairo_t* cr, Rgb color, double alpha) { SetColor(cr, color.r, color.g, color.b, alpha); }

Rgb Lighter(Rgb color, double amount) {
    return {Channel(color.r + (255 - color.r) * amount), Channel(color.g + (255 - color.g) * amount),
            Channel(color.b + (255 - color.b) * amount)};
}

Rgb Darker(Rgb color, double amount) {
    return {Channel(color.r * (1 - amount)), Channel(color.g * (1 - amount)), Channel(color.b * (1 - amount))};
}

// Linear congruential step; the same seed always gives the same scatter.
double NextRandom(unsigned* state) {
    *state = *state * 1664525u + 1013904223u;
    return (*state >> 8) / 16777216.0;
}

// ----------------------------------------------------------------- paths ---

// Ellipse as its own sub-path, left open as the figures always drew it:
// closing it would shift the stroked eyes and cheeks of a dozen pictures.
void EllipsePath(cairo_t* cr, double cx, double cy, double rx, double ry, double rotation) {
    cairo_new_sub_path(cr);
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, rotation);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
}

// Axis-aligned rectangle.
void RectPath(cairo_t* cr, double x, double y, double w, double h) { cairo_rectangle(cr, x, y, w, h); }

// A single segment.
void LinePath(cairo_t* cr, double x0, double y0, double x1, double y1) {
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
}

// -------------------------------------------------------------- painting ---

void PaintOutlineThenFill(cairo_t* cr, Rgb fill, double outlineWidth) {
    cairo_save(cr);
    StrokeInkOutline(cr, outlineWidth);
    Use(cr, fill);
    cairo_fill(cr);
    cairo_restore(cr);
}

void PaintOutlineThenShadedFill(cairo_t* cr, Rgb fill, double top, double bottom, double outlineWidth) {
    cairo_save(cr);
    StrokeInkOutline(cr, outlineWidth);
    const Rgb light = Lighter(fill, FIGURE_LIGHT_TOP), dark = Darker(fill, FIGURE_DARK_BOTTOM);
    cairo_pattern_t* gradient = cairo_pattern_create_linear(0, top, 0, bottom);
    cairo_pattern_add_color_stop_rgb(gradient, 0, light.r / 255.0, light.g / 255.0, light.b / 255.0);
    cairo_pattern_add_color_stop_rgb(gradient, 0.45, fill.r / 255.0, fill.g / 255.0, fill.b / 255.0);
    cairo_pattern_add_color_stop_rgb(gradient, 1, dark.r / 255.0, dark.g / 255.0, dark.b / 255.0);
    cairo_set_source(cr, gradient);
    cairo_fill(cr);
    cairo_pattern_destroy(gradient);
    cairo_restore(cr);
}

void PaintShaded(cairo_t* cr, Rgb hue, double outlineWidth) {
    double x0, y0, x1, y1;
    cairo_fill_extents(cr, &x0, &y0, &x1, &y1);
    cairo_pattern_t* gradient = cairo_pattern_create_linear(0, y0, 0, y1);
    const Rgb top = Lighter(hue, SCENERY_LIGHT_TOP), bottom = Darker(hue, SCENERY_DARK_BOTTOM);
    cairo_pattern_add_color_stop_rgb(gradient, 0, top.r / 255.0, top.g / 255.0, top.b / 255.0);
    cairo_pattern_add_color_stop_rgb(gradient, 1, bottom.r / 255.0, bottom.g / 255.0, bottom.b / 255.0);
    // Outline first at double width, fill over it: overlapping sub-paths
    // then show one outer outline, not their inner seams.
    if (outlineWidth > 0) {
        Use(cr, Darker(hue, SCENERY_OUTLINE_DARK));
        cairo_set_line_width(cr, outlineWidth * 2);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(cr);
    }
    cairo_set_source(cr, gradient);
    cairo_fill(cr);
    cairo_pattern_destroy(gradient);
}

void PaintFillThenOutline(cairo_t* cr, Rgb hue, double outlineWidth) {
    Use(cr, hue);
    cairo_fill_preserve(cr);
    Use(cr, Darker(hue, SCENERY_OUTLINE_DARK));
    cairo_set_line_width(cr, outlineWidth);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

// Flat fill only.
void PaintFlat(cairo_t* cr, Rgb hue, double alpha) {
    Use(cr, hue, alpha);
    cairo_fill(cr);
}

// Round-capped stroke.
void PaintLine(cairo_t* cr, Rgb hue, double width) {
    Use(cr, hue);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

// Vertical gradient, top colour to bottom colour.
void FillGradientRect(cairo_t* cr, double x, double y, double w, double h, Rgb top, Rgb bottom) {
    cairo_pattern_t* gradient = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgb(gradient, 0, top.r / 255.0, top.g / 255.0, top.b / 255.0);
    cairo_pattern_add_color_stop_rgb(gradient, 1, bottom.r / 255.0, bottom.g / 255.0, bottom.b / 255.0);
    cairo_rectangle(cr, x, y, w, h);
    cairo_set_source(cr, gradient);
    cairo_fill(cr);
    cairo_pattern_destroy(gradient);
}
