// The generator's side of the resource catalogue: which procedure draws each
// picture and button, and the contact sheet's captions.
#include "pictures/pictures.h"

namespace {

// One full-window picture: a screen's own procedure, or a level number.
struct PictureArt {
    void (*drawScreen)(Canvas& canvas);  // null for a level
    int level;                           // 1 to LEVEL_COUNT, or 0 for a screen
    const char* caption;                 // null for a level
};

// In PICTURES order: the screens, then the levels.
constexpr PictureArt PICTURE_ART[] = {
#define SCREEN(role, name, width, height, drawing, caption) {drawing, 0, caption},
#include "catalogue.inc"
#define LEVEL(number, name, width, height, background, shirt, scene) {nullptr, number, nullptr},
#include "catalogue.inc"
};
static_assert(sizeof PICTURE_ART / sizeof PICTURE_ART[0] == PICTURE_COUNT, "one drawing a picture");

struct ButtonArt {
    void (*draw)(Canvas& canvas);
    const char* caption;
};

constexpr ButtonArt BUTTON_ART[] = {
#define BUTTON(field, name, width, height, drawing, caption) {drawing, caption},
#include "catalogue.inc"
};
static_assert(sizeof BUTTON_ART / sizeof BUTTON_ART[0] == BUTTON_BITMAP_COUNT, "one drawing a button");

}  // namespace

void DrawPicture(Canvas& canvas, int index) {
    const PictureArt& art = PICTURE_ART[index];
    if (art.drawScreen)
        art.drawScreen(canvas);
    else
        DrawLevelPicture(canvas, art.level);
}

void DrawButtonFace(Canvas& canvas, int index) { BUTTON_ART[index].draw(canvas); }

std::string PictureCaption(int index) {
    const PictureArt& art = PICTURE_ART[index];
    return art.caption ? art.caption : "level " + std::to_string(art.level);
}

const char* ButtonCaption(int index) { return BUTTON_ART[index].caption; }
