#!/bin/sh
# Runs one case of `tessel --values`: a listing must exit 0 and print the expected lines, a failure
# must exit 1 (2 for a word the command line does not take), print nothing on stdout and name the key or
# the file on stderr.
# Usage: values_command.sh TESSEL CASE SAMPLE_GAME
tessel=$1
case_name=$2
sample_game=$3
work=$(mktemp -d) || exit 2
trap 'rm -rf "$work"' EXIT
. "$(dirname "$0")/command_checks.sh"

layers=$(dirname "$0")/../data/layers/game
status_wanted=1
case $case_name in
lists_an_expansions_mod)
    set -- --values TerrainType --edition BTS --mod "Next War" --game-dir "$layers"
    status_wanted=0
    printf 'TERRAIN_GRASS\nTERRAIN_OCEAN\nTERRAIN_WASTELAND\n' >"$work/expected" ;;
walks_up_from_an_expansion)
    set -- --values UnitType --game-dir "$layers/Beyond the Sword"
    status_wanted=0
    printf 'UNIT_AIRSHIP\nUNIT_SETTLER\nUNIT_WARRIOR\n' >"$work/expected" ;;
unknown_edition)
    # A word the command line does not take, as any misuse of it.
    set -- --values UnitType --edition vanilla --game-dir "$layers"
    status_wanted=2
    expected='vanilla' ;;
lists_terrains)
    set -- --values TerrainType --game-dir "$sample_game"
    status_wanted=0
    printf 'TERRAIN_COAST\nTERRAIN_DESERT\nTERRAIN_GRASS\n' >"$work/expected" ;;
finds_keys_ignoring_case)
    set -- --values civicoption_legal --game-dir "$sample_game"
    status_wanted=0
    printf 'CIVIC_BARBARISM\n' >"$work/expected" ;;
unknown_key)
    set -- --values NoSuchKey --game-dir "$sample_game"
    expected='NoSuchKey' ;;
missing_game_folder)
    set -- --values TerrainType --game-dir "$work/no-game"
    expected="$work/no-game" ;;
missing_file)
    # A game folder that lacks the terrain file.
    mkdir -p "$work/game/Assets/XML/Terrain"
    set -- --values TerrainType --game-dir "$work/game"
    expected='CIV4TerrainInfos.xml' ;;
no_game_found)
    # No --game-dir, and a home folder without Wine or Steam.
    export HOME="$work"
    unset WINEPREFIX
    set -- --values TerrainType
    expected='--game-dir' ;;
*)
    echo "unknown case $case_name" >&2
    exit 2 ;;
esac

run_expecting_status "$status_wanted" "$@"
if [ "$status_wanted" -eq 0 ]; then
    # The expected lines must appear together and in this order.
    if ! grep -x -F -f "$work/expected" "$work/out" | cmp -s - "$work/expected"; then
        echo "expected these lines in this order:" >&2
        cat "$work/expected" >&2
        echo "got:" >&2
        cat "$work/out" "$work/err" >&2
        exit 1
    fi
    exit 0
fi
expect_named_failure "$expected"
