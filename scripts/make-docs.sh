#!/usr/bin/env bash
# Builds the API reference with Doxygen into docs/html from the doc blocks of
# the public headers (Gridlux/**/*.h but the private *XP.h): one group per
# subsystem folder, the main page listing every public class by folder, and
# the gallery pictures (gallery/*.png, see render-gallery.sh) beside the
# classes their scenes use. Fails on any Doxygen warning and on a public class
# without a doc block, naming each.
#
# Environment: GALLERY=0 leaves the pictures out (else missing ones are
# rendered first through render-gallery.sh, which takes BUILD_DIR).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
command -v doxygen >/dev/null || { echo "make-docs: doxygen is not installed (scripts/install-deps.sh)" >&2; exit 1; }
command -v python3 >/dev/null || { echo "make-docs: python3 is not installed" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Pictures: rendered when a scene has none yet.
if [ "${GALLERY:-1}" != 0 ]; then
  for scene in examples/scenes/*.iv; do
    if [ ! -f "gallery/$(basename "$scene" .iv).png" ]; then
      # A scene that fails to render only loses its picture here.
      bash scripts/render-gallery.sh || echo "make-docs: some gallery pictures are missing" >&2
      break
    fi
  done
fi

# The pages Doxygen reads beside the headers: groups, main page, pictures.
python3 - "$work/pages.dox" <<'PY'
import glob, os, re, sys

folders = [
    ("base", "Library frame", "start-up and class registration, the node base, data objects, errors and arrays"),
    ("platform", "Toolkit stand-ins", "the few classes of an extended toolkit that Coin lacks"),
    ("mesh", "Mesh data model", "meshes with their value sets, structured grids, unstructured meshes, cells, one-dimensional meshes"),
    ("mesh/nodes", "Mesh property nodes and fields", "the nodes, fields and element that carry a mesh into the scene graph"),
    ("attributes", "Data attributes", "data mappings, isovalues, domains, text attributes, formats, cell filters, with their nodes and elements"),
    ("representations", "Mesh representations", "the nodes that turn a mesh and its values into geometry"),
    ("representations/algorithms", "Representation algorithms", "contouring, marching cases, skins and stream paths"),
    ("axes", "Axes", "axis nodes and their graduation"),
    ("charts", "Charts", "curves, histograms, pie charts, bars and scatter plots"),
    ("text", "Text, labels and legends", "text building, number formatting, labels, label fields and legends"),
    ("views", "Views", "viewports with their own camera and scene, and the VRML 2 conversion"),
    ("figures", "Geometric figures", "circles, arcs, rectangles, parallelograms and arrows"),
]
declaration = re.compile(r"^(?:class|struct)\s+(\w+)\b[^;]*$", re.M)

def group_id(folder):
    return "subsystem_" + folder.replace("/", "_")

classes = {}  # folder -> top-level classes declared (not just named) in its headers
for folder, _, _ in folders:
    names = []
    for header in sorted(glob.glob(f"Gridlux/{folder}/*.h")):
        if header.endswith("XP.h"):
            continue
        text = open(header, encoding="utf-8").read()
        names += [n for n in declaration.findall(text) if n not in names]
    classes[folder] = names

out = []
for folder, title, what in folders:
    out.append(f"/** \\defgroup {group_id(folder)} {title} ({folder}/)\n * {what[0].upper() + what[1:]}.\n */")
    for name in classes[folder]:
        out.append(f"/** \\class {name}\n * \\ingroup {group_id(folder)} */")

main = ["/** \\mainpage Gridlux API reference", "",
        "Gridlux extends the Coin Open Inventor toolkit with node kits for scientific and business",
        "visualisation. An application includes <Gridlux/Gridlux.h>, calls PoGridlux::init() once and",
        "builds scene graphs from the toolkit's and the library's nodes. Each node's page gives its",
        "fields with their defaults, its parts and its name in scene files; the gallery pictures of",
        "the scenes that use a node stand on its page.", ""]
for folder, title, what in folders:
    if not classes[folder]:
        continue
    main.append(f"\\section sec_{group_id(folder)} {title} ({folder}/)")
    main.append(f"{what[0].upper() + what[1:]}; see also \\ref {group_id(folder)}.")
    main.append("")
    for name in classes[folder]:
        main.append(f"- {name}")
    main.append("")
main.append("*/")
out.append("\n".join(main))

# Gallery: each picture on the page of every library class its scene names.
shown = {}
known = {n for names in classes.values() for n in names}
for scene in sorted(glob.glob("examples/scenes/*.iv")):
    stem = os.path.splitext(os.path.basename(scene))[0]
    if not os.path.exists(f"gallery/{stem}.png"):
        continue
    used = set(re.findall(r"\b(P[obi][A-Z]\w*)\s*\{", open(scene, encoding="utf-8").read()))
    for name in sorted(used & known):
        shown.setdefault(name, []).append(stem)
for name, stems in sorted(shown.items()):
    block = [f"/** \\class {name}", " *", " * \\par In the gallery"]
    for stem in stems:
        block.append(f" * \\image html {stem}.png \"examples/scenes/{stem}.iv\" width=320px")
    block.append(" */")
    out.append("\n".join(block))

open(sys.argv[1], "w", encoding="utf-8").write("\n\n".join(out) + "\n")
PY

rm -rf docs/html
version=$(sed -n 's/^project(Gridlux VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
{
  cat docs/Doxyfile
  echo "PROJECT_NUMBER = $version"
  echo "INPUT += $work/pages.dox"
  echo "XML_OUTPUT = $work/xml"
  echo "WARN_LOGFILE = $work/warnings.log"
  if [ -d gallery ]; then echo "IMAGE_PATH = gallery"; fi
} | doxygen - >/dev/null

status=0
if [ -s "$work/warnings.log" ]; then
  sed 's/^/make-docs: warning: /' "$work/warnings.log" >&2
  status=1
fi

# Every public class has a doc block, and the main page names every class.
python3 - "$work/xml" docs/html/index.html <<'PY' || status=1
import glob, sys, xml.etree.ElementTree as ET
xml_dir, index = sys.argv[1], sys.argv[2]
page = open(index, encoding="utf-8").read()
def text(e):
    return "".join(e.itertext()).strip() if e is not None else ""
bad = 0
count = 0
for path in glob.glob(f"{xml_dir}/class*.xml") + glob.glob(f"{xml_dir}/struct*.xml"):
    for c in ET.parse(path).getroot().findall("compounddef"):
        location = c.find("location")
        if c.get("prot", "public") != "public" or location is None:
            continue
        where = location.get("file", "")
        # Classes only named (forward declarations, toolkit bases) have no body here.
        if not where.startswith("Gridlux/") or location.get("bodyend", "-1") == "-1":
            continue
        name = c.find("compoundname").text
        count += 1
        if not text(c.find("briefdescription")) and not text(c.find("detaileddescription")):
            print(f"make-docs: warning: {where}:{location.get('line')}: public class {name} has no doc block", file=sys.stderr)
            bad += 1
        elif "::" not in name and f">{name}<" not in page:
            print(f"make-docs: warning: {name} is missing from docs/html/index.html", file=sys.stderr)
            bad += 1
print(f"make-docs: {count} public classes documented" if not bad else f"make-docs: {bad} problems", file=sys.stderr)
sys.exit(1 if bad else 0)
PY

[ $status -eq 0 ] && echo "make-docs: wrote docs/html/index.html"
exit $status
