// Growable array of small toolkit values (vertices, colours) for the library's own geometry code.
#ifndef GRIDLUX_ARRAYBASE_H
#define GRIDLUX_ARRAYBASE_H

#include <Inventor/SbColor.h>
#include <Inventor/SbVec2f.h>
#include <Inventor/SbVec3f.h>

/**
 * @brief Growable array of T, the base of Vertex2Array, Vertex3Array and ColorArray.
 *
 * Growing doubles the room and then keeps between getMinGrowth() (1) and getMaxGrowth() (5000)
 * spare elements beyond what is needed, so long vertex lists do not reserve megabytes of slack.
 * New storage is filled with the fill value when one is set. getNumPtr() points at the element
 * count, so a shape that is handed the pointer sees the count change as the array is filled.
 *
 * Insertion at an index at or beyond the count puts the elements there (the count becomes the
 * index plus the number inserted); elements skipped over hold the fill value or whatever the
 * storage held. Only SbVec2f, SbVec3f and SbColor elements are provided.
 */
template <class T>
class ArrayBase {
public:
  ArrayBase();
  ArrayBase(const ArrayBase& other);
  ArrayBase& operator=(const ArrayBase& other);

  virtual ~ArrayBase();
  /** Appends all elements of @p other (which may be this array). */
  virtual void appendArray(const ArrayBase& other);
  virtual void appendValues(const T* values, int num);
  /** Appends the element that @p value points at. */
  virtual void append(const T* value);
  virtual void append(const T& value);
  virtual void insertArray(int index, const ArrayBase& other);
  virtual void insertValues(int index, const T* values, int num);
  /** Inserts the element that @p value points at. */
  virtual void insert(int index, const T* value);
  virtual void insert(int index, const T& value);
  /**
   * Removes @p num elements from @p index; nothing unless both are valid. A range that runs past
   * the end cuts the array at @p index.
   */
  virtual void remove(int index, int num);

  int getNum() const { return m_count; }
  /** Points at the element count for as long as the array lives. */
  const int* getNumPtr() const { return m_countPtr; }
  int getCapacity() const { return m_capacity; }

  T* getValues() { return m_data; }
  const T* getValues() const { return m_data; }
  T& operator[](int index) { return m_data[index]; }
  const T& operator[](int index) const { return m_data[index]; }

  /** Forgets the elements and keeps the storage. */
  void clear() { m_count = 0; }

  /** Storage allocated from now on starts filled with @p value. */
  void setFillValue(const T& value);
  void clearFillValue();
  /** The fill value, or null when none is set. */
  const T* getFillValue() const { return m_fillValue; }

  /** Bounds of the spare room kept when growing; @p minGrowth is at least 1. */
  void setGrowth(int minGrowth, int maxGrowth);
  int getMinGrowth() const { return m_minGrowth; }
  int getMaxGrowth() const { return m_maxGrowth; }

private:
  void reserve(int needed);
  void insertAt(int index, const T* values, int num);
  void copyFrom(const ArrayBase& other);
  bool isInside(const T* p) const;

  int* m_countPtr;
  int m_minGrowth = 1;
  int m_maxGrowth = 5000;
  int m_capacity = 0;
  int m_count = 0;
  T* m_data = nullptr;
  T* m_fillValue = nullptr;
};

// The members are compiled once, in the library, for these element types.
extern template class ArrayBase<SbVec2f>;
extern template class ArrayBase<SbVec3f>;
extern template class ArrayBase<SbColor>;

#endif
