// Score and misses-left counters, and the drawing of counter texts.
#include "rules/counters.h"

#include "game/game_state.h"
#include "game/screen_copy.h"
#include "resources/layout.h"

namespace {

// The box a counter is centred in: from its corner to the client area's
// right and bottom, clipped to the picture's extent (never less than the
// window's own client size), so that in a window made larger the digits
// stay in their panel instead of landing in the blank beyond the picture.
RECT BoxToClientCorner(HWND hwnd, PixelPoint corner) {
    RECT box;
    GetClientRect(hwnd, &box);
    const LONG pictureRight = game.bgWidth > EXPECTED_CLIENT_WIDTH ? game.bgWidth : EXPECTED_CLIENT_WIDTH;
    const LONG pictureBottom = game.bgHeight > EXPECTED_CLIENT_HEIGHT ? game.bgHeight : EXPECTED_CLIENT_HEIGHT;
    if (box.right > pictureRight) box.right = pictureRight;
    if (box.bottom > pictureBottom) box.bottom = pictureBottom;
    box.left = corner.x;
    box.top = corner.y;
    return box;
}

// Puts the picture back over a counter cell drawn earlier.
void RestorePictureUnder(HDC dc, const RECT& cell) {
    if (IsRectEmpty(&cell) || !game.hbmBackground) return;
    HDC pictureDC = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(pictureDC, game.hbmBackground);
    BitBlt(dc, cell.left, cell.top, cell.right - cell.left, cell.bottom - cell.top, pictureDC, cell.left, cell.top,
           SRCCOPY);
    NoteDrawn(dc, cell);
    SelectObject(pictureDC, previous);
    DeleteDC(pictureDC);
}

// The cell text takes when drawn centred in box: its extent, centred as
// DrawTextA centres it.
RECT TextCell(HDC dc, const char* text, const RECT& box) {
    RECT extent = {0, 0, 0, 0};
    DrawTextA(dc, text, -1, &extent, DT_SINGLELINE | DT_CALCRECT);
    RECT cell;
    cell.left = box.left + (box.right - box.left - extent.right) / 2;
    cell.top = box.top + (box.bottom - box.top - extent.bottom) / 2;
    cell.right = cell.left + extent.right;
    cell.bottom = cell.top + extent.bottom;
    return cell;
}

// Draws text in box and notes the cell it took.
void DrawAndNoteCell(HDC dc, const char* text, RECT* box, RECT* cell) {
    DrawCounterText(dc, text, box);
    *cell = TextCell(dc, text, *box);
}

// Draws the score or the misses-left digit. When the boxes have moved since
// the last draw (the window was made smaller than the picture, or large
// again), both cells drawn so far go back to picture and are drawn at their
// new places: a panel must not keep a stale cell beside the current one.
void DrawPanelCounter(HDC dc, HWND hwnd, bool score) {
    RECT scoreBox = BoxToClientCorner(hwnd, SCORE_BOX_TOP_LEFT);
    RECT missesBox = BoxToClientCorner(hwnd, MISSES_BOX_TOP_LEFT);
    const bool moved = scoreBox.right != game.counterBoxEnd.cx || scoreBox.bottom != game.counterBoxEnd.cy;
    const bool redrawScore = score || (moved && !IsRectEmpty(&game.scoreCell));
    const bool redrawMisses = !score || (moved && !IsRectEmpty(&game.missesCell));
    if (moved) {
        RestorePictureUnder(dc, game.scoreCell);
        RestorePictureUnder(dc, game.missesCell);
    }
    if (redrawScore) DrawAndNoteCell(dc, game.scoreText, &scoreBox, &game.scoreCell);
    if (redrawMisses) DrawAndNoteCell(dc, game.chancesText, &missesBox, &game.missesCell);
    game.counterBoxEnd = {scoreBox.right, scoreBox.bottom};
}

}  // namespace

void ApplyVerdict(HDC dc, HWND hwnd) {
    if (game.hitFlag && game.clockRunning) {
        AddScore(dc, hwnd);
        game.hitFlag = 0;
    } else if (!game.hitFlag && game.clockRunning) {
        SubtractScore(dc, hwnd);
    }
    if (game.missFlag) StepMissesLeft(dc, hwnd);
}

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

void DrawScore(HDC dc, HWND hwnd) { DrawPanelCounter(dc, hwnd, true); }

void DrawMissesLeft(HDC dc, HWND hwnd) { DrawPanelCounter(dc, hwnd, false); }

void DrawCounterText(HDC dc, const char* text, RECT* box) {
    SetBkColor(dc, RGB(COUNTER_TEXT_BACKGROUND.r, COUNTER_TEXT_BACKGROUND.g, COUNTER_TEXT_BACKGROUND.b));
    DeleteObject(game.hFont);
    game.hFont = CreateFontA(COUNTER_FONT_HEIGHT, 0, 0, 0, FW_MEDIUM, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0,
                             game.fontFace);
    // The previous font may still have been selected, so its deletion above
    // was refused; it is deleted here once displaced.
    DeleteObject(SelectObject(dc, game.hFont));
    DrawTextA(dc, text, -1, box, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    // DrawTextA clips to the box.
    RECT drawn, cell = TextCell(dc, text, *box);
    if (IntersectRect(&drawn, &cell, box)) NoteDrawn(dc, drawn);
}
