#pragma once
#include <cstdint>
#include <vector>

namespace aggregate {

// Growable list of signed 32-bit integers (object ids, row keys).
// Invariants: 0 <= Size <= Capacity <= kMaxCapacity; every allocated position at or beyond
// Size holds 0. A failed operation leaves the list exactly as it was.
class TIntegerlist {
 public:
  static constexpr int32_t kMaxCapacity = 0x7FFFFFF;

  int32_t Size() const { return FSize; }
  void setSize(int32_t n);
  int32_t Capacity() const { return FCapacity; }
  void setCapacity(int32_t n);

  void clear();
  void add(int32_t pValue);
  void addUnique(int32_t pValue);
  bool find(int32_t pValue) const;
  int32_t Items(int32_t index) const;
  int32_t operator[](int32_t index) const { return Items(index); }

 private:
  void Grow();

  std::vector<int32_t> FValues;
  int32_t FSize = 0;
  int32_t FCapacity = 0;
};

}  // namespace aggregate
