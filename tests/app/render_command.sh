#!/bin/sh
# Runs one case of `tessel --render`: a picture must have the plots' exact geometry and colours; a
# refusal or failure must exit non-zero, say why on stderr and leave OUT as it was, with no temporary
# file left behind.
# Usage: render_command.sh TESSEL PROBE CASE SAMPLE_MAP
tessel=$1
probe=$2
case_name=$3
sample_map=$4
work=$(mktemp -d) || exit 2
trap 'rm -rf "$work"' EXIT

fail() { echo "$*"; cat "$work/err" 2>/dev/null; exit 1; }

# A map of WIDTH x HEIGHT ocean plots but one desert plot at (1, HEIGHT - 1): the top row's second cell.
make_map() {
    printf 'Version=11\r\nBeginGame\r\nEndGame\r\nBeginMap\r\n\tgrid width=%s\r\n\tgrid height=%s\r\nEndMap\r\n' \
        "$1" "$2" >"$work/map.Civ4WorldBuilderSave"
    printf 'BeginPlot\r\n\tx=1,y=%s\r\n\tTerrainType=TERRAIN_DESERT\r\n\tPlotType=2\r\nEndPlot\r\n' \
        "$(($2 - 1))" >>"$work/map.Civ4WorldBuilderSave"
}

# render STATUS ARGS...: runs the command, which must exit with STATUS.
render() {
    status_wanted=$1
    shift
    "$tessel" --render "$@" >"$work/out" 2>"$work/err"
    status=$?
    [ "$status" = "$status_wanted" ] || fail "--render $* exited $status, wanted $status_wanted"
    if [ "$status" != 0 ] && [ -s "$work/out" ]; then fail "a failed --render printed on stdout"; fi
}

expect_probe() {
    got=$("$probe" "$@" | tr '\n' ' ')
    [ "$got" = "$expected " ] || fail "$* gave '$got', wanted '$expected '"
}

# refused TEXT: the command said TEXT, and OUT and the folder are as they were.
refused() {
    grep -qF -- "$1" "$work/err" || fail "--render did not say: $1"
    [ "$(cat "$work/target.png")" = 'previous picture' ] || fail "a failed --render changed its target"
    [ "$(ls -A "$work" | grep -c '^target\.png.')" = 0 ] || fail "a temporary file was left behind: $(ls -A "$work")"
}

printf 'previous picture' >"$work/target.png"
case $case_name in
sizes)
    render 0 "$sample_map" "$work/a.png"
    expected='128 80'; expect_probe "$work/a.png"
    render 0 "$sample_map" "$work/b.png" --zoom 12 --graphic
    expected='192 120'; expect_probe "$work/b.png"
    render 0 "$sample_map" "$work/c.png" --zoom 16 --grid
    expected='272 170'; expect_probe "$work/c.png" ;;
pixels)
    make_map 5 4
    render 0 "$work/map.Civ4WorldBuilderSave" "$work/target.png" --zoom 10
    expected='50 40 255 255 0'; expect_probe "$work/target.png" 15 5
    expected='50 40 255 255 0'; expect_probe "$work/target.png" 10 0
    expected='50 40 0 0 255'; expect_probe "$work/target.png" 9 9
    expected='50 40 0 0 255'; expect_probe "$work/target.png" 15 10
    render 0 "$work/map.Civ4WorldBuilderSave" "$work/grid.png" --zoom 10 --grid
    expected='55 44 192 192 192'; expect_probe "$work/grid.png" 10 5
    expected='55 44 255 255 0'; expect_probe "$work/grid.png" 11 5 ;;
too_large)
    make_map 200 10
    render 1 "$work/map.Civ4WorldBuilderSave" "$work/target.png" --zoom 128
    refused 'the largest zoom that fits is 81' ;;
too_large_for_any_zoom)
    make_map 2100 10
    render 1 "$work/map.Civ4WorldBuilderSave" "$work/target.png"
    refused 'even zoom 8 does not fit' ;;
bad_zoom)
    render 2 "$sample_map" "$work/target.png" --zoom 7
    refused 'from 8 to 128'
    render 2 "$sample_map" "$work/target.png" --zoom 12x
    refused 'from 8 to 128' ;;
missing_file)
    render 1 "$work/no-such-map.Civ4WorldBuilderSave" "$work/target.png"
    refused 'Fail to open file!' ;;
unwritable)
    render 1 "$sample_map" "$work/no-folder/out.png"
    grep -qF 'Cannot write the picture' "$work/err" || fail "--render did not say why" ;;
*)
    echo "unknown case $case_name" >&2
    exit 2 ;;
esac
echo ok
