// Scenes further afield: space, the seaside and the street.
#include "scene_kit.h"

#include <cmath>

void DrawSpaceScene(cairo_t* cr, bool altered) {
    (void)altered;
    SetColor(cr, 240, 240, 240);
    cairo_paint(cr);
}

void DrawSeasideScene(cairo_t* cr, bool altered) {
    (void)altered;
    SetColor(cr, 240, 240, 240);
    cairo_paint(cr);
}

void DrawStreetScene(cairo_t* cr, bool altered) {
    (void)altered;
    SetColor(cr, 240, 240, 240);
    cairo_paint(cr);
}

