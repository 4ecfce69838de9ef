#!/usr/bin/python3
"""The chart's picture taken through the clipboard while another program owns
it: one that answers, one that offers formats and never hands them over, one
that answers nothing. Each run starts its own X server (Xvfb -displayfd) and
the owner (clipboard-owner), then times the snapshot with the earlier content
kept and put back (target: at most 1 s in all), against the peer measured in
the same run: the earlier content kept through Qt's clipboard, as the snapshot
once kept it (five seconds for each format an owner does not hand over).

Usage: clipboard_bench.py BUILD_DIR [RUNS]
"""
import os
import shutil
import statistics
import subprocess
import sys


def xvfb():
    read, write = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-nolisten", "tcp", "-screen", "0", "800x600x24"],
                              pass_fds=[write], stderr=subprocess.DEVNULL)
    os.close(write)
    with os.fdopen(read) as number:
        return server, ":" + number.readline().strip()


def timed(command, owner, env):
    server, display = xvfb()
    env = dict(env, DISPLAY=display, QT_QPA_PLATFORM="xcb")
    holder = subprocess.Popen(owner, env=env, stdout=subprocess.PIPE)
    try:
        holder.stdout.readline()  # "ready": it owns the clipboard
        return float(subprocess.run(command, env=env, check=True, capture_output=True, text=True).stdout)
    finally:
        holder.kill()
        holder.wait()
        server.terminate()
        server.wait()


def main():
    build = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 3
    if not shutil.which("Xvfb"):
        print("clipboard bench: skipped, Xvfb is not installed (make test installs it)")
        return
    owner = os.path.join(build, "tools", "clipboard-owner")
    bench = os.path.join(build, "bench", "clipboard_bench")
    env = {k: v for k, v in os.environ.items() if k != "WAYLAND_DISPLAY"}
    print(f"{'owner':30} {'ours ms':>8} {'peer ms':>9} peer/ours")
    for name, mode in (("answers", ["answer", "the user's own text"]), ("offers 3, hands none over", ["silent", "3"]),
                       ("answers nothing", ["mute"])):
        ours = statistics.median(timed([bench, "ours"], [owner] + mode, env) for _ in range(runs))
        peer = timed([bench, "peer"], [owner] + mode, env)
        print(f"{name:30} {ours:8.1f} {peer:9.1f} {peer / max(ours, 0.1):8.1f}x")
    print("target: the snapshot, the earlier content kept and put back, within 1 s whatever the owner does")


if __name__ == "__main__":
    main()
