#pragma once
#include <string>

namespace aggregate {

// One plant species of a layer with its abundance class: a row of Pflanzenliste.
class PflanzeRecord {
 public:
  // Reads the current Pflanzenliste row.
  void read();
  // Finds or appends the species below the target's current Schichtung row; the abundance
  // class reaches the host only with a row that is new to the target.
  void write() const;
  // The same species recorded elsewhere: the abundance class stays only where both agree.
  void mergeAnzahl(const PflanzeRecord& other);

  const std::string& art() const { return art_; }

 private:
  void append() const;

  std::string art_;
  std::string anzahl_;
};

}  // namespace aggregate
