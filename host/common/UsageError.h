// What a command line's words cannot mean: the command line and the tools it runs refuse such words
// with it, and tolvar exits with 2.
#pragma once

#include <stdexcept>

namespace tolvar {

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace tolvar
