// Shared brushes and shapes for the thirteen scenes, and each level's
// drawing procedure. Everything is in scene pixels (376 x 270).
#pragma once

#include "art.h"

// A colour from 0-255 components (ints, so arithmetic on them stays simple).
struct Hue {
    int r, g, b;
};

// A difference area of a level in scene pixels, with its centre and size.
struct SceneArea {
    double left, top, right, bottom;
    double cx, cy, w, h;
};

// Area k (0-4) of level (1-13), moved into scene coordinates.
SceneArea AreaOf(int level, int k);

// ---- colour
void SetHue(cairo_t* cr, Hue hue, double alpha = 1.0);
Hue Lighter(Hue hue, double amount);  // amount 0..1 towards white
Hue Darker(Hue hue, double amount);   // amount 0..1 towards black

// Next value in 0..1 of a tiny linear congruential sequence (fixed seeds only).
double NextRandom(unsigned* state);

// ---- painting the current path (each consumes the path)
// Top-lit fill (lighter above, darker below) with a darker outline.
void PaintShaded(cairo_t* cr, Hue hue, double outlineWidth = 1.0);
// Flat fill with a darker outline.
void PaintOutlined(cairo_t* cr, Hue hue, double outlineWidth = 1.0);
// Flat fill, no outline.
void PaintFlat(cairo_t* cr, Hue hue, double alpha = 1.0);
// Stroke only, round caps.
void PaintLine(cairo_t* cr, Hue hue, double width);

// ---- paths
void EllipsePath(cairo_t* cr, double cx, double cy, double rx, double ry);
void RectPath(cairo_t* cr, double x, double y, double w, double h);
void LinePath(cairo_t* cr, double x0, double y0, double x1, double y1);

// ---- backdrops and common pieces
// Vertical gradient over a rectangle.
void FillGradientRect(cairo_t* cr, double x, double y, double w, double h, Hue top, Hue bottom);
// Soft dark ellipse under an object.
void DropShadow(cairo_t* cr, double cx, double cy, double rx, double ry);
void DrawCloud(cairo_t* cr, double x, double y, double w, double h);
void DrawSun(cairo_t* cr, double cx, double cy, double r);
// Round-crowned tree standing on baseY.
void DrawTree(cairo_t* cr, double cx, double baseY, double height, Hue leaves);
void DrawFlower(cairo_t* cr, double cx, double cy, double r, Hue petals);
// Balloon with its string hanging down by stringLength.
void DrawBalloon(cairo_t* cr, double cx, double cy, double r, Hue hue, double stringLength);
// Fish facing left (or right), body length len.
void DrawFish(cairo_t* cr, double cx, double cy, double len, Hue hue, bool facingRight);
// A five-pointed star, shaded.
void DrawStar(cairo_t* cr, double cx, double cy, double r, Hue hue, double rotation = 0);
// A window pane with a cross bar, lit or dark glass.
void DrawWindow(cairo_t* cr, double x, double y, double w, double h, Hue frame, Hue glass);
