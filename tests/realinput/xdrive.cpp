// xdrive: real input for the game through the X server, and the screen read
// back as pixels. One long-lived process per test run, so no click pays for
// a process start. It reads commands on stdin, one per line, and answers
// each with one line on stdout ("ok ...", or "error ...").
//
// Coordinates are X root coordinates. Times are milliseconds on the
// monotonic clock; a click's time is the moment its release was flushed to
// the server, which is when a real mouse's release would arrive there.
//
//   move X Y                        pointer to (X, Y)
//   click X Y                       press and release button 1 at (X, Y)
//   press X Y | release X Y         one half of a click
//   clicks GAP_MS X1 Y1 X2 Y2 ...   clicks GAP_MS apart (from release to release)
//   key NAME                        a key with modifiers, e.g. alt+F4
//   grab X Y W H FILE               that region as a binary PPM
//   pixels X Y W H                  "ok W H", then that region's W * H * 3
//                                   bytes of RGB, rows top down, on stdout
//   clickwait CX CY RX RY RW RH MIN TIMEOUT_MS
//                                   click at (CX, CY) and wait until at least
//                                   MIN pixels of the region differ from what
//                                   it showed just before: "ok MS AT" (release
//                                   to change, and the release's time) or
//                                   "ok timeout"
//   waitchange RX RY RW RH MIN TIMEOUT_MS
//                                   the same without a click, from now
//   clickmatch CX CY RX RY RW RH FILE MAXDIFF TIMEOUT_MS
//                                   click at (CX, CY) and wait until the
//                                   region shows FILE (a binary PPM from
//                                   grab) again, at most MAXDIFF pixels
//                                   apart: "ok MS AT" or "ok timeout"
//   waitmatch RX RY RW RH FILE MAXDIFF TIMEOUT_MS
//                                   the same without a click, from now
//   now                             "ok MS", the clock
//   watchpauses                     start timing the machine's own pauses:
//                                   "ok realtime", or "ok unwatched" when
//                                   no real-time thread may run
//   paused FROM TO                  "ok ALL_MS ANY_MS": how long every
//                                   core stood still at once between FROM
//                                   and TO, and how long any one did
//   pauses                          "ok COUNT TOTAL_MS LONGEST_MS WATCHED_S"
//   quit
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <pthread.h>
#include <sched.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

Display* display = nullptr;
Window root = 0;

double NowMs() {
    timespec t;
    clock_gettime(CLOCK_MONOTONIC_RAW, &t);
    return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_nsec) / 1e6;
}

void SleepMs(double ms) {
    if (ms <= 0) return;
    timespec t;
    t.tv_sec = static_cast<time_t>(ms / 1000.0);
    t.tv_nsec = static_cast<long>((ms - static_cast<double>(t.tv_sec) * 1000.0) * 1e6);
    nanosleep(&t, nullptr);
}

void Reply(const char* format, ...) __attribute__((format(printf, 1, 2)));
void Reply(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::vprintf(format, args);
    va_end(args);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void MovePointer(int x, int y) {
    XTestFakeMotionEvent(display, -1, x, y, CurrentTime);
    XSync(display, False);
}

// Press or release button 1; returns when the server has it.
double Button(bool down) {
    XTestFakeButtonEvent(display, 1, down ? True : False, CurrentTime);
    XSync(display, False);
    return NowMs();
}

// A click as a hand makes it: the pointer there, then press and release a
// few milliseconds apart. Returns the release's time.
double Click(int x, int y) {
    MovePointer(x, y);
    Button(true);
    SleepMs(8);
    return Button(false);
}

// The region's pixels, 0x00RRGGBB each, or empty when it can't be read.
std::vector<unsigned> Pixels(int x, int y, int w, int h) {
    std::vector<unsigned> pixels;
    XImage* image = XGetImage(display, root, x, y, static_cast<unsigned>(w), static_cast<unsigned>(h), AllPlanes,
                              ZPixmap);
    if (!image) return pixels;
    pixels.reserve(static_cast<size_t>(w) * static_cast<size_t>(h));
    for (int row = 0; row < h; ++row)
        for (int column = 0; column < w; ++column)
            pixels.push_back(static_cast<unsigned>(XGetPixel(image, column, row)) & 0xFFFFFFu);
    XDestroyImage(image);
    return pixels;
}

int Differing(const std::vector<unsigned>& a, const std::vector<unsigned>& b) {
    if (a.size() != b.size()) return -1;
    int count = 0;
    for (size_t i = 0; i < a.size(); ++i) count += a[i] != b[i];
    return count;
}

// Polls the region until at least minimum pixels differ from before, or the
// timeout passes; returns the time of the change, or a negative number. The
// poll rests 1 ms between reads. At four reads a millisecond the reads
// themselves, with the X server answering them, took the CPU the game and
// Wine needed on a 2-core machine: the slowest clicks measured 3 to 7 ms
// slower, while the reference window, which waits idle, did not move.
constexpr double POLL_REST_MS = 1.0;

double WaitForChange(const std::vector<unsigned>& before, int x, int y, int w, int h, int minimum,
                     double deadline) {
    for (;;) {
        const std::vector<unsigned> now = Pixels(x, y, w, h);
        const double at = NowMs();
        if (Differing(before, now) >= minimum) return at;
        if (at > deadline) return -1;
        SleepMs(POLL_REST_MS);
    }
}

// Polls the region until it shows the wanted pixels, give or take maxDiffer
// of them; returns the time it did, or a negative number.
double WaitForMatch(const std::vector<unsigned>& wanted, int x, int y, int w, int h, int maxDiffer,
                    double deadline) {
    for (;;) {
        const std::vector<unsigned> now = Pixels(x, y, w, h);
        const double at = NowMs();
        const int differing = Differing(wanted, now);
        if (differing >= 0 && differing <= maxDiffer) return at;
        if (at > deadline) return -1;
        SleepMs(POLL_REST_MS);
    }
}

// A binary PPM as grab writes it; empty when it can't be read or its size
// is not w x h.
std::vector<unsigned> ReadPpm(const char* file, int w, int h) {
    std::vector<unsigned> pixels;
    FILE* in = std::fopen(file, "rb");
    if (!in) return pixels;
    int fileW = 0, fileH = 0, depth = 0;
    if (std::fscanf(in, "P6 %d %d %d", &fileW, &fileH, &depth) == 3 && fileW == w && fileH == h && depth == 255 &&
        std::fgetc(in) != EOF) {
        std::vector<unsigned char> rgb(static_cast<size_t>(w) * static_cast<size_t>(h) * 3);
        if (std::fread(rgb.data(), 1, rgb.size(), in) == rgb.size())
            for (size_t i = 0; i < rgb.size(); i += 3)
                pixels.push_back(static_cast<unsigned>(rgb[i]) << 16 | static_cast<unsigned>(rgb[i + 1]) << 8 |
                                 rgb[i + 2]);
    }
    std::fclose(in);
    return pixels;
}

bool WritePpm(const char* file, int x, int y, int w, int h) {
    const std::vector<unsigned> pixels = Pixels(x, y, w, h);
    if (pixels.empty()) return false;
    FILE* out = std::fopen(file, "wb");
    if (!out) return false;
    std::fprintf(out, "P6\n%d %d\n255\n", w, h);
    for (unsigned p : pixels) {
        const unsigned char rgb[3] = {static_cast<unsigned char>(p >> 16), static_cast<unsigned char>(p >> 8),
                                      static_cast<unsigned char>(p)};
        std::fwrite(rgb, 1, 3, out);
    }
    return std::fclose(out) == 0;
}

// The region's pixels as RGB bytes straight after the answer line, so a
// poll costs one read of the screen and no file. A 32-bit image with the
// usual masks is copied straight out of its rows; XGetPixel for each of a
// window's 600,000 pixels took 60 ms.
bool SendPixels(int x, int y, int w, int h) {
    XImage* image = XGetImage(display, root, x, y, static_cast<unsigned>(w), static_cast<unsigned>(h), AllPlanes,
                              ZPixmap);
    if (!image) return false;
    const bool direct = image->bits_per_pixel == 32 && image->red_mask == 0xFF0000 &&
                        image->green_mask == 0xFF00 && image->blue_mask == 0xFF && image->byte_order == LSBFirst;
    std::vector<unsigned char> rgb;
    rgb.reserve(static_cast<size_t>(w) * static_cast<size_t>(h) * 3);
    for (int row = 0; row < h; ++row) {
        const unsigned char* line =
            reinterpret_cast<const unsigned char*>(image->data) + static_cast<size_t>(row) * image->bytes_per_line;
        for (int column = 0; column < w; ++column) {
            unsigned long p;
            if (direct) {
                const unsigned char* bgrx = line + column * 4;
                p = static_cast<unsigned long>(bgrx[2]) << 16 | static_cast<unsigned long>(bgrx[1]) << 8 | bgrx[0];
            } else {
                p = XGetPixel(image, column, row);
            }
            rgb.push_back(static_cast<unsigned char>(p >> 16));
            rgb.push_back(static_cast<unsigned char>(p >> 8));
            rgb.push_back(static_cast<unsigned char>(p));
        }
    }
    XDestroyImage(image);
    Reply("ok %d %d", w, h);
    std::fwrite(rgb.data(), 1, rgb.size(), stdout);
    std::fflush(stdout);
    return true;
}

// "alt+F4", "Return", "ctrl+shift+a": modifiers down, the key, all up.
bool PressKey(const std::string& combination) {
    std::vector<KeyCode> codes;
    std::stringstream parts(combination);
    std::string part;
    while (std::getline(parts, part, '+')) {
        std::string name = part;
        if (name == "alt") name = "Alt_L";
        if (name == "ctrl") name = "Control_L";
        if (name == "shift") name = "Shift_L";
        const KeySym sym = XStringToKeysym(name.c_str());
        if (sym == NoSymbol) return false;
        const KeyCode code = XKeysymToKeycode(display, sym);
        if (!code) return false;
        codes.push_back(code);
    }
    for (KeyCode code : codes) XTestFakeKeyEvent(display, code, True, CurrentTime);
    XSync(display, False);
    SleepMs(10);
    for (size_t i = codes.size(); i-- > 0;) XTestFakeKeyEvent(display, codes[i], False, CurrentTime);
    XSync(display, False);
    return true;
}

// The machine's own pauses. A virtual machine's host can stop its cores: a
// native spinner on each core saw the same 30 to 190 ms holes at the same
// moments, a few times a second, with the kernel counting no steal time. A
// click in flight then waits for the host, whatever program took it. One
// real-time thread per core sleeps a millisecond at a time and wakes late
// only when its core was stopped. The machine's pause is a stretch in which
// every core was stopped, when nothing at all could run; a stretch in which
// any one was can hold up a click whose work was on that core. At normal
// priority the threads would also wake late behind a busy game and X
// server and count that time as the host's, so then nothing is counted.
constexpr double PAUSE_SLEEP_MS = 1.0;
constexpr double PAUSE_MIN_MS = 2.0;   // shorter late wakes are not counted
using Spans = std::vector<std::pair<double, double>>;   // [from, to), in time order
std::mutex pausesLock;
std::vector<Spans> coreStops;   // one list per core
double watchedSince = 0;
std::atomic<bool> watching{false};
std::vector<std::thread> watchers;

void WatchCore(size_t core) {
    double last = NowMs();
    while (watching) {
        SleepMs(PAUSE_SLEEP_MS);
        const double now = NowMs();
        const double lost = now - last - PAUSE_SLEEP_MS;
        if (lost >= PAUSE_MIN_MS) {
            std::lock_guard<std::mutex> hold(pausesLock);
            coreStops[core].emplace_back(now - lost, now);
        }
        last = now;
    }
}

void StopWatchingPauses() {
    watching = false;
    for (std::thread& watcher : watchers) watcher.join();
    watchers.clear();
}

bool StartWatchingPauses() {
    if (watching) return true;
    const long cores = sysconf(_SC_NPROCESSORS_ONLN);
    if (cores < 1) return false;
    coreStops.assign(static_cast<size_t>(cores), Spans());
    watchedSince = NowMs();
    watching = true;
    for (size_t core = 0; core < coreStops.size(); ++core) {
        watchers.emplace_back(WatchCore, core);
        cpu_set_t only;
        CPU_ZERO(&only);
        CPU_SET(core, &only);
        sched_param priority{};
        priority.sched_priority = 10;
        if (pthread_setaffinity_np(watchers.back().native_handle(), sizeof only, &only) != 0 ||
            pthread_setschedparam(watchers.back().native_handle(), SCHED_FIFO, &priority) != 0) {
            StopWatchingPauses();
            return false;
        }
    }
    return true;
}

// The stretches within [from, to) in which every core was stopped.
Spans MachinePauses(double from, double to) {
    std::lock_guard<std::mutex> hold(pausesLock);
    Spans common = {{from, to}};
    for (const Spans& stops : coreStops) {
        Spans both;
        size_t i = 0, j = 0;
        while (i < common.size() && j < stops.size()) {
            const double start = std::max(common[i].first, stops[j].first);
            const double end = std::min(common[i].second, stops[j].second);
            if (start < end) both.emplace_back(start, end);
            if (common[i].second < stops[j].second) ++i;
            else ++j;
        }
        common.swap(both);
    }
    return common;
}

// How long within [from, to) at least one core was stopped.
double CoreStoppedFor(double from, double to) {
    std::lock_guard<std::mutex> hold(pausesLock);
    Spans stops;
    for (const Spans& core : coreStops)
        for (const auto& span : core)
            if (span.second > from && span.first < to)
                stops.emplace_back(std::max(from, span.first), std::min(to, span.second));
    std::sort(stops.begin(), stops.end());
    double stopped = 0, reached = from;
    for (const auto& span : stops) {
        if (span.second <= reached) continue;
        stopped += span.second - std::max(reached, span.first);
        reached = span.second;
    }
    return stopped;
}

// Runs one command line; false on quit.
bool Run(const std::string& line) {
    std::istringstream in(line);
    std::string command;
    in >> command;
    if (command.empty()) return true;
    if (command == "quit") return false;
    if (command == "now") {
        Reply("ok %.3f", NowMs());
    } else if (command == "watchpauses") {
        Reply(StartWatchingPauses() ? "ok realtime" : "ok unwatched");
    } else if (command == "paused") {
        double from, to;
        if (!(in >> from >> to)) return Reply("error usage: paused FROM TO"), true;
        double all = 0;
        for (const auto& span : MachinePauses(from, to)) all += span.second - span.first;
        Reply("ok %.3f %.3f", all, CoreStoppedFor(from, to));
    } else if (command == "pauses") {
        if (!watching) return Reply("error not watching"), true;
        const double now = NowMs();
        const Spans pauses = MachinePauses(watchedSince, now);
        double total = 0, longest = 0;
        for (const auto& span : pauses) {
            total += span.second - span.first;
            longest = std::max(longest, span.second - span.first);
        }
        Reply("ok %zu %.1f %.1f %.1f", pauses.size(), total, longest, (now - watchedSince) / 1000.0);
    } else if (command == "move") {
        int x, y;
        if (!(in >> x >> y)) return Reply("error usage: move X Y"), true;
        MovePointer(x, y);
        Reply("ok");
    } else if (command == "click" || command == "press" || command == "release") {
        int x, y;
        if (!(in >> x >> y)) return Reply("error usage: %s X Y", command.c_str()), true;
        double at;
        if (command == "click") {
            at = Click(x, y);
        } else {
            MovePointer(x, y);
            at = Button(command == "press");
        }
        Reply("ok %.3f", at);
    } else if (command == "clicks") {
        double gap;
        if (!(in >> gap)) return Reply("error usage: clicks GAP_MS X Y ..."), true;
        std::string times;
        int x, y;
        double next = NowMs();
        while (in >> x >> y) {
            SleepMs(next - NowMs());
            const double at = Click(x, y);
            char text[32];
            std::snprintf(text, sizeof text, " %.3f", at);
            times += text;
            next = at + gap;
        }
        Reply("ok%s", times.c_str());
    } else if (command == "key") {
        std::string name;
        in >> name;
        Reply(PressKey(name) ? "ok" : "error unknown key %s", name.c_str());
    } else if (command == "grab") {
        int x, y, w, h;
        std::string file;
        if (!(in >> x >> y >> w >> h >> file)) return Reply("error usage: grab X Y W H FILE"), true;
        Reply(WritePpm(file.c_str(), x, y, w, h) ? "ok" : "error cannot grab or write %s", file.c_str());
    } else if (command == "pixels") {
        int x, y, w, h;
        if (!(in >> x >> y >> w >> h) || w <= 0 || h <= 0) return Reply("error usage: pixels X Y W H"), true;
        if (!SendPixels(x, y, w, h)) Reply("error cannot read the region");
    } else if (command == "clickwait" || command == "waitchange") {
        int cx = 0, cy = 0, x, y, w, h, minimum;
        double timeout;
        const bool clicks = command != "waitchange";
        if (clicks && !(in >> cx >> cy)) return Reply("error usage: %s CX CY RX RY RW RH MIN MS", command.c_str()), true;
        if (!(in >> x >> y >> w >> h >> minimum >> timeout))
            return Reply("error usage: %s ... RX RY RW RH MIN MS", command.c_str()), true;
        const std::vector<unsigned> before = Pixels(x, y, w, h);
        if (before.empty()) return Reply("error cannot read the region"), true;
        const double from = clicks ? Click(cx, cy) : NowMs();
        const double changed = WaitForChange(before, x, y, w, h, minimum, from + timeout);
        if (changed < 0) Reply("ok timeout");
        else Reply("ok %.3f %.3f", changed - from, from);
    } else if (command == "clickmatch" || command == "waitmatch") {
        int cx = 0, cy = 0, x, y, w, h, maxDiffer;
        double timeout;
        std::string file;
        const bool clicks = command == "clickmatch";
        if (clicks && !(in >> cx >> cy)) return Reply("error usage: clickmatch CX CY RX RY RW RH FILE MAXDIFF MS"), true;
        if (!(in >> x >> y >> w >> h >> file >> maxDiffer >> timeout))
            return Reply("error usage: %s ... RX RY RW RH FILE MAXDIFF MS", command.c_str()), true;
        const std::vector<unsigned> wanted = ReadPpm(file.c_str(), w, h);
        if (wanted.empty()) return Reply("error cannot read a %dx%d PPM from %s", w, h, file.c_str()), true;
        const double from = clicks ? Click(cx, cy) : NowMs();
        const double matched = WaitForMatch(wanted, x, y, w, h, maxDiffer, from + timeout);
        if (matched < 0) Reply("ok timeout");
        else Reply("ok %.3f %.3f", matched - from, from);
    } else {
        Reply("error unknown command %s", command.c_str());
    }
    return true;
}

}  // namespace

int main() {
    display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "xdrive: cannot open display '%s'\n", std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "");
        return 1;
    }
    int event, error, major, minor;
    if (!XTestQueryExtension(display, &event, &error, &major, &minor)) {
        std::fprintf(stderr, "xdrive: the X server has no XTEST extension\n");
        return 1;
    }
    root = DefaultRootWindow(display);
    Reply("ready");
    std::string line;
    char buffer[8192];
    while (std::fgets(buffer, sizeof buffer, stdin)) {
        line = buffer;
        if (!Run(line)) break;
    }
    StopWatchingPauses();
    XCloseDisplay(display);
    return 0;
}
