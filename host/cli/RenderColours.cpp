#include "RenderColours.h"

#include <algorithm>

namespace tolvar {

namespace {

Rgb baseOf(BiotopGroup group) {
  switch (group) {
    case BiotopGroup::Woods:
      return {0.46, 0.72, 0.42};
    case BiotopGroup::Grassland:
      return {0.72, 0.84, 0.40};
    case BiotopGroup::Waters:
      return {0.40, 0.65, 0.90};
    case BiotopGroup::Fields:
      return {0.90, 0.76, 0.45};
    case BiotopGroup::Settlement:
      return {0.66, 0.66, 0.66};
    case BiotopGroup::Others:
      break;
  }
  return {0.74, 0.62, 0.86};
}

// Towards white for t > 0, towards black for t < 0.
Rgb shade(const Rgb& base, double t) {
  const auto channel = [t](double value) { return t >= 0 ? value + (1 - value) * t : value * (1 + t); };
  return {channel(base.red), channel(base.green), channel(base.blue)};
}

}  // namespace

std::string colouredCode(const std::string& codes) {
  std::string code = codes.substr(0, codes.find('/'));
  if (!code.empty() && (code[0] == 'x' || code[0] == 'y' || code[0] == 'z')) code.erase(0, 1);
  return code;
}

BiotopGroup groupOf(const std::string& code) {
  switch (code.empty() ? ' ' : code[0]) {
    case 'W':
    case 'B':
    case 'H':
      return BiotopGroup::Woods;
    case 'G':
    case 'R':
      return BiotopGroup::Grassland;
    case 'F':
    case 'S':
    case 'N':
    case 'M':
      return BiotopGroup::Waters;
    case 'A':
    case 'E':
      return BiotopGroup::Fields;
    case 'O':
    case 'P':
    case 'X':
      return BiotopGroup::Settlement;
    default:
      return BiotopGroup::Others;
  }
}

BiotopColours::BiotopColours(const std::vector<std::string>& codes) {
  std::map<BiotopGroup, std::vector<std::string>> byGroup;
  for (const std::string& codeList : codes) {
    const std::string code = colouredCode(codeList);
    auto& members = byGroup[groupOf(code)];
    if (std::find(members.begin(), members.end(), code) == members.end()) members.push_back(code);
  }
  // The shades of a group spread from darker to lighter, so that no two codes share a colour.
  for (const auto& [group, members] : byGroup) {
    for (std::size_t i = 0; i < members.size(); ++i) {
      const double t = members.size() == 1 ? 0 : -0.4 + 0.9 * static_cast<double>(i) / (members.size() - 1);
      colours_[members[i]] = shade(baseOf(group), t);
    }
  }
}

Rgb BiotopColours::of(const std::string& codes) const {
  const std::string code = colouredCode(codes);
  const auto it = colours_.find(code);
  return it != colours_.end() ? it->second : baseOf(groupOf(code));
}

}  // namespace tolvar
