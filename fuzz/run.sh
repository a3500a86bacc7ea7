#!/usr/bin/env bash
# Runs every fuzz target for a while on a scratch copy of its seed corpus, so the committed corpus
# does not grow. Fails when any target finds a crash, a leak, a timeout or a broken round trip; the
# input is kept under <build>/findings/<target>/.
#
#   fuzz/run.sh BUILD_DIR SECONDS_PER_TARGET
set -euo pipefail

build=${1:?build directory}
seconds=${2:?seconds per target}
here=$(cd "$(dirname "$0")" && pwd)
scratch="$build/fuzz-run"

# Longest input each target is given: a small map, a sheet of rows, an XML file, a packed blob.
declare -A maxLen=([fuzz_document]=32768 [fuzz_editor_rows]=4096 [fuzz_xml_scanner]=32768 [fuzz_unpack]=8192)

failed=()
for target in fuzz_document fuzz_editor_rows fuzz_xml_scanner fuzz_unpack; do
    binary="$build/fuzz/$target"
    [[ -x "$binary" ]] || { echo "fuzz: $binary is missing; build with -DTESSEL_FUZZ=ON" >&2; exit 2; }
    corpus="$scratch/$target"
    findings="$build/findings/$target"
    rm -rf "$corpus"
    mkdir -p "$corpus" "$findings"
    cp "$here/corpus/$target/"* "$corpus/"
    echo "fuzz: $target for ${seconds}s"
    if "$binary" -dict="$here/tessel.dict" -max_len="${maxLen[$target]}" -rss_limit_mb=4096 -timeout=10 \
        -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$findings/" "$corpus" \
        >"$scratch/$target.log" 2>&1; then
        grep -E '^stat::(number_of_executed_units|peak_rss_mb)' "$scratch/$target.log" | sed "s/^/  /"
    else
        echo "fuzz: $target FAILED; input in $findings, log in $scratch/$target.log" >&2
        grep -E '^(fuzz_|==[0-9]+==ERROR|SUMMARY)' "$scratch/$target.log" | head -5 >&2 || true
        failed+=("$target")
    fi
done

if ((${#failed[@]})); then
    echo "fuzz: findings in ${failed[*]}" >&2
    exit 1
fi
echo "fuzz: no findings"
