// Scenes for fun: the toy shelf, the party and the winter village.
#include "scene_kit.h"

#include <cmath>

void DrawToyShelfScene(cairo_t* cr, bool altered) {
    (void)altered;
    SetColor(cr, 240, 240, 240);
    cairo_paint(cr);
}

void DrawPartyScene(cairo_t* cr, bool altered) {
    (void)altered;
    SetColor(cr, 240, 240, 240);
    cairo_paint(cr);
}

void DrawWinterScene(cairo_t* cr, bool altered) {
    (void)altered;
    SetColor(cr, 240, 240, 240);
    cairo_paint(cr);
}

