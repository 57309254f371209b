// Level 12, on lavender: a birthday party.
// Its five changes, in area order:
//   0. bunting (colour): the A, R and T flags swap to other colours.
//   1. picture (orientation): the picture hangs crooked.
//   2. plate (missing): the slice of cake on the plate is eaten.
//   3. sweets (count): one sweet fewer lies on the floor.
//   4. cupcake (shape): the cupcake's cherry is a little candle.
#include "scenes/scenes.h"

#include <cmath>

namespace {

// The scene's palette.
constexpr Rgb SWEET_YELLOW = {250, 200, 60};
constexpr Rgb SWEET_ROSE = {236, 70, 140};
constexpr Rgb WALL_TOP_PINK = {252, 236, 244};
constexpr Rgb WALL_FOOT_PINK = {240, 220, 236};
constexpr Rgb FLOOR_FAR_MAUVE = {200, 160, 200};
constexpr Rgb FLOOR_NEAR_MAUVE = {170, 130, 176};
constexpr Rgb SKIRTING_WHITE = {250, 250, 250};
constexpr Rgb RIBBON_WHITE = {250, 250, 250};
constexpr Rgb BUNTING_RED = {230, 70, 80};
constexpr Rgb BUNTING_GOLD = {250, 180, 50};
constexpr Rgb BUNTING_GREEN = {80, 170, 110};
constexpr Rgb BUNTING_BLUE = {70, 130, 220};
constexpr Rgb BUNTING_PURPLE = {170, 90, 200};
constexpr Rgb BUNTING_TEAL = {60, 190, 200};
constexpr Rgb BUNTING_ORANGE = {240, 110, 40};
constexpr Rgb BUNTING_ROSE = {230, 70, 160};
constexpr Rgb BUNTING_YELLOW = {250, 220, 60};
constexpr Rgb BUNTING_GREY = {120, 100, 120};
constexpr Rgb FRAMED_PICTURE_GOLD = {200, 150, 70};
constexpr Rgb STAR_CREAM = {255, 255, 220};
constexpr Rgb FRAMED_PICTURE_SKY = {130, 200, 240};
constexpr Rgb FRAMED_PICTURE_ICE = {220, 240, 250};
constexpr Rgb FRAMED_PICTURE_YELLOW = {250, 200, 40};
constexpr Rgb FRAMED_PICTURE_GREEN = {100, 180, 90};
constexpr Rgb BALLOON_RED = {236, 70, 90};
constexpr Rgb BALLOON_BLUE = {80, 160, 230};
constexpr Rgb BALLOON_PURPLE = {140, 90, 210};
constexpr Rgb TABLECLOTH_WHITE = {250, 250, 252};
constexpr Rgb TABLECLOTH_PINK = {240, 140, 170};
constexpr Rgb TABLECLOTH_GREY = {170, 120, 90};
constexpr Rgb CAKE_ICE = {220, 224, 232};
constexpr Rgb CAKE_SAND = {250, 220, 180};
constexpr Rgb CAKE_SKY = {120, 190, 240};
constexpr Rgb CAKE_PINK = {250, 140, 170};
constexpr Rgb CAKE_YELLOW = {255, 190, 60};
constexpr Rgb PLATE_SLICE_RED = {220, 30, 40};
constexpr Rgb CUPS_SKY = {120, 200, 230};
constexpr Rgb CUPCAKE_STAND_SKY = {110, 170, 240};
constexpr Rgb CUPCAKE_STAND_WHITE = {252, 240, 246};
constexpr Rgb PRESENT_ROSE = {230, 80, 90};
constexpr Rgb PRESENT_YELLOW = {250, 210, 60};
constexpr Rgb PRESENT_BLUE = {80, 150, 230};
constexpr Rgb PRESENT_GOLD = {250, 190, 60};
constexpr Rgb RIBBON_MAGENTA = {200, 60, 150};
constexpr Rgb WALL_DOT_PINK = {232, 176, 206};
constexpr Rgb CONFETTI[5] = {{230, 70, 80}, {250, 190, 50}, {70, 130, 220}, {80, 170, 110}, {170, 90, 200}};
constexpr Rgb STREAMER_TEAL = {60, 180, 190};
constexpr Rgb STREAMER_ROSE = {236, 100, 160};
constexpr Rgb SKIN_PEACH = {246, 200, 160};
constexpr Rgb SKIN_BROWN = {170, 110, 70};
constexpr Rgb HAIR_BROWN = {100, 64, 40};
constexpr Rgb HAIR_BLACK = {40, 34, 40};
constexpr Rgb HAIR_GOLD = {230, 180, 80};
constexpr Rgb SHIRT_GREEN = {70, 170, 110};
constexpr Rgb SHIRT_ORANGE = {240, 140, 50};
constexpr Rgb DRESS_PURPLE = {150, 90, 200};
constexpr Rgb TROUSERS_NAVY = {50, 60, 110};
constexpr Rgb DOG_TAN = {200, 150, 90};
constexpr Rgb JUG_GLASS = {200, 230, 246};
constexpr Rgb JUICE_ORANGE = {250, 160, 50};
constexpr Rgb WINDOW_FRAME = {250, 250, 250};
constexpr Rgb WINDOW_NIGHT = {90, 110, 180};
constexpr Rgb CURTAIN_ROSE = {230, 110, 150};
constexpr Rgb INK_DARK = {52, 36, 48};

// Wrapped present with a ribbon cross and a bow.
void DrawPresent(cairo_t* cr, double cx, double baseY, double w, double h, Rgb paper, Rgb ribbon) {
    RectPath(cr, cx - w / 2, baseY - h, w, h);
    PaintShaded(cr, paper, 0.9);
    RectPath(cr, cx - 2, baseY - h, 4, h);
    RectPath(cr, cx - w / 2, baseY - h / 2 - 2, w, 4);
    PaintFlat(cr, ribbon);
    EllipsePath(cr, cx - 4, baseY - h - 2.5, 4, 2.5);
    EllipsePath(cr, cx + 4, baseY - h - 2.5, 4, 2.5);
    PaintShaded(cr, ribbon, 0.6);
}

// Wrapped sweet: a round middle with twisted ends.
void DrawSweet(cairo_t* cr, double cx, double cy, Rgb body) {
    for (double side : {-1.0, 1.0}) {
        cairo_move_to(cr, cx + side * 3, cy);
        cairo_line_to(cr, cx + side * 8, cy - 3.2);
        cairo_line_to(cr, cx + side * 8, cy + 3.2);
        cairo_close_path(cr);
        PaintShaded(cr, SWEET_YELLOW, 0.6);
    }
    EllipsePath(cr, cx, cy, 4.5, 3.4);
    PaintShaded(cr, body, 0.6);
    LinePath(cr, cx - 2, cy - 2.5, cx + 1, cy + 2.5);
    PaintLine(cr, WHITE, 0.9);
}

// A wrapped sweet drawn at a smaller scale.
void DrawSmallSweet(cairo_t* cr, double cx, double cy, double scale, Rgb body) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, scale, scale);
    DrawSweet(cr, 0, 0, body);
    cairo_restore(cr);
}

// Child standing on footY, party hat on, one arm up.
void DrawPartyChild(cairo_t* cr, double cx, double footY, Rgb skin, Rgb hair, Rgb shirt, Rgb hat, bool dress) {
    for (double side : {-1.0, 1.0}) LinePath(cr, cx + side * 2.2, footY - 10, cx + side * 2.8, footY);
    PaintLine(cr, dress ? skin : TROUSERS_NAVY, 2.4);
    LinePath(cr, cx + 4, footY - 20, cx + 9, footY - 27);
    LinePath(cr, cx - 4, footY - 20, cx - 7, footY - 13);
    PaintLine(cr, Darker(skin, 0.3), 2.6);
    LinePath(cr, cx + 4, footY - 20, cx + 9, footY - 27);
    LinePath(cr, cx - 4, footY - 20, cx - 7, footY - 13);
    PaintLine(cr, skin, 1.6);
    if (dress) {
        cairo_move_to(cr, cx - 3.5, footY - 22);
        cairo_line_to(cr, cx + 3.5, footY - 22);
        cairo_line_to(cr, cx + 6, footY - 9);
        cairo_line_to(cr, cx - 6, footY - 9);
        cairo_close_path(cr);
    } else {
        RoundedRectPath(cr, cx - 4.5, footY - 22, 9, 12, 2.5);
    }
    PaintOutlineThenShadedFill(cr, shirt, footY - 22, footY - 9, 0.6);
    CirclePath(cr, cx, footY - 26.5, 4.5);
    PaintOutlineThenFill(cr, skin, 0.6);
    DomePath(cr, cx, footY - 27, 4.7);
    PaintFlat(cr, hair);
    for (double side : {-1.0, 1.0}) {
        EllipsePath(cr, cx + side * 1.7, footY - 26, 0.7, 0.8);
    }
    PaintFlat(cr, INK_DARK);
    // The smile: a real arc.
    cairo_arc(cr, cx, footY - 25, 2, 0.4, M_PI - 0.4);
    PaintLine(cr, INK_DARK, 0.6);
    cairo_move_to(cr, cx - 3.5, footY - 30);
    cairo_line_to(cr, cx + 3.5, footY - 30);
    cairo_line_to(cr, cx + 0.5, footY - 39);
    cairo_close_path(cr);
    PaintFillThenOutline(cr, hat, 0.6);
    for (double y : {footY - 33, footY - 36}) {
        LinePath(cr, cx - 2.4 + (footY - 30 - y) * 0.33, y, cx + 2.6 - (footY - 30 - y) * 0.33, y);
    }
    PaintLine(cr, WHITE, 0.8);
    CirclePath(cr, cx + 0.5, footY - 39.5, 1.3);
    PaintFlat(cr, PRESENT_YELLOW);
}

// Party hat standing on the table.
void DrawPartyHat(cairo_t* cr, double cx, double baseY, Rgb paper) {
    cairo_move_to(cr, cx - 5, baseY);
    cairo_line_to(cr, cx + 5, baseY);
    cairo_line_to(cr, cx, baseY - 13);
    cairo_close_path(cr);
    PaintFillThenOutline(cr, paper, 0.6);
    for (double t : {0.3, 0.6}) LinePath(cr, cx - 5 * (1 - t), baseY - 13 * t, cx + 5 * (1 - t), baseY - 13 * t);
    PaintLine(cr, WHITE, 0.8);
    CirclePath(cr, cx, baseY - 13.5, 1.4);
    PaintFlat(cr, PRESENT_YELLOW);
}

// Crepe streamer hanging in swags across the top of the room.
void DrawStreamer(cairo_t* cr, double x0, double x1, double y, double sag, Rgb hue) {
    const int swags = 4;
    const double step = (x1 - x0) / swags;
    cairo_move_to(cr, x0, y);
    for (int i = 0; i < swags; ++i) {
        const double a = x0 + i * step;
        cairo_curve_to(cr, a + step * 0.3, y + sag, a + step * 0.7, y + sag, a + step, y);
    }
    PaintLine(cr, hue, 2.4);
    for (int i = 0; i <= swags; ++i) {
        CirclePath(cr, x0 + i * step, y, 2.2);
    }
    PaintFillThenOutline(cr, hue, 0.6);
}

// Glass jug of orange juice.
void DrawJug(cairo_t* cr, double cx, double baseY) {
    RectPath(cr, cx - 5, baseY - 9, 10, 8);
    PaintFlat(cr, JUICE_ORANGE);
    cairo_move_to(cr, cx - 5, baseY - 15);
    cairo_line_to(cr, cx + 5, baseY - 15);
    cairo_line_to(cr, cx + 5, baseY);
    cairo_line_to(cr, cx - 5, baseY);
    cairo_close_path(cr);
    Use(cr, Darker(JUG_GLASS, 0.4));
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
    // The handle: a real arc.
    cairo_arc(cr, cx + 5, baseY - 9, 3.5, -M_PI / 2, M_PI / 2);
    PaintLine(cr, Darker(JUG_GLASS, 0.4), 1);
}

// Small dog sitting, facing left.
void DrawSittingDog(cairo_t* cr, double cx, double footY) {
    CirclePath(cr, cx + 2, footY - 6, 6);
    PaintOutlineThenFill(cr, DOG_TAN, 0.6);
    EllipsePath(cr, cx - 3, footY - 14, 4.5, 4);
    PaintOutlineThenFill(cr, DOG_TAN, 0.6);
    EllipsePath(cr, cx - 2, footY - 17, 1.8, 3.2, 0.4);
    PaintFlat(cr, Darker(DOG_TAN, 0.35));
    CirclePath(cr, cx - 7, footY - 13.5, 1);
    CirclePath(cr, cx - 4, footY - 15, 0.7);
    PaintFlat(cr, INK_DARK);
    cairo_move_to(cr, cx + 8, footY - 4);
    cairo_curve_to(cr, cx + 12, footY - 6, cx + 12, footY - 10, cx + 10, footY - 12);
    PaintLine(cr, Darker(DOG_TAN, 0.35), 1.4);
}

// Window with the evening outside and tied curtains.
void DrawPartyWindow(cairo_t* cr, double x, double y, double w, double h) {
    DrawSkyWindow(cr, x, y, w, h, WINDOW_FRAME, WINDOW_NIGHT, Lighter(WINDOW_NIGHT, 0.4), 3);
    for (int i = 0; i < 5; ++i) {
        CirclePath(cr, x + 8 + i * 9, y + 8 + (i % 2) * 7, 0.9);
    }
    PaintFlat(cr, STAR_CREAM);
    DrawWindowBars(cr, x, y, w, h, WINDOW_FRAME, 2, 2);
    for (double side : {0.0, 1.0}) {
        const double edge = side == 0 ? x - 3 : x + w + 3, inward = side == 0 ? 1 : -1;
        cairo_move_to(cr, edge, y - 3);
        cairo_line_to(cr, edge + inward * 10, y - 3);
        cairo_curve_to(cr, edge + inward * 3, y + h * 0.5, edge + inward * 6, y + h * 0.7, edge + inward * 8, y + h + 2);
        cairo_line_to(cr, edge, y + h + 2);
        cairo_close_path(cr);
        PaintShaded(cr, CURTAIN_ROSE, 0.8);
    }
}

// Spotted wall, tiled floor and the skirting between them.
void DrawWallAndFloor(cairo_t* cr) {
    FillGradientRect(cr, 0, 0, SCENE_WIDTH, 200, WALL_TOP_PINK, WALL_FOOT_PINK);
    for (double y = 10; y < 200; y += 16) {
        for (double x = (static_cast<int>(y) % 32 == 10 ? 6 : 14); x < SCENE_WIDTH; x += 16) CirclePath(cr, x, y, 1.8);
    }
    PaintFlat(cr, WALL_DOT_PINK);
    FillGradientRect(cr, 0, 200, SCENE_WIDTH, SCENE_HEIGHT - 200, FLOOR_FAR_MAUVE, FLOOR_NEAR_MAUVE);
    for (double x = 0; x < SCENE_WIDTH; x += 24) {
        for (double y = 206; y < SCENE_HEIGHT; y += 16) {
            RectPath(cr, x + (static_cast<int>(y) % 32 == 14 ? 12 : 0), y, 12, 8);
        }
    }
    PaintFlat(cr, Darker(FLOOR_NEAR_MAUVE, 0.2));
    RectPath(cr, 0, 196, SCENE_WIDTH, 5);
    PaintShaded(cr, SKIRTING_WHITE, 0.6);
}

// Confetti across the wall and floor, kept off the areas.
void DrawConfettiScatter(cairo_t* cr) {
    unsigned seed = 71;
    for (int i = 0; i < 260; ++i) {
        const double x = NextRandom(&seed) * SCENE_WIDTH, y = 20 + NextRandom(&seed) * 248;
        const double angle = NextRandom(&seed) * M_PI;
        if (NearAnArea(12, x, y, 4)) continue;
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, angle);
        RectPath(cr, -1.6, -0.9, 3.2, 1.8);
        cairo_restore(cr);
        PaintFlat(cr, CONFETTI[i % 5]);
    }
}

// Bunting spelling PARTY; three of its flags change colour.
void DrawPartyBunting(cairo_t* cr, const SceneArea& bunting, bool recoloured) {
    const Rgb flagsA[5] = {BUNTING_RED, BUNTING_GOLD, BUNTING_GREEN, BUNTING_BLUE, BUNTING_PURPLE};
    const Rgb flagsB[5] = {BUNTING_RED, BUNTING_ROSE, BUNTING_YELLOW, BUNTING_TEAL, BUNTING_PURPLE};
    const char* letters[5] = {"P", "A", "R", "T", "Y"};
    const double flagW = 28, gap = (bunting.w - 12 - 5 * flagW) / 4;
    cairo_move_to(cr, bunting.left - 40, bunting.top + 4);
    cairo_curve_to(cr, bunting.left + 40, bunting.top + 12, bunting.right - 40, bunting.top + 12, bunting.right + 40,
                   bunting.top + 4);
    PaintLine(cr, BUNTING_GREY, 1);
    for (int i = 0; i < 5; ++i) {
        const double x = bunting.left + 6 + i * (flagW + gap), top = bunting.top + 8 + (i == 0 || i == 4 ? 0 : 2);
        cairo_move_to(cr, x, top);
        cairo_line_to(cr, x + flagW, top);
        cairo_line_to(cr, x + flagW / 2, top + 36);
        cairo_close_path(cr);
        PaintShaded(cr, recoloured ? flagsB[i] : flagsA[i], 0.8);
        UseFont(cr, FONT_BOLD, 14);
        DrawTextCentered(cr, letters[i], x + flagW / 2, top + 11, WHITE);
    }
}

// Framed picture on the wall; it hangs crooked in the changed copy.
void DrawHangingPicture(cairo_t* cr, const SceneArea& picture, bool crooked) {
    cairo_save(cr);
    cairo_translate(cr, picture.cx, picture.cy);
    cairo_rotate(cr, crooked ? 0.05 : 0);
    const double frameW = picture.w - 8, frameH = picture.h - 10;
    RectPath(cr, -frameW / 2, -frameH / 2, frameW, frameH);
    PaintShaded(cr, FRAMED_PICTURE_GOLD, 1);
    const double px = -frameW / 2 + 4, py = -frameH / 2 + 4, pw = frameW - 8, ph = frameH - 8;
    FillGradientRect(cr, px, py, pw, ph, FRAMED_PICTURE_SKY, FRAMED_PICTURE_ICE);
    CirclePath(cr, px + pw - 6, py + 4.5, 3);
    PaintFlat(cr, FRAMED_PICTURE_YELLOW);
    cairo_move_to(cr, px, py + ph);
    cairo_curve_to(cr, px + 8, py + ph - 9, px + 16, py + ph - 4, px + pw, py + ph - 7);
    cairo_line_to(cr, px + pw, py + ph);
    cairo_close_path(cr);
    PaintFlat(cr, FRAMED_PICTURE_GREEN);
    cairo_restore(cr);
}

// Balloons tied behind the table and by the door.
void DrawBalloons(cairo_t* cr) {
    DrawBalloon(cr, 290, 54, 14, BALLOON_RED, 70);
    DrawBalloon(cr, 318, 40, 13, BALLOON_BLUE, 84);
    DrawBalloon(cr, 344, 62, 12, SWEET_YELLOW, 66);
    DrawBalloon(cr, 364, 36, 10, BALLOON_PURPLE, 90);
    DrawBalloon(cr, 30, 40, 12, BALLOON_PURPLE, 40);
    DrawBalloon(cr, 50, 60, 10, BALLOON_RED, 30);
}

// Table with its cloth and legs.
void DrawTable(cairo_t* cr, double tableTop) {
    RectPath(cr, 84, tableTop, 206, 8);
    PaintShaded(cr, TABLECLOTH_WHITE, 1);
    cairo_move_to(cr, 84, tableTop + 8);
    for (double x = 84; x <= 290; x += 12.875) cairo_line_to(cr, x, tableTop + 8 + (static_cast<int>((x - 84) / 12.875) % 2) * 6);
    cairo_line_to(cr, 290, tableTop + 8);
    cairo_close_path(cr);
    PaintShaded(cr, TABLECLOTH_PINK, 0.8);
    for (double x : {94.0, 276.0}) {
        RectPath(cr, x, tableTop + 12, 6, 198 - tableTop);
        PaintShaded(cr, TABLECLOTH_GREY, 0.8);
    }
}

// The birthday cake with its icing, sprinkles and five candles.
void DrawBirthdayCake(cairo_t* cr, double tableTop) {
    const double cakeX = 150;
    EllipsePath(cr, cakeX, tableTop - 1, 32, 4);
    PaintShaded(cr, CAKE_ICE, 0.7);
    RectPath(cr, cakeX - 26, tableTop - 26, 52, 24);
    PaintShaded(cr, CAKE_SAND, 1);
    RectPath(cr, cakeX - 26, tableTop - 18, 52, 4);
    PaintFlat(cr, TABLECLOTH_PINK);
    cairo_move_to(cr, cakeX - 27, tableTop - 27);
    cairo_line_to(cr, cakeX + 27, tableTop - 27);
    for (double x = cakeX + 27; x >= cakeX - 27; x -= 9) cairo_line_to(cr, x, tableTop - 21 + (static_cast<int>((x - cakeX) / 9) % 2 ? 3 : 0));
    cairo_close_path(cr);
    PaintShaded(cr, TABLECLOTH_WHITE, 0.8);
    for (double x = cakeX - 22; x < cakeX + 24; x += 6) {
        CirclePath(cr, x, tableTop - 8, 1);
        PaintFlat(cr, CONFETTI[static_cast<int>(x) % 5]);
    }
    for (int i = 0; i < 5; ++i) {
        const double x = cakeX - 16 + i * 8;
        RectPath(cr, x - 1.5, tableTop - 38, 3, 11);
        PaintShaded(cr, i % 2 ? CAKE_SKY : CAKE_PINK, 0.5);
        EllipsePath(cr, x, tableTop - 41, 1.8, 3);
        PaintFlat(cr, CAKE_YELLOW);
    }
}

// Plates: one with a slice of cake on it, eaten up in the changed copy.
void DrawPlates(cairo_t* cr, const SceneArea& plate, bool eaten) {
    EllipsePath(cr, plate.cx, plate.bottom - 5, 16, 3.6);
    PaintShaded(cr, TABLECLOTH_WHITE, 0.7);
    if (!eaten) {
        RectPath(cr, plate.cx - 9, plate.bottom - 12, 18, 6);
        PaintShaded(cr, CAKE_SAND, 0.7);
        RectPath(cr, plate.cx - 9, plate.bottom - 10, 18, 1.6);
        PaintFlat(cr, TABLECLOTH_PINK);
        cairo_move_to(cr, plate.cx - 9, plate.bottom - 12);
        cairo_line_to(cr, plate.cx + 9, plate.bottom - 12);
        cairo_line_to(cr, plate.cx + 9, plate.bottom - 14.5);
        cairo_close_path(cr);
        PaintShaded(cr, TABLECLOTH_WHITE, 0.6);
        CirclePath(cr, plate.cx + 5, plate.bottom - 14.2, 1.8);
        PaintShaded(cr, PLATE_SLICE_RED, 0.4);
    }
    EllipsePath(cr, 112, plate.bottom - 5, 12, 3);
    PaintShaded(cr, TABLECLOTH_WHITE, 0.7);
    LinePath(cr, 104, plate.bottom - 6, 118, plate.bottom - 8);
    PaintLine(cr, CAKE_ICE, 1.2);
}

// Cups with straws, hats and a jug of juice.
void DrawCupsAndJug(cairo_t* cr, double tableTop) {
    for (double x : {190.0, 262.0}) {
        cairo_move_to(cr, x - 5, tableTop - 12);
        cairo_line_to(cr, x + 5, tableTop - 12);
        cairo_line_to(cr, x + 4, tableTop - 1);
        cairo_line_to(cr, x - 4, tableTop - 1);
        cairo_close_path(cr);
        PaintShaded(cr, CUPS_SKY, 0.7);
        LinePath(cr, x + 1, tableTop - 18, x + 2, tableTop - 8);
        PaintLine(cr, STREAMER_ROSE, 1);
    }
    DrawPartyHat(cr, 96, tableTop - 1, STREAMER_TEAL);
    DrawPartyHat(cr, 200, tableTop - 1, BUNTING_ORANGE);
    DrawJug(cr, 278, tableTop - 1);
}

// Side stand with the cupcake: cherry on top, or a little candle in the
// changed copy.
void DrawCupcakeStand(cairo_t* cr, const SceneArea& cupcake, bool candle) {
    RectPath(cr, cupcake.cx - 14, cupcake.bottom, 28, 4);
    PaintShaded(cr, TABLECLOTH_GREY, 0.8);
    RectPath(cr, cupcake.cx - 2, cupcake.bottom + 4, 4, 194 - cupcake.bottom - 4);
    PaintShaded(cr, TABLECLOTH_GREY, 0.8);
    EllipsePath(cr, cupcake.cx, 196, 10, 2.5);
    PaintShaded(cr, TABLECLOTH_GREY, 0.8);
    cairo_move_to(cr, cupcake.cx - 3.5, cupcake.bottom);
    cairo_line_to(cr, cupcake.cx - 4.2, cupcake.bottom - 4.5);
    cairo_line_to(cr, cupcake.cx + 4.2, cupcake.bottom - 4.5);
    cairo_line_to(cr, cupcake.cx + 3.5, cupcake.bottom);
    cairo_close_path(cr);
    PaintShaded(cr, CUPCAKE_STAND_SKY, 0.5);
    EllipsePath(cr, cupcake.cx, cupcake.bottom - 5.5, 4.2, 2.4);
    PaintShaded(cr, CUPCAKE_STAND_WHITE, 0.5);
    if (candle) {
        // A pink candle, between the cherry and the wall in lightness, and a
        // deep orange flame, so the change reads in grey too.
        RectPath(cr, cupcake.cx - 1.5, cupcake.top + 5.5, 3, 6);
        PaintShaded(cr, CAKE_PINK, 0.3);
        EllipsePath(cr, cupcake.cx, cupcake.top + 4.2, 1.6, 1.9);
        PaintFlat(cr, BUNTING_ORANGE);
    } else {
        CirclePath(cr, cupcake.cx, cupcake.top + 8.3, 2.6);
        PaintShaded(cr, PLATE_SLICE_RED, 0.4);
    }
}

// Presents on the floor, the children and the dog.
void DrawPresentsAndGuests(cairo_t* cr) {
    DrawPresent(cr, 40, 222, 34, 26, PRESENT_ROSE, PRESENT_YELLOW);
    DrawPresent(cr, 70, 224, 22, 18, PRESENT_BLUE, RIBBON_WHITE);
    DrawPresent(cr, 340, 236, 30, 22, PRESENT_GOLD, RIBBON_MAGENTA);
    DrawPresent(cr, 362, 250, 20, 16, BUNTING_GREEN, PRESENT_YELLOW);
    DrawPartyChild(cr, 106, 262, SKIN_PEACH, HAIR_BROWN, SHIRT_GREEN, BUNTING_BLUE, false);
    DrawPartyChild(cr, 186, 264, SKIN_BROWN, HAIR_BLACK, DRESS_PURPLE, BUNTING_GOLD, true);
    DrawPartyChild(cr, 262, 262, SKIN_PEACH, HAIR_GOLD, SHIRT_ORANGE, BUNTING_RED, false);
    DrawSittingDog(cr, 226, 226);
}

}  // namespace

// Draws the scene; the changes only when altered is set.
void DrawPartyScene(cairo_t* cr, bool altered) {
    const SceneArea bunting = AreaOf(12, 0), picture = AreaOf(12, 1), plate = AreaOf(12, 2), sweets = AreaOf(12, 3),
                    cupcake = AreaOf(12, 4);
    const double tableTop = plate.bottom;
    DrawWallAndFloor(cr);
    DrawStreamer(cr, 0, SCENE_WIDTH, 4, 16, STREAMER_TEAL);
    DrawStreamer(cr, -20, SCENE_WIDTH + 20, 10, 12, STREAMER_ROSE);
    DrawPartyWindow(cr, 298, 84, 50, 42);
    DrawConfettiScatter(cr);
    DrawPartyBunting(cr, bunting, altered);
    DrawHangingPicture(cr, picture, altered);
    DrawBalloons(cr);
    DrawTable(cr, tableTop);
    DrawBirthdayCake(cr, tableTop);
    DrawPlates(cr, plate, altered);
    DrawCupsAndJug(cr, tableTop);
    DrawCupcakeStand(cr, cupcake, altered);
    DrawPresentsAndGuests(cr);
    // One sweet fewer on the floor in the changed copy.
    DrawSmallSweet(cr, sweets.cx - 8, sweets.cy + 4.5, 0.8, SWEET_ROSE);
    DrawSmallSweet(cr, sweets.cx + 8, sweets.cy + 4.5, 0.8, SWEET_ROSE);
    if (!altered) DrawSmallSweet(cr, sweets.cx, sweets.cy - 1, 0.8, TROUSERS_NAVY);
}
