#pragma once
// A small test runner for the programs that run under Wine: named cases grouped by what they
// protect, each passing when all its checks hold, and a closing line "N passed, N failed".
#include <functional>
#include <string>
#include <vector>

namespace wintest {

class Checks {
 public:
  void that(bool condition, const std::string& what);
  void equal(const std::wstring& actual, const std::wstring& expected, const std::string& what);
  void equal(long long actual, long long expected, const std::string& what);
  // Problems another helper collected (e.g. the dialog watcher); each one fails the case.
  void none(const std::vector<std::string>& problems);

  const std::vector<std::string>& failures() const { return failures_; }

 private:
  std::vector<std::string> failures_;
};

class TestRun {
 public:
  void group(const std::string& name);
  void run(const std::string& name, const std::function<void(Checks&)>& body);
  // A case whose behaviour has not been built yet; reported, not run.
  void skip(const std::string& name, const std::string& reason);
  // Prints the closing line; the process exit code.
  int finish() const;

 private:
  std::string group_;
  int passed_ = 0;
  int failed_ = 0;
  int skipped_ = 0;
};

}  // namespace wintest
