#pragma once

#include <chrono>
#include <string>

namespace tintwatch::x11 {

enum class BusAnswer { Answers, Silent, None, Unchecked };

// Whether the D-Bus server at ADDRESS (a bus address as libdbus takes it:
// entries separated by ';', the first unix one counts) takes a client within
// the time: it connects and answers the opening of authentication. No
// address at all is None; an address of a kind not looked at (tcp, say) is
// Unchecked. Blocks at most for the time given.
BusAnswer AskBus(const std::string& address, std::chrono::milliseconds within);

// The session bus as libdbus finds it: DBUS_SESSION_BUS_ADDRESS, else the
// user's bus in XDG_RUNTIME_DIR; empty where it would have to start one.
std::string SessionBusAddress();

}  // namespace tintwatch::x11
