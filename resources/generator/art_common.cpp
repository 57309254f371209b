// Pieces shared by several pictures: mascot head, title lettering, fills.
// (First cut; the finished artwork replaces these bodies.)
#include "art.h"

#include <cmath>

void FillBackground(Canvas& canvas, Rgb color) {
    cairo_save(canvas.cr);
    cairo_set_operator(canvas.cr, CAIRO_OPERATOR_SOURCE);
    SetColor(canvas.cr, color.r, color.g, color.b);
    cairo_paint(canvas.cr);
    cairo_restore(canvas.cr);
}

void DrawMascotHead(cairo_t* cr, double cx, double cy, double r) {
    cairo_save(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    SetColor(cr, 255, 214, 150);
    cairo_fill(cr);
    cairo_restore(cr);
}

void DrawTitleLettering(cairo_t* cr, double cx, double cy, double width) {
    UseFont(cr, FONT_BOLD, width / 9);
    DrawTextCentered(cr, "Tumblewit~來找碴！", cx, cy, 250, 120, 60, 4, 255, 255, 255);
}
