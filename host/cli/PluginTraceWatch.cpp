#include "PluginTraceWatch.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <iostream>

#include "Host.h"

namespace tolvar {

namespace {

constexpr const char* kErrorBoxTag = "[Fehler] ";

// The text a line shows once a terminal has drawn it: after its last carriage return, without
// control sequences (the plug-in erases its live line before it writes a box above it).
std::string shownText(const std::string& line) {
  const auto lastReturn = line.rfind('\r');
  std::string text = lastReturn == std::string::npos ? line : line.substr(lastReturn + 1);
  while (text.size() >= 2 && text[0] == '\x1b' && text[1] == '[') {
    std::size_t end = 2;
    while (end < text.size() && (text[end] < 0x40 || text[end] > 0x7E)) ++end;
    text.erase(0, end + 1);
  }
  return text;
}

void writeAll(int fd, const char* bytes, std::size_t count) {
  while (count > 0) {
    const ssize_t written = write(fd, bytes, count);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return;  // nowhere to show it; the watch still reads on
    bytes += written;
    count -= static_cast<std::size_t>(written);
  }
}

// A pseudo-terminal of the terminal's size that passes bytes as they are (the real terminal does
// its own output processing), else a pipe. Returns the writing end; the reading end goes to `reader`.
int makeChannel(int& reader) {
  winsize size{};
  if (isatty(STDERR_FILENO) != 0 && ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0) {
    int master = -1;
    int slave = -1;
    if (openpty(&master, &slave, nullptr, nullptr, &size) == 0) {
      termios settings{};
      tcgetattr(slave, &settings);
      cfmakeraw(&settings);
      tcsetattr(slave, TCSANOW, &settings);
      fcntl(master, F_SETFD, FD_CLOEXEC);
      fcntl(slave, F_SETFD, FD_CLOEXEC);
      reader = master;
      return slave;
    }
  }
  int ends[2];
  if (pipe2(ends, O_CLOEXEC) != 0)
    throw host::HostError("Die Standardfehlerausgabe lässt sich nicht umleiten");
  reader = ends[0];
  return ends[1];
}

}  // namespace

PluginTraceWatch::PluginTraceWatch() {
  std::fflush(stderr);
  std::cerr.flush();
  const int writer = makeChannel(reader_);
  savedStandardError_ = fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 3);
  if (savedStandardError_ < 0) {  // standard error is closed: nothing to pass on, nothing to see
    close(writer);
    close(reader_);
    finished_ = true;
    return;
  }
  dup2(writer, STDERR_FILENO);
  close(writer);
  // SIGINT reaches the process only while the forwarder waits in ppoll, so that its arrival always
  // ends that wait and is seen; the plug-in's own handler runs there as anywhere else.
  sigset_t interrupt;
  sigemptyset(&interrupt);
  sigaddset(&interrupt, SIGINT);
  pthread_sigmask(SIG_BLOCK, &interrupt, &savedMask_);
  forwarder_ = std::thread([this] { forward(); });
}

void PluginTraceWatch::finish() {
  if (finished_) return;
  finished_ = true;
  std::fflush(stderr);
  std::cerr.flush();
  // The last writing end closes: the forwarder reads the rest, then end of file (EIO on a terminal).
  dup2(savedStandardError_, STDERR_FILENO);
  forwarder_.join();
  close(reader_);
  close(savedStandardError_);
  pthread_sigmask(SIG_SETMASK, &savedMask_, nullptr);
}

void PluginTraceWatch::forward() {
  sigset_t all;
  sigfillset(&all);
  pthread_sigmask(SIG_SETMASK, &all, nullptr);
  sigset_t onlyInterrupt;
  sigfillset(&onlyInterrupt);
  sigdelset(&onlyInterrupt, SIGINT);
  char buffer[4096];
  while (true) {
    pollfd ready{reader_, POLLIN, 0};
    if (ppoll(&ready, 1, nullptr, &onlyInterrupt) < 0) {
      if (errno != EINTR) break;
      interrupted_ = true;
      continue;
    }
    const ssize_t count = read(reader_, buffer, sizeof buffer);
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) break;
    writeAll(savedStandardError_, buffer, static_cast<std::size_t>(count));
    scan(buffer, static_cast<std::size_t>(count));
  }
}

void PluginTraceWatch::scan(const char* bytes, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    if (bytes[i] != '\n') {
      partialLine_ += bytes[i];
      continue;
    }
    if (shownText(partialLine_).rfind(kErrorBoxTag, 0) == 0) errorShown_ = true;
    partialLine_.clear();
  }
}

}  // namespace tolvar
