#!/usr/bin/env bash
# Builds the `gridlux` program and renders every examples/scenes/*.iv to
# gallery/<name>.png, then lists the pictures. A scene that fails to render
# is reported and makes the script fail, after the others are done.
#
# Environment: SIZE (default 640x480), JOBS (default 2), BUILD_TYPE,
# BUILD_DIR (default build/ in the tree).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${BUILD_DIR:-$root/build}
gallery=$root/gallery
size=${SIZE:-640x480}

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}"
cmake --build "$build" -j"${JOBS:-2}" --target gridlux
program=$build/tools/gridlux

shopt -s nullglob
scenes=("$root"/examples/scenes/*.iv)
if [ ${#scenes[@]} -eq 0 ]; then
  echo "render-gallery: no scenes in $root/examples/scenes" >&2
  exit 1
fi

mkdir -p "$gallery"
rendered=()
failed=()
for scene in "${scenes[@]}"; do
  name=$(basename "$scene" .iv)
  if COIN_NO_SOTYPE_DYNLOAD=1 "$program" render "$scene" -o "$gallery/$name.png" --size "$size"; then
    rendered+=("$gallery/$name.png")
  else
    failed+=("$scene")
  fi
done

echo "rendered ${#rendered[@]} of ${#scenes[@]} scenes:"
printf '%s\n' "${rendered[@]}"
if [ ${#failed[@]} -gt 0 ]; then
  echo "render-gallery: failed: ${failed[*]}" >&2
  exit 1
fi
