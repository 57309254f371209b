// Level 4, on teal: inside an aquarium.
// A busier tank than the first levels: schools of little fish, a seahorse, a
// crab, shells and gravel give the eye more to search.
// Its five changes, in area order:
//   0. smallFish (added): a tiny red fish swims in.
//   1. clown (orientation): the clownfish turns round.
//   2. turtle (colour): the turtle's shell turns from dark green to light orange.
//   3. jelly (missing): the jellyfish by the bubbles is gone.
//   4. eel (position): the eel swims a little way right.
#include "scenes/scenes.h"

#include <cmath>

namespace {

// The scene's palette.
constexpr Rgb TURTLE_LEAF_GREEN = {150, 190, 110};
constexpr Rgb EYE_BLACK = {20, 20, 20};
constexpr Rgb JELLYFISH_TENTACLE_PINK = {230, 130, 190};
constexpr Rgb JELLYFISH_DOME_PINK = {248, 160, 210};
constexpr Rgb EEL_OLIVE = {120, 150, 60};
constexpr Rgb EEL_DARK_GREEN = {60, 80, 30};
constexpr Rgb EEL_SAND = {250, 240, 120};
constexpr Rgb CASTLE_TAN = {200, 170, 130};
constexpr Rgb CASTLE_RED = {190, 80, 70};
constexpr Rgb CASTLE_DOOR_CHARCOAL = {50, 40, 40};
constexpr Rgb CASTLE_WINDOW_CHARCOAL = {60, 50, 50};
constexpr Rgb CHEST_BROWN = {150, 92, 50};
constexpr Rgb CHEST_GOLD_YELLOW = {250, 206, 60};
constexpr Rgb CHEST_LOCK_YELLOW = {240, 200, 70};
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
constexpr Rgb SEAWEED_DARK_GREEN = {60, 170, 90};
constexpr Rgb SEAWEED_LEAF_GREEN = {90, 190, 80};
constexpr Rgb SEAWEED_LIGHT_GREEN = {100, 196, 90};
constexpr Rgb CORAL_ROSE = {240, 110, 110};
constexpr Rgb FISH_YELLOW = {250, 200, 60};
constexpr Rgb FISH_PURPLE = {120, 130, 240};
constexpr Rgb FISH_PINK = {250, 120, 170};
constexpr Rgb TINY_FISH_RED = {206, 64, 36};  // darker than the water, so it shows in grey
constexpr Rgb CLOWNFISH_ORANGE = {250, 120, 30};
constexpr Rgb TURTLE_ORANGE = {240, 166, 60};
constexpr Rgb TURTLE_GREEN = {70, 130, 80};
constexpr Rgb RIPPLE_TAN = {196, 168, 112};
constexpr Rgb STARFISH_ORANGE = {244, 130, 60};
constexpr Rgb STARFISH_PURPLE = {170, 90, 190};
constexpr Rgb SHELL_CREAM = {250, 226, 200};
constexpr Rgb SHELL_BROWN = {176, 120, 90};
constexpr Rgb SCHOOL_SILVER = {200, 214, 230};
constexpr Rgb SCHOOL_LEMON = {250, 230, 110};
constexpr Rgb AMPHORA_CLAY = {196, 104, 62};
constexpr Rgb AMPHORA_DARK = {90, 44, 30};
constexpr Rgb SNAIL_SHELL_BROWN = {150, 90, 60};
constexpr Rgb CRAB_RED = {220, 70, 50};
constexpr Rgb ANEMONE_PURPLE = {190, 110, 210};
constexpr Rgb SEAHORSE_YELLOW = {246, 190, 70};
constexpr Rgb ANGELFISH_BLUE = {90, 150, 230};
constexpr Rgb LITTLE_FISH_GREEN = {100, 196, 90};

// Swaying seaweed frond from its foot upwards.
void DrawSeaweed(cairo_t* cr, double x, double footY, double height, double sway, Rgb hue) {
    cairo_move_to(cr, x, footY);
    cairo_curve_to(cr, x + sway, footY - height * 0.35, x - sway, footY - height * 0.7, x + sway * 0.5, footY - height);
    PaintLine(cr, Darker(hue, 0.35), 6.5);
    cairo_move_to(cr, x, footY);
    cairo_curve_to(cr, x + sway, footY - height * 0.35, x - sway, footY - height * 0.7, x + sway * 0.5, footY - height);
    PaintLine(cr, hue, 4.5);
}

// Sea turtle swimming right; the shell's colour is the change, lighter as well
// as warmer so it shows in grey.
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
    CirclePath(cr, cx + 28, cy - 1.5, 1.2);
    PaintFlat(cr, EYE_BLACK);
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
    PaintLine(cr, JELLYFISH_TENTACLE_PINK, 1);
    // The bell: a real arc closed by a curve under it.
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy + 1, 8, M_PI, 2 * M_PI);
    cairo_curve_to(cr, cx + 6, cy + 3, cx - 6, cy + 3, cx - 8, cy + 1);
    cairo_close_path(cr);
    PaintShaded(cr, JELLYFISH_DOME_PINK, 0.8);
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
    cairo_set_line_width(cr, 8.5);
    cairo_stroke_preserve(cr);
    Use(cr, body);
    cairo_set_line_width(cr, 6.5);
    cairo_stroke(cr);
    for (double x = headX + 10; x < tailX - 4; x += 8) {
        CirclePath(cr, x, EelY(x, midY, phase) - 0.6, 1.1);
    }
    PaintFlat(cr, EEL_DARK_GREEN);
    const double headY = EelY(headX + 3, midY, phase);
    EllipsePath(cr, headX + 3, headY, 5.5, 4.5);
    PaintShaded(cr, body, 0.8);
    CirclePath(cr, headX + 2, headY - 1.2, 1);
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
    // The door: a real arc over straight jambs.
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, baseY - 14, 6, M_PI, 2 * M_PI);
    cairo_line_to(cr, cx + 6, baseY);
    cairo_line_to(cr, cx - 6, baseY);
    cairo_close_path(cr);
    PaintFlat(cr, CASTLE_DOOR_CHARCOAL);
    for (double tx : {cx - 22, cx + 22}) {
        RoundedRectPath(cr, tx - 2.5, baseY - 42, 5, 8, 2.5);
        PaintFlat(cr, CASTLE_WINDOW_CHARCOAL);
    }
}

// Treasure chest with its lid ajar and gold showing.
void DrawChest(cairo_t* cr, double cx, double baseY) {
    DropShadow(cr, cx, baseY, 24, 3);
    RectPath(cr, cx - 20, baseY - 20, 40, 20);
    PaintShaded(cr, CHEST_BROWN, 1);
    EllipsePath(cr, cx, baseY - 21, 17, 4);
    PaintShaded(cr, CHEST_GOLD_YELLOW, 0.7);
    cairo_move_to(cr, cx - 21, baseY - 22);
    cairo_line_to(cr, cx - 18, baseY - 34);
    cairo_line_to(cr, cx + 18, baseY - 34);
    cairo_line_to(cr, cx + 21, baseY - 22);
    cairo_line_to(cr, cx + 16, baseY - 29);
    cairo_line_to(cr, cx - 16, baseY - 29);
    cairo_close_path(cr);
    PaintShaded(cr, CHEST_BROWN, 1);
    RectPath(cr, cx - 3, baseY - 14, 6, 7);
    PaintShaded(cr, CHEST_LOCK_YELLOW, 0.7);
    for (double x : {cx - 14, cx + 14}) LinePath(cr, x, baseY - 20, x, baseY);
    PaintLine(cr, CHEST_DARK_BROWN, 1.4);
}

// Scallop shell: a fan with ridges, hinge down.
void DrawShell(cairo_t* cr, double cx, double baseY, double r) {
    // The fan: a real arc from the hinge.
    cairo_move_to(cr, cx, baseY);
    cairo_arc(cr, cx, baseY, r, M_PI * 1.1, M_PI * 1.9);
    cairo_close_path(cr);
    PaintShaded(cr, SHELL_CREAM, 0.7);
    for (double a = M_PI * 1.2; a < M_PI * 1.85; a += M_PI * 0.13) {
        LinePath(cr, cx, baseY, cx + std::cos(a) * r * 0.9, baseY + std::sin(a) * r * 0.9);
    }
    PaintLine(cr, SHELL_BROWN, 0.7);
}

// Clay jar lying on its side in the sand, mouth to the left.
void DrawAmphora(cairo_t* cr, double cx, double cy) {
    EllipsePath(cr, cx, cy, 15, 8.5);
    PaintShaded(cr, AMPHORA_CLAY, 0.9);
    RoundedRectPath(cr, cx - 23, cy - 4, 9, 8, 2);
    PaintShaded(cr, AMPHORA_CLAY, 0.8);
    EllipsePath(cr, cx - 23, cy, 1.8, 3.2);
    PaintFlat(cr, AMPHORA_DARK);
    for (double x : {cx - 5, cx + 5}) LinePath(cr, x, cy - 8, x, cy + 8);
    PaintLine(cr, Darker(AMPHORA_CLAY, 0.3), 1);
}

// Red crab sideways on the sand: shell, claws, legs and eyes on stalks.
void DrawCrab(cairo_t* cr, double cx, double baseY) {
    for (double side : {-1.0, 1.0}) {
        for (int i = 0; i < 3; ++i) {
            const double x = cx + side * (3 + i * 2.5);
            cairo_move_to(cr, x, baseY - 3);
            cairo_line_to(cr, x + side * 3, baseY - 5);
            cairo_line_to(cr, x + side * 4, baseY);
        }
        LinePath(cr, cx + side * 2, baseY - 7, cx + side * 2.5, baseY - 11);
    }
    PaintLine(cr, Darker(CRAB_RED, 0.25), 1);
    for (double side : {-1.0, 1.0}) {
        EllipsePath(cr, cx + side * 11, baseY - 9, 3, 2.4);
        PaintShaded(cr, CRAB_RED, 0.6);
        CirclePath(cr, cx + side * 2.5, baseY - 11.5, 1);
        PaintFlat(cr, EYE_BLACK);
    }
    EllipsePath(cr, cx, baseY - 5, 7, 4.5);
    PaintShaded(cr, CRAB_RED, 0.7);
}

// Sea anemone: a stubby foot and a crown of waving tentacles.
void DrawAnemone(cairo_t* cr, double cx, double baseY) {
    for (int i = 0; i < 7; ++i) {
        const double a = -M_PI / 2 + (i - 3) * 0.32, x = cx + (i - 3) * 1.8;
        cairo_move_to(cr, x, baseY - 5);
        cairo_curve_to(cr, x + std::cos(a) * 5, baseY - 5 + std::sin(a) * 5 - 2, x + std::cos(a) * 8 + 2,
                       baseY - 5 + std::sin(a) * 9, x + std::cos(a) * 10, baseY - 5 + std::sin(a) * 11);
    }
    PaintLine(cr, Darker(ANEMONE_PURPLE, 0.35), 2.6);
    for (int i = 0; i < 7; ++i) {
        const double a = -M_PI / 2 + (i - 3) * 0.32, x = cx + (i - 3) * 1.8;
        cairo_move_to(cr, x, baseY - 5);
        cairo_curve_to(cr, x + std::cos(a) * 5, baseY - 5 + std::sin(a) * 5 - 2, x + std::cos(a) * 8 + 2,
                       baseY - 5 + std::sin(a) * 9, x + std::cos(a) * 10, baseY - 5 + std::sin(a) * 11);
    }
    PaintLine(cr, ANEMONE_PURPLE, 1.4);
    RoundedRectPath(cr, cx - 6, baseY - 6, 12, 6, 2.5);
    PaintShaded(cr, Darker(ANEMONE_PURPLE, 0.2), 0.7);
}

// Upright seahorse facing left, its tail curled under it.
void DrawSeahorse(cairo_t* cr, double cx, double cy) {
    for (int pass = 0; pass < 2; ++pass) {
        cairo_move_to(cr, cx, cy - 10);
        cairo_curve_to(cr, cx + 6, cy - 6, cx + 5, cy + 4, cx + 1, cy + 8);
        cairo_curve_to(cr, cx - 2, cy + 12, cx + 1, cy + 16, cx + 4, cy + 14);
        cairo_curve_to(cr, cx + 6, cy + 12, cx + 4, cy + 10, cx + 2.5, cy + 11.5);
        PaintLine(cr, pass == 0 ? Darker(SEAHORSE_YELLOW, 0.45) : SEAHORSE_YELLOW, pass == 0 ? 6 : 4);
    }
    cairo_move_to(cr, cx + 4.5, cy - 4);
    cairo_line_to(cr, cx + 9, cy - 1);
    cairo_line_to(cr, cx + 5, cy + 3);
    cairo_close_path(cr);
    PaintShaded(cr, Darker(SEAHORSE_YELLOW, 0.1), 0.6);
    RoundedRectPath(cr, cx - 8, cy - 12, 7, 3.4, 1.5);
    PaintShaded(cr, SEAHORSE_YELLOW, 0.6);
    EllipsePath(cr, cx, cy - 11, 3.6, 3.2);
    PaintShaded(cr, SEAHORSE_YELLOW, 0.7);
    CirclePath(cr, cx - 0.8, cy - 11.5, 0.9);
    PaintFlat(cr, EYE_BLACK);
}

// A little school of fish swimming the same way, one behind the other.
void DrawSchool(cairo_t* cr, double x, double y, int count, double len, Rgb hue, bool facingRight) {
    for (int i = 0; i < count; ++i) {
        const double step = facingRight ? -len * 1.3 : len * 1.3;
        DrawFish(cr, x + i * step, y + ((i % 2) ? len * 0.6 : 0) - (i / 2) * 2, len, hue, facingRight);
    }
}

// Round orange clownfish with two white bands, filling its strip of water.
void DrawClownfish(cairo_t* cr, double cx, double cy, bool facingRight) {
    const double mirror = facingRight ? -1 : 1;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, 1, 1.15);
    DrawFish(cr, 0, 0, 26, CLOWNFISH_ORANGE, facingRight);
    for (double dx : {-5.0, 3.5}) LinePath(cr, dx * mirror, -7, dx * mirror, 7);
    PaintLine(cr, WHITE, 2.6);
    cairo_restore(cr);
}

// Rising bubbles: open circles with a glint.
void DrawBubble(cairo_t* cr, double cx, double cy, double r) {
    CirclePath(cr, cx, cy, r);
    PaintFlat(cr, BUBBLE_ICE, 0.25);
    CirclePath(cr, cx, cy, r);
    Use(cr, {235, 252, 255}, 0.8);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
    CirclePath(cr, cx - r * 0.35, cy - r * 0.35, r * 0.25);
    PaintFlat(cr, WHITE, 0.9);
}

// Water, light shafts from the surface and the surface itself.
void DrawWater(cairo_t* cr) {
    FillGradientRect(cr, 0, 0, SCENE_WIDTH, SCENE_HEIGHT, BACKDROP_SKY, BACKDROP_TEAL);
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
}

// Sand with a wavy top, the ripples the current leaves, pebbles and a rock.
void DrawSeabed(cairo_t* cr) {
    cairo_move_to(cr, 0, 222);
    cairo_curve_to(cr, 90, 208, 180, 232, 260, 216);
    cairo_curve_to(cr, 310, 208, 350, 218, SCENE_WIDTH, 212);
    cairo_line_to(cr, SCENE_WIDTH, SCENE_HEIGHT);
    cairo_line_to(cr, 0, SCENE_HEIGHT);
    cairo_close_path(cr);
    PaintShaded(cr, SEABED_SAND, 0);
    for (double y : {244.0, 256.0}) {
        for (double x = 8 + (y - 244) * 2; x < SCENE_WIDTH; x += 64) {
            cairo_move_to(cr, x, y);
            cairo_curve_to(cr, x + 8, y - 3, x + 16, y + 3, x + 24, y);
        }
    }
    PaintLine(cr, RIPPLE_TAN, 1);
    unsigned seed = 41;
    for (int i = 0; i < 80; ++i) {
        const double x = NextRandom(&seed) * SCENE_WIDTH, y = 232 + NextRandom(&seed) * 34;
        EllipsePath(cr, x, y, 2 + NextRandom(&seed) * 2, 1.4 + NextRandom(&seed));
        const Rgb pebble[3] = {CASTLE_TAN, SEABED_TAN, SEABED_SILVER};
        PaintFillThenOutline(cr, pebble[i % 3], 0.5);
    }
    EllipsePath(cr, 40, 226, 34, 16);
    EllipsePath(cr, 70, 232, 22, 12);
    PaintShaded(cr, SEABED_GREY, 1);
    // Cracks in the rock.
    cairo_move_to(cr, 22, 222);
    cairo_line_to(cr, 30, 228);
    cairo_line_to(cr, 28, 236);
    cairo_move_to(cr, 56, 230);
    cairo_line_to(cr, 64, 234);
    cairo_line_to(cr, 74, 231);
    PaintLine(cr, Darker(SEABED_GREY, 0.45), 0.9);
}

// Seaweed fronds along the bottom.
void DrawSeaweedBed(cairo_t* cr) {
    DrawSeaweed(cr, 14, 230, 110, 8, SEAWEED_DARK_GREEN);
    DrawSeaweed(cr, 28, 230, 80, -6, SEAWEED_LEAF_GREEN);
    DrawSeaweed(cr, 150, 230, 60, 6, SEAWEED_DARK_GREEN);
    DrawSeaweed(cr, 350, 226, 130, -9, SEAWEED_DARK_GREEN);
    DrawSeaweed(cr, 362, 226, 96, 7, SEAWEED_LIGHT_GREEN);
    DrawSeaweed(cr, 92, 232, 64, 5, SEAWEED_LEAF_GREEN);
    DrawSeaweed(cr, 240, 224, 84, -6, SEAWEED_LIGHT_GREEN);
    DrawSeaweed(cr, 254, 222, 58, 5, SEAWEED_DARK_GREEN);
    DrawSeaweed(cr, 336, 228, 70, 5, SEAWEED_LEAF_GREEN);
}

// The castle, the treasure chest with its spilt gold, and the clay jar.
void DrawOrnaments(cairo_t* cr) {
    DrawCastle(cr, 200, 228);
    DrawChest(cr, 300, 238);
    const double coins[][2] = {{274, 246}, {280, 250}, {322, 247}, {328, 251}, {316, 253}, {286, 254}};
    for (const auto& coin : coins) {
        EllipsePath(cr, coin[0], coin[1], 2.6, 1.7);
        PaintFillThenOutline(cr, CHEST_GOLD_YELLOW, 0.6);
    }
    DrawAmphora(cr, 256, 241);
}

// What lives on the bottom: crab, anemone, shells, starfish, a snail
// creeping over the rock, and coral.
void DrawBottomDwellers(cairo_t* cr) {
    DrawCrab(cr, 128, 260);
    DrawAnemone(cr, 62, 212);
    DrawShell(cr, 86, 256, 7);
    DrawShell(cr, 236, 262, 6);
    DrawShell(cr, 356, 250, 6.5);
    DrawStar(cr, 150, 248, 7, STARFISH_ORANGE, 0.3);
    DrawStar(cr, 330, 258, 6, STARFISH_PURPLE, -0.2);
    DrawStar(cr, 52, 214, 5.5, STARFISH_ORANGE, 0.1);
    EllipsePath(cr, 30, 211, 5, 4.5);
    PaintShaded(cr, SNAIL_SHELL_BROWN, 0.7);
    // The snail's spiral: a real arc.
    cairo_arc(cr, 30, 211, 2.4, 0, 1.5 * M_PI);
    PaintLine(cr, Darker(SNAIL_SHELL_BROWN, 0.4), 0.8);
    for (int i = 0; i < 5; ++i) {
        const double a = -M_PI / 2 + (i - 2) * 0.38;
        LinePath(cr, 110, 230, 110 + std::cos(a) * 22, 230 + std::sin(a) * 22);
    }
    PaintLine(cr, CORAL_ROSE, 4);
}

// Bubbles rising from the castle, by the seaweed and from the left.
void DrawRisingBubbles(cairo_t* cr) {
    for (double y = 40; y < 200; y += 26) DrawBubble(cr, 200 + std::sin(y) * 3, y + 20, 2 + (200 - y) / 60);
    DrawBubble(cr, 330, 180, 3);
    DrawBubble(cr, 334, 162, 2.2);
    for (double y = 30; y < 200; y += 22) DrawBubble(cr, 84 + std::sin(y * 0.7) * 2, y + 6, 1.6 + (200 - y) / 110);
}

// Fish and schools all over the tank, a jellyfish up high and the seahorse.
void DrawSwimmers(cairo_t* cr) {
    DrawFish(cr, 60, 70, 30, FISH_YELLOW, true);
    DrawFish(cr, 340, 40, 26, FISH_PURPLE, false);
    DrawFish(cr, 222, 170, 22, FISH_PINK, false);
    DrawSchool(cr, 256, 150, 4, 12, SCHOOL_SILVER, false);
    DrawSchool(cr, 58, 24, 3, 11, SCHOOL_LEMON, true);
    DrawJellyfish(cr, 262, 36);
    DrawSchool(cr, 300, 196, 3, 10, SCHOOL_LEMON, false);
    DrawSchool(cr, 48, 168, 3, 10, SCHOOL_SILVER, true);
    DrawSeahorse(cr, 164, 126);
    DrawFish(cr, 166, 78, 18, ANGELFISH_BLUE, true);
    DrawFish(cr, 26, 96, 14, LITTLE_FISH_GREEN, false);
}

// The tiny red fish, slim to fit the narrow strip of water.
void DrawTinyFish(cairo_t* cr, const SceneArea& smallFish) {
    cairo_save(cr);
    cairo_translate(cr, smallFish.cx + 0.5, smallFish.cy + 0.5);
    cairo_scale(cr, 1, 0.62);
    DrawFish(cr, 0, 0, 11, TINY_FISH_RED, false);
    cairo_restore(cr);
}

}  // namespace

// Draws the scene; the changes only when altered is set.
void DrawAquariumScene(cairo_t* cr, bool altered) {
    const SceneArea smallFish = AreaOf(4, 0), clown = AreaOf(4, 1), turtle = AreaOf(4, 2), jelly = AreaOf(4, 3),
                    eel = AreaOf(4, 4);
    DrawWater(cr);
    DrawSeabed(cr);
    DrawSeaweedBed(cr);
    DrawOrnaments(cr);
    DrawBottomDwellers(cr);
    DrawRisingBubbles(cr);
    DrawSwimmers(cr);
    // The tiny fish is new in the changed copy; the jellyfish is gone.
    if (altered) DrawTinyFish(cr, smallFish);
    if (!altered) DrawJellyfish(cr, jelly.cx, jelly.cy - 2);
    // The eel swims a little way right.
    const double eelStart = eel.left + (altered ? 24 : 6);
    DrawEel(cr, eelStart, eelStart + 64, eel.cy, 0);
    // The clownfish turns round.
    DrawClownfish(cr, clown.cx, clown.cy, altered);
    DrawTurtle(cr, turtle.cx - 4, turtle.cy, altered ? TURTLE_ORANGE : TURTLE_GREEN);
}
