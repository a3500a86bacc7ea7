# Helpers of the command tests, sourced by them: run `tessel` into $work/out and $work/err and
# check its exit status, and check a failure's output.

# run_tessel TESSEL STATUS ARGUMENT...: runs the command; ends the test when the status differs.
run_tessel() {
    program=$1
    wanted=$2
    shift 2
    "$program" "$@" >"$work/out" 2>"$work/err"
    got=$?
    if [ "$got" -ne "$wanted" ]; then
        echo "expected exit $wanted, got $got" >&2
        cat "$work/out" "$work/err" >&2
        exit 1
    fi
}

# expect_failure_naming TEXT: a failure prints nothing on stdout and names TEXT on stderr; ends the
# test either way.
expect_failure_naming() {
    if [ -s "$work/out" ]; then
        echo "expected nothing on stdout, got:" >&2
        cat "$work/out" >&2
        exit 1
    fi
    if ! grep -F -q -- "$1" "$work/err"; then
        echo "expected stderr to name '$1', got:" >&2
        cat "$work/err" >&2
        exit 1
    fi
    cat "$work/err"
    exit 0
}
