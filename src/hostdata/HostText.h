#pragma once
// Where texts cross the host boundary: UTF-8 inside the library, the host's code page beyond.
#include <string>

namespace aggregate {

// A text the host gave (a callback's Kennung, a handler's value) as UTF-8; nullptr gives "".
std::string FromHostText(const char* hostText);
// A UTF-8 text as the host takes it; what its code page cannot hold becomes '?'.
std::string ToHostText(const std::string& text);

}  // namespace aggregate
