// Level 13, on ice blue: a village in the snow.
// Its five changes, in area order:
//   0. icicles (size): the icicles along the eave are longer.
//   1. wreath (added): a wreath hangs on the cottage door.
//   2. snowman (size): the snowman is smaller.
//   3. robin (orientation): the robin turns its head to look back.
//   4. window (colour): the dark window glows with a dim lamp.
#include "scenes/scenes.h"

#include <cmath>

namespace {

// The scene's palette.
constexpr Rgb COTTAGE_WHITE = {250, 252, 255};
constexpr Rgb LEG_BROWN = {120, 80, 50};
constexpr Rgb ROBIN_TAIL_BROWN = {120, 84, 60};
constexpr Rgb ROBIN_BROWN = {130, 94, 66};
constexpr Rgb ROBIN_RED = {230, 90, 50};
constexpr Rgb ROBIN_GOLD = {240, 180, 60};
constexpr Rgb ROBIN_BLACK = {20, 20, 20};
constexpr Rgb SNOWMAN_BROWN = {110, 80, 50};
constexpr Rgb SNOWMAN_RED = {220, 50, 60};
constexpr Rgb SNOWMAN_CHARCOAL = {30, 30, 36};
constexpr Rgb SNOWMAN_ORANGE = {250, 140, 40};
constexpr Rgb FIR_SLATE = {50, 120, 90};
constexpr Rgb BACKDROP_SKY = {150, 190, 226};
constexpr Rgb BACKDROP_ICE = {226, 238, 248};
constexpr Rgb MOUNTAINS_BLUE = {180, 200, 226};
constexpr Rgb COTTAGE_ROSE = {220, 120, 100};
constexpr Rgb COTTAGE_PLUM = {90, 70, 90};
constexpr Rgb WINDOW_CREAM = {250, 246, 236};
constexpr Rgb WINDOW_YELLOW = {255, 210, 100};
constexpr Rgb WINDOW_NAVY = {50, 70, 110};
constexpr Rgb EAVE_BROWN = {110, 70, 50};
constexpr Rgb ICICLE_ICE = {210, 236, 250};
constexpr Rgb COTTAGE_SAND = {250, 220, 150};
constexpr Rgb COTTAGE_SLATE = {60, 90, 140};
constexpr Rgb SECOND_COTTAGE_SLATE = {60, 120, 90};
constexpr Rgb SECOND_COTTAGE_YELLOW = {250, 210, 80};
constexpr Rgb SECOND_COTTAGE_DARK_GREEN = {30, 100, 60};
constexpr Rgb SECOND_COTTAGE_RED = {230, 40, 40};
constexpr Rgb SNOW_WHITE = {244, 248, 252};
constexpr Rgb SNOW_ICE = {220, 228, 240};
constexpr Rgb WINDOW_DIM_AMBER = {160, 124, 80};
constexpr Rgb BRICK_LINE = {160, 78, 66};
constexpr Rgb TIMBER_BROWN = {150, 110, 70};
constexpr Rgb CHIMNEY_BRICK = {160, 80, 66};
constexpr Rgb SMOKE_GREY = {200, 206, 216};
constexpr Rgb FENCE_BROWN = {120, 84, 56};
constexpr Rgb POND_ICE = {170, 210, 236};
constexpr Rgb COAT_RED = {210, 60, 60};
constexpr Rgb COAT_BLUE = {60, 100, 190};
constexpr Rgb COAT_GREEN = {60, 150, 100};
constexpr Rgb SKIN_PEACH = {246, 200, 160};
constexpr Rgb HAT_YELLOW = {250, 200, 60};
constexpr Rgb SLEDGE_RED = {200, 50, 50};
constexpr Rgb CHURCH_STONE = {196, 190, 200};
constexpr Rgb CHURCH_SLATE = {90, 96, 120};
constexpr Rgb FAR_HOUSE_COLOURS[4] = {{210, 140, 110}, {230, 200, 140}, {170, 190, 210}, {200, 160, 180}};
constexpr Rgb LAMP_BLACK = {50, 50, 60};
constexpr Rgb FOOTPRINT_BLUE = {196, 208, 228};
constexpr Rgb TRACK_BLUE = {150, 170, 206};

// Cottage: wall, snow-laden roof, a door; eaveY is the roof's lower edge.
void DrawCottage(cairo_t* cr, double left, double right, double eaveY, double groundY, Rgb wall, Rgb roof) {
    const double cx = (left + right) / 2, apexY = eaveY - (right - left) * 0.4;
    RectPath(cr, left, eaveY, right - left, groundY - eaveY);
    PaintShaded(cr, wall, 1);
    cairo_move_to(cr, left - 8, eaveY);
    cairo_line_to(cr, cx, apexY);
    cairo_line_to(cr, right + 8, eaveY);
    cairo_close_path(cr);
    PaintShaded(cr, roof, 1);
    // Snow along the roof.
    cairo_move_to(cr, left - 9, eaveY - 1);
    cairo_line_to(cr, cx, apexY - 2);
    cairo_line_to(cr, right + 9, eaveY - 1);
    cairo_line_to(cr, right + 5, eaveY - 5);
    cairo_line_to(cr, cx, apexY + 5);
    cairo_line_to(cr, left - 5, eaveY - 5);
    cairo_close_path(cr);
    PaintShaded(cr, COTTAGE_WHITE, 0.6);
}

// Robin standing on the snow facing right, its head looking forward or back.
void DrawRobin(cairo_t* cr, double cx, double baseY, bool lookingBack) {
    cairo_save(cr);
    cairo_translate(cr, cx, baseY);
    LinePath(cr, -1.5, -3, -2, 0);
    LinePath(cr, 1.5, -3, 1, 0);
    PaintLine(cr, LEG_BROWN, 0.8);
    cairo_move_to(cr, -5, -8);
    cairo_line_to(cr, -10.3, -11);
    cairo_line_to(cr, -9.5, -7);
    cairo_close_path(cr);
    PaintShaded(cr, ROBIN_TAIL_BROWN, 0.6);
    EllipsePath(cr, -0.5, -7, 6.5, 4.8);
    PaintShaded(cr, ROBIN_BROWN, 0.7);
    EllipsePath(cr, 2.5, -7, 3.6, 3.2);
    PaintFlat(cr, ROBIN_RED);
    // The head sits over the shoulder; looking back it turns to face left.
    cairo_translate(cr, lookingBack ? 1.5 : 4, -11);
    if (lookingBack) cairo_scale(cr, -1, 1);
    EllipsePath(cr, 0, 0, 3.8, 3.6);
    PaintShaded(cr, ROBIN_BROWN, 0.7);
    cairo_move_to(cr, 3.5, -0.5);
    cairo_line_to(cr, 6, 0.2);
    cairo_line_to(cr, 3.5, 1);
    PaintFlat(cr, ROBIN_GOLD);
    CirclePath(cr, 1, -1, 0.8);
    PaintFlat(cr, ROBIN_BLACK);
    cairo_restore(cr);
}

// Snowman with a scarf and stick arms, drawn at scale about his base.
void DrawSnowman(cairo_t* cr, double cx, double baseY, double scale) {
    cairo_save(cr);
    cairo_translate(cr, cx, baseY);
    cairo_scale(cr, scale, scale);
    cairo_translate(cr, -cx, -baseY);
    DropShadow(cr, cx, baseY, 13, 2);
    LinePath(cr, cx - 7, baseY - 31, cx - 17, baseY - 38);
    LinePath(cr, cx + 7, baseY - 31, cx + 17, baseY - 39);
    LinePath(cr, cx - 14, baseY - 36, cx - 16, baseY - 41);
    PaintLine(cr, SNOWMAN_BROWN, 1.3);
    const double balls[3][2] = {{12, baseY - 12}, {8.5, baseY - 30}, {5.8, baseY - 41.5}};
    for (const auto& ball : balls) {
        CirclePath(cr, cx, ball[1], ball[0]);
        PaintShaded(cr, COTTAGE_WHITE, 0.8);
    }
    RoundedRectPath(cr, cx - 7, baseY - 37.5, 14, 3.5, 1.5);
    RectPath(cr, cx + 2, baseY - 36.5, 3.5, 9);
    PaintShaded(cr, SNOWMAN_RED, 0.5);
    CirclePath(cr, cx - 2.2, baseY - 43.5, 0.9);
    CirclePath(cr, cx + 2.2, baseY - 43.5, 0.9);
    for (double y : {baseY - 30, baseY - 25, baseY - 16})
        CirclePath(cr, cx, y, 1);
    PaintFlat(cr, SNOWMAN_CHARCOAL);
    cairo_move_to(cr, cx, baseY - 42);
    cairo_line_to(cr, cx + 6, baseY - 41);
    cairo_line_to(cr, cx, baseY - 40);
    cairo_close_path(cr);
    PaintFlat(cr, SNOWMAN_ORANGE);
    cairo_restore(cr);
}

// Snowy fir tree.
void DrawFir(cairo_t* cr, double cx, double baseY, double h) {
    RectPath(cr, cx - 2.5, baseY - h * 0.15, 5, h * 0.15);
    PaintShaded(cr, SNOWMAN_BROWN, 0.6);
    for (int i = 0; i < 3; ++i) {
        const double top = baseY - h + i * h * 0.22, bottom = top + h * 0.45, half = h * (0.2 + i * 0.07);
        cairo_move_to(cr, cx, top);
        cairo_line_to(cr, cx + half, bottom);
        cairo_line_to(cr, cx - half, bottom);
        cairo_close_path(cr);
        PaintShaded(cr, FIR_SLATE, 0.8);
        cairo_move_to(cr, cx, top);
        cairo_line_to(cr, cx + half * 0.45, top + h * 0.2);
        cairo_line_to(cr, cx - half * 0.45, top + h * 0.2);
        cairo_close_path(cr);
        PaintFlat(cr, COTTAGE_WHITE);
    }
}

// Rows of roof tiles over a cottage's roof (the triangle DrawCottage paints).
void DrawRoofTiles(cairo_t* cr, double left, double right, double eaveY, Rgb roof) {
    const double cx = (left + right) / 2, apexY = eaveY - (right - left) * 0.4;
    cairo_save(cr);
    cairo_move_to(cr, left - 8, eaveY);
    cairo_line_to(cr, cx, apexY);
    cairo_line_to(cr, right + 8, eaveY);
    cairo_close_path(cr);
    cairo_clip(cr);
    for (double y = eaveY - 3; y > apexY + 6; y -= 4) {
        LinePath(cr, left - 8, y, right + 8, y);
        for (double x = left - 8 + (static_cast<int>(eaveY - y) % 8 ? 3 : 0); x < right + 8; x += 6) LinePath(cr, x, y, x, y + 4);
    }
    PaintLine(cr, Lighter(roof, 0.5), 1);
    cairo_restore(cr);
}

// Chimney with a curl of smoke, standing on a roof at roofY.
void DrawChimney(cairo_t* cr, double x, double roofY) {
    for (int i = 0; i < 3; ++i) {
        EllipsePath(cr, x + 5 + i * 4, roofY - 20 - i * 7, 3 + i, 2.5 + i * 0.8);
    }
    PaintFlat(cr, SMOKE_GREY, 0.8);
    RectPath(cr, x, roofY - 14, 9, 14);
    PaintShaded(cr, CHIMNEY_BRICK, 0.8);
    RectPath(cr, x - 1, roofY - 16, 11, 3);
    PaintShaded(cr, COTTAGE_WHITE, 0.5);
}

// Mortar courses over a wall, every fifth pixel.
void DrawBrickLines(cairo_t* cr, double left, double top, double right, double bottom) {
    int row = 0;
    for (double y = top + 5; y < bottom; y += 5, ++row) {
        LinePath(cr, left, y, right, y);
        for (double x = left + (row % 2 ? 3 : 8); x < right; x += 10) LinePath(cr, x, y, x, y + 5);
    }
    PaintLine(cr, BRICK_LINE, 0.8);
}

// Fence of posts and two rails with snow on top, from x0 to x1 on baseY.
void DrawFence(cairo_t* cr, double x0, double x1, double baseY) {
    for (double y : {baseY - 11, baseY - 5}) LinePath(cr, x0, y, x1, y);
    PaintLine(cr, FENCE_BROWN, 1.6);
    for (double x = x0 + 2; x < x1; x += 9) {
        RectPath(cr, x - 1.5, baseY - 15, 3, 15);
        PaintShaded(cr, FENCE_BROWN, 0.5);
        EllipsePath(cr, x, baseY - 15.5, 2.4, 1.2);
        PaintFlat(cr, COTTAGE_WHITE);
    }
}

// Person in a winter coat and bobble hat, feet on footY.
void DrawWinterWalker(cairo_t* cr, double cx, double footY, Rgb coat, Rgb hat) {
    for (double side : {-1.0, 1.0}) LinePath(cr, cx, footY - 8, cx + side * 2.6, footY);
    PaintLine(cr, LEG_BROWN, 2);
    cairo_move_to(cr, cx - 3.5, footY - 19);
    cairo_line_to(cr, cx + 3.5, footY - 19);
    cairo_line_to(cr, cx + 5, footY - 7);
    cairo_line_to(cr, cx - 5, footY - 7);
    cairo_close_path(cr);
    PaintOutlineThenShadedFill(cr, coat, footY - 19, footY - 7, 0.6);
    LinePath(cr, cx - 4, footY - 16, cx + 4, footY - 16);
    PaintLine(cr, hat, 1.6);
    CirclePath(cr, cx, footY - 22, 3);
    PaintOutlineThenFill(cr, SKIN_PEACH, 0.6);
    DomePath(cr, cx, footY - 22.5, 3.3);
    PaintFlat(cr, hat);
    CirclePath(cr, cx, footY - 26.3, 1.3);
    PaintFlat(cr, COTTAGE_WHITE);
}

// Child on a red sledge, facing right.
void DrawSledge(cairo_t* cr, double left, double baseY) {
    LinePath(cr, left, baseY, left + 22, baseY);
    cairo_move_to(cr, left + 22, baseY);
    cairo_curve_to(cr, left + 26, baseY, left + 26, baseY - 4, left + 23, baseY - 4);
    PaintLine(cr, LAMP_BLACK, 1.2);
    RectPath(cr, left + 1, baseY - 5, 20, 3);
    PaintShaded(cr, SLEDGE_RED, 0.6);
    for (double x : {left + 4, left + 17}) LinePath(cr, x, baseY - 2, x, baseY);
    PaintLine(cr, LAMP_BLACK, 1);
    RoundedRectPath(cr, left + 6, baseY - 15, 8, 10, 2.5);
    PaintOutlineThenShadedFill(cr, COAT_GREEN, baseY - 15, baseY - 5, 0.6);
    LinePath(cr, left + 12, baseY - 8, left + 19, baseY - 6);
    PaintLine(cr, COAT_GREEN, 2);
    CirclePath(cr, left + 10, baseY - 18, 3);
    PaintOutlineThenFill(cr, SKIN_PEACH, 0.6);
    DomePath(cr, left + 10, baseY - 18.5, 3.3);
    PaintFlat(cr, COAT_RED);
}

// Frozen pond with a skater on it.
void DrawPond(cairo_t* cr, double cx, double cy, double rx, double ry) {
    EllipsePath(cr, cx, cy, rx, ry);
    PaintFillThenOutline(cr, POND_ICE, 1);
    for (int i = 0; i < 4; ++i) {
        const double y = cy - ry * 0.5 + i * ry * 0.3;
        LinePath(cr, cx - rx * 0.6 + i * 6, y, cx - rx * 0.3 + i * 9, y - 1.5);
    }
    PaintLine(cr, COTTAGE_WHITE, 0.9);
}

// Stone church with a steeple, its base on baseY.
void DrawChurch(cairo_t* cr, double left, double baseY) {
    RectPath(cr, left, baseY - 46, 30, 46);
    PaintShaded(cr, CHURCH_STONE, 1);
    DrawBrickLines(cr, left, baseY - 46, left + 30, baseY);
    RectPath(cr, left + 9, baseY - 80, 12, 34);
    PaintShaded(cr, CHURCH_STONE, 1);
    cairo_move_to(cr, left + 7, baseY - 80);
    cairo_line_to(cr, left + 15, baseY - 104);
    cairo_line_to(cr, left + 23, baseY - 80);
    cairo_close_path(cr);
    PaintShaded(cr, CHURCH_SLATE, 0.8);
    LinePath(cr, left + 15, baseY - 104, left + 15, baseY - 111);
    LinePath(cr, left + 12.5, baseY - 108, left + 17.5, baseY - 108);
    PaintLine(cr, LAMP_BLACK, 0.9);
    CirclePath(cr, left + 15, baseY - 68, 3.2);
    PaintFillThenOutline(cr, WINDOW_CREAM, 0.8);
    // The door: a real arc over straight jambs.
    cairo_new_sub_path(cr);
    cairo_arc(cr, left + 15, baseY - 30, 6, M_PI, 2 * M_PI);
    cairo_line_to(cr, left + 21, baseY);
    cairo_line_to(cr, left + 9, baseY);
    cairo_close_path(cr);
    PaintShaded(cr, EAVE_BROWN, 0.8);
}

// A little house far off, with one lit window and snow on the roof.
void DrawFarHouse(cairo_t* cr, double left, double baseY, double w, Rgb wall) {
    RectPath(cr, left, baseY - w * 0.7, w, w * 0.7);
    PaintShaded(cr, wall, 0.7);
    cairo_move_to(cr, left - 2, baseY - w * 0.7);
    cairo_line_to(cr, left + w / 2, baseY - w * 1.15);
    cairo_line_to(cr, left + w + 2, baseY - w * 0.7);
    cairo_close_path(cr);
    PaintShaded(cr, COTTAGE_WHITE, 0.7);
    RectPath(cr, left + w * 0.3, baseY - w * 0.5, w * 0.4, w * 0.3);
    PaintFillThenOutline(cr, WINDOW_YELLOW, 0.5);
}

// Street lamp with a warm glow.
void DrawLamp(cairo_t* cr, double x, double baseY) {
    RectPath(cr, x - 1.2, baseY - 44, 2.4, 44);
    PaintShaded(cr, LAMP_BLACK, 0.5);
    CirclePath(cr, x, baseY - 48, 7);
    PaintFlat(cr, WINDOW_YELLOW, 0.35);
    RoundedRectPath(cr, x - 3.5, baseY - 53, 7, 9, 1.5);
    PaintFillThenOutline(cr, WINDOW_YELLOW, 0.8);
    cairo_move_to(cr, x - 5, baseY - 53);
    cairo_line_to(cr, x, baseY - 57);
    cairo_line_to(cr, x + 5, baseY - 53);
    cairo_close_path(cr);
    PaintFlat(cr, LAMP_BLACK);
}

// Sky and the mountains far away, snow on their peaks.
void DrawSkyAndMountains(cairo_t* cr) {
    FillGradientRect(cr, 0, 0, SCENE_WIDTH, 190, BACKDROP_SKY, BACKDROP_ICE);
    cairo_move_to(cr, 0, 130);
    cairo_line_to(cr, 50, 80);
    cairo_line_to(cr, 90, 120);
    cairo_line_to(cr, 250, 70);
    cairo_line_to(cr, 330, 110);
    cairo_line_to(cr, 360, 90);
    cairo_line_to(cr, SCENE_WIDTH, 100);
    cairo_line_to(cr, SCENE_WIDTH, 190);
    cairo_line_to(cr, 0, 190);
    cairo_close_path(cr);
    PaintShaded(cr, MOUNTAINS_BLUE, 0.6);
    const double peaks[3][2] = {{50, 80}, {250, 70}, {360, 90}};
    for (const auto& peak : peaks) {
        cairo_move_to(cr, peak[0], peak[1]);
        cairo_line_to(cr, peak[0] + 12, peak[1] + 8);
        cairo_line_to(cr, peak[0] + 4, peak[1] + 6);
        cairo_line_to(cr, peak[0] - 3, peak[1] + 9);
        cairo_line_to(cr, peak[0] - 11, peak[1] + 8);
        cairo_close_path(cr);
        PaintFlat(cr, COTTAGE_WHITE);
    }
}

// The tall cottage, its eave where the icicles hang; the dark window in the
// area glows with a dim lamp in the changed copy.
void DrawTallCottage(cairo_t* cr, const SceneArea& icicles, const SceneArea& window, double eave, bool lampLit) {
    DrawChimney(cr, 170, 24);
    DrawCottage(cr, icicles.left - 20, icicles.right + 24, eave, 190, COTTAGE_ROSE, COTTAGE_PLUM);
    DrawRoofTiles(cr, icicles.left - 20, icicles.right + 24, eave - 5, COTTAGE_PLUM);
    DrawBrickLines(cr, icicles.left - 20, eave, icicles.right + 24, 190);
    DrawWindow(cr, window.left + 3, window.top + 3, window.w - 6, window.h - 6, WINDOW_CREAM,
               lampLit ? WINDOW_DIM_AMBER : WINDOW_NAVY);
    DrawWindow(cr, icicles.left - 8, window.top + 3, 19, 20, WINDOW_CREAM, WINDOW_YELLOW);
    DrawWindow(cr, icicles.left - 8, 118, 19, 22, WINDOW_CREAM, WINDOW_NAVY);
    DrawWindow(cr, window.left + 3, 118, 19, 22, WINDOW_CREAM, WINDOW_YELLOW);
    for (double x : {icicles.left - 9.0, window.left + 2.0}) {
        RoundedRectPath(cr, x, 139, 21, 3, 1.5);
        PaintFlat(cr, COTTAGE_WHITE);
    }
    RectPath(cr, icicles.cx - 12, 150, 20, 40);
    PaintShaded(cr, EAVE_BROWN, 1);
    for (double y = 156; y < 188; y += 8) LinePath(cr, icicles.cx - 10, y, icicles.cx + 6, y);
    PaintLine(cr, Darker(EAVE_BROWN, 0.3), 0.8);
}

// Icicles along the eave, longer in the changed copy.
void DrawIcicles(cairo_t* cr, const SceneArea& icicles, double eave, bool longer) {
    for (int i = 0; i < 6; ++i) {
        const double x = icicles.left + 5 + i * 4.6, len = (longer ? 5.5 : 1.8) + (i % 2) * 1.5;
        cairo_move_to(cr, x - 2.1, eave + 1);
        cairo_line_to(cr, x + 2.1, eave + 1);
        cairo_line_to(cr, x, eave + 1 + len);
        cairo_close_path(cr);
        PaintShaded(cr, ICICLE_ICE, 0.5);
    }
}

// Second cottage, timber-framed, with little icicles, its door and windows.
void DrawTimberCottage(cairo_t* cr, const SceneArea& wreath) {
    DrawChimney(cr, 245, 88);
    DrawCottage(cr, wreath.cx - 40, wreath.cx + 40, 102, 192, COTTAGE_SAND, COTTAGE_SLATE);
    DrawRoofTiles(cr, wreath.cx - 40, wreath.cx + 40, 97, COTTAGE_SLATE);
    for (double x = wreath.cx - 44; x < wreath.cx + 46; x += 5) {
        cairo_move_to(cr, x - 1.6, 103);
        cairo_line_to(cr, x + 1.6, 103);
        cairo_line_to(cr, x, 106 + (static_cast<int>(x) % 3));
        cairo_close_path(cr);
    }
    PaintShaded(cr, ICICLE_ICE, 0.4);
    for (double x = wreath.cx - 38; x < wreath.cx + 40; x += 12) LinePath(cr, x, 103, x, 191);
    LinePath(cr, wreath.cx - 40, 116, wreath.cx + 40, 116);
    LinePath(cr, wreath.cx - 40, 146, wreath.cx + 40, 146);
    PaintLine(cr, TIMBER_BROWN, 1.4);
    RectPath(cr, wreath.cx - 11, wreath.top + 2, 22, 192 - wreath.top - 2);
    PaintShaded(cr, SECOND_COTTAGE_SLATE, 1);
    for (double x : {wreath.cx - 5.5, wreath.cx + 5.5}) LinePath(cr, x, wreath.top + 4, x, 190);
    PaintLine(cr, Darker(SECOND_COTTAGE_SLATE, 0.3), 0.7);
    CirclePath(cr, wreath.cx + 7, 166, 1.5);
    PaintFlat(cr, SECOND_COTTAGE_YELLOW);
    for (double x : {wreath.cx - 32, wreath.cx + 18}) {
        DrawWindow(cr, x, 120, 14, 18, WINDOW_CREAM, WINDOW_YELLOW);
        RoundedRectPath(cr, x - 1, 137, 16, 2.5, 1);
        PaintFlat(cr, COTTAGE_WHITE);
    }
}

// The wreath on the door, with berries and a bow.
void DrawWreath(cairo_t* cr, const SceneArea& wreath) {
    const double wx = wreath.cx, wy = wreath.cy + 0.5;
    CirclePath(cr, wx, wy, 5.8);
    PaintLine(cr, SECOND_COTTAGE_DARK_GREEN, 4.2);
    for (int i = 0; i < 6; ++i) {
        const double a = i * M_PI / 3;
        CirclePath(cr, wx + std::cos(a) * 5.8, wy + std::sin(a) * 5.8, 1.2);
    }
    PaintFlat(cr, SECOND_COTTAGE_RED);
    cairo_move_to(cr, wx, wy + 5.8);
    cairo_line_to(cr, wx - 3.5, wy + 8.2);
    cairo_line_to(cr, wx + 3.5, wy + 8.2);
    cairo_close_path(cr);
    PaintFlat(cr, SECOND_COTTAGE_RED);
}

// Snowy ground, fir trees, fences and the trodden path to the door.
void DrawSnowyGround(cairo_t* cr, const SceneArea& wreath) {
    cairo_move_to(cr, 0, 186);
    cairo_curve_to(cr, 120, 178, 260, 196, SCENE_WIDTH, 182);
    cairo_line_to(cr, SCENE_WIDTH, SCENE_HEIGHT);
    cairo_line_to(cr, 0, SCENE_HEIGHT);
    cairo_close_path(cr);
    PaintShaded(cr, SNOW_WHITE, 0);
    DrawFir(cr, 40, 200, 90);
    DrawFir(cr, 80, 196, 60);
    DrawFir(cr, 356, 196, 70);
    DrawFir(cr, 104, 204, 40);
    DrawFence(cr, 0, 150, 222);
    DrawFence(cr, 256, SCENE_WIDTH, 210);
    cairo_move_to(cr, 150, SCENE_HEIGHT);
    cairo_curve_to(cr, 170, 230, 200, 210, wreath.cx, 192);
    PaintLine(cr, SNOW_ICE, 10);
    for (int i = 0; i < 8; ++i) {
        const double t = (i + 0.5) / 8;
        const double x = 152 + t * 66 + (i % 2 ? 2.5 : -2.5), y = 266 - t * 72;
        EllipsePath(cr, x, y, 1.1, 1.8, 0.6);
        PaintFlat(cr, FOOTPRINT_BLUE);
    }
}

// A lamp, the pond, walkers, the sledge and its tracks, snowballs, drifts.
void DrawVillagers(cairo_t* cr) {
    DrawLamp(cr, 270, 214);
    DrawPond(cr, 318, 244, 48, 16);
    DrawWinterWalker(cr, 330, 250, COAT_RED, HAT_YELLOW);
    DrawWinterWalker(cr, 194, 236, COAT_BLUE, COAT_RED);
    DrawWinterWalker(cr, 122, 256, COAT_GREEN, HAT_YELLOW);
    for (double offset : {0.0, 4.0}) {
        cairo_move_to(cr, 44, 251 + offset * 0.5);
        cairo_curve_to(cr, 20, 252 + offset, 8, 256 + offset, -4, 262 + offset);
        PaintLine(cr, TRACK_BLUE, 1.2);
    }
    DrawSledge(cr, 40, 250);
    for (int i = 0; i < 6; ++i) {
        CirclePath(cr, 150 + (i % 3) * 6 + (i > 2 ? 3 : 0), 246 - (i > 2 ? 5 : 0), 3);
    }
    PaintShaded(cr, COTTAGE_WHITE, 0.6);
    for (int i = 0; i < 5; ++i) {
        const double x = 30 + i * 70, y = 264 - (i % 2) * 40;
        cairo_move_to(cr, x - 14, y);
        cairo_curve_to(cr, x - 6, y - 4, x + 6, y - 4, x + 14, y);
        PaintLine(cr, TRACK_BLUE, 1);
    }
    for (double x : {18.0, 90.0}) {
        EllipsePath(cr, x, 238, 7, 3);
        PaintShaded(cr, SNOW_ICE, 0.6);
    }
}

// A plump robin, its head well inside the area.
void DrawPlumpRobin(cairo_t* cr, const SceneArea& robin, bool lookingBack) {
    cairo_save(cr);
    cairo_translate(cr, robin.cx, robin.bottom);
    cairo_scale(cr, 1.15, 1.15);
    DrawRobin(cr, 0, 0, lookingBack);
    cairo_restore(cr);
}

// Falling snow, clear of the areas.
void DrawFallingSnow(cairo_t* cr) {
    unsigned seed = 23;
    for (int i = 0; i < 600; ++i) {
        const double x = NextRandom(&seed) * SCENE_WIDTH, y = NextRandom(&seed) * SCENE_HEIGHT;
        const double r = 0.8 + NextRandom(&seed) * 0.6;
        if (NearAnArea(13, x, y, 3)) continue;
        CirclePath(cr, x, y, r);
        PaintFlat(cr, WHITE, 0.9);
    }
}

}  // namespace

// Draws the scene; the changes only when altered is set.
void DrawWinterScene(cairo_t* cr, bool altered) {
    const SceneArea icicles = AreaOf(13, 0), wreath = AreaOf(13, 1), snowman = AreaOf(13, 2), robin = AreaOf(13, 3),
                    window = AreaOf(13, 4);
    const double eave = icicles.top + 2;
    DrawSkyAndMountains(cr);
    // A village far off and its church.
    for (int i = 0; i < 5; ++i) DrawFarHouse(cr, 2 + i * 20, 176 - (i % 2) * 4, 14, FAR_HOUSE_COLOURS[i % 4]);
    DrawChurch(cr, 266, 186);
    DrawTallCottage(cr, icicles, window, eave, altered);
    DrawIcicles(cr, icicles, eave, altered);
    DrawTimberCottage(cr, wreath);
    if (altered) DrawWreath(cr, wreath);
    DrawSnowyGround(cr, wreath);
    DrawVillagers(cr);
    DrawSnowman(cr, snowman.cx, snowman.bottom - 3, altered ? 0.8 : 1);
    DrawPlumpRobin(cr, robin, altered);
    DrawFallingSnow(cr);
}
