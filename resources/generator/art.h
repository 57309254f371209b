// The generator's drawing procedures, one per kind of artwork. Each draws
// onto a canvas already sized to the resource it makes.
#pragma once

#include "canvas.h"
#include "layout.h"

#include <cstdint>
#include <vector>

// ---- art_screens.cpp: the four full-window screens
void DrawTitlePicture(Canvas& canvas);     // "pic1"
void DrawClearedPicture(Canvas& canvas);   // "pic2"
void DrawGameOverPicture(Canvas& canvas);  // "pic3"
void DrawFinalPicture(Canvas& canvas);     // "pic4"

// ---- art_buttons.cpp: button faces and the icon's picture
// Draws the button bitmap of that resource name ("bs_1" ... "bh_4").
void DrawButtonBitmap(Canvas& canvas, const char* name);
// The icon's figure on its white square, filling a size x size canvas.
void DrawIconPicture(Canvas& canvas);

// ---- icon.cpp: the twelve icon images in ICON_IMAGES order (caller frees)
void MakeIconImages(Canvas* images);

// ---- art_common.cpp: pieces several pictures share
// The game's mascot head, centred on (cx, cy), radius r.
void DrawMascotHead(cairo_t* cr, double cx, double cy, double r);
// The title lettering "Tumblewit~來找碴！" centred on (cx, cy), fitting width.
void DrawTitleLettering(cairo_t* cr, double cx, double cy, double width);
// Opaque flat fill of the whole canvas.
void FillBackground(Canvas& canvas, Rgb color);

// ---- art_level.cpp: a level picture, layout and both copies of its scene
void DrawLevelPicture(Canvas& canvas, int level);  // level 1 to 13

// ---- scene_compose.cpp: both copies of the level's scene at their places;
// the altered copy differs only strictly inside the five areas.
void PlaceScenes(Canvas& canvas, int level);

// ---- scenes.cpp: the scene of a level, in scene pixels
// Draws level's scene into a SCENE_WIDTH x SCENE_HEIGHT area whose top-left
// is (0, 0). With altered set, the five changes of that level are drawn;
// each must lie inside its difference area (DIFFERENCE_AREAS moved by
// -ALTERED_SCENE.left, -ALTERED_SCENE.top).
void DrawScene(cairo_t* cr, int level, bool altered);

// ---- sounds.cpp: the PCM data of one sound, exactly spec.dataBytes long
std::vector<std::uint8_t> MakeSoundData(const SoundSpec& spec);

// ---- contact_sheet.cpp: a PNG with every picture and button, labelled
struct NamedCanvas {
    const char* name;
    Canvas* canvas;
};
void WriteContactSheet(const char* path, const NamedCanvas* items, int count);
