#!/usr/bin/env bash
# Builds the Debian package from the build folder into a temporary folder and
# checks its fields and its contents.
#
#   package_test.sh BUILD_DIR
set -euo pipefail
build_dir=$1

work=$(mktemp -d "${TMPDIR:-/tmp}/morvane-package-XXXXXX")
trap 'rm -rf "$work"' EXIT

fail() {
  echo "package test: $*" >&2
  exit 1
}

cpack --config "$build_dir/CPackConfig.cmake" -G DEB -B "$work" > "$work/cpack.log" ||
  { cat "$work/cpack.log"; fail "cpack failed"; }
package=$(find "$work" -maxdepth 1 -name '*.deb')
[[ -n $package ]] || fail "no package was made"

[[ $(dpkg-deb -f "$package" Package) == libmorvane-dev ]] || fail "the package has another name"
[[ -n $(dpkg-deb -f "$package" Version) && -n $(dpkg-deb -f "$package" Maintainer) ]] ||
  fail "the package has no version or maintainer"
depends=$(dpkg-deb -f "$package" Depends)
# The development packages a program linking the static library needs, and
# the shared libraries the tools use and the runtime opens (libmpv, for videos).
for needed in libsdl2-dev libsdl2-image-dev libgl-dev liblzo2-dev libenet-dev libsdl2-mixer-dev libmpv2 libassimp libstdc++6; do
  [[ $depends == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done

contents=$(dpkg-deb -c "$package")
for file in include/morvane/morvane.h lib/libmorvane.a lib/libmorvane_runtime.a bin/shoebox bin/dddconv \
  lib/cmake/Morvane/MorvaneConfig.cmake lib/pkgconfig/morvane.pc; do
  [[ $contents == *" ./usr/$file"* ]] || fail "the package lacks /usr/$file"
done
echo "package test: $(basename "$package") checked"
