#include "boundary/IntList.h"

#include <algorithm>
#include <string>

#include "boundary/LibraryError.h"

namespace aggregate {

void TIntegerlist::setCapacity(int32_t n) {
  if (n < FSize || n > kMaxCapacity) throw LibraryError("Capacity not possible: " + std::to_string(n));
  if (n == FCapacity) return;
  FValues.resize(static_cast<std::size_t>(n), 0);
  FCapacity = n;
}

void TIntegerlist::setSize(int32_t n) {
  if (n < 0 || n > kMaxCapacity) throw LibraryError("Size not possible: " + std::to_string(n));
  if (n > FCapacity) setCapacity(n);
  if (n < FSize) std::fill(FValues.begin() + n, FValues.begin() + FSize, 0);
  FSize = n;
}

void TIntegerlist::clear() {
  setSize(0);
  setCapacity(4);
}

void TIntegerlist::Grow() {
  int32_t step = 4;
  if (FCapacity > 64) {
    step = FCapacity / 4;
  } else if (FCapacity > 8) {
    step = 16;
  }
  setCapacity(FCapacity + step);
}

void TIntegerlist::add(int32_t pValue) {
  if (FSize == FCapacity) Grow();
  FValues[static_cast<std::size_t>(FSize)] = pValue;
  ++FSize;
}

void TIntegerlist::addUnique(int32_t pValue) {
  if (!find(pValue)) add(pValue);
}

bool TIntegerlist::find(int32_t pValue) const {
  return std::find(FValues.begin(), FValues.begin() + FSize, pValue) != FValues.begin() + FSize;
}

int32_t TIntegerlist::Items(int32_t index) const {
  if (index < 0 || index >= FSize) throw LibraryError("Index out of range");
  return FValues[static_cast<std::size_t>(index)];
}

}  // namespace aggregate
