// The pictures the game shows and the buttons it presses: one drawing
// procedure per catalogue row, each onto a canvas already sized to it.
#pragma once

#include "draw/canvas.h"
#include "layout.h"

#include <string>

// ---- catalogue.cpp: the generator's side of catalogue.inc
// Draws the full-window picture PICTURES[index]: a screen's own procedure, or
// the level picture of that level.
void DrawPicture(Canvas& canvas, int index);
// Draws the button face BUTTON_BITMAPS[index].
void DrawButtonFace(Canvas& canvas, int index);
// What the game uses PICTURES[index] or BUTTON_BITMAPS[index] for, in a few words.
std::string PictureCaption(int index);
const char* ButtonCaption(int index);

// Every screen's and button's drawing procedure (screens.cpp, buttons.cpp),
// as the catalogue names them.
#define SCREEN(role, name, width, height, drawing, caption) void drawing(Canvas& canvas);
#define BUTTON(field, name, width, height, drawing, caption) void drawing(Canvas& canvas);
#include "catalogue.inc"

// ---- icon.cpp
// The icon's figure on its white square, filling a size x size canvas.
void DrawIconPicture(Canvas& canvas);
// The twelve icon images in ICON_IMAGES order (caller frees).
void MakeIconImages(Canvas* images);

// ---- level_picture.cpp: a level picture, its frame and both copies of its scene
void DrawLevelPicture(Canvas& canvas, int level);  // level 1 to 13
