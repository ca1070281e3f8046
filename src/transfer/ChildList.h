#pragma once
// Owned lists of the record trees and the one way items change owner.
#include <functional>
#include <memory>
#include <vector>

#include "hostdata/TableCursor.h"

namespace aggregate {

template <class Node>
using OwnedList = std::vector<std::unique_ptr<Node>>;

// Visits the items of theirs from the last to the first. An item that one of mine matches
// (searched from the first over mine as it is at that moment, so including items taken over
// earlier) stays with theirs and is handed to absorb with the first match; any other item moves
// to the end of mine. So taken-over items arrive in reverse order, and every item keeps exactly
// one owner.
template <class Node, class Matches, class Absorb>
void MergeChildList(OwnedList<Node>& mine, OwnedList<Node>& theirs, Matches&& matches, Absorb&& absorb) {
  for (auto index = theirs.size(); index-- > 0;) {
    Node& other = *theirs[index];
    Node* match = nullptr;
    for (const auto& own : mine) {
      if (std::invoke(matches, *own, other)) {
        match = own.get();
        break;
      }
    }
    if (match != nullptr) {
      std::invoke(absorb, *match, other);
    } else {
      mine.push_back(std::move(theirs[index]));
      theirs.erase(theirs.begin() + static_cast<std::ptrdiff_t>(index));
    }
  }
}

// Two nodes match when their identity texts are equal, character by character.
template <class Identity>
auto SameIdentity(Identity identity) {
  return [identity](const auto& own, const auto& other) {
    return std::invoke(identity, own) == std::invoke(identity, other);
  };
}

// Items whose identity mine already holds simply stay with theirs.
template <class Node, class Identity>
void MergeChildList(OwnedList<Node>& mine, OwnedList<Node>& theirs, Identity&& identity) {
  MergeChildList(mine, theirs, SameIdentity(identity), [](const Node&, const Node&) {});
}

// One node per row, in row order; a node that keep() refuses is freed at once.
template <class Node, class Keep>
void ReadChildRows(const char* table, std::vector<std::unique_ptr<Node>>& children, Keep&& keep) {
  ForEachRow(table, [&] {
    auto child = std::make_unique<Node>();
    child->read();
    if (keep(*child)) children.push_back(std::move(child));
  });
}

template <class Node>
void ReadChildRows(const char* table, std::vector<std::unique_ptr<Node>>& children) {
  ReadChildRows(table, children, [](const Node&) { return true; });
}

}  // namespace aggregate
