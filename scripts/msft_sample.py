"""Microsoft's daily prices of mid 2003 as matplotlib's sample data ships them (msft.csv, from
python3-matplotlib), and the axis frame the price gallery scenes share: trading days along x,
the price along y, grey grid lines."""
import csv
import datetime

SOURCE = "/usr/share/matplotlib/mpl-data/sample_data/msft.csv"


def rows():
    """Every row of the file oldest first, each with its date parsed into "day"."""
    with open(SOURCE) as f:
        table = list(csv.DictReader(f))
    for r in table:
        r["day"] = datetime.datetime.strptime(r["Date"], "%d-%b-%y")
    table.sort(key=lambda r: r["day"])
    return table


def series():
    """The first day, the closes and the volumes in millions."""
    table = rows()
    return table[0]["day"], [float(r["Close"]) for r in table], [float(r["Volume"]) / 1e6 for r in table]


def numbers(values, fmt="%.4g"):
    values = [fmt % v for v in values]
    return "\n".join("      " + " ".join(values[i:i + 12]) for i in range(0, len(values), 12))


def frame(n, lo, hi, first, title="MSFT close (USD)", unlit=False):
    """Domain and axes of n trading days from first over prices lo to hi; unlit draws the axes in
    their base colour, for scenes whose lights are set for solids."""
    start = first.strftime("%d %b %Y").lstrip("0")
    return """  PoDomain { min 0 %(lo)g 0  max %(n)d %(hi)g 1 }
  Separator {
%(light)s    BaseColor { rgb 0.85 0.85 0.85 }
    PoLinearAxis {
      start 0 %(lo)g 0
      end %(n)d
      type XY
      gridVisibility VISIBILITY_ON
      gridLengthGradOtherSide %(span)g
      titleVisibility VISIBILITY_ON
      titleString "trading days from %(start)s"
      mainGradGridApp AppearanceKit { material Material { diffuseColor 0.3 0.35 0.4 } }
    }
    PoLinearAxis {
      start 0 %(lo)g 0
      end %(hi)g
      type YX
      gridVisibility VISIBILITY_ON
      gridLengthGradOtherSide %(n)d
      titleVisibility VISIBILITY_ON
      titleString "%(title)s"
      mainGradGridApp AppearanceKit { material Material { diffuseColor 0.3 0.35 0.4 } }
    }
  }
""" % {"lo": lo, "hi": hi, "n": n, "span": hi - lo, "start": start, "title": title,
       "light": "    LightModel { model BASE_COLOR }\n" if unlit else ""}
