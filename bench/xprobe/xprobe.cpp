// SPDX-License-Identifier: MIT
// bench_xprobe: measures a program's windows from the outside, through the X server it
// draws on (DISPLAY), without touching the program.
//
// A window's first frame is the moment the program has painted all of it: the X DAMAGE
// extension reports every rectangle the program draws into a top-level window, and the
// frame is complete once those rectangles cover the whole window (firstframe.h). Keys and
// clicks are sent through XTEST, the way xdotool sends them.
//
// Programs under Wine send each control's paint to the X server as soon as it is drawn,
// after a first put of the whole window with its background and frame only: for them,
// --quiet MS puts the first frame at the last rectangle the window drew for the first time
// once it has been covered whole, when it then drew no new rectangle for MS ms.
//
//   bench_xprobe startup [--runs N] [--handover] [--settle MS] -- COMMAND...
//       exec to the first frame of the first window; with --handover, the key "x" on it
//       to the first frame of the next window. Medians over the runs.
//   bench_xprobe idle [--seconds S] [--xserver-pid PID] [--handover] -- COMMAND...
//       CPU of the program and of the X server while the window sits idle, and its
//       repaints per second.
//   bench_xprobe rounds [--rounds N] [--click X,Y] [--handover] [--no-wait] -- COMMAND...
//       N presses of F2 on the window (after a click at X,Y in it, if given; a negative
//       Y counts from the bottom), then the program's peak resident memory and what it
//       read per round.
//
// Every mode takes --settle MS (the pause before the key that hands over, and after the
// window it opens), --quiet MS (above) and --prefix P (put before every result's name).
//
// Results are printed on stdout as "name: value unit" lines; details go to stderr.

#include "firstframe.h"

#include <xcb/damage.h>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

double nowMs()
{
    timespec ts {};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

double median(std::vector<double> values)
{
    if (values.empty()) {
        return NAN;
    }
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "bench_xprobe: %s\n", what);
    std::exit(1);
}

struct Window
{
    xcb_window_t id = 0;
    xcb_damage_damage_t damage = 0;
    int width = 0, height = 0;
    bool mapped = false;
    double createTime = NAN; // when the probe saw it created (or first mapped)
    double mapTime = NAN;
    double firstDamage = NAN;
    FirstFrame frame; // when its first frame was complete
    long damageEvents = 0;
    std::vector<std::pair<double, Rect>> log; // kept while logging is on
};

class Display
{
public:
    Display()
    {
        int screenNumber = 0;
        m_conn = xcb_connect(nullptr, &screenNumber);
        if (xcb_connection_has_error(m_conn)) {
            fail("cannot open the display (DISPLAY)");
        }
        xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(m_conn));
        for (int i = 0; i < screenNumber; ++i) {
            xcb_screen_next(&it);
        }
        m_root = it.data->root;

        const xcb_query_extension_reply_t *damage = xcb_get_extension_data(m_conn, &xcb_damage_id);
        if (!damage || !damage->present) {
            fail("the X server has no DAMAGE extension");
        }
        m_damageEvent = damage->first_event;
        free(xcb_damage_query_version_reply(
            m_conn, xcb_damage_query_version(m_conn, 1, 1), nullptr));
        const xcb_query_extension_reply_t *xtest = xcb_get_extension_data(m_conn, &xcb_test_id);
        if (!xtest || !xtest->present) {
            fail("the X server has no XTEST extension");
        }

        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_conn, m_root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(m_conn);
    }

    ~Display() { xcb_disconnect(m_conn); }

    // Handles every event that has arrived; waits up to timeoutMs for the first one.
    void pump(double timeoutMs)
    {
        xcb_generic_event_t *event = xcb_poll_for_event(m_conn);
        if (!event && timeoutMs > 0) {
            pollfd fd { xcb_get_file_descriptor(m_conn), POLLIN, 0 };
            ::poll(&fd, 1, static_cast<int>(std::ceil(timeoutMs)));
            event = xcb_poll_for_event(m_conn);
        }
        while (event) {
            handle(event, nowMs());
            free(event);
            event = xcb_poll_for_event(m_conn);
        }
        if (xcb_connection_has_error(m_conn)) {
            fail("lost the display");
        }
    }

    // Pumps events until done() or the deadline; true when done.
    bool waitFor(double deadline, const std::function<bool()> &done)
    {
        while (!done()) {
            const double left = deadline - nowMs();
            if (left <= 0) {
                return false;
            }
            pump(std::min(left, 50.0));
        }
        return true;
    }

    void sleepPumping(double ms)
    {
        const double end = nowMs() + ms;
        waitFor(end, [] { return false; });
    }

    // Mapped top-level windows in the order they were mapped.
    std::vector<Window *> mappedWindows()
    {
        std::vector<Window *> result;
        for (auto &[id, window] : m_windows) {
            if (window.mapped) {
                result.push_back(&window);
            }
        }
        std::sort(result.begin(), result.end(),
            [](Window *a, Window *b) { return a->mapTime < b->mapTime; });
        return result;
    }

    Window *find(xcb_window_t id)
    {
        const auto it = m_windows.find(id);
        return it == m_windows.end() ? nullptr : &it->second;
    }

    void setLogging(Window *window, bool on)
    {
        m_logging = on ? window->id : 0;
        window->log.clear();
    }

    xcb_keycode_t keycodeOf(xcb_keysym_t keysym)
    {
        const xcb_setup_t *setup = xcb_get_setup(m_conn);
        const int count = setup->max_keycode - setup->min_keycode + 1;
        xcb_get_keyboard_mapping_reply_t *map = xcb_get_keyboard_mapping_reply(m_conn,
            xcb_get_keyboard_mapping(m_conn, setup->min_keycode, static_cast<uint8_t>(count)),
            nullptr);
        if (!map) {
            fail("no keyboard mapping");
        }
        const xcb_keysym_t *syms = xcb_get_keyboard_mapping_keysyms(map);
        const int per = map->keysyms_per_keycode;
        xcb_keycode_t found = 0;
        for (int i = 0; i < count && !found; ++i) {
            for (int j = 0; j < per; ++j) {
                if (syms[i * per + j] == keysym) {
                    found = static_cast<xcb_keycode_t>(setup->min_keycode + i);
                    break;
                }
            }
        }
        free(map);
        if (!found) {
            fail("no keycode for a key the bench presses");
        }
        return found;
    }

    void pressKey(xcb_keycode_t code)
    {
        xcb_test_fake_input(m_conn, XCB_KEY_PRESS, code, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        xcb_test_fake_input(m_conn, XCB_KEY_RELEASE, code, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        xcb_flush(m_conn);
    }

    // A left click at (x, y) inside the window.
    void click(Window *window, int x, int y)
    {
        xcb_translate_coordinates_reply_t *at = xcb_translate_coordinates_reply(m_conn,
            xcb_translate_coordinates(
                m_conn, window->id, m_root, static_cast<int16_t>(x), static_cast<int16_t>(y)),
            nullptr);
        if (!at) {
            fail("cannot place the click");
        }
        xcb_test_fake_input(
            m_conn, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, m_root, at->dst_x, at->dst_y, 0);
        xcb_test_fake_input(m_conn, XCB_BUTTON_PRESS, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        xcb_test_fake_input(m_conn, XCB_BUTTON_RELEASE, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        free(at);
        xcb_flush(m_conn);
    }

    // How many distinct colours a sample of the window's pixels holds: 1 for a window
    // that shows only its background.
    int coloursIn(Window *window)
    {
        xcb_get_image_reply_t *image = xcb_get_image_reply(m_conn,
            xcb_get_image(m_conn, XCB_IMAGE_FORMAT_Z_PIXMAP, window->id, 0, 0,
                static_cast<uint16_t>(window->width), static_cast<uint16_t>(window->height), ~0u),
            nullptr);
        if (!image) {
            return 0;
        }
        const uint8_t *data = xcb_get_image_data(image);
        const int length = xcb_get_image_data_length(image);
        std::set<uint32_t> colours;
        for (int i = 0; i + 3 < length; i += 4 * 7) {
            uint32_t pixel = 0;
            std::memcpy(&pixel, data + i, 4);
            colours.insert(pixel & 0xFFFFFF);
        }
        free(image);
        return static_cast<int>(colours.size());
    }

    void forgetWindows() { m_windows.clear(); }

    // With quietMs > 0, a window's first frame ends the burst of new rectangles (above).
    void setQuiet(double quietMs) { m_quietMs = quietMs; }

    // The time of the window's first frame once it is known, else NaN.
    double frameOf(Window *window) { return window->frame.frame(nowMs(), m_quietMs); }

private:
    void track(xcb_window_t id, int width, int height, double t)
    {
        Window &window = m_windows[id];
        if (window.id) {
            return;
        }
        window.id = id;
        window.createTime = t;
        window.width = width;
        window.height = height;
        window.frame.resize(width, height);
        window.damage = xcb_generate_id(m_conn);
        xcb_damage_create(m_conn, window.damage, id, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
        xcb_flush(m_conn);
    }

    void handle(xcb_generic_event_t *event, double t)
    {
        const uint8_t type = event->response_type & 0x7F;
        if (type == 0) {
            return; // an error, e.g. DAMAGE on an input-only window: such windows never paint
        }
        if (type == XCB_CREATE_NOTIFY) {
            auto *e = reinterpret_cast<xcb_create_notify_event_t *>(event);
            if (e->parent == m_root) {
                track(e->window, e->width, e->height, t);
            }
        } else if (type == XCB_CONFIGURE_NOTIFY) {
            auto *e = reinterpret_cast<xcb_configure_notify_event_t *>(event);
            if (Window *window = find(e->window)) {
                if (window->width != e->width || window->height != e->height) {
                    window->width = e->width;
                    window->height = e->height;
                    window->frame.resize(e->width, e->height);
                }
            }
        } else if (type == XCB_MAP_NOTIFY) {
            auto *e = reinterpret_cast<xcb_map_notify_event_t *>(event);
            if (!find(e->window)) {
                xcb_get_geometry_reply_t *g
                    = xcb_get_geometry_reply(m_conn, xcb_get_geometry(m_conn, e->window), nullptr);
                track(e->window, g ? g->width : 0, g ? g->height : 0, t);
                free(g);
            }
            Window *window = find(e->window);
            if (!window->mapped) {
                window->mapped = true;
                window->mapTime = t;
            }
        } else if (type == XCB_UNMAP_NOTIFY) {
            auto *e = reinterpret_cast<xcb_unmap_notify_event_t *>(event);
            if (Window *window = find(e->window)) {
                window->mapped = false;
            }
        } else if (type == XCB_DESTROY_NOTIFY) {
            auto *e = reinterpret_cast<xcb_destroy_notify_event_t *>(event);
            m_windows.erase(e->window);
        } else if (type == m_damageEvent + XCB_DAMAGE_NOTIFY) {
            auto *e = reinterpret_cast<xcb_damage_notify_event_t *>(event);
            Window *window = find(e->drawable);
            if (!window || !window->mapped) {
                return;
            }
            ++window->damageEvents;
            const Rect r { e->area.x, e->area.y, e->area.width, e->area.height };
            if (m_logging == window->id) {
                window->log.push_back({ t, r });
            }
            if (std::isnan(window->firstDamage)) {
                window->firstDamage = t;
            }
            window->frame.draw(r, t);
        }
    }

    xcb_connection_t *m_conn = nullptr;
    xcb_window_t m_root = 0;
    uint8_t m_damageEvent = 0;
    std::map<xcb_window_t, Window> m_windows;
    xcb_window_t m_logging = 0;
    double m_quietMs = 0;
};

struct Options
{
    std::string mode;
    int runs = 5;
    bool handOver = false;
    double settleMs = 300;
    double quietMs = 0;
    double seconds = 30;
    long xserverPid = 0;
    int rounds = 100;
    bool click = false;
    int clickX = 0, clickY = 0;
    bool wait = true;
    std::string prefix = "";
    std::vector<char *> command;
};

Options parse(int argc, char **argv)
{
    Options o;
    if (argc < 2) {
        fail("usage: bench_xprobe startup|idle|rounds [options] -- COMMAND...");
    }
    o.mode = argv[1];
    int i = 2;
    for (; i < argc; ++i) {
        const std::string a = argv[i];
        auto value = [&]() -> const char * {
            if (i + 1 >= argc) {
                fail("an option lacks its value");
            }
            return argv[++i];
        };
        if (a == "--") {
            ++i;
            break;
        } else if (a == "--runs") {
            o.runs = std::atoi(value());
        } else if (a == "--handover") {
            o.handOver = true;
        } else if (a == "--settle") {
            o.settleMs = std::atof(value());
        } else if (a == "--quiet") {
            o.quietMs = std::atof(value());
        } else if (a == "--seconds") {
            o.seconds = std::atof(value());
        } else if (a == "--xserver-pid") {
            o.xserverPid = std::atol(value());
        } else if (a == "--rounds") {
            o.rounds = std::atoi(value());
        } else if (a == "--click") {
            o.click = std::sscanf(value(), "%d,%d", &o.clickX, &o.clickY) == 2;
        } else if (a == "--no-wait") {
            o.wait = false;
        } else if (a == "--prefix") {
            o.prefix = value();
        } else {
            fail(("unknown option " + a).c_str());
        }
    }
    for (; i < argc; ++i) {
        o.command.push_back(argv[i]);
    }
    if (o.command.empty()) {
        fail("no command to run");
    }
    o.command.push_back(nullptr);
    return o;
}

struct Child
{
    pid_t pid = 0;
    double started = NAN;
};

Child launch(const Options &o)
{
    Child child;
    child.started = nowMs();
    child.pid = fork();
    if (child.pid == 0) {
        const int null = ::open("/dev/null", O_RDONLY);
        dup2(null, 0);
        execvp(o.command[0], o.command.data());
        std::perror(o.command[0]);
        _exit(127);
    }
    if (child.pid < 0) {
        fail("fork failed");
    }
    return child;
}

void stop(Child &child)
{
    if (child.pid > 0) {
        kill(child.pid, SIGTERM);
        int status = 0;
        waitpid(child.pid, &status, 0);
        child.pid = 0;
    }
}

bool exited(const Child &child)
{
    int status = 0;
    return waitpid(child.pid, &status, WNOHANG) == child.pid;
}

// The first window of the program, once its first frame is complete.
Window *firstFrame(Display &display, const Child &child, double timeoutMs)
{
    Window *found = nullptr;
    display.waitFor(child.started + timeoutMs, [&] {
        for (Window *w : display.mappedWindows()) {
            if (!std::isnan(display.frameOf(w))) {
                found = w;
                return true;
            }
        }
        return false;
    });
    return found;
}

// After the key on `from`, the next window mapped, once its first frame is complete.
Window *nextFrame(Display &display, xcb_window_t from, double since, double timeoutMs)
{
    Window *found = nullptr;
    display.waitFor(since + timeoutMs, [&] {
        for (Window *w : display.mappedWindows()) {
            if (w->id != from && w->mapTime >= since && !std::isnan(display.frameOf(w))) {
                found = w;
                return true;
            }
        }
        return false;
    });
    return found;
}

// CPU time the process has run, all its threads, in milliseconds (nanosecond counts).
double runMsOf(long pid)
{
    double total = 0;
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    if (DIR *dir = opendir(tasks.c_str())) {
        while (dirent *entry = readdir(dir)) {
            if (entry->d_name[0] == '.') {
                continue;
            }
            std::ifstream schedstat(tasks + "/" + entry->d_name + "/schedstat");
            double ns = 0;
            if (schedstat >> ns) {
                total += ns / 1e6;
            }
        }
        closedir(dir);
    }
    return total;
}

struct Started
{
    Child child;
    Window first; // a copy: the program may destroy the window when it hands over
    Window *window = nullptr; // the one measured on: the next window when handing over
    double keyTime = NAN;
    double firstMs = NAN, handOverMs = NAN;
    double firstCpuMs = NAN, handOverCpuMs = NAN; // CPU the program used for them
    int firstColours = 0, windowColours = 0;
};

Started start(Display &display, const Options &o)
{
    Started s;
    display.forgetWindows();
    s.child = launch(o);
    Window *first = firstFrame(display, s.child, 20000);
    if (!first) {
        stop(s.child);
        fail("the program showed no window within 20 s");
    }
    s.firstMs = display.frameOf(first) - s.child.started;
    s.firstCpuMs = runMsOf(s.child.pid);
    s.firstColours = display.coloursIn(first);
    s.first = *first;
    s.window = first;
    if (o.handOver) {
        display.sleepPumping(o.settleMs);
        const xcb_window_t splash = first->id;
        const xcb_keycode_t x = display.keycodeOf(0x0078);
        const double cpuBefore = runMsOf(s.child.pid);
        const double keyTime = nowMs();
        s.keyTime = keyTime;
        display.pressKey(x);
        s.window = nextFrame(display, splash, keyTime, 20000);
        if (!s.window) {
            stop(s.child);
            fail("no second window within 20 s of the key");
        }
        s.handOverMs = display.frameOf(s.window) - keyTime;
        s.handOverCpuMs = runMsOf(s.child.pid) - cpuBefore;
        s.windowColours = display.coloursIn(s.window);
    }
    return s;
}

struct CpuTicks
{
    long long ticks = 0;
    long long switches = 0;
};

CpuTicks cpuOf(long pid)
{
    CpuTicks c;
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    const std::size_t close = line.rfind(')');
    if (close == std::string::npos) {
        return c;
    }
    std::istringstream fields(line.substr(close + 2));
    std::string field;
    // Fields from the third on; utime and stime are the 14th and 15th.
    for (int n = 3; n <= 15 && (fields >> field); ++n) {
        if (n == 14 || n == 15) {
            c.ticks += std::atoll(field.c_str());
        }
    }
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    if (DIR *dir = opendir(tasks.c_str())) {
        while (dirent *entry = readdir(dir)) {
            if (entry->d_name[0] == '.') {
                continue;
            }
            std::ifstream status(tasks + "/" + entry->d_name + "/status");
            while (std::getline(status, line)) {
                if (line.rfind("voluntary_ctxt_switches:", 0) == 0
                    || line.rfind("nonvoluntary_ctxt_switches:", 0) == 0) {
                    c.switches += std::atoll(line.substr(line.find(':') + 1).c_str());
                }
            }
        }
        closedir(dir);
    }
    return c;
}

long statusKb(long pid, const char *key)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    const std::string wanted = std::string(key) + ":";
    while (std::getline(status, line)) {
        if (line.rfind(wanted, 0) == 0) {
            return std::atol(line.substr(wanted.size()).c_str());
        }
    }
    return -1;
}

long long ioField(long pid, const char *key)
{
    std::ifstream io("/proc/" + std::to_string(pid) + "/io");
    std::string line;
    const std::string wanted = std::string(key) + ":";
    while (std::getline(io, line)) {
        if (line.rfind(wanted, 0) == 0) {
            return std::atoll(line.substr(wanted.size()).c_str());
        }
    }
    return -1;
}

void out(const Options &o, const char *name, double value, const char *unit)
{
    std::printf("%s%s: %.3f %s\n", o.prefix.c_str(), name, value, unit);
    std::fflush(stdout);
}

int runStartup(Display &display, const Options &o)
{
    std::vector<double> first, handOver, firstCpu, handOverCpu, firstRects, handOverRects;
    // The steps of each: until its window was created, from then until it was mapped, and
    // from then until its first frame.
    std::map<std::string, std::vector<double>> steps;
    for (int run = 0; run < o.runs; ++run) {
        Started s = start(display, o);
        first.push_back(s.firstMs);
        firstCpu.push_back(s.firstCpuMs);
        handOverCpu.push_back(s.handOverCpuMs);
        firstRects.push_back(s.first.frame.newRects());
        handOverRects.push_back(o.handOver ? s.window->frame.newRects() : NAN);
        const double started = s.child.started;
        steps["first_created_ms"].push_back(s.first.createTime - started);
        steps["first_built_ms"].push_back(s.first.mapTime - s.first.createTime);
        steps["first_painted_ms"].push_back(s.firstMs + started - s.first.mapTime);
        if (o.handOver) {
            steps["handover_created_ms"].push_back(s.window->createTime - s.keyTime);
            steps["handover_built_ms"].push_back(s.window->mapTime - s.window->createTime);
            steps["handover_painted_ms"].push_back(s.handOverMs + s.keyTime - s.window->mapTime);
        }
        std::fprintf(stderr,
            "  run %d: first window %dx%d mapped %.1f ms, first damage %.1f ms, whole %.1f ms",
            run + 1, s.first.width, s.first.height, s.first.mapTime - started,
            s.first.firstDamage - started, s.first.frame.complete() - started);
        if (o.quietMs > 0) {
            std::fprintf(
                stderr, ", last of %d new rectangles %.1f ms", s.first.frame.newRects(), s.firstMs);
        }
        std::fprintf(stderr, " (%d colours, %.1f ms CPU)", s.firstColours, s.firstCpuMs);
        if (o.handOver) {
            handOver.push_back(s.handOverMs);
            std::fprintf(stderr, "; next window %dx%d whole %.1f ms after the key", s.window->width,
                s.window->height, s.window->frame.complete() - s.keyTime);
            if (o.quietMs > 0) {
                std::fprintf(stderr, ", last of %d new rectangles %.1f ms",
                    s.window->frame.newRects(), s.handOverMs);
            }
            std::fprintf(stderr, " (%d colours, %.1f ms CPU)", s.windowColours, s.handOverCpuMs);
        }
        std::fprintf(stderr, "\n");
        stop(s.child);
        display.sleepPumping(150);
    }
    out(o, "first_frame_ms", median(first), "ms");
    out(o, "first_frame_cpu_ms", median(firstCpu), "ms");
    if (o.quietMs > 0) {
        out(o, "first_frame_new_rects", median(firstRects), "");
    }
    for (const auto &[name, values] : steps) {
        out(o, name.c_str(), median(values), "ms");
    }
    if (o.handOver) {
        out(o, "handover_ms", median(handOver), "ms");
        out(o, "handover_cpu_ms", median(handOverCpu), "ms");
        if (o.quietMs > 0) {
            out(o, "handover_new_rects", median(handOverRects), "");
        }
    }
    return 0;
}

int runIdle(Display &display, const Options &o)
{
    Started s = start(display, o);
    display.sleepPumping(o.settleMs);
    Window *window = s.window;
    display.setLogging(window, true);
    const CpuTicks program0 = cpuOf(s.child.pid);
    const CpuTicks server0 = o.xserverPid ? cpuOf(o.xserverPid) : CpuTicks {};
    const double programRun0 = runMsOf(s.child.pid);
    const double serverRun0 = o.xserverPid ? runMsOf(o.xserverPid) : 0;
    const double t0 = nowMs();
    display.sleepPumping(o.seconds * 1000);
    const double t1 = nowMs();
    const CpuTicks program1 = cpuOf(s.child.pid);
    const CpuTicks server1 = o.xserverPid ? cpuOf(o.xserverPid) : CpuTicks {};
    const double programRun = runMsOf(s.child.pid) - programRun0;
    const double serverRun = o.xserverPid ? runMsOf(o.xserverPid) - serverRun0 : 0;
    if (exited(s.child)) {
        fail("the program ended while it was watched");
    }
    const double hz = static_cast<double>(sysconf(_SC_CLK_TCK));
    const double wall = (t1 - t0) / 1000;
    const double programPct
        = static_cast<double>(program1.ticks - program0.ticks) / hz / wall * 100;
    const double serverPct = static_cast<double>(server1.ticks - server0.ticks) / hz / wall * 100;

    // Repaints: the rectangles drawn, and how often each was drawn.
    std::map<Rect, long> byRect;
    std::set<long long> flushes; // distinct milliseconds in which something was drawn
    for (const auto &[t, r] : window->log) {
        ++byRect[r];
        flushes.insert(static_cast<long long>(t));
    }
    Rect busiest {};
    long busiestCount = 0;
    for (const auto &[r, n] : byRect) {
        if (n > busiestCount) {
            busiest = r;
            busiestCount = n;
        }
    }
    std::fprintf(stderr,
        "  idle: window %dx%d, %zu rectangles drawn in %.1f s, %zu distinct areas\n", window->width,
        window->height, window->log.size(), wall, byRect.size());
    for (const auto &[r, n] : byRect) {
        std::fprintf(stderr, "    area %dx%d at %d,%d: %ld times\n", r.w, r.h, r.x, r.y, n);
    }
    out(o, "idle_cpu_percent", programPct + serverPct, "%");
    out(o, "idle_cpu_percent_program", programPct, "%");
    out(o, "idle_cpu_percent_xserver", serverPct, "%");
    // The same from the scheduler's nanosecond run times, which do not depend on where
    // the 100 Hz accounting ticks happen to fall.
    out(o, "idle_cpu_percent_schedstat", (programRun + serverRun) / 10 / wall, "%");
    out(o, "idle_cpu_percent_program_schedstat", programRun / 10 / wall, "%");
    out(o, "idle_cpu_percent_xserver_schedstat", serverRun / 10 / wall, "%");
    out(o, "idle_wakeups_per_s_program",
        static_cast<double>(program1.switches - program0.switches) / wall, "/s");
    out(o, "repaints_per_s", static_cast<double>(flushes.size()) / wall, "/s");
    out(o, "busiest_area_repaints_per_s", static_cast<double>(busiestCount) / wall, "/s");
    std::printf("# busiest area %dx%d at %d,%d of the %dx%d window\n", busiest.w, busiest.h,
        busiest.x, busiest.y, window->width, window->height);
    stop(s.child);
    return 0;
}

int runRounds(Display &display, const Options &o)
{
    Started s = start(display, o);
    Window *window = s.window;
    display.sleepPumping(o.settleMs);

    // What the window repaints by itself (the blinking labels) is learnt first, so that
    // a round's own repaint can be told from it.
    display.setLogging(window, true);
    display.sleepPumping(1200);
    std::set<Rect> decorations;
    for (const auto &[t, r] : window->log) {
        decorations.insert(r);
    }
    auto roundRepaintSince = [&](double since) {
        for (const auto &[t, r] : window->log) {
            if (t >= since && !decorations.count(r)) {
                return true;
            }
        }
        return false;
    };

    if (o.click) {
        const double t = nowMs();
        window->log.clear();
        // A negative ordinate counts from the bottom edge, which does not move with the
        // height of the menu bar.
        display.click(window, o.clickX, o.clickY < 0 ? window->height + o.clickY : o.clickY);
        if (o.wait && !display.waitFor(t + 5000, [&] { return roundRepaintSince(t); })) {
            std::fprintf(stderr, "  the click repainted nothing\n");
        }
        display.sleepPumping(200);
    }

    const long long read0 = ioField(s.child.pid, "rchar");
    const xcb_keycode_t f2 = display.keycodeOf(0xFFBF);
    std::vector<double> latencies;
    int missed = 0;
    for (int i = 0; i < o.rounds; ++i) {
        window->log.clear();
        const double t = nowMs();
        display.pressKey(f2);
        if (o.wait) {
            double seen = NAN;
            const bool ok = display.waitFor(t + 5000, [&] {
                for (const auto &[when, r] : window->log) {
                    if (when >= t && !decorations.count(r)) {
                        seen = when;
                        return true;
                    }
                }
                return false;
            });
            if (ok) {
                latencies.push_back(seen - t);
            } else {
                ++missed;
            }
            display.sleepPumping(5);
        } else {
            display.sleepPumping(30);
        }
    }
    display.sleepPumping(300);
    if (exited(s.child)) {
        fail("the program ended during the rounds");
    }
    const long long read1 = ioField(s.child.pid, "rchar");
    const long hwm = statusKb(s.child.pid, "VmHWM");
    const long rss = statusKb(s.child.pid, "VmRSS");
    out(o, "peak_rss_mb", static_cast<double>(hwm) / 1024.0, "MB");
    out(o, "rss_mb", static_cast<double>(rss) / 1024.0, "MB");
    out(o, "read_per_round_kb", static_cast<double>(read1 - read0) / 1024.0 / o.rounds, "kB");
    if (o.wait) {
        out(o, "round_key_to_frame_ms", median(latencies), "ms");
        if (missed) {
            std::fprintf(
                stderr, "  %d of %d rounds showed no repaint within 5 s\n", missed, o.rounds);
        }
    }
    stop(s.child);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    const Options o = parse(argc, argv);
    signal(SIGPIPE, SIG_IGN);
    Display display;
    display.setQuiet(o.quietMs);
    if (o.mode == "startup") {
        return runStartup(display, o);
    }
    if (o.mode == "idle") {
        return runIdle(display, o);
    }
    if (o.mode == "rounds") {
        return runRounds(display, o);
    }
    fail("mode must be startup, idle or rounds");
}
