// The one exception barrier of the tl* functions: counts the call, runs it as an operation scope of
// the current session and turns every failure into the function's failure value.
#pragma once

#include <exception>
#include <string>

#include "Session.h"

namespace host {

template <typename Result, typename Body>
Result serve(const char* function, Result failure, Body&& body) noexcept {
  Session* session = currentSession();
  if (session == nullptr) return failure;
  session->count(function);
  session->enter();
  Result result = failure;
  bool ok = false;
  try {
    result = body(*session);
    ok = true;
  } catch (const std::exception& e) {
    session->recordFailure(std::string(function) + ": " + e.what());
  } catch (...) {
    session->recordFailure(std::string(function) + ": unknown failure");
  }
  try {
    if (session->leave(ok)) result = failure;
  } catch (...) {
    result = failure;
  }
  return result;
}

inline std::int16_t flag(bool value) { return value ? 1 : 0; }

}  // namespace host
