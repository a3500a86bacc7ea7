#!/bin/sh
# Runs `tessel --check` and `tessel --resave` over one hostile map: both must end with the expected
# exit status and say the expected text; a failed resave must leave its target untouched.
# Usage: check_command.sh TESSEL FILE STATUS TEXT
tessel=$1
file=$2
status_wanted=$3
text=$4
work=$(mktemp -d) || exit 2
trap 'rm -rf "$work"' EXIT

"$tessel" --check "$file" >"$work/out" 2>"$work/err"
status=$?
if [ "$status" != "$status_wanted" ]; then
    echo "--check exited $status, wanted $status_wanted"; cat "$work/out" "$work/err"; exit 1
fi
if ! grep -qF -- "$text" "$work/out" "$work/err"; then
    echo "--check did not say: $text"; cat "$work/out" "$work/err"; exit 1
fi
if [ "$status" != 0 ] && [ -s "$work/out" ]; then
    echo "a failed --check printed on stdout"; cat "$work/out"; exit 1
fi

printf 'previous map' >"$work/target"
"$tessel" --resave "$file" "$work/target" >/dev/null 2>&1
status=$?
if [ "$status" != "$status_wanted" ]; then
    echo "--resave exited $status, wanted $status_wanted"; exit 1
fi
if [ "$status" != 0 ] && [ "$(cat "$work/target")" != 'previous map' ]; then
    echo "a failed --resave changed its target"; exit 1
fi
if [ "$status" = 0 ] && ! "$tessel" --check "$work/target" >/dev/null; then
    echo "the resaved map does not load"; exit 1
fi
if [ "$(ls -A "$work" | wc -l)" != 3 ]; then
    echo "a temporary file was left behind:"; ls -A "$work"; exit 1
fi
echo ok
