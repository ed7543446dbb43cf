// Internal helpers of the error-bar and high-low-close nodes: list messages, sizes and the
// toolkit shapes they build. Not installed.
#ifndef GRIDLUX_ERRORBARSXP_H
#define GRIDLUX_ERRORBARSXP_H

#include <Gridlux/attributes/PbDomain.h>
#include <Gridlux/attributes/PoMiscTextAttrElement.h>
#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/charts/PiErrorBars.h>
#include <Gridlux/text/PiText.h>

#include <Inventor/SbString.h>
#include <Inventor/fields/SoMFFloat.h>
#include <Inventor/fields/SoMFVec2f.h>
#include <Inventor/misc/SoState.h>
#include <Inventor/nodekits/SoBaseKit.h>
#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoFont.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoLineSet.h>
#include <Inventor/nodes/SoMarkerSet.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace ErrorBarsXP {

/** A column over one coordinate (0: x, 1: y) of a point list. */
inline PiErrorBars::Column coordinateColumn(const SoMFVec2f& points, int coordinate)
{
  PiErrorBars::Column column;
  column.num = points.getNum();
  column.values = column.num ? points.getValues(0)[0].getValue() + coordinate : nullptr;
  column.stride = 2;
  return column;
}

/** A column over a float list, of the given kind; error lists take negative values as magnitudes. */
inline PiErrorBars::Column listColumn(const SoMFFloat& list, PiErrorBars::ColumnKind kind, bool magnitude = false)
{
  PiErrorBars::Column column;
  column.num = list.getNum();
  column.values = column.num ? list.getValues(0) : nullptr;
  column.kind = kind;
  column.magnitude = magnitude;
  return column;
}

/**
 * Posts the warnings of @p report from @p method, one per kind of problem: lists of unequal
 * length (@p lengths names each list's length), entries that are not finite, negative errors.
 */
inline void postReport(const char* method, const PiErrorBars::Report& report, const std::string& lengths)
{
  if (report.unequal)
    PoDebugError::postWarning(method, "lists of unequal length (%s); the first %d entries drawn", lengths.c_str(),
                              report.numEntries);
  if (report.numDropped)
    PoDebugError::postWarning(method, "%d of %d entries hold a value that is not finite; not drawn",
                              report.numDropped, report.numEntries);
  if (report.numNegative)
    PoDebugError::postWarning(method, "%d negative errors taken as their magnitude", report.numNegative);
}

/** "name count" for the length message. */
inline std::string lengthOf(const char* name, int num)
{
  return std::string(name) + " " + std::to_string(num);
}

/**
 * A size stored as a fraction of the domain: the value itself, or 0 (computed) for a negative or
 * non-finite value, which is reported.
 */
inline float checkedFraction(const char* method, const char* name, float value)
{
  if (!(value >= 0.0f) || !std::isfinite(value)) {
    PoDebugError::postWarning(method, "%s %g is not a size; computed instead", name, value);
    return 0.0f;
  }
  return value;
}

/** Coordinates at z = 0. */
inline SoCoordinate3* makeCoordinates(const SbVec2f* points, int num)
{
  SoCoordinate3* coords = new SoCoordinate3;
  coords->point.setNum(num);
  SbVec3f* out = coords->point.startEditing();
  for (int i = 0; i < num; i++)
    out[i].setValue(points[i][0], points[i][1], 0.0f);
  coords->point.finishEditing();
  return coords;
}

/** Line set of two vertices per segment (polyline i is segment i); null when there is none. */
inline SoGroup* makeSegments(const std::vector<SbVec2f>& segments, SoGroup* group = nullptr)
{
  if (segments.size() < 2)
    return group;
  if (!group)
    group = new SoGroup;
  group->addChild(makeCoordinates(segments.data(), int(segments.size())));
  SoLineSet* lines = new SoLineSet;
  const int num = int(segments.size() / 2);
  lines->numVertices.setNum(num);
  int32_t* counts = lines->numVertices.startEditing();
  std::fill(counts, counts + num, 2);
  lines->numVertices.finishEditing();
  group->addChild(lines);
  return group;
}

/**
 * The markers of @p kit at @p points, as the curve draws them: the default "." is a filled
 * circle marker, another string a text centred on the point in the font of the kit's part
 * `markerApp.font` (created when missing, 0.03 of the domain's larger extent), an empty string
 * nothing. @p state gives the text attributes when not null.
 */
inline SoGroup* makeMarkers(SoBaseKit* kit, const SbString& text, const std::vector<SbVec2f>& points,
                            const PbDomain* domain, SoState* state)
{
  if (points.empty() || text.getLength() == 0)
    return nullptr;
  SoGroup* markers = new SoGroup;
  if (text == ".") {
    markers->addChild(makeCoordinates(points.data(), int(points.size())));
    SoMarkerSet* set = new SoMarkerSet;
    set->markerIndex.setValue(SoMarkerSet::CIRCLE_FILLED_7_7);
    markers->addChild(set);
    return markers;
  }
  SoFont* font = static_cast<SoFont*>(kit->getPart("markerApp.font", FALSE));
  if (!font) {
    font = static_cast<SoFont*>(kit->getPart("markerApp.font", TRUE));
    font->size = 0.03f * std::max(domain->getDeltaX(), domain->getDeltaY());
  }
  PiText piText;
  if (state)
    piText.setTextAttributes(PoMiscTextAttrElement::get(state));
  piText.setFont(font->name.getValue().getString(), font->size.getValue());
  piText.setAlignment(PiText::CENTER, PiText::HALF);
  piText.setString(text.getString());
  piText.setGroup(markers);
  for (const SbVec2f& p : points) {
    piText.setOrigin(p);
    piText.build();
  }
  return markers;
}

/** What the two error point fields build. */
struct ErrorPointParts {
  SoGroup* vertical = nullptr;   ///< y error bars and their caps
  SoGroup* horizontal = nullptr; ///< x error bars and their caps
  SoGroup* markers = nullptr;
};

/**
 * The rebuild shared by the error point fields: vertical bars from @p lower and @p upper (none
 * when both lists are empty), horizontal bars from @p left and @p right when given (likewise),
 * caps of @p capWidth (a fraction of the domain's width for the caps of vertical bars, of its
 * height for those of horizontal bars; 0: 0.01), markers at the points.
 */
inline ErrorPointParts buildErrorPoints(SoBaseKit* kit, const char* method, const SoMFVec2f& point,
                                        const SoMFFloat& lower, const SoMFFloat& upper, const SoMFFloat* left,
                                        const SoMFFloat* right, float capWidth, const SbString& marker,
                                        const PbDomain* domain, SoState* state)
{
  PiErrorBars::Column columns[6] = {coordinateColumn(point, 0), coordinateColumn(point, 1),
                                    listColumn(lower, PiErrorBars::BROADCAST, true),
                                    listColumn(upper, PiErrorBars::BROADCAST, true)};
  int numColumns = 4;
  std::string lengths = lengthOf("point", point.getNum()) + ", " + lengthOf("lowerError", lower.getNum()) + ", " +
                        lengthOf("upperError", upper.getNum());
  if (left && right) {
    columns[4] = listColumn(*left, PiErrorBars::BROADCAST, true);
    columns[5] = listColumn(*right, PiErrorBars::BROADCAST, true);
    numColumns = 6;
    lengths += ", " + lengthOf("leftError", left->getNum()) + ", " + lengthOf("rightError", right->getNum());
  }
  std::vector<float> table;
  int n = 0;
  postReport(method, PiErrorBars::gatherRows(numColumns, columns, table, n), lengths);

  ErrorPointParts parts;
  if (n == 0)
    return parts;
  const float* column[6];
  for (int c = 0; c < numColumns; c++)
    column[c] = table.data() + std::size_t(c) * std::size_t(n);

  float fraction = checkedFraction(method, "capWidth", capWidth);
  if (fraction == 0.0f)
    fraction = 0.01f;
  std::vector<SbVec2f> segments;
  if (lower.getNum() || upper.getNum()) {
    PiErrorBars::verticalBars(n, column[0], column[1], column[2], column[3], fraction * domain->getDeltaX(),
                              segments);
    parts.vertical = makeSegments(segments);
  }
  if (numColumns == 6 && (left->getNum() || right->getNum())) {
    // Measured on the height, so that the caps look as long as the vertical bars' once the
    // domain is scaled into the scene.
    segments.clear();
    PiErrorBars::horizontalBars(n, column[0], column[1], column[4], column[5], fraction * domain->getDeltaY(),
                                segments);
    parts.horizontal = makeSegments(segments);
  }
  std::vector<SbVec2f> points(static_cast<std::size_t>(n));
  for (int i = 0; i < n; i++)
    points[std::size_t(i)].setValue(column[0][i], column[1][i]);
  parts.markers = makeMarkers(kit, marker, points, domain, state);
  return parts;
}

} // namespace ErrorBarsXP

#endif
