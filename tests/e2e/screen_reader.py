#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Tintwell Software
# SPDX-License-Identifier: LicenseRef-proprietary
"""What Orca says while a person walks through Tintwell with the keyboard.

Run inside a private session D-Bus under a private X server, with a private
HOME and a default printer (screen_reader.sh sets them up): starts the
accessibility bus, Orca and the program, then presses the keys of each step
in WALK and waits until Orca has said each of the step's phrases. Orca writes
what it would say to its debug log ("SPEECH OUTPUT: '...'"); a stand-in for
its speech-server module keeps it from waiting for a server that can play
sound.
"""

import os
import re
import subprocess
import sys
import time

APP, WORK = sys.argv[1], sys.argv[2]
TIMEOUT = 8  # seconds for Orca to say what a step brings
SKIPPED = 77
LOG = os.path.join(WORK, "orca-debug.log")
SAID = re.compile(r"SPEECH OUTPUT: '(.*?)' ?\{")

ALT_H = ["keydown alt", "key h", "keyup alt"]  # slowly: Orca watches the keys too

# (what the person does, keys, what Orca must say after them: whole
# utterances), in order.
WALK = [
    ("the program starts", [],
     ["Tintwell . . . frame.", "Red amount text.", "0 selected."]),
    ("Tab to the green box", ["Tab"], ["Green amount text.", "255 selected."]),
    ("Tab to the blue box", ["Tab"], ["Blue amount text.", "255 selected."]),
    ("Tab to the red scroll bar", ["Tab"], ["Red scroll bar 0."]),
    ("Right on it", ["Right"], ["1"]),
    ("View Color", ["F2"], ["Print Size dialog Pick how large you want to print your color?",
                           "Height combo box.", "2."]),
    ("Down in the height list", ["Down"], ["3."]),
    ("Tab to the width list", ["Tab"], ["Width combo box.", "2."]),
    ("Up in it", ["Up"], ["1."]),
    ("Enter takes the size", ["Return"], ["Preview Color frame.", "Exit push button."]),
    ("Tab along the toolbar", ["Tab"], ["Reset Color push button."]),
    ("Tab to Print", ["Tab", "Tab"], ["Print push button."]),
    ("Space on Print", ["space"], ["alert PRINT NOW?", "Do You Want To Print This Color.",
                                   "Yes push button."]),
    ("No printing", ["Escape"], ["Preview Color frame."]),
    ("back to Reset Color", ["shift+Tab", "shift+Tab"],
     ["Reset Color push button."]),
    ("Reset Color", ["space"], ["Tintwell . . . frame.", "Red scroll bar 1."]),
    ("the instructions", ["F1"], ["Tintwell  HELP dialog.", "Instructions read only text.",
                                  "You can get rid of this screen by pushing the Esc Key."]),
    ("Esc puts them away", ["Escape"], ["Tintwell . . . frame."]),
    ("About", [*ALT_H, "key a"], ["About Tintwell... dialog Tintwell Version 0.5 Created by "
                                  "Tintwell Software All Rights Reserved 2024-"
                                  f"{time.localtime().tm_year}.", "OK push button.", "Close."]),
    ("Esc closes it", ["Escape"], ["Tintwell . . . frame."]),
]


def skip(reason):
    print(f"SKIPPED: screen_reader: {reason}")
    sys.exit(SKIPPED)


def said():
    try:
        with open(LOG, encoding="utf-8", errors="replace") as log:
            return SAID.findall(log.read())
    except FileNotFoundError:
        return []


def wait_said(phrases, since, timeout=TIMEOUT, speaker=None):
    """Waits until each phrase has been said since the mark (or the speaking
    process has ended)."""
    deadline = time.monotonic() + timeout
    while True:
        heard = said()[since:]
        missing = [p for p in phrases if p not in heard]
        if not missing or time.monotonic() > deadline or \
                (speaker is not None and speaker.poll() is not None):
            return missing, heard
        time.sleep(0.1)


def stand_in_speech_server():
    """A module 'speechd' that fails to import, as where no speech server is
    installed; it also has Orca write its log line by line, to be read as
    it is written."""
    folder = os.path.join(WORK, "no-speech-server")
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "speechd.py"), "w", encoding="utf-8") as module:
        module.write("from orca import debug\n"
                     "if debug.debugFile:\n"
                     "    debug.debugFile.reconfigure(line_buffering=True)\n"
                     "raise ImportError('no speech server in this test')\n")
    return folder


def start_orca():
    """Starts Orca; only one runs for a user at a time, so while another one
    (another test's) runs, tries again for a while."""
    prefs = os.path.join(WORK, "orca-prefs")
    os.makedirs(prefs, exist_ok=True)
    env = dict(os.environ, PYTHONPATH=stand_in_speech_server(), GSETTINGS_BACKEND="memory")
    deadline = time.monotonic() + 20
    with open(os.path.join(WORK, "orca.out"), "w+", encoding="utf-8") as out:
        while True:
            out.truncate(0)
            orca = subprocess.Popen(["orca", f"--debug-file={LOG}", f"--user-prefs={prefs}"],
                                    env=env, stdout=out, stderr=subprocess.STDOUT)
            missing, _ = wait_said(["Screen reader on."], 0, timeout=20, speaker=orca)
            if not missing:
                return orca
            orca.kill()
            orca.wait()
            if time.monotonic() > deadline:
                out.seek(0)
                skip(f"Orca did not start: {out.read().strip() or 'it said nothing'}")
            time.sleep(1)


def press(keys):
    for key in keys:
        words = key.split(" ", 1) if " " in key else ["key", key]
        subprocess.run(["xdotool", *words], check=True)
        time.sleep(0.15)


def walk():
    app = subprocess.Popen([APP], env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"),
                           cwd=WORK)
    try:
        for what, keys, phrases in WALK:
            mark = len(said())
            press(keys)
            missing, heard = wait_said(phrases, mark)
            if missing:
                print(f"FAIL: screen_reader: {what} ({' '.join(keys)}): Orca did not say "
                      f"{missing}; it said {heard}", file=sys.stderr)
                sys.exit(1)
        press(["F3"])
        if app.wait(TIMEOUT) != 0:
            print(f"FAIL: screen_reader: the program ended with status {app.returncode}",
                  file=sys.stderr)
            sys.exit(1)
    finally:
        if app.poll() is None:
            app.kill()


def main():
    # The session bus starts the accessibility bus on the first request for it.
    bus = subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                          "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
                         capture_output=True, text=True, timeout=15, check=False)
    if bus.returncode != 0:
        skip(f"the accessibility bus did not start: {bus.stderr.strip()}")
    orca = start_orca()
    try:
        walk()
    finally:
        orca.terminate()
        try:
            orca.wait(5)
        except subprocess.TimeoutExpired:
            orca.kill()
    print("Orca says every step's phrases")


main()
