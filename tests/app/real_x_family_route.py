#!/usr/bin/python3
"""The whole route with a family file in a real X session under a window
manager: `kinloom FAMILY.ged`, the person picked by typing, Start, the
preview, Save through the save dialog, Done, and closing the preview ends the
program. The main window stands centred on the screen with its frame (title
bar included) once the window manager has framed it. xlrd then reads the saved workbook cell by cell. Starts its own
Xvfb (on a display it picks itself, -displayfd) and openbox, drives the
windows with xdotool; exits 77 (skipped), saying why, where one of them (or
xprop) is missing or will not start.

Usage: real_x_family_route.py KINLOOM FAMILY.ged CHECK_SCRIPTS_FOLDER
"""
import os
import shutil
import subprocess
import sys
import tempfile

from x_session import Session, require, wait_for


def frame_offset_from_centre(session, window):
    """How far the window's frame stands from the middle of the 1280x1024
    screen, (x, y) in pixels; None before the window manager has framed it."""
    extents = session.run("xprop", "-id", window, "_NET_FRAME_EXTENTS").partition("=")[2].split(",")
    if len(extents) != 4:
        return None
    left, right, top, bottom = (int(e) for e in extents)
    info = dict(line.strip().split(":", 1) for line in session.run("xwininfo", "-id", window).splitlines()
                if line.strip().startswith(("Absolute", "Width", "Height")))
    x, y = int(info["Absolute upper-left X"]) - left, int(info["Absolute upper-left Y"]) - top
    width, height = int(info["Width"]) + left + right, int(info["Height"]) + top + bottom
    return x - (1280 - width) // 2, y - (1024 - height) // 2


def main():
    kinloom, family, checks = sys.argv[1:4]
    require("Xvfb", "openbox", "xdotool", "xprop", "xwininfo")
    with tempfile.TemporaryDirectory() as work:
        session = Session(work)
        saved = os.path.join(work, "Ole Hansen.xls")
        try:
            session.start_display()
            ged = shutil.copy(family, os.path.join(work, "family.ged"))
            program = session.start([kinloom, ged])
            session.window("^Choose the Person – family.ged$")
            session.run("xdotool", "type", "--delay", "40", "hansen ole")
            session.run("xdotool", "key", "Return")
            main_window = session.window("^family.ged – Kinloom$")
            offset = []
            if not wait_for(lambda: offset.append(frame_offset_from_centre(session, main_window))
                            or offset[-1] == (0, 0), 5):
                session.fail(f"the main window's frame stands {offset[-1]} from the screen's middle")
            session.click(main_window, 260, 20)  # Start Creating Template
            preview = session.window("^Preview$")
            session.click(preview, 488, 603)  # Save Results To Excel File
            session.window("^Save File$")
            session.run("xdotool", "type", "--delay", "40", saved)
            session.run("xdotool", "key", "Return")
            session.window("^Kinloom$")  # Done.
            session.run("xdotool", "key", "Return")
            session.run("xdotool", "windowactivate", "--sync", preview, "key", "alt+F4")
            try:
                program.wait(15)
            except subprocess.TimeoutExpired:
                session.fail("closing the preview did not end Kinloom")
            if program.returncode != 0 or not os.path.isfile(saved):
                session.fail(f"status {program.returncode}, saved: {os.path.isfile(saved)}; "
                             f"{program.stdout.read().decode(errors='replace')}")
        finally:
            session.stop()

        labels = os.path.join(work, "labels.txt")
        with open(labels, "w", encoding="utf-8") as f:
            f.write("1\tOle Hansen (d. aft. 1870)\n2\tPeder Hansen (1770–1840)\n3\tBerit Ås (b. c. 1775)\n")
        for script, *arguments in (("check_chart_with_xlrd.py", saved, "2", "Ole Hansen", "--fitted"),
                                   ("check_box_texts_with_xlrd.py", saved, "2", labels)):
            if subprocess.run(["/usr/bin/python3", os.path.join(checks, script), *arguments]).returncode != 0:
                sys.exit(1)
        if os.listdir(os.path.join(work, "tmp")):
            print(f"FAIL: left in the temporary folder: {os.listdir(os.path.join(work, 'tmp'))}")
            sys.exit(1)
    print("OK: a family file opened, a person picked by typing, the chart previewed and saved in a real X session")


if __name__ == "__main__":
    main()
