// Growth, insertion and removal of the vertex and colour arrays.
#include <Gridlux/base/ArrayBase.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <limits>
#include <vector>

template <class T>
ArrayBase<T>::ArrayBase()
  : m_countPtr(&m_count)
{
}

template <class T>
ArrayBase<T>::ArrayBase(const ArrayBase& other)
  : m_countPtr(&m_count)
{
  copyFrom(other);
}

template <class T>
ArrayBase<T>& ArrayBase<T>::operator=(const ArrayBase& other)
{
  if (this != &other) {
    delete[] m_data;
    delete m_fillValue;
    m_data = nullptr;
    m_fillValue = nullptr;
    copyFrom(other);
  }
  return *this;
}

template <class T>
void ArrayBase<T>::copyFrom(const ArrayBase& other)
{
  // The count pointer stays on this array's own count.
  m_minGrowth = other.m_minGrowth;
  m_maxGrowth = other.m_maxGrowth;
  m_fillValue = other.m_fillValue ? new T(*other.m_fillValue) : nullptr;
  m_capacity = other.m_capacity;
  m_count = other.m_count;
  m_data = m_capacity > 0 ? new T[m_capacity] : nullptr;
  if (m_fillValue)
    std::fill_n(m_data, m_capacity, *m_fillValue);
  std::copy_n(other.m_data, m_count, m_data);
}

template <class T>
ArrayBase<T>::~ArrayBase()
{
  delete[] m_data;
  delete m_fillValue;
}

template <class T>
void ArrayBase<T>::appendArray(const ArrayBase& other)
{
  insertAt(m_count, other.m_data, other.m_count);
}

template <class T>
void ArrayBase<T>::appendValues(const T* values, int num)
{
  insertAt(m_count, values, num);
}

template <class T>
void ArrayBase<T>::append(const T* value)
{
  if (value)
    append(*value);
}

template <class T>
void ArrayBase<T>::append(const T& value)
{
  insertAt(m_count, &value, 1);
}

template <class T>
void ArrayBase<T>::insertArray(int index, const ArrayBase& other)
{
  insertAt(index, other.m_data, other.m_count);
}

template <class T>
void ArrayBase<T>::insertValues(int index, const T* values, int num)
{
  insertAt(index, values, num);
}

template <class T>
void ArrayBase<T>::insert(int index, const T* value)
{
  if (value)
    insert(index, *value);
}

template <class T>
void ArrayBase<T>::insert(int index, const T& value)
{
  insertAt(index, &value, 1);
}

template <class T>
void ArrayBase<T>::remove(int index, int num)
{
  if (num <= 0 || index < 0 || index >= m_count)
    return;
  if (static_cast<int64_t>(index) + num >= m_count) {
    m_count = index;
    return;
  }
  std::copy(m_data + index + num, m_data + m_count, m_data + index);
  m_count -= num;
}

template <class T>
void ArrayBase<T>::setFillValue(const T& value)
{
  if (m_fillValue)
    *m_fillValue = value;
  else
    m_fillValue = new T(value);
}

template <class T>
void ArrayBase<T>::clearFillValue()
{
  delete m_fillValue;
  m_fillValue = nullptr;
}

template <class T>
void ArrayBase<T>::setGrowth(int minGrowth, int maxGrowth)
{
  // A zero minimum would make the doubling from an empty array loop for ever.
  m_minGrowth = std::max(minGrowth, 1);
  m_maxGrowth = std::max(maxGrowth, m_minGrowth);
}

template <class T>
void ArrayBase<T>::reserve(int needed)
{
  if (needed <= m_capacity)
    return;
  int64_t room = m_capacity == 0 ? m_minGrowth : 2 * static_cast<int64_t>(m_capacity);
  while (room < needed)
    room *= 2;
  const int64_t extra = std::min<int64_t>(std::max<int64_t>(room - needed, m_minGrowth), m_maxGrowth);
  const int64_t capacity = std::min<int64_t>(needed + extra, std::numeric_limits<int>::max());

  T* block = new T[capacity];
  if (m_fillValue)
    std::fill_n(block, capacity, *m_fillValue);
  std::copy_n(m_data, m_count, block);
  delete[] m_data;
  m_data = block;
  m_capacity = static_cast<int>(capacity);
}

template <class T>
bool ArrayBase<T>::isInside(const T* p) const
{
  return m_data && std::less_equal<const T*>()(m_data, p) && std::less<const T*>()(p, m_data + m_capacity);
}

template <class T>
void ArrayBase<T>::insertAt(int index, const T* values, int num)
{
  if (index < 0 || num <= 0 || !values)
    return;
  if (static_cast<int64_t>(index) + num > std::numeric_limits<int>::max())
    return;
  // Values taken from this array's own storage would be freed by growing or moved by the shift.
  std::vector<T> own;
  if (isInside(values)) {
    own.assign(values, values + num);
    values = own.data();
  }
  if (index >= m_count) {
    reserve(index + num);
    std::copy_n(values, num, m_data + index);
    m_count = index + num;
    return;
  }
  reserve(m_count + num);
  std::copy_backward(m_data + index, m_data + m_count, m_data + m_count + num);
  std::copy_n(values, num, m_data + index);
  m_count += num;
}

template class ArrayBase<SbVec2f>;
template class ArrayBase<SbVec3f>;
template class ArrayBase<SbColor>;
