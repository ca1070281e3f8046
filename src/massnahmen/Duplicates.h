#pragma once
// The one way the Massnahmen aggregation marks what repeats: of each group of equal entries the
// first in list order stays unmarked and takes in each later one, which is marked.
#include <cstddef>
#include <memory>
#include <vector>

namespace aggregate {

template <class Entry, class Same, class TakeIn>
void MarkDuplicates(std::vector<std::unique_ptr<Entry>>& list, Same&& same, TakeIn&& takeIn) {
  for (std::size_t i = 0; i + 1 < list.size(); ++i) {
    Entry& first = *list[i];
    if (first.isDuplicate) continue;
    for (std::size_t j = i + 1; j < list.size(); ++j) {
      Entry& later = *list[j];
      if (later.isDuplicate || !same(first, later)) continue;
      later.isDuplicate = true;
      takeIn(first, later);
    }
  }
}

}  // namespace aggregate
