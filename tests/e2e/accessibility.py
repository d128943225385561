#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Tintwell Software
# SPDX-License-Identifier: LicenseRef-proprietary
"""Every window of Tintwell as a screen reader finds it on the accessibility
bus, reached with the keyboard alone.

Run inside a private session D-Bus under a private X server (accessibility.sh
sets both up): starts the accessibility bus and the program, then mixes a
colour, views it, prints, saves, reads the help and the about window and
exits, pressing keys only. Each window is checked against WINDOWS: its role
and name, the controls a person must find in it, and that nothing a person
can reach with Tab is left without a name.
"""

import os
import subprocess
import sys
import time
from dataclasses import dataclass, field

APP, WORK = sys.argv[1], sys.argv[2]
TIMEOUT = 15  # seconds to wait for anything a person would notice
SKIPPED = 77

# The session bus starts the accessibility bus on the first request for it;
# reading it (importing pyatspi) waits for it, so first make sure it can start.
bus = subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                      "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
                     capture_output=True, text=True, timeout=TIMEOUT, check=False)
if bus.returncode != 0:
    print(f"SKIPPED: accessibility: the accessibility bus did not start: {bus.stderr.strip()}")
    sys.exit(SKIPPED)

# pylint: disable=wrong-import-position
import pyatspi  # noqa: E402
from pyatspi import (ROLE_ALERT, ROLE_COMBO_BOX, ROLE_DIALOG, ROLE_FRAME, ROLE_IMAGE,  # noqa: E402
                     ROLE_LINK, ROLE_PUSH_BUTTON, ROLE_SCROLL_BAR, ROLE_TEXT, ROLE_TOOL_BAR)


@dataclass
class Window:
    role: int
    name: str
    # (role, what a screen reader says for it) of controls that must be there
    controls: list = field(default_factory=list)


WINDOWS = {
    "main": Window(ROLE_FRAME, "Tintwell . . .", [
        (ROLE_IMAGE, "Color sample"),
        *[(ROLE_SCROLL_BAR, c) for c in ("Red", "Green", "Blue")],
        *[(ROLE_TEXT, c + " amount") for c in ("Red", "Green", "Blue")],
        (ROLE_COMBO_BOX, "Basic Colors:"),
        (ROLE_PUSH_BUTTON, "View Color (F2)"),
        (ROLE_PUSH_BUTTON, "Help (F1)"),
        (ROLE_PUSH_BUTTON, "Exit (F3)"),
    ]),
    "print size": Window(ROLE_DIALOG, "Print Size", [
        (ROLE_COMBO_BOX, "Height"),
        (ROLE_COMBO_BOX, "Width"),
        (ROLE_PUSH_BUTTON, "OK"),
    ]),
    "preview": Window(ROLE_FRAME, "Preview Color", [
        (ROLE_IMAGE, "Swatch, red 255, green 52, blue 0"),
        (ROLE_TOOL_BAR, ""),
        *[(ROLE_PUSH_BUTTON, b) for b in
          ("Exit", "Reset Color", "Resize Sample", "Print", "Refresh", "Save")],
    ]),
    "help": Window(ROLE_DIALOG, "Tintwell  HELP", [
        (ROLE_TEXT, "Instructions"),
        (ROLE_PUSH_BUTTON, "Close"),
    ]),
    "about": Window(ROLE_DIALOG, "About Tintwell...", [
        (ROLE_IMAGE, "Program icon"),
        (ROLE_TEXT, "Disclaimer"),
        (ROLE_LINK, "Send Mail"),
        (ROLE_LINK, "Web Site"),
        (ROLE_PUSH_BUTTON, "OK"),
    ]),
}

step = "start"
program = None


def fail(message):
    print(f"FAIL: accessibility: {step}: {message}", file=sys.stderr)
    window = active_window()
    if window is not None:
        print("The active window as the bus shows it:", file=sys.stderr)
        dump(window, 1)
    elif program is not None:
        print("No window is active; the program's windows:", file=sys.stderr)
        for window in children(program):
            print(f"  {window.getRoleName()} '{window.name}'", file=sys.stderr)
    sys.exit(1)


def dump(node, depth):
    print("  " * depth + f"{node.getRoleName()} '{spoken(node)}'", file=sys.stderr)
    for child in children(node):
        dump(child, depth + 1)


def refresh():
    """Forgets what the bus said before: states and names are read anew."""
    if program is not None:
        program.clear_cache()


def wait_for(what, probe):
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        refresh()
        result = probe()
        if result:
            return result
        time.sleep(0.1)
    fail(f"{what() if callable(what) else what} after {TIMEOUT} s")


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "60", *names], check=True)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "20", text], check=True)


def children(node):
    try:
        return [c for c in node if c is not None]
    except Exception:  # the object went away while being read
        return []


def walk(node):
    yield node
    if node.getRole() != ROLE_COMBO_BOX:  # a closed list's items are not on the screen
        for child in children(node):
            yield from walk(child)


def spoken(node):
    """What a screen reader says for the object: its name, or for a list that
    shows only its value, the caption of the label that names it."""
    if node.getRole() == ROLE_COMBO_BOX:
        for relation in node.getRelationSet():
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
                return relation.getTarget(0).name
    return node.name


def has_state(node, state):
    try:
        return node.getState().contains(state)
    except Exception:
        return False


def active_window():
    if program is None:
        return None
    return next((w for w in children(program) if has_state(w, pyatspi.STATE_ACTIVE)), None)


def find(window, role, name):
    return next((n for n in walk(window) if n.getRole() == role and spoken(n) == name), None)


def reach(key, role, name):
    """Presses Tab (or the given key) until the focus is on the control."""
    window = active_window()
    for _ in range(20):
        keys(key)
        time.sleep(0.15)
        refresh()
        # A closed drop-down list still shows its current item as focused.
        node = next((n for n in walk(window) if has_state(n, pyatspi.STATE_FOCUSED)
                     and n.getRole() == role and spoken(n) == name), None)
        if node is not None:
            return node
    fail(f"{key} never brought the focus to the {pyatspi.Role(role)} '{name}'")


def window_shown(key, role=None, name=None):
    """Waits until the program's active window is the one in WINDOWS (or of
    the given role and name) and checks it."""
    global step
    step = key
    want = WINDOWS.get(key) or Window(role, name)
    window = wait_for(f"no active {pyatspi.Role(want.role)} '{want.name}'",
                      lambda: (w := active_window()) is not None and w.getRole() == want.role
                      and w.name == want.name and w)

    def missing():
        return [f"{pyatspi.Role(role)} '{name}'" for role, name in want.controls
                if find(window, role, name) is None]
    # A window's controls reach the bus a moment after the window itself.
    wait_for(lambda: f"the window lacks {missing()}", lambda: not missing())
    # Qt's own file dialog is left to Qt; the program's windows name everything.
    for node in walk(window) if key in WINDOWS else []:
        if has_state(node, pyatspi.STATE_FOCUSABLE) and has_state(node, pyatspi.STATE_SHOWING) \
                and not spoken(node):
            fail(f"a {node.getRoleName()} that Tab reaches has no name")
    return window


def value(window, name):
    return find(window, ROLE_SCROLL_BAR, name).queryValue().currentValue


def text(window, role, name):
    return find(window, role, name).queryText().getText(0, -1)


def expect_channels(window, red, green, blue, route):
    def channels():
        return [(value(window, c), text(window, ROLE_TEXT, c + " amount"))
                for c in ("Red", "Green", "Blue")]
    want = [(float(v), str(v)) for v in (red, green, blue)]
    wait_for(lambda: f"{route}: the channels read {channels()}, not {want}",
             lambda: channels() == want)


def start():
    global program
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    app = subprocess.Popen([APP], env=env, cwd=WORK)
    desktop = pyatspi.Registry.getDesktop(0)
    program = wait_for("the program is not on the accessibility bus",
                       lambda: next((a for a in children(desktop) if a.name == "tintwell"), None))
    return app


def mix(main):
    reach("Tab", ROLE_COMBO_BOX, "Basic Colors:")
    type_text("Red")
    expect_channels(main, 255, 0, 0, "Red picked from the basic colours")
    reach("Tab", ROLE_TEXT, "Green amount")  # its text selected, as Tab leaves it
    type_text("51")
    expect_channels(main, 255, 51, 0, "51 typed in the green box")
    reach("Tab", ROLE_SCROLL_BAR, "Green")
    keys("Right")
    expect_channels(main, 255, 52, 0, "Right on the green scroll bar")


def preview_print_save():
    keys("F2")
    window_shown("print size")
    keys("Return")
    preview = window_shown("preview")
    reach("Tab", ROLE_PUSH_BUTTON, "Print")
    keys("space")
    # A question when a printer is there, else the reason why not: either way
    # an alert whose message is read out.
    alert = wait_for("no alert after Print", lambda: (w := active_window()) is not None
                     and w.getRole() in (ROLE_ALERT, ROLE_DIALOG) and w)
    message = " ".join(n.name for n in walk(alert) if n.getRoleName() == "label")
    if alert.getRole() != ROLE_ALERT or len(message) < 10:
        fail(f"the message box is a {alert.getRoleName()} reading '{message}'")
    keys("Escape")
    window_shown("preview")

    reach("Tab", ROLE_PUSH_BUTTON, "Save")
    keys("space")
    window_shown("save dialog", ROLE_DIALOG, "Select File To Save To ...")
    type_text(os.path.join(WORK, "red.bmp"))
    keys("Return")
    wait_for("the preview's caption does not show the saved file",
             lambda: preview.name == "red.bmp")
    with open(os.path.join(WORK, "red.bmp"), "rb") as saved:
        if saved.read(2) != b"BM":
            fail("red.bmp holds no BMP picture")
    reach("Tab", ROLE_PUSH_BUTTON, "Reset Color")
    keys("space")


def help_and_about():
    keys("F1")
    help_window = window_shown("help")
    if "Esc" not in text(help_window, ROLE_TEXT, "Instructions"):
        fail("the instructions cannot be read")
    keys("Escape")
    window_shown("main")

    keys("alt+h", "a")
    about = window_shown("about")
    if "16 million colors" not in text(about, ROLE_TEXT, "Disclaimer"):
        fail("the disclaimer cannot be read")
    reach("Tab", ROLE_LINK, "Web Site")
    keys("Return")
    opened = os.path.join(WORK, "opened.txt")
    wait_for("Enter on the link opened nothing", lambda: os.path.exists(opened))
    with open(opened, encoding="utf-8") as addresses:
        if addresses.read().split() != ["http://www.tintwell.example/"]:
            fail("Enter on 'Web Site' did not open the web site alone")
    keys("Escape")
    window_shown("main")


def main():
    global step
    app = start()
    try:
        mix(window_shown("main"))
        preview_print_save()
        window_shown("main")
        help_and_about()
        step = "exit"
        keys("F3")
        if app.wait(TIMEOUT) != 0:
            fail(f"the program ended with status {app.returncode}")
    finally:
        if app.poll() is None:
            app.kill()
    print("every window and control is named on the accessibility bus")


main()
