// Path builders: ellipses, circles, rectangles, lines, clouds, stars, hearts.
#include "draw/paths.h"

#include <cmath>

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

void CirclePath(cairo_t* cr, double cx, double cy, double r) { EllipsePath(cr, cx, cy, r, r); }

// A real arc, half a turn from the left end of the diameter over the top.
void DomePath(cairo_t* cr, double cx, double baseY, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, baseY, r, M_PI, 2 * M_PI);
    cairo_close_path(cr);
}

// Axis-aligned rectangle.
void RectPath(cairo_t* cr, double x, double y, double w, double h) { cairo_rectangle(cr, x, y, w, h); }

// A single segment.
void LinePath(cairo_t* cr, double x0, double y0, double x1, double y1) {
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
}

// Four quarter arcs joined by the straight sides.
void RoundedRectPath(cairo_t* cr, double x, double y, double w, double h, double radius) {
    const double degrees = M_PI / 180.0;
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - radius, y + radius, radius, -90 * degrees, 0);
    cairo_arc(cr, x + w - radius, y + h - radius, radius, 0, 90 * degrees);
    cairo_arc(cr, x + radius, y + h - radius, radius, 90 * degrees, 180 * degrees);
    cairo_arc(cr, x + radius, y + radius, radius, 180 * degrees, 270 * degrees);
    cairo_close_path(cr);
}

void CloudPath(cairo_t* cr, double x, double y, double w, double h, int bumps) {
    const double cx = x + w / 2, cy = y + h / 2;
    // Bumps sit on an ellipse inset by their own radius, so the outline stays
    // inside the box.
    const double bumpRadius = std::fmin(w, h) * 0.28;
    const double rx = w / 2 - bumpRadius, ry = h / 2 - bumpRadius;
    EllipsePath(cr, cx, cy, rx + bumpRadius * 0.6, ry + bumpRadius * 0.6);
    for (int i = 0; i < bumps; ++i) {
        const double angle = 2 * M_PI * i / bumps;
        const double wobble = (i % 2 == 0) ? 1.0 : 0.82;
        CirclePath(cr, cx + rx * std::cos(angle), cy + ry * std::sin(angle), bumpRadius * wobble);
    }
}

void StarPath(cairo_t* cr, double cx, double cy, double outerRadius, double innerRadius,
              double rotation) {
    cairo_new_sub_path(cr);
    for (int i = 0; i < 10; ++i) {
        const double radius = (i % 2 == 0) ? outerRadius : innerRadius;
        const double angle = rotation - M_PI / 2 + i * M_PI / 5;
        const double px = cx + radius * std::cos(angle), py = cy + radius * std::sin(angle);
        if (i == 0)
            cairo_move_to(cr, px, py);
        else
            cairo_line_to(cr, px, py);
    }
    cairo_close_path(cr);
}

void HeartPath(cairo_t* cr, double cx, double cy, double size) {
    const double s = size / 2;
    cairo_new_sub_path(cr);
    cairo_move_to(cr, cx, cy + s * 0.95);
    cairo_curve_to(cr, cx - s * 1.1, cy + s * 0.1, cx - s * 1.05, cy - s * 0.95, cx, cy - s * 0.35);
    cairo_curve_to(cr, cx + s * 1.05, cy - s * 0.95, cx + s * 1.1, cy + s * 0.1, cx, cy + s * 0.95);
    cairo_close_path(cr);
}

// Linear congruential step; the same seed always gives the same scatter.
double NextRandom(unsigned* state) {
    *state = *state * 1664525u + 1013904223u;
    return (*state >> 8) / 16777216.0;
}
