// The four full-window screens: title, level cleared, game over, final.
#include "draw/figures.h"
#include "pictures/pictures.h"

#include <cmath>

namespace {

// The five friends who appear on the title, the final portrait and elsewhere.
constexpr KidLook KID_LOOKS[] = {
    {{255, 214, 178}, {92, 58, 40}, {238, 72, 78}, {56, 92, 170}, HAIR_SPIKY},
    {{250, 204, 166}, {60, 44, 40}, {255, 184, 40}, {120, 80, 170}, HAIR_PIGTAILS},
    {{236, 180, 140}, {36, 110, 200}, {80, 186, 96}, {70, 70, 90}, HAIR_CAP},
    {{255, 220, 190}, {196, 110, 50}, {60, 164, 232}, {230, 90, 140}, HAIR_BOB},
    {{214, 160, 120}, {40, 32, 36}, {170, 100, 220}, {60, 130, 120}, HAIR_SPIKY},
};

// Rays from (cx, cy): count wedges with gaps as wide as themselves, reaching
// out by length.
void RaysPath(cairo_t* cr, double cx, double cy, int count, double length) {
    for (int i = 0; i < count; ++i) {
        const double a0 = i * 2 * M_PI / count, a1 = a0 + M_PI / count;
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, cx + length * std::cos(a0), cy + length * std::sin(a0));
        cairo_line_to(cr, cx + length * std::cos(a1), cy + length * std::sin(a1));
        cairo_close_path(cr);
    }
}

// A cloud with an INK outline, a top-lit fill and a soft shadow below.
void DrawOutlinedCloud(cairo_t* cr, double x, double y, double w, double h, int bumps, Rgb fill) {
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_translate(cr, 0, 8);
    CloudPath(cr, x, y, w, h, bumps);
    Use(cr, BLACK, 0.12);
    cairo_fill(cr);
    cairo_restore(cr);
    CloudPath(cr, x, y, w, h, bumps);
    PaintOutlineThenShadedFill(cr, fill, y, y + h, 3);
}

// Little puffs of dust kicked up behind a runner.
void DrawDustPuffs(cairo_t* cr, double cx, double groundY, double size) {
    for (int i = 0; i < 3; ++i) {
        const double px = cx + (i - 1) * size * 0.9, py = groundY - size * (0.2 + 0.15 * (i % 2));
        CirclePath(cr, px, py, size * (0.45 - 0.08 * (i % 2)));
    }
    Use(cr, WHITE, 0.8);
    cairo_fill(cr);
}

// Small heart with an outline.
void DrawHeart(cairo_t* cr, double cx, double cy, double size, Rgb color) {
    cairo_new_path(cr);
    HeartPath(cr, cx, cy, size);
    PaintOutlineThenShadedFill(cr, color, cy - size / 2, cy + size / 2, 1.5);
}

// The game's title, small, on a soft white pill at the bottom right.
void DrawSmallTitle(cairo_t* cr, double right, double bottom) {
    cairo_new_path(cr);
    RoundedRectPath(cr, right - 300, bottom - 56, 300, 48, 24);
    Use(cr, WHITE, 0.55);
    cairo_fill(cr);
    DrawTitleLettering(cr, right - 150, bottom - 32, 270);
}

// Polka dots over the top left, fading out towards the buttons.
void DrawPolkaDots(cairo_t* cr) {
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 12; ++column) {
            const double x = 24 + column * 46 + (row % 2) * 23, y = 20 + row * 44;
            if (x > 520 - row * 10) continue;
            CirclePath(cr, x, y, 5);
        }
    }
    Use(cr, {234, 196, 196}, 0.6);
    cairo_fill(cr);
}

// The path, narrow far away and wide at our feet, reaching down to height.
void DrawWindingPath(cairo_t* cr, double height) {
    cairo_new_path(cr);
    cairo_move_to(cr, 250, 210);
    cairo_curve_to(cr, 330, 220, 380, 300, 420, 380);
    cairo_curve_to(cr, 470, 480, 520, 560, 580, height);
    cairo_line_to(cr, 0, height);
    cairo_line_to(cr, 0, 560);
    cairo_curve_to(cr, 80, 470, 150, 380, 190, 300);
    cairo_curve_to(cr, 210, 250, 220, 215, 250, 210);
    cairo_close_path(cr);
    cairo_pattern_t* road = cairo_pattern_create_linear(0, 210, 0, height);
    AddStop(road, 0, {250, 236, 226});
    AddStop(road, 1, {255, 246, 238});
    cairo_set_source(cr, road);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(road);
    Use(cr, {214, 160, 160});
    cairo_set_line_width(cr, 3);
    cairo_set_dash(cr, nullptr, 0, 0);
    cairo_stroke(cr);
}

// Flowers along the verges.
void DrawVergeFlowers(cairo_t* cr) {
    const double flowers[][2] = {{180, 330}, {140, 410}, {70, 500}, {430, 400}, {470, 470}, {530, 560}};
    for (int i = 0; i < 6; ++i) {
        const double fx = flowers[i][0], fy = flowers[i][1];
        // Raw arcs, not CirclePath: cairo joins each petal to the one before
        // with a line, and that line's outline is part of this picture.
        for (int petal = 0; petal < 5; ++petal) {
            const double angle = petal * 2 * M_PI / 5;
            cairo_arc(cr, fx + 7 * std::cos(angle), fy + 7 * std::sin(angle), 5.5, 0, 2 * M_PI);
            cairo_close_path(cr);
        }
        PaintOutlineThenFill(cr, i % 2 ? WHITE : Rgb{255, 170, 200}, 1.2);
        CirclePath(cr, fx, fy, 4);
        PaintOutlineThenFill(cr, {255, 206, 36}, 1);
    }
}

// Friends running along the path, far ones first, the nearest last, and the
// mascot bounding along beside them.
void DrawRunners(cairo_t* cr) {
    DrawDustPuffs(cr, 210, 312, 14);
    DrawKid(cr, 225, 300, 118, KID_LOOKS[3], POSE_RUN, false);
    DrawDustPuffs(cr, 335, 300, 13);
    DrawKid(cr, 330, 290, 112, KID_LOOKS[4], POSE_RUN, true);
    DrawDustPuffs(cr, 120, 455, 20);
    DrawKid(cr, 130, 440, 176, KID_LOOKS[1], POSE_RUN, true);
    DrawDustPuffs(cr, 420, 445, 20);
    DrawKid(cr, 420, 430, 170, KID_LOOKS[2], POSE_RUN, false);
    DrawDustPuffs(cr, 280, 615, 30);
    DrawKid(cr, 280, 612, 248, KID_LOOKS[0], POSE_RUN, false);
    DrawMascotHead(cr, 500, 560, 42);
}

// Title cloud in the upper right, with sparkles and hearts round it.
void DrawTitleCloud(cairo_t* cr) {
    DrawOutlinedCloud(cr, 485, 34, 445, 236, 14, {196, 228, 250});
    DrawTitleLettering(cr, 706, 154, 396);
    DrawMascotHead(cr, 870, 72, 30);
    DrawSparkle(cr, 540, 40, 16, WHITE);
    DrawSparkle(cr, 905, 250, 13, WHITE);
    DrawSparkle(cr, 610, 300, 10, {255, 190, 60});
    DrawHeart(cr, 520, 330, 26, {240, 100, 140});
    DrawHeart(cr, 900, 330, 22, {255, 150, 190});
}

}  // namespace

// Title: friends racing towards us on a winding path, the name in a blue cloud.
void DrawTitlePicture(Canvas& canvas) {
    cairo_t* cr = canvas.cr;
    FillBackground(canvas, TITLE_BACKGROUND);
    DrawPolkaDots(cr);
    DrawWindingPath(cr, canvas.height);
    DrawVergeFlowers(cr);
    DrawRunners(cr);
    DrawTitleCloud(cr);
}

// Level cleared: a rainbow sweep, the astonished mascot and "GOOD JOB!".
void DrawClearedPicture(Canvas& canvas) {
    cairo_t* cr = canvas.cr;
    const double w = canvas.width, h = canvas.height;
    cairo_pattern_t* rainbow = cairo_pattern_create_linear(0, 0, w, h);
    const Rgb bands[] = {{255, 150, 150}, {255, 196, 130}, {255, 236, 140}, {170, 230, 150},
                         {140, 206, 250}, {196, 160, 240}};
    for (int i = 0; i < 6; ++i) AddStop(rainbow, i / 5.0, bands[i]);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_set_source(cr, rainbow);
    cairo_fill(cr);
    cairo_pattern_destroy(rainbow);

    // Sun rays behind the face.
    const double faceX = 250, faceY = 340;
    RaysPath(cr, faceX, faceY, 24, 900);
    cairo_pattern_t* glow = cairo_pattern_create_radial(faceX, faceY, 100, faceX, faceY, 560);
    AddStop(glow, 0, WHITE, 0.45);
    AddStop(glow, 1, WHITE, 0);
    cairo_set_source(cr, glow);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);

    const PixelRect keepClear[] = {{NEXT_BUTTON_AT.x, NEXT_BUTTON_AT.y, 836, 519}, {60, 110, 450, 600},
                                   {470, 10, 941, 140}, {630, 560, 941, 627}};
    DrawConfetti(cr, w, h, 170, 7u, keepClear, 4);

    // Big surprised mascot with its hands up at its cheeks.
    DrawMascotFace(cr, faceX, faceY, 190, FACE_SURPRISED);
    for (int side = -1; side <= 1; side += 2) {
        const double hx = faceX + side * 178, hy = faceY + 120;
        cairo_new_path(cr);
        cairo_save(cr);
        cairo_translate(cr, hx, hy);
        cairo_rotate(cr, side * 0.35);
        RoundedRectPath(cr, -26, -42, 52, 78, 24);
        for (int finger = 0; finger < 3; ++finger) {
            CirclePath(cr, -16 + finger * 16, -44, 10);
        }
        cairo_restore(cr);
        PaintOutlineThenShadedFill(cr, {255, 200, 62}, hy - 60, hy + 40, 3);
    }
    DrawSparkle(cr, 80, 120, 26, WHITE);
    DrawSparkle(cr, 440, 150, 20, WHITE);
    DrawSparkle(cr, 460, 540, 16, WHITE);

    DrawCandyText(cr, "GOOD JOB!", 705, 80, 110, 450, 0);
    DrawSmallTitle(cr, w - 14, h - 6);
}

// Game over: a crimson-to-navy dusk, the words up left, a friend in tears.
void DrawGameOverPicture(Canvas& canvas) {
    cairo_t* cr = canvas.cr;
    const double w = canvas.width, h = canvas.height;
    cairo_pattern_t* dusk = cairo_pattern_create_linear(0, 0, w, 0);
    AddStop(dusk, 0, {150, 22, 46});
    AddStop(dusk, 0.55, {70, 24, 78});
    AddStop(dusk, 1, {18, 28, 78});
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_set_source(cr, dusk);
    cairo_fill(cr);
    cairo_pattern_destroy(dusk);

    // Faint stars high up on the right.
    unsigned seed = 99u;
    for (int i = 0; i < 60; ++i) {
        const double x = 330 + NextRandom(&seed) * (w - 330), y = NextRandom(&seed) * 300;
        const double r = 0.8 + 1.8 * NextRandom(&seed);
        CirclePath(cr, x, y, r);
        Use(cr, WHITE, 0.35 + 0.4 * NextRandom(&seed));
        cairo_fill(cr);
    }

    // A little rain cloud above the crying friend.
    const double kidX = 650;
    DrawOutlinedCloud(cr, kidX - 170, 22, 340, 124, 11, {150, 160, 190});
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 14; ++i) {
        const double x = kidX - 140 + i * 21, y = 166 + (i % 3) * 20;
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x - 5, y + 18);
    }
    Use(cr, {140, 200, 255}, 0.75);
    cairo_set_line_width(cr, 3.5);
    cairo_stroke(cr);

    // Puddle of tears at the kid's feet.
    EllipsePath(cr, kidX, 548, 190, 22);
    Use(cr, {120, 190, 255}, 0.45);
    cairo_fill(cr);
    DrawKid(cr, kidX, 545, 365, KID_LOOKS[0], POSE_CRY, false);

    DrawCandyText(cr, "Game", 190, 72, 120, 330, 0);
    DrawCandyText(cr, "over!", 205, 170, 120, 330, 3);
    DrawSmallTitle(cr, w - 14, h - 6);
}

namespace {

// A pink sunburst on yellow about (cx, cy), with a soft glow at its heart.
void DrawSunburst(cairo_t* cr, double cx, double cy) {
    Use(cr, {255, 226, 110});
    cairo_paint(cr);
    RaysPath(cr, cx, cy, 32, 1200);
    Use(cr, {255, 160, 190});
    cairo_fill(cr);
    cairo_pattern_t* glow = cairo_pattern_create_radial(cx, cy, 150, cx, cy, 620);
    AddStop(glow, 0, {255, 250, 220}, 0.8);
    AddStop(glow, 0.6, {255, 250, 220}, 0.1);
    AddStop(glow, 1, {255, 250, 220}, 0);
    cairo_set_source(cr, glow);
    cairo_paint(cr);
    cairo_pattern_destroy(glow);
}

// The round frame's shadow, its gold ring of radius frameR + 16 and the
// studs around it.
void DrawGoldRing(cairo_t* cr, double cx, double cy, double frameR) {
    CirclePath(cr, cx + 6, cy + 10, frameR + 16);
    Use(cr, BLACK, 0.18);
    cairo_fill(cr);
    CirclePath(cr, cx, cy, frameR + 16);
    cairo_pattern_t* gold = cairo_pattern_create_linear(cx - frameR, cy - frameR, cx + frameR, cy + frameR);
    AddStop(gold, 0, {255, 236, 140});
    AddStop(gold, 0.5, {240, 180, 40});
    AddStop(gold, 1, {200, 130, 30});
    cairo_set_source(cr, gold);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(gold);
    Use(cr, INK);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    // Studs around the ring.
    for (int i = 0; i < 24; ++i) {
        const double a = i * 2 * M_PI / 24;
        CirclePath(cr, cx + (frameR + 8) * std::cos(a), cy + (frameR + 8) * std::sin(a), 3.2);
        Use(cr, {255, 248, 210});
        cairo_fill(cr);
    }
}

// Inside the ring: a sky over a meadow, clouds, the friends in two rows and
// the mascot; then the ring's inner edge.
void DrawGangPortrait(cairo_t* cr, double cx, double cy, double frameR) {
    CirclePath(cr, cx, cy, frameR);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, cy - frameR, 0, cy + frameR);
    AddStop(sky, 0, {120, 196, 250});
    AddStop(sky, 0.65, {200, 234, 255});
    AddStop(sky, 0.66, {140, 210, 110});
    AddStop(sky, 1, {96, 176, 80});
    cairo_set_source(cr, sky);
    cairo_fill(cr);
    cairo_pattern_destroy(sky);
    CloudPath(cr, cx - 200, cy - 190, 150, 60, 7);
    CloudPath(cr, cx + 60, cy - 170, 130, 54, 7);
    Use(cr, WHITE, 0.9);
    cairo_fill(cr);
    DrawKid(cr, cx - 135, cy + 95, 190, KID_LOOKS[3], POSE_WAVE, true);
    DrawKid(cr, cx + 135, cy + 95, 190, KID_LOOKS[4], POSE_WAVE, false);
    DrawKid(cr, cx - 70, cy + 190, 230, KID_LOOKS[1], POSE_CHEER, false);
    DrawKid(cr, cx + 75, cy + 190, 230, KID_LOOKS[2], POSE_STAND, false);
    DrawMascotHead(cr, cx, cy - 120, 40);
    cairo_restore(cr);
    CirclePath(cr, cx, cy, frameR);
    Use(cr, INK);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
}

}  // namespace

// Finale: a sunburst and the whole gang in a round golden frame, "END".
void DrawFinalPicture(Canvas& canvas) {
    cairo_t* cr = canvas.cr;
    const double w = canvas.width, h = canvas.height, cx = w / 2, cy = h / 2 - 10;
    const double frameR = 232;
    DrawSunburst(cr, cx, cy);
    const PixelRect keepClear[] = {{static_cast<int>(cx) - 250, static_cast<int>(cy) - 250,
                                    static_cast<int>(cx) + 250, static_cast<int>(cy) + 250},
                                   {690, 470, 941, 626}};
    DrawConfetti(cr, w, h, 120, 31u, keepClear, 2);
    DrawGoldRing(cr, cx, cy, frameR);
    DrawGangPortrait(cr, cx, cy, frameR);
    DrawSparkle(cr, cx - 250, cy - 200, 22, WHITE);
    DrawSparkle(cr, cx + 260, cy - 180, 18, WHITE);
    DrawCandyText(cr, "END", 810, 548, 130, 260, 0);
}
