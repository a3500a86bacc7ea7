"""End to end on a real X server: open a real map in the installed editor, click a cell and walk
with the arrow keys, write a row, undo and redo it, paint a short stroke with the brush, save, and
read the saved file back and open it again. Run it through xsession.sh:

    tests/desktop/xsession.sh python3 tests/desktop/desktop_test.py TESSEL GAME_DIR MAP
"""
import os
import re
import shutil
import sys
import tempfile
import time

from desktop import App, Failure, centre, click, drag, extents, key, screenshot, type_text, wait_for


def cell_of(app):
    text = app.label("Current cell")
    found = re.fullmatch(r"column (\d+), row (\d+)", text or "")
    return (int(found.group(1)), int(found.group(2))) if found else None


def value_cell(app, row_key):
    """The value cell of the sheet's row: the cell after its key's."""
    key_cell = app.wait("table cell", row_key)
    return key_cell.parent.getChildAtIndex(key_cell.getIndexInParent() + 1)


def wait_value(app, row_key, expected):
    wait_for(f"{row_key} to show {expected!r}", lambda: value_cell(app, row_key).name == expected)


def show_tab(app, name):
    click(*centre(app.wait("page tab", name)))


def plots_of(text):
    """Each plot's lines by its (x, y)."""
    plots = {}
    for block in re.findall(r"BeginPlot\r?\n(.*?)EndPlot", text, re.S):
        found = re.search(r"x=(\d+),y=(\d+)", block)
        plots[(int(found.group(1)), int(found.group(2)))] = block
    return plots


def main():
    tessel, game, original = sys.argv[1:4]
    work = tempfile.mkdtemp(prefix="tessel-desktop.")
    path = os.path.join(work, os.path.basename(original))
    shutil.copyfile(original, path)
    app = App([tessel, "--game-dir", game, path])
    try:
        run(app, path)
        # The saved map opens again in the editor, as large as it was.
        size = app.label("Map size")
        app.stop()
        app = App([tessel, "--game-dir", game, path])
        reopen(app, path, size)
    except Failure as failure:
        screenshot(os.path.join(work, "failure.png"))
        print(f"FAILED: {failure} (screenshot in {work}/failure.png)")
        return 1
    finally:
        app.stop()
    shutil.rmtree(work)
    print("1 passed, 0 failed")
    return 0


def run(app, path):
    name = os.path.basename(path)
    wait_for("the map to be open", lambda: name in app.wait("frame").name)
    width, height = map(int, app.label("Map size").split(" x "))

    # Click a cell and walk: the keys go to the grid, not to the refilled sheet.
    show_tab(app, "Map")
    grid = app.wait(None, "Map grid")
    left, top, _, _ = extents(grid)
    click(left + 5, top + 5)
    first = wait_for("a current cell", lambda: cell_of(app))
    click(left + 5 + 300, top + 5)
    moved = wait_for("the clicked cell", lambda: cell_of(app) if cell_of(app) != first else None)
    pitch = 300 / (moved[0] - first[0])
    start = (2, 3)
    click(left + pitch * (start[0] + 0.5), top + pitch * (start[1] + 0.5))
    wait_for(f"cell {start}", lambda: cell_of(app) == start)
    key("Right", "Right")
    wait_for("two cells right", lambda: cell_of(app) == (start[0] + 2, start[1]))
    key("Down")
    wait_for("one cell down", lambda: cell_of(app) == (start[0] + 2, start[1] + 1))
    key("Home")
    wait_for("the first column", lambda: cell_of(app) == (0, start[1] + 1))

    # Write a row, undo it with Ctrl+Z at once, redo it with Ctrl+Shift+Z.
    show_tab(app, "Rule")
    year = value_cell(app, "StartYear")
    before = year.name
    click(*centre(year))
    key("ctrl+a")
    type_text("-2500")
    key("Return")
    wait_value(app, "StartYear", "-2500")
    key("ctrl+z")
    wait_value(app, "StartYear", before)
    key("ctrl+shift+z")
    wait_value(app, "StartYear", "-2500")

    # A short stroke of the brush with the terrain of a plot written first.
    show_tab(app, "Map")
    click(left + pitch * (start[0] + 0.5), top + pitch * (start[1] + 0.5))
    wait_for(f"cell {start}", lambda: cell_of(app) == start)
    click(*centre(value_cell(app, "TerrainType")))
    key("ctrl+a")
    type_text("TERRAIN_DESERT")
    key("Return")
    wait_value(app, "TerrainType", "TERRAIN_DESERT")
    click(*centre(value_cell(app, "TerrainType")))
    click(*centre(app.wait(None, "Paint")))
    row_y = top + pitch * (start[1] + 0.5)
    drag([(left + pitch * (col + 0.5), row_y) for col in range(start[0] + 1, start[0] + 4)])

    # Save, and read the file back.
    saved_before = os.path.getmtime(path)
    key("ctrl+s")
    wait_for("the map to be saved", lambda: os.path.getmtime(path) != saved_before)
    time.sleep(0.5)  # the file is replaced whole; let the rename settle before reading
    with open(path, "rb") as saved:
        text = saved.read().decode("latin-1")
    if "\tStartYear=-2500\r\n" not in text:
        raise Failure("the saved map does not hold StartYear=-2500")
    plots = plots_of(text)
    if len(plots) != width * height:
        raise Failure(f"the saved map holds {len(plots)} plots, not {width * height}")
    y = height - 1 - start[1]
    for x in range(start[0], start[0] + 4):
        if "TerrainType=TERRAIN_DESERT" not in plots[(x, y)]:
            raise Failure(f"plot ({x}, {y}) was not painted desert")


def reopen(app, path, size):
    name = os.path.basename(path)
    wait_for("the saved map to open again", lambda: name in app.wait("frame").name)
    wait_for(f"the map size {size}", lambda: app.label("Map size") == size)
    show_tab(app, "Rule")
    wait_value(app, "StartYear", "-2500")


if __name__ == "__main__":
    sys.exit(main())
