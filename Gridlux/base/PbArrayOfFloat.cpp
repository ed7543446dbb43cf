// Growable array of float.
#include <Gridlux/base/PbArrayOfFloat.h>

#include <Gridlux/base/PbArrayOfXP.h>

namespace {
typedef PbArrayOps<PbArrayOfFloat, float> Ops;
}

PbArrayOfFloat::PbArrayOfFloat()
{
  Ops::initDefault(*this);
}

PbArrayOfFloat::PbArrayOfFloat(int initialCapacity, int growth)
{
  Ops::init(*this, initialCapacity, growth);
}

PbArrayOfFloat::PbArrayOfFloat(const PbArrayOfFloat& other)
{
  Ops::copy(*this, other);
}

PbArrayOfFloat& PbArrayOfFloat::operator=(const PbArrayOfFloat& other)
{
  Ops::assign(*this, other);
  return *this;
}

PbArrayOfFloat::~PbArrayOfFloat()
{
  Ops::destroy(*this);
}

int PbArrayOfFloat::add(float value)
{
  return Ops::add(*this, value);
}

int PbArrayOfFloat::add(int num, const float* values)
{
  return Ops::add(*this, num, values);
}

PbArrayOfFloat& PbArrayOfFloat::operator+=(float value)
{
  Ops::add(*this, value);
  return *this;
}

PbArrayOfFloat& PbArrayOfFloat::operator+=(const PbArrayOfFloat& other)
{
  Ops::append(*this, other);
  return *this;
}

float& PbArrayOfFloat::operator[](int index)
{
  return Ops::at(*this, index);
}

void PbArrayOfFloat::setCapacity(int capacity, int growth)
{
  Ops::setCapacity(*this, capacity, growth);
}

void PbArrayOfFloat::squeeze()
{
  Ops::squeeze(*this);
}

void PbArrayOfFloat::increasingSort()
{
  Ops::increasingSort(*this);
}

void PbArrayOfFloat::decreasingSort()
{
  Ops::decreasingSort(*this);
}

bool operator==(const PbArrayOfFloat& a, const PbArrayOfFloat& b)
{
  return Ops::equal(a, b);
}
