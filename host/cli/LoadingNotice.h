// Opening a large project takes seconds: after the first one, a line says what is going on, and
// another how long it took.
#pragma once

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <ostream>
#include <thread>

namespace tolvar {

class LoadingNotice {
 public:
  LoadingNotice(std::ostream& err, const std::filesystem::path& projectDir);
  ~LoadingNotice();  // the project is loaded, or loading failed
  LoadingNotice(const LoadingNotice&) = delete;
  LoadingNotice& operator=(const LoadingNotice&) = delete;

  static constexpr std::chrono::seconds kSilentFor{1};

 private:
  std::ostream& err_;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
  std::mutex mutex_;
  std::condition_variable loaded_;
  bool done_ = false;
  bool announced_ = false;
  std::thread announcer_;
};

}  // namespace tolvar
