// The Windows half of the end-to-end play test (tests/e2e/play_test.sh).
//
//   e2e_probe layout
//       Prints the shared layout (difference areas, button spots and sizes,
//       counter boxes, scenes) as shell assignments, straight from
//       resources/layout.h, so the script never carries its own copy; and
//       the system's double-click time.
//
//   e2e_probe launch GAME.exe STOP_FILE TIMEOUT_SECONDS [WINDOW_CLASS [ARG...]]
//       Starts the game (or another program whose main window has the
//       class given, with the arguments given; the game's by default),
//       waits for its main window, and prints where that
//       window and its client area are on the screen ("window" and "client",
//       X Y W H each), and "caption MINX MINY MAXX MAXY", the centres of its
//       caption's minimise and maximise buttons. While it waits for the game
//       to end it prints "moved" with the client area's new place, and the
//       caption line again, whenever the window is moved, resized, minimised
//       ("moved 0 0 0 0") or restored, and the caption line alone when only
//       the caption's buttons moved (a minimised window's caption reaches
//       the icon's place a moment after its client area). At the end it
//       prints the game's exit code, which is also this program's.
//       If STOP_FILE appears or the timeout passes first, the game is
//       terminated (only that process) and the probe exits non-zero.
//
//   e2e_probe counter TEXT LEFT TOP RIGHT BOTTOM OUT.ppm
//       Draws TEXT as the game draws a counter in that box (its own drawing
//       routine, on a background no picture holds), and writes the grey cell
//       that the text occupies as a PPM. Prints "cell X Y W H", the cell's
//       place in client coordinates, so a screenshot can be compared there.
#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "game/game_state.h"
#include "resources/layout.h"
#include "rules/counters.h"

namespace {

// Writes one line and flushes it: the script reads this output while the
// probe is still running.
void Say(const char* format, ...) __attribute__((format(printf, 1, 2)));
void Say(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::vprintf(format, args);
    va_end(args);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// A button bitmap's size, looked up by its resource name.
bool ButtonSize(const char* name, int* width, int* height) {
    for (const PictureEntry& item : BUTTON_BITMAPS) {
        if (std::strcmp(item.name, name) == 0) {
            *width = item.width;
            *height = item.height;
            return true;
        }
    }
    return false;
}

// NAME="x y w h" for a button standing at `at` showing bitmap `bitmap`.
bool SayButton(const char* variable, PixelPoint at, const char* bitmap) {
    int width = 0, height = 0;
    if (!ButtonSize(bitmap, &width, &height)) {
        std::fprintf(stderr, "e2e_probe: no button bitmap named %s in layout.h\n", bitmap);
        return false;
    }
    Say("%s=\"%d %d %d %d\"", variable, at.x, at.y, width, height);
    Say("%s_BITMAP=%s", variable, bitmap);
    return true;
}

void SayRect(const char* variable, const PixelRect& r) {
    Say("%s=\"%d %d %d %d\"", variable, r.left, r.top, r.right, r.bottom);
}

int PrintLayout() {
    Say("LEVEL_COUNT=%d", LEVEL_COUNT);
    Say("AREAS_PER_LEVEL=%d", AREAS_PER_LEVEL);
    for (int level = 0; level < LEVEL_COUNT; ++level) {
        for (int k = 0; k < AREAS_PER_LEVEL; ++k) {
            const PixelRect& r = DIFFERENCE_AREAS[level][k];
            Say("AREA_%d_%d=\"%d %d %d %d\"", level + 1, k, r.left, r.top, r.right, r.bottom);
        }
    }
    // Level pictures in order; the other pictures by role.
    std::string levelPictures;
    for (int level = 0; level < LEVEL_COUNT; ++level) {
        if (level) levelPictures += ' ';
        levelPictures += PICTURES[FIRST_LEVEL_PICTURE + level].name;
    }
    Say("LEVEL_PICTURES=\"%s\"", levelPictures.c_str());
    Say("TITLE_PICTURE=%s", PICTURES[0].name);
    Say("CLEARED_PICTURE=%s", PICTURES[1].name);
    Say("GAME_OVER_PICTURE=%s", PICTURES[2].name);
    Say("FINAL_PICTURE=%s", PICTURES[3].name);
    bool ok = SayButton("START_BUTTON", START_BUTTON_AT, "bs_1");
    ok = SayButton("TITLE_EXIT_BUTTON", TITLE_EXIT_BUTTON_AT, "be_1") && ok;
    ok = SayButton("NEXT_BUTTON", NEXT_BUTTON_AT, "bn_1") && ok;
    ok = SayButton("LEVEL_EXIT_BUTTON", LEVEL_EXIT_BUTTON_AT, "be_3") && ok;
    ok = SayButton("HINT_BUTTON", HINT_BUTTON_AT, "bh_1") && ok;
    ok = SayButton("BACK_BUTTON", BACK_BUTTON_AT, "bb_1") && ok;
    ok = SayButton("GAME_OVER_EXIT_BUTTON", GAME_OVER_EXIT_BUTTON_AT, "be_5") && ok;
    Say("HINT_BITMAPS=\"bh_1 bh_2 bh_3 bh_4\"");
    SayRect("TIMER_BOX", TIMER_BOX);
    Say("SCORE_BOX_TOP_LEFT=\"%d %d\"", SCORE_BOX_TOP_LEFT.x, SCORE_BOX_TOP_LEFT.y);
    Say("MISSES_BOX_TOP_LEFT=\"%d %d\"", MISSES_BOX_TOP_LEFT.x, MISSES_BOX_TOP_LEFT.y);
    Say("COUNTER_TEXT_BACKGROUND=\"%d %d %d\"", COUNTER_TEXT_BACKGROUND.r, COUNTER_TEXT_BACKGROUND.g,
        COUNTER_TEXT_BACKGROUND.b);
    Say("COUNTER_FONT_HEIGHT=%d", COUNTER_FONT_HEIGHT);
    Say("CLIENT_WIDTH=%d", EXPECTED_CLIENT_WIDTH);
    Say("CLIENT_HEIGHT=%d", EXPECTED_CLIENT_HEIGHT);
    SayRect("ALTERED_SCENE", ALTERED_SCENE);
    SayRect("UNALTERED_SCENE", UNALTERED_SCENE);
    // Two clicks closer than this are a double click to the system.
    Say("DOUBLE_CLICK_MS=%u", GetDoubleClickTime());
    return ok ? 0 : 2;
}

// The visible top-level window of class windowClass in process pid, or null.
HWND FindGameWindow(DWORD pid, const char* windowClass) {
    HWND candidate = nullptr;
    while ((candidate = FindWindowExA(nullptr, candidate, windowClass, nullptr))) {
        DWORD owner = 0;
        GetWindowThreadProcessId(candidate, &owner);
        if (owner == pid && IsWindowVisible(candidate)) return candidate;
    }
    return nullptr;
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Linux paths reach Windows programs through the Z: drive.
std::string WindowsPath(const char* path) { return path[0] == '/' ? std::string("Z:") + path : path; }

// The client area in screen coordinates; empty while minimised.
RECT ClientOnScreen(HWND window) {
    RECT client = {};
    if (IsIconic(window)) return client;
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return client;
}

// The centres of the caption's minimise (or, minimised, restore) and
// maximise (or restore) buttons: at its right end, one button width each,
// close, maximise, minimise from the right.
struct CaptionButtons {
    long minX, minY, maxX, maxY;
    bool operator!=(const CaptionButtons& other) const {
        return minX != other.minX || minY != other.minY || maxX != other.maxX || maxY != other.maxY;
    }
};
bool FindCaptionButtons(HWND window, CaptionButtons* buttons) {
    TITLEBARINFO caption = {};
    caption.cbSize = sizeof caption;
    if (!GetTitleBarInfo(window, &caption)) return false;
    const RECT& bar = caption.rcTitleBar;
    const long button = GetSystemMetrics(SM_CXSIZE);
    const long middle = (bar.top + bar.bottom) / 2;
    *buttons = {bar.right - button * 5 / 2, middle, bar.right - button * 3 / 2, middle};
    return true;
}
void SayCaptionButtons(const CaptionButtons& buttons) {
    Say("caption %ld %ld %ld %ld", buttons.minX, buttons.minY, buttons.maxX, buttons.maxY);
}

int Launch(const char* gameArg, const char* stopArg, const char* timeoutArg, const char* windowClass, int argCount,
           char** args) {
    const std::string gamePath = WindowsPath(gameArg);
    const std::string stopPath = WindowsPath(stopArg);
    const long timeoutSeconds = std::strtol(timeoutArg, nullptr, 10);
    if (timeoutSeconds <= 0) {
        std::fprintf(stderr, "e2e_probe: bad timeout %s\n", timeoutArg);
        return 2;
    }

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::string commandLine = "\"" + gamePath + "\"";
    for (int i = 0; i < argCount; ++i) commandLine += std::string(" \"") + args[i] + "\"";
    if (!CreateProcessA(gamePath.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        Say("error cannot start %s (error %lu)", gamePath.c_str(), GetLastError());
        return 3;
    }
    CloseHandle(process.hThread);
    Say("pid %lu", process.dwProcessId);

    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeoutSeconds) * 1000;
    HWND window = nullptr;
    RECT lastClient = {};
    CaptionButtons lastCaption = {};
    for (;;) {
        if (WaitForSingleObject(process.hProcess, 50) == WAIT_OBJECT_0) break;
        if (!window) {
            window = FindGameWindow(process.dwProcessId, windowClass);
            if (window) {
                RECT outer;
                GetWindowRect(window, &outer);
                lastClient = ClientOnScreen(window);
                Say("window %ld %ld %ld %ld", outer.left, outer.top, outer.right - outer.left,
                    outer.bottom - outer.top);
                Say("client %ld %ld %ld %ld", lastClient.left, lastClient.top, lastClient.right - lastClient.left,
                    lastClient.bottom - lastClient.top);
                if (FindCaptionButtons(window, &lastCaption)) SayCaptionButtons(lastCaption);
            }
        } else {
            const RECT client = ClientOnScreen(window);
            CaptionButtons caption = lastCaption;
            const bool captionFound = FindCaptionButtons(window, &caption);
            if (!EqualRect(&client, &lastClient)) {
                lastClient = client;
                Say("moved %ld %ld %ld %ld", client.left, client.top, client.right - client.left,
                    client.bottom - client.top);
                if (captionFound) SayCaptionButtons(caption);
                lastCaption = caption;
            } else if (captionFound && caption != lastCaption) {
                // A window being minimised loses its client area before its
                // caption goes to the icon's place: that caption comes later.
                SayCaptionButtons(caption);
                lastCaption = caption;
            }
        }
        const bool stop = FileExists(stopPath);
        if (stop || GetTickCount64() > deadline) {
            TerminateProcess(process.hProcess, 99);
            WaitForSingleObject(process.hProcess, 5000);
            CloseHandle(process.hProcess);
            Say(stop ? "stopped" : "timeout");
            return stop ? 4 : 5;
        }
    }
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    Say("exit %lu", code);
    return static_cast<int>(code);
}

// The counter's cell as the game would draw it; see the usage above.
int DrawCounter(char** argv) {
    const char* text = argv[2];
    RECT box = {std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]), std::atoi(argv[6])};
    InitGameState();
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, box.right, box.bottom);
    ReleaseDC(nullptr, screen);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    const COLORREF unused = RGB(255, 0, 255);
    HBRUSH brush = CreateSolidBrush(unused);
    RECT all = {0, 0, box.right, box.bottom};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    DrawCounterText(dc, text, &box);

    // The cell: every pixel the drawing touched.
    LONG left = box.right, top = box.bottom, right = 0, bottom = 0;
    for (LONG y = box.top; y < box.bottom; ++y)
        for (LONG x = box.left; x < box.right; ++x)
            if (GetPixel(dc, x, y) != unused) {
                if (x < left) left = x;
                if (x >= right) right = x + 1;
                if (y < top) top = y;
                if (y >= bottom) bottom = y + 1;
            }
    int status = 0;
    if (right <= left || bottom <= top) {
        std::fprintf(stderr, "e2e_probe: the counter drew nothing\n");
        status = 3;
    } else if (FILE* out = std::fopen(WindowsPath(argv[7]).c_str(), "wb")) {
        std::fprintf(out, "P6\n%ld %ld\n255\n", right - left, bottom - top);
        for (LONG y = top; y < bottom; ++y)
            for (LONG x = left; x < right; ++x) {
                const COLORREF c = GetPixel(dc, x, y);
                const unsigned char rgb[3] = {GetRValue(c), GetGValue(c), GetBValue(c)};
                std::fwrite(rgb, 1, 3, out);
            }
        std::fclose(out);
        Say("cell %ld %ld %ld %ld", left, top, right - left, bottom - top);
    } else {
        std::fprintf(stderr, "e2e_probe: cannot write %s\n", argv[7]);
        status = 4;
    }
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "layout") == 0) return PrintLayout();
    if (argc == 8 && std::strcmp(argv[1], "counter") == 0) return DrawCounter(argv);
    if (argc >= 5 && std::strcmp(argv[1], "launch") == 0)
        return Launch(argv[2], argv[3], argv[4], argc >= 6 ? argv[5] : "ViewBMPWinClass", argc > 6 ? argc - 6 : 0,
                      argv + 6);
    std::fprintf(stderr, "usage: e2e_probe layout |\n"
                         "       launch PROGRAM.exe STOP_FILE TIMEOUT_SECONDS [CLASS [ARG...]] |\n"
                         "       counter TEXT LEFT TOP RIGHT BOTTOM OUT.ppm\n");
    return 2;
}
