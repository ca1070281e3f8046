#pragma once
// Pictures of the Xvfb screen for a person to look at: xwd writes them into the build folder,
// the check script turns them into PNG files.
#include <string>

namespace wintest {

class Screenshots {
 public:
  // unixDirectory: where the pictures go, as a Linux path; empty takes none.
  explicit Screenshots(std::string unixDirectory) : directory_(std::move(unixDirectory)) {}

  // Takes the whole screen as <name>.xwd; false when no picture appeared within ten seconds.
  bool take(const std::string& name) const;
  bool enabled() const { return !directory_.empty(); }

 private:
  std::string directory_;
};

}  // namespace wintest
