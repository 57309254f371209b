// The global game state and its initial values.
#include "game/game_state.h"

#include "rules/differences.h"

#include <cstring>

GameState game;

namespace {

// The full-window pictures in the order the game steps through them:
// cleared, game over, title, then the thirteen levels.
const char PICTURE_NAMES[] =
    "pic2\0pic3\0pic1\0pic10\0pic11\0pic12\0pic13\0pic14\0pic15\0pic16\0pic17\0pic18\0"
    "pic19\0pic20\0pic21\0pic22";
static_assert(sizeof PICTURE_NAMES <= sizeof game.pictureNames, "picture names must fit");

// "Tumblewit~來找碴！" in Big5 (code page 950).
const char CAPTION_BIG5[] = "Tumblewit\x7E\xA8\xD3\xA7\xE4\xE2\xED\xA1\x49";
static_assert(sizeof CAPTION_BIG5 == sizeof game.caption, "caption bytes and their NUL");

void SetButton(BitmapButton& button, const char* names, size_t length) {
    button.hwnd = nullptr;
    std::memset(button.name, 0, sizeof button.name);
    std::memcpy(button.name, names, length);
    button.hbm = nullptr;
}

}  // namespace

void InitGameState() {
    std::memset(&game, 0, sizeof game);
    std::memcpy(game.className, "ViewBMPWinClass", 16);
    std::memcpy(game.caption, CAPTION_BIG5, sizeof CAPTION_BIG5);
    std::memcpy(game.menuName, "VBMPMenu", 9);
    std::memcpy(game.iconName, "BMPIcon", 8);

    SetButton(game.btnStart, "bs_1", 5);
    SetButton(game.btnExit, "be_1", 5);
    SetButton(game.btnLevelExit, "be_3", 5);
    SetButton(game.btnGameOverExit, "be_5", 5);
    SetButton(game.btnNext, "bn_1", 5);
    SetButton(game.btnHint, "bh_1\0bh_2\0bh_3\0bh_4", 20);
    SetButton(game.btnBack, "bb_1", 5);

    std::memcpy(game.pictureNames, PICTURE_NAMES, sizeof PICTURE_NAMES);
    game.pCurrentPicture = TitlePictureName();
    game.hintsLeft = 3;
    game.levelActive = 1;
    game.pClearedPicture = game.pictureNames;  // "pic2" comes first
    std::memcpy(game.finalPictureName, "pic4", 5);
    game.pFinalPicture = game.finalPictureName;
    game.penColor = RGB(255, 0, 0);
    game.pLevelRects = &DifferenceTable[0];
    game.chancesText[0] = '9';
    game.timerText[0] = ' ';
    game.timerText[1] = ' ';
    std::memcpy(game.scoreText, "100", 4);
    game.gameOverArmed = 1;
    std::memcpy(game.fontFace, "elephant", 9);
}

const char* NextPictureName(const char* name) { return name + std::strlen(name) + 1; }

const char* TitlePictureName() {
    return NextPictureName(NextPictureName(game.pictureNames));  // after "pic2" and "pic3"
}
