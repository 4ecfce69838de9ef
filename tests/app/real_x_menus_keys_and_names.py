#!/usr/bin/python3
"""The windows as a keyboard user and a screen reader meet them, in a real X
session under a window manager with the accessibility bus running:

- the main window's menu opens on a right-click over every button, frame,
  text box and the window itself, on Shift+F10 and the Menu key, and
  Ctrl+N toggles the ancestor numbers (each seen in the stored setting);
- every control of the main window, the person picker and the preview is
  listed over AT-SPI with its role and name, and none is unnamed; both
  windows are frames;
- a filled chart opens on its root's box, Tab gives the picture the focus,
  and End, Home and the arrows scroll it.

Starts its own Xvfb, openbox, session bus and accessibility bus; exits 77
(skipped), saying why, where one of them or Python's AT-SPI binding is missing.

Usage: real_x_menus_keys_and_names.py KINLOOM FAMILY.ged
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

from x_session import Session, require, skip, wait_for

# Where on the main window (client pixels) each control is clicked.
CONTROLS = {"PushButton1": (260, 20), "PushButton6": (130, 55), "PushButton7": (400, 55), "Frame1": (300, 126),
            "Text1": (300, 106), "Frame2": (300, 188), "Text2": (300, 168), "window": (4, 38)}
# Containers hold controls and need no name; what a table holds is its data.
CONTAINERS = ("panel", "filler")


def accessibility():
    try:
        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi  # noqa: F401
    except (ImportError, ValueError):
        skip("Python's AT-SPI binding is not installed (gir1.2-atspi-2.0, python3-gi)")
    for folder in ("/usr/libexec", "/usr/lib/at-spi2-core"):
        launcher = os.path.join(folder, "at-spi-bus-launcher")
        if os.access(launcher, os.X_OK):
            return launcher
    skip("at-spi-bus-launcher is not installed (at-spi2-core)")


class Windows:
    def __init__(self, session, settings):
        self.session, self.settings = session, settings
        from gi.repository import Atspi
        self.Atspi = Atspi

    def start_buses(self, launcher):
        bus = self.session.start(["dbus-daemon", "--session", "--nofork", "--print-address=1"])
        address = bus.stdout.readline().decode().strip()
        if not address:
            skip("the session bus did not start")
        self.session.env["DBUS_SESSION_BUS_ADDRESS"] = address
        os.environ.update(DBUS_SESSION_BUS_ADDRESS=address, DISPLAY=self.session.env["DISPLAY"])
        self.session.start([launcher, "--launch-immediately"])
        self.session.env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"

    def application(self):
        found = []

        def look():
            desktop = self.Atspi.get_desktop(0)
            found.extend(a for a in (desktop.get_child_at_index(i) for i in range(desktop.get_child_count()))
                         if a is not None and a.get_name() == "kinloom")
            return found
        if not wait_for(look, 20):
            self.session.fail("Kinloom did not show on the accessibility bus")
        return found[0]

    def window(self, name):
        app = self.application()
        for i in range(app.get_child_count()):
            window = app.get_child_at_index(i)
            if window.get_name() == name and window.get_state_set().contains(self.Atspi.StateType.SHOWING):
                return window
        self.session.fail(f"no window {name!r} over AT-SPI")

    def listing(self, window):
        """Role and name of every control, and which lack a name."""
        lines, unnamed = [], []

        def walk(node, depth):
            role, name = node.get_role_name(), node.get_name()
            lines.append(f"{'  ' * depth}{role}: {name!r}")
            if not name and not (role in CONTAINERS and node.get_child_count() > 0):
                unnamed.append(f"{role} under {node.get_parent().get_name()!r}")
            if role == "table":
                return
            for i in range(node.get_child_count()):
                walk(node.get_child_at_index(i), depth + 1)
        walk(window, 0)
        print("\n".join(lines))
        return {line.strip() for line in lines}, unnamed

    def offset(self, node, within):
        """Where a node stands within another, in pixels."""
        at, origin = (n.get_extents(self.Atspi.CoordType.WINDOW) for n in (node, within))
        return at.x - origin.x, at.y - origin.y

    @staticmethod
    def find(node, role, name):
        if node.get_role_name() == role and node.get_name() == name:
            return node
        for i in range(node.get_child_count()):
            if found := Windows.find(node.get_child_at_index(i), role, name):
                return found
        return None

    def numbers(self):
        try:
            with open(self.settings) as f:
                return "AncestorNumbers=1" in f.read()
        except FileNotFoundError:
            return False

    def toggles_numbers(self, how, act):
        before = self.numbers()
        act()
        if not wait_for(lambda: self.numbers() != before, 5):
            self.session.fail(f"{how}: the menu did not open, or its numbers item did not toggle")


def check_names(windows, window, role, expected):
    names, unnamed = windows.listing(window)
    if window.get_role_name() != role:
        windows.session.fail(f"{window.get_name()!r} is a {window.get_role_name()}, not a {role}")
    if unnamed:
        windows.session.fail(f"unnamed in {window.get_name()!r}: {unnamed}")
    if missing := [e for e in expected if e not in names]:
        windows.session.fail(f"not found in {window.get_name()!r}: {missing}")


def main():
    kinloom, family = sys.argv[1:3]
    require("Xvfb", "openbox", "xdotool", "xprop", "dbus-daemon")
    launcher = accessibility()
    with tempfile.TemporaryDirectory() as work:
        session = Session(work)
        try:
            session.start_display()
            windows = Windows(session, os.path.join(work, "config", "Brenvik.ini"))
            windows.start_buses(launcher)
            program = session.start([kinloom, shutil.copy(family, os.path.join(work, "family.ged"))])
            session.window("^Choose the Person – family.ged$")
            session.run("xdotool", "type", "--delay", "40", "hansen ole")  # the filter's clear button shows
            check_names(windows, windows.window("Choose the Person – family.ged"), "dialog",
                        ["table: 'People'", "push button: 'OK'"])
            session.run("xdotool", "key", "Return")
            main_window = session.window("^family.ged – Kinloom$")

            for control, (x, y) in CONTROLS.items():
                windows.toggles_numbers(f"right-click on {control}", lambda: (
                    session.click(main_window, x, y, button=3), time.sleep(0.5),
                    session.run("xdotool", "key", "Up", "Return")))
            # The Menu key in a text box, Shift+F10 on a button, and the numbers' own key.
            session.click(main_window, *CONTROLS["Text2"])
            for how, keys in (("Menu", ["Menu"]), ("Shift+F10", ["Tab", "shift+F10"])):
                windows.toggles_numbers(how, lambda: (session.run("xdotool", "key", *keys), time.sleep(0.5),
                                                      session.run("xdotool", "key", "Up", "Return")))
            windows.toggles_numbers("Ctrl+N", lambda: session.run("xdotool", "key", "ctrl+n"))
            check_names(windows, windows.window("family.ged – Kinloom"), "frame",
                        ["push button: 'Start Creating Template'", "text: 'Family Tree For'"])

            # A chart of nine generations, of which the file knows two.
            session.click(main_window, *CONTROLS["Text2"])
            session.run("xdotool", "key", "ctrl+a")
            session.run("xdotool", "type", "9")
            session.click(main_window, *CONTROLS["PushButton1"])
            preview = session.window("^Preview$")
            window = windows.window("Preview")
            check_names(windows, window, "frame", ["filler: 'Chart'", "scroll bar: 'Scroll the chart up and down'",
                                                   "scroll bar: 'Scroll the chart sideways'"])
            chart, canvas = windows.find(window, "filler", "Chart"), windows.find(window, "filler", "Chart picture")
            opened = windows.offset(canvas, chart)
            if opened[1] >= 0:
                session.fail(f"the filled chart opened at its top, not on its root's box: canvas at {opened}")
            focused = windows.Atspi.StateType.FOCUSED
            for _ in range(8):
                if chart.get_state_set().contains(focused):
                    break
                session.run("xdotool", "key", "Tab")
            else:
                session.fail("Tab never gave the picture the focus")
            for key, moved in (("End", lambda at: at[1] < opened[1]), ("ctrl+Home", lambda at: at == (0, 0)),
                               ("Down", lambda at: at[1] < 0), ("Right", lambda at: at[0] < 0)):
                session.run("xdotool", "key", key)
                if not wait_for(lambda: moved(windows.offset(canvas, chart)), 5):
                    session.fail(f"{key} on the picture left the canvas at {windows.offset(canvas, chart)}")
            session.run("xdotool", "windowactivate", "--sync", preview, "key", "alt+F4")
            try:
                program.wait(15)
            except subprocess.TimeoutExpired:
                session.fail("closing the preview did not end Kinloom")
        finally:
            session.stop()
    print("OK: menus by mouse and keyboard, every control named, keyboard scrolling, in a real X session")


if __name__ == "__main__":
    main()
