// Isovalue tie-breaking: moves isovalues off node values so that no contour passes through a node.
#ifndef GRIDLUX_PIFIELDWORK_H
#define GRIDLUX_PIFIELDWORK_H

#include <vector>

class PbIsovaluesList;

/**
 * Number of entries of the ascending array @p sorted that are below @p v (the lower-bound
 * position). Branch-free: the contouring runs it once per node of meshes of millions of nodes,
 * where the mispredicted branches of an ordinary binary search cost more than the compares.
 */
inline int countBelow(const float* sorted, int num, float v)
{
  if (num <= 0)
    return 0;
  const float* base = sorted;
  int len = num;
  while (len > 1) {
    const int half = len / 2;
    base = base[half - 1] < v ? base + half : base;
    len -= half;
  }
  return static_cast<int>(base - sorted) + (*base < v);
}

/**
 * countBelow() for each of the @p num values into @p out. With few levels the counts are
 * summed level by level over blocks of values, which vectorises; with many, each value is
 * searched. NaN counts 0.
 */
void countBelowAll(const float* sorted, int numSorted, const float* values, int num, int* out);
/** Whether some value of @p values equals some entry of @p levels (any order). */
bool anyValueOnLevel(const float* levels, int numLevels, const float* values, int num);

/**
 * @brief Keeps an adjusted copy of an isovalues list in which no isovalue equals a node value.
 *
 * A contour through a node would make the crossing of two edges coincide and the polyline
 * ambiguous; moving the isovalue by one hundredth of the gap to the nearest other node value
 * keeps the picture unchanged while every crossing lies strictly inside its edge.
 * The values are compared against up to three arrays taken together (any may be null).
 */
class PiFieldwork {
public:
  void setIsovaluesList(const PbIsovaluesList* list) { m_list = list; }
  const PbIsovaluesList* getIsovaluesList() const { return m_list; }

  /**
   * Copies the list's isovalues and moves those that equal a node value; returns the number of
   * isovalues.
   */
  int adjust(int numA, const float* valuesA, int numB = 0, const float* valuesB = nullptr,
             int numC = 0, const float* valuesC = nullptr);
  const float* getAdjusted() const { return m_adjusted.empty() ? nullptr : m_adjusted.data(); }
  int getNumAdjusted() const { return static_cast<int>(m_adjusted.size()); }
  /** Whether the last adjust() moved some isovalue. */
  int isAdjusted() const { return m_isAdjusted; }

  /**
   * Moves @p isoValue off the values of the three arrays when some (not all) of them equal it;
   * returns 1 when it moved. It goes towards the side where values lie above it (downwards when
   * none does), by one hundredth of the smallest non-zero gap, more when float rounding hides it.
   */
  static int adjustIsovalMultiple(int numA, const float* valuesA, int numB, const float* valuesB,
                                  int numC, const float* valuesC, float& isoValue);

private:
  const PbIsovaluesList* m_list = nullptr;
  std::vector<float> m_adjusted;
  std::vector<float> m_sorted;
  std::vector<long long> m_equal;
  std::vector<float> m_gapMin, m_gapMax;
  int m_isAdjusted = 0;
};

#endif
