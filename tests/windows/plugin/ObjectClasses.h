#pragma once
#include <cstdint>

namespace plugintests {

// Class codes as the host gives them.
inline constexpr int32_t kClassBK = 7660100;
inline constexpr int32_t kClassBT = 7660130;
inline constexpr int32_t kClassMAS = 7660400;
inline constexpr int32_t kClassGB = 7680105;
inline constexpr int32_t kClassFSN = 7730077;

}  // namespace plugintests
