#pragma once
#include <cstdint>
#include <string>

namespace aggregate {

inline constexpr int32_t kClassBK = 7660100;
inline constexpr int32_t kClassBT = 7660130;
inline constexpr int32_t kClassFT = 7660200;
inline constexpr int32_t kClassFP = 7660250;
inline constexpr int32_t kClassMAS = 7660400;
inline constexpr int32_t kClassGB = 7680105;
inline constexpr int32_t kClassFSN = 7730077;

// Display name (Windows-1252) for the classes the transfer names in its messages; "unbekannt" otherwise.
std::string GetClassDisplayName(int32_t classCode);

}  // namespace aggregate
