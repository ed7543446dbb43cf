// Shared implementation of PbArrayOfInt, PbArrayOfFloat and PbArrayOfLong; included only by their
// sources, never installed.
#ifndef GRIDLUX_PBARRAYOFXP_H
#define GRIDLUX_PBARRAYOFXP_H

#include <algorithm>
#include <cstdint>
#include <functional>
#include <limits>
#include <utility>
#include <vector>

/**
 * The operations of the three public arrays, written once over their common layout
 * (m_values, m_capacity, m_lastIndex, m_growth). Each array class befriends its instance.
 */
template <class Array, class T>
struct PbArrayOps {
  static void initDefault(Array& a)
  {
    a.m_values = nullptr;
    a.m_capacity = 0;
    a.m_lastIndex = -1;
    a.m_growth = 10;
  }

  static void init(Array& a, int initialCapacity, int growth)
  {
    a.m_capacity = initialCapacity > 0 ? initialCapacity : 1;
    a.m_values = new T[a.m_capacity]();
    a.m_lastIndex = -1;
    a.m_growth = growth > 0 ? growth : 1;
  }

  static void copy(Array& a, const Array& other)
  {
    a.m_lastIndex = other.m_lastIndex;
    a.m_capacity = other.m_capacity;
    a.m_growth = other.m_growth;
    a.m_values = a.m_capacity > 0 ? new T[a.m_capacity] : nullptr;
    if (a.m_capacity > 0)
      std::copy_n(other.m_values, a.m_capacity, a.m_values);
  }

  static void assign(Array& a, const Array& other)
  {
    if (&a == &other)
      return;
    destroy(a);
    copy(a, other);
  }

  static void destroy(Array& a)
  {
    delete[] a.m_values;
    a.m_values = nullptr;
  }

  /** Replaces the storage by a block of exactly @p capacity elements, keeping what fits. */
  static void reallocate(Array& a, int capacity)
  {
    T* block = capacity > 0 ? new T[capacity]() : nullptr;
    const int kept = std::min(capacity, a.m_capacity);
    if (kept > 0)
      std::copy_n(a.m_values, kept, block);
    delete[] a.m_values;
    a.m_values = block;
    a.m_capacity = capacity;
  }

  /**
   * Growing adds the smallest multiple of the growth that holds @p newSize elements; shrinking
   * (squeeze) goes to exactly @p newSize.
   */
  static void resize(Array& a, int newSize)
  {
    if (newSize == a.m_capacity)
      return;
    if (newSize < a.m_capacity) {
      reallocate(a, std::max(newSize, 0));
      return;
    }
    const int64_t steps = (static_cast<int64_t>(newSize) - a.m_capacity - 1) / a.m_growth + 1;
    const int64_t capacity = a.m_capacity + steps * a.m_growth;
    // Near the int limit a whole step may not fit; the needed size still does.
    reallocate(a, capacity > std::numeric_limits<int>::max() ? newSize : static_cast<int>(capacity));
  }

  static int add(Array& a, T value)
  {
    ++a.m_lastIndex;
    if (a.m_lastIndex >= a.m_capacity)
      resize(a, a.m_lastIndex + 1);
    a.m_values[a.m_lastIndex] = value;
    return a.m_lastIndex;
  }

  static int add(Array& a, int num, const T* values)
  {
    if (num <= 0 || !values)
      return a.m_lastIndex;
    // The values may come from this array's own storage, which growing frees.
    std::vector<T> own;
    if (isInside(a, values)) {
      own.assign(values, values + num);
      values = own.data();
    }
    const int first = a.m_lastIndex + 1;
    a.m_lastIndex += num;
    if (a.m_lastIndex + 1 > a.m_capacity)
      resize(a, a.m_lastIndex + 1);
    std::copy_n(values, num, a.m_values + first);
    return a.m_lastIndex;
  }

  static void append(Array& a, const Array& other)
  {
    const int num = other.m_lastIndex + 1;
    if (num <= 0)
      return;
    const int needed = a.m_lastIndex + other.m_lastIndex + 2;
    if (a.m_capacity < needed)
      resize(a, needed);
    // Read from other only now: when it is this array, the storage may just have moved.
    std::copy_n(other.m_values, num, a.m_values + a.m_lastIndex + 1);
    a.m_lastIndex += num;
  }

  static T& at(Array& a, int index)
  {
    if (index > a.m_lastIndex) {
      if (index >= a.m_capacity)
        resize(a, index + 1);
      a.m_lastIndex = index;
    }
    return a.m_values[index];
  }

  static int find(const Array& a, T value)
  {
    for (int i = 0; i <= a.m_lastIndex; ++i)
      if (a.m_values[i] == value)
        return i;
    return -1;
  }

  static void setCapacity(Array& a, int capacity, int growth)
  {
    if (growth > 0)
      a.m_growth = growth;
    if (capacity > a.m_capacity)
      reallocate(a, capacity);
  }

  static void squeeze(Array& a) { resize(a, a.m_lastIndex + 1); }

  /**
   * Selection sort: the first extreme element met wins ties, which fixes where equal-comparing
   * but distinct values (0.0 and -0.0) and unordered ones (NaN) end up.
   */
  template <class Before>
  static void selectionSort(Array& a, Before before)
  {
    for (int i = 0; i < a.m_lastIndex; ++i) {
      int best = i;
      for (int j = i + 1; j <= a.m_lastIndex; ++j)
        if (before(a.m_values[j], a.m_values[best]))
          best = j;
      if (best != i)
        std::swap(a.m_values[i], a.m_values[best]);
    }
  }

  static void increasingSort(Array& a) { selectionSort(a, std::less<T>()); }
  static void decreasingSort(Array& a) { selectionSort(a, std::greater<T>()); }

  static bool equal(const Array& a, const Array& b)
  {
    if (a.m_lastIndex != b.m_lastIndex)
      return false;
    for (int i = 0; i <= a.m_lastIndex; ++i)
      if (!(a.m_values[i] == b.m_values[i]))
        return false;
    return true;
  }

private:
  static bool isInside(const Array& a, const T* p)
  {
    const std::less_equal<const T*> le;
    return a.m_values && le(a.m_values, p) && std::less<const T*>()(p, a.m_values + a.m_capacity);
  }
};

#endif
