// The end of a level: the level-cleared screen, or after the last level
// the final one.
#include "game/level_end.h"

#include "game/game_state.h"
#include "game/pictures_buttons.h"
#include "game/platform.h"
#include "resources/layout.h"

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
