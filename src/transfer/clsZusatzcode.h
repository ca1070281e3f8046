#pragma once
#include <cstdint>
#include <string>

namespace aggregate {

// One additional code of a biotope-type record: a row of Zusatzcodes.
class TZusatzCodeData {
 public:
  // Reads the current Zusatzcodes row.
  void ReadData();
  // Appends the code below the target's current BtypHtyp row unless it is there already.
  void WriteData() const;

  const std::string& Zusatzcode() const { return FZusatzcode; }

 private:
  void AppendData() const;

  std::string FZusatzcode;
  int32_t FPkey = -1;
};

}  // namespace aggregate
