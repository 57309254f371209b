// The paint cycle: the game is played inside WM_PAINT, in five steps.
#include "game/paint.h"

#include "game/game_state.h"
#include "game/input_guard.h"
#include "game/level_end.h"
#include "game/pictures_buttons.h"
#include "game/platform.h"
#include "game/screen_copy.h"
#include "resources/layout.h"
#include "rules/countdown.h"
#include "rules/counters.h"
#include "rules/differences.h"

namespace {

constexpr DWORD PAUSE_AFTER_FIFTH_FIND_MS = 1000;

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
    // A cue this paint asks for starts once its drawing is on the screen.
    PlatformSoundsAwaitShow();
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
