// The paths every picture is built of. A path procedure only adds to the
// current path; the painting procedures (painting.h) fill or stroke it.
#pragma once

#include <cairo.h>

// Ellipse as its own sub-path, turned by rotation radians.
void EllipsePath(cairo_t* cr, double cx, double cy, double rx, double ry, double rotation = 0);
// Circle as its own sub-path: the ellipse of equal radii.
void CirclePath(cairo_t* cr, double cx, double cy, double r);
// Upper half of a circle standing on its diameter at baseY, closed: domes,
// caps and lamp shades.
void DomePath(cairo_t* cr, double cx, double baseY, double r);
void RectPath(cairo_t* cr, double x, double y, double w, double h);
void LinePath(cairo_t* cr, double x0, double y0, double x1, double y1);
// Rounded rectangle.
void RoundedRectPath(cairo_t* cr, double x, double y, double w, double h, double radius);

// Fluffy cloud: a row of overlapping circles along an ellipse of the given
// box; bumps is the number of circles around the edge.
void CloudPath(cairo_t* cr, double x, double y, double w, double h, int bumps);
// Five-pointed star centred on (cx, cy).
void StarPath(cairo_t* cr, double cx, double cy, double outerRadius, double innerRadius,
              double rotation = 0);
// Heart centred on (cx, cy), size is its width.
void HeartPath(cairo_t* cr, double cx, double cy, double size);

// Next value in 0..1 of a linear congruential sequence, for scattering
// shapes: fixed seeds draw the same scatter on every run and machine.
double NextRandom(unsigned* state);
