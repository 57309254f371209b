// Score and misses-left counters, and the drawing of counter texts.
#include "rules/counters.h"

#include "game/game_state.h"
#include "resources/layout.h"

namespace {

// The client area with its top-left moved to corner: the box a counter is
// centred in follows the window's right and bottom edges.
RECT BoxToClientCorner(HWND hwnd, PixelPoint corner) {
    RECT box;
    GetClientRect(hwnd, &box);
    box.left = corner.x;
    box.top = corner.y;
    return box;
}

}  // namespace

void AddScore(HDC dc, HWND hwnd) {
    if (game.scoreText[1] == '9') {
        game.scoreText[1] = '0';
        game.scoreText[0]++;
    } else {
        game.scoreText[1]++;
    }
    DrawScore(dc, hwnd);
}

void SubtractScore(HDC dc, HWND hwnd) {
    if (game.scoreText[1] == '0') {
        game.scoreText[1] = '9';
        game.scoreText[0]--;
    } else {
        game.scoreText[1]--;
    }
    DrawScore(dc, hwnd);
}

void StepMissesLeft(HDC dc, HWND hwnd) {
    if (game.outOfChances) return;
    game.chancesText[0]--;
    if (static_cast<unsigned char>(game.chancesText[0]) <= '0') {
        game.outOfChances = 1;
        game.clickPending = 0;
    }
    DrawMissesLeft(dc, hwnd);
}

void DrawScore(HDC dc, HWND hwnd) {
    RECT box = BoxToClientCorner(hwnd, SCORE_BOX_TOP_LEFT);
    DrawCounterText(dc, game.scoreText, &box);
}

void DrawMissesLeft(HDC dc, HWND hwnd) {
    RECT box = BoxToClientCorner(hwnd, MISSES_BOX_TOP_LEFT);
    DrawCounterText(dc, game.chancesText, &box);
}

void DrawCounterText(HDC dc, const char* text, RECT* box) {
    SetBkColor(dc, RGB(COUNTER_TEXT_BACKGROUND.r, COUNTER_TEXT_BACKGROUND.g, COUNTER_TEXT_BACKGROUND.b));
    DeleteObject(game.hFont);
    game.hFont = CreateFontA(COUNTER_FONT_HEIGHT, 0, 0, 0, FW_MEDIUM, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0,
                             game.fontFace);
    // The previous font may still have been selected, so its deletion above
    // was refused; it is deleted here once displaced.
    DeleteObject(SelectObject(dc, game.hFont));
    DrawTextA(dc, text, -1, box, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}
