// "Meinten Sie …?": the known name a mistyped word most likely meant.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tolvar {

// The name nearest to the word (edits of single letters, case ignored), if it is near enough to be
// meant: at most a third of the word's letters differ.
std::optional<std::string> closestName(const std::string& word, const std::vector<std::string>& names);

// " (meinten Sie 'name'?)" or nothing.
std::string didYouMean(const std::string& word, const std::vector<std::string>& names);

}  // namespace tolvar
