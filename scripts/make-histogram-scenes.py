#!/usr/bin/env python3
"""Writes the histogram scenes from matplotlib's table of the share of US bachelor's degrees earned
by women (percent_bachelors_degrees_women_usa.csv, package python3-matplotlib): the fields in 2011
as one series, and four fields every ten years stacked, each with its item legend."""
import csv
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
SCENES = os.path.join(HERE, "..", "examples", "scenes")
TABLE = "percent_bachelors_degrees_women_usa.csv"
PLACES = ["/usr/share/matplotlib/mpl-data/sample_data"]
PALETTE = [(0.12, 0.47, 0.71), (1.0, 0.5, 0.05), (0.17, 0.63, 0.17), (0.84, 0.15, 0.16),
           (0.58, 0.4, 0.74), (0.55, 0.34, 0.29), (0.89, 0.47, 0.76), (0.5, 0.5, 0.5)]


def table_path():
    try:
        import matplotlib
        PLACES.insert(0, os.path.join(matplotlib.get_data_path(), "sample_data"))
    except ImportError:
        pass
    for place in PLACES:
        path = os.path.join(place, TABLE)
        if os.path.exists(path):
            return path
    sys.exit("make-histogram-scenes: %s not found (install python3-matplotlib)" % TABLE)


def read_table():
    with open(table_path(), newline="") as f:
        rows = list(csv.reader(f))
    header, body = rows[0], rows[1:]
    return header[1:], {int(r[0]): [float(v) for v in r[1:]] for r in body}


def colors(n):
    return ", ".join("%g %g %g" % PALETTE[i % len(PALETTE)] for i in range(n))


def strings(items):
    return ", ".join('"%s"' % s for s in items)


def legend(start, end, items, title, columns=1):
    return """  PoItemLegend {
    start %g %g
    end %g %g
    item [ %s ]
    boxColor [ %s ]
    numColumns %d
    titleVisibility VISIBILITY_ON
    titlePosition POS_TOP
    titleString "%s"
    backgroundApp AppearanceKit { material Material { diffuseColor 1 1 1 } }
    backgroundBorderApp AppearanceKit { material Material { diffuseColor 0.3 0.3 0.3 } }
    boxBorderApp AppearanceKit { material Material { diffuseColor 0.1 0.1 0.1 } }
    valueTextApp AppearanceKit { material Material { diffuseColor 0 0 0 } }
    titleApp AppearanceKit { material Material { diffuseColor 0 0 0 } }
  }""" % (start[0], start[1], end[0], end[1], strings(items), colors(len(items)), columns, title)


def axis(top, title):
    return """  Separator {
    BaseColor { rgb 0.85 0.85 0.85 }
    PoLinearAxis {
      start 0 0 0
      end %g
      type YX
      gridVisibility VISIBILITY_ON
      gridLengthGradOtherSide 6.4
      arrowVisibility VISIBILITY_OFF
      titleVisibility VISIBILITY_ON
      titleString "%s"
      mainGradGridApp AppearanceKit { material Material { diffuseColor 0.3 0.3 0.35 } }
    }
  }""" % (top, title)


XMIN, XMAX, YMIN = -0.8, 10.2, -8.0


def camera(top):
    """Position x, y and height of a camera that frames the domain, seen after its transform
    (x kept, y stretched by dx / dy), with room for the axis title above."""
    dx, dy = XMAX - XMIN, top - YMIN
    stretch = dx / dy
    return (0.5 * (XMIN + XMAX), 0.5 * (YMIN + top) * stretch + 0.3, 1.1 * max(dy * stretch, 0.75 * dx))


def scene(comment, top, body):
    return """#Inventor V2.1 ascii

# %s
# Written by scripts/make-histogram-scenes.py from matplotlib's sample table %s.

Separator {
  OrthographicCamera {
    position %g %g 10
    height %g
    nearDistance 1
    farDistance 40
  }
  LightModel { model BASE_COLOR }
  PoDomain { min %g %g 0  max %g %g 1 }
%s
%s
}
""" % ((comment, TABLE) + camera(top) + (XMIN, YMIN, XMAX, top, axis(top * 0.95, "women (%)" if top < 150 else "stacked (%)"), body))


def main():
    fields, years = read_table()
    latest = max(years)
    # The eight fields with the highest share in the latest year, highest first.
    ranked = sorted(range(len(fields)), key=lambda k: -years[latest][k])[:8]
    values = [round(years[latest][k]) for k in ranked]
    single = """  Separator {
    BaseColor { rgb 0.9 0.9 0.9 }
    PoSingleHistogram {
      start 0.2 0
      end 6.2
      value [ %s ]
      color [ %s ]
      nameVisibility VISIBILITY_OFF
      valueFontSize 0.025
    }
  }
%s""" % (", ".join("%g" % v for v in values), colors(len(values)),
         legend((6.5, 46), (10.1, 96), [fields[k] for k in ranked], "Field, %d" % latest))
    comment = ("Share of women among the bachelor's degrees of the eight fields where it was highest in %d, "
               "one bar per field, its value above it; the item legend names the fields." % latest)
    with open(os.path.join(SCENES, "histogram_single.iv"), "w") as f:
        f.write(scene(comment, 100, single))

    chosen = ["Computer Science", "Engineering", "Physical Sciences", "Math and Statistics"]
    decades = [y for y in sorted(years) if y % 10 == 0]
    columns = [fields.index(c) for c in chosen]
    table = [round(years[y][k]) for y in decades for k in columns]
    stacked = """  Separator {
    BaseColor { rgb 0.9 0.9 0.9 }
    PoMultipleHistogram {
      start 0.2 0
      end 6.2
      numRows %d
      numColumns %d
      value [ %s ]
      rowName [ %s ]
      color [ %s ]
      representation ACCUMULATED
      barSpaceValue 0.35
      valueFontSize 0.022
      nameFontSize 0.025
      sumFontSize 0.025
      valueTextApp AppearanceKit { material Material { diffuseColor 0 0 0 } }
    }
  }
%s""" % (len(decades), len(chosen), ", ".join("%g" % v for v in table), strings(str(y) for y in decades),
         colors(len(chosen)), legend((6.5, 110), (10.1, 190), chosen, "Field"))
    comment = ("The share of women in four fields of science and engineering every ten years, stacked per year "
               "with the sum above each stack; the item legend names the fields.")
    with open(os.path.join(SCENES, "histogram_stacked.iv"), "w") as f:
        f.write(scene(comment, 200, stacked))


if __name__ == "__main__":
    main()
