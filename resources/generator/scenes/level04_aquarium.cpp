// Level 4, on teal: inside an aquarium.
// Its five changes, in area order:
//   0. smallFish: a tiny fish swims in.
//   1. clown: the clownfish turns round.
//   2. turtle: the turtle's shell turns from green to orange.
//   3. jelly: the jellyfish is gone.
//   4. eel: the eel swims a little way right.
#include "scene_kit.h"

#include <cmath>

namespace {

// The scene's palette.
constexpr Rgb TURTLE_LEAF_GREEN = {150, 190, 110};
constexpr Rgb TURTLE_BLACK = {20, 20, 20};
constexpr Rgb JELLYFISH_PINK = {230, 130, 190};
constexpr Rgb JELLYFISH_PINK_2 = {248, 160, 210};
constexpr Rgb EEL_OLIVE = {120, 150, 60};
constexpr Rgb EEL_DARK_GREEN = {60, 80, 30};
constexpr Rgb EEL_SAND = {250, 240, 120};
constexpr Rgb CASTLE_TAN = {200, 170, 130};
constexpr Rgb CASTLE_RED = {190, 80, 70};
constexpr Rgb CASTLE_CHARCOAL = {50, 40, 40};
constexpr Rgb CASTLE_CHARCOAL_2 = {60, 50, 50};
constexpr Rgb CHEST_BROWN = {150, 92, 50};
constexpr Rgb CHEST_YELLOW = {250, 206, 60};
constexpr Rgb CHEST_YELLOW_2 = {240, 200, 70};
constexpr Rgb CHEST_DARK_BROWN = {90, 60, 36};
constexpr Rgb BUBBLE_ICE = {220, 250, 255};
constexpr Rgb BACKDROP_SKY = {120, 210, 222};
constexpr Rgb BACKDROP_TEAL = {26, 110, 150};
constexpr Rgb LIGHT_SHAFT_ICE = {200, 240, 246};
constexpr Rgb LIGHT_SHAFT_SKY = {140, 220, 232};
constexpr Rgb SEABED_SAND = {236, 214, 160};
constexpr Rgb SEABED_TAN = {230, 150, 130};
constexpr Rgb SEABED_SILVER = {170, 180, 190};
constexpr Rgb SEABED_GREY = {120, 126, 140};
constexpr Rgb SEAWEED_GREEN = {60, 170, 90};
constexpr Rgb SEAWEED_GREEN_2 = {90, 190, 80};
constexpr Rgb SEAWEED_GREEN_3 = {100, 196, 90};
constexpr Rgb CORAL_ROSE = {240, 110, 110};
constexpr Rgb FISH_YELLOW = {250, 200, 60};
constexpr Rgb FISH_PURPLE = {120, 130, 240};
constexpr Rgb FISH_PINK = {250, 120, 170};
constexpr Rgb FISH_ORANGE = {255, 120, 40};
constexpr Rgb FISH_ORANGE_2 = {250, 120, 30};
constexpr Rgb TURTLE_ORANGE = {200, 110, 50};
constexpr Rgb TURTLE_GREEN = {70, 130, 80};

// Swaying seaweed frond from its foot upwards.
void DrawSeaweed(cairo_t* cr, double x, double footY, double height, double sway, Rgb hue) {
    cairo_move_to(cr, x, footY);
    cairo_curve_to(cr, x + sway, footY - height * 0.35, x - sway, footY - height * 0.7, x + sway * 0.5, footY - height);
    PaintLine(cr, Darker(hue, 0.35), 6.5);
    cairo_move_to(cr, x, footY);
    cairo_curve_to(cr, x + sway, footY - height * 0.35, x - sway, footY - height * 0.7, x + sway * 0.5, footY - height);
    PaintLine(cr, hue, 4.5);
}

// Sea turtle swimming right; shell hue is the change.
void DrawTurtle(cairo_t* cr, double cx, double cy, Rgb shell) {
    const Rgb skin = TURTLE_LEAF_GREEN;
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
    PaintFlat(cr, TURTLE_BLACK);
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
    PaintLine(cr, JELLYFISH_PINK, 1);
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy + 1, 8, M_PI, 2 * M_PI);
    cairo_curve_to(cr, cx + 6, cy + 3, cx - 6, cy + 3, cx - 8, cy + 1);
    cairo_close_path(cr);
    PaintShaded(cr, JELLYFISH_PINK_2, 0.8);
    EllipsePath(cr, cx - 3, cy - 3, 2, 1.4);
    PaintFlat(cr, WHITE, 0.7);
}

// Y of the eel's body along x: a gentle wave.
double EelY(double x, double midY, double phase) { return midY + 3.2 * std::sin((x - 40) / 14.0 + phase); }

// Long green eel swimming left, head at headX.
void DrawEel(cairo_t* cr, double headX, double tailX, double midY, double phase) {
    const Rgb body = EEL_OLIVE;
    cairo_move_to(cr, headX + 3, EelY(headX + 3, midY, phase));
    for (double x = headX + 5; x <= tailX; x += 2) cairo_line_to(cr, x, EelY(x, midY, phase));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    Use(cr, Darker(body, 0.5));
    cairo_set_line_width(cr, 7);
    cairo_stroke_preserve(cr);
    Use(cr, body);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    for (double x = headX + 10; x < tailX - 4; x += 8) {
        EllipsePath(cr, x, EelY(x, midY, phase) - 0.6, 1.1, 1.1);
    }
    PaintFlat(cr, EEL_DARK_GREEN);
    const double headY = EelY(headX + 3, midY, phase);
    EllipsePath(cr, headX + 3, headY, 5, 3.8);
    PaintShaded(cr, body, 0.8);
    EllipsePath(cr, headX + 2, headY - 1.2, 1, 1);
    PaintFlat(cr, EEL_SAND);
}

// Sandcastle ornament with a dark arched door bubbles come out of.
void DrawCastle(cairo_t* cr, double cx, double baseY) {
    const Rgb stone = CASTLE_TAN;
    for (double tx : {cx - 22, cx + 22}) {
        RectPath(cr, tx - 8, baseY - 52, 16, 52);
        PaintShaded(cr, stone, 1);
        cairo_move_to(cr, tx - 10, baseY - 52);
        cairo_line_to(cr, tx, baseY - 66);
        cairo_line_to(cr, tx + 10, baseY - 52);
        cairo_close_path(cr);
        PaintShaded(cr, CASTLE_RED, 1);
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
    PaintFlat(cr, CASTLE_CHARCOAL);
    for (double tx : {cx - 22, cx + 22}) {
        RoundedRectPath(cr, tx - 2.5, baseY - 42, 5, 8, 2.5);
        PaintFlat(cr, CASTLE_CHARCOAL_2);
    }
}

// Treasure chest with its lid ajar and gold showing.
void DrawChest(cairo_t* cr, double cx, double baseY) {
    DropShadow(cr, cx, baseY, 24, 3);
    RectPath(cr, cx - 20, baseY - 20, 40, 20);
    PaintShaded(cr, CHEST_BROWN, 1);
    EllipsePath(cr, cx, baseY - 21, 17, 4);
    PaintShaded(cr, CHEST_YELLOW, 0.7);
    cairo_move_to(cr, cx - 21, baseY - 22);
    cairo_line_to(cr, cx - 18, baseY - 34);
    cairo_line_to(cr, cx + 18, baseY - 34);
    cairo_line_to(cr, cx + 21, baseY - 22);
    cairo_line_to(cr, cx + 16, baseY - 29);
    cairo_line_to(cr, cx - 16, baseY - 29);
    cairo_close_path(cr);
    PaintShaded(cr, CHEST_BROWN, 1);
    RectPath(cr, cx - 3, baseY - 14, 6, 7);
    PaintShaded(cr, CHEST_YELLOW_2, 0.7);
    for (double x : {cx - 14, cx + 14}) LinePath(cr, x, baseY - 20, x, baseY);
    PaintLine(cr, CHEST_DARK_BROWN, 1.4);
}

// Rising bubbles: open circles with a glint.
void DrawBubble(cairo_t* cr, double cx, double cy, double r) {
    EllipsePath(cr, cx, cy, r, r);
    PaintFlat(cr, BUBBLE_ICE, 0.25);
    EllipsePath(cr, cx, cy, r, r);
    SetColor(cr, 235, 252, 255, 0.8);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
    EllipsePath(cr, cx - r * 0.35, cy - r * 0.35, r * 0.25, r * 0.25);
    PaintFlat(cr, WHITE, 0.9);
}

}  // namespace

// Draws the scene; the changes only when altered is set.
void DrawAquariumScene(cairo_t* cr, bool altered) {
    const SceneArea smallFish = AreaOf(4, 0), clown = AreaOf(4, 1), turtle = AreaOf(4, 2), jelly = AreaOf(4, 3),
                    eel = AreaOf(4, 4);
    FillGradientRect(cr, 0, 0, SCENE_WIDTH, SCENE_HEIGHT, BACKDROP_SKY, BACKDROP_TEAL);
    // Light shafts from the surface.
    for (int i = 0; i < 5; ++i) {
        const double x = 20 + i * 80;
        cairo_move_to(cr, x, 0);
        cairo_line_to(cr, x + 30, 0);
        cairo_line_to(cr, x + 70, 220);
        cairo_line_to(cr, x + 30, 220);
        cairo_close_path(cr);
        PaintFlat(cr, WHITE, 0.07);
    }
    FillGradientRect(cr, 0, 0, SCENE_WIDTH, 6, LIGHT_SHAFT_ICE, LIGHT_SHAFT_SKY);
    // Sand with a wavy top, pebbles and rocks.
    cairo_move_to(cr, 0, 222);
    cairo_curve_to(cr, 90, 208, 180, 232, 260, 216);
    cairo_curve_to(cr, 310, 208, 350, 218, SCENE_WIDTH, 212);
    cairo_line_to(cr, SCENE_WIDTH, SCENE_HEIGHT);
    cairo_line_to(cr, 0, SCENE_HEIGHT);
    cairo_close_path(cr);
    PaintShaded(cr, SEABED_SAND, 0);
    unsigned seed = 41;
    for (int i = 0; i < 40; ++i) {
        const double x = NextRandom(&seed) * SCENE_WIDTH, y = 232 + NextRandom(&seed) * 34;
        EllipsePath(cr, x, y, 2 + NextRandom(&seed) * 2, 1.4 + NextRandom(&seed));
        const Rgb pebble[3] = {CASTLE_TAN, SEABED_TAN, SEABED_SILVER};
        PaintFillThenOutline(cr, pebble[i % 3], 0.5);
    }
    EllipsePath(cr, 40, 226, 34, 16);
    EllipsePath(cr, 70, 232, 22, 12);
    PaintShaded(cr, SEABED_GREY, 1);
    DrawSeaweed(cr, 14, 230, 110, 8, SEAWEED_GREEN);
    DrawSeaweed(cr, 28, 230, 80, -6, SEAWEED_GREEN_2);
    DrawSeaweed(cr, 150, 230, 60, 6, SEAWEED_GREEN);
    DrawSeaweed(cr, 350, 226, 130, -9, SEAWEED_GREEN);
    DrawSeaweed(cr, 362, 226, 96, 7, SEAWEED_GREEN_3);
    DrawCastle(cr, 200, 228);
    DrawChest(cr, 300, 238);
    // Coral.
    for (int i = 0; i < 5; ++i) {
        const double a = -M_PI / 2 + (i - 2) * 0.38;
        LinePath(cr, 110, 230, 110 + std::cos(a) * 22, 230 + std::sin(a) * 22);
    }
    PaintLine(cr, CORAL_ROSE, 4);
    for (double y = 40; y < 200; y += 26) DrawBubble(cr, 200 + std::sin(y) * 3, y + 20, 2 + (200 - y) / 60);
    DrawBubble(cr, 330, 180, 3);
    DrawBubble(cr, 334, 162, 2.2);
    DrawFish(cr, 60, 70, 30, FISH_YELLOW, true);
    DrawFish(cr, 340, 40, 26, FISH_PURPLE, false);
    DrawFish(cr, 222, 170, 22, FISH_PINK, false);
    // The tiny fish is new in the changed copy.
    if (altered) {
        cairo_save(cr);
        cairo_translate(cr, smallFish.cx + 0.5, smallFish.cy + 0.5);
        cairo_scale(cr, 1, 0.62);  // slim, to fit the narrow strip of water
        DrawFish(cr, 0, 0, 11, FISH_ORANGE, false);
        cairo_restore(cr);
    }
    if (!altered) DrawJellyfish(cr, jelly.cx, jelly.cy - 2);
    // The eel swims a little way right.
    const double eelStart = eel.left + (altered ? 24 : 6);
    DrawEel(cr, eelStart, eelStart + 64, eel.cy, 0);
    // The clownfish turns round.
    DrawFish(cr, clown.cx, clown.cy, 26, FISH_ORANGE_2, altered);
    for (double dx : {-4.0, 3.0}) {
        LinePath(cr, clown.cx + (altered ? -dx : dx), clown.cy - 6.5, clown.cx + (altered ? -dx : dx), clown.cy + 6.5);
    }
    PaintLine(cr, WHITE, 2.2);
    DrawTurtle(cr, turtle.cx - 4, turtle.cy, altered ? TURTLE_ORANGE : TURTLE_GREEN);
}
