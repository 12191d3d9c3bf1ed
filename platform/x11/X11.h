#pragma once

// The X11 connection the toolkit holds, for the few calls it has no API
// for. Only built where xcb is available.
#include <xcb/xcb.h>

#include <initializer_list>
#include <optional>
#include <vector>

class QWidget;

namespace tintwatch::x11 {

// The toolkit's connection when it runs on X11, else null.
xcb_connection_t* Connection();
// The atoms of the names, in their order, in one round trip to the server.
std::vector<xcb_atom_t> Atoms(xcb_connection_t* connection, std::initializer_list<const char*> names);
xcb_window_t RootWindow(xcb_connection_t* connection);
// The X window now behind the widget, made if need be: changing a window flag
// can replace it, and the widget's own id may lag behind.
xcb_window_t NativeWindow(QWidget* window);
// Whether the first button is down, as the server has it; empty without a
// connection or an answer.
std::optional<bool> LeftButtonHeld();

}  // namespace tintwatch::x11
