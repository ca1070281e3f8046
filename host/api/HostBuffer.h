// Writing into buffers the plug-in hands over.
#pragma once

#include <cstdint>
#include <string_view>

namespace host {

// A buffer of count n holds n characters and the terminating zero: writes at most n characters of
// text (cutting it if longer) and the zero. False, writing nothing, for a null buffer or n < 0.
bool copyToHostBuffer(std::string_view text, char* buffer, std::int32_t n);

}  // namespace host
