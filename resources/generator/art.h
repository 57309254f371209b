// The generator's drawing procedures, one per kind of artwork. Each draws
// onto a canvas already sized to the resource it makes.
#pragma once

#include "canvas.h"
#include "layout.h"
#include "toolkit.h"

#include <cstdint>
#include <string>
#include <vector>

// ---- catalogue.cpp: the generator's side of catalogue.inc
// Draws the full-window picture PICTURES[index]: a screen's own procedure, or
// the level picture of that level.
void DrawPicture(Canvas& canvas, int index);
// Draws the button face BUTTON_BITMAPS[index].
void DrawButtonFace(Canvas& canvas, int index);
// What the game uses PICTURES[index] or BUTTON_BITMAPS[index] for, in a few words.
std::string PictureCaption(int index);
const char* ButtonCaption(int index);

// Every screen's and button's drawing procedure (art_screens.cpp,
// art_buttons.cpp) and every level's scene (scenes/levelNN_*.cpp), as the catalogue
// names them.
#define SCREEN(role, name, width, height, drawing, caption) void drawing(Canvas& canvas);
#define LEVEL(number, name, width, height, background, shirt, scene) void scene(cairo_t* cr, bool altered);
#define BUTTON(field, name, width, height, drawing, caption) void drawing(Canvas& canvas);
#include "catalogue.inc"

// ---- art_buttons.cpp: the icon's picture
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

// Lettering with each character in its own bright colour, a white rim and an
// INK outer outline, centred on (cx, cy); shrinks to maxWidth (0: no limit).
// firstColour picks where the colour cycle starts.
void DrawCandyText(cairo_t* cr, const char* utf8, double cx, double cy, double sizePx,
                   double maxWidth = 0, int firstColour = 0);
// Candy lettering as large as fits the rectangle, centred in it.
void DrawCandyTextIn(cairo_t* cr, const char* utf8, double left, double top, double right,
                     double bottom, int firstColour = 0);

// Faces the mascot and the kids can pull.
enum Expression { FACE_HAPPY, FACE_SURPRISED, FACE_CRYING };
// The mascot head with a chosen expression.
void DrawMascotFace(cairo_t* cr, double cx, double cy, double r, Expression expression);

// A chibi kid facing the viewer.
enum HairStyle { HAIR_SPIKY, HAIR_PIGTAILS, HAIR_BOB, HAIR_CAP };
enum KidPose { POSE_RUN, POSE_STAND, POSE_WAVE, POSE_CRY, POSE_CHEER };
struct KidLook {
    Rgb skin, hair, shirt, pants;
    HairStyle hairStyle;
};
// Kid standing on groundY, height tall from soles to crown; mirrored swaps
// left and right; shirtText (may be null) is lettered on the shirt.
void DrawKid(cairo_t* cr, double cx, double groundY, double height, const KidLook& look,
             KidPose pose, bool mirrored, const char* shirtText = nullptr);

// Warm wood planks with grain over (0, 0, w, h), with a bevelled rim.
void FillWoodGrain(cairo_t* cr, double w, double h);
// A four-pointed twinkle.
void DrawSparkle(cairo_t* cr, double cx, double cy, double r, Rgb color);

// Confetti bits over (0, 0, w, h), none touching the keep-clear rectangles.
void DrawConfetti(cairo_t* cr, double w, double h, int count, unsigned seed,
                  const PixelRect* keepClear, int keepClearCount);
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

// ---- sounds.cpp: the PCM data of one sound, exactly item.dataBytes long
std::vector<std::uint8_t> MakeSoundData(const SoundEntry& item);

// ---- contact_sheet.cpp: a PNG with every picture and button, labelled
// pictures and buttons are in PICTURES and BUTTON_BITMAPS order;
// levelFigures[i] (if there) is a line shown under level i + 1's thumbnail.
void WriteContactSheet(const char* path, const Canvas* pictures, const Canvas* buttons,
                       const std::vector<std::string>& levelFigures = {});
