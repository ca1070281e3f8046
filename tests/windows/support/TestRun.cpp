#include "support/TestRun.h"

#include <cstdio>
#include <exception>

#include "support/Text.h"

namespace wintest {

namespace {

void print(const std::string& line) {
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

}  // namespace

void Checks::that(bool condition, const std::string& what) {
  if (!condition) failures_.push_back(what);
}

void Checks::equal(const std::wstring& actual, const std::wstring& expected, const std::string& what) {
  if (actual != expected)
    failures_.push_back(what + ": \"" + utf8(actual) + "\", expected \"" + utf8(expected) + "\"");
}

void Checks::equal(long long actual, long long expected, const std::string& what) {
  if (actual != expected)
    failures_.push_back(what + ": " + std::to_string(actual) + ", expected " + std::to_string(expected));
}

void Checks::none(const std::vector<std::string>& problems) {
  failures_.insert(failures_.end(), problems.begin(), problems.end());
}

void TestRun::group(const std::string& name) {
  group_ = name;
  print("== " + name);
}

void TestRun::run(const std::string& name, const std::function<void(Checks&)>& body) {
  Checks checks;
  try {
    body(checks);
  } catch (const std::exception& failure) {
    checks.that(false, std::string("exception: ") + failure.what());
  }
  if (checks.failures().empty()) {
    ++passed_;
    print("PASS " + group_ + ": " + name);
    return;
  }
  ++failed_;
  print("FAIL " + group_ + ": " + name);
  for (const auto& failure : checks.failures()) print("     " + failure);
}

void TestRun::skip(const std::string& name, const std::string& reason) {
  ++skipped_;
  print("SKIP " + group_ + ": " + name + " (" + reason + ")");
}

int TestRun::finish() const {
  print(std::to_string(passed_) + " passed, " + std::to_string(failed_) + " failed, " +
        std::to_string(skipped_) + " skipped");
  return failed_ == 0 ? 0 : 1;
}

}  // namespace wintest
