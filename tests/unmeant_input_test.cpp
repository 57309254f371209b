// Input the player did not mean for the screen in front of them is never
// judged and never presses a button: input made before a screen was shown,
// a release with no press, and the second click of a double click on start
// or next. Driven through the real window with posted input, which carries
// the time it was made, as the mouse's does, and with input sent through the
// system's own queue (SendInput), which goes where the mouse is held.
#include "game/game_state.h"
#include "resources/layout.h"
#include "test_platform.h"
#include "test_support.h"

#include <algorithm>
#include <string>

namespace {

using UnmeantInputTest = GameWindowTest;

// Where a button stands, in client coordinates.
POINT CentreOf(const BitmapButton& button) {
    RECT place;
    GetWindowRect(button.hwnd, &place);
    MapWindowPoints(nullptr, game.hwndMain, reinterpret_cast<POINT*>(&place), 2);
    return {(place.left + place.right) / 2, (place.top + place.bottom) / 2};
}

// A press and release on a button, as the mouse gives them to it, at a
// point of the main window's client area: the pointer goes there first,
// since a posted message is stamped with where the pointer is.
void PostButtonClick(const BitmapButton& button, POINT client) {
    POINT at = client;
    ClientToScreen(game.hwndMain, &at);
    SetCursorPos(at.x, at.y);
    RECT place;
    GetWindowRect(button.hwnd, &place);
    const LPARAM onButton = MAKELPARAM(at.x - place.left, at.y - place.top);
    PostMessageA(button.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, onButton);
    PostMessageA(button.hwnd, WM_LBUTTONUP, 0, onButton);
}

void PostButtonClick(const BitmapButton& button) { PostButtonClick(button, CentreOf(button)); }

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

// Real mouse input through the system's queue, at a point of the main
// window's client area (which may lie outside it).
void SendMouse(DWORD buttonFlag, POINT client) {
    POINT at = client;
    ClientToScreen(game.hwndMain, &at);
    SetCursorPos(at.x, at.y);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = buttonFlag;
    SendInput(1, &input, sizeof input);
    // What was sent reaches this thread's queue only through the server.
    for (int i = 0; i < 5; ++i) {
        Sleep(10);
        PumpWithoutPaint();
    }
}

bool Pushed(const BitmapButton& button) {
    return (SendMessageA(button.hwnd, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
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

TEST_F(UnmeantInputTest, TheSecondClickOfADoubleClickOnNextPressesNoHintButtonUnderIt) {
    StartGame();
    ClearCurrentLevelByClicks();
    PumpAll();
    ASSERT_TRUE(Visible(game.btnNext));
    // Next and the next level's hint button overlap; the pointer rests on
    // both. The second click, within the double-click time, lands on the
    // hint button that the first one brought up.
    const POINT onBoth = {815, 175};
    PostButtonClick(game.btnNext, onBoth);
    PumpAll();
    ASSERT_STREQ("pic11", game.pCurrentPicture);
    ASSERT_TRUE(Visible(game.btnHint));
    const size_t sounds = playedSounds.size();
    Sleep(60);
    PostButtonClick(game.btnHint, onBoth);
    PumpAll();
    EXPECT_EQ(3, game.hintsLeft) << "the double click on next spent a hint";
    EXPECT_EQ(0, game.foundCount);
    EXPECT_FALSE(Played(WAV_FOUND, sounds));
    EXPECT_EQ(nullptr, GetCapture()) << "the dropped press left the mouse held";

    // A deliberate click on the hint button, after the double-click time.
    Sleep(GetDoubleClickTime() + 100);
    PostButtonClick(game.btnHint, onBoth);
    PumpAll();
    EXPECT_EQ(2, game.hintsLeft);
    EXPECT_EQ(1, game.foundCount);
}

TEST_F(UnmeantInputTest, TheSecondClickOfADoubleClickOnStartFindsNothingUnderIt) {
    // Level 1's fourth area lies under the start button.
    const POINT hidden = InsideOf(1, 3);
    ASSERT_TRUE(hidden.x >= START_BUTTON_AT.x && hidden.y >= START_BUTTON_AT.y && hidden.y < START_BUTTON_AT.y + 88);
    PostButtonClick(game.btnStart);
    PumpAll();
    ASSERT_EQ(1, game.gameActive);
    Sleep(60);
    ClickAt(hidden.x, hidden.y);
    EXPECT_EQ(0, game.foundCount) << "the double click on start found an area of a level not yet seen";
    EXPECT_STREQ("100", game.scoreText);
}

TEST_F(UnmeantInputTest, AStaleReleaseOnAButtonStillLetsTheMouseGo) {
    StartGame();
    // The hint button is held down as the minute runs out.
    SendMouse(MOUSEEVENTF_LEFTDOWN, CentreOf(game.btnHint));
    ASSERT_EQ(game.btnHint.hwnd, GetCapture());
    AdvanceTestClock(61);
    for (int i = 0; i < 10 && !game.gameOverShown; ++i) PumpPaints(1);
    ASSERT_EQ(1, game.gameOverShown);
    ASSERT_EQ(1, game.pictureFresh) << "the game-over picture is loaded, not yet shown";
    // Let go before the paint shows the game-over screen: the release is stale.
    SendMouse(MOUSEEVENTF_LEFTUP, CentreOf(game.btnHint));
    EXPECT_NE(game.btnHint.hwnd, GetCapture()) << "the hidden hint button keeps the mouse";
    EXPECT_FALSE(Pushed(game.btnHint));
    EXPECT_EQ(3, game.hintsLeft) << "a stale release ran its command";
    PumpAll();

    // The next press, on back, reaches back.
    Sleep(GetDoubleClickTime() + 50);
    const POINT back = CentreOf(game.btnBack);
    SendMouse(MOUSEEVENTF_LEFTDOWN, back);
    SendMouse(MOUSEEVENTF_LEFTUP, back);
    PumpAll();
    EXPECT_EQ(0, game.gameActive) << "back did not take the player to the title";
    EXPECT_STREQ("pic1", game.pCurrentPicture);
}

TEST_F(UnmeantInputTest, APressAndItsReleaseStayAPair) {
    StartGame();
    const POINT onPicture = {720, 260};
    // Pressed on the picture, dragged out of the window and let go there.
    SendMouse(MOUSEEVENTF_LEFTDOWN, onPicture);
    const POINT outside = {-60, 200};  // left of the window's frame
    SendMouse(MOUSEEVENTF_LEFTUP, outside);
    PumpAll();
    EXPECT_EQ(nullptr, GetCapture());
    EXPECT_EQ(0, game.clickPending) << "a release outside the window was judged";
    EXPECT_STREQ("9", game.chancesText);
    // A lone release later (a title-bar double click's) finishes nothing.
    PostMessageA(game.hwndMain, WM_LBUTTONUP, 0, MAKELPARAM(onPicture.x, onPicture.y));
    PumpAll();
    EXPECT_STREQ("9", game.chancesText) << "a lone release was paired with the press dragged away";

    // A press whose mouse another window takes is broken off.
    PostMessageA(game.hwndMain, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(onPicture.x, onPicture.y));
    PumpWithoutPaint();
    SetCapture(game.btnHint.hwnd);
    ReleaseCapture();
    PostMessageA(game.hwndMain, WM_LBUTTONUP, 0, MAKELPARAM(onPicture.x, onPicture.y));
    PumpAll();
    EXPECT_STREQ("9", game.chancesText) << "a release after the mouse was lost was judged";

    // An ordinary press and release is still a click.
    SendMouse(MOUSEEVENTF_LEFTDOWN, onPicture);
    SendMouse(MOUSEEVENTF_LEFTUP, onPicture);
    PumpAll();
    EXPECT_STREQ("8", game.chancesText);
}
