#pragma once
#include <stdexcept>
#include <string>

namespace aggregate {

// The library's general error: raised inside a command, reported or swallowed before an export returns.
class LibraryError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace aggregate
