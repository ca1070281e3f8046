#include "ClosestName.h"

#include <algorithm>
#include <cctype>
#include <numeric>

namespace tolvar {

namespace {

std::size_t editDistanceIgnoringCase(const std::string& a, const std::string& b) {
  const auto lower = [](char c) { return std::tolower(static_cast<unsigned char>(c)); };
  std::vector<std::size_t> row(b.size() + 1);
  std::iota(row.begin(), row.end(), 0);
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      row[j] =
          std::min({row[j] + 1, row[j - 1] + 1, diagonal + (lower(a[i - 1]) == lower(b[j - 1]) ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

}  // namespace

std::optional<std::string> closestName(const std::string& word, const std::vector<std::string>& names) {
  std::optional<std::string> best;
  std::size_t bestDistance = std::max<std::size_t>(1, word.size() / 3) + 1;
  for (const std::string& name : names) {
    const std::size_t distance = editDistanceIgnoringCase(word, name);
    if (distance < bestDistance) {
      best = name;
      bestDistance = distance;
    }
  }
  return best;
}

std::string didYouMean(const std::string& word, const std::vector<std::string>& names) {
  const auto meant = closestName(word, names);
  return meant ? " (meinten Sie '" + *meant + "'?)" : "";
}

}  // namespace tolvar
