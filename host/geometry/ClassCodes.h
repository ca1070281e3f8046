// Object class codes of the mapping classes the plug-in works with.
#pragma once

#include <cstdint>
#include <string>

namespace host {

inline constexpr std::int32_t kClassBK = 7660100;
inline constexpr std::int32_t kClassBT = 7660130;
inline constexpr std::int32_t kClassFT = 7660200;
inline constexpr std::int32_t kClassFP = 7660250;
inline constexpr std::int32_t kClassMAS = 7660400;
inline constexpr std::int32_t kClassGB = 7680105;
inline constexpr std::int32_t kClassFSN = 7730077;

// Short class name ("BT", "MAS", ...) or the code in decimal.
std::string className(std::int32_t classCode);

}  // namespace host
