#pragma once

// The X11 connection the toolkit holds, for the few calls it has no API
// for. Only built where xcb is available.
#include <xcb/xcb.h>

namespace tintwatch::x11 {

// The toolkit's connection when it runs on X11, else null.
xcb_connection_t* Connection();
xcb_atom_t Atom(xcb_connection_t* connection, const char* name);
xcb_window_t RootWindow(xcb_connection_t* connection);

}  // namespace tintwatch::x11
