// Level 13, on ice blue: a village in the snow.
// Its five changes, in area order:
//   0. icicles: the icicles along the eave are longer.
//   1. wreath: a wreath hangs on the cottage door.
//   2. snowman: the snowman is gone.
//   3. robin: the robin looks the other way.
//   4. window: the dark window is lit.
#include "scene_kit.h"

#include <cmath>

namespace {

// The scene's palette.
constexpr Rgb COTTAGE_WHITE = {250, 252, 255};
constexpr Rgb ROBIN_BROWN = {120, 80, 50};
constexpr Rgb ROBIN_BROWN_2 = {120, 84, 60};
constexpr Rgb ROBIN_BROWN_3 = {130, 94, 66};
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

// Robin standing on the snow, looking towards facing (+1 right).
void DrawRobin(cairo_t* cr, double cx, double baseY, double facing) {
    cairo_save(cr);
    cairo_translate(cr, cx, baseY);
    cairo_scale(cr, facing, 1);
    LinePath(cr, -1.5, -3, -2, 0);
    LinePath(cr, 1.5, -3, 1, 0);
    PaintLine(cr, ROBIN_BROWN, 0.8);
    cairo_move_to(cr, -5, -8);
    cairo_line_to(cr, -10.3, -11);
    cairo_line_to(cr, -9.5, -7);
    cairo_close_path(cr);
    PaintShaded(cr, ROBIN_BROWN_2, 0.6);
    EllipsePath(cr, -0.5, -7, 6.5, 4.8);
    PaintShaded(cr, ROBIN_BROWN_3, 0.7);
    EllipsePath(cr, 4, -11, 3.8, 3.6);
    PaintShaded(cr, ROBIN_BROWN_3, 0.7);
    EllipsePath(cr, 2.5, -7, 3.6, 3.2);
    PaintFlat(cr, ROBIN_RED);
    cairo_move_to(cr, 7.5, -11.5);
    cairo_line_to(cr, 10, -10.8);
    cairo_line_to(cr, 7.5, -10);
    PaintFlat(cr, ROBIN_GOLD);
    EllipsePath(cr, 5, -12, 0.8, 0.8);
    PaintFlat(cr, ROBIN_BLACK);
    cairo_restore(cr);
}

// Snowman with a scarf and stick arms.
void DrawSnowman(cairo_t* cr, double cx, double baseY) {
    DropShadow(cr, cx, baseY, 13, 2);
    LinePath(cr, cx - 7, baseY - 31, cx - 17, baseY - 38);
    LinePath(cr, cx + 7, baseY - 31, cx + 17, baseY - 39);
    LinePath(cr, cx - 14, baseY - 36, cx - 16, baseY - 41);
    PaintLine(cr, SNOWMAN_BROWN, 1.3);
    const double balls[3][2] = {{12, baseY - 12}, {8.5, baseY - 30}, {5.8, baseY - 41.5}};
    for (const auto& ball : balls) {
        EllipsePath(cr, cx, ball[1], ball[0], ball[0]);
        PaintShaded(cr, COTTAGE_WHITE, 0.8);
    }
    RoundedRectPath(cr, cx - 7, baseY - 37.5, 14, 3.5, 1.5);
    RectPath(cr, cx + 2, baseY - 36.5, 3.5, 9);
    PaintShaded(cr, SNOWMAN_RED, 0.5);
    EllipsePath(cr, cx - 2.2, baseY - 43.5, 0.9, 0.9);
    EllipsePath(cr, cx + 2.2, baseY - 43.5, 0.9, 0.9);
    for (double y : {baseY - 30, baseY - 25, baseY - 16})
        EllipsePath(cr, cx, y, 1, 1);
    PaintFlat(cr, SNOWMAN_CHARCOAL);
    cairo_move_to(cr, cx, baseY - 42);
    cairo_line_to(cr, cx + 6, baseY - 41);
    cairo_line_to(cr, cx, baseY - 40);
    cairo_close_path(cr);
    PaintFlat(cr, SNOWMAN_ORANGE);
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

}  // namespace

// Draws the scene; the changes only when altered is set.
void DrawWinterScene(cairo_t* cr, bool altered) {
    const SceneArea icicles = AreaOf(13, 0), wreath = AreaOf(13, 1), snowman = AreaOf(13, 2), robin = AreaOf(13, 3),
                    window = AreaOf(13, 4);
    FillGradientRect(cr, 0, 0, SCENE_WIDTH, 190, BACKDROP_SKY, BACKDROP_ICE);
    // Mountains far away.
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
    PaintShaded(cr, MOUNTAINS_BLUE, 0);
    // Tall house; its eave is where the icicles hang.
    const double eave = icicles.top + 2;
    DrawCottage(cr, icicles.left - 20, icicles.right + 24, eave, 190, COTTAGE_ROSE, COTTAGE_PLUM);
    DrawWindow(cr, window.left + 3, window.top + 3, window.w - 6, window.h - 6, WINDOW_CREAM,
               altered ? WINDOW_YELLOW : WINDOW_NAVY);
    DrawWindow(cr, icicles.left - 8, window.top + 3, 19, 20, WINDOW_CREAM, WINDOW_YELLOW);
    DrawWindow(cr, icicles.left - 8, 118, 19, 22, WINDOW_CREAM, WINDOW_NAVY);
    RectPath(cr, icicles.cx - 12, 150, 20, 40);
    PaintShaded(cr, EAVE_BROWN, 1);
    // Icicles along the eave, longer in the changed copy.
    for (int i = 0; i < 6; ++i) {
        const double x = icicles.left + 5 + i * 4.6, len = (altered ? 5.5 : 1.8) + (i % 2) * 1.5;
        cairo_move_to(cr, x - 2.1, eave + 1);
        cairo_line_to(cr, x + 2.1, eave + 1);
        cairo_line_to(cr, x, eave + 1 + len);
        cairo_close_path(cr);
        PaintShaded(cr, ICICLE_ICE, 0.5);
    }
    // Second cottage with the door wreath.
    DrawCottage(cr, wreath.cx - 40, wreath.cx + 40, 102, 192, COTTAGE_SAND, COTTAGE_SLATE);
    RectPath(cr, wreath.cx - 11, wreath.top + 2, 22, 192 - wreath.top - 2);
    PaintShaded(cr, SECOND_COTTAGE_SLATE, 1);
    EllipsePath(cr, wreath.cx + 7, 166, 1.5, 1.5);
    PaintFlat(cr, SECOND_COTTAGE_YELLOW);
    for (double x : {wreath.cx - 32, wreath.cx + 18}) DrawWindow(cr, x, 120, 14, 18, WINDOW_CREAM, WINDOW_YELLOW);
    if (altered) {
        const double wx = wreath.cx, wy = wreath.cy + 0.5;
        cairo_new_sub_path(cr);
        cairo_arc(cr, wx, wy, 5.8, 0, 2 * M_PI);
        PaintLine(cr, SECOND_COTTAGE_DARK_GREEN, 4.2);
        for (int i = 0; i < 6; ++i) {
            const double a = i * M_PI / 3;
            EllipsePath(cr, wx + std::cos(a) * 5.8, wy + std::sin(a) * 5.8, 1.2, 1.2);
        }
        PaintFlat(cr, SECOND_COTTAGE_RED);
        cairo_move_to(cr, wx, wy + 5.8);
        cairo_line_to(cr, wx - 3.5, wy + 8.2);
        cairo_line_to(cr, wx + 3.5, wy + 8.2);
        cairo_close_path(cr);
        PaintFlat(cr, SECOND_COTTAGE_RED);
    }
    // Snowy ground, trees, the snowman and the robin.
    cairo_move_to(cr, 0, 186);
    cairo_curve_to(cr, 120, 178, 260, 196, SCENE_WIDTH, 182);
    cairo_line_to(cr, SCENE_WIDTH, SCENE_HEIGHT);
    cairo_line_to(cr, 0, SCENE_HEIGHT);
    cairo_close_path(cr);
    PaintShaded(cr, SNOW_WHITE, 0);
    DrawFir(cr, 40, 200, 90);
    DrawFir(cr, 80, 196, 60);
    DrawFir(cr, 356, 196, 70);
    cairo_move_to(cr, 150, SCENE_HEIGHT);
    cairo_curve_to(cr, 170, 230, 200, 210, wreath.cx, 192);
    PaintLine(cr, SNOW_ICE, 10);
    if (!altered) DrawSnowman(cr, snowman.cx, snowman.bottom - 3);
    DrawRobin(cr, robin.cx, robin.cy + 7.5, altered ? -1 : 1);
    // Falling snow.
    unsigned seed = 23;
    for (int i = 0; i < 80; ++i) {
        const double x = NextRandom(&seed) * SCENE_WIDTH, y = NextRandom(&seed) * SCENE_HEIGHT;
        bool inArea = false;
        for (int k = 0; k < AREAS_PER_LEVEL; ++k) {
            const SceneArea a = AreaOf(13, k);
            inArea = inArea || (x > a.left - 3 && x < a.right + 3 && y > a.top - 3 && y < a.bottom + 3);
        }
        if (inArea) continue;
        EllipsePath(cr, x, y, 1.2, 1.2);
        PaintFlat(cr, WHITE, 0.9);
    }
}
