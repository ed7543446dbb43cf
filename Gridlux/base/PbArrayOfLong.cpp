// Growable array of 32-bit integers.
#include <Gridlux/base/PbArrayOfLong.h>

#include <Gridlux/base/PbArrayOfXP.h>

namespace {
typedef PbArrayOps<PbArrayOfLong, int32_t> Ops;
}

PbArrayOfLong::PbArrayOfLong()
{
  Ops::initDefault(*this);
}

PbArrayOfLong::PbArrayOfLong(int initialCapacity, int growth)
{
  Ops::init(*this, initialCapacity, growth);
}

PbArrayOfLong::PbArrayOfLong(const PbArrayOfLong& other)
{
  Ops::copy(*this, other);
}

PbArrayOfLong& PbArrayOfLong::operator=(const PbArrayOfLong& other)
{
  Ops::assign(*this, other);
  return *this;
}

PbArrayOfLong::~PbArrayOfLong()
{
  Ops::destroy(*this);
}

int PbArrayOfLong::add(int32_t value)
{
  return Ops::add(*this, value);
}

int PbArrayOfLong::add(int num, const int32_t* values)
{
  return Ops::add(*this, num, values);
}

PbArrayOfLong& PbArrayOfLong::operator+=(int32_t value)
{
  Ops::add(*this, value);
  return *this;
}

PbArrayOfLong& PbArrayOfLong::operator+=(const PbArrayOfLong& other)
{
  Ops::append(*this, other);
  return *this;
}

int32_t& PbArrayOfLong::operator[](int index)
{
  return Ops::at(*this, index);
}

void PbArrayOfLong::setCapacity(int capacity, int growth)
{
  Ops::setCapacity(*this, capacity, growth);
}

void PbArrayOfLong::squeeze()
{
  Ops::squeeze(*this);
}

void PbArrayOfLong::increasingSort()
{
  Ops::increasingSort(*this);
}

void PbArrayOfLong::decreasingSort()
{
  Ops::decreasingSort(*this);
}

bool operator==(const PbArrayOfLong& a, const PbArrayOfLong& b)
{
  return Ops::equal(a, b);
}
