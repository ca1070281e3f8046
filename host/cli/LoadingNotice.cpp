#include "LoadingNotice.h"

#include <exception>

namespace tolvar {

LoadingNotice::LoadingNotice(std::ostream& err, const std::filesystem::path& projectDir) : err_(err) {
  announcer_ = std::thread([this, projectDir] {
    std::unique_lock lock(mutex_);
    if (loaded_.wait_for(lock, kSilentFor, [this] { return done_; })) return;
    err_ << "tolvar: Das Projekt " << projectDir.string() << " wird geladen …" << std::endl;
    announced_ = true;
  });
}

LoadingNotice::~LoadingNotice() {
  {
    std::lock_guard lock(mutex_);
    done_ = true;
  }
  loaded_.notify_one();
  announcer_.join();
  if (!announced_ || std::uncaught_exceptions() > 0) return;  // a failure is told next
  const auto tenths =
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start_)
          .count() /
      100;
  err_ << "tolvar: geladen in " << tenths / 10 << "," << tenths % 10 << " s" << std::endl;
}

}  // namespace tolvar
