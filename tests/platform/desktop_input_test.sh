#!/usr/bin/env bash
# A person's input on a real X display: Xvfb, with xdotool typing and moving
# the mouse. The program waits for the input it expects, so nothing depends on
# timing beyond the generous limits below. Exit 77 (skipped) without Xvfb.
set -u
program=$1
command -v Xvfb >/dev/null && command -v xdotool >/dev/null || exit 77

work=$(mktemp -d)
display=":$((200 + $$ % 500))"
cleanup() { kill "$xvfb" "$app" 2>/dev/null; rm -rf "$work"; }
Xvfb "$display" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
app=""
trap cleanup EXIT
for _ in $(seq 100); do [ -S "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done

export DISPLAY=$display TMPDIR=$work MORVANE_NO_NOTICE=1
unset SDL_VIDEODRIVER
"$program" &
app=$!
timeout 20 xdotool search --sync --name 'Typing_loop' windowfocus --sync >/dev/null 2>&1 || { echo "no window"; exit 1; }
# Keys are held as a person holds them: the input commands poll the key state once a frame.
for key in a b; do xdotool keydown "$key"; sleep 0.15; xdotool keyup "$key"; sleep 0.1; done
for _ in 1 2 3 4 5; do xdotool mousemove_relative 20 5; done
for _ in $(seq 300); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
wait "$app"
status=$?
log="$work/morvane-$(id -u)/ErrorLog.txt"
lines=$(tr -d '\r' < "$log")
echo "$lines"
[ "$status" -eq 0 ] || { echo "exit status $status"; exit 1; }
grep -qx 'typed ab' <<< "$lines" || { echo "the keys did not arrive"; exit 1; }
grep -qxE 'mouse (1[5-9][0-9]|200) 1[0-2][0-9]' <<< "$lines" || { echo "the mouse motion did not arrive"; exit 1; }
echo "1 passed, 0 failed"
