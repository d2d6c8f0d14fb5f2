#!/usr/bin/env bash
# A person's input on a real X display (xdotool) at 10 frames a second: a click,
# a word typed briskly and a tap of Esc, each within a frame, all reach the program.
set -u
program=$1
source "$(dirname "$0")/real_display.sh"
prepare_real_display_test
start_xvfb

export TMPDIR=$work MORVANE_NO_NOTICE=1
unset SDL_VIDEODRIVER
"$program" & app=$!
timeout 20 xdotool search --sync --onlyvisible --name 'Typing_loop' windowfocus --sync >/dev/null 2>&1 || { echo "no window"; exit 1; }
wait_for_log_line '^waiting for a click' 30 || { error_log; echo "the program did not reach its frames"; exit 1; }
for _ in 1 2 3 4 5; do xdotool mousemove_relative 20 5; done
xdotool click 1
wait_for_log_line '^clicked at' 30 || { error_log; echo "the click did not arrive"; exit 1; }
xdotool type --delay 30 hello
xdotool key Return
wait_for_log_line '^typed' 30 || { error_log; echo "Enter did not arrive"; exit 1; }
xdotool key Escape
wait_for_end "$app" 30 || { error_log; echo "Esc did not end the program"; exit 1; }
wait "$app" || { echo "exit status $?"; exit 1; }
app=""
lines=$(error_log)
echo "$lines"
grep -qx 'typed hello' <<< "$lines" || { echo "typed letters were lost"; exit 1; }
grep -qxE 'clicked at (1[5-9][0-9]|200) 1[0-2][0-9]' <<< "$lines" || { echo "the mouse motion did not arrive"; exit 1; }
[ "$(tail -n 5 <<< "$lines" | head -n 2 | tr '\n' ' ')" = "-End On Line 0 " ] || { echo "no orderly end"; exit 1; }
echo "1 passed, 0 failed"
