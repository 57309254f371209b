// The one global record of all the game's state, with its initial values.
#pragma once

#include "resources/layout.h"

#include <windows.h>

// Command identifiers, sent by the buttons in the low word of wParam.
constexpr WORD ID_START = 1000;
constexpr WORD ID_EXIT = 1001;  // all three exit buttons
constexpr WORD ID_NEXT = 1002;
constexpr WORD ID_BACK = 1003;
constexpr WORD ID_HINT = 1004;

// Sounds, WAVE resources played by number: WAV_FOUND 200, WAV_SPARE 300
// (carried, never played), WAV_MISS 400, WAV_CLICK 500, WAV_MUSIC 600, as
// the resource catalogue numbers them.
#define SOUND(symbol, id, file, channels, sampleRate, bitsPerSample, dataBytes, synthesiser) \
    constexpr int symbol = id;
#include "resources/catalogue.inc"
constexpr DWORD CUE_FLAGS = 0x40005;    // SND_RESOURCE | SND_ASYNC
constexpr DWORD MUSIC_FLAGS = 0x4000D;  // SND_RESOURCE | SND_ASYNC | SND_LOOP

constexpr int NAME_LENGTH = 5;  // "bh_1" and its NUL: the stride between a button's names

// A push button showing a bitmap.
struct BitmapButton {
    HWND hwnd;        // 0 until made
    char name[4 * NAME_LENGTH];  // resource name; the hint button holds four in a row
    HBITMAP hbm;      // bitmap last loaded for it
};

// The five difference areas of one level, client coordinates.
typedef RECT LevelRects[AREAS_PER_LEVEL];

struct GameState {
    HMENU hMenu;               // the menu asked for; none exists
    HINSTANCE hInstance;
    HWND hwndMain;
    char className[16];        // "ViewBMPWinClass"
    char caption[19];          // Big5 bytes of "Tumblewit~來找碴！"
    char menuName[9];          // "VBMPMenu"
    char iconName[8];          // "BMPIcon"
    WNDCLASSEXA wc;
    MSG msg;                   // its wParam is the exit code

    BitmapButton btnStart;
    BitmapButton btnExit;          // title screen
    BitmapButton btnLevelExit;     // level-cleared screen
    BitmapButton btnGameOverExit;  // game-over screen
    BitmapButton btnNext;
    BitmapButton btnHint;
    BitmapButton btnBack;

    HBITMAP hbmBackground;     // the picture filling the window
    DWORD bgX, bgY;            // where it is drawn; never changed
    LONG bgWidth, bgHeight;
    char pictureNames[96];     // sixteen names back to back, each with its NUL
    const char* pCurrentPicture;  // title or current level picture

    BYTE hintsLeft;
    BYTE levelActive;          // the current level is not yet cleared
    const char* pClearedPicture;
    BYTE gameActive;           // a game was started and not left by ID_BACK
    BYTE clickPending;         // a left-button release waits to be judged
    char finalPictureName[5];
    const char* pFinalPicture;
    BYTE levelIndex;           // levels cleared in this game, 0 to 13
    BYTE foundCount;           // differences of this level found or revealed
    DWORD clickX, clickY;      // last left-button release, client coordinates
    BYTE eraseOnInvalidate;    // erase argument of the repaint after a judged click
    COLORREF penColor;         // ring colour

    const LevelRects* pLevelRects;  // the current level's areas
    BYTE found[AREAS_PER_LEVEL];
    char chancesText[2];       // misses-left digit
    BYTE missFlag;             // the last judged click found nothing
    BYTE outOfChances;
    BYTE gameOverShown;        // cleared only by ID_START
    BYTE hitFlag;              // a find not yet scored
    char timerText[3];         // seconds left, two digits
    char scoreText[4];         // three digits
    SYSTEMTIME nowTime;
    BYTE timerStarted;
    DWORD startSecond;
    BYTE clockRunning;         // a level is played: the paint loop runs
    BYTE timeWrapped;
    BYTE timeUp;
    BYTE gameOverArmed;
    BYTE hudDirty;             // the next paint draws score and misses left
    HFONT hFont;               // font of the last number drawn
    char fontFace[9];          // "elephant"

    // Beyond the classic record: what keeps the game sound.
    ULONGLONG countdownEndTick;  // steady clock (ms) at which the level's minute is over
    DWORD screenShownTime;      // message clock (GetTickCount) when the current screen reached the window
    BYTE leftPressedHere;       // the left button went down on the client area, on this screen
    DWORD buttonClickTime;      // message clock of the last click on start, next or back
    POINT buttonClickAt;        // and where it was, in screen coordinates
    RECT scoreCell, missesCell; // where the score and misses-left texts were last drawn (empty: not on this picture)
    SIZE counterBoxEnd;         // the right and bottom of the boxes they were drawn in
    BYTE pictureFresh;          // LoadPicture ran; the next paint copies the whole picture
    HDC hdcScreen;              // memory copy of everything the window shows
    HBITMAP hbmScreen;
    HBITMAP hbmScreenDefault;   // what hdcScreen held before hbmScreen
    LONG screenWidth, screenHeight;
};

extern GameState game;

// Puts every field to its value at process start.
void InitGameState();

// The name following the given one in pictureNames.
const char* NextPictureName(const char* name);

// The title picture's name inside pictureNames.
const char* TitlePictureName();

// A level is in play: a game runs, its level has begun and not ended, and
// the game-over screen is not up. Only then is a click judged or a hint given.
bool LevelInPlay();

// The game is lost, or the paint that will say so is due: out of misses,
// out of time, or the game-over screen already up.
bool GameLost();

// The level's fifth is found and the game is not lost: a lost game wins
// over a cleared level, or the next level would inherit the loss and end at
// its first paint.
bool LevelCleared();
