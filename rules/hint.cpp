// Hint reveal.
#include "rules/hint.h"

#include "game/level_end.h"
#include "game/pictures_buttons.h"
#include "game/platform.h"
#include "game/screen_copy.h"

namespace {

constexpr DWORD PAUSE_ON_CLEARED_MS = 2000;

}  // namespace

void OnHint(HWND hwnd) {
    // Only while a level is in play: a press queued behind a level's end
    // would otherwise spend a hint on the next level before it is shown,
    // and one handled after the paint that found the game lost (a ninth
    // miss, the minute over) but before the game-over screen would spend a
    // hint on a game already lost.
    if (!LevelInPlay() || GameLost()) return;

    // 1. Count the hint; the button shows how many are left. With none left
    //    the press only checks for a cleared level.
    if (game.hintsLeft > 0) {
        game.hintsLeft--;
        // The click cue, then the found cue, once the ring is on the screen.
        PlatformSoundsAwaitShow();
        PlatformPlaySound(WAV_CLICK, CUE_FLAGS);
        ChangeButtonImage(game.btnHint, 3 - game.hintsLeft);

        // 2. Ring it straight onto the window, then let the paint cycle run once.
        game.eraseOnInvalidate = 0;
        InvalidateRect(hwnd, nullptr, FALSE);
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        HDC screen = ScreenDC(hwnd);
        RevealHint(*game.pLevelRects, screen);
        InvalidateRect(hwnd, nullptr, game.eraseOnInvalidate);
        ShowScreenPart(dc, ps.rcPaint);
        EndPaint(hwnd, &ps);
        UpdateWindow(game.hwndMain);
    }

    // 3. Was that the level's fifth? (The repaint may have lost the game.)
    if (LevelCleared()) FinishLevel(hwnd, 0, PAUSE_ON_CLEARED_MS);
}

void RevealHint(const LevelRects& areas, HDC dc) {
    for (int k = 0; k < AREAS_PER_LEVEL; ++k) {
        if (game.found[k]) continue;
        const RECT& area = areas[k];
        DrawRing(dc, area);
        game.found[k] = 1;
        game.foundCount++;
        PlatformPlaySound(WAV_FOUND, CUE_FLAGS);
        return;
    }
}
