"""Driving the editor as a person does: the pointer and keys through xdotool, what is on screen
through the accessibility bus. Every wait polls for what it needs, up to a deadline."""
import os
import subprocess
import time

import pyatspi

TIMEOUT = float(os.environ.get("DESKTOP_TIMEOUT", "90"))


class Failure(Exception):
    pass


def wait_for(what, probe, timeout=TIMEOUT):
    """Polls probe() until it returns something true and returns that."""
    deadline = time.monotonic() + timeout
    while True:
        try:
            found = probe()
        except Exception:  # the tree changes under our feet while the editor works
            found = None
        if found:
            return found
        if time.monotonic() > deadline:
            raise Failure(f"timed out waiting for {what}")
        time.sleep(0.2)


def xdotool(*args):
    subprocess.run(["xdotool", *map(str, args)], check=True)


def key(*names):
    for name in names:
        xdotool("key", "--clearmodifiers", name)


def type_text(text):
    xdotool("type", "--delay", "30", "--", text)


def click(x, y):
    xdotool("mousemove", "--sync", int(x), int(y))
    xdotool("click", "1")


def drag(points):
    xdotool("mousemove", "--sync", int(points[0][0]), int(points[0][1]))
    xdotool("mousedown", "1")
    for x, y in points[1:]:
        xdotool("mousemove", "--sync", int(x), int(y))
        time.sleep(0.05)
    xdotool("mouseup", "1")


class App:
    """The editor's process and its tree on the accessibility bus."""

    def __init__(self, args):
        self.proc = subprocess.Popen(args)
        self.root = wait_for("the editor on the accessibility bus", self._find_app)

    def _find_app(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.get_process_id() == self.proc.pid and app.childCount:
                return app
        return None

    def alive(self):
        return self.proc.poll() is None

    def find(self, role, name=None, prefix=None):
        """The first showing control of the role whose name is `name` (or starts with `prefix`)."""

        def walk(node, depth):
            if node is None or depth > 16:
                return None
            try:
                showing = node.getState().contains(pyatspi.STATE_SHOWING)
                if showing and role in (None, node.getRoleName()):
                    if (name is None or node.name == name) and (prefix is None or node.name.startswith(prefix)):
                        return node
                for i in range(min(node.childCount, 600)):
                    found = walk(node.getChildAtIndex(i), depth + 1)
                    if found is not None:
                        return found
            except Exception:
                return None
            return None

        return walk(self.root, 0)

    def wait(self, role, name=None, prefix=None, timeout=TIMEOUT):
        return wait_for(f"{role} {name or prefix!r}", lambda: self.find(role, name, prefix), timeout)

    def label(self, prefix):
        """The text after the caption of a status panel: 'Map size: 124 x 68' gives '124 x 68'."""
        node = self.find("label", prefix=prefix + ": ")
        return node.name[len(prefix) + 2:] if node is not None else None

    def stop(self):
        if self.alive():
            self.proc.kill()
        self.proc.wait()


def centre(node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x + box.width / 2, box.y + box.height / 2


def extents(node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def screenshot(path):
    subprocess.run(["import", "-window", "root", path], check=False)
