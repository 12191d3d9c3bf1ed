"""KWin's own picture of its screen, as a PNG file: kwin_screenshot.py FILE.

KWin writes the raw pixels into a pipe passed with the call and answers only
once it has written them all, so the pipe is read while the call waits. KWin
must run with KWIN_SCREENSHOT_NO_PERMISSION_CHECKS=1: its screenshot
interface otherwise answers only programs named in a desktop file of its own.
"""
import os
import subprocess
import sys
import threading

import dbus

out = sys.argv[1]
width, height = int(os.environ.get("SCREEN_WIDTH", "1024")), int(os.environ.get("SCREEN_HEIGHT", "768"))
read_end, write_end = os.pipe()
chunks = []


def drain():
    with os.fdopen(read_end, "rb") as pipe:
        while True:
            chunk = pipe.read(1 << 16)
            if not chunk:
                return
            chunks.append(chunk)


reader = threading.Thread(target=drain)
reader.start()
kwin = dbus.SessionBus().get_object("org.kde.KWin", "/org/kde/KWin/ScreenShot2")
try:
    result = kwin.CaptureArea(0, 0, dbus.UInt32(width), dbus.UInt32(height), dbus.Dictionary({"include-cursor": False}, signature="sv"),
                              dbus.types.UnixFd(write_end), dbus_interface="org.kde.KWin.ScreenShot2", timeout=20)
finally:
    os.close(write_end)
reader.join()
data = b"".join(chunks)
w, h, stride = int(result["width"]), int(result["height"]), int(result["stride"])
# QImage's 32-bit formats (RGB32, ARGB32, their premultiplied kinds) lie in
# memory as B, G, R, A on this machine.
if int(result["format"]) not in (4, 5, 6):
    sys.exit(f"kwin_screenshot: pixel format {int(result['format'])} not known")
rows = b"".join(data[y * stride:y * stride + w * 4] for y in range(h))
subprocess.run(["convert", "-size", f"{w}x{h}", "-depth", "8", "bgra:-", "-alpha", "off", f"png:{out}"],
               input=rows, check=True)
