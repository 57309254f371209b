// Brushes and shapes the scenes share, so every scene has the same look:
// top-lit fills, darker outlines, soft shadows.
#include "scene_kit.h"

#include <algorithm>
#include <cmath>

namespace {

// Clamps a channel to 0..255.
int Channel(double value) { return static_cast<int>(std::lround(std::clamp(value, 0.0, 255.0))); }

}  // namespace

// Area k of level in scene pixels.
SceneArea AreaOf(int level, int k) {
    const PixelRect& area = DIFFERENCE_AREAS[level - 1][k];
    SceneArea a;
    a.left = area.left - ALTERED_SCENE.left;
    a.top = area.top - ALTERED_SCENE.top;
    a.right = area.right - ALTERED_SCENE.left;
    a.bottom = area.bottom - ALTERED_SCENE.top;
    a.cx = (a.left + a.right) / 2;
    a.cy = (a.top + a.bottom) / 2;
    a.w = a.right - a.left;
    a.h = a.bottom - a.top;
    return a;
}

// Sets the source colour.
void SetHue(cairo_t* cr, Hue hue, double alpha) { SetColor(cr, hue.r, hue.g, hue.b, alpha); }

// Mixes towards white.
Hue Lighter(Hue hue, double amount) {
    return {Channel(hue.r + (255 - hue.r) * amount), Channel(hue.g + (255 - hue.g) * amount),
            Channel(hue.b + (255 - hue.b) * amount)};
}

// Mixes towards black.
Hue Darker(Hue hue, double amount) {
    return {Channel(hue.r * (1 - amount)), Channel(hue.g * (1 - amount)), Channel(hue.b * (1 - amount))};
}

// Fill lit from above, then an outline; the gradient spans the path's own box.
void PaintShaded(cairo_t* cr, Hue hue, double outlineWidth) {
    double x0, y0, x1, y1;
    cairo_fill_extents(cr, &x0, &y0, &x1, &y1);
    cairo_pattern_t* gradient = cairo_pattern_create_linear(0, y0, 0, y1);
    const Hue top = Lighter(hue, 0.28), bottom = Darker(hue, 0.18);
    cairo_pattern_add_color_stop_rgb(gradient, 0, top.r / 255.0, top.g / 255.0, top.b / 255.0);
    cairo_pattern_add_color_stop_rgb(gradient, 1, bottom.r / 255.0, bottom.g / 255.0, bottom.b / 255.0);
    // Outline first at double width, fill over it: overlapping sub-paths
    // then show one outer outline, not their inner seams.
    if (outlineWidth > 0) {
        SetHue(cr, Darker(hue, 0.55));
        cairo_set_line_width(cr, outlineWidth * 2);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(cr);
    }
    cairo_set_source(cr, gradient);
    cairo_fill(cr);
    cairo_pattern_destroy(gradient);
}

// Flat fill and a darker outline.
void PaintOutlined(cairo_t* cr, Hue hue, double outlineWidth) {
    SetHue(cr, hue);
    cairo_fill_preserve(cr);
    SetHue(cr, Darker(hue, 0.55));
    cairo_set_line_width(cr, outlineWidth);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

// Flat fill only.
void PaintFlat(cairo_t* cr, Hue hue, double alpha) {
    SetHue(cr, hue, alpha);
    cairo_fill(cr);
}

// Round-capped stroke.
void PaintLine(cairo_t* cr, Hue hue, double width) {
    SetHue(cr, hue);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

// Ellipse as its own sub-path.
void EllipsePath(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_new_sub_path(cr);
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_close_path(cr);
}

// Axis-aligned rectangle.
void RectPath(cairo_t* cr, double x, double y, double w, double h) { cairo_rectangle(cr, x, y, w, h); }

// A single segment.
void LinePath(cairo_t* cr, double x0, double y0, double x1, double y1) {
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
}

// Vertical gradient, top colour to bottom colour.
void FillGradientRect(cairo_t* cr, double x, double y, double w, double h, Hue top, Hue bottom) {
    cairo_pattern_t* gradient = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgb(gradient, 0, top.r / 255.0, top.g / 255.0, top.b / 255.0);
    cairo_pattern_add_color_stop_rgb(gradient, 1, bottom.r / 255.0, bottom.g / 255.0, bottom.b / 255.0);
    cairo_rectangle(cr, x, y, w, h);
    cairo_set_source(cr, gradient);
    cairo_fill(cr);
    cairo_pattern_destroy(gradient);
}

// Translucent ellipse: grounds an object without a hard edge.
void DropShadow(cairo_t* cr, double cx, double cy, double rx, double ry) {
    EllipsePath(cr, cx, cy, rx, ry);
    SetColor(cr, 0, 0, 0, 0.18);
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
    EllipsePath(cr, cx, cy, r, r);
    PaintShaded(cr, {255, 208, 50}, 1.2);
}

// Trunk and a crown of three overlapping balls.
void DrawTree(cairo_t* cr, double cx, double baseY, double height, Hue leaves) {
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
void DrawFlower(cairo_t* cr, double cx, double cy, double r, Hue petals) {
    for (int i = 0; i < 5; ++i) {
        const double angle = -M_PI / 2 + i * 2 * M_PI / 5;
        EllipsePath(cr, cx + std::cos(angle) * r * 0.55, cy + std::sin(angle) * r * 0.55, r * 0.45, r * 0.45);
    }
    PaintOutlined(cr, petals, std::max(0.6, r * 0.1));
    EllipsePath(cr, cx, cy, r * 0.3, r * 0.3);
    PaintOutlined(cr, {255, 210, 60}, std::max(0.6, r * 0.08));
}

// Balloon body with a knot, a highlight and a string.
void DrawBalloon(cairo_t* cr, double cx, double cy, double r, Hue hue, double stringLength) {
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
    PaintOutlined(cr, hue, 0.8);
    EllipsePath(cr, cx, cy, r * 0.88, r * 1.05);
    PaintShaded(cr, hue, 1.0);
    EllipsePath(cr, cx - r * 0.35, cy - r * 0.45, r * 0.18, r * 0.28);
    PaintFlat(cr, {255, 255, 255}, 0.7);
}

// Oval body, triangle tail, eye and a fin stripe.
void DrawFish(cairo_t* cr, double cx, double cy, double len, Hue hue, bool facingRight) {
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
    EllipsePath(cr, -len * 0.3, -h * 0.2, len * 0.06, len * 0.06);
    PaintFlat(cr, {255, 255, 255});
    EllipsePath(cr, -len * 0.31, -h * 0.2, len * 0.03, len * 0.03);
    PaintFlat(cr, {20, 20, 30});
    cairo_restore(cr);
}

// Shaded star.
void DrawStar(cairo_t* cr, double cx, double cy, double r, Hue hue, double rotation) {
    StarPath(cr, cx, cy, r, r * 0.45, rotation);
    PaintShaded(cr, hue, std::max(0.6, r * 0.1));
}

// Frame, glass and a cross bar.
void DrawWindow(cairo_t* cr, double x, double y, double w, double h, Hue frame, Hue glass) {
    RectPath(cr, x, y, w, h);
    PaintOutlined(cr, frame, 1.0);
    RectPath(cr, x + 2.5, y + 2.5, w - 5, h - 5);
    PaintShaded(cr, glass, 0);
    LinePath(cr, x + w / 2, y + 2, x + w / 2, y + h - 2);
    LinePath(cr, x + 2, y + h / 2, x + w - 2, y + h / 2);
    SetHue(cr, frame);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

// Small fixed-seed generator: the same scatter of stars every run.
double NextRandom(unsigned* state) {
    *state = *state * 1664525u + 1013904223u;
    return (*state >> 8) / 16777216.0;
}
