"""What a screen reader gets from the running program, read over AT-SPI while the keyboard goes
the way a blind child goes: intro, chooser, a level without remainder with a right answer, a
level with remainder with a refused check and a wrong answer checked with a held Enter, and the
information screen.

Started by accessible.sh once the program runs on a display with the accessibility bus.
"""

import re
import subprocess
import sys
import time

import atspi
from atspi import Atspi, focused, keys, tab_to, type_text, wait_focus

INTRO = "welkom bij rekenrups"
CHOOSER = "kies een oefening"
INFO = "over rekenrups: rekenrups stopt, tot ziens"
# The chooser's level buttons, top to bottom: each is named after its caption in words, and so is
# the exercise screen it opens.
LEVELS = [
    "rest is 0, tot 100 plus",
    "rest is 0, boven 100 plus",
    "deeltal tot 100, met rest",
    "deeltal van 100 tot 200",
    "deeltal van 200 tot 300",
    "deeltal van 300 tot 400",
    "deeltal van 400 tot 500, met rest",
    "deeltal tot 999, met rest",
]
TOTAL = "Totaal aantal juiste oefeningen:"
REFUSAL = "vul een getal in en klik opnieuw"
EXERCISE_CONTROLS = {"start", "stop", "controleren", "hulp stap 1", "hulp stap 2", "quotiënt", "rest"}
ADDRESS = "tobbelwerk.example"

failures = []


def check(condition, message):
    """Notes a failure and goes on, so that one run tells all that is wrong; each failure once."""
    if not condition and message not in failures:
        failures.append(message)
        print(f"FAIL: {message}", file=sys.stderr)
    return condition


def check_window(name, allowed=None, exactly=None):
    """Every showing object of the window that takes the focus has a name of its own there; with
    allowed, each name is one of those; with exactly, the names are just those."""
    win = atspi.window(name)
    focusable = [node for node in atspi.contents(win) if node.showing and node.focusable and not node.is_window]
    names = [node.name.strip() for node in focusable]
    for node in focusable:
        check(node.name.strip(), f"{name}: a {node.role} without a name")
    doubles = sorted({n for n in names if n and names.count(n) > 1})
    check(not doubles, f"{name}: more than one object named {doubles}")
    if allowed is not None:
        strangers = sorted({n for n in names if n and n not in allowed})
        check(not strangers, f"{name}: names not of this window: {strangers} (one of {sorted(allowed)} expected)")
    if exactly is not None:
        check(sorted(names) == sorted(exactly), f"{name}: named {sorted(names)}, not {sorted(exactly)}")
    if name == CHOOSER or name in LEVELS:
        check(win.role in ("frame", "dialog"), f"{name}: a {win.role}, not a window, to a screen reader")
    for node in atspi.contents(win):
        if node.showing and node.role == "progress bar":
            check(node.name.strip(), f"{name}: a progress bar without a name")
    return win


def check_pictures():
    """Pictures are decoration: none says anything, and the maker's address is read out only where
    a label shows it. Every window made so far is in the tree, shown or not."""
    for node in atspi.walk():
        where = f"{node.window!r}: {node}"
        if node.role in ("image", "icon"):
            check(not node.name and not node.description, f"a picture that speaks: {where}")
        elif any(ADDRESS in said for said in node.says()):
            shown = node.showing and node.role in ("label", "status bar", "text") and ADDRESS not in node.description
            check(shown, f"the maker's address where nobody sees it: {where}")


def check_answer_hidden(name, quotient, rest, product):
    """The labels that hold the answer for the program's own use are not read out: no object of
    the window that is not showing says the quotient, the remainder or the product."""
    answers = {str(quotient), str(rest), str(product)}
    for node in atspi.contents(atspi.window(name)):
        if not node.showing:
            said = {text.strip() for text in node.says()} & answers
            check(not said, f"{name}: a hidden {node.role} says {sorted(said)} of the answer")


def start(name):
    """Presses start; returns the division (dividend, divisor, quotient, remainder) once the
    quotient box has the focus."""
    tab_to("start")
    keys("Return")
    box = wait_focus(lambda node: node.name == "quotiënt", what="the quotient box after start")
    dividend, divisor = atspi.division(atspi.window(name))
    check(
        re.search(rf"\b{dividend}\b.*\b{divisor}\b", box.description),
        f"{name}: after start the quotient box describes {box.description!r}, not {dividend} gedeeld door {divisor}",
    )
    quotient, rest = divmod(dividend, divisor)
    check_answer_hidden(name, quotient, rest, quotient * divisor)
    return dividend, divisor, quotient, rest


def rest_box(name):
    boxes = [node.text for node in atspi.contents(atspi.window(name)) if node.role == "text" and node.name == "rest"]
    return boxes[0] if len(boxes) == 1 else boxes


def help_step_1(name, dividend):
    """Help step 1 brings the focus back to the quotient box, which then tells the split."""
    tab_to("hulp stap 1")
    keys("Return")
    box = wait_focus(lambda node: node.name == "quotiënt" and node.description.startswith(f"{dividend} is"), required=False)
    if not check(box and box.name == "quotiënt", f"{name}: after help step 1 the focus is on {box}, not on the quotient box"):
        tab_to("quotiënt")
    else:
        check(box.description.startswith(f"{dividend} is"), f"{name}: after help step 1 the quotient box tells {box.description!r}, not the split of {dividend}")


def read_whole(name, box, typed):
    """A filled box reads back all it holds, in one run of text attributes."""
    text = box.accessible
    run = Atspi.Text.get_attribute_run(text, 1, False)
    check(
        box.text == typed and (run.start_offset, run.end_offset) == (0, len(typed)),
        f"{name}: the box holding {typed!r} reads back {box.text!r} in a run {run.start_offset}..{run.end_offset}",
    )


def refuse(name, quotient):
    """Letters in the rest box: the check is refused, and the rest box says why as the focus lands."""
    type_text(str(quotient))
    tab_to("rest")
    type_text("x")
    tab_to("controleren")
    keys("Return")
    box = wait_focus(lambda node: node.name == "rest", what="the rest box after a refused check")
    check(REFUSAL in box.description, f"{name}: the refused rest box says {box.description!r}")
    tab_to("quotiënt")
    read_whole(name, focused(), str(quotient))
    keys("ctrl+a", "BackSpace")


def hold_return(seconds=2.5):
    """Holds Enter down as a child may, long enough for the key to repeat."""
    subprocess.run(["xdotool", "keydown", "Return"], check=True)
    time.sleep(seconds)
    subprocess.run(["xdotool", "keyup", "Return"], check=True)


def answer(quotient, rest=None, hold=False):
    """Types the quotient (and the remainder, when given) and checks, with Enter held down when
    hold; returns what the control that then has the focus says."""
    type_text(str(quotient))
    if rest is not None:
        tab_to("rest")
        keys("ctrl+a", "BackSpace")
        type_text(str(rest))
    tab_to("controleren")
    hold_return() if hold else keys("Return")
    node = wait_focus(lambda node: re.search(r"\b(goed|fout)\b", f"{node.name} {node.description}"), required=False)
    return f"{node.name} {node.description}" if node else ""


def main():
    atspi.window(INTRO, 15)
    check_window(INTRO, allowed={"Klik hier en start !"})
    keys("Return")

    check_window(CHOOSER, exactly=LEVELS + ["stoppen"])
    wait_focus(lambda node: node.name == LEVELS[0], what=f"the focus on {LEVELS[0]!r} in the chooser")
    keys("Return")

    # No remainder: the rest box is filled in with 0; help step 1 splits the dividend (the
    # quotient has tens on this level); a right answer.
    level = LEVELS[0]
    check_window(level, allowed=EXERCISE_CONTROLS)
    dividend, _, quotient, _ = start(level)
    check(rest_box(level) == "0", f"{level}: the rest box holds {rest_box(level)!r}, not '0'")
    help_step_1(level, dividend)
    right = answer(quotient)
    check(re.search(r"\bgoed\b", right) and not re.search(r"\bfout\b", right), f"{level}: after a right answer the focus says {right!r}")
    check_window(level, allowed=EXERCISE_CONTROLS)
    tab_to("stop")
    keys("Return")

    # With remainder: the rest box starts empty; a refused check, then a wrong answer checked with
    # Enter held down, which presses the check button only.
    check_window(CHOOSER, exactly=LEVELS + ["stoppen"])
    arrived = wait_focus(lambda node: TOTAL in node.description, what="the total on arriving at the chooser", required=False)
    check(arrived and f"{TOTAL} 1" in arrived.description, f"arriving at the chooser the focus says {arrived}, not the total 1")
    level = LEVELS[2]
    tab_to(level)
    keys("Return")
    check_window(level, allowed=EXERCISE_CONTROLS)
    _, _, quotient, rest = start(level)
    check(rest_box(level) == "", f"{level}: the rest box holds {rest_box(level)!r}, not nothing")
    refuse(level, quotient + 1)
    wrong = answer(quotient + 1, rest, hold=True)
    check("fout" in wrong, f"{level}: after a wrong answer the focus says {wrong!r}")
    held = focused()
    check(held and held.window == level, f"a held Enter went on past the check: the focus is on {held}")
    check(wrong != right, "a right and a wrong answer are told alike")
    tab_to("stop")
    keys("Return")

    check_window(CHOOSER, exactly=LEVELS + ["stoppen"])
    tab_to("stoppen")
    keys("Return")
    check_window(INFO)
    check_pictures()

    if failures:
        raise SystemExit(f"FAIL: {len(failures)} checks failed")
    print(f"right answer: {right!r}")
    print(f"wrong answer: {wrong!r}")


if __name__ == "__main__":
    main()
