// Figures every picture shares: the mascot, the kids, candy lettering, the
// wood the buttons are cut from, sparkles and confetti.
#pragma once

#include "draw/canvas.h"
#include "draw/colour.h"
#include "draw/painting.h"
#include "draw/paths.h"
#include "layout.h"

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
