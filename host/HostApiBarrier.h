// The one exception barrier of the tl* functions: counts the call, runs it as an operation scope of
// the current session and turns every failure into the function's failure value. It also holds the
// fault-injection switch: the n-th call after arming fails with that value and does nothing else.
#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <utility>

#include "Session.h"
#include "UnnamedResults.h"

namespace host {

struct CallFault {
  std::int64_t failAt = 0;  // 0: no call fails
  std::int64_t served = 0;  // tl* calls since arming
  std::string failed;       // the function that was made to fail, once it has
};

inline CallFault& callFault() {
  static CallFault fault;
  return fault;
}

// The n-th tl* call from now fails (n = 0 disarms); counting starts anew.
inline void failCall(std::int64_t n) { callFault() = CallFault{n, 0, {}}; }

inline bool injectFailure(const char* function) {
  CallFault& fault = callFault();
  if (fault.failAt <= 0 || ++fault.served != fault.failAt) return false;
  fault.failed = function;
  return true;
}

// What a failing call leaves in the caller's text buffer: nothing.
struct TextOut {
  char* buffer = nullptr;
  std::int32_t count = 0;
  void clear() const {
    if (buffer != nullptr && count >= 0) buffer[0] = '\0';
  }
};

template <typename Result, typename Body>
Result serve(const char* function, Result failure, Body&& body, TextOut out = {}) noexcept {
  Session* session = currentSession();
  if (session == nullptr) return failure;
  session->count(function);
  if (injectFailure(function)) {
    out.clear();
    return failure;
  }
  session->enter();
  Result result = failure;
  bool ok = false;
  try {
    result = body(*session);
    ok = true;
  } catch (const std::exception& e) {
    session->recordFailure(std::string(function) + ": " + e.what());
  } catch (...) {
    session->recordFailure(std::string(function) + ": unbekannter Fehler");
  }
  try {
    if (session->leave(ok)) result = failure;
  } catch (...) {
    result = failure;
  }
  return result;
}

// A function whose result the contract leaves open: it does its work as serve does, and answers
// as the unnamed-results mode says.
template <typename Body>
std::int16_t serveUnnamed(const char* function, Body&& body, TextOut out = {}) noexcept {
  return unnamedResult(serve<std::int16_t>(function, 0, std::forward<Body>(body), out));
}

inline std::int16_t flag(bool value) { return value ? 1 : 0; }

}  // namespace host
