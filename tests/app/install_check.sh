#!/bin/sh
# Installs the build into a temporary prefix as `cmake --install` does and checks what a desktop
# needs from it: the program runs, the desktop entry and the map file type pass the desktop's own
# validators, and the icon is there at every size with that size.
# Usage: install_check.sh CMAKE BUILD_DIR VERSION
cmake=$1
build=$2
version=$3
work=$(mktemp -d) || exit 2
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
failed=0
fail() {
    echo "FAIL: $*" >&2
    failed=1
}

for tool in desktop-file-validate update-mime-database file; do
    command -v "$tool" >/dev/null || { echo "$tool is missing: run make deps" >&2; exit 1; }
done
"$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || {
    cat "$work/install.log" >&2
    exit 1
}

# The program runs from where it was installed.
if [ "$("$prefix/bin/tessel" --version)" != "tessel $version" ]; then
    fail "$prefix/bin/tessel --version did not print 'tessel $version'"
fi

# The desktop entry: valid without a word from the validator (a hint about two main categories
# means the program shows twice in the menu), and naming what the menu and the file manager use.
entry=$prefix/share/applications/tessel.desktop
if ! desktop-file-validate "$entry" >"$work/validate" 2>&1 || [ -s "$work/validate" ]; then
    fail "desktop-file-validate: $(cat "$work/validate")"
fi
for line in 'Name=Tessel' 'Exec=tessel %f' 'Icon=tessel' 'MimeType=application/x-civ4-worldbuilder-save;' \
    'StartupWMClass=tessel'; do
    grep -q -x -F -- "$line" "$entry" || fail "tessel.desktop lacks the line $line"
done
grep -q -x 'Comment=..*' "$entry" || fail "tessel.desktop has no comment"
grep -q -x 'Categories=Game;StrategyGame;' "$entry" ||
    fail "tessel.desktop is not in the Game category alone, as a strategy game's tool"

# The map file type: the shared MIME database takes it and matches all three extensions.
mime=$prefix/share/mime
if ! update-mime-database "$mime" >"$work/mime" 2>&1 || grep -q -i -e 'error' -e 'warning' "$work/mime"; then
    fail "update-mime-database: $(cat "$work/mime")"
fi
grep -q -F '<comment>Civilization IV WorldBuilder map</comment>' "$mime/application/x-civ4-worldbuilder-save.xml" ||
    fail "the MIME database has no application/x-civ4-worldbuilder-save with its comment"
for extension in civ4worldbuildersave civwarlordswbsave civbeyondswordwbsave; do
    grep -q -x -F "50:application/x-civ4-worldbuilder-save:*.$extension" "$mime/globs2" ||
        fail "the MIME database does not match *.$extension"
done

# The icon at every size, each a PNG of its own size.
for size in 16 24 32 48 64 128 256; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/tessel.png
    case $(file -b "$icon" 2>&1) in
    "PNG image data, $size x $size, 8-bit/color RGBA"*) ;;
    *) fail "$icon is not a PNG of $size x $size with transparency: $(file -b "$icon" 2>&1)" ;;
    esac
done

[ "$failed" -eq 0 ] && echo "installed and checked: $(find "$prefix" -type f | wc -l) files"
exit "$failed"
