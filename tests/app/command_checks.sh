# Sourced by the command tests, which keep a scratch folder in $work and the program in $tessel.

# Runs the program with the arguments, its outputs into "$work/out" and "$work/err"; ends the test
# as failed unless it exits with status $1.
run_expecting_status() {
    wanted=$1
    shift
    "$tessel" "$@" >"$work/out" 2>"$work/err"
    status=$?
    if [ "$status" -ne "$wanted" ]; then
        echo "expected exit $wanted, got $status" >&2
        cat "$work/out" "$work/err" >&2
        exit 1
    fi
}

# A failed command must print nothing on stdout and name $1 on stderr. Ends the test.
expect_named_failure() {
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
