#pragma once
#include "contract/TolvarApi.h"

namespace aggregate {

// tlBeginUpdate for the lifetime of the object and the matching tlEndUpdate afterwards, on every
// path: the host expects an end for every begin.
class UpdateBracket {
 public:
  UpdateBracket() { tlBeginUpdate(); }
  ~UpdateBracket() { tlEndUpdate(); }
  UpdateBracket(const UpdateBracket&) = delete;
  UpdateBracket& operator=(const UpdateBracket&) = delete;
};

}  // namespace aggregate
