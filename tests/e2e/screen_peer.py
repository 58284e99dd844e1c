#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Another X client, for the screen-pick tests.

  pattern X Y SIZE   shows a window of SIZE x SIZE pixels at (X, Y) whose colours tell where each pixel is
                     (red x, green y, blue 32 + 64 per 256 across + 128 per 256 down), kept by the server
                     itself; prints "ready" and stays until ended
  hold               takes the pointer for itself, prints "held" and keeps it until ended
  grabs              prints whether another program holds the pointer and the keyboard: "pointer free" or
                     "pointer held", then "keyboard free" or "keyboard held"
  pixel X Y          prints the colour of the screen's pixel, "#rrggbb"
  loupe X Y N M      checks the window named "Loupe": its N x N squares of M pixels (inside a frame of 1) show
                     the screen's pixels around (X, Y), and it covers none of them; prints "ok" or what differs
  close WINDOW       asks the window to close, as a window manager's close button does
  figures X Y W H    prints the figures of text in #E0E0E0 over the pattern's pixels from (X, Y) of it, W x H
                     of them, as "Text over an area" copies them (ratios cut, shares cut), one a line
  marks X Y W H      checks the window "Text over an area": the magnified picture of those pixels shows each
                     one, striped in black or white exactly where #E0E0E0 fails 4.5:1; prints "ok" or what differs
"""
import sys
import time

from Xlib import X, display, error
from Xlib.protocol import event


def pattern_bytes(size, top, rows):
    data = bytearray()
    for y in range(top, top + rows):
        for x in range(size):
            blue = 32 + 64 * ((x >> 8) & 1) + 128 * ((y >> 8) & 1)
            data += bytes((blue, y & 255, x & 255, 0))
    return bytes(data)


def pattern_colour(x, y):
    return (x & 255, y & 255, 32 + 64 * ((x >> 8) & 1) + 128 * ((y >> 8) & 1))


def luminance(rgb):
    def linear(v):
        c = v / 255
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    return 0.2126 * linear(rgb[0]) + 0.7152 * linear(rgb[1]) + 0.0722 * linear(rgb[2])


TEXT = (0xE0, 0xE0, 0xE0)


def ratio(a, b):
    la, lb = sorted((luminance(a), luminance(b)))
    return (lb + 0.05) / (la + 0.05)


def area_ratios(x, y, width, height):
    return sorted(ratio(TEXT, pattern_colour(x + i, y + j)) for j in range(height) for i in range(width))


def figures(x, y, width, height):
    ratios = area_ratios(x, y, width, height)
    n = len(ratios)
    cut = lambda r: "%.2f" % (int(r * 100) / 100)
    share = lambda t: "%d.%d%%" % divmod(sum(1 for r in ratios if r >= t) * 1000 // n, 10)
    print("Foreground #E0E0E0 over an area of %d x %d pixels" % (width, height))
    print("Lowest contrast ratio %s:1" % cut(ratios[0]))
    print("95%% of the area reaches %s:1" % cut(ratios[n // 20]))
    print("Median contrast ratio %s:1" % cut(ratios[(n + 1) // 2 - 1]))
    print("WCAG AA: normal text %s of the area, large text %s" % (share(4.5), share(3)))
    print("WCAG AAA: normal text %s of the area, large text %s" % (share(7), share(4.5)))


def find_window(d, name):
    """The rectangle on the root of the window named name, framed by a window manager or not."""
    root = d.screen().root
    for child in root.query_tree().children:
        for window in [child] + list(child.query_tree().children):
            try:
                if window.get_wm_name() == name and window.get_attributes().map_state == X.IsViewable:
                    at = root.translate_coords(window, 0, 0)
                    geometry = window.get_geometry()
                    return at.x, at.y, geometry.width, geometry.height
            except Exception:
                continue
    return None


def marks(x, y, width, height):
    d = display.Display()
    found = find_window(d, "Text over an area")
    if not found:
        print("no window")
        return 1
    left, top, w, h = found
    shown = read(d.screen().root, left, top, w, h)
    hexed = lambda rgb: "#%02x%02x%02x" % rgb
    first = hexed(pattern_colour(x, y))
    corners = sorted(p for p, c in shown.items() if c == first)
    if not corners:
        print("the area's first pixel %s is not in the window" % first)
        return 1
    cx, cy = min(corners, key=lambda p: (p[1], p[0]))
    size = 1
    while shown.get((cx + size, cy)) == first:
        size += 1
    stripes = {"#000000", "#ffffff"}
    for j in range(height):
        for i in range(width):
            own = hexed(pattern_colour(x + i, y + j))
            square = [shown.get((cx + i * size + a, cy + j * size + b)) for a in range(1, size - 1)
                      for b in range(1, size - 1)]
            striped = any(c in stripes for c in square)
            if not all(c in stripes or c == own for c in square) or own not in square:
                print("pixel %d,%d shows %s, not %s" % (i, j, sorted(set(square) - stripes), own))
                return 1
            if striped != (ratio(TEXT, pattern_colour(x + i, y + j)) < 4.5):
                print("pixel %d,%d of ratio %.3f is %s" % (i, j, ratio(TEXT, pattern_colour(x + i, y + j)),
                                                           "striped" if striped else "not striped"))
                return 1
    print("ok")
    return 0


def pattern(x, y, size):
    d = display.Display()
    screen = d.screen()
    pixmap = screen.root.create_pixmap(size, size, screen.root_depth)
    gc = pixmap.create_gc()
    step = 32
    for top in range(0, size, step):
        pixmap.put_image(gc, 0, top, size, step, X.ZPixmap, screen.root_depth, 0, pattern_bytes(size, top, step))
    window = screen.root.create_window(x, y, size, size, 0, screen.root_depth, override_redirect=True,
                                       background_pixmap=pixmap)
    window.map()
    d.sync()
    print("ready", flush=True)
    while True:
        d.next_event()


def hold():
    d = display.Display()
    window = d.screen().root.create_window(0, 0, 1, 1, 0, X.CopyFromParent, override_redirect=True)
    window.map()
    d.sync()
    status = window.grab_pointer(False, X.ButtonPressMask | X.ButtonReleaseMask, X.GrabModeAsync,
                                 X.GrabModeAsync, X.NONE, X.NONE, X.CurrentTime)
    print("held" if status == X.GrabSuccess else "not held", flush=True)
    while True:
        d.next_event()


def grabs():
    d = display.Display()
    root = d.screen().root
    pointer = root.grab_pointer(False, X.ButtonPressMask, X.GrabModeAsync, X.GrabModeAsync, X.NONE, X.NONE,
                                X.CurrentTime)
    keyboard = root.grab_keyboard(False, X.GrabModeAsync, X.GrabModeAsync, X.CurrentTime)
    d.ungrab_pointer(X.CurrentTime)
    d.ungrab_keyboard(X.CurrentTime)
    d.sync()
    print("pointer " + ("free" if pointer == X.GrabSuccess else "held"),
          "keyboard " + ("free" if keyboard == X.GrabSuccess else "held"))


def read(root, x, y, width, height):
    """The root window's pixels in a rectangle, clipped to it, as {(x, y): "#rrggbb"}."""
    geometry = root.get_geometry()
    left, top = max(x, 0), max(y, 0)
    right, bottom = min(x + width, geometry.width), min(y + height, geometry.height)
    if right <= left or bottom <= top:
        return {}
    data = root.get_image(left, top, right - left, bottom - top, X.ZPixmap, 0xFFFFFFFF).data
    pixels = {}
    for row in range(bottom - top):
        for column in range(right - left):
            i = 4 * (row * (right - left) + column)
            pixels[(left + column, top + row)] = "#%02x%02x%02x" % (data[i + 2], data[i + 1], data[i])
    return pixels


def pixel(x, y):
    d = display.Display()
    print(read(d.screen().root, x, y, 1, 1)[(x, y)])


def find_loupe(d):
    root = d.screen().root
    for child in root.query_tree().children:
        try:
            if child.get_wm_name() == "Loupe" and child.get_attributes().map_state == X.IsViewable:
                geometry = child.get_geometry()
                return geometry.x, geometry.y, geometry.width, geometry.height
        except Exception:
            continue
    return None


def loupe(x, y, count, magnification):
    d = display.Display()
    root = d.screen().root
    found = find_loupe(d)
    if not found:
        print("no loupe")
        return 1
    left, top, width, height = found
    reach = count // 2
    shown = (x - reach, y - reach, x + reach, y + reach)
    if left <= shown[2] and left + width > shown[0] and top <= shown[3] and top + height > shown[1]:
        print("the loupe at %d,%d %dx%d covers pixels it shows" % found)
        return 1
    screen = read(root, x - reach, y - reach, count, count)
    magnified = read(root, left, top, width, height)
    for j in range(count):
        for i in range(count):
            wanted = screen.get((x - reach + i, y - reach + j))
            if wanted is None:
                continue  # beyond the screen
            at = (left + 1 + i * magnification + magnification // 2, top + 1 + j * magnification + magnification // 2)
            if magnified.get(at) != wanted:
                print("square %d,%d of the loupe at %d,%d shows %s, the screen %s" % (i, j, left, top,
                                                                                    magnified.get(at), wanted))
                return 1
    print("ok")
    return 0


def close(window_id):
    d = display.Display()
    window = d.create_resource_object("window", window_id)
    protocols, delete = d.intern_atom("WM_PROTOCOLS"), d.intern_atom("WM_DELETE_WINDOW")
    window.send_event(event.ClientMessage(window=window, client_type=protocols,
                                          data=(32, [delete, X.CurrentTime, 0, 0, 0])))
    d.sync()


if __name__ == "__main__":
    command, arguments = sys.argv[1], [int(a, 0) for a in sys.argv[2:]]
    commands = {"pattern": pattern, "hold": hold, "grabs": grabs, "pixel": pixel, "loupe": loupe, "close": close,
                "figures": figures, "marks": marks}
    try:
        sys.exit(commands[command](*arguments))
    except error.ConnectionClosedError:
        pass  # the X server was stopped: the test is over
