// WndProc and the button commands.
//
// Messages: WM_CREATE (title screen), WM_DESTROY, WM_PAINT (the paint cycle),
// WM_CLOSE, WM_COMMAND (ID_START, ID_EXIT, ID_NEXT, ID_BACK, ID_HINT),
// WM_LBUTTONDOWN (the first half of a click), WM_LBUTTONUP (a click to
// judge), WM_CAPTURECHANGED (a click broken off). Everything else goes to
// DefWindowProcA.
#include "game/window_proc.h"

#include "game/game_state.h"
#include "game/input_guard.h"
#include "game/paint.h"
#include "game/pictures_buttons.h"
#include "game/platform.h"
#include "game/screen_copy.h"
#include "resources/layout.h"
#include "rules/differences.h"
#include "rules/hint.h"

namespace {

// There is no screen variable; these read the screen off the flags. Start,
// next and back act only on the screen that shows their button, so a press
// queued behind its screen (a double click, a message from elsewhere) can't
// move the pictures away from the areas being judged.
bool OnTitleScreen() { return !game.gameActive; }
bool OnLevelClearedScreen() {
    return game.gameActive && !game.levelActive && !game.gameOverShown && game.levelIndex < LEVEL_COUNT;
}
bool OnGameOverScreen() { return game.gameActive && game.gameOverShown; }

// WM_CREATE: the title picture and the four buttons made once.
void OnCreate(HWND hwnd) {
    LoadPicture(game.hInstance, game.pCurrentPicture, hwnd);
    MakeButton(game.btnStart, hwnd, START_BUTTON_AT.x, START_BUTTON_AT.y, ID_START);
    MakeButton(game.btnExit, hwnd, TITLE_EXIT_BUTTON_AT.x, TITLE_EXIT_BUTTON_AT.y, ID_EXIT);
    MakeButton(game.btnNext, hwnd, NEXT_BUTTON_AT.x, NEXT_BUTTON_AT.y, ID_NEXT);
    ShowWindow(game.btnNext.hwnd, SW_HIDE);
    MakeButton(game.btnLevelExit, hwnd, LEVEL_EXIT_BUTTON_AT.x, LEVEL_EXIT_BUTTON_AT.y, ID_EXIT);
    ShowWindow(game.btnLevelExit.hwnd, SW_HIDE);
}

// ID_START: a new game at level 1.
void OnStart(HWND hwnd) {
    if (!OnTitleScreen()) return;
    // The click starts with the level on the screen, not before it.
    PlatformSoundsAwaitShow();
    PlatformPlaySound(WAV_CLICK, CUE_FLAGS);  // also ends the title music
    game.gameOverShown = 0;
    game.gameActive = 1;
    game.levelActive = 1;
    game.chancesText[0] = '9';
    game.outOfChances = 0;
    game.clockRunning = 1;
    game.timeUp = 0;
    game.scoreText[0] = '1';
    game.scoreText[1] = '0';
    game.gameOverArmed = 1;
    game.timerStarted = 0;
    game.timeWrapped = 0;
    game.hudDirty = 1;
    // A release made on another screen belongs to no level.
    game.clickPending = 0;
    ShowWindow(game.btnStart.hwnd, SW_HIDE);
    ShowWindow(game.btnExit.hwnd, SW_HIDE);
    MakeButton(game.btnHint, hwnd, HINT_BUTTON_AT.x, HINT_BUTTON_AT.y, ID_HINT);
    game.pCurrentPicture = NextPictureName(game.pCurrentPicture);
    LoadPicture(game.hInstance, game.pCurrentPicture, hwnd);
    UpdateWindow(game.hwndMain);
}

// ID_EXIT: from any screen.
void OnExit(HWND hwnd) {
    PlatformPlaySound(WAV_CLICK, CUE_FLAGS);
    DestroyWindow(hwnd);
}

// ID_NEXT: the next level; score and misses left carry over.
void OnNext(HWND hwnd) {
    if (!OnLevelClearedScreen()) return;
    PlatformSoundsAwaitShow();
    PlatformPlaySound(WAV_CLICK, CUE_FLAGS);
    game.levelActive = 1;
    ShowWindow(game.btnNext.hwnd, SW_HIDE);
    ShowWindow(game.btnLevelExit.hwnd, SW_HIDE);
    ShowWindow(game.btnHint.hwnd, SW_SHOW);
    game.pCurrentPicture = NextPictureName(game.pCurrentPicture);
    game.timerStarted = 0;
    game.hudDirty = 1;
    game.clockRunning = 1;
    game.timeWrapped = 0;
    game.clickPending = 0;
    LoadPicture(game.hInstance, game.pCurrentPicture, hwnd);
    UpdateWindow(game.hwndMain);
}

// ID_BACK: the title screen, ready for a new game.
void OnBack(HWND hwnd) {
    if (!OnGameOverScreen()) return;
    game.gameActive = 0;
    PlatformPlaySound(WAV_MUSIC, MUSIC_FLAGS);
    ShowWindow(game.btnStart.hwnd, SW_SHOW);
    ShowWindow(game.btnExit.hwnd, SW_SHOW);
    ShowWindow(game.btnGameOverExit.hwnd, SW_HIDE);
    ShowWindow(game.btnBack.hwnd, SW_HIDE);
    game.pCurrentPicture = TitlePictureName();
    LoadPicture(game.hInstance, game.pCurrentPicture, hwnd);
    game.pLevelRects = &DifferenceTable[0];
    game.hintsLeft = 3;
    for (BYTE& flag : game.found) flag = 0;
    game.foundCount = 0;
    game.levelIndex = 0;
}

// WM_LBUTTONDOWN: a click begins here only if it was made on this screen
// and is not the second half of a double click on start, next or back. The
// window keeps the mouse until the release, wherever the pointer goes.
void OnLeftButtonDown(HWND hwnd) {
    game.leftPressedHere = !MadeBeforeThisScreen() && !SecondClickOfAButtonDoubleClick();
    if (game.leftPressedHere) SetCapture(hwnd);
}

// The release came where the window shows its client area (the mouse is
// ours from the press, so the point may lie anywhere).
bool InClientArea(HWND hwnd, LPARAM lParam) {
    RECT client;
    GetClientRect(hwnd, &client);
    const POINT at = {static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))};
    return PtInRect(&client, at) != FALSE;
}

// WM_LBUTTONUP: keep the point for the paint cycle to judge. Only the
// release of a press made here on this screen, let go over the client area,
// is a click: not the release that ends a title-bar double click, nor one
// made before the screen showed, nor one dragged out of the window.
void OnLeftButtonUp(HWND hwnd, LPARAM lParam) {
    const bool pressedHere = game.leftPressedHere;
    game.leftPressedHere = 0;
    if (GetCapture() == hwnd) ReleaseCapture();
    if (!pressedHere || MadeBeforeThisScreen() || !InClientArea(hwnd, lParam)) return;
    game.clickX = LOWORD(lParam);
    game.clickY = HIWORD(lParam);
    game.clickPending = 1;
    game.eraseOnInvalidate = 0;
    InvalidateRect(hwnd, nullptr, FALSE);
}

void OnCommand(HWND hwnd, WORD command) {
    switch (command) {
        case ID_START: OnStart(hwnd); break;
        case ID_EXIT: OnExit(hwnd); break;
        case ID_NEXT: OnNext(hwnd); break;
        case ID_BACK: OnBack(hwnd); break;
        case ID_HINT: OnHint(hwnd); break;
        default: break;
    }
}

}  // namespace

LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_CREATE: OnCreate(hwnd); return 0;
        case WM_DESTROY:
            ReleaseScreen();
            PostQuitMessage(0);
            return 0;
        case WM_PAINT: PaintCycle(hwnd); return 0;
        case WM_CLOSE: DestroyWindow(hwnd); return 0;
        // Only the low word names the command; the high word is ignored.
        case WM_COMMAND: OnCommand(hwnd, LOWORD(wParam)); return 0;
        case WM_LBUTTONDOWN:
            OnLeftButtonDown(hwnd);
            return DefWindowProcA(hwnd, msg, wParam, lParam);
        case WM_LBUTTONUP: OnLeftButtonUp(hwnd, lParam); return 0;
        // The mouse was taken away mid-click (another window, a menu, a
        // move): no later release finishes that click.
        case WM_CAPTURECHANGED: game.leftPressedHere = 0; return 0;
        default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}
