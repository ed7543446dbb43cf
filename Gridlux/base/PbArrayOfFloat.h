// Growable array of float used in the library's public signatures.
#ifndef GRIDLUX_PBARRAYOFFLOAT_H
#define GRIDLUX_PBARRAYOFFLOAT_H

template <class Array, class T> struct PbArrayOps;

/**
 * @brief Growable array of float.
 *
 * The storage grows by a fixed step (the growth, 10 by default) to the smallest multiple of it
 * that holds the elements, and shrinks only through squeeze(). No index is checked: reading past
 * getNum() returns whatever the storage holds. The writable operator[] makes the array long
 * enough to hold the index, growing the storage when needed.
 */
class PbArrayOfFloat {
public:
  /** An empty array without storage; growth 10. */
  PbArrayOfFloat();
  /** An empty array holding @p initialCapacity elements (at least 1); growth at least 1. */
  PbArrayOfFloat(int initialCapacity, int growth);
  PbArrayOfFloat(const PbArrayOfFloat& other);
  PbArrayOfFloat& operator=(const PbArrayOfFloat& other);
  ~PbArrayOfFloat();

  int getNum() const { return m_lastIndex + 1; }
  int getCapacity() const { return m_capacity; }
  int getGrowth() const { return m_growth; }

  /** Forgets the elements and keeps the storage. */
  void empty() { m_lastIndex = -1; }

  /** Appends @p value; returns its index. */
  int add(float value);
  /** Appends @p num values; returns the index of the last element. */
  int add(int num, const float* values);
  PbArrayOfFloat& operator+=(float value);
  PbArrayOfFloat& operator+=(const PbArrayOfFloat& other);

  float& operator[](int index);
  float operator[](int index) const { return m_values[index]; }

  /** Takes @p growth when positive; grows the storage to @p capacity elements, never shrinks. */
  void setCapacity(int capacity, int growth);
  /** Shrinks the storage to exactly getNum() elements. */
  void squeeze();

  /** Orders by the plain < and > of float: NaN elements stay where the comparisons leave them. */
  void increasingSort();
  void decreasingSort();

  /** Same number of elements, all exactly equal (so a NaN never matches); capacities do not matter. */
  friend bool operator==(const PbArrayOfFloat& a, const PbArrayOfFloat& b);
  friend bool operator!=(const PbArrayOfFloat& a, const PbArrayOfFloat& b) { return !(a == b); }

private:
  friend struct PbArrayOps<PbArrayOfFloat, float>;

  float* m_values;
  int m_capacity;
  int m_lastIndex;
  int m_growth;
};

#endif
