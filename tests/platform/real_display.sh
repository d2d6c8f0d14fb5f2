# Helpers of the tests on a real X display, sourced by them: a private Xvfb,
# and waits for what a program writes to its error log. Every wait has a
# generous limit and watches for what it expects; none relies on a pause.

# Exits 77 (skipped) without Xvfb and xdotool; otherwise makes a private
# folder, $work, and removes it, with the Xvfb ($xvfb) and the program ($app)
# still running, when the test ends.
prepare_real_display_test() {
    command -v Xvfb >/dev/null && command -v xdotool >/dev/null || exit 77
    work=$(mktemp -d)
    xvfb=""
    app=""
    trap 'kill $xvfb $app 2>/dev/null; rm -rf "$work"' EXIT
}

# Starts an Xvfb of its own on the first free display number, which Xvfb
# reports once it accepts clients; sets DISPLAY and xvfb (its process id).
start_xvfb() {
    local number_file
    number_file=$(mktemp -p "$work")
    Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
    xvfb=$!
    for _ in $(seq 200); do
        [ -s "$number_file" ] && break
        sleep 0.05
    done
    [ -s "$number_file" ] || { echo "Xvfb did not start"; exit 1; }
    export DISPLAY=":$(tr -d '\n' < "$number_file")"
}

# The error log of programs run with TMPDIR=$work, without carriage returns.
error_log() {
    { tr -d '\r' < "$work/morvane-$(id -u)/ErrorLog.txt"; } 2>/dev/null
}

# Waits until a line of the error log matches the pattern, at most `seconds`.
wait_for_log_line() {
    local pattern=$1 seconds=$2
    local tries=$((seconds * 20))
    for _ in $(seq "$tries"); do
        error_log | grep -qE "$pattern" && return 0
        sleep 0.05
    done
    return 1
}

# Waits until the process has ended, at most `seconds`; false if it has not.
wait_for_end() {
    local pid=$1 seconds=$2
    local tries=$((seconds * 20))
    for _ in $(seq "$tries"); do
        kill -0 "$pid" 2>/dev/null || return 0
        sleep 0.05
    done
    return 1
}
