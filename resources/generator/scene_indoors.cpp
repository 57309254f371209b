// Indoor scenes: the aquarium, the kitchen, the fireside and the bakery.
#include "scene_kit.h"

#include <cmath>

namespace {

// --------------------------------------------------------- aquarium ---

// Swaying seaweed frond from its foot upwards.
void DrawSeaweed(cairo_t* cr, double x, double footY, double height, double sway, Hue hue) {
    cairo_move_to(cr, x, footY);
    cairo_curve_to(cr, x + sway, footY - height * 0.35, x - sway, footY - height * 0.7, x + sway * 0.5, footY - height);
    PaintLine(cr, Darker(hue, 0.35), 6.5);
    cairo_move_to(cr, x, footY);
    cairo_curve_to(cr, x + sway, footY - height * 0.35, x - sway, footY - height * 0.7, x + sway * 0.5, footY - height);
    PaintLine(cr, hue, 4.5);
}

// Sea turtle swimming right; shell hue is the change.
void DrawTurtle(cairo_t* cr, double cx, double cy, Hue shell) {
    const Hue skin = {150, 190, 110};
    const double flippers[4][4] = {{12, -10, 10, 4}, {12, 10, 9, 3.5}, {-14, -8, 7, 3}, {-14, 9, 6, 2.8}};
    for (const auto& f : flippers) {
        cairo_save(cr);
        cairo_translate(cr, cx + f[0], cy + f[1]);
        cairo_rotate(cr, f[1] < 0 ? -0.5 : 0.5);
        EllipsePath(cr, 0, 0, f[2], f[3]);
        cairo_restore(cr);
        PaintShaded(cr, skin, 0.8);
    }
    EllipsePath(cr, cx + 25, cy, 7, 5.5);
    PaintShaded(cr, skin, 0.8);
    EllipsePath(cr, cx + 28, cy - 1.5, 1.2, 1.2);
    PaintFlat(cr, {20, 20, 20});
    EllipsePath(cr, cx, cy, 20, 14);
    PaintShaded(cr, shell, 1.1);
    // Shell plates.
    EllipsePath(cr, cx, cy, 7, 5);
    for (double a = 0; a < 2 * M_PI - 0.01; a += M_PI / 3) {
        LinePath(cr, cx + std::cos(a) * 7, cy + std::sin(a) * 5, cx + std::cos(a) * 17, cy + std::sin(a) * 12);
    }
    PaintLine(cr, Darker(shell, 0.35), 1);
}

// Pink jellyfish: dome and wavy tentacles.
void DrawJellyfish(cairo_t* cr, double cx, double cy) {
    for (int i = 0; i < 4; ++i) {
        const double x = cx - 5 + i * 3.3;
        cairo_move_to(cr, x, cy + 1);
        cairo_curve_to(cr, x - 2, cy + 5, x + 2, cy + 7, x, cy + 10);
    }
    PaintLine(cr, {230, 130, 190}, 1);
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy + 1, 8, M_PI, 2 * M_PI);
    cairo_curve_to(cr, cx + 6, cy + 3, cx - 6, cy + 3, cx - 8, cy + 1);
    cairo_close_path(cr);
    PaintShaded(cr, {248, 160, 210}, 0.8);
    EllipsePath(cr, cx - 3, cy - 3, 2, 1.4);
    PaintFlat(cr, {255, 255, 255}, 0.7);
}

// Y of the eel's body along x: a gentle wave.
double EelY(double x, double midY, double phase) { return midY + 3.2 * std::sin((x - 40) / 14.0 + phase); }

// Long green eel swimming left, head at headX.
void DrawEel(cairo_t* cr, double headX, double tailX, double midY, double phase) {
    const Hue body = {120, 150, 60};
    cairo_move_to(cr, headX + 3, EelY(headX + 3, midY, phase));
    for (double x = headX + 5; x <= tailX; x += 2) cairo_line_to(cr, x, EelY(x, midY, phase));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    SetHue(cr, Darker(body, 0.5));
    cairo_set_line_width(cr, 7);
    cairo_stroke_preserve(cr);
    SetHue(cr, body);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    for (double x = headX + 10; x < tailX - 4; x += 8) {
        EllipsePath(cr, x, EelY(x, midY, phase) - 0.6, 1.1, 1.1);
    }
    PaintFlat(cr, {60, 80, 30});
    const double headY = EelY(headX + 3, midY, phase);
    EllipsePath(cr, headX + 3, headY, 5, 3.8);
    PaintShaded(cr, body, 0.8);
    EllipsePath(cr, headX + 2, headY - 1.2, 1, 1);
    PaintFlat(cr, {250, 240, 120});
}

// Sandcastle ornament with a dark arched door bubbles come out of.
void DrawCastle(cairo_t* cr, double cx, double baseY) {
    const Hue stone = {200, 170, 130};
    for (double tx : {cx - 22, cx + 22}) {
        RectPath(cr, tx - 8, baseY - 52, 16, 52);
        PaintShaded(cr, stone, 1);
        cairo_move_to(cr, tx - 10, baseY - 52);
        cairo_line_to(cr, tx, baseY - 66);
        cairo_line_to(cr, tx + 10, baseY - 52);
        cairo_close_path(cr);
        PaintShaded(cr, {190, 80, 70}, 1);
    }
    RectPath(cr, cx - 14, baseY - 38, 28, 38);
    PaintShaded(cr, stone, 1);
    for (double x = cx - 14; x < cx + 14; x += 8) {
        RectPath(cr, x, baseY - 43, 5, 5);
    }
    PaintShaded(cr, stone, 0.8);
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, baseY - 14, 6, M_PI, 2 * M_PI);
    cairo_line_to(cr, cx + 6, baseY);
    cairo_line_to(cr, cx - 6, baseY);
    cairo_close_path(cr);
    PaintFlat(cr, {50, 40, 40});
    for (double tx : {cx - 22, cx + 22}) {
        RoundedRectPath(cr, tx - 2.5, baseY - 42, 5, 8, 2.5);
        PaintFlat(cr, {60, 50, 50});
    }
}

// Treasure chest with its lid ajar and gold showing.
void DrawChest(cairo_t* cr, double cx, double baseY) {
    DropShadow(cr, cx, baseY, 24, 3);
    RectPath(cr, cx - 20, baseY - 20, 40, 20);
    PaintShaded(cr, {150, 92, 50}, 1);
    EllipsePath(cr, cx, baseY - 21, 17, 4);
    PaintShaded(cr, {250, 206, 60}, 0.7);
    cairo_move_to(cr, cx - 21, baseY - 22);
    cairo_line_to(cr, cx - 18, baseY - 34);
    cairo_line_to(cr, cx + 18, baseY - 34);
    cairo_line_to(cr, cx + 21, baseY - 22);
    cairo_line_to(cr, cx + 16, baseY - 29);
    cairo_line_to(cr, cx - 16, baseY - 29);
    cairo_close_path(cr);
    PaintShaded(cr, {150, 92, 50}, 1);
    RectPath(cr, cx - 3, baseY - 14, 6, 7);
    PaintShaded(cr, {240, 200, 70}, 0.7);
    for (double x : {cx - 14, cx + 14}) LinePath(cr, x, baseY - 20, x, baseY);
    PaintLine(cr, {90, 60, 36}, 1.4);
}

// Rising bubbles: open circles with a glint.
void DrawBubble(cairo_t* cr, double cx, double cy, double r) {
    EllipsePath(cr, cx, cy, r, r);
    PaintFlat(cr, {220, 250, 255}, 0.25);
    EllipsePath(cr, cx, cy, r, r);
    SetColor(cr, 235, 252, 255, 0.8);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
    EllipsePath(cr, cx - r * 0.35, cy - r * 0.35, r * 0.25, r * 0.25);
    PaintFlat(cr, {255, 255, 255}, 0.9);
}

// ---------------------------------------------------------- kitchen ---

// Spoon lying flat; facing +1 puts the bowl on the right.
void DrawWoodenSpoon(cairo_t* cr, double cx, double cy, double length, double facing) {
    const Hue wood = {200, 70, 56};  // painted red, to stand out on the wooden top
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, facing, 1);
    RoundedRectPath(cr, -length / 2, -1.3, length * 0.72, 2.6, 1.3);
    PaintShaded(cr, wood, 0.6);
    EllipsePath(cr, length / 2 - 7, 0, 7, 2.3);
    PaintShaded(cr, wood, 0.6);
    EllipsePath(cr, length / 2 - 7, -0.2, 4.5, 1.2);
    PaintFlat(cr, Darker(wood, 0.15));
    cairo_restore(cr);
}

// Herb in a terracotta pot, standing on baseY.
void DrawHerbPot(cairo_t* cr, double cx, double baseY) {
    for (int i = 0; i < 5; ++i) {
        const double a = -M_PI / 2 + (i - 2) * 0.45;
        EllipsePath(cr, cx + std::cos(a) * 5, baseY - 8 + std::sin(a) * 4, 2.6, 1.9);
    }
    PaintShaded(cr, {80, 160, 70}, 0.6);
    cairo_move_to(cr, cx - 6, baseY - 9);
    cairo_line_to(cr, cx + 6, baseY - 9);
    cairo_line_to(cr, cx + 4.5, baseY);
    cairo_line_to(cr, cx - 4.5, baseY);
    cairo_close_path(cr);
    PaintShaded(cr, {206, 106, 70}, 0.7);
}

// Storage jar with a lid, on baseY.
void DrawJar(cairo_t* cr, double cx, double baseY, double w, double h, Hue contents, Hue lid) {
    RoundedRectPath(cr, cx - w / 2, baseY - h, w, h, w * 0.2);
    PaintShaded(cr, {236, 244, 246}, 0.7);
    RoundedRectPath(cr, cx - w / 2 + 1.5, baseY - h * 0.7, w - 3, h * 0.7 - 1.5, w * 0.15);
    PaintShaded(cr, contents, 0);
    RoundedRectPath(cr, cx - w / 2 - 0.5, baseY - h - 2.5, w + 1, 3, 1);
    PaintShaded(cr, lid, 0.6);
}

// Tea towel hanging over a rail at railY.
void DrawTeaTowel(cairo_t* cr, double cx, double railY, Hue hue) {
    RectPath(cr, cx - 7, railY - 1, 14, 13);
    PaintShaded(cr, hue, 0.7);
    for (double x = cx - 4; x <= cx + 4; x += 4) LinePath(cr, x, railY, x, railY + 11);
    LinePath(cr, cx - 7, railY + 8, cx + 7, railY + 8);
    PaintLine(cr, {250, 250, 250}, 1.1);
}

// Drawer front with its handle: a long bar, or one round knob.
void DrawDrawer(cairo_t* cr, double cx, double top, double w, double h, bool knob) {
    RectPath(cr, cx - w / 2 + 1, top, w - 2, h);
    PaintShaded(cr, {150, 204, 186}, 1);
    if (knob) {
        EllipsePath(cr, cx, top + h / 2, 3.4, 3.4);
    } else {
        RoundedRectPath(cr, cx - 12, top + h / 2 - 2, 24, 4, 2);
    }
    PaintShaded(cr, {200, 200, 206}, 0.8);
}

// --------------------------------------------------------- fireside ---

// Cat curled up lying along a shelf, head on the left.
void DrawLyingCat(cairo_t* cr, double cx, double baseY, Hue fur) {
    cairo_move_to(cr, cx + 20, baseY - 3);
    cairo_curve_to(cr, cx + 30, baseY - 2, cx + 28, baseY - 10, cx + 24, baseY - 9);
    PaintLine(cr, Darker(fur, 0.3), 3);
    EllipsePath(cr, cx + 2, baseY - 5.2, 21, 5.2);
    PaintShaded(cr, fur, 0.8);
    EllipsePath(cr, cx - 18, baseY - 5.5, 6, 5);
    PaintShaded(cr, fur, 0.8);
    for (double side : {-1.0, 1.0}) {
        cairo_move_to(cr, cx - 18 + side * 5, baseY - 8);
        cairo_line_to(cr, cx - 18 + side * 4.5, baseY - 11);
        cairo_line_to(cr, cx - 18 + side * 1, baseY - 9.5);
        cairo_close_path(cr);
    }
    PaintShaded(cr, fur, 0.7);
    for (double side : {-1.0, 1.0}) {
        cairo_move_to(cr, cx - 18 + side * 3.5, baseY - 6);
        cairo_line_to(cr, cx - 18 + side * 1.2, baseY - 5.5);
    }
    PaintLine(cr, {30, 24, 20}, 0.8);
    for (double x = cx - 4; x < cx + 16; x += 6) {
        LinePath(cr, x, baseY - 9.5, x + 2, baseY - 6);
    }
    PaintLine(cr, Darker(fur, 0.25), 1);
}

// Evergreen garland swagged under a shelf, with red berries.
void DrawGarland(cairo_t* cr, double left, double right, double topY) {
    const double sag = 9;
    for (double t = 0; t <= 1.0001; t += 0.05) {
        const double x = left + (right - left) * t;
        const double y = topY + sag * std::sin(t * 2 * M_PI - M_PI / 2) * 0.5 + sag * 0.5;
        EllipsePath(cr, x, y, 3.6, 3);
    }
    PaintShaded(cr, {56, 130, 70}, 0.6);
    for (double t = 0.1; t < 1; t += 0.2) {
        const double x = left + (right - left) * t;
        const double y = topY + sag * std::sin(t * 2 * M_PI - M_PI / 2) * 0.5 + sag * 0.5;
        EllipsePath(cr, x, y + 2, 2.4, 2.4);
        PaintShaded(cr, {220, 40, 40}, 0.5);
    }
}

// A pair of slippers seen from above, toes towards facing (+1 right).
void DrawSlippers(cairo_t* cr, double cx, double cy, double facing) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, facing, 1);
    for (double y : {-5.5, 5.5}) {
        EllipsePath(cr, 0, y, 13, 4.8);
        PaintShaded(cr, {90, 130, 200}, 0.8);
        EllipsePath(cr, 6, y, 6, 4.2);
        PaintShaded(cr, {60, 96, 170}, 0.6);
        EllipsePath(cr, 12, y, 2, 2);
        PaintFlat(cr, {250, 250, 250});
    }
    cairo_restore(cr);
}

// Ball of red wool with a loose end.
void DrawYarnBall(cairo_t* cr, double cx, double cy, double r) {
    cairo_move_to(cr, cx + r * 0.7, cy + r * 0.6);
    cairo_curve_to(cr, cx + r * 1.2, cy + r, cx + r * 1.3, cy + r * 0.6, cx + r * 1.5, cy + r * 0.9);
    PaintLine(cr, {200, 50, 70}, 0.9);
    EllipsePath(cr, cx, cy, r, r);
    PaintShaded(cr, {226, 70, 90}, 0.8);
    for (double a = -0.6; a < 1.0; a += 0.5) {
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_rotate(cr, a);
        EllipsePath(cr, 0, 0, r * 0.9, r * 0.45);
        cairo_restore(cr);
    }
    SetHue(cr, {170, 40, 60});
    cairo_set_line_width(cr, 0.6);
    cairo_stroke(cr);
}

// Flames in three layers.
void DrawFire(cairo_t* cr, double cx, double baseY, double w, double h) {
    const Hue layers[3] = {{230, 80, 30}, {250, 150, 40}, {255, 226, 110}};
    for (int i = 0; i < 3; ++i) {
        const double s = 1 - i * 0.28;
        cairo_move_to(cr, cx - w / 2 * s, baseY);
        cairo_curve_to(cr, cx - w / 2 * s, baseY - h * 0.5 * s, cx - w * 0.2 * s, baseY - h * 0.6 * s, cx - w * 0.12 * s,
                       baseY - h * s);
        cairo_curve_to(cr, cx, baseY - h * 0.55 * s, cx + w * 0.1 * s, baseY - h * 0.8 * s, cx + w * 0.16 * s,
                       baseY - h * 0.9 * s);
        cairo_curve_to(cr, cx + w * 0.3 * s, baseY - h * 0.5 * s, cx + w / 2 * s, baseY - h * 0.4 * s, cx + w / 2 * s, baseY);
        cairo_close_path(cr);
        PaintFlat(cr, layers[i]);
    }
}

// ----------------------------------------------------------- bakery ---

// Baguette lying on a shelf, centred on cx, bottom at baseY.
void DrawBaguette(cairo_t* cr, double cx, double baseY, double length) {
    RoundedRectPath(cr, cx - length / 2, baseY - 7.5, length, 7, 3.5);
    PaintShaded(cr, {222, 160, 80}, 0.7);
    for (double x = cx - length / 2 + 8; x < cx + length / 2 - 6; x += 9) {
        LinePath(cr, x, baseY - 3, x + 5, baseY - 6.5);
    }
    PaintLine(cr, {250, 220, 160}, 1.2);
}

// Croissant: five crescent segments.
void DrawCroissant(cairo_t* cr, double cx, double cy) {
    const double xs[5] = {-10, -5.5, 0, 5.5, 10}, rs[5] = {3.2, 4.3, 5.6, 4.3, 3.2}, ys[5] = {3, 0.5, -0.5, 0.5, 3};
    for (int i = 0; i < 5; ++i) {
        EllipsePath(cr, cx + xs[i], cy + ys[i], rs[i], rs[i] * 0.95);
        PaintShaded(cr, {226, 160, 70}, 0.7);
    }
}

// Pink-glazed donut with sprinkles.
void DrawDonut(cairo_t* cr, double cx, double cy) {
    EllipsePath(cr, cx, cy, 11, 6.5);
    PaintShaded(cr, {214, 156, 84}, 0.7);
    EllipsePath(cr, cx, cy - 0.8, 9.5, 5.2);
    PaintShaded(cr, {246, 140, 180}, 0);
    EllipsePath(cr, cx, cy - 0.8, 3.2, 1.8);
    PaintFlat(cr, {150, 96, 50});
    const double bits[6][2] = {{-6, -2}, {-4, 2}, {5, -2.5}, {6.5, 1.5}, {0, -4}, {1, 3.5}};
    for (const auto& bit : bits) LinePath(cr, cx + bit[0], cy + bit[1], cx + bit[0] + 1.4, cy + bit[1] - 0.6);
    PaintLine(cr, {255, 255, 255}, 1);
}

// Pretzel: a thick twisted loop.
void DrawPretzel(cairo_t* cr, double cx, double cy) {
    for (int pass = 0; pass < 2; ++pass) {
        cairo_move_to(cr, cx - 7, cy + 6);
        cairo_curve_to(cr, cx - 14, cy - 2, cx - 8, cy - 9, cx, cy - 1);
        cairo_curve_to(cr, cx + 8, cy - 9, cx + 14, cy - 2, cx + 7, cy + 6);
        cairo_move_to(cr, cx - 7, cy + 6);
        cairo_line_to(cr, cx + 3, cy - 2);
        cairo_move_to(cr, cx + 7, cy + 6);
        cairo_line_to(cr, cx - 3, cy - 2);
        PaintLine(cr, pass == 0 ? Hue{110, 60, 30} : Hue{176, 104, 50}, pass == 0 ? 4.6 : 3);
    }
    for (const double dot : {-6.0, 0.0, 6.0}) {
        RectPath(cr, cx + dot - 0.6, cy - 4 + std::fabs(dot) * 0.3, 1.2, 1.2);
    }
    PaintFlat(cr, {255, 255, 255});
}

// Glass jar, full of cookies or empty.
void DrawCookieJar(cairo_t* cr, double cx, double baseY, double w, double h, bool full) {
    RoundedRectPath(cr, cx - w / 2, baseY - h, w, h, 6);
    PaintFlat(cr, {230, 244, 250}, 0.55);
    if (full) {
        for (int i = 0; i < 9; ++i) {
            const double x = cx - w / 2 + 7 + (i % 3) * ((w - 14) / 2), y = baseY - 6 - (i / 3) * 8 - (i % 2) * 1.5;
            EllipsePath(cr, x, y, 6, 4);
            PaintShaded(cr, {196, 140, 80}, 0.6);
            EllipsePath(cr, x - 1.5, y - 0.8, 0.9, 0.9);
            EllipsePath(cr, x + 2, y + 0.5, 0.9, 0.9);
            PaintFlat(cr, {80, 50, 30});
        }
    }
    RoundedRectPath(cr, cx - w / 2, baseY - h, w, h, 6);
    SetColor(cr, 120, 150, 170, 0.9);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    RoundedRectPath(cr, cx - w / 2 + 3, baseY - h + 4, 3, h - 10, 1.5);
    PaintFlat(cr, {255, 255, 255}, 0.7);
    RoundedRectPath(cr, cx - w / 2 - 1, baseY - h - 4, w + 2, 5, 2);
    PaintShaded(cr, {200, 80, 90}, 0.7);
    EllipsePath(cr, cx, baseY - h - 5, 3, 2);
    PaintShaded(cr, {200, 80, 90}, 0.6);
}

// Two-tier cake on a stand; icing hue is the change.
void DrawTierCake(cairo_t* cr, double cx, double baseY, Hue icing) {
    RectPath(cr, cx - 2, baseY - 7, 4, 6);
    PaintShaded(cr, {220, 224, 230}, 0.6);
    EllipsePath(cr, cx, baseY - 1.5, 9, 1.6);
    EllipsePath(cr, cx, baseY - 8, 18, 2);
    PaintShaded(cr, {220, 224, 230}, 0.6);
    const double tiers[2][3] = {{15, 16, baseY - 9}, {10, 13, baseY - 25}};  // half width, height, bottom
    for (const auto& tier : tiers) {
        RectPath(cr, cx - tier[0], tier[2] - tier[1], tier[0] * 2, tier[1]);
        PaintShaded(cr, {250, 236, 210}, 0.8);
        cairo_move_to(cr, cx - tier[0], tier[2] - tier[1]);
        cairo_line_to(cr, cx + tier[0], tier[2] - tier[1]);
        for (double x = cx + tier[0]; x >= cx - tier[0] - 0.01; x -= tier[0] / 3) {
            cairo_line_to(cr, x, tier[2] - tier[1] + 5 + (static_cast<int>((x - cx) / tier[0] * 3 + 3) % 2) * 3);
        }
        cairo_close_path(cr);
        PaintShaded(cr, icing, 0.7);
    }
    EllipsePath(cr, cx, baseY - 41, 2.8, 2.8);
    PaintShaded(cr, {220, 30, 40}, 0.6);
}

}  // namespace

// Level 4, on teal: inside an aquarium.
void DrawAquariumScene(cairo_t* cr, bool altered) {
    const SceneArea smallFish = AreaOf(4, 0), clown = AreaOf(4, 1), turtle = AreaOf(4, 2), jelly = AreaOf(4, 3),
                    eel = AreaOf(4, 4);
    FillGradientRect(cr, 0, 0, SCENE_WIDTH, SCENE_HEIGHT, {120, 210, 222}, {26, 110, 150});
    // Light shafts from the surface.
    for (int i = 0; i < 5; ++i) {
        const double x = 20 + i * 80;
        cairo_move_to(cr, x, 0);
        cairo_line_to(cr, x + 30, 0);
        cairo_line_to(cr, x + 70, 220);
        cairo_line_to(cr, x + 30, 220);
        cairo_close_path(cr);
        PaintFlat(cr, {255, 255, 255}, 0.07);
    }
    FillGradientRect(cr, 0, 0, SCENE_WIDTH, 6, {200, 240, 246}, {140, 220, 232});
    // Sand with a wavy top, pebbles and rocks.
    cairo_move_to(cr, 0, 222);
    cairo_curve_to(cr, 90, 208, 180, 232, 260, 216);
    cairo_curve_to(cr, 310, 208, 350, 218, SCENE_WIDTH, 212);
    cairo_line_to(cr, SCENE_WIDTH, SCENE_HEIGHT);
    cairo_line_to(cr, 0, SCENE_HEIGHT);
    cairo_close_path(cr);
    PaintShaded(cr, {236, 214, 160}, 0);
    unsigned seed = 41;
    for (int i = 0; i < 40; ++i) {
        const double x = NextRandom(&seed) * SCENE_WIDTH, y = 232 + NextRandom(&seed) * 34;
        EllipsePath(cr, x, y, 2 + NextRandom(&seed) * 2, 1.4 + NextRandom(&seed));
        const Hue pebble[3] = {{200, 170, 130}, {230, 150, 130}, {170, 180, 190}};
        PaintOutlined(cr, pebble[i % 3], 0.5);
    }
    EllipsePath(cr, 40, 226, 34, 16);
    EllipsePath(cr, 70, 232, 22, 12);
    PaintShaded(cr, {120, 126, 140}, 1);
    DrawSeaweed(cr, 14, 230, 110, 8, {60, 170, 90});
    DrawSeaweed(cr, 28, 230, 80, -6, {90, 190, 80});
    DrawSeaweed(cr, 150, 230, 60, 6, {60, 170, 90});
    DrawSeaweed(cr, 350, 226, 130, -9, {60, 170, 90});
    DrawSeaweed(cr, 362, 226, 96, 7, {100, 196, 90});
    DrawCastle(cr, 200, 228);
    DrawChest(cr, 300, 238);
    // Coral.
    for (int i = 0; i < 5; ++i) {
        const double a = -M_PI / 2 + (i - 2) * 0.38;
        LinePath(cr, 110, 230, 110 + std::cos(a) * 22, 230 + std::sin(a) * 22);
    }
    PaintLine(cr, {240, 110, 110}, 4);
    for (double y = 40; y < 200; y += 26) DrawBubble(cr, 200 + std::sin(y) * 3, y + 20, 2 + (200 - y) / 60);
    DrawBubble(cr, 330, 180, 3);
    DrawBubble(cr, 334, 162, 2.2);
    DrawFish(cr, 60, 70, 30, {250, 200, 60}, true);
    DrawFish(cr, 340, 40, 26, {120, 130, 240}, false);
    DrawFish(cr, 222, 170, 22, {250, 120, 170}, false);
    // The tiny fish is new in the changed copy.
    if (altered) {
        cairo_save(cr);
        cairo_translate(cr, smallFish.cx + 0.5, smallFish.cy + 0.5);
        cairo_scale(cr, 1, 0.62);  // slim, to fit the narrow strip of water
        DrawFish(cr, 0, 0, 11, {255, 120, 40}, false);
        cairo_restore(cr);
    }
    if (!altered) DrawJellyfish(cr, jelly.cx, jelly.cy - 2);
    // The eel swims a little way right.
    const double eelStart = eel.left + (altered ? 24 : 6);
    DrawEel(cr, eelStart, eelStart + 64, eel.cy, 0);
    // The clownfish turns round.
    DrawFish(cr, clown.cx, clown.cy, 26, {250, 120, 30}, altered);
    for (double dx : {-4.0, 3.0}) {
        LinePath(cr, clown.cx + (altered ? -dx : dx), clown.cy - 6.5, clown.cx + (altered ? -dx : dx), clown.cy + 6.5);
    }
    PaintLine(cr, {255, 255, 255}, 2.2);
    DrawTurtle(cr, turtle.cx - 4, turtle.cy, altered ? Hue{200, 110, 50} : Hue{70, 130, 80});
}

// Level 5, on peach: a sunny kitchen.
void DrawKitchenScene(cairo_t* cr, bool altered) {
    const SceneArea spoon = AreaOf(5, 0), herb = AreaOf(5, 1), handle = AreaOf(5, 2), towel = AreaOf(5, 3),
                    spice = AreaOf(5, 4);
    // Tiled back wall.
    FillGradientRect(cr, 0, 0, SCENE_WIDTH, 152, {252, 246, 232}, {244, 232, 212});
    for (double y = 92; y < 152; y += 10) LinePath(cr, 0, y, SCENE_WIDTH, y);
    for (double x = 4; x < SCENE_WIDTH; x += 12) LinePath(cr, x, 92, x, 150);
    PaintLine(cr, {226, 214, 196}, 0.7);
    // Window with sky, a tree and curtains.
    RectPath(cr, 150, 14, 96, 68);
    PaintOutlined(cr, {255, 255, 255}, 1);
    FillGradientRect(cr, 154, 18, 88, 60, {150, 206, 240}, {214, 236, 246});
    DrawTree(cr, 226, 86, 60, {110, 176, 90});
    DrawCloud(cr, 160, 26, 36, 14);
    LinePath(cr, 198, 18, 198, 78);
    LinePath(cr, 154, 48, 242, 48);
    PaintLine(cr, {255, 255, 255}, 3);
    RectPath(cr, 144, 8, 108, 4);
    PaintShaded(cr, {170, 120, 80}, 0.6);
    for (double side : {-1.0, 1.0}) {
        const double x = 198 + side * 52;
        cairo_move_to(cr, x, 10);
        cairo_line_to(cr, x - side * 16, 10);
        cairo_curve_to(cr, x - side * 8, 40, x - side * 14, 70, x - side * 4, 90);
        cairo_line_to(cr, x + side * 2, 90);
        cairo_close_path(cr);
        PaintShaded(cr, {240, 120, 110}, 0.8);
    }
    // Fridge on the left.
    RoundedRectPath(cr, 2, 30, 54, 222, 5);
    PaintShaded(cr, {236, 240, 244}, 1.2);
    LinePath(cr, 3, 100, 55, 100);
    PaintLine(cr, {170, 176, 184}, 1);
    RoundedRectPath(cr, 46, 60, 4, 30, 2);
    RoundedRectPath(cr, 46, 110, 4, 40, 2);
    PaintShaded(cr, {180, 186, 196}, 0.6);
    DrawStar(cr, 20, 60, 5, {250, 200, 60});
    HeartPath(cr, 30, 128, 9);
    PaintShaded(cr, {236, 80, 100}, 0.6);
    // Spice shelf; the jar in the small area goes missing in the changed copy.
    RectPath(cr, spice.cx - 34, spice.bottom - 1.5, 68, 4);
    PaintShaded(cr, {176, 120, 74}, 0.7);
    const Hue spices[5] = {{200, 80, 40}, {236, 190, 60}, {120, 150, 60}, {150, 60, 50}, {236, 140, 50}};
    for (int i = -2; i <= 2; ++i) {
        if (i == 0 && altered) continue;
        DrawJar(cr, spice.cx + i * 12, spice.bottom - 1.8, 5.6, 6.5, spices[i + 2], {90, 90, 96});
    }
    // Shelf on the right with jars; the herb pot moves along it.
    RectPath(cr, 290, herb.bottom - 2, 90, 5);
    PaintShaded(cr, {176, 120, 74}, 0.8);
    DrawJar(cr, 302, herb.bottom - 2, 12, 18, {240, 220, 160}, {200, 60, 50});
    DrawJar(cr, 322, herb.bottom - 2, 13, 14, {170, 100, 60}, {60, 120, 180});
    DrawHerbPot(cr, herb.cx + (altered ? 7.5 : -7.5), herb.bottom - 3);
    // Utensil rail with hanging ladle, whisk and pan.
    LinePath(cr, 292, 80, 372, 80);
    PaintLine(cr, {150, 150, 156}, 2);
    LinePath(cr, 306, 80, 306, 112);
    PaintLine(cr, {120, 120, 126}, 2);
    EllipsePath(cr, 306, 115, 6, 4);
    PaintShaded(cr, {190, 190, 196}, 0.8);
    LinePath(cr, 330, 80, 330, 100);
    PaintLine(cr, {120, 120, 126}, 2);
    EllipsePath(cr, 330, 112, 5, 11);
    EllipsePath(cr, 330, 112, 2, 11);
    SetHue(cr, {150, 150, 156});
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    LinePath(cr, 356, 80, 356, 96);
    PaintLine(cr, {60, 60, 60}, 3);
    EllipsePath(cr, 356, 112, 14, 14);
    PaintShaded(cr, {196, 110, 70}, 1);
    EllipsePath(cr, 356, 112, 10, 10);
    PaintFlat(cr, {160, 84, 50});
    // Counter top with the spoon lying near its front.
    RectPath(cr, 58, 150, SCENE_WIDTH - 58, 13);
    PaintShaded(cr, {206, 160, 110}, 0.8);
    RectPath(cr, 58, 163, SCENE_WIDTH - 58, 5);
    PaintShaded(cr, {170, 120, 74}, 0.8);
    DrawWoodenSpoon(cr, spoon.cx, spoon.cy + 0.5, 44, altered ? -1 : 1);
    // Bowl of fruit and the sink on the counter.
    for (int i = 0; i < 4; ++i) {
        EllipsePath(cr, 94 + i * 8, 142 - (i % 2) * 4, 5.5, 5.5);
        const Hue fruit[4] = {{240, 60, 50}, {250, 190, 40}, {120, 190, 60}, {250, 140, 40}};
        PaintShaded(cr, fruit[i], 0.7);
    }
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, 106, 144, 18, M_PI, 0);
    cairo_close_path(cr);
    PaintShaded(cr, {90, 150, 210}, 0.9);
    RectPath(cr, 280, 148, 60, 6);
    PaintShaded(cr, {190, 196, 204}, 0.8);
    cairo_move_to(cr, 312, 148);
    cairo_line_to(cr, 312, 126);
    cairo_curve_to(cr, 312, 118, 300, 118, 300, 128);
    PaintLine(cr, {170, 176, 186}, 3);
    // Cabinets under the counter: oven on the left, drawers and doors.
    RectPath(cr, 58, 168, SCENE_WIDTH - 58, 84);
    PaintShaded(cr, {130, 190, 172}, 1);
    RectPath(cr, towel.cx - 34, 168, 68, 84);
    PaintShaded(cr, {70, 74, 84}, 1);
    RectPath(cr, towel.cx - 28, 194, 56, 44);
    PaintShaded(cr, {34, 30, 36}, 1);
    RectPath(cr, towel.cx - 22, 200, 44, 32);
    PaintFlat(cr, {255, 160, 60}, 0.25);
    LinePath(cr, towel.cx - 28, towel.top + 4, towel.cx + 28, towel.top + 4);
    PaintLine(cr, {200, 200, 206}, 2.4);
    DrawTeaTowel(cr, towel.cx, towel.top + 4, altered ? Hue{220, 60, 60} : Hue{70, 120, 210});
    for (int i = -1; i <= 2; ++i) {
        const double x = handle.cx + i * 54;
        DrawDrawer(cr, x, 170, 52, 16, altered && i == 0);
        RectPath(cr, x - 25, 190, 50, 58);
        PaintShaded(cr, {150, 204, 186}, 1);
        EllipsePath(cr, x + 18, 204, 2.2, 2.2);
        PaintShaded(cr, {200, 200, 206}, 0.6);
    }
    // Chequered floor.
    for (int i = 0; i < 24; ++i) {
        for (int row = 0; row < 2; ++row) {
            RectPath(cr, i * 16, 252 + row * 9, 16, 9);
            PaintFlat(cr, (i + row) % 2 ? Hue{226, 200, 170} : Hue{250, 240, 224});
        }
    }
}

// Level 6, on maroon: a cosy sitting room by the fire.
void DrawFiresideScene(cairo_t* cr, bool altered) {
    const SceneArea slippers = AreaOf(6, 0), yarn = AreaOf(6, 1), garland = AreaOf(6, 2), book = AreaOf(6, 3),
                    cat = AreaOf(6, 4);
    // Striped wallpaper and a wooden floor.
    FillGradientRect(cr, 0, 0, SCENE_WIDTH, 192, {246, 222, 170}, {226, 196, 146});
    for (double x = 0; x < SCENE_WIDTH; x += 16) {
        RectPath(cr, x, 0, 6, 192);
        PaintFlat(cr, {236, 206, 150});
    }
    RectPath(cr, 0, 184, SCENE_WIDTH, 8);
    PaintShaded(cr, {140, 84, 56}, 0.8);
    FillGradientRect(cr, 0, 192, SCENE_WIDTH, SCENE_HEIGHT - 192, {168, 108, 68}, {130, 80, 50});
    for (double y = 200; y < SCENE_HEIGHT; y += 12) LinePath(cr, 0, y, SCENE_WIDTH, y);
    PaintLine(cr, {120, 74, 46}, 0.8);
    // Round rug.
    EllipsePath(cr, 170, 238, 150, 26);
    PaintShaded(cr, {170, 60, 60}, 1);
    EllipsePath(cr, 170, 238, 134, 20);
    SetHue(cr, {236, 196, 110});
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // Night window.
    RectPath(cr, 26, 18, 76, 70);
    PaintOutlined(cr, {250, 246, 236}, 1);
    FillGradientRect(cr, 30, 22, 68, 62, {24, 30, 70}, {60, 60, 120});
    EllipsePath(cr, 80, 38, 7, 7);
    PaintFlat(cr, {250, 240, 190});
    LinePath(cr, 64, 22, 64, 84);
    LinePath(cr, 30, 53, 98, 53);
    PaintLine(cr, {250, 246, 236}, 3);
    // Armchair.
    RoundedRectPath(cr, 14, 100, 92, 78, 16);
    PaintShaded(cr, {70, 120, 110}, 1.2);
    RoundedRectPath(cr, 24, 150, 72, 20, 6);
    PaintShaded(cr, {90, 146, 132}, 1);
    for (double x : {8.0, 96.0}) {
        RoundedRectPath(cr, x, 128, 22, 52, 9);
        PaintShaded(cr, {70, 120, 110}, 1.2);
    }
    RectPath(cr, 14, 178, 92, 12);
    PaintShaded(cr, {60, 104, 96}, 1);
    for (double x : {20.0, 96.0}) {
        RectPath(cr, x, 190, 5, 8);
        PaintShaded(cr, {90, 60, 40}, 0.7);
    }
    RoundedRectPath(cr, 36, 128, 30, 22, 8);
    PaintShaded(cr, {236, 190, 90}, 0.8);
    // Side table with a book that slides along it.
    RectPath(cr, book.left - 3, book.bottom - 1, book.w + 6, 4);
    PaintShaded(cr, {150, 96, 60}, 0.8);
    for (double x : {book.left + 1, book.right - 5}) {
        RectPath(cr, x, book.bottom + 3, 4, 189 - book.bottom);
        PaintShaded(cr, {130, 82, 50}, 0.8);
    }
    const double bookX = book.cx + (altered ? 7 : -7);
    RoundedRectPath(cr, bookX - 9, book.bottom - 6.3, 18, 4.6, 1);
    PaintShaded(cr, {60, 90, 180}, 0.7);
    RectPath(cr, bookX - 8, book.bottom - 5.2, 16, 1.4);
    PaintFlat(cr, {250, 246, 236});
    // Standing lamp on the right.
    RectPath(cr, 352, 60, 3, 130);
    PaintShaded(cr, {80, 70, 60}, 0.6);
    EllipsePath(cr, 353.5, 190, 12, 3);
    PaintShaded(cr, {80, 70, 60}, 0.6);
    EllipsePath(cr, 353, 70, 26, 18);
    PaintFlat(cr, {255, 230, 150}, 0.25);
    cairo_move_to(cr, 340, 40);
    cairo_line_to(cr, 366, 40);
    cairo_line_to(cr, 374, 64);
    cairo_line_to(cr, 332, 64);
    cairo_close_path(cr);
    PaintShaded(cr, {250, 220, 150}, 0.8);
    // Fireplace: brick surround, fire, mantel.
    const double fx = garland.cx + 10;
    RectPath(cr, fx - 62, garland.top + 6, 124, 190 - garland.top - 6);
    PaintShaded(cr, {190, 90, 70}, 1.2);
    for (double y = garland.top + 12; y < 190; y += 8) {
        LinePath(cr, fx - 62, y, fx + 62, y);
        const double shift = (static_cast<int>((y - garland.top) / 8) % 2) * 8;
        for (double x = fx - 62 + shift; x < fx + 62; x += 16) LinePath(cr, x, y, x, y + 8);
    }
    PaintLine(cr, {150, 70, 56}, 0.7);
    cairo_new_sub_path(cr);
    cairo_arc(cr, fx, 152, 32, M_PI, 2 * M_PI);
    cairo_line_to(cr, fx + 32, 190);
    cairo_line_to(cr, fx - 32, 190);
    cairo_close_path(cr);
    PaintShaded(cr, {40, 26, 24}, 1);
    EllipsePath(cr, fx, 184, 28, 8);
    PaintFlat(cr, {255, 150, 60}, 0.25);
    for (double x : {fx - 12, fx + 10}) {
        RoundedRectPath(cr, x - 12, 180, 24, 6, 3);
        PaintShaded(cr, {120, 80, 50}, 0.7);
    }
    DrawFire(cr, fx, 182, 40, 40);
    RectPath(cr, fx - 74, 190, 148, 6);
    PaintShaded(cr, {120, 116, 112}, 0.8);
    RectPath(cr, fx - 72, garland.top - 1, 144, 7);
    PaintShaded(cr, {110, 70, 46}, 1);
    // Painting above the mantel.
    RectPath(cr, fx - 30, 18, 60, 44);
    PaintShaded(cr, {200, 150, 60}, 1.2);
    FillGradientRect(cr, fx - 25, 23, 50, 34, {150, 200, 230}, {230, 230, 200});
    cairo_move_to(cr, fx - 25, 57);
    cairo_line_to(cr, fx - 8, 38);
    cairo_line_to(cr, fx + 4, 50);
    cairo_line_to(cr, fx + 12, 42);
    cairo_line_to(cr, fx + 25, 57);
    cairo_close_path(cr);
    PaintFlat(cr, {90, 140, 90});
    // Things on the mantel: candles and the sleeping cat.
    for (double x : {fx - 62, fx - 54}) {
        RectPath(cr, x - 2, garland.top - 13, 4, 12);
        PaintShaded(cr, {250, 246, 226}, 0.6);
        EllipsePath(cr, x, garland.top - 15.5, 1.4, 2.4);
        PaintFlat(cr, {255, 190, 60});
    }
    DrawLyingCat(cr, cat.cx - 2, garland.top - 1, altered ? Hue{60, 60, 66} : Hue{236, 150, 70});
    if (!altered) DrawGarland(cr, garland.left + 7, garland.right - 7, garland.top + 6);
    DrawSlippers(cr, slippers.cx, slippers.cy, altered ? -1 : 1);
    if (altered) DrawYarnBall(cr, yarn.cx - 1, yarn.cy + 0.3, 4.6);
}

// Level 7, on rose: inside a little bakery.
void DrawBakeryScene(cairo_t* cr, bool altered) {
    const SceneArea pastry = AreaOf(7, 0), baguette = AreaOf(7, 1), cake = AreaOf(7, 2), pretzel = AreaOf(7, 3),
                    jar = AreaOf(7, 4);
    // Wall with candy stripes and a wooden floor.
    FillGradientRect(cr, 0, 0, SCENE_WIDTH, 240, {255, 244, 240}, {246, 226, 222});
    for (double x = 110; x < SCENE_WIDTH; x += 20) {
        RectPath(cr, x, 0, 8, 150);
        PaintFlat(cr, {250, 220, 220});
    }
    FillGradientRect(cr, 0, 236, SCENE_WIDTH, SCENE_HEIGHT - 236, {170, 112, 80}, {140, 90, 64});
    // Shop sign.
    RoundedRectPath(cr, 150, 12, 128, 30, 8);
    PaintShaded(cr, {120, 70, 60}, 1.2);
    UseFont(cr, FONT_BOLD, 17);
    DrawTextCentered(cr, "CAKES", 214, 27, 255, 236, 200);
    DrawStar(cr, 164, 27, 5, {250, 200, 70});
    DrawStar(cr, 264, 27, 5, {250, 200, 70});
    // Hanging lamps.
    for (double x : {150.0, 240.0, 330.0}) {
        LinePath(cr, x, 0, x, 60);
        PaintLine(cr, {90, 80, 80}, 1);
        EllipsePath(cr, x, 72, 16, 10);
        PaintFlat(cr, {255, 240, 190}, 0.3);
        cairo_new_sub_path(cr);
        cairo_arc(cr, x, 70, 10, M_PI, 2 * M_PI);
        cairo_close_path(cr);
        PaintShaded(cr, {90, 150, 140}, 0.8);
    }
    // Shelf unit on the left.
    RectPath(cr, 0, 40, 100, 196);
    PaintShaded(cr, {176, 120, 80}, 1);
    RectPath(cr, 4, 44, 92, 188);
    PaintFlat(cr, {120, 78, 52});
    const double boards[4] = {baguette.bottom, pretzel.bottom, jar.bottom, 120};
    for (double y : boards) {
        RectPath(cr, 2, y - 1, 96, 5);
        PaintShaded(cr, {200, 146, 96}, 0.7);
    }
    // Top shelf: a baguette that slides along, and a basket of rolls.
    DrawBaguette(cr, baguette.cx + (altered ? 13 : -13), baguette.bottom - 1.4, 58);
    // Middle shelf: loaves.
    for (double x : {22.0, 50.0, 78.0}) {
        EllipsePath(cr, x, 111, 11, 7.5);
        PaintShaded(cr, {206, 140, 70}, 0.8);
        LinePath(cr, x - 5, 108, x + 5, 108);
        PaintLine(cr, {240, 200, 140}, 1.2);
    }
    // Lower shelf: a pretzel joins the muffins.
    for (double x : {72.0, 88.0}) {
        cairo_move_to(cr, x - 6, pretzel.bottom - 2);
        cairo_line_to(cr, x - 7, pretzel.bottom - 10);
        cairo_line_to(cr, x + 7, pretzel.bottom - 10);
        cairo_line_to(cr, x + 6, pretzel.bottom - 2);
        cairo_close_path(cr);
        PaintShaded(cr, {240, 120, 120}, 0.6);
        EllipsePath(cr, x, pretzel.bottom - 11, 7.5, 5);
        PaintShaded(cr, {160, 100, 60}, 0.6);
    }
    if (altered) DrawPretzel(cr, pretzel.cx, pretzel.cy + 1);
    // Bottom shelf: the cookie jar, emptied in the changed copy.
    DrawCookieJar(cr, jar.cx, jar.bottom - 3, 26, 34, !altered);
    DrawCookieJar(cr, 76, jar.bottom - 3, 20, 24, true);
    // Counter with a glass display case.
    RectPath(cr, 112, cake.bottom, SCENE_WIDTH - 112, 6);
    PaintShaded(cr, {230, 220, 210}, 1);
    RectPath(cr, 116, cake.bottom + 6, SCENE_WIDTH - 116, 90);
    PaintShaded(cr, {210, 120, 130}, 1.2);
    RectPath(cr, 124, pastry.top - 18, SCENE_WIDTH - 130, 52);
    PaintFlat(cr, {236, 246, 250});
    RectPath(cr, 124, pastry.bottom - 4, SCENE_WIDTH - 130, 3);
    PaintShaded(cr, {200, 200, 206}, 0.6);
    RectPath(cr, 124, pastry.bottom - 24, SCENE_WIDTH - 130, 2.5);
    PaintShaded(cr, {200, 200, 206}, 0.6);
    for (int i = 0; i < 7; ++i) {
        const double x = 144 + i * 32;
        if (x < pastry.left - 8) {
            if (i % 2 == 0)
                DrawDonut(cr, x, pastry.bottom - 10);
            else
                DrawCroissant(cr, x, pastry.bottom - 10);
        }
        EllipsePath(cr, x, pastry.bottom - 29, 8, 4);
        PaintShaded(cr, i % 3 ? Hue{250, 220, 140} : Hue{170, 110, 70}, 0.6);
    }
    // The pastry in the area: a croissant, a donut in the changed copy.
    if (altered)
        DrawDonut(cr, pastry.cx, pastry.bottom - 10);
    else
        DrawCroissant(cr, pastry.cx, pastry.bottom - 10);
    RectPath(cr, 124, pastry.top - 18, SCENE_WIDTH - 130, 52);
    SetColor(cr, 255, 255, 255, 0.12);
    cairo_fill(cr);
    LinePath(cr, 134, pastry.top - 14, 160, pastry.top - 14);
    PaintLine(cr, {255, 255, 255}, 2);
    // Till on the counter and the cake on its stand.
    RoundedRectPath(cr, 136, cake.bottom - 26, 44, 26, 4);
    PaintShaded(cr, {90, 100, 120}, 1);
    RectPath(cr, 142, cake.bottom - 34, 30, 10);
    PaintShaded(cr, {160, 220, 190}, 0.8);
    for (int i = 0; i < 6; ++i) {
        RectPath(cr, 142 + (i % 3) * 10, cake.bottom - 20 + (i / 3) * 7, 7, 4);
    }
    PaintFlat(cr, {220, 224, 230});
    DrawTierCake(cr, cake.cx, cake.bottom - 3, altered ? Hue{120, 70, 40} : Hue{250, 170, 200});
    EllipsePath(cr, 220, cake.bottom - 6, 16, 4);
    PaintShaded(cr, {240, 240, 246}, 0.7);
    for (double x : {212.0, 222.0, 230.0}) {
        EllipsePath(cr, x, cake.bottom - 11, 5, 4);
        PaintShaded(cr, {240, 200, 80}, 0.6);
    }
}

