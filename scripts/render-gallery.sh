#!/usr/bin/env bash
# Builds the `gridlux` program and renders every examples/scenes/*.iv to
# gallery/<name>.png, then lists the pictures and writes gallery/index.html,
# a page with each picture as a thumbnail beside its title (from the file
# name), the scene's opening comment and a link to the scene file. A scene
# that fails to render is reported and makes the script fail, after the
# others are done.
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

# Text made safe for HTML.
html_escape() {
  sed -e 's/&/\&amp;/g' -e 's/</\&lt;/g' -e 's/>/\&gt;/g' -e 's/"/\&quot;/g'
}

# The comment lines that open a scene, after its header line, joined into one paragraph.
scene_comment() {
  sed -n '2,$p' "$1" | sed -n '/^[[:space:]]*$/d; /^#/!q; s/^#[[:space:]]\{0,1\}//p' | tr '\n' ' ' | sed 's/[[:space:]]*$//'
}

write_index() {
  local page=$gallery/index.html scene name title
  {
    cat <<'HEAD'
<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<title>Gridlux gallery</title>
<style>
  body { font-family: sans-serif; margin: 2em; max-width: 70em; }
  .scene { display: flex; gap: 1.5em; align-items: flex-start; margin-bottom: 1.5em; }
  .scene img { width: 320px; border: 1px solid #888; background: #000; }
  .scene h2 { margin: 0 0 0.3em 0; font-size: 1.2em; }
  .scene p { margin: 0.3em 0; }
  code { font-size: 0.95em; }
</style>
</head>
<body>
<h1>Gridlux gallery</h1>
HEAD
    echo "<p>${#rendered[@]} scenes from <code>examples/scenes/</code>, rendered by <code>gridlux render</code> at $size. Open a scene with <code>gridlux view</code> to turn it.</p>"
    for scene in "${scenes[@]}"; do
      name=$(basename "$scene" .iv)
      [ -f "$gallery/$name.png" ] || continue
      title=$(echo "${name//_/ }" | sed 's/^./\U&/' | html_escape)
      echo "<div class=\"scene\" id=\"$name\">"
      echo "  <a href=\"$name.png\"><img src=\"$name.png\" alt=\"$title\" loading=\"lazy\"></a>"
      echo "  <div>"
      echo "    <h2>$title</h2>"
      echo "    <p><a href=\"../examples/scenes/$name.iv\"><code>examples/scenes/$name.iv</code></a></p>"
      echo "    <p>$(scene_comment "$scene" | html_escape)</p>"
      echo "  </div>"
      echo "</div>"
    done
    echo "</body>"
    echo "</html>"
  } > "$page"
  echo "wrote $page"
}
write_index

echo "rendered ${#rendered[@]} of ${#scenes[@]} scenes:"
printf '%s\n' "${rendered[@]}"
if [ ${#failed[@]} -gt 0 ]; then
  echo "render-gallery: failed: ${failed[*]}" >&2
  exit 1
fi
