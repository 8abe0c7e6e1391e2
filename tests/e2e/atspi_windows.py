"""What a screen reader finds in the main window, read over AT-SPI as Orca reads it.

Waits for the running program's main window, opens its translator panel by the "Translator:"
button's action (as a screen reader user would), then checks the controls on screen: every button
has a name of its own, the two translator fields are told apart, no text arrives garbled, and the
window's internal helper controls are nowhere in the tree. Exits 1 with the faults found.
"""

import sys
import time

import pyatspi

WAIT_SECONDS = 120
HELPER_CAPTIONS = {"Welcher OptionButton ist gewählt?", "uhrdatum", "EINF", "speicherZ"}


def wait_for(what, find):
    deadline = time.monotonic() + WAIT_SECONDS
    while time.monotonic() < deadline:
        try:
            found = find()
        except Exception:  # the tree changes while it is read: read it again
            found = None
        if found is not None:
            return found
        time.sleep(0.5)
    sys.exit(f"FAIL: no {what} within {WAIT_SECONDS} s")


def nodes(node):
    yield node
    for child in node:
        if child is not None:
            yield from nodes(child)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def main_window():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Ortelia":
            for window in app:
                if window is not None and window.name == "Ortelia Zuzadivi Zeverovazur" and showing(window):
                    return app, window
    return None


def named(window, role, name):
    for node in nodes(window):
        if node.getRoleName() == role and node.name == name and showing(node):
            return node
    return None


app, window = wait_for("main window", main_window)
if window.getRoleName() != "frame":
    sys.exit(f"FAIL: the main window is a {window.getRoleName()} to screen readers, not a frame")
translator = named(window, "push button", "Translator:")
if translator is None:
    sys.exit("FAIL: no button \"Translator:\" in the main window")
translator.queryAction().doAction(0)
panel = wait_for("translator panel", lambda: named(window, "panel", "[ Translator:]"))

faults = []
for node in nodes(window):
    if not showing(node):
        continue
    role = node.getRoleName()
    if role == "push button" and (not node.name.strip() or node.name == panel.name):
        at = node.queryComponent().getExtents(pyatspi.WINDOW_COORDS)
        faults.append(f"the button at {at.x},{at.y} ({at.width}x{at.height}) is named {node.name!r}")
    for text in (node.name, node.description):
        if "Ã" in text:
            faults.append(f"garbled text in a {role}: {text!r}")

fields = [node.name for node in nodes(panel) if node.getRoleName() == "text" and showing(node)]
if len(fields) != 2 or len(set(fields)) != 2 or panel.name in fields or "" in fields:
    faults.append(f"the translator fields are not told apart: {fields}")

exposed = {node.name for node in nodes(app)} & HELPER_CAPTIONS
if exposed:
    faults.append(f"internal helper controls exposed: {sorted(exposed)}")

for fault in faults:
    print("FAIL:", fault)
sys.exit(1 if faults else 0)
