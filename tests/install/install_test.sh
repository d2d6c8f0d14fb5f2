#!/usr/bin/env bash
# Installs the runtime from the build folder into a temporary prefix, builds the
# examples against it as a project of their own with CMake, builds one program
# with pkg-config alone, and runs both headless on a short replay. The packed
# example built outside must draw what the one built in the tree draws.
#
#   install_test.sh BUILD_DIR SOURCE_DIR [COMPILER_FLAGS]
set -euo pipefail
build_dir=$1
source_dir=$2
flags=${3:-}

work=$(mktemp -d "${TMPDIR:-/tmp}/morvane-install-XXXXXX")
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

fail() {
  echo "install test: $*" >&2
  exit 1
}

cmake --install "$build_dir" --prefix "$prefix" > "$work/install.log"

# The public headers are there, the runtime's and the tests' private ones are not.
[[ -f $prefix/include/morvane/morvane.h && -f $prefix/include/morvane/core/dynstr.h ]] ||
  fail "the public headers were not installed"
for private in platform/replay_file.h gfx2d/built_in_font.h support/test_runtime.h; do
  [[ ! -e $prefix/include/morvane/$private ]] || fail "the private header $private was installed"
done
[[ -x $prefix/bin/shoebox && -x $prefix/bin/dddconv ]] || fail "the tools were not installed"

# With a sanitizer build, the programs are built with the same sanitizers, and
# the leak check (which the driver libraries' own blocks would trip) is off.
if [[ -n $flags ]]; then export ASAN_OPTIONS=detect_leaks=0; fi

cmake -S "$source_dir/examples" -B "$work/examples" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS="$flags" > "$work/configure.log" ||
  { cat "$work/configure.log"; fail "the examples do not configure against the installed package"; }
cmake --build "$work/examples" -j 2 > "$work/build.log" ||
  { tail -40 "$work/build.log"; fail "the examples do not build against the installed package"; }

export PKG_CONFIG_PATH=$prefix/lib/pkgconfig
# shellcheck disable=SC2046,SC2086  # pkg-config's words are separate arguments
c++ -std=c++20 $flags "$source_dir/examples/text_input.cpp" $(pkg-config --cflags --libs morvane) \
  -o "$work/text_input" || fail "a program does not build with pkg-config"

# A replay of 30 frames without input: the header, then for each frame its
# time (0), mouse movement (0, 0), buttons (0) and a count of keys down (0).
replay=$work/quiet.replay
{
  printf 'MVRP\001\000\000\000'
  head -c $((30 * 14)) /dev/zero
} > "$replay"

# Runs a program headless from an empty folder; its frame 20 lands in DIR/frame-20.bmp.
run_headless() {
  local program=$1 shots=$2 alone
  alone=$(mktemp -d "$work/run-XXXXXX")
  mkdir -p "$shots"
  cp "$program" "$alone/"
  SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy MORVANE_NO_NOTICE=1 MORVANE_REPLAY="$replay" \
    MORVANE_REPLAY_SPEED=0 MORVANE_SHOTS="$shots" MORVANE_SHOT_FRAMES=20 "$alone/$(basename "$program")" \
    > "$alone/output.txt" 2>&1 || { cat "$alone/output.txt"; fail "$program did not run"; }
  [[ -s $shots/frame-20.bmp ]] || fail "$program wrote no screenshot"
}

run_headless "$work/examples/bin/carried_data" "$work/shots-outside"
run_headless "$build_dir/bin/carried_data" "$work/shots-inside"
cmp -s "$work/shots-outside/frame-20.bmp" "$work/shots-inside/frame-20.bmp" ||
  fail "the example built outside draws otherwise than the one built in the tree"
run_headless "$work/text_input" "$work/shots-pkg-config"
echo "install test: installed, built outside with CMake and pkg-config, and ran"
