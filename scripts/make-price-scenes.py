#!/usr/bin/env python3
"""Writes the error bar, error band and high-low-close scenes from Microsoft's daily prices of
mid 2003 (open, high, low, close), as matplotlib's sample data ships them (python3-matplotlib)."""
import math
import os

import msft_sample
from msft_sample import frame

HERE = os.path.dirname(os.path.abspath(__file__))
SCENES = os.path.join(HERE, "..", "examples", "scenes")


def numbers(values, fmt="%.2f"):
    return msft_sample.numbers(values, fmt)


def write(name, comment, body):
    path = os.path.join(SCENES, name)
    with open(path, "w") as f:
        f.write("#Inventor V2.1 ascii\n\n# %s\n# Written by scripts/make-price-scenes.py from matplotlib's sample data (msft.csv).\n"
                "# Render with:  gridlux render examples/scenes/%s -o %s --size 640x480\n\nSeparator {\n"
                "  LightModel { model BASE_COLOR }\n%s}\n" % (comment, name, name.replace(".iv", ".png"), body))


def main():
    rows = msft_sample.rows()
    first = rows[0]["day"]
    n = len(rows) - 1
    opens = [float(r["Open"]) for r in rows]
    highs = [float(r["High"]) for r in rows]
    lows = [float(r["Low"]) for r in rows]
    closes = [float(r["Close"]) for r in rows]
    lo, hi = int(min(lows)) - 0.5, int(max(highs)) + 1
    days = list(range(len(rows)))
    points = " ".join("%d %.2f," % (i, c) for i, c in enumerate(closes))

    write("high_low_close.iv",
          "Daily open, high, low and close: a line from low to high, the open ticked left, the close right; "
          "green when the close is above the open, red otherwise.",
          frame(n, lo, hi, first, "MSFT price (USD)") + """  PoHighLowClose {
    xPosition [
%s ]
    open [
%s ]
    high [
%s ]
    low [
%s ]
    close [
%s ]
    upColor 0.2 0.85 0.35
    downColor 1 0.3 0.25
    highLowCloseApp AppearanceKit { drawStyle DrawStyle { lineWidth 2 } }
  }
""" % (numbers(days, "%d"), numbers(opens), numbers(highs), numbers(lows), numbers(closes)))

    write("error_bars.iv",
          "Each daily close with the day's range as its error bars: down to the low, up to the high.",
          frame(n, lo, hi, first, "MSFT close (USD)") + """  BaseColor { rgb 0.55 0.75 1 }
  PoErrorPointField {
    point [ %s ]
    lowerError [
%s ]
    upperError [
%s ]
    capWidth 0.006
    markerApp AppearanceKit { material Material { diffuseColor 1 0.8 0.3 } }
  }
""" % (points, numbers([c - l for c, l in zip(closes, lows)]), numbers([h - c for h, c in zip(highs, closes)])))

    # Weeks of trading days: the mean close with one standard deviation of the daily closes
    # up and down, across from the week's first to its last trading day.
    weeks = {}
    for i, r in enumerate(rows):
        weeks.setdefault(r["day"].isocalendar()[:2], []).append(i)
    centres, means, spreads, lefts, rights = [], [], [], [], []
    for key in sorted(weeks):
        idx = weeks[key]
        values = [closes[i] for i in idx]
        mean = sum(values) / len(values)
        centre = sum(idx) / len(idx)
        centres.append(centre)
        means.append(mean)
        spreads.append(math.sqrt(sum((v - mean) ** 2 for v in values) / len(values)))
        lefts.append(centre - idx[0])
        rights.append(idx[-1] - centre)
    write("error_bars_weekly.iv",
          "Weekly mean close with one standard deviation of the week's closes up and down, "
          "and across from the week's first to its last trading day; the daily closes behind.",
          frame(n, lo, hi, first, "MSFT close (USD)") + """  BaseColor { rgb 0.45 0.5 0.6 }
  PoCurve { point [ %s ] }
  BaseColor { rgb 1 0.8 0.3 }
  PoBiErrorPointField {
    point [ %s ]
    lowerError [
%s ]
    upperError [
%s ]
    leftError [
%s ]
    rightError [
%s ]
    errorBarApp AppearanceKit { drawStyle DrawStyle { lineWidth 2 } }
    horizontalErrorBarApp AppearanceKit { material Material { diffuseColor 0.55 0.75 1 } }
  }
""" % (points, " ".join("%.2f %.3f," % (c, m) for c, m in zip(centres, means)),
           numbers(spreads, "%.3f"), numbers(spreads, "%.3f"), numbers(lefts), numbers(rights)))

    # Ten-day moving mean of the closes with twice the moving standard deviation around it.
    window = 10
    band_points, band_error = [], []
    for i in range(window - 1, len(closes)):
        values = closes[i - window + 1:i + 1]
        mean = sum(values) / window
        band_points.append((i, mean))
        band_error.append(2 * math.sqrt(sum((v - mean) ** 2 for v in values) / window))
    write("error_band.iv",
          "Ten-day moving mean of the closes with a band of twice the moving standard deviation; the closes over it.",
          frame(n, lo, hi, first, "MSFT close (USD)") + """  BaseColor { rgb 1 0.8 0.3 }
  PoErrorCurve {
    point [ %s ]
    lowerError [
%s ]
    upperError [
%s ]
    errorBandApp AppearanceKit { material Material { diffuseColor 0.2 0.3 0.5 } }
    curveApp AppearanceKit { drawStyle DrawStyle { lineWidth 2 } }
  }
  BaseColor { rgb 0.55 0.75 1 }
  PoCurve { point [ %s ] }
""" % (" ".join("%d %.3f," % p for p in band_points), numbers(band_error, "%.3f"), numbers(band_error, "%.3f"),
           points))


if __name__ == "__main__":
    main()
