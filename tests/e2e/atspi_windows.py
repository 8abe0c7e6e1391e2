"""What a screen reader finds in the program's windows, read over AT-SPI as Orca reads it.

Waits for the running program's main window, opens its translator panel by the "Translator:"
button's action (as a screen reader user would) and checks the controls on screen: every button
has a name of its own, the two translator fields are told apart, no text arrives garbled, and the
window's internal helper controls are nowhere in the tree. Then every window is opened by name, as
a second start of the program does ("ortelia --window NAME"), and each is checked as it shows: it
is a frame or a dialog with a name; nothing is reported as showing that lies outside its window
or inside something hidden; and Tab, pressed in the window, stays on controls that show. Exits 1
with the faults found.
"""

import subprocess
import sys
import time

import pyatspi

WAIT_SECONDS = 120
HELPER_CAPTIONS = {"Welcher OptionButton ist gewählt?", "uhrdatum", "EINF", "speicherZ"}
WINDOWS = ["hilfe1", "TextUeberA", "Speaking", "supertrans1", "worter1", "arabisch1", "Logox4", "up1",
           "zeit"]
TAB_PRESSES = 12

faults = []


def wait_for(what, find, seconds=WAIT_SECONDS):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            found = find()
        except Exception:  # the tree changes while it is read: read it again
            found = None
        if found:
            return found
        time.sleep(0.5)
    sys.exit(f"FAIL: no {what} within {seconds} s")


def nodes(node):
    yield node
    for child in node:
        if child is not None:
            yield from nodes(child)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def extents(node):
    return node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)


def program():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Ortelia":
            return app
    return None


def shown_windows(app):
    return [window for window in app if window is not None and showing(window)]


def main_window():
    app = program()
    for window in shown_windows(app) if app else []:
        if window.name == "Ortelia Zuzadivi Zeverovazur":
            return app, window
    return None


def named(window, role, name):
    for node in nodes(window):
        if node.getRoleName() == role and node.name == name and showing(node):
            return node
    return None


def inside(inner, outer):
    return (inner.x >= outer.x and inner.y >= outer.y and inner.x + inner.width <= outer.x + outer.width
            and inner.y + inner.height <= outer.y + outer.height)


def describe(node):
    at = extents(node)
    return f"{node.getRoleName()} {node.name!r} at {at.x},{at.y} ({at.width}x{at.height})"


def check_window(window):
    """Role, name and what shows; returns the controls that take the focus."""
    title = window.name
    if window.getRoleName() not in ("frame", "dialog"):
        faults.append(f"{title!r} is a {window.getRoleName()} to screen readers, not a frame")
    if not title.strip():
        faults.append(f"a window without a name: {describe(window)}")
    frame = extents(window)
    focusable = []

    def walk(node, parent_shows):
        for child in node:
            if child is None:
                continue
            shows = showing(child)
            if shows and not parent_shows:
                faults.append(f"{title!r}: {describe(child)} shows inside something hidden")
            elif shows and not inside(extents(child), frame):
                faults.append(f"{title!r}: {describe(child)} shows outside its window")
            if shows and child.getRoleName() == "push button" and not child.name.strip():
                faults.append(f"{title!r}: the button {describe(child)} has no name")
            if shows and child.getState().contains(pyatspi.STATE_FOCUSABLE):
                focusable.append(child)
            walk(child, shows and parent_shows)

    walk(window, True)
    return focusable


def check_tab_walk(window, focusable):
    """Tab, pressed in the window, lands on controls of it that show."""
    title = window.name
    pattern = "".join("\\" + c if c in ".[]()*+?{}|^$\\" else c for c in title)
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{pattern}$"],
                           capture_output=True, text=True).stdout.split()
    if not found:
        faults.append(f"{title!r}: no X window of that name for the Tab walk")
        return
    subprocess.run(["xdotool", "windowfocus", "--sync", found[0]], check=False)
    time.sleep(0.5)
    frame = extents(window)
    reached = set()
    for _ in range(TAB_PRESSES):
        subprocess.run(["xdotool", "key", "Tab"], check=False)
        time.sleep(0.3)
        for node in focusable:
            try:
                focused = node.getState().contains(pyatspi.STATE_FOCUSED)
            except Exception:
                continue
            if not focused:
                continue
            reached.add(describe(node))
            if not showing(node) or not inside(extents(node), frame):
                faults.append(f"{title!r}: Tab reached {describe(node)}, which does not show")
    if not reached:
        faults.append(f"{title!r}: Tab reached no control")
    print(f"{title!r}: Tab reached {len(reached)} controls")


# ---- the main window, as a screen reader user starts ----

app, window = wait_for("main window", main_window)
translator = named(window, "push button", "Translator:")
if translator is None:
    sys.exit("FAIL: no button \"Translator:\" in the main window")
translator.queryAction().doAction(0)
panel = wait_for("translator panel", lambda: named(window, "panel", "[ Translator:]"))

for node in nodes(window):
    if not showing(node):
        continue
    role = node.getRoleName()
    if role == "push button" and node.name == panel.name:
        faults.append(f"the button {describe(node)} is named after its panel")
    for text in (node.name, node.description):
        if "Ã" in text:
            faults.append(f"garbled text in a {role}: {text!r}")

fields = [node.name for node in nodes(panel) if node.getRoleName() == "text" and showing(node)]
if len(fields) != 2 or len(set(fields)) != 2 or panel.name in fields or "" in fields:
    faults.append(f"the translator fields are not told apart: {fields}")

exposed = {node.name for node in nodes(app)} & HELPER_CAPTIONS
if exposed:
    faults.append(f"internal helper controls exposed: {sorted(exposed)}")

check_tab_walk(window, check_window(window))

# ---- every other window, opened by name ----

for name in WINDOWS:
    before = {w.name for w in shown_windows(app)}
    subprocess.run(["./ortelia", "--window", name], check=False, capture_output=True)
    new = wait_for(f"window {name}", lambda: [w for w in shown_windows(app) if w.name not in before], 30)
    time.sleep(1)  # the window's own start (pages, lists) settles
    for opened in new:
        check_tab_walk(opened, check_window(opened))

for fault in faults:
    print("FAIL:", fault)
sys.exit(1 if faults else 0)
