"""The running program as a screen reader sees it: its accessible tree over AT-SPI, and the keys
that xdotool types into it.

Imported by the accessibility test and usable from the shell:

    atspi.py wait-window NAME [SECONDS]   waits for a showing window with that accessible name
    atspi.py focused                      prints the focused object's name, then its description
    atspi.py division [WINDOW]            prints the dividend and the divisor shown (in WINDOW)
    atspi.py tab-to NAME                  presses Tab until the object named NAME has the focus
    atspi.py dump                         prints the whole tree, for looking at

Run with Debian's own python3 (/usr/bin/python3), which has the gi bindings.
"""

import re
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

APPLICATION = "rekenrups"
WINDOW_ROLES = {"frame", "dialog", "window", "internal frame"}


class Node:
    """One accessible object, read once: what it says and its state when it was read."""

    def __init__(self, accessible, window):
        self.accessible = accessible
        self.window = window
        self.role = accessible.get_role_name()
        self.name = accessible.get_name() or ""
        self.description = accessible.get_description() or ""
        states = accessible.get_state_set()
        self.showing = states.contains(Atspi.StateType.SHOWING)
        self.focusable = states.contains(Atspi.StateType.FOCUSABLE)
        self.focused = states.contains(Atspi.StateType.FOCUSED)
        self.is_window = False
        self.text = ""
        if "Text" in accessible.get_interfaces():
            self.text = Atspi.Text.get_text(accessible, 0, -1) or ""

    def says(self):
        """Everything a screen reader could read out of this object."""
        return [self.name, self.description, self.text]

    def __str__(self):
        flags = ("s" if self.showing else "-") + ("f" if self.focusable else "-") + ("F" if self.focused else "-")
        return f"{self.role} [{flags}] name={self.name!r} description={self.description!r} text={self.text!r}"


def application(seconds=10):
    """The program's accessible application, once it has registered."""
    deadline = time.monotonic() + seconds
    while True:
        desktop = Atspi.get_desktop(0)
        for index in range(desktop.get_child_count()):
            child = desktop.get_child_at_index(index)
            try:
                if child is not None and child.get_name() == APPLICATION:
                    return child
            except GLib.Error:
                pass
        if time.monotonic() > deadline:
            raise SystemExit(f"FAIL: no accessible application named {APPLICATION!r} on the AT-SPI bus")
        time.sleep(0.2)


def walk(accessible=None, window=None, showing_only=False, top=False):
    """Every object under accessible (the whole program by default), each with the name of the
    window it belongs to: the nearest frame, dialog or window above it, or the top-level window
    (whatever role the toolkit gives it)."""
    if accessible is None:
        accessible = application()
    try:
        node = Node(accessible, window)
    except GLib.Error:
        return  # gone while we looked
    application_node = node.role == "application"
    if showing_only and not node.showing and not application_node:
        return
    node.is_window = top or node.role in WINDOW_ROLES
    if node.is_window:
        window = node.name
        node.window = window
    yield node
    for index in range(accessible.get_child_count()):
        child = accessible.get_child_at_index(index)
        if child is not None:
            yield from walk(child, window, showing_only, top=application_node)


def windows(showing_only=True):
    return [node for node in walk(showing_only=showing_only) if node.is_window]


# The roles a window's name may sit on: the window itself, or the form that fills it (a document
# window inside the main window is a frame around the form).
CONTAINER_ROLES = WINDOW_ROLES | {"filler", "panel"}


def window(name, seconds=10):
    """The showing window with that accessible name, waited for."""
    deadline = time.monotonic() + seconds
    while True:
        found = [node for node in walk(showing_only=True) if node.name == name and (node.is_window or node.role in CONTAINER_ROLES)]
        if found:
            return found[-1]
        if time.monotonic() > deadline:
            shown = ", ".join(repr(node.name) for node in windows())
            raise SystemExit(f"FAIL: no showing window named {name!r} (showing: {shown})")
        time.sleep(0.2)


def contents(win):
    """The objects inside window win (a Node), itself left out, inner windows left in."""
    return [node for node in walk(win.accessible, win.name) if node.accessible != win.accessible]


def focused():
    """The object that has the keyboard focus, among the showing ones; None if none has."""
    found = [node for node in walk(showing_only=True) if node.focused and not node.is_window]
    return found[-1] if found else None


def wait_focus(predicate, seconds=5, what="the focus to move", required=True):
    """The focused object once predicate holds for it; when it does not in time, the end of the
    run if required, else the focused object as it is."""
    deadline = time.monotonic() + seconds
    while True:
        node = focused()
        if node is not None and predicate(node):
            return node
        if time.monotonic() > deadline:
            if required:
                raise SystemExit(f"FAIL: waited {seconds} s for {what}; the focus is on {node}")
            return node
        time.sleep(0.1)


def keys(*names):
    """Presses the keys named, as xdotool names them, on the active window."""
    subprocess.run(["xdotool", "key", "--clearmodifiers", "--delay", "60", *names], check=True)


def type_text(text):
    subprocess.run(["xdotool", "type", "--clearmodifiers", "--delay", "60", text], check=True)


def tab_to(name, presses=20):
    """Presses Tab until the object named name has the focus, as a child would go round."""
    node = focused()
    for _ in range(presses):
        if node is not None and node.name == name:
            return node
        keys("Tab")
        before = node
        # the next object, once the focus has got there (a window of one control keeps it)
        node = wait_focus(lambda now: before is None or now.accessible != before.accessible, seconds=1, required=False)
    raise SystemExit(f"FAIL: {presses} presses of Tab never brought the focus to {name!r}; it is on {focused()}")


def division(win=None):
    """The dividend and divisor that window win (a Node; any showing window by default) shows,
    from its labels 'deeltal N' and 'deler M'."""
    numbers = {}
    for node in contents(win) if win else walk(showing_only=True):
        match = re.fullmatch(r"(deeltal|deler) (\d+)", node.name)
        if match and node.showing:
            numbers[match[1]] = int(match[2])
    if set(numbers) != {"deeltal", "deler"}:
        where = repr(win.name) if win else "no showing window"
        raise SystemExit(f"FAIL: {where} shows no labels 'deeltal N' and 'deler M' (found {numbers})")
    return numbers["deeltal"], numbers["deler"]


def main(argv):
    command, args = (argv[1], argv[2:]) if len(argv) > 1 else ("", [])
    if command == "wait-window" and len(args) in (1, 2):
        window(args[0], float(args[1]) if len(args) == 2 else 10)
    elif command == "focused" and not args:
        node = focused()
        if node is None:
            raise SystemExit("FAIL: nothing has the focus")
        print(node.name)
        print(node.description)
    elif command == "division" and len(args) <= 1:
        print(*division(window(args[0]) if args else None))
    elif command == "tab-to" and len(args) == 1:
        tab_to(args[0])
    elif command == "dump" and not args:
        for node in walk():
            print(f"{node.window!r}: {node}")
    else:
        raise SystemExit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
