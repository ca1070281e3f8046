#pragma once
#include <cstdint>
#include <vector>

namespace aggregate {

// Growable list of signed 32-bit integers (object ids, row keys).
// Invariants: 0 <= size <= capacity <= kMaxCapacity; every allocated position at or beyond
// size holds 0. A failed operation leaves the list exactly as it was.
class IntegerList {
 public:
  static constexpr int32_t kMaxCapacity = 0x7FFFFFF;

  int32_t size() const { return size_; }
  void setSize(int32_t n);
  int32_t capacity() const { return capacity_; }
  void setCapacity(int32_t n);

  void clear();
  void add(int32_t value);
  void addUnique(int32_t value);
  bool find(int32_t value) const;
  int32_t item(int32_t index) const;
  int32_t operator[](int32_t index) const { return item(index); }

 private:
  void grow();

  std::vector<int32_t> values_;
  int32_t size_ = 0;
  int32_t capacity_ = 0;
};

}  // namespace aggregate
