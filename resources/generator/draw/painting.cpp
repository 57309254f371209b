// The ways to paint a path. Pictures, buttons, the icon and the scenes all
// paint with these.
#include "draw/painting.h"

namespace {

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
    AddStop(gradient, 0, light);
    AddStop(gradient, 0.45, fill);
    AddStop(gradient, 1, dark);
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
    AddStop(gradient, 0, top);
    AddStop(gradient, 1, bottom);
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
    AddStop(gradient, 0, top);
    AddStop(gradient, 1, bottom);
    cairo_rectangle(cr, x, y, w, h);
    cairo_set_source(cr, gradient);
    cairo_fill(cr);
    cairo_pattern_destroy(gradient);
}
