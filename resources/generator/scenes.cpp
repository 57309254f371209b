// The thirteen scenes: picks the level's drawing procedure.
#include "scene_kit.h"

// Draws level's scene; each procedure starts with an opaque backdrop.
void DrawScene(cairo_t* cr, int level, bool altered) {
    static void (*const drawers[LEVEL_COUNT])(cairo_t*, bool) = {
        DrawFarmScene,     DrawNightCityScene, DrawGardenScene,  DrawAquariumScene, DrawKitchenScene,
        DrawFiresideScene, DrawBakeryScene,    DrawSpaceScene,   DrawSeasideScene,  DrawStreetScene,
        DrawToyShelfScene, DrawPartyScene,     DrawWinterScene,
    };
    if (level < 1 || level > LEVEL_COUNT) {
        SetColor(cr, 255, 255, 255);
        cairo_paint(cr);
        return;
    }
    cairo_save(cr);
    // Opaque base first, so no scene can leave a see-through pixel.
    SetColor(cr, 255, 255, 255);
    cairo_paint(cr);
    drawers[level - 1](cr, altered);
    cairo_restore(cr);
}
