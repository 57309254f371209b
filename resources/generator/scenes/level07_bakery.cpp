// Level 7, on rose: inside a little bakery.
// A chalkboard menu, price tags and flour sacks keep the eye busy.
// Its five changes, in area order:
//   0. pastry (shape): the last croissant in the case is a donut.
//   1. baguette (position): the baguette slides right along the shelf.
//   2. cake (colour): the cake's icing turns from pink to dark chocolate.
//   3. pretzel (added): a pretzel joins the muffins.
//   4. jar (missing): the cookies are gone from the big jar.
#include "scenes/scenes.h"

#include <cmath>

namespace {

// The scene's palette.
constexpr Rgb BAGUETTE_TAN = {222, 160, 80};
constexpr Rgb BAGUETTE_SAND = {250, 220, 160};
constexpr Rgb CROISSANT_GOLD = {226, 160, 70};
constexpr Rgb DONUT_TAN = {214, 156, 84};
constexpr Rgb DONUT_PINK = {246, 140, 180};
constexpr Rgb DONUT_BROWN = {150, 96, 50};
constexpr Rgb PRETZEL_MAROON = {110, 60, 30};
constexpr Rgb PRETZEL_BROWN = {176, 104, 50};
constexpr Rgb COOKIE_JAR_ICE = {230, 244, 250};
constexpr Rgb COOKIE_JAR_TAN = {196, 140, 80};
constexpr Rgb COOKIE_JAR_DARK_BROWN = {80, 50, 30};
constexpr Rgb COOKIE_JAR_ROSE = {200, 80, 90};
constexpr Rgb TIER_CAKE_ICE = {220, 224, 230};
constexpr Rgb TIER_CAKE_CREAM = {250, 236, 210};
constexpr Rgb TIER_CAKE_RED = {220, 30, 40};
constexpr Rgb WALL_TOP_WHITE = {255, 244, 240};
constexpr Rgb WALL_FOOT_CREAM = {246, 226, 222};
constexpr Rgb WALL_STRIPE_ROSE = {250, 220, 220};
constexpr Rgb FLOOR_FAR_BROWN = {170, 112, 80};
constexpr Rgb FLOOR_NEAR_BROWN = {140, 90, 64};
constexpr Rgb SHOP_SIGN_BROWN = {120, 70, 60};
constexpr Rgb STAR_YELLOW = {250, 200, 70};
constexpr Rgb LAMP_CORD_PLUM = {90, 80, 80};
constexpr Rgb LAMP_GLOW_CREAM = {255, 240, 190};
constexpr Rgb LAMP_SHADE_GREEN = {90, 150, 140};
constexpr Rgb SHELF_FRAME_BROWN = {176, 120, 80};
constexpr Rgb SHELF_BACK_BROWN = {120, 78, 52};
constexpr Rgb SHELF_BOARD_TAN = {200, 146, 96};
constexpr Rgb LOAF_GOLD = {206, 140, 70};
constexpr Rgb LOAF_PEACH = {240, 200, 140};
constexpr Rgb MUFFIN_ROSE = {240, 120, 120};
constexpr Rgb MUFFIN_BROWN = {160, 100, 60};
constexpr Rgb DISPLAY_CASE_CREAM = {230, 220, 210};
constexpr Rgb DISPLAY_CASE_ROSE = {210, 120, 130};
constexpr Rgb DISPLAY_CASE_ICE = {236, 246, 250};
constexpr Rgb DISPLAY_CASE_SILVER = {200, 200, 206};
constexpr Rgb DISPLAY_CASE_SAND = {250, 220, 140};
constexpr Rgb DISPLAY_CASE_BROWN = {170, 110, 70};
constexpr Rgb TILL_SLATE = {90, 100, 120};
constexpr Rgb TILL_MINT = {160, 220, 190};
constexpr Rgb TIER_CAKE_BROWN = {120, 70, 40};
constexpr Rgb TIER_CAKE_PINK = {250, 170, 200};
constexpr Rgb TILL_ICE = {240, 240, 246};
constexpr Rgb TILL_YELLOW = {240, 200, 80};
constexpr Rgb CHALKBOARD_GREEN = {46, 70, 60};
constexpr Rgb CHALKBOARD_FRAME = {150, 100, 64};
constexpr Rgb CHALK_WHITE = {236, 240, 232};
constexpr Rgb PRICE_TAG_WHITE = {252, 250, 244};
constexpr Rgb SACK_BURLAP = {214, 190, 146};
constexpr Rgb SACK_TIE = {150, 100, 64};

// Baguette lying on a shelf, centred on cx, bottom at baseY.
void DrawBaguette(cairo_t* cr, double cx, double baseY, double length) {
    RoundedRectPath(cr, cx - length / 2, baseY - 7.5, length, 7, 3.5);
    PaintShaded(cr, BAGUETTE_TAN, 0.7);
    for (double x = cx - length / 2 + 8; x < cx + length / 2 - 6; x += 9) {
        LinePath(cr, x, baseY - 3, x + 5, baseY - 6.5);
    }
    PaintLine(cr, BAGUETTE_SAND, 1.2);
}

// Croissant: five crescent segments.
void DrawCroissant(cairo_t* cr, double cx, double cy) {
    const double xs[5] = {-10, -5.5, 0, 5.5, 10}, rs[5] = {3.2, 4.3, 5.6, 4.3, 3.2}, ys[5] = {3, 0.5, -0.5, 0.5, 3};
    for (int i = 0; i < 5; ++i) {
        EllipsePath(cr, cx + xs[i], cy + ys[i], rs[i], rs[i] * 0.95);
        PaintShaded(cr, CROISSANT_GOLD, 0.7);
    }
}

// Pink-glazed donut with sprinkles.
void DrawDonut(cairo_t* cr, double cx, double cy) {
    EllipsePath(cr, cx, cy, 11, 6.5);
    PaintShaded(cr, DONUT_TAN, 0.7);
    EllipsePath(cr, cx, cy - 0.8, 9.5, 5.2);
    PaintShaded(cr, DONUT_PINK, 0);
    EllipsePath(cr, cx, cy - 0.8, 3.2, 1.8);
    PaintFlat(cr, DONUT_BROWN);
    const double bits[6][2] = {{-6, -2}, {-4, 2}, {5, -2.5}, {6.5, 1.5}, {0, -4}, {1, 3.5}};
    for (const auto& bit : bits) LinePath(cr, cx + bit[0], cy + bit[1], cx + bit[0] + 1.4, cy + bit[1] - 0.6);
    PaintLine(cr, WHITE, 1);
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
        PaintLine(cr, pass == 0 ? PRETZEL_MAROON : PRETZEL_BROWN, pass == 0 ? 4.6 : 3);
    }
    for (const double dot : {-6.0, 0.0, 6.0}) {
        RectPath(cr, cx + dot - 0.6, cy - 4 + std::fabs(dot) * 0.3, 1.2, 1.2);
    }
    PaintFlat(cr, WHITE);
}

// Glass jar, full of cookies or empty.
void DrawCookieJar(cairo_t* cr, double cx, double baseY, double w, double h, bool full) {
    RoundedRectPath(cr, cx - w / 2, baseY - h, w, h, 6);
    PaintFlat(cr, COOKIE_JAR_ICE, 0.55);
    if (full) {
        for (int i = 0; i < 9; ++i) {
            const double x = cx - w / 2 + 7 + (i % 3) * ((w - 14) / 2), y = baseY - 6 - (i / 3) * 8 - (i % 2) * 1.5;
            EllipsePath(cr, x, y, 6, 4);
            PaintShaded(cr, COOKIE_JAR_TAN, 0.6);
            CirclePath(cr, x - 1.5, y - 0.8, 0.9);
            CirclePath(cr, x + 2, y + 0.5, 0.9);
            PaintFlat(cr, COOKIE_JAR_DARK_BROWN);
        }
    }
    RoundedRectPath(cr, cx - w / 2, baseY - h, w, h, 6);
    Use(cr, {120, 150, 170}, 0.9);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    RoundedRectPath(cr, cx - w / 2 + 3, baseY - h + 4, 3, h - 10, 1.5);
    PaintFlat(cr, WHITE, 0.7);
    RoundedRectPath(cr, cx - w / 2 - 1, baseY - h - 4, w + 2, 5, 2);
    PaintShaded(cr, COOKIE_JAR_ROSE, 0.7);
    EllipsePath(cr, cx, baseY - h - 5, 3, 2);
    PaintShaded(cr, COOKIE_JAR_ROSE, 0.6);
}

// Two-tier cake on a stand; icing hue is the change.
void DrawTierCake(cairo_t* cr, double cx, double baseY, Rgb icing) {
    RectPath(cr, cx - 2, baseY - 7, 4, 6);
    PaintShaded(cr, TIER_CAKE_ICE, 0.6);
    EllipsePath(cr, cx, baseY - 1.5, 9, 1.6);
    EllipsePath(cr, cx, baseY - 8, 18, 2);
    PaintShaded(cr, TIER_CAKE_ICE, 0.6);
    const double tiers[2][3] = {{15, 16, baseY - 9}, {10, 13, baseY - 25}};  // half width, height, bottom
    for (const auto& tier : tiers) {
        RectPath(cr, cx - tier[0], tier[2] - tier[1], tier[0] * 2, tier[1]);
        PaintShaded(cr, TIER_CAKE_CREAM, 0.8);
        cairo_move_to(cr, cx - tier[0], tier[2] - tier[1]);
        cairo_line_to(cr, cx + tier[0], tier[2] - tier[1]);
        for (double x = cx + tier[0]; x >= cx - tier[0] - 0.01; x -= tier[0] / 3) {
            cairo_line_to(cr, x, tier[2] - tier[1] + 5 + (static_cast<int>((x - cx) / tier[0] * 3 + 3) % 2) * 3);
        }
        cairo_close_path(cr);
        PaintShaded(cr, icing, 0.7);
    }
    CirclePath(cr, cx, baseY - 41, 2.8);
    PaintShaded(cr, TIER_CAKE_RED, 0.6);
}

// Chalkboard menu: three chalk lines of writing and a little loaf.
void DrawChalkboard(cairo_t* cr, double left, double top, double w, double h) {
    RectPath(cr, left, top, w, h);
    PaintShaded(cr, CHALKBOARD_FRAME, 1);
    RectPath(cr, left + 3, top + 3, w - 6, h - 6);
    PaintFlat(cr, CHALKBOARD_GREEN);
    for (int i = 0; i < 3; ++i) {
        const double y = top + 10 + i * 8;
        cairo_move_to(cr, left + 8, y);
        for (int step = 0; left + 8 + step * 4 < left + w - 22; ++step) {
            cairo_line_to(cr, left + 10 + step * 4, y + (step % 2 ? -1.2 : 1.2));
        }
    }
    PaintLine(cr, CHALK_WHITE, 0.9);
    EllipsePath(cr, left + w - 13, top + h / 2, 6, 4);
    Use(cr, CHALK_WHITE);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

// Sack of flour, tied at the neck.
void DrawFlourSack(cairo_t* cr, double cx, double baseY) {
    DropShadow(cr, cx, baseY, 12, 2.5);
    cairo_move_to(cr, cx - 10, baseY);
    cairo_curve_to(cr, cx - 13, baseY - 12, cx - 8, baseY - 20, cx - 4, baseY - 22);
    cairo_line_to(cr, cx + 4, baseY - 22);
    cairo_curve_to(cr, cx + 8, baseY - 20, cx + 13, baseY - 12, cx + 10, baseY);
    cairo_close_path(cr);
    PaintShaded(cr, SACK_BURLAP, 0.8);
    LinePath(cr, cx - 4, baseY - 20, cx + 4, baseY - 20);
    PaintLine(cr, SACK_TIE, 1.6);
    UseFont(cr, FONT_BOLD, 6);
    DrawTextCentered(cr, "FLOUR", cx, baseY - 9, {150, 100, 64});
}

// Wall with candy stripes and a wooden floor.
void DrawWallAndFloor(cairo_t* cr) {
    FillGradientRect(cr, 0, 0, SCENE_WIDTH, 240, WALL_TOP_WHITE, WALL_FOOT_CREAM);
    for (double x = 110; x < SCENE_WIDTH; x += 20) {
        RectPath(cr, x, 0, 8, 150);
        PaintFlat(cr, WALL_STRIPE_ROSE);
    }
    FillGradientRect(cr, 0, 236, SCENE_WIDTH, SCENE_HEIGHT - 236, FLOOR_FAR_BROWN, FLOOR_NEAR_BROWN);
}

// Shop sign with its stars, and the chalkboard menu under it.
void DrawSignAndMenu(cairo_t* cr) {
    RoundedRectPath(cr, 150, 12, 128, 30, 8);
    PaintShaded(cr, SHOP_SIGN_BROWN, 1.2);
    UseFont(cr, FONT_BOLD, 17);
    DrawTextCentered(cr, "CAKES", 214, 27, {255, 236, 200});
    DrawStar(cr, 164, 27, 5, STAR_YELLOW);
    DrawStar(cr, 264, 27, 5, STAR_YELLOW);
    DrawChalkboard(cr, 172, 50, 52, 38);
}

// Hanging lamps with their glow.
void DrawHangingLamps(cairo_t* cr) {
    for (double x : {150.0, 240.0, 330.0}) {
        LinePath(cr, x, 0, x, 60);
        PaintLine(cr, LAMP_CORD_PLUM, 1);
        EllipsePath(cr, x, 72, 16, 10);
        PaintFlat(cr, LAMP_GLOW_CREAM, 0.3);
        DomePath(cr, x, 70, 10);
        PaintShaded(cr, LAMP_SHADE_GREEN, 0.8);
    }
}

// Shelf unit on the left: its frame and four boards.
void DrawShelfUnit(cairo_t* cr, const SceneArea& baguette, const SceneArea& pretzel, const SceneArea& jar) {
    RectPath(cr, 0, 40, 100, 196);
    PaintShaded(cr, SHELF_FRAME_BROWN, 1);
    RectPath(cr, 4, 44, 92, 188);
    PaintFlat(cr, SHELF_BACK_BROWN);
    const double boards[4] = {baguette.bottom, pretzel.bottom, jar.bottom, 120};
    for (double y : boards) {
        RectPath(cr, 2, y - 1, 96, 5);
        PaintShaded(cr, SHELF_BOARD_TAN, 0.7);
    }
}

// What stands on the shelves, top to bottom: the baguette that slides along,
// loaves, muffins with the pretzel that joins them, the cookie jars, and the
// flour sacks on the floor.
void DrawShelfGoods(cairo_t* cr, const SceneArea& baguette, const SceneArea& pretzel, const SceneArea& jar,
                    bool altered) {
    DrawBaguette(cr, baguette.cx + (altered ? 10 : -10), baguette.bottom - 1.4, 58);
    for (double x : {22.0, 50.0, 78.0}) {
        EllipsePath(cr, x, 111, 11, 7.5);
        PaintShaded(cr, LOAF_GOLD, 0.8);
        LinePath(cr, x - 5, 108, x + 5, 108);
        PaintLine(cr, LOAF_PEACH, 1.2);
    }
    for (double x : {72.0, 88.0}) {
        cairo_move_to(cr, x - 6, pretzel.bottom - 2);
        cairo_line_to(cr, x - 7, pretzel.bottom - 10);
        cairo_line_to(cr, x + 7, pretzel.bottom - 10);
        cairo_line_to(cr, x + 6, pretzel.bottom - 2);
        cairo_close_path(cr);
        PaintShaded(cr, MUFFIN_ROSE, 0.6);
        EllipsePath(cr, x, pretzel.bottom - 11, 7.5, 5);
        PaintShaded(cr, MUFFIN_BROWN, 0.6);
    }
    if (altered) DrawPretzel(cr, pretzel.cx, pretzel.cy + 1);
    // The big cookie jar is emptied in the changed copy.
    DrawCookieJar(cr, jar.cx, jar.bottom - 3, 26, 34, !altered);
    DrawCookieJar(cr, 76, jar.bottom - 3, 20, 24, true);
    DrawFlourSack(cr, 26, 262);
    DrawFlourSack(cr, 54, 264);
}

// Counter with a glass display case and its two silver rails.
void DrawCounterAndCase(cairo_t* cr, const SceneArea& cake, const SceneArea& pastry) {
    RectPath(cr, 112, cake.bottom, SCENE_WIDTH - 112, 6);
    PaintShaded(cr, DISPLAY_CASE_CREAM, 1);
    RectPath(cr, 116, cake.bottom + 6, SCENE_WIDTH - 116, 90);
    PaintShaded(cr, DISPLAY_CASE_ROSE, 1.2);
    RectPath(cr, 124, pastry.top - 18, SCENE_WIDTH - 130, 52);
    PaintFlat(cr, DISPLAY_CASE_ICE);
    RectPath(cr, 124, pastry.bottom - 4, SCENE_WIDTH - 130, 3);
    PaintShaded(cr, DISPLAY_CASE_SILVER, 0.6);
    RectPath(cr, 124, pastry.bottom - 24, SCENE_WIDTH - 130, 2.5);
    PaintShaded(cr, DISPLAY_CASE_SILVER, 0.6);
}

// Pastries in the case, the last one a croissant (a donut in the changed
// copy), buns on the upper rail, price tags, and the glass over them.
void DrawPastries(cairo_t* cr, const SceneArea& pastry, bool altered) {
    for (int i = 0; i < 7; ++i) {
        const double x = 144 + i * 32;
        if (x < pastry.left - 8) {
            if (i % 2 == 0)
                DrawDonut(cr, x, pastry.bottom - 10);
            else
                DrawCroissant(cr, x, pastry.bottom - 10);
        }
        EllipsePath(cr, x, pastry.bottom - 29, 8, 4);
        PaintShaded(cr, i % 3 ? DISPLAY_CASE_SAND : DISPLAY_CASE_BROWN, 0.6);
    }
    if (altered)
        DrawDonut(cr, pastry.cx, pastry.bottom - 10);
    else
        DrawCroissant(cr, pastry.cx, pastry.bottom - 10);
    for (int i = 0; i < 7; ++i) {
        const double x = (144 + i * 32 < pastry.left - 8) ? 144 + i * 32 : pastry.cx;
        RectPath(cr, x - 4, pastry.bottom - 3, 8, 4.5);
        PaintFillThenOutline(cr, PRICE_TAG_WHITE, 0.5);
    }
    RectPath(cr, 124, pastry.top - 18, SCENE_WIDTH - 130, 52);
    Use(cr, WHITE, 0.12);
    cairo_fill(cr);
    LinePath(cr, 134, pastry.top - 14, 160, pastry.top - 14);
    PaintLine(cr, WHITE, 2);
}

// Till on the counter, the cake on its stand (its icing is the change) and a
// plate of buns.
void DrawTillAndCake(cairo_t* cr, const SceneArea& cake, bool chocolate) {
    RoundedRectPath(cr, 136, cake.bottom - 26, 44, 26, 4);
    PaintShaded(cr, TILL_SLATE, 1);
    RectPath(cr, 142, cake.bottom - 34, 30, 10);
    PaintShaded(cr, TILL_MINT, 0.8);
    for (int i = 0; i < 6; ++i) {
        RectPath(cr, 142 + (i % 3) * 10, cake.bottom - 20 + (i / 3) * 7, 7, 4);
    }
    PaintFlat(cr, TIER_CAKE_ICE);
    DrawTierCake(cr, cake.cx, cake.bottom - 3, chocolate ? TIER_CAKE_BROWN : TIER_CAKE_PINK);
    EllipsePath(cr, 220, cake.bottom - 6, 16, 4);
    PaintShaded(cr, TILL_ICE, 0.7);
    for (double x : {212.0, 222.0, 230.0}) {
        EllipsePath(cr, x, cake.bottom - 11, 5, 4);
        PaintShaded(cr, TILL_YELLOW, 0.6);
    }
}

}  // namespace

// Draws the scene; the changes only when altered is set.
void DrawBakeryScene(cairo_t* cr, bool altered) {
    const SceneArea pastry = AreaOf(7, 0), baguette = AreaOf(7, 1), cake = AreaOf(7, 2), pretzel = AreaOf(7, 3),
                    jar = AreaOf(7, 4);
    DrawWallAndFloor(cr);
    DrawSignAndMenu(cr);
    DrawHangingLamps(cr);
    DrawShelfUnit(cr, baguette, pretzel, jar);
    DrawShelfGoods(cr, baguette, pretzel, jar, altered);
    DrawCounterAndCase(cr, cake, pastry);
    DrawPastries(cr, pastry, altered);
    DrawTillAndCake(cr, cake, altered);
}
