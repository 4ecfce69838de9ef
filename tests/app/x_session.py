"""A real X session for the window tests: an X server of its own (Xvfb on a
display it picks itself, -displayfd) with the window manager openbox, the
programs started in it, and xdotool to drive them. skip() exits 77, which
ctest counts as skipped."""
import os
import select
import shutil
import subprocess
import sys
import time


def skip(reason):
    print(f"SKIPPED: {reason}")
    sys.exit(77)


def require(*tools):
    for tool in tools:
        if shutil.which(tool) is None:
            skip(f"{tool} is not installed (scripts/install-deps.sh test installs it)")


def wait_for(condition, seconds=30):
    deadline = time.monotonic() + seconds
    while not condition():
        if time.monotonic() > deadline:
            return False
        time.sleep(0.1)
    return True


class Session:
    def __init__(self, work):
        self.work, self.processes, self.pipe = work, [], None

    def start_display(self):
        self.pipe, write_end = os.pipe()
        self.processes.append(subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
                                                "-nolisten", "tcp"], pass_fds=(write_end,),
                                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        os.close(write_end)
        # The number comes as a line; the pipe stays open while Xvfb runs.
        number = b""
        while not number.endswith(b"\n") and select.select([self.pipe], [], [], 20)[0]:
            piece = os.read(self.pipe, 32)
            if not piece:
                break
            number += piece
        if not number.strip().isdigit():
            skip("Xvfb did not start")
        # Kinloom's occasional visit to its web site opens nothing here.
        for folder in ("bin", "runtime", "tmp"):
            os.makedirs(os.path.join(self.work, folder), mode=0o700)
        opener = os.path.join(self.work, "bin", "xdg-open")
        with open(opener, "w") as f:
            f.write("#!/bin/sh\nexit 0\n")
        os.chmod(opener, 0o755)
        w = self.work
        self.env = dict(os.environ, DISPLAY=f":{number.decode().strip()}", QT_QPA_PLATFORM="xcb",
                        XDG_CONFIG_HOME=f"{w}/config", XDG_RUNTIME_DIR=f"{w}/runtime", TEMP=f"{w}/tmp",
                        PATH=f"{w}/bin{os.pathsep}{os.environ['PATH']}")
        self.start(["openbox"])
        if not wait_for(lambda: "window id" in self.run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK"), 20):
            skip("openbox did not start")

    def start(self, command, **options):
        self.processes.append(subprocess.Popen(command, env=self.env, stdout=subprocess.PIPE,
                                               stderr=subprocess.STDOUT, **options))
        return self.processes[-1]

    def run(self, *command):
        return subprocess.run(command, env=self.env, capture_output=True, text=True, timeout=30).stdout.strip()

    def window(self, name):
        """The first window showing with a name that matches, once it shows."""
        found = []
        if not wait_for(lambda: found.extend(self.run("xdotool", "search", "--onlyvisible", "--name", name).split())
                        or found):
            self.fail(f"no window named {name!r} showed")
        time.sleep(0.5)  # drawn and given the focus
        return found[0]

    def click(self, window, x, y, button=1):
        self.run("xdotool", "mousemove", "--window", window, str(x), str(y))
        time.sleep(0.2)
        self.run("xdotool", "mousedown", str(button))
        self.run("xdotool", "mouseup", str(button))

    def fail(self, message):
        shown = self.run("xdotool", "search", "--onlyvisible", "--name", "", "getwindowname", "%@").splitlines()
        print(f"FAIL: {message}\nwindows shown: {shown}")
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
        if self.pipe is not None:
            os.close(self.pipe)
            self.pipe = None
