// Scenes further afield: space, the seaside and the street.
#include "scene_kit.h"

#include <cmath>

namespace {

// ------------------------------------------------------------ space ---

// Planet with a ring tilted by tilt radians: back half, ball, front half.
void DrawRingedPlanet(cairo_t* cr, double cx, double cy, double r, double tilt) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, tilt);
    cairo_new_sub_path(cr);
    cairo_save(cr);
    cairo_scale(cr, r * 1.9, r * 0.55);
    cairo_arc(cr, 0, 0, 1, M_PI, 2 * M_PI);
    cairo_restore(cr);
    PaintLine(cr, {240, 210, 150}, 1.6);
    EllipsePath(cr, 0, 0, r, r);
    PaintShaded(cr, {226, 150, 90}, 0.7);
    LinePath(cr, -r * 0.9, -r * 0.3, r * 0.9, -r * 0.3);
    PaintLine(cr, {200, 120, 70}, 1);
    cairo_new_sub_path(cr);
    cairo_save(cr);
    cairo_scale(cr, r * 1.9, r * 0.55);
    cairo_arc(cr, 0, 0, 1, 0, M_PI);
    cairo_restore(cr);
    PaintLine(cr, {240, 210, 150}, 1.6);
    cairo_restore(cr);
}

// Rocket pointing up, nose at top; body hue is the change.
void DrawRocket(cairo_t* cr, double cx, double top, double bottom, Hue body) {
    const double h = bottom - top, w = 12;
    for (double side : {-1.0, 1.0}) {
        cairo_move_to(cr, cx + side * w * 0.4, bottom - h * 0.35);
        cairo_line_to(cr, cx + side * w * 0.95, bottom - 1);
        cairo_line_to(cr, cx + side * w * 0.4, bottom - 4);
        cairo_close_path(cr);
        PaintShaded(cr, {220, 60, 60}, 0.7);
    }
    cairo_move_to(cr, cx, top);
    cairo_curve_to(cr, cx + w * 0.75, top + h * 0.25, cx + w * 0.55, bottom - h * 0.2, cx + w * 0.4, bottom - 3);
    cairo_line_to(cr, cx - w * 0.4, bottom - 3);
    cairo_curve_to(cr, cx - w * 0.55, bottom - h * 0.2, cx - w * 0.75, top + h * 0.25, cx, top);
    cairo_close_path(cr);
    PaintShaded(cr, body, 0.8);
    EllipsePath(cr, cx, top + h * 0.4, 3.2, 3.2);
    PaintOutlined(cr, {110, 190, 240}, 1.2);
}

// Little flying saucer with a glass dome and lights.
void DrawSaucer(cairo_t* cr, double cx, double cy) {
    cairo_move_to(cr, cx - 3, cy + 3);
    cairo_line_to(cr, cx + 3, cy + 3);
    cairo_line_to(cr, cx + 6, cy + 10);
    cairo_line_to(cr, cx - 6, cy + 10);
    cairo_close_path(cr);
    PaintFlat(cr, {255, 240, 140}, 0.45);
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy - 1, 3.8, M_PI, 2 * M_PI);
    cairo_close_path(cr);
    PaintShaded(cr, {150, 230, 200}, 0.6);
    EllipsePath(cr, cx, cy + 1, 7, 2.8);
    PaintShaded(cr, {170, 176, 190}, 0.7);
    for (double x : {-4.0, 0.0, 4.0}) {
        EllipsePath(cr, cx + x, cy + 1.3, 0.9, 0.9);
    }
    PaintFlat(cr, {255, 230, 90});
}

// Astronaut standing, waving with the right hand.
void DrawAstronaut(cairo_t* cr, double cx, double baseY) {
    const Hue suit = {240, 242, 246};
    DropShadow(cr, cx, baseY, 16, 3);
    for (double side : {-1.0, 1.0}) {
        RoundedRectPath(cr, cx + side * 5 - 4, baseY - 18, 8, 18, 3);
        PaintShaded(cr, suit, 0.8);
    }
    RoundedRectPath(cr, cx - 16, baseY - 40, 8, 14, 3);
    PaintShaded(cr, {200, 200, 206}, 0.8);
    RoundedRectPath(cr, cx - 10, baseY - 40, 20, 24, 6);
    PaintShaded(cr, suit, 0.9);
    cairo_move_to(cr, cx + 8, baseY - 36);
    cairo_line_to(cr, cx + 16, baseY - 48);
    PaintLine(cr, Darker(suit, 0.4), 6.5);
    cairo_move_to(cr, cx + 8, baseY - 36);
    cairo_line_to(cr, cx + 16, baseY - 48);
    PaintLine(cr, suit, 5);
    cairo_move_to(cr, cx - 8, baseY - 36);
    cairo_line_to(cr, cx - 11, baseY - 24);
    PaintLine(cr, Darker(suit, 0.4), 6.5);
    cairo_move_to(cr, cx - 8, baseY - 36);
    cairo_line_to(cr, cx - 11, baseY - 24);
    PaintLine(cr, suit, 5);
    RectPath(cr, cx - 4, baseY - 34, 8, 6);
    PaintOutlined(cr, {90, 140, 220}, 0.6);
    EllipsePath(cr, cx, baseY - 49, 10, 10);
    PaintShaded(cr, suit, 0.9);
    EllipsePath(cr, cx + 1, baseY - 49, 7, 5.5);
    PaintShaded(cr, {230, 170, 60}, 0.7);
    EllipsePath(cr, cx - 2, baseY - 51, 2, 1.2);
    PaintFlat(cr, {255, 255, 255}, 0.8);
}

// ---------------------------------------------------------- seaside ---

// Flying gull: an M of two arcs, wings raised or lowered.
void DrawGull(cairo_t* cr, double cx, double cy, double span, bool wingsDown) {
    const double lift = wingsDown ? -span * 0.28 : span * 0.28;
    cairo_move_to(cr, cx - span / 2, cy - lift * 0.2);
    cairo_curve_to(cr, cx - span * 0.35, cy - lift, cx - span * 0.12, cy - lift, cx, cy);
    cairo_curve_to(cr, cx + span * 0.12, cy - lift, cx + span * 0.35, cy - lift, cx + span / 2, cy - lift * 0.2);
    PaintLine(cr, {60, 64, 80}, 2.4);
    EllipsePath(cr, cx, cy + 0.5, 2.4, 1.8);
    PaintFlat(cr, {250, 250, 250});
}

// Sailing boat on the water line waterY.
void DrawSailboat(cairo_t* cr, double cx, double waterY, Hue sail) {
    cairo_move_to(cr, cx - 8, waterY - 4);
    cairo_line_to(cr, cx + 8, waterY - 4);
    cairo_line_to(cr, cx + 5, waterY);
    cairo_line_to(cr, cx - 5, waterY);
    cairo_close_path(cr);
    PaintShaded(cr, {170, 90, 50}, 0.6);
    LinePath(cr, cx, waterY - 4, cx, waterY - 12.8);
    PaintLine(cr, {90, 60, 40}, 0.9);
    cairo_move_to(cr, cx + 0.8, waterY - 12.8);
    cairo_line_to(cr, cx + 7, waterY - 5.5);
    cairo_line_to(cr, cx + 0.8, waterY - 5.5);
    cairo_close_path(cr);
    cairo_move_to(cr, cx - 0.8, waterY - 12);
    cairo_line_to(cr, cx - 6, waterY - 5.5);
    cairo_line_to(cr, cx - 0.8, waterY - 5.5);
    cairo_close_path(cr);
    PaintShaded(cr, sail, 0.6);
}

// Little steamer on the horizon; facing +1 bow to the right.
void DrawSteamer(cairo_t* cr, double cx, double waterY, double facing) {
    cairo_save(cr);
    cairo_translate(cr, cx, waterY);
    cairo_scale(cr, facing, 1);
    cairo_move_to(cr, -6.3, -3.5);
    cairo_line_to(cr, 6.3, -3.5);
    cairo_line_to(cr, 3.5, 0);
    cairo_line_to(cr, -5.5, 0);
    cairo_close_path(cr);
    PaintShaded(cr, {60, 70, 100}, 0.5);
    RectPath(cr, -5, -6.5, 7, 3);
    PaintShaded(cr, {250, 250, 250}, 0.5);
    RectPath(cr, -3.5, -9.4, 2.6, 3);
    PaintShaded(cr, {226, 60, 50}, 0.5);
    cairo_restore(cr);
}

// Beach umbrella with stripes, pole planted at (x, footY).
void DrawBeachUmbrella(cairo_t* cr, double x, double footY) {
    LinePath(cr, x, footY, x + 6, footY - 60);
    PaintLine(cr, {120, 100, 90}, 2);
    for (int i = 0; i < 6; ++i) {
        const double a0 = M_PI + i * M_PI / 6, a1 = a0 + M_PI / 6;
        cairo_move_to(cr, x + 6, footY - 62);
        cairo_arc(cr, x + 6, footY - 52, 34, a0, a1);
        cairo_close_path(cr);
        PaintShaded(cr, i % 2 ? Hue{250, 250, 246} : Hue{236, 70, 70}, 0.7);
    }
}

// ----------------------------------------------------------- street ---

// Town house front: wall, roof line and a grid of windows.
void DrawTownHouse(cairo_t* cr, double left, double top, double right, double bottom, Hue wall, int rows) {
    RectPath(cr, left, top, right - left, bottom - top);
    PaintShaded(cr, wall, 1);
    RectPath(cr, left - 2, top - 4, right - left + 4, 5);
    PaintShaded(cr, Darker(wall, 0.35), 0.8);
    const double w = right - left;
    const int cols = w > 70 ? 3 : 2;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            const double x = left + w * (c + 0.5) / cols - 8;
            DrawWindow(cr, x, top + 12 + r * 34, 16, 20, {250, 250, 246}, {130, 180, 220});
        }
    }
}

// Round red no-entry sign, or a yellow warning diamond.
void DrawRoadSign(cairo_t* cr, double cx, double cy, bool diamond) {
    if (diamond) {
        cairo_move_to(cr, cx, cy - 5.9);
        cairo_line_to(cr, cx + 5.9, cy);
        cairo_line_to(cr, cx, cy + 5.9);
        cairo_line_to(cr, cx - 5.9, cy);
        cairo_close_path(cr);
        PaintShaded(cr, {250, 200, 40}, 0.6);
        EllipsePath(cr, cx, cy + 2.2, 0.8, 0.8);
        PaintFlat(cr, {30, 30, 30});
        LinePath(cr, cx, cy - 3, cx, cy + 0.6);
        PaintLine(cr, {30, 30, 30}, 1.3);
    } else {
        EllipsePath(cr, cx, cy, 5.6, 5.6);
        PaintShaded(cr, {220, 40, 40}, 0.6);
        RectPath(cr, cx - 3.6, cy - 1.1, 7.2, 2.2);
        PaintFlat(cr, {255, 255, 255});
    }
}

// Painted road arrow, pointing right (+1) or left (-1).
void DrawRoadArrow(cairo_t* cr, double cx, double cy, double facing) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, facing, 1);
    cairo_move_to(cr, -13, -2);
    cairo_line_to(cr, 4, -2);
    cairo_line_to(cr, 4, -5.5);
    cairo_line_to(cr, 13, 0);
    cairo_line_to(cr, 4, 5.5);
    cairo_line_to(cr, 4, 2);
    cairo_line_to(cr, -13, 2);
    cairo_close_path(cr);
    PaintFlat(cr, {250, 250, 250});
    cairo_restore(cr);
}

// City bus facing left.
void DrawBus(cairo_t* cr, double left, double groundY, double length) {
    RoundedRectPath(cr, left, groundY - 30, length, 26, 4);
    PaintShaded(cr, {250, 190, 40}, 1);
    for (double x = left + 6; x < left + length - 10; x += 15) {
        RoundedRectPath(cr, x, groundY - 26, 11, 9, 1.5);
        PaintShaded(cr, {140, 190, 230}, 0.6);
    }
    RectPath(cr, left, groundY - 14, length, 3);
    PaintFlat(cr, {230, 90, 40});
    for (double x : {left + 14, left + length - 16}) {
        EllipsePath(cr, x, groundY - 4, 5, 5);
        PaintOutlined(cr, {40, 40, 44}, 1);
        EllipsePath(cr, x, groundY - 4, 2, 2);
        PaintFlat(cr, {190, 190, 196});
    }
}

}  // namespace

// Level 8, on navy: a walk on the moon.
void DrawSpaceScene(cairo_t* cr, bool altered) {
    const SceneArea planet = AreaOf(8, 0), flag = AreaOf(8, 1), rocket = AreaOf(8, 2), saucer = AreaOf(8, 3),
                    crater = AreaOf(8, 4);
    FillGradientRect(cr, 0, 0, SCENE_WIDTH, 220, {6, 10, 34}, {30, 30, 80});
    unsigned seed = 19;
    for (int i = 0; i < 90; ++i) {
        const double x = NextRandom(&seed) * SCENE_WIDTH, y = NextRandom(&seed) * 200;
        const double r = 0.4 + NextRandom(&seed);
        const double alpha = 0.4 + NextRandom(&seed) * 0.6;
        // Keep the areas' sky clear so the changes there read cleanly.
        bool inArea = false;
        for (int k = 0; k < AREAS_PER_LEVEL; ++k) {
            const SceneArea a = AreaOf(8, k);
            inArea = inArea || (x > a.left - 2 && x < a.right + 2 && y > a.top - 2 && y < a.bottom + 2);
        }
        if (inArea) continue;
        EllipsePath(cr, x, y, r, r);
        PaintFlat(cr, {255, 255, 240}, alpha);
    }
    // The Earth, half lit.
    EllipsePath(cr, 62, 56, 26, 26);
    PaintShaded(cr, {70, 130, 220}, 1);
    const double lands[3][4] = {{54, 46, 9, 6}, {70, 62, 8, 9}, {50, 66, 5, 4}};
    for (const auto& land : lands) {
        EllipsePath(cr, land[0], land[1], land[2], land[3]);
        PaintFlat(cr, {90, 180, 100});
    }
    cairo_new_sub_path(cr);
    cairo_arc(cr, 62, 56, 26, -M_PI / 2, M_PI / 2);
    cairo_curve_to(cr, 74, 70, 74, 42, 62, 30);
    cairo_close_path(cr);
    PaintFlat(cr, {0, 0, 20}, 0.35);
    DrawRingedPlanet(cr, planet.cx, planet.cy, 4.2, altered ? 0.42 : -0.42);
    // Space station far off.
    RectPath(cr, 184, 40, 30, 6);
    PaintShaded(cr, {200, 204, 214}, 0.6);
    for (double x : {176.0, 214.0}) {
        RectPath(cr, x, 32, 8, 22);
        PaintShaded(cr, {60, 90, 170}, 0.6);
    }
    EllipsePath(cr, 199, 43, 6, 6);
    PaintShaded(cr, {220, 224, 232}, 0.6);
    if (altered) DrawSaucer(cr, saucer.cx, saucer.cy - 3);
    // Rocket lifting off with its flame trail.
    cairo_move_to(cr, rocket.cx - 4, rocket.bottom - 5);
    cairo_curve_to(cr, rocket.cx - 5, rocket.bottom + 6, rocket.cx - 1, rocket.bottom + 10, rocket.cx, rocket.bottom + 18);
    cairo_curve_to(cr, rocket.cx + 1, rocket.bottom + 10, rocket.cx + 5, rocket.bottom + 6, rocket.cx + 4, rocket.bottom - 5);
    cairo_close_path(cr);
    PaintShaded(cr, {255, 180, 60}, 0);
    DrawRocket(cr, rocket.cx, rocket.top + 4, rocket.bottom - 4, altered ? Hue{250, 200, 60} : Hue{236, 238, 244});
    // Moon ground with craters.
    cairo_move_to(cr, 0, 204);
    cairo_curve_to(cr, 100, 196, 220, 214, SCENE_WIDTH, 200);
    cairo_line_to(cr, SCENE_WIDTH, SCENE_HEIGHT);
    cairo_line_to(cr, 0, SCENE_HEIGHT);
    cairo_close_path(cr);
    PaintShaded(cr, {186, 186, 196}, 1);
    const double craters[4][3] = {{210, 250, 16}, {300, 236, 10}, {60, 256, 12}, {350, 262, 8}};
    for (const auto& c : craters) {
        EllipsePath(cr, c[0], c[1], c[2], c[2] * 0.32);
        PaintShaded(cr, {120, 120, 134}, 0.8);
    }
    const double craterW = altered ? 18 : 10;
    EllipsePath(cr, crater.cx, crater.cy, craterW, craterW * 0.3);
    PaintShaded(cr, {110, 110, 124}, 0.8);
    DrawAstronaut(cr, 200, 226);
    if (!altered) {
        LinePath(cr, flag.cx - 3, flag.bottom - 3, flag.cx - 3, flag.top + 3);
        PaintLine(cr, {200, 200, 206}, 1.2);
        RectPath(cr, flag.cx - 2.5, flag.top + 3.5, 8, 6);
        PaintOutlined(cr, {230, 60, 60}, 0.6);
        DrawStar(cr, flag.cx + 1.5, flag.top + 6.5, 2, {255, 255, 255});
    }
}

// Level 9, on sky blue: a day at the seaside.
void DrawSeasideScene(cairo_t* cr, bool altered) {
    const SceneArea sailboat = AreaOf(9, 0), buoy = AreaOf(9, 1), gull = AreaOf(9, 2), steamer = AreaOf(9, 3),
                    towel = AreaOf(9, 4);
    const double horizon = steamer.bottom - 2;
    FillGradientRect(cr, 0, 0, SCENE_WIDTH, horizon, {120, 200, 246}, {210, 240, 252});
    DrawSun(cr, 330, 34, 16);
    DrawCloud(cr, 40, 22, 80, 28);
    DrawCloud(cr, 150, 50, 50, 18);
    DrawGull(cr, gull.cx, gull.cy + (altered ? -2 : 2), 22, altered);
    DrawGull(cr, 270, 62, 14, false);
    DrawGull(cr, 290, 74, 11, true);
    // Sea with little wave marks.
    FillGradientRect(cr, 0, horizon, SCENE_WIDTH, 160 - horizon, {40, 140, 200}, {90, 200, 220});
    unsigned seed = 5;
    for (int i = 0; i < 30; ++i) {
        const double x = NextRandom(&seed) * SCENE_WIDTH, y = horizon + 6 + NextRandom(&seed) * 48;
        bool inArea = false;
        for (int k = 0; k < AREAS_PER_LEVEL; ++k) {
            const SceneArea a = AreaOf(9, k);
            inArea = inArea || (x > a.left - 10 && x < a.right + 10 && y > a.top - 4 && y < a.bottom + 4);
        }
        if (inArea) continue;
        cairo_move_to(cr, x - 5, y);
        cairo_curve_to(cr, x - 2, y - 2, x + 2, y - 2, x + 5, y);
        PaintLine(cr, {220, 246, 255}, 0.9);
    }
    DrawSteamer(cr, steamer.cx, horizon + 0.4, altered ? -1 : 1);
    if (altered) DrawSailboat(cr, sailboat.cx, sailboat.cy + 7, {250, 120, 60});
    if (!altered) {
        EllipsePath(cr, buoy.cx, buoy.cy + 2, 5.5, 1.8);
        PaintFlat(cr, {255, 255, 255}, 0.5);
        cairo_new_sub_path(cr);
        cairo_arc(cr, buoy.cx, buoy.cy + 1, 4.5, M_PI, 2 * M_PI);
        cairo_close_path(cr);
        PaintShaded(cr, {236, 60, 50}, 0.7);
        RectPath(cr, buoy.cx - 4.4, buoy.cy - 1, 8.8, 1.6);
        PaintFlat(cr, {255, 255, 255});
        LinePath(cr, buoy.cx, buoy.cy - 3.5, buoy.cx, buoy.cy - 5);
        PaintLine(cr, {60, 60, 60}, 0.9);
    }
    // Beach, foam line and wet sand.
    cairo_move_to(cr, 0, 150);
    cairo_curve_to(cr, 100, 140, 220, 150, SCENE_WIDTH, 142);
    cairo_line_to(cr, SCENE_WIDTH, SCENE_HEIGHT);
    cairo_line_to(cr, 0, SCENE_HEIGHT);
    cairo_close_path(cr);
    PaintShaded(cr, {246, 222, 160}, 0);
    cairo_move_to(cr, 0, 150);
    cairo_curve_to(cr, 100, 140, 220, 150, SCENE_WIDTH, 142);
    PaintLine(cr, {255, 255, 255}, 2.5);
    // Beach towel, its stripes change colour.
    const Hue stripesA[3] = {{60, 120, 220}, {250, 250, 250}, {60, 120, 220}};
    const Hue stripesB[3] = {{60, 190, 90}, {250, 220, 60}, {60, 190, 90}};
    for (int i = 0; i < 3; ++i) {
        RectPath(cr, towel.cx - 15 + i * 10, towel.cy - 5.5, 10, 11);
        PaintFlat(cr, altered ? stripesB[i] : stripesA[i]);
    }
    RectPath(cr, towel.cx - 15, towel.cy - 5.5, 30, 11);
    SetHue(cr, {120, 120, 140});
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
    DrawBeachUmbrella(cr, 200, 212);
    // Sandcastle, bucket, starfish, shells.
    for (double x : {50.0, 74.0}) {
        RectPath(cr, x - 8, 196, 16, 18);
        PaintShaded(cr, {226, 190, 120}, 0.8);
        for (double bx = x - 8; bx < x + 8; bx += 5.4) RectPath(cr, bx, 192, 3.2, 4);
        PaintShaded(cr, {226, 190, 120}, 0.6);
    }
    RectPath(cr, 56, 204, 12, 10);
    PaintShaded(cr, {226, 190, 120}, 0.8);
    LinePath(cr, 74, 192, 74, 180);
    PaintLine(cr, {100, 80, 60}, 0.8);
    cairo_move_to(cr, 74, 180);
    cairo_line_to(cr, 82, 183);
    cairo_line_to(cr, 74, 186);
    cairo_close_path(cr);
    PaintFlat(cr, {236, 60, 60});
    cairo_move_to(cr, 100, 228);
    cairo_line_to(cr, 124, 228);
    cairo_line_to(cr, 120, 246);
    cairo_line_to(cr, 104, 246);
    cairo_close_path(cr);
    PaintShaded(cr, {250, 200, 50}, 0.8);
    DrawStar(cr, 300, 236, 9, {250, 140, 90}, 0.3);
    DrawStar(cr, 160, 250, 6, {240, 110, 110}, -0.2);
    // Palm tree on the right.
    cairo_move_to(cr, 338, 214);
    cairo_curve_to(cr, 344, 170, 350, 130, 340, 100);
    PaintLine(cr, {120, 84, 50}, 7);
    for (int i = 0; i < 6; ++i) {
        const double a = -M_PI + i * M_PI / 5;
        cairo_move_to(cr, 340, 100);
        cairo_curve_to(cr, 340 + std::cos(a) * 18, 92 + std::sin(a) * 14, 340 + std::cos(a) * 30, 100 + std::sin(a) * 10,
                       340 + std::cos(a) * 36, 110 + std::sin(a) * 8);
        PaintLine(cr, {60, 150, 70}, 4);
    }
    for (double x : {335.0, 343.0}) {
        EllipsePath(cr, x, 104, 3.5, 3.5);
        PaintShaded(cr, {120, 90, 50}, 0.6);
    }
}

// Level 10, on grey: a town street on a bright day.
void DrawStreetScene(cairo_t* cr, bool altered) {
    const SceneArea sign = AreaOf(10, 0), arrow = AreaOf(10, 1), ball = AreaOf(10, 2), roadSign = AreaOf(10, 3),
                    flowers = AreaOf(10, 4);
    FillGradientRect(cr, 0, 0, SCENE_WIDTH, 200, {140, 196, 236}, {220, 236, 246});
    DrawCloud(cr, 270, 10, 70, 24);
    DrawCloud(cr, 20, 16, 50, 18);
    // Row of houses; the café sits where the sign area is.
    DrawTownHouse(cr, 0, 60, 74, 205, {236, 200, 150}, 3);
    DrawTownHouse(cr, 74, 90, sign.cx + 46, 205, {200, 110, 90}, 0);
    DrawTownHouse(cr, sign.cx + 46, 40, 270, 205, {150, 190, 170}, 0);
    DrawTownHouse(cr, 270, 70, SCENE_WIDTH, 205, {220, 220, 236}, 3);
    // Café: upper windows, sign, awning and a big window.
    for (double x : {sign.cx - 34, sign.cx + 14}) DrawWindow(cr, x, 98, 20, 18, {250, 246, 236}, {130, 180, 220});
    RoundedRectPath(cr, sign.cx - 17, sign.cy - 6.5, 34, 13, 3);
    PaintShaded(cr, altered ? Hue{200, 50, 60} : Hue{50, 130, 90}, 0.8);
    UseFont(cr, FONT_BOLD, 9);
    DrawTextCentered(cr, "CAFE", sign.cx, sign.cy, 255, 248, 220);
    for (int i = 0; i < 6; ++i) {
        RectPath(cr, sign.cx - 42 + i * 14, 140, 14, 10);
        PaintShaded(cr, i % 2 ? Hue{250, 250, 246} : Hue{230, 80, 70}, 0.6);
    }
    RectPath(cr, sign.cx - 38, 156, 44, 30);
    PaintShaded(cr, {170, 210, 230}, 1);
    RectPath(cr, sign.cx + 14, 156, 22, 49);
    PaintShaded(cr, {120, 70, 50}, 1);
    // Green house: windows, the small one with a window box.
    for (double x : {flowers.cx, flowers.cx + 30}) {
        for (double y : {52.0, 84.0, 150.0}) DrawWindow(cr, x - 7, y, 14, 20, {250, 250, 246}, {130, 180, 220});
    }
    DrawWindow(cr, flowers.cx + 24, flowers.top + 1, 12, 10, {250, 250, 246}, {130, 180, 220});
    DrawWindow(cr, flowers.cx - 6, flowers.top + 1, 12, 10, {250, 250, 246}, {130, 180, 220});
    RectPath(cr, flowers.cx - 8, flowers.bottom - 1, 16, 3);
    PaintShaded(cr, {140, 100, 70}, 0.6);
    if (altered) {
        RectPath(cr, flowers.cx - 4.5, flowers.bottom - 7, 9, 4.5);
        PaintShaded(cr, {200, 100, 60}, 0.6);
        for (double x : {-3.0, 0.0, 3.0}) {
            EllipsePath(cr, flowers.cx + x, flowers.bottom - 7.6, 1.6, 1.6);
            PaintShaded(cr, x == 0 ? Hue{250, 210, 60} : Hue{240, 60, 110}, 0.4);
        }
    }
    // Pavement and road.
    FillGradientRect(cr, 0, 205, SCENE_WIDTH, 22, {210, 206, 200}, {190, 186, 180});
    for (double x = 0; x < SCENE_WIDTH; x += 24) LinePath(cr, x, 205, x - 6, 227);
    PaintLine(cr, {176, 172, 166}, 0.7);
    RectPath(cr, 0, 225, SCENE_WIDTH, 4);
    PaintShaded(cr, {160, 156, 150}, 0.6);
    FillGradientRect(cr, 0, 229, SCENE_WIDTH, SCENE_HEIGHT - 229, {90, 92, 100}, {70, 72, 80});
    for (double x = 130; x < SCENE_WIDTH; x += 46) {
        RectPath(cr, x, 258, 26, 3);
        PaintFlat(cr, {240, 240, 240});
    }
    DrawRoadArrow(cr, arrow.cx, arrow.cy, altered ? -1 : 1);
    DrawBus(cr, 190, 266, 110);
    // Street sign on its pole.
    RectPath(cr, roadSign.cx - 1, roadSign.cy + 6, 2, 220 - roadSign.cy - 6);
    PaintShaded(cr, {120, 124, 130}, 0.5);
    DrawRoadSign(cr, roadSign.cx, roadSign.cy, altered);
    // Trees in pots and a lamp post.
    for (double x : {20.0, 330.0}) {
        DrawTree(cr, x, 214, 70, {90, 160, 80});
        RectPath(cr, x - 8, 204, 16, 12);
        PaintShaded(cr, {180, 110, 80}, 0.8);
    }
    RectPath(cr, 300, 120, 3, 100);
    PaintShaded(cr, {60, 64, 72}, 0.6);
    RoundedRectPath(cr, 296, 110, 11, 12, 3);
    PaintShaded(cr, {250, 240, 190}, 0.8);
    if (!altered) {
        DropShadow(cr, ball.cx + 2, ball.cy + 4.6, 5, 1.2);
        EllipsePath(cr, ball.cx, ball.cy + 0.3, 4.4, 4.4);
        PaintShaded(cr, {230, 60, 60}, 0.7);
        LinePath(cr, ball.cx - 4.2, ball.cy + 0.3, ball.cx + 4.2, ball.cy + 0.3);
        PaintLine(cr, {255, 255, 255}, 1.4);
    }
}

