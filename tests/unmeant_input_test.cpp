// Input the player did not mean for the screen in front of them is never
// judged and never presses a button: input made before a screen was shown,
// a release with no press, and the second click of a double click on start
// or next. Driven through the real window with posted input, which carries
// the time it was made, as the mouse's does.
#include "game/game_state.h"
#include "resources/layout.h"
#include "test_platform.h"
#include "test_support.h"

#include <algorithm>
#include <string>

namespace {

using UnmeantInputTest = GameWindowTest;

// A press and release on a button, as the mouse gives them to it.
void PostButtonClick(const BitmapButton& button) {
    PostMessageA(button.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageA(button.hwnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
}

bool Played(int sound, size_t since) {
    return std::any_of(playedSounds.begin() + static_cast<long>(since), playedSounds.end(),
                       [&](const PlayedSound& s) { return s.id == sound; });
}

void PumpAll() {
    for (int i = 0; i < 4; ++i) {
        PumpWithoutPaint();
        PumpPaints(1);
    }
}

// The player clicks during the pause that follows a fifth find, where the
// level-cleared screen's buttons are about to appear; the pause takes real
// time, so the clicks are older than the screen.
void ClickNextAndExitSpotsInThePause() {
    PostButtonClick(game.btnNext);
    PostButtonClick(game.btnLevelExit);
    Sleep(30);
}

}  // namespace

TEST_F(UnmeantInputTest, ClicksInThePauseNeverPressTheButtonsThatAppearUnderThem) {
    StartGame();
    for (int k = 0; k < 4; ++k) ClickAt(InsideOf(1, k).x, InsideOf(1, k).y);
    duringSleep = ClickNextAndExitSpotsInThePause;
    const size_t sounds = playedSounds.size();
    ClickAt(InsideOf(1, 4).x, InsideOf(1, 4).y);
    duringSleep = nullptr;
    PumpAll();
    ASSERT_TRUE(IsWindow(game.hwndMain)) << "the exit button that appeared under the pointer closed the game";
    EXPECT_STREQ("pic10", game.pCurrentPicture) << "the next button pressed in the pause skipped the cleared screen";
    EXPECT_EQ(0, game.levelActive);
    EXPECT_TRUE(Visible(game.btnNext));
    EXPECT_FALSE(Played(WAV_CLICK, sounds));

    // Pressed once the screen is up, next acts.
    PostButtonClick(game.btnNext);
    PumpAll();
    EXPECT_STREQ("pic11", game.pCurrentPicture);
}

TEST_F(UnmeantInputTest, AReleaseWithNoPressIsNoClick) {
    StartGame();
    // A title-bar double click that maximises the window leaves only its
    // second release in the client area.
    PostMessageA(game.hwndMain, WM_LBUTTONUP, 0, MAKELPARAM(720, 260));
    PumpAll();
    EXPECT_EQ(0, game.clickPending);
    EXPECT_STREQ("9", game.chancesText);
    EXPECT_STREQ("100", game.scoreText);

    // A press and its release is a click.
    ClickAt(720, 260);
    EXPECT_STREQ("8", game.chancesText);
}

TEST_F(UnmeantInputTest, APressBeforeTheScreenChangedMakesNoClickOfItsRelease) {
    StartGame();
    for (int k = 0; k < 4; ++k) ClickAt(InsideOf(1, k).x, InsideOf(1, k).y);
    // Pressed on the level; the hint clears it before the release comes.
    PostMessageA(game.hwndMain, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(720, 260));
    PumpWithoutPaint();
    Sleep(20);
    Command(ID_HINT, BN_CLICKED);
    PumpAll();
    PostMessageA(game.hwndMain, WM_LBUTTONUP, 0, MAKELPARAM(720, 260));
    PumpAll();
    EXPECT_EQ(0, game.clickPending);
}

TEST_F(UnmeantInputTest, TheSecondClickOfADoubleClickOnStartIsNotJudged) {
    // Both clicks queued before the first is handled: the second was made
    // before the level showed.
    PostButtonClick(game.btnStart);
    PostClick(START_BUTTON_AT.x + 20, START_BUTTON_AT.y + 20);
    PumpAll();
    ASSERT_EQ(1, game.gameActive);
    EXPECT_STREQ("9", game.chancesText);
    EXPECT_STREQ("100", game.scoreText);
    EXPECT_EQ(0, game.clickPending);

    // Made after the level showed, but within the double-click time.
    Sleep(GetDoubleClickTime() + 50);
    for (int i = 0; i < 9; ++i) ClickAt(720, 260);
    PumpAll();
    ASSERT_EQ(1, game.gameOverShown);
    PostButtonClick(game.btnBack);
    PumpAll();
    PostButtonClick(game.btnStart);
    PumpAll();
    Sleep(60);
    ClickAt(START_BUTTON_AT.x + 20, START_BUTTON_AT.y + 20);
    EXPECT_STREQ("9", game.chancesText) << "the double click's second click was judged";

    // A click after the double-click time is the player's next click.
    Sleep(GetDoubleClickTime() + 100);
    ClickAt(START_BUTTON_AT.x + 20, START_BUTTON_AT.y + 20);
    EXPECT_STREQ("8", game.chancesText);
}

TEST_F(UnmeantInputTest, TheSecondClickOfADoubleClickOnNextIsNotJudged) {
    StartGame();
    for (int k = 0; k < 5; ++k) ClickAt(InsideOf(1, k).x, InsideOf(1, k).y);
    PumpAll();
    PostButtonClick(game.btnNext);
    PumpAll();
    ASSERT_STREQ("pic11", game.pCurrentPicture);
    Sleep(60);
    ClickAt(NEXT_BUTTON_AT.x + 20, NEXT_BUTTON_AT.y + 20);
    EXPECT_STREQ("9", game.chancesText);
    EXPECT_STREQ("150", game.scoreText);
}
