#!/usr/bin/env bash
# Installs every Debian 12 package needed to build, test and run Gridlux.
# Run as root on a fresh machine; safe to re-run (nothing is done when all
# packages are already there, so CI re-runs stay fast).
#
#   --bench-peers  also install VTK, which the benchmarks then time beside the
#                  library on the same data (not needed to build, test or run)
set -euo pipefail

packages=(
  build-essential cmake pkg-config ccache git
  libcoin-dev          # the Open Inventor toolkit the library extends
  libosmesa6-dev       # headless OpenGL for the render tool and image tests
  libpng-dev           # PNG output
  libfreetype-dev libfontconfig-dev fonts-dejavu-core  # text through Coin, same font everywhere
  googletest libgtest-dev libbenchmark-dev
  libcgal-dev          # re-meshing along fault lines (GRIDLUX_WITH_CGAL)
  python3-matplotlib   # sample tables that scripts/make-histogram-scenes.py turns into scenes
  libsoqt520-dev libx11-dev  # the window of `gridlux view` (optional in the build)
  xvfb xauth xdotool   # the viewer's test: a virtual X display and keys typed into it
  doxygen python3      # scripts/make-docs.sh
  clang libclang-rt-14-dev  # the fuzz targets (scripts/run-fuzz.sh): libFuzzer and the sanitizers' runtimes
)

for argument in "$@"; do
  case "$argument" in
    --bench-peers) packages+=(libvtk9-dev) ;;  # contour filters timed as peers
    *) echo "install-deps: unknown argument '$argument' (known: --bench-peers)" >&2; exit 2 ;;
  esac
done

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
  [ "$status" = installed ] || missing+=("$package")
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all ${#packages[@]} packages are installed"
  exit 0
fi
if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps: run as root to install: ${missing[*]}" >&2
  exit 1
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update
apt-get install -y --no-install-recommends "${missing[@]}"
