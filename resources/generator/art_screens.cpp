// The four full-window screens: title, level cleared, game over, final.
// (First cut; the finished artwork replaces these bodies.)
#include "art.h"

void DrawTitlePicture(Canvas& canvas) { FillBackground(canvas, TITLE_BACKGROUND); }
void DrawClearedPicture(Canvas& canvas) { FillBackground(canvas, {250, 230, 120}); }
void DrawGameOverPicture(Canvas& canvas) { FillBackground(canvas, {60, 20, 60}); }
void DrawFinalPicture(Canvas& canvas) { FillBackground(canvas, {255, 200, 220}); }
