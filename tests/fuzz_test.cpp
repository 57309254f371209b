// A seeded random stream of messages against the real window: releases
// anywhere, every command (and unknown ones), hint presses, resizes,
// minimise and restore, repaint requests, the clock jumping on, and exit,
// with the game's invariants checked after every step.
//
// TUMBLEWIT_FUZZ_SEED picks the seed (printed at the start; rerun with it to
// replay a failure), TUMBLEWIT_FUZZ_STEPS the number of steps, and
// TUMBLEWIT_FUZZ_TRACE=1 prints every step as it is made.
// TUMBLEWIT_FUZZ_STREAM=K/N, which CTest sets, makes this process the K-th
// of N that share the steps: it makes its share, from the seed + K - 1.
#include "resources/layout.h"
#include "rules/differences.h"
#include "test_platform.h"
#include "test_support.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <random>
#include <sstream>
#include <string>

namespace {

using FuzzTest = GameWindowTest;

constexpr unsigned long DEFAULT_SEED = 20261208;
constexpr long DEFAULT_STEPS = 100000;
constexpr int RESOURCE_CHECK_EVERY = 500;
// A window can be made again (exit, then restart); it can never hold more
// than the main window and its seven buttons.
constexpr int MAX_BUTTONS = 7;
// Beyond what the title screen holds: the counter font, three more button
// images and what the system keeps for three more windows (13 at most seen
// under Wine).
constexpr int GDI_HEADROOM = 16;

unsigned long EnvNumber(const char* name, unsigned long fallback) {
    const char* text = std::getenv(name);
    if (!text || !*text) return fallback;
    return std::strtoul(text, nullptr, 0);
}

enum class Screen { Title, Level, Cleared, Final, GameOver };

Screen CurrentScreen() {
    if (!game.gameActive) return Screen::Title;
    if (game.gameOverShown) return Screen::GameOver;
    if (game.levelActive) return Screen::Level;
    return game.levelIndex < LEVEL_COUNT ? Screen::Cleared : Screen::Final;
}

const char* ScreenName(Screen screen) {
    switch (screen) {
        case Screen::Title: return "title";
        case Screen::Level: return "level";
        case Screen::Cleared: return "level cleared";
        case Screen::Final: return "final";
        case Screen::GameOver: return "game over";
    }
    return "?";
}

// The picture each screen shows, by name.
std::string ExpectedPicture(Screen screen) {
    switch (screen) {
        case Screen::Title: return "pic1";
        case Screen::Level: return "pic" + std::to_string(10 + game.levelIndex);
        case Screen::Cleared: return "pic2";
        case Screen::Final: return "pic4";
        case Screen::GameOver: return "pic3";
    }
    return "";
}

const PictureEntry* PictureNamed(const std::string& name) {
    for (const PictureEntry& item : PICTURES)
        if (name == item.name) return &item;
    return nullptr;
}

struct ButtonSet {
    bool start, exit, next, levelExit, hint, gameOverExit, back;
};

ButtonSet ExpectedButtons(Screen screen) {
    ButtonSet set = {};
    switch (screen) {
        case Screen::Title: set.start = set.exit = true; break;
        case Screen::Level: set.hint = true; break;
        case Screen::Cleared: set.next = set.levelExit = true; break;
        case Screen::Final: break;
        case Screen::GameOver: set.gameOverExit = set.back = true; break;
    }
    return set;
}

LONGLONG ClockNow() {
    FILETIME fileTime;
    SystemTimeToFileTime(&testClock, &fileTime);
    ULARGE_INTEGER ticks;
    ticks.LowPart = fileTime.dwLowDateTime;
    ticks.HighPart = fileTime.dwHighDateTime;
    return static_cast<LONGLONG>(ticks.QuadPart / 10000000ULL);
}

// What the test knows of the game in progress, to judge the counters by.
struct Tracker {
    size_t gameFirstSound = 0;    // playedSounds index where this game began
    LONGLONG levelEnteredAt = 0;  // the test clock when the current level began
    Screen screen = Screen::Title;
    size_t soundsChecked = 0, sleepsChecked = 0;
    // Releases made while the current level was shown, and where its sounds
    // begin: a level judges at most one click per release made on it.
    int releasesThisLevel = 0;
    size_t levelFirstSound = 0;
    int hintsAtLevelStart = 3;
    size_t stepFirstSound = 0;  // sounds played before the step being checked
};

// Once a paint has copied it, the screen copy holds the screen's picture at
// spots that no ring, counter or button covers; empty when it does.
std::string CheckScreenCopy() {
    if (game.pictureFresh || !game.hdcScreen) return "";
    const std::string name = ExpectedPicture(CurrentScreen());
    StoredBitmap stored;
    if (!ReadStoredBitmap(GetModuleHandleA(nullptr), name.c_str(), &stored)) return "no bitmap " + name + "; ";
    std::ostringstream out;
    for (POINT spot : {POINT{20, 20}, POINT{450, 100}, POINT{300, 160}}) {
        int r, g, b;
        stored.Pixel(spot.x, spot.y, &r, &g, &b);
        const COLORREF shown = GetPixel(game.hdcScreen, spot.x, spot.y);
        if (shown != RGB(r, g, b))
            out << "screen copy at " << spot.x << "," << spot.y << " expected " << name << "'s 0x" << std::hex
                << RGB(r, g, b) << ", actual 0x" << shown << std::dec << "; ";
    }
    return out.str();
}

int CountSince(size_t first, int id) {
    int count = 0;
    for (size_t i = first; i < playedSounds.size(); ++i)
        if (playedSounds[i].id == id) count++;
    return count;
}

// Every invariant the game must keep between messages; empty when all hold.
std::string CheckInvariants(Tracker& tracker) {
    std::ostringstream out;
    if (!IsWindow(game.hwndMain)) out << "main window gone; ";

    int flags = 0;
    for (BYTE flag : game.found) {
        if (flag > 1) out << "found flag holds " << int(flag) << "; ";
        flags += flag;
    }
    if (game.foundCount != flags || game.foundCount > 5)
        out << "foundCount expected " << flags << " (0..5), actual " << int(game.foundCount) << "; ";

    const char* s = game.scoreText;
    const bool digits = s[0] >= '0' && s[0] <= '9' && s[1] >= '0' && s[1] <= '9' && s[2] == '0' && s[3] == 0;
    const int score = digits ? (s[0] - '0') * 100 + (s[1] - '0') * 10 : -1;
    if (!digits || score < 10 || score > 750)
        out << "score expected 010..750, actual \"" << std::string(s, s[0] && s[1] && s[2] ? 3 : 0) << "\"; ";
    const bool chancesOk = game.chancesText[0] >= '0' && game.chancesText[0] <= '9' && game.chancesText[1] == 0;
    if (!chancesOk) out << "misses digit expected 0..9, actual code " << int(game.chancesText[0]) << "; ";
    if (game.levelIndex > LEVEL_COUNT) out << "levelIndex expected 0..13, actual " << int(game.levelIndex) << "; ";
    if (game.hintsLeft > 3) out << "hintsLeft expected 0..3, actual " << int(game.hintsLeft) << "; ";

    const Screen screen = CurrentScreen();
    // No click is judged on the title screen: a game's sounds begin after it.
    if (screen == Screen::Title) tracker.gameFirstSound = playedSounds.size();
    if (screen != tracker.screen) {
        if (screen == Screen::Level) {
            tracker.levelEnteredAt = ClockNow();
            tracker.releasesThisLevel = 0;
            // From the step that began it: the start or next may already have painted.
            tracker.levelFirstSound = tracker.stepFirstSound;
            tracker.hintsAtLevelStart = game.hintsLeft;
        }
        // Time runs out only a minute after the level began (nine misses can end it sooner).
        if (screen == Screen::GameOver && !game.outOfChances && ClockNow() - tracker.levelEnteredAt < 60)
            out << "game over by time after only " << ClockNow() - tracker.levelEnteredAt << " s of the level; ";
        tracker.screen = screen;
    }

    // The counters follow the judged clicks of this game: nine misses at most,
    // ten points per find by click (hints score nothing), ten off per miss.
    if (screen != Screen::Title) {
        const int misses = CountSince(tracker.gameFirstSound, WAV_MISS);
        const int finds = CountSince(tracker.gameFirstSound, WAV_FOUND) - (3 - game.hintsLeft);
        if (misses > 9) out << "misses judged this game expected at most 9, actual " << misses << "; ";
        if (chancesOk && game.chancesText[0] != '9' - (misses > 9 ? 9 : misses))
            out << "misses digit expected " << char('9' - (misses > 9 ? 9 : misses)) << ", actual "
                << game.chancesText[0] << "; ";
        if (digits && score != 100 + 10 * (finds - misses))
            out << "score expected " << 100 + 10 * (finds - misses) << " (" << finds << " finds, " << misses
                << " misses), actual " << score << "; ";
    }

    if (screen != Screen::Title) {
        const int judged = CountSince(tracker.levelFirstSound, WAV_MISS) + CountSince(tracker.levelFirstSound, WAV_FOUND) -
                           (tracker.hintsAtLevelStart - game.hintsLeft);
        if (judged > tracker.releasesThisLevel)
            out << "clicks judged in this level expected at most the " << tracker.releasesThisLevel << " releases made on it, actual " << judged
                << "; ";
    }

    if (screen == Screen::Level) {
        if (game.pLevelRects != &DifferenceTable[game.levelIndex])
            out << "areas judged are level " << (game.pLevelRects - DifferenceTable) + 1 << "'s, the level is "
                << game.levelIndex + 1 << "; ";
        const bool timerOk = game.timerText[0] == ' ' ||
                             (game.timerText[0] >= '0' && game.timerText[1] >= '0' && game.timerText[1] <= '9' &&
                              (game.timerText[0] - '0') * 10 + (game.timerText[1] - '0') <= 60);
        if (!timerOk) out << "timer text \"" << std::string(game.timerText, 2) << "\"; ";
    }
    const std::string picture = ExpectedPicture(screen);
    if (screen == Screen::Level || screen == Screen::Title) {
        if (picture != game.pCurrentPicture)
            out << "picture name expected " << picture << ", actual " << game.pCurrentPicture << "; ";
    }
    if (const PictureEntry* item = PictureNamed(picture)) {
        if (game.bgWidth != item->width || game.bgHeight != item->height)
            out << "picture shown expected " << picture << " (" << item->width << "x" << item->height
                << "), actual " << game.bgWidth << "x" << game.bgHeight << "; ";
    }

    // A lost game never shows a cleared level: the next would end at once.
    if (screen == Screen::Cleared && (game.timeUp || game.outOfChances))
        out << "level cleared with timeUp " << int(game.timeUp) << ", outOfChances " << int(game.outOfChances) << "; ";

    // The paint loop runs exactly while a level is played.
    if (game.clockRunning != (screen == Screen::Level ? 1 : 0))
        out << "clockRunning " << int(game.clockRunning) << " on the " << ScreenName(screen) << " screen; ";

    // Cues play once, music loops; pauses are the two the game knows.
    for (size_t i = tracker.soundsChecked; i < playedSounds.size(); ++i) {
        const PlayedSound& sound = playedSounds[i];
        const DWORD want = sound.id == WAV_MUSIC ? MUSIC_FLAGS : CUE_FLAGS;
        if (sound.flags != want || (sound.id != WAV_FOUND && sound.id != WAV_MISS && sound.id != WAV_CLICK &&
                                    sound.id != WAV_MUSIC))
            out << "sound " << sound.id << " played with flags 0x" << std::hex << sound.flags << std::dec << "; ";
    }
    tracker.soundsChecked = playedSounds.size();
    for (size_t i = tracker.sleepsChecked; i < sleepsMs.size(); ++i)
        if (sleepsMs[i] != 1000 && sleepsMs[i] != 2000) out << "pause of " << sleepsMs[i] << " ms; ";
    tracker.sleepsChecked = sleepsMs.size();

    const ButtonSet want = ExpectedButtons(screen);
    const struct {
        const char* name;
        const BitmapButton& button;
        bool expected;
    } buttons[] = {{"start", game.btnStart, want.start},
                   {"exit", game.btnExit, want.exit},
                   {"next", game.btnNext, want.next},
                   {"level exit", game.btnLevelExit, want.levelExit},
                   {"hint", game.btnHint, want.hint},
                   {"game-over exit", game.btnGameOverExit, want.gameOverExit},
                   {"back", game.btnBack, want.back}};
    for (const auto& b : buttons) {
        if (Visible(b.button) != b.expected)
            out << b.name << " button expected " << (b.expected ? "visible" : "hidden") << " on the "
                << ScreenName(screen) << " screen; ";
    }
    return out.str();
}

// The test's own random numbers: the same seed gives the same run anywhere.
class Dice {
public:
    explicit Dice(unsigned long seed) : engine_(static_cast<std::mt19937::result_type>(seed)) {}
    int Below(int n) { return static_cast<int>(engine_() % static_cast<unsigned>(n)); }
    int Between(int low, int high) { return low + Below(high - low + 1); }
    bool Chance(int percent) { return Below(100) < percent; }

private:
    std::mt19937 engine_;
};

// A release point: inside, on the edge of, or next to the areas of this
// level or another, anywhere in or far outside the window.
POINT PickReleasePoint(Dice& dice, int accuracy) {
    const int level = game.levelIndex < LEVEL_COUNT ? game.levelIndex + 1 : LEVEL_COUNT;
    if (dice.Chance(accuracy)) {
        // A sure hand also remembers what it found already.
        int k = dice.Below(5);
        for (int tries = 0; tries < 5 && game.found[k] && dice.Chance(accuracy); ++tries) k = (k + 1) % 5;
        const RECT a = AreaOf(level, k);
        return {dice.Between(a.left + 1, a.right - 1), dice.Between(a.top + 1, a.bottom - 1)};
    }
    switch (dice.Below(8)) {
        case 0: {  // on an area's edge
            const RECT a = AreaOf(level, dice.Below(5));
            if (dice.Chance(50)) return {dice.Chance(50) ? a.left : a.right, dice.Between(a.top, a.bottom)};
            return {dice.Between(a.left, a.right), dice.Chance(50) ? a.top : a.bottom};
        }
        case 1: {  // another level's area
            const RECT a = AreaOf(dice.Between(1, LEVEL_COUNT), dice.Below(5));
            return {dice.Between(a.left, a.right), dice.Between(a.top, a.bottom)};
        }
        case 2: {  // the same spot on the unaltered scene
            const RECT a = AreaOf(level, dice.Below(5));
            return {(a.left + a.right) / 2 - SCENE_OFFSET_X, (a.top + a.bottom) / 2};
        }
        case 3: return {dice.Below(EXPECTED_CLIENT_WIDTH), dice.Below(EXPECTED_CLIENT_HEIGHT)};
        case 4: {  // the window's edges
            const int x = dice.Chance(50) ? dice.Between(0, 1) : dice.Between(EXPECTED_CLIENT_WIDTH - 2, EXPECTED_CLIENT_WIDTH);
            return {x, dice.Below(EXPECTED_CLIENT_HEIGHT + 1)};
        }
        case 5: return {dice.Chance(50) ? 0xFFFF : dice.Below(0x10000), dice.Chance(50) ? 0xFFFF : dice.Below(0x10000)};
        case 6: return {0xFFFF - dice.Below(4), dice.Below(700)};  // just left of the client (negative x)
        default: return {dice.Between(943, 3000), dice.Between(628, 3000)};
    }
}

WORD PickCommand(Dice& dice) {
    static const WORD known[] = {ID_START, ID_NEXT, ID_BACK, ID_HINT, ID_HINT};
    if (dice.Chance(85)) return known[dice.Below(5)];
    static const WORD unknown[] = {0, 1, 999, 1005, 1006, 2000, 0x7FFF, 0xFFFF};
    return unknown[dice.Below(8)];
}

WORD PickHighWord(Dice& dice) {
    static const WORD highs[] = {0, BN_CLICKED, 1, BN_DOUBLECLICKED, 0x8000, 0xFFFF};
    return dice.Chance(80) ? highs[dice.Below(6)] : static_cast<WORD>(dice.Below(0x10000));
}

// Messages handed to the window, for the summary.
long sentMessages = 0;
void Paints(int count) { sentMessages += PumpPaints(count); }

}  // namespace

TEST_F(FuzzTest, RandomMessagesKeepEveryInvariant) {
    unsigned long seed = EnvNumber("TUMBLEWIT_FUZZ_SEED", DEFAULT_SEED);
    long steps = static_cast<long>(EnvNumber("TUMBLEWIT_FUZZ_STEPS", DEFAULT_STEPS));
    if (const char* stream = std::getenv("TUMBLEWIT_FUZZ_STREAM")) {
        int k = 0, n = 0;
        ASSERT_TRUE(std::sscanf(stream, "%d/%d", &k, &n) == 2 && n >= 1 && k >= 1 && k <= n)
            << "TUMBLEWIT_FUZZ_STREAM must be K/N with 1 <= K <= N, not \"" << stream << "\"";
        seed += static_cast<unsigned long>(k - 1);
        steps = steps / n + (k <= steps % n ? 1 : 0);
    }
    std::printf("fuzz seed %lu, %ld steps (TUMBLEWIT_FUZZ_SEED / TUMBLEWIT_FUZZ_STEPS to change)\n", seed, steps);
    std::fflush(stdout);
    const bool trace = EnvNumber("TUMBLEWIT_FUZZ_TRACE", 0) != 0;  // every step printed as it is made
    Dice dice(seed);
    sentMessages = 0;

    const int gdiLimit = CountLiveGdiObjects() + GDI_HEADROOM;
    const int windowLimit = CountThreadWindows() + (MAX_BUTTONS - 4);  // four buttons exist at the title
    ASSERT_GT(gdiLimit, GDI_HEADROOM + 5) << "the count must see the game's own objects";

    Tracker tracker;
    std::deque<std::string> recent;  // the last steps, to show with a failure
    int accuracy = 60;               // percent of releases aimed inside an area
    long exits = 0, levelsCleared = 0, gameOvers = 0, finals = 0;
    long windowChanges = 0, clockJumps = 0, commands = 0, releases = 0;
    int peakGdi = 0, peakWindows = 0;
    Screen seen = Screen::Title;

    for (long step = 0; step < steps; ++step) {
        std::ostringstream what;
        what << step << ": ";
        // Exit is rare so that games run long enough to reach the last level.
        const int roll = dice.Below(2000) == 0 ? 999 : dice.Below(999);
        tracker.stepFirstSound = playedSounds.size();
        bool restarted = false;

        if (roll < 420) {  // a left-button release, judged at once or left pending
            const POINT p = PickReleasePoint(dice, accuracy);
            what << "release at " << p.x << "," << p.y;
            if (CurrentScreen() == Screen::Level) tracker.releasesThisLevel++;
            PostClick(p.x, p.y);
            PumpWithoutPaint();
            releases++;
            sentMessages++;
            if (dice.Chance(75)) {
                const int paints = dice.Between(1, 3);
                what << " + " << paints << " paints";
                Paints(paints);
                PumpWithoutPaint();
            }
        } else if (roll < 700) {  // a command, known or not
            const WORD id = PickCommand(dice), high = PickHighWord(dice);
            what << "command " << id << " high " << high;
            if (dice.Chance(50)) {
                SendMessageA(game.hwndMain, WM_COMMAND, MAKEWPARAM(id, high), 0);
            } else {
                PostMessageA(game.hwndMain, WM_COMMAND, MAKEWPARAM(id, high), 0);
            }
            PumpWithoutPaint();
            commands++;
            sentMessages++;
        } else if (roll < 860) {  // paints
            const int paints = dice.Between(1, 4);
            what << paints << " paints";
            Paints(paints);
            PumpWithoutPaint();
        } else if (roll < 920) {  // repaint requests, as the system makes them
            const int kind = dice.Below(4);
            what << "repaint request " << kind;
            if (kind == 0) InvalidateRect(game.hwndMain, nullptr, FALSE);
            if (kind == 1) InvalidateRect(game.hwndMain, nullptr, TRUE);
            if (kind == 2) RedrawWindow(game.hwndMain, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
            if (kind == 3) {
                RECT part = {dice.Below(900), dice.Below(600), 0, 0};
                part.right = part.left + dice.Between(1, 300);
                part.bottom = part.top + dice.Between(1, 300);
                RedrawWindow(game.hwndMain, &part, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
            }
            PumpWithoutPaint();
            sentMessages++;
            if (dice.Chance(50)) Paints(dice.Between(1, 2));
        } else if (roll < 960) {  // the clock jumps on
            const int seconds = dice.Chance(70) ? dice.Between(0, 5) : dice.Between(0, 70);
            what << "clock +" << seconds << " s";
            AdvanceTestClock(seconds);
            clockJumps++;
        } else if (roll < 987) {  // a double or triple click: several releases, one paint
            const POINT p = PickReleasePoint(dice, accuracy);
            const int times = dice.Between(2, 3);
            what << times << " releases at " << p.x << "," << p.y << " + 1 paint";
            if (CurrentScreen() == Screen::Level) tracker.releasesThisLevel += times;
            for (int i = 0; i < times; ++i) PostClick(p.x, p.y);
            PumpWithoutPaint();
            Paints(1);
            PumpWithoutPaint();
            releases += times;
            sentMessages += times;
        } else if (roll < 999) {  // the window moved, sized, minimised, restored
            const int kind = dice.Below(5);
            what << "window change " << kind;
            if (kind == 0) {
                SetWindowPos(game.hwndMain, nullptr, dice.Between(-50, 300), dice.Between(-50, 300), dice.Between(0, 1400),
                             dice.Between(0, 1000), SWP_NOZORDER);
            }
            if (kind == 1) ShowWindow(game.hwndMain, SW_MINIMIZE);
            if (kind == 2) ShowWindow(game.hwndMain, SW_RESTORE);
            if (kind == 3) ShowWindow(game.hwndMain, SW_MAXIMIZE);
            if (kind == 4) SetWindowPos(game.hwndMain, nullptr, 300, 50, 959, 667, SWP_NOZORDER);
            PumpWithoutPaint();
            Paints(dice.Between(0, 2));
            windowChanges++;
            sentMessages++;
        } else {  // exit or close: the window goes; start the game up again
            const bool close = dice.Chance(30);
            what << (close ? "WM_CLOSE" : "exit command") << " on the " << ScreenName(CurrentScreen()) << " screen";
            if (close) {
                SendMessageA(game.hwndMain, WM_CLOSE, 0, 0);
            } else {
                SendMessageA(game.hwndMain, WM_COMMAND, MAKEWPARAM(ID_EXIT, PickHighWord(dice)), 0);
            }
            if (IsWindow(game.hwndMain)) {
                ADD_FAILURE() << "seed " << seed << " step " << what.str() << ": the window outlived it";
                break;
            }
            MSG msg;
            bool quit = false;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) quit = quit || msg.message == WM_QUIT;
            if (!quit) {
                ADD_FAILURE() << "seed " << seed << " step " << what.str() << ": no WM_QUIT posted";
                break;
            }
            TearDown();
            SetUp();
            tracker = Tracker();
            seen = Screen::Title;
            exits++;
            sentMessages++;
            restarted = true;
        }

        if (trace) std::printf("%s\n", what.str().c_str()), std::fflush(stdout);
        recent.push_back(what.str());
        if (recent.size() > 25) recent.pop_front();

        std::string broken = CheckInvariants(tracker);
        if (!restarted && (step + 1) % RESOURCE_CHECK_EVERY == 0) {
            const int gdi = CountLiveGdiObjects(), windows = CountThreadWindows();
            if (gdi > peakGdi) peakGdi = gdi;
            if (trace) std::printf("resources: %d GDI objects, %d windows\n", gdi, windows);
            if (windows > peakWindows) peakWindows = windows;
            broken += CheckScreenCopy();
            if (gdi > gdiLimit)
                broken += "GDI objects expected at most " + std::to_string(gdiLimit) + ", actual " + std::to_string(gdi) + "; ";
            if (windows > windowLimit)
                broken += "windows expected at most " + std::to_string(windowLimit) + ", actual " + std::to_string(windows) + "; ";
        }
        if (!broken.empty()) {
            std::string trail;
            for (const std::string& line : recent) trail += "  " + line + "\n";
            ADD_FAILURE() << "seed " << seed << ", step " << step << " on the " << ScreenName(CurrentScreen())
                          << " screen (level " << game.levelIndex + 1 << "): " << broken << "\nlast steps:\n"
                          << trail;
            break;
        }

        const Screen now = CurrentScreen();
        if (now != seen) {
            // Each game gets a player: careless to sure-handed.
            static const int aims[] = {20, 60, 90, 99, 100};
            if (now == Screen::Level && seen == Screen::Title) accuracy = aims[dice.Below(5)];
            if (now == Screen::Cleared || (now == Screen::Final && seen == Screen::Level)) levelsCleared++;
            if (now == Screen::GameOver) gameOvers++;
            if (now == Screen::Final) finals++;
            seen = now;
        }
    }
    std::printf("%ld steps, %ld messages: %ld releases, %ld commands, %ld window changes, %ld clock jumps, %ld exits; "
                "%ld levels cleared, %ld game overs, %ld finished games; peak %d GDI objects (limit %d), "
                "%d windows (limit %d)\n",
                steps, sentMessages, releases, commands, windowChanges, clockJumps, exits, levelsCleared, gameOvers, finals,
                peakGdi, gdiLimit, peakWindows, windowLimit);
    if (HasFailure()) return;  // the trail above says it all
    // The run must have reached the game's far corners to count for anything.
    EXPECT_GE(sentMessages, steps);
    EXPECT_GE(levelsCleared, steps / 400);
    EXPECT_GE(gameOvers, steps / 2000);
    EXPECT_GE(finals, steps / 50000);
    EXPECT_GE(exits, steps / 10000);
}
