#pragma once

// The X11 connection the toolkit holds, for the few calls it has no API
// for. Only built where xcb is available.
#include <xcb/xcb.h>

#include <initializer_list>
#include <vector>

namespace tintwatch::x11 {

// The toolkit's connection when it runs on X11, else null.
xcb_connection_t* Connection();
// The atoms of the names, in their order, in one round trip to the server.
std::vector<xcb_atom_t> Atoms(xcb_connection_t* connection, std::initializer_list<const char*> names);
xcb_window_t RootWindow(xcb_connection_t* connection);

}  // namespace tintwatch::x11
