// Brushes and shapes the scenes share, so every scene has the same look:
// top-lit fills, darker outlines, soft shadows.
#include "draw/scenery.h"

#include <algorithm>
#include <cmath>

namespace {

// The flat frame every window stands in.
void DrawWindowFrame(cairo_t* cr, double x, double y, double w, double h, Rgb frame) {
    RectPath(cr, x, y, w, h);
    PaintFillThenOutline(cr, frame, 1.0);
}

}  // namespace

// Translucent ellipse: grounds an object without a hard edge.
void DropShadow(cairo_t* cr, double cx, double cy, double rx, double ry) {
    EllipsePath(cr, cx, cy, rx, ry);
    Use(cr, BLACK, 0.18);
    cairo_fill(cr);
}

// White puffy cloud with a pale blue underside.
void DrawCloud(cairo_t* cr, double x, double y, double w, double h) {
    CloudPath(cr, x, y, w, h, 7);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    PaintShaded(cr, {246, 250, 255}, 0);
}

// Sun disc with a ring of short rays.
void DrawSun(cairo_t* cr, double cx, double cy, double r) {
    for (int i = 0; i < 12; ++i) {
        const double angle = i * M_PI / 6;
        LinePath(cr, cx + std::cos(angle) * r * 1.25, cy + std::sin(angle) * r * 1.25,
                 cx + std::cos(angle) * r * 1.6, cy + std::sin(angle) * r * 1.6);
    }
    PaintLine(cr, {255, 196, 40}, std::max(1.5, r * 0.16));
    CirclePath(cr, cx, cy, r);
    PaintShaded(cr, {255, 208, 50}, 1.2);
}

// Trunk and a crown of three overlapping balls.
void DrawTree(cairo_t* cr, double cx, double baseY, double height, Rgb leaves) {
    const double crownR = height * 0.3;
    DropShadow(cr, cx, baseY, crownR * 0.9, crownR * 0.18);
    RectPath(cr, cx - height * 0.06, baseY - height * 0.5, height * 0.12, height * 0.5);
    PaintShaded(cr, {128, 86, 52}, 1.0);
    cairo_new_path(cr);
    EllipsePath(cr, cx - crownR * 0.55, baseY - height * 0.55, crownR * 0.75, crownR * 0.7);
    EllipsePath(cr, cx + crownR * 0.55, baseY - height * 0.55, crownR * 0.75, crownR * 0.7);
    EllipsePath(cr, cx, baseY - height * 0.72, crownR, crownR * 0.85);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    PaintShaded(cr, leaves, 1.2);
}

// Five round petals around a yellow heart.
void DrawFlower(cairo_t* cr, double cx, double cy, double r, Rgb petals) {
    for (int i = 0; i < 5; ++i) {
        const double angle = -M_PI / 2 + i * 2 * M_PI / 5;
        CirclePath(cr, cx + std::cos(angle) * r * 0.55, cy + std::sin(angle) * r * 0.55, r * 0.45);
    }
    PaintFillThenOutline(cr, petals, std::max(0.6, r * 0.1));
    CirclePath(cr, cx, cy, r * 0.3);
    PaintFillThenOutline(cr, {255, 210, 60}, std::max(0.6, r * 0.08));
}

// Balloon body with a knot, a highlight and a string.
void DrawBalloon(cairo_t* cr, double cx, double cy, double r, Rgb hue, double stringLength) {
    if (stringLength > 0) {
        cairo_move_to(cr, cx, cy + r * 1.15);
        cairo_curve_to(cr, cx - r * 0.4, cy + r * 1.15 + stringLength * 0.4, cx + r * 0.4,
                       cy + r * 1.15 + stringLength * 0.7, cx, cy + r * 1.15 + stringLength);
        PaintLine(cr, {90, 90, 90}, 0.8);
    }
    cairo_move_to(cr, cx, cy + r * 1.0);
    cairo_line_to(cr, cx - r * 0.16, cy + r * 1.18);
    cairo_line_to(cr, cx + r * 0.16, cy + r * 1.18);
    cairo_close_path(cr);
    PaintFillThenOutline(cr, hue, 0.8);
    EllipsePath(cr, cx, cy, r * 0.88, r * 1.05);
    PaintShaded(cr, hue, 1.0);
    EllipsePath(cr, cx - r * 0.35, cy - r * 0.45, r * 0.18, r * 0.28);
    PaintFlat(cr, WHITE, 0.7);
}

// Oval body, triangle tail, eye and a fin stripe.
void DrawFish(cairo_t* cr, double cx, double cy, double len, Rgb hue, bool facingRight) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    if (facingRight) cairo_scale(cr, -1, 1);
    const double h = len * 0.32;
    cairo_move_to(cr, len * 0.28, 0);
    cairo_line_to(cr, len * 0.5, -h * 0.9);
    cairo_line_to(cr, len * 0.5, h * 0.9);
    cairo_close_path(cr);
    PaintShaded(cr, Darker(hue, 0.1), 0.8);
    EllipsePath(cr, -len * 0.08, 0, len * 0.4, h);
    PaintShaded(cr, hue, 0.9);
    LinePath(cr, len * 0.02, -h * 0.7, len * 0.02, h * 0.7);
    PaintLine(cr, Darker(hue, 0.3), std::max(0.6, len * 0.04));
    CirclePath(cr, -len * 0.3, -h * 0.2, len * 0.06);
    PaintFlat(cr, WHITE);
    CirclePath(cr, -len * 0.31, -h * 0.2, len * 0.03);
    PaintFlat(cr, {20, 20, 30});
    cairo_restore(cr);
}

// Shaded star.
void DrawStar(cairo_t* cr, double cx, double cy, double r, Rgb hue, double rotation) {
    StarPath(cr, cx, cy, r, r * 0.45, rotation);
    PaintShaded(cr, hue, std::max(0.6, r * 0.1));
}

// Frame, glass and a cross bar.
void DrawWindow(cairo_t* cr, double x, double y, double w, double h, Rgb frame, Rgb glass) {
    DrawWindowFrame(cr, x, y, w, h, frame);
    RectPath(cr, x + 2.5, y + 2.5, w - 5, h - 5);
    PaintShaded(cr, glass, 0);
    LinePath(cr, x + w / 2, y + 2, x + w / 2, y + h - 2);
    LinePath(cr, x + 2, y + h / 2, x + w - 2, y + h / 2);
    Use(cr, frame);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

void DrawSkyWindow(cairo_t* cr, double x, double y, double w, double h, Rgb frame, Rgb skyTop, Rgb skyBottom,
                   double glassInset) {
    DrawWindowFrame(cr, x, y, w, h, frame);
    FillGradientRect(cr, x + glassInset, y + glassInset, w - 2 * glassInset, h - 2 * glassInset, skyTop, skyBottom);
}

void DrawWindowBars(cairo_t* cr, double x, double y, double w, double h, Rgb frame, double barInset,
                    double barWidth) {
    LinePath(cr, x + w / 2, y + barInset, x + w / 2, y + h - barInset);
    LinePath(cr, x + barInset, y + h / 2, x + w - barInset, y + h / 2);
    PaintLine(cr, frame, barWidth);
}
