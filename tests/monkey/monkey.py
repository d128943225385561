#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Tintwell Software
# SPDX-License-Identifier: LicenseRef-proprietary
"""Tintwell's random-input run.

Feeds the real program a seeded random stream of keys, pastes and clicks
on whichever of its windows is on top, starting it again whenever it ends,
and after every batch checks what must never happen: a sanitizer report, a
crash, a program that stops answering, a second main window, a number box
holding anything but 0 to 255, a saved file that is not a whole 24-bit BMP,
a file that no save dialog confirmed.

The program runs in a private mount namespace where only the run's own
folder can be written: random clicks in the save dialog may wander anywhere.
The caller (monkey.sh) provides the X server and the CUPS queue.
"""
import argparse
import collections
import os
import random
import shutil
import string
import struct
import subprocess
import sys
import time
from pathlib import Path

import xwindows

MAIN_TITLE = "Tintwell . . ."
PREVIEW_TITLE = "Preview Color"
BATCH = 20
SETTLE = 0.02  # seconds between events: a fast typist, not a flood
START_TIMEOUT = 30
STUCK_AFTER = 8  # seconds with the program running and no window shown
# The number boxes, in the main window's twips (15 a pixel on the 1024 x 768
# design screen); the window's width gives the scale.
MAIN_CLIENT = (9825, 6840)
BOXES = {"Red": (5085, 4695, 555, 360), "Green": (5100, 5235, 555, 360),
         "Blue": (5100, 5775, 555, 360)}
SENTINEL = "<nothing selected>"
SANITIZER_MARKS = ("ERROR: AddressSanitizer", "ERROR: LeakSanitizer", "runtime error:",
                   "UndefinedBehaviorSanitizer")


class Fault(Exception):
    """Something the program must never do."""


def weighted(rng, table):
    total = sum(weight for weight, _ in table)
    pick = rng.uniform(0, total)
    for weight, choice in table:
        pick -= weight
        if pick <= 0:
            break
    return choice(rng) if callable(choice) else choice


def clipboard_text(rng):
    digits = "".join(rng.choice(string.digits) for _ in range(rng.randint(1, 5)))
    word = "".join(rng.choice(string.ascii_letters) for _ in range(rng.randint(1, 8)))
    return rng.choice([digits, str(rng.randint(0, 999)), "-" + digits, digits + word,
                       " " + digits, digits + "\n", "1e2", "0x1F", "\u0663\u0665", word,
                       "../" + word + ".bmp", "/" + word, digits * 40, ""])


KEYS = [(14, lambda r: r.choice(string.digits)),
        (6, lambda r: r.choice(string.ascii_lowercase)),
        (5, "Tab"), (6, "Return"), (2, "Escape"), (2, "F1"), (3, "F2"), (0.5, "F3"),
        (5, lambda r: "alt+" + r.choice(string.ascii_lowercase)),
        (2, "BackSpace"), (2, "space"), (2, lambda r: r.choice(["Up", "Down"]))]


def next_event(rng):
    """One event of the stream; it depends on the seed alone, never on what
    the program shows, so that a seed replays the same input."""
    kind = weighted(rng, [(50, "key"), (8, "type"), (3, "paste"), (45, "click"), (1.5, "close")])
    if kind == "key":
        return ("key", weighted(rng, KEYS))
    if kind == "type":
        # A word typed at once, as into a file name box, and often Enter.
        word = "".join(rng.choice(string.ascii_lowercase + string.digits + ".")
                       for _ in range(rng.randint(1, 8)))
        return ("type", word, rng.random() < 0.5)
    if kind == "paste":
        return ("paste", clipboard_text(rng))
    if kind == "click":
        # A third of the clicks go to the top band: menus and toolbars.
        fy = rng.random() if rng.random() > 0.3 else rng.random() * 0.15
        return ("click", rng.random(), fy, 2 if rng.random() < 0.1 else 1)
    return ("close",)


def run_tool(*args, stdin=None, timeout=5):
    if stdin is None:
        return subprocess.run(args, capture_output=True, text=True, timeout=timeout, check=False)
    # xclip keeps serving the text in the background: no pipes of ours stay open.
    return subprocess.run(args, input=stdin, stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL, text=True, timeout=timeout, check=False)


def set_selection(selection, text):
    run_tool("xclip", "-selection", selection, "-i", stdin=text)


def read_selection(selection):
    result = run_tool("xclip", "-selection", selection, "-o")
    return result.stdout if result.returncode == 0 else None


def bitmap_fault(path):
    """Why the file is not a whole 24-bit BMP, or None when it is one."""
    data = path.read_bytes()
    if len(data) < 54 or data[:2] != b"BM":
        return f"{len(data)} bytes without a BMP header"
    file_size, = struct.unpack_from("<I", data, 2)
    offset, = struct.unpack_from("<I", data, 10)
    width, height, _, bits, compression = struct.unpack_from("<iiHHI", data, 18)
    stride = (width * bits + 31) // 32 * 4
    if bits != 24 or compression != 0:
        return f"{bits} bits a pixel, compression {compression}"
    if file_size != len(data) or offset + stride * abs(height) != len(data):
        return (f"{len(data)} bytes, but its header says {file_size} and its "
                f"{width}x{height} pixels need {offset + stride * abs(height)}")
    return None


class Sandbox:
    """The program's own folder, the only one it may write to."""

    # Every file system read-only but the box; the kernel's own stay as they are.
    SCRIPT = """box=$1; shift
mount --bind "$box" "$box" && mount -o remount,bind,ro / || exit 97
awk '{ print $2 }' /proc/self/mounts | while read -r m; do
  case $m in "$box"|/|/proc|/proc/*|/sys|/sys/*|/dev|/dev/pts|/dev/mqueue) continue ;; esac
  mount -o remount,bind,ro "$m" 2>/dev/null
done
exec "$@"
"""

    def __init__(self, work):
        self.box = work / "box"
        self.home = self.box / "home"
        self.runtime = self.box / "runtime"
        for folder in (self.home / "pictures", self.runtime, self.box / "tmp"):
            folder.mkdir(parents=True, exist_ok=True)
        self.runtime.chmod(0o700)
        # Something to overwrite or to leave alone.
        (self.home / "notes.txt").write_text("not a picture\n")
        self.prefix = ["unshare", "--mount", "--propagation", "private"]
        if os.geteuid() != 0:
            self.prefix.insert(1, "--map-root-user")
        self.prefix += ["/bin/sh", "-c", self.SCRIPT, "sandbox", str(self.box)]

    def works(self):
        probe = run_tool(*self.prefix, "/bin/sh", "-c",
                         f'touch "{self.box}/.probe" && ! touch "{self.box.parent}/.probe" 2>/dev/null')
        (self.box / ".probe").unlink(missing_ok=True)
        return probe.returncode == 0

    def files(self):
        found = {}
        for path in self.box.rglob("*"):
            try:
                if path.is_file() and not path.is_symlink():
                    info = path.stat()
                    found[path] = (info.st_size, info.st_mtime_ns)
            except FileNotFoundError:
                pass  # gone while we looked: a temporary file of the program
        return found

    def housekeeping(self, path):
        """The program's own state: its lock, the font cache, Qt's settings."""
        return (path.is_relative_to(self.runtime) or path.is_relative_to(self.home / ".cache")
                or path.is_relative_to(self.home / ".config"))


class Program:
    """One copy of the program after another."""

    def __init__(self, args, sandbox, logs):
        self.app, self.sandbox, self.logs = args.app, sandbox, logs
        self.starts = 0
        self.process = None
        stubs = logs / "bin"
        stubs.mkdir(exist_ok=True)
        # The about window's links: recorded in the log, no browser started.
        opener = stubs / "xdg-open"
        opener.write_text('#!/bin/sh\necho "xdg-open: $*" >&2\n')
        opener.chmod(0o755)
        self.env = dict(os.environ, HOME=str(sandbox.home), XDG_RUNTIME_DIR=str(sandbox.runtime),
                        XDG_CONFIG_HOME=str(sandbox.home / ".config"),
                        XDG_CACHE_HOME=str(sandbox.home / ".cache"),
                        TMPDIR=str(sandbox.box / "tmp"), PATH=f"{stubs}:{os.environ['PATH']}",
                        ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:abort_on_error=0:exitcode=86",
                        UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1",
                        LSAN_OPTIONS=f"suppressions={args.lsan}:print_suppressions=0")
        self.env.pop("QT_QPA_PLATFORM", None)

    @property
    def log(self):
        return self.logs / f"run-{self.starts}.log"

    def start(self):
        self.starts += 1
        with open(self.log, "w") as log:
            self.process = subprocess.Popen(self.sandbox.prefix + [self.app], stdout=log,
                                            stderr=subprocess.STDOUT, env=self.env,
                                            cwd=self.sandbox.home)

    @property
    def pid(self):
        return self.process.pid

    def ended(self):
        return self.process.poll() is not None

    def sanitizer_report(self):
        lines = self.log.read_text(errors="replace").splitlines()
        for i, line in enumerate(lines):
            if any(mark in line for mark in SANITIZER_MARKS):
                return "\n".join(lines[max(0, i - 2):i + 40])
        return None

    def check_end(self):
        status = self.process.wait()
        report = self.sanitizer_report()
        if report:
            raise Fault(f"sanitizer report from copy {self.starts}:\n{report}")
        if status < 0:
            raise Fault(f"copy {self.starts} was killed by signal {-status}")
        if status != 0:
            raise Fault(f"copy {self.starts} exited with status {status}")


class Monkey:
    def __init__(self, args):
        self.args = args
        self.work = Path(args.work)
        self.logs = self.work / "logs"
        self.logs.mkdir(exist_ok=True)
        self.sandbox = Sandbox(self.work)
        self.program = Program(args, self.sandbox, self.logs)
        self.x = xwindows.Display()
        self.rng = random.Random(args.seed)
        self.before = self.sandbox.files()
        self.event = 0
        self.recent = []
        self.preview_ids, self.captions = set(), set()
        self.saved, self.readings, self.box_looks, self.focus_given = set(), 0, 0, 0
        self.no_window_since = None
        self.on_top = collections.Counter()
        artifacts = os.environ.get("MONKEY_ARTIFACTS")
        self.events_log = None
        if artifacts:
            Path(artifacts).mkdir(parents=True, exist_ok=True)
            self.events_log = open(Path(artifacts) / f"monkey-{args.seed}-events.log", "w")

    # -- running the program --------------------------------------------------

    def windows(self):
        return self.x.windows(self.program.pid)

    def start(self):
        self.preview_ids.clear()  # X may hand a new program the ids of an old one
        self.program.start()
        deadline = time.monotonic() + START_TIMEOUT
        while not any(w.title == MAIN_TITLE for w in self.windows()):
            if self.program.ended():
                self.program.check_end()
                raise Fault("the program ended before its main window appeared")
            if time.monotonic() > deadline:
                raise Fault(f"no main window {START_TIMEOUT} s after the start")
            time.sleep(0.05)
        self.no_window_since = None

    def keep_running(self):
        if self.program.ended():
            self.program.check_end()
            self.check_files()
            self.start()

    # -- sending events -------------------------------------------------------

    def give_focus(self, windows):
        """What a window manager does: the window on top has the keyboard. A
        menu grabs the keyboard itself."""
        if not windows or windows[0].popup:
            return
        if self.x.focus() != windows[0].id:
            run_tool("xdotool", "windowfocus", str(windows[0].id))
            self.focus_given += 1

    def send(self, event):
        windows = self.windows()
        top = windows[0] if windows else None
        kind = event[0]
        if kind in ("key", "type", "paste"):
            self.give_focus(windows)
        if kind == "key":
            run_tool("xdotool", "key", event[1])
        elif kind == "type":
            run_tool("xdotool", "type", "--delay", "20", event[1])
            if event[2]:
                run_tool("xdotool", "key", "Return")
        elif kind == "paste":
            set_selection("clipboard", event[1])
            run_tool("xdotool", "key", "ctrl+v")
        elif kind == "click" and top:
            x = top.x + int(event[1] * top.width)
            y = top.y + int(event[2] * top.height)
            run_tool("xdotool", "mousemove", str(x), str(y), "click", "--repeat",
                     str(event[3]), "--delay", "60", "1")
        elif kind == "close" and top and not top.popup:
            self.x.close(top.id)
        self.on_top[top.title if top else "(none)"] += 1
        line = f"{self.event}: {event!r} on {top!r}"
        self.recent = (self.recent + [line])[-BATCH:]
        if self.events_log:
            print(line, file=self.events_log, flush=True)
        time.sleep(SETTLE)

    def observe(self):
        """Remembers the names the preview's caption showed: the files that a
        save confirmed."""
        windows = self.windows()
        for w in windows:
            if w.title == PREVIEW_TITLE:
                self.preview_ids.add(w.id)
            elif w.id in self.preview_ids:
                self.captions.add(w.title)
        if windows or self.program.ended():
            self.no_window_since = None
        elif self.no_window_since is None:
            self.no_window_since = time.monotonic()
        elif time.monotonic() - self.no_window_since > STUCK_AFTER:
            raise Fault(f"the program runs with no window on the screen for {STUCK_AFTER} s")

    # -- the checks -----------------------------------------------------------

    def check(self):
        windows = self.windows()
        if windows and not self.program.ended():
            self.check_answers(windows[0])
        report = self.program.sanitizer_report()
        if report:
            raise Fault(f"sanitizer report:\n{report}")
        mains = [w for w in self.x.windows() if w.title == MAIN_TITLE]
        if len(mains) > 1:
            raise Fault(f"{len(mains)} main windows on the screen: {mains}")
        if len(windows) == 1 and windows[0].title == MAIN_TITLE:
            self.check_boxes(windows[0])
        self.check_files()

    def check_answers(self, top):
        within = self.args.answer_within
        if self.x.ping(top.id, within) is not None:
            return
        windows = self.windows()
        if not windows or self.program.ended():
            return
        if windows[0].id != top.id and self.x.ping(windows[0].id, within) is not None:
            return  # that window had gone; the one on top now answers
        # Waited for longer, to tell a slow program from a hung one.
        late = self.x.ping(windows[0].id, 10)
        state = (f"a second ping was answered after {late:.1f} s" if late is not None
                 else "no answer to a second one in 10 s either")
        raise Fault(f"the program did not answer a ping to {top!r} within {within} s: {state}")

    def check_boxes(self, main):
        """Reads each number box as a person copies it: a triple click
        selects its text, which X11 offers as the primary selection."""
        self.box_looks += 1
        scale = main.width / (MAIN_CLIENT[0] / 15)
        client_top = main.y + main.height - round(MAIN_CLIENT[1] / 15 * scale)
        # Clicking a box that has the focus already selects nothing: the
        # first click only takes the focus elsewhere.
        for i, name in enumerate(["Blue", "Red", "Green", "Blue"]):
            left, top, width, height = BOXES[name]
            x = main.x + round((left + width / 2) / 15 * scale)
            y = client_top + round((top + height / 2) / 15 * scale)
            set_selection("primary", SENTINEL)
            run_tool("xdotool", "mousemove", str(x), str(y), "click", "--repeat", "3",
                     "--delay", "40", "1")
            if self.x.ping(main.id, 10) is None or i == 0:
                continue
            text = read_selection("primary")
            if text is None or text == SENTINEL:
                continue  # an empty box selects nothing
            self.readings += 1
            if not (text.isascii() and text.isdigit() and len(text) <= 3 and int(text) <= 255):
                raise Fault(f"the {name} box holds {text!r}")

    def check_files(self):
        for path, stamp in self.sandbox.files().items():
            if self.before.get(path) == stamp or self.sandbox.housekeeping(path):
                continue
            where = path.relative_to(self.sandbox.box)
            if path.name not in self.captions:
                raise Fault(f"{where} was written, but no save showed its name "
                            f"(the preview showed {sorted(self.captions)})")
            fault = bitmap_fault(path)
            if fault:
                raise Fault(f"{where} is no whole 24-bit BMP: {fault}")
            self.saved.add((path, stamp))

    # -- the run --------------------------------------------------------------

    def run(self):
        self.start()
        for self.event in range(1, self.args.events + 1):
            self.keep_running()
            self.send(next_event(self.rng))
            self.observe()
            if self.event == self.args.shot:
                self.screenshot("mid-run")
            if self.event % BATCH == 0:
                self.check()
        self.finish()

    def finish(self):
        if not self.program.ended():
            self.check()
            self.close_all()
        self.program.check_end()
        self.check_files()
        # Each look reads three boxes; they are seldom all empty twice.
        if self.box_looks >= 2 and self.readings == 0:
            raise Fault(f"the number boxes were looked at {self.box_looks} times and never "
                        "read: the check of their contents saw nothing")

    def close_all(self):
        """Ends the program as a person would: the close box of the window on
        top, one after the other (a window under a modal one takes no close),
        Esc for a menu."""
        deadline = time.monotonic() + 15
        while not self.program.ended():
            windows = self.windows()
            if time.monotonic() > deadline:
                raise Fault(f"the program did not end after 15 s of closing its windows: {windows}")
            if windows and windows[0].popup:
                run_tool("xdotool", "key", "Escape")
            elif windows:
                self.x.close(windows[0].id)
            time.sleep(0.2)

    def summary(self):
        jobs = sorted(Path(os.environ.get("CUPS_JOBS", "/nonexistent")).glob("job-*.pdf"))
        pages = sum(pdf_pages(job) for job in jobs)
        print(f"monkey: seed {self.args.seed}: {self.event} events, {self.program.starts} starts, "
              f"{len(self.saved)} files saved, {pages} pages printed in {len(jobs)} jobs, "
              f"{self.readings} box readings in {self.box_looks} looks, "
              f"{self.focus_given} focus hand-overs")
        print("  events on top of: " + ", ".join(
            f"'{title}' {count}" for title, count in self.on_top.most_common()))

    def report_fault(self, fault):
        print(f"FAIL: {fault}", file=sys.stderr)
        print(f"  at event {self.event} of {self.args.events}, seed {self.args.seed}; replay with\n"
              f"  make monkey EVENTS={self.event} SEED={self.args.seed}", file=sys.stderr)
        print("  the last events:\n    " + "\n    ".join(self.recent), file=sys.stderr)
        print("  windows: " + repr(self.x.windows()), file=sys.stderr)
        if self.program.process and self.program.log.exists():
            print(f"--- the program's output ({self.program.log.name}, the last lines):",
                  file=sys.stderr)
            print("\n".join(self.program.log.read_text(errors="replace").splitlines()[-60:]),
                  file=sys.stderr)
        self.screenshot("failure")

    def screenshot(self, name):
        """The screen, kept in MONKEY_ARTIFACTS when it is set."""
        artifacts = os.environ.get("MONKEY_ARTIFACTS")
        if artifacts:
            Path(artifacts).mkdir(parents=True, exist_ok=True)
            shot = Path(artifacts) / f"monkey-{self.args.seed}-{name}.png"
            subprocess.run(["import", "-window", "root", str(shot)], check=False)
            print(f"  screenshot: {shot}", file=sys.stderr)

    def stop(self):
        if self.program.process and not self.program.ended():
            self.program.process.kill()
            self.program.process.wait()


def pdf_pages(pdf):
    info = run_tool("pdfinfo", str(pdf)).stdout or ""
    return next((int(line.split()[1]) for line in info.splitlines()
                 if line.startswith("Pages:")), 0)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--app", required=True)
    parser.add_argument("--events", type=int, required=True)
    parser.add_argument("--seed", type=int, required=True)
    parser.add_argument("--work", required=True)
    parser.add_argument("--lsan", required=True, help="LeakSanitizer's suppressions")
    parser.add_argument("--answer-within", type=float, default=1.0,
                        help="seconds the program has to answer a ping")
    parser.add_argument("--shot", type=int, default=0, help="a screenshot after this event")
    args = parser.parse_args()
    for tool in ("xdotool", "xclip", "unshare", "import"):
        if not shutil.which(tool):
            print(f"FAIL: '{tool}' is missing (scripts/install-deps installs it)", file=sys.stderr)
            return 1
    monkey = Monkey(args)
    if not monkey.sandbox.works():
        print("SKIPPED: no private mount namespace here, and random saves must not write "
              "outside the run's folder")
        return 77
    print(f"monkey: seed {args.seed}, {args.events} events")
    try:
        monkey.run()
    except Fault as fault:
        monkey.report_fault(fault)
        monkey.stop()
        return 1
    finally:
        monkey.stop()
    monkey.summary()
    return 0


if __name__ == "__main__":
    sys.exit(main())
