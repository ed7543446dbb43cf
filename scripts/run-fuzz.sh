#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (in build-fuzz/) and runs each over its seeds for a
# while, failing on the first crash, hang or huge allocation. The seeds come from the
# repository (every .iv of examples/ and tests/, the broken scenes kept from earlier findings
# among them); what a run adds goes to a scratch corpus in the build folder, never the tree.
#
# Environment: FUZZ_SECONDS per target (default 30), FUZZ_BUILD_DIR (default build-fuzz/),
# JOBS (default 2), FUZZ_TARGETS (default: scene_reader mesh_field_reader date_parser),
# FUZZ_LEAKS=1 to report leaks too (off by default: the toolkit itself leaks on some bad input,
# and a leak seen only at exit names no input, so it is for runs looked at by hand).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${FUZZ_BUILD_DIR:-$root/build-fuzz}
seconds=${FUZZ_SECONDS:-30}
jobs=${JOBS:-2}
targets=${FUZZ_TARGETS:-scene_reader mesh_field_reader date_parser}

if ! command -v clang++ >/dev/null; then
  echo "run-fuzz: clang++ not found, fuzz targets skipped" >&2
  exit 0
fi

echo "== building fuzz targets in $build_dir"
CC=clang CXX=clang++ cmake -S "$root" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DGRIDLUX_BUILD_FUZZ=ON -DGRIDLUX_SANITIZE=ON -DGRIDLUX_BUILD_TESTS=OFF >/dev/null
# shellcheck disable=SC2086
cmake --build "$build_dir" -j"$jobs" --target $targets scene_dictionary

work=$build_dir/fuzz/run
rm -rf "$work"
mkdir -p "$work/scene-seeds"
# Seeds under their path, so that equal names in different folders are all kept.
(cd "$root" && find examples tests -name '*.iv' -type f -print0) |
  while IFS= read -r -d '' file; do cp "$root/$file" "$work/scene-seeds/${file//\//_}"; done
# A one-shot tool: what the toolkit keeps at exit is no concern of it.
ASAN_OPTIONS=detect_leaks=0 COIN_NO_SOTYPE_DYNLOAD=1 "$build_dir/fuzz/scene_dictionary" >"$work/scene_reader.dict"
echo "run-fuzz: $(ls "$work/scene-seeds" | wc -l) scene seeds, $(wc -l <"$work/scene_reader.dict") dictionary words"

export COIN_NO_SOTYPE_DYNLOAD=1
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
for target in $targets; do
  corpus=$work/corpus-$target
  mkdir -p "$corpus"
  extra=(-max_len=8192)
  seeds=()
  case $target in
    scene_reader) seeds=("$work/scene-seeds"); extra+=(-dict="$work/scene_reader.dict") ;;
    mesh_field_reader) seeds=("$work/scene-seeds") ;;
    date_parser) extra=(-max_len=256) ;;  # a format and a date
  esac
  echo "== fuzzing $target for ${seconds}s"
  if ! "$build_dir/fuzz/$target" -rss_limit_mb=2048 -timeout=10 -detect_leaks="${FUZZ_LEAKS:-0}" \
      -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$work/$target-" \
      "${extra[@]}" "$corpus" "${seeds[@]}" 2>"$work/$target.log"; then
    tail -n 60 "$work/$target.log" >&2
    echo "run-fuzz: $target failed; the input is in $work/$target-*" >&2
    exit 1
  fi
  grep -E '^stat::number_of_executed_units|^Done' "$work/$target.log" || true
done
echo "== fuzz targets ran without a finding"
