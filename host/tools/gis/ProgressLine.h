// Progress of a long GIS command on standard error, for sources of many features: on a terminal one
// line redrawn in place, through a pipe or into a file a "[Status]" line at every tenth. Small jobs
// show nothing.
#pragma once

#include <cstddef>
#include <ostream>
#include <string>

namespace tolvar {

class ProgressLine {
 public:
  // Below this many steps a job is over before progress would help.
  static constexpr std::size_t kShownFrom = 1000;

  ProgressLine(std::ostream& err, bool terminal, std::string caption, std::size_t total);
  ~ProgressLine();
  ProgressLine(const ProgressLine&) = delete;
  ProgressLine& operator=(const ProgressLine&) = delete;

  void advance(std::size_t done);

 private:
  std::ostream& err_;
  bool terminal_;
  std::string caption_;
  std::size_t total_;
  int shownPercent_ = -1;
};

}  // namespace tolvar
