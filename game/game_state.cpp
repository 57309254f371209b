// The global game state and its initial values.
#include "game/game_state.h"

#include "rules/differences.h"

#include <cstring>

GameState game;

namespace {

constexpr size_t LengthWithNul(const char* name) {
    size_t length = 1;
    while (*name++) ++length;
    return length;
}

// pictureNames holds the cleared, game-over and title names and every level's.
constexpr size_t PictureNamesLength() {
    size_t length = LengthWithNul(CLEARED_PICTURE_NAME) + LengthWithNul(GAME_OVER_PICTURE_NAME) +
                    LengthWithNul(TITLE_PICTURE_NAME);
    for (int level = 0; level < LEVEL_COUNT; ++level) length += LengthWithNul(PICTURES[FIRST_LEVEL_PICTURE + level].name);
    return length;
}
static_assert(PictureNamesLength() <= sizeof game.pictureNames, "picture names must fit");
static_assert(sizeof FINAL_PICTURE_NAME <= sizeof game.finalPictureName, "final picture name must fit");

// The GameState button of each catalogue row, by field name.
constexpr const char* BUTTON_FIELDS[] = {
#define BUTTON(field, name, width, height, drawing, caption) #field,
#include "resources/catalogue.inc"
};

constexpr bool SameText(const char* a, const char* b) {
    while (*a && *a == *b) ++a, ++b;
    return *a == *b;
}

constexpr int RowsFor(const char* field) {
    int rows = 0;
    for (const char* other : BUTTON_FIELDS) rows += SameText(field, other);
    return rows;
}

// Every button of the record has its face; the hint button one for each of
// 3, 2, 1 and 0 hints left.
static_assert(RowsFor("btnStart") == 1 && RowsFor("btnExit") == 1 && RowsFor("btnLevelExit") == 1 &&
                  RowsFor("btnGameOverExit") == 1 && RowsFor("btnNext") == 1 && RowsFor("btnBack") == 1,
              "catalogue.inc: one BUTTON row for each of the game's buttons");
static_assert(RowsFor("btnHint") == 4 && 4 * NAME_LENGTH == sizeof game.btnHint.name,
              "catalogue.inc: four BUTTON rows for btnHint, one a hint left");

// Copies name and its NUL to *end and moves *end past it.
void AppendName(char** end, const char* name) {
    const size_t length = std::strlen(name) + 1;
    std::memcpy(*end, name, length);
    *end += length;
}

// The full-window pictures in the order the game steps through them:
// cleared, game over, title, then the levels.
void FillPictureNames() {
    char* end = game.pictureNames;
    AppendName(&end, CLEARED_PICTURE_NAME);
    AppendName(&end, GAME_OVER_PICTURE_NAME);
    AppendName(&end, TITLE_PICTURE_NAME);
    for (int level = 0; level < LEVEL_COUNT; ++level) AppendName(&end, PICTURES[FIRST_LEVEL_PICTURE + level].name);
}

// "Tumblewit~來找碴！" in Big5 (code page 950).
const char CAPTION_BIG5[] = "Tumblewit\x7E\xA8\xD3\xA7\xE4\xE2\xED\xA1\x49";
static_assert(sizeof CAPTION_BIG5 == sizeof game.caption, "caption bytes and their NUL");

// Puts name in the button's first free NAME_LENGTH slot: the hint button's
// four names land back to back, in catalogue order.
void AddButtonName(BitmapButton& button, const char* name) {
    char* slot = button.name;
    while (*slot) slot += NAME_LENGTH;
    std::memcpy(slot, name, std::strlen(name) + 1);
}

}  // namespace

void InitGameState() {
    std::memset(&game, 0, sizeof game);
    std::memcpy(game.className, "ViewBMPWinClass", 16);
    std::memcpy(game.caption, CAPTION_BIG5, sizeof CAPTION_BIG5);
    std::memcpy(game.menuName, "VBMPMenu", 9);
    std::memcpy(game.iconName, "BMPIcon", 8);

    // Each button's names from the catalogue; the buttons are not made yet.
#define BUTTON(field, name, width, height, drawing, caption)                             \
    static_assert(sizeof #name <= NAME_LENGTH, #name " must fit a name slot");           \
    AddButtonName(game.field, #name);
#include "resources/catalogue.inc"

    FillPictureNames();
    game.pCurrentPicture = TitlePictureName();
    game.hintsLeft = 3;
    game.levelActive = 1;
    game.pClearedPicture = game.pictureNames;  // "pic2" comes first
    std::memcpy(game.finalPictureName, FINAL_PICTURE_NAME, sizeof FINAL_PICTURE_NAME);
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

bool LevelInPlay() { return game.gameActive && game.levelActive && !game.gameOverShown; }

bool GameLost() { return game.outOfChances || game.timeUp || game.gameOverShown; }

bool LevelCleared() { return game.foundCount >= AREAS_PER_LEVEL && !GameLost(); }
