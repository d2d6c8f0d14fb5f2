#!/usr/bin/env bash
# A program on a real X display waiting in its frame pacing or in KEYWAIT ends in
# order when its display goes away or a signal asks it to: within END_LIMIT_SECONDS
# (2) it writes the end record, exits with 0, and its line cache reaches the disk.
set -u
set -m  # job control: SIGINT left as a person's shell leaves it, not ignored
program=$1
source "$(dirname "$0")/real_display.sh"
prepare_real_display_test

# Runs the program waiting as $1 says, ends it with $2 (kill-display or a signal); sets `problem`.
end_case() {
    local wait=$1 how=$2
    problem=""
    rm -rf "$work/morvane-$(id -u)" "$work/kept.txt"
    start_xvfb
    TMPDIR=$work MORVANE_NO_NOTICE=1 WAIT=$wait KEPT_FILE=$work/kept.txt "$program" >"$work/output" 2>&1 &
    app=$!
    wait_for_log_line '^waiting$' 30 || { problem="the program did not start"; return; }
    local asked_at
    asked_at=$(date +%s%N)
    if [ "$how" = kill-display ]; then kill -KILL "$xvfb"; else kill "-$how" "$app"; fi
    wait_for_log_line '^-End On Line$' "$limit" || problem="no orderly end within $limit seconds"
    took_ms=$((($(date +%s%N) - asked_at) / 1000000))
    wait_for_end "$app" 30 || { problem="the program did not end"; return; }
    wait "$app"
    local status=$?
    app=""
    [ -z "$problem" ] || return
    [ "$status" -eq 0 ] || { problem="exit status $status"; return; }
    [ "$({ tr -d '\r' < "$work/kept.txt"; } 2>/dev/null)" = "kept at the end" ] || problem="the line cache was lost"
}

limit=${END_LIMIT_SECONDS:-2}
unset SDL_VIDEODRIVER
failed=0
for case in "frames kill-display" "keywait kill-display" "frames TERM" "keywait INT" "frames HUP" "keywait HUP"; do
    end_case $case
    kill -KILL $app $xvfb 2>/dev/null  # what the case left running
    wait $app $xvfb 2>/dev/null
    app="" xvfb=""
    [ -z "$problem" ] && echo "passed: $case (orderly end after $took_ms ms)" && continue
    echo "FAILED: $case: $problem"
    cat "$work/output"
    failed=$((failed + 1))
done
[ "$failed" -eq 0 ]
