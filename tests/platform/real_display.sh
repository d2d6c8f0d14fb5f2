# Sourced by the tests on a real X display: a private Xvfb, and waits (each with
# a generous limit) for what a program writes to its log.

# Exits 77 (skipped) without Xvfb and xdotool; otherwise makes a private folder,
# $work, removed with the Xvfb ($xvfb) and the program ($app) when the test ends.
prepare_real_display_test() {
    command -v Xvfb >/dev/null && command -v xdotool >/dev/null || exit 77
    work=$(mktemp -d) xvfb="" app=""
    trap 'kill $xvfb $app 2>/dev/null; rm -rf "$work"' EXIT
}

# Starts an Xvfb on the first free display number; sets DISPLAY and xvfb.
start_xvfb() {
    local number_file
    number_file=$(mktemp -p "$work")
    Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
    xvfb=$!
    wait_until 10 test -s "$number_file" || { echo "Xvfb did not start"; exit 1; }
    export DISPLAY=":$(tr -d '\n' < "$number_file")"
}

# The error log of programs run with TMPDIR=$work, without carriage returns.
error_log() { { tr -d '\r' < "$work/morvane-$(id -u)/ErrorLog.txt"; } 2>/dev/null; }

# Waits at most `seconds` ($1) until the command succeeds; false if it never does.
wait_until() {
    for _ in $(seq $(($1 * 20))); do
        "${@:2}" && return 0
        sleep 0.05
    done
    return 1
}
log_has() { error_log | grep -qE "$1"; }
has_ended() { ! kill -0 "$1" 2>/dev/null; }
wait_for_log_line() { wait_until "$2" log_has "$1"; }
wait_for_end() { wait_until "$2" has_ended "$1"; }
