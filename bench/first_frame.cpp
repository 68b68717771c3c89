// first_frame: starts a program and tells, from outside, when its window was
// first painted.
//
//   first_frame TITLE X,Y,W,H LOG PROGRAM [ARGUMENT...]
//
// Starts PROGRAM with its output going to LOG and watches the X server for a
// viewable top-level window named TITLE; then reads the window's pixels in
// the rectangle X,Y,W,H until at least 20 of them are light red (#ff0000,
// the axes of both the main window's graph and the bare window's picture).
// Prints the program's process id, the milliseconds from just before the
// start until the window was viewable, and until it was painted, and the
// milliseconds of processor time all its threads had used when it was seen
// painted; the program is left running. Reading a small band, 2 ms apart, keeps the X server free
// for the program being timed.
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

namespace {

using Clock = std::chrono::steady_clock;

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T> Reply<T> owned(T* reply)
{
    return Reply<T>(reply, &std::free);
}

[[noreturn]] void fail(const std::string& message)
{
    std::fprintf(stderr, "first_frame: %s\n", message.c_str());
    std::exit(1);
}

xcb_atom_t atom(xcb_connection_t* x, const char* name)
{
    const auto reply = owned(xcb_intern_atom_reply(
        x, xcb_intern_atom(x, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The viewable top-level window named `title`, or 0.
xcb_window_t viewableWindow(xcb_connection_t* x, xcb_window_t root, xcb_atom_t netWmName,
    xcb_atom_t utf8, const std::string& title)
{
    const auto tree = owned(xcb_query_tree_reply(x, xcb_query_tree(x, root), nullptr));
    if (!tree)
        return 0;
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    const int count = xcb_query_tree_children_length(tree.get());
    // Every request first, then every reply: one round trip for all windows.
    std::vector<xcb_get_property_cookie_t> names;
    std::vector<xcb_get_window_attributes_cookie_t> states;
    for (int i = 0; i < count; ++i) {
        names.push_back(xcb_get_property(x, 0, children[i], netWmName, utf8, 0, 64));
        states.push_back(xcb_get_window_attributes(x, children[i]));
    }
    xcb_window_t found = 0;
    for (int i = 0; i < count; ++i) {
        const auto name = owned(xcb_get_property_reply(x, names[i], nullptr));
        const auto state = owned(xcb_get_window_attributes_reply(x, states[i], nullptr));
        if (!found && name && state && state->map_state == XCB_MAP_STATE_VIEWABLE
            && std::string(static_cast<const char*>(xcb_get_property_value(name.get())),
                   xcb_get_property_value_length(name.get()))
                == title)
            found = children[i];
    }
    return found;
}

// Light red pixels in the rectangle of the window (24-bit colour, 32 bits a
// pixel, as Xvfb's screen has).
int redPixels(xcb_connection_t* x, xcb_window_t window, int left, int top, int width, int height)
{
    const auto image = owned(xcb_get_image_reply(x,
        xcb_get_image(x, XCB_IMAGE_FORMAT_Z_PIXMAP, window, static_cast<int16_t>(left),
            static_cast<int16_t>(top), static_cast<uint16_t>(width), static_cast<uint16_t>(height),
            ~0u),
        nullptr));
    if (!image || image->depth != 24
        || xcb_get_image_data_length(image.get()) != width * height * 4)
        return 0;
    const uint8_t* data = xcb_get_image_data(image.get());
    int red = 0;
    for (int i = 0; i < width * height; ++i) {
        uint32_t pixel = 0;
        std::memcpy(&pixel, data + 4 * i, 4);
        red += (pixel & 0xffffff) == 0xff0000;
    }
    return red;
}

// The processor time all threads of `process` have used, in milliseconds:
// the first field of each thread's schedstat, in nanoseconds.
double processorTime(pid_t process)
{
    const std::string tasks = "/proc/" + std::to_string(process) + "/task";
    const auto closeDir = [](DIR* d) { closedir(d); };
    const std::unique_ptr<DIR, decltype(closeDir)> dir(opendir(tasks.c_str()), closeDir);
    if (!dir)
        return 0;
    double nanoseconds = 0;
    while (const dirent* entry = readdir(dir.get())) {
        if (entry->d_name[0] == '.')
            continue;
        const std::unique_ptr<FILE, decltype(&std::fclose)> stat(
            std::fopen((tasks + "/" + entry->d_name + "/schedstat").c_str(), "r"), &std::fclose);
        unsigned long long onCpu = 0;
        if (stat && std::fscanf(stat.get(), "%llu", &onCpu) == 1)
            nanoseconds += static_cast<double>(onCpu);
    }
    return nanoseconds / 1e6;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 5)
        fail("usage: first_frame TITLE X,Y,W,H LOG PROGRAM [ARGUMENT...]");
    const std::string title = argv[1];
    int left = 0, top = 0, width = 0, height = 0;
    if (std::sscanf(argv[2], "%d,%d,%d,%d", &left, &top, &width, &height) != 4 || width < 1
        || height < 1)
        fail("not a rectangle: " + std::string(argv[2]));

    // A busy server can turn a connection away; it is asked again for a second.
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    for (int tries = 1; xcb_connection_has_error(x) && tries < 100; ++tries) {
        xcb_disconnect(x);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        x = xcb_connect(nullptr, nullptr);
    }
    if (xcb_connection_has_error(x))
        fail("no X server");
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const xcb_atom_t netWmName = atom(x, "_NET_WM_NAME");
    const xcb_atom_t utf8 = atom(x, "UTF8_STRING");

    const Clock::time_point start = Clock::now();
    const pid_t program = fork();
    if (program < 0)
        fail("cannot start a process");
    if (program == 0) {
        const int log = open(argv[3], O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (log >= 0) {
            dup2(log, STDOUT_FILENO);
            dup2(log, STDERR_FILENO);
        }
        execvp(argv[4], argv + 4);
        _exit(127);
    }
    const auto since = [&start] {
        return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    };

    xcb_window_t window = 0;
    double viewable = 0;
    while (since() < 20000) {
        int status = 0;
        if (waitpid(program, &status, WNOHANG) == program)
            fail("the program ended before its first frame (see " + std::string(argv[3]) + ")");
        if (!window) {
            window = viewableWindow(x, root, netWmName, utf8, title);
            if (window)
                viewable = since();
        }
        if (window && redPixels(x, window, left, top, width, height) >= 20) {
            const double painted = since();
            std::printf("%d %.1f %.1f %.1f\n", static_cast<int>(program), viewable, painted,
                processorTime(program));
            xcb_disconnect(x);
            return 0;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(window ? 2 : 1));
    }
    kill(program, SIGTERM);
    fail(window ? "the window was never painted" : "no window named " + title);
}
