// The contact sheet: every picture, button and the icon on one PNG page,
// labelled, for people to look over (the game never reads it).
#pragma once

#include "draw/canvas.h"

#include <string>
#include <vector>

// pictures and buttons are in PICTURES and BUTTON_BITMAPS order;
// levelFigures[i] (if there) is a line shown under level i + 1's thumbnail.
void WriteContactSheet(const char* path, const Canvas* pictures, const Canvas* buttons,
                       const std::vector<std::string>& levelFigures = {});
