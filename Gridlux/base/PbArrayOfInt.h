// Growable array of int used in the library's public signatures.
#ifndef GRIDLUX_PBARRAYOFINT_H
#define GRIDLUX_PBARRAYOFINT_H

template <class Array, class T> struct PbArrayOps;

/**
 * @brief Growable array of int.
 *
 * The storage grows by a fixed step (the growth, 10 by default) to the smallest multiple of it
 * that holds the elements, and shrinks only through squeeze(). No index is checked: reading past
 * getNum() returns whatever the storage holds. The writable operator[] makes the array long
 * enough to hold the index, growing the storage when needed.
 */
class PbArrayOfInt {
public:
  /** An empty array without storage; growth 10. */
  PbArrayOfInt();
  /** An empty array holding @p initialCapacity elements (at least 1); growth at least 1. */
  PbArrayOfInt(int initialCapacity, int growth);
  PbArrayOfInt(const PbArrayOfInt& other);
  PbArrayOfInt& operator=(const PbArrayOfInt& other);
  ~PbArrayOfInt();

  int getNum() const { return m_lastIndex + 1; }
  int getCapacity() const { return m_capacity; }
  int getGrowth() const { return m_growth; }

  /** Forgets the elements and keeps the storage. */
  void empty() { m_lastIndex = -1; }

  /** Appends @p value; returns its index. */
  int add(int value);
  /** Appends @p num values; returns the index of the last element. */
  int add(int num, const int* values);
  PbArrayOfInt& operator+=(int value);
  PbArrayOfInt& operator+=(const PbArrayOfInt& other);

  int& operator[](int index);
  int operator[](int index) const { return m_values[index]; }

  /** Index of the first element equal to @p value, or -1. */
  int find(int value) const;

  /** Takes @p growth when positive; grows the storage to @p capacity elements, never shrinks. */
  void setCapacity(int capacity, int growth);
  /** Shrinks the storage to exactly getNum() elements. */
  void squeeze();

  void increasingSort();
  void decreasingSort();

  /** Same number of elements, all equal; capacities and growths do not matter. */
  friend bool operator==(const PbArrayOfInt& a, const PbArrayOfInt& b);
  friend bool operator!=(const PbArrayOfInt& a, const PbArrayOfInt& b) { return !(a == b); }

private:
  friend struct PbArrayOps<PbArrayOfInt, int>;

  int* m_values;
  int m_capacity;
  int m_lastIndex;
  int m_growth;
};

#endif
