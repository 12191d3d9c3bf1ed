/* A pointer of its own on a headless Wayland compositor, which has no input
 * device, for the end-to-end tests. It uses what the compositor offers:
 * wlroots' virtual pointer (sway) or KWin's fake input. Each argument is one
 * step: "move X Y" (layout pixels), "down", "up" (the left button), "rdown",
 * "rup" (the right one); without arguments, lines of steps from the input. The compositor's own pointer, not an X server's:
 * its moves and clicks go where the compositor sends them. */
#include <linux/input-event-codes.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <wayland-client.h>

// Made from the protocols at build time, in the build folder.
#include <wlr-virtual-pointer-unstable-v1-client-protocol.h>
#ifdef HAVE_FAKE_INPUT
#include <fake-input-client-protocol.h>
#endif

static struct zwlr_virtual_pointer_manager_v1* manager;
static struct wl_seat* seat;
#ifdef HAVE_FAKE_INPUT
static struct org_kde_kwin_fake_input* fake_input;
#endif

static void global(void* data, struct wl_registry* registry, uint32_t name, const char* interface, uint32_t version) {
  (void)data;
  if (strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0) {
    manager = wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1);
  } else if (strcmp(interface, wl_seat_interface.name) == 0 && !seat) {
    seat = wl_registry_bind(registry, name, &wl_seat_interface, 1);
  }
#ifdef HAVE_FAKE_INPUT
  /* Absolute moves came with version 3. */
  else if (strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0 && version >= 3) {
    fake_input = wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, 3);
  }
#else
  (void)version;
#endif
}
static void global_remove(void* data, struct wl_registry* registry, uint32_t name) {
  (void)data;
  (void)registry;
  (void)name;
}
static const struct wl_registry_listener listener = {global, global_remove};

static uint32_t now_ms(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return (uint32_t)(t.tv_sec * 1000 + t.tv_nsec / 1000000);
}

static struct zwlr_virtual_pointer_v1* pointer;

static void move_to(int x, int y) {
#ifdef HAVE_FAKE_INPUT
  if (fake_input) {
    org_kde_kwin_fake_input_pointer_motion_absolute(fake_input, wl_fixed_from_int(x), wl_fixed_from_int(y));
    return;
  }
#endif
  const unsigned width = getenv("WL_POINTER_WIDTH") ? (unsigned)atoi(getenv("WL_POINTER_WIDTH")) : 1024;
  const unsigned height = getenv("WL_POINTER_HEIGHT") ? (unsigned)atoi(getenv("WL_POINTER_HEIGHT")) : 768;
  zwlr_virtual_pointer_v1_motion_absolute(pointer, now_ms(), (uint32_t)x, (uint32_t)y, width, height);
  zwlr_virtual_pointer_v1_frame(pointer);
}

static void button(uint32_t code, int down) {
#ifdef HAVE_FAKE_INPUT
  if (fake_input) {
    org_kde_kwin_fake_input_button(fake_input, code, down ? WL_POINTER_BUTTON_STATE_PRESSED
                                                          : WL_POINTER_BUTTON_STATE_RELEASED);
    return;
  }
#endif
  zwlr_virtual_pointer_v1_button(pointer, now_ms(), code,
                                 down ? WL_POINTER_BUTTON_STATE_PRESSED : WL_POINTER_BUTTON_STATE_RELEASED);
  zwlr_virtual_pointer_v1_frame(pointer);
}

/* One step from the words given; the number of words it took, 0 if none. */
static int step(int count, char** words) {
  if (strcmp(words[0], "move") == 0 && count >= 3) {
    move_to(atoi(words[1]), atoi(words[2]));
    return 3;
  }
  if (strcmp(words[0], "down") == 0 || strcmp(words[0], "up") == 0 || strcmp(words[0], "rdown") == 0 ||
      strcmp(words[0], "rup") == 0) {
    button(words[0][0] == 'r' ? BTN_RIGHT : BTN_LEFT, strstr(words[0], "down") != NULL);
    return 1;
  }
  fprintf(stderr, "wl_pointer: unknown step %s\n", words[0]);
  return 0;
}

int main(int argc, char** argv) {
  struct wl_display* display = wl_display_connect(NULL);
  if (!display) {
    fprintf(stderr, "wl_pointer: no Wayland display\n");
    return 1;
  }
  struct wl_registry* registry = wl_display_get_registry(display);
  wl_registry_add_listener(registry, &listener, NULL);
  wl_display_roundtrip(display);
#ifdef HAVE_FAKE_INPUT
  if (fake_input) {
    org_kde_kwin_fake_input_authenticate(fake_input, "tintwatch tests", "to move and click the pointer");
  } else
#endif
  if (manager) {
    pointer = zwlr_virtual_pointer_manager_v1_create_virtual_pointer(manager, seat);
  } else {
    fprintf(stderr, "wl_pointer: the compositor offers no virtual pointer\n");
    return 1;
  }
  if (argc > 1) {
    for (int i = 1; i < argc; ++i) {
      const int used = step(argc - i, argv + i);
      if (used == 0) return 2;
      i += used - 1;
      wl_display_roundtrip(display);
    }
  } else {
    /* One pointer for a whole test: steps come a line at a time, and each
     * is answered with "done" once the compositor has had it (a press and
     * its release then come from the same device, as a mouse's do). */
    char line[256];
    while (fgets(line, sizeof line, stdin)) {
      char* words[8];
      int count = 0;
      for (char* word = strtok(line, " \t\n"); word && count < 8; word = strtok(NULL, " \t\n")) words[count++] = word;
      for (int i = 0; i < count;) {
        const int used = step(count - i, words + i);
        if (used == 0) break;
        i += used;
        wl_display_roundtrip(display);
      }
      printf("done\n");
      fflush(stdout);
    }
  }
  if (pointer) zwlr_virtual_pointer_v1_destroy(pointer);
  wl_display_roundtrip(display);
  wl_display_disconnect(display);
  return 0;
}
