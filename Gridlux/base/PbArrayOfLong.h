// Growable array of 32-bit integers used in the library's public signatures.
#ifndef GRIDLUX_PBARRAYOFLONG_H
#define GRIDLUX_PBARRAYOFLONG_H

#include <cstdint>

template <class Array, class T> struct PbArrayOps;

/**
 * @brief Growable array of 32-bit integers (int32_t).
 *
 * The storage grows by a fixed step (the growth, 10 by default) to the smallest multiple of it
 * that holds the elements, and shrinks only through squeeze(). No index is checked: reading past
 * getNum() returns whatever the storage holds. The writable operator[] makes the array long
 * enough to hold the index, growing the storage when needed.
 */
class PbArrayOfLong {
public:
  /** An empty array without storage; growth 10. */
  PbArrayOfLong();
  /** An empty array holding @p initialCapacity elements (at least 1); growth at least 1. */
  PbArrayOfLong(int initialCapacity, int growth);
  PbArrayOfLong(const PbArrayOfLong& other);
  PbArrayOfLong& operator=(const PbArrayOfLong& other);
  ~PbArrayOfLong();

  int getNum() const { return m_lastIndex + 1; }
  int getCapacity() const { return m_capacity; }
  int getGrowth() const { return m_growth; }

  /** Forgets the elements and keeps the storage. */
  void empty() { m_lastIndex = -1; }

  /** Appends @p value; returns its index. */
  int add(int32_t value);
  /** Appends @p num values; returns the index of the last element. */
  int add(int num, const int32_t* values);
  PbArrayOfLong& operator+=(int32_t value);
  PbArrayOfLong& operator+=(const PbArrayOfLong& other);

  int32_t& operator[](int index);
  int32_t operator[](int index) const { return m_values[index]; }

  /** The storage itself, null before the first allocation. */
  int32_t* get() { return m_values; }
  const int32_t* get() const { return m_values; }

  /** Takes @p growth when positive; grows the storage to @p capacity elements, never shrinks. */
  void setCapacity(int capacity, int growth);
  /** Shrinks the storage to exactly getNum() elements. */
  void squeeze();

  void increasingSort();
  void decreasingSort();

  /** Same number of elements, all equal; capacities and growths do not matter. */
  friend bool operator==(const PbArrayOfLong& a, const PbArrayOfLong& b);
  friend bool operator!=(const PbArrayOfLong& a, const PbArrayOfLong& b) { return !(a == b); }

private:
  friend struct PbArrayOps<PbArrayOfLong, int32_t>;

  int32_t* m_values;
  int m_capacity;
  int m_lastIndex;
  int m_growth;
};

#endif
