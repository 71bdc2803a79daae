// Start-up time of the game beside that of a bare Qt main window (bench_bare_window), from
// the program's exec to its main window on the screen, on an X server of the benchmark's
// own (Xvfb, no window manager).
//   bench_startup [runs [program]]
// The game is that of this build unless another program is named (to compare two builds
// of it, a copy beside the original finds the same application folder). The two programs
// start alternately, runs times each (21 unless told) after one unmeasured
// start each that fills the caches, and the medians and their ratio are printed. A watcher
// outside the programs sees the moment the window is mapped (MapNotify on the root window)
// and the first drawing into it (the DAMAGE extension on the root window: on this server
// nothing else draws), so neither program has any code for the benchmark. On a machine busy
// with other work the figures scatter; running the benchmark under a real-time scheduling
// policy (`chrt -f 10 bench_startup`, as root) keeps that work out of the way.
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::duration<double, std::milli>;

// However loaded the machine, a start-up that takes longer is broken.
constexpr std::chrono::seconds kPatience{30};

struct Timing {
    double mapped_ms = 0;
    double painted_ms = 0;
};

struct FreeEvent {
    void operator()(xcb_generic_event_t* event) const { std::free(event); }  // NOLINT(*-no-malloc): xcb's
};
using Event = std::unique_ptr<xcb_generic_event_t, FreeEvent>;

[[noreturn]] void fail(const std::string& why)
{
    std::fprintf(stderr, "bench_startup: %s\n", why.c_str());
    std::exit(1);
}

pid_t spawn(const std::string& program, const std::vector<std::string>& arguments,
            const posix_spawn_file_actions_t* actions = nullptr)
{
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, program.c_str(), actions, nullptr, argv.data(), environ) != 0)
        fail("cannot start " + program);
    return pid;
}

void end(pid_t pid)
{
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
}

// Starts Xvfb and points DISPLAY at it; returns the server's process.
pid_t start_x_server()
{
    int pipe_ends[2];
    if (pipe(pipe_ends) != 0)
        fail("no pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclose(&actions, pipe_ends[0]);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const pid_t server
        = spawn("Xvfb", {"-displayfd", std::to_string(pipe_ends[1]), "-screen", "0", "1024x768x24", "-nolisten", "tcp"},
                &actions);
    posix_spawn_file_actions_destroy(&actions);
    close(pipe_ends[1]);
    std::string display;
    char digit = 0;
    while (read(pipe_ends[0], &digit, 1) == 1 && digit != '\n')
        display += digit;
    close(pipe_ends[0]);
    if (display.empty())
        fail("Xvfb did not start");
    setenv("DISPLAY", (':' + display).c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    return server;
}

class Watcher {
public:
    Watcher()
        : connection_(xcb_connect(nullptr, nullptr))
    {
        if (xcb_connection_has_error(connection_))
            fail("cannot connect to the X server");
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        const xcb_query_extension_reply_t* damage = xcb_get_extension_data(connection_, &xcb_damage_id);
        if (!damage || !damage->present)
            fail("the X server has no DAMAGE extension");
        damage_notify_ = damage->first_event + XCB_DAMAGE_NOTIFY;
        std::free(xcb_damage_query_version_reply(  // NOLINT(*-no-malloc): xcb's
            connection_, xcb_damage_query_version(connection_, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
            nullptr));
        xcb_damage_create(connection_, xcb_generate_id(connection_), root_, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
        settle();
    }
    ~Watcher() { xcb_disconnect(connection_); }
    Watcher(const Watcher&) = delete;
    Watcher& operator=(const Watcher&) = delete;

    // Starts the program and times it to its window's first paint, then ends it.
    Timing start_up(const std::string& program)
    {
        const Clock::time_point exec = Clock::now();
        const pid_t pid = spawn(program, {});
        std::optional<Clock::time_point> mapped;
        std::optional<Clock::time_point> painted;
        xcb_window_t window = XCB_NONE;
        while (!painted) {
            const Event event = next_event(exec + kPatience);
            if (!event)
                fail(program + " showed no window in time");
            const uint8_t type = event->response_type & 0x7f;
            if (type == XCB_MAP_NOTIFY && !mapped) {
                mapped = Clock::now();
                window = reinterpret_cast<const xcb_map_notify_event_t*>(event.get())->window;
            } else if (type == damage_notify_ && mapped) {
                painted = Clock::now();
            }
        }
        end(pid);
        wait_for_destruction(window);
        return {Milliseconds(*mapped - exec).count(), Milliseconds(*painted - exec).count()};
    }

private:
    Event next_event(Clock::time_point deadline)
    {
        for (;;) {
            if (Event event{xcb_poll_for_event(connection_)})
                return event;
            if (xcb_connection_has_error(connection_))
                fail("lost the X server");
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0)
                return nullptr;
            pollfd readable{xcb_get_file_descriptor(connection_), POLLIN, 0};
            poll(&readable, 1, static_cast<int>(left.count()));
        }
    }

    // The next start must not see what this program's end draws.
    void wait_for_destruction(xcb_window_t window)
    {
        const Clock::time_point deadline = Clock::now() + kPatience;
        for (;;) {
            const Event event = next_event(deadline);
            if (!event)
                fail("a window outlived its program");
            if ((event->response_type & 0x7f) == XCB_DESTROY_NOTIFY
                && reinterpret_cast<const xcb_destroy_notify_event_t*>(event.get())->window == window)
                break;
        }
        settle();
    }

    // Takes every event the server has sent so far.
    void settle()
    {
        std::free(xcb_get_input_focus_reply(  // NOLINT(*-no-malloc): xcb's
            connection_, xcb_get_input_focus(connection_), nullptr));
        while (Event{xcb_poll_for_event(connection_)}) { }
    }

    xcb_connection_t* connection_;
    xcb_window_t root_ = XCB_NONE;
    uint8_t damage_notify_ = 0;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct Figures {
    std::vector<double> mapped;
    std::vector<double> painted;
    void add(const Timing& timing)
    {
        mapped.push_back(timing.mapped_ms);
        painted.push_back(timing.painted_ms);
    }
};

void print_row(const char* name, double mapped, double painted)
{
    std::printf("%-20s %7.1f ms %9.1f ms\n", name, mapped, painted);
}

}  // namespace

int main(int argc, char* argv[])
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : 21;
    if (runs < 1)
        fail("runs must be a positive number");
    const std::filesystem::path here = std::filesystem::canonical("/proc/self/exe").parent_path();
    const std::string bare = here / "bench_bare_window";
    const std::string game = std::filesystem::canonical(argc > 2 ? argv[2] : here / "../app/trivolo");

    // A desktop session's own folder, which Qt expects.
    std::string runtime_folder = (std::filesystem::temp_directory_path() / "bench_startup-XXXXXX").string();
    if (!mkdtemp(runtime_folder.data()))
        fail("cannot make a runtime folder");
    setenv("XDG_RUNTIME_DIR", runtime_folder.c_str(), 1);
    const pid_t server = start_x_server();
    Figures bare_figures;
    Figures game_figures;
    {
        Watcher watcher;
        watcher.start_up(bare);
        watcher.start_up(game);
        for (int run = 0; run < runs; ++run) {
            bare_figures.add(watcher.start_up(bare));
            game_figures.add(watcher.start_up(game));
        }
    }
    end(server);
    std::filesystem::remove_all(runtime_folder);

    const double bare_mapped = median(bare_figures.mapped);
    const double bare_painted = median(bare_figures.painted);
    const double game_mapped = median(game_figures.mapped);
    const double game_painted = median(game_figures.painted);
    std::printf("start-up from exec, median of %d alternating runs each (Xvfb, no window manager)\n", runs);
    std::printf("%-20s %10s %12s\n", "", "mapped", "first paint");
    print_row("bare Qt main window", bare_mapped, bare_painted);
    print_row(std::filesystem::path(game).filename().c_str(), game_mapped, game_painted);
    std::printf("%-20s %10.2f %12.2f\n", "ratio", game_mapped / bare_mapped, game_painted / bare_painted);
    return 0;
}
