#!/bin/sh
# Runs one case of `tessel --crop`, `--extend`, `--shift`, `--flip` or `--rotate` on the sample map
# (16 x 10, wrapping along x only). A change must exit 0, say what it dropped and write a map that loads; a refusal
# must exit 1, print nothing on stdout, say why on stderr and leave OUT as it was.
# Usage: reshape_command.sh TESSEL CASE SAMPLE_MAP
tessel=$1
case_name=$2
map=$3
work=$(mktemp -d) || exit 2
trap 'rm -rf "$work"' EXIT

fail() {
    echo "$*" >&2
    cat "$work/out" "$work/err" >&2 2>/dev/null
    exit 1
}

# Runs tessel with the arguments; the output goes to $work/out and $work/err.
run() {
    "$tessel" "$@" >"$work/out" 2>"$work/err"
}

# A change: exits 0 and prints the line expected ($1).
changes() {
    said=$1
    shift
    run "$@" || fail "exited $?: $*"
    [ "$(cat "$work/out")" = "$said" ] || fail "expected: $said"
}

# A refusal: exits 1, says the text expected ($1) on stderr, nothing on stdout, OUT untouched.
refuses() {
    said=$1
    shift
    printf 'previous map' >"$work/target"
    run "$@" "$map" "$work/target"
    status=$?
    [ "$status" = 1 ] || fail "exited $status, wanted 1: $*"
    [ ! -s "$work/out" ] || fail "a refusal printed on stdout"
    grep -qF -- "$said" "$work/err" || fail "stderr did not say: $said"
    [ "$(cat "$work/target")" = 'previous map' ] || fail "a refusal changed its target"
    [ "$(ls -A "$work" | wc -l)" = 4 ] || fail "a temporary file was left behind: $(ls -A "$work")"
}

# Two maps of the same bytes.
same() {
    cmp -s "$1" "$2" || fail "$1 and $2 differ"
}

"$tessel" --resave "$map" "$work/resaved" || fail "the sample map does not resave"

case $case_name in
crop)
    changes "Cropped to x 0..15, y 0..5: 16 x 6 plots. Dropped: units 1, cities 0, starts 0, signs 0, river edges 3." \
        --crop 0 0 15 5 "$map" "$work/cropped"
    run --check "$work/cropped" || fail "the cropped map does not load"
    grep -qF "grid 16 x 6, 96 plots written" "$work/out" || fail "the cropped map is not 16 x 6" ;;
crop_keeping_every_plot)
    changes "Cropped to x 0..15, y 0..9: 16 x 10 plots. Dropped: units 0, cities 0, starts 0, signs 0, river edges 0." \
        --crop 0 0 15 9 "$map" "$work/cropped"
    same "$work/cropped" "$work/resaved" ;;
extend)
    changes "Extended with TERRAIN_GRASS: 19 x 17 plots. Dropped: units 0, cities 0, starts 0, signs 0, river edges 0." \
        --extend 1 2 3 4 --fill terrain_grass "$map" "$work/extended"
    grep -c "TerrainType=TERRAIN_GRASS" "$work/extended" >"$work/grass"
    [ "$(cat "$work/grass")" -gt 163 ] || fail "the new plots are not grass"
    changes "Cropped to x 1..16, y 3..12: 16 x 10 plots. Dropped: units 0, cities 0, starts 0, signs 0, river edges 0." \
        --crop 1 3 16 12 "$work/extended" "$work/back"
    same "$work/back" "$work/resaved" ;;
shift)
    changes "Shifted by -3, 0: 16 x 10 plots. Dropped: units 0, cities 0, starts 0, signs 0, river edges 0." \
        --shift -3 0 "$map" "$work/shifted"
    cmp -s "$work/shifted" "$work/resaved" && fail "a shift by 3 changed nothing"
    changes "Shifted by 19, 0: 16 x 10 plots. Dropped: units 0, cities 0, starts 0, signs 0, river edges 0." \
        --shift 19 0 "$work/shifted" "$work/back"
    same "$work/back" "$work/resaved"
    changes "Shifted by 16, 0: 16 x 10 plots. Dropped: units 0, cities 0, starts 0, signs 0, river edges 0." \
        --shift 16 0 "$map" "$work/around"
    same "$work/around" "$work/resaved" ;;
flip)
    changes "Flipped east-west: 16 x 10 plots. Dropped: units 0, cities 0, starts 0, signs 0, river edges 0." \
        --flip x "$map" "$work/flipped"
    cmp -s "$work/flipped" "$work/resaved" && fail "a flip changed nothing"
    changes "Flipped east-west: 16 x 10 plots. Dropped: units 0, cities 0, starts 0, signs 0, river edges 0." \
        --flip x "$work/flipped" "$work/back"
    same "$work/back" "$work/resaved"
    changes "Flipped north-south: 16 x 10 plots. Dropped: units 0, cities 0, starts 0, signs 0, river edges 0." \
        --flip y "$map" "$work/flipped"
    changes "Flipped north-south: 16 x 10 plots. Dropped: units 0, cities 0, starts 0, signs 0, river edges 0." \
        --flip y "$work/flipped" "$work/back"
    same "$work/back" "$work/resaved" ;;
rotate)
    changes "Rotated by 90 degrees clockwise: 10 x 16 plots. Dropped: units 0, cities 0, starts 0, signs 0, river edges 0." \
        --rotate 90 "$map" "$work/turned"
    run --check "$work/turned" || fail "the turned map does not load"
    grep -qF "grid 10 x 16, 160 plots written" "$work/out" || fail "the turned map is not 10 x 16"
    grep -qF "wrap Y=1" "$work/turned" || fail "the turned map does not wrap along y"
    changes "Rotated by 270 degrees clockwise: 16 x 10 plots. Dropped: units 0, cities 0, starts 0, signs 0, river edges 0." \
        --rotate 270 "$work/turned" "$work/back"
    same "$work/back" "$work/resaved"
    changes "Rotated by 180 degrees clockwise: 16 x 10 plots. Dropped: units 0, cities 0, starts 0, signs 0, river edges 0." \
        --rotate 180 "$map" "$work/turned"
    "$tessel" --rotate 180 "$work/turned" "$work/back" >/dev/null || fail "a half turn back failed"
    same "$work/back" "$work/resaved" ;;
turn_refusals)
    refuses "Cannot flip along \"z\": give x (east-west) or y (north-south)." --flip z
    refuses "Cannot rotate by \"45\": give 90, 180 or 270 (degrees clockwise)." --rotate 45
    refuses "Cannot rotate by \"-90\": give 90, 180 or 270 (degrees clockwise)." --rotate -90
    printf 'previous map' >"$work/target"
    run --flip x --rotate 90 "$map" "$work/target"
    [ $? = 2 ] || fail "two commands at once did not fail as misuse"
    grep -qF "Give one of --crop, --extend, --shift, --flip and --rotate at a time." "$work/err" ||
        fail "two commands at once did not say so"
    run --rotate 90 "$work/no-such-map" "$work/target"
    [ $? = 1 ] || fail "a missing map did not fail"
    grep -qF "Fail to open file!" "$work/err" || fail "a missing map did not say so"
    [ "$(cat "$work/target")" = 'previous map' ] || fail "a failed turn changed its target" ;;
refusals)
    refuses "Cannot crop to x 0..16, y 0..9: the map's plots are x 0..15, y 0..9." --crop 0 0 16 9
    refuses "Cannot crop to x -1..3, y 0..9: the map's plots are x 0..15, y 0..9." --crop -1 0 3 9
    refuses "Cannot crop to x 5..4, y 0..9: the first corner lies beyond the second." --crop 5 0 4 9
    refuses "by -2 on the right: a side takes 0 or more plots." --extend 0 -2 0 0
    refuses "the map would have 16 x 4097 plots" --extend 0 0 4000 87
    refuses "with the terrain \"OCEAN=1\"" --extend 1 1 1 1 --fill OCEAN=1
    refuses "the map does not wrap along y (wrap Y=0)." --shift 0 1
    refuses "--shift takes DX DY before IN OUT: \"1.5\" is not a whole number." --shift 1.5 0
    refuses "--crop takes X1 Y1 X2 Y2 before IN OUT: \"\" is not a whole number." --crop 0 0 "" 9
    printf 'previous map' >"$work/target"
    run --crop 0 0 1 1 "$work/no-such-map" "$work/target"
    [ $? = 1 ] || fail "a missing map did not fail"
    grep -qF "Fail to open file!" "$work/err" || fail "a missing map did not say so"
    [ "$(cat "$work/target")" = 'previous map' ] || fail "a failed load changed its target" ;;
*)
    echo "unknown case $case_name" >&2
    exit 2 ;;
esac
echo ok
