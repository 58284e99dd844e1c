#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# Reads the running program over AT-SPI as a screen reader does (pyatspi), and checks what it reads: names,
# roles, values, states, relations, and the events a pick on the focused plane raises. Keys go to the
# program through xdotool, so its main window must be the active one. Prints PASS or fails with the reason.
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def wait_until(seconds, find):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found:
            return found
        time.sleep(0.2)
    return None


def window(title):
    for app in pyatspi.Registry.getDesktop(0):
        if app is None or app.name != "quenby-color-picker":
            continue
        for top in app:
            if top is not None and top.name.startswith(title) and top.getState().contains(pyatspi.STATE_SHOWING):
                return top
    return None


def named(root, name, role=None):
    nodes = [n for n in walk(root) if n.name == name and (role is None or n.getRoleName() == role)]
    if len(nodes) != 1:
        fail(f"{len(nodes)} nodes named {name!r}" + (f" with role {role}" if role else ""))
    return nodes[0]


def text_of(node):
    text = node.queryText()
    return text.getText(0, -1)


def actions(node):
    action = node.queryAction()
    return [action.getName(i) for i in range(action.nActions)]


def press(node):
    action = node.queryAction()
    names = actions(node)
    if "Press" not in names:
        fail(f"{node.name!r} has no press action: {names}")
    action.doAction(names.index("Press"))


def checked(node):
    return node.getState().contains(pyatspi.STATE_CHECKED)


def labelled_by(node):
    return [r.getTarget(i).name for r in node.getRelationSet()
            if r.getRelationType() == pyatspi.RELATION_LABELLED_BY for i in range(r.getNTargets())]


def all_focusable_named(root, where):
    for node in walk(root):
        if node.getState().contains(pyatspi.STATE_FOCUSABLE) and not node.name.strip():
            fail(f"{where}: a focusable {node.getRoleName()} has no name")


def key(*keys):
    subprocess.run(["xdotool", "key", "--delay", "100", *keys], check=True, timeout=10)


def events_after(keys, *watched):
    """Presses keys and returns, for each node watched, (type, description or text) of its events in the
    2 seconds after."""
    seen = [[] for _ in watched]

    def listener(event):
        if event.source in watched:
            text = event.any_data if event.type.startswith("object:text-changed") else event.source.description
            seen[watched.index(event.source)].append((event.type, str(text)))

    types = ["object:property-change", "object:text-changed", "object:state-changed"]
    pyatspi.Registry.registerEventListener(listener, *types)
    GLib.timeout_add(500, lambda: key(*keys) and False)
    GLib.timeout_add(2500, lambda: pyatspi.Registry.stop() and False)
    pyatspi.Registry.start()
    pyatspi.Registry.deregisterEventListener(listener, *types)
    return seen


main = wait_until(30, lambda: window("Quenby Color Picker"))
if not main:
    fail("the main window is not in the accessible tree")
if main.getRoleName() != "frame":
    fail(f"the main window has the role {main.getRoleName()}")
all_focusable_named(main, "main window")

# Every readout reads as caption, value and unit, and its text is the value as the window shows it.
readouts = {
    "Red 64 decimal": "64", "Green 128 decimal": "128", "Blue 192 decimal": "192",
    "Red 40 hexadecimal": "40", "Green 80 hexadecimal": "80", "Blue C0 hexadecimal": "C0",
    "Background color (decimal) 12615744": "12615744",
    "Background color (hexadecimal) #4080C0": "#4080C0",
    "Background color (Visual Basic) &HC08040": "&HC08040",
}
for name, value in readouts.items():
    if text_of(named(main, name, "label")) != value:
        fail(f"{name!r} reads {text_of(named(main, name))!r}")

swatches = [n for n in walk(main) if re.fullmatch(r"green = \d+", n.name)]
if len(swatches) != 16 or {n.getRoleName() for n in swatches} - {"push button", "toggle button"}:
    fail(f"the swatches: {[(n.name, n.getRoleName()) for n in swatches]}")
if [n.name for n in swatches if checked(n)] != ["green = 136"]:
    fail(f"checked swatches at green 128: {[n.name for n in swatches if checked(n)]}")
for name in ["Copyright \u00a9 2026 Quenby Systems", "Online user manual"]:
    if "Press" not in actions(named(main, name, "link")):
        fail(f"the link {name!r} cannot be pressed")
for name in ["Color being edited", "Base color", "Base value"]:
    named(main, name, "panel")
copy_list = [n for n in walk(main) if n.getRoleName() == "combo box"]
if len(copy_list) != 1 or labelled_by(copy_list[0]) != ["What to copy"]:
    fail("the copy list is not labelled 'What to copy'")

plane = named(main, "Colour plane: green 128; blue across, red down", "image")
plane.queryComponent().grabFocus()
if not wait_until(5, lambda: plane.getState().contains(pyatspi.STATE_FOCUSED)):
    fail("the plane did not take the focus")

# One pick by an arrow key: one event of the plane, whose description holds the colour picked; the HTML
# readout, on screen, tells its new text.
html = named(main, "Background color (hexadecimal) #4080C0", "label")
seen, html_seen = events_after(["Right"], plane, html)
if len(seen) != 1 or "#4080C1" not in seen[0][1]:
    fail(f"events of the plane for one pick: {seen}")
if ("object:text-changed:insert", "#4080C1") not in html_seen or text_of(html) != "#4080C1":
    fail(f"the HTML readout did not tell the pick: {html_seen}")

# With the contrast panel open the one event also tells the ratio and the AA verdict for normal text.
key("ctrl+k")
panel = wait_until(10, lambda: [n for n in walk(main) if n.name == "Contrast" and n.getRoleName() == "panel"])
if not panel:
    fail("the contrast panel is not a grouping named 'Contrast'")
seen, = events_after(["Right"], plane)
if len(seen) != 1 or not ("#4080C2" in seen[0][1] and "contrast ratio 3.12:1, AA normal text: fail" in seen[0][1]):
    fail(f"events of the plane for one pick with the contrast panel open: {seen}")
named(panel[0], "Contrast ratio 3.12:1", "label")
named(panel[0], "AA normal text 4.5: fail \u2717", "label")
strips = [n.name for n in walk(panel[0]) if n.name.startswith("Protanopia: ")]
if len(strips) != 1 or not re.fullmatch(r"Protanopia: foreground #[0-9A-F]{6} on background #[0-9A-F]{6}", strips[0]):
    fail(f"the protanopia strip reads {strips}")
all_focusable_named(main, "main window with the contrast panel")

# A swatch's press action sets the base value; the pressed swatch is the checked one.
press(swatches[0])
if not wait_until(5, lambda: checked(swatches[0]) and not checked(swatches[8])):
    fail("pressing 'green = 8' did not check it")
if not wait_until(5, lambda: plane.name == "Colour plane: green 8; blue across, red down"):
    fail(f"after 'green = 8' the plane reads {plane.name!r}")

# Text over an area, picked with the keys alone: Enter at one corner, the arrows, Enter at the other. The
# window is a frame whose figures are named labels in a grouping, and a change of the foreground tells them.
key("ctrl+shift+a")
time.sleep(1)
key("Return", "Right", "Right", "Right", "Down", "Down", "Return")
area = wait_until(10, lambda: window("Text over an area"))
if not area or area.getRoleName() != "frame":
    fail("the window for an area is not a frame")
all_focusable_named(area, "area window")
figures = named(area, "Figures", "panel")
lines = [n.name for n in walk(figures) if n.getRoleName() == "label"]
if not any(re.fullmatch(r"Foreground #[0-9A-F]{6} over an area of 4 x 3 pixels", n) for n in lines) or \
        not any(re.fullmatch(r"Lowest contrast ratio \d+\.\d\d:1", n) for n in lines):
    fail(f"the area's figures read {lines}")
named(area, "The area, magnified")
lowest = [n for n in walk(figures) if n.name.startswith("Lowest contrast ratio")][0]
subprocess.run(["xdotool", "windowactivate", "--sync", subprocess.run(
    ["xdotool", "search", "--onlyvisible", "--name", "^Quenby Color Picker"], capture_output=True,
    text=True).stdout.split()[0]], check=True, timeout=10)
before = lowest.name
seen, = events_after(["ctrl+shift+x"], lowest)
if not any(kind.startswith("object:property-change:accessible-name") for kind, _ in seen) or lowest.name == before:
    fail(f"a change of the foreground did not tell the figures: {seen}, {before!r} to {lowest.name!r}")

# The viewer is a frame; the catalogue reads each program it shows once, as a link.
press(named(main, "Help", "push button"))
viewer = wait_until(10, lambda: window("Help for TVK"))
if not viewer or viewer.getRoleName() != "frame":
    fail("the viewer is not a frame")
all_focusable_named(viewer, "viewer")
press(named(main, "Quenby Systems Software", "push button"))
catalogue = wait_until(10, lambda: window("Quenby Systems Software"))
if not catalogue:
    fail("the catalogue is not in the accessible tree")
all_focusable_named(catalogue, "catalogue")
programs = [n.name for n in walk(named(catalogue, "Programs", "panel")) if n.getRoleName() == "link"]
if len(programs) != 3 or len(set(programs)) != 3:
    fail(f"the catalogue reads the programs {programs}")

print("PASS")
