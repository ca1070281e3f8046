#pragma once
// Which biotope-type records of a transfer describe the same biotope type and merge into one: the
// one place that says so.
#include <string>
#include <tuple>

#include "hostdata/Schema.h"

namespace aggregate {

// Records merge when their keys are equal: the same Biotoptyp, Oekotyp and P62_Typ, compared
// character by character.
using MergeKey = std::tuple<std::string, std::string, std::string>;

inline MergeKey MergeKeyOf(const schema::BiotoptypCodes& codes) {
  return {codes.biotoptyp, codes.oekotyp, codes.p62Typ};
}

}  // namespace aggregate
