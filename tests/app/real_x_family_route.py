#!/usr/bin/python3
"""The whole route with a family file in a real X session under a window
manager: kinloom opens the file named on its command line, the person is
picked by typing in the picker, Start, the preview, Save through the save
dialog, Done, and closing the preview ends the program; xlrd then reads the
saved workbook cell by cell.

Starts its own Xvfb (on a display it picks itself, -displayfd) and openbox,
and drives the windows with xdotool (xprop tells when openbox is up). Exits 77 (skipped), saying why, where
one of them is missing or Xvfb cannot start.

Usage: real_x_family_route.py KINLOOM FAMILY.ged CHECK_SCRIPTS_FOLDER
"""
import os
import select
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77


def skip(reason):
    print(f"SKIPPED: {reason}")
    sys.exit(SKIP)


class Session:
    def __init__(self, work):
        self.work = work
        self.processes = []
        self.env = None
        self.display_pipe = None

    def start_display(self):
        read_end, write_end = os.pipe()
        xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
                                 "-nolisten", "tcp"], pass_fds=(write_end,),
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        self.processes.append(xvfb)
        # The number comes as a line, perhaps in pieces; the pipe stays open
        # while Xvfb runs, which fails when it cannot write all of it.
        number, deadline = b"", time.monotonic() + 20
        while not number.endswith(b"\n") and time.monotonic() < deadline:
            ready, _, _ = select.select([read_end], [], [], 1)
            if ready:
                piece = os.read(read_end, 32)
                if not piece:
                    break
                number += piece
        self.display_pipe = read_end
        if not number.strip().isdigit():
            skip("Xvfb did not start")
        number = number.decode().strip()
        # The web-site visit Kinloom makes now and then opens nothing here.
        bin_dir = os.path.join(self.work, "bin")
        os.makedirs(bin_dir)
        with open(os.path.join(bin_dir, "xdg-open"), "w") as opener:
            opener.write("#!/bin/sh\nexit 0\n")
        os.chmod(os.path.join(bin_dir, "xdg-open"), 0o755)
        runtime = os.path.join(self.work, "runtime")
        os.makedirs(runtime, mode=0o700)
        os.makedirs(os.path.join(self.work, "tmp"))
        self.env = dict(os.environ, DISPLAY=f":{number}", QT_QPA_PLATFORM="xcb",
                        XDG_CONFIG_HOME=os.path.join(self.work, "config"), XDG_RUNTIME_DIR=runtime,
                        TEMP=os.path.join(self.work, "tmp"), PATH=bin_dir + os.pathsep + os.environ["PATH"])
        self.processes.append(subprocess.Popen(["openbox"], env=self.env, stdout=subprocess.DEVNULL,
                                               stderr=subprocess.DEVNULL))
        # The window manager is there once it names its check window on the root.
        deadline = time.monotonic() + 20
        while "window id" not in subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=self.env,
                                                capture_output=True, text=True).stdout:
            if time.monotonic() > deadline:
                skip("openbox did not start")
            time.sleep(0.1)

    def start(self, command):
        process = subprocess.Popen(command, env=self.env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        self.processes.append(process)
        return process

    def xdotool(self, *arguments):
        return subprocess.run(["xdotool", *arguments], env=self.env, capture_output=True, text=True,
                              timeout=30).stdout.strip()

    def window(self, name, timeout=30):
        """The id of the first window whose name matches, once it shows."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            found = self.xdotool("search", "--onlyvisible", "--name", name).split()
            if found:
                return found[0]
            time.sleep(0.1)
        self.fail(f"no window named {name!r} showed")

    def click(self, window, x, y):
        self.xdotool("mousemove", "--window", window, str(x), str(y))
        time.sleep(0.2)
        self.xdotool("mousedown", "1")
        time.sleep(0.05)
        self.xdotool("mouseup", "1")

    def type_keys(self, text, *keys):
        self.xdotool("type", "--delay", "40", text)
        if keys:
            time.sleep(0.3)
            self.xdotool("key", *keys)

    def fail(self, message):
        names = self.xdotool("search", "--onlyvisible", "--name", "", "getwindowname", "%@")
        print(f"FAIL: {message}\nwindows shown: {names.splitlines()}")
        self.stop()
        sys.exit(1)

    def stop(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(10)
                except subprocess.TimeoutExpired:
                    process.kill()
        self.processes = []
        if self.display_pipe is not None:
            os.close(self.display_pipe)
            self.display_pipe = None


def main():
    kinloom, family, checks = sys.argv[1], sys.argv[2], sys.argv[3]
    for tool in ("Xvfb", "openbox", "xdotool", "xprop"):
        if shutil.which(tool) is None:
            skip(f"{tool} is not installed (scripts/install-deps.sh test installs it)")
    with tempfile.TemporaryDirectory() as work:
        session = Session(work)
        try:
            session.start_display()
            ged = os.path.join(work, "family.ged")
            shutil.copy(family, ged)
            saved = os.path.join(work, "Ole Hansen.xls")
            program = session.start([kinloom, ged])

            session.window("^Choose the Person – family.ged$")
            session.type_keys("hansen ole", "Return")
            main_window = session.window("^family.ged – Kinloom$")
            session.click(main_window, 260, 20)  # Start Creating Template

            preview = session.window("^Preview$")
            time.sleep(0.5)
            session.click(preview, 488, 603)  # Save Results To Excel File
            session.window("^Save File$")
            time.sleep(0.5)
            session.type_keys(saved, "Return")
            session.window("^Kinloom$")  # Done.
            time.sleep(0.3)
            session.xdotool("key", "Return")
            time.sleep(0.3)
            session.xdotool("windowactivate", "--sync", preview)
            session.xdotool("key", "--window", preview, "alt+F4")
            try:
                program.wait(15)
            except subprocess.TimeoutExpired:
                session.fail("closing the preview did not end Kinloom")
            output = program.stdout.read().decode(errors="replace")
            if program.returncode != 0:
                session.fail(f"Kinloom ended with status {program.returncode}: {output}")
            if not os.path.isfile(saved):
                session.fail("no workbook was saved")
        finally:
            session.stop()

        labels = os.path.join(work, "labels.txt")
        with open(labels, "w", encoding="utf-8") as f:
            f.write("1\tOle Hansen (d. aft. 1870)\n2\tPeder Hansen (1770–1840)\n3\tBerit Ås (b. c. 1775)\n")
        for command in (["check_chart_with_xlrd.py", saved, "2", "Ole Hansen", "--fitted"],
                        ["check_box_texts_with_xlrd.py", saved, "2", labels]):
            result = subprocess.run(["/usr/bin/python3", os.path.join(checks, command[0]), *command[1:]],
                                    capture_output=True, text=True)
            print(result.stdout.strip())
            if result.returncode != 0:
                print(result.stderr)
                sys.exit(1)
        leftovers = os.listdir(os.path.join(work, "tmp"))
        if leftovers:
            print(f"FAIL: left in the temporary folder: {leftovers}")
            sys.exit(1)
    print("OK: a family file opened, a person picked by typing, the chart previewed and saved in a real X session")


if __name__ == "__main__":
    main()
