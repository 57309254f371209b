// Scenes for fun: the toy shelf, the party and the winter village.
#include "scene_kit.h"

#include <cmath>

namespace {

// --------------------------------------------------------- toy shelf ---

// Alphabet block: coloured cube face with a letter.
void DrawBlock(cairo_t* cr, double cx, double baseY, double size, Hue hue, const char* letter) {
    RoundedRectPath(cr, cx - size / 2, baseY - size, size, size, 2);
    PaintShaded(cr, hue, 0.9);
    RoundedRectPath(cr, cx - size / 2 + 2.5, baseY - size + 2.5, size - 5, size - 5, 1.5);
    SetHue(cr, Lighter(hue, 0.5));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    UseFont(cr, FONT_BOLD, size * 0.6);
    DrawTextCentered(cr, letter, cx, baseY - size / 2, 255, 255, 255);
}

// Teddy bear sitting, fur hue is the change.
void DrawTeddy(cairo_t* cr, double cx, double baseY, Hue fur) {
    const Hue light = Lighter(fur, 0.45);
    for (double side : {-1.0, 1.0}) {
        EllipsePath(cr, cx + side * 8, baseY - 4, 5.5, 4);
        PaintShaded(cr, fur, 0.8);
        EllipsePath(cr, cx + side * 11, baseY - 16, 3.5, 6);
        PaintShaded(cr, fur, 0.8);
        EllipsePath(cr, cx + side * 7.5, baseY - 31, 3.8, 3.8);
        PaintShaded(cr, fur, 0.8);
    }
    EllipsePath(cr, cx, baseY - 13, 9, 10);
    PaintShaded(cr, fur, 0.9);
    EllipsePath(cr, cx, baseY - 12, 5, 6);
    PaintFlat(cr, light);
    EllipsePath(cr, cx, baseY - 26, 8, 7.5);
    PaintShaded(cr, fur, 0.9);
    EllipsePath(cr, cx, baseY - 23.5, 3.5, 2.6);
    PaintFlat(cr, light);
    EllipsePath(cr, cx, baseY - 24.5, 1.3, 0.9);
    EllipsePath(cr, cx - 3, baseY - 28, 1, 1);
    EllipsePath(cr, cx + 3, baseY - 28, 1, 1);
    PaintFlat(cr, {30, 24, 20});
    cairo_move_to(cr, cx - 4, baseY - 19);
    cairo_line_to(cr, cx + 4, baseY - 17);
    cairo_line_to(cr, cx + 4, baseY - 19);
    cairo_line_to(cr, cx - 4, baseY - 17);
    cairo_close_path(cr);
    PaintOutlined(cr, {220, 50, 70}, 0.5);
}

// Toy lorry side-on, cab at the front; facing +1 drives right.
void DrawToyLorry(cairo_t* cr, double cx, double baseY, double facing) {
    cairo_save(cr);
    cairo_translate(cr, cx, baseY);
    cairo_scale(cr, facing, 1);
    RoundedRectPath(cr, -8.8, -7.5, 12.3, 4.5, 1);
    PaintShaded(cr, {250, 190, 40}, 0.7);
    RoundedRectPath(cr, 3, -12, 5.8, 9, 1.5);
    PaintShaded(cr, {60, 110, 220}, 0.7);
    RectPath(cr, 4.6, -10.5, 2.8, 3);
    PaintFlat(cr, {170, 220, 250});
    for (double x : {-5.5, 5.0}) {
        EllipsePath(cr, x, -2.3, 2.3, 2.3);
        PaintOutlined(cr, {40, 40, 44}, 0.6);
    }
    cairo_restore(cr);
}

// Striped beach ball resting on baseY.
void DrawStripedBall(cairo_t* cr, double cx, double baseY, double r) {
    const double cy = baseY - r;
    EllipsePath(cr, cx, cy, r, r);
    PaintShaded(cr, {250, 250, 250}, 0.8);
    const Hue stripes[3] = {{230, 60, 60}, {60, 130, 230}, {250, 200, 40}};
    for (int i = 0; i < 3; ++i) {
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_rotate(cr, -0.6 + i * 0.6);
        EllipsePath(cr, 0, 0, r * 0.35, r * 0.96);
        cairo_restore(cr);
        PaintFlat(cr, stripes[i], 0.9);
    }
    EllipsePath(cr, cx, cy, r, r);
    SetHue(cr, {120, 120, 130});
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
}

// Spinning top standing on its point at baseY.
void DrawSpinningTop(cairo_t* cr, double cx, double baseY, double r) {
    cairo_move_to(cr, cx, baseY);
    cairo_line_to(cr, cx - r, baseY - r * 0.9);
    cairo_curve_to(cr, cx - r, baseY - r * 1.5, cx + r, baseY - r * 1.5, cx + r, baseY - r * 0.9);
    cairo_close_path(cr);
    PaintShaded(cr, {160, 90, 210}, 0.8);
    EllipsePath(cr, cx, baseY - r * 1.05, r * 0.95, r * 0.25);
    PaintFlat(cr, {250, 200, 60});
    RectPath(cr, cx - 1.5, baseY - r * 1.75, 3, r * 0.5);
    PaintShaded(cr, {200, 150, 90}, 0.6);
}

// Jack-in-the-box: shut, or sprung open with the clown on his spring.
void DrawJackInTheBox(cairo_t* cr, double cx, double baseY, double size, bool open) {
    const double top = baseY - size;
    if (open) {
        cairo_move_to(cr, cx, top);
        for (int i = 1; i <= 6; ++i) cairo_line_to(cr, cx + (i % 2 ? -5 : 5), top - i * 2.2);
        PaintLine(cr, {180, 180, 190}, 1.6);
        const double headY = top - 19;
        cairo_move_to(cr, cx - 8, headY - 4);
        cairo_line_to(cr, cx, headY - 14);
        cairo_line_to(cr, cx + 8, headY - 4);
        cairo_close_path(cr);
        PaintShaded(cr, {60, 170, 90}, 0.7);
        EllipsePath(cr, cx, headY - 14, 1.5, 1.5);
        PaintShaded(cr, {250, 220, 60}, 0.5);
        EllipsePath(cr, cx, headY + 2, 8.5, 7.5);
        PaintShaded(cr, {255, 222, 196}, 0.8);
        EllipsePath(cr, cx, headY + 2.5, 2.4, 2.4);
        PaintFlat(cr, {230, 50, 50});
        EllipsePath(cr, cx - 3.2, headY - 0.5, 1, 1.2);
        EllipsePath(cr, cx + 3.2, headY - 0.5, 1, 1.2);
        PaintFlat(cr, {30, 24, 20});
        cairo_arc(cr, cx, headY + 3.5, 4, 0.3, M_PI - 0.3);
        PaintLine(cr, {160, 40, 40}, 0.8);
        // Lid flung back to the left.
        cairo_move_to(cr, cx - size / 2, top);
        cairo_line_to(cr, cx - size / 2 - 6, top - size * 0.7);
        cairo_line_to(cr, cx - size / 2 - 2, top - size * 0.72);
        cairo_line_to(cr, cx - size / 2 + 3, top);
        cairo_close_path(cr);
        PaintShaded(cr, {240, 80, 80}, 0.8);
    } else {
        RectPath(cr, cx - size / 2 - 1.5, top - 3, size + 3, 4);
        PaintShaded(cr, {240, 80, 80}, 0.8);
        RoundedRectPath(cr, cx - 2.5, top - 6, 5, 3.5, 1);
        PaintShaded(cr, {250, 200, 60}, 0.6);
    }
    RectPath(cr, cx - size / 2, top, size, size);
    PaintShaded(cr, {60, 120, 220}, 1);
    DrawStar(cr, cx, baseY - size / 2, size * 0.28, {250, 210, 60});
    RectPath(cr, cx + size / 2, baseY - size * 0.6, 3, 3);
    PaintShaded(cr, {200, 200, 206}, 0.5);
}

// ------------------------------------------------------------ party ---

// Wrapped present with a ribbon cross and a bow.
void DrawPresent(cairo_t* cr, double cx, double baseY, double w, double h, Hue paper, Hue ribbon) {
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
void DrawSweet(cairo_t* cr, double cx, double cy) {
    for (double side : {-1.0, 1.0}) {
        cairo_move_to(cr, cx + side * 3, cy);
        cairo_line_to(cr, cx + side * 8, cy - 3.2);
        cairo_line_to(cr, cx + side * 8, cy + 3.2);
        cairo_close_path(cr);
        PaintShaded(cr, {250, 200, 60}, 0.6);
    }
    EllipsePath(cr, cx, cy, 4.5, 3.4);
    PaintShaded(cr, {236, 70, 140}, 0.6);
    LinePath(cr, cx - 2, cy - 2.5, cx + 1, cy + 2.5);
    PaintLine(cr, {255, 255, 255}, 0.9);
}

// ----------------------------------------------------------- winter ---

// Cottage: wall, snow-laden roof, a door; eaveY is the roof's lower edge.
void DrawCottage(cairo_t* cr, double left, double right, double eaveY, double groundY, Hue wall, Hue roof) {
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
    PaintShaded(cr, {250, 252, 255}, 0.6);
}

// Robin standing on the snow, looking towards facing (+1 right).
void DrawRobin(cairo_t* cr, double cx, double baseY, double facing) {
    cairo_save(cr);
    cairo_translate(cr, cx, baseY);
    cairo_scale(cr, facing, 1);
    LinePath(cr, -1.5, -3, -2, 0);
    LinePath(cr, 1.5, -3, 1, 0);
    PaintLine(cr, {120, 80, 50}, 0.8);
    cairo_move_to(cr, -5, -8);
    cairo_line_to(cr, -10.3, -11);
    cairo_line_to(cr, -9.5, -7);
    cairo_close_path(cr);
    PaintShaded(cr, {120, 84, 60}, 0.6);
    EllipsePath(cr, -0.5, -7, 6.5, 4.8);
    PaintShaded(cr, {130, 94, 66}, 0.7);
    EllipsePath(cr, 4, -11, 3.8, 3.6);
    PaintShaded(cr, {130, 94, 66}, 0.7);
    EllipsePath(cr, 2.5, -7, 3.6, 3.2);
    PaintFlat(cr, {230, 90, 50});
    cairo_move_to(cr, 7.5, -11.5);
    cairo_line_to(cr, 10, -10.8);
    cairo_line_to(cr, 7.5, -10);
    PaintFlat(cr, {240, 180, 60});
    EllipsePath(cr, 5, -12, 0.8, 0.8);
    PaintFlat(cr, {20, 20, 20});
    cairo_restore(cr);
}

// Snowman with a scarf and stick arms.
void DrawSnowman(cairo_t* cr, double cx, double baseY) {
    DropShadow(cr, cx, baseY, 13, 2);
    LinePath(cr, cx - 7, baseY - 31, cx - 17, baseY - 38);
    LinePath(cr, cx + 7, baseY - 31, cx + 17, baseY - 39);
    LinePath(cr, cx - 14, baseY - 36, cx - 16, baseY - 41);
    PaintLine(cr, {110, 80, 50}, 1.3);
    const double balls[3][2] = {{12, baseY - 12}, {8.5, baseY - 30}, {5.8, baseY - 41.5}};
    for (const auto& ball : balls) {
        EllipsePath(cr, cx, ball[1], ball[0], ball[0]);
        PaintShaded(cr, {250, 252, 255}, 0.8);
    }
    RoundedRectPath(cr, cx - 7, baseY - 37.5, 14, 3.5, 1.5);
    RectPath(cr, cx + 2, baseY - 36.5, 3.5, 9);
    PaintShaded(cr, {220, 50, 60}, 0.5);
    EllipsePath(cr, cx - 2.2, baseY - 43.5, 0.9, 0.9);
    EllipsePath(cr, cx + 2.2, baseY - 43.5, 0.9, 0.9);
    for (double y : {baseY - 30, baseY - 25, baseY - 16})
        EllipsePath(cr, cx, y, 1, 1);
    PaintFlat(cr, {30, 30, 36});
    cairo_move_to(cr, cx, baseY - 42);
    cairo_line_to(cr, cx + 6, baseY - 41);
    cairo_line_to(cr, cx, baseY - 40);
    cairo_close_path(cr);
    PaintFlat(cr, {250, 140, 40});
}

// Snowy fir tree.
void DrawFir(cairo_t* cr, double cx, double baseY, double h) {
    RectPath(cr, cx - 2.5, baseY - h * 0.15, 5, h * 0.15);
    PaintShaded(cr, {110, 80, 50}, 0.6);
    for (int i = 0; i < 3; ++i) {
        const double top = baseY - h + i * h * 0.22, bottom = top + h * 0.45, half = h * (0.2 + i * 0.07);
        cairo_move_to(cr, cx, top);
        cairo_line_to(cr, cx + half, bottom);
        cairo_line_to(cr, cx - half, bottom);
        cairo_close_path(cr);
        PaintShaded(cr, {50, 120, 90}, 0.8);
        cairo_move_to(cr, cx, top);
        cairo_line_to(cr, cx + half * 0.45, top + h * 0.2);
        cairo_line_to(cr, cx - half * 0.45, top + h * 0.2);
        cairo_close_path(cr);
        PaintFlat(cr, {250, 252, 255});
    }
}

}  // namespace

// Level 11, on plum: the toy shelf in a playroom.
void DrawToyShelfScene(cairo_t* cr, bool altered) {
    const SceneArea teddy = AreaOf(11, 0), block = AreaOf(11, 1), car = AreaOf(11, 2), ball = AreaOf(11, 3),
                    jack = AreaOf(11, 4);
    FillGradientRect(cr, 0, 0, SCENE_WIDTH, 200, {236, 226, 246}, {220, 206, 236});
    for (double x = 10; x < SCENE_WIDTH; x += 30) {
        for (double y = 12; y < 196; y += 30) {
            StarPath(cr, x + (static_cast<int>(y) % 60 ? 15 : 0), y, 2.6, 1.2, 0);
        }
    }
    PaintFlat(cr, {250, 246, 255});
    FillGradientRect(cr, 0, 200, SCENE_WIDTH, SCENE_HEIGHT - 200, {190, 150, 110}, {160, 120, 86});
    for (double x = -40; x < SCENE_WIDTH; x += 40) LinePath(cr, x, 200, x - 20, SCENE_HEIGHT);
    PaintLine(cr, {150, 110, 80}, 0.8);
    RectPath(cr, 0, 196, SCENE_WIDTH, 5);
    PaintShaded(cr, {250, 250, 250}, 0.6);
    // Shelf unit on the left.
    const double shelfTop = ball.bottom - 1;
    RectPath(cr, 12, 20, 124, 182);
    PaintShaded(cr, {210, 160, 110}, 1.2);
    RectPath(cr, 18, 24, 112, 176);
    PaintFlat(cr, {170, 120, 80});
    for (double y : {shelfTop, 130.0}) {
        RectPath(cr, 14, y, 120, 5);
        PaintShaded(cr, {226, 180, 126}, 0.7);
    }
    // Blocks stacked on the top shelf; the top one goes in the changed copy.
    DrawBlock(cr, block.cx - 10, shelfTop, 18, {230, 70, 70}, "A");
    DrawBlock(cr, block.cx + 9, shelfTop, 18, {60, 160, 90}, "B");
    if (!altered) DrawBlock(cr, block.cx, block.bottom - 3, 18, {60, 120, 220}, "C");
    if (altered)
        DrawSpinningTop(cr, ball.cx, ball.bottom - 2, 8.5);
    else
        DrawStripedBall(cr, ball.cx, ball.bottom - 2, 8.5);
    // Books on the second shelf.
    const Hue spines[6] = {{200, 60, 60}, {60, 120, 200}, {240, 190, 60}, {90, 170, 100}, {160, 90, 200}, {240, 130, 60}};
    for (int i = 0; i < 6; ++i) {
        RectPath(cr, 24 + i * 11, 92 + (i % 3) * 4, 9, 38 - (i % 3) * 4);
        PaintShaded(cr, spines[i], 0.7);
    }
    DrawStripedBall(cr, 110, 130, 10);
    // Drum and a doll on the bottom shelf.
    EllipsePath(cr, 48, 180, 18, 5);
    RectPath(cr, 30, 164, 36, 16);
    PaintShaded(cr, {230, 70, 70}, 1);
    EllipsePath(cr, 48, 164, 18, 5);
    PaintShaded(cr, {246, 240, 226}, 0.8);
    for (double x = 32; x < 66; x += 8) LinePath(cr, x, 168, x + 4, 180);
    PaintLine(cr, {250, 220, 100}, 1);
    EllipsePath(cr, 104, 178, 10, 12);
    PaintShaded(cr, {240, 140, 180}, 0.8);
    EllipsePath(cr, 104, 160, 7, 7);
    PaintShaded(cr, {255, 222, 196}, 0.8);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 104, 158, 7.5, M_PI, 2 * M_PI);
    PaintFlat(cr, {150, 90, 50});
    // Wall shelf with the teddy on the right.
    RectPath(cr, teddy.cx - 44, teddy.bottom - 1, 120, 5);
    PaintShaded(cr, {226, 180, 126}, 0.8);
    cairo_save(cr);
    cairo_translate(cr, teddy.cx, teddy.bottom - 2);
    cairo_scale(cr, 0.94, 0.94);  // snug inside its area
    DrawTeddy(cr, 0, 0, altered ? Hue{240, 236, 226} : Hue{180, 120, 70});
    cairo_restore(cr);
    DrawBlock(cr, teddy.cx + 32, teddy.bottom - 1, 16, {250, 190, 50}, "Z");
    DrawBalloon(cr, teddy.cx + 58, teddy.bottom - 26, 9, {90, 170, 230}, 10);
    // Kite on the wall.
    cairo_move_to(cr, 320, 20);
    cairo_line_to(cr, 340, 46);
    cairo_line_to(cr, 320, 80);
    cairo_line_to(cr, 300, 46);
    cairo_close_path(cr);
    PaintShaded(cr, {240, 100, 90}, 1);
    LinePath(cr, 320, 20, 320, 80);
    LinePath(cr, 300, 46, 340, 46);
    PaintLine(cr, {250, 240, 230}, 1);
    cairo_move_to(cr, 320, 80);
    cairo_curve_to(cr, 310, 100, 330, 110, 320, 130);
    PaintLine(cr, {90, 90, 90}, 0.8);
    // Floor toys: the jack-in-the-box, a rocking horse, the car.
    DrawJackInTheBox(cr, jack.cx + 2, jack.bottom - 4, 30, altered);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 320, 200, 34, 0.35, M_PI - 0.35);
    PaintLine(cr, {150, 90, 50}, 4);
    for (double x : {304.0, 336.0}) LinePath(cr, x, 226, x, 200);
    PaintLine(cr, {150, 90, 50}, 3);
    RoundedRectPath(cr, 296, 186, 48, 16, 7);
    PaintShaded(cr, {250, 246, 236}, 1);
    EllipsePath(cr, 346, 176, 8, 12);
    PaintShaded(cr, {250, 246, 236}, 1);
    EllipsePath(cr, 349, 172, 1.2, 1.2);
    PaintFlat(cr, {30, 30, 30});
    cairo_move_to(cr, 340, 166);
    cairo_curve_to(cr, 330, 172, 328, 184, 332, 190);
    PaintLine(cr, {230, 120, 60}, 3);
    DrawToyLorry(cr, car.cx, car.bottom - 2.5, altered ? -1 : 1);
}

// Level 12, on lavender: a birthday party.
void DrawPartyScene(cairo_t* cr, bool altered) {
    const SceneArea bunting = AreaOf(12, 0), picture = AreaOf(12, 1), plate = AreaOf(12, 2), sweet = AreaOf(12, 3),
                    cupcake = AreaOf(12, 4);
    FillGradientRect(cr, 0, 0, SCENE_WIDTH, 200, {252, 236, 244}, {240, 220, 236});
    for (double y = 10; y < 200; y += 22) {
        for (double x = (static_cast<int>(y) % 44 == 10 ? 8 : 19); x < SCENE_WIDTH; x += 22) EllipsePath(cr, x, y, 2.2, 2.2);
    }
    PaintFlat(cr, {246, 206, 226});
    FillGradientRect(cr, 0, 200, SCENE_WIDTH, SCENE_HEIGHT - 200, {200, 160, 200}, {170, 130, 176});
    RectPath(cr, 0, 196, SCENE_WIDTH, 5);
    PaintShaded(cr, {250, 250, 250}, 0.6);
    // Bunting spelling PARTY; every flag changes colour.
    const Hue flagsA[5] = {{230, 70, 80}, {250, 180, 50}, {80, 170, 110}, {70, 130, 220}, {170, 90, 200}};
    const Hue flagsB[5] = {{60, 190, 200}, {140, 200, 60}, {240, 110, 40}, {230, 70, 160}, {250, 220, 60}};
    const char* letters[5] = {"P", "A", "R", "T", "Y"};
    const double flagW = 28, gap = (bunting.w - 12 - 5 * flagW) / 4;
    cairo_move_to(cr, bunting.left - 40, bunting.top + 4);
    cairo_curve_to(cr, bunting.left + 40, bunting.top + 12, bunting.right - 40, bunting.top + 12, bunting.right + 40,
                   bunting.top + 4);
    PaintLine(cr, {120, 100, 120}, 1);
    for (int i = 0; i < 5; ++i) {
        const double x = bunting.left + 6 + i * (flagW + gap), top = bunting.top + 8 + (i == 0 || i == 4 ? 0 : 2);
        cairo_move_to(cr, x, top);
        cairo_line_to(cr, x + flagW, top);
        cairo_line_to(cr, x + flagW / 2, top + 36);
        cairo_close_path(cr);
        PaintShaded(cr, altered ? flagsB[i] : flagsA[i], 0.8);
        UseFont(cr, FONT_BOLD, 14);
        DrawTextCentered(cr, letters[i], x + flagW / 2, top + 11, 255, 255, 255);
    }
    // Framed picture on the wall: a sunny day, a starry night when changed.
    RectPath(cr, picture.left + 4, picture.top + 4, picture.w - 8, picture.h - 8);
    PaintShaded(cr, {200, 150, 70}, 1);
    const double px = picture.left + 8, py = picture.top + 8, pw = picture.w - 16, ph = picture.h - 16;
    if (altered) {
        FillGradientRect(cr, px, py, pw, ph, {20, 30, 80}, {60, 60, 130});
        EllipsePath(cr, px + pw - 7, py + 5, 3, 3);
        PaintFlat(cr, {250, 240, 190});
        DrawStar(cr, px + 6, py + 4, 1.8, {255, 255, 220});
    } else {
        FillGradientRect(cr, px, py, pw, ph, {130, 200, 240}, {220, 240, 250});
        EllipsePath(cr, px + pw - 7, py + 5, 3, 3);
        PaintFlat(cr, {250, 200, 40});
    }
    cairo_move_to(cr, px, py + ph);
    cairo_curve_to(cr, px + 8, py + ph - 10, px + 16, py + ph - 4, px + pw, py + ph - 8);
    cairo_line_to(cr, px + pw, py + ph);
    cairo_close_path(cr);
    PaintFlat(cr, altered ? Hue{40, 80, 60} : Hue{100, 180, 90});
    // Balloons tied behind the table.
    DrawBalloon(cr, 290, 54, 14, {236, 70, 90}, 70);
    DrawBalloon(cr, 318, 40, 13, {80, 160, 230}, 84);
    DrawBalloon(cr, 344, 62, 12, {250, 200, 60}, 66);
    DrawBalloon(cr, 30, 40, 12, {140, 90, 210}, 40);
    // Table with cloth, the cake and plates.
    const double tableTop = plate.bottom;
    RectPath(cr, 84, tableTop, 206, 8);
    PaintShaded(cr, {250, 250, 252}, 1);
    cairo_move_to(cr, 84, tableTop + 8);
    for (double x = 84; x <= 290; x += 12.875) cairo_line_to(cr, x, tableTop + 8 + (static_cast<int>((x - 84) / 12.875) % 2) * 6);
    cairo_line_to(cr, 290, tableTop + 8);
    cairo_close_path(cr);
    PaintShaded(cr, {240, 140, 170}, 0.8);
    for (double x : {94.0, 276.0}) {
        RectPath(cr, x, tableTop + 12, 6, 198 - tableTop);
        PaintShaded(cr, {170, 120, 90}, 0.8);
    }
    // Cake.
    const double cakeX = 150;
    EllipsePath(cr, cakeX, tableTop - 1, 32, 4);
    PaintShaded(cr, {220, 224, 232}, 0.7);
    RectPath(cr, cakeX - 26, tableTop - 26, 52, 24);
    PaintShaded(cr, {250, 220, 180}, 1);
    RectPath(cr, cakeX - 26, tableTop - 18, 52, 4);
    PaintFlat(cr, {240, 140, 170});
    cairo_move_to(cr, cakeX - 27, tableTop - 27);
    cairo_line_to(cr, cakeX + 27, tableTop - 27);
    for (double x = cakeX + 27; x >= cakeX - 27; x -= 9) cairo_line_to(cr, x, tableTop - 21 + (static_cast<int>((x - cakeX) / 9) % 2 ? 3 : 0));
    cairo_close_path(cr);
    PaintShaded(cr, {250, 250, 252}, 0.8);
    for (int i = 0; i < 5; ++i) {
        const double x = cakeX - 16 + i * 8;
        RectPath(cr, x - 1.5, tableTop - 38, 3, 11);
        PaintShaded(cr, i % 2 ? Hue{120, 190, 240} : Hue{250, 140, 170}, 0.5);
        EllipsePath(cr, x, tableTop - 41, 1.8, 3);
        PaintFlat(cr, {255, 190, 60});
    }
    // Plate: a slice of cake on it, eaten up when changed.
    EllipsePath(cr, plate.cx, plate.bottom - 5, 16, 3.6);
    PaintShaded(cr, {250, 250, 252}, 0.7);
    if (!altered) {
        cairo_move_to(cr, plate.cx - 10, plate.bottom - 6);
        cairo_line_to(cr, plate.cx + 9, plate.bottom - 6);
        cairo_line_to(cr, plate.cx + 9, plate.bottom - 13.5);
        cairo_close_path(cr);
        PaintShaded(cr, {250, 220, 180}, 0.7);
        cairo_move_to(cr, plate.cx - 10, plate.bottom - 6);
        cairo_line_to(cr, plate.cx + 9, plate.bottom - 13.5);
        cairo_line_to(cr, plate.cx + 9, plate.bottom - 12);
        cairo_line_to(cr, plate.cx - 6, plate.bottom - 6.5);
        cairo_close_path(cr);
        PaintFlat(cr, {240, 140, 170});
        EllipsePath(cr, plate.cx + 6, plate.bottom - 13.5, 1.8, 1.8);
        PaintShaded(cr, {220, 30, 40}, 0.4);
    }
    EllipsePath(cr, 112, plate.bottom - 5, 12, 3);
    PaintShaded(cr, {250, 250, 252}, 0.7);
    // Cups.
    for (double x : {190.0, 262.0}) {
        cairo_move_to(cr, x - 5, tableTop - 12);
        cairo_line_to(cr, x + 5, tableTop - 12);
        cairo_line_to(cr, x + 4, tableTop - 1);
        cairo_line_to(cr, x - 4, tableTop - 1);
        cairo_close_path(cr);
        PaintShaded(cr, {120, 200, 230}, 0.7);
    }
    // Side stand with the cupcake: cherry on top, or a little candle.
    RectPath(cr, cupcake.cx - 14, cupcake.bottom, 28, 4);
    PaintShaded(cr, {170, 120, 90}, 0.8);
    RectPath(cr, cupcake.cx - 2, cupcake.bottom + 4, 4, 194 - cupcake.bottom - 4);
    PaintShaded(cr, {170, 120, 90}, 0.8);
    EllipsePath(cr, cupcake.cx, 196, 10, 2.5);
    PaintShaded(cr, {170, 120, 90}, 0.8);
    cairo_move_to(cr, cupcake.cx - 3.5, cupcake.bottom);
    cairo_line_to(cr, cupcake.cx - 4.2, cupcake.bottom - 4.5);
    cairo_line_to(cr, cupcake.cx + 4.2, cupcake.bottom - 4.5);
    cairo_line_to(cr, cupcake.cx + 3.5, cupcake.bottom);
    cairo_close_path(cr);
    PaintShaded(cr, {110, 170, 240}, 0.5);
    EllipsePath(cr, cupcake.cx, cupcake.bottom - 5.5, 4.2, 2.4);
    PaintShaded(cr, {252, 240, 246}, 0.5);
    if (altered) {
        RectPath(cr, cupcake.cx - 0.9, cupcake.top + 6, 1.8, 5);
        PaintShaded(cr, {120, 190, 240}, 0.3);
        EllipsePath(cr, cupcake.cx, cupcake.top + 4.5, 1.3, 2);
        PaintFlat(cr, {255, 170, 40});
    } else {
        EllipsePath(cr, cupcake.cx, cupcake.top + 8.3, 2.6, 2.6);
        PaintShaded(cr, {220, 30, 40}, 0.4);
    }
    // Presents on the floor and the sweet that appears.
    DrawPresent(cr, 40, 222, 34, 26, {230, 80, 90}, {250, 210, 60});
    DrawPresent(cr, 70, 224, 22, 18, {80, 150, 230}, {250, 250, 250});
    DrawPresent(cr, 340, 236, 30, 22, {250, 190, 60}, {200, 60, 150});
    if (altered) DrawSweet(cr, sweet.cx, sweet.cy);
}

// Level 13, on ice blue: a village in the snow.
void DrawWinterScene(cairo_t* cr, bool altered) {
    const SceneArea icicles = AreaOf(13, 0), wreath = AreaOf(13, 1), snowman = AreaOf(13, 2), robin = AreaOf(13, 3),
                    window = AreaOf(13, 4);
    FillGradientRect(cr, 0, 0, SCENE_WIDTH, 190, {150, 190, 226}, {226, 238, 248});
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
    PaintShaded(cr, {180, 200, 226}, 0);
    // Tall house; its eave is where the icicles hang.
    const double eave = icicles.top + 2;
    DrawCottage(cr, icicles.left - 20, icicles.right + 24, eave, 190, {220, 120, 100}, {90, 70, 90});
    DrawWindow(cr, window.left + 3, window.top + 3, window.w - 6, window.h - 6, {250, 246, 236},
               altered ? Hue{255, 210, 100} : Hue{50, 70, 110});
    DrawWindow(cr, icicles.left - 8, window.top + 3, 19, 20, {250, 246, 236}, {255, 210, 100});
    DrawWindow(cr, icicles.left - 8, 118, 19, 22, {250, 246, 236}, {50, 70, 110});
    RectPath(cr, icicles.cx - 12, 150, 20, 40);
    PaintShaded(cr, {110, 70, 50}, 1);
    // Icicles along the eave, longer in the changed copy.
    for (int i = 0; i < 6; ++i) {
        const double x = icicles.left + 5 + i * 4.6, len = (altered ? 5.5 : 1.8) + (i % 2) * 1.5;
        cairo_move_to(cr, x - 2.1, eave + 1);
        cairo_line_to(cr, x + 2.1, eave + 1);
        cairo_line_to(cr, x, eave + 1 + len);
        cairo_close_path(cr);
        PaintShaded(cr, {210, 236, 250}, 0.5);
    }
    // Second cottage with the door wreath.
    DrawCottage(cr, wreath.cx - 40, wreath.cx + 40, 102, 192, {250, 220, 150}, {60, 90, 140});
    RectPath(cr, wreath.cx - 11, wreath.top + 2, 22, 192 - wreath.top - 2);
    PaintShaded(cr, {60, 120, 90}, 1);
    EllipsePath(cr, wreath.cx + 7, 166, 1.5, 1.5);
    PaintFlat(cr, {250, 210, 80});
    for (double x : {wreath.cx - 32, wreath.cx + 18}) DrawWindow(cr, x, 120, 14, 18, {250, 246, 236}, {255, 210, 100});
    if (altered) {
        const double wx = wreath.cx, wy = wreath.cy + 0.5;
        cairo_new_sub_path(cr);
        cairo_arc(cr, wx, wy, 5.8, 0, 2 * M_PI);
        PaintLine(cr, {30, 100, 60}, 4.2);
        for (int i = 0; i < 6; ++i) {
            const double a = i * M_PI / 3;
            EllipsePath(cr, wx + std::cos(a) * 5.8, wy + std::sin(a) * 5.8, 1.2, 1.2);
        }
        PaintFlat(cr, {230, 40, 40});
        cairo_move_to(cr, wx, wy + 5.8);
        cairo_line_to(cr, wx - 3.5, wy + 8.2);
        cairo_line_to(cr, wx + 3.5, wy + 8.2);
        cairo_close_path(cr);
        PaintFlat(cr, {230, 40, 40});
    }
    // Snowy ground, trees, the snowman and the robin.
    cairo_move_to(cr, 0, 186);
    cairo_curve_to(cr, 120, 178, 260, 196, SCENE_WIDTH, 182);
    cairo_line_to(cr, SCENE_WIDTH, SCENE_HEIGHT);
    cairo_line_to(cr, 0, SCENE_HEIGHT);
    cairo_close_path(cr);
    PaintShaded(cr, {244, 248, 252}, 0);
    DrawFir(cr, 40, 200, 90);
    DrawFir(cr, 80, 196, 60);
    DrawFir(cr, 356, 196, 70);
    cairo_move_to(cr, 150, SCENE_HEIGHT);
    cairo_curve_to(cr, 170, 230, 200, 210, wreath.cx, 192);
    PaintLine(cr, {220, 228, 240}, 10);
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
        PaintFlat(cr, {255, 255, 255}, 0.9);
    }
}

