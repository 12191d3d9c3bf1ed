// Starts a program and reports, in milliseconds, how long after the exec the
// first window was mapped on the screen: an X client listening on the root
// for MapNotify, so nothing polls. Then prints the program's PID and the
// mapped window (the window manager's frame, where there is one) and leaves
// the program running.
//   map_watch PROGRAM [ARGS...]        prints "MS PID WINDOW"
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s PROGRAM [ARGS...]\n", argv[0]);
    return 2;
  }
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(connection)) {
    std::fprintf(stderr, "no X server\n");
    return 1;
  }
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
  // A round trip, so that the server has the mask before the program runs.
  free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));

  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    execvp(argv[1], argv + 1);
    _exit(127);
  }
  while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
    const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
    const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY && !map->override_redirect;
    const xcb_window_t window = map->window;
    free(event);
    if (mapped) {
      const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
      std::printf("%.2f %d %u\n", ms, static_cast<int>(pid), static_cast<unsigned>(window));
      return 0;
    }
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) == pid) {
      std::fprintf(stderr, "%s ended before it mapped a window\n", argv[1]);
      return 1;
    }
  }
  return 1;
}
