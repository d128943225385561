// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell benchmarks - starts a program and reports how long it took until
// its window was mapped on the X server and until the window had painted,
// and its peak memory once painted.
//
//   startup_probe TITLE_PREFIX PROGRAM [ARGUMENTS...]
//
// Prints "<microseconds to map> <microseconds to paint> <peak KiB>" and ends
// the program. The probe listens for the map on the root window instead of
// polling for it, so both programs it is used on are timed alike.
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <optional>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

extern char **environ;

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto Timeout = std::chrono::seconds(20);

template <class T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t atom(xcb_connection_t *c, const char *name)
{
    const Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

std::optional<std::string> property(xcb_connection_t *c, xcb_window_t window, xcb_atom_t name,
                                    xcb_atom_t type)
{
    const Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, name, type, 0, 1024), nullptr),
        &std::free);
    if (!reply || reply->type == XCB_ATOM_NONE) {
        return std::nullopt;
    }
    const auto *data = static_cast<const char *>(xcb_get_property_value(reply.get()));
    return std::string(data, static_cast<size_t>(xcb_get_property_value_length(reply.get())));
}

struct Atoms
{
    xcb_atom_t pid;
    xcb_atom_t name;
    xcb_atom_t utf8;
};

// The window belongs to the process and carries the title we wait for.
bool isTheWindow(xcb_connection_t *c, const Atoms &atoms, xcb_window_t window, pid_t pid,
                 const std::string &titlePrefix)
{
    const auto pidBytes = property(c, window, atoms.pid, XCB_ATOM_CARDINAL);
    if (!pidBytes || pidBytes->size() != sizeof(std::uint32_t)) {
        return false;
    }
    std::uint32_t windowPid = 0;
    std::memcpy(&windowPid, pidBytes->data(), sizeof windowPid);
    if (static_cast<pid_t>(windowPid) != pid) {
        return false;
    }
    auto title = property(c, window, atoms.name, atoms.utf8);
    if (!title) {
        title = property(c, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING);
    }
    return title && title->rfind(titlePrefix, 0) == 0;
}

long peakMemoryKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

// A mapped window shows the black of the empty screen behind it until the
// program paints: painted once a pixel a third of the way down is not black.
bool hasPainted(xcb_connection_t *c, xcb_window_t window)
{
    const Reply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr), &std::free);
    if (!geometry) {
        return false;
    }
    const auto x = static_cast<std::int16_t>(geometry->width / 2);
    const auto y = static_cast<std::int16_t>(geometry->height * 35 / 100);
    const Reply<xcb_get_image_reply_t> image(
        xcb_get_image_reply(c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, window, x, y, 1, 1, ~0U),
                            nullptr),
        &std::free);
    if (!image || xcb_get_image_data_length(image.get()) < 3) {
        return false;
    }
    const std::uint8_t *pixel = xcb_get_image_data(image.get());
    return (pixel[0] | pixel[1] | pixel[2]) != 0;
}

void endChild(pid_t pid)
{
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_probe TITLE_PREFIX PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    const std::string titlePrefix = argv[1];

    xcb_connection_t *const c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "startup_probe: cannot connect to the X server\n");
        xcb_disconnect(c);
        return 2;
    }
    const std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection(c,
                                                                                  &xcb_disconnect);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const Atoms atoms{atom(c, "_NET_WM_PID"), atom(c, "_NET_WM_NAME"), atom(c, "UTF8_STRING")};
    // Top-level windows are the root's children: their maps reach us here.
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    // A round trip: the server has taken the mask before the program starts.
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));

    const Clock::time_point start = Clock::now();
    pid_t pid = 0;
    if (const int error = posix_spawn(&pid, argv[2], nullptr, nullptr, argv + 2, environ)) {
        std::fprintf(stderr, "startup_probe: cannot start %s: %s\n", argv[2], std::strerror(error));
        return 2;
    }

    pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
    while (Clock::now() - start < Timeout) {
        while (xcb_generic_event_t *raw = xcb_poll_for_event(c)) {
            const Reply<xcb_generic_event_t> event(raw, &std::free);
            if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY) {
                continue;
            }
            const auto *map = reinterpret_cast<const xcb_map_notify_event_t *>(event.get());
            if (!isTheWindow(c, atoms, map->window, pid, titlePrefix)) {
                continue;
            }
            const auto mapped = Clock::now();
            while (!hasPainted(c, map->window)) {
                if (Clock::now() - start > Timeout || waitpid(pid, nullptr, WNOHANG) == pid) {
                    std::fprintf(stderr, "startup_probe: the window of %s never painted\n",
                                 argv[2]);
                    endChild(pid);
                    return 1;
                }
                usleep(500);
            }
            const auto painted = Clock::now();
            const long peak = peakMemoryKiB(pid);
            endChild(pid);
            using std::chrono::microseconds;
            std::printf("%lld %lld %ld\n",
                        static_cast<long long>(
                            std::chrono::duration_cast<microseconds>(mapped - start).count()),
                        static_cast<long long>(
                            std::chrono::duration_cast<microseconds>(painted - start).count()),
                        peak);
            return 0;
        }
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            std::fprintf(stderr, "startup_probe: %s ended before its window showed\n", argv[2]);
            return 1;
        }
        if (xcb_connection_has_error(c)) {
            std::fprintf(stderr, "startup_probe: lost the X server\n");
            endChild(pid);
            return 1;
        }
        poll(&fd, 1, 50);
    }
    std::fprintf(stderr, "startup_probe: no window titled '%s...' of %s\n", titlePrefix.c_str(),
                 argv[2]);
    endChild(pid);
    return 1;
}
