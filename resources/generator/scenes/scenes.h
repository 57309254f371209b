// The thirteen level scenes, one file a level, each in scene pixels
// (SCENE_WIDTH x SCENE_HEIGHT, top-left at (0, 0)), and how both copies of a
// scene are put on the level picture.
#pragma once

#include "draw/canvas.h"
#include "draw/scenery.h"
#include "layout.h"

// A difference area of a level in scene pixels, with its centre and size.
struct SceneArea {
    double left, top, right, bottom;
    double cx, cy, w, h;
};

// Area k (0-4) of level (1-13), moved into scene coordinates.
SceneArea AreaOf(int level, int k);
// True when (x, y) lies within margin of one of the level's five areas: a
// scatter of small things keeps clear of them so the changes read cleanly.
bool NearAnArea(int level, double x, double y, double margin);

// Every level's scene (scenes/levelNN_*.cpp), as the catalogue names it.
#define LEVEL(number, name, width, height, background, shirt, scene) void scene(cairo_t* cr, bool altered);
#include "catalogue.inc"

// Draws level's scene into a SCENE_WIDTH x SCENE_HEIGHT area whose top-left
// is (0, 0). With altered set, the five changes of that level are drawn;
// each must lie inside its difference area (DIFFERENCE_AREAS moved by
// -ALTERED_SCENE.left, -ALTERED_SCENE.top).
void DrawScene(cairo_t* cr, int level, bool altered);

// Both copies of the level's scene at their places on its picture; the
// altered copy differs only strictly inside the five areas.
void PlaceScenes(Canvas& canvas, int level);
