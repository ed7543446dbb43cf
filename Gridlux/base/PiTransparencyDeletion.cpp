// Index-level removal of the faces, polylines, strip triangles and quads whose transparency marks
// them as deleted.
#include <Gridlux/base/PiTransparencyDeletion.h>

#include <algorithm>

namespace {

// Transparency lookups tolerate short or missing arrays: a part without a value of its own is
// drawn opaque, so it stays.
class Transparency {
public:
  Transparency(const float* values, int num, float threshold)
    : m_values(values), m_num(values ? std::max(num, 0) : 0), m_threshold(threshold)
  {
  }

  // Written as "below" rather than "not at or above" so that a NaN value counts as deleted.
  bool kept(int64_t i) const
  {
    const float value = (i >= 0 && i < m_num) ? m_values[i] : 0.f;
    return value < m_threshold;
  }

private:
  const float* m_values;
  int64_t m_num;
  float m_threshold;
};

// Calls visit(begin, end) for every non-empty part of an index list. Any negative index closes a
// part, and so does the end of the list, so malformed or unterminated lists still read safely.
// Empty parts (repeated terminators) are skipped and take no part number.
template <class Visit>
void forEachPart(const int32_t* index, int num, Visit&& visit)
{
  if (!index)
    return;
  int i = 0;
  while (i < num) {
    const int begin = i;
    while (i < num && index[i] >= 0)
      ++i;
    if (i > begin)
      visit(begin, i);
    ++i;
  }
}

void resetFor(PiTransparencyDeletion::Result& out, int numIndices)
{
  out.coordIndex.clear();
  out.materialIndex.clear();
  // Room for the input and a terminator the input may lack; strips can still grow past this.
  out.coordIndex.reserve(static_cast<size_t>(std::max(numIndices, 0)) + 1);
}

void appendPart(std::vector<int32_t>& dst, const int32_t* index, int begin, int end)
{
  dst.insert(dst.end(), index + begin, index + end);
  dst.push_back(-1);
}

} // namespace

void PiTransparencyDeletion::filterFaceSet(const int32_t* coordIndex, int numIndices,
                                           const float* transparency, int numTransparency,
                                           Binding binding, float threshold, Result& out)
{
  resetFor(out, numIndices);
  const Transparency t(transparency, numTransparency, threshold);

  if (binding != PER_VERTEX) {
    int face = 0;
    forEachPart(coordIndex, numIndices, [&](int begin, int end) {
      if (t.kept(face)) {
        appendPart(out.coordIndex, coordIndex, begin, end);
        out.materialIndex.push_back(face);
      }
      ++face;
    });
    return;
  }

  // Per vertex a face falls apart at its deleted vertices; each remaining run that still
  // encloses an area becomes a face of its own.
  forEachPart(coordIndex, numIndices, [&](int begin, int end) {
    int i = begin;
    while (i < end) {
      const int runBegin = i;
      while (i < end && t.kept(coordIndex[i]))
        ++i;
      if (i - runBegin > 2)
        appendPart(out.coordIndex, coordIndex, runBegin, i);
      ++i; // past the deleted vertex
    }
  });
}

bool PiTransparencyDeletion::filterLineSet(const int32_t* coordIndex, int numIndices,
                                           const float* transparency, int numTransparency,
                                           Binding binding, float threshold, Result& out)
{
  // A line set has no faces, so a per-face binding names nothing that could be deleted.
  if (binding == PER_FACE) {
    resetFor(out, 0);
    return false;
  }
  resetFor(out, numIndices);
  const Transparency t(transparency, numTransparency, threshold);

  if (binding == PER_VERTEX) {
    forEachPart(coordIndex, numIndices, [&](int begin, int end) {
      int i = begin;
      while (i < end) {
        const int runBegin = i;
        while (i < end && t.kept(coordIndex[i]))
          ++i;
        if (i - runBegin >= 2)
          appendPart(out.coordIndex, coordIndex, runBegin, i);
        ++i;
      }
    });
    return true;
  }

  // Per part means per segment, numbered across the whole set; a kept run of segments s..e-1
  // is the polyline through vertices s..e.
  int firstSegment = 0;
  forEachPart(coordIndex, numIndices, [&](int begin, int end) {
    const int segments = end - begin - 1;
    int s = 0;
    while (s < segments) {
      if (!t.kept(firstSegment + s)) {
        ++s;
        continue;
      }
      const int runBegin = s;
      while (s < segments && t.kept(firstSegment + s))
        ++s;
      appendPart(out.coordIndex, coordIndex, begin + runBegin, begin + s + 1);
      for (int k = runBegin; k < s; ++k)
        out.materialIndex.push_back(firstSegment + k);
    }
    firstSegment += segments;
  });
  return true;
}

void PiTransparencyDeletion::filterTriangleStripSet(const int32_t* coordIndex, int numIndices,
                                                    const float* transparency,
                                                    int numTransparency, Binding binding,
                                                    float threshold, Result& out)
{
  resetFor(out, numIndices);
  const Transparency t(transparency, numTransparency, threshold);

  if (binding == PER_PART) {
    int strip = 0;
    forEachPart(coordIndex, numIndices, [&](int begin, int end) {
      if (t.kept(strip)) {
        appendPart(out.coordIndex, coordIndex, begin, end);
        out.materialIndex.push_back(strip);
      }
      ++strip;
    });
    return;
  }

  const bool perFace = binding == PER_FACE;
  int firstTriangle = 0;
  forEachPart(coordIndex, numIndices, [&](int begin, int end) {
    const int triangles = end - begin - 2;
    // Triangle j of the strip is made of its vertices j, j+1 and j+2.
    auto kept = [&](int j) {
      if (perFace)
        return t.kept(firstTriangle + j);
      const int32_t* v = coordIndex + begin + j;
      return t.kept(v[0]) && t.kept(v[1]) && t.kept(v[2]);
    };
    int j = 0;
    while (j < triangles) {
      if (!kept(j)) {
        ++j;
        continue;
      }
      const int runBegin = j;
      while (j < triangles && kept(j))
        ++j;
      // Odd triangles of a strip are drawn with their first two vertices swapped. A run that
      // starts on one gets a leading degenerate triangle so that it starts odd again and keeps
      // facing the same way.
      const bool odd = (runBegin & 1) != 0;
      if (odd)
        out.coordIndex.push_back(coordIndex[begin + runBegin]);
      appendPart(out.coordIndex, coordIndex, begin + runBegin, begin + j + 2);
      if (perFace) {
        // The degenerate triangle also takes a material, so the indices stay aligned with the
        // triangles as they are drawn.
        if (odd)
          out.materialIndex.push_back(firstTriangle + runBegin);
        for (int k = runBegin; k < j; ++k)
          out.materialIndex.push_back(firstTriangle + k);
      }
    }
    firstTriangle += std::max(triangles, 0);
  });
}

bool PiTransparencyDeletion::filterQuadMesh(int startIndex, int rows, int columns,
                                            const float* transparency, int numTransparency,
                                            Binding binding, float threshold, Result& out)
{
  out.coordIndex.clear();
  out.materialIndex.clear();
  // Per part, a mesh's values colour whole rows rather than quads; such a mesh is left alone.
  if (binding == PER_PART)
    return false;
  if (rows < 2 || columns < 2)
    return true;
  const Transparency t(transparency, numTransparency, threshold);
  const int64_t quads = int64_t(rows - 1) * (columns - 1);
  out.coordIndex.reserve(static_cast<size_t>(quads * 5));
  if (binding == PER_FACE)
    out.materialIndex.reserve(static_cast<size_t>(quads * 2));

  for (int r = 0; r + 1 < rows; ++r) {
    for (int c = 0; c + 1 < columns; ++c) {
      const int64_t v00 = startIndex + int64_t(r) * columns + c;
      const int64_t v10 = v00 + columns;
      const int64_t quad = int64_t(r) * (columns - 1) + c;
      const bool kept = binding == PER_FACE
                          ? t.kept(quad)
                          : t.kept(v00) && t.kept(v10) && t.kept(v00 + 1) && t.kept(v10 + 1);
      if (!kept)
        continue;
      out.coordIndex.insert(out.coordIndex.end(),
                            {int32_t(v00), int32_t(v10), int32_t(v00 + 1), int32_t(v10 + 1), -1});
      if (binding == PER_FACE)
        out.materialIndex.insert(out.materialIndex.end(), 2, int32_t(quad));
    }
  }
  return true;
}
