"""The windows' counterpart of the fuzzers: random clicks, drags, wheel turns, keys and typed values
sent to every window of the editor (modal dialogs included) on a real X server, over copies of
real maps, restarting the editor whenever it closes. It fails on a crash, a sanitizer report, a
window that stops answering, or a saved map that no longer loads, and prints the seed and the last
actions to replay. Run it through xsession.sh:

    tests/desktop/xsession.sh python3 tests/desktop/monkey.py TESSEL GAME_DIR SECONDS MAP...

MONKEY_SEED sets the seed; the same seed sends the same actions (timing may still differ).
"""
import collections
import glob
import os
import random
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi

KEYS = ["Left", "Right", "Up", "Down", "Home", "End", "Page_Up", "Page_Down", "Tab", "shift+Tab",
        "Return", "Escape", "F6", "space", "Delete", "BackSpace", "ctrl+z", "ctrl+shift+z", "ctrl+y",
        "ctrl+c", "ctrl+v", "ctrl+a", "ctrl+s", "ctrl+Home", "ctrl+End", "alt+F4", "a", "1"]
TYPED = ["0", "1", "-3000", "450", "TERRAIN_DESERT", "TERRAIN_GRASS", "FEATURE_FOREST", "Team1",
         "España", "x" * 300, "99999999999", "-", "=,", " ", "UNIT_WARRIOR"]
ANSWER_SECONDS = 60


class Monkey:
    def __init__(self, tessel, game, maps, seed, work):
        self.tessel, self.game, self.maps, self.work = tessel, game, maps, work
        self.random = random.Random(seed)
        self.seed = seed
        self.actions = collections.deque(maxlen=60)
        self.proc = None
        self.saved = {path: os.path.getmtime(path) for path in maps}
        self.saves_checked = 0

    # The editor's windows, as the X server lists them.
    def windows(self):
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(self.proc.pid)],
                               capture_output=True, text=True).stdout.split()
        boxes = []
        for window in found:
            out = subprocess.run(["xdotool", "getwindowgeometry", "--shell", window],
                                 capture_output=True, text=True).stdout
            geometry = dict(line.split("=", 1) for line in out.split() if "=" in line)
            if int(geometry.get("WIDTH", 0)) > 20 and int(geometry.get("HEIGHT", 0)) > 20:
                boxes.append((window, int(geometry["X"]), int(geometry["Y"]),
                              int(geometry["WIDTH"]), int(geometry["HEIGHT"])))
        return boxes

    def start(self):
        path = self.random.choice(self.maps)
        env = dict(os.environ, ASAN_OPTIONS=f"log_path={self.work}/sanitizer:detect_leaks=0:abort_on_error=1",
                   UBSAN_OPTIONS=f"log_path={self.work}/sanitizer:print_stacktrace=1:halt_on_error=1")
        self.actions.append(f"start on {os.path.basename(path)}")
        self.proc = subprocess.Popen([self.tessel, "--game-dir", self.game, path], env=env, cwd=self.work,
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.monotonic() + ANSWER_SECONDS
        while not self.windows():
            if self.proc.poll() is not None or time.monotonic() > deadline:
                self.fail("the editor did not show a window")
            time.sleep(0.2)

    def answers(self):
        """Whether the editor answers the accessibility bus, which needs its event loop."""
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            try:
                if app is not None and app.get_process_id() == self.proc.pid:
                    return app.childCount >= 0
            except Exception:
                continue
        return False

    def act(self):
        windows = self.windows()
        if not windows:
            return
        window, x, y, width, height = self.random.choice(windows)
        px, py = x + self.random.randrange(width), y + self.random.randrange(height)
        kind = self.random.choices(["click", "right", "double", "drag", "wheel", "key", "type"],
                                   [30, 4, 6, 10, 8, 25, 10])[0]
        command = ["mousemove", "--sync", str(px), str(py)]
        if kind == "click":
            command += ["click", "1"]
        elif kind == "right":
            command += ["click", "3"]
        elif kind == "double":
            command += ["click", "--repeat", "2", "1"]
        elif kind == "drag":
            tx, ty = x + self.random.randrange(width), y + self.random.randrange(height)
            command += ["mousedown", "1", "mousemove", "--sync", str((px + tx) // 2), str((py + ty) // 2),
                        "mousemove", "--sync", str(tx), str(ty), "mouseup", "1"]
        elif kind == "wheel":
            modifier = self.random.choice(["", "ctrl", "shift"])
            button = self.random.choice(["4", "5"])
            command += (["keydown", modifier] if modifier else []) + ["click", "--repeat", "3", button] + (
                ["keyup", modifier] if modifier else [])
        elif kind == "key":
            command += ["key", "--clearmodifiers", self.random.choice(KEYS)]
        else:
            command += ["type", "--delay", "20", "--", self.random.choice(TYPED)]
        self.actions.append(" ".join(command))
        subprocess.run(["xdotool", *command], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def check_ended(self):
        """After the editor ended: a crash or a sanitizer report fails; a clean exit restarts."""
        code = self.proc.poll()
        if code is None:
            return False
        if code < 0 or code not in (0, 1):
            self.fail(f"the editor ended with {'signal ' + str(-code) if code < 0 else 'status ' + str(code)}")
        return True

    def check_reports(self):
        reports = glob.glob(f"{self.work}/sanitizer*")
        if reports:
            with open(reports[0], errors="replace") as report:
                print(report.read()[-6000:])
            self.fail("a sanitizer report")

    def check_saved_maps(self):
        # The copies, and any map the editor saved beside them under another name.
        found = [path for pattern in ("*.Civ4WorldBuilderSave", "*.CivWarlordsWBSave", "*.CivBeyondSwordWBSave")
                 for path in glob.glob(os.path.join(self.work, pattern))]
        for path in found:
            stamp = os.path.getmtime(path)
            if self.saved.get(path) == stamp:
                continue
            self.saved[path] = stamp
            self.saves_checked += 1
            result = subprocess.run([self.tessel, "--check", path], capture_output=True, text=True,
                                    env=dict(os.environ, ASAN_OPTIONS="detect_leaks=0"))
            if result.returncode != 0:
                self.fail(f"the saved map {path} no longer loads: {result.stdout}{result.stderr}")

    def fail(self, why):
        print(f"monkey: FAILED: {why}")
        print(f"monkey: replay with MONKEY_SEED={self.seed}; the last actions were:")
        for action in self.actions:
            print(f"  {action}")
        if self.proc is not None and self.proc.poll() is None:
            self.proc.kill()
        sys.exit(1)

    def run(self, seconds):
        deadline = time.monotonic() + seconds
        count = starts = 0
        last_answer = time.monotonic()
        self.start()
        starts += 1
        while time.monotonic() < deadline:
            if self.check_ended():
                self.check_reports()
                self.check_saved_maps()
                self.start()
                starts += 1
                last_answer = time.monotonic()
                continue
            self.act()
            count += 1
            if count % 10 == 0:
                if self.answers():
                    last_answer = time.monotonic()
                elif self.proc.poll() is None and time.monotonic() - last_answer > ANSWER_SECONDS:
                    self.fail(f"the editor has not answered for {ANSWER_SECONDS} s")
                self.check_reports()
        if self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait()
        self.check_reports()
        self.check_saved_maps()
        print(f"monkey: {count} actions over {starts} starts in {seconds} s, {self.saves_checked} saved maps "
              f"loaded again, seed {self.seed}: no fault")
        print("1 passed, 0 failed")


def main():
    tessel, game, seconds, *maps = sys.argv[1:]
    seed = int(os.environ.get("MONKEY_SEED") or random.SystemRandom().randrange(1 << 31))
    work = tempfile.mkdtemp(prefix="tessel-monkey.")
    copies = []
    for path in maps:
        copy = os.path.join(work, os.path.basename(path))
        shutil.copyfile(path, copy)
        copies.append(copy)
    print(f"monkey: seed {seed}, {seconds} s, maps in {work}")
    Monkey(tessel, game, copies, seed, work).run(float(seconds))
    shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
