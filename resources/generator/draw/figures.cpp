// Pieces shared by several pictures: mascot, kids, candy lettering, fills.
#include "draw/figures.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

// The bright colours candy lettering and confetti cycle through.
constexpr Rgb CANDY_COLOURS[] = {
    {238, 64, 70},  {255, 146, 32}, {255, 206, 36}, {86, 190, 72},
    {38, 156, 232}, {150, 96, 222}, {244, 98, 172},
};
constexpr int CANDY_COLOUR_COUNT = sizeof(CANDY_COLOURS) / sizeof(CANDY_COLOURS[0]);

constexpr Rgb MASCOT_YELLOW = {255, 200, 62};
constexpr Rgb SPROUT_GREEN = {92, 192, 74};
constexpr Rgb MOUTH_RED = {168, 42, 62};
constexpr Rgb TONGUE_PINK = {255, 124, 136};
constexpr Rgb CHEEK_PINK = {255, 120, 140};
constexpr Rgb TEAR_BLUE = {120, 206, 255};
constexpr Rgb SHOE_RED = {196, 72, 64};

// Splits UTF-8 text into its characters so each can take its own colour.
std::vector<std::string> SplitCharacters(const char* utf8) {
    std::vector<std::string> characters;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(utf8);
    while (*p) {
        int length = 1;
        if (*p >= 0xF0)
            length = 4;
        else if (*p >= 0xE0)
            length = 3;
        else if (*p >= 0xC0)
            length = 2;
        characters.emplace_back(reinterpret_cast<const char*>(p), length);
        p += length;
    }
    return characters;
}

// Strokes the current path as a thick round limb with an INK outline.
void StrokeLimb(cairo_t* cr, Rgb color, double width, double outlineWidth) {
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    Use(cr, INK);
    cairo_set_line_width(cr, width + 2 * outlineWidth);
    cairo_stroke_preserve(cr);
    Use(cr, color);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// Rosy cheeks, drawn first so the eyes and tears sit on them.
void DrawCheeks(cairo_t* cr, double cx, double cy, double r) {
    for (int side = -1; side <= 1; side += 2) {
        EllipsePath(cr, cx + side * 0.58 * r, cy + 0.22 * r, 0.16 * r, 0.1 * r);
        Use(cr, CHEEK_PINK, 0.6);
        cairo_fill(cr);
    }
}

// Paints the mouth's path red, with a tongue (the ellipse at tx, ty) clipped
// inside it when tongue is set, then outlines it in INK.
void PaintMouth(cairo_t* cr, bool tongue, double tx, double ty, double rx, double ry, double line) {
    Use(cr, MOUTH_RED);
    cairo_fill_preserve(cr);
    if (tongue) {
        cairo_save(cr);
        cairo_clip_preserve(cr);
        EllipsePath(cr, tx, ty, rx, ry);
        Use(cr, TONGUE_PINK);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    Use(cr, INK);
    cairo_set_line_width(cr, line);
    cairo_stroke(cr);
}

// Shining eyes and an open smile with a tongue; line is the outline width.
void DrawHappyFace(cairo_t* cr, double cx, double cy, double r, double line) {
    for (int side = -1; side <= 1; side += 2) {
        EllipsePath(cr, cx + side * 0.33 * r, cy - 0.08 * r, 0.11 * r, 0.16 * r);
        Use(cr, INK);
        cairo_fill(cr);
        if (r > 8) {
            CirclePath(cr, cx + side * 0.33 * r - 0.035 * r, cy - 0.14 * r, 0.05 * r);
            Use(cr, WHITE);
            cairo_fill(cr);
        }
    }
    cairo_move_to(cr, cx - 0.27 * r, cy + 0.18 * r);
    cairo_curve_to(cr, cx - 0.2 * r, cy + 0.58 * r, cx + 0.2 * r, cy + 0.58 * r, cx + 0.27 * r,
                   cy + 0.18 * r);
    cairo_close_path(cr);
    PaintMouth(cr, r > 8, cx, cy + 0.5 * r, 0.16 * r, 0.11 * r, line);
}

// Wide eyes, raised brows and a round open mouth.
void DrawSurprisedFace(cairo_t* cr, double cx, double cy, double r, double line) {
    for (int side = -1; side <= 1; side += 2) {
        const double ex = cx + side * 0.33 * r, ey = cy - 0.1 * r;
        EllipsePath(cr, ex, ey, 0.17 * r, 0.2 * r);
        Use(cr, WHITE);
        cairo_fill_preserve(cr);
        Use(cr, INK);
        cairo_set_line_width(cr, line);
        cairo_stroke(cr);
        CirclePath(cr, ex, ey + 0.02 * r, 0.085 * r);
        cairo_fill(cr);
        CirclePath(cr, ex - 0.03 * r, ey - 0.02 * r, 0.03 * r);
        Use(cr, WHITE);
        cairo_fill(cr);
        // Brows raised high in astonishment: real arcs.
        cairo_arc(cr, ex, ey - 0.2 * r, 0.17 * r, M_PI * 1.2, M_PI * 1.8);
        Use(cr, INK);
        cairo_set_line_width(cr, line * 1.3);
        cairo_stroke(cr);
    }
    EllipsePath(cr, cx, cy + 0.38 * r, 0.13 * r, 0.18 * r);
    Use(cr, MOUTH_RED);
    cairo_fill_preserve(cr);
    Use(cr, INK);
    cairo_set_line_width(cr, line);
    cairo_stroke(cr);
}

// Squeezed-shut eyes, sad brows and a wailing mouth.
void DrawCryingFace(cairo_t* cr, double cx, double cy, double r, double line) {
    for (int side = -1; side <= 1; side += 2) {
        const double ex = cx + side * 0.33 * r, ey = cy - 0.06 * r;
        cairo_move_to(cr, ex - side * 0.14 * r, ey - 0.1 * r);
        cairo_line_to(cr, ex + side * 0.1 * r, ey);
        cairo_line_to(cr, ex - side * 0.14 * r, ey + 0.1 * r);
        Use(cr, INK);
        cairo_set_line_width(cr, line * 1.4);
        cairo_stroke(cr);
        cairo_move_to(cr, ex - side * 0.18 * r, ey - 0.36 * r);
        cairo_line_to(cr, ex + side * 0.1 * r, ey - 0.26 * r);
        cairo_stroke(cr);
    }
    cairo_move_to(cr, cx - 0.3 * r, cy + 0.5 * r);
    cairo_curve_to(cr, cx - 0.25 * r, cy + 0.12 * r, cx + 0.25 * r, cy + 0.12 * r, cx + 0.3 * r,
                   cy + 0.5 * r);
    cairo_curve_to(cr, cx + 0.15 * r, cy + 0.6 * r, cx - 0.15 * r, cy + 0.6 * r, cx - 0.3 * r,
                   cy + 0.5 * r);
    cairo_close_path(cr);
    PaintMouth(cr, true, cx, cy + 0.56 * r, 0.17 * r, 0.1 * r, line);
}

// Two streams of tears, and drops flying off sideways.
void DrawTears(cairo_t* cr, double cx, double cy, double r, double line) {
    for (int side = -1; side <= 1; side += 2) {
        const double tx = cx + side * 0.3 * r;
        cairo_move_to(cr, tx, cy + 0.06 * r);
        cairo_curve_to(cr, tx + side * 0.05 * r, cy + 0.4 * r, tx - side * 0.04 * r, cy + 0.6 * r,
                       tx + side * 0.06 * r, cy + 0.95 * r);
        Use(cr, TEAR_BLUE, 0.9);
        cairo_set_line_width(cr, 0.12 * r);
        cairo_stroke(cr);
        // Drops flying off sideways.
        for (int drop = 0; drop < 2; ++drop) {
            const double dx = tx + side * (0.55 + 0.3 * drop) * r, dy = cy - (0.15 - 0.25 * drop) * r;
            cairo_move_to(cr, dx, dy - 0.12 * r);
            cairo_curve_to(cr, dx + 0.09 * r, dy, dx + 0.07 * r, dy + 0.08 * r, dx, dy + 0.08 * r);
            cairo_curve_to(cr, dx - 0.07 * r, dy + 0.08 * r, dx - 0.09 * r, dy, dx, dy - 0.12 * r);
            Use(cr, TEAR_BLUE);
            cairo_fill_preserve(cr);
            Use(cr, INK);
            cairo_set_line_width(cr, line * 0.6);
            cairo_stroke(cr);
        }
    }
}

// Eyes, cheeks and mouth on a head centred on (cx, cy) of radius r.
void DrawFace(cairo_t* cr, double cx, double cy, double r, Expression expression) {
    const double line = std::max(0.8, r * 0.065);
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    DrawCheeks(cr, cx, cy, r);
    if (expression == FACE_HAPPY) {
        DrawHappyFace(cr, cx, cy, r, line);
    } else if (expression == FACE_SURPRISED) {
        DrawSurprisedFace(cr, cx, cy, r, line);
    } else {
        DrawCryingFace(cr, cx, cy, r, line);
        DrawTears(cr, cx, cy, r, line);
    }
    cairo_restore(cr);
}

// A round shaded head of skin colour with a rim light.
void DrawHeadDisc(cairo_t* cr, double cx, double cy, double r, Rgb skin, double outline) {
    CirclePath(cr, cx, cy, r);
    cairo_pattern_t* shade = cairo_pattern_create_radial(cx - 0.35 * r, cy - 0.4 * r, 0.1 * r, cx, cy, r);
    const Rgb light = Lighter(skin, 0.45), dark = Darker(skin, 0.1);
    AddStop(shade, 0, light);
    AddStop(shade, 0.55, skin);
    AddStop(shade, 1, dark);
    Use(cr, INK);
    cairo_set_line_width(cr, 2 * outline);
    cairo_stroke_preserve(cr);
    cairo_set_source(cr, shade);
    cairo_fill(cr);
    cairo_pattern_destroy(shade);
}

// Hair behind the head (bob, pigtails), drawn before the head disc.
void DrawBackHair(cairo_t* cr, double cx, double cy, double r, const KidLook& look, double outline) {
    if (look.hairStyle == HAIR_BOB) {
        RoundedRectPath(cr, cx - 1.12 * r, cy - 1.05 * r, 2.24 * r, 1.75 * r, 0.7 * r);
        PaintOutlineThenShadedFill(cr, look.hair, cy - r, cy + 0.7 * r, outline);
    } else if (look.hairStyle == HAIR_PIGTAILS) {
        for (int side = -1; side <= 1; side += 2) {
            EllipsePath(cr, cx + side * 1.15 * r, cy - 0.05 * r, 0.42 * r, 0.5 * r, side * 0.4);
            PaintOutlineThenShadedFill(cr, look.hair, cy - 0.5 * r, cy + 0.5 * r, outline);
            CirclePath(cr, cx + side * 0.9 * r, cy - 0.25 * r, 0.14 * r);
            PaintOutlineThenFill(cr, {240, 70, 110}, outline * 0.8);
        }
    }
}

// Hair (or cap) over the top of the head, drawn after the head disc.
void DrawFrontHair(cairo_t* cr, double cx, double cy, double r, const KidLook& look, double outline) {
    cairo_new_path(cr);
    if (look.hairStyle == HAIR_CAP) {
        DomePath(cr, cx, cy - 0.32 * r, 0.98 * r);
        PaintOutlineThenShadedFill(cr, look.hair, cy - 1.3 * r, cy - 0.3 * r, outline);
        EllipsePath(cr, cx + 0.12 * r, cy - 0.36 * r, 1.1 * r, 0.17 * r);
        PaintOutlineThenFill(cr, Darker(look.hair, 0.25), outline);
        CirclePath(cr, cx, cy - 1.32 * r, 0.13 * r);
        PaintOutlineThenFill(cr, WHITE, outline * 0.8);
        return;
    }
    // A cap of hair from ear to ear (a real arc) with a scalloped fringe.
    cairo_arc(cr, cx, cy, 1.05 * r, M_PI * 1.05, M_PI * 1.95);
    const int scallops = 5;
    const double fringeY = cy - 0.36 * r;
    for (int i = 0; i < scallops; ++i) {
        const double x0 = cx + 1.02 * r - 2.04 * r * i / scallops;
        const double x1 = cx + 1.02 * r - 2.04 * r * (i + 1) / scallops;
        cairo_curve_to(cr, x0, fringeY + 0.28 * r, x1, fringeY + 0.28 * r, x1, fringeY - 0.02 * r);
    }
    cairo_close_path(cr);
    if (look.hairStyle == HAIR_SPIKY) {
        for (int i = -1; i <= 1; ++i) {
            const double bx = cx + i * 0.42 * r, by = cy - 0.9 * r;
            cairo_move_to(cr, bx - 0.25 * r, by + 0.05 * r);
            cairo_line_to(cr, bx + i * 0.18 * r, by - 0.45 * r + std::abs(i) * 0.08 * r);
            cairo_line_to(cr, bx + 0.25 * r, by + 0.05 * r);
            cairo_close_path(cr);
        }
    }
    PaintOutlineThenShadedFill(cr, look.hair, cy - 1.3 * r, cy - 0.2 * r, outline);
    // A glossy streak: a real arc.
    cairo_arc(cr, cx, cy, 0.8 * r, M_PI * 1.25, M_PI * 1.45);
    Use(cr, WHITE, 0.45);
    cairo_set_line_width(cr, 0.1 * r);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

}  // namespace

// Paints the whole canvas opaque in one colour.
void FillBackground(Canvas& canvas, Rgb color) {
    cairo_save(canvas.cr);
    cairo_set_operator(canvas.cr, CAIRO_OPERATOR_SOURCE);
    Use(canvas.cr, color);
    cairo_paint(canvas.cr);
    cairo_restore(canvas.cr);
}

namespace {

// Candy lettering laid out: its characters, the pen position of each, the
// baseline, the size and the ink box of the whole word.
struct CandyLetters {
    std::vector<std::string> characters;
    std::vector<double> penX;
    double originY, sizePx;
    cairo_text_extents_t whole;
};

// Sets the bold face at the size that fits maxWidth (0: no limit) and places
// each character so the word's ink box is centred on (cx, cy).
CandyLetters LayOutCandyLetters(cairo_t* cr, const char* utf8, double cx, double cy, double sizePx,
                                double maxWidth) {
    CandyLetters letters;
    UseFont(cr, FONT_BOLD, sizePx);
    cairo_text_extents(cr, utf8, &letters.whole);
    if (maxWidth > 0 && letters.whole.width + sizePx * 0.17 > maxWidth) {
        sizePx *= maxWidth / (letters.whole.width + sizePx * 0.17);
        UseFont(cr, FONT_BOLD, sizePx);
        cairo_text_extents(cr, utf8, &letters.whole);
    }
    letters.sizePx = sizePx;
    letters.characters = SplitCharacters(utf8);
    const double originX = cx - letters.whole.x_bearing - letters.whole.width / 2;
    letters.originY = cy - letters.whole.y_bearing - letters.whole.height / 2;
    double x = originX;
    for (const std::string& character : letters.characters) {
        letters.penX.push_back(x);
        cairo_text_extents_t extents;
        cairo_text_extents(cr, character.c_str(), &extents);
        x += extents.x_advance;
    }
    return letters;
}

// The path of character i; letters bob gently up and down.
void CandyCharacterPath(cairo_t* cr, const CandyLetters& letters, size_t i) {
    const double bob = (i % 2 == 0 ? -1 : 1) * letters.sizePx * 0.03;
    cairo_move_to(cr, letters.penX[i], letters.originY + bob);
    cairo_text_path(cr, letters.characters[i].c_str());
}

// Soft drop shadow, then the dark outer outline, then the white rim, each
// laid for the whole word.
void DrawCandyRims(cairo_t* cr, const CandyLetters& letters) {
    const double sizePx = letters.sizePx;
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, sizePx * 0.03, sizePx * 0.07);
    for (size_t i = 0; i < letters.characters.size(); ++i) CandyCharacterPath(cr, letters, i);
    cairo_restore(cr);
    Use(cr, BLACK, 0.28);
    cairo_set_line_width(cr, sizePx * 0.17);
    cairo_stroke_preserve(cr);
    cairo_fill(cr);
    for (size_t i = 0; i < letters.characters.size(); ++i) CandyCharacterPath(cr, letters, i);
    Use(cr, INK);
    cairo_set_line_width(cr, sizePx * 0.17);
    cairo_stroke(cr);
    for (size_t i = 0; i < letters.characters.size(); ++i) CandyCharacterPath(cr, letters, i);
    Use(cr, WHITE);
    cairo_set_line_width(cr, sizePx * 0.085);
    cairo_stroke(cr);
}

// Each character but spaces in the next candy colour, top-lit, with a glossy
// band over its upper part; cy is the word's centre line.
void DrawCandyFills(cairo_t* cr, const CandyLetters& letters, double cy, int firstColour) {
    const double sizePx = letters.sizePx;
    int colour = firstColour;
    for (size_t i = 0; i < letters.characters.size(); ++i) {
        if (letters.characters[i] == " ") continue;
        const Rgb fill = CANDY_COLOURS[((colour++ % CANDY_COLOUR_COUNT) + CANDY_COLOUR_COUNT) % CANDY_COLOUR_COUNT];
        const Rgb light = Lighter(fill, 0.35), dark = Darker(fill, 0.12);
        const double top = cy - letters.whole.height / 2, bottom = cy + letters.whole.height / 2;
        cairo_pattern_t* gradient = cairo_pattern_create_linear(0, top, 0, bottom);
        AddStop(gradient, 0, light);
        AddStop(gradient, 0.5, fill);
        AddStop(gradient, 1, dark);
        CandyCharacterPath(cr, letters, i);
        cairo_set_source(cr, gradient);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(gradient);
        cairo_save(cr);
        cairo_clip(cr);
        cairo_rectangle(cr, letters.penX[i] - sizePx, top - sizePx, 3 * sizePx, sizePx + letters.whole.height * 0.38);
        Use(cr, WHITE, 0.28);
        cairo_fill(cr);
        cairo_restore(cr);
    }
}

}  // namespace

// Each character in its own colour; outline and rim are laid for the whole
// word first so no letter's outline cuts into its neighbour.
void DrawCandyText(cairo_t* cr, const char* utf8, double cx, double cy, double sizePx, double maxWidth,
                   int firstColour) {
    cairo_save(cr);
    const CandyLetters letters = LayOutCandyLetters(cr, utf8, cx, cy, sizePx, maxWidth);
    DrawCandyRims(cr, letters);
    DrawCandyFills(cr, letters, cy, firstColour);
    cairo_restore(cr);
}

// Picks the largest size whose lettering, outline included, fits the box.
void DrawCandyTextIn(cairo_t* cr, const char* utf8, double left, double top, double right, double bottom,
                     int firstColour) {
    cairo_save(cr);
    const double probe = 100;
    UseFont(cr, FONT_BOLD, probe);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, utf8, &extents);
    cairo_restore(cr);
    // Outline reaches 0.085 of the size on each side; bobbing adds 0.03.
    const double byWidth = (right - left) / (extents.width / probe + 0.17 + 0.03);
    const double byHeight = (bottom - top) / (extents.height / probe + 0.17 + 0.1);
    DrawCandyText(cr, utf8, (left + right) / 2, (top + bottom) / 2 - std::min(byWidth, byHeight) * 0.02,
                  std::min(byWidth, byHeight), 0, firstColour);
}

// The mascot: a round sunny head with a two-leaf sprout on top.
void DrawMascotFace(cairo_t* cr, double cx, double cy, double r, Expression expression) {
    const double outline = std::max(0.7, r * 0.055);
    cairo_save(cr);
    cairo_new_path(cr);
    // Sprout behind the head so its stem grows out of the crown.
    cairo_move_to(cr, cx, cy - 0.8 * r);
    cairo_curve_to(cr, cx - 0.02 * r, cy - 1.05 * r, cx + 0.06 * r, cy - 1.15 * r, cx + 0.02 * r, cy - 1.22 * r);
    StrokeLimb(cr, Darker(SPROUT_GREEN, 0.15), 0.09 * r, outline);
    EllipsePath(cr, cx - 0.2 * r, cy - 1.2 * r, 0.24 * r, 0.12 * r, -0.5);
    PaintOutlineThenShadedFill(cr, SPROUT_GREEN, cy - 1.35 * r, cy - 1.05 * r, outline);
    EllipsePath(cr, cx + 0.22 * r, cy - 1.27 * r, 0.26 * r, 0.13 * r, 0.45);
    PaintOutlineThenShadedFill(cr, SPROUT_GREEN, cy - 1.42 * r, cy - 1.1 * r, outline);
    DrawHeadDisc(cr, cx, cy, r, MASCOT_YELLOW, outline);
    // Rim light along the upper left: a real arc.
    if (r > 6) {
        cairo_arc(cr, cx, cy, 0.8 * r, M_PI * 1.1, M_PI * 1.4);
        Use(cr, WHITE, 0.7);
        cairo_set_line_width(cr, 0.1 * r);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
    }
    DrawFace(cr, cx, cy + 0.05 * r, r, expression);
    cairo_restore(cr);
}

// The mascot's everyday smile.
void DrawMascotHead(cairo_t* cr, double cx, double cy, double r) { DrawMascotFace(cr, cx, cy, r, FACE_HAPPY); }

// The game's name in candy letters, sized to the width given.
void DrawTitleLettering(cairo_t* cr, double cx, double cy, double width) {
    DrawCandyText(cr, "Tumblewit~來找碴！", cx, cy, width / 6, width, 0);
}

namespace {

// A kid's legs and shoes, in units of a tenth of its height with the feet at
// the origin; the running kid lifts one knee towards us. ow is the outline.
void DrawKidLegs(cairo_t* cr, const KidLook& look, bool running, double ow) {
    cairo_move_to(cr, -0.75, -2.4);
    cairo_line_to(cr, -0.8, -0.45);
    StrokeLimb(cr, look.skin, 0.85, ow);
    EllipsePath(cr, -0.9, -0.32, 0.68, 0.38);
    PaintOutlineThenShadedFill(cr, SHOE_RED, -0.7, 0, ow);
    if (running) {
        cairo_move_to(cr, 0.75, -2.4);
        cairo_line_to(cr, 1.05, -1.75);
        StrokeLimb(cr, look.skin, 1.0, ow);
        EllipsePath(cr, 1.1, -1.45, 0.78, 0.5);
        PaintOutlineThenShadedFill(cr, SHOE_RED, -1.95, -0.95, ow);
        EllipsePath(cr, 1.1, -1.3, 0.5, 0.22);
        Use(cr, WHITE);
        cairo_fill(cr);
    } else {
        cairo_move_to(cr, 0.75, -2.4);
        cairo_line_to(cr, 0.8, -0.45);
        StrokeLimb(cr, look.skin, 0.85, ow);
        EllipsePath(cr, 0.9, -0.32, 0.68, 0.38);
        PaintOutlineThenShadedFill(cr, SHOE_RED, -0.7, 0, ow);
    }
}

// Shorts, then the shirt over their waistband, in the kid's units.
void DrawKidClothes(cairo_t* cr, const KidLook& look, double ow) {
    cairo_move_to(cr, -1.55, -3.4);
    cairo_line_to(cr, 1.55, -3.4);
    cairo_line_to(cr, 1.6, -2.05);
    cairo_line_to(cr, 0.1, -2.05);
    cairo_line_to(cr, 0, -2.5);
    cairo_line_to(cr, -0.1, -2.05);
    cairo_line_to(cr, -1.6, -2.05);
    cairo_close_path(cr);
    PaintOutlineThenShadedFill(cr, look.pants, -3.4, -2, ow);
    cairo_move_to(cr, -1.2, -6.0);
    cairo_line_to(cr, 1.2, -6.0);
    cairo_curve_to(cr, 1.55, -5.7, 1.75, -4.2, 1.7, -3.0);
    cairo_line_to(cr, -1.7, -3.0);
    cairo_curve_to(cr, -1.75, -4.2, -1.55, -5.7, -1.2, -6.0);
    cairo_close_path(cr);
    PaintOutlineThenShadedFill(cr, look.shirt, -6, -3, ow);
}

// Where an arm bends and ends, in the kid's units.
struct KidArm {
    double ex, ey, hx, hy;  // elbow, hand
};

// One arm from the shoulder at x sx: skin, a shirt sleeve, the hand.
void DrawKidArm(cairo_t* cr, const KidLook& look, double sx, const KidArm& arm, double ow) {
    cairo_move_to(cr, sx, -5.6);
    cairo_line_to(cr, arm.ex, arm.ey);
    cairo_line_to(cr, arm.hx, arm.hy);
    StrokeLimb(cr, look.skin, 0.75, ow);
    cairo_move_to(cr, sx, -5.6);
    cairo_line_to(cr, sx + (arm.ex - sx) * 0.32, -5.6 + (arm.ey + 5.6) * 0.32);
    StrokeLimb(cr, look.shirt, 1.0, ow);
    CirclePath(cr, arm.hx, arm.hy, 0.45);
    PaintOutlineThenFill(cr, look.skin, ow);
}

// Both arms, bent as the pose has them.
void DrawKidArms(cairo_t* cr, const KidLook& look, KidPose pose, double ow) {
    KidArm left = {-2.0, -4.6, -2.1, -3.4}, right = {2.0, -4.6, 2.1, -3.4};
    switch (pose) {
        case POSE_RUN: left = {-2.4, -4.7, -1.6, -5.8}; right = {2.5, -4.6, 2.9, -3.5}; break;
        case POSE_WAVE: right = {2.5, -6.4, 2.6, -8.0}; break;
        case POSE_CHEER: left = {-2.4, -6.5, -2.7, -8.2}; right = {2.4, -6.5, 2.7, -8.2}; break;
        case POSE_CRY: left = {-2.3, -5.3, -1.55, -7.55}; right = {2.3, -5.3, 1.55, -7.55}; break;
        case POSE_STAND: break;
    }
    DrawKidArm(cr, look, -1.3, left, ow);
    DrawKidArm(cr, look, 1.3, right, ow);
}

// Lettering on the shirt, shrunk to fit its front.
void DrawShirtText(cairo_t* cr, const char* text, double cx, double groundY, double u) {
    cairo_save(cr);
    UseFont(cr, FONT_BOLD, 1.9 * u);
    double textWidth = 0, textHeight = 0;
    MeasureText(cr, text, &textWidth, &textHeight);
    if (textWidth > 2.7 * u) UseFont(cr, FONT_BOLD, 1.9 * u * 2.7 * u / textWidth);
    DrawTextCentered(cr, text, cx, groundY - 4.45 * u, WHITE, 0.55 * u, INK);
    cairo_restore(cr);
}

}  // namespace

// A chibi kid built in units of a tenth of its height, feet at the origin;
// the head is drawn in pixels, so the face keeps its proportions and fine
// detail. A crying kid's arms go over its face.
void DrawKid(cairo_t* cr, double cx, double groundY, double height, const KidLook& look, KidPose pose,
             bool mirrored, const char* shirtText) {
    const double u = height / 10;
    const double ow = std::clamp(height * 0.014, 0.9, 3.0) / u;  // outline, in units
    const bool armsOverFace = pose == POSE_CRY;
    cairo_save(cr);
    cairo_translate(cr, cx, groundY);
    cairo_scale(cr, mirrored ? -u : u, u);
    cairo_new_path(cr);
    // Soft shadow on the ground.
    EllipsePath(cr, 0, 0, 2.2, 0.35);
    Use(cr, BLACK, 0.15);
    cairo_fill(cr);
    DrawKidLegs(cr, look, pose == POSE_RUN, ow);
    DrawKidClothes(cr, look, ow);
    if (!armsOverFace) DrawKidArms(cr, look, pose, ow);
    cairo_restore(cr);

    const double headX = cx, headY = groundY - 7.9 * u, headR = 2.1 * u, outline = ow * u;
    DrawBackHair(cr, headX, headY, headR, look, outline);
    DrawHeadDisc(cr, headX, headY, headR, look.skin, outline);
    DrawFace(cr, headX, headY + 0.07 * headR, headR, pose == POSE_CRY ? FACE_CRYING : FACE_HAPPY);
    DrawFrontHair(cr, headX, headY, headR, look, outline);
    if (armsOverFace) {
        cairo_save(cr);
        cairo_translate(cr, cx, groundY);
        cairo_scale(cr, mirrored ? -u : u, u);
        DrawKidArms(cr, look, pose, ow);
        cairo_restore(cr);
    }
    if (shirtText) DrawShirtText(cr, shirtText, cx, groundY, u);
}

// Planks of warm wood, wavy grain, a few knots and a bevelled edge.
void FillWoodGrain(cairo_t* cr, double w, double h) {
    cairo_save(cr);
    FillGradientRect(cr, 0, 0, w, h, {212, 150, 88}, {176, 112, 60});

    unsigned seed = 20240611u;
    const int planks = 4;
    const double plankHeight = h / planks;
    for (int p = 0; p < planks; ++p) {
        const double y0 = p * plankHeight;
        // Each plank a slightly different tone.
        cairo_rectangle(cr, 0, y0, w, plankHeight);
        const Rgb plankTone = p % 2 ? Rgb{120, 70, 30} : Rgb{255, 220, 170};
        Use(cr, plankTone, 0.08 + 0.04 * NextRandom(&seed));
        cairo_fill(cr);
        for (int line = 0; line < 5; ++line) {
            const double baseY = y0 + plankHeight * (0.15 + 0.17 * line + 0.05 * NextRandom(&seed));
            const double phase = NextRandom(&seed) * 6.28, frequency = 0.02 + 0.03 * NextRandom(&seed);
            const double amplitude = 1 + 2.5 * NextRandom(&seed);
            cairo_move_to(cr, 0, baseY + amplitude * std::sin(phase));
            for (double x = 4; x <= w + 4; x += 4)
                cairo_line_to(cr, x, baseY + amplitude * std::sin(phase + x * frequency));
            Use(cr, {120, 70, 34}, 0.28 + 0.2 * NextRandom(&seed));
            cairo_set_line_width(cr, 0.8 + 0.8 * NextRandom(&seed));
            cairo_stroke(cr);
        }
        if (NextRandom(&seed) < 0.7) {
            const double kx = w * (0.15 + 0.7 * NextRandom(&seed)), ky = y0 + plankHeight * 0.5;
            EllipsePath(cr, kx, ky, 5, 2.6);
            Use(cr, {110, 62, 30}, 0.5);
            cairo_set_line_width(cr, 1.2);
            cairo_stroke(cr);
            EllipsePath(cr, kx, ky, 2, 1.1);
            Use(cr, {110, 62, 30}, 0.6);
            cairo_fill(cr);
        }
        if (p > 0) {
            cairo_move_to(cr, 0, y0);
            cairo_line_to(cr, w, y0);
            Use(cr, {96, 54, 26}, 0.55);
            cairo_set_line_width(cr, 1.6);
            cairo_stroke(cr);
            cairo_move_to(cr, 0, y0 + 1.5);
            cairo_line_to(cr, w, y0 + 1.5);
            Use(cr, {255, 226, 180}, 0.35);
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
        }
    }
    // Bevel: dark rim at the edge, a light line just inside.
    cairo_rectangle(cr, 2, 2, w - 4, h - 4);
    Use(cr, {110, 62, 32});
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    cairo_rectangle(cr, 5, 5, w - 10, h - 10);
    Use(cr, {255, 228, 182}, 0.6);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// Four-pointed star with a soft glow.
void DrawSparkle(cairo_t* cr, double cx, double cy, double r, Rgb color) {
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, cx, cy - r);
    cairo_curve_to(cr, cx + 0.12 * r, cy - 0.12 * r, cx + 0.12 * r, cy - 0.12 * r, cx + r, cy);
    cairo_curve_to(cr, cx + 0.12 * r, cy + 0.12 * r, cx + 0.12 * r, cy + 0.12 * r, cx, cy + r);
    cairo_curve_to(cr, cx - 0.12 * r, cy + 0.12 * r, cx - 0.12 * r, cy + 0.12 * r, cx - r, cy);
    cairo_curve_to(cr, cx - 0.12 * r, cy - 0.12 * r, cx - 0.12 * r, cy - 0.12 * r, cx, cy - r);
    cairo_close_path(cr);
    Use(cr, color);
    cairo_fill(cr);
    cairo_restore(cr);
}

// Streamers, dots and stars in the candy colours.
void DrawConfetti(cairo_t* cr, double w, double h, int count, unsigned seed, const PixelRect* keepClear,
                  int keepClearCount) {
    cairo_save(cr);
    for (int i = 0; i < count; ++i) {
        const double x = NextRandom(&seed) * w, y = NextRandom(&seed) * h;
        const double size = 5 + 7 * NextRandom(&seed), angle = NextRandom(&seed) * M_PI;
        const int shape = static_cast<int>(NextRandom(&seed) * 3);
        const Rgb color = CANDY_COLOURS[static_cast<int>(NextRandom(&seed) * CANDY_COLOUR_COUNT)];
        bool blocked = false;
        for (int k = 0; k < keepClearCount; ++k) {
            const PixelRect& rect = keepClear[k];
            if (x > rect.left - 14 && x < rect.right + 14 && y > rect.top - 14 && y < rect.bottom + 14)
                blocked = true;
        }
        if (blocked) continue;
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, angle);
        cairo_new_path(cr);
        if (shape == 0)
            RoundedRectPath(cr, -size / 2, -size / 5, size, size / 2.5, size / 6);
        else if (shape == 1)
            CirclePath(cr, 0, 0, size / 3);
        else
            StarPath(cr, 0, 0, size / 2, size / 4.5);
        PaintOutlineThenFill(cr, color, 0.8);
        cairo_restore(cr);
    }
    cairo_restore(cr);
}
