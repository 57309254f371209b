// Indoor scenes: the aquarium, the kitchen, the fireside and the bakery.
#include "scene_kit.h"

#include <cmath>

void DrawAquariumScene(cairo_t* cr, bool altered) {
    (void)altered;
    SetColor(cr, 240, 240, 240);
    cairo_paint(cr);
}

void DrawKitchenScene(cairo_t* cr, bool altered) {
    (void)altered;
    SetColor(cr, 240, 240, 240);
    cairo_paint(cr);
}

void DrawFiresideScene(cairo_t* cr, bool altered) {
    (void)altered;
    SetColor(cr, 240, 240, 240);
    cairo_paint(cr);
}

void DrawBakeryScene(cairo_t* cr, bool altered) {
    (void)altered;
    SetColor(cr, 240, 240, 240);
    cairo_paint(cr);
}

