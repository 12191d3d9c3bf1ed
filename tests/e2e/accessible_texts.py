"""Prints what a screen reader finds in one application on the accessibility
bus: "role|name|description" for each object, line breaks as \\n; with
--extents, "|x,y,width,height" on the screen after each.

  accessible_texts.py APPLICATION [--extents]
  accessible_texts.py --listen        asks the toolkit for focus events (a
                                      popup menu's items are seen only
                                      so), until stopped
  accessible_texts.py --objects       "role|name|x,y,width,height" of each
                                      object named "BUS PATH" on standard
                                      input that is still there"""
import sys
import time

import dbus

ACCESSIBLE = "org.a11y.atspi.Accessible"


def accessibility_bus():
    session = dbus.SessionBus()
    address = session.get_object("org.a11y.Bus", "/org/a11y/bus").GetAddress(dbus_interface="org.a11y.Bus")
    return dbus.bus.BusConnection(address)


def listen():
    bus = accessibility_bus()
    registry = bus.get_object("org.a11y.atspi.Registry", "/org/a11y/atspi/registry")
    registry.RegisterEvent("object:state-changed:focused", dbus.Array([], signature="s"), "",
                           dbus_interface="org.a11y.atspi.Registry")
    print("listening", flush=True)
    while True:  # the registration lasts as long as this connection
        time.sleep(1)


def objects(lines):
    bus = accessibility_bus()
    for line in lines:
        try:
            name, path = line.split()
            node = bus.get_object(name, path, introspect=False)
            role = str(node.GetRoleName(dbus_interface=ACCESSIBLE))
            text = str(node.Get(ACCESSIBLE, "Name", dbus_interface="org.freedesktop.DBus.Properties"))
            box = node.GetExtents(dbus.UInt32(0), dbus_interface="org.a11y.atspi.Component")
        except (ValueError, dbus.DBusException):
            continue  # gone meanwhile: a program that ended
        print(role + "|" + text + "|" + ",".join(str(int(v)) for v in box))
    return 0


def main(application, extents=False):
    bus = accessibility_bus()

    def texts(ref, depth):
        node = bus.get_object(*ref)
        get = lambda name: str(node.Get(ACCESSIBLE, name, dbus_interface="org.freedesktop.DBus.Properties"))
        role = str(node.GetRoleName(dbus_interface=ACCESSIBLE))
        line = "|".join(text.replace("\n", "\\n") for text in (role, get("Name"), get("Description")))
        if extents:
            try:
                box = node.GetExtents(dbus.UInt32(0), dbus_interface="org.a11y.atspi.Component")
                line += "|" + ",".join(str(int(v)) for v in box)
            except dbus.DBusException:
                line += "|"
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
    if sys.argv[1] == "--listen":
        listen()
    elif sys.argv[1] == "--objects":
        sys.exit(objects(sys.stdin))
    sys.exit(main(sys.argv[1], "--extents" in sys.argv[2:]))
