#pragma once
#include <cstdint>
#include <string>

namespace aggregate {

// One animal species of a layer: a row of Tierliste.
class TTierData {
 public:
  // Reads the current Tierliste row.
  void ReadData();
  // Finds or appends the species below the target's current Schichtung row.
  void WriteData() const;

  const std::string& Art() const { return FArt; }

 private:
  void AppendData() const;

  std::string FArt;
  int32_t FPKey = -1;
};

}  // namespace aggregate
