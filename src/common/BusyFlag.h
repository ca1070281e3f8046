#pragma once

namespace aggregate {

// Keeps the measure aggregation, the area balance and the area handlers from running inside
// one another, including when the host answers the library's own writes with a change
// notification. Only the host's user-interface thread ever touches it.
extern bool BusyFlag;

// Sets BusyFlag for its lifetime and clears it to false afterwards, on every path.
class BusyFlagHold {
 public:
  BusyFlagHold() { BusyFlag = true; }
  ~BusyFlagHold() { BusyFlag = false; }
  BusyFlagHold(const BusyFlagHold&) = delete;
  BusyFlagHold& operator=(const BusyFlagHold&) = delete;
};

}  // namespace aggregate
