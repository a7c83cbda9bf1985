#!/usr/bin/env python3
"""Key to screen: from a real key press to the first pixels it changes, Kelmora against TIPP10.

Under Xvfb both programs run side by side in an exercise on the same text: Kelmora in lesson 1
(Alt+B, Enter, Enter), TIPP10 in a sentence lesson of its own holding lesson 1's three rows,
made once in a home folder of its own. The script presses keys with XTest and takes the time
from sending the press to the first DamageNotify (X DAMAGE extension, raw rectangles) on the
program's top-level window. Keys go in blocks of eight, the programs taking turns, in the
pattern right, right, wrong, wrong: each kind follows each kind equally often. A right key is
the text's next character (Enter at a row end); a wrong key is "q", which the text lacks.

Both programs repaint on timers of their own (Kelmora's cursor blinks every 500 ms, TIPP10
redraws its status line every second). Damage seen while no key is pending is taken as such a
tick; the period is measured first, and a key is pressed only at least 150 ms after the last
tick, at least 200 ms before the next one due and after 100 ms without any damage, so no tick
can pass for the key's response. Responses later than 200 ms are counted apart, not as samples.
Prints medians and 90th percentiles per program and kind of key (also split by the kind of the
key before), with the load average. Other builds of Kelmora (--also NAME=PATH, such as the one
before a change) take their turns in the same run.
"""
import argparse
import ctypes
import os
import select
import shutil
import statistics
import subprocess
import sys
import time

sys.dont_write_bytecode = True   # no __pycache__ in the sources
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import StartUpBench as startup  # noqa: E402  (launching, TIPP10's home, Xvfb)

# Kelmora's lesson 1 as its text window lays it out: three rows, the first two ending in Enter.
LESSON_ROWS = ["aa;; ssll ;;ss llaa aass ll;; ssaa ;;ll a;a; slsl ;a;a",
               "lsls aall ss;; ;;aa llss sal; las; ;lsa al;s aasl l;sa",
               "sall ;asl"]
WRONG_KEY = "q"
KEY_NAMES = {" ": "space", ";": "semicolon", "\r": "Return"}
PATTERN = ["right", "right", "wrong", "wrong"]
BLOCK = 8
KELMORA_WIDTH = 1030   # its window, 1016 px, and a gap: the windows must not overlap
TIPP10_WIDTH = 760
RAW_RECTANGLES = 0
AFTER_TICK_S = 0.15
BEFORE_TICK_S = 0.20
QUIET_S = 0.10
LATE_S = 0.20
SETTLE_S = 0.06     # no damage this long: a response (TIPP10's ticker glides for 200 ms) is over


class Damage:
    """One X connection that sends keys (XTest) and reads damage (DAMAGE) of watched windows."""

    def __init__(self, display):
        self.x = ctypes.CDLL("libX11.so.6")
        self.dmg = ctypes.CDLL("libXdamage.so.1")
        self.tst = ctypes.CDLL("libXtst.so.6")
        x = self.x
        x.XOpenDisplay.restype = ctypes.c_void_p
        x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x.XCloseDisplay.argtypes = [ctypes.c_void_p]
        x.XPending.argtypes = [ctypes.c_void_p]
        x.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
        x.XFlush.argtypes = [ctypes.c_void_p]
        x.XConnectionNumber.argtypes = [ctypes.c_void_p]
        x.XStringToKeysym.restype = ctypes.c_ulong
        x.XStringToKeysym.argtypes = [ctypes.c_char_p]
        x.XKeysymToKeycode.restype = ctypes.c_ubyte
        x.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        self.dmg.XDamageQueryExtension.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_int),
                                                   ctypes.POINTER(ctypes.c_int)]
        self.dmg.XDamageCreate.restype = ctypes.c_ulong
        self.dmg.XDamageCreate.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int]
        self.tst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
        self.dpy = x.XOpenDisplay(display.encode())
        if not self.dpy:
            raise RuntimeError(f"cannot open display {display}")
        base, error = ctypes.c_int(), ctypes.c_int()
        if not self.dmg.XDamageQueryExtension(self.dpy, ctypes.byref(base), ctypes.byref(error)):
            raise RuntimeError("the X server lacks the DAMAGE extension")
        self.notify = base.value    # XDamageNotify is the extension's first event
        self.fd = x.XConnectionNumber(self.dpy)
        self.event = (ctypes.c_long * 24)()
        self.watched = {}

    def watch(self, window, program):
        self.dmg.XDamageCreate(self.dpy, window, RAW_RECTANGLES)
        self.watched[window] = program
        self.x.XFlush(self.dpy)

    def keycode(self, char):
        name = KEY_NAMES.get(char, char)
        code = self.x.XKeysymToKeycode(self.dpy, self.x.XStringToKeysym(name.encode()))
        if not code:
            raise RuntimeError(f"no key for {name!r}")
        return code

    def key(self, code, down):
        """Sends the key; returns the moment it left for the server."""
        self.tst.XTestFakeKeyEvent(self.dpy, code, 1 if down else 0, 0)
        now = time.monotonic()
        self.x.XFlush(self.dpy)
        return now

    def pump(self, until):
        """Hands each damage event to its program, until the given moment."""
        while True:
            while self.x.XPending(self.dpy):
                self.x.XNextEvent(self.dpy, self.event)
                now = time.monotonic()
                if self.event[0] & 0xFFFFFFFF != self.notify:
                    continue
                program = self.watched.get(self.event[4])   # XDamageNotifyEvent.drawable
                if program:
                    program.damaged(now)
            left = until - time.monotonic()
            if left <= 0:
                return
            select.select([self.fd], [], [], left)

    def close(self):
        self.x.XCloseDisplay(self.dpy)


class Program:
    def __init__(self, name, keys):
        self.name = name
        self.keys = keys            # characters to type, in order
        self.next_key = 0
        self.proc = self.window = None
        self.period = None
        self.last_damage = 0.0
        self.ticks = []
        self.pending = None         # moment of the press awaiting its first damage
        self.response = None        # seconds from the press to its first damage
        self.busy_until = 0.0       # damage before this belongs to the last key
        self.previous = PATTERN[-1]
        self.samples = []           # (kind, kind of the key before, milliseconds)
        self.late = 0

    def damaged(self, now):
        if self.pending is not None:
            if self.response is None:
                self.response = now - self.pending
        elif now > self.busy_until and now - self.last_damage > QUIET_S:
            self.ticks.append(now)   # the first damage of a burst nobody's key caused
        self.last_damage = now

    def next_tick(self, now):
        if not self.ticks or not self.period:
            return None
        last = self.ticks[-1]
        return last + max(1, -(-(now - last) // self.period)) * self.period

    def ready(self, now):
        """How long to wait before a key may be pressed: 0 when it may be pressed now."""
        waits = [self.last_damage + QUIET_S - now]
        if self.ticks and self.period:
            due = self.next_tick(now)
            previous = due - self.period
            if due - now < BEFORE_TICK_S:
                waits.append(due + AFTER_TICK_S - now)
            else:
                waits.append(previous + AFTER_TICK_S - now)
        return max(0.0, *waits)


def measure_period(damage, programs, seconds=3.2):
    for p in programs:
        p.ticks = []
    damage.pump(time.monotonic() + seconds)
    for p in programs:
        gaps = [b - a for a, b in zip(p.ticks, p.ticks[1:])]
        if not gaps:
            raise RuntimeError(f"{p.name}: no repaint while idle; cannot place keys between its ticks")
        p.period = statistics.median(gaps)
        print(f"  {p.name}: repaints on its own every {p.period * 1000:.0f} ms", flush=True)


def press(damage, program, kind):
    char = program.keys[program.next_key] if kind == "right" else WRONG_KEY
    code = damage.keycode(char)
    while True:
        wait = program.ready(time.monotonic())
        if wait <= 0:
            break
        damage.pump(time.monotonic() + wait)
    program.response = None
    program.pending = damage.key(code, True)
    deadline = program.pending + LATE_S
    while program.response is None and time.monotonic() < deadline:
        damage.pump(min(deadline, time.monotonic() + 0.01))
    if program.response is None:
        program.late += 1
    else:
        program.samples.append((kind, program.previous, program.response * 1000))
    program.previous = kind
    program.pending = None
    settle(damage, [program])
    damage.key(code, False)
    settle(damage, [program])
    if kind == "right":
        program.next_key += 1


def settle(damage, programs):
    """Waits for the damage of a key or a change of focus to end, so that none of it passes for a tick."""
    while True:
        until = time.monotonic() + SETTLE_S
        for p in programs:
            p.busy_until = until
        damage.pump(until)
        if all(time.monotonic() - p.last_damage >= SETTLE_S for p in programs):
            return


def viewable_window(watch, proc, timeout=30):
    _, window = watch.wait_map(proc.pid, time.monotonic() + timeout)
    if window is None:
        raise RuntimeError("no window appeared")
    return window


def start_kelmora(watch, damage, name, path, left, env):
    program = Program(name, "\r".join(LESSON_ROWS))
    program.proc = subprocess.Popen([path], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    program.window = viewable_window(watch, program.proc)
    startup.xdotool(env, "windowmove", str(program.window), str(left), "0")
    damage.watch(program.window, program)
    time.sleep(1.0)
    # On a loaded machine the first key after the focus moves is now and then lost: a running
    # exercise shows itself by its cursor blinking, else the keys are sent again.
    for _ in range(3):
        startup.xdotool(env, "windowfocus", "--sync", str(program.window))
        time.sleep(0.5)
        startup.xdotool(env, "key", "alt+b")      # the lesson menu
        time.sleep(0.5)
        startup.xdotool(env, "key", "Return")     # lesson 1
        time.sleep(0.5)
        startup.xdotool(env, "key", "Return")     # Start, focused after a load
        program.ticks = []
        damage.pump(time.monotonic() + 1.6)
        if len(program.ticks) >= 2:
            return program
        startup.xdotool(env, "key", "Escape", "Escape")   # a menu left open
        time.sleep(0.5)
    raise RuntimeError(f"{name}: its exercise would not start")


def tipp10_lesson_home(base_home, watch, env):
    """A copy of the prepared TIPP10 home holding a sentence lesson of lesson 1's rows, chosen."""
    home = base_home + "-latency"
    marker = os.path.join(home, ".lesson")
    if os.path.exists(marker):
        return home
    shutil.rmtree(home, ignore_errors=True)
    shutil.copytree(base_home, home, symlinks=True)
    print("Giving TIPP10 a lesson of its own with lesson 1's rows...", flush=True)
    env = dict(env, HOME=home)
    proc = subprocess.Popen(["tipp10"], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        window = str(viewable_window(watch, proc))
        time.sleep(1.5)
        startup.xdotool(env, "windowfocus", "--sync", window)
        # Its main window has a fixed layout: the "Own Lessons" tab, then its "Edit" button.
        startup.xdotool(env, "mousemove", "--window", window, "215", "42", "click", "1")
        time.sleep(0.5)
        startup.xdotool(env, "mousemove", "--window", window, "260", "75", "click", "1")
        time.sleep(0.5)
        startup.xdotool(env, "key", "n")                 # "New Lesson"
        editor = str(viewable_window(watch, proc, 10))
        time.sleep(0.5)
        startup.xdotool(env, "windowfocus", "--sync", editor)
        startup.xdotool(env, "type", "--delay", "5", "Latency")
        startup.xdotool(env, "key", "Tab")
        startup.xdotool(env, "type", "--delay", "5", "Kelmora lesson 1")
        startup.xdotool(env, "key", "Tab")
        for n, row in enumerate(LESSON_ROWS):
            if n:
                startup.xdotool(env, "key", "Return")    # a line of a sentence lesson ends with Enter
            startup.xdotool(env, "type", "--delay", "5", row)
        startup.xdotool(env, "key", "alt+s")             # "Save"; "Sentence Lesson" is the default
        time.sleep(1.0)
        startup.xdotool(env, "windowfocus", "--sync", window)
        # The new lesson is the third of the list; starting it once makes it the one chosen.
        startup.xdotool(env, "mousemove", "--window", window, "68", "146", "click", "1")
        time.sleep(0.3)
        startup.xdotool(env, "key", "alt+s")             # "Start Training"
        time.sleep(2.0)                                  # the settings reach the disk
    finally:
        startup.stop(proc)
    open(marker, "w").close()
    return home


def start_tipp10(watch, home, left, env):
    program = Program("TIPP10", "\r".join(LESSON_ROWS))
    env = dict(env, HOME=home)
    program.proc = subprocess.Popen(["tipp10"], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    program.window = viewable_window(watch, program.proc)
    startup.xdotool(env, "windowmove", str(program.window), str(left), "0")
    time.sleep(1.5)
    startup.xdotool(env, "windowfocus", "--sync", str(program.window))
    time.sleep(0.3)
    startup.xdotool(env, "key", "alt+s")      # "Start Training" of the chosen lesson
    time.sleep(1.0)
    startup.xdotool(env, "key", "space")      # "Press space bar to start"
    time.sleep(0.5)
    return program


def percentile90(values):
    return statistics.quantiles(values, n=10, method="inclusive")[-1]


def times(program, kind, previous=None):
    return [ms for k, before, ms in program.samples if k == kind and previous in (None, before)]


def median_of(program, kind):
    return statistics.median(times(program, kind))


def run(args, watch, env, tipp10_home, results):
    damage = Damage(args.display)
    programs = []
    try:
        for n, (name, path) in enumerate(args.kelmoras):
            programs.append(start_kelmora(watch, damage, name, path, n * KELMORA_WIDTH, env))
        if tipp10_home:
            programs.append(start_tipp10(watch, tipp10_home, len(args.kelmoras) * KELMORA_WIDTH, env))
            damage.watch(programs[-1].window, programs[-1])
        measure_period(damage, programs)
        count = {p.name: 0 for p in programs}
        turn = 0
        while any(count[p.name] < 2 * args.presses for p in programs):
            program = programs[turn % len(programs)]
            turn += 1
            if count[program.name] >= 2 * args.presses:
                continue
            # Both windows repaint parts of themselves when the focus moves.
            startup.xdotool(env, "windowfocus", "--sync", str(program.window))
            settle(damage, programs)
            for i in range(BLOCK):
                if count[program.name] >= 2 * args.presses:
                    break
                press(damage, program, PATTERN[count[program.name] % len(PATTERN)])
                count[program.name] += 1
        # Esc ends Kelmora's exercise with its summary box: its window proves the exercise ran.
        for kelmora in programs[:len(args.kelmoras)]:
            startup.xdotool(env, "windowfocus", "--sync", str(kelmora.window))
            watch.drain()
            startup.xdotool(env, "key", "Escape")
            if watch.wait_map(kelmora.proc.pid, time.monotonic() + 5)[0] is None:
                raise RuntimeError(f"{kelmora.name} showed no summary after Esc: its exercise was not running")
        for p in programs:
            results.setdefault(p.name, []).append(p)
            print(f"  {p.name}: right {median_of(p, 'right'):.3f} ms, wrong {median_of(p, 'wrong'):.3f} ms "
                  f"(medians of this run)", flush=True)
    finally:
        for p in programs:
            if p.proc:
                startup.stop(p.proc)
        damage.close()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", required=True, help="Release build folder holding kelmora")
    parser.add_argument("--display", default=":6")
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--presses", type=int, default=60, help="right keys, and as many wrong ones, a run")
    parser.add_argument("--no-tipp10", action="store_true")
    parser.add_argument("--also", action="append", default=[], metavar="NAME=PATH",
                        help="another build of Kelmora to take turns with, such as the one before a change")
    args = parser.parse_args()
    args.build = os.path.abspath(args.build)
    args.kelmoras = [("Kelmora", os.path.join(args.build, "kelmora"))]
    args.kelmoras += [tuple(other.split("=", 1)) for other in args.also]
    if args.presses > len("".join(LESSON_ROWS)) + 1:
        parser.error("more right keys than the lesson holds")

    width = len(args.kelmoras) * KELMORA_WIDTH + TIPP10_WIDTH
    work = os.path.join(args.build, "bench", "startup")
    os.makedirs(work, exist_ok=True)
    with startup.x_session(args.display, f"{width}x1080") as base_env:
        watch = startup.XWatch(args.display)
        missing = "left out (--no-tipp10)" if args.no_tipp10 else startup.tipp10_available()
        tipp10_home = None
        if not missing:
            home = os.path.join(work, "tipp10-home")
            if startup.prepare_tipp10_home(home, watch, base_env):
                tipp10_home = tipp10_lesson_home(home, watch, base_env)
            else:
                missing = "its introduction could not be dismissed"
        if missing:
            print(f"TIPP10: {missing}; Kelmora alone.")

        results = {}
        load_before = os.getloadavg()
        for r in range(args.runs):
            print(f"run {r + 1}/{args.runs}:", flush=True)
            run(args, watch, base_env, tipp10_home, results)
        load_after = os.getloadavg()

        print(f"\nKey press (XTest) to the first damage of the window, {args.runs} runs of {args.presses} right "
              f"and {args.presses} wrong keys each, the programs taking turns in blocks of {BLOCK} keys:")
        print(f"  {'program':<16} {'key':<18} {'median':>8} {'90th pct':>9}   medians of the runs")
        for name, runs in results.items():
            for kind, previous in [("right", None), ("right", "right"), ("right", "wrong"),
                                   ("wrong", None), ("wrong", "right"), ("wrong", "wrong")]:
                pooled = [ms for p in runs for ms in times(p, kind, previous)]
                label = kind if previous is None else f"  {kind} after {previous}"
                per_run = ", ".join(f"{statistics.median(times(p, kind, previous)):.2f}" for p in runs)
                print(f"  {name:<16} {label:<18} {statistics.median(pooled):6.2f}ms {percentile90(pooled):7.2f}ms   "
                      f"{per_run}")
            late = sum(p.late for p in runs)
            if late:
                print(f"  {name}: {late} keys got no response within {LATE_S * 1000:.0f} ms (left out)")
        print(f"load average before {load_before[0]:.2f}, after {load_after[0]:.2f}; "
              f"{os.cpu_count()} cores of {startup.cpu_model()}; Linux {os.uname().release}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
