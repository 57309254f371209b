// The paint cycle: the game is played inside WM_PAINT, in five steps.
#include "game/paint.h"

#include "game/game_state.h"
#include "game/input_guard.h"
#include "game/pictures_buttons.h"
#include "game/platform.h"
#include "resources/layout.h"
#include "rules/countdown.h"
#include "rules/counters.h"
#include "rules/differences.h"

namespace {

constexpr DWORD PAUSE_AFTER_FIFTH_FIND_MS = 1000;
constexpr int RING_PEN_WIDTH = 5;

const BitmapButton* const ALL_BUTTONS[] = {&game.btnStart, &game.btnExit,  &game.btnLevelExit, &game.btnGameOverExit,
                                           &game.btnNext,  &game.btnHint,  &game.btnBack};

// What was drawn on the memory copy since its last show: a ring, a counter
// cell, the whole picture. A show puts these on the window first.
constexpr int MAX_DRAWN_PARTS = 8;
RECT drawnParts[MAX_DRAWN_PARTS];
int drawnPartCount = 0;

void CopyToWindow(HDC dc, const RECT& area) {
    BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, game.hdcScreen, area.left,
           area.top, SRCCOPY);
}

// Fills the memory copy with the class background, then the picture over it.
void CopyPictureToScreen(HWND hwnd) {
    // The new picture holds no counter cells yet.
    SetRectEmpty(&game.scoreCell);
    SetRectEmpty(&game.missesCell);
    HDC screen = ScreenDC(hwnd);
    RECT all = {0, 0, game.screenWidth, game.screenHeight};
    FillRect(screen, &all, GetSysColorBrush(COLOR_WINDOW));
    NoteDrawn(screen, all);
    HDC pictureDC = CreateCompatibleDC(screen);
    HGDIOBJ previous = SelectObject(pictureDC, game.hbmBackground);
    BitBlt(screen, static_cast<int>(game.bgX), static_cast<int>(game.bgY), game.bgWidth, game.bgHeight,
           pictureDC, 0, 0, SRCCOPY);
    SelectObject(pictureDC, previous);
    DeleteDC(pictureDC);
}

// The countdown ran out or the misses are used up: the game-over screen.
void RaiseGameOver(HWND hwnd) {
    ShowWindow(game.btnHint.hwnd, SW_HIDE);
    MakeButton(game.btnGameOverExit, hwnd, GAME_OVER_EXIT_BUTTON_AT.x, GAME_OVER_EXIT_BUTTON_AT.y, ID_EXIT);
    MakeButton(game.btnBack, hwnd, BACK_BUTTON_AT.x, BACK_BUTTON_AT.y, ID_BACK);
    LoadPicture(game.hInstance, "pic3", hwnd);
    game.gameOverShown = 1;
    game.clockRunning = 0;
    game.gameOverArmed = 0;
}

// Judges the pending click, scores it, and clears the level after its fifth
// find; hdc is the window's, screen the memory copy.
void JudgePendingClick(HWND hwnd, HDC hdc, HDC screen, const RECT& paintArea) {
    JudgeClick(*game.pLevelRects, screen);
    ApplyVerdict(screen, hwnd);

    // Cleared by this find, or by a hint while the click waited. If the
    // click was the ninth miss the game is lost instead, and the next paint
    // says so.
    if (LevelCleared()) {
        // The fifth ring and the new score stay up during the pause.
        ShowScreenPart(hdc, paintArea);
        FinishLevel(hwnd, PAUSE_AFTER_FIFTH_FIND_MS, 0);
    }
    InvalidateRect(hwnd, nullptr, game.eraseOnInvalidate);
}

}  // namespace

void PaintCycle(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    HDC screen = ScreenDC(hwnd);

    // 1. The picture: copied whole only at the first paint after it was
    //    loaded; later paints draw over what is already there.
    const bool newScreen = game.pictureFresh;
    if (game.pictureFresh) {
        CopyPictureToScreen(hwnd);
        game.pictureFresh = 0;
    }

    // 2. A level has just begun: its score and misses left.
    if (game.hudDirty) {
        DrawScore(screen, hwnd);
        DrawMissesLeft(screen, hwnd);
        game.hudDirty = 0;
    }

    // 3. Out of time or out of misses: game over.
    if ((game.timeUp || game.outOfChances) && game.gameOverArmed && LevelInPlay()) {
        RaiseGameOver(hwnd);
    }

    // 4. A click waits and a level is in play: judge it.
    if (game.clickPending && LevelInPlay()) {
        JudgePendingClick(hwnd, hdc, screen, ps.rcPaint);
    }

    // What the steps above drew reaches the window now, not after the delay.
    ShowScreenPart(hdc, ps.rcPaint);
    if (newScreen) MarkScreenShown();

    // 5. The clock runs: a countdown step, which asks for the next paint.
    if (game.clockRunning) {
        PlatformBusyDelay(BUSY_DELAY_ITERATIONS);
        StepCountdown(screen, hwnd);
        const RECT timerBox = {TIMER_BOX.left, TIMER_BOX.top, TIMER_BOX.right, TIMER_BOX.bottom};
        ShowScreenPart(hdc, timerBox);
    }
    EndPaint(hwnd, &ps);

    // While the paint loop runs the main window always has a paint due, and
    // the system hands out paints parent first: a button uncovered or erased
    // meanwhile would wait for good. Paint such buttons now.
    PaintButtonsDue();
}

void PaintButtonsDue() {
    for (const BitmapButton* button : ALL_BUTTONS) {
        if (button->hwnd && IsWindowVisible(button->hwnd) && GetUpdateRect(button->hwnd, nullptr, FALSE))
            UpdateWindow(button->hwnd);
    }
}

void FinishLevel(HWND hwnd, DWORD pauseBeforeMs, DWORD pauseOnClearedMs) {
    game.levelActive = 0;
    if (pauseBeforeMs) PlatformSleep(pauseBeforeMs);
    game.levelIndex++;
    if (game.levelIndex == LEVEL_COUNT) {
        LoadPicture(game.hInstance, game.pFinalPicture, hwnd);
        ShowWindow(game.btnHint.hwnd, SW_HIDE);
        ShowWindow(game.btnNext.hwnd, SW_HIDE);
        ShowWindow(game.btnLevelExit.hwnd, SW_HIDE);
    } else {
        game.pLevelRects++;
        LoadPicture(game.hInstance, game.pClearedPicture, hwnd);
        if (pauseOnClearedMs) PlatformSleep(pauseOnClearedMs);
        ShowWindow(game.btnHint.hwnd, SW_HIDE);
        ShowWindow(game.btnNext.hwnd, SW_SHOW);
        ShowWindow(game.btnLevelExit.hwnd, SW_SHOW);
    }
    game.eraseOnInvalidate = 1;
    game.foundCount = 0;
    for (BYTE& flag : game.found) flag = 0;
    game.clockRunning = 0;
    game.timerStarted = 1;
}

HDC ScreenDC(HWND hwnd) {
    RECT client;
    GetClientRect(hwnd, &client);
    const LONG width = client.right > game.bgWidth ? client.right : game.bgWidth;
    const LONG height = client.bottom > game.bgHeight ? client.bottom : game.bgHeight;
    if (game.hdcScreen && width <= game.screenWidth && height <= game.screenHeight) return game.hdcScreen;

    // Grown window (or first use): a larger copy that keeps what the old one held.
    HDC windowDC = GetDC(hwnd);
    HDC grown = CreateCompatibleDC(windowDC);
    HBITMAP grownBitmap = CreateCompatibleBitmap(windowDC, width, height);
    ReleaseDC(hwnd, windowDC);
    HGDIOBJ grownDefault = SelectObject(grown, grownBitmap);
    RECT all = {0, 0, width, height};
    FillRect(grown, &all, GetSysColorBrush(COLOR_WINDOW));
    if (game.hdcScreen) {
        BitBlt(grown, 0, 0, game.screenWidth, game.screenHeight, game.hdcScreen, 0, 0, SRCCOPY);
        // The counter font lives selected in the copy; carry it over.
        SelectObject(grown, GetCurrentObject(game.hdcScreen, OBJ_FONT));
        ReleaseScreen();
    }
    game.hdcScreen = grown;
    game.hbmScreen = grownBitmap;
    game.hbmScreenDefault = static_cast<HBITMAP>(grownDefault);
    game.screenWidth = width;
    game.screenHeight = height;
    return game.hdcScreen;
}

void NoteDrawn(HDC dc, const RECT& part) {
    if (dc != game.hdcScreen || IsRectEmpty(&part)) return;
    if (drawnPartCount == MAX_DRAWN_PARTS) {
        UnionRect(&drawnParts[MAX_DRAWN_PARTS - 1], &drawnParts[MAX_DRAWN_PARTS - 1], &part);
        return;
    }
    drawnParts[drawnPartCount++] = part;
}

void ShowScreenPart(HDC dc, const RECT& area) {
    // The buttons draw themselves; copying over them would wipe them out
    // whenever they painted before their parent (as Wine may order it).
    for (const BitmapButton* button : ALL_BUTTONS) {
        if (!button->hwnd || !IsWindowVisible(button->hwnd)) continue;
        RECT place;
        GetWindowRect(button->hwnd, &place);
        MapWindowPoints(nullptr, GetParent(button->hwnd), reinterpret_cast<POINT*>(&place), 2);
        ExcludeClipRect(dc, place.left, place.top, place.right, place.bottom);
    }
    // A click asks for the whole window, but it changed only a ring and a
    // counter or two. Those go to the screen first, on their own: under Wine
    // the whole client area is 2.4 MB for the X server to take, and the ring
    // would wait for all of it. The whole area follows, as asked for, so
    // anything the system wiped is put back all the same.
    bool areaShown = false;
    bool partShown = false;
    for (int i = 0; i < drawnPartCount; ++i) {
        RECT part;
        if (!IntersectRect(&part, &drawnParts[i], &area)) continue;
        CopyToWindow(dc, part);
        partShown = true;
        if (EqualRect(&part, &area)) areaShown = true;
    }
    drawnPartCount = 0;
    // On the screen now, before the busy delay or a pause holds the thread.
    if (partShown) PlatformSyncWithDisplay();
    if (areaShown) return;
    CopyToWindow(dc, area);
    PlatformSyncWithDisplay();
}

void ReleaseScreen() {
    if (!game.hdcScreen) return;
    // Put the copy's own font back first so the counter font is not freed by
    // accident; it is released with the rest of the counters' fonts.
    SelectObject(game.hdcScreen, GetStockObject(SYSTEM_FONT));
    SelectObject(game.hdcScreen, game.hbmScreenDefault);
    DeleteObject(game.hbmScreen);
    DeleteDC(game.hdcScreen);
    game.hdcScreen = nullptr;
    game.hbmScreen = nullptr;
    game.screenWidth = 0;
    game.screenHeight = 0;
    drawnPartCount = 0;
}

void DrawRing(HDC dc, const RECT& area) {
    HGDIOBJ previousBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    // Each ring's pen serves that one drawing.
    HGDIOBJ previousPen = SelectObject(dc, CreatePen(PS_SOLID, RING_PEN_WIDTH, game.penColor));
    Ellipse(dc, area.left, area.top, area.right, area.bottom);
    DeleteObject(SelectObject(dc, previousPen));
    SelectObject(dc, previousBrush);
    // The pen is centred on the bounds, so half its width lies outside.
    RECT drawn = area;
    InflateRect(&drawn, RING_PEN_WIDTH, RING_PEN_WIDTH);
    NoteDrawn(dc, drawn);
}

bool LevelInPlay() { return game.gameActive && game.levelActive && !game.gameOverShown; }

bool GameLost() { return game.outOfChances || game.timeUp || game.gameOverShown; }

bool LevelCleared() { return game.foundCount >= AREAS_PER_LEVEL && !GameLost(); }
