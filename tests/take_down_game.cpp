#include "tests/take_down_game.h"

#include "game/game_state.h"

#include <initializer_list>

void TakeDownGame() {
    if (IsWindow(game.hwndMain)) DestroyWindow(game.hwndMain);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message != WM_QUIT) DispatchMessageA(&msg);
    }
    UnregisterClassA(game.className, game.hInstance);
    // Pictures, fonts and bitmaps of one game must not outlive it.
    DeleteObject(game.hbmBackground);
    DeleteObject(game.hFont);
    for (BitmapButton* button : {&game.btnStart, &game.btnExit, &game.btnLevelExit, &game.btnGameOverExit,
                                 &game.btnNext, &game.btnHint, &game.btnBack})
        DeleteObject(button->hbm);
}
