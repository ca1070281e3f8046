#include "common/IntegerList.h"

#include <algorithm>
#include <string>

#include "common/LibraryError.h"

namespace aggregate {

void IntegerList::setCapacity(int32_t n) {
  if (n < size_ || n > kMaxCapacity) throw LibraryError("Capacity not possible: " + std::to_string(n));
  if (n == capacity_) return;
  values_.resize(static_cast<std::size_t>(n), 0);
  capacity_ = n;
}

void IntegerList::setSize(int32_t n) {
  if (n < 0 || n > kMaxCapacity) throw LibraryError("Size not possible: " + std::to_string(n));
  if (n > capacity_) setCapacity(n);
  if (n < size_) std::fill(values_.begin() + n, values_.begin() + size_, 0);
  size_ = n;
}

void IntegerList::clear() {
  setSize(0);
  setCapacity(4);
}

void IntegerList::grow() {
  int32_t step = 4;
  if (capacity_ > 64) {
    step = capacity_ / 4;
  } else if (capacity_ > 8) {
    step = 16;
  }
  setCapacity(capacity_ + step);
}

void IntegerList::add(int32_t value) {
  if (size_ == capacity_) grow();
  values_[static_cast<std::size_t>(size_)] = value;
  ++size_;
}

void IntegerList::addUnique(int32_t value) {
  if (!find(value)) add(value);
}

bool IntegerList::find(int32_t value) const {
  return std::find(values_.begin(), values_.begin() + size_, value) != values_.begin() + size_;
}

int32_t IntegerList::item(int32_t index) const {
  if (index < 0 || index >= size_) throw LibraryError("Index out of range");
  return values_[static_cast<std::size_t>(index)];
}

}  // namespace aggregate
