// Ordered list of isovalues (contour levels), regular or irregular.
#ifndef GRIDLUX_PBISOVALUESLIST_H
#define GRIDLUX_PBISOVALUESLIST_H

#include <Gridlux/base/PbBase.h>

#include <vector>

/**
 * @brief The contour levels read by contouring, filled and level-surface representations and by
 * the value legends.
 *
 * The values are always ascending; the list is regular when every gap equals the first one.
 * Regular lists are computed as first + i * step, with the last value of the bounds form set to
 * the upper bound exactly. Default: 1, 2, ..., 10. Bad input (a count below what the form
 * needs, a zero or NaN step, NaN values) posts a message and keeps the list as it was.
 */
class PbIsovaluesList : public PbBase {
public:
  PbIsovaluesList();
  /** A regular list of @p num values from @p min to @p max. */
  PbIsovaluesList(float min, float max, int num);
  PbIsovaluesList(const PbIsovaluesList& other);
  PbIsovaluesList& operator=(const PbIsovaluesList& other);

  /** Each returns 1 when the list was replaced, 0 (with a message) when it was kept. */
  int setRegularIsoList(float min, float max, int num);
  int setRegularIsoList(float min, float max);
  int setRegularIsoList(int num);
  /** @p num values first + i * step; a negative step is stored in ascending order. */
  int setRegularIsoList(int num, float first, float step);
  /** A regular list between the smallest and the largest of @p values. */
  int setRegularIsoList(int numValues, const float* values);
  int setRegularIsoList(int numValues, const float* values, int num);
  /** Any values, sorted ascending; an empty list is allowed. */
  int setIrregularIsoList(int num, const float* values);

  /** The values (null when the list is empty), bounds, step and whether the list is regular. */
  const float* getIsoList(int& num, float& min, float& max, float& step, int& regular) const;
  int getNum() const { return m_num; }
  float getMinDelta() const { return m_minDelta; }

  /** Largest isovalue <= v, or -1e20 when there is none. */
  float getLowerIsovalue(float v) const;
  /** Smallest isovalue >= v, or 1e20 when there is none. */
  float getUpperIsovalue(float v) const;
  /** The number of isovalues strictly below v. */
  int getIndex(float v) const;

  /** Same count and the same values in order. */
  friend int operator==(const PbIsovaluesList& a, const PbIsovaluesList& b);
  friend int operator!=(const PbIsovaluesList& a, const PbIsovaluesList& b) { return !(a == b); }

private:
  int setRegularP(const char* methodName, float min, float max, int num);
  void changed();

  float m_min = 1.0f;
  float m_max = 10.0f;
  std::vector<float> m_values;
  float m_step = 1.0f;
  float m_minDelta = 1.0f;
  int m_num = 10;
  int m_regular = 1;
};

#endif
