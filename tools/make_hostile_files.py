#!/usr/bin/env python3
"""Writes the small hostile map files of tests/data/hostile/ and their expectations.

Run from the repository's root: python3 tools/make_hostile_files.py
Each file is something a stranger's map could be; expected.tsv says how `tessel --check` must end
(exit status and a text its output holds). Large hostile inputs (50 MB lines, a million lines) are
made by the tests themselves, not committed.
"""

import os
import random

FOLDER = os.path.join("tests", "data", "hostile")

HEAD = "Version=11\nBeginGame\n\tEra=ERA_ANCIENT\nEndGame\n"
PLAYER = "BeginPlayer\n\tTeam=0\n\tLeaderType=NONE\nEndPlayer\n"


def map_text(width="2", height="2", plots=None, game=HEAD):
    plots = plots if plots is not None else "BeginPlot\n\tx=0,y=0\n\tTerrainType=TERRAIN_GRASS\n\tPlotType=2\nEndPlot\n"
    return (game + PLAYER + f"BeginMap\n\tgrid width={width}\n\tgrid height={height}\nEndMap\n"
            + "\n### Plot Info ###\n" + plots)


def files():
    yield "size-bomb-width", map_text("2000000000", "1").encode(), 1, "Map size 2000000000 x 1"
    yield "size-bomb-area", map_text("4096", "4096").encode(), 1, "Map size 4096 x 4096"
    yield "size-bomb-side", map_text("5000", "1").encode(), 1, "Map size 5000 x 1"
    yield "negative-height", map_text("10", "-3").encode(), 1, "Map size 10 x -3"
    yield "negative-width", map_text("-1", "10").encode(), 1, "Map size -1 x 10"
    yield "coordinate-beyond-32-bits", map_text(plots="BeginPlot\n\tx=99999999999,y=0\nEndPlot\n").encode(), 1, \
        "Fail to open file!"
    yield "numbers-at-the-limits", map_text(game=HEAD.replace(
        "EndGame", "\tGameTurn=$7FFFFFFF\n\tStartYear=$FFFFFFFF\n\tMaxTurns=0x7fffffff\n"
        "\tTargetScore=-2147483648\n\tMaxCityElimination=X10\nEndGame")).encode(), 0, "grid 2 x 2"
    yield "hex-beyond-32-bits", map_text(game=HEAD.replace("EndGame", "\tMaxTurns=0x100000000\nEndGame")).encode(), \
        1, "Fail to open file!"
    yield "decimal-beyond-32-bits", map_text(game=HEAD.replace("EndGame", "\tGameTurn=2147483648\nEndGame")).encode(), \
        1, "Fail to open file!"
    yield "nul-in-the-plots", map_text().encode() + b"\0BeginPlot\n\tx=1,y=1\nEndPlot\n", 0, \
        "grid 2 x 2, 4 plots written"
    yield "nul-before-the-plots", HEAD.encode() + b"\0" + map_text().encode(), 1, "Map file structure error!"
    yield "utf16", ("\ufeff" + map_text()).encode("utf-16-le"), 1, "Map file structure error!"
    rng = random.Random(20261207)
    yield "binary-garbage", bytes(rng.randrange(256) for _ in range(8192)), 1, "Map file structure error!"
    yield "markers-out-of-order", (PLAYER + HEAD + "BeginMap\nEndMap\nBeginPlot\n").encode(), 1, \
        "Map file structure error!"
    yield "only-markers", ("BeginGame\n" * 500 + "BeginTeam\n" * 500 + "BeginPlayer\n" * 500 + "BeginMap\n" * 500
                           + "BeginPlot\n" * 500 + "EndPlot\n" * 500).encode(), 0, "grid 1 x 1"
    yield "unclosed-blocks", map_text(plots="BeginPlot\n\tx=0,y=0\n\tBeginUnit\n\tBeginCity\n\t\tCityOwner=1\n"
                                            "BeginPlot\n\tx=1,y=1\n\tBeginUnit\n").encode(), 0, "0 units, 0 cities"
    yield "empty", b"", 1, "Map file structure error!"
    yield "cr-only-line-ends", map_text().replace("\n", "\r").encode(), 0, "grid 2 x 2"


def main():
    os.makedirs(FOLDER, exist_ok=True)
    rows = []
    for name, data, status, text in files():
        with open(os.path.join(FOLDER, name + ".Civ4WorldBuilderSave"), "wb") as out:
            out.write(data)
        rows.append(f"{name}.Civ4WorldBuilderSave\t{status}\t{text}\n")
    with open(os.path.join(FOLDER, "expected.tsv"), "w") as out:
        out.write("".join(rows))


if __name__ == "__main__":
    main()
