"""Prints what a screen reader finds in one application on the accessibility
bus: "role|name|description" for each object, line breaks as \\n."""
import sys

import dbus

ACCESSIBLE = "org.a11y.atspi.Accessible"


def main(application):
    session = dbus.SessionBus()
    address = session.get_object("org.a11y.Bus", "/org/a11y/bus").GetAddress(dbus_interface="org.a11y.Bus")
    bus = dbus.bus.BusConnection(address)

    def texts(ref, depth):
        node = bus.get_object(*ref)
        get = lambda name: str(node.Get(ACCESSIBLE, name, dbus_interface="org.freedesktop.DBus.Properties"))
        role = str(node.GetRoleName(dbus_interface=ACCESSIBLE))
        line = "|".join(text.replace("\n", "\\n") for text in (role, get("Name"), get("Description")))
        found = [line]
        if depth < 6:
            for child in node.GetChildren(dbus_interface=ACCESSIBLE):
                try:
                    found += texts((str(child[0]), str(child[1])), depth + 1)
                except dbus.DBusException:
                    pass  # gone meanwhile: a tip that closed
        return found

    registry = bus.get_object("org.a11y.atspi.Registry", "/org/a11y/atspi/accessible/root")
    for app in registry.GetChildren(dbus_interface=ACCESSIBLE):
        try:
            lines = texts((str(app[0]), str(app[1])), 0)
        except dbus.DBusException:
            continue
        if lines[0].split("|")[1] == application:
            print("\n".join(lines[1:]))
            return 0
    return 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
