// The Windows half of the tests that play the built game from outside
// (tests/harness).
//
//   e2e_probe layout
//       Prints the shared layout (difference areas, button spots and sizes,
//       counter boxes, scenes) as one line of JSON, straight from
//       resources/layout.h, so the harness never carries its own copy; and
//       the system's double-click time.
//
//   e2e_probe launch GAME.exe STOP_FILE TIMEOUT_SECONDS [WINDOW_CLASS [ARG...]]
//       Starts the game (or another program whose main window has the
//       class given, with the arguments given; the game's by default),
//       waits for its main window, and prints where that
//       window and its client area are on the screen ("window" and "client",
//       X Y W H each), and "caption MINX MINY MAXX MAXY CLOSEX CLOSEY", the
//       centres of its caption's minimise, maximise and close buttons. While it waits for the game
//       to end it prints "moved" with the client area's new place, and the
//       caption line again, whenever the window is moved, resized, minimised
//       ("moved 0 0 0 0") or restored, and the caption line alone when only
//       the caption's buttons moved (a minimised window's caption reaches
//       the icon's place a moment after its client area). At the end it
//       prints the game's exit code, which is also this program's.
//       If STOP_FILE appears or the timeout passes first, the game is
//       terminated (only that process) and the probe exits non-zero.
//
//   e2e_probe counter LEFT TOP RIGHT BOTTOM FOLDER TEXT...
//       Draws each TEXT as the game draws a counter in that box (its own
//       drawing routine, on a background no picture holds), and writes the
//       grey cell that the text occupies as FOLDER/TEXT.ppm. Prints
//       "cell TEXT X Y W H" for each, the cell's place in client
//       coordinates, so a screenshot can be compared there.
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

// Writes one line and flushes it: the harness reads this output while the
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

// The layout as one JSON object, built up in text: names are identifiers
// and numbers only, so nothing needs escaping.
std::string Rect(const PixelRect& r) {
    char text[64];
    std::snprintf(text, sizeof text, "[%d, %d, %d, %d]", r.left, r.top, r.right, r.bottom);
    return text;
}

std::string Point(PixelPoint p) {
    char text[40];
    std::snprintf(text, sizeof text, "[%d, %d]", p.x, p.y);
    return text;
}

// "name": {"spot": [x, y, w, h], "bitmap": "..."} for a button at `at`
// showing `bitmap`.
bool AddButton(std::string* json, const char* name, PixelPoint at, const char* bitmap) {
    int width = 0, height = 0;
    if (!ButtonSize(bitmap, &width, &height)) {
        std::fprintf(stderr, "e2e_probe: no button bitmap named %s in layout.h\n", bitmap);
        return false;
    }
    char text[160];
    std::snprintf(text, sizeof text, "%s\"%s\": {\"spot\": [%d, %d, %d, %d], \"bitmap\": \"%s\"}",
                  json->back() == '{' ? "" : ", ", name, at.x, at.y, width, height, bitmap);
    *json += text;
    return true;
}

int PrintLayout() {
    std::string json = "{\"level_count\": " + std::to_string(LEVEL_COUNT);
    json += ", \"areas_per_level\": " + std::to_string(AREAS_PER_LEVEL);
    json += ", \"areas\": [";
    for (int level = 0; level < LEVEL_COUNT; ++level) {
        json += level ? ", [" : "[";
        for (int k = 0; k < AREAS_PER_LEVEL; ++k) json += (k ? ", " : "") + Rect(DIFFERENCE_AREAS[level][k]);
        json += "]";
    }
    // Level pictures in order; the other pictures by role.
    json += "], \"level_pictures\": [";
    for (int level = 0; level < LEVEL_COUNT; ++level)
        json += std::string(level ? ", \"" : "\"") + PICTURES[FIRST_LEVEL_PICTURE + level].name + "\"";
    json += std::string("], \"title_picture\": \"") + PICTURES[0].name + "\"";
    json += std::string(", \"cleared_picture\": \"") + PICTURES[1].name + "\"";
    json += std::string(", \"game_over_picture\": \"") + PICTURES[2].name + "\"";
    json += std::string(", \"final_picture\": \"") + PICTURES[3].name + "\"";
    json += ", \"buttons\": {";
    bool ok = AddButton(&json, "start", START_BUTTON_AT, "bs_1");
    ok = AddButton(&json, "title_exit", TITLE_EXIT_BUTTON_AT, "be_1") && ok;
    ok = AddButton(&json, "next", NEXT_BUTTON_AT, "bn_1") && ok;
    ok = AddButton(&json, "level_exit", LEVEL_EXIT_BUTTON_AT, "be_3") && ok;
    ok = AddButton(&json, "hint", HINT_BUTTON_AT, "bh_1") && ok;
    ok = AddButton(&json, "back", BACK_BUTTON_AT, "bb_1") && ok;
    ok = AddButton(&json, "game_over_exit", GAME_OVER_EXIT_BUTTON_AT, "be_5") && ok;
    json += "}, \"hint_bitmaps\": [\"bh_1\", \"bh_2\", \"bh_3\", \"bh_4\"]";
    json += ", \"timer_box\": " + Rect(TIMER_BOX);
    json += ", \"score_box_top_left\": " + Point(SCORE_BOX_TOP_LEFT);
    json += ", \"misses_box_top_left\": " + Point(MISSES_BOX_TOP_LEFT);
    char text[200];
    std::snprintf(text, sizeof text, ", \"counter_text_background\": [%d, %d, %d], \"client_size\": [%d, %d]",
                  COUNTER_TEXT_BACKGROUND.r, COUNTER_TEXT_BACKGROUND.g, COUNTER_TEXT_BACKGROUND.b,
                  EXPECTED_CLIENT_WIDTH, EXPECTED_CLIENT_HEIGHT);
    json += text;
    json += ", \"altered_scene\": " + Rect(ALTERED_SCENE);
    json += ", \"unaltered_scene\": " + Rect(UNALTERED_SCENE);
    // Two clicks closer than this are a double click to the system.
    json += ", \"double_click_ms\": " + std::to_string(GetDoubleClickTime()) + "}";
    Say("%s", json.c_str());
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

// The centres of the caption's minimise (or, minimised, restore), maximise
// (or restore) and close buttons: at its right end, one button width each,
// close, maximise, minimise from the right.
struct CaptionButtons {
    long minX, minY, maxX, maxY, closeX, closeY;
    bool operator!=(const CaptionButtons& other) const {
        return minX != other.minX || minY != other.minY || maxX != other.maxX || maxY != other.maxY ||
               closeX != other.closeX || closeY != other.closeY;
    }
};
bool FindCaptionButtons(HWND window, CaptionButtons* buttons) {
    TITLEBARINFO caption = {};
    caption.cbSize = sizeof caption;
    if (!GetTitleBarInfo(window, &caption)) return false;
    const RECT& bar = caption.rcTitleBar;
    const long button = GetSystemMetrics(SM_CXSIZE);
    const long middle = (bar.top + bar.bottom) / 2;
    *buttons = {bar.right - button * 5 / 2, middle, bar.right - button * 3 / 2, middle, bar.right - button / 2,
                middle};
    return true;
}
void SayCaptionButtons(const CaptionButtons& buttons) {
    Say("caption %ld %ld %ld %ld %ld %ld", buttons.minX, buttons.minY, buttons.maxX, buttons.maxY, buttons.closeX,
        buttons.closeY);
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

// One text drawn as the game draws a counter in box, on a background no
// picture holds; the grey cell it touched goes to outPath as a PPM and its
// place is printed. Returns 0, or the failure's exit status.
int DrawOneCounter(HDC dc, RECT box, const char* text, const std::string& outPath) {
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
    if (right <= left || bottom <= top) {
        std::fprintf(stderr, "e2e_probe: the counter \"%s\" drew nothing\n", text);
        return 3;
    }
    FILE* out = std::fopen(outPath.c_str(), "wb");
    if (!out) {
        std::fprintf(stderr, "e2e_probe: cannot write %s\n", outPath.c_str());
        return 4;
    }
    std::fprintf(out, "P6\n%ld %ld\n255\n", right - left, bottom - top);
    for (LONG y = top; y < bottom; ++y)
        for (LONG x = left; x < right; ++x) {
            const COLORREF c = GetPixel(dc, x, y);
            const unsigned char rgb[3] = {GetRValue(c), GetGValue(c), GetBValue(c)};
            std::fwrite(rgb, 1, 3, out);
        }
    std::fclose(out);
    Say("cell %s %ld %ld %ld %ld", text, left, top, right - left, bottom - top);
    return 0;
}

// The counters' cells as the game would draw them; see the usage above.
int DrawCounters(int argc, char** argv) {
    RECT box = {std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5])};
    const std::string folder = WindowsPath(argv[6]);
    InitGameState();
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, box.right, box.bottom);
    ReleaseDC(nullptr, screen);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    int status = 0;
    for (int i = 7; i < argc && status == 0; ++i)
        status = DrawOneCounter(dc, box, argv[i], folder + "\\" + argv[i] + ".ppm");
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "layout") == 0) return PrintLayout();
    if (argc >= 8 && std::strcmp(argv[1], "counter") == 0) return DrawCounters(argc, argv);
    if (argc >= 5 && std::strcmp(argv[1], "launch") == 0)
        return Launch(argv[2], argv[3], argv[4], argc >= 6 ? argv[5] : "ViewBMPWinClass", argc > 6 ? argc - 6 : 0,
                      argv + 6);
    std::fprintf(stderr, "usage: e2e_probe layout |\n"
                         "       launch PROGRAM.exe STOP_FILE TIMEOUT_SECONDS [CLASS [ARG...]] |\n"
                         "       counter LEFT TOP RIGHT BOTTOM FOLDER TEXT...\n");
    return 2;
}
