// Growth, copying, sorting and equality of the public arrays; growth, insertion and removal of
// the vertex and colour arrays.
#include <Gridlux/base/ColorArray.h>
#include <Gridlux/base/PbArrayOfFloat.h>
#include <Gridlux/base/PbArrayOfInt.h>
#include <Gridlux/base/PbArrayOfLong.h>
#include <Gridlux/base/Vertex2Array.h>
#include <Gridlux/base/Vertex3Array.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <type_traits>
#include <utility>
#include <vector>

namespace {

template <class Array>
using ElementOf = std::remove_reference_t<decltype(std::declval<Array&>()[0])>;

template <class Array>
std::vector<ElementOf<Array>> contents(const Array& a)
{
  std::vector<ElementOf<Array>> out;
  for (int i = 0; i < a.getNum(); ++i)
    out.push_back(a[i]);
  return out;
}

template <class Array>
Array arrayOf(std::vector<ElementOf<Array>> values, int capacity = 1, int growth = 1)
{
  Array a(capacity, growth);
  a.add(static_cast<int>(values.size()), values.data());
  return a;
}

// ---- Behaviour shared by the three public arrays ----

template <class Array>
class PbArrayTest : public ::testing::Test {};
using PbArrays = ::testing::Types<PbArrayOfInt, PbArrayOfFloat, PbArrayOfLong>;
TYPED_TEST_SUITE(PbArrayTest, PbArrays);

TYPED_TEST(PbArrayTest, DefaultArrayGrowsByTensOneValueAtATime)
{
  TypeParam a;
  EXPECT_EQ(a.getNum(), 0);
  EXPECT_EQ(a.getCapacity(), 0);
  for (int i = 0; i < 21; ++i) {
    EXPECT_EQ(a.add(ElementOf<TypeParam>(i)), i);
    EXPECT_EQ(a.getCapacity(), (i / 10 + 1) * 10) << "after " << i + 1 << " values";
  }
  EXPECT_EQ(a[0], 0);
  EXPECT_EQ(a[20], 20);
}

TYPED_TEST(PbArrayTest, NonPositiveConstructorArgumentsMeanOne)
{
  TypeParam a(0, 0);
  EXPECT_EQ(a.getCapacity(), 1);
  EXPECT_EQ(a.getGrowth(), 1);
  a += 1;
  a += 2;
  a += 3;
  EXPECT_EQ(a.getCapacity(), 3);
  EXPECT_EQ(contents(a), (std::vector<ElementOf<TypeParam>>{1, 2, 3}));
}

TYPED_TEST(PbArrayTest, EmptyKeepsStorageAndSqueezeFitsIt)
{
  TypeParam a(20, 5);
  a += 4;
  a += 5;
  a += 6;
  a.squeeze();
  EXPECT_EQ(a.getCapacity(), 3);
  EXPECT_EQ(contents(a), (std::vector<ElementOf<TypeParam>>{4, 5, 6}));
  a.empty();
  EXPECT_EQ(a.getNum(), 0);
  EXPECT_EQ(a.getCapacity(), 3);
  a.squeeze();
  EXPECT_EQ(a.getCapacity(), 0);
  a += 9; // storage comes back by the growth step
  EXPECT_EQ(a.getCapacity(), 5);
  EXPECT_EQ(a[0], 9);
}

TYPED_TEST(PbArrayTest, CopiesAreDeepAndKeepCapacityAndGrowth)
{
  TypeParam source = arrayOf<TypeParam>({1, 2, 3}, 8, 4);
  TypeParam copy(source);
  EXPECT_EQ(copy.getCapacity(), 8);
  EXPECT_EQ(copy.getGrowth(), 4);
  copy[0] = 100;
  EXPECT_EQ(source[0], 1);

  TypeParam assigned(1, 1);
  assigned += 77;
  assigned = source;
  EXPECT_EQ(contents(assigned), contents(source));
  EXPECT_EQ(assigned.getCapacity(), 8);
  assigned[1] = 200;
  EXPECT_EQ(source[1], 2);

  TypeParam& self = source;
  source = self;
  EXPECT_EQ(contents(source), (std::vector<ElementOf<TypeParam>>{1, 2, 3}));

  TypeParam unallocated;
  TypeParam copyOfUnallocated(unallocated);
  EXPECT_EQ(copyOfUnallocated.getNum(), 0);
  copyOfUnallocated += 1;
  EXPECT_EQ(copyOfUnallocated.getCapacity(), 10);
}

TYPED_TEST(PbArrayTest, AppendingArraysIncludingItself)
{
  TypeParam a = arrayOf<TypeParam>({1, 2}, 2, 3);
  TypeParam b = arrayOf<TypeParam>({3, 4, 5});
  a += b;
  EXPECT_EQ(contents(a), (std::vector<ElementOf<TypeParam>>{1, 2, 3, 4, 5}));
  EXPECT_EQ(a.getCapacity(), 5); // 2 + one step of 3
  a += a;
  EXPECT_EQ(contents(a), (std::vector<ElementOf<TypeParam>>{1, 2, 3, 4, 5, 1, 2, 3, 4, 5}));
  a += TypeParam();
  EXPECT_EQ(a.getNum(), 10);
}

TYPED_TEST(PbArrayTest, AddingValuesReturnsTheLastIndex)
{
  TypeParam a(4, 4);
  const ElementOf<TypeParam> values[] = {7, 8, 9};
  EXPECT_EQ(a.add(3, values), 2);
  EXPECT_EQ(a.add(0, values), 2);
  EXPECT_EQ(a.add(-1, values), 2);
  // Values from the array's own storage survive the growth that frees it.
  EXPECT_EQ(a.add(3, &a[0]), 5);
  EXPECT_EQ(contents(a), (std::vector<ElementOf<TypeParam>>{7, 8, 9, 7, 8, 9}));
}

TYPED_TEST(PbArrayTest, WritableIndexRaisesCountAndGrowsStorage)
{
  TypeParam a;
  a[25] = 7;
  EXPECT_EQ(a.getNum(), 26);
  EXPECT_EQ(a.getCapacity(), 30);
  a[3] = 1; // inside: the count stays
  EXPECT_EQ(a.getNum(), 26);
  const TypeParam& readOnly = a;
  EXPECT_EQ(readOnly[25], 7);
  EXPECT_EQ(readOnly.getNum(), 26);
}

TYPED_TEST(PbArrayTest, SetCapacityNeverShrinks)
{
  TypeParam a(4, 2);
  a.setCapacity(16, 0);
  EXPECT_EQ(a.getCapacity(), 16);
  EXPECT_EQ(a.getGrowth(), 2); // non-positive growth ignored
  a.setCapacity(8, 6);
  EXPECT_EQ(a.getCapacity(), 16);
  EXPECT_EQ(a.getGrowth(), 6);
  for (int i = 0; i < 17; ++i)
    a += ElementOf<TypeParam>(i);
  EXPECT_EQ(a.getCapacity(), 22);
}

TYPED_TEST(PbArrayTest, EqualityIgnoresCapacity)
{
  const TypeParam small = arrayOf<TypeParam>({1, 2, 3});
  const TypeParam large = arrayOf<TypeParam>({1, 2, 3}, 50, 50);
  EXPECT_TRUE(small == large);
  EXPECT_FALSE(small == arrayOf<TypeParam>({1, 2}));
  EXPECT_FALSE(small == arrayOf<TypeParam>({1, 2, 4}));
  EXPECT_TRUE(small != arrayOf<TypeParam>({1, 2, 3, 4}));
  EXPECT_TRUE(TypeParam() == TypeParam(5, 5));
}

TEST(PbArrayOfIntTest, FindGivesTheFirstMatch)
{
  const PbArrayOfInt a = arrayOf<PbArrayOfInt>({5, 3, 5, 1});
  EXPECT_EQ(a.find(5), 0);
  EXPECT_EQ(a.find(1), 3);
  EXPECT_EQ(a.find(4), -1);
  EXPECT_EQ(PbArrayOfInt().find(0), -1);
}

TEST(PbArrayOfFloatTest, ComparesExactly)
{
  const float nan = std::numeric_limits<float>::quiet_NaN();
  EXPECT_FALSE(arrayOf<PbArrayOfFloat>({1.0f}) == arrayOf<PbArrayOfFloat>({std::nextafter(1.0f, 2.0f)}));
  EXPECT_FALSE(arrayOf<PbArrayOfFloat>({nan}) == arrayOf<PbArrayOfFloat>({nan}));
}

TEST(PbArrayOfLongTest, GetExposesTheStorage)
{
  PbArrayOfLong a;
  EXPECT_EQ(a.get(), nullptr);
  a += 2147483647;
  a += -2147483647 - 1;
  ASSERT_NE(a.get(), nullptr);
  EXPECT_EQ(a.get()[0], 2147483647);
  EXPECT_EQ(a.get()[1], -2147483647 - 1);
}

// ---- Growth by the step: one block add from a given capacity and growth ----

struct GrowthRow {
  int capacity;
  int growth;
  int added;
  int expectedCapacity;
};

class PbArrayGrowth : public ::testing::TestWithParam<GrowthRow> {};

TEST_P(PbArrayGrowth, SmallestMultipleOfTheStepThatHoldsTheValues)
{
  const GrowthRow& row = GetParam();
  PbArrayOfInt a(row.capacity, row.growth);
  std::vector<int> values(row.added);
  for (int i = 0; i < row.added; ++i)
    values[i] = i * 3;
  a.add(row.added, values.data());
  EXPECT_EQ(a.getCapacity(), row.expectedCapacity);
  EXPECT_EQ(contents(a), values);
}

INSTANTIATE_TEST_SUITE_P(Rows, PbArrayGrowth,
                         ::testing::Values(GrowthRow{10, 10, 9, 10}, GrowthRow{10, 10, 10, 10},
                                           GrowthRow{10, 10, 11, 20}, GrowthRow{10, 10, 35, 40},
                                           GrowthRow{5, 3, 6, 8}, GrowthRow{5, 3, 12, 14},
                                           GrowthRow{0, 0, 3, 3}, GrowthRow{-4, -2, 2, 2},
                                           GrowthRow{1, 1000, 2, 1001}));

// ---- Sorting ----

struct SortRow {
  std::vector<int> input;
  std::vector<int> increasing;
  std::vector<int> decreasing;
};

class PbArraySort : public ::testing::TestWithParam<SortRow> {};

TEST_P(PbArraySort, IntAndFloatArraysSortAlike)
{
  const SortRow& row = GetParam();
  PbArrayOfInt ints = arrayOf<PbArrayOfInt>(row.input);
  ints.increasingSort();
  EXPECT_EQ(contents(ints), row.increasing);
  ints.decreasingSort();
  EXPECT_EQ(contents(ints), row.decreasing);

  PbArrayOfFloat floats;
  for (int v : row.input)
    floats += static_cast<float>(v) + 0.5f;
  floats.decreasingSort();
  for (int i = 0; i < floats.getNum(); ++i)
    EXPECT_EQ(floats[i], static_cast<float>(row.decreasing[i]) + 0.5f);
}

INSTANTIATE_TEST_SUITE_P(Rows, PbArraySort,
                         ::testing::Values(SortRow{{3, 1, 2, 1}, {1, 1, 2, 3}, {3, 2, 1, 1}},
                                           SortRow{{}, {}, {}}, SortRow{{4}, {4}, {4}},
                                           SortRow{{5, 4, 3, 2, 1}, {1, 2, 3, 4, 5}, {5, 4, 3, 2, 1}},
                                           SortRow{{-2, 7, 0, -9, 7}, {-9, -2, 0, 7, 7}, {7, 7, 0, -2, -9}}));

TEST(PbArrayOfFloatTest, SortKeepsTheFirstOfEqualValuesInFront)
{
  // 0 and -0 compare equal; which one comes first shows which of the ties was picked.
  PbArrayOfFloat a = arrayOf<PbArrayOfFloat>({0.0f, -0.0f, 1.0f});
  a.increasingSort();
  EXPECT_FALSE(std::signbit(a[0]));
  EXPECT_TRUE(std::signbit(a[1]));
  a.decreasingSort();
  EXPECT_EQ(a[0], 1.0f);
  EXPECT_TRUE(std::signbit(a[1])); // swapping 1 to the front sent 0 behind -0
  EXPECT_FALSE(std::signbit(a[2]));
}

// ---- Vertex and colour arrays ----

template <class T>
T element(float v);
template <>
SbVec2f element<SbVec2f>(float v) { return SbVec2f(v, -v); }
template <>
SbVec3f element<SbVec3f>(float v) { return SbVec3f(v, 2 * v, -v); }
template <>
SbColor element<SbColor>(float v) { return SbColor(v / 100, 0.5f, 1 - v / 100); }

template <class Array>
class VertexArrayTest : public ::testing::Test {
protected:
  using T = ElementOf<Array>;

  static Array range(int n)
  {
    Array a;
    for (int i = 0; i < n; ++i)
      a.append(element<T>(float(i)));
    return a;
  }
  static std::vector<T> expected(std::initializer_list<int> ids)
  {
    std::vector<T> out;
    for (int i : ids)
      out.push_back(element<T>(float(i)));
    return out;
  }
};
using VertexArrays = ::testing::Types<Vertex2Array, Vertex3Array, ColorArray>;
TYPED_TEST_SUITE(VertexArrayTest, VertexArrays);

TYPED_TEST(VertexArrayTest, DoublesThenKeepsAtMostMaxGrowthSpare)
{
  TypeParam a;
  std::vector<int> capacities;
  for (int i = 0; i < 20000; ++i) {
    a.append(element<typename TestFixture::T>(float(i)));
    if (capacities.empty() || capacities.back() != a.getCapacity())
      capacities.push_back(a.getCapacity());
  }
  const std::vector<int> expected = {2, 4, 8, 16, 32, 64, 128, 256, 512, 1024, 2048, 4096, 8192, 13193, 18194, 23195};
  EXPECT_EQ(capacities, expected);
  EXPECT_EQ(a[19999], element<typename TestFixture::T>(19999.0f));
  EXPECT_EQ(a[0], element<typename TestFixture::T>(0.0f));
}

TYPED_TEST(VertexArrayTest, InsertShiftsOrPlacesBeyondTheEnd)
{
  using T = typename TestFixture::T;
  TypeParam a = TestFixture::range(3); // 0 1 2
  a.insert(1, element<T>(10.0f));
  const T front = element<T>(11.0f);
  a.insert(0, &front);
  a.insert(a.getNum(), element<T>(12.0f));
  EXPECT_EQ(std::vector<T>(a.getValues(), a.getValues() + a.getNum()), TestFixture::expected({11, 0, 10, 1, 2, 12}));

  const T filler = element<T>(99.0f);
  TypeParam b;
  b.setFillValue(filler);
  b.insert(4, element<T>(1.0f));
  ASSERT_EQ(b.getNum(), 5);
  EXPECT_EQ(std::vector<T>(b.getValues(), b.getValues() + 5), TestFixture::expected({99, 99, 99, 99, 1}));

  b.insert(-1, element<T>(2.0f));
  b.insertValues(0, nullptr, 3);
  b.insertValues(0, &filler, 0);
  EXPECT_EQ(b.getNum(), 5);
}

TYPED_TEST(VertexArrayTest, ArraysInsertAndAppendIntoThemselves)
{
  TypeParam a = TestFixture::range(3);
  a.insertArray(1, a);
  EXPECT_EQ(std::vector<typename TestFixture::T>(a.getValues(), a.getValues() + a.getNum()),
            TestFixture::expected({0, 0, 1, 2, 1, 2}));
  a.appendArray(a);
  EXPECT_EQ(a.getNum(), 12);
  EXPECT_EQ(a[11], element<typename TestFixture::T>(2.0f));
  // From its own storage, which the insertion shifts under the source.
  a.insertValues(0, a.getValues() + 2, 2);
  EXPECT_EQ(std::vector<typename TestFixture::T>(a.getValues(), a.getValues() + 4), TestFixture::expected({1, 2, 0, 0}));
  EXPECT_EQ(a.getNum(), 14);
}

TYPED_TEST(VertexArrayTest, CountPointerFollowsThisArray)
{
  TypeParam a = TestFixture::range(2);
  const int* count = a.getNumPtr();
  a.append(element<typename TestFixture::T>(5.0f));
  EXPECT_EQ(*count, 3);
  a.remove(0, 1);
  EXPECT_EQ(*count, 2);

  TypeParam copy(a);
  EXPECT_NE(copy.getNumPtr(), count);
  copy.append(element<typename TestFixture::T>(6.0f));
  EXPECT_EQ(*copy.getNumPtr(), 3);
  EXPECT_EQ(*count, 2);
  a = copy;
  EXPECT_EQ(a.getNumPtr(), count);
  EXPECT_EQ(*count, 3);
}

struct RemoveRow {
  int index;
  int num;
  std::vector<int> left;
};

class VertexArrayRemove : public ::testing::TestWithParam<RemoveRow> {};

TEST_P(VertexArrayRemove, RemovesValidRangesOnly)
{
  const RemoveRow& row = GetParam();
  Vertex3Array a;
  for (int i = 0; i < 6; ++i)
    a.append(element<SbVec3f>(float(i)));
  a.remove(row.index, row.num);
  std::vector<SbVec3f> expected;
  for (int i : row.left)
    expected.push_back(element<SbVec3f>(float(i)));
  EXPECT_EQ(std::vector<SbVec3f>(a.getValues(), a.getValues() + a.getNum()), expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, VertexArrayRemove,
                         ::testing::Values(RemoveRow{2, 3, {0, 1, 5}}, RemoveRow{0, 1, {1, 2, 3, 4, 5}},
                                           RemoveRow{4, 10, {0, 1, 2, 3}}, RemoveRow{0, 6, {}},
                                           RemoveRow{1, 0, {0, 1, 2, 3, 4, 5}},
                                           RemoveRow{-1, 2, {0, 1, 2, 3, 4, 5}},
                                           RemoveRow{6, 1, {0, 1, 2, 3, 4, 5}},
                                           RemoveRow{9, 1, {0, 1, 2, 3, 4, 5}}));

struct ReserveRow {
  int minGrowth;
  int maxGrowth;
  int existing;
  int appended;
  int expectedCapacity;
};

class VertexArrayReserve : public ::testing::TestWithParam<ReserveRow> {};

TEST_P(VertexArrayReserve, SpareRoomBetweenMinAndMaxGrowth)
{
  const ReserveRow& row = GetParam();
  Vertex2Array a;
  a.setGrowth(row.minGrowth, row.maxGrowth);
  std::vector<SbVec2f> block(std::max(row.existing, row.appended), SbVec2f(1, 2));
  a.appendValues(block.data(), row.existing);
  a.appendValues(block.data(), row.appended);
  EXPECT_EQ(a.getCapacity(), row.expectedCapacity);
  EXPECT_EQ(a.getNum(), row.existing + row.appended);
}

INSTANTIATE_TEST_SUITE_P(Rows, VertexArrayReserve,
                         ::testing::Values(ReserveRow{1, 5000, 0, 1, 2}, ReserveRow{1, 5000, 0, 10, 16},
                                           ReserveRow{1, 5000, 0, 100, 128}, ReserveRow{1, 5000, 0, 20000, 25000},
                                           ReserveRow{8, 5000, 0, 1, 9}, ReserveRow{8, 5000, 0, 8, 16},
                                           ReserveRow{1, 5000, 4, 2, 10}, ReserveRow{1, 5000, 16, 2, 34},
                                           ReserveRow{1, 10, 100, 11, 121}, ReserveRow{0, 0, 0, 3, 4}));

TEST(VertexArrayDispatch, PointerFormsForwardToTheValueForms)
{
  // A subclass that filters values sees those given by pointer too.
  struct Clamped : Vertex2Array {
    using Vertex2Array::append;
    using Vertex2Array::insert;
    void append(const SbVec2f& v) override { Vertex2Array::append(SbVec2f(std::min(v[0], 1.0f), v[1])); }
    void insert(int index, const SbVec2f& v) override { Vertex2Array::insert(index, SbVec2f(v[0], 0)); }
  };
  Clamped a;
  const SbVec2f v(5, 5);
  ArrayBase<SbVec2f>& base = a;
  base.append(&v);
  base.insert(0, &v);
  ASSERT_EQ(a.getNum(), 2);
  EXPECT_EQ(a[0], SbVec2f(5, 0));
  EXPECT_EQ(a[1], SbVec2f(1, 5));
}

TEST(VertexArrayCopy, CopiesFillValueAndGrowthBounds)
{
  ColorArray a;
  a.setGrowth(4, 4);
  a.setFillValue(SbColor(1, 0, 0));
  a.append(SbColor(0, 1, 0));
  ColorArray b(a);
  a.clearFillValue();
  ASSERT_NE(b.getFillValue(), nullptr);
  EXPECT_EQ(*b.getFillValue(), SbColor(1, 0, 0));
  EXPECT_EQ(b.getMinGrowth(), 4);
  EXPECT_EQ(b.getMaxGrowth(), 4);
  b.insert(3, SbColor(0, 0, 1));
  EXPECT_EQ(b[2], SbColor(1, 0, 0));
  EXPECT_EQ(a.getFillValue(), nullptr);
}

} // namespace
