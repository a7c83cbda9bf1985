#!/usr/bin/env python3
"""Start-up, memory and idle CPU of Kelmora against two floors and a peer, as whole processes.

Under Xvfb, rounds alternate four programs: Kelmora, a bare Qt window, the bare window with a
label in each of the two Chinese design faces and Qt's zh_TW strings (the floor for any Qt
program showing Traditional Chinese in these fonts), and TIPP10, the fastest typing tutor in
Debian (skipped with a note when it is not installed). For each start it takes the time from
launching the process to the map of its first top-level window (an X event, not a poll) and
the resident memory 5 s after launch. Then Kelmora's CPU over 20 s idle and over 20 s of an
exercise waiting for a key, driven with xdotool, beside the bare window repainting one cell
every 500 ms as a running exercise does. Prints medians and ratios.
"""
import argparse
import contextlib
import ctypes
import ctypes.util
import glob
import os
import select
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

MAP_NOTIFY = 19
SUBSTRUCTURE_NOTIFY_MASK = 1 << 19
XA_CARDINAL = 6
SETTLE_S = 5.0      # memory is read this long after launch
CPU_SPAN_S = 20.0


class XWatch:
    """Reports top-level windows being mapped on the display, with the process that owns them."""

    def __init__(self, display):
        self.x = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
        self.x.XOpenDisplay.restype = ctypes.c_void_p
        self.x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.x.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.x.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
        self.x.XInternAtom.restype = ctypes.c_ulong
        self.x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        self.x.XPending.argtypes = [ctypes.c_void_p]
        self.x.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
        self.x.XFlush.argtypes = [ctypes.c_void_p]
        self.x.XConnectionNumber.argtypes = [ctypes.c_void_p]
        self.x.XFree.argtypes = [ctypes.c_void_p]
        self.x.XGetWindowProperty.argtypes = [
            ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_long, ctypes.c_long, ctypes.c_int,
            ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_int),
            ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_void_p)]
        # A window can vanish between its map and our question about it: ignore X errors.
        self._handler = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(lambda d, e: 0)
        self.x.XSetErrorHandler(self._handler)
        self.dpy = self.x.XOpenDisplay(display.encode())
        if not self.dpy:
            raise RuntimeError(f"cannot open display {display}")
        self.root = self.x.XDefaultRootWindow(self.dpy)
        self.pid_atom = self.x.XInternAtom(self.dpy, b"_NET_WM_PID", 0)
        self.x.XSelectInput(self.dpy, self.root, SUBSTRUCTURE_NOTIFY_MASK)
        self.x.XFlush(self.dpy)
        self.fd = self.x.XConnectionNumber(self.dpy)
        self.event = (ctypes.c_long * 24)()   # XEvent is 24 longs

    def window_pid(self, window):
        kind, fmt = ctypes.c_ulong(), ctypes.c_int()
        count, after, data = ctypes.c_ulong(), ctypes.c_ulong(), ctypes.c_void_p()
        status = self.x.XGetWindowProperty(self.dpy, window, self.pid_atom, 0, 1, 0, XA_CARDINAL, ctypes.byref(kind),
                                           ctypes.byref(fmt), ctypes.byref(count), ctypes.byref(after),
                                           ctypes.byref(data))
        if status != 0 or not data.value:
            return None
        pid = ctypes.cast(data, ctypes.POINTER(ctypes.c_ulong))[0] if count.value else None
        self.x.XFree(data)
        return pid

    def drain(self):
        while self.x.XPending(self.dpy):
            self.x.XNextEvent(self.dpy, self.event)

    def wait_map(self, pid, deadline):
        """Time of the first map of a top-level window owned by pid (or owned by nobody), or None."""
        while True:
            while self.x.XPending(self.dpy):
                self.x.XNextEvent(self.dpy, self.event)
                now = time.monotonic()
                if self.event[0] & 0xFFFFFFFF != MAP_NOTIFY or self.event[6] & 0xFFFFFFFF:
                    continue   # not a map, or a popup (override-redirect)
                window = self.event[5]
                owner = self.window_pid(window)
                if owner in (pid, None):
                    return now, window
            left = deadline - time.monotonic()
            if left <= 0:
                return None, None
            select.select([self.fd], [], [], left)


def resident_mib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024
    return float("nan")


def cpu_seconds(pid):
    """utime+stime from /proc/PID/stat (clock ticks), and the scheduler's nanosecond sum over threads."""
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    ticks = int(fields[11]) + int(fields[12])
    exact = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{task}/schedstat") as sched:
                exact += int(sched.read().split()[0])
        except OSError:
            pass
    return ticks / os.sysconf("SC_CLK_TCK"), exact / 1e9


def stop(proc):
    if proc.poll() is None:
        proc.send_signal(signal.SIGTERM)
        try:
            proc.wait(5)
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait()


class Program:
    def __init__(self, name, argv, env=None):
        self.name, self.argv, self.env = name, argv, env
        self.starts, self.memory = [], []


def launch(watch, program, base_env, timeout=30):
    watch.drain()
    env = dict(base_env, **(program.env or {}))
    t0 = time.monotonic()
    proc = subprocess.Popen(program.argv, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    mapped, window = watch.wait_map(proc.pid, t0 + timeout)
    return proc, t0, mapped, window


def xdotool(env, *args):
    subprocess.run(["xdotool", *args], env=env, check=True, stdout=subprocess.DEVNULL)


def prepare_tipp10_home(home, watch, base_env):
    """A home whose settings already dismiss TIPP10's introduction: made once by answering it."""
    marker = os.path.join(home, ".prepared")
    if os.path.exists(marker):
        return True
    shutil.rmtree(home, ignore_errors=True)
    # TIPP10 keeps its lesson database here and gives up when the folder is missing.
    os.makedirs(os.path.join(home, ".local/share/TIPP10/TIPP10"))
    print("Preparing TIPP10's home folder (its first run builds its database; up to two minutes)...", flush=True)
    env = dict(base_env, HOME=home)
    proc = subprocess.Popen(["tipp10"], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        _, intro = watch.wait_map(proc.pid, time.monotonic() + 180)
        if intro is None:
            return False
        time.sleep(1)
        xdotool(env, "windowfocus", "--sync", str(intro))
        xdotool(env, "key", "alt+n")      # "Don't show me this window again"
        time.sleep(0.3)
        xdotool(env, "key", "Return")     # "Launch TIPP10"
        main, _ = watch.wait_map(proc.pid, time.monotonic() + 30)
        time.sleep(2)                     # the settings reach the disk
        ok = main is not None
    finally:
        stop(proc)
    if ok:
        open(marker, "w").close()
    return ok


def tipp10_available():
    if not shutil.which("tipp10"):
        return "not installed (apt-get install tipp10 libqt6sql6-sqlite)"
    # Debian's package does not pull in the SQLite driver it cannot start without.
    if not glob.glob("/usr/lib/*/qt6/plugins/sqldrivers/libqsqlite.so"):
        return "its SQLite driver is missing (apt-get install libqt6sql6-sqlite)"
    return None


def cpu_model():
    with open("/proc/cpuinfo") as info:
        for line in info:
            if line.startswith("model name"):
                return line.split(":", 1)[1].strip()
    return "an unknown processor"


def cpu_share(pid, seconds):
    """Share of one core over the next seconds: from utime+stime, and from the scheduler's clock."""
    before = cpu_seconds(pid)
    time.sleep(seconds)
    after = cpu_seconds(pid)
    return [(a - b) / seconds * 100 for a, b in zip(after, before)]


def measure_cpu(watch, kelmora, floor, base_env):
    proc, t0, mapped, window = launch(watch, kelmora, base_env)
    try:
        if mapped is None:
            print("Kelmora's window never appeared: CPU not measured")
            return
        time.sleep(max(0.0, t0 + SETTLE_S - time.monotonic()))
        idle = cpu_share(proc.pid, CPU_SPAN_S)
        xdotool(base_env, "windowfocus", "--sync", str(window))
        time.sleep(0.3)
        xdotool(base_env, "key", "alt+b")      # the lesson menu
        time.sleep(0.5)
        xdotool(base_env, "key", "Return")     # lesson 1
        time.sleep(0.5)
        xdotool(base_env, "key", "Return")     # Start, focused after a load
        time.sleep(1.0)
        waiting = cpu_share(proc.pid, CPU_SPAN_S)
        # Esc ends a running exercise with its summary box: its window proves the exercise ran.
        watch.drain()
        xdotool(base_env, "key", "Escape")
        summary, _ = watch.wait_map(proc.pid, time.monotonic() + 5)
        ran = "yes (Esc brought up its summary)" if summary else "NOT CONFIRMED (no summary box after Esc)"
    finally:
        stop(proc)
    proc, t0, mapped, _ = launch(watch, floor, base_env)
    try:
        time.sleep(max(0.0, t0 + SETTLE_S - time.monotonic()))
        ticking = cpu_share(proc.pid, CPU_SPAN_S)
    finally:
        stop(proc)
    print(f"\nCPU over {CPU_SPAN_S:.0f} s, share of one core (target for Kelmora: under 0.1%):")
    print(f"  {'':38} {'/proc/PID/stat':>15} {'schedstat':>10}")
    for name, share in [("Kelmora, idle window", idle), ("Kelmora, exercise waiting for a key", waiting),
                        ("bare window repainting a cell / 500 ms", ticking)]:
        print(f"  {name:38} {share[0]:14.3f}% {share[1]:9.4f}%")
    print(f"  Kelmora's exercise was running: {ran}")


def xvfb(display, size="1280x1024"):
    lock = f"/tmp/.X{display.lstrip(':')}-lock"
    if os.path.exists(lock):
        return None   # already running: use it as it is
    server = subprocess.Popen(["Xvfb", display, "-noreset", "-screen", "0", f"{size}x24"],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    for _ in range(100):
        if os.path.exists(f"/tmp/.X11-unix/X{display.lstrip(':')}"):
            break
        time.sleep(0.05)
    time.sleep(0.2)
    return server


@contextlib.contextmanager
def x_session(display, size="1280x1024"):
    """An X server on DISPLAY (started unless one runs there), and the environment for programs on it."""
    server = xvfb(display, size)
    env = {k: v for k, v in os.environ.items() if not k.startswith("QT_")}
    runtime_dir = tempfile.mkdtemp(prefix="kelmora-bench-")
    env.update(DISPLAY=display, QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=runtime_dir)
    try:
        yield env
    finally:
        shutil.rmtree(runtime_dir, ignore_errors=True)
        if server:
            server.terminate()
            server.wait()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", required=True, help="Release build folder holding kelmora and bench/floor_*")
    parser.add_argument("--display", default=":5")
    parser.add_argument("--rounds", type=int, default=9)
    parser.add_argument("--no-cpu", action="store_true", help="skip the 20 s CPU measurements")
    parser.add_argument("--no-tipp10", action="store_true")
    args = parser.parse_args()

    build = os.path.abspath(args.build)
    work = os.path.join(build, "bench", "startup")
    os.makedirs(work, exist_ok=True)
    with x_session(args.display) as base_env:
        watch = XWatch(args.display)
        kelmora = Program("Kelmora", [os.path.join(build, "kelmora")])
        programs = [kelmora,
                    Program("bare Qt window", [os.path.join(build, "bench", "floor_bare_window")]),
                    Program("Chinese floor", [os.path.join(build, "bench", "floor_chinese")])]
        missing = None if not args.no_tipp10 else "left out (--no-tipp10)"
        missing = missing or tipp10_available()
        if not missing:
            home = os.path.join(work, "tipp10-home")
            if prepare_tipp10_home(home, watch, base_env):
                programs.append(Program("TIPP10", ["tipp10"], {"HOME": home}))
            else:
                missing = "its introduction could not be dismissed"
        if missing:
            print(f"TIPP10: {missing}; compared without it.")

        load_before = os.getloadavg()
        # One start of each first, uncounted: the libraries and fonts come into the page cache.
        for program in programs:
            proc, *_ = launch(watch, program, base_env)
            stop(proc)
        for r in range(args.rounds):
            for i in range(len(programs)):
                program = programs[(r + i) % len(programs)]   # each program leads a round in turn
                proc, t0, mapped, _ = launch(watch, program, base_env)
                try:
                    if mapped is None:
                        print(f"{program.name}: no window within 30 s")
                        continue
                    program.starts.append((mapped - t0) * 1000)
                    time.sleep(max(0.0, t0 + SETTLE_S - time.monotonic()))
                    program.memory.append(resident_mib(proc.pid))
                finally:
                    stop(proc)
            print(f"round {r + 1}/{args.rounds}: " + ", ".join(
                f"{p.name} {p.starts[-1]:.0f} ms" for p in programs if p.starts), flush=True)
        load_after = os.getloadavg()

        floor = programs[2]
        floor_ms = statistics.median(floor.starts)
        print(f"\nStart to first mapped window, {args.rounds} alternating rounds on display {args.display}; "
              f"resident memory {SETTLE_S:.0f} s after start:")
        print(f"  {'program':<16} {'median':>8} {'min':>6} {'max':>6} {'x floor':>8} {'memory':>10}")
        for p in programs:
            med = statistics.median(p.starts)
            print(f"  {p.name:<16} {med:6.1f}ms {min(p.starts):6.1f} {max(p.starts):6.1f} "
                  f"{med / floor_ms:7.2f}x {statistics.median(p.memory):7.1f}MiB")
        ratio = statistics.median(kelmora.starts) / floor_ms
        print(f"Kelmora / Chinese floor: {ratio:.2f} (target at most 1.10); "
              f"memory {statistics.median(kelmora.memory):.1f} MiB (target at most 32)")
        print(f"load average before {load_before[0]:.2f}, after {load_after[0]:.2f}; "
              f"{os.cpu_count()} cores of {cpu_model()}; Linux {os.uname().release}")

        if not args.no_cpu:
            ticking = Program("bare window, ticking", [os.path.join(build, "bench", "floor_bare_window"), "--tick"])
            measure_cpu(watch, kelmora, ticking, base_env)
    return 0


if __name__ == "__main__":
    sys.exit(main())
