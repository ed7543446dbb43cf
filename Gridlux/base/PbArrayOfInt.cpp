// Growable array of int.
#include <Gridlux/base/PbArrayOfInt.h>

#include <Gridlux/base/PbArrayOfXP.h>

namespace {
typedef PbArrayOps<PbArrayOfInt, int> Ops;
}

PbArrayOfInt::PbArrayOfInt()
{
  Ops::initDefault(*this);
}

PbArrayOfInt::PbArrayOfInt(int initialCapacity, int growth)
{
  Ops::init(*this, initialCapacity, growth);
}

PbArrayOfInt::PbArrayOfInt(const PbArrayOfInt& other)
{
  Ops::copy(*this, other);
}

PbArrayOfInt& PbArrayOfInt::operator=(const PbArrayOfInt& other)
{
  Ops::assign(*this, other);
  return *this;
}

PbArrayOfInt::~PbArrayOfInt()
{
  Ops::destroy(*this);
}

int PbArrayOfInt::add(int value)
{
  return Ops::add(*this, value);
}

int PbArrayOfInt::add(int num, const int* values)
{
  return Ops::add(*this, num, values);
}

PbArrayOfInt& PbArrayOfInt::operator+=(int value)
{
  Ops::add(*this, value);
  return *this;
}

PbArrayOfInt& PbArrayOfInt::operator+=(const PbArrayOfInt& other)
{
  Ops::append(*this, other);
  return *this;
}

int& PbArrayOfInt::operator[](int index)
{
  return Ops::at(*this, index);
}

int PbArrayOfInt::find(int value) const
{
  return Ops::find(*this, value);
}

void PbArrayOfInt::setCapacity(int capacity, int growth)
{
  Ops::setCapacity(*this, capacity, growth);
}

void PbArrayOfInt::squeeze()
{
  Ops::squeeze(*this);
}

void PbArrayOfInt::increasingSort()
{
  Ops::increasingSort(*this);
}

void PbArrayOfInt::decreasingSort()
{
  Ops::decreasingSort(*this);
}

bool operator==(const PbArrayOfInt& a, const PbArrayOfInt& b)
{
  return Ops::equal(a, b);
}
