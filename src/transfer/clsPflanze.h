#pragma once
#include <cstdint>
#include <string>

namespace aggregate {

// One plant species of a layer with its abundance class: a row of Pflanzenliste.
class TPflanzeData {
 public:
  // Reads the current Pflanzenliste row.
  void ReadData();
  // Finds or appends the species below the target's current Schichtung row; the abundance
  // class reaches the host only with a row that is new to the target.
  void WriteData() const;
  // The same species recorded elsewhere: the abundance class stays only where both agree.
  void MergeAnzahl(const TPflanzeData& pExternalPflanze);

  const std::string& Art() const { return FArt; }

 private:
  void AppendData() const;

  std::string FArt;
  std::string FAnzahl;
  int32_t FPKey = -1;
};

}  // namespace aggregate
