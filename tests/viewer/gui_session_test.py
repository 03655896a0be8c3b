#!/usr/bin/env python3
"""tessera-view on a copy of the example directory under Xvfb and openbox, driven through the X
server with xdotool as a person would: real input events on the viewer's own event loop.

Aligning floor 5's plan is ended each way a user can end it; after each the viewer must still
run (or, after quitting, have ended cleanly) and "Raster.ini" must hold the placement stored or
restored. A dialog the user moved stays where it is; a pending rubber band, a wheel zoom and a
second click leave the view as a fresh repaint draws it. A saved alignment is undone and redone,
"Raster.ini" and the view following; a plan is aligned by two points with typed floor points; a
floor switch while aligning asks first. A plan file dragged from another program
(TESSERA_DRAG_SOURCE, a small Qt drag source) and dropped onto the view becomes the floor's plan;
under a German locale the window and its menus speak German. The measure tool measures what the
plan's scale says; a box zoomed to is left again by zoom previous.

usage: gui_session_test.py TESSERA_VIEW MAKE_EXAMPLE
Exits 77 (skipped) when Xvfb, openbox, xdotool, xwd or xwininfo is missing or no X server starts.
"""
import math
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time

SKIPPED = 77
# The dialog's caption: its own, or the resource text the shipped catalogue gives it.
DIALOG = "^(Raster-Datei transformieren|Rastertransformation)$"
TWO_POINTS = "^Align by two points$"
PROMPT = "^tessera-view$"
FLOOR = (42000, 29700)  # world units, the viewer's default
# The dialog's client area and its controls, in twips, as the dialog's model lays them out.
DIALOG_TWIPS = (6135, 1380)
TABS_TWIPS = (60, 60)  # controls on a page lie relative to the tab control
PLACES = {
    "pbOk": (4680 + 696, 60 + 186),
    "pbCancel": (4680 + 696, 540 + 186),
    "edDx": (60 + 1020 + 426, 60 + 360 + 144),
    "edDy": (60 + 1020 + 426, 60 + 720 + 144),
    "pbShift": (60 + 2700 + 816, 60 + 360 + 186),
}


class Failure(Exception):
    pass


def run(*args, check=True):
    result = subprocess.run(args, capture_output=True, text=True, timeout=20)
    if check and result.returncode != 0:
        raise Failure(f"{' '.join(args)}: {result.stderr.strip()}")
    return result.stdout


def xdo(*args, check=True):
    return run("xdotool", *args, check=check)


def settle(seconds=0.15):
    time.sleep(seconds)


def wait_for(what, probe, timeout=10):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        found = probe()
        if found:
            return found
        time.sleep(0.05)
    raise Failure(f"timed out waiting for {what}")


def start_x_server(screen):
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", screen, "-nolisten", "tcp"],
                              pass_fds=[write_end], stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        number = pipe.readline().strip()
    if not number:
        server.kill()
        return None, None
    return server, ":" + number


def geometry(window):
    """The window's inside on the screen: x, y, width, height (xdotool's own answer counts a
    window manager's frame twice)."""
    fields = {}
    for line in run("xwininfo", "-id", window).splitlines():
        name, _, value = line.strip().partition(":")
        fields[name] = value.strip()
    return tuple(int(fields[name]) for name in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))


def window_of(pid, name):
    found = xdo("search", "--all", "--onlyvisible", "--pid", str(pid), "--name", name, check=False).split()
    return found[0] if found else None


def read_ini(path):
    with open(path, encoding="latin-1") as ini:
        return ini.read()


def placement(ini, section="5"):
    """The keys of one section of "Raster.ini"."""
    keys, current = {}, None
    for line in ini.splitlines():
        line = line.strip()
        if line.startswith("["):
            current = line[1:-1]
        elif current == section and "=" in line:
            key, value = line.split("=", 1)
            keys[key] = value
    return keys


def window_dump(window):
    """The window's header fields and pixel bytes, as xwd writes them."""
    dump = subprocess.run(["xwd", "-silent", "-id", window], capture_output=True, timeout=20).stdout
    header = struct.unpack(">25I", dump[:100])
    return header, dump[header[0] + 12 * header[19]:]


def view_pixels(window):
    """The floor view's pixels in the main window: between the floor list and the right edge,
    below the menu bar and above the status bar."""
    header, pixels = window_dump(window)
    width, height, bits, line = header[4], header[5], header[11], header[12]
    left, right, top, bottom = 180, width - 10, 40, height - 40
    step = bits // 8
    return b"".join(pixels[y * line + left * step:y * line + right * step] for y in range(top, bottom))


def floor_frame(window):
    """Where the floor's red outline lies in the window: left, top, right, bottom pixels."""
    header, pixels = window_dump(window)
    width, height, order, bits, line = header[4], header[5], header[7], header[11], header[12]
    masks = header[14:17]
    step = bits // 8
    xs, ys = [], []
    for y in range(height):
        row = pixels[y * line:y * line + width * step]
        for x in range(width):
            value = int.from_bytes(row[x * step:x * step + step], "big" if order else "little")
            r, g, b = ((value & mask) * 255 // mask for mask in masks)
            if r > 150 and g < 80 and b < 80:
                xs.append(x)
                ys.append(y)
    if not xs:
        raise Failure("the floor's outline is not in the view")
    return min(xs), min(ys), max(xs), max(ys)


class Viewer:
    def __init__(self, binary, raster_dir, floor="5", env=None):
        self.process = subprocess.Popen([binary, raster_dir, "--floor", floor, "--size", "1000x700"],
                                        stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True, env=env)
        self.main = wait_for("the main window", lambda: window_of(self.process.pid, "^tessera-view"))
        xdo("windowmove", "--sync", self.main, "560", "120")
        settle(0.5)
        self.activate_main()

    def alive(self):
        return self.process.poll() is None

    def check_alive(self, case):
        settle(0.3)
        if not self.alive():
            raise Failure(f"{case}: the viewer ended with status {self.process.returncode}: "
                          f"{self.process.stderr.read().strip()}")

    def activate_main(self):
        xdo("windowactivate", "--sync", self.main)
        settle(0.2)

    def key(self, *keys):
        xdo("key", "--delay", "30", *keys)
        settle()

    def type(self, text):
        xdo("type", "--delay", "30", "--", text)
        settle()

    def open_dialog(self):
        self.activate_main()
        self.key("ctrl+t")
        self.dialog = wait_for("the dialog", lambda: window_of(self.process.pid, DIALOG))
        xdo("windowactivate", "--sync", self.dialog)
        settle(0.3)
        return self.dialog

    def dialog_gone(self):
        return window_of(self.process.pid, DIALOG) is None

    def click_dialog(self, control):
        x, y, width, height = geometry(self.dialog)
        tx, ty = PLACES[control]
        xdo("mousemove", str(x + tx * width // DIALOG_TWIPS[0]), str(y + ty * height // DIALOG_TWIPS[1]))
        settle(0.05)
        xdo("click", "1")
        settle()

    def shift(self, dx, dy):
        """Types a relative shift into the dialog's shift page and applies it."""
        self.key("alt+v")
        self.click_dialog("edDx")
        self.type(dx)
        self.click_dialog("edDy")
        self.type(dy)
        self.click_dialog("pbShift")

    def view_point(self, fx, fy):
        x, y, width, height = geometry(self.main)
        return str(x + int(width * fx)), str(y + int(height * fy))

    def quit(self):
        if self.alive():
            self.process.terminate()
            self.process.wait(timeout=10)

    def __enter__(self):
        return self

    def __exit__(self, *exception):
        self.quit()


def answer_prompt(viewer, yes):
    prompt = wait_for("the question", lambda: window_of(viewer.process.pid, PROMPT))
    xdo("windowactivate", "--sync", prompt)
    settle(0.2)
    viewer.key("alt+y" if yes else "alt+n")


def switch_floor(viewer, yes=True):
    """Clicks the floor list's first row, the open floor 5, goes one row down and answers the
    question whether to cancel the alignment."""
    x, y, _, _ = geometry(viewer.main)
    xdo("mousemove", str(x + 30), str(y + 30))
    settle(0.05)
    xdo("click", "1")
    viewer.key("Down")
    answer_prompt(viewer, yes)


# How the dialog ends, and whether the shift is stored. The viewer goes on after each; the last
# one leaves floor 5.
ENDINGS = [
    ("Fertig", lambda v: v.click_dialog("pbOk"), True),
    ("Enter in a field", lambda v: (v.click_dialog("edDx"), v.key("Return")), True),
    ("Alt+F", lambda v: v.key("alt+f"), True),
    ("Abbrechen", lambda v: v.click_dialog("pbCancel"), False),
    ("Esc", lambda v: v.key("Escape"), False),
    ("Alt+A", lambda v: v.key("alt+a"), False),
    ("close box", lambda v: v.key("alt+F4"), False),
    ("switching floor", switch_floor, False),
]
# Ways of ending the viewer itself while the dialog is open: the shift is never stored.
QUITTINGS = [
    ("Quit", lambda v: (v.activate_main(), v.key("ctrl+q"), answer_prompt(v, True))),
    ("closing the main window", lambda v: (v.activate_main(), v.key("alt+F4"), answer_prompt(v, True))),
]


def check_stored(name, ini_path, before, stored):
    after = placement(read_ini(ini_path))
    if stored and after == before:
        raise Failure(f"{name}: the shift was not stored: {after}")
    if not stored and after != before:
        raise Failure(f"{name}: the placement changed from {before} to {after}")
    print(f"ok: {name} ({'stored' if stored else 'restored'})")


def check_endings(binary, raster_dir):
    ini_path = os.path.join(raster_dir, "Raster.ini")
    with Viewer(binary, raster_dir) as viewer:
        for name, end, stored in ENDINGS:
            before = placement(read_ini(ini_path))
            viewer.open_dialog()
            viewer.shift("-12", "5")
            end(viewer)
            viewer.check_alive(name)
            wait_for(f"{name}: the dialog to close", viewer.dialog_gone, timeout=3)
            check_stored(name, ini_path, before, stored)
    for name, end in QUITTINGS:
        before = placement(read_ini(ini_path))
        with Viewer(binary, raster_dir) as viewer:
            viewer.open_dialog()
            viewer.shift("-12", "5")
            end(viewer)
            status = viewer.process.wait(timeout=10)
            if status != 0:
                raise Failure(f"{name}: the viewer ended with status {status}: {viewer.process.stderr.read()}")
            check_stored(name, ini_path, before, False)


def check_moved_dialog_stays(binary, raster_dir):
    with Viewer(binary, raster_dir) as viewer:
        dialog = viewer.open_dialog()
        xdo("windowmove", "--sync", dialog, "60", "500")
        settle(0.3)
        moved = geometry(dialog)[:2]
        viewer.shift("3", "4")
        viewer.key("alt+s")
        xdo("windowactivate", "--sync", viewer.main)
        xdo("windowactivate", "--sync", dialog)
        settle()
        now = geometry(dialog)[:2]
        if now != moved:
            raise Failure(f"the dialog moved to {now} after the user put it at {moved}")
        viewer.key("Escape")
        viewer.check_alive("moved dialog")
        print("ok: a moved dialog stays")


def check_view_repaints_clean(binary, raster_dir):
    with Viewer(binary, raster_dir) as viewer:
        viewer.open_dialog()
        viewer.key("alt+s")
        xdo("mousemove", *viewer.view_point(0.4, 0.4))
        settle(0.05)
        xdo("click", "1")
        xdo("mousemove", *viewer.view_point(0.6, 0.55))
        settle(0.05)
        settle()
        xdo("click", "4")  # a wheel notch while the first point is pending
        settle()
        xdo("mousemove", *viewer.view_point(0.7, 0.6))
        settle(0.05)
        xdo("click", "1")
        settle(0.5)
        seen = view_pixels(viewer.main)
        viewer.activate_main()
        viewer.key("ctrl+h")  # hiding and showing the plan again repaints the whole view
        viewer.key("ctrl+h")
        settle(0.5)
        differing = sum(a != b for a, b in zip(seen, view_pixels(viewer.main)))
        if differing:
            raise Failure(f"the view after a pending band, a wheel zoom and a second click differs from a "
                          f"repaint in {differing} bytes")
        viewer.check_alive("view")
        print("ok: the view equals a fresh repaint")


def check_undo_redo(binary, raster_dir):
    ini_path = os.path.join(raster_dir, "Raster.ini")
    with Viewer(binary, raster_dir) as viewer:
        before, seen_before = placement(read_ini(ini_path)), view_pixels(viewer.main)
        viewer.open_dialog()
        viewer.shift("-12", "5")
        viewer.click_dialog("pbOk")
        wait_for("the dialog to close", viewer.dialog_gone, timeout=3)
        aligned, seen_aligned = placement(read_ini(ini_path)), view_pixels(viewer.main)
        viewer.activate_main()
        for keys, placed, seen, name in [("ctrl+z", before, seen_before, "undo"),
                                         ("ctrl+shift+z", aligned, seen_aligned, "redo")]:
            viewer.key(keys)
            wait_for(f"{name}: Raster.ini to hold {placed}", lambda: placement(read_ini(ini_path)) == placed)
            wait_for(f"{name}: the view to show what it restored", lambda: view_pixels(viewer.main) == seen)
        viewer.check_alive("undo and redo")
        print("ok: a saved alignment undone and redone")


def check_two_points(binary, raster_dir):
    """Two plan points picked on the view, their floor points typed (metres, Y up); the plan's
    pixels under the picks come from where the view shows the floor's outline."""
    ini_path = os.path.join(raster_dir, "Raster.ini")
    with Viewer(binary, raster_dir) as viewer:
        before = placement(read_ini(ini_path))
        left, top, right, bottom = floor_frame(viewer.main)
        x, y, _, _ = geometry(viewer.main)
        picks = [(left + (right - left) * 0.3, top + (bottom - top) * 0.5),
                 (left + (right - left) * 0.6, top + (bottom - top) * 0.8)]
        factor, dx, dy = 10, int(before["DX"]), int(before["DY"])  # floor 5 as the example writes it
        plan = [((px - left) / (right - left) * FLOOR[0] / factor + dx,
                 (py - top) / (bottom - top) * FLOOR[1] / factor + dy) for px, py in picks]
        typed = [(5, 20), (17, 11)]
        target = [(tx * 1000, FLOOR[1] - ty * 1000) for tx, ty in typed]
        viewer.activate_main()
        viewer.key("ctrl+shift+t")
        dialog = wait_for("the two-point dialog", lambda: window_of(viewer.process.pid, TWO_POINTS))
        for px, py in picks:
            xdo("mousemove", str(x + round(px)), str(y + round(py)))
            settle(0.05)
            xdo("click", "1")
            settle()
        unmoved = view_pixels(viewer.main)
        xdo("windowactivate", "--sync", dialog)
        settle(0.2)
        viewer.type(f"{typed[0][0]}\t{typed[0][1]}\t{typed[1][0]}\t{typed[1][1]}")
        wait_for("two points: the preview", lambda: view_pixels(viewer.main) != unmoved)
        if placement(read_ini(ini_path)) != before:
            raise Failure("two points: the preview was saved before OK")
        viewer.key("Return")
        wait_for("two points: the placement saved on OK", lambda: placement(read_ini(ini_path)) != before)
        stored = placement(read_ini(ini_path))
        got = float(stored["Faktor"].replace(",", ".")), int(stored["DX"]), int(stored["DY"])
        expected = math.dist(*target) / math.dist(*plan)
        # One screen pixel of the outline is this many plan pixels.
        slack = 2 * FLOOR[0] / factor / (right - left)
        landed = ((plan[0][0] - got[1]) * got[0], (plan[0][1] - got[2]) * got[0])
        if abs(got[0] / expected - 1) > 0.01 or math.dist(landed, target[0]) > slack * got[0]:
            raise Failure(f"two points: stored factor {got[0]} and shift {got[1:]}, expected the factor "
                          f"{expected:.3f} with point 1 at {target[0]}, not at {landed}")
        viewer.activate_main()
        viewer.key("ctrl+z")
        wait_for("two points: undo to restore Raster.ini", lambda: placement(read_ini(ini_path)) == before)
        viewer.check_alive("two points")
        print("ok: aligned by two points with typed floor points, and undone")


def check_switch_asks(binary, raster_dir):
    with Viewer(binary, raster_dir) as viewer:
        viewer.open_dialog()
        switch_floor(viewer, yes=False)
        viewer.check_alive("declined switch")
        if viewer.dialog_gone() or " Floor 5 " not in xdo("getwindowname", viewer.main):
            raise Failure("declining the switch left the alignment or floor 5")
        switch_floor(viewer, yes=True)
        wait_for("the dialog to close", viewer.dialog_gone, timeout=3)
        wait_for("agreeing to the switch to open another floor",
                 lambda: " Floor 5 " not in xdo("getwindowname", viewer.main))
        print("ok: a floor switch while aligning asks first")


def check_dropped_plan(binary, raster_dir):
    source_binary = os.environ.get("TESSERA_DRAG_SOURCE")
    if not source_binary:
        print("skipped: dropping a plan (TESSERA_DRAG_SOURCE names no drag source)")
        return
    ini_path = os.path.join(raster_dir, "Raster.ini")
    plan = os.path.join(raster_dir, "Farbe", "plan.jpg")
    with Viewer(binary, raster_dir) as viewer:
        source = subprocess.Popen([source_binary, plan], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            window = wait_for("the drag source", lambda: window_of(source.pid, "^drag source$"))
            xdo("windowmove", "--sync", window, "100", "100")
            settle(0.3)
            x, y, width, height = geometry(window)
            xdo("mousemove", str(x + width // 2), str(y + height // 2))
            settle(0.2)
            xdo("mousedown", "1")
            settle(0.3)
            target = viewer.view_point(0.6, 0.5)
            for step in range(1, 6):  # a drag moves on its way; the target sees it enter and move
                xdo("mousemove", str(x + (int(target[0]) - x) * step // 5),
                    str(y + (int(target[1]) - y) * step // 5))
                settle(0.15)
            xdo("mouseup", "1")
            if source.wait(timeout=10) != 0:
                raise Failure("the viewer did not take the dropped plan")
            wait_for("the dropped plan to be stored",
                     lambda: placement(read_ini(ini_path)).get("Datei", "").endswith("plan.jpg"))
            viewer.check_alive("dropped plan")
            print("ok: a dropped plan is loaded and stored")
        finally:
            source.kill()


def check_german(binary, raster_dir):
    env = dict(os.environ, LANG="de_DE.UTF-8")
    for name in ("LC_ALL", "LC_MESSAGES", "LANGUAGE"):
        env.pop(name, None)
    with Viewer(binary, raster_dir, env=env) as viewer:
        title = xdo("getwindowname", viewer.main).strip()
        if "Geschoss 5" not in title:
            raise Failure(f"the German window title is {title!r}")
        viewer.key("alt+d")  # "&Datei" opens; no English menu title has the D
        menu = wait_for("the Datei menu", lambda: [w for w in xdo("search", "--all", "--onlyvisible", "--pid",
                                                                  str(viewer.process.pid), "--name", "").split()
                                                   if w != viewer.main], timeout=3)
        viewer.key("Escape")
        viewer.check_alive("German")
        print(f"ok: German title and menu ({title}, {len(menu)} menu)")


def status_lines(viewer):
    """The status-bar messages the viewer logged so far (it logs them to stderr when asked to)."""
    stderr = viewer.process.stderr.fileno()
    os.set_blocking(stderr, False)
    try:
        viewer.log = getattr(viewer, "log", "") + os.read(stderr, 1 << 16).decode(errors="replace")
    except BlockingIOError:
        pass
    return [line.split(": ", 1)[1] for line in viewer.log.splitlines() if line.startswith("tessera.view.status: ")]


def check_measure_and_zoom_box(binary, raster_dir):
    """Two clicks of the measure tool at 1:1 are 200 screen pixels apart, so 200 plan pixels; a box
    zoomed to is left again by zoom previous to the very same picture."""
    factor = float(placement(read_ini(os.path.join(raster_dir, "Raster.ini")))["Faktor"].replace(",", "."))
    env = dict(os.environ, QT_LOGGING_RULES="tessera.view.status.info=true")
    with Viewer(binary, raster_dir, env=env) as viewer:
        viewer.key("ctrl+1")
        viewer.key("ctrl+m")
        x, y = (int(v) for v in viewer.view_point(0.4, 0.5))
        for point in ((x, y), (x + 200, y)):
            xdo("mousemove", str(point[0]), str(point[1]))
            settle(0.1)
            xdo("click", "1")
            settle()
        shown = wait_for("the measured distance", lambda: [line for line in status_lines(viewer)
                                                            if line.startswith("Distance ")])
        number = shown[-1].split()[1].replace(",", ".")
        if abs(float(number) * 1000 - 200 * factor) > 0.5:
            raise Failure(f"measured '{shown[-1]}', not {200 * factor / 1000} m")
        print(f"ok: measured {shown[-1]}")

        before = view_pixels(viewer.main)
        viewer.key("ctrl+b")
        xdo("mousemove", *viewer.view_point(0.45, 0.4))
        xdo("mousedown", "1")
        for fraction in (0.5, 0.6):
            xdo("mousemove", *viewer.view_point(fraction, fraction))
            settle(0.1)
        xdo("mouseup", "1")
        settle(0.5)
        if view_pixels(viewer.main) == before:
            raise Failure("zoom to window left the view as it was")
        viewer.key("ctrl+BackSpace")
        settle(0.5)
        if view_pixels(viewer.main) != before:
            raise Failure("zoom previous did not go back to the view before the box")
        viewer.check_alive("zoom to window")
        print("ok: zoom to window and back")


def main():
    if len(sys.argv) != 3:
        print(__doc__.strip().splitlines()[-2], file=sys.stderr)
        return 2
    binary, make_example = sys.argv[1:]
    missing = [tool for tool in ("Xvfb", "openbox", "xdotool", "xwd", "xwininfo") if shutil.which(tool) is None]
    if missing:
        print(f"skipped: {', '.join(missing)} not installed (scripts/setup --dev installs them)")
        return SKIPPED
    server, display = start_x_server("1600x1000x24")
    if server is None:
        print("skipped: no X server could start")
        return SKIPPED
    os.environ["DISPLAY"] = display
    os.environ.pop("QT_QPA_PLATFORM", None)
    manager = subprocess.Popen(["openbox", "--sm-disable"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        with tempfile.TemporaryDirectory() as work:
            raster_dir = os.path.join(work, "Raster")
            subprocess.run([make_example, raster_dir], check=True, stdout=subprocess.DEVNULL)
            settle(0.5)
            check_endings(binary, raster_dir)
            check_moved_dialog_stays(binary, raster_dir)
            check_view_repaints_clean(binary, raster_dir)
            check_undo_redo(binary, raster_dir)
            check_two_points(binary, raster_dir)
            check_switch_asks(binary, raster_dir)
            check_dropped_plan(binary, raster_dir)
            check_german(binary, raster_dir)
            check_measure_and_zoom_box(binary, raster_dir)
    except Failure as failure:
        print(f"FAILED: {failure}", file=sys.stderr)
        return 1
    finally:
        manager.terminate()
        server.terminate()
    return 0


if __name__ == "__main__":
    sys.exit(main())
