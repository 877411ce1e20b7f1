// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts a program, waits until the X server maps its first top-level window, prints the time
// from the exec to that moment and the window's size ("123.4 664x109", in milliseconds), then
// ends the program. The X server must run without a window manager, as Xvfb does, so that
// top-level windows are children of the root window.
// Usage: timetomap PROGRAM [ARGUMENT...]
#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

extern char **environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto giveUpAfter = std::chrono::seconds(30);

struct FreeDeleter {
    void operator()(void *pointer) const { std::free(pointer); }
};
template <typename T> using XcbReply = std::unique_ptr<T, FreeDeleter>;

void endProgram(pid_t pid)
{
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fputs("usage: timetomap PROGRAM [ARGUMENT...]\n", stderr);
        return 2;
    }

    int screenNumber = 0;
    xcb_connection_t *connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        std::fputs("timetomap: cannot connect to the X server\n", stderr);
        return 1;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    const xcb_window_t root = screens.data->root;

    // Checked, so that the server reports maps before the program starts.
    const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    if (XcbReply<xcb_generic_error_t> error { xcb_request_check(connection,
            xcb_change_window_attributes_checked(connection, root, XCB_CW_EVENT_MASK, &events)) }) {
        std::fputs("timetomap: cannot watch the root window\n", stderr);
        return 1;
    }

    const Clock::time_point start = Clock::now();
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[1], nullptr, nullptr, argv + 1, environ) != 0) {
        std::perror(argv[1]);
        return 1;
    }

    pollfd server = { xcb_get_file_descriptor(connection), POLLIN, 0 };
    while (!xcb_connection_has_error(connection)) {
        while (XcbReply<xcb_generic_event_t> event { xcb_poll_for_event(connection) }) {
            if ((event->response_type & ~0x80) != XCB_MAP_NOTIFY)
                continue;
            const auto *map = reinterpret_cast<const xcb_map_notify_event_t *>(event.get());
            if (map->override_redirect)
                continue;
            const std::chrono::duration<double, std::milli> elapsed = Clock::now() - start;
            const XcbReply<xcb_get_geometry_reply_t> geometry { xcb_get_geometry_reply(
                connection, xcb_get_geometry(connection, map->window), nullptr) };
            std::printf("%.1f %dx%d\n", elapsed.count(), geometry ? geometry->width : 0,
                geometry ? geometry->height : 0);
            endProgram(pid);
            return 0;
        }
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            std::fprintf(stderr, "timetomap: %s ended without mapping a window\n", argv[1]);
            return 1;
        }
        if (Clock::now() - start > giveUpAfter) {
            std::fprintf(stderr, "timetomap: %s mapped no window in time\n", argv[1]);
            endProgram(pid);
            return 1;
        }
        poll(&server, 1, 100);
    }
    std::fputs("timetomap: lost the X server\n", stderr);
    endProgram(pid);
    return 1;
}
