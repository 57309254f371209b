// The hint button: three reveals a game, its images, the order of its rings,
// clearing a level, and where it must not act.
#include "resources/layout.h"
#include "rules/differences.h"
#include "test_platform.h"
#include "test_support.h"

#include <algorithm>

namespace {

using HintTest = GameWindowTest;

void PressHint() { Command(ID_HINT, BN_CLICKED); }

// Size of the image the hint button shows now.
SIZE HintImageSize() {
    auto shown = reinterpret_cast<HBITMAP>(SendMessageA(game.btnHint.hwnd, BM_GETIMAGE, IMAGE_BITMAP, 0));
    BITMAP info = {};
    GetObjectA(shown, sizeof info, &info);
    return {info.bmWidth, info.bmHeight};
}

SIZE HintButtonSize() {
    RECT r;
    GetWindowRect(game.btnHint.hwnd, &r);
    return {r.right - r.left, r.bottom - r.top};
}

bool Ringed(int level, int k) {
    const RECT area = AreaOf(level, k);
    return WindowPixel((area.left + area.right) / 2, area.top + 1) == RGB(255, 0, 0);
}

bool Slept(DWORD ms) { return std::find(sleepsMs.begin(), sleepsMs.end(), ms) != sleepsMs.end(); }

// The hint came while level 1 was being lost: the game-over screen is up,
// with its buttons, and the level was not cleared.
void ExpectGameOverOnLevelOne() {
    EXPECT_EQ(1, game.gameOverShown);
    EXPECT_EQ(0, game.levelIndex);
    EXPECT_TRUE(Visible(game.btnBack));
    EXPECT_FALSE(Visible(game.btnNext));
}

void FindByClick(int level, int k) {
    const POINT p = InsideOf(level, k);
    ClickAt(p.x, p.y);
}

}  // namespace

TEST_F(HintTest, ThreeHintsCountDownTheButtonImagesThenNothing) {
    StartGame();
    const SIZE images[] = {{135, 93}, {134, 87}, {136, 87}, {136, 89}};  // bh_1 .. bh_4
    EXPECT_EQ(images[0].cx, HintImageSize().cx);
    EXPECT_EQ(images[0].cy, HintImageSize().cy);
    for (int press = 1; press <= 3; ++press) {
        SCOPED_TRACE(press);
        const size_t before = playedSounds.size();
        PressHint();
        ASSERT_EQ(before + 2, playedSounds.size());
        EXPECT_EQ(WAV_CLICK, playedSounds[before].id);
        EXPECT_EQ(WAV_FOUND, playedSounds[before + 1].id);
        EXPECT_EQ(0x40005u, playedSounds[before + 1].flags);
        EXPECT_EQ(3 - press, game.hintsLeft);
        EXPECT_EQ(images[press].cx, HintImageSize().cx);
        EXPECT_EQ(images[press].cy, HintImageSize().cy);
        EXPECT_EQ(135, HintButtonSize().cx) << "the button keeps bh_1's size";
        EXPECT_EQ(93, HintButtonSize().cy);
        EXPECT_TRUE(Ringed(1, press - 1));
    }
    const size_t before = playedSounds.size();
    PressHint();
    EXPECT_EQ(before, playedSounds.size());
    EXPECT_EQ(0, game.hintsLeft);
    EXPECT_EQ(3, game.foundCount);
    EXPECT_FALSE(Ringed(1, 3));
    EXPECT_EQ(136, HintImageSize().cx);
    EXPECT_TRUE(Visible(game.btnHint));
}

TEST_F(HintTest, HintsRingTheFirstAreasNotFoundByClicks) {
    StartGame();
    FindByClick(1, 0);
    FindByClick(1, 2);
    PressHint();
    EXPECT_EQ(1, game.found[1]);
    EXPECT_TRUE(Ringed(1, 1));
    PressHint();
    EXPECT_EQ(1, game.found[3]);
    EXPECT_FALSE(Ringed(1, 4));
    // The last hint reveals the fifth: the level is cleared after a 2 s pause.
    PressHint();
    EXPECT_TRUE(Slept(2000));
    EXPECT_FALSE(Slept(1000));
    EXPECT_EQ(1, game.levelIndex);
    EXPECT_EQ(&DifferenceTable[1], game.pLevelRects);
    EXPECT_EQ(0, game.foundCount);
    EXPECT_FALSE(Visible(game.btnHint));
    EXPECT_TRUE(Visible(game.btnNext));
    EXPECT_TRUE(Visible(game.btnLevelExit));
    EXPECT_EQ(627, game.bgHeight);  // "pic2"
    EXPECT_STREQ("120", game.scoreText) << "only the two clicked finds score";
}

TEST_F(HintTest, ARevealScoresNothingAndCanNoLongerBeClicked) {
    StartGame();
    PressHint();
    EXPECT_STREQ("100", game.scoreText);
    EXPECT_STREQ("9", game.chancesText);
    const size_t before = playedSounds.size();
    FindByClick(1, 0);
    EXPECT_EQ(WAV_MISS, playedSounds[before].id);
    EXPECT_STREQ("090", game.scoreText);
    EXPECT_STREQ("8", game.chancesText);
    EXPECT_EQ(1, game.foundCount);
}

TEST_F(HintTest, HintsCarryAcrossLevelsAndANewGameHasThreeAgain) {
    StartGame();
    PressHint();
    PressHint();
    ClearCurrentLevelByClicks();  // areas 1 and 2 are revealed: those clicks miss
    ASSERT_EQ(1, game.levelIndex);
    Command(ID_NEXT);
    EXPECT_EQ(1, game.hintsLeft);
    EXPECT_TRUE(Visible(game.btnHint));
    EXPECT_EQ(136, HintImageSize().cx) << "still bh_3";
    PressHint();
    EXPECT_EQ(0, game.hintsLeft);
    EXPECT_EQ(1, game.found[0]);

    for (int i = 0; i < 9; ++i) MissOnce();
    ASSERT_EQ(1, game.gameOverShown);
    Command(ID_BACK);
    StartGame();
    EXPECT_EQ(3, game.hintsLeft);
    EXPECT_EQ(135, HintImageSize().cx);
    EXPECT_EQ(93, HintImageSize().cy);
    EXPECT_EQ(0, game.foundCount);
    PressHint();
    EXPECT_EQ(1, game.found[0]);
    EXPECT_EQ(&DifferenceTable[0], game.pLevelRects);
}

TEST_F(HintTest, AHintThatClearsTheLastLevelLeadsToTheFinalScreen) {
    StartGame();
    for (int level = 1; level < LEVEL_COUNT; ++level) {
        ClearCurrentLevelByClicks();
        Command(ID_NEXT);
    }
    for (int k = 0; k < 4; ++k) FindByClick(13, k);
    sleepsMs.clear();
    PressHint();
    EXPECT_EQ(13, game.levelIndex);
    EXPECT_EQ(&DifferenceTable[12], game.pLevelRects);
    EXPECT_FALSE(Slept(2000));
    EXPECT_FALSE(Slept(1000));
    EXPECT_FALSE(Visible(game.btnHint));
    EXPECT_FALSE(Visible(game.btnNext));
    EXPECT_FALSE(Visible(game.btnLevelExit));
    PumpPaints(1);
    EXPECT_TRUE(WindowShowsPicture("pic4")) << "the final screen, not the title (both are 626 high)";
}

TEST_F(HintTest, GameOverWinsOverALevelClearedByTheSameHint) {
    // Out of time: the countdown step has set timeUp, and a hint press that
    // reveals the fifth area is handled before the paint that ends the game.
    SetTestClock(9, 15);
    StartGame();
    for (int k = 0; k < 4; ++k) FindByClick(1, k);
    AdvanceTestClock(60);
    PumpPaints(1);
    ASSERT_EQ(1, game.timeUp);
    ASSERT_EQ(0, game.gameOverShown);
    PressHint();
    PumpPaints(2);
    ExpectGameOverOnLevelOne();
    EXPECT_EQ(944, game.bgWidth) << "pic3 stays";
    EXPECT_TRUE(Visible(game.btnGameOverExit));
    EXPECT_FALSE(Visible(game.btnLevelExit));
}

TEST_F(HintTest, GameOverWinsWhenTheHintsOwnRepaintFindsTheTimeUp) {
    // The minute is over but no countdown step has run since: the hint's own
    // repaint is the one that finds it out.
    SetTestClock(9, 15);
    StartGame();
    for (int k = 0; k < 4; ++k) FindByClick(1, k);
    AdvanceTestClock(60);
    ASSERT_EQ(0, game.timeUp);
    PressHint();
    PumpPaints(2);
    ExpectGameOverOnLevelOne();  // the minute ran out before the press
    // Were the level cleared anyway, the next one must not end at its first paint.
    if (!game.gameOverShown && Visible(game.btnNext)) {
        Command(ID_NEXT);
        PumpPaints(2);
        EXPECT_EQ(0, game.gameOverShown) << "level 2 ended at once, " << game.timerText << " shown";
    }
}

TEST_F(HintTest, GameOverByMissesAlsoWinsOverAClearingHint) {
    StartGame();
    for (int k = 0; k < 4; ++k) FindByClick(1, k);
    for (int i = 0; i < 8; ++i) MissOnce();
    // The ninth miss is judged; the hint comes before the paint after it.
    PostClick(80, 240);
    PumpWithoutPaint();
    PumpWithoutPaint();
    PumpPaints(1);
    ASSERT_EQ(1, game.outOfChances);
    ASSERT_EQ(0, game.gameOverShown);
    PressHint();
    PumpPaints(2);
    ExpectGameOverOnLevelOne();
}

TEST_F(HintTest, ANinthMissJudgedInTheHintsRepaintAlsoWins) {
    StartGame();
    for (int k = 0; k < 4; ++k) FindByClick(1, k);
    for (int i = 0; i < 8; ++i) MissOnce();
    // The ninth miss is still waiting for a paint when the hint is pressed.
    PostClick(80, 240);
    PumpWithoutPaint();
    PumpWithoutPaint();
    ASSERT_EQ(1, game.clickPending);
    PressHint();
    PumpPaints(2);
    EXPECT_STREQ("0", game.chancesText);
    ExpectGameOverOnLevelOne();
}

TEST_F(HintTest, ALostGameSpendsNoHint) {
    StartGame();
    for (int i = 0; i < 8; ++i) MissOnce();
    // The ninth miss is judged; the paint that raises game over has not run.
    PostClick(80, 240);
    PumpWithoutPaint();
    PumpPaints(1);
    ASSERT_EQ(1, game.outOfChances);
    ASSERT_EQ(0, game.gameOverShown);
    size_t sounds = playedSounds.size();
    PressHint();
    EXPECT_EQ(3, game.hintsLeft);
    EXPECT_EQ(0, game.foundCount);
    EXPECT_EQ(sounds, playedSounds.size()) << "a hint's cues played for a lost game";
    PumpPaints(2);
    ExpectGameOverOnLevelOne();

    // The minute over, found by a paint, before the game-over screen.
    Command(ID_BACK);
    StartGame();
    AdvanceTestClock(60);
    PumpPaints(1);
    ASSERT_EQ(1, game.timeUp);
    ASSERT_EQ(0, game.gameOverShown);
    sounds = playedSounds.size();
    PressHint();
    EXPECT_EQ(3, game.hintsLeft);
    EXPECT_EQ(sounds, playedSounds.size());
}

TEST_F(HintTest, HintIsIgnoredWhereNoLevelIsInPlay) {
    const auto expectIgnored = [](const char* screen) {
        SCOPED_TRACE(screen);
        const size_t sounds = playedSounds.size();
        const BYTE hints = game.hintsLeft;
        PressHint();
        EXPECT_EQ(sounds, playedSounds.size());
        EXPECT_EQ(hints, game.hintsLeft);
        EXPECT_EQ(0, game.foundCount);
        for (BYTE flag : game.found) EXPECT_EQ(0, flag);
    };
    expectIgnored("title");
    StartGame();
    ClearCurrentLevelByClicks();
    expectIgnored("level cleared");  // a press queued behind the fifth find
    Command(ID_NEXT);
    const POINT p = InsideOf(2, 0);
    ClickAt(p.x, p.y);
    EXPECT_EQ(1, game.found[0]) << "level 2's first area is still there to find";
    for (int i = 0; i < 9; ++i) MissOnce();
    ASSERT_EQ(1, game.gameOverShown);
    game.foundCount = 0;
    game.found[0] = 0;
    expectIgnored("game over");
}
