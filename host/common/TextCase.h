// Table and field names compare without regard to ASCII letter case, as the project database does.
#pragma once

#include <string>
#include <string_view>

namespace host {

std::string asciiLower(std::string_view text);
bool equalsIgnoringCase(std::string_view a, std::string_view b);

struct CaseInsensitiveLess {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const;
};

}  // namespace host
