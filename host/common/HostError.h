// The one exception type of the simulated host.
#pragma once

#include <stdexcept>

namespace host {

// Thrown for every failure a person or a test can cause: missing project, bad file, unknown Kennung,
// unknown export, broken database. The message is one line, in German.
class HostError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace host
