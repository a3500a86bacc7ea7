#!/bin/sh
# Runs one failing `tessel --values` case: it must exit 1 and name the key or the file on stderr.
# Usage: values_failures.sh TESSEL CASE SAMPLE_GAME
tessel=$1
case_name=$2
sample_game=$3
work=$(mktemp -d) || exit 2
trap 'rm -rf "$work"' EXIT

case $case_name in
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

"$tessel" "$@" >"$work/out" 2>"$work/err"
status=$?
if [ "$status" -ne 1 ]; then
    echo "expected exit 1, got $status" >&2
    cat "$work/out" "$work/err" >&2
    exit 1
fi
if [ -s "$work/out" ]; then
    echo "expected nothing on stdout, got:" >&2
    cat "$work/out" >&2
    exit 1
fi
if ! grep -F -q -- "$expected" "$work/err"; then
    echo "expected stderr to name '$expected', got:" >&2
    cat "$work/err" >&2
    exit 1
fi
cat "$work/err"
