#!/bin/sh
# Runs one case of `tessel --balance`: a report must exit 0 and print the expected lines in order;
# a failure must exit 1, print nothing on stdout and name the map, the file or the folder on stderr.
# Usage: balance_command.sh TESSEL CASE SAMPLE_MAP REALDATA
# Exits 77 (skipped) when a case needs the real maps and game files and they are absent.
tessel=$1
case_name=$2
sample_map=$3
realdata=$4
work=$(mktemp -d) || exit 2
trap 'rm -rf "$work"' EXIT
. "$(dirname "$0")/command_checks.sh"

# A small game folder of our own: grass, plains and ocean, forest, two bonuses, the three yields.
write_game() {
    dir="$1/assets/XML/terrain"
    mkdir -p "$dir"
    cat >"$dir/CIV4TerrainInfos.xml" <<'XML'
<?xml version="1.0"?>
<Civ4TerrainInfos xmlns="x-schema:CIV4TerrainSchema.xml"><TerrainInfos>
<TerrainInfo><Type>TERRAIN_GRASS</Type><Yields><iYield>2</iYield><iYield>0</iYield><iYield>0</iYield></Yields>
<RiverYieldChange><iYield>0</iYield><iYield>0</iYield><iYield>1</iYield></RiverYieldChange><HillsYieldChange/></TerrainInfo>
<TerrainInfo><Type>TERRAIN_OCEAN</Type><Yields><iYield>1</iYield><iYield>0</iYield><iYield>1</iYield></Yields></TerrainInfo>
</TerrainInfos></Civ4TerrainInfos>
XML
    cat >"$dir/CIV4FeatureInfos.xml" <<'XML'
<?xml version="1.0"?>
<Civ4FeatureInfos><FeatureInfos>
<FeatureInfo><Type>FEATURE_FOREST</Type><YieldChanges><iYieldChange>0</iYieldChange><iYieldChange>1</iYieldChange></YieldChanges></FeatureInfo>
</FeatureInfos></Civ4FeatureInfos>
XML
    cat >"$dir/CIV4BonusInfos.xml" <<'XML'
<?xml version="1.0"?>
<Civ4BonusInfos><BonusInfos>
<BonusInfo><Type>BONUS_COW</Type><YieldChanges><iYieldChange>1</iYieldChange></YieldChanges></BonusInfo>
</BonusInfos></Civ4BonusInfos>
XML
    cat >"$dir/Civ4YieldInfos.xml" <<'XML'
<?xml version="1.0"?>
<Civ4YieldInfos><YieldInfos>
<YieldInfo><Type>YIELD_FOOD</Type><iHillsChange>-1</iHillsChange><iPeakChange>0</iPeakChange></YieldInfo>
<YieldInfo><Type>YIELD_PRODUCTION</Type><iHillsChange>1</iHillsChange><iPeakChange>0</iPeakChange></YieldInfo>
<YieldInfo><Type>YIELD_COMMERCE</Type><iHillsChange>0</iHillsChange><iPeakChange>0</iPeakChange></YieldInfo>
</YieldInfos></Civ4YieldInfos>
XML
}

header='player	x	y	land	water	hills	peaks	river	food	production	commerce	bonuses'
status_wanted=1
columns=1-12
case $case_name in
sample_map)
    # The sample map's two players start at (4, 5) and (13, 3); its start plots lie under them.
    write_game "$work/game"
    set -- --balance "$sample_map" --game-dir "$work/game"
    status_wanted=0
    columns=1-3
    printf '%s\n' 'player	x	y' '0	4	5' '1	13	3' >"$work/expected" ;;
real_map)
    [ -d "$realdata/maps" ] && [ -d "$realdata/game" ] || exit 77
    set -- --balance "$realdata/maps/Battle.Civ4WorldBuilderSave" --game-dir "$realdata/game"
    status_wanted=0
    # The row of (3, 5) is counted by hand in tests/rules/BalanceReportTest.cpp.
    printf '%s\n' "$header" '-	3	5	21	0	2	0	15	30	24	6	BONUS_HORSE:1' >"$work/expected" ;;
missing_map)
    write_game "$work/game"
    set -- --balance "$work/no-map.Civ4WorldBuilderSave" --game-dir "$work/game"
    expected="$work/no-map.Civ4WorldBuilderSave" ;;
broken_map)
    write_game "$work/game"
    printf 'Version=11\r\nBeginPlot\r\n' >"$work/broken.Civ4WorldBuilderSave"
    set -- --balance "$work/broken.Civ4WorldBuilderSave" --game-dir "$work/game"
    expected='Map file structure error!' ;;
missing_rules_file)
    write_game "$work/game"
    rm "$work/game/assets/XML/terrain/Civ4YieldInfos.xml"
    set -- --balance "$sample_map" --game-dir "$work/game"
    expected='CIV4YieldInfos.xml' ;;
broken_rules_file)
    write_game "$work/game"
    printf '<Civ4BonusInfos><BonusInfos><BonusInfo>' >"$work/game/assets/XML/terrain/CIV4BonusInfos.xml"
    set -- --balance "$sample_map" --game-dir "$work/game"
    expected='CIV4BonusInfos.xml" is not well-formed XML' ;;
missing_game_folder)
    set -- --balance "$sample_map" --game-dir "$work/no-game"
    expected="$work/no-game" ;;
no_game_found)
    # No --game-dir, and a home folder without Wine or Steam.
    export HOME="$work"
    unset WINEPREFIX
    set -- --balance "$sample_map"
    expected='--game-dir' ;;
*)
    echo "unknown case $case_name" >&2
    exit 2 ;;
esac

run_expecting_status "$status_wanted" "$@"
if [ "$status_wanted" -eq 0 ]; then
    # The report begins with the expected lines, and ends with one summary line per column.
    lines=$(wc -l <"$work/expected")
    if ! head -n "$lines" "$work/out" | cut -f "$columns" | cmp -s - "$work/expected"; then
        echo "expected the report to begin with:" >&2
        cat "$work/expected" >&2
        echo "got:" >&2
        cat "$work/out" "$work/err" >&2
        exit 1
    fi
    summary=$(tail -n 9 "$work/out" | cut -f 1,2 | cut -d ' ' -f 1 | tr '\n' ' ')
    if [ "$summary" != "land	lowest water	lowest hills	lowest peaks	lowest river	lowest food	lowest production	lowest commerce	lowest bonuses	lowest " ]; then
        echo "expected a summary line per column, got:" >&2
        cat "$work/out" >&2
        exit 1
    fi
    exit 0
fi
expect_named_failure "$expected"
