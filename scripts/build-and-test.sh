#!/usr/bin/env bash
# Builds Gridlux in build/ and runs the whole test suite. With SANITIZE=1
# (or --sanitize) it then builds again in build-asan/ with AddressSanitizer
# and UndefinedBehaviorSanitizer and runs the suite there too.
#
# Environment: SANITIZE=1, JOBS (default 2), BUILD_TYPE (default RelWithDebInfo),
# BUILD_DIR and ASAN_BUILD_DIR (default build/ and build-asan/ in the tree).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
jobs=${JOBS:-2}
build_type=${BUILD_TYPE:-RelWithDebInfo}
build_dir=${BUILD_DIR:-$root/build}
asan_build_dir=${ASAN_BUILD_DIR:-$root/build-asan}
sanitize=${SANITIZE:-0}

for arg in "$@"; do
  case $arg in
    --sanitize) sanitize=1 ;;
    -h|--help)
      sed -n '2,7p' "${BASH_SOURCE[0]}" | sed 's/^# \{0,1\}//'
      exit 0 ;;
    *) echo "build-and-test: unknown option '$arg' (try --help)" >&2; exit 2 ;;
  esac
done

# Configures, builds and tests one build directory; extra arguments go to cmake.
build_and_test() {
  local dir=$1
  shift
  echo "== building $dir"
  cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE="$build_type" "$@"
  cmake --build "$dir" -j"$jobs"
  echo "== testing $dir"
  (cd "$dir" && ctest --output-on-failure -j"$jobs")
}

build_and_test "$build_dir"

if [ "$sanitize" = 1 ]; then
  export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_stack_use_after_return=1}
  # Leaks inside OSMesa and Coin are known and not ours; see the file.
  export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/scripts/lsan-suppressions.txt:print_suppressions=0}
  export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
  build_and_test "$asan_build_dir" -DGRIDLUX_SANITIZE=ON
  echo "== all tests passed (normal and sanitizer builds)"
else
  echo "== all tests passed"
fi
